// The regularized incomplete gamma functions P(a, x) = γ(a, x)/Γ(a) and
// Q(a, x) = 1 − P(a, x), and the chi-square upper tail built on them.
//
// For x < a + 1 the power series for P converges fast; above it the continued
// fraction for Q does. Both stop at the relative tolerance EPS = 3e-7 and give
// up after ITMAX = 100 steps, which large a with x near a needs: the series
// fails from a of about 388 (df about 776) just below a + 1, the continued
// fraction from a of about 7.03e3 just above it.
//
// Both evaluators multiply by the exponent factor F = x^a e^−x / Γ(a).
#include <cmath>

#include "chisquare/chisquare.hpp"
#include "iteration_limits.hpp"

namespace ChiSquare {
namespace {

// F = exp(a·ln x − x − ln Γ(a)), the exponent taken as one expression.
// Above a of about 2.5e305 ln Γ(a), and with it a·ln x, leave the double
// range and the exponent becomes ∞ − ∞ or ∞; wherever an evaluator settles for
// such a, the true exponent lies far below the range of exp, so F is 0.
double ExponentFactor(double a, double x, double gln) {
    const double f = std::exp(a * std::log(x) - x - gln);
    return std::isfinite(f) ? f : 0.0;
}

// ln of the least positive double: below it exp gives 0.
const double kLogLeastDouble = -745.2;

// Rounding leaves the exponent a·ln x − x − ln Γ(a) with an absolute error of
// about 2^-53·|a·ln x|, which exp turns into a relative error of F. From a of
// about 1.5e8 that error passes the tolerance EPS wherever F does not
// underflow: F has lost its digits (for a of 5e16 it is off by a factor of
// e^200, and Q comes out as 1e102). Only the continued fraction meets this:
// the series settles for such a only far below a, where F underflows.
bool ExponentInexact(double a, double x, double gln) {
    // ln x is at most ln DBL_MAX < 710, so below a of about 3.8e6 the bound
    // stays within EPS without taking the logarithm.
    if (a * 710.0 * 0x1p-53 <= EPS) return false;
    const double error = std::fabs(a * std::log(x)) * 0x1p-53;
    const double exponent = a * std::log(x) - x - gln;
    return error > EPS && exponent + error >= kLogLeastDouble;
}

}  // namespace

void GSER(double& gamser, double a, double x, double& gln) {
    gln = LNGAMMA(a);
    if (!(x > 0.0)) {
        if (x >= 0.0) {
            gamser = 0.0;
            return;
        }
        throw XMsg("Error in routine GSER: x less than 0");
    }

    double k = a;
    double term = 1.0 / a;
    // Below 2^-1024 the first term 1/a overflows; P(a, x) tends to 1 as a
    // tends to 0 for every x > 0, and is 1 to double precision there.
    if (term == HUGE_VAL) {
        gamser = 1.0;
        return;
    }
    double sum = term;
    for (int n = 1; n <= ITMAX; ++n) {
        k = k + 1.0;
        term = term * (x / k);
        sum = sum + term;
        if (std::fabs(term) < std::fabs(sum) * EPS) {
            // For tiny a, ln Γ(a) carries an error far above a·E1(x), the
            // distance of P from 1, so P can come out above 1 (by 8e-8 for
            // a = 1e-10); a probability cannot.
            const double p = sum * ExponentFactor(a, x, gln);
            gamser = p > 1.0 ? 1.0 : p;
            return;
        }
    }
    throw XMsg("Error in routine GSER:  a too large, ITMAX too small");
}

// The continued fraction in its two-term recurrence form: d0/d1 and n0/n1 are
// the denominators and numerators of the two latest convergents, kept scaled
// by f, the reciprocal of the latest non-zero d1.
void GCF(double& gammcf, double a, double x, double& gln) {
    double gPrev = 0.0;
    double f = 1.0;
    double n1 = 1.0;
    double n0 = 0.0;
    double d0 = 1.0;
    gln = LNGAMMA(a);
    double d1 = x;
    for (int n = 1; n <= ITMAX; ++n) {
        const double an = n;
        const double u = an - a;
        d0 = (d0 * u + d1) * f;
        n0 = (n0 * u + n1) * f;
        const double w = an * f;
        d1 = x * d0 + w * d1;
        n1 = x * n0 + w * n1;
        // The unscaled first denominator x·(x + 1 − a) + x overflows only for
        // x above about 1.3e154. Such an x lies at least one unit of its last
        // place, far more than 40·√a, above a, so Q is 0 to double precision.
        if (d1 == HUGE_VAL) {
            gammcf = 0.0;
            return;
        }
        if (d1 != 0.0) {
            f = 1.0 / d1;
            const double g = n1 * f;
            if (std::fabs((g - gPrev) / g) < EPS) {
                if (ExponentInexact(a, x, gln))
                    throw XMsg("Error in routine GCF: a too large, exponent inexact");
                gammcf = ExponentFactor(a, x, gln) * g;
                return;
            }
            gPrev = g;
        }
    }
    throw XMsg("Error in routine GCF: a too large, ITMAX too small");
}

double GAMMP(double a, double x) {
    if (!(x >= 0.0 && a > 0.0)) throw XMsg("Error in routine GAMMP: Invalid arguments");
    if (std::isinf(a) && std::isinf(x)) throw XMsg("Error in routine GAMMP: Invalid arguments");
    if (std::isinf(x)) return 1.0;
    if (std::isinf(a)) return 0.0;

    double r;
    double gln;
    if (x < a + 1.0) {
        GSER(r, a, x, gln);
        return r;
    }
    GCF(r, a, x, gln);
    return 1.0 - r;
}

double GAMMQ(double a, double x) {
    if (!(x >= 0.0 && a > 0.0)) throw XMsg("Error in routine GAMMQ:  Invalid arguments");
    if (std::isinf(a) && std::isinf(x)) throw XMsg("Error in routine GAMMQ:  Invalid arguments");
    if (std::isinf(x)) return 0.0;
    if (std::isinf(a)) return 1.0;

    double r;
    double gln;
    if (x < a + 1.0) {
        GSER(r, a, x, gln);
        return 1.0 - r;
    }
    GCF(r, a, x, gln);
    return r;
}

double prob_chi2(double value, double df) {
    return GAMMQ(df * 0.5, value * 0.5);
}

}  // namespace ChiSquare
