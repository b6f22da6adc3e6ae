#include <gtest/gtest.h>

#include <cmath>

#include "chisquare/chisquare.hpp"
#include "pinned.hpp"
#include "test_support.hpp"

using namespace ChiSquare;

namespace {

const double kPi = 3.14159265358979323846;

// The series stops at 1e-12; beta from LNGAMMA carries about 1e-10.
TEST(BetaRatio, AgreesWithHighPrecisionValues) {
    const struct {
        double x, p, q, value;  // I_x(p, q) to 17 digits
    } cases[] = {
        {0.5, 2, 3, 0.6875},
        {0.3, 0.5, 0.5, 0.36901011956554538},
        {0.01, 0.1, 10, 0.82448967090669877},  // 0.99 expanded: some 1700 terms
        {0.9, 5, 2, 0.885735},
        {0.001, 0.5, 30, 0.19276269384046288},
        {0.7, 30, 12, 0.40104779034961001},
        {0.45, 50, 60, 0.46423529143060354},
        {0.2, 3, 7, 0.261802496},
        {0.8, 2.5, 0.75, 0.45358391593971314},
    };
    for (const auto& c : cases) {
        int fault = -1;
        EXPECT_NEAR(BetaRatio(c.x, c.p, c.q, LnBeta(c.p, c.q), fault), c.value, 1e-9)
            << "x " << c.x << ", p " << c.p << ", q " << c.q;
        EXPECT_EQ(fault, 0);
    }
}

// With beta exact, a whole q ends the series exactly and only rounding is
// left; (2/π)·arcsin(√x) is I_x(1/2, 1/2).
TEST(BetaRatio, ExactBetaGivesClosedForms) {
    int fault = -1;
    EXPECT_NEAR(BetaRatio(0.5, 2, 3, std::log(1.0 / 12.0), fault), 11.0 / 16.0, 1e-15);
    EXPECT_EQ(fault, 0);
    EXPECT_NEAR(BetaRatio(0.3, 0.5, 0.5, std::log(kPi), fault),
                2.0 / kPi * std::asin(std::sqrt(0.3)), 1e-13);
    EXPECT_EQ(fault, 0);
}

TEST(BetaRatio, AgreesWithBetaInc) {
    for (const double p : {0.05, 0.5, 1.0, 2.5, 17.0, 150.0}) {
        for (const double q : {0.2, 1.0, 3.0, 40.0}) {
            for (const double x : {1e-4, 0.1, 0.35, 0.5, 0.8, 0.999}) {
                int fault = -1;
                const double got = BetaRatio(x, p, q, LnBeta(p, q), fault);
                EXPECT_NEAR(got, BetaInc(x, p, q), 1e-6) << "x " << x << ", p " << p << ", q " << q;
                EXPECT_EQ(fault, 0) << "x " << x << ", p " << p << ", q " << q;
            }
        }
    }
}

struct FaultCase {
    const char* what;
    double x, p, q, beta;
    int fault;
};

// On every fault x comes back unchanged; the parameters are tested first.
TEST(BetaRatio, FaultCodes) {
    const FaultCase cases[] = {
        {"x 0", 0.0, 2, 3, 0.0, 0},           {"x 1", 1.0, 2, 3, 0.0, 0},
        {"p 0", -0.1, 0, 3, 0.0, 1},          {"q negative", 0.5, 2, -1, 0.0, 1},
        {"p NaN", 0.5, kNaN, 3, 0.0, 1},      {"q NaN, x out too", 1.5, 2, kNaN, 0.0, 1},
        {"p infinite", 0.5, kInf, 3, 0.0, 1}, {"q infinite", 0.5, 2, kInf, 0.0, 1},
        {"beta NaN", 0.5, 2, 3, kNaN, 1},     {"beta infinite", 0.5, 2, 3, -kInf, 1},
        {"x above 1", 1.5, 2, 3, 0.0, 2},     {"x below 0", -1e-300, 2, 3, 0.0, 2},
        {"x infinite", kInf, 2, 3, 0.0, 2},
    };
    for (const FaultCase& c : cases) {
        int fault = -1;
        const double got = BetaRatio(c.x, c.p, c.q, c.beta, fault);
        EXPECT_EQ(fault, c.fault) << c.what;
        EXPECT_EQ(got, c.x) << c.what;
    }
    int fault = -1;
    EXPECT_TRUE(std::isnan(BetaRatio(kNaN, 2, 3, 0.0, fault)));
    EXPECT_EQ(fault, 2);
}

// Fault 3, x unchanged: a series that would need far more terms than the
// limit (the other tail expanded with 1 − x = 1 − 1e-8: some 2.8e9 terms),
// and a beta so far from ln B(p, q) that the result leaves [0, 1].
TEST(BetaRatio, NoResultGivesFaultThree) {
    const FaultCase cases[] = {
        {"slow series", 1e-8, 1e-5, 1e4, LnBeta(1e-5, 1e4), 3},
        {"wrong beta", 0.5, 2, 3, std::log(1.0 / 12.0) - 5.0, 3},
    };
    for (const FaultCase& c : cases) {
        int fault = -1;
        const double got = BetaRatio(c.x, c.p, c.q, c.beta, fault);
        EXPECT_EQ(fault, c.fault) << c.what;
        EXPECT_EQ(got, c.x) << c.what;
    }
}

// A term counter q + (1 − x)(p + q) beyond the int range cannot run out
// within the term limit; the series runs as it would with a wider counter.
// I_0.5(p, p) is 1/2; the huge parameters leave ln B(p, q) from LNGAMMA only
// some 1e-5 accurate.
TEST(BetaRatio, CounterBeyondTheIntRange) {
    const struct {
        double x, p, q, value, tolerance;
    } cases[] = {
        {0.5, 1.0, 1e10, 1.0, 1e-15},  // counter 5e9
        {0.5, 2e9, 2e9, 0.5, 2e-5},    // counter 4e9
    };
    for (const auto& c : cases) {
        int fault = -1;
        EXPECT_NEAR(BetaRatio(c.x, c.p, c.q, LnBeta(c.p, c.q), fault), c.value, c.tolerance)
            << "p " << c.p << ", q " << c.q;
        EXPECT_EQ(fault, 0) << "p " << c.p << ", q " << c.q;
    }
}

// Both tails, whole and fractional q, and a long series (x = 0.01, q = 10).
TEST(BetaRatio, PinnedOutputs) {
    const struct {
        double x, p, q, value;
    } cases[] = {
        {0.5, 2, 3, 0.68749999998965805},       {0.3, 0.5, 0.5, 0.36901011956126101},
        {0.01, 0.1, 10, 0.82448967089071057},   {0.9, 5, 2, 0.88573499999393879},
        {0.45, 50, 60, 0.46423529152177195},    {0.5, 10, 10, 0.50000000009864742},
        {0.999, 200, 0.7, 0.67094310072270058}, {0.25, 1e-3, 1e-3, 0.49945150752149392},
        {0.5, 2e9, 2e9, 0.50000204770273493},  // counter beyond the int range
    };
    for (const auto& c : cases) {
        int fault = -1;
        EXPECT_TRUE(Pinned(BetaRatio(c.x, c.p, c.q, LnBeta(c.p, c.q), fault), c.value))
            << "x " << c.x << ", p " << c.p << ", q " << c.q;
    }
}

}  // namespace
