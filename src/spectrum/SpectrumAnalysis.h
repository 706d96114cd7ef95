#pragma once

#include "spectrum/Fft.h"

#include <QByteArray>

#include <vector>

namespace aec {

namespace Spectrum {
constexpr int FftLength = 2048;      // the transform's length
constexpr int SpectrumPoints = 1024; // captured samples per transform; the rest is zeros
constexpr int BinWidth = 23;         // Hz per bin, whole (48000 / 2048 is 23.4375)
} // namespace Spectrum

// Turns the newest capture buffer (unsigned 8-bit samples) into a spectrum: 1024 samples,
// zero-padded to 2048, no window, transformed; bins 0 to 2 are scaled by 0.1 k^3 to keep the
// offset and hum of the input out of the lowest bars.
class SpectrumAnalysis
{
public:
    SpectrumAnalysis();

    // A buffer shorter than 1024 bytes (before the first capture, say) counts as silence
    // where it has no samples.
    void ComputeSpectrum(const QByteArray& captureBuffer);

    const std::vector<FftComplex>& FftInput() const { return m_input; }
    const std::vector<FftComplex>& FftOutput() const { return m_output; }

private:
    FftPlan m_plan;
    std::vector<FftComplex> m_input;
    std::vector<FftComplex> m_output;
};

} // namespace aec
