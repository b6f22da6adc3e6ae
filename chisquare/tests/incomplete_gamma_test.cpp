#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chisquare/chisquare.hpp"
#include "test_support.hpp"

using namespace ChiSquare;

namespace {

const char kGserLimit[] = "Error in routine GSER:  a too large, ITMAX too small";
const char kGcfLimit[] = "Error in routine GCF: a too large, ITMAX too small";
const char kGammpInvalid[] = "Error in routine GAMMP: Invalid arguments";
const char kGammqInvalid[] = "Error in routine GAMMQ:  Invalid arguments";

// ---- LNGAMMA ---------------------------------------------------------------

TEST(LogGamma, IntegersCarryTheApproximationError) {
    // No table of exact values: ln Γ(1) and ln Γ(2) come out near, not at, 0.
    EXPECT_NEAR(LNGAMMA(1.0), -3.4e-11, 0.1e-11);
    EXPECT_NEAR(LNGAMMA(2.0), -7.8e-11, 0.1e-11);
    EXPECT_NE(LNGAMMA(1.0), 0.0);
}

// Near 0 the first step x - 1 loses digits, so the comparison starts at 1e-3.
TEST(LogGamma, AgreesWithLgammaToTenDigits) {
    EXPECT_NEAR(LNGAMMA(0.5), 0.5723649429247000870717, 1e-10);
    for (const double x : {1e-3, 0.1, 0.9, 1.5, 3.0, 7.25, 10.0, 55.5, 171.0, 1e4, 1e8}) {
        const double want = std::lgamma(x);
        EXPECT_NEAR(LNGAMMA(x), want, 2e-10 * std::fmax(1.0, std::fabs(want))) << "x = " << x;
    }
}

TEST(LogGamma, TinyAndInfiniteArgumentsGiveTheLimit) {
    // Near 0 the approximation's first step x - 1 drops the digits of x: at
    // 1.5e-16 it was 0.3 too high, at or below 2^-54 it divided by zero.
    for (const double x : {9.9e-11, 1e-12, 1.5e-16, 1e-16, 0x1p-54, 1e-20, 1e-300, 4.9e-324}) {
        // Some C libraries' lgamma overflows for subnormal arguments.
        if (x >= 1e-300) {
            EXPECT_NEAR(LNGAMMA(x), std::lgamma(x), 1e-10) << "x = " << x;
        }
        EXPECT_EQ(LNGAMMA(x), -std::log(x)) << "x = " << x;
    }
    EXPECT_EQ(LNGAMMA(kInf), kInf);
}

// ---- GAMMP, GAMMQ and prob_chi2 against high-precision values ---------------

struct GammaCase {
    double a, x, p, q;  // P(a, x) and Q(a, x) to 17 digits
};

const GammaCase kGammaCases[] = {
    {0.5, 0.5, 0.6826894921370859, 0.3173105078629141},
    {0.5, 1.92073, 0.95000003516625258, 0.049999964833747422},
    {1, 2, 0.86466471676338731, 0.13533528323661269},
    {2.5, 1.25, 0.22350492887667729, 0.77649507112332271},
    {5, 5, 0.55950671493478759, 0.44049328506521241},
    {5, 12, 0.992399609318933, 0.0076003906810669955},
    {0.1, 0.05, 0.77553863545103057, 0.22446136454896943},
    {0.1, 3, 0.99843472825288565, 0.0015652717471143538},
    {50, 40, 0.070335066659394954, 0.92966493334060505},
    {50, 65, 0.97648760219019132, 0.023512397809808676},
    {250, 200, 0.00036207045828969313, 0.99963792954171031},
    {0.001, 0.001, 0.99368764670886029, 0.0063123532911397099},
    {20, 0.001, 4.1064049028301252e-79, 1.0},
    {3, 100, 1.0, 1.8976107553682284e-40},
    {1e4, 8e3, 6.1354485010904945e-103, 1.0},
    {0.5, 700, 1.0, 2.1010145162642175e-306},
};

// The evaluators stop at a relative tolerance of 3e-7 on their last term.
testing::AssertionResult WithinTolerance(double got, double want) {
    if (std::fabs(got - want) <= 1e-6 * want) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << got << ", want " << want;
}

TEST(IncompleteGamma, AgreesWithHighPrecisionValues) {
    for (const GammaCase& c : kGammaCases) {
        SCOPED_TRACE(testing::Message() << "a = " << c.a << ", x = " << c.x);
        EXPECT_TRUE(WithinTolerance(GAMMP(c.a, c.x), c.p));
        EXPECT_TRUE(WithinTolerance(GAMMQ(c.a, c.x), c.q));
        EXPECT_TRUE(WithinTolerance(prob_chi2(2 * c.x, 2 * c.a), c.q));
    }
}

TEST(IncompleteGamma, ZeroArgumentIsExact) {
    for (const double a : {1e-300, 0.5, 1.0, 7.0, 1e6}) {
        for (const double x : {0.0, -0.0}) {
            EXPECT_EQ(GAMMP(a, x), 0.0) << "a = " << a;
            EXPECT_EQ(GAMMQ(a, x), 1.0) << "a = " << a;
            EXPECT_EQ(prob_chi2(x, 2 * a), 1.0) << "df = " << 2 * a;
        }
    }
}

TEST(IncompleteGamma, BoundaryAtAPlusOneGoesToTheContinuedFraction) {
    // Two iterations of the fraction give e^-2 for a = 1, x = 2 closely.
    EXPECT_NEAR(GAMMQ(1, 2), std::exp(-2.0), 1e-8);
    EXPECT_NEAR(GAMMP(1, 2), 1 - std::exp(-2.0), 1e-8);
}

TEST(IncompleteGamma, TailUnderflowsToZeroWithoutError) {
    EXPECT_EQ(GAMMQ(0.5, 1000), 0.0);
    EXPECT_EQ(prob_chi2(2000, 1), 0.0);
    EXPECT_EQ(GAMMP(0.5, 1000), 1.0);
}

TEST(ProbChi2, TypicalValues) {
    EXPECT_NEAR(prob_chi2(3.84146, 1), 0.05, 0.5e-7);
    EXPECT_NEAR(prob_chi2(1, 1), 0.3173105078629141, 1e-7);
    EXPECT_NEAR(prob_chi2(10, 5), 0.075235246132000, 1e-7);
    EXPECT_NEAR(prob_chi2(4.02e4, 4e4), 0.239, 0.001);
}

// ---- Errors ------------------------------------------------------------------

struct RaiseCase {
    const char* what;
    double a, x;
};

TEST(IncompleteGamma, InvalidArgumentsRaiseInTheRoutinesWords) {
    const RaiseCase cases[] = {
        {"a zero", 0, 1},   {"a negative", -1, 1}, {"x negative", 1, -1}, {"a NaN", kNaN, 1},
        {"x NaN", 1, kNaN}, {"x -inf", 1, -kInf},  {"a -inf", -kInf, 1},  {"both inf", kInf, kInf},
    };
    for (const RaiseCase& c : cases) {
        EXPECT_EQ(RaisedMessage([&] { GAMMP(c.a, c.x); }), kGammpInvalid) << c.what;
        EXPECT_EQ(RaisedMessage([&] { GAMMQ(c.a, c.x); }), kGammqInvalid) << c.what;
        EXPECT_EQ(RaisedMessage([&] { prob_chi2(2 * c.x, 2 * c.a); }), kGammqInvalid) << c.what;
    }
}

TEST(ProbChi2, IterationLimits) {
    const struct {
        double value, df;
        const char* message;  // nullptr: succeeds
    } cases[] = {
        {700, 700, nullptr},                                  // 95 terms of the series
        {900, 900, kGserLimit},                               // 107 needed
        {998, 998, kGserLimit},                               // 112 needed
        {1000, 1000, kGserLimit}, {1e5 + 2, 1e5, kGcfLimit},  // 195 needed
        {4.02e4, 4e4, nullptr},                               // 69 iterations
    };
    for (const auto& c : cases) {
        const std::string got = RaisedMessage([&] { prob_chi2(c.value, c.df); });
        EXPECT_EQ(got, c.message ? c.message : "(no error)") << c.value << ", " << c.df;
    }
}

TEST(Evaluators, StoreLogGammaBeforeRaising) {
    double result = -7.0;
    double gln = 0.0;
    EXPECT_EQ(RaisedMessage([&] { GSER(result, 3.0, -1.0, gln); }),
              "Error in routine GSER: x less than 0");
    EXPECT_EQ(gln, LNGAMMA(3.0));
    EXPECT_EQ(result, -7.0);

    EXPECT_EQ(RaisedMessage([&] { GSER(result, 3.0, kNaN, gln); }),
              "Error in routine GSER: x less than 0");

    gln = 0.0;
    EXPECT_EQ(RaisedMessage([&] { GSER(result, 500.0, 500.0, gln); }), kGserLimit);
    EXPECT_EQ(gln, LNGAMMA(500.0));

    gln = 0.0;
    EXPECT_EQ(RaisedMessage([&] { GCF(result, 5e4, 5e4 + 1, gln); }), kGcfLimit);
    EXPECT_EQ(gln, LNGAMMA(5e4));
    EXPECT_EQ(result, -7.0);
}

TEST(Evaluators, SeriesAtZeroStoresZero) {
    double result = -7.0;
    double gln = 0.0;
    GSER(result, 2.0, -0.0, gln);
    EXPECT_EQ(result, 0.0);
    EXPECT_EQ(gln, LNGAMMA(2.0));
}

// ---- Arguments at the ends of the double range --------------------------------

TEST(IncompleteGamma, InfiniteArgumentGivesTheLimit) {
    for (const double finite : {1e-300, 0.5, 3.0, 1e300}) {
        EXPECT_EQ(GAMMQ(finite, kInf), 0.0) << finite;
        EXPECT_EQ(GAMMP(finite, kInf), 1.0) << finite;
        EXPECT_EQ(GAMMQ(kInf, finite), 1.0) << finite;
        EXPECT_EQ(GAMMP(kInf, finite), 0.0) << finite;
        EXPECT_EQ(GAMMQ(kInf, 0.0), 1.0);
    }
    EXPECT_EQ(prob_chi2(kInf, 1), 0.0);
    EXPECT_EQ(prob_chi2(1, kInf), 1.0);
}

TEST(IncompleteGamma, TinyShapeGivesPNearOne) {
    // Q(a, x) is about a·E1(x) for a near 0, so P is 1 up to the series'
    // tolerance; below 2^-1024, where 1/a overflows, P is exactly 1.
    for (const double a : {1e-12, 1.5e-16, 0x1p-54, 1e-20, 1e-300, 1e-310, 4.9e-324}) {
        for (const double x : {1e-3, 0.5, 0.99}) {
            SCOPED_TRACE(testing::Message() << "a = " << a << ", x = " << x);
            EXPECT_NEAR(GAMMP(a, x), 1.0, 1e-7);
            EXPECT_NEAR(GAMMQ(a, x), 0.0, 1e-7);
        }
        EXPECT_LE(GAMMQ(a, 5.0), a * 1.2e-3) << a;  // continued fraction: a·E1(5)
    }
    EXPECT_EQ(GAMMP(1e-310, 0.5), 1.0);
}

// Found by fuzzing: GAMMQ(1e-12, 0.5) gave -1.3e-5 and GAMMQ(1e-10, 0.5)
// -7.9e-8, as the series for P overshot 1 where ln Γ(a) is inexact.
TEST(IncompleteGamma, TinyShapeKeepsProbabilitiesWithinZeroAndOne) {
    for (const double a : {1e-16, 2e-16, 1e-14, 1e-12, 1e-10, 1e-8}) {
        for (const double x : {1e-3, 0.5, 0.99}) {
            SCOPED_TRACE(testing::Message() << "a = " << a << ", x = " << x);
            double p = -1.0;
            double gln = 0.0;
            GSER(p, a, x, gln);
            EXPECT_LE(p, 1.0);
            EXPECT_LE(GAMMP(a, x), 1.0);
            EXPECT_GE(GAMMQ(a, x), 0.0);
            EXPECT_GE(prob_chi2(2 * x, 2 * a), 0.0);
        }
    }
}

// Found by fuzzing: prob_chi2(99999999959582955.49, 99999999000000000) gave
// 2.7e102. For such a the rounding of a·ln x alone moves the exponent of
// x^a e^-x / Γ(a) by hundreds; from a of about 1.5e8 it passes the tolerance.
TEST(IncompleteGamma, HugeShapeRaisesWhereTheExponentFactorIsInexact) {
    const char kGcfInexact[] = "Error in routine GCF: a too large, exponent inexact";
    const struct {
        double a, x;
        const char* message;  // nullptr: returns a probability
    } cases[] = {
        {49999999500000000, 49999999979791477.745, kGcfInexact},
        {1e9, 1.0001e9, kGcfInexact},
        {1e8, 1.0003e8, nullptr},  // the exponent still within tolerance
        {1e12, 2e12, nullptr},     // the tail underflows to 0 however rounded
        {1e12, 0.5e12, nullptr},   // P underflows likewise
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "a = " << c.a << ", x = " << c.x);
        const std::string got = RaisedMessage([&] {
            const double q = GAMMQ(c.a, c.x);
            EXPECT_GE(q, 0.0);
            EXPECT_LE(q, 1.0);
        });
        EXPECT_EQ(got, c.message ? c.message : "(no error)");
    }
}

TEST(IncompleteGamma, HugeArgumentsGiveZeroTailNeverNaN) {
    // x beyond about 1.3e154 overflows the fraction's first denominator; far
    // beyond a, the tail is 0. Shapes beyond about 2.5e305 overflow ln Γ.
    const struct {
        double a, x, q;
    } cases[] = {
        {0.5, 1.4e154, 0.0}, {3.0, 1e200, 0.0},     {1e150, 1e300, 0.0}, {0.5, 1.7e308, 0.0},
        {1e306, 1e300, 1.0}, {1e306, 1.7e308, 0.0}, {1e306, 2e306, 0.0}, {2e307, 1e307, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "a = " << c.a << ", x = " << c.x);
        EXPECT_EQ(GAMMQ(c.a, c.x), c.q);
        EXPECT_EQ(GAMMP(c.a, c.x), 1.0 - c.q);
    }
    EXPECT_EQ(prob_chi2(3e154, 1), 0.0);
    EXPECT_EQ(prob_chi2(1.7e308, 10), 0.0);
}

}  // namespace
