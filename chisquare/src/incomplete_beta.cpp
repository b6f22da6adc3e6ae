// The regularized incomplete beta function I_x(a, b) by its continued fraction
//   I_x(a, b) = x^a (1 − x)^b / (a·B(a, b)) · 1/(1+ d1/(1+ d2/(1+ ...)))
// with d(2m) = m(b − m)x / ((a + 2m − 1)(a + 2m)) and
// d(2m+1) = −(a + m)(a + b + m)x / ((a + 2m)(a + 2m + 1)).
// The fraction converges fast for x below (a + 1)/(a + b + 2); above it
// I_x(a, b) = 1 − I_{1−x}(b, a) is used. Steps stop at the relative tolerance
// EPS = 3e-7 and give up after ITMAX = 100, which large a and b near the
// switch point need (a = b = 1e5 at x = 0.5 does not settle).
#include <cmath>

#include "chisquare/chisquare.hpp"
#include "iteration_limits.hpp"

namespace ChiSquare {

// The convergents A/B are renormalised after every step so that the current
// denominator is 1: a1/b1 is the previous convergent, a2 the current one.
double BetaCF(double a, double b, double x) {
    const double s = a + b;
    const double u = a + 1.0;
    const double v = a - 1.0;
    double a1 = 1.0;
    double b1 = 1.0;
    double a2 = 1.0;
    double b2 = 1.0 - s * x / u;
    for (int step = 1; step <= ITMAX; ++step) {
        const double m = step;
        const double twoM = 2.0 * m;
        double d = (b - m) * m * x / ((v + twoM) * (a + twoM));  // even coefficient
        const double aEven = a2 + d * a1;
        const double bEven = b2 + d * b1;
        d = -(a + m) * (s + m) * x / ((u + twoM) * (a + twoM));  // odd coefficient
        const double aOdd = aEven + d * a2;
        const double bOdd = bEven + d * b2;
        const double old = a2;
        a1 = aEven / bOdd;
        b1 = bEven / bOdd;
        a2 = aOdd / bOdd;
        b2 = 1.0;
        if (std::fabs(a2 - old) < EPS * std::fabs(a2)) return a2;
    }
    throw XMsg("Error in routine BetaCF: ITMAX exceeded");
}

double BetaInc(double x, double a, double b) {
    if (!(x >= 0.0 && x <= 1.0) || !(a > 0.0 && b > 0.0) || std::isinf(a) || std::isinf(b))
        throw XMsg("Error in routine BetaInc: Invalid arguments");

    // The front factor x^a (1 − x)^b / B(a, b); 0 at the ends of [0, 1].
    double front = 0.0;
    if (x != 0.0 && x != 1.0) {
        const double lnInvBeta = (LNGAMMA(a + b) - LNGAMMA(a)) - LNGAMMA(b);
        front = std::exp(lnInvBeta + a * std::log(x) + b * std::log(1.0 - x));
    }
    const double switchPoint = (a + 1.0) / (a + b + 2.0);
    const double result =
        x < switchPoint ? front * BetaCF(a, b, x) / a : 1.0 - front * BetaCF(b, a, 1.0 - x) / b;
    // The logarithms of the gamma functions lose the front factor for a or b
    // from 1e-10 to about 1e-6 (where LNGAMMA is accurate only to some 1e-7)
    // or above about 1e13 (where they cancel); a result that is no probability
    // shows it.
    if (!(result >= 0.0 && result <= 1.0))
        throw XMsg("Error in routine BetaInc: result not a probability");
    return result;
}

}  // namespace ChiSquare
