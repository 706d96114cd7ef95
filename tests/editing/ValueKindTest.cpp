#include "editing/ValueKind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aec {
namespace {

constexpr bool UserEdit = false;
constexpr bool DisplayOnly = true;

struct Shown
{
    double value;
    std::string text;
};

Shown Apply(int kind, StepCode step, bool displayOnly, double x, const KindContext& context = {})
{
    const std::optional<KindValue> result = ApplyKind(kind, step, displayOnly, x, context);
    if (!result) {
        ADD_FAILURE() << "kind " << kind << " gave no value";
        return {-1, "<none>"};
    }
    return {result->value, result->text.toStdString()};
}

std::string PaneText(int kind, double x, const KindContext& context = {})
{
    return Apply(kind, StepCode::None, UserEdit, x, context).text;
}

KindContext DynamicEqChart()
{
    KindContext c;
    c.chartBlock = 1;
    return c;
}

KindContext ShelvingBand()
{
    KindContext c;
    c.shelvingBand = true;
    return c;
}

KindContext OutputMix(int outputBlock, int slot)
{
    KindContext c;
    c.chartBlock = 6;
    c.currentOutputBlock = outputBlock;
    c.slot = slot;
    return c;
}

TEST(KindMaximum, RangesOfEveryKind)
{
    const std::vector<std::pair<int, int>> maxima = {
        {1, 3},    {2, 361},  {3, 180}, {4, 100}, {5, 40},  {6, 361}, {8, 100}, {9, 200},
        {10, 100}, {11, 250}, {12, 80}, {14, 34}, {15, 40}, {16, 7},  {17, 19}, {18, 500},
        {20, 60},  {21, 14},  {22, 40}, {23, 4},  {24, 60}, {25, 34}, {26, 250}};
    for (const auto& [kind, maximum] : maxima) {
        SCOPED_TRACE(kind);
        ASSERT_TRUE(KindMaximum(kind).has_value());
        EXPECT_EQ(*KindMaximum(kind), maximum);
    }
}

TEST(KindMaximum, UnusedKindsHaveNoRange)
{
    for (int kind : {7, 13, 19, 27, -1}) {
        EXPECT_FALSE(KindMaximum(kind).has_value()) << kind;
        EXPECT_FALSE(ApplyKind(kind, StepCode::None, UserEdit, 1, {}).has_value()) << kind;
    }
}

TEST(ApplyKind, PlaceholderAndBandTypeListWriteNoText)
{
    const Shown plain = Apply(0, StepCode::Up, UserEdit, 1234);
    EXPECT_EQ(plain.value, 1234);
    EXPECT_EQ(plain.text, "");

    const Shown type = Apply(1, StepCode::Up, UserEdit, 2);
    EXPECT_EQ(type.value, 2); // the step is ignored
    EXPECT_EQ(type.text, "");
    EXPECT_EQ(Apply(1, StepCode::None, DisplayOnly, 7).value, 3);
}

TEST(ApplyKind, GainEditShowsFifthsOfDecibelsAroundIndex120)
{
    EXPECT_EQ(Apply(3, StepCode::None, UserEdit, 120).text, "0.0dB");
    EXPECT_EQ(Apply(3, StepCode::None, UserEdit, 0).text, "-24.0dB");
    EXPECT_EQ(Apply(3, StepCode::None, UserEdit, 180).text, "12.0dB");
    EXPECT_EQ(Apply(3, StepCode::None, UserEdit, 2).text, "-23.6dB");
    EXPECT_EQ(Apply(3, StepCode::None, UserEdit, 119).text, "-0.2dB");
    EXPECT_EQ(Apply(3, StepCode::Up, UserEdit, 180).text, "12.0dB");
    EXPECT_EQ(Apply(3, StepCode::Down, UserEdit, 0).text, "-24.0dB");
    EXPECT_EQ(Apply(3, StepCode::Up, UserEdit, 120).text, "0.2dB");
    EXPECT_EQ(Apply(3, StepCode::None, DisplayOnly, 250).value, 180);
}

TEST(ApplyKind, DynamicEqGainDoesNotGoBelowMinus12dB)
{
    const Shown stepped = Apply(3, StepCode::Down, UserEdit, 60, DynamicEqChart());
    EXPECT_EQ(stepped.value, 60);
    EXPECT_EQ(stepped.text, "-12.0dB");

    const Shown typed = Apply(3, StepCode::None, UserEdit, 2, DynamicEqChart());
    EXPECT_EQ(typed.value, 60);

    const Shown refreshed = Apply(3, StepCode::None, DisplayOnly, 0, DynamicEqChart());
    EXPECT_EQ(refreshed.value, 60);
    EXPECT_EQ(refreshed.text, "-12.0dB");

    // Any other chart lets the gain go on down.
    KindContext music;
    EXPECT_EQ(Apply(3, StepCode::Down, UserEdit, 60, music).text, "-12.2dB");
}

TEST(ApplyKind, FrequencyEditStaysWithinTheScaleWhenStepped)
{
    const Shown top = Apply(2, StepCode::Up, UserEdit, 361);
    EXPECT_EQ(top.value, 361);
    EXPECT_EQ(top.text, "20600Hz");

    const Shown bottom = Apply(2, StepCode::Down, UserEdit, 0);
    EXPECT_EQ(bottom.value, 0);
    EXPECT_EQ(bottom.text, "19.7Hz");

    EXPECT_EQ(Apply(2, StepCode::Up, UserEdit, 203).text, "1000Hz");
    EXPECT_EQ(Apply(2, StepCode::Down, UserEdit, 205).text, "1000Hz");
    EXPECT_EQ(Apply(2, StepCode::None, UserEdit, 84).text, "99.0Hz");
    EXPECT_EQ(Apply(2, StepCode::None, DisplayOnly, 400).text, "20600Hz");
}

TEST(ApplyKind, ShelvingQStopsAtOnePointSixWhilePeakingGoesTo128)
{
    const Shown shelf = Apply(4, StepCode::Up, UserEdit, 24, ShelvingBand());
    EXPECT_EQ(shelf.value, 24);
    EXPECT_EQ(shelf.text, "1.60");
    EXPECT_EQ(Apply(4, StepCode::None, UserEdit, 60, ShelvingBand()).text, "1.60");

    EXPECT_EQ(Apply(4, StepCode::Up, UserEdit, 24).text, "1.70");
    EXPECT_EQ(Apply(4, StepCode::Up, UserEdit, 99).text, "128.00");
    EXPECT_EQ(Apply(4, StepCode::Up, UserEdit, 100).text, "128.00");
    EXPECT_EQ(Apply(4, StepCode::Down, UserEdit, 0).text, "0.40");
}

TEST(ApplyKind, RefreshedQIsOnlyLimitedTo100)
{
    EXPECT_EQ(Apply(4, StepCode::None, DisplayOnly, 150).value, 100);
    EXPECT_EQ(Apply(4, StepCode::None, DisplayOnly, 150).text, "128.00");
    EXPECT_EQ(Apply(4, StepCode::None, DisplayOnly, 50, ShelvingBand()).text, "7.10");
}

TEST(ApplyKind, TypedQAboveTheScaleEndsAtTheBandsHighestStep)
{
    const double typed = ParseKindText(4, 200);
    EXPECT_EQ(Apply(4, StepCode::None, UserEdit, typed).text, "128.00");
    EXPECT_EQ(Apply(4, StepCode::None, UserEdit, typed, ShelvingBand()).text, "1.60");
}

TEST(ApplyKind, InputGainShowsHalfDecibelSteps)
{
    EXPECT_EQ(Apply(5, StepCode::None, UserEdit, 0).text, "-10.0dB");
    EXPECT_EQ(Apply(5, StepCode::None, UserEdit, 20).text, "0.0dB");
    EXPECT_EQ(Apply(5, StepCode::None, UserEdit, 40).text, "10.0dB");
    EXPECT_EQ(Apply(5, StepCode::None, UserEdit, 1).text, "-9.5dB");
    EXPECT_EQ(Apply(5, StepCode::Up, UserEdit, 40).value, 40);
    EXPECT_EQ(Apply(5, StepCode::Down, UserEdit, 0).value, 0);
    EXPECT_EQ(Apply(5, StepCode::None, DisplayOnly, 55).value, 40);
}

TEST(ApplyKind, EveryPaneKindShowsItsUnitAndSignAtBothEnds)
{
    struct Case
    {
        int kind;
        const char* atZero;
        const char* atMaximum;
        double maximum;
    };
    const Case cases[] = {
        {6, "19.7Hz", "20600Hz", 361}, {8, "0%", "100%", 100},       {9, "0%", "200%", 200},
        {10, "-50%", "50%", 100},      {11, "0ms", "500ms", 250},    {12, "0ms", "5000ms", 80},
        {14, "-20dBu", "14dBu", 34},   {15, "1.0", "100", 40},       {16, "Atk x 2", "Atk x 32", 7},
        {17, "0.5ms", "400ms", 19},    {18, "0.0ms", "50.0ms", 500}, {20, "-60dBu", "0dBu", 60},
        {21, "-7", "7", 14},           {22, "-10dB", "10dB", 40},    {23, "0", "4", 4},
        {24, "-90dB", "-30dB", 60},    {25, "-34dB", "0dB", 34},     {26, "-100ms", "150ms", 250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(PaneText(c.kind, 0), c.atZero);
        EXPECT_EQ(PaneText(c.kind, c.maximum), c.atMaximum);
        // Beyond either end the pane is limited to the kind's range.
        const Shown above = Apply(c.kind, StepCode::None, UserEdit, c.maximum + 5);
        EXPECT_EQ(above.value, c.maximum);
        EXPECT_EQ(above.text, c.atMaximum);
        const Shown below = Apply(c.kind, StepCode::None, DisplayOnly, -3);
        EXPECT_EQ(below.value, 0);
        EXPECT_EQ(below.text, c.atZero);
    }
}

TEST(ApplyKind, PaneHalvesRoundAwayFromZeroAndZeroHasNoSign)
{
    EXPECT_EQ(PaneText(12, 1), "63ms");
    EXPECT_EQ(PaneText(22, 19), "-1dB");
    EXPECT_EQ(PaneText(22, 21), "1dB");
    EXPECT_EQ(PaneText(18, 5), "0.5ms");
    EXPECT_EQ(PaneText(21, 7), "0");
    EXPECT_EQ(PaneText(10, 50), "0%");
}

TEST(ApplyKind, PanesIgnoreTheStepCode)
{
    EXPECT_EQ(Apply(8, StepCode::Up, UserEdit, 50).value, 50);
    EXPECT_EQ(Apply(8, StepCode::Down, UserEdit, 50).text, "50%");
    EXPECT_EQ(Apply(6, StepCode::Up, DisplayOnly, 204).text, "1000Hz");
}

TEST(ApplyKind, SubwooferMusicMixLevelShowsDoubled)
{
    EXPECT_EQ(PaneText(9, 150, OutputMix(21, 0)), "300%");
    EXPECT_EQ(PaneText(9, 150, OutputMix(22, 0)), "300%");
    EXPECT_EQ(PaneText(9, 200, OutputMix(23, 0)), "400%");
    EXPECT_EQ(PaneText(9, 150, OutputMix(6, 0)), "150%");
    EXPECT_EQ(PaneText(9, 150, OutputMix(20, 0)), "150%");
    // The microphone and effect mix levels of the subwoofer are not doubled.
    EXPECT_EQ(PaneText(9, 150, OutputMix(21, 2)), "150%");
    EXPECT_EQ(PaneText(9, 150, OutputMix(22, 8)), "150%");
    // The doubling is only in the text.
    EXPECT_EQ(Apply(9, StepCode::None, UserEdit, 150, OutputMix(21, 0)).value, 150);
}

TEST(ParseKindText, TypedNumbersBecomeScaleIndexes)
{
    struct Case
    {
        const char* what;
        int kind;
        double typed;
        double index;
    };
    const Case cases[] = {
        {"equally near 1000 and 1020 takes the lower", 2, 1010, 204},
        {"nearer the upper step", 2, 1011, 205},
        {"nearer the lower step", 2, 1009, 204},
        {"exact step", 2, 1000, 204},
        {"exact departure from the formula", 2, 31.3, 24},
        {"nearer 30.7 than 31.3", 2, 30.9, 23},
        {"nearer 31.3 than 30.7", 2, 31.1, 24},
        {"below the scale", 2, 5, 0},
        {"lowest step", 2, 19.7, 0},
        {"exact step below the top", 2, 20200, 360},
        {"no choice with the top step", 2, 20300, 361},
        {"above the scale", 2, 25000, 361},
        {"-23.5 dB rounds 2.5 to even", 3, -23.5, 2},
        {"-22.5 dB rounds 7.5 to even", 3, -22.5, 8},
        {"-21.5 dB rounds 12.5 to even", 3, -21.5, 12},
        {"0 dB", 3, 0, 120},
        {"lowest gain", 3, -24, 0},
        {"highest gain", 3, 12, 180},
        {"Q rounds upward", 4, 1.05, 17},
        {"exact Q", 4, 1.0, 16},
        {"just above the shelf limit", 4, 1.61, 25},
        {"below the lowest Q", 4, 0.1, 0},
        {"highest Q", 4, 128, 100},
        {"above the highest Q", 4, 200, 101},
        {"input gain 0.5 to even", 5, -9.75, 0},
        {"input gain 1.5 to even", 5, -9.25, 2},
        {"input gain 0 dB", 5, 0, 20},
        {"input gain top", 5, 10, 40},
        {"other kinds keep the number", 6, 123.4, 123.4},
        {"placeholder keeps the number", 0, -7, -7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(ParseKindText(c.kind, c.typed), c.index);
    }
}

TEST(ParseKindText, TypedValuesShowAsTheChosenStep)
{
    EXPECT_EQ(Apply(2, StepCode::None, UserEdit, ParseKindText(2, 1010)).text, "1000Hz");
    EXPECT_EQ(Apply(2, StepCode::None, UserEdit, ParseKindText(2, 25000)).text, "20600Hz");
    EXPECT_EQ(Apply(4, StepCode::None, UserEdit, ParseKindText(4, 1.05)).text, "1.06");
    EXPECT_EQ(Apply(3, StepCode::None, UserEdit, ParseKindText(3, -23.5)).text, "-23.6dB");
}

} // namespace
} // namespace aec
