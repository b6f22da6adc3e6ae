// Helpers shared by the module's tests.
#ifndef CHISQUARE_TEST_SUPPORT_HPP
#define CHISQUARE_TEST_SUPPORT_HPP

#include <gtest/gtest.h>

#include <string>

#include "chisquare/chisquare.hpp"

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
