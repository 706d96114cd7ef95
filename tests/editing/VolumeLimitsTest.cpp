#include "editing/VolumeLimits.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

VolumePositions Positions(int normal, int start, int maximum)
{
    VolumePositions p;
    p.normal = normal;
    p.start = start;
    p.maximum = maximum;
    return p;
}

void ExpectPositions(const VolumeLimitResult& r, int normal, int start, int maximum, int shown)
{
    EXPECT_EQ(r.positions.normal, normal);
    EXPECT_EQ(r.positions.start, start);
    EXPECT_EQ(r.positions.maximum, maximum);
    EXPECT_EQ(r.shown, shown);
}

TEST(LimitNormalRise, NormalVolumeRisesOneStepPerChange)
{
    EXPECT_EQ(LimitNormalRise(10, 50, false), 11);
    EXPECT_EQ(LimitNormalRise(11, 50, false), 12);
    EXPECT_EQ(LimitNormalRise(10, 11, false), 11);
}

TEST(LimitNormalRise, FallsAndRefreshesTakeThePositionAtOnce)
{
    EXPECT_EQ(LimitNormalRise(50, 10, false), 10);
    EXPECT_EQ(LimitNormalRise(30, 30, false), 30);
    EXPECT_EQ(LimitNormalRise(10, 50, true), 50);
}

TEST(ApplyVolumeLimits, NormalVolumeAboveTheMaximumDropsToIt)
{
    ExpectPositions(ApplyVolumeLimits(Positions(41, 20, 40), VolumeRole::Normal, false), 40, 20, 40,
                    40);
    ExpectPositions(ApplyVolumeLimits(Positions(40, 20, 40), VolumeRole::Normal, false), 40, 20, 40,
                    40);
    ExpectPositions(ApplyVolumeLimits(Positions(25, 70, 40), VolumeRole::Normal, false), 25, 70, 40,
                    25);
}

TEST(ApplyVolumeLimits, StartVolumeAboveTheMaximumIsPutBack)
{
    ExpectPositions(ApplyVolumeLimits(Positions(10, 60, 40), VolumeRole::Start, false), 10, 40, 40,
                    40);
    ExpectPositions(ApplyVolumeLimits(Positions(70, 30, 40), VolumeRole::Start, false), 70, 30, 40,
                    30);
}

TEST(ApplyVolumeLimits, LoweredMaximumPullsStartAndNormalDown)
{
    ExpectPositions(ApplyVolumeLimits(Positions(35, 40, 30), VolumeRole::Maximum, false), 30, 30,
                    30, 30);
    ExpectPositions(ApplyVolumeLimits(Positions(20, 40, 30), VolumeRole::Maximum, false), 20, 30,
                    30, 30);
    ExpectPositions(ApplyVolumeLimits(Positions(31, 31, 30), VolumeRole::Maximum, false), 30, 30,
                    30, 30);
    // Raising the maximum lifts nothing.
    ExpectPositions(ApplyVolumeLimits(Positions(20, 25, 84), VolumeRole::Maximum, false), 20, 25,
                    84, 84);
}

TEST(ApplyVolumeLimits, RefreshChangesNoPosition)
{
    ExpectPositions(ApplyVolumeLimits(Positions(50, 20, 40), VolumeRole::Normal, true), 50, 20, 40,
                    50);
    ExpectPositions(ApplyVolumeLimits(Positions(10, 60, 40), VolumeRole::Start, true), 10, 60, 40,
                    60);
    ExpectPositions(ApplyVolumeLimits(Positions(35, 40, 30), VolumeRole::Maximum, true), 35, 40, 30,
                    30);
}

TEST(VolumeHandles, LeftEdgeIsPositionTimes189HundredthsFrom53)
{
    EXPECT_EQ(HandleLeftEdge(0), 53);
    EXPECT_EQ(HandleLeftEdge(1), 55);   // 54.89
    EXPECT_EQ(HandleLeftEdge(10), 72);  // 71.9
    EXPECT_EQ(HandleLeftEdge(40), 129); // 128.6
    EXPECT_EQ(HandleLeftEdge(84), 212); // 211.76
}

TEST(VolumeHandles, DraggedLeftEdgeGivesTheNearestPosition)
{
    EXPECT_EQ(HandlePosition(53), 0);
    EXPECT_EQ(HandlePosition(54), 1);   // 0.53
    EXPECT_EQ(HandlePosition(72), 10);  // 10.05
    EXPECT_EQ(HandlePosition(73), 11);  // 10.58
    EXPECT_EQ(HandlePosition(211), 84); // 83.60
    EXPECT_EQ(HandleMinLeft, 53);
    EXPECT_EQ(HandleMaxLeft, 211);
}

TEST(VolumeHandles, EveryPositionSurvivesTheWayToTheHandleAndBack)
{
    for (int position = 0; position <= 84; ++position)
        EXPECT_EQ(HandlePosition(HandleLeftEdge(position)), position) << position;
}

} // namespace
} // namespace aec
