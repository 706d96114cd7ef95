// The spectrum analyser: the 2048-point transform against FFTW (when it is installed), one
// refresh of the spectrum on the chart at its design size of 883 × 268 (transform, restore
// the background, bars, curve), and the main window's 10 ms tick with the spectrum off.
#include "app/TForm1.h"
#include "chart/ui/ResponseChart.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/PageSwitcher.h"
#include "link/DeviceTexts.h"
#include "spectrum/Fft.h"
#include "spectrum/ui/SpectrumDisplay.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>
#include <random>
#include <vector>

#ifdef AEC_BENCH_FFTW
#include <fftw3.h>
#endif

namespace {

std::vector<aec::FftComplex> Noise(int n)
{
    std::mt19937 random(42);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    std::vector<aec::FftComplex> x(static_cast<std::size_t>(n));
    for (auto& v : x)
        v = aec::FftComplex(value(random), value(random));
    return x;
}

void BM_Fft2048(benchmark::State& state)
{
    aec::FftPlan plan(2048);
    const std::vector<aec::FftComplex> in = Noise(2048);
    std::vector<aec::FftComplex> out(2048);
    for (auto _ : state) {
        plan.transform(in.data(), out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Fft2048)->Unit(benchmark::kNanosecond);

#ifdef AEC_BENCH_FFTW
// The same transform with FFTW's best plan for it (single precision, out of place).
void BM_Fftw2048(benchmark::State& state)
{
    const int n = 2048;
    auto* in = fftwf_alloc_complex(n);
    auto* out = fftwf_alloc_complex(n);
    fftwf_plan plan = fftwf_plan_dft_1d(n, in, out, FFTW_FORWARD, FFTW_MEASURE);
    const std::vector<aec::FftComplex> noise = Noise(n);
    for (int i = 0; i < n; ++i) {
        in[i][0] = noise[std::size_t(i)].real();
        in[i][1] = noise[std::size_t(i)].imag();
    }
    for (auto _ : state) {
        fftwf_execute(plan);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    fftwf_destroy_plan(plan);
    fftwf_free(in);
    fftwf_free(out);
}
BENCHMARK(BM_Fftw2048)->Unit(benchmark::kNanosecond);
#endif

struct Window
{
    aec::ParameterModel model;
    aec::DeviceTexts texts;
    aec::Language language;
    aec::TForm1 form{model, texts, language};
    aec::SpectrumDisplay* spectrum = nullptr;
    Window()
    {
        form.wing().resetAllEq();
        form.show();
        form.findChild<aec::ResponseChart*>()->setFixedSize(883, 268);
        QApplication::processEvents();
        form.wing().pages().FormMusTabBtnClick(aec::Tab::Music);
        form.tick();
        spectrum = &form.spectrum();
    }
};

// Music-like input: a few tones and some noise, so every bar has a height of its own.
QByteArray Sound()
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-8, 8);
    QByteArray bytes(1024, 0);
    for (int n = 0; n < bytes.size(); ++n) {
        const double t = n / 48000.0;
        const double v = 40 * std::sin(2 * M_PI * 110 * t) + 25 * std::sin(2 * M_PI * 1000 * t) +
                         10 * std::sin(2 * M_PI * 6000 * t) + noise(random);
        bytes[n] = char(static_cast<unsigned char>(std::lround(128 + v)));
    }
    return bytes;
}

void BM_ComputeAndDrawSpectrum(benchmark::State& state)
{
    Window w;
    w.spectrum->AudioPresent = 1;
    w.spectrum->SpectrumOn = 1;
    const QByteArray sound = Sound();
    w.spectrum->CaptureHandler(sound.constData(), 1024);
    for (auto _ : state) {
        w.spectrum->ComputeSpectrum();
        w.spectrum->DrawSpectrum(true);
    }
}
BENCHMARK(BM_ComputeAndDrawSpectrum)->Unit(benchmark::kMicrosecond);

// What the 10 ms timer costs while nothing is edited and the spectrum is off.
void BM_IdleTickSpectrumOff(benchmark::State& state)
{
    Window w;
    for (auto _ : state)
        w.form.tick();
}
BENCHMARK(BM_IdleTickSpectrumOff)->Unit(benchmark::kNanosecond);

} // namespace
