#pragma once

#include "spectrum/Fft.h"

#include <array>
#include <vector>

namespace aec {

class ChartMapper;

namespace Spectrum {
constexpr int BarCount = 120;  // the chart width divided by it gives the bar pitch
constexpr int ShapedBars = 47; // bars 0 to 46 are raised by their BarShape factor
// Factors on the y of the lowest bars (y grows downward, so they stand taller); the last
// entry is never used.
extern const std::array<double, 48> BarShape;
} // namespace Spectrum

// One bar of the spectrum: columns left to left + width - 1, from row top to the bottom.
struct SpectrumBar
{
    int left;
    int width;
    int top;
};

// The bar pitch of a chart image: its width over BarCount, and at least 1, so a chart
// narrower than 120 pixels still gets bars.
int BarPitch(int imageWidth);

// The transform bin read at a frequency: nearest(f / BinWidth).
int SpectrumBin(double frequency);

// The bars across the chart image, one per pitch from column 0 (the last may be cut by the
// right edge), each g - 2 columns wide with a two-column gap, its height the level of the bin
// at its middle column above the floor of `floorMode` (-64 dB for 1, else -52 dB).
std::vector<SpectrumBar> SpectrumBars(const ChartMapper& mapper, int floorMode,
                                      const std::vector<FftComplex>& spectrum);

} // namespace aec
