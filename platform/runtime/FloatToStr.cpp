// FloatToStrF and FloatToStr: the class library's five float formats.
#include <algorithm>
#include <string>

#include "platform/runtime/FloatDecimal.h"
#include "platform/runtime/SysUtils.h"

namespace {

// A double carries 15 to 17 significant decimal digits; beyond 15 the
// binary approximation shows (0.1 would print as 0.100000000000000006).
constexpr int kMaxPrecision = 15;

std::string Special(const TFloatDecimal& d) {
    if (d.kind == TFloatDecimal::fdNaN) return "NAN";
    return d.negative ? "-INF" : "INF";
}

std::string ExponentText(int exponent, bool alwaysSign, int minDigits) {
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    if (exponent < 0) digits.insert(0, 1, '-');
    else if (alwaysSign) digits.insert(0, 1, '+');
    return digits;
}

// d.ddd followed by E and the exponent; the mantissa shows mantissaDigits
// digits (trailing zeros padded) or just the significant ones when 0.
std::string Scientific(const TFloatDecimal& d, int mantissaDigits, bool alwaysSign, int expDigits) {
    std::string digits = d.digits.empty() ? "0" : d.digits;
    if (static_cast<int>(digits.size()) < mantissaDigits)
        digits.append(static_cast<std::size_t>(mantissaDigits) - digits.size(), '0');
    std::string out = d.negative ? "-" : "";
    out += digits[0];
    if (digits.size() > 1) {
        out += DecimalSeparator;
        out.append(digits, 1, std::string::npos);
    }
    int exponent = d.digits.empty() ? 0 : d.exponent - 1;
    out += 'E';
    out += ExponentText(exponent, alwaysSign, expDigits);
    return out;
}

// Integer digits with an optional thousands separator, then exactly
// `decimals` digits after the decimal separator.
std::string Fixed(const TFloatDecimal& d, int decimals, bool thousands) {
    const int count = static_cast<int>(d.digits.size());
    auto digit = [&](int index) { return index >= 0 && index < count ? d.digits[static_cast<std::size_t>(index)] : '0'; };
    // A value below one shows a single 0 before the separator.
    const int integerDigits = std::max(d.exponent, 1);
    const int separators = thousands && ThousandSeparator != '\0' ? (integerDigits - 1) / 3 : 0;
    std::string out(static_cast<std::size_t>(d.negative + integerDigits + separators + (decimals > 0) + decimals), '0');
    char* p = out.data();
    if (d.negative) *p++ = '-';
    for (int i = 0; i < integerDigits; ++i) {
        if (separators && i > 0 && (integerDigits - i) % 3 == 0) *p++ = ThousandSeparator;
        *p++ = d.exponent > 0 ? digit(i) : '0';
    }
    if (decimals > 0) {
        *p++ = DecimalSeparator;
        for (int i = 0; i < decimals; ++i) *p++ = digit(d.exponent + i);
    }
    return out;
}

// The shortest of fixed and scientific notation, significant digits only.
std::string General(const TFloatDecimal& d, int precision, int expDigits) {
    if (d.digits.empty()) return "0";
    if (d.exponent > precision || d.exponent < -3) return Scientific(d, 0, false, expDigits);
    int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
    return Fixed(d, decimals, false);
}

}  // namespace

AnsiString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits) {
    Precision = std::clamp(Precision, 1, kMaxPrecision);
    int expDigits = std::clamp(Digits, 0, 4);
    if (Format == ffGeneral || Format == ffExponent) {
        TFloatDecimal d = FloatToDecimal(Value, Precision, kNoDecimalLimit);
        if (d.kind != TFloatDecimal::fdNumber) return AnsiString(Special(d));
        if (Format == ffGeneral) return AnsiString(General(d, Precision, expDigits));
        return AnsiString(Scientific(d, Precision, true, expDigits));
    }
    int decimals = std::clamp(Digits, 0, 18);
    TFloatDecimal d = FloatToDecimal(Value, Precision, decimals);
    if (d.kind != TFloatDecimal::fdNumber) return AnsiString(Special(d));
    // More integer digits than the precision can show: scientific instead.
    if (d.exponent > Precision) return AnsiString(General(FloatToDecimal(Value, Precision, kNoDecimalLimit), Precision, 0));
    return AnsiString(Fixed(d, decimals, Format != ffFixed));
}

AnsiString FloatToStr(double Value) { return FloatToStrF(Value, ffGeneral, kMaxPrecision, 0); }
