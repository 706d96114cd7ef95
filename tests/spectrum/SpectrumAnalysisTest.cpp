// From captured bytes to bars: the transform's input, the bins it reads and the bar layout.
#include "spectrum/SpectrumAnalysis.h"
#include "chart/ChartMapper.h"
#include "spectrum/SpectrumBars.h"
#include "spectrum/SpectrumTicker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace aec {
namespace {

constexpr double Pi = 3.14159265358979323846;

QByteArray Silence(int size = 1024)
{
    return QByteArray(size, char(128));
}

// Unsigned 8-bit samples of a sine at 48000 Hz, amplitude in steps of the 8-bit scale.
QByteArray Sine(double hertz, double amplitude, int size = 1024)
{
    QByteArray bytes(size, 0);
    for (int n = 0; n < size; ++n)
        bytes[n] = char(static_cast<unsigned char>(
            std::lround(128 + amplitude * std::sin(2 * Pi * hertz * n / 48000))));
    return bytes;
}

double Magnitude(const SpectrumAnalysis& a, int bin)
{
    return std::abs(a.FftOutput()[std::size_t(bin)]);
}

// The bar (with its gap) that covers a frequency's column.
const SpectrumBar& BarAt(const std::vector<SpectrumBar>& bars, const ChartMapper& m, double f)
{
    return bars.at(std::size_t(int(m.FreqToX(f)) / BarPitch(m.width())));
}

TEST(ComputeSpectrum, SamplesBecomeMinusOneToJustBelowOneAndTheSecondHalfStaysZero)
{
    QByteArray bytes = Silence();
    bytes[0] = char(0);
    bytes[1] = char(255);
    bytes[2] = char(192);
    bytes[1023] = char(64);
    SpectrumAnalysis a;
    a.ComputeSpectrum(bytes);
    const std::vector<FftComplex>& in = a.FftInput();
    ASSERT_EQ(in.size(), 2048u);
    EXPECT_EQ(in[0], FftComplex(-1.0f, 0));
    EXPECT_EQ(in[1], FftComplex(0.9921875f, 0));
    EXPECT_EQ(in[2], FftComplex(0.5f, 0));
    EXPECT_EQ(in[3], FftComplex(0, 0));
    EXPECT_EQ(in[1023], FftComplex(-0.5f, 0));
    for (std::size_t n = 1024; n < 2048; ++n)
        ASSERT_EQ(in[n], FftComplex(0, 0)) << n;
}

TEST(ComputeSpectrum, SilenceGivesAnEmptySpectrum)
{
    SpectrumAnalysis a;
    a.ComputeSpectrum(Sine(3000, 100)); // something first, so the silence has to clear it
    a.ComputeSpectrum(Silence());
    for (const FftComplex& v : a.FftOutput())
        ASSERT_EQ(v, FftComplex(0, 0));
}

TEST(ComputeSpectrum, OnlyTheThreeLowestBinsAreScaled)
{
    // A pure offset: all 1024 samples at +0.5, whose transform is known in closed form.
    SpectrumAnalysis a;
    a.ComputeSpectrum(QByteArray(1024, char(192)));
    const auto raw = [](int k) {
        // 0.5 * sum over n < 1024 of e^(-2 pi i k n / 2048)
        std::complex<double> sum = 0;
        for (int n = 0; n < 1024; ++n)
            sum += std::polar(0.5, -2 * Pi * k * n / 2048);
        return sum;
    };
    EXPECT_EQ(Magnitude(a, 0), 0.0);
    for (const auto& [bin, factor] : {std::pair{1, 0.1}, {2, 0.8}, {3, 1.0}, {5, 1.0}}) {
        const double expected = factor * std::abs(raw(bin));
        EXPECT_NEAR(Magnitude(a, bin), expected, 1e-5 * expected + 1e-4) << "bin " << bin;
    }
    EXPECT_GT(Magnitude(a, 1), 30.0); // odd bins of a 1024-sample offset are not small
}

TEST(ComputeSpectrum, FullScaleSineReachesAboutFiveHundredAtItsBin)
{
    // Bin 43 is 43 * 48000 / 2048 = 1007.8 Hz; 127 steps are nearly full scale.
    SpectrumAnalysis a;
    a.ComputeSpectrum(Sine(43 * 48000.0 / 2048, 127));
    EXPECT_NEAR(Magnitude(a, 43), 127.0 / 128 * 512, 3.0);
    EXPECT_LT(Magnitude(a, 61), 2.0); // an even number of bins away: no leakage
}

TEST(ComputeSpectrum, ShortBufferReadsAsSilenceBeyondItsEnd)
{
    const QByteArray loud = Sine(2000, 120, 100);
    QByteArray padded = loud + Silence(924);
    SpectrumAnalysis shortRead, fullRead;
    shortRead.ComputeSpectrum(loud);
    fullRead.ComputeSpectrum(padded);
    EXPECT_EQ(shortRead.FftOutput(), fullRead.FftOutput());

    SpectrumAnalysis empty;
    empty.ComputeSpectrum(QByteArray());
    for (const FftComplex& v : empty.FftOutput())
        ASSERT_EQ(v, FftComplex(0, 0));
}

TEST(ComputeSpectrum, LongerBufferUsesItsFirst1024Samples)
{
    const QByteArray first = Sine(2000, 120);
    SpectrumAnalysis a, b;
    a.ComputeSpectrum(first + Sine(5000, 127, 500));
    b.ComputeSpectrum(first);
    EXPECT_EQ(a.FftOutput(), b.FftOutput());
}

TEST(SpectrumBin, ThousandHertzReadsBin43)
{
    EXPECT_EQ(SpectrumBin(1000), 43); // 43.48
    EXPECT_EQ(SpectrumBin(23), 1);
    EXPECT_EQ(SpectrumBin(11.5), 0); // halves to even
    EXPECT_EQ(SpectrumBin(34.5), 2);
}

TEST(SpectrumBars, DesignWidthGives127BarsOfFiveColumnsWithTwoColumnGaps)
{
    const ChartMapper m(883, 268);
    EXPECT_EQ(BarPitch(883), 7);
    const std::vector<FftComplex> silence(2048);
    const std::vector<SpectrumBar> bars = SpectrumBars(m, 0, silence);
    ASSERT_EQ(bars.size(), 127u);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].left, int(7 * i));
        EXPECT_EQ(bars[i].width, 5);
    }
    EXPECT_EQ(bars.back().left, 882);
}

TEST(SpectrumBars, SilenceSitsOnTheFloorRaisedByTheShapeOfTheFirst47Bars)
{
    const ChartMapper m(883, 268);
    const std::vector<FftComplex> silence(2048);
    const std::vector<SpectrumBar> bars = SpectrumBars(m, 0, silence);
    EXPECT_EQ(bars[0].top, 106);  // 266 * 0.40
    EXPECT_EQ(bars[2].top, 66);   // 266 * 0.25 = 66.5, halves to even
    EXPECT_EQ(bars[19].top, 205); // 266 * 0.77
    EXPECT_EQ(bars[46].top, 263); // 266 * 0.99
    for (std::size_t i = 47; i < bars.size(); ++i)
        EXPECT_EQ(bars[i].top, 266) << "bar " << i;
}

TEST(SpectrumBars, LoudBinIsDrawnAtTheClampJustBelowTheTop)
{
    const ChartMapper m(883, 268);
    SpectrumAnalysis a;
    a.ComputeSpectrum(Sine(43 * 48000.0 / 2048, 127));
    const std::vector<SpectrumBar> bars = SpectrumBars(m, 0, a.FftOutput());
    const SpectrumBar& bar = BarAt(bars, m, 1000);
    EXPECT_EQ(SpectrumBin(m.XToFreq(bar.left + 3)), 43);
    EXPECT_GE(bar.left / 7, 47); // unshaped
    // A level of 120 is -0.56 dB: 266 - 51.44 / 52 * 267 = 1.88.
    EXPECT_EQ(bar.top, 2);
    EXPECT_GT(BarAt(bars, m, 9000).top, 150);
}

TEST(SpectrumBars, FloorModeOneLowersTheFloorSoQuietBinsRise)
{
    // A level of 0.2 is -56.1 dB: below the -52 dB floor, above the -64 dB one.
    const ChartMapper m(883, 268);
    const std::vector<FftComplex> quiet(2048, FftComplex(0.2f, 0));
    const std::vector<SpectrumBar> normal = SpectrumBars(m, 0, quiet);
    const std::vector<SpectrumBar> low = SpectrumBars(m, 1, quiet);
    // 266 - (64 - 56.124) / 64 * 267 = 233.1
    EXPECT_EQ(normal[60].top, 266);
    EXPECT_EQ(low[60].top, 233);
    EXPECT_EQ(low[0].top, 93); // 233.1 * 0.40
}

TEST(SpectrumBars, NarrowChartsStillGetBarsWithoutDividingByZero)
{
    const std::vector<FftComplex> silence(2048);
    for (const int width : {1, 2, 60, 119}) {
        const ChartMapper m(width, 100);
        EXPECT_EQ(BarPitch(width), 1);
        const std::vector<SpectrumBar> bars = SpectrumBars(m, 0, silence);
        ASSERT_EQ(bars.size(), std::size_t(width + 1)) << width;
        EXPECT_EQ(bars[0].width, 1);
    }
    // A pitch of 2 keeps one column per bar and a one-column gap.
    const ChartMapper m(240, 100);
    const std::vector<SpectrumBar> bars = SpectrumBars(m, 0, silence);
    EXPECT_EQ(bars[1].left, 2);
    EXPECT_EQ(bars[1].width, 1);
}

TEST(SpectrumTicker, TransformsOnTheFifthTickAndDrawsOnTheEleventhThenStartsOver)
{
    SpectrumTicker t;
    std::vector<int> computes, draws;
    for (int tick = 1; tick <= 33; ++tick) {
        const SpectrumTicker::Step step = t.tick();
        if (step == SpectrumTicker::Step::Compute)
            computes.push_back(tick);
        if (step == SpectrumTicker::Step::Draw)
            draws.push_back(tick);
    }
    EXPECT_EQ(computes, (std::vector<int>{5, 16, 27}));
    EXPECT_EQ(draws, (std::vector<int>{11, 22, 33}));
}

} // namespace
} // namespace aec
