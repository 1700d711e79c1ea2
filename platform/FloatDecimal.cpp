#include "FloatDecimal.h"

#include <algorithm>
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

    // to_chars is exact and independent of the C locale.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(Value), std::chars_format::scientific,
                                kExpandedDigits - 1);
    std::string text(buffer, result.ptr);
    auto e = text.find('e');
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    d.negative = Value < 0;

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
