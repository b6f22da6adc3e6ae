#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chisquare/chisquare.hpp"
#include "pinned.hpp"
#include "test_support.hpp"

using namespace ChiSquare;

namespace {

// ---- point_normal ------------------------------------------------------------

// The rational approximation is good to about 1.5e-8 absolutely.
TEST(PointNormal, AgreesWithHighPrecisionValues) {
    const struct {
        double prob, z;
    } cases[] = {
        {1e-20, -9.2623400897984076}, {1e-10, -6.3613409024040562},   {0.001, -3.0902323061678135},
        {0.025, -1.9599639845400542}, {0.3, -0.52440051270804078},    {0.7, 0.52440051270804078},
        {0.975, 1.9599639845400542},  {0.999999, 4.7534243088228989},
    };
    for (const auto& c : cases) EXPECT_NEAR(point_normal(c.prob), c.z, 2e-8) << "prob " << c.prob;
}

TEST(PointNormal, MedianIsSmallPositiveNotZero) {
    const double z = point_normal(0.5);
    EXPECT_GT(z, 1e-8);
    EXPECT_LT(z, 2e-8);
}

TEST(PointNormal, TailsBelowTheFloorGiveTheMarker) {
    for (const double prob : {0.0, 1.0, -0.5, 1.5, 9.9e-21, 1.0 - 1e-17, kNaN, kInf, -kInf})
        EXPECT_EQ(point_normal(prob), -9999.0) << "prob " << prob;
}

// ---- point_chi2 --------------------------------------------------------------

testing::AssertionResult RelativelyNear(double got, double want, double tolerance) {
    if (std::fabs(got - want) <= tolerance * std::fabs(want)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << got << ", want " << want;
}

// One row per starting rule: small-value start (returned unrefined or
// refined), Wilson–Hilferty with and without its far-tail replacement, and the
// iterated start for df <= 0.32. The refinement stops at 5e-7 relatively.
TEST(PointChi2, AgreesWithHighPrecisionValues) {
    const struct {
        double prob, df, x;
    } cases[] = {
        {0.000002, 1, 6.2831853071927459e-12},  // small start, below 5e-7: unrefined
        {0.5, 0.1, 1.1147756881492486e-6},      // small start
        {0.6, 0.01, 4.8126039477451951e-45},    // small start
        {0.05, 1, 0.0039321400000195227},       // small start, refined
        {0.0001, 30, 9.2580911621122982},      {0.95, 1, 3.841458820694126},
        {0.5, 1, 0.45493642311957275},         {0.99, 2, 9.2103403719761827},
        {0.95, 10, 18.307038053275147},        {0.3, 3.7, 1.9590220142245271},
        {0.01, 50, 29.70668269884129},         {0.999, 500, 603.44600579517761},
        {0.999998, 1, 22.595042659708455},  // far upper tail: start replaced
        {0.9, 0.32, 0.95638256865413793},   // iterated start, at its bound
        {0.9, 0.3200001, 0.95638289891592892}, {0.999998, 0.32, 18.803054567427501},
        {0.999998, 0.05, 14.771143190182026},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "prob " << c.prob << ", df " << c.df);
        EXPECT_TRUE(RelativelyNear(point_chi2(c.prob, c.df), c.x, 5e-7));
    }
}

TEST(PointChi2, InvertsProbChi2) {
    for (const double df : {0.05, 0.32, 0.5, 1.0, 2.0, 3.7, 10.0, 64.0, 300.0, 700.0}) {
        for (const double prob : {0.000002, 0.001, 0.05, 0.3, 0.5, 0.8, 0.95, 0.999, 0.999998}) {
            SCOPED_TRACE(testing::Message() << "prob " << prob << ", df " << df);
            const double x = point_chi2(prob, df);
            if (x < 5e-7) continue;  // returned unrefined from the small-value start
            const double lower = 1.0 - prob_chi2(x, df);
            EXPECT_NEAR(lower, prob, 1e-6 * std::fmin(prob, 1.0 - prob)) << "x = " << x;
        }
    }
}

TEST(PointChi2, RejectedArgumentsGiveMinusOne) {
    const struct {
        double prob, df;
    } cases[] =
        {
            {0.0000019, 1}, {0.9999981, 1}, {0.0, 1},    {1.0, 1},    {0.5, 0},
            {0.5, -0.0},    {0.5, -1},      {kNaN, 1},   {0.5, kNaN}, {kInf, 1},
            {-kInf, 1},     {0.5, -kInf},   {0.5, kInf},  // no finite percentage point
        };
    for (const auto& c : cases)
        EXPECT_EQ(point_chi2(c.prob, c.df), -1.0) << "prob " << c.prob << ", df " << c.df;
    // Both bounds of the probability are accepted.
    EXPECT_GT(point_chi2(0.000002, 1), 0.0);
    EXPECT_GT(point_chi2(0.999998, 1), 0.0);
}

// A point below the double range is 0. For tiny df the small-value start
// would otherwise raise an inaccurate base just above 1 to a huge power (df
// 1e-14: ∞; df 2.6e-11: 2.7e291, which the refinement turns into NaN) or
// compute ∞·0 (subnormal df), and return NaN.
TEST(PointChi2, UnderflowingPointIsZero) {
    EXPECT_EQ(point_chi2(0.5, 0.0001), 0.0);
    EXPECT_EQ(point_chi2(0.999998, 1e-14), 0.0);
    EXPECT_EQ(point_chi2(0.99999711596849683, 2.5703957818894236e-11), 0.0);
    for (const double df : {1e-100, 2.2e-308, 1e-310, 4.9e-324}) {
        for (const double prob : {0.000002, 0.5, 0.999998})
            EXPECT_EQ(point_chi2(prob, df), 0.0) << "prob " << prob << ", df " << df;
    }
}

TEST(PointChi2, ErrorsOfTheIncompleteGammaPass) {
    EXPECT_EQ(RaisedMessage([] { point_chi2(0.5, 1000); }),
              "Error in routine GSER:  a too large, ITMAX too small");
}

// Where the incomplete gamma series stops one term earlier or later P jumps by
// more than the refinement's tolerance; a prob inside such a jump makes the
// refinement alternate between two estimates. Each row lies mid-jump.
TEST(PointChi2, RefinementThatAlternatesRaises) {
    const struct {
        double prob, df;
    } cases[] = {
        {0.9751801045, 0.048595941434619663},
        {0.9994539986, 0.0016292960326394948},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RaisedMessage([&] { point_chi2(c.prob, c.df); }),
                  "Error in routine point_chi2: refinement did not settle")
            << "prob " << c.prob << ", df " << c.df;
    }
}

// ---- Pinned outputs ------------------------------------------------------------

// One row per path: both signs of point_normal; every start of point_chi2,
// with df on either side of 0.32 and of the small-value bound -1.24·ln p
// (0.8595 for p = 0.5), and the far-tail replacement of the cube.
TEST(PercentagePoints, PinnedOutputs) {
    const struct {
        double prob, z;
    } normal[] = {
        {1e-20, -9.2623400748993419},
        {0.025, -1.9599639986264128},
        {0.5, 1.4900501721371029e-08},
        {0.9, 1.2815515609019674},
    };
    for (const auto& c : normal)
        EXPECT_TRUE(Pinned(point_normal(c.prob), c.z)) << "prob " << c.prob;

    const struct {
        double prob, df, x;
    } chi2[] = {
        {0.05, 1, 0.0039321399999323785},      {0.5, 0.1, 1.1147756880813294e-06},
        {0.95, 1, 3.8414591496174402},         {0.95, 10, 18.307038053784275},
        {0.5, 0.863, 0.34037151573894292},     {0.999998, 1, 22.59504268405265},
        {0.998, 0.4, 7.0252790378406003},       // cube just above 2.2·df + 6: replaced
        {0.000691, 1, 7.5002558841022842e-07},  // small start just above 5e-7: refined
        {0.999, 0.1, 5.4729173224976702},      {0.9, 0.32, 0.95638258326587477},
        {0.9, 0.3200001, 0.95638291352770655}, {0.999998, 0.05, 14.77114320465688},
        {0.3, 250, 237.8085277186882},
    };
    for (const auto& c : chi2) {
        EXPECT_TRUE(Pinned(point_chi2(c.prob, c.df), c.x)) << "prob " << c.prob << ", df " << c.df;
    }
}

}  // namespace
