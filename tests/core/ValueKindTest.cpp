#include "core/ValueKind.h"

#include <gtest/gtest.h>

#include <string>

namespace aec {
namespace {

std::string Text(Kind kind, int step, int factor = 1)
{
    return KindText(kind, step, factor).toStdString();
}

// Each kind's text at both ends of its range; a step beyond either end shows the end.
TEST(KindText, EveryKindShowsItsUnitAndSignAtBothEndsAndLimitsBeyondThem)
{
    struct Case
    {
        Kind kind;
        int top;
        const char* atZero;
        const char* atTop;
    };
    const Case cases[] = {
        {Kind::Frequency, 361, "19.7Hz", "20600Hz"},
        {Kind::Gain, 180, "-24.0dB", "12.0dB"},
        {Kind::Q, 100, "0.40", "128.00"},
        {Kind::InputGain, 40, "-10.0dB", "10.0dB"},
        {Kind::FilterFrequency, 361, "19.7Hz", "20600Hz"},
        {Kind::Percent, 100, "0%", "100%"},
        {Kind::MixLevel, 200, "0%", "200%"},
        {Kind::OffsetPercent, 100, "-50%", "50%"},
        {Kind::DoubleMs, 250, "0ms", "500ms"},
        {Kind::ReverbTime, 80, "0ms", "5000ms"},
        {Kind::OutputLimitLevel, 34, "-20dBu", "14dBu"},
        {Kind::Ratio, 40, "1.0", "100"},
        {Kind::Release, 7, "Atk x 2", "Atk x 32"},
        {Kind::Attack, 19, "0.5ms", "400ms"},
        {Kind::Delay, 500, "0.0ms", "50.0ms"},
        {Kind::DynamicThreshold, 60, "-60dBu", "0dBu"},
        {Kind::Pitch, 14, "-7", "7"},
        {Kind::MicInputGain, 40, "-10dB", "10dB"},
        {Kind::Feedback, 4, "0", "4"},
        {Kind::GateLevel, 60, "-90dB", "-30dB"},
        {Kind::MicLimitLevel, 34, "-34dB", "0dB"},
        {Kind::PreDelay, 250, "-100ms", "150ms"},
        {Kind::BandType, 3, "BYPSS", "HSEQ"},
        {Kind::Trigger, 2, "Off", "Above"},
        {Kind::FilterType, 12, "Bypass", "36dB Link-Riley"},
        {Kind::OnOff, 1, "Off", "On"},
        {Kind::Volume, 84, "0", "84"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_EQ(KindTop(c.kind), c.top);
        EXPECT_EQ(Text(c.kind, 0), c.atZero);
        EXPECT_EQ(Text(c.kind, c.top), c.atTop);
        EXPECT_EQ(Text(c.kind, c.top + 1), c.atTop) << "just beyond the top";
        EXPECT_EQ(Text(c.kind, c.top + 5000), c.atTop);
        EXPECT_EQ(Text(c.kind, -1), c.atZero) << "just below the bottom";
    }
}

TEST(KindText, NumbersRoundHalvesAwayFromZeroAndZeroHasNoSign)
{
    EXPECT_EQ(Text(Kind::Gain, 120), "0.0dB");
    EXPECT_EQ(Text(Kind::Gain, 119), "-0.2dB");
    EXPECT_EQ(Text(Kind::Gain, 2), "-23.6dB");
    EXPECT_EQ(Text(Kind::InputGain, 1), "-9.5dB");
    EXPECT_EQ(Text(Kind::ReverbTime, 1), "63ms");
    EXPECT_EQ(Text(Kind::MicInputGain, 19), "-1dB");
    EXPECT_EQ(Text(Kind::MicInputGain, 21), "1dB");
    EXPECT_EQ(Text(Kind::Delay, 5), "0.5ms");
    EXPECT_EQ(Text(Kind::Pitch, 7), "0");
    EXPECT_EQ(Text(Kind::OffsetPercent, 50), "0%");
    EXPECT_EQ(Text(Kind::Frequency, 204), "1000Hz");
    EXPECT_EQ(Text(Kind::Frequency, 84), "99.0Hz");
    // The subwoofer's doubled music level is doubled in the text only.
    EXPECT_EQ(Text(Kind::MixLevel, 150, 2), "300%");
    EXPECT_EQ(Text(Kind::MixLevel, 200, 2), "400%");
}

// Typed numbers become steps; every step's own text reads back as that step.
TEST(ParseKindText, TypedNumbersBecomeTheirStepsAndEveryStepsTextParsesBack)
{
    struct Case
    {
        const char* what;
        Kind kind;
        double typed;
        double step;
    };
    const Case cases[] = {
        {"equally near 1000 and 1020 takes the lower", Kind::Frequency, 1010, 204},
        {"nearer the upper step", Kind::Frequency, 1011, 205},
        {"below the scale", Kind::Frequency, 5, 0},
        {"just above the step below the top", Kind::Frequency, 20300, 361},
        {"above the scale", Kind::Frequency, 25000, 361},
        {"-23.5 dB rounds 2.5 to even", Kind::Gain, -23.5, 2},
        {"-22.5 dB rounds 7.5 to even", Kind::Gain, -22.5, 8},
        {"Q rounds upward", Kind::Q, 1.05, 17},
        {"just above the shelf limit", Kind::Q, 1.61, 25},
        {"above the highest Q", Kind::Q, 200, 101},
        {"input gain 0.5 to even", Kind::InputGain, -9.75, 0},
        {"input gain 1.5 to even", Kind::InputGain, -9.25, 2},
        {"other kinds keep the number", Kind::Percent, 123.4, 123.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(ParseKindText(c.kind, c.typed), c.step);
    }
    for (const Kind kind : {Kind::Frequency, Kind::Gain, Kind::Q, Kind::InputGain}) {
        for (int step = 0; step <= KindTop(kind); ++step) {
            const double number = KeepNumberChars(KindText(kind, step)).toDouble();
            ASSERT_EQ(ParseKindText(kind, number), step)
                << "kind " << static_cast<int>(kind) << " step " << step;
        }
    }
}

TEST(KeepNumberChars, KeepsSignPointAndDigitsInTheirOrder)
{
    EXPECT_EQ(KeepNumberChars(QStringLiteral("1000Hz")), QStringLiteral("1000"));
    EXPECT_EQ(KeepNumberChars(QStringLiteral("-6.0dB")), QStringLiteral("-6.0"));
    EXPECT_EQ(KeepNumberChars(QStringLiteral("Atk x 2")), QStringLiteral("2"));
    EXPECT_TRUE(KeepNumberChars(QStringLiteral("Hz")).isEmpty());
}

} // namespace
} // namespace aec
