// The calculator's one rule: from the texts of the value and d.f. fields to
// the text of the result field. It needs no window system.
#ifndef KESTRUNE_PROBABILITY_TEXT_HPP
#define KESTRUNE_PROBABILITY_TEXT_HPP

// A field text of at most 80 characters and its terminating NUL; the result
// text is written into a buffer of the same size.
constexpr int kFieldTextSize = 81;
using FieldText = char[kFieldTextSize];

// The number that a field text stands for: its longest leading decimal number
// as strtod reads it in the "C" locale, 0 where it has none.
double FieldNumber(const char* text);

// Writes the result text for a value and its degrees of freedom: "*****"
// unless df >= 1 and value > 0, both finite; otherwise the upper-tail
// probability with six decimals ("%.6f"). A ChiSquare::XMsg from the
// probability passes through, and result is then left as it was.
void ProbabilityResult(double value, double df, FieldText& result);

// The whole rule for two field texts of any length, each judged by its first
// 80 characters, as the window reads them.
void ProbabilityText(const char* valueText, const char* dfText, FieldText& result);

#endif  // KESTRUNE_PROBABILITY_TEXT_HPP
