// Fuzzes the routines of the ChiSquare module with arbitrary doubles.
//
// The first byte picks a routine, the rest supplies its arguments (see
// FuzzInput). Whatever the arguments, a call must end without a crash or
// undefined behaviour, either by raising ChiSquare::XMsg with a message of
// the form "Error in routine NAME: reason" or by returning a result in the
// routine's range. Arguments outside a routine's stated preconditions (where
// the caller is responsible) are not passed.
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "chisquare/chisquare.hpp"
#include "fuzz_input.hpp"

namespace {

char g_call[512];  // the call under test, for the report of a failed check

void Describe(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(g_call, sizeof g_call, format, args);
    va_end(args);
}

[[noreturn]] void Fail(const char* what, double got) {
    std::fprintf(stderr, "%s: %s, got %.17g\n", g_call, what, got);
    std::abort();
}

void ExpectProbability(double p) {
    if (!(p >= 0.0 && p <= 1.0)) Fail("probability outside [0, 1]", p);
}

void ExpectNumber(double v) {
    if (std::isnan(v)) Fail("not a number", v);
}

// ---- Log-gamma, incomplete gamma and chi-square tail probability ----------

void FuzzLogGamma(FuzzInput& in) {
    const double x = in.Double();
    if (!(x > 0.0)) return;  // the caller's responsibility
    Describe("LNGAMMA(%a)", x);
    ExpectNumber(ChiSquare::LNGAMMA(x));
}

// The evaluators are called only where GAMMP and GAMMQ call them: a > 0, and
// x below a + 1 for the series, at or above it for the continued fraction.
void FuzzSeries(FuzzInput& in) {
    const double a = in.Double();
    const double x = in.Double();
    if (!(a > 0.0) || x >= a + 1.0) return;
    Describe("GSER(a = %a, x = %a)", a, x);
    double result = -1.0;
    double gln = -1.0;
    ChiSquare::GSER(result, a, x, gln);
    ExpectProbability(result);
    ExpectNumber(gln);
}

void FuzzContinuedFraction(FuzzInput& in) {
    const double a = in.Double();
    const double x = in.Double();
    if (!(a > 0.0) || !(x >= a + 1.0)) return;
    Describe("GCF(a = %a, x = %a)", a, x);
    double result = -1.0;
    double gln = -1.0;
    ChiSquare::GCF(result, a, x, gln);
    ExpectProbability(result);
    ExpectNumber(gln);
}

void FuzzLowerGamma(FuzzInput& in) {
    const double a = in.Double();
    const double x = in.Double();
    Describe("GAMMP(%a, %a)", a, x);
    ExpectProbability(ChiSquare::GAMMP(a, x));
}

void FuzzUpperGamma(FuzzInput& in) {
    const double a = in.Double();
    const double x = in.Double();
    Describe("GAMMQ(%a, %a)", a, x);
    ExpectProbability(ChiSquare::GAMMQ(a, x));
}

void FuzzChiSquareTail(FuzzInput& in) {
    const double value = in.Double();
    const double df = in.Double();
    Describe("prob_chi2(%a, %a)", value, df);
    ExpectProbability(ChiSquare::prob_chi2(value, df));
}

// ---- Percentage points and discrete gamma categories ------------------------

void FuzzNormalPoint(FuzzInput& in) {
    const double prob = in.Double();
    Describe("point_normal(%a)", prob);
    const double z = ChiSquare::point_normal(prob);
    if (!std::isfinite(z)) Fail("not a finite number", z);
}

void FuzzChiSquarePoint(FuzzInput& in) {
    const double prob = in.Double();
    const double df = in.Double();
    Describe("point_chi2(%a, %a)", prob, df);
    const double x = ChiSquare::point_chi2(prob, df);
    if (x != -1.0 && !(x >= 0.0)) Fail("neither a point nor -1", x);
}

// K stays small so that each run is fast; the arrays have exactly K elements
// so that AddressSanitizer sees any write beyond them.
void FuzzDiscreteGamma(FuzzInput& in) {
    const double alpha = in.Double();
    const int k = in.Int(-1, 64);
    const int median = in.Byte() & 1;
    Describe("discrete_gamma(%a, K = %d, median = %d)", alpha, k, median);
    const std::size_t n = k > 0 ? static_cast<std::size_t>(k) : 1u;
    std::vector<double> rates(n, -1.0), freqs(n, -1.0), cumfreqs(n, -1.0);
    ChiSquare::discrete_gamma(alpha, k, rates.data(), freqs.data(), cumfreqs.data(), median);
    for (std::size_t i = 0; i < n; ++i) {
        if (!(rates[i] >= 0.0)) Fail("rate negative or not a number", rates[i]);
        ExpectProbability(freqs[i]);
        if (!(cumfreqs[i] > 0.0 && cumfreqs[i] < 1.0 + 1e-9))
            Fail("running frequency outside (0, 1]", cumfreqs[i]);
    }
}

// ---- Incomplete beta, its ratio and inverse -------------------------------

// The continued fraction is called where BetaInc calls it: a, b > 0 and x in
// [0, 1].
void FuzzBetaFraction(FuzzInput& in) {
    const double a = in.Double();
    const double b = in.Double();
    const double x = in.Double();
    if (!(a > 0.0 && b > 0.0 && x >= 0.0 && x <= 1.0)) return;
    Describe("BetaCF(%a, %a, %a)", a, b, x);
    ExpectNumber(ChiSquare::BetaCF(a, b, x));
}

void FuzzBetaIncomplete(FuzzInput& in) {
    const double x = in.Double();
    const double a = in.Double();
    const double b = in.Double();
    Describe("BetaInc(%a, %a, %a)", x, a, b);
    ExpectProbability(ChiSquare::BetaInc(x, a, b));
}

// ln B(p, q) as callers compute it, or (odd selector byte) an arbitrary
// double, with which the result need not be a probability.
double LogBeta(FuzzInput& in, double p, double q, bool& computed) {
    computed = (in.Byte() & 1) == 0;
    if (computed) return ChiSquare::LNGAMMA(p) + ChiSquare::LNGAMMA(q) - ChiSquare::LNGAMMA(p + q);
    return in.Double();
}

bool SameDouble(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The fault code is always written: 0 for a result, 1 to 3 for the argument
// returned unchanged.
void ExpectFaultOutcome(int fault, double argument, double result, bool probability) {
    if (fault < 0 || fault > 3) Fail("fault code outside 0 to 3", fault);
    if (fault != 0) {
        if (!SameDouble(result, argument)) Fail("argument not returned on a fault", result);
    } else if (probability) {
        ExpectProbability(result);
    }
}

void FuzzBetaRatio(FuzzInput& in) {
    const double x = in.Double();
    const double p = in.Double();
    const double q = in.Double();
    bool computed = false;
    const double beta = LogBeta(in, p, q, computed);
    if (computed && !(p > 0.0 && q > 0.0)) return;  // LNGAMMA needs positive arguments
    Describe("BetaRatio(%a, %a, %a, beta = %a)", x, p, q, beta);
    int fault = -1;
    const double r = ChiSquare::BetaRatio(x, p, q, beta, fault);
    ExpectFaultOutcome(fault, x, r, computed);
}

void FuzzBetaRatioInverse(FuzzInput& in) {
    const double p = in.Double();
    const double q = in.Double();
    const double alpha = in.Double();
    bool computed = false;
    const double beta = LogBeta(in, p, q, computed);
    if (computed && !(p > 0.0 && q > 0.0)) return;
    Describe("BetaRatioInverse(%a, %a, beta = %a, %a)", p, q, beta, alpha);
    int fault = -1;
    const double x = ChiSquare::BetaRatioInverse(p, q, beta, alpha, fault);
    ExpectFaultOutcome(fault, alpha, x, true);
}

using Fuzzer = void (*)(FuzzInput&);
const Fuzzer kFuzzers[] = {
    FuzzLogGamma,       FuzzSeries,      FuzzContinuedFraction, FuzzLowerGamma,    FuzzUpperGamma,
    FuzzChiSquareTail,  FuzzNormalPoint, FuzzChiSquarePoint,    FuzzDiscreteGamma, FuzzBetaFraction,
    FuzzBetaIncomplete, FuzzBetaRatio,   FuzzBetaRatioInverse,
};
constexpr std::size_t kFuzzerCount = sizeof kFuzzers / sizeof kFuzzers[0];

const char kMessagePrefix[] = "Error in routine ";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const Fuzzer fuzz = kFuzzers[in.Byte() % kFuzzerCount];
    try {
        fuzz(in);
    } catch (const ChiSquare::XMsg& e) {
        if (std::memchr(e.message, '\0', sizeof e.message) == nullptr)
            Fail("error message not terminated", 0.0);
        if (std::strncmp(e.message, kMessagePrefix, sizeof kMessagePrefix - 1) != 0) {
            std::fprintf(stderr, "%s: raised \"%s\"\n", g_call, e.message);
            std::abort();
        }
    }
    return 0;
}
