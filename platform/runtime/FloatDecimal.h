#pragma once
// Internal to the run-time: a double as a rounded decimal digit string, the
// common ground of FloatToStrF, FormatFloat and Format.

#include <string>

struct TFloatDecimal {
    enum Kind { fdNumber, fdNaN, fdInf };
    Kind kind = fdNumber;
    bool negative = false;  // never set for a result that rounds to zero
    // Value = 0.d1d2d3... x 10^exponent; digits carry no trailing zeros and
    // are empty for zero.
    int exponent = 0;
    std::string digits;
    bool IsZero() const { return kind == fdNumber && digits.empty(); }
};

// The binary value is first expanded to 18 significant digits (correctly
// rounded), then rounded half away from zero to at most Precision significant
// digits and at most Decimals digits after the decimal point.
TFloatDecimal FloatToDecimal(double Value, int Precision, int Decimals);
constexpr int kNoDecimalLimit = 9999;
