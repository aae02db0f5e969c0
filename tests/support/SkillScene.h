#ifndef TESTS_SUPPORT_SKILLSCENE_H
#define TESTS_SUPPORT_SKILLSCENE_H

// One call that writes a whole scene into WorldModel::instance() for the
// skill and tactic tests: uniform number, server time, play mode, own pose
// with its global confidence, the ball, other players, fall flags, heard
// ball distances and the robot's posture.
//
//     SkillScene().me(1, 2, 30).ball(3, 2).apply();
//
// Seen objects get their global position and, derived from the own pose
// with head yaw 0, their local position, distance and bearing (theta), so
// getBodyRelPos(BALL), getBallDist() and getBodyRelPos(ballPos) agree.
// The server time defaults to 10, where 10 - (10 - c) gives back a
// confidence c exactly; a confidence is set through the time last seen or
// localised.

#include <cmath>
#include <ostream>
#include <utility>
#include <vector>

#include "salt/vector.h"
#include "WorldModel/Types.h"
#include "WorldModel/WorldModel.h"

namespace salt {
// Readable vectors in test failures.
inline void PrintTo(const Vector3f& v, std::ostream* os) { *os << "(" << v.x() << ", " << v.y() << ", " << v.z() << ")"; }
} // namespace salt

enum class Posture
{
    STANDING,  // foot force z 15 + 15, accelerometer (0, 0, 9.81)
    BACK,      // lying readings, no foot contact: accelerometer (0, 9.81, 0)
    FRONT,     // (0, -9.81, 0)
    LEFT,      // (9.81, 0, 0)
    RIGHT      // (-9.81, 0, 0)
};

class SkillScene
{
public:
    static constexpr double kCycle = 0.02;

    SkillScene& unum(int n) { mUnum = n; return *this; }
    SkillScene& time(double t) { mTime = t; return *this; }
    SkillScene& playMode(PlayMode pm) { mPlayMode = pm; return *this; }
    // The world model's cycle count, moved forward to n (never back).
    SkillScene& cycle(int n) { mCycle = n; return *this; }
    // Own position and heading (degrees); localised now or cyclesAgo cycles ago.
    SkillScene& me(float x, float y, double heading, int cyclesAgo = 0)
    {
        mMyPos = salt::Vector3f(x, y, static_cast<float>(NaoHeaght));
        mHeading = heading;
        mMyAge = cyclesAgo;
        return *this;
    }
    SkillScene& ball(float x, float y, int cyclesAgo = 0) { return object(BALL, x, y, cyclesAgo); }
    SkillScene& teammate(int n, float x, float y) { return object(static_cast<Object>(TEAMMATE_1 + n - 1), x, y); }
    SkillScene& opponent(int n, float x, float y) { return object(static_cast<Object>(OPPONENT_1 + n - 1), x, y); }
    // Any object, seen and localised cyclesAgo cycles ago.
    SkillScene& object(Object o, float x, float y, int cyclesAgo = 0)
    {
        mObjects.push_back({o, {salt::Vector3f(x, y, o == BALL ? 0.04f : 0.0f), cyclesAgo}});
        return *this;
    }
    SkillScene& posture(Posture p) { mPosture = p; return *this; }
    // A player marked as lying on the ground.
    SkillScene& fallen(Object o) { mFallen.push_back(o); return *this; }
    // A teammate's announced ball distance, heard cyclesAgo cycles ago.
    SkillScene& heard(Object o, double distance, int cyclesAgo = 0)
    {
        mHeard.push_back({o, {distance, cyclesAgo}});
        return *this;
    }

    void apply() const
    {
        WorldModel& wm = *WorldModel::instance();
        wm.setNum(mUnum);
        wm.setServerTime(mTime);
        wm.setGameState(mPlayMode);
        while (wm.getCurrentCycle() < mCycle) wm.updateCurrentCycle();
        wm.setMyPos(mMyPos);
        wm.setMyAngle(mHeading);
        wm.setJointAngle(JID_HEAD_1, 0.0);
        VisionSense& self = wm.mutableObjectVision(wm.getMyObject());
        self.globalPos = mMyPos;
        self.timeLastLocalized = mTime - mMyAge * kCycle;
        for (const auto& [o, seen] : mObjects) place(wm, o, seen.first, seen.second);
        for (Object o : mFallen) wm.setIsObjectFallDown(o, true);
        for (const auto& [o, said] : mHeard)
        {
            sayDistanceToBallInfo info;
            info.distance = said.first;
            info.seeTime = mTime - said.second * kCycle;
            wm.setSayDisanceToBallInfo(o, info);
        }
        applyPosture(wm);
    }

    // The local confidence of o becomes c (server time as applied).
    static void setLocalConfidence(Object o, double c)
    {
        WorldModel& wm = *WorldModel::instance();
        wm.mutableObjectVision(o).timeLastSeen = wm.getServerTime() - (10.0 - c);
    }
    static void setGlobalConfidence(Object o, double c)
    {
        WorldModel& wm = *WorldModel::instance();
        wm.mutableObjectVision(o).timeLastLocalized = wm.getServerTime() - (10.0 - c);
    }

    // Sees the ball (now) where getBodyRelPos(BALL) reads exactly (x, y),
    // searching the float distance and the bearing near the exact values;
    // the global position follows from the own pose. False when no sighting
    // near them reads exactly (x, y).
    static bool ballAt(float x, float y)
    {
        WorldModel& wm = *WorldModel::instance();
        VisionSense& vs = wm.mutableObjectVision(BALL);
        const double rad = std::atan2(static_cast<double>(y), static_cast<double>(x));
        const float d0 = std::hypot(x, y);
        const double h = wm.getMyAngle() * M_PI / 180.0;
        vs.globalPos = wm.getMyPos() + salt::Vector3f(static_cast<float>(x * std::cos(h) - y * std::sin(h)),
                                                      static_cast<float>(x * std::sin(h) + y * std::cos(h)), 0.0f);
        vs.globalPos.z() = 0.04f;
        vs.timeLastSeen = vs.timeLastLocalized = wm.getServerTime();
        vs.phi = 0.0;
        for (int k = -4; k <= 4; ++k)
        {
            float d = d0;
            for (int i = 0; i < std::abs(k); ++i) d = std::nextafter(d, k < 0 ? 0.0f : 1.0f);
            vs.localPos = salt::Vector3f(d, 0.0f, 0.0f);
            vs.distance = d;
            for (int j = 0; j <= 2000; ++j)
            {
                const double step = (j % 2 ? 1 : -1) * (j / 2) * 1e-9;
                vs.theta = (rad + step) * 180.0 / M_PI - wm.getJointAngle(JID_HEAD_1);
                const salt::Vector3f rel = wm.getBodyRelPos(BALL);
                if (rel.x() == x && rel.y() == y) return true;
            }
        }
        return false;
    }

private:
    void place(WorldModel& wm, Object o, const salt::Vector3f& pos, int age) const
    {
        VisionSense& vs = wm.mutableObjectVision(o);
        vs.globalPos = pos;
        const double bearing = wm.getBodyRelAngle(pos);
        const salt::Vector3f rel = wm.getBodyRelPos(pos);
        vs.localPos = salt::Vector3f(rel.x(), rel.y(), pos.z() - mMyPos.z());
        vs.distance = vs.localPos.Length();
        vs.theta = bearing;
        vs.phi = 0.0;
        vs.timeLastSeen = mTime - age * kCycle;
        vs.timeLastLocalized = mTime - age * kCycle;
    }

    void applyPosture(WorldModel& wm) const
    {
        const float g = 9.81f;
        FRPSense foot;
        salt::Vector3f acc(0.0f, 0.0f, g);
        switch (mPosture)
        {
        case Posture::STANDING: foot.force = salt::Vector3f(0.0f, 0.0f, 15.0f); break;
        case Posture::BACK: acc = salt::Vector3f(0.0f, g, 0.0f); break;
        case Posture::FRONT: acc = salt::Vector3f(0.0f, -g, 0.0f); break;
        case Posture::LEFT: acc = salt::Vector3f(g, 0.0f, 0.0f); break;
        case Posture::RIGHT: acc = salt::Vector3f(-g, 0.0f, 0.0f); break;
        }
        wm.setLeftFootForce(foot);
        wm.setRightFootForce(foot);
        wm.setAcc(acc);
        wm.setGyro(salt::Vector3f(0.0f, 0.0f, 0.0f));
    }

    int mUnum = 7;
    double mTime = 10.0;
    PlayMode mPlayMode = PM_PlayOn;
    int mCycle = 0;
    salt::Vector3f mMyPos{0.0f, 0.0f, static_cast<float>(NaoHeaght)};
    double mHeading = 0.0;
    int mMyAge = 0;
    std::vector<std::pair<Object, std::pair<salt::Vector3f, int>>> mObjects;
    Posture mPosture = Posture::STANDING;
    std::vector<Object> mFallen;
    std::vector<std::pair<Object, std::pair<double, int>>> mHeard;
};

#endif
