#include "probability_text.hpp"

#include <gtest/gtest.h>

#include <string>

#include "chisquare/chisquare.hpp"

namespace {

std::string Result(const char* value, const char* df) {
    FieldText result = "untouched";
    ProbabilityText(value, df, result);
    return result;
}

struct Row {
    const char* value;
    const char* df;
    const char* result;
};

// Each row: the two field texts and the text the result field then shows.
const Row kRows[] = {
    {"3.84146", "1", "0.050000"},
    {"1", "1", "0.317311"},
    {"10", "10", "0.440493"},
    {"1e1", "10", "0.440493"},   // exponent form
    {"2.5", "2.5", "0.381471"},  // fractional d.f. used unchanged
    {"0.0001", "1", "0.992021"},
    {"20", "3", "0.000170"},
    {"50", "1", "0.000000"},  // tiny probabilities in fixed notation, never exponent form
    {"1", "50", "1.000000"},
    {"5abc", "2", "0.082085"},     // text after the number is ignored
    {"  5", "2", "0.082085"},      // leading white space is skipped
    {"3,84146", "1", "0.083265"},  // the comma ends the number: 3
    {"1e-300", "1", "1.000000"},
    {"1e-400", "1", "*****"},  // below the double range: 0
    {"0", "1", "*****"},
    {"-1", "1", "*****"},
    {"", "1", "*****"},
    {"abc", "1", "*****"},
    {"3.84146", "0.99", "*****"},
    {"3.84146", "0", "*****"},
    {"3.84146", "", "*****"},
    {"3.84146", "1.0", "0.050000"},  // a d.f. of exactly 1 is accepted
    {"2000", "1", "0.000000"},       // the tail underflows to 0
    {"1e400", "1", "*****"},         // infinity is no usable number
    {"-1e400", "1", "*****"},
    {"3", "1e400", "*****"},
    {"1", "-1e400", "*****"},
};

TEST(ProbabilityText, EachRowShowsItsResult) {
    for (const Row& row : kRows) {
        EXPECT_EQ(Result(row.value, row.df), row.result)
            << "value \"" << row.value << "\", d.f. \"" << row.df << "\"";
    }
}

TEST(ProbabilityText, TextsAreJudgedByTheirFirst80Characters) {
    const std::string blanks80(80, ' ');
    EXPECT_EQ(Result((blanks80 + "5").c_str(), "2"), "*****");
    EXPECT_EQ(Result("5", (blanks80 + "2").c_str()), "*****");
    // 79 blanks leave the number's first digit inside the cut.
    EXPECT_EQ(Result((std::string(79, ' ') + "57").c_str(), "2"), Result("5", "2"));
    // A long run of digits is cut too: 80 nines read as 9.99...e79.
    EXPECT_EQ(Result(std::string(200, '9').c_str(), "1"), "0.000000");
}

TEST(ProbabilityText, ErrorOfTheProbabilityPassesThroughAndLeavesTheResult) {
    const Row raising[] = {
        {"1000", "1000", "Error in routine GSER:  a too large, ITMAX too small"},
        {"100002", "100000", "Error in routine GCF: a too large, ITMAX too small"},
        // Found by fuzzing: showed a 103-digit number, cut to the field.
        {"99999999959582955.49", "99999999000000000",
         "Error in routine GCF: a too large, exponent inexact"},
    };
    for (const Row& row : raising) {
        FieldText result = "untouched";
        try {
            ProbabilityText(row.value, row.df, result);
            ADD_FAILURE() << row.value << ", " << row.df << " did not raise";
        } catch (const ChiSquare::XMsg& e) {
            EXPECT_STREQ(e.message, row.result);
        }
        EXPECT_STREQ(result, "untouched");
    }
}

TEST(FieldNumber, ReadsTheLeadingNumber) {
    EXPECT_EQ(FieldNumber("3.84146"), 3.84146);
    EXPECT_EQ(FieldNumber(" \t-2.5e1x"), -25.0);
    EXPECT_EQ(FieldNumber(""), 0.0);
    EXPECT_EQ(FieldNumber("3,5"), 3.0);
}

}  // namespace
