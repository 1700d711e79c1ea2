// Indicators on closes that stand still, are 0 or below, or leave the range
// of doubles: a point is a number or null, never NaN or infinite.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "app/indicators/IndicatorTable.h"
#include "app/indicators/IndicatorTestSupport.h"

namespace {

class Indicator : public testing::TestWithParam<IndicatorCase> {};

// Every point is a number or null; returns the number of points with values.
std::size_t expectNumbersOrNulls(const IndicatorLine& line) {
    std::size_t values = 0;
    for (std::size_t i = 0; i < line.Size(); ++i) {
        EXPECT_TRUE(std::isfinite(line.Values[i])) << "point " << i;
        if (line.IsNull(i)) {
            EXPECT_EQ(line.Values[i], 0) << "point " << i;
        } else {
            ++values;
        }
    }
    return values;
}

// Each bout of extremes is followed by a calm stretch.
std::vector<double> boutsOf(std::initializer_list<double> extremes) {
    std::vector<double> closes;
    for (int bout = 0; bout < 6; ++bout) {
        closes.insert(closes.end(), extremes);
        for (int i = 0; i < 40; ++i) closes.push_back(10 + (i * 7919 % 13));
    }
    return closes;
}

TEST_P(Indicator, ExtremeClosesGiveNumbersOrNulls) {
    const double max = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    const std::vector<double> closes = boutsOf({5, 0, 0, -3, max, max, -max, tiny, 1, 1e300, 2, 7, 7, 7, 7, 7});
    const std::vector<QuoteRecord> quotes = quotesFromCloses(closes);
    const IndicatorCase& c = GetParam();
    // The recursive averages carry every close read; the others look at the
    // last few only and have values again once the extremes have left.
    const bool recursive = c.Name == "ExpMovingAverage" || c.Name == "Macd" || c.Name == "Rsi" || c.Name == "ParabolicSar";
    for (const IndicatorLine& line : c.Run(quotes, quotes.size())) {
        ASSERT_EQ(line.Size(), closes.size());
        const std::size_t values = expectNumbersOrNulls(line);
        if (!recursive) {
            EXPECT_GT(values, 0u);
            EXPECT_FALSE(line.IsNull(line.Size() - 1));
        }
    }
}

TEST_P(Indicator, ClosesThatAreNoNumbersGiveNumbersOrNulls) {
    // A quote file never holds them; a series made otherwise might.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> closes = boutsOf({5, inf, 3, nan, -inf, 2, nan, nan, nan, nan, nan, nan, nan, nan});
    const std::vector<QuoteRecord> quotes = quotesFromCloses(closes);
    for (const IndicatorLine& line : GetParam().Run(quotes, quotes.size())) {
        ASSERT_EQ(line.Size(), closes.size());
        expectNumbersOrNulls(line);
    }
}

TEST_P(Indicator, ConstantClosesGiveDefinedPoints) {
    // 0.1 has no exact double, so sums of it round.
    std::vector<QuoteRecord> quotes = quotesFromCloses(std::vector<double>(60, 0.1));
    for (QuoteRecord& quote : quotes) quote.High = quote.Low = quote.Close;
    // The value each line holds from its first value on; no value where
    // nothing moves (the RSI and the stochastic oscillator).
    static const std::map<std::string, std::vector<std::optional<double>>> expected = {
        {"MovingAverage", {0.1}},
        {"ExpMovingAverage", {0.1}},
        {"Macd", {0.0, 0.0}},
        {"Momentum", {100.0}},
        {"ParabolicSar", {0.1}},
        {"Rsi", {Null}},
        {"Stochastic", {Null, Null}},
        {"PriceOscillator", {0.0}},
        {"BollingerBands", {0.1, 0.1, 0.1}},
        {"HistoricalVolatility", {0.0}},
    };
    const IndicatorCase& c = GetParam();
    const IndicatorLines lines = c.Run(quotes, quotes.size());
    const auto& values = expected.at(c.Name);
    ASSERT_EQ(lines.size(), values.size());
    for (std::size_t l = 0; l < lines.size(); ++l) {
        Points points(c.FirstValue - 1, Null);
        points.resize(quotes.size(), values[l]);
        expectPoints(lines[l], points, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(Indicators, Indicator, testing::ValuesIn(indicatorCases()), caseName);

TEST(IndicatorRobustness, BandsCoincideExactlyOnConstantCloses) {
    for (double close : {0.1, 1e9 + 0.3, 0.0, -2.7}) {
        const std::vector<QuoteRecord> quotes = quotesFromCloses(std::vector<double>(20, close));
        const BollingerLines bands = computeBollingerBands(quotes, quotes.size(), 3);
        for (std::size_t i = 2; i < quotes.size(); ++i) {
            ASSERT_FALSE(bands.Middle.IsNull(i));
            EXPECT_EQ(bands.Upper.Values[i], bands.Middle.Values[i]) << close << " at " << i;
            EXPECT_EQ(bands.Lower.Values[i], bands.Middle.Values[i]) << close << " at " << i;
        }
    }
}

TEST(IndicatorRobustness, BandsForgetASpikeOnceItHasLeft) {
    std::vector<double> closes{3.7, 1e6 + 0.3, 2.9, 0.7};
    closes.resize(12, 1.1);
    const std::vector<QuoteRecord> quotes = quotesFromCloses(closes);
    const BollingerLines bands = computeBollingerBands(quotes, quotes.size(), 4);
    for (std::size_t i = 7; i < closes.size(); ++i) {
        EXPECT_NEAR(bands.Middle.Values[i], 1.1, 1e-9);
        EXPECT_EQ(bands.Upper.Values[i], bands.Middle.Values[i]) << i;
        EXPECT_EQ(bands.Lower.Values[i], bands.Middle.Values[i]) << i;
    }
}

TEST(IndicatorRobustness, NearlyConstantClosesKeepTheirBandsAndVolatility) {
    // Deviations at the last bits of the closes: rounding may take the
    // running spread below 0, which must read as no spread, not as a gap.
    std::vector<double> closes;
    for (int i = 0; i < 400; ++i) closes.push_back(1e9 + (i * 37 % 11) * 1.2e-7);
    const std::vector<QuoteRecord> quotes = quotesFromCloses(closes);
    const BollingerLines bands = computeBollingerBands(quotes, quotes.size(), 7);
    const IndicatorLine volatility = computeHistoricalVolatility(quotes, quotes.size(), 7, 262);
    for (std::size_t i = 7; i < closes.size(); ++i) {
        EXPECT_FALSE(bands.Upper.IsNull(i)) << i;
        EXPECT_LE(bands.Lower.Values[i], bands.Middle.Values[i]);
        EXPECT_LE(bands.Middle.Values[i], bands.Upper.Values[i]);
        EXPECT_FALSE(volatility.IsNull(i)) << i;
        EXPECT_GE(volatility.Values[i], 0);
    }
}

TEST(IndicatorRobustness, RsiWaitsForAMove) {
    const std::vector<QuoteRecord> quotes = quotesFromCloses({5, 5, 5, 6, 6, 6});
    expectPoints(computeRsi(quotes, quotes.size(), 3), {Null, Null, Null, 100.0, 100.0, 100.0});
    // One day: each point says whether that close rose, fell or stood still.
    const std::vector<QuoteRecord> daily = quotesFromCloses({5, 6, 6, 4});
    expectPoints(computeRsi(daily, daily.size(), 1), {Null, 100.0, Null, 0.0});
}

TEST(IndicatorRobustness, StochasticIsNullWhereTheRangeIsFlat) {
    const std::vector<QuoteRecord> quotes = quotesFromCloses({5, 5, 6, 6, 7});
    const StochasticLines lines = computeStochastic(quotes, quotes.size(), 2, 1, 1);
    expectPoints(lines.K, {Null, Null, 100.0, Null, 100.0});
    expectPoints(lines.D, {Null, Null, 100.0, Null, 100.0});
    // A flat raw value keeps every mean that takes it in null.
    const StochasticLines smoothed = computeStochastic(quotes, quotes.size(), 2, 2, 1);
    expectPoints(smoothed.K, {Null, Null, Null, Null, Null});
    // One day's range is always flat.
    for (const IndicatorLine& line : {computeStochastic(quotes, 5, 1, 1, 1).K, computeStochastic(quotes, 5, 1, 1, 1).D})
        expectPoints(line, {Null, Null, Null, Null, Null});
}

TEST(IndicatorRobustness, DivisionsByZeroGiveNulls) {
    const std::vector<QuoteRecord> quotes = quotesFromCloses({2, 0, 3, 4});
    expectPoints(computeMomentum(quotes, quotes.size(), 1), {Null, 0.0, Null, 400.0 / 3});
    const std::vector<QuoteRecord> zeroAverage = quotesFromCloses({3, 0, 2});
    expectPoints(computePriceOscillator(zeroAverage, 3, 1, 1, true), {Null, Null, 0.0});
    expectPoints(computePriceOscillator(zeroAverage, 3, 1, 1, false), {Null, 0.0, 0.0});
}

TEST(IndicatorRobustness, VolatilityIsNullWhileAReturnCannotBeTaken) {
    const std::vector<double> closes{100, 110, 0, 99, 108.9, 119.79, 130, -4, 5, 6, 7.5};
    const std::vector<QuoteRecord> quotes = quotesFromCloses(closes);
    const double lastTwo = std::abs(std::log(1.1) - std::log(130 / 119.79)) / std::sqrt(2.0);
    const double end = std::abs(std::log(6.0 / 5) - std::log(7.5 / 6)) / std::sqrt(2.0);
    expectPoints(computeHistoricalVolatility(quotes, quotes.size(), 2, 12),
                 {Null, Null, Null, Null, Null, 0.0, lastTwo * std::sqrt(12.0) * 100, Null, Null, Null,
                  end * std::sqrt(12.0) * 100},
                 1e-9);
    // One return has no sample deviation.
    expectPoints(computeHistoricalVolatility(quotes, 4, 1, 12), {Null, Null, Null, Null});
}

}  // namespace
