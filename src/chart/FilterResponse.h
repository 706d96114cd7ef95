#pragma once

#include "chart/ChartMapper.h"

#include <array>

namespace aec {

// One level in dB per response column of the chart.
using ResponseCurve = std::array<float, ChartAxis::Columns>;

// What a band is, as the chart evaluates it: 0 bypass, 1 peaking, 2 low shelf, 3 high shelf,
// 4 to 99 flat; 100 + i a high-pass filter of type i (0 to 12), 200 + i a low-pass filter.
namespace FilterCode {
constexpr int Bypass = 0;
constexpr int Peak = 1;
constexpr int LowShelf = 2;
constexpr int HighShelf = 3;
constexpr int HighPass = 100;
constexpr int LowPass = 200;
constexpr int LastFilterType = 12;
} // namespace FilterCode

// One second- or first-order section of a high- or low-pass filter.
struct FilterSection
{
    enum Kind { Bypass, FirstOrder, Bessel, Butterworth, ButterworthSection };
    Kind kind = Bypass;
    int order = 0; // ButterworthSection: the order n of the whole filter
    int index = 0; // ButterworthSection: the section k
};

// A biquad's coefficients, not normalised by a0.
struct Biquad
{
    double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
};

// 20 log10 |H(e^jw)| of a biquad, in the closed form that needs no complex arithmetic.
double BiquadLevel(const Biquad& biquad, double w);

// The magnitude response of one band or filter at every response column: the filter is
// designed at a quarter of the sampling rate, sampled on its template axis and slid so that
// its centre lands on the band's column. Q and gain matter to EQ bands only.
void EvaluateResponse(ResponseCurve& destination, int frequency, int code, float q, float gain);

void PeakResponse(ResponseCurve& destination, int frequency, float q, float gain);
void ShelfResponse(ResponseCurve& destination, int frequency, float q, float gain, bool high);
void LowPassResponse(ResponseCurve& destination, int frequency, FilterSection section);
void HighPassResponse(ResponseCurve& destination, int frequency, FilterSection section);

} // namespace aec
