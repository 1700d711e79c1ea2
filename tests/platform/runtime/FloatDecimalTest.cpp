#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "platform/runtime/FloatDecimal.h"

namespace {

// The 18 correctly rounded significant digits from the standard library,
// trailing zeros removed, and the exponent in FloatToDecimal's convention.
void Reference(double value, std::string& digits, int& exponent) {
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 17).ptr;
    std::string text(buffer, end);
    auto e = text.find('e');
    digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    exponent = std::stoi(text.substr(e + 1)) + 1;
}

TEST(FloatDecimal, ExpansionMatchesTheStandardLibraryAcrossMagnitudes) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::vector<double> values = {2.675, 1.005, 0.125, 137.13, 1234567.891, 0.1, 0.3, 9.995, 99.995, 1e-5,
                                  999999.995, 0.07, 123456789012.345, 5e-324, 1e300, 4503599627370495.5,
                                  1e15, 1e17, 1e18, 1e19, 1e22, 9.999999999999999e21};
    for (int i = 0; i < 20000; ++i) {
        int power = static_cast<int>(random() % 40) - 20;
        double v = mantissa(random) * std::pow(10.0, power);
        values.push_back(v);
        values.push_back(std::round(v * 100) / 100);  // prices with two decimals
    }
    for (double v : values) {
        if (v == 0) continue;  // zero has no digits at all
        std::string digits;
        int exponent = 0;
        Reference(v, digits, exponent);
        TFloatDecimal d = FloatToDecimal(v, 18, kNoDecimalLimit);
        ASSERT_EQ(d.digits, digits) << v;
        ASSERT_EQ(d.exponent, exponent) << v;
        TFloatDecimal negative = FloatToDecimal(-v, 18, kNoDecimalLimit);
        ASSERT_TRUE(negative.negative) << v;
        ASSERT_EQ(negative.digits, digits) << v;
    }
}

}  // namespace
