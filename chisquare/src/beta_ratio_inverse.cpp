// The inverse of the incomplete beta ratio: the x in (0, 1) with
// I_x(p, q) = alpha, for callers that hold beta = ln B(p, q).
//
// The smaller tail a = min(alpha, 1 − alpha) is inverted (the parameters
// swapped for the upper one). A starting value comes from an approximation of
// the normal deviate of a: for p and q above 1 through a normal approximation
// of the beta distribution, otherwise through a chi-square approximation or
// the leading terms of either tail. Damped Newton steps then follow with
// BetaInc as the forward function: a step may not be as long as the one that
// last passed over the root, and is cut by thirds until it is shorter and
// lands inside (0, 1). The iteration stops when the step bound or the squared
// correction falls to the accuracy acu = 10^e, e = −5/pp² − 1/a^0.2 − 13
// truncated, but not below 1e-308, or when a step no longer moves x.
#include <cmath>

#include "chisquare/chisquare.hpp"

namespace ChiSquare {
namespace {

// Normal deviate y = r − (c0 + c1·r)/(1 + (c2 + c3·r)·r), r = sqrt(−ln a²).
const double kDeviate[4] = {2.30753, 0.27061, 0.99229, 0.04481};
const double kFiveSixths = 5.0 / 6.0;
const double kLowestStart = 0.0001;
const double kHighestStart = 0.9999;
// The accuracy exponent −5/pp² − 1/a^0.2 − 13, not below −308.
const double kExponentPp = -5.0;
const double kExponentPower = 0.2;
const double kExponentOffset = -13.0;
const double kLowestExponent = -308.0;
const double kSmallestSquare = 1e-308;  // 10 to the lowest exponent
const double kShrink = 1.0 / 3.0;

// Over p and q from 1e-8 to 1e4 and alpha from 1e-300 to 1 − 1e-5 the
// iteration settles within some 900 passes; most take fewer than 30, the
// slow ones have p and q well below 1, where acu is 1e-308 and only a step
// that no longer moves x ends it. The limit is ten times that. A finite
// correction needs at most some 680 cuts by a third before the step fraction
// reaches 0 and the trial point is x itself.
const int kMaxPasses = 10000;
const int kMaxCuts = 2000;

// Fault codes.
const int kSuccess = 0;
const int kBadParameter = 1;
const int kBadProbability = 2;
const int kNotSettled = 3;

}  // namespace

double BetaRatioInverse(double p, double q, double beta, double alpha, int& fault) {
    fault = kBadParameter;
    if (!(p > 0.0 && q > 0.0) || std::isinf(p) || std::isinf(q) || !std::isfinite(beta))
        return alpha;
    fault = kBadProbability;
    if (!(alpha >= 0.0 && alpha <= 1.0)) return alpha;
    fault = kSuccess;
    if (alpha == 0.0 || alpha == 1.0) return alpha;

    // Tail choice.
    double a = alpha;
    double pp = p;
    double qq = q;
    const bool swapped = alpha > 0.5;
    if (swapped) {
        a = 1.0 - alpha;
        pp = q;
        qq = p;
    }

    // Normal deviate whose upper tail is a.
    // Below a of about 1e-162 a² underflows to 0; −ln a² is −2·ln a there.
    const double square = a * a;
    const double r = square > 0.0 ? std::sqrt(-std::log(square)) : std::sqrt(-2.0 * std::log(a));
    double y = r - (kDeviate[0] + kDeviate[1] * r) / (1.0 + (kDeviate[2] + kDeviate[3] * r) * r);

    // Starting value.
    double x;
    if (pp > 1.0 && qq > 1.0) {
        const double c = (y * y - 3.0) / 6.0;
        const double s = 1.0 / (2.0 * pp - 1.0);
        const double t = 1.0 / (2.0 * qq - 1.0);
        const double h = 2.0 / (s + t);
        const double w = y * std::sqrt(h + c) / h - (t - s) * (c + kFiveSixths - 2.0 / (3.0 * h));
        x = pp / (pp + qq * std::exp(2.0 * w));
    } else {
        const double k = 2.0 * qq;
        double t = 1.0 / (9.0 * qq);
        t = k * std::pow(1.0 - t + y * std::sqrt(t), 3.0);
        if (t <= 0.0) {
            x = 1.0 - std::exp((std::log((1.0 - a) * qq) + beta) / qq);
        } else {
            t = (4.0 * pp + k - 2.0) / t;
            if (t <= 1.0)
                x = std::exp((std::log(a * pp) + beta) / pp);
            else
                x = 1.0 - 2.0 / (t + 1.0);
        }
    }

    // Preparation: clamp the start, fix the accuracy. The exponent's floor is
    // applied to its real value, which for pp below about 5e-5 would not fit
    // an int.
    if (x < kLowestStart) x = kLowestStart;
    if (x > kHighestStart) x = kHighestStart;
    const double exponent =
        kExponentPp / (pp * pp) - 1.0 / std::pow(a, kExponentPower) + kExponentOffset;
    const int e =
        exponent < kLowestExponent ? static_cast<int>(kLowestExponent) : static_cast<int>(exponent);
    const double acu = std::pow(10.0, e);
    double previous = 0.0;
    double lastSquare = 1.0;
    double boundSquare = 1.0;

    // Damped Newton iteration.
    for (int pass = 1;; ++pass) {
        if (pass > kMaxPasses) {
            fault = kNotSettled;
            return alpha;
        }
        const double value = BetaInc(x, pp, qq);
        // The residual divided by the beta density at x.
        y = (value - a) *
            std::exp(beta + (1.0 - pp) * std::log(x) + (1.0 - qq) * std::log(1.0 - x));
        // A correction that is not finite has no step short enough.
        if (!std::isfinite(y)) {
            fault = kNotSettled;
            return alpha;
        }
        // A change of sign means the last step passed over the root: from now
        // on every step must be shorter than that one.
        if (y * previous <= 0.0)
            boundSquare = lastSquare > kSmallestSquare ? lastSquare : kSmallestSquare;

        double g = 1.0;
        double trial;
        for (int cut = 0;; ++cut) {
            if (cut > kMaxCuts) {
                fault = kNotSettled;
                return alpha;
            }
            const double step = g * y;
            lastSquare = step * step;
            if (lastSquare >= boundSquare) {
                g = g * kShrink;
                continue;
            }
            trial = x - step;
            if (trial < 0.0 || trial > 1.0) {
                g = g * kShrink;
                continue;
            }
            if (boundSquare <= acu || y * y <= acu) return swapped ? 1.0 - x : x;
            if (trial == 0.0 || trial == 1.0) {
                g = g * kShrink;
                continue;
            }
            break;
        }
        if (trial == x) return swapped ? 1.0 - x : x;
        x = trial;
        previous = y;
    }
}

}  // namespace ChiSquare
