#ifndef ACTION_H
#define ACTION_H

#include <string>
#include <vector>

#include "WorldModel/Types.h"

class WorldModel;

// A motion. Once per cycle the action switch calls execute with a phase word
// ("start", "normal", "end" or empty); the result is one cycle's joint
// commands, or "" when the motion has finished its run.
class Action
{
public:
    // Gait parameters of a periodic motion; -1000 marks a value not given.
    struct WalkPara
    {
        struct SubPara
        {
            double A[2] = {-1000.0, -1000.0};
            double T[2] = {-1000.0, -1000.0};
            double phi[2] = {-1000.0, -1000.0};
            double alpha[2] = {-1000.0, -1000.0};
        };
        double startupTime = -1000.0;
        double shutdownTime = -1000.0;
        SubPara ATPhiAlpha[JID_MAX];
    };

    Action();
    virtual ~Action() = default;
    virtual std::string execute(const std::string& phase) = 0;

protected:
    std::string moveJoint(JointID jid, double vel) const;
    std::string moveJointTo(JointID jid, double expectedAngle, double maxDeltaAngle, Kpid pid) const;
    // moveJointTo, appended to out.
    void appendMoveJointTo(std::string& out, JointID jid, double expectedAngle, double maxDeltaAngle,
                           const Kpid& pid) const;
    // 22 commands of speed 0, in JointID order.
    std::string fix() const;
    // fix(), then every joint toward 0 over nextcycle cycles (the lower arms twice as fast).
    std::string resetJointShoot(int nextcycle) const;

    WorldModel* WM;
    std::vector<std::vector<double>> actMatrix;
    WalkPara actStruct;
    double time = 0.0;
};

#endif
