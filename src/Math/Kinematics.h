#ifndef KINEMATICS_H
#define KINEMATICS_H

#include <map>
#include <vector>

#include "salt/matrix.h"
#include "salt/vector.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

class WorldModel;

// Leg model of the simulated NAO in the walk frame (x right, y forward, z up;
// metres, radians): a link tree of the torso and both six-joint legs, forward
// kinematics over it and a closed-form inverse solution for one leg.
class Kinematics : public Singleton<Kinematics>
{
public:
    Kinematics();

    void initData();
    // Builds the link table, places it at zero angles and derives the leg lengths and hip offsets.
    void setupLinks();
    // Joint angles from the world model, then forward kinematics.
    void updateLinks();
    // Positions and attitudes of jid, its descendants and its later sisters.
    void forwardKinematics(JointID jid);

    // Appends hip yaw-pitch, hip roll, hip pitch, knee, ankle pitch and ankle
    // roll of one leg for the torso and ankle poses. False, with a message and
    // Qset unchanged, when the ankle is out of reach or no finite solution exists.
    bool inverseKinematics(std::vector<double>& Qset, const Link& torso, const Link& ankle, bool isLeft);

    // Rotation about a unit axis; the elements outside the 3x3 block are 0.
    static salt::Matrix Rodrigues(const salt::Vector3f& axis, float theta);

    const Link& link(JointID jid) const { return uLINK.at(jid); }
    Link& link(JointID jid) { return uLINK.at(jid); }
    float thighLength() const { return NAO_A; }
    float shankLength() const { return NAO_B; }
    const salt::Vector3f& leftHipOffset() const { return NAO_Dl; }
    const salt::Vector3f& rightHipOffset() const { return NAO_Dr; }
    const salt::Vector3f& footOffset() const { return NAO_E; }

private:
    struct LegLinks
    {
        Link* hip;    // hip pitch joint (L3)
        Link* knee;   // L4
        Link* ankle;  // ankle pitch joint (L5)
        Link* roll;   // L6
    };

    void addLegLink(JointID jid, const char* name, const char* effName, JointID mother, JointID child,
                    JointID sister, const salt::Vector3f& axis, const salt::Vector3f& centre,
                    const salt::Vector3f& offset);
    void addLeg(bool isLeft);
    void addNamedLink(JointID jid, const char* name, const char* effName);
    LegLinks legLinks(bool isLeft);
    bool solveHip(const salt::Matrix& M, bool isLeft, double& q1, double& q2, double& q3) const;

    WorldModel* WM;
    std::map<JointID, Link> uLINK;

    float FootLength, FootWidth, FootHeight, FootMass;
    float FootRelAnkle_X, FootRelAnkle_Y, FootRelAnkle_Z;
    float AnkleRelShank_X, AnkleRelShank_Y, AnkleRelShank_Z;
    float ShankLength, ShankWidth, ShankHeight, ShankMass;
    float ShankRelThigh_X, ShankRelThigh_Y, ShankRelThigh_Z;
    float ThighLength, ThighWidth, ThighHeight, ThighMass;
    float ThighRelHip2_X, ThighRelHip2_Y, ThighRelHip2_Z;
    float Hip1Axis_X, Hip1Axis_Y, Hip1Axis_Z;
    float Hip1RelTorso_X, Hip1RelTorso_Y, Hip1RelTorso_Z;
    float Hip2RelHip1_X, Hip2RelHip1_Y, Hip2RelHip1_Z;
    float TorsoLength, TorsoWidth, TorsoHeight, TorsoMass;
    float TorsoInitX, TorsoInitY, TorsoInitZ;

    float NAO_A = 0.0f;
    float NAO_B = 0.0f;
    salt::Vector3f NAO_Dl;
    salt::Vector3f NAO_Dr;
    salt::Vector3f NAO_E;
};

#endif
