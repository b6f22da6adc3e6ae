// The refresh of the calculator's result field from its two edit fields.
#ifndef KESTRUNE_REFRESH_PROBABILITY_HPP
#define KESTRUNE_REFRESH_PROBABILITY_HPP

#include <windows.h>

// Reads the value and d.f. fields of the calculator window, each cut to 80
// characters, and writes the result text into the result field: the
// upper-tail probability with six decimals, "*****" for invalid input, or
// "no result" when the probability cannot be computed. Writes the field every
// time, even when its text does not change.
void RefreshProbability(HWND window);

#endif  // KESTRUNE_REFRESH_PROBABILITY_HPP
