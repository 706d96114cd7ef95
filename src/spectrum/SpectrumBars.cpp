#include "spectrum/SpectrumBars.h"

#include "chart/ChartMapper.h"
#include "spectrum/SpectrumAnalysis.h"

#include <algorithm>

namespace aec {

namespace Spectrum {
const std::array<double, 48> BarShape = {
    0.40, 0.42, 0.25, 0.47, 0.30, 0.53, 0.76, 0.69, 0.73, 0.57, //
    0.31, 0.45, 0.79, 0.84, 0.89, 0.94, 0.90, 0.92, 0.95, 0.77, //
    0.86, 0.93, 0.86, 0.89, 0.93, 0.87, 0.91, 0.85, 0.99, 0.94, //
    0.99, 0.94, 0.96, 0.92, 0.95, 0.97, 0.96, 0.93, 0.96, 0.99, //
    0.93, 0.97, 0.96, 0.95, 0.99, 0.94, 0.99, 0.96};
} // namespace Spectrum

int BarPitch(int imageWidth)
{
    return std::max(1, imageWidth / Spectrum::BarCount);
}

int SpectrumBin(double frequency)
{
    return Nearest(frequency / Spectrum::BinWidth);
}

std::vector<SpectrumBar> SpectrumBars(const ChartMapper& mapper, int floorMode,
                                      const std::vector<FftComplex>& spectrum)
{
    const int w = mapper.width();
    const int g = BarPitch(w);
    // The last two columns of every pitch are the gap; a pitch below 3 keeps one column.
    const int barWidth = std::max(1, g - 2);
    const int lastBin = static_cast<int>(spectrum.size()) - 1;
    std::vector<SpectrumBar> bars;
    bars.reserve(static_cast<std::size_t>(w / g + 1));
    for (int x = 0; x <= w; x += g) {
        const int bin = std::clamp(SpectrumBin(mapper.XToFreq(x + g / 2)), 0, lastBin);
        const double level = std::abs(spectrum[static_cast<std::size_t>(bin)]);
        double y = mapper.LevelToY(floorMode, level);
        const int bar = x / g;
        if (bar < Spectrum::ShapedBars)
            y *= Spectrum::BarShape[static_cast<std::size_t>(bar)];
        bars.push_back({x, barWidth, Nearest(y)});
    }
    return bars;
}

} // namespace aec
