#include "Math/Kinematics.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "salt/gmath.h"
#include "WorldModel/WorldModel.h"

namespace {

using salt::Matrix;
using salt::Vector3f;

const double kPi = salt::gPI;
const double kSqrt2 = std::sqrt(2.0);
// Below this the hip equations divide by almost nothing.
const double kMinHipDenominator = 1e-6;

double clampUnit(double v) { return std::clamp(v, -1.0, 1.0); }

void reportFailure() { std::cout << "Kinematics::inverseKinematics Error" << std::endl; }

} // namespace

Kinematics::Kinematics() : WM(WorldModel::instance())
{
    initData();
    setupLinks();
}

void Kinematics::initData()
{
    FootLength = 0.08f;
    FootWidth = 0.16f;
    FootHeight = 0.03f;
    FootMass = 0.2f;
    FootRelAnkle_X = 0.0f;
    FootRelAnkle_Y = 0.03f;
    FootRelAnkle_Z = -0.035f;
    AnkleRelShank_X = 0.0f;
    AnkleRelShank_Y = -0.01f;
    AnkleRelShank_Z = -0.055f;
    ShankLength = 0.08f;
    ShankWidth = 0.07f;
    ShankHeight = 0.11f;
    ShankMass = 0.225f;
    ShankRelThigh_X = 0.0f;
    ShankRelThigh_Y = 0.005f;
    ShankRelThigh_Z = -0.125f;
    ThighLength = 0.07f;
    ThighWidth = 0.07f;
    ThighHeight = 0.14f;
    ThighMass = 0.275f;
    ThighRelHip2_X = 0.0f;
    ThighRelHip2_Y = 0.01f;
    ThighRelHip2_Z = -0.04f;
    Hip1Axis_X = -0.7071f;
    Hip1Axis_Y = 0.0f;
    Hip1Axis_Z = 0.7071f;
    Hip1RelTorso_X = 0.055f;
    Hip1RelTorso_Y = -0.01f;
    Hip1RelTorso_Z = -0.115f;
    Hip2RelHip1_X = 0.0f;
    Hip2RelHip1_Y = 0.0f;
    Hip2RelHip1_Z = 0.0f;
    TorsoLength = 0.1f;
    TorsoWidth = 0.1f;
    TorsoHeight = 0.18f;
    TorsoMass = 1.2171f;
    TorsoInitX = 0.0f;
    TorsoInitY = 0.0f;
    TorsoInitZ = 0.385f;
}

void Kinematics::addLegLink(JointID jid, const char* name, const char* effName, JointID mother, JointID child,
                            JointID sister, const Vector3f& axis, const Vector3f& centre, const Vector3f& offset)
{
    Link& l = uLINK[jid];
    l.name = name;
    l.eff_name = effName;
    l.mother = mother;
    l.child = child;
    l.sister = sister;
    l.a = axis;
    l.q = 0.0f;
    l.c = centre;
    l.b = offset - l.c + uLINK[mother].c;
}

void Kinematics::addLeg(bool isLeft)
{
    static const char* const kNames[2][6] = {{"rlj1", "rlj2", "rlj3", "rlj4", "rlj5", "rlj6"},
                                             {"llj1", "llj2", "llj3", "llj4", "llj5", "llj6"}};
    static const char* const kEffNames[2][6] = {{"rle1", "rle2", "rle3", "rle4", "rle5", "rle6"},
                                                {"lle1", "lle2", "lle3", "lle4", "lle5", "lle6"}};
    const JointID first = isLeft ? JID_LLEG_1 : JID_RLEG_1;
    // Leg joints of one side are two apart in JointID.
    auto joint = [first](int i) { return static_cast<JointID>(first + 2 * i); };
    const int side = isLeft ? 1 : 0;
    const float hipX = isLeft ? -Hip1RelTorso_X : Hip1RelTorso_X;
    const float axisZ = isLeft ? -Hip1Axis_Z : Hip1Axis_Z;

    addLegLink(joint(0), kNames[side][0], kEffNames[side][0], JID_ROOT, joint(1), isLeft ? JID_RLEG_1 : JID_MAX,
               Vector3f(Hip1Axis_X, Hip1Axis_Y, axisZ), Vector3f(),
               Vector3f(hipX, Hip1RelTorso_Y, Hip1RelTorso_Z));
    addLegLink(joint(1), kNames[side][1], kEffNames[side][1], joint(0), joint(2), JID_MAX, Vector3f(0, 1, 0),
               Vector3f(), Vector3f(Hip2RelHip1_X, Hip2RelHip1_Y, Hip2RelHip1_Z));
    const Vector3f thigh(ThighRelHip2_X, ThighRelHip2_Y, ThighRelHip2_Z);
    addLegLink(joint(2), kNames[side][2], kEffNames[side][2], joint(1), joint(3), JID_MAX, Vector3f(1, 0, 0), thigh,
               thigh);
    addLegLink(joint(3), kNames[side][3], kEffNames[side][3], joint(2), joint(4), JID_MAX, Vector3f(1, 0, 0),
               Vector3f(0.0f, 0.01f, -0.045f), Vector3f(ShankRelThigh_X, ShankRelThigh_Y, ShankRelThigh_Z));
    addLegLink(joint(4), kNames[side][4], kEffNames[side][4], joint(3), joint(5), JID_MAX, Vector3f(1, 0, 0),
               Vector3f(), Vector3f(AnkleRelShank_X, AnkleRelShank_Y, AnkleRelShank_Z));
    const Vector3f foot(FootRelAnkle_X, FootRelAnkle_Y, FootRelAnkle_Z);
    addLegLink(joint(5), kNames[side][5], kEffNames[side][5], joint(4), JID_MAX, JID_MAX, Vector3f(0, 1, 0), foot,
               foot);
}

void Kinematics::addNamedLink(JointID jid, const char* name, const char* effName)
{
    Link& l = uLINK[jid];
    l.name = name;
    l.eff_name = effName;
}

void Kinematics::setupLinks()
{
    uLINK.clear();
    Link& root = uLINK[JID_ROOT];
    root.name = "j0";
    root.eff_name = "e0";
    root.child = JID_LLEG_1;
    root.p = Vector3f(TorsoInitX, TorsoInitY, TorsoInitZ);
    root.R = Matrix::Identity();
    addLeg(true);
    addLeg(false);

    addNamedLink(JID_HEAD_2, "hj2", "he2");
    addNamedLink(JID_HEAD_1, "hj1", "he1");
    static const char* const kArm[2][4][2] = {
        {{"laj1", "lae1"}, {"laj2", "lae2"}, {"laj3", "lae3"}, {"laj4", "lae4"}},
        {{"raj1", "rae1"}, {"raj2", "rae2"}, {"raj3", "rae3"}, {"raj4", "rae4"}}};
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 4; ++i)
            addNamedLink(static_cast<JointID>(JID_LARM_1 + side + 2 * i), kArm[side][i][0], kArm[side][i][1]);

    forwardKinematics(JID_ROOT);
    NAO_A = (uLINK[JID_LLEG_4].p - uLINK[JID_LLEG_3].p).Length();
    NAO_B = (uLINK[JID_LLEG_5].p - uLINK[JID_LLEG_4].p).Length();
    NAO_Dl = uLINK[JID_LLEG_3].p - uLINK[JID_ROOT].p;
    NAO_Dr = uLINK[JID_RLEG_3].p - uLINK[JID_ROOT].p;
    NAO_E = -uLINK[JID_LLEG_6].c;
}

void Kinematics::updateLinks()
{
    for (int j = 0; j < JID_MAX; ++j)
    {
        const JointID jid = static_cast<JointID>(j);
        uLINK[jid].q = salt::gDegToRad(static_cast<float>(WM->getJointAngle(jid)));
    }
    forwardKinematics(JID_ROOT);
}

void Kinematics::forwardKinematics(JointID jid)
{
    if (jid == JID_MAX) return;
    auto it = uLINK.find(jid);
    if (it == uLINK.end()) return;
    Link& l = it->second;
    if (jid != JID_ROOT)
    {
        const Link& m = uLINK.at(l.mother);
        l.p = m.R.Rotate(l.b) + m.p;
        l.R = m.R * Rodrigues(l.a, l.q);
    }
    forwardKinematics(l.child);
    forwardKinematics(l.sister);
}

Matrix Kinematics::Rodrigues(const Vector3f& axis, float theta)
{
    const float x = axis.x(), y = axis.y(), z = axis.z();
    const float H[3][3] = {{0.0f, -z, y}, {z, 0.0f, -x}, {-y, x, 0.0f}};
    const float s = std::sin(theta);
    const float vers = 1.0f - std::cos(theta);
    Matrix r = Matrix::Zero();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
        {
            float h2 = 0.0f;
            for (int k = 0; k < 3; ++k) h2 += H[i][k] * H[k][j];
            r(i, j) = (i == j ? 1.0f : 0.0f) + H[i][j] * s + h2 * vers;
        }
    return r;
}

Kinematics::LegLinks Kinematics::legLinks(bool isLeft)
{
    if (isLeft) return {&uLINK.at(JID_LLEG_3), &uLINK.at(JID_LLEG_4), &uLINK.at(JID_LLEG_5), &uLINK.at(JID_LLEG_6)};
    return {&uLINK.at(JID_RLEG_3), &uLINK.at(JID_RLEG_4), &uLINK.at(JID_RLEG_5), &uLINK.at(JID_RLEG_6)};
}

bool Kinematics::solveHip(const Matrix& M, bool isLeft, double& q1, double& q2, double& q3) const
{
    double den;
    if (isLeft)
    {
        q2 = kPi / 4 - std::asin(clampUnit((M(2, 0) + M(0, 0)) * kSqrt2 / 2));
        den = std::sin(q2) + std::cos(q2);
        if (std::fabs(den) < kMinHipDenominator) return false;
        q1 = std::asin(clampUnit(-kSqrt2 * M(1, 0) / den));
        q3 = std::asin(clampUnit((M(0, 1) + M(2, 1)) / den));
    }
    else
    {
        q2 = std::asin(clampUnit((M(0, 0) - M(2, 0)) * kSqrt2 / 2)) - kPi / 4;
        den = std::cos(q2) - std::sin(q2);
        if (std::fabs(den) < kMinHipDenominator) return false;
        q1 = std::asin(clampUnit(kSqrt2 * M(1, 0) / den));
        q3 = std::asin(clampUnit(-(M(0, 1) - M(2, 1)) / den));
    }
    return std::isfinite(q1) && std::isfinite(q2) && std::isfinite(q3);
}

bool Kinematics::inverseKinematics(std::vector<double>& Qset, const Link& torso, const Link& ankle, bool isLeft)
{
    const LegLinks leg = legLinks(isLeft);
    Link& root = uLINK.at(JID_ROOT);
    const double A = NAO_A, B = NAO_B;

    leg.ankle->p = ankle.p;
    root.p = torso.p;
    leg.hip->p = root.R.Rotate(isLeft ? NAO_Dl : NAO_Dr) + root.p;

    const Vector3f r = ankle.R.InverseRotation().Rotate(leg.hip->p - leg.ankle->p);
    const float C = r.Length();
    if (!std::isfinite(C) || A + B < C || C < std::fabs(A - B))
    {
        reportFailure();
        return false;
    }

    const double q4_sv = std::atan(1.0 / 24.0);
    const double q4_ori = kPi - std::acos(clampUnit((B * B + A * A - double(C) * C) / (2 * A * B)));
    const double q4 = q4_sv - q4_ori;
    const double s = salt::gSign(r.z()) * std::sqrt(double(r.x()) * r.x() + double(r.z()) * r.z());
    const float pitch = static_cast<float>(std::atan2(double(r.y()), s));
    const double q5 = pitch + std::asin(clampUnit((A / C) * std::sin(kPi - q4_ori)));
    const double q6 = static_cast<float>(std::atan2(-double(r.x()), double(r.z())));

    const Matrix M = torso.R.InverseRotation() * ankle.R *
                     Rodrigues(leg.roll->a, static_cast<float>(q6)).InverseRotation() *
                     Rodrigues(leg.ankle->a, static_cast<float>(q5)).InverseRotation() *
                     Rodrigues(leg.knee->a, static_cast<float>(q4)).InverseRotation();
    double q1 = 0, q2 = 0, q3 = 0;
    if (!solveHip(M, isLeft, q1, q2, q3) || !std::isfinite(q4) || !std::isfinite(q5) || !std::isfinite(q6))
    {
        reportFailure();
        return false;
    }
    Qset.insert(Qset.end(), {q1, q2, q3, q4, q5, q6});
    return true;
}
