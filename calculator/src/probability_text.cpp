#include "probability_text.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chisquare/chisquare.hpp"

namespace {

const char kInvalid[] = "*****";
const double kLeastDegreesOfFreedom = 1.0;

// The first 80 characters of text, as a window field of that capacity holds it.
double CutFieldNumber(const char* text) {
    FieldText field = {};
    std::strncpy(field, text, kFieldTextSize - 1);
    return FieldNumber(field);
}

}  // namespace

double FieldNumber(const char* text) {
    return std::strtod(text, nullptr);
}

void ProbabilityResult(double value, double df, FieldText& result) {
    // The comparisons are false for NaN, so it is rejected with the rest.
    // An infinite value or d.f. is no usable number either.
    const bool valid =
        df >= kLeastDegreesOfFreedom && value > 0.0 && std::isfinite(df) && std::isfinite(value);
    if (!valid) {
        std::memcpy(result, kInvalid, sizeof kInvalid);
        return;
    }
    const double p = ChiSquare::prob_chi2(value, df);
    std::snprintf(result, kFieldTextSize, "%.6f", p);
}

void ProbabilityText(const char* valueText, const char* dfText, FieldText& result) {
    ProbabilityResult(CutFieldNumber(valueText), CutFieldNumber(dfText), result);
}
