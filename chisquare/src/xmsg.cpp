#include <cstring>

#include "chisquare/chisquare.hpp"

namespace ChiSquare {

XMsg::XMsg(const char* text) noexcept : message{} {
    // strncpy pads with NULs up to 255 characters; the last one stays NUL, so
    // the buffer always holds a terminated text whatever the length of text.
    if (text != nullptr) std::strncpy(message, text, sizeof message - 1);
}

}  // namespace ChiSquare
