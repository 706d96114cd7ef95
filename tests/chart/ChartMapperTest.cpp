#include "chart/ChartMapper.h"

#include <gtest/gtest.h>

#include <cmath>

namespace aec {
namespace {

constexpr double LogSpan = 3.380211241711606;

TEST(ChartMapper, FrequencyAxisRunsFromTenHertzToTwentyFourKilohertzAcrossTheImage)
{
    const ChartMapper m(883, 268);
    EXPECT_DOUBLE_EQ(m.FreqToX(10), 0.0);
    EXPECT_NEAR(m.FreqToX(24000), 883.0, 1e-9);
    EXPECT_NEAR(m.FreqToX(1000) / 883.0, 2 / LogSpan, 1e-12);
    EXPECT_NEAR(m.FreqToX(1000) / 883.0, 0.5917, 1e-4);
    EXPECT_DOUBLE_EQ(m.XScale(), 883.0 / 462.0);
    for (const double f : {19.7, 250.0, 4320.0, 20600.0})
        EXPECT_NEAR(m.XToFreq(m.FreqToX(f)), f, f * 1e-12);
}

TEST(ChartMapper, LevelAxisPutsTwelveDecibelsAtTheTopAndMinusTwentyFourAtTheLastRow)
{
    const ChartMapper m(883, 268);
    EXPECT_DOUBLE_EQ(m.DbToY(12), 0.0);
    EXPECT_DOUBLE_EQ(m.DbToY(-24), 267.0);
    EXPECT_DOUBLE_EQ(m.DbToY(0), 267.0 / 3);
    for (const double d : {-24.0, -12.2, 0.0, 3.4, 12.0})
        EXPECT_NEAR(m.YToDb(m.DbToY(d)), d, 1e-12);
}

TEST(ChartMapper, ResponseColumnsDoNotDependOnTheImageWidth)
{
    EXPECT_DOUBLE_EQ(ChartMapper::FreqToColumn(10), 0.0);
    EXPECT_NEAR(ChartMapper::FreqToColumn(24000), 462.0, 1e-9);
    EXPECT_NEAR(ChartMapper::FreqToColumn(1), -1 / LogSpan * 462, 1e-12);
    EXPECT_NEAR(ChartMapper::FreqToColumn(1), -136.7, 0.05);
    // Anything below 1 Hz is taken as 1 Hz.
    EXPECT_DOUBLE_EQ(ChartMapper::FreqToColumn(0.2), ChartMapper::FreqToColumn(1));
    EXPECT_DOUBLE_EQ(ChartMapper::FreqToColumn(0), ChartMapper::FreqToColumn(1));
    EXPECT_NEAR(ChartMapper::ColumnToFreq(231), 10 * std::pow(10.0, LogSpan / 2), 1e-9);
}

TEST(ChartMapper, SpectrumLevelsSitBetweenTheFloorAndZeroDecibels)
{
    const ChartMapper m(883, 268);
    // A level of 0 is taken as 0.001 (-102.1 dB) and lands on the -64 dB floor.
    EXPECT_DOUBLE_EQ(m.LevelToY(1, 0), 266.0);
    EXPECT_DOUBLE_EQ(m.LevelToY(0, 0), 266.0);
    // Above 120 the level is taken as 120: -0.56 dB.
    const double dB = 20 * std::log10(120.0 / 128);
    EXPECT_NEAR(dB, -0.56, 0.005);
    EXPECT_DOUBLE_EQ(m.LevelToY(0, 200), 266.0 - (dB + 52) / 52 * 267);
    // Full scale is taken as 120 too, so no bar reaches 0 dB.
    EXPECT_DOUBLE_EQ(m.LevelToY(0, 128), m.LevelToY(0, 120));
    // The floor mode chooses -64 dB or -52 dB.
    const double quarter = 20 * std::log10(32.0 / 128);
    EXPECT_DOUBLE_EQ(m.LevelToY(1, 32), 266.0 - (quarter + 64) / 64 * 267);
    EXPECT_DOUBLE_EQ(m.LevelToY(0, 32), 266.0 - (quarter + 52) / 52 * 267);
}

TEST(ChartMapper, NearestRoundsHalvesToEven)
{
    EXPECT_EQ(Nearest(2.5), 2);
    EXPECT_EQ(Nearest(3.5), 4);
    EXPECT_EQ(Nearest(-2.5), -2);
    EXPECT_EQ(Nearest(2.51), 3);
}

} // namespace
} // namespace aec
