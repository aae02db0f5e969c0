// Replays the recorded server messages through the parser: every message
// parses without an error line (the own team message excepted, whose "self"
// direction is no number), and a few values per recording decode as sent.

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Recording.h"
#include "WorldModel/Parser.h"
#include "WorldModel/WorldModel.h"

namespace {

// One seen object after the message on a given line (1-based).
struct Sighting
{
    int line;
    Object object;
    double distance, theta, phi;
    float time;
};

struct RecordingCase
{
    const char* file;
    float firstTime;
    TeamSide side;
    std::vector<PlayMode> playModes; // the sequence, repeats folded
    std::vector<Sighting> sightings;
    const char* lastHeard;
    std::vector<int> linesWithoutFootContact;
};

std::ostream& operator<<(std::ostream& os, const RecordingCase& c) { return os << c.file; }

std::string expectedErrors(const std::string& message)
{
    std::string err;
    for (std::size_t at = message.find(" self "); at != std::string::npos; at = message.find(" self ", at + 1))
        err += "could not get sender \n";
    return err;
}

bool hasContact(const FRPSense& frp) { return frp.force.z() > 0.0f; }

class Recording : public ::testing::TestWithParam<RecordingCase>
{
protected:
    void SetUp() override
    {
        WorldModel::deleteT();
        parser = std::make_unique<Parser>();
        messages = readRecording(GetParam().file);
        ASSERT_EQ(messages.size(), 300u) << recordingPath(GetParam().file);
    }
    void TearDown() override { WorldModel::deleteT(); }

    void parse(const std::string& message)
    {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        parser->doParse(message);
        out = ::testing::internal::GetCapturedStdout();
        err = ::testing::internal::GetCapturedStderr();
    }

    std::unique_ptr<Parser> parser;
    std::vector<std::string> messages;
    std::string out, err;
};

void expectSighting(const WorldModel& wm, const Sighting& s)
{
    const VisionSense vs = wm.getObjectVision(s.object);
    EXPECT_EQ(vs.distance, s.distance) << "line " << s.line << " object " << s.object;
    EXPECT_EQ(vs.theta, s.theta) << "line " << s.line << " object " << s.object;
    EXPECT_EQ(vs.phi, s.phi) << "line " << s.line << " object " << s.object;
    EXPECT_EQ(vs.timeLastSeen, static_cast<double>(s.time)) << "line " << s.line << " object " << s.object;
}

} // namespace

TEST_P(Recording, EveryMessageDecodes)
{
    const RecordingCase& c = GetParam();
    const WorldModel& wm = *WorldModel::instance();
    std::vector<PlayMode> playModes;
    double lastTime = 0;
    for (std::size_t i = 0; i < messages.size(); ++i)
    {
        const int line = static_cast<int>(i) + 1;
        parse(messages[i]);
        EXPECT_EQ(out, "") << "line " << line;
        EXPECT_EQ(err, expectedErrors(messages[i])) << "line " << line;

        if (line == 1)
        {
            EXPECT_EQ(wm.getServerTime(), static_cast<double>(c.firstTime));
        }
        EXPECT_GT(wm.getServerTime(), lastTime) << "line " << line;
        lastTime = wm.getServerTime();
        if (playModes.empty() || playModes.back() != wm.getGameState()) playModes.push_back(wm.getGameState());

        const bool noContact = std::find(c.linesWithoutFootContact.begin(), c.linesWithoutFootContact.end(), line) !=
                               c.linesWithoutFootContact.end();
        EXPECT_EQ(hasContact(wm.getLeftFootForce()), !noContact) << "line " << line;
        EXPECT_EQ(hasContact(wm.getRightFootForce()), !noContact) << "line " << line;
        for (const Sighting& s : c.sightings)
            if (s.line == line) expectSighting(wm, s);
        // The head yaw that the recording client drove to its peak.
        if (line == 100)
        {
            EXPECT_EQ(wm.getJointAngle(JID_HEAD_1), 104.29);
        }
    }
    EXPECT_EQ(wm.getTeamSide(), c.side);
    EXPECT_EQ(playModes, c.playModes);
    EXPECT_EQ(wm.getCommunicationString(), c.lastHeard);
}

namespace {

const std::vector<PlayMode> kKickOffThenPlayOn = {PM_BeforeKickOff, PM_KickOff_Left, PM_PlayOn};
const std::vector<int> kFirstSeven = {1, 2, 3, 4, 5, 6, 7};

} // namespace

INSTANTIATE_TEST_SUITE_P(Fixtures, Recording, ::testing::Values(
    // Hears its own "abc" (self) and the opponents' "def": nothing stored.
    RecordingCase{"left-unum1", 0.36f, TEAM_LEFT, kKickOffThenPlayOn,
                  {{1, FLAG_1L, 18.68, 53.76, -5.17, 0.36f},
                   {19, TEAMMATE_2, 2.77, 9.55, 0.24, 0.72f},
                   {28, OPPONENT_1, 8.07, -54.61, 0.05, 0.90f}},
                  "", kFirstSeven},
    // Hears number 1's "abc" from a direction.
    RecordingCase{"left-unum2", 0.62f, TEAM_LEFT, kKickOffThenPlayOn,
                  {{4, GOAL_2R, 30.53, -18.30, 0.38, 0.68f},
                   {4, TEAMMATE_1, 12.15, -42.15, 0.04, 0.68f},
                   {13, OPPONENT_1, 18.72, 0.76, -0.05, 0.86f}},
                  "abc", kFirstSeven},
    RecordingCase{"right-unum1", 0.72f, TEAM_RIGHT, kKickOffThenPlayOn,
                  {{1, FLAG_1L, 18.68, 53.62, -5.02, 0.72f},
                   {1, OPPONENT_2, 4.39, 44.13, -14.58, 0.72f},
                   {4, OPPONENT_1, 21.31, 24.51, 0.10, 0.78f}},
                  "", kFirstSeven},
    // The trainer drops the robot from 0.4 m: three messages without contact.
    RecordingCase{"solo-left", 0.28f, TEAM_LEFT, {PM_BeforeKickOff, PM_KickOff_Left, PM_PlayOn, PM_BeforeKickOff},
                  {{4, FLAG_2R, 34.90, -34.53, -0.81, 0.34f}},
                  "", {1, 2, 3, 4, 5, 6, 7, 242, 243, 244}}),
    [](const ::testing::TestParamInfo<RecordingCase>& info) {
        std::string name = info.param.file;
        for (char& ch : name)
            if (ch == '-') ch = '_';
        return name;
    });
