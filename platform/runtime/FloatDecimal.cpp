#include "platform/runtime/FloatDecimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr int kExpandedDigits = 18;

// Rounds the Count digits at position Keep (half away from zero); a carry
// through every digit leaves "1" and raises Exponent. Returns the digits left.
int RoundDigits(char* Digits, int Count, int Keep, int& Exponent) {
    if (Keep >= Count) return Count;
    if (Keep < 0) return 0;
    const bool up = Digits[Keep] >= '5';
    if (!up) return Keep;
    int i = Keep - 1;
    while (i >= 0 && Digits[i] == '9') Digits[i--] = '0';
    if (i >= 0) {
        ++Digits[i];
        return Keep;
    }
    // Every kept digit was 9 and is now 0: one digit more in front.
    if (Keep > 0) std::memmove(Digits + 1, Digits, static_cast<std::size_t>(Keep));
    Digits[0] = '1';
    ++Exponent;
    return Keep + 1;
}

// Value (below 10^9) as nine digits, leading zeros included; two digits a
// step, the two halves of a number independent of each other.
void WriteNineDigits(char* Out, std::uint32_t Value) {
    static constexpr auto kPairs = [] {
        std::array<char, 200> pairs{};
        for (int i = 0; i < 100; ++i) {
            pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
            pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
        }
        return pairs;
    }();
    Out[8] = static_cast<char>('0' + Value % 10);
    Value /= 10;
    for (int i = 6; i >= 0; i -= 2) {
        std::memcpy(Out + i, kPairs.data() + 2 * (Value % 100), 2);
        Value /= 100;
    }
}

// floor(log10(2^e)) for the binary exponents of the quick road, from
// integers only: 78913 / 2^18 is log10(2) to within 8e-7.
constexpr int FloorLog10Pow2(int e) { return (e * 78913) >> 18; }

// 10^0 .. 10^22; their products with a 53-bit mantissa fit in 128 bits.
constexpr auto kPowersOfTen = [] {
    std::array<unsigned __int128, 23> table{};
    table[0] = 1;
    for (std::size_t i = 1; i < table.size(); ++i) table[i] = table[i - 1] * 10;
    return table;
}();

// The 18 significant digits of a finite, non-zero |Value|, correctly rounded
// (half to even on the exact binary value), as to_chars would give them, and
// the decimal exponent. Done with integer arithmetic for the common case of
// a value with a fraction and at most ~22 decimal places to the first digit;
// false sends the caller to the general road. No libm: its log10 pays for a
// change of vector state once the host has started, several times the cost
// of the rest.
bool ExpandQuickly(double Value, char* Digits, int& Exponent) {
    const auto bits = std::bit_cast<std::uint64_t>(Value);
    const int biasedExponent = static_cast<int>(bits >> 52) & 0x7FF;
    if (biasedExponent == 0) return false;  // subnormal: far below the quick road's range
    // Value = mantissa * 2^-shift exactly, 2^52 <= mantissa < 2^53.
    const unsigned __int128 mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biasedExponent;
    if (shift <= 0 || shift >= 120) return false;
    // 2^52 * 2^-shift <= Value < 2^53 * 2^-shift, so 10^k <= Value < 10^(k + 2).
    const int k = FloorLog10Pow2(52 - shift);
    // The first significant digit is at 10^k or 10^(k + 1); Value * 10^scale
    // must have 18 integer digits with scale in 0..22.
    if (17 - k < 0 || 16 - k > 22) return false;
    // Value >= 10^(k + 1) exactly when floor(Value * 10^probe) >= 10^(k + 1 + probe).
    const int probe = std::min(17 - k, 22);
    const bool upper = ((mantissa * kPowersOfTen[static_cast<std::size_t>(probe)]) >> shift) >=
                       kPowersOfTen[static_cast<std::size_t>(k + 1 + probe)];
    const int decimalExponent = upper ? k + 2 : k + 1;  // first significant digit at 10^(decimalExponent - 1)
    const int scale = kExpandedDigits - decimalExponent;
    if (scale < 0 || scale > 22) return false;
    const unsigned __int128 product = mantissa * kPowersOfTen[static_cast<std::size_t>(scale)];
    unsigned __int128 quotient = product >> shift;
    const unsigned __int128 remainder = product - (quotient << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
    // Rounded up to 10^18 just below a power of ten: the general road.
    if (quotient < kPowersOfTen[kExpandedDigits - 1] || quotient >= kPowersOfTen[kExpandedDigits]) return false;
    const auto digits = static_cast<std::uint64_t>(quotient);  // below 10^18
    WriteNineDigits(Digits, static_cast<std::uint32_t>(digits / 1000000000));
    WriteNineDigits(Digits + 9, static_cast<std::uint32_t>(digits % 1000000000));
    Exponent = decimalExponent;
    return true;
}

}  // namespace

TFloatDecimal FloatToDecimal(double Value, int Precision, int Decimals) {
    TFloatDecimal d;
    if (std::isnan(Value)) {
        d.kind = TFloatDecimal::fdNaN;
        return d;
    }
    if (std::isinf(Value)) {
        d.kind = TFloatDecimal::fdInf;
        d.negative = Value < 0;
        return d;
    }
    if (Value == 0) return d;

    d.negative = Value < 0;
    // The digits are rounded in place here; only what is left goes to the
    // string, short enough for it to need no heap block in the usual case.
    char digits[kExpandedDigits + 1];
    if (!ExpandQuickly(std::fabs(Value), digits, d.exponent)) {
        // to_chars is exact and independent of the C locale: d.ddddddddddddddddde[+-]x.
        char buffer[64];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(Value), std::chars_format::scientific,
                                    kExpandedDigits - 1);
        digits[0] = buffer[0];
        std::memcpy(digits + 1, buffer + 2, kExpandedDigits - 1);
        int exponent = 0;
        const char* e = buffer + kExpandedDigits + 2;  // past the 'e'
        std::from_chars(*e == '+' ? e + 1 : e, result.ptr, exponent);
        d.exponent = exponent + 1;
    }

    Precision = std::clamp(Precision, 1, kExpandedDigits);
    long keep = std::min<long>(Precision, static_cast<long>(d.exponent) + Decimals);
    int count = keep < 0 ? 0 : RoundDigits(digits, kExpandedDigits, static_cast<int>(keep), d.exponent);
    while (count > 0 && digits[count - 1] == '0') --count;
    d.digits.assign(digits, static_cast<std::size_t>(count));
    if (d.digits.empty()) {
        d.negative = false;
        d.exponent = 0;
    }
    return d;
}
