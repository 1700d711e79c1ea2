#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "SeparatorGuard.h"
#include "platform/runtime/SysUtils.h"

namespace {

struct Case {
    double value;
    TFloatFormat format;
    int precision;
    int digits;
    const char* expected;
};

TEST(FloatToStrF, EveryFormat) {
    const Case cases[] = {
        {1234.5, ffNumber, 7, 2, "1,234.50"},
        {1234567.891, ffNumber, 7, 2, "1,234,568.00"},  // 7 significant digits
        {-1234567.891, ffNumber, 15, 2, "-1,234,567.89"},
        {0.5, ffFixed, 15, 0, "1"},
        {2.5, ffFixed, 15, 0, "3"},
        {2.675, ffFixed, 15, 2, "2.67"},
        {0.05, ffFixed, 15, 3, "0.050"},
        {-0.001, ffFixed, 15, 2, "0.00"},
        {1e20, ffFixed, 15, 2, "1E20"},
        {123.456, ffFixed, 4, 3, "123.500"},
        {1234.5, ffCurrency, 15, 2, "1,234.50"},
        {-5, ffCurrency, 15, 2, "-5.00"},
        {123.456, ffExponent, 4, 2, "1.235E+02"},
        {0.000123, ffExponent, 3, 0, "1.23E-4"},
        {0, ffExponent, 3, 2, "0.00E+00"},
        {-1, ffExponent, 1, 3, "-1E+000"},
        {99.96, ffExponent, 3, 1, "1.00E+2"},
        {12345.678, ffGeneral, 3, 0, "1.23E4"},
        {12345.678, ffGeneral, 5, 0, "12346"},
        {1e-5, ffGeneral, 15, 2, "1E-05"},
        {0.1, ffGeneral, 18, 0, "0.1"},  // precision held to 15
        {1.0 / 3.0, ffGeneral, 0, 0, "0.3"},  // and at least 1
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected)
            << c.value << " format " << c.format << " " << c.precision << "/" << c.digits;
}

TEST(FloatToStr, GeneralFormatWithFifteenDigits) {
    const std::pair<double, const char*> cases[] = {
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {2.675, "2.675"},
        {100, "100"},
        {-1.5, "-1.5"},
        {-0.0, "0"},
        {1e20, "1E20"},
        {1e15, "1E15"},
        {1e14, "100000000000000"},
        {123456789012345.6, "123456789012346"},
        {0.0001, "0.0001"},
        {1e-5, "1E-5"},
        {1.25e-7, "1.25E-7"},
        {1e100, "1E100"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {DBL_MAX, "1.79769313486232E308"},
        {5e-324, "4.94065645841247E-324"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::nan(""), "NAN"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(FloatToStr(value), expected) << value;
    EXPECT_EQ(AnsiString(0.25), "0.25");
}

TEST(FloatToStr, FollowsTheDecimalSeparator) {
    SeparatorGuard guard(',', '.');
    EXPECT_EQ(FloatToStr(1.5), "1,5");
    EXPECT_EQ(FloatToStr(1.5e-9), "1,5E-9");
    EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 15, 1), "1.234,5");
}

}  // namespace
