// Discrete gamma categories: a gamma distribution with mean 1 (shape and rate
// alpha) cut into K categories of equal probability 1/K, each represented by
// one rate, either the mean of the distribution within the category or the
// category's median, the medians rescaled to average 1.
//
// A chi-square variate with 2·alpha degrees of freedom, divided by 2·alpha,
// has that gamma distribution, so its quantiles come from point_chi2. The mean
// above a cut point x is Q(alpha + 1, alpha·x), the upper incomplete gamma
// function with the shape raised by one.
#include <cmath>

#include "chisquare/chisquare.hpp"

namespace ChiSquare {
namespace {

// point_chi2 accepts probabilities in [0.000002, 0.999998]. The middle of the
// first category, 1/(2K), stays within for K up to 250000; the first cut point
// 1/K for K up to 500000. The last probability stays within as well.
const int kMaxMedianCategories = 250000;
const int kMaxMeanCategories = 500000;

void MedianRates(double alpha, int K, double* rates) {
    const double n = 2.0 * alpha;
    const double w = 0.5 / K;
    double sum = 0.0;
    for (int i = 0; i < K; ++i) {
        const double r = point_chi2((2.0 * i + 1.0) * w, n) / n;
        rates[i] = r;
        sum = r + sum;
    }
    const double f = K / sum;
    if (std::isfinite(f)) {
        for (int i = 0; i < K; ++i) rates[i] = f * rates[i];
        return;
    }
    // K/sum overflows only when even the highest median lies near the bottom
    // of the double range (alpha below about 2e-4 for K = 4). Medians shrink
    // like p^(1/alpha), so then each lies below the next by a factor far
    // beyond that range, and the highest category carries all the weight.
    // Scale each by its share of the sum instead, which does not overflow,
    // or, when every median underflowed to 0, give the whole weight to the
    // highest category, the limit of the shares.
    for (int i = 0; i < K; ++i) {
        if (sum > 0.0)
            rates[i] = rates[i] / sum * K;
        else
            rates[i] = i == K - 1 ? K : 0.0;
    }
}

void MeanRates(double alpha, int K, double* rates) {
    const double n = 2.0 * alpha;
    const double u = 1.0 / K;
    const double shape = alpha + 1.0;
    double lower = 0.0;  // the category's lower cut point, x(i)
    double qHigh = 1.0;  // the share of the mean above its upper cut point
    for (int i = 0; i + 1 < K; ++i) {
        const double upper = point_chi2((i + 1.0) * u, n) / n;
        // The share above the lower cut point is the previous category's
        // qHigh: the same call with the same arguments.
        const double qLow = lower > 0.0 ? qHigh : 1.0;
        qHigh = GAMMQ(shape, alpha * upper);
        rates[i] = (qLow - qHigh) * K;
        lower = upper;
    }
    rates[K - 1] = K * qHigh;
}

}  // namespace

void discrete_gamma(double alpha, int K, double* rates, double* freqs, double* cumfreqs,
                    int median) {
    // 2·alpha, the degrees of freedom of the quantiles, must be a number too.
    if (!(alpha > 0.0) || !std::isfinite(2.0 * alpha))
        throw XMsg("Error in routine discrete_gamma: alpha out of range");
    if (K < 1) throw XMsg("Error in routine discrete_gamma: K less than 1");
    if (K > (median ? kMaxMedianCategories : kMaxMeanCategories))
        throw XMsg("Error in routine discrete_gamma: K too large");

    if (median)
        MedianRates(alpha, K, rates);
    else
        MeanRates(alpha, K, rates);

    for (int i = 0; i < K; ++i) {
        freqs[i] = 1.0 / K;
        cumfreqs[i] = i == 0 ? freqs[0] : cumfreqs[i - 1] + freqs[i];
    }
}

}  // namespace ChiSquare
