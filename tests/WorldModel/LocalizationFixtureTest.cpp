// Self-localisation on recorded server messages: each recording's robot is
// beamed to a known spot of its own half and stays there, so the positions
// found in the messages with a fix cluster around that spot, in the own
// side's frame for either side.

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Recording.h"
#include "WorldModel/Localization.h"
#include "WorldModel/Parser.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

namespace {

struct BeamCase
{
    const char* file;
    int unum;
    float beamX, beamY;
};

std::ostream& operator<<(std::ostream& os, const BeamCase& c) { return os << c.file; }

double median(std::vector<double> values)
{
    const std::size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + mid, values.end());
    return values[mid];
}

// The sense step's order: parse, then localise, then count the message.
class LocalizationOnRecording : public ::testing::TestWithParam<BeamCase>
{
protected:
    void SetUp() override
    {
        resetSingletons();
        WorldModel::instance()->setNum(GetParam().unum);
    }
    void TearDown() override { resetSingletons(); }

    static void resetSingletons()
    {
        Localization::deleteT();
        Position::deleteT();
        WorldModel::deleteT();
    }

    // The own positions of the messages with a fix, after the beam.
    void replay(std::vector<double>& xs, std::vector<double>& ys, std::vector<double>& headings)
    {
        const std::vector<std::string> messages = readRecording(GetParam().file);
        ASSERT_FALSE(messages.empty()) << recordingPath(GetParam().file);
        Parser parser;
        WorldModel& wm = *WorldModel::instance();
        Localization& localization = *Localization::instance();
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr(); // the own team message's "self"
        for (std::size_t i = 0; i < messages.size(); ++i)
        {
            parser.doParse(messages[i]);
            localization.localize();
            wm.updateCurrentCycle();
            if (i < kFirstAfterBeam || localization.getLastLocalize() != wm.getServerTime()) continue;
            xs.push_back(wm.getMyPos().x());
            ys.push_back(wm.getMyPos().y());
            headings.push_back(wm.getMyAngle());
        }
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
        ::testing::internal::GetCapturedStderr();
    }

    // The beam is sent after the third message and holds from the fifth on.
    static constexpr std::size_t kFirstAfterBeam = 4;
};

} // namespace

TEST_P(LocalizationOnRecording, MedianFixNearBeamSpot)
{
    const BeamCase& c = GetParam();
    std::vector<double> xs, ys, headings;
    replay(xs, ys, headings);
    ASSERT_GE(xs.size(), 20u) << "too few fixes";
    EXPECT_NEAR(median(xs), c.beamX, 0.5);
    EXPECT_NEAR(median(ys), c.beamY, 0.5);
    // Beamed facing the opponents' goal; the recorded robots stand within a
    // few degrees of that (the right-hand one about 6 degrees to the left).
    EXPECT_NEAR(median(headings), 0.0, 10.0);
    const WorldModel& wm = *WorldModel::instance();
    EXPECT_EQ(wm.getObjectVision(wm.getMyObject()).timeLastLocalized, Localization::instance()->getLastLocalize());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LocalizationOnRecording,
                         ::testing::Values(BeamCase{"left-unum1", 1, -5.0f, 0.0f},
                                           BeamCase{"right-unum1", 1, -3.0f, 0.0f}),
                         [](const ::testing::TestParamInfo<BeamCase>& info) {
                             std::string name = info.param.file;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
