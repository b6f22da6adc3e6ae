#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chisquare/chisquare.hpp"
#include "pinned.hpp"
#include "test_support.hpp"

using namespace ChiSquare;

namespace {

const char kItmax[] = "Error in routine BetaCF: ITMAX exceeded";
const char kInvalid[] = "Error in routine BetaInc: Invalid arguments";
const char kNoProbability[] = "Error in routine BetaInc: result not a probability";

struct BetaCase {
    double x, a, b, value;  // I_x(a, b) to 17 digits
};

// Both branches of the switch point (a + 1)/(a + b + 2), small and large
// parameters, a fraction that needs many steps (a = b = 50, x near the mean).
const BetaCase kBetaCases[] = {
    {0.5, 2, 3, 0.6875},
    {0.3, 0.5, 0.5, 0.36901011956554538},
    {0.01, 0.1, 10, 0.82448967090669877},
    {0.2, 1, 1, 0.2},
    {0.9, 5, 2, 0.885735},
    {0.001, 0.5, 30, 0.19276269384046288},
    {0.7, 30, 12, 0.40104779034961001},
    {0.45, 50, 60, 0.46423529143060354},
    {1e-10, 0.01, 0.02, 0.52972266975052517},
    {0.999, 200, 0.7, 0.67094310072925142},
    {0.5, 10, 10, 0.5},
    {0.25, 1e-3, 1e-3, 0.499451507519294},
    {0.6, 1000, 700, 0.8378197862078475},
};

// The fraction stops at a relative change of 3e-7; LNGAMMA adds about 1e-10.
TEST(BetaInc, AgreesWithHighPrecisionValues) {
    for (const BetaCase& c : kBetaCases) {
        EXPECT_NEAR(BetaInc(c.x, c.a, c.b), c.value, 1e-6 * c.value)
            << "x " << c.x << ", a " << c.a << ", b " << c.b;
    }
}

TEST(BetaInc, TailsAddUpToOne) {
    for (const double a : {0.05, 0.5, 1.0, 3.0, 20.0, 300.0}) {
        for (const double b : {0.05, 0.7, 1.0, 4.0, 45.0}) {
            for (const double x : {1e-6, 0.05, 0.3, 0.5, 0.77, 0.99}) {
                EXPECT_NEAR(BetaInc(x, a, b) + BetaInc(1.0 - x, b, a), 1.0, 1e-6)
                    << "x " << x << ", a " << a << ", b " << b;
            }
        }
    }
}

// For a = b = 1 the function is x itself; 0.5 lies on the switch point and
// takes the second branch.
TEST(BetaInc, UniformCaseIsTheIdentity) {
    for (const double x : {1e-9, 0.1, 0.25, 0.5, 0.8, 0.999})
        EXPECT_NEAR(BetaInc(x, 1, 1), x, 1e-10);
}

// At the ends no logarithm is taken, and the fraction settles at 1 at once.
TEST(BetaInc, EndsAreExact) {
    for (const double a : {1e-3, 0.5, 2.0, 1e5}) {
        for (const double b : {1e-3, 3.0, 1e5}) {
            EXPECT_EQ(BetaInc(0.0, a, b), 0.0) << "a " << a << ", b " << b;
            EXPECT_EQ(BetaInc(-0.0, a, b), 0.0) << "a " << a << ", b " << b;
            EXPECT_EQ(BetaInc(1.0, a, b), 1.0) << "a " << a << ", b " << b;
        }
    }
    EXPECT_EQ(BetaCF(2.0, 3.0, 0.0), 1.0);
}

TEST(BetaInc, FractionThatDoesNotSettleRaises) {
    EXPECT_EQ(RaisedMessage([] { BetaInc(0.5, 1e5, 1e5); }), kItmax);
    EXPECT_EQ(RaisedMessage([] { BetaCF(1e5, 1e5, 0.5); }), kItmax);
    EXPECT_EQ(RaisedMessage([] { BetaInc(0.5, 10, 10); }), "(no error)");
}

TEST(BetaInc, ArgumentsOutsideTheDomainRaise) {
    const struct {
        double x, a, b;
    } cases[] = {
        {-0.1, 2, 3},   {1.1, 2, 3},    {kNaN, 2, 3},   {kInf, 2, 3},   {-kInf, 2, 3},
        {0.5, 0, 3},    {0.5, -1, 3},   {0.5, kNaN, 3}, {0.5, kInf, 3}, {0.5, 2, 0},
        {0.5, 2, -0.0}, {0.5, 2, kNaN}, {0.5, 2, kInf}, {0.0, 0, 3},    {1.0, 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RaisedMessage([&] { BetaInc(c.x, c.a, c.b); }), kInvalid)
            << "x " << c.x << ", a " << c.a << ", b " << c.b;
    }
}

// ln Γ loses the front factor for extreme parameters: just above 1e-10 it is
// accurate only to some 1e-7, and for b of 1e100 ln Γ(a + b) − ln Γ(a) −
// ln Γ(b) cancels to 0. The results left [0, 1] (1 + 1.1e-7 and 4.5e307).
TEST(BetaInc, ResultThatIsNoProbabilityRaises) {
    const struct {
        double x, a, b;
    } cases[] = {
        {0.35471843221423233, 1.7626941571206797e-10, 0.026044539123116935},
        {4.9e-324, 2.2e-308, 1e100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RaisedMessage([&] { BetaInc(c.x, c.a, c.b); }), kNoProbability)
            << "x " << c.x << ", a " << c.a << ", b " << c.b;
    }
}

// Both branches, and a = b = 10 on the switch point 0.5 (second branch).
TEST(BetaInc, PinnedOutputs) {
    const BetaCase cases[] = {
        {0.5, 2, 3, 0.68749999998965805},       {0.3, 0.5, 0.5, 0.36901011954320695},
        {0.01, 0.1, 10, 0.82448967090838499},   {0.9, 5, 2, 0.88573499999520855},
        {0.45, 50, 60, 0.46423529455417412},    {0.5, 10, 10, 0.50000000001373002},
        {0.999, 200, 0.7, 0.67094310072278451}, {0.25, 1e-3, 1e-3, 0.49945150751683437},
    };
    for (const BetaCase& c : cases) {
        EXPECT_TRUE(Pinned(BetaInc(c.x, c.a, c.b), c.value))
            << "x " << c.x << ", a " << c.a << ", b " << c.b;
    }
}

}  // namespace
