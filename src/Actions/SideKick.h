#ifndef SIDEKICK_H
#define SIDEKICK_H

#include <string>
#include <vector>

#include "Actions/Action.h"

// A side kick: 25 approach cycles that drive the arm and leg joints toward a
// starting posture with a gain that grows as the approach runs out, then the
// stored command lines of its motion file, one per cycle; "" ends the kick.
// The phase word is ignored. KickL and KickR differ only in their file and
// the arm-roll targets.
class SideKick : public Action
{
public:
    static constexpr int kApproachCycles = 25;
    static constexpr std::size_t kMaxLines = 300;
    static constexpr std::size_t kMaxLineLength = 2047;

    std::string execute(const std::string& params) override;

protected:
    // Reads actsDir + fileName + ".txt"; leftArmRoll and rightArmRoll are the
    // lae2 and rae2 targets, degrees.
    SideKick(const std::string& fileName, const std::string& actsDir, double leftArmRoll, double rightArmRoll);

private:
    struct Target
    {
        JointID jid;
        double angle;
    };
    static constexpr int kApproachJoints = 20;

    std::string approach();

    std::vector<std::string> fKick;
    std::size_t Kickcur = 0;
    int counter = 0;
    Target mTargets[kApproachJoints];
};

#endif
