#ifndef WORLDMODEL_H
#define WORLDMODEL_H

#include <string>
#include <utility>

#include "salt/vector.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// What the agent knows about the match: times, play mode, side, joints,
// sensors, the object table with its confidence rule, the own pose.
// Written during the sense step, read by everything during think.
class WorldModel : public Singleton<WorldModel>
{
public:
    WorldModel();

    void setNum(int n) { mNum = n; }
    int getNum() const { return mNum; }
    void setServerTime(double t) { mServerTime = t; }
    double getServerTime() const { return mServerTime; }
    void setGameTime(double t) { mGameTime = t; }
    double getGameTime() const { return mGameTime; }
    void setTeamSide(TeamSide side) { mTeamSide = side; }
    TeamSide getTeamSide() const { return mTeamSide; }
    void setGameState(PlayMode pm) { mGameState = pm; }
    PlayMode getGameState() const { return mGameState; }
    void setTeamName(std::string name) { mTeamName = std::move(name); }
    const std::string& getTeamName() const { return mTeamName; }
    void setCommunicationString(std::string msg, double time);
    const std::string& getCommunicationString() const { return mComStr; }
    double getTimeLastHeard() const { return mTimeLastHeard; }

    void setAcc(const salt::Vector3f& v) { mAcc = v; }
    const salt::Vector3f& getAcc() const { return mAcc; }
    void setGyro(const salt::Vector3f& v) { mGyro = v; }
    const salt::Vector3f& getGyro() const { return mGyro; }
    void setLeftFootForce(const FRPSense& f) { leftFRP = f; }
    const FRPSense& getLeftFootForce() const { return leftFRP; }
    void setRightFootForce(const FRPSense& f) { rightFRP = f; }
    const FRPSense& getRightFootForce() const { return rightFRP; }
    void setLeftTouchVal(int v) { lTouchVal = v; }
    void setRightTouchVal(int v) { rTouchVal = v; }
    int getLeftTouchVal() const { return lTouchVal; }
    int getRightTouchVal() const { return rTouchVal; }

    // Joint angles in degrees; 0 for a joint never perceived.
    void setJointAngle(JointID jid, double deg);
    double getJointAngle(JointID jid) const;

    // Object table. Any Object outside FLAG_1L..OPPONENT_11 reads as the
    // default record and cannot be written.
    bool setObjectVision(Object o, VisionSense vs);
    VisionSense getObjectVision(Object o) const { return objectVision(o); }
    const VisionSense& objectVision(Object o) const;
    VisionSense& mutableObjectVision(Object o);
    double getObjectTimeLastSeen(Object o) const { return objectVision(o).timeLastSeen; }
    double getLocalConfidence(Object o) const;
    double getGlobalConfidence(Object o) const;
    double getGlobalConfidence() const { return getGlobalConfidence(getMyObject()); }

    // The teammate object of the uniform number; OBJECT_MAX while the number
    // is not 1..11, so that nothing is written into another object's record.
    Object getMyObject() const;
    void setMyPos(const salt::Vector3f& pos) { mMyPos = pos; }
    const salt::Vector3f& getMyPos() const { return mMyPos; }
    void setMyAngle(double deg) { mMyAngle = deg; }
    double getMyAngle() const { return mMyAngle; }
    salt::Vector3f getBallPos() const { return objectVision(BALL).globalPos; }
    double getBallDist() const;

    // Bearings in degrees, positive to the left; positions with x ahead, y left.
    double getBodyRelAngle(Object o) const;
    double getBodyRelAngle(salt::Vector3f p) const;
    salt::Vector3f getBodyRelPos(Object o) const;
    salt::Vector3f getBodyRelPos(salt::Vector3f p) const;

    void setIsObjectFallDown(Object o, bool down);
    bool getIsObjectFallDown(Object o) const;
    void setIsObjectFallDownMap();

    // Announced ball distances, by teammate object (TEAMMATE_1..TEAMMATE_11).
    sayDistanceToBallInfo getSayDisanceToBallInfo(Object o) const;
    void setSayDisanceToBallInfo(Object o, const sayDistanceToBallInfo& info);

    bool getKickOffUs() const;
    bool getKickOffOther() const;

    int getCurrentCycle() const { return mCurrentCycle; }
    void updateCurrentCycle() { ++mCurrentCycle; }
    void setOurTeammateCount(int n) { ourTeammateCount = n; }

private:
    static bool isValidObject(Object o) { return o >= FLAG_1L && o < OBJECT_MAX; }
    salt::Vector3f bodyRelPos(salt::Vector3f offset, double bearing) const;

    sayDistanceToBallInfo playerDistanceToBall[12];
    double mJointAngles[JID_MAX];
    VisionSense mObjects[OBJECT_MAX];
    VisionSense mScratch;
    bool mIsObjectFallDown[OBJECT_MAX];
    std::string mTeamName = TeamName;
    int mNum = 0;
    double mServerTime = 0;
    double mGameTime = 0;
    TeamSide mTeamSide = TEAM_LEFT;
    PlayMode mGameState = PM_BeforeKickOff;
    salt::Vector3f mGyro;
    std::string mComStr;
    double mTimeLastHeard = -1000;
    salt::Vector3f mAcc;
    FRPSense leftFRP, rightFRP;
    int lTouchVal = 0, rTouchVal = 0;
    salt::Vector3f mMyPos{0.0f, 0.0f, static_cast<float>(NaoHeaght)};
    double mMyAngle = 0;
    int mCurrentCycle = 0;
    int ourTeammateCount = 0;
};

#endif
