// The incomplete beta ratio I_x(p, q) by a power series, for callers that
// hold beta = ln B(p, q):
//   I_x(p, q) = x^p (1 − x)^(q−1) / (p·B(p, q)) · Σ T_i,
//   T_0 = 1, T_i = T_(i−1) · f_i · r / (p + i),
// where f_i = q − i and r = x/(1 − x) while the term counter k, started at
// q + (1 − x)(p + q), runs down to 0; after that f_i = p + q, p + q + 1, ...
// and r = x, so the terms shrink by a factor that tends to x. When q is a
// whole number the factor q − i reaches 0 and the series ends there exactly.
// The tail with x below the mean p/(p + q) is expanded, so the factor stays
// below 1.
#include <climits>
#include <cmath>

#include "chisquare/chisquare.hpp"

namespace ChiSquare {
namespace {

const double kAccuracy = 1e-12;  // absolute and relative bound on the last term

// Once the counter has run out the terms shrink by a factor that tends to
// xx, so some 28/(1 − xx) of them are summed: 1.7e3 for x = 0.01 beyond the
// mean, 7.4e6 for x = 1e-6 just beyond a mean of 1e-7. The limit stops the
// series for an xx within about 1e-6 of 1.
const long kMaxTerms = 30000000;
const double kCounterLimit = static_cast<double>(INT_MAX);
static_assert(kMaxTerms < INT_MAX, "a counter from INT_MAX must outlast the term limit");

// Fault codes.
const int kSuccess = 0;
const int kBadParameter = 1;
const int kBadPoint = 2;
const int kNoResult = 3;  // did not settle, or no probability came out

}  // namespace

double BetaRatio(double x, double p, double q, double beta, int& fault) {
    fault = kBadParameter;
    if (!(p > 0.0 && q > 0.0) || std::isinf(p) || std::isinf(q) || !std::isfinite(beta)) return x;
    fault = kBadPoint;
    if (!(x >= 0.0 && x <= 1.0)) return x;
    fault = kSuccess;
    if (x == 0.0 || x == 1.0) return x;

    double n = p + q;
    double c = 1.0 - x;
    double xx = x;
    double pp = p;
    double qq = q;
    const bool swapped = p < n * x;
    if (swapped) {
        xx = 1.0 - x;
        c = x;
        pp = q;
        qq = p;
    }

    double term = 1.0;
    double i = 1.0;
    double sum = 1.0;
    // A counter that starts beyond the int range cannot run out within the
    // term limit, so INT_MAX serves in its place with the same terms.
    const double counterStart = qq + c * n;
    int k = counterStart < kCounterLimit ? static_cast<int>(counterStart) : INT_MAX;
    double r = xx / c;

    double f = 0.0;
    bool counting = true;  // false once the counter has run out: f = n, n + 1, ...
    for (long terms = 1;; ++terms) {
        if (counting) {
            f = qq - i;
            if (k == 0) r = xx;
        }
        term = term * f * r / (pp + i);
        sum = sum + term;
        if (std::fabs(term) <= kAccuracy && std::fabs(term) <= kAccuracy * sum) break;
        if (terms == kMaxTerms) {
            fault = kNoResult;
            return x;
        }
        i = i + 1.0;
        k = k - 1;
        counting = k >= 0;
        if (!counting) {
            f = n;
            n = n + 1.0;
        }
    }

    const double ratio = sum * std::exp(pp * std::log(xx) + (qq - 1.0) * std::log(c) - beta) / pp;
    const double result = swapped ? 1.0 - ratio : ratio;
    // A beta that is not ln B(p, q), or one that LNGAMMA could not give
    // accurately (p or q near the ends of the double range), scales the sum
    // until it is no probability.
    if (!(result >= 0.0 && result <= 1.0)) {
        fault = kNoResult;
        return x;
    }
    return result;
}

}  // namespace ChiSquare
