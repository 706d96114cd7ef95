#pragma once

#include "chart/ChartMapper.h"

#include <array>
#include <cstdint>

namespace aec {

// One level in dB per response column of the chart.
using ResponseCurve = std::array<float, ChartAxis::Columns>;

// What a band or filter is, as the chart evaluates it.
enum class FilterShape : std::uint8_t { Flat, Peak, LowShelf, HighShelf, HighPass, LowPass };

struct BandShape
{
    FilterShape shape = FilterShape::Flat;
    int type = 0; // a high- or low-pass filter's type: 0 bypass to 12
    friend bool operator==(BandShape a, BandShape b)
    {
        return a.shape == b.shape && a.type == b.type;
    }
};

constexpr int LastFilterType = 12;

// The shape of an EQ band of stored type 0 bypass (flat), 1 peaking, 2 low shelf, 3 high shelf;
// any other type is drawn flat.
BandShape EqBandShape(int storedType);
// A high- or low-pass filter of a stored type; a type outside 0..12 is drawn bypassed.
BandShape PassShape(bool highPass, int storedType);

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
void EvaluateResponse(ResponseCurve& destination, int frequency, BandShape shape, float q,
                      float gain);

void PeakResponse(ResponseCurve& destination, int frequency, float q, float gain);
void ShelfResponse(ResponseCurve& destination, int frequency, float q, float gain, bool high);
void LowPassResponse(ResponseCurve& destination, int frequency, FilterSection section);
void HighPassResponse(ResponseCurve& destination, int frequency, FilterSection section);

} // namespace aec
