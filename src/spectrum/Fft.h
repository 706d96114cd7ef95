#pragma once

#include <complex>
#include <stdexcept>
#include <vector>

namespace aec {

using FftComplex = std::complex<float>;

// A length the transform cannot take: a prime factor above MaxPrimeFactor, or no length at all.
class FftError : public std::domain_error
{
public:
    using std::domain_error::domain_error;
};

constexpr int MaxPrimeFactor = 1021;

// The factors a length is split into, in the order the passes apply them: radices 10, 8, 5,
// 4, 3 and 2 first (a 2 and an 8 become 4 and 4), the rest by trial division.
// Throws FftError for a prime factor above MaxPrimeFactor or a length below 1.
std::vector<int> FftFactors(int length);

// The forward discrete Fourier transform of one length, without normalisation:
// out[k] = sum over n of in[n] e^(-2 pi i k n / N), in natural order. The input is copied in
// digit-reversed order and each factor is then applied in place with a butterfly of its radix;
// factors, permutation and twiddles are worked out once, when the plan is made.
class FftPlan
{
public:
    explicit FftPlan(int length); // throws FftError

    int length() const { return m_length; }
    const std::vector<int>& factors() const { return m_factors; }

    // `input` and `output` hold length() values each and may not overlap; input is unchanged.
    void transform(const FftComplex* input, FftComplex* output);

private:
    struct Pass
    {
        int radix;
        int sofar;                               // length of the sub-transforms the pass combines
        int groups;                              // how many times the pass repeats across the data
        std::vector<float> twiddleRe, twiddleIm; // (radix - 1) rows of `sofar` values
        std::vector<double> rootCos, rootSin; // general butterflies only: cos, sin(2 pi k / radix)
    };

    void firstPass(const FftComplex* input);
    void runPass(const Pass& pass);

    int m_length;
    std::vector<int> m_factors;
    std::vector<int> m_digitReversed; // input index for each position
    // Input index of each group's first value, when the first pass reads the input itself.
    std::vector<int> m_groupBase;
    std::vector<Pass> m_passes;
    std::vector<float> m_re, m_im; // the data between passes, real and imaginary parts apart
};

// One transform of any length; the plan is made for this call only.
void Fft(const FftComplex* input, FftComplex* output, int length);

} // namespace aec
