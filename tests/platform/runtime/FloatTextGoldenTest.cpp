// The texts of the float formatting functions, held fixed: a large sample of
// doubles (every exponent, both signs, prices with cents) formatted in every
// format the program and the chart library use, hashed and compared with the
// hash of the texts as they were written when this test was made; and the
// boundary cases spelled out.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "SeparatorGuard.h"
#include "platform/runtime/SysUtils.h"

namespace {

// Every text of one value, each followed by a separator, so that texts cannot
// shift into each other.
std::string AllTexts(double v) {
    std::string out;
    auto add = [&out](const AnsiString& text) {
        out += text.str();
        out += '|';
    };
    add(FloatToStrF(v, ffNumber, 7, 2));  // the quotes grid's prices
    add(FloatToStr(v));
    add(FloatToStrF(v, ffGeneral, 4, 0));
    add(FloatToStrF(v, ffGeneral, 15, 2));
    add(FloatToStrF(v, ffExponent, 15, 3));
    add(FloatToStrF(v, ffExponent, 3, 0));
    add(FloatToStrF(v, ffFixed, 15, 2));
    add(FloatToStrF(v, ffFixed, 15, 0));
    add(FloatToStrF(v, ffFixed, 9, 6));
    add(FloatToStrF(v, ffNumber, 15, 2));
    add(FloatToStrF(v, ffCurrency, 15, 4));
    add(FormatFloat("0.00", v));
    add(FormatFloat("#,##0.###", v));
    add(FormatFloat("0.###E+00", v));
    add(FormatFloat("#.##", v));
    add(Format("%f %.4f %e %.3e %g %.3g %n %m", v, v, v, v, v, v, v, v));
    return out;
}

std::uint64_t Fnv1a(std::uint64_t hash, const std::string& text) {
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001B3ull;
    }
    return hash;
}

// The sample is made from the generator's raw bits only, so it is the same
// with every standard library.
std::vector<double> Sample() {
    std::mt19937_64 random(0x5EED2024);
    std::vector<double> values;
    for (int i = 0; i < 30000; ++i) values.push_back(std::bit_cast<double>(random()));  // any bits at all
    for (int i = 0; i < 30000; ++i) {
        // Prices with cents, as quote files hold them, up to ten millions.
        const auto cents = static_cast<std::int64_t>(random() % 1000000000);
        values.push_back((i % 2 ? -1 : 1) * static_cast<double>(cents) / 100);
    }
    for (int i = 0; i < 30000; ++i) {
        // Mantissas of 1 to 10 over every decimal exponent a double has.
        const double mantissa = 1 + static_cast<double>(random() >> 11) * 0x1p-53 * 9;
        const int exponent = static_cast<int>(random() % 633) - 324;
        values.push_back((i % 2 ? -1 : 1) * mantissa * std::pow(10.0, exponent));
    }
    for (int i = 0; i < 10000; ++i) {
        // Halves at the last decimal shown: x.xx5 and neighbours.
        const auto thousandths = static_cast<std::int64_t>(random() % 100000000) * 10 + 5;
        values.push_back(static_cast<double>(thousandths) / 1000);
    }
    return values;
}

TEST(FloatTextGolden, SampleGivesTheSameTexts) {
    SeparatorGuard separators('.', ',');
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (double v : Sample()) hash = Fnv1a(hash, AllTexts(v));
    EXPECT_EQ(hash, 0x05E2AC80712F4DBBull);
}

TEST(FloatTextGolden, PowersOfTenAndTheirNeighboursGiveTheSameTexts) {
    SeparatorGuard separators('.', ',');
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (int exponent = -324; exponent <= 308; ++exponent) {
        const double power = std::strtod(("1e" + std::to_string(exponent)).c_str(), nullptr);
        for (double v : {power, std::nextafter(power, 0.0), std::nextafter(power, HUGE_VAL), power * 5, power * 9.5,
                         power * 9.999999, power * 9.9999999999999999})
            hash = Fnv1a(hash, AllTexts(v) + AllTexts(-v));
    }
    EXPECT_EQ(hash, 0x53C5368C78519704ull);
}

struct Boundary {
    double value;
    const char* price;     // FloatToStrF ffNumber 7 2
    const char* general;   // FloatToStr
    const char* fixed;     // FloatToStrF ffFixed 15 2
    const char* exponent;  // FloatToStrF ffExponent 15 3
    const char* picture;   // FormatFloat "0.00"
};

TEST(FloatTextGolden, BoundaryCases) {
    SeparatorGuard separators('.', ',');
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Boundary cases[] = {
        {0.0, "0.00", "0", "0.00", "0.00000000000000E+000", "0.00"},
        {-0.0, "0.00", "0", "0.00", "0.00000000000000E+000", "0.00"},
        {0.005, "0.01", "0.005", "0.01", "5.00000000000000E-003", "0.01"},
        {0.015, "0.01", "0.015", "0.01", "1.50000000000000E-002", "0.01"},
        {0.125, "0.13", "0.125", "0.13", "1.25000000000000E-001", "0.13"},
        {-0.125, "-0.13", "-0.125", "-0.13", "-1.25000000000000E-001", "-0.13"},
        {1.005, "1.00", "1.005", "1.00", "1.00500000000000E+000", "1.00"},
        {2.675, "2.67", "2.675", "2.67", "2.67500000000000E+000", "2.67"},
        {9.995, "9.99", "9.995", "9.99", "9.99500000000000E+000", "9.99"},
        {99.995, "100.00", "99.995", "100.00", "9.99950000000000E+001", "100.00"},
        {137.125, "137.13", "137.125", "137.13", "1.37125000000000E+002", "137.13"},
        {999999.995, "1,000,000.00", "999999.995", "999999.99", "9.99999995000000E+005", "999999.99"},
        {1234567.5, "1,234,568.00", "1234567.5", "1234567.50", "1.23456750000000E+006", "1234567.50"},
        {9999999.5, "1E7", "9999999.5", "9999999.50", "9.99999950000000E+006", "9999999.50"},
        {0.1, "0.10", "0.1", "0.10", "1.00000000000000E-001", "0.10"},
        {0.0001, "0.00", "0.0001", "0.00", "1.00000000000000E-004", "0.00"},
        {0.00001, "0.00", "1E-5", "0.00", "1.00000000000000E-005", "0.00"},
        {1e14, "1E14", "100000000000000", "100000000000000.00", "1.00000000000000E+014", "100000000000000.00"},
        {999999999999999.0, "1E15", "999999999999999", "999999999999999.00", "9.99999999999999E+014",
         "999999999999999.00"},
        {1e15, "1E15", "1E15", "1E15", "1.00000000000000E+015", "1000000000000000.00"},
        {1e16, "1E16", "1E16", "1E16", "1.00000000000000E+016", "10000000000000000.00"},
        {1.5e17, "1.5E17", "1.5E17", "1.5E17", "1.50000000000000E+017", "150000000000000000.00"},
        {1e22, "1E22", "1E22", "1E22", "1.00000000000000E+022", "1E22"},
        {4503599627370495.5, "4.5036E15", "4.5035996273705E15", "4.5035996273705E15", "4.50359962737050E+015",
         "4503599627370495.50"},
        {1e300, "1E300", "1E300", "1E300", "1.00000000000000E+300", "1E300"},
        {std::numeric_limits<double>::max(), "1.797693E308", "1.79769313486232E308", "1.79769313486232E308",
         "1.79769313486232E+308", "1.79769313486232E308"},
        {std::numeric_limits<double>::min(), "0.00", "2.2250738585072E-308", "0.00", "2.22507385850720E-308", "0.00"},
        {std::numeric_limits<double>::denorm_min(), "0.00", "4.94065645841247E-324", "0.00", "4.94065645841247E-324",
         "0.00"},
        {-2.2250738585072009e-308, "0.00", "-2.2250738585072E-308", "0.00", "-2.22507385850720E-308", "0.00"},
        {nan, "NAN", "NAN", "NAN", "NAN", "NAN"},
        {inf, "INF", "INF", "INF", "INF", "INF"},
        {-inf, "-INF", "-INF", "-INF", "-INF", "-INF"},
    };
    for (const Boundary& c : cases) {
        EXPECT_EQ(FloatToStrF(c.value, ffNumber, 7, 2), c.price) << c.value;
        EXPECT_EQ(FloatToStr(c.value), c.general) << c.value;
        EXPECT_EQ(FloatToStrF(c.value, ffFixed, 15, 2), c.fixed) << c.value;
        EXPECT_EQ(FloatToStrF(c.value, ffExponent, 15, 3), c.exponent) << c.value;
        EXPECT_EQ(FormatFloat("0.00", c.value), c.picture) << c.value;
    }
}

}  // namespace
