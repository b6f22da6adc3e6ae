#include "refresh_probability.hpp"

#include <cstring>

#include "chisquare/chisquare.hpp"
#include "probability_text.hpp"
#include "resource.h"

namespace {

const char kNoResult[] = "no result";

}  // namespace

void RefreshProbability(HWND window) {
    // One buffer holds the value text, then the d.f. text, then the result.
    FieldText text = {};
    GetWindowTextA(GetDlgItem(window, IDC_VALUE), text, kFieldTextSize);
    const double value = FieldNumber(text);
    GetWindowTextA(GetDlgItem(window, IDC_DF), text, kFieldTextSize);
    const double df = FieldNumber(text);
    HWND result = GetDlgItem(window, IDC_PROB);
    try {
        ProbabilityResult(value, df, text);
    } catch (const ChiSquare::XMsg&) {
        // The probability series did not settle. The exception must not leave
        // the window procedure: it cannot unwind through the platform's frames.
        std::memcpy(text, kNoResult, sizeof kNoResult);
    }
    SetWindowTextA(result, text);
}
