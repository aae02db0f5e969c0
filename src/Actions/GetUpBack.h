#ifndef GETUPBACK_H
#define GETUPBACK_H

#include <string>
#include <vector>

#include "Actions/Action.h"

// Stands the robot up from its back: 36 cycles toward a fixed starting
// posture, then one stored command line per cycle from "GetUpBack.txt"
// (the lines that begin with '('), then "" and back to the start.
class GetUpBack : public Action
{
public:
    static constexpr int kApproachCycles = 36;
    static constexpr int kMaxLines = 100;
    // A stored line must be shorter than this.
    static constexpr int kMaxLineLength = 2048;

    explicit GetUpBack(const std::string& actsDir = kActsDir);
    // The phase word is ignored.
    std::string execute(const std::string& params) override;

private:
    std::string approach();
    std::string finish();

    std::vector<std::string> sUp;
    std::size_t ABLcounter = 0;  // next line to send
    int counter = 0;     // approach cycles done
};

#endif
