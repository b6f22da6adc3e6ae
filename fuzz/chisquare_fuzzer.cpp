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

using Fuzzer = void (*)(FuzzInput&);
const Fuzzer kFuzzers[] = {
    FuzzLogGamma,   FuzzSeries,     FuzzContinuedFraction,
    FuzzLowerGamma, FuzzUpperGamma, FuzzChiSquareTail,
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
