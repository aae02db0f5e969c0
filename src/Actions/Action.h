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

    // Rows 0..21: target angle of each frame per JointID (-1000: not driven);
    // row 22: frame start times, row 23: frame end times.
    typedef std::vector<std::vector<double>> KeyFrameTable;

    // Where the motion files are read from, relative to the working directory.
    static constexpr const char* kActsDir = "./Acts/";

    Action();
    virtual ~Action() = default;
    virtual std::string execute(const std::string& phase) = 0;

protected:
    // Readers of actsDir + fileName + ".txt". A file that is missing or
    // malformed is reported with one line on standard error and leaves an
    // empty motion; a usable file with a faulty row reports it and plays the rest.
    void dataFill(KeyFrameTable& table, const std::string& fileName, const std::string& actsDir = kActsDir);
    void dataFill(WalkPara& para, const std::string& fileName, const std::string& actsDir = kActsDir);
    // One cycle of a key-frame motion; "" once its run is over (or it is empty).
    std::string act(const KeyFrameTable& table);
    // One cycle of a periodic motion: each driven joint follows its sine
    // terms, their amplitude scaled by the factor shared by all periodic
    // motions. "" at the end of a period unless winding down ("end") with the
    // factor still at 0.02 or more; "" at once when no term is played.
    std::string act(const WalkPara& para, const std::string& param);

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
    KeyFrameTable actMatrix;
    WalkPara actStruct;
    double time = 0.0;

private:
    void appendFrame(std::string& text, const KeyFrameTable& table, int frame, double t) const;
    // Appends the joints' commands; returns the period of the last term
    // played, or -1 when none is.
    double appendSines(std::string& text, const WalkPara& para, double factor, double t) const;
};

#endif
