#include "spectrum/Fft.h"

#include <cmath>
#include <cstring>

namespace aec {
namespace {

constexpr char PrimeFactorTooLarge[] =
    "Prime factor for FFT length too large. Change value for cMaxPrimeFactor in FFTs unit";
constexpr double Pi = 3.14159265358979323846;

// Neighbouring values of a pass go through the same butterfly, so the passes work on short
// vectors of them where the compiler offers vector types.
#if defined(__GNUC__) || defined(__clang__)
#define AEC_FFT_VECTORS 1
// Four floats: wider vectors run out of registers in the radix-8 butterfly.
typedef float Float4 __attribute__((vector_size(16)));
#endif

template <typename T> inline void Load(T& v, const float* from)
{
    std::memcpy(&v, from, sizeof v);
}

template <typename T> inline void Store(float* to, const T& v)
{
    std::memcpy(to, &v, sizeof v);
}

// The butterflies below work on the real and imaginary parts of R values (or of R vectors of
// values) in place and form X[q] = sum over r of x[r] e^(-2 pi i r q / R).

// x * (-i)
template <typename T> inline void TimesMinusI(T& re, T& im)
{
    const T t = re;
    re = im;
    im = -t;
}

template <int R> struct Butterfly;

template <> struct Butterfly<2>
{
    template <typename T> static void run(T* xr, T* xi)
    {
        const T r = xr[0] - xr[1], i = xi[0] - xi[1];
        xr[0] += xr[1];
        xi[0] += xi[1];
        xr[1] = r;
        xi[1] = i;
    }
};

template <> struct Butterfly<3>
{
    template <typename T> static void run(T* xr, T* xi)
    {
        constexpr float Sin60 = 0.86602540378443864676f;
        const T sr = xr[1] + xr[2], si = xi[1] + xi[2];
        const T dr = (xr[1] - xr[2]) * Sin60, di = (xi[1] - xi[2]) * Sin60;
        const T mr = xr[0] - 0.5f * sr, mi = xi[0] - 0.5f * si;
        xr[0] += sr;
        xi[0] += si;
        xr[1] = mr + di;
        xi[1] = mi - dr;
        xr[2] = mr - di;
        xi[2] = mi + dr;
    }
};

template <> struct Butterfly<4>
{
    template <typename T> static void run(T* xr, T* xi)
    {
        const T ar = xr[0] + xr[2], ai = xi[0] + xi[2];
        const T br = xr[0] - xr[2], bi = xi[0] - xi[2];
        const T cr = xr[1] + xr[3], ci = xi[1] + xi[3];
        T dr = xr[1] - xr[3], di = xi[1] - xi[3];
        TimesMinusI(dr, di);
        xr[0] = ar + cr;
        xi[0] = ai + ci;
        xr[2] = ar - cr;
        xi[2] = ai - ci;
        xr[1] = br + dr;
        xi[1] = bi + di;
        xr[3] = br - dr;
        xi[3] = bi - di;
    }
};

template <> struct Butterfly<5>
{
    template <typename T> static void run(T* xr, T* xi)
    {
        constexpr float C1 = 0.30901699437494742410f;  // cos(2 pi / 5)
        constexpr float C2 = -0.80901699437494742410f; // cos(4 pi / 5)
        constexpr float S1 = 0.95105651629515357212f;  // sin(2 pi / 5)
        constexpr float S2 = 0.58778525229247312917f;  // sin(4 pi / 5)
        const T a1r = xr[1] + xr[4], a1i = xi[1] + xi[4];
        const T b1r = xr[1] - xr[4], b1i = xi[1] - xi[4];
        const T a2r = xr[2] + xr[3], a2i = xi[2] + xi[3];
        const T b2r = xr[2] - xr[3], b2i = xi[2] - xi[3];
        const T m1r = xr[0] + C1 * a1r + C2 * a2r, m1i = xi[0] + C1 * a1i + C2 * a2i;
        const T m2r = xr[0] + C2 * a1r + C1 * a2r, m2i = xi[0] + C2 * a1i + C1 * a2i;
        // -i (s1 b1 + s2 b2) and -i (s2 b1 - s1 b2)
        const T n1r = S1 * b1i + S2 * b2i, n1i = -(S1 * b1r + S2 * b2r);
        const T n2r = S2 * b1i - S1 * b2i, n2i = -(S2 * b1r - S1 * b2r);
        xr[0] += a1r + a2r;
        xi[0] += a1i + a2i;
        xr[1] = m1r + n1r;
        xi[1] = m1i + n1i;
        xr[4] = m1r - n1r;
        xi[4] = m1i - n1i;
        xr[2] = m2r + n2r;
        xi[2] = m2i + n2i;
        xr[3] = m2r - n2r;
        xi[3] = m2i - n2i;
    }
};

template <> struct Butterfly<8>
{
    template <typename T> static void run(T* xr, T* xi)
    {
        constexpr float H = 0.70710678118654752440f;
        T er[4] = {xr[0], xr[2], xr[4], xr[6]}, ei[4] = {xi[0], xi[2], xi[4], xi[6]};
        T orr[4] = {xr[1], xr[3], xr[5], xr[7]}, oi[4] = {xi[1], xi[3], xi[5], xi[7]};
        Butterfly<4>::run(er, ei);
        Butterfly<4>::run(orr, oi);
        // The odd half turns by e^(-2 pi i k / 8).
        const T o1r = H * (orr[1] + oi[1]), o1i = H * (oi[1] - orr[1]);
        TimesMinusI(orr[2], oi[2]);
        const T o3r = H * (oi[3] - orr[3]), o3i = -H * (orr[3] + oi[3]);
        orr[1] = o1r;
        oi[1] = o1i;
        orr[3] = o3r;
        oi[3] = o3i;
        for (int k = 0; k < 4; ++k) {
            xr[k] = er[k] + orr[k];
            xi[k] = ei[k] + oi[k];
            xr[k + 4] = er[k] - orr[k];
            xi[k + 4] = ei[k] - oi[k];
        }
    }
};

template <> struct Butterfly<10>
{
    template <typename T> static void run(T* xr, T* xi)
    {
        T er[5] = {xr[0], xr[2], xr[4], xr[6], xr[8]}, ei[5] = {xi[0], xi[2], xi[4], xi[6], xi[8]};
        T orr[5] = {xr[1], xr[3], xr[5], xr[7], xr[9]}, oi[5] = {xi[1], xi[3], xi[5], xi[7], xi[9]};
        Butterfly<5>::run(er, ei);
        Butterfly<5>::run(orr, oi);
        // cos and sin of 2 pi k / 10
        constexpr float C[5] = {1.0f, 0.80901699437494742410f, 0.30901699437494742410f,
                                -0.30901699437494742410f, -0.80901699437494742410f};
        constexpr float S[5] = {0.0f, 0.58778525229247312917f, 0.95105651629515357212f,
                                0.95105651629515357212f, 0.58778525229247312917f};
        for (int k = 0; k < 5; ++k) {
            const T tr = orr[k] * C[k] + oi[k] * S[k];
            const T ti = oi[k] * C[k] - orr[k] * S[k];
            xr[k] = er[k] + tr;
            xi[k] = ei[k] + ti;
            xr[k + 5] = er[k] - tr;
            xi[k + 5] = ei[k] - ti;
        }
    }
};

// The first pass combines transforms of length 1, so it needs no twiddles. It reads the
// input in digit-reversed order itself: the R inputs of group g lie `stride` (N / R) apart
// from base[g]. One sweep instead of a copy and a pass.
template <int R>
void FirstPass(const FftComplex* __restrict input, const int* __restrict base, int stride,
               float* __restrict re, float* __restrict im, int groups)
{
    for (int g = 0; g < groups; ++g) {
        const FftComplex* x = input + base[g];
        float xr[R], xi[R];
        for (int r = 0; r < R; ++r) {
            xr[r] = x[r * stride].real();
            xi[r] = x[r * stride].imag();
        }
        Butterfly<R>::run(xr, xi);
        for (int r = 0; r < R; ++r) {
            re[g * R + r] = xr[r];
            im[g * R + r] = xi[r];
        }
    }
}

// Later passes: R transforms of length `sofar` side by side become one of length R * sofar.
// T is a float or a vector of neighbouring floats, whose count divides `sofar`.
template <int R, typename T>
void TwiddlePass(float* __restrict re, float* __restrict im, int sofar, int groups,
                 const float* __restrict twr, const float* __restrict twi)
{
    constexpr int W = int(sizeof(T) / sizeof(float));
    const int span = sofar * R;
    for (int g = 0; g < groups; ++g) {
        float* br = re + g * span;
        float* bi = im + g * span;
        for (int j = 0; j < sofar; j += W) {
            T xr[R], xi[R];
            Load(xr[0], br + j);
            Load(xi[0], bi + j);
            for (int r = 1; r < R; ++r) {
                T ar, ai, wr, wi;
                Load(ar, br + j + r * sofar);
                Load(ai, bi + j + r * sofar);
                Load(wr, twr + (r - 1) * sofar + j);
                Load(wi, twi + (r - 1) * sofar + j);
                xr[r] = ar * wr - ai * wi;
                xi[r] = ar * wi + ai * wr;
            }
            Butterfly<R>::run(xr, xi);
            for (int r = 0; r < R; ++r) {
                Store(br + j + r * sofar, xr[r]);
                Store(bi + j + r * sofar, xi[r]);
            }
        }
    }
}

template <int R>
void RadixPass(float* re, float* im, int sofar, int groups, const float* twr, const float* twi)
{
#ifdef AEC_FFT_VECTORS
    if (sofar % 4 == 0)
        return TwiddlePass<R, Float4>(re, im, sofar, groups, twr, twi);
#endif
    TwiddlePass<R, float>(re, im, sofar, groups, twr, twi);
}

bool HasButterfly(int radix)
{
    return radix == 2 || radix == 3 || radix == 4 || radix == 5 || radix == 8 || radix == 10;
}

} // namespace

std::vector<int> FftFactors(int length)
{
    if (length < 1)
        throw FftError("FFT length must be at least 1");
    std::vector<int> extracted;
    int n = length;
    const int radices[] = {2, 3, 4, 5, 8, 10};
    for (int i = 5; n > 1 && i >= 0;) {
        if (n % radices[i] == 0) {
            n /= radices[i];
            extracted.push_back(radices[i]);
        } else {
            --i;
        }
    }
    // A lone 2 after an 8: two passes of 4 are cheaper than 8 and 2.
    if (!extracted.empty() && extracted.back() == 2) {
        for (auto it = extracted.rbegin() + 1; it != extracted.rend(); ++it) {
            if (*it == 8) {
                *it = 4;
                extracted.back() = 4;
                break;
            }
        }
    }
    for (int k = 7; n > 1 && k * k <= n; ++k) {
        while (n % k == 0) {
            n /= k;
            extracted.push_back(k);
        }
    }
    if (n > 1)
        extracted.push_back(n);
    for (const int f : extracted)
        if (f > MaxPrimeFactor)
            throw FftError(PrimeFactorTooLarge);
    return {extracted.rbegin(), extracted.rend()};
}

FftPlan::FftPlan(int length)
    : m_length(length), m_factors(FftFactors(length)),
      m_digitReversed(static_cast<std::size_t>(length)), m_re(static_cast<std::size_t>(length)),
      m_im(static_cast<std::size_t>(length))
{
    // Position p, written in the mixed radix of the factors (last factor most significant),
    // takes the input index whose digits are those of p in reverse order.
    for (int p = 0; p < length; ++p) {
        int rest = p;
        int weight = length;
        int index = 0;
        int multiplier = 1;
        for (auto f = m_factors.rbegin(); f != m_factors.rend(); ++f) {
            weight /= *f;
            index += rest / weight * multiplier;
            rest %= weight;
            multiplier *= *f;
        }
        m_digitReversed[static_cast<std::size_t>(p)] = index;
    }

    int sofar = 1;
    for (const int radix : m_factors) {
        Pass pass;
        pass.radix = radix;
        pass.sofar = sofar;
        pass.groups = length / (sofar * radix);
        const long long m = static_cast<long long>(sofar) * radix;
        const auto cells = static_cast<std::size_t>((radix - 1) * sofar);
        pass.twiddleRe.resize(cells);
        pass.twiddleIm.resize(cells);
        for (int r = 1; r < radix; ++r) {
            for (int j = 0; j < sofar; ++j) {
                // cos(2 pi rj / M) - i sin(2 pi rj / M)
                const double angle = 2 * Pi * double(static_cast<long long>(r) * j % m) / double(m);
                const auto cell = static_cast<std::size_t>((r - 1) * sofar + j);
                pass.twiddleRe[cell] = static_cast<float>(std::cos(angle));
                pass.twiddleIm[cell] = static_cast<float>(-std::sin(angle));
            }
        }
        if (!HasButterfly(radix)) {
            for (int k = 0; k < radix; ++k) {
                pass.rootCos.push_back(std::cos(2 * Pi * k / radix));
                pass.rootSin.push_back(std::sin(2 * Pi * k / radix));
            }
        }
        m_passes.push_back(std::move(pass));
        sofar *= radix;
    }
    if (!m_factors.empty() && HasButterfly(m_factors.front())) {
        const int radix = m_factors.front();
        for (int g = 0; g < length / radix; ++g)
            m_groupBase.push_back(m_digitReversed[static_cast<std::size_t>(g * radix)]);
    }
}

void FftPlan::transform(const FftComplex* input, FftComplex* output)
{
    std::size_t next = 0;
    if (!m_groupBase.empty()) {
        firstPass(input);
        next = 1;
    } else {
        for (std::size_t p = 0; p < m_re.size(); ++p) {
            const FftComplex v = input[m_digitReversed[p]];
            m_re[p] = v.real();
            m_im[p] = v.imag();
        }
    }
    for (; next < m_passes.size(); ++next)
        runPass(m_passes[next]);
    for (std::size_t k = 0; k < m_re.size(); ++k)
        output[k] = FftComplex(m_re[k], m_im[k]);
}

void FftPlan::firstPass(const FftComplex* input)
{
    const int radix = m_factors.front();
    const int groups = m_length / radix;
    const int* base = m_groupBase.data();
    float* re = m_re.data();
    float* im = m_im.data();
    switch (radix) {
    case 2:
        return FirstPass<2>(input, base, groups, re, im, groups);
    case 3:
        return FirstPass<3>(input, base, groups, re, im, groups);
    case 4:
        return FirstPass<4>(input, base, groups, re, im, groups);
    case 5:
        return FirstPass<5>(input, base, groups, re, im, groups);
    case 8:
        return FirstPass<8>(input, base, groups, re, im, groups);
    default:
        return FirstPass<10>(input, base, groups, re, im, groups);
    }
}

void FftPlan::runPass(const Pass& pass)
{
    float* re = m_re.data();
    float* im = m_im.data();
    const float* twr = pass.twiddleRe.data();
    const float* twi = pass.twiddleIm.data();
    switch (pass.radix) {
    case 2:
        return RadixPass<2>(re, im, pass.sofar, pass.groups, twr, twi);
    case 3:
        return RadixPass<3>(re, im, pass.sofar, pass.groups, twr, twi);
    case 4:
        return RadixPass<4>(re, im, pass.sofar, pass.groups, twr, twi);
    case 5:
        return RadixPass<5>(re, im, pass.sofar, pass.groups, twr, twi);
    case 8:
        return RadixPass<8>(re, im, pass.sofar, pass.groups, twr, twi);
    case 10:
        return RadixPass<10>(re, im, pass.sofar, pass.groups, twr, twi);
    default:
        break;
    }

    // Any other prime: pairs of opposite terms share their cosines, sums kept in double.
    const int radix = pass.radix;
    const int half = (radix - 1) / 2;
    std::vector<double> xr(static_cast<std::size_t>(radix)), xi(xr.size());
    std::vector<double> ar(xr.size()), ai(xr.size()), br(xr.size()), bi(xr.size());
    const int sofar = pass.sofar;
    for (int g = 0; g < pass.groups; ++g) {
        float* gr = re + g * sofar * radix;
        float* gi = im + g * sofar * radix;
        for (int j = 0; j < sofar; ++j) {
            xr[0] = gr[j];
            xi[0] = gi[j];
            for (int r = 1; r < radix; ++r) {
                const double vr = gr[j + r * sofar], vi = gi[j + r * sofar];
                const auto cell = static_cast<std::size_t>((r - 1) * sofar + j);
                const double wr = twr[cell], wi = twi[cell];
                xr[static_cast<std::size_t>(r)] = vr * wr - vi * wi;
                xi[static_cast<std::size_t>(r)] = vr * wi + vi * wr;
            }
            double sumR = xr[0], sumI = xi[0];
            for (std::size_t r = 1; r <= std::size_t(half); ++r) {
                const std::size_t mirror = std::size_t(radix) - r;
                ar[r] = xr[r] + xr[mirror];
                ai[r] = xi[r] + xi[mirror];
                br[r] = xr[r] - xr[mirror];
                bi[r] = xi[r] - xi[mirror];
                sumR += ar[r];
                sumI += ai[r];
            }
            gr[j] = static_cast<float>(sumR);
            gi[j] = static_cast<float>(sumI);
            for (int q = 1; q <= half; ++q) {
                double cr = xr[0], ci = xi[0], sr = 0, si = 0;
                for (int r = 1; r <= half; ++r) {
                    const auto k = static_cast<std::size_t>(r * q % radix);
                    const double c = pass.rootCos[k], s = pass.rootSin[k];
                    cr += ar[static_cast<std::size_t>(r)] * c;
                    ci += ai[static_cast<std::size_t>(r)] * c;
                    sr += br[static_cast<std::size_t>(r)] * s;
                    si += bi[static_cast<std::size_t>(r)] * s;
                }
                // X[q] = c - i s and X[radix - q] = c + i s
                gr[j + q * sofar] = static_cast<float>(cr + si);
                gi[j + q * sofar] = static_cast<float>(ci - sr);
                gr[j + (radix - q) * sofar] = static_cast<float>(cr - si);
                gi[j + (radix - q) * sofar] = static_cast<float>(ci + sr);
            }
        }
    }
}

void Fft(const FftComplex* input, FftComplex* output, int length)
{
    FftPlan plan(length);
    plan.transform(input, output);
}

} // namespace aec
