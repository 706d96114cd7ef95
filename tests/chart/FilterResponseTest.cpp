#include "chart/FilterResponse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <complex>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace aec {
namespace {

// A direct evaluation written from the design rules: cookbook biquads at w0 = pi/2 (as a
// float), H(z) evaluated with complex arithmetic on the template axes, and the template slid
// by hand. It shares nothing with the closed form under test.

constexpr double Pi = 3.14159265358979323846;
constexpr double Span = 3.380211241711606; // decades from 10 Hz to 24 kHz
constexpr int Width = 462;
constexpr std::size_t Count = 463;
const double DesignW0 = static_cast<double>(1.5707964f);

int HalfEven(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

// The column of a frequency, and the frequency a band is snapped to before it is designed.
int ColumnOf(double f)
{
    return HalfEven((std::log10(f) - 1) / Span * Width);
}

int Snapped(int frequency)
{
    const int column = ColumnOf(std::max(frequency, 1));
    return HalfEven(std::pow(10.0, column * Span / Width + 1));
}

int CentreOf(int frequency)
{
    return ColumnOf(std::max(frequency, 10));
}

enum class Axis { Linear, Shelf, Pass };

// Linear: 0 to pi over the whole template. Shelf: 0 to pi over columns 108 to 354. Pass: pi/462
// up to column 126, then pi/210 per column up to pi at column 336. Flat beyond the ends.
double AxisW(Axis axis, int t)
{
    const double first = Pi / Width;
    const double last = 461 * Pi / Width;
    switch (axis) {
    case Axis::Linear:
        return t * Pi / Width;
    case Axis::Shelf:
        return t < 108 ? first : t > 354 ? last : (t - 108) * Pi / 246;
    case Axis::Pass:
        return t <= 126 ? first : t > 336 ? last : (t - 126) * Pi / 210;
    }
    return 0;
}

struct Section
{
    std::array<double, 3> b{1, 0, 0};
    std::array<double, 3> a{1, 0, 0};
    Axis axis = Axis::Linear;
    double factor = 1;
};

Section PeakSection(double q, double gain)
{
    const double bandQ = 2.8 * (q + 0.01);
    const double amp = std::pow(10.0, gain / 40);
    const double alpha = std::sin(DesignW0) / (2 * bandQ);
    const double c = std::cos(DesignW0);
    return {{1 + alpha * amp, -2 * c, 1 - alpha * amp},
            {1 + alpha / amp, -2 * c, 1 - alpha / amp},
            Axis::Linear};
}

Section ShelfSection(double q, double gain, bool high)
{
    const double slope = std::min(q, 4.0) + 0.001;
    const double amp = std::pow(10.0, gain / 40);
    const double c = std::cos(DesignW0);
    const double alpha =
        std::sin(DesignW0) / 2 * std::sqrt(std::abs((amp + 1 / amp) * (1 / slope - 1) + 2));
    const double r = 2 * std::sqrt(amp) * alpha;
    const double sign = high ? -1 : 1; // a high shelf is a low shelf with cos w0 negated
    const double p = amp + 1, m = amp - 1;
    return {{amp * (p - sign * m * c + r), sign * 2 * amp * (m - sign * p * c),
             amp * (p - sign * m * c - r)},
            {p + sign * m * c + r, -sign * 2 * (m + sign * p * c), p + sign * m * c - r},
            Axis::Shelf};
}

Section SecondOrder(double qs, bool low, double factor = 1)
{
    const double alpha = std::sin(DesignW0) / (2 * qs);
    const double c = std::cos(DesignW0);
    const double g = low ? (1 - c) / 2 : (1 + c) / 2;
    return {{g, low ? 2 * g : -2 * g, g}, {1 + alpha, -2 * c, 1 - alpha}, Axis::Pass, factor};
}

Section FirstOrder(bool low, double factor = 1)
{
    const double s = std::sin(DesignW0);
    const double c = std::cos(DesignW0);
    const std::array<double, 3> b =
        low ? std::array<double, 3>{s, s, 0} : std::array<double, 3>{1 + c, -(1 + c), 0};
    return {b, {1 + s + c, s - c - 1, 0}, Axis::Pass, factor};
}

double ButterworthQ(int n, int k)
{
    return 1 / (2 * std::sin((k + 0.5) * Pi / n));
}

// The sections of a high- or low-pass type, each with the factor its levels are summed with.
std::optional<std::vector<Section>> PassSections(int type, bool low)
{
    const double bessel = 1 / std::sqrt(3.0);
    const double butterworth = 1 / std::sqrt(2.0);
    switch (type) {
    case 0:
        return std::vector<Section>{Section{{1, 0, 0}, {1, 0, 0}, Axis::Pass}};
    case 1:
        return std::vector<Section>{FirstOrder(low)};
    case 2:
        return std::vector<Section>{SecondOrder(bessel, low)};
    case 3:
        return std::vector<Section>{SecondOrder(butterworth, low)};
    case 4:
        return std::vector<Section>{FirstOrder(low), FirstOrder(low)};
    case 5:
        return std::vector<Section>{SecondOrder(bessel, low), FirstOrder(low)};
    case 6:
        return std::vector<Section>{SecondOrder(butterworth, low), FirstOrder(low)};
    case 7:
        return std::vector<Section>{SecondOrder(bessel, low, 2)};
    case 8:
        return std::vector<Section>{SecondOrder(ButterworthQ(4, 0), low),
                                    SecondOrder(ButterworthQ(4, 1), low)};
    case 9:
        return std::vector<Section>{SecondOrder(butterworth, low, 2)};
    case 10:
        return std::vector<Section>{SecondOrder(bessel, low, 3)};
    case 11:
        return std::vector<Section>{SecondOrder(ButterworthQ(4, 0), low),
                                    SecondOrder(ButterworthQ(4, 1), low, 2)};
    case 12:
        return std::vector<Section>{SecondOrder(ButterworthQ(3, 0), low, 2), FirstOrder(low, 2)};
    default:
        return std::nullopt;
    }
}

float DrawnQ(float q)
{
    const std::pair<float, float> remapped[] = {
        {102.0f, 98.0f}, {108.0f, 100.0f}, {114.0f, 101.0f}, {121.0f, 102.0f}, {128.0f, 103.0f}};
    for (const auto& [from, to] : remapped)
        if (q == from)
            return to;
    return q;
}

// A band in short: a stored EQ band type below 100, 100 + type a high-pass filter and 200 + type
// a low-pass filter of that stored type.
BandShape ShapeOf(int code)
{
    if (code >= 200)
        return PassShape(false, code - 200);
    if (code >= 100)
        return PassShape(true, code - 100);
    return EqBandShape(code);
}

// A filter type the processor does not have is drawn bypassed.
std::optional<std::vector<Section>> BandSections(int code, float q, float gain)
{
    const double drawnQ = DrawnQ(q);
    if (code / 100 == 1 || code / 100 == 2) {
        const int type = code % 100;
        return PassSections(type <= 12 ? type : 0, code / 100 == 2);
    }
    if (code == 1)
        return std::vector<Section>{PeakSection(drawnQ, gain)};
    if (code == 2 || code == 3)
        return std::vector<Section>{ShelfSection(drawnQ, gain, code == 3)};
    return std::vector<Section>{Section{}};
}

struct Expected
{
    double level = 0;
    double tolerance = 0;
    bool comparable = true;
};

// One column: the summed level, and how far the closed form may stray from it. Beyond 1e-6 dB
// that allows for the float curves and, near a zero or pole of a section, for the rounding of
// the closed form, which grows with (sum of |coefficients|)^2 / |H|^2. Columns on an exact zero
// are not compared: the low-pass zero rule has its own test.
Expected ReferenceColumn(const std::vector<Section>& sections, int t)
{
    Expected e;
    double magnitudes = 0;
    double conditioning = 0;
    for (const Section& s : sections) {
        const std::complex<double> zInv = std::polar(1.0, -AxisW(s.axis, t));
        const auto poly = [&](const std::array<double, 3>& c) {
            return c[0] + zInv * (c[1] + zInv * c[2]);
        };
        const auto condition = [](const std::array<double, 3>& c, std::complex<double> v) {
            const double sum = std::abs(c[0]) + std::abs(c[1]) + std::abs(c[2]);
            return sum * sum / std::norm(v);
        };
        const std::complex<double> num = poly(s.b);
        const std::complex<double> den = poly(s.a);
        const double level = s.factor * 20 * std::log10(std::abs(num) / std::abs(den));
        e.level += level;
        magnitudes += std::abs(level);
        conditioning += s.factor * (condition(s.b, num) + condition(s.a, den));
    }
    const double dbPerRelative = 10 / std::log(10.0);
    e.comparable = std::isfinite(conditioning) && conditioning < 1e11;
    e.tolerance = 1e-6 + 0x1p-22 * (magnitudes + std::abs(e.level)) +
                  dbPerRelative * 16 * DBL_EPSILON * conditioning;
    return e;
}

testing::AssertionResult MatchesReference(int frequency, int code, float q, float gain)
{
    ResponseCurve curve;
    curve.fill(-1000.0f);
    EvaluateResponse(curve, frequency, ShapeOf(code), q, gain);
    const auto sections = BandSections(code, q, gain);
    const std::string band = "f " + std::to_string(frequency) + " code " + std::to_string(code) +
                             " q " + std::to_string(q) + " gain " + std::to_string(gain);
    if (!sections) {
        for (float v : curve)
            if (v != -1000.0f)
                return testing::AssertionFailure() << band << ": destination written";
        return testing::AssertionSuccess();
    }
    const int centre = CentreOf(Snapped(frequency));
    for (int k = 0; k < int(Count); ++k) {
        const int t = std::clamp(231 + k - centre, 0, 461);
        const Expected e = ReferenceColumn(*sections, t);
        const double got = curve[std::size_t(k)];
        if (e.comparable && !(std::abs(got - e.level) <= e.tolerance))
            return testing::AssertionFailure()
                   << band << " column " << k << ": " << got << " dB, expected " << e.level
                   << " within " << e.tolerance;
    }
    return testing::AssertionSuccess();
}

ResponseCurve Evaluate(int frequency, int code, float q = 1, float gain = 0)
{
    ResponseCurve curve;
    curve.fill(-1000.0f);
    EvaluateResponse(curve, frequency, ShapeOf(code), q, gain);
    return curve;
}

std::size_t ColumnOfMaximum(const ResponseCurve& curve)
{
    return std::size_t(std::max_element(curve.begin(), curve.end()) - curve.begin());
}

// 490 Hz lies on column 231.01 and is its own snapped frequency: its curve is the template.
constexpr int MidFrequency = 490;
constexpr std::size_t Mid = 231;

TEST(FilterResponseReference, EveryColumnOfEveryBandMatchesADirectEvaluationOfItsBiquads)
{
    const int frequencies[] = {0,   1,    5,    10,    11,    57,    100,
                               490, 1000, 4567, 12000, 20600, 24000, 40000};
    const float qs[] = {0.4f, 0.71f, 1.0f, 2.5f, 4.0f, 9.3f, 96.0f, 102.0f, 108.0f, 128.0f};
    const float gains[] = {-24.0f, -7.5f, 0.0f, 0.5f, 6.0f, 12.0f};
    for (int f : frequencies) {
        for (int code : {1, 2, 3})
            for (float q : qs)
                for (float gain : gains)
                    EXPECT_TRUE(MatchesReference(f, code, q, gain));
        for (int code : {0, 4, 57, 99})
            EXPECT_TRUE(MatchesReference(f, code, 2.5f, 12.0f));
        for (int code = 100; code <= 255; ++code)
            EXPECT_TRUE(MatchesReference(f, code, 2.5f, 12.0f));
    }
}

TEST(FilterResponseBiquadLevel, EqualsTheMagnitudeOfTheTransferFunctionOnTheUnitCircle)
{
    const Biquad biquads[] = {{1, 0, 0, 1, 0, 0},
                              {0.3, -0.2, 0.05, 1, -0.9, 0.4},
                              {2.0, 1.5, -0.7, 1.2, 0.3, 0.25},
                              {0.5, 1.0, 0.5, 1.1, -0.1, 0.6},
                              {1.5, -3.0, 1.5, 2.0, 0.0, 0.0}};
    for (const Biquad& q : biquads) {
        for (double w : {0.01, 0.3, 1.0, Pi / 2, 2.2, 3.1}) {
            const std::complex<double> zInv = std::polar(1.0, -w);
            const std::complex<double> num = q.b0 + zInv * (q.b1 + zInv * q.b2);
            const std::complex<double> den = q.a0 + zInv * (q.a1 + zInv * q.a2);
            EXPECT_NEAR(BiquadLevel(q, w), 20 * std::log10(std::abs(num / den)), 1e-9)
                << q.b0 << " " << q.a1 << " at " << w;
        }
    }
}

TEST(FilterResponseFlat, BypassedBandsUnusedCodesBypassFiltersAndZeroGainPeaksAreZeroEverywhere)
{
    for (int code : {0, 4, 99, 100, 200, 120, 240}) {
        const ResponseCurve curve = Evaluate(1000, code, 1.0f, 12.0f);
        for (float v : curve)
            EXPECT_NEAR(v, 0.0f, 1e-6) << "code " << code;
    }
    for (float q : {0.4f, 1.0f, 128.0f}) {
        const ResponseCurve curve = Evaluate(1000, 1, q, 0.0f);
        for (float v : curve)
            EXPECT_NEAR(v, 0.0f, 1e-6) << "Q " << q;
    }
}

TEST(FilterResponsePeak, ReachesItsGainOnItsOwnColumnAndFadesToZeroOnBothSides)
{
    for (float gain : {12.0f, -24.0f, 3.5f}) {
        for (float q : {0.4f, 1.0f, 10.0f}) {
            SCOPED_TRACE(testing::Message() << "gain " << gain << " Q " << q);
            const ResponseCurve curve = Evaluate(MidFrequency, 1, q, gain);
            EXPECT_NEAR(curve[Mid], gain, 1e-5);
            for (std::size_t k = Mid; k + 1 < Count; ++k)
                EXPECT_LE(std::abs(curve[k + 1]), std::abs(curve[k])) << k;
            for (std::size_t k = Mid; k > 0; --k)
                EXPECT_LE(std::abs(curve[k - 1]), std::abs(curve[k])) << k;
            EXPECT_NEAR(curve.front(), 0.0f, 0.01);
            EXPECT_NEAR(curve.back(), 0.0f, 0.01);
        }
    }
}

TEST(FilterResponseShelf, HighShelfIsHalfwayOnItsColumnAndAtFullGainOnlyFarToTheRight)
{
    const int centre = CentreOf(1000); // 273
    for (float q : {0.4f, 1.0f, 4.0f}) {
        SCOPED_TRACE(testing::Message() << "Q " << q);
        const ResponseCurve curve = Evaluate(1000, 3, q, 12.0f);
        EXPECT_NEAR(curve[std::size_t(centre)], 6.0f, 1e-5);
        for (int k = 0; k < centre - 123; ++k)
            EXPECT_NEAR(curve[std::size_t(k)], 0.0f, 0.01) << k;
        for (int k = centre + 124; k < int(Count); ++k)
            EXPECT_NEAR(curve[std::size_t(k)], 12.0f, 0.01) << k;
    }
}

TEST(FilterResponseShelf, LowShelfIsTheMirrorImage)
{
    const int centre = CentreOf(1000);
    for (float q : {0.4f, 1.0f, 4.0f}) {
        SCOPED_TRACE(testing::Message() << "Q " << q);
        const ResponseCurve curve = Evaluate(1000, 2, q, 12.0f);
        EXPECT_NEAR(curve[std::size_t(centre)], 6.0f, 1e-5);
        for (int k = 0; k < centre - 123; ++k)
            EXPECT_NEAR(curve[std::size_t(k)], 12.0f, 0.01) << k;
        for (int k = centre + 124; k < int(Count); ++k)
            EXPECT_NEAR(curve[std::size_t(k)], 0.0f, 0.01) << k;
    }
}

TEST(FilterResponseShelf, SlopeStopsChangingAboveQFour)
{
    for (bool high : {false, true}) {
        ResponseCurve atFour, above, below;
        ShelfResponse(atFour, MidFrequency, 4.0f, 9.0f, high);
        ShelfResponse(above, MidFrequency, 50.0f, 9.0f, high);
        ShelfResponse(below, MidFrequency, 3.0f, 9.0f, high);
        EXPECT_EQ(above, atFour);
        EXPECT_NE(below, atFour);
    }
}

TEST(FilterResponsePassFilter, LevelOnTheCornerColumnFollowsTheType)
{
    const std::pair<int, float> corner[] = {
        {3, -3.01f}, {2, -4.77f}, {4, -6.02f}, {8, -3.01f}, {9, -6.02f}};
    for (int base : {100, 200}) {
        for (const auto& [type, level] : corner) {
            const ResponseCurve curve = Evaluate(1000, base + type);
            EXPECT_NEAR(curve[std::size_t(CentreOf(1000))], level, 0.005) << "code " << base + type;
        }
    }
}

TEST(FilterResponsePassFilter, TwentyFourDbButterworthSectionsPeakAndDipOnTheCornerColumn)
{
    const FilterSection first{FilterSection::ButterworthSection, 4, 0};
    const FilterSection second{FilterSection::ButterworthSection, 4, 1};
    ResponseCurve curve;
    HighPassResponse(curve, MidFrequency, first);
    EXPECT_NEAR(curve[Mid], 2.32f, 0.005);
    HighPassResponse(curve, MidFrequency, second);
    EXPECT_NEAR(curve[Mid], -5.33f, 0.005);
    LowPassResponse(curve, MidFrequency, first);
    EXPECT_NEAR(curve[Mid], 2.32f, 0.005);
    LowPassResponse(curve, MidFrequency, second);
    EXPECT_NEAR(curve[Mid], -5.33f, 0.005);
}

TEST(FilterResponsePassFilter, HighPassRisesAndLowPassFallsAcrossTheCorner)
{
    for (int type = 1; type <= LastFilterType; ++type) {
        const ResponseCurve high = Evaluate(MidFrequency, 100 + type);
        const ResponseCurve low = Evaluate(MidFrequency, 200 + type);
        EXPECT_LT(high.front(), -40.0f) << type;
        EXPECT_NEAR(high.back(), 0.0f, 0.01) << type;
        EXPECT_NEAR(low.front(), 0.0f, 0.01) << type;
        EXPECT_LT(low.back(), -40.0f) << type;
    }
}

TEST(FilterResponsePassFilter, FilterTypesTheProcessorDoesNotHaveDrawBypassed)
{
    EXPECT_NE(Evaluate(1000, 112), Evaluate(1000, 100)) << "type 12 is the last one there is";
    EXPECT_EQ(Evaluate(1000, 113), Evaluate(1000, 100));
    EXPECT_EQ(Evaluate(1000, 255), Evaluate(1000, 100));
    EXPECT_EQ(Evaluate(1000, 213), Evaluate(1000, 200));
    EXPECT_EQ(ShapeOf(99), ShapeOf(0)) << "an EQ band type beyond the four is flat";
    ResponseCurve curve;
    curve.fill(-40.0f);
    EvaluateResponse(curve, 1000, PassShape(true, -1), 1.0f, 12.0f);
    EXPECT_EQ(curve, Evaluate(1000, 100)) << "nothing of the old curve stays";
}

TEST(FilterResponsePassFilter, LowPassRepeatsTheColumnBeforeWhereItsResponseIsExactlyZero)
{
    // First-order low-pass sections have their zero at w = pi, which the axis reaches 105
    // columns right of the corner.
    for (int code : {201, 204}) {
        const ResponseCurve curve = Evaluate(MidFrequency, code);
        EXPECT_EQ(curve[Mid + 105], curve[Mid + 104]) << code;
        EXPECT_LT(curve[Mid + 104], curve[Mid + 103]) << code;
    }
    FilterSection firstOrder{FilterSection::FirstOrder, 0, 0};
    ResponseCurve curve;
    LowPassResponse(curve, MidFrequency, firstOrder);
    EXPECT_EQ(curve[Mid + 105], curve[Mid + 104]);
}

TEST(FilterResponsePassFilter, EveryTypeDrawsAFiniteLevelInEveryColumn)
{
    for (int base : {100, 200}) {
        for (int type = 0; type <= LastFilterType; ++type) {
            for (int f : {10, MidFrequency, 20600}) {
                const ResponseCurve curve = Evaluate(f, base + type);
                for (float v : curve)
                    ASSERT_TRUE(std::isfinite(v)) << "code " << base + type << " at " << f;
            }
        }
    }
}

TEST(FilterResponseQRemapping, TheFiveLargestQsDrawLikeSmallerOnes)
{
    const std::pair<float, float> remapped[] = {
        {102.0f, 98.0f}, {108.0f, 100.0f}, {114.0f, 101.0f}, {121.0f, 102.0f}, {128.0f, 103.0f}};
    for (const auto& [from, to] : remapped) {
        ResponseCurve direct, undrawn;
        PeakResponse(direct, MidFrequency, to, 12.0f);
        PeakResponse(undrawn, MidFrequency, from, 12.0f);
        const ResponseCurve drawn = Evaluate(MidFrequency, 1, from, 12.0f);
        EXPECT_EQ(drawn, direct) << from;
        EXPECT_NE(drawn, undrawn) << from;
    }
}

TEST(FilterResponseQRemapping, OtherQsAreDrawnAsTheyAre)
{
    for (float q : {0.4f, 96.0f, 98.0f, 101.99f, 127.99f}) {
        ResponseCurve direct;
        PeakResponse(direct, MidFrequency, q, 12.0f);
        EXPECT_EQ(Evaluate(MidFrequency, 1, q, 12.0f), direct) << q;
    }
}

TEST(FilterResponseSnapping, BandBelowTenHertzIsDrawnAsTenHertzOnColumnZero)
{
    const ResponseCurve at5 = Evaluate(5, 1, 1.0f, 12.0f);
    EXPECT_EQ(at5, Evaluate(10, 1, 1.0f, 12.0f));
    EXPECT_EQ(ColumnOfMaximum(at5), 0u);
    EXPECT_NEAR(at5[0], 12.0f, 1e-5);
    EXPECT_EQ(Evaluate(5, 203), Evaluate(10, 203));
}

TEST(FilterResponseSnapping, TopOfTheFrequencyTableIsCentredOnColumn453)
{
    const ResponseCurve curve = Evaluate(20600, 1, 1.0f, 12.0f);
    EXPECT_EQ(ColumnOfMaximum(curve), 453u);
    EXPECT_NEAR(curve[453], 12.0f, 1e-5);
    const ResponseCurve shelf = Evaluate(20600, 3, 1.0f, 12.0f);
    EXPECT_NEAR(shelf[453], 6.0f, 1e-5);
}

} // namespace
} // namespace aec
