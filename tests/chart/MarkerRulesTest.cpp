// What the chart lets a marker do, and how far: shared by the pointer and the keys.
#include "chart/MarkerRules.h"
#include "core/ValueKind.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

constexpr int Music = 0, Microphone = 1, Hidden = 4, DynamicEq = 8, HighPass = 20;

TEST(MarkerRules, PagesLetTheirBandsMoveFreelyFiltersSidewaysAndTheEqPassHoldsThem)
{
    for (const auto& [page, block] : {std::pair{Music, 0}, std::pair{DynamicEq, 1}}) {
        const int bands = EqBandCount[std::size_t(block)];
        const MarkerMotion last = MarkerMotionOn(page, bands - 1, false);
        EXPECT_TRUE(last.sideways && last.upDown && !last.held) << "page " << page;
        EXPECT_FALSE(MarkerMotionOn(page, bands, false).upDown) << "page " << page;
    }
    EXPECT_FALSE(MarkerMotionOn(DynamicEq, 3, false).moves());
    EXPECT_FALSE(MarkerMotionOn(Hidden, HighPass, false).moves());
    EXPECT_FALSE(MarkerMotionOn(Music, 3, true).moves());
    EXPECT_FALSE(MarkerMotionOn(Music, HighPass, true).moves());
    EXPECT_FALSE(MarkerMotionOn(Microphone, 3, true).moves());
    EXPECT_TRUE(MarkerMotionOn(Microphone, HighPass, true).moves());
}

// The ends read as a drag to the chart's edges leaves them.
TEST(MarkerRules, StepRangesEndWhereADragStops)
{
    const auto text = [](Kind kind, int step) { return KindText(kind, step).toStdString(); };
    const StepRange frequency = MarkerStepRange(Music, BandField::Frequency);
    EXPECT_EQ(text(Kind::Frequency, frequency.low), "20.1Hz");
    EXPECT_EQ(text(Kind::Frequency, frequency.high), "20600Hz");
    const StepRange gain = MarkerStepRange(Music, BandField::Gain);
    EXPECT_EQ(text(Kind::Gain, gain.low), "-24.0dB");
    EXPECT_EQ(text(Kind::Gain, gain.high), "12.0dB");
    EXPECT_EQ(text(Kind::Gain, MarkerStepRange(DynamicEq, BandField::Gain).low), "-12.0dB");
    const StepRange q = MarkerStepRange(Music, BandField::ShelfQ);
    EXPECT_EQ(text(Kind::Q, q.low), "0.40");
    EXPECT_EQ(text(Kind::Q, q.high), "128.00");
    EXPECT_NE(text(Kind::Q, q.high - 1), "128.00");
}

TEST(MarkerRules, StepsStopAtTheEndsAndNeverPushAValueFurtherOut)
{
    EXPECT_EQ(StepWithin(360, 1, 1, 361), 361);
    EXPECT_EQ(StepWithin(361, 1, 1, 361), 361);
    EXPECT_EQ(StepWithin(355, 10, 1, 361), 361);
    EXPECT_EQ(StepWithin(2, -1, 1, 361), 1);
    EXPECT_EQ(StepWithin(1, -1, 1, 361), 1);
    // Below the floor (set elsewhere): down leaves it, up moves it one step.
    EXPECT_EQ(StepWithin(40, -1, 60, 180), 40);
    EXPECT_EQ(StepWithin(40, 1, 60, 180), 41);
    EXPECT_EQ(StepWithin(190, 1, 60, 180), 190);
}

TEST(MarkerRules, AdjacentMarkersWrapRoundThoseAPageLetsMove)
{
    const std::vector<int> markers{0, 1, 2, 20, 21};
    EXPECT_EQ(AdjacentMarker(markers, 2, 1), 20);
    EXPECT_EQ(AdjacentMarker(markers, 21, 1), 0);
    EXPECT_EQ(AdjacentMarker(markers, 0, -1), 21);
    EXPECT_EQ(AdjacentMarker(markers, -1, 1), 0);
    EXPECT_EQ(AdjacentMarker(markers, 7, -1), 21) << "a marker the page does not show";
    EXPECT_EQ(AdjacentMarker({}, 0, 1), -1);
}

} // namespace
} // namespace aec
