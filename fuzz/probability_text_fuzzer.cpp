// Fuzzes the result-text rule with two arbitrary field texts.
//
// The input is split at its first NUL byte: the bytes before it are the value
// text, the bytes after it (up to any further NUL) the d.f. text; either may
// be longer than a field holds. The rule must end without a crash or undefined
// behaviour, either by raising ChiSquare::XMsg ("Error in routine ...") or
// with a result text that is "*****" or a probability in [0, 1] with six
// decimals: "0.dddddd" or "1.000000".
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "chisquare/chisquare.hpp"
#include "probability_text.hpp"

namespace {

// A heap copy of exactly the text and its NUL, so that AddressSanitizer sees
// any read beyond the terminator.
std::unique_ptr<char[]> TextCopy(const std::uint8_t* begin, std::size_t length) {
    std::unique_ptr<char[]> text(new char[length + 1]);
    std::memcpy(text.get(), begin, length);
    text[length] = '\0';
    return text;
}

bool IsProbabilityText(const char* r) {
    if (std::strlen(r) != 8 || r[1] != '.') return false;
    for (int i = 2; i < 8; ++i) {
        if (r[i] < '0' || r[i] > '9') return false;
    }
    return r[0] == '0' || std::strcmp(r, "1.000000") == 0;
}

[[noreturn]] void Fail(const char* valueText, const char* dfText, const char* what) {
    std::fprintf(stderr, "value \"%s\", d.f. \"%s\": %s\n", valueText, dfText, what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* nul = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
    const std::size_t valueLength = nul ? static_cast<std::size_t>(nul - data) : size;
    const std::size_t rest = nul ? size - valueLength - 1 : 0;
    const auto valueText = TextCopy(data, valueLength);
    const auto dfText = TextCopy(nul ? nul + 1 : data + size, rest);

    FieldText result;
    std::memset(result, 'x', sizeof result);
    try {
        ProbabilityText(valueText.get(), dfText.get(), result);
    } catch (const ChiSquare::XMsg& e) {
        if (std::strncmp(e.message, "Error in routine ", 17) != 0)
            Fail(valueText.get(), dfText.get(), e.message);
        return 0;
    }
    if (std::memchr(result, '\0', sizeof result) == nullptr)
        Fail(valueText.get(), dfText.get(), "result text not terminated");
    if (std::strcmp(result, "*****") != 0 && !IsProbabilityText(result))
        Fail(valueText.get(), dfText.get(), result);
    return 0;
}
