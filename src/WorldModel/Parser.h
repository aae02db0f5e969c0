#ifndef PARSER_H
#define PARSER_H

#include <string>

class WorldModel;

// Placeholder: reads nothing yet.
class Parser
{
public:
    Parser();
    void doParse(const std::string& message);

private:
    WorldModel* WM;
};

#endif
