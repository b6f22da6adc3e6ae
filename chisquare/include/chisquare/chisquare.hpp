// ChiSquare: double-precision routines for the gamma, chi-square, normal and
// beta distributions.
//
// Every routine is a free function that keeps no state and allocates nothing.
// A routine reports failure in one of three ways, stated with its declaration:
// by raising ChiSquare::XMsg, by returning a value outside the range of valid
// results, or through an int fault code. No routine catches an XMsg raised by
// a routine it calls: the error reaches the outermost caller unchanged.
#ifndef CHISQUARE_CHISQUARE_HPP
#define CHISQUARE_CHISQUARE_HPP

namespace ChiSquare {

// The error raised by the module, by value. message holds a NUL-terminated
// text of the form "Error in routine NAME: reason".
class XMsg {
public:
    // Copies at most 255 characters of text; the rest of the buffer is NUL.
    explicit XMsg(const char* text) noexcept;
    char message[256];
};

// ---- Log-gamma, incomplete gamma and chi-square tail probability ----------

// ln Γ(x) for x > 0, by a six-term Lanczos approximation (relative accuracy
// about 1e-10; LNGAMMA(1) is about -3.4e-11, not 0). Below 1e-10, where the
// approximation loses its digits, it returns -ln x; LNGAMMA(+inf) is +inf.
// Makes no other check: x <= 0 is the caller's.
double LNGAMMA(double x);

// P(a, x) by its power series into gamser, and ln Γ(a) into gln, which is
// stored first, also when the routine raises. Expects a > 0 and x < a + 1.
// Raises "Error in routine GSER: x less than 0" for x < 0 or NaN, and
// "Error in routine GSER:  a too large, ITMAX too small" after 100 terms.
void GSER(double& gamser, double a, double x, double& gln);

// Q(a, x) by a continued fraction into gammcf, and ln Γ(a) into gln, stored
// first. Expects a > 0 and x >= a + 1. Raises
// "Error in routine GCF: a too large, ITMAX too small" after 100 iterations,
// and "Error in routine GCF: a too large, exponent inexact" where, from a of
// about 1.5e8, rounding moves x^a e^-x / Γ(a) by more than the tolerance 3e-7.
void GCF(double& gammcf, double a, double x, double& gln);

// The regularized lower incomplete gamma function P(a, x) = γ(a, x)/Γ(a).
// Raises "Error in routine GAMMP: Invalid arguments" unless x >= 0 and a > 0
// (so for NaN, and for a and x both infinite); lets GSER's and GCF's errors
// pass. P(a, +inf) = 1 and P(+inf, x) = 0 for finite a and x.
double GAMMP(double a, double x);

// The regularized upper incomplete gamma function Q(a, x) = 1 - P(a, x).
// Raises "Error in routine GAMMQ:  Invalid arguments" unless x >= 0 and
// a > 0 (so for NaN, and for a and x both infinite); lets GSER's and GCF's
// errors pass. Q(a, +inf) = 0 and Q(+inf, x) = 1 for finite a and x.
double GAMMQ(double a, double x);

// The probability that a chi-square variate with df degrees of freedom is
// value or higher: GAMMQ(df/2, value/2), with GAMMQ's errors. The series fails
// to settle for df from about 780 with value just below df + 2, and the
// continued fraction for df from about 14100 with value just above df + 2;
// from df of about 3e8 the fraction raises wherever the tail does not underflow.
double prob_chi2(double value, double df);

// ---- Normal and chi-square percentage points --------------------------------

// The z with P(Z <= z) = prob for a standard normal Z (absolute accuracy
// about 1.5e-8). Returns -9999.0 when the smaller tail, prob or 1 - prob, is
// below 1e-20 or prob is NaN. Never raises.
double point_normal(double prob);

// The x with P(X <= x) = prob for a chi-square variate X with df degrees of
// freedom (relative accuracy about 5e-7; 0 where it underflows). Returns
// -1.0 when prob lies outside [0.000002, 0.999998], or df is not a finite
// number above 0. Raises
// "Error in routine point_chi2: incomplete_gamma" when the lower tail of an
// estimate is negative or NaN, "Error in routine point_chi2: starting value
// did not settle" or "Error in routine point_chi2: refinement did not settle"
// when its iterations do not settle (the refinement can alternate between
// two estimates for df below about 0.05 and prob near 1), and lets GAMMQ's
// errors pass: from df of about 780 GSER does not settle near the median.
double point_chi2(double prob, double df);

// ---- Discrete gamma categories ---------------------------------------------

// Cuts the gamma distribution with shape and rate alpha (mean 1) into K
// categories of probability 1/K. Writes K elements of each array: into rates
// the rate of each category, lowest first, either its median (median nonzero),
// the medians rescaled to average 1, or the mean within it (median zero);
// 1/K into freqs, and their running sums into cumfreqs. The rates add up to K.
// For small alpha the quantiles shrink like p^(1/alpha) and underflow, the
// lower ones first; once all but the highest have (alpha below about 2e-4
// for K = 4), the rates are 0, ..., 0, K.
// Raises "Error in routine discrete_gamma: alpha out of range" unless alpha
// is above 0 and 2·alpha finite (NaN is out too), "Error in routine
// discrete_gamma: K less than 1", and "Error in routine discrete_gamma: K too
// large" above 250000 categories by median or 500000 by mean, all before
// writing anything; lets the errors of point_chi2 and GAMMQ pass (from alpha
// of about 390 GSER's limit is met), with the arrays then holding what was
// written before.
void discrete_gamma(double alpha, int K, double* rates, double* freqs, double* cumfreqs,
                    int median);

// ---- Incomplete beta function --------------------------------------------------

// The continued fraction for I_x(a, b) without its front factor
// x^a (1 - x)^b / (a·B(a, b)). Converges fast for x < (a + 1)/(a + b + 2).
// Raises "Error in routine BetaCF: ITMAX exceeded" after 100 steps; tests
// nothing else.
double BetaCF(double a, double b, double x);

// The regularized incomplete beta function I_x(a, b) for x in [0, 1] and
// finite a, b > 0 (relative accuracy about 1e-7 for a and b from 1e-5 to
// 1e6); exactly 0 at x = 0 and 1 at x = 1. Raises "Error in routine BetaInc:
// Invalid arguments" outside that domain (NaN included), "Error in routine
// BetaInc: result not a probability" when ln Γ loses the front factor (a or
// b from 1e-10 to about 1e-6, or above about 1e13) so far that the result leaves
// [0, 1], and lets BetaCF's error pass: large a and b near the mean, such as
// a = b = 1e5 at x = 0.5, do not settle.
double BetaInc(double x, double a, double b);

// ---- Incomplete beta ratio and its inverse ----------------------------------
//
// Both take beta = ln B(p, q) = LNGAMMA(p) + LNGAMMA(q) - LNGAMMA(p + q) from
// the caller, and always write the fault code:
//   0  success (also for x or alpha exactly 0 or 1, returned as they are);
//   1  p or q not a finite number above 0, or beta not finite;
//   2  x or alpha outside [0, 1] or NaN, with p, q and beta usable;
//   3  no result: the iteration did not settle (or, for BetaRatio, what
//      came out is no probability).
// On faults 1 to 3 x or alpha is returned unchanged.

// I_x(p, q) by a power series summed until a term is at most 1e-12,
// absolutely and relative to the sum. Never raises. Fault 3 when more than
// 3e7 terms would be needed, as for x (or 1 - x) below about 1e-6 beyond a
// mean p/(p + q) closer still to 0 (or 1), where the terms shrink slowly; and
// when the result leaves [0, 1]: with a beta that is not ln B(p, q), or with
// p or q so small or so large that LNGAMMA cannot give beta accurately.
double BetaRatio(double x, double p, double q, double beta, int& fault);

// The x with BetaInc(x, p, q) = alpha, by damped Newton steps that stop once
// the correction is at most about 1e-7 in x (finer for small alpha and p), an
// absolute accuracy: a point far below it, for tiny alpha with small p, comes
// out only that close to 0 (alpha = 1e-250 with p = q = 0.5 gives 1.7e-155
// where the point is about 2.5e-500). Fault 3 when
// the Newton correction is not finite (extreme p and q with x near 0 or 1)
// or the steps do not settle within 10000 passes. Lets BetaInc's errors pass
// with the fault code at 0: p = q = 1e5 with alpha = 0.5 does not settle.
double BetaRatioInverse(double p, double q, double beta, double alpha, int& fault);

}  // namespace ChiSquare

#endif  // CHISQUARE_CHISQUARE_HPP
