#include "chart/FilterResponse.h"

#include <algorithm>
#include <cmath>

namespace aec {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int Last = ChartAxis::DesignWidth;       // 462, the template's last point
constexpr int Centre = ChartAxis::DesignWidth / 2; // 231, where the template holds w0
constexpr double Step = Pi / ChartAxis::DesignWidth;
// Every filter is designed at a quarter of the sampling rate; w0 is pi/2 as a float, so
// cos(w0) is not quite 0.
constexpr double W0 = static_cast<double>(1.5707964f);
constexpr double MinFrequency = 10.0;
// The compressed axes keep a flat stretch at each end: nearest(462 x 120 / 512) and
// nearest(462 x 140 / 512) columns.
constexpr int ShelfKnee = 108;
constexpr int PassKnee = 126;

// |B(e^jw)|^2 (or |A|^2) written in phi = 4 sin^2(w/2).
double PowerExpression(double c0, double c1, double c2, double phi)
{
    const double cross = (c0 + c2) * c1 + 4 * c0 * c2;
    const double sum = c0 + c1 + c2;
    return (c0 * c2 * phi - cross) * phi + sum * sum;
}

double Phi(double w)
{
    const double s = std::sin(w / 2);
    return 4 * s * s;
}

double PeakAxis(int k)
{
    return k * Step;
}

double ShelfAxis(int k)
{
    constexpr int c = ShelfKnee, d = Centre;
    if (k < c)
        return Step;
    if (k <= d)
        return double(k - c) / (d - c) * d * Step;
    if (k <= Last - c)
        return (double(k - d) / (d - c) * d + d) * Step;
    return (Last - 1) * Step;
}

double PassAxis(int k)
{
    constexpr int c = PassKnee, d = Centre;
    if (k <= c)
        return Step;
    if (k <= d)
        return double(k - c) / (d - c) * d * Step;
    if (k <= Last - c)
        return (double(k - d) / (d - c) * d + d) * Step;
    return (Last - 1) * Step;
}

template <typename Axis>
void SampleTemplate(ResponseCurve& response, const Biquad& biquad, Axis axis)
{
    for (int k = 0; k <= Last; ++k)
        response[std::size_t(k)] = static_cast<float>(BiquadLevel(biquad, axis(k)));
}

// Moves the template's centre onto the column of the design frequency; the columns beyond
// either end repeat the end values (template[462] is never used).
void Slide(ResponseCurve& destination, const ResponseCurve& response, int frequency)
{
    const double f = std::max(double(frequency), MinFrequency);
    const int centre = Nearest(ChartMapper::FreqToColumn(f));
    for (int k = 0; k <= Last; ++k) {
        const int t = std::clamp(Centre + (k - centre), 0, Last - 1);
        destination[std::size_t(k)] = response[std::size_t(t)];
    }
}

Biquad DesignSection(FilterSection section, bool lowPass)
{
    const double sinW0 = std::sin(W0);
    const double cosW0 = std::cos(W0);
    Biquad q;
    double alpha = 0;
    switch (section.kind) {
    case FilterSection::Bypass:
        return q;
    case FilterSection::FirstOrder:
        q.a0 = 1 + sinW0 + cosW0;
        q.a1 = sinW0 - cosW0 - 1;
        q.a2 = 0;
        if (lowPass) {
            q.b0 = sinW0;
            q.b1 = sinW0;
        } else {
            q.b0 = 1 + cosW0;
            q.b1 = -(1 + cosW0);
        }
        q.b2 = 0;
        return q;
    case FilterSection::Bessel:
        alpha = sinW0 * std::sqrt(3.0) / 2;
        break;
    case FilterSection::Butterworth:
        alpha = sinW0 * std::sqrt(2.0) / 2;
        break;
    case FilterSection::ButterworthSection: {
        const double qs = 1 / (2 * std::sin((section.index + 0.5) * Pi / section.order));
        alpha = sinW0 / (2 * qs);
        break;
    }
    }
    q.a0 = 1 + alpha;
    q.a1 = -2 * cosW0;
    q.a2 = 1 - alpha;
    if (lowPass) {
        q.b0 = (1 - cosW0) / 2;
        q.b1 = 1 - cosW0;
        q.b2 = (1 - cosW0) / 2;
    } else {
        q.b0 = (1 + cosW0) / 2;
        q.b1 = -(1 + cosW0);
        q.b2 = (1 + cosW0) / 2;
    }
    return q;
}

// A high- or low-pass type: one section, or two whose levels are added as
// total x (first + factor x second).
struct PassType
{
    int sections;
    FilterSection first;
    FilterSection second;
    float secondFactor;
    float totalFactor;
};

constexpr FilterSection BypassSection{FilterSection::Bypass, 0, 0};
constexpr FilterSection FirstOrder{FilterSection::FirstOrder, 0, 0};
constexpr FilterSection Bessel{FilterSection::Bessel, 0, 0};
constexpr FilterSection Butterworth{FilterSection::Butterworth, 0, 0};
constexpr FilterSection Order4Section0{FilterSection::ButterworthSection, 4, 0};
constexpr FilterSection Order4Section1{FilterSection::ButterworthSection, 4, 1};
constexpr FilterSection Order3Section0{FilterSection::ButterworthSection, 3, 0};

constexpr PassType PassTypes[LastFilterType + 1] = {
    {1, BypassSection, BypassSection, 1, 1},   // Bypass
    {1, FirstOrder, BypassSection, 1, 1},      // 6 dB first order
    {1, Bessel, BypassSection, 1, 1},          // 12 dB Bessel
    {1, Butterworth, BypassSection, 1, 1},     // 12 dB Butterworth
    {2, FirstOrder, FirstOrder, 1, 1},         // 12 dB Linkwitz-Riley
    {2, Bessel, FirstOrder, 1, 1},             // 18 dB Bessel
    {2, Butterworth, FirstOrder, 1, 1},        // 18 dB Butterworth
    {2, Bessel, Bessel, 1, 1},                 // 24 dB Bessel
    {2, Order4Section0, Order4Section1, 1, 1}, // 24 dB Butterworth
    {2, Butterworth, Butterworth, 1, 1},       // 24 dB Linkwitz-Riley
    {2, Bessel, Bessel, 2, 1},                 // 36 dB Bessel
    {2, Order4Section0, Order4Section1, 2, 1}, // 36 dB Butterworth
    {2, Order3Section0, FirstOrder, 1, 2},     // 36 dB Linkwitz-Riley
};

using SectionResponse = void (*)(ResponseCurve&, int, FilterSection);

void PassResponse(ResponseCurve& destination, int frequency, int type, SectionResponse section)
{
    const PassType& pass = PassTypes[type];
    if (pass.sections == 1) {
        section(destination, frequency, pass.first);
        return;
    }
    ResponseCurve first;
    ResponseCurve second;
    section(first, frequency, pass.first);
    section(second, frequency, pass.second);
    for (std::size_t k = 0; k < destination.size(); ++k)
        destination[k] = pass.totalFactor * (first[k] + pass.secondFactor * second[k]);
}

// The five largest Q values of the table are drawn as if they were smaller.
float DrawnQ(float q)
{
    if (q == 102.0f)
        return 98.0f;
    if (q == 108.0f)
        return 100.0f;
    if (q == 114.0f)
        return 101.0f;
    if (q == 121.0f)
        return 102.0f;
    if (q == 128.0f)
        return 103.0f;
    return q;
}

} // namespace

double BiquadLevel(const Biquad& q, double w)
{
    const double phi = Phi(w);
    // One logarithm of the ratio instead of the difference of two: half the cost.
    return 10 * std::log10(PowerExpression(q.b0, q.b1, q.b2, phi) /
                           PowerExpression(q.a0, q.a1, q.a2, phi));
}

BandShape EqBandShape(int storedType)
{
    switch (storedType) {
    case 1:
        return {FilterShape::Peak, 0};
    case 2:
        return {FilterShape::LowShelf, 0};
    case 3:
        return {FilterShape::HighShelf, 0};
    default:
        return {FilterShape::Flat, 0};
    }
}

BandShape PassShape(bool highPass, int storedType)
{
    const int type = storedType >= 0 && storedType <= LastFilterType ? storedType : 0;
    return {highPass ? FilterShape::HighPass : FilterShape::LowPass, type};
}

void EvaluateResponse(ResponseCurve& destination, int frequency, BandShape shape, float q,
                      float gain)
{
    const int column = Nearest(ChartMapper::FreqToColumn(frequency));
    frequency = Nearest(ChartMapper::ColumnToFreq(column));
    q = DrawnQ(q);
    switch (shape.shape) {
    case FilterShape::Peak:
        PeakResponse(destination, frequency, q, gain);
        return;
    case FilterShape::LowShelf:
        ShelfResponse(destination, frequency, q, gain, false);
        return;
    case FilterShape::HighShelf:
        ShelfResponse(destination, frequency, q, gain, true);
        return;
    case FilterShape::Flat:
        PeakResponse(destination, frequency, q, 0);
        return;
    case FilterShape::HighPass:
        PassResponse(destination, frequency, std::clamp(shape.type, 0, LastFilterType),
                     HighPassResponse);
        return;
    case FilterShape::LowPass:
        PassResponse(destination, frequency, std::clamp(shape.type, 0, LastFilterType),
                     LowPassResponse);
        return;
    }
}

void PeakResponse(ResponseCurve& destination, int frequency, float q, float gain)
{
    const double peakQ = (double(q) + 0.01) / 0.35714285714285714;
    const double a = std::pow(10.0, double(gain) / 40);
    const double alpha = std::sin(W0) / (2 * peakQ);
    const double a1 = -2 * std::cos(W0);
    const Biquad biquad{1 + alpha * a, a1, 1 - alpha * a, 1 + alpha / a, a1, 1 - alpha / a};
    ResponseCurve response;
    SampleTemplate(response, biquad, PeakAxis);
    Slide(destination, response, frequency);
}

void ShelfResponse(ResponseCurve& destination, int frequency, float q, float gain, bool high)
{
    const double slope = std::min(double(q), 4.0) + 0.001;
    const double a = std::pow(10.0, double(gain) / 40);
    const double alpha = std::sin(W0) / 2 * std::sqrt(std::abs((a + 1 / a) * (1 / slope - 1) + 2));
    const double c = std::cos(W0);
    const double root = 2 * std::sqrt(a) * alpha;
    Biquad biquad;
    if (high) {
        biquad = {a * ((a + 1) + (a - 1) * c + root), -2 * a * ((a - 1) + (a + 1) * c),
                  a * ((a + 1) + (a - 1) * c - root), (a + 1) - (a - 1) * c + root,
                  2 * ((a - 1) - (a + 1) * c),        (a + 1) - (a - 1) * c - root};
    } else {
        biquad = {a * ((a + 1) - (a - 1) * c + root), 2 * a * ((a - 1) - (a + 1) * c),
                  a * ((a + 1) - (a - 1) * c - root), (a + 1) + (a - 1) * c + root,
                  -2 * ((a - 1) + (a + 1) * c),       (a + 1) + (a - 1) * c - root};
    }
    ResponseCurve response;
    SampleTemplate(response, biquad, ShelfAxis);
    Slide(destination, response, frequency);
}

void LowPassResponse(ResponseCurve& destination, int frequency, FilterSection section)
{
    const Biquad q = DesignSection(section, true);
    ResponseCurve response;
    // A zero of the response on the axis (w = pi) would draw -inf: repeat the column before.
    for (int k = 0; k <= Last; ++k) {
        const double phi = Phi(PassAxis(k));
        const double numerator = PowerExpression(q.b0, q.b1, q.b2, phi);
        const double denominator = PowerExpression(q.a0, q.a1, q.a2, phi);
        const std::size_t i = std::size_t(k);
        if (numerator == 0 || denominator == 0)
            response[i] = k > 0 ? response[i - 1] : 0.0f;
        else
            response[i] = static_cast<float>(10 * std::log10(numerator / denominator));
    }
    Slide(destination, response, frequency);
}

void HighPassResponse(ResponseCurve& destination, int frequency, FilterSection section)
{
    ResponseCurve response;
    SampleTemplate(response, DesignSection(section, false), PassAxis);
    Slide(destination, response, frequency);
}

} // namespace aec
