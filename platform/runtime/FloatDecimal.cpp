#include "platform/runtime/FloatDecimal.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <charconv>
#include <cmath>

namespace {

constexpr int kExpandedDigits = 18;

// Rounds the digit string at position keep (half away from zero), adjusting
// the exponent when a carry runs through every digit.
void RoundDigits(TFloatDecimal& d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
        d.digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
    }
}

// The 18 significant digits of a finite, non-zero |Value|, correctly rounded
// (half to even on the exact binary value), as to_chars would give them, and
// the decimal exponent. Done with integer arithmetic for the common case of
// a value with a fraction and at most ~22 decimal places to the first digit;
// false sends the caller to the general road.
bool ExpandQuickly(double Value, std::string& Digits, int& Exponent) {
    int binaryExponent = 0;
    double fraction = std::frexp(Value, &binaryExponent);  // Value = fraction * 2^binaryExponent
    // Value = mantissa * 2^-shift exactly, mantissa < 2^53.
    const auto mantissa = static_cast<unsigned __int128>(std::ldexp(fraction, 53));
    const int shift = 53 - binaryExponent;
    if (shift <= 0 || shift >= 120) return false;
    // First significant digit at 10^(decimalExponent - 1).
    const int decimalExponent = static_cast<int>(std::floor(std::log10(Value))) + 1;
    const int scale = kExpandedDigits - decimalExponent;  // Value * 10^scale has 18 integer digits
    if (scale < 0 || scale > 22) return false;
    static const auto powers = [] {
        std::array<unsigned __int128, 23> table{};
        table[0] = 1;
        for (std::size_t i = 1; i < table.size(); ++i) table[i] = table[i - 1] * 10;
        return table;
    }();
    const unsigned __int128 product = mantissa * powers[static_cast<std::size_t>(scale)];
    unsigned __int128 quotient = product >> shift;
    const unsigned __int128 remainder = product - (quotient << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
    // log10 may be one off near a power of ten: then take the general road.
    if (quotient < powers[kExpandedDigits - 1] || quotient >= powers[kExpandedDigits]) return false;
    auto digits = static_cast<std::uint64_t>(quotient);  // below 10^18
    char text[kExpandedDigits];
    for (int i = kExpandedDigits - 1; i >= 0; --i) {
        text[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    Digits.assign(text, text + kExpandedDigits);
    Exponent = decimalExponent;
    return true;
}

void StripTrailingZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
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
    if (!ExpandQuickly(std::fabs(Value), d.digits, d.exponent)) {
        // to_chars is exact and independent of the C locale.
        char buffer[64];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(Value), std::chars_format::scientific,
                                    kExpandedDigits - 1);
        std::string text(buffer, result.ptr);
        auto e = text.find('e');
        d.digits = text.substr(0, 1) + text.substr(2, e - 2);
        d.exponent = std::stoi(text.substr(e + 1)) + 1;
    }

    Precision = std::clamp(Precision, 1, kExpandedDigits);
    long keep = std::min<long>(Precision, static_cast<long>(d.exponent) + Decimals);
    if (keep < 0) {
        d.digits.clear();
    } else {
        RoundDigits(d, static_cast<int>(keep));
    }
    StripTrailingZeros(d.digits);
    if (d.digits.empty()) {
        d.negative = false;
        d.exponent = 0;
    }
    return d;
}
