// Helpers shared by the module's tests.
#ifndef CHISQUARE_TEST_SUPPORT_HPP
#define CHISQUARE_TEST_SUPPORT_HPP

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "chisquare/chisquare.hpp"

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// ln B(p, q) as callers of BetaRatio and BetaRatioInverse form it.
inline double LnBeta(double p, double q) {
    return ChiSquare::LNGAMMA(p) + ChiSquare::LNGAMMA(q) - ChiSquare::LNGAMMA(p + q);
}

// Runs call and returns the message of the ChiSquare::XMsg it raises, or
// "(no error)" when it returns normally.
template <typename Call>
std::string RaisedMessage(Call call) {
    try {
        call();
    } catch (const ChiSquare::XMsg& e) {
        return e.message;
    }
    return "(no error)";
}

#endif  // CHISQUARE_TEST_SUPPORT_HPP
