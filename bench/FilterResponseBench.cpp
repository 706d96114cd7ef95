// Cost of one band's response curve: the closed form per kind of band, and a direct complex
// evaluation of the same peak for comparison.
#include "chart/FilterResponse.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>

namespace {

void EvaluateBand(benchmark::State& state, aec::BandShape shape)
{
    aec::ResponseCurve curve{};
    for (auto _ : state) {
        aec::EvaluateResponse(curve, 1000, shape, 1.4f, 6.0f);
        benchmark::DoNotOptimize(curve.data());
        benchmark::ClobberMemory();
    }
}

void BM_EvaluatePeak(benchmark::State& state)
{
    EvaluateBand(state, aec::EqBandShape(1));
}
void BM_EvaluateHighShelf(benchmark::State& state)
{
    EvaluateBand(state, aec::EqBandShape(3));
}
void BM_Evaluate36dBButterworthLowPass(benchmark::State& state)
{
    EvaluateBand(state, aec::PassShape(false, 11));
}

// The same peak (Q 1.4, +6 dB, 1000 Hz on column 273) through H(z) with complex arithmetic.
void BM_ComplexPeak(benchmark::State& state)
{
    constexpr double pi = 3.14159265358979323846;
    const double w0 = static_cast<double>(1.5707964f);
    const double amp = std::pow(10.0, 6.0 / 40);
    const double alpha = std::sin(w0) / (2 * 2.8 * (1.4 + 0.01));
    const double b0 = 1 + alpha * amp, b1 = -2 * std::cos(w0), b2 = 1 - alpha * amp;
    const double a0 = 1 + alpha / amp, a1 = b1, a2 = 1 - alpha / amp;
    constexpr int centre = 273;
    aec::ResponseCurve curve{};
    for (auto _ : state) {
        for (int k = 0; k < aec::ChartAxis::Columns; ++k) {
            int t = 231 + k - centre;
            t = t < 0 ? 0 : t > 461 ? 461 : t;
            const std::complex<double> z = std::polar(1.0, -t * pi / 462);
            const std::complex<double> h = (b0 + z * (b1 + z * b2)) / (a0 + z * (a1 + z * a2));
            curve[std::size_t(k)] = static_cast<float>(20 * std::log10(std::abs(h)));
        }
        benchmark::DoNotOptimize(curve.data());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_EvaluatePeak);
BENCHMARK(BM_EvaluateHighShelf);
BENCHMARK(BM_Evaluate36dBButterworthLowPass);
BENCHMARK(BM_ComplexPeak);

BENCHMARK_MAIN();
