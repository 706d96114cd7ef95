#include "core/Scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace aec {
namespace {

std::string Str(const QString& text)
{
    return text.toStdString();
}

// 1000 × 2^((i − 204)/36) to three significant digits: one decimal below 100 Hz, ".0" from
// 100 to 999 Hz, whole numbers from 1000 Hz.
std::string FrequencyByFormula(int step)
{
    const double f = 1000.0 * std::pow(2.0, (step - 204) / 36.0);
    const double unit = std::pow(10.0, std::floor(std::log10(f)) - 2);
    const double rounded = std::round(f / unit) * unit;
    char text[32];
    if (rounded < 100)
        std::snprintf(text, sizeof text, "%.1f", rounded);
    else if (rounded < 1000)
        std::snprintf(text, sizeof text, "%.0f.0", rounded);
    else
        std::snprintf(text, sizeof text, "%.0f", rounded);
    return text;
}

TEST(FreqScale, EveryStepFollowsThirtySixStepsPerOctaveExceptTheFiveTableDepartures)
{
    const std::vector<std::pair<int, std::string>> departures = {
        {24, "31.3"}, {81, "94.0"}, {82, "95.0"}, {83, "97.0"}, {84, "99.0"}};
    for (int step = 0; step < 362; ++step) {
        SCOPED_TRACE(step);
        std::string expected = FrequencyByFormula(step);
        for (const auto& [departing, text] : departures)
            if (departing == step)
                expected = text;
        EXPECT_EQ(Str(FreqText(step)), expected);
    }
}

TEST(FreqScale, FirstEntryOfEachTableRowReadsAsListed)
{
    const std::vector<std::pair<int, const char*>> rows = {
        {0, "19.7"},    {12, "24.8"},   {24, "31.3"},   {36, "39.4"},   {48, "49.6"},
        {60, "62.5"},   {72, "78.7"},   {84, "99.0"},   {96, "125.0"},  {108, "157.0"},
        {120, "198.0"}, {132, "250.0"}, {144, "315.0"}, {156, "397.0"}, {168, "500.0"},
        {180, "630.0"}, {192, "794.0"}, {204, "1000"},  {216, "1260"},  {228, "1590"},
        {240, "2000"},  {252, "2520"},  {264, "3170"},  {276, "4000"},  {288, "5040"},
        {300, "6350"},  {312, "8000"},  {324, "10100"}, {336, "12700"}, {348, "16000"},
        {360, "20200"}, {361, "20600"}, {83, "97.0"},   {85, "101.0"},  {203, "981.0"}};
    for (const auto& [step, text] : rows) {
        SCOPED_TRACE(step);
        EXPECT_EQ(Str(FreqText(step)), text);
    }
}

TEST(FreqScale, NumberOfEachStepEqualsItsText)
{
    EXPECT_FLOAT_EQ(FreqValue(0), 19.7f);
    EXPECT_FLOAT_EQ(FreqValue(24), 31.3f);
    EXPECT_FLOAT_EQ(FreqValue(84), 99.0f);
    EXPECT_FLOAT_EQ(FreqValue(204), 1000.0f);
    EXPECT_FLOAT_EQ(FreqValue(361), 20600.0f);
    for (int step = 0; step < 362; ++step)
        EXPECT_FLOAT_EQ(FreqValue(step), FreqText(step).toFloat()) << "step " << step;
}

TEST(FreqScale, NegativeStepReadsAsTheLowestStep)
{
    EXPECT_EQ(Str(FreqText(-1)), "19.7");
    EXPECT_FLOAT_EQ(FreqValue(-5), 19.7f);
}

TEST(QScale, AllHundredAndOneTextsReadAsListed)
{
    const char* const expected[] = {
        "0.40",   "0.42",  "0.45",  "0.47",  "0.50",  "0.53",  "0.56",   "0.59",   "0.63",
        "0.67",   "0.71",  "0.75",  "0.79",  "0.84",  "0.89",  "0.94",   "1.00",   "1.06",
        "1.12",   "1.19",  "1.26",  "1.30",  "1.40",  "1.50",  "1.60",   "1.70",   "1.80",
        "1.90",   "2.00",  "2.10",  "2.20",  "2.40",  "2.50",  "2.70",   "2.80",   "3.00",
        "3.20",   "3.40",  "3.60",  "3.80",  "4.00",  "4.20",  "4.50",   "4.80",   "5.00",
        "5.30",   "5.70",  "6.00",  "6.30",  "6.70",  "7.10",  "7.60",   "8.00",   "8.50",
        "9.00",   "9.50",  "10.10", "10.70", "11.30", "12.00", "12.70",  "13.50",  "14.00",
        "15.00",  "16.00", "17.00", "18.00", "19.00", "20.00", "21.00",  "23.00",  "24.00",
        "25.00",  "27.00", "29.00", "30.00", "32.00", "34.00", "36.00",  "38.00",  "40.00",
        "43.00",  "45.00", "48.00", "51.00", "54.00", "57.00", "60.00",  "64.00",  "68.00",
        "72.00",  "76.00", "81.00", "85.00", "91.00", "96.00", "102.00", "108.00", "114.00",
        "121.00", "128.00"};
    static_assert(sizeof expected / sizeof expected[0] == 101);
    for (int step = 0; step < 101; ++step) {
        EXPECT_EQ(Str(QText(step)), expected[step]) << "step " << step;
        EXPECT_DOUBLE_EQ(QValue(step), std::stod(expected[step])) << "step " << step;
    }
}

TEST(QScale, UnityShelfLimitAndTopSteps)
{
    EXPECT_EQ(Str(QText(16)), "1.00");
    EXPECT_EQ(Str(QText(24)), "1.60");
    EXPECT_EQ(Str(QText(100)), "128.00");
    EXPECT_DOUBLE_EQ(QValue(16), 1.0);
    EXPECT_DOUBLE_EQ(QValue(24), 1.6);
    EXPECT_DOUBLE_EQ(QValue(100), 128.0);
    EXPECT_EQ(Str(QText(-3)), "0.40");
}

TEST(DynamicsScales, RatioReleaseAndAttackTextsReadAsListed)
{
    const std::vector<const char*> ratio = {
        "1.0", "1.2", "1.4",  "1.6",  "1.8",  "2.0", "2.4", "2.8", "3.2", "3.6", "4.0",
        "4.4", "4.8", "5.2",  "5.6",  "6.0",  "6.4", "6.8", "7.2", "7.6", "8.0", "8.4",
        "9.0", "9.6", "10.2", "10.8", "11.4", "12",  "13",  "14",  "15",  "16",  "17",
        "18",  "19",  "20",   "22",   "24",   "26",  "30",  "100"};
    ASSERT_EQ(ratio.size(), 41u);
    for (int i = 0; i < 41; ++i)
        EXPECT_EQ(Str(RatioText(i)), ratio[static_cast<std::size_t>(i)]) << "ratio " << i;

    const std::vector<const char*> release = {"Atk x 2",  "Atk x 4",  "Atk x 6",  "Atk x 8",
                                              "Atk x 12", "Atk x 16", "Atk x 24", "Atk x 32"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Str(ReleaseText(i)), release[static_cast<std::size_t>(i)]) << "release " << i;

    const std::vector<const char*> attack = {"0.5", "0.7", "1.0", "1.4", "2.0", "2.8", "4.0",
                                             "5.7", "8.0", "11",  "16",  "23",  "32",  "45",
                                             "64",  "90",  "100", "120", "150", "400"};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Str(AttackText(i)), attack[static_cast<std::size_t>(i)]) << "attack " << i;
}

TEST(FormatNumber, RoundsHalvesAwayFromZero)
{
    struct Case
    {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {62.5, 0, "63"},  {-0.5, 0, "-1"},     {0.5, 0, "1"},       {2.5, 0, "3"},
        {-2.5, 0, "-3"},  {187.5, 0, "188"},   {0.25, 1, "0.3"},    {-0.25, 1, "-0.3"},
        {0.15, 1, "0.2"}, {-23.6, 1, "-23.6"}, {-24.0, 1, "-24.0"}, {12.0, 1, "12.0"},
        {0.0, 1, "0.0"},  {0.0, 0, "0"},       {5000.0, 0, "5000"}, {-7.0, 0, "-7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Str(FormatNumber(c.value, c.decimals)), c.text);
    }
}

} // namespace
} // namespace aec
