#include "WorldModel/Localization.h"

#include <cmath>

#include "Math/MyMath.h"
#include "salt/gmath.h"
#include "salt/matrix.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

using namespace salt;

namespace {

constexpr double kStandingZ = 0.55;
// A heading estimate beyond this ends the averaging.
constexpr double kHeadingStop = 150.0;
// Height of the camera above a seen object's reference point, for the
// planar distance.
constexpr double kCameraDrop = 0.45;

bool seenNow(const WorldModel& wm, Object o)
{
    return wm.objectVision(o).timeLastSeen == wm.getServerTime();
}

bool hasNaN(const Vector3f& v)
{
    return gIsNan(v.x()) || gIsNan(v.y()) || gIsNan(v.z());
}

} // namespace

Localization::Localization()
{
    const Vector3f home = Position::instance()->getHomePos();
    mMyPos = Vector3f(home.x(), home.y(), static_cast<float>(kStandingZ));
    myGlobalPos = mMyPos;
}

void Localization::localize()
{
    updateObjectToVisionMap();
    if (canSeeTwoFlags()) localizeWithTwoFlags();
    WorldModel& wm = *WorldModel::instance();
    if (mLastLocalize != wm.getServerTime()) return;
    VisionSense& me = wm.mutableObjectVision(wm.getMyObject());
    me.globalPos = Vector3f(mMyPos.x(), mMyPos.y(), static_cast<float>(NaoHeaght));
    me.timeLastLocalized = mLastLocalize;
    wm.setMyPos(mMyPos);
    wm.setMyAngle(mMyAngle);
}

void Localization::updateObjectToVisionMap()
{
    WorldModel& wm = *WorldModel::instance();
    const float s = wm.getTeamSide() == TEAM_RIGHT ? -1.0f : 1.0f;
    const float halfLength = static_cast<float>(FieldLength / 2);
    const float halfWidth = static_cast<float>(FieldWidth / 2);
    const float post = static_cast<float>(GoalWidth / 2);
    const float postZ = static_cast<float>(GoalHeight);
    const float flagZ = static_cast<float>(FlagHeight);
    const Vector3f table[GOAL_2R + 1] = {
        {-halfLength * s, halfWidth * s, flagZ},  {halfLength * s, halfWidth * s, flagZ},
        {-halfLength * s, -halfWidth * s, flagZ}, {halfLength * s, -halfWidth * s, flagZ},
        {-halfLength * s, post * s, postZ},       {halfLength * s, post * s, postZ},
        {-halfLength * s, -post * s, postZ},      {halfLength * s, -post * s, postZ},
    };
    for (int o = FLAG_1L; o <= GOAL_2R; ++o) wm.mutableObjectVision(static_cast<Object>(o)).globalPos = table[o];
}

bool Localization::canSeeTwoFlags() const
{
    const WorldModel& wm = *WorldModel::instance();
    int seen = 0;
    for (int o = FLAG_1L; o <= GOAL_2R; ++o)
        if (wm.getLocalConfidence(static_cast<Object>(o)) == 10.0) ++seen;
    return seen >= 2;
}

void Localization::localizeWithTwoFlags()
{
    mLastLocalize = WorldModel::instance()->getServerTime();
    mMyPos = getMyPosWithTwoFlagsGeometric();
    mMyAngle = getMyThetaWithTwoFlag();
    getOtherGlobalPosbyMyAngle();
}

// Mean over the pairs of landmarks seen now on one end line; without such a
// pair the last mean stays.
Vector3f Localization::getMyPosWithTwoFlagsGeometric()
{
    const WorldModel& wm = *WorldModel::instance();
    Vector3f sum;
    int n = 0;
    for (int i = FLAG_1L; i <= GOAL_2R; ++i)
    {
        if (!seenNow(wm, static_cast<Object>(i))) continue;
        for (int j = i + 1; j <= GOAL_2R; ++j)
        {
            if ((i - j) % 2 != 0 || !seenNow(wm, static_cast<Object>(j))) continue;
            const Vector3f p = myPosWithTwoFlagsGeometric(static_cast<Object>(i), static_cast<Object>(j));
            if (hasNaN(p)) continue;
            sum += p;
            ++n;
        }
    }
    if (n > 0) myGlobalPos = sum / static_cast<float>(n);
    return myGlobalPos;
}

// The robot stands where the circles of the two seen distances meet, on the
// field side of the end line that holds both landmarks.
Vector3f Localization::myPosWithTwoFlagsGeometric(Object f1, Object f2) const
{
    const WorldModel& wm = *WorldModel::instance();
    const double d1 = wm.objectVision(f1).distance;
    const double d2 = wm.objectVision(f2).distance;
    const Vector3f g1 = wm.objectVision(f1).globalPos;
    const Vector3f g2 = wm.objectVision(f2).globalPos;
    Vector3f line = g1 - g2;
    const double L = line.Length();
    const double dz = line.z();
    line.z() = 0.0f;
    const double Lxy = line.Length();

    const double cAng = getCAng(L, d2, d1);
    const double x = (L * L + d2 * d2 - d1 * d1) / (2.0 * L);
    const double h = std::sqrt(d2 * d2 - x * x);
    const double zc = g2.z() + dz * x / L;
    const double myZ = getMyZ();
    double b = std::sqrt(std::fabs(h * h - (zc - myZ) * (zc - myZ)));
    double a = -std::fabs(Lxy * x / L);
    if (f2 % 2 == 1) b = -b;
    const double rightAngle = 1.5707963267948966;
    if (cAng > rightAngle) a *= -gSign(g2.y() - g1.y());
    else if (cAng < rightAngle) a *= gSign(g2.y() - g1.y());
    if (wm.getTeamSide() == TEAM_RIGHT) b = -b;
    return Vector3f(static_cast<float>(g2.x() + b), static_cast<float>(g2.y() + a), static_cast<float>(myZ));
}

double Localization::getCAng(double a, double b, double c)
{
    return std::acos((a * a + b * b - c * c) / (2.0 * a * b));
}

double Localization::getMyThetaWithTwoFlag()
{
    const double t = myThetaWithEveryTwoFlag();
    if (t > -1000.0) theta = t;
    return theta;
}

// Mean of the per-landmark headings, each unwrapped next to the first so
// that estimates on both sides of +-180 average correctly. An estimate
// beyond +-150 ends the loop (it is included).
double Localization::myThetaWithEveryTwoFlag() const
{
    const WorldModel& wm = *WorldModel::instance();
    double sum = 0.0, first = 0.0;
    int n = 0;
    for (int i = FLAG_1L; i <= GOAL_2R; ++i)
    {
        if (!seenNow(wm, static_cast<Object>(i))) continue;
        const double th = calcTheta(static_cast<Object>(i), mMyPos);
        if (gIsNan(th)) continue;
        if (n == 0) first = th;
        sum += first + gNormalizeDeg(th - first);
        ++n;
        if (std::fabs(th) > kHeadingStop) break;
    }
    return n > 0 ? gNormalizeDeg(sum / n) : -10000.0;
}

// Heading from one landmark: its direction on the field minus its bearing in
// the body frame (the camera vector turned back by the head's pitch and yaw).
double Localization::calcTheta(Object obj, Vector3f myPos) const
{
    const WorldModel& wm = *WorldModel::instance();
    const float yaw = static_cast<float>(gDegToRad(wm.getJointAngle(JID_HEAD_1)));
    const float pitch = static_cast<float>(gDegToRad(wm.getJointAngle(JID_HEAD_2)));
    const Matrix headToBody = Matrix::RotationZ(yaw) * Matrix::RotationY(-pitch);
    const VisionSense& vision = wm.objectVision(obj);
    const double localAng = gNormalizeDeg(CartecianToPolar(headToBody.Rotate(vision.localPos)).theta);
    const float dy = vision.globalPos.y() - myPos.y();
    const float dx = vision.globalPos.x() - myPos.x();
    const double globalAng = gRadToDeg(std::atan2(static_cast<double>(dy), static_cast<double>(dx)));
    return gNormalizeDeg(globalAng - localAng);
}

void Localization::getOtherGlobalPosbyMyAngle()
{
    WorldModel& wm = *WorldModel::instance();
    double ang = mMyAngle;
    if (ang >= -180.0 && ang < 0.0) ang += 360.0;
    const double yaw = wm.getJointAngle(JID_HEAD_1);
    const double pitch = wm.getJointAngle(JID_HEAD_2);
    const double now = wm.getServerTime();
    for (int o = BALL; o <= OPPONENT_11; ++o)
    {
        const Object obj = static_cast<Object>(o);
        if (wm.getLocalConfidence(obj) != 10.0) continue;
        VisionSense& vision = wm.mutableObjectVision(obj);
        const double hAng = asinDeg(sinDeg(vision.theta) * sinDeg(90.0 - vision.phi)) + yaw + ang;
        const double r = std::sqrt(std::fabs(vision.distance * vision.distance - kCameraDrop * kCameraDrop));
        const double vAng = vision.phi + pitch;
        vision.globalPos = Vector3f(static_cast<float>(mMyPos.x() + cosDeg(hAng) * r),
                                    static_cast<float>(mMyPos.y() + sinDeg(hAng) * r),
                                    static_cast<float>(sinDeg(vAng) * r + NaoHeaght));
        vision.timeLastLocalized = now;
    }
}

double Localization::getMyZ() const
{
    const WorldModel& wm = *WorldModel::instance();
    const Vector3f up(0.0f, 0.0f, 1.0f);
    const auto pushesUp = [&up](const FRPSense& f) { return (f.force.Normalized() - up).Length() < 0.5f; };
    if (pushesUp(wm.getLeftFootForce())) return zFromLFoot() + 0.01;
    if (pushesUp(wm.getRightFootForce())) return zFromRFoot() + 0.01;
    return kStandingZ;
}

double Localization::zFromLFoot() const { return zFromFoot(JID_LLEG_1); }

double Localization::zFromRFoot() const { return zFromFoot(JID_RLEG_1); }

// Height of the hip origin above the sole from the six joints of one leg
// (hip yaw-pitch, hip roll, hip pitch, knee, ankle pitch, ankle roll).
double Localization::zFromFoot(JointID legJoint1) const
{
    const WorldModel& wm = *WorldModel::instance();
    double c[7], s[7];
    for (int k = 1; k <= 6; ++k)
    {
        const double t = gDegToRad(wm.getJointAngle(static_cast<JointID>(legJoint1 + 2 * (k - 1))));
        c[k] = std::cos(t);
        s[k] = std::sin(t);
    }
    const double r2 = 1.4142135623730951;
    const double A = (1 + c[1]) * c[2] / 2 + (c[1] - 1) * s[2] / 2;
    const double B = (c[1] - 1) * c[2] / 2 - (1 + c[1]) * s[2] / 2;
    const double P = A * c[3] + r2 * s[1] * s[3] / 2;
    const double Q = A * s[3] - r2 * s[1] * c[3] / 2;
    const double R = P * c[4] - Q * s[4];
    const double S = P * s[4] + Q * c[4];
    const double z = (-0.035 * c[5] * c[6] + 0.11 * s[5]) * R + (0.11 * c[5] + 0.035 * s[5] * c[6]) * S -
                     0.035 * B * s[6] - 0.01 * S - 0.11 * R + 0.015 * Q - 0.11 * P - 0.065 - 0.09 - 0.115;
    return 0.015 - z;
}
