#ifndef WALKDRIVER_H
#define WALKDRIVER_H

// Drives the walk engine the way the action switch does: "start" on the first
// call; then in every cycle an empty probe and, when that gives "", in the
// same cycle "normal" to walk on or "end" to stop; once "end" has been sent,
// the next "" finishes the run. The world-model cycle advances before each
// cycle, as in the agent's sense step.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/WalkOmni.h"
#include "Math/Kinematics.h"
#include "WorldModel/WorldModel.h"

struct WalkSnapshot
{
    WalkOmni::PhaseSet phase = WalkOmni::PREPAR;
    int phaseCycle = 0;
    bool leftHold = false;
    double speedRatio = 0;
    WalkOmni::NewWalkPara input, step;
    Link torso, hold, move;
    std::string text;
};

struct WalkCycle
{
    bool probed = false;       // an empty probe came before the word
    bool probeEmpty = false;   // ... and gave ""
    WalkSnapshot probe;        // state after the probe
    std::string word;          // the phase word of the second call, or of the first ("start")
    WalkSnapshot last;         // state after the last call of the cycle
    std::string text;          // the cycle's motion text
};

class WalkDriver
{
public:
    explicit WalkDriver(WalkOmni* walk) : walk(walk) {}

    WalkCycle cycle()
    {
        WorldModel::instance()->updateCurrentCycle();
        WalkCycle c;
        if (!started)
        {
            started = true;
            c.word = "start";
            c.text = walk->execute(c.word);
            c.last = snapshot(c.text);
            return c;
        }
        c.probed = true;
        c.text = walk->execute("");
        c.probe = snapshot(c.text);
        c.probeEmpty = c.text.empty();
        c.last = c.probe;
        if (!c.probeEmpty) return c;
        if (ending)
        {
            finished = true;
            return c;
        }
        c.word = stopping ? "end" : "normal";
        ending = stopping;
        c.text = walk->execute(c.word);
        c.last = snapshot(c.text);
        return c;
    }

    // Cycles until the given number of steps has begun on "normal".
    std::vector<WalkCycle> walkSteps(int normalSteps)
    {
        std::vector<WalkCycle> out;
        int begun = 0;
        while (begun < normalSteps)
        {
            out.push_back(cycle());
            if (out.back().word == "normal") ++begun;
        }
        return out;
    }

    // Runs the current step out, sends "end" and plays the stop steps to the finishing "".
    std::vector<WalkCycle> stop()
    {
        stopping = true;
        std::vector<WalkCycle> out;
        for (int guard = 0; guard < 200 && !finished; ++guard) out.push_back(cycle());
        return out;
    }

    // The next cycle sends "start" again.
    void restart() { started = stopping = ending = finished = false; }

    bool isFinished() const { return finished; }

private:
    WalkSnapshot snapshot(const std::string& text) const
    {
        return {walk->getPhase(),     walk->getPhaseCycle(),   walk->getIsLeftHold(), walk->getSpeedRatio(),
                walk->getInputPara(), walk->getManagePara(),   walk->torsoPose(),     walk->holdAnklePose(),
                walk->moveAnklePose(), text};
    }

    WalkOmni* walk;
    bool started = false, stopping = false, ending = false, finished = false;
};

// A fresh walk engine, leg model and world model (player 1) for every test.
class WalkFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        reset();
        WorldModel::instance()->setNum(1);
        walk = WalkOmni::instance();
    }
    void TearDown() override { reset(); }
    static void reset()
    {
        WalkOmni::deleteT();
        Kinematics::deleteT();
        WorldModel::deleteT();
    }

    WalkOmni* walk = nullptr;
};

#endif
