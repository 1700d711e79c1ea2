#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SeparatorGuard.h"
#include "platform/runtime/SysUtils.h"

namespace {

struct Case {
    const char* format;
    double value;
    const char* expected;
};

void Check(const Case* cases, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(FormatFloat(cases[i].format, cases[i].value), cases[i].expected)
            << "FormatFloat(\"" << cases[i].format << "\", " << cases[i].value << ")";
}

TEST(FormatFloat, DigitPlaceholdersAndThousands) {
    const Case cases[] = {
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0.00", 0.5, "0.50"},
        {"#,##0.00", 999.999, "1,000.00"},
        {"#,##0.###", 1234.5, "1,234.5"},
        {"#,##0.###", 0, "0"},
        {"0.00", 3, "3.00"},
        {"000", 5, "005"},
        {"0##", 5, "005"},
        {"#", 123456, "123456"},
        {"0", 0.4, "0"},
        {"#.##", 1.5, "1.5"},
        {"0.##", 1, "1"},
        {"0.0#", 1, "1.0"},
        {"0.0#", 1.25, "1.25"},
        {".00", 0.5, ".50"},
        {"0.00.0", 1.5, "1.500"},  // only the first "." counts
        {"00,000", 1234567, "1,234,567"},
    };
    Check(cases, std::size(cases));
}

TEST(FormatFloat, RoundsHalfAwayFromZeroOnTheBinaryValue) {
    const Case cases[] = {
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0", 3.5, "4"},
        {"0.00", 0.125, "0.13"},      // exactly half
        {"0.00", 2.675, "2.67"},      // 2.67499999999999982...
        {"0.00", 1.005, "1.00"},      // 1.00499999999999989...
        {"##0.## %", 12.345, "12.35 %"},  // 12.3450000000000006...
        {"0.000", 1.0005, "1.000"},
        {"0.0", 0.95, "0.9"},         // 0.94999999999999995...
    };
    Check(cases, std::size(cases));
}

TEST(FormatFloat, SectionsAndSigns) {
    const char* three = "0.00;(0.00);'zero'";
    const Case cases[] = {
        {three, -1.5, "(1.50)"},
        {three, 1.5, "1.50"},
        {three, 0, "zero"},
        {three, -0.001, "zero"},  // rounds to zero: the zero section
        {three, 0.004, "zero"},
        {"0.00;(0.00)", 0, "0.00"},
        {"0.00;(0.00)", -0.001, "0.00"},
        {"0.00", -0.001, "0.00"},  // never "-0.00"
        {"0.00", -1.5, "-1.50"},
        {"$#,##0.00", -1234.5, "-$1,234.50"},
        {"0;;'none'", -4, "-4"},  // empty negative section: the first, signed
        {";(0)", 5, "5"},         // empty first section: general format
        {"'a;b'0", 5, "a;b5"},    // a quoted ";" splits nothing
        {"0\"x\"0", 12, "1x2"},
        {"\"Total: \"0", 7, "Total: 7"},
    };
    Check(cases, std::size(cases));
}

TEST(FormatFloat, Exponents) {
    const Case cases[] = {
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E-00", 12345, "1.23E04"},
        {"0.00E-00", 0.012345, "1.23E-02"},
        {"0.0e+0", 0.00012345, "1.2e-4"},
        {"00.0E+0", 12345, "12.3E+3"},
        {"0.00E+00", 0, "0.00E+00"},
        {"0.00E+00", -99999, "-1.00E+05"},
        {"0.###E+0", 1500, "1.5E+3"},
        {"0E", 5, "5E"},  // "E" without a sign is a literal
    };
    Check(cases, std::size(cases));
}

TEST(FormatFloat, EmptyFormatAndOddValuesUseGeneralFormat) {
    EXPECT_EQ(FormatFloat("", 0.1), "0.1");
    EXPECT_EQ(FormatFloat("", -1234.5), "-1234.5");
    EXPECT_EQ(FormatFloat("0.00", 1e20), "1E20");
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatFloat("0.00", std::nan("")), "NAN");
}

TEST(FormatFloat, FollowsTheSeparators) {
    SeparatorGuard guard(',', '.');
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
    EXPECT_EQ(FormatFloat("0.0E+00", 1234.5), "1,2E+03");
}

}  // namespace
