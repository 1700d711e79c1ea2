#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/runtime/SysUtils.h"

namespace {

TEST(Round, HalvesGoToTheEvenSide) {
    const std::pair<double, int> cases[] = {
        {2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4}, {0.5, 0},  {1.5, 2},
        {0.49999999999999994, 0}, {2.4999999999999996, 2}, {2.5000000000000004, 3},
        {-0.4, 0},  {1e9 + 0.5, 1000000000}, {2147483647.4, INT_MAX}, {-2147483648.5, INT_MIN},
    };
    for (const auto& [x, expected] : cases) EXPECT_EQ(Round(x), expected) << x;
    EXPECT_EQ(Round64(1e15 + 0.5), 1000000000000000LL);
    EXPECT_EQ(Round64(-1e15 - 1.5), -1000000000000002LL);
}

TEST(Round, OutOfRangeRaises) {
    EXPECT_THROW(Round(2147483647.5), ERangeError);  // goes to 2147483648
    EXPECT_THROW(Round(-2147483649.0), ERangeError);
    EXPECT_THROW(Round(std::nan("")), ERangeError);
    EXPECT_THROW(Round64(9.3e18), ERangeError);
    EXPECT_THROW(Round64(HUGE_VAL), ERangeError);
}

TEST(Trunc, TowardZeroAndRangeChecked) {
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(2147483647.9), INT_MAX);
    EXPECT_EQ(Trunc(-2147483648.9), INT_MIN);
    EXPECT_THROW(Trunc(2147483648.0), ERangeError);
    EXPECT_THROW(Trunc(-1e10), ERangeError);
    try {
        Trunc(std::nan(""));
        ADD_FAILURE() << "NaN was truncated";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.GetMessage(), "Range check error");
    }
}

TEST(MulDiv, RoundsHalfAwayFromZeroOverA64BitProduct) {
    struct Case {
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {5, 3, 2, 8},        {-5, 3, 2, -8},     {5, -3, 2, -8},   {-5, -3, 2, 8},   {5, 3, -2, -8},
        {7, 1, 2, 4},        {10, 3, 4, 8},      {9, 1, 4, 2},     {-9, 1, 4, -2},   {11, 1, 4, 3},
        {1, 1, 0, -1},       {0, 5, 7, 0},       {100000, 100000, 100000, 100000},
        {INT_MAX, 2, 2, INT_MAX}, {100000, 100000, 1, -1},  // product beyond int: -1
        {400, 50, 100, 200},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << "*" << c.numerator << "/" << c.denominator;
}

// The generator's sequence, worked out here from its definition.
std::vector<int> ExpectedDraws(std::uint32_t seed, int range, int count) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) {
        seed = static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * 134775813u + 1u) % 4294967296u);
        draws.push_back(static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint64_t>(range)) / 4294967296u));
    }
    return draws;
}

TEST(Random, SequenceFromSeedZero) {
    RandSeed = 0;
    std::vector<int> first;
    for (int i = 0; i < 10; ++i) first.push_back(Random(100));
    EXPECT_EQ(first, (std::vector<int>{0, 3, 86, 20, 27, 67, 31, 16, 37, 42}));

    RandSeed = 12345;
    std::vector<int> drawn;
    for (int i = 0; i < 1000; ++i) drawn.push_back(Random(1000));
    EXPECT_EQ(drawn, ExpectedDraws(12345, 1000, 1000));
}

TEST(Random, FloatsAndEmptyRanges) {
    RandSeed = 0;
    EXPECT_EQ(Random(), 1.0 / 4294967296.0);
    EXPECT_EQ(Random(), 134775814.0 / 4294967296.0);
    EXPECT_EQ(RandSeed, 134775814u);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    RandSeed = 0xFFFFFFFFu;
    int big = Random(INT_MAX);
    EXPECT_GE(big, 0);
    EXPECT_LT(big, INT_MAX);
}

}  // namespace
