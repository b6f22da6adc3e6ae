// Limits shared by the series and continued fractions of the module.
#ifndef CHISQUARE_ITERATION_LIMITS_HPP
#define CHISQUARE_ITERATION_LIMITS_HPP

namespace ChiSquare {

// The most steps that a series or continued fraction takes before it raises.
constexpr int ITMAX = 100;
// Relative convergence tolerance of those series and continued fractions.
constexpr double EPS = 3.0e-7;

}  // namespace ChiSquare

#endif  // CHISQUARE_ITERATION_LIMITS_HPP
