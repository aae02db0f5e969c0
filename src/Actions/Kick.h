#ifndef KICK_H
#define KICK_H

#include <string>
#include <string_view>
#include <vector>

#include "Actions/Action.h"
#include "Actions/KickPosture.h"
#include "WorldModel/Singleton.h"

// The general forward kick (KICK): drives the joints to the kick-ready
// posture, then replays one of three recorded kicks frame by frame. The
// recordings kick with the right leg over the left; with the right leg as
// support they are played mirrored. Only non-empty phase words advance it.
//
// A kick left in the middle (a server cycle without a step) starts again
// from the posture. Support leg and kick type are latched when the posture
// is reached and hold until the kick ends.
class Kick : public Action, public Singleton<Kick>
{
public:
    static constexpr int kFrameCount = 42;
    static constexpr int kLegJoints = 6;
    static constexpr std::size_t kNumbersPerFile = kFrameCount * kLegJoints;
    // Sent instead of the 42nd frame; ends every kick.
    static constexpr std::string_view kStopCommand =
        "(lle1 0.000000)(rle1 0.000000)(lle2 0.000000)(rle2 0.000000)(lle3 0.000000)(rle3 0.000000)"
        "(lle4 0.000000)(rle4 0.000000)(lle5 0.000000)(rle5 0.000000)(lle6 0.000000)(rle6 0.000000)"
        "(lae1 -0.001000)(rae1 -0.001000)(lae2 0.279000)(rae2 -0.279000)(lae3 -0.726000)(rae3 0.726000)"
        "(lae4 0.000000)(rae4 0.000000)(he2 0.000000)(he1 2.801000)";

    // Reads the six recordings from actsDir (ending with '/').
    explicit Kick(const std::string& actsDir = kActsDir);

    std::string execute(const std::string& phase) override;
    void setIsLeftHold(bool isLeftHold) { mIsLeftHold = isLeftHold; }
    void setKickType(KickType kickType) { mKickType = kickType; }

private:
    std::string prepare();
    std::string kicking(bool isLeftHold, KickType kickType);
    bool wasInterrupted(int now) const;
    void restartFromPosture();
    const KickPosture& posture() const { return mIsLeftHold ? mLeftHoldPosture : mRightHoldPosture; }
    const std::vector<double>& moving(KickType kickType) const;
    const std::vector<double>& holding(KickType kickType) const;

    bool mIsKickDone = true;
    bool mIsPrepareDone = false;
    bool mIsLeftHold = false;
    KickType mKickType = KICK_TYPE_1;
    // What the running kick plays, taken when the posture is reached.
    bool mLatchedLeftHold = false;
    KickType mLatchedKickType = KICK_TYPE_1;
    std::vector<double> vecm1, vech1, vecm2, vech2, vecm3, vech3;
    KickPosture mLeftHoldPosture, mRightHoldPosture;
    int cycle = 0;                 // next frame
    int mLastStepCycle = -1;       // server cycle of the last step
    static constexpr int endCycle = kFrameCount - 1;
};

#endif
