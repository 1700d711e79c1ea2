// Known points of every indicator on short runs of closes, each run starting
// at the file's oldest quote, so the window is every quote given.
#include <gtest/gtest.h>

#include <functional>

#include "app/indicators/bollingerbands.h"
#include "app/indicators/expmovingaverage.h"
#include "app/indicators/historicalvolatility.h"
#include "app/indicators/macd.h"
#include "app/indicators/momentum.h"
#include "app/indicators/movingaverage.h"
#include "app/indicators/priceoscillator.h"
#include "app/indicators/rsi.h"
#include "app/indicators/stochastic.h"
#include "app/indicators/IndicatorTestSupport.h"

namespace {

using Lines = std::vector<IndicatorLine>;
using Compute = std::function<Lines(std::span<const QuoteRecord>, std::size_t)>;

struct Example {
    const char* Name;
    std::vector<double> Closes;
    Compute Run;
    std::vector<Points> Expected;  // one per line
};

Compute movingAverage(int n) {
    return [n](auto q, auto w) { return Lines{computeMovingAverage(q, w, n)}; };
}
Compute expMovingAverage(int n) {
    return [n](auto q, auto w) { return Lines{computeExpMovingAverage(q, w, n)}; };
}
Compute momentum(int n) {
    return [n](auto q, auto w) { return Lines{computeMomentum(q, w, n)}; };
}
Compute rsi(int n) {
    return [n](auto q, auto w) { return Lines{computeRsi(q, w, n)}; };
}
Compute stochastic(int p, int k, int d) {
    return [=](auto q, auto w) {
        StochasticLines lines = computeStochastic(q, w, p, k, d);
        return Lines{lines.K, lines.D};
    };
}
Compute priceOscillator(int a, int b, bool percent) {
    return [=](auto q, auto w) { return Lines{computePriceOscillator(q, w, a, b, percent)}; };
}
Compute bollinger(int n) {
    return [n](auto q, auto w) {
        BollingerLines lines = computeBollingerBands(q, w, n);
        return Lines{lines.Upper, lines.Middle, lines.Lower};
    };
}
Compute volatility(int n, const char* period) {
    return [=](auto q, auto w) {
        return Lines{computeHistoricalVolatility(q, w, n, volatilityPeriodsPerYear(period))};
    };
}

const std::vector<Example>& examples() {
    static const std::vector<Example> table = {
        {"MovingAverageOfOneDayIsTheClose", {5, 7, 6, 9}, movingAverage(1), {{5.0, 7.0, 6.0, 9.0}}},
        {"MovingAverageOfThree", {1, 2, 3, 4}, movingAverage(3), {{Null, Null, 2.0, 3.0}}},
        {"ExpMovingAverageOfOneDayIsTheClose", {5, 7, 6, 9}, expMovingAverage(1), {{Null, 7.0, 6.0, 9.0}}},
        {"ExpMovingAverageOfThree", {1, 2, 3, 4, 5}, expMovingAverage(3), {{Null, Null, Null, 3.0, 4.0}}},
        {"MomentumOfTwo", {10, 20, 40, 80}, momentum(2), {{Null, Null, 400.0, 400.0}}},
        {"RsiOfThree", {10, 11, 10.5, 11.5}, rsi(3), {{Null, Null, 100.0 * 2 / 3, 100.0 * 5 / 6}}},
        {"RsiOnRisingCloses", {1, 2, 4, 5, 7, 8}, rsi(3), {{Null, Null, 100.0, 100.0, 100.0, 100.0}}},
        {"RsiOnFallingCloses", {9, 8, 6, 5, 3, 2}, rsi(3), {{Null, Null, 0.0, 0.0, 0.0, 0.0}}},
        {"StochasticOfTwoTwoTwo",
         {1, 2, 4, 3, 5, 6, 4},
         stochastic(2, 2, 2),
         {{Null, Null, Null, 50.0, 50.0, 100.0, 50.0}, {Null, Null, Null, 75.0, 50.0, 75.0, 75.0}}},
        {"StochasticAtTheHighestAndLowestClose",
         {3, 1, 2, 5, 4, 0},
         stochastic(3, 1, 1),
         {{Null, Null, 50.0, 100.0, 200.0 / 3, 0.0}, {Null, Null, 50.0, 100.0, 200.0 / 3, 0.0}}},
        {"PriceOscillatorInPoints", {1, 2, 3, 4, 5, 6}, priceOscillator(2, 3, false),
         {{Null, Null, Null, Null, 0.5, 0.5}}},
        {"PriceOscillatorInPercent", {1, 2, 3, 4, 5, 6}, priceOscillator(2, 3, true),
         {{Null, Null, Null, Null, 100.0 / 9, 100.0 / 11}}},
        {"BollingerBandsOfTwo",
         {1, 3, 5},
         bollinger(2),
         {{Null, 4.0, 6.0}, {Null, 2.0, 4.0}, {Null, 0.0, 2.0}}},
        // The deviation of the current two closes 3 and 7 is 2, so the width is 4.
        {"BollingerBandsFollowTheCurrentCloses",
         {1, 3, 7},
         bollinger(2),
         {{Null, 4.0, 9.0}, {Null, 2.0, 5.0}, {Null, 0.0, 1.0}}},
        {"MonthlyVolatility", {100, 110, 99, 108.9}, volatility(2, "Monthly"),
         {{Null, Null, 49.154081021170626, 49.154081021170626}}},
        // The last two returns are ln 0.9 and 0: a sample deviation of
        // |ln 0.9| / sqrt 2.
        {"DailyVolatilityFollowsTheCurrentReturns", {100, 110, 99, 99}, volatility(2, "Daily"),
         {{Null, Null, 229.67810888853802, 120.59062202420554}}},
    };
    return table;
}

void PrintTo(const Example& example, std::ostream* os) { *os << example.Name; }

class IndicatorExample : public testing::TestWithParam<Example> {};

TEST_P(IndicatorExample, GivesItsKnownPoints) {
    const Example& example = GetParam();
    const std::vector<QuoteRecord> quotes = quotesFromCloses(example.Closes);
    const Lines lines = example.Run(quotes, quotes.size());
    ASSERT_EQ(lines.size(), example.Expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        expectPoints(lines[i], example.Expected[i], 1e-8);
    }
}

INSTANTIATE_TEST_SUITE_P(Indicators, IndicatorExample, testing::ValuesIn(examples()),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(IndicatorExamples, MacdIsZeroOnConstantClosesFromTheThirtySixthQuote) {
    const std::vector<QuoteRecord> quotes = quotesFromCloses(std::vector<double>(40, 25.0));
    const MacdLines lines = computeMacd(quotes, quotes.size());
    Points expected(35, Null);
    expected.resize(40, 0.0);
    expectPoints(lines.Macd, expected);
    expectPoints(lines.Signal, expected);
}

TEST(IndicatorExamples, MomentumAndVolatilityOfSteadyGrowth) {
    std::vector<double> closes;
    for (double c = 10; closes.size() < 12; c *= 1.5) closes.push_back(c);
    const std::vector<QuoteRecord> quotes = quotesFromCloses(closes);
    const Points momentum = points(computeMomentum(quotes, quotes.size(), 1));
    const Points volatility = points(computeHistoricalVolatility(quotes, quotes.size(), 3, 52));
    for (std::size_t i = 1; i < closes.size(); ++i) {
        ASSERT_TRUE(momentum[i]);
        EXPECT_NEAR(*momentum[i], 150, 1e-9);
    }
    // Rounding makes the returns differ in their last bits: a spread that
    // must never go below 0.
    for (std::size_t i = 3; i < closes.size(); ++i) {
        ASSERT_TRUE(volatility[i]);
        EXPECT_NEAR(*volatility[i], 0, 1e-6);
    }
}

TEST(IndicatorExamples, PeriodsPerYearByName) {
    EXPECT_EQ(volatilityPeriodsPerYear("Daily"), 262);
    EXPECT_EQ(volatilityPeriodsPerYear("Weekly"), 52);
    EXPECT_EQ(volatilityPeriodsPerYear("Monthly"), 12);
    EXPECT_EQ(volatilityPeriodsPerYear("daily"), 12);
    EXPECT_EQ(volatilityPeriodsPerYear(""), 12);
}

}  // namespace
