// Percentage points (lower-tail quantiles) of the standard normal and of the
// chi-square distribution with real, positive degrees of freedom.
//
// point_normal is a rational approximation in t = sqrt(ln(1/y²)), y the smaller
// tail, accurate to about 1.5e-8 absolutely; it serves tails down to 1e-20.
//
// point_chi2 picks one of three starting values, then refines it with steps
// that evaluate the incomplete gamma function and add a seven-term series to
// the Newton correction, until two estimates agree to 5e-7 relatively:
//   - small values (-1.24·ln p > df): the leading term of the lower tail,
//     P ≈ (x/2)^h / Γ(h + 1), solved for x;
//   - df > 0.32: the Wilson–Hilferty cube, replaced far in the upper tail by
//     the leading term of the upper tail;
//   - df <= 0.32: a short iteration on an approximating equation.
#include <cmath>

#include "chisquare/chisquare.hpp"

namespace ChiSquare {
namespace {

// ---- point_normal ----------------------------------------------------------

// Numerator p0..p4 and denominator q0..q4 of the correction N/D to t.
const double kNormalP[5] = {-0.322232431088, -1.0, -0.342242088547, -0.0204231210245,
                            -0.0000453642210148};
const double kNormalQ[5] = {0.099348462606, 0.588581570495, 0.531103462366, 0.10353775285,
                            0.0038560700634};
const double kSmallestTail = 1e-20;      // smaller tails are not served
const double kNormalRejected = -9999.0;  // result for a tail below that, or NaN

// ---- point_chi2 ------------------------------------------------------------

const double kLowestProb = 0.000002;
const double kHighestProb = 0.999998;
const double kChi2Rejected = -1.0;
const double kTolerance = 5e-7;    // relative accuracy of the refinement
const double kLn2 = 0.6931471805;  // ln 2 to ten decimals
const double kSmallStart = -1.24;  // -1.24·ln p > df selects the small-value start
const double kIteratedDf = 0.32;   // at or below: the iterated start
const double kWilsonHilferty = 0.222222;
const double kFarTailSlope = 2.2;  // a cube above 2.2·df + 6 lies too far out
const double kFarTailOffset = 6.0;
const double kIteratedFirst = 0.4;
const double kIteratedTolerance = 0.01;
const double kInv420 = 1.0 / 420.0;
const double kInv2520 = 1.0 / 2520.0;
const double kInv5040 = 1.0 / 5040.0;

// Pass limits, far above what settling arguments need: over accepted
// probabilities and df from 1e-6 to 1000 the iterated start takes at most 15
// passes and the refinement at most 6. The limit stops a refinement that
// alternates between two estimates: for small df (mostly below 0.002, but
// seen up to 0.05) and prob near 1 the density at the point is so small that
// the series inside GAMMQ, stopping at its relative tolerance one term
// earlier or later, moves P by more than the refinement's accuracy.
const int kMaxStartPasses = 1000;
const int kMaxRefinements = 1000;

// The iterated start for df <= 0.32. A = ln(1 - p); g = ln Γ(h); c = h - 1.
double IteratedStart(double A, double g, double c) {
    double x = kIteratedFirst;
    for (int pass = 1;; ++pass) {
        const double q = x;
        const double p1 = (4.67 + x) * x + 1.0;
        const double p2 = ((6.66 + x) * x + 6.73) * x;
        const double t = (2.0 * x + 4.67) / p1 - 0.5 - ((3.0 * x + 13.32) * x + 6.73) / p2;
        x = x - (1.0 - std::exp(A + g + 0.5 * x + c * kLn2) * p2 / p1) / t;
        if (!(std::fabs(q / x - 1.0) - kIteratedTolerance > 0.0)) return x;
        if (pass == kMaxStartPasses)
            throw XMsg("Error in routine point_chi2: starting value did not settle");
    }
}

}  // namespace

double point_normal(double prob) {
    const double y = prob < 0.5 ? prob : 1.0 - prob;
    if (!(y >= kSmallestTail)) return kNormalRejected;

    const double t = std::sqrt(std::log(1.0 / (y * y)));
    const double* p = kNormalP;
    const double* q = kNormalQ;
    const double num = (((p[4] * t + p[3]) * t + p[2]) * t + p[1]) * t + p[0];
    const double den = (((q[4] * t + q[3]) * t + q[2]) * t + q[1]) * t + q[0];
    const double z = t + num / den;
    return prob < 0.5 ? -z : z;
}

double point_chi2(double prob, double df) {
    if (!(prob >= kLowestProb && prob <= kHighestProb) || !(df > 0.0)) return kChi2Rejected;
    // Infinitely many degrees of freedom have no finite percentage point.
    if (std::isinf(df)) return kChi2Rejected;

    const double h = 0.5 * df;
    const double g = LNGAMMA(h);
    const double c = h - 1.0;

    double x;
    if (kSmallStart * std::log(prob) > df) {
        x = std::pow(std::exp(h * kLn2 + g) * (prob * h), 1.0 / h);
        // The base is prob·Γ(h + 1)·2^h, below 1 for df up to 2 since this
        // start is taken only for prob < exp(−df/1.24). For df below about
        // 1e-10, though, LNGAMMA(h) is off by some 1e-16/h relatively, which
        // can lift the base to 1 or above, and below df of about 3e-308 Γ(h)
        // overflows and the base is no number. The true point, at most
        // prob^(1/h), lies far below the double range there.
        if (h <= 1.0 && !(x < 1.0)) x = 0.0;
        if (x - kTolerance < 0.0) return x;
    } else if (df > kIteratedDf) {
        const double z = point_normal(prob);
        const double w = kWilsonHilferty / df;
        x = df * std::pow(z * std::sqrt(w) + 1.0 - w, 3.0);
        if (x > kFarTailSlope * df + kFarTailOffset)
            x = -2.0 * (std::log(1.0 - prob) - c * std::log(0.5 * x) + g);
    } else {
        x = IteratedStart(std::log(1.0 - prob), g, c);
    }

    for (int pass = 1;; ++pass) {
        const double q = x;
        const double s = 0.5 * x;
        const double p = 1.0 - GAMMQ(h, s);
        if (!(p >= 0.0)) throw XMsg("Error in routine point_chi2: incomplete_gamma");

        const double d = prob - p;
        const double t = d * std::exp((h * kLn2 + g + s) - c * std::log(x));
        const double b = t / x;
        const double a = 0.5 * t - b * c;
        const double s1 =
            (((((60.0 * a + 70.0) * a + 84.0) * a + 105.0) * a + 140.0) * a + 210.0) * kInv420;
        const double s2 =
            ((((1278.0 * a + 1141.0) * a + 966.0) * a + 735.0) * a + 420.0) * kInv2520;
        const double s3 = (((932.0 * a + 707.0) * a + 462.0) * a + 210.0) * kInv2520;
        const double s4 =
            ((1182.0 * a + 672.0) * a + 252.0 + c * ((1740.0 * a + 889.0) * a + 294.0)) * kInv5040;
        const double s5 = (264.0 * a + 84.0 + c * (606.0 * a + 175.0)) * kInv2520;
        const double s6 = ((127.0 * c + 346.0) * c + 120.0) * kInv5040;
        x = x + t * (1.0 + 0.5 * t * s1 -
                     b * c * (s1 - b * (s2 - b * (s3 - b * (s4 - b * (s5 - b * s6))))));

        if (!(std::fabs(q / x - 1.0) > kTolerance)) break;
        if (pass == kMaxRefinements)
            throw XMsg("Error in routine point_chi2: refinement did not settle");
    }
    return x;
}

}  // namespace ChiSquare
