#include "WorldModel/Parser.h"

#include "WorldModel/WorldModel.h"

Parser::Parser() : WM(WorldModel::instance()) {}

void Parser::doParse(const std::string&) {}
