// The mixed-radix transform against a direct evaluation of the DFT sum.
#include "spectrum/Fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

namespace aec {
namespace {

std::vector<FftComplex> RandomSignal(int n, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    std::vector<FftComplex> x(static_cast<std::size_t>(n));
    for (FftComplex& v : x)
        v = FftComplex(value(random), value(random));
    return x;
}

// X[k] = sum over n of x[n] e^(-2 pi i k n / N), in long double.
std::vector<std::complex<long double>> DirectDft(const std::vector<FftComplex>& x)
{
    const auto n = static_cast<long long>(x.size());
    const long double pi = 3.141592653589793238462643383279502884L;
    std::vector<std::complex<long double>> out(x.size());
    for (long long k = 0; k < n; ++k) {
        std::complex<long double> sum = 0;
        for (long long t = 0; t < n; ++t) {
            const long double angle = -2 * pi * static_cast<long double>(k * t % n) / n;
            sum += std::complex<long double>(x[std::size_t(t)].real(), x[std::size_t(t)].imag()) *
                   std::complex<long double>(std::cos(angle), std::sin(angle));
        }
        out[std::size_t(k)] = sum;
    }
    return out;
}

// ||fft - dft|| / ||dft|| over all bins.
double RelativeError(const std::vector<FftComplex>& fft,
                     const std::vector<std::complex<long double>>& dft)
{
    long double error = 0, norm = 0;
    for (std::size_t k = 0; k < dft.size(); ++k) {
        const std::complex<long double> got(fft[k].real(), fft[k].imag());
        error += std::norm(got - dft[k]);
        norm += std::norm(dft[k]);
    }
    return static_cast<double>(std::sqrt(error / norm));
}

class FftAgainstDirectSum : public ::testing::TestWithParam<int>
{
};

TEST_P(FftAgainstDirectSum, MatchesTheDirectSumToSinglePrecision)
{
    const int n = GetParam();
    const std::vector<FftComplex> input = RandomSignal(n, 1234u + unsigned(n));
    const std::vector<FftComplex> kept = input;
    std::vector<FftComplex> output(input.size());
    Fft(input.data(), output.data(), n);
    EXPECT_LT(RelativeError(output, DirectDft(input)), 2e-6) << "length " << n;
    EXPECT_EQ(input, kept) << "the input must be left as it was";
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, FftAgainstDirectSum,
                         ::testing::Values(1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048,
                                           4096));
INSTANTIATE_TEST_SUITE_P(ProductsOfThreeFiveAndTen, FftAgainstDirectSum,
                         ::testing::Values(3, 5, 6, 9, 10, 12, 15, 25, 27, 30, 45, 60, 100, 125,
                                           243, 250, 360, 625, 1000, 1500, 2000, 2160));
INSTANTIATE_TEST_SUITE_P(OtherPrimes, FftAgainstDirectSum,
                         ::testing::Values(7, 11, 13, 49, 77, 101, 7 * 64, 11 * 30, 1021,
                                           2 * 1021));

TEST(FftPlan, SameResultOnEveryRunOfAPlan)
{
    FftPlan plan(2048);
    const std::vector<FftComplex> a = RandomSignal(2048, 7);
    const std::vector<FftComplex> b = RandomSignal(2048, 8);
    std::vector<FftComplex> first(2048), other(2048), again(2048);
    plan.transform(a.data(), first.data());
    plan.transform(b.data(), other.data());
    plan.transform(a.data(), again.data());
    EXPECT_EQ(first, again);
}

TEST(FftPlan, CosineOfAWholeNumberOfPeriodsLandsInItsTwoBins)
{
    const int n = 2048;
    std::vector<FftComplex> x(n), y(n);
    for (int t = 0; t < n; ++t)
        x[std::size_t(t)] = FftComplex(float(std::cos(2 * 3.14159265358979 * 43 * t / n)), 0);
    Fft(x.data(), y.data(), n);
    EXPECT_NEAR(y[43].real(), 1024.0, 1e-2);
    EXPECT_NEAR(y[n - 43].real(), 1024.0, 1e-2);
    EXPECT_NEAR(std::abs(y[44]), 0.0, 1e-2);
    EXPECT_NEAR(std::abs(y[0]), 0.0, 1e-2);
}

TEST(FftFactors, PrefersLargeRadicesAndTurnsTwoAndEightIntoFourAndFour)
{
    EXPECT_EQ(FftFactors(2048), (std::vector<int>{4, 8, 8, 8}));
    EXPECT_EQ(FftFactors(16), (std::vector<int>{4, 4}));
    EXPECT_EQ(FftFactors(1000), (std::vector<int>{10, 10, 10}));
    EXPECT_EQ(FftFactors(2 * 1021), (std::vector<int>{1021, 2}));
    EXPECT_EQ(FftFactors(1), (std::vector<int>{}));
}

TEST(FftFactors, PrimeFactorAbove1021IsRefusedWithItsMessage)
{
    for (const int n : {1031, 2 * 1031, 1031 * 1031, 65521}) {
        try {
            std::vector<FftComplex> x(static_cast<std::size_t>(n)), y(x.size());
            Fft(x.data(), y.data(), n);
            ADD_FAILURE() << "length " << n << " was taken";
        } catch (const FftError& e) {
            EXPECT_STREQ(e.what(), "Prime factor for FFT length too large. Change value for "
                                   "cMaxPrimeFactor in FFTs unit");
        }
    }
    EXPECT_NO_THROW(FftPlan(1021));
}

TEST(FftFactors, LengthBelowOneIsRefused)
{
    EXPECT_THROW(FftPlan(0), FftError);
    EXPECT_THROW(FftPlan(-8), FftError);
}

} // namespace
} // namespace aec
