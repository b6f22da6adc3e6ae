// Pinned outputs: values that the routines computed when they were checked
// against high-precision references, kept to catch any later change in a
// coefficient, a constant, a comparison or the order of operations.
#ifndef CHISQUARE_PINNED_HPP
#define CHISQUARE_PINNED_HPP

#include <gtest/gtest.h>

#include <cmath>

// On x86-64 with glibc every step rounds as it did when the values were
// pinned, so they must agree to the last bit. Another math library may round
// exp, log or pow differently in the last place, and the iterations carry
// that on; there a relative 1e-12 still shows a changed coefficient.
inline testing::AssertionResult Pinned(double got, double want) {
#if defined(__x86_64__) && defined(__GLIBC__)
    const double tolerance = 0.0;
#else
    const double tolerance = 1e-12 * std::fabs(want);
#endif
    if (got == want || std::fabs(got - want) <= tolerance) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "got " << testing::PrintToString(got) << ", pinned " << testing::PrintToString(want);
}

#endif  // CHISQUARE_PINNED_HPP
