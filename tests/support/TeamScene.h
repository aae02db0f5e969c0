#ifndef TESTS_SUPPORT_TEAMSCENE_H
#define TESTS_SUPPORT_TEAMSCENE_H

#include "salt/vector.h"
#include "WorldModel/WorldModel.h"

// Writes a team situation into the world model: server time, my pose, global
// positions with their age, fall flags and announced ball distances. Times
// are kept in single precision, as the parser reads them.
class TeamScene
{
public:
    explicit TeamScene(double serverTime = 100.0) : mTime(static_cast<float>(serverTime))
    {
        wm().setServerTime(mTime);
    }

    static WorldModel& wm() { return *WorldModel::instance(); }

    // My uniform number and pose; my own object is placed there too.
    TeamScene& me(int num, float x, float y, double angleDeg = 0.0)
    {
        wm().setNum(num);
        wm().setMyPos(salt::Vector3f(x, y, 0.0f));
        wm().setMyAngle(angleDeg);
        return at(wm().getMyObject(), x, y);
    }

    TeamScene& ball(float x, float y, double age = 0.0) { return at(BALL, x, y, age); }

    // A global position worked out (and seen) age seconds ago.
    TeamScene& at(Object o, float x, float y, double age = 0.0)
    {
        VisionSense& v = wm().mutableObjectVision(o);
        v.globalPos = salt::Vector3f(x, y, 0.0f);
        v.timeLastLocalized = static_cast<float>(mTime - age);
        v.timeLastSeen = v.timeLastLocalized;
        return *this;
    }

    // Seen now at a body-relative bearing (degrees) and distance.
    TeamScene& seenAt(Object o, double bearingDeg, double distance = 1.0)
    {
        VisionSense& v = wm().mutableObjectVision(o);
        v.theta = bearingDeg;
        v.distance = distance;
        v.timeLastSeen = mTime;
        return *this;
    }

    TeamScene& fallen(Object o, bool down = true)
    {
        wm().setIsObjectFallDown(o, down);
        return *this;
    }

    // An announcement of the ball distance, heard age seconds ago.
    TeamScene& heard(Object o, double distance, double age = 0.0)
    {
        sayDistanceToBallInfo info;
        info.distance = distance;
        info.seeTime = static_cast<float>(mTime - age);
        wm().setSayDisanceToBallInfo(o, info);
        return *this;
    }

private:
    double mTime;
};

#endif
