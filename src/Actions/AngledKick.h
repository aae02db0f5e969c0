#ifndef ANGLEDKICK_H
#define ANGLEDKICK_H

#include <string>
#include <vector>

#include "Actions/Action.h"
#include "Actions/KickPosture.h"

// The 45- and 90-degree kicks: the kick-ready posture, then endCycle leg
// frames built at start-up from a move and a hold token file, then one
// zero-speed cycle and nine steps back toward the zero posture. The phase
// word is ignored. A posture not reached within kMaxPostureCalls calls
// gives the kick up.
class AngledKick : public Action
{
public:
    static constexpr int kFrames = 30;
    static constexpr int kLegJoints = 6;
    static constexpr std::size_t kTokensPerFile = kFrames * kLegJoints;
    static constexpr int kSettleSteps = 10;
    static constexpr int kMaxPostureCalls = 100;

    // What sets one angled kick apart from the others.
    struct Config
    {
        const char* name;       // class name; files name + "move.txt" and name + "hold.txt"
        bool rightLegMoves;     // the moving leg's items come first in a frame
        double armRollTarget;   // degrees, both arms
        double armRollMaxStep;  // degrees
        bool testsArmRoll;      // arm roll within 10 degrees is part of the ready test
        int endCycle;           // frame steps played
    };

    std::string execute(const std::string& params) override;

protected:
    AngledKick(const Config& config, const std::string& actsDir);

private:
    std::string prepare();
    std::string kicking();
    std::string frameText(int step) const;

    Config mConfig;
    KickPosture mPosture;
    std::vector<std::string> mFrames;
    bool mIsKickDone = true;
    bool mIsPrepareDone = false;
    int cycle = 0;         // step of the kicking phase
    int mPostureCalls = 0; // posture calls of the current attempt
};

#endif
