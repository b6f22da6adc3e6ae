#include <gtest/gtest.h>

#include <cmath>

#include "chisquare/chisquare.hpp"
#include "pinned.hpp"
#include "test_support.hpp"

using namespace ChiSquare;

namespace {

// The point where BetaInc(·, p, q) crosses alpha, by bisection.
double CrossingOfBetaInc(double p, double q, double alpha) {
    double lo = 0.0;
    double hi = 1.0;
    for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
        const double mid = 0.5 * (lo + hi);
        (BetaInc(mid, p, q) < alpha ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

TEST(BetaRatioInverse, KnownPoints) {
    const struct {
        double p, q, beta, alpha, x, tolerance;
    } cases[] = {
        {1, 1, 0.0, 0.2, 0.2, 1e-7},                           // uniform
        {10, 10, LnBeta(10, 10), 0.5, 0.5, 1e-7},              // symmetric
        {2, 3, std::log(1.0 / 12.0), 11.0 / 16.0, 0.5, 1e-7},  // upper tail
        {5, 2, LnBeta(5, 2), 0.9, 0.90740474108687125, 1e-7},  // upper tail, swapped
    };
    for (const auto& c : cases) {
        int fault = -1;
        EXPECT_NEAR(BetaRatioInverse(c.p, c.q, c.beta, c.alpha, fault), c.x, c.tolerance)
            << "p " << c.p << ", q " << c.q << ", alpha " << c.alpha;
        EXPECT_EQ(fault, 0);
    }
}

// The iteration stops once its correction is at most 1e-7 or so in x, so the
// point lies that close to where BetaInc crosses alpha. Shapes below 1 and
// above, both tails, the smallest alpha far below the range of a².
TEST(BetaRatioInverse, InvertsBetaInc) {
    for (const double p : {0.5, 1.0, 2.5, 10.0, 60.0}) {
        for (const double q : {0.5, 1.0, 4.0, 25.0}) {
            for (const double alpha : {1e-300, 1e-10, 0.001, 0.05, 0.3, 0.5, 0.7, 0.95, 0.999}) {
                SCOPED_TRACE(testing::Message() << "p " << p << ", q " << q << ", alpha " << alpha);
                int fault = -1;
                const double x = BetaRatioInverse(p, q, LnBeta(p, q), alpha, fault);
                EXPECT_EQ(fault, 0);
                EXPECT_NEAR(x, CrossingOfBetaInc(p, q, alpha), 1e-6);
            }
        }
    }
}

// For a shape below about 5e-5 the accuracy exponent −5/pp² − 1/a^0.2 − 13
// lies beyond the int range (−5e12 for 1e-6); it is held at −308 before it
// is converted. The true points here are below the double range, and the
// iteration, whose stopping test is absolute in x, ends close to 0.
TEST(BetaRatioInverse, TinyShapeHoldsTheAccuracyExponentAtItsFloor) {
    const struct {
        double p, q, alpha;
    } cases[] = {{1e-6, 2, 0.3}, {1e-5, 0.5, 0.7}, {2e-5, 3, 0.5}};
    for (const auto& c : cases) {
        int fault = -1;
        const double x = BetaRatioInverse(c.p, c.q, LnBeta(c.p, c.q), c.alpha, fault);
        EXPECT_EQ(fault, 0) << "p " << c.p << ", q " << c.q << ", alpha " << c.alpha;
        EXPECT_GE(x, 0.0) << "p " << c.p << ", q " << c.q << ", alpha " << c.alpha;
        EXPECT_LT(x, 1e-6) << "p " << c.p << ", q " << c.q << ", alpha " << c.alpha;
    }
}

struct FaultCase {
    const char* what;
    double p, q, beta, alpha;
    int fault;
};

// On every fault alpha comes back unchanged; the parameters are tested first.
TEST(BetaRatioInverse, FaultCodes) {
    const FaultCase cases[] = {
        {"alpha 0", 2, 3, 0.0, 0.0, 0},
        {"alpha 1", 2, 3, 0.0, 1.0, 0},
        {"p 0", 0, 3, 0.0, 0.5, 1},
        {"q negative, alpha out too", 2, -1, 0.0, 1.5, 1},
        {"p NaN", kNaN, 3, 0.0, 0.5, 1},
        {"q infinite", 2, kInf, 0.0, 0.5, 1},
        {"beta NaN", 2, 3, kNaN, 0.5, 1},
        {"beta infinite", 2, 3, kInf, 0.5, 1},
        {"alpha below 0", 2, 3, 0.0, -0.1, 2},
        {"alpha above 1", 2, 3, 0.0, 1.5, 2},
        {"alpha infinite", 2, 3, 0.0, -kInf, 2},
    };
    for (const FaultCase& c : cases) {
        int fault = -1;
        const double got = BetaRatioInverse(c.p, c.q, c.beta, c.alpha, fault);
        EXPECT_EQ(fault, c.fault) << c.what;
        EXPECT_EQ(got, c.alpha) << c.what;
    }
    int fault = -1;
    EXPECT_TRUE(std::isnan(BetaRatioInverse(2, 3, 0.0, kNaN, fault)));
    EXPECT_EQ(fault, 2);
}

// With p = 1e4 and q = 0.1 the point for alpha = 1e-100 lies so far out
// that the beta density there overflows: the Newton correction is not
// finite, no step can be cut short enough, and the search gives up.
TEST(BetaRatioInverse, CorrectionThatIsNotFiniteGivesFaultThree) {
    int fault = -1;
    EXPECT_EQ(BetaRatioInverse(1e4, 0.1, LnBeta(1e4, 0.1), 1e-100, fault), 1e-100);
    EXPECT_EQ(fault, 3);
}

TEST(BetaRatioInverse, ErrorOfTheForwardFunctionPassesWithFaultZero) {
    int fault = -1;
    EXPECT_EQ(RaisedMessage([&] { BetaRatioInverse(1e5, 1e5, LnBeta(1e5, 1e5), 0.5, fault); }),
              "Error in routine BetaCF: ITMAX exceeded");
    EXPECT_EQ(fault, 0);
}

// Every starting formula: the normal approximation for p and q above 1, and
// for a shape at or below 1 the three cases of the chi-square approximation
// (t <= 0: p = 0.5, q = 0.05; then t <= 1: p = 0.1; and t > 1: p = 0.8);
// both tails; a stop on the accuracy exponent; alpha so small that the
// absolute stopping test ends early.
TEST(BetaRatioInverse, PinnedOutputs) {
    const struct {
        double p, q, alpha, x;
    } cases[] = {
        {10, 10, 0.05, 0.32008654252622998},         {5, 2, 0.9, 0.90740474103094604},
        {0.5, 0.05, 0.3, 0.99704803974207723},       {0.1, 5, 0.5, 0.00013014955240817284},
        {0.8, 2, 0.3, 0.11361612426326573},          {2.5, 0.7, 0.999, 0.99998085075548526},
        {0.5, 0.5, 0.158, 0.06034184490863137},  // ends on the accuracy test
        {0.5, 11, 0.935, 0.14638906332841284},       {3.3, 1, 0.12, 0.5259737316495201},
        {0.5, 0.5, 1e-250, 1.6971762251647288e-155}, {3, 4, 1e-300, 3.6840314985568166e-101},
    };
    for (const auto& c : cases) {
        int fault = -1;
        EXPECT_TRUE(Pinned(BetaRatioInverse(c.p, c.q, LnBeta(c.p, c.q), c.alpha, fault), c.x))
            << "p " << c.p << ", q " << c.q << ", alpha " << c.alpha;
    }
}

}  // namespace
