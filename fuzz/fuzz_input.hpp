// Decodes a fuzzer's byte stream into the arguments of a routine call.
#ifndef KESTRUNE_FUZZ_INPUT_HPP
#define KESTRUNE_FUZZ_INPUT_HPP

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

// Doubles that sit at the edges of the routines' domains or of the double
// range. One byte picks one of them, so the fuzzer meets them often instead of
// hoping to assemble their eight bytes.
const double kSpecialDoubles[] = {
    std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(),
    HUGE_VAL,
    -HUGE_VAL,
    0.0,
    -0.0,
    4.9406564584124654e-324,  // the least subnormal
    -4.9406564584124654e-324,
    1e-310,  // subnormal
    DBL_MIN,
    DBL_MAX,
    -DBL_MAX,
    1e-300,
    1e308,
    0x1p-54,  // where x - 1 rounds to -1 in the log-gamma recipe
    0x1.0000000000001p-54,
    0x1p-1024,  // where 1/a overflows
    1.3e154,    // where the continued fraction's first denominator overflows
    2.7e154,
    1e-20,
    1e-7,
    0.000002,
    0.0000019,
    0.002,
    0.1,
    0.32,
    0.3200001,
    0.5,
    0.9,
    0.999998,
    0.9999981,
    1.0 - DBL_EPSILON / 2,
    1.0,
    1.0 + DBL_EPSILON,
    2.0,
    -1.0,
    10.0,
    388.0,  // the series starts to run out of terms near df 776 to 780
    776.0,
    780.0,
    1000.0,
    1002.0,
    7030.0,  // the continued fraction near df 14100
    14100.0,
    14102.0,
    1e5,
    100002.0,
    2147483647.0,
    2147483648.0,
    1e15,
    1e300,
};
constexpr std::size_t kSpecialCount = sizeof kSpecialDoubles / sizeof kSpecialDoubles[0];

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next byte, or 0 once the input is used up.
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // A tag byte chooses the form: a special double (half the tags), an
    // ordinary value in [0, 1024) with 1/64 steps, or eight raw bytes.
    double Double() {
        const std::uint8_t tag = Byte();
        if (tag < 128) return kSpecialDoubles[tag % kSpecialCount];
        if (tag < 192) {
            const int high = Byte();
            return (high * 256 + Byte()) / 64.0;
        }
        std::uint8_t raw[sizeof(double)] = {};
        for (std::uint8_t& b : raw) b = Byte();
        double d;
        std::memcpy(&d, raw, sizeof d);
        return d;
    }

    // An int in [low, high].
    int Int(int low, int high) {
        const unsigned span = static_cast<unsigned>(high - low) + 1u;
        const unsigned raw = Byte() * 256u + Byte();
        return low + static_cast<int>(raw % span);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

#endif  // KESTRUNE_FUZZ_INPUT_HPP
