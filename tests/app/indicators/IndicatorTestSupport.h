#pragma once
// Quotes for the indicator tests, made from closes oldest first and held
// newest first as the quote series holds them, and an indicator's points read
// back as optional values.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/indicators/indicatorframe.h"

using Points = std::vector<std::optional<double>>;
inline constexpr std::nullopt_t Null = std::nullopt;

// Each quote's High is one above its close and its Low one below, its open
// the close; the date names its place, oldest "d0".
inline std::vector<QuoteRecord> quotesFromCloses(const std::vector<double>& oldestFirst) {
    std::vector<QuoteRecord> quotes(oldestFirst.size());
    for (std::size_t i = 0; i < oldestFirst.size(); ++i) {
        QuoteRecord& quote = quotes[oldestFirst.size() - 1 - i];
        // Appended: GCC 12 warns (-Wrestrict) on "d" + string at -O3.
        quote.Date = std::string("d").append(std::to_string(i));
        quote.Open = quote.Close = oldestFirst[i];
        quote.High = oldestFirst[i] + 1;
        quote.Low = oldestFirst[i] - 1;
    }
    return quotes;
}

inline Points points(const IndicatorLine& line) {
    EXPECT_EQ(line.Values.size(), line.Null.size());
    Points result;
    for (std::size_t i = 0; i < line.Size(); ++i) {
        if (line.IsNull(i)) {
            EXPECT_EQ(line.Values[i], 0) << "a null point holds 0, at " << i;
            result.push_back(Null);
        } else {
            result.push_back(line.Values[i]);
        }
    }
    return result;
}

// Same nulls, and values equal within a relative tolerance.
inline void expectPoints(const IndicatorLine& line, const Points& expected, double tolerance = 1e-12) {
    const Points actual = points(line);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(actual[i].has_value(), expected[i].has_value()) << "point " << i;
        if (expected[i]) {
            EXPECT_NEAR(*actual[i], *expected[i], tolerance * std::max(1.0, std::abs(*expected[i])))
                << "point " << i;
        }
    }
}

inline std::span<const QuoteRecord> all(const std::vector<QuoteRecord>& quotes) { return quotes; }
