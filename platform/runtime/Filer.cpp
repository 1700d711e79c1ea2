// The 80-bit extended numbers of the form stream, converted without relying
// on the compiler's long double.
#include "platform/runtime/Filer.h"

#include <cmath>
#include <cstring>

void DoubleToExtended(double Value, std::uint8_t (&Bytes)[10]) {
    std::uint64_t mantissa = 0;
    unsigned exponent = 0;
    const bool negative = std::signbit(Value);
    if (std::isnan(Value)) {
        exponent = 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(Value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (Value != 0) {
        int e = 0;
        // |Value| = m * 2^e with m in [0.5, 1): the 53 bits of m sit at the
        // top of the 64-bit mantissa, whose leading bit is explicit.
        const double m = std::frexp(std::fabs(Value), &e);
        mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
        exponent = static_cast<unsigned>(e - 1 + 16383);
    }
    for (int i = 0; i < 8; ++i) Bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    const unsigned top = exponent | (negative ? 0x8000u : 0u);
    Bytes[8] = static_cast<std::uint8_t>(top);
    Bytes[9] = static_cast<std::uint8_t>(top >> 8);
}

double ExtendedToDouble(const std::uint8_t (&Bytes)[10]) {
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | Bytes[i];
    const unsigned top = Bytes[8] | (unsigned(Bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int exponent = static_cast<int>(top & 0x7FFFu);
    double value;
    if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    else
        // A zero exponent holds denormals, whose scale is that of exponent 1.
        value = std::ldexp(static_cast<double>(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
    return negative ? -value : value;
}
