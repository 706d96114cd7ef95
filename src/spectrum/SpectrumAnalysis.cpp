#include "spectrum/SpectrumAnalysis.h"

#include <algorithm>

namespace aec {

SpectrumAnalysis::SpectrumAnalysis()
    : m_plan(Spectrum::FftLength), m_input(Spectrum::FftLength), m_output(Spectrum::FftLength)
{
}

void SpectrumAnalysis::ComputeSpectrum(const QByteArray& captureBuffer)
{
    const auto available =
        static_cast<int>(std::min<qsizetype>(captureBuffer.size(), Spectrum::SpectrumPoints));
    const auto* samples = reinterpret_cast<const unsigned char*>(captureBuffer.constData());
    for (int n = 0; n < Spectrum::SpectrumPoints; ++n) {
        // 0 to 255 become -1 to +0.9921875; silence is 128.
        const float sample = n < available ? float(samples[n]) / 128.0f - 1.0f : 0.0f;
        m_input[static_cast<std::size_t>(n)] = FftComplex(sample, 0.0f);
    }
    m_plan.transform(m_input.data(), m_output.data());
    for (int k = 0; k <= 2; ++k)
        m_output[static_cast<std::size_t>(k)] *= 0.1f * float(k * k * k);
}

} // namespace aec
