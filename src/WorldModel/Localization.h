#ifndef LOCALIZATION_H
#define LOCALIZATION_H

#include "salt/vector.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// Self-localisation from the landmarks seen in the current message, in the
// own side's frame: the position from pairs of landmarks on one end line, the
// heading from every landmark seen, then the global positions of the ball and
// the players seen. Runs once per message, right after parsing.
class Localization : public Singleton<Localization>
{
public:
    // Before the first fix the own position is the home position at the
    // standing torso height, the heading 0 and the last fix time -1000.
    Localization();

    void localize();
    // Torso height from the leg of the sole that pushes nearly straight up;
    // 0.55 when neither does.
    double getMyZ() const;
    // Angle in radians opposite side c of the triangle with sides a, b, c.
    static double getCAng(double a, double b, double c);

    double getLastLocalize() const { return mLastLocalize; }

private:
    void updateObjectToVisionMap();
    bool canSeeTwoFlags() const;
    void localizeWithTwoFlags();
    salt::Vector3f getMyPosWithTwoFlagsGeometric();
    salt::Vector3f myPosWithTwoFlagsGeometric(Object f1, Object f2) const;
    double getMyThetaWithTwoFlag();
    double myThetaWithEveryTwoFlag() const;
    double calcTheta(Object obj, salt::Vector3f myPos) const;
    void getOtherGlobalPosbyMyAngle();
    double zFromLFoot() const;
    double zFromRFoot() const;
    double zFromFoot(JointID legJoint1) const;

    double mLastLocalize = -1000.0;
    salt::Vector3f mMyPos;
    double mMyAngle = 0.0;
    // Last mean of the same-end-line estimates.
    salt::Vector3f myGlobalPos;
    // Last heading that some landmark gave.
    double theta = 0.0;
};

#endif
