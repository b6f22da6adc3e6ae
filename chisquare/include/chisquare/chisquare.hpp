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
// "Error in routine GCF: a too large, ITMAX too small" after 100 iterations.
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
// continued fraction for df from about 14100 with value just above df + 2.
double prob_chi2(double value, double df);

}  // namespace ChiSquare

#endif  // CHISQUARE_CHISQUARE_HPP
