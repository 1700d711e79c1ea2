// What every indicator shares: the quotes it reads before the window, the
// boundary of too few quotes, null points where it has no value yet, and the
// check of its day counts.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "app/quotes/quotewindow.h"
#include "app/indicators/IndicatorTable.h"
#include "app/indicators/IndicatorTestSupport.h"

namespace {

// Closes that never repeat and never stand still.
std::vector<double> wavyCloses(std::size_t count) {
    std::vector<double> closes;
    for (std::size_t i = 0; i < count; ++i) closes.push_back(50 + 10 * std::sin(0.7 * i) + 0.3 * i);
    return closes;
}

void fillSeries(linkedList& series, const std::vector<QuoteRecord>& quotes) {
    for (const QuoteRecord& quote : quotes) {
        series.Current = quote;
        series.appendRecord();
    }
}

std::size_t leadingNulls(const IndicatorLine& line) {
    std::size_t count = 0;
    while (count < line.Size() && line.IsNull(count)) ++count;
    return count;
}

void expectNoNullAfter(const IndicatorLine& line, std::size_t first) {
    for (std::size_t i = first; i < line.Size(); ++i) EXPECT_FALSE(line.IsNull(i)) << "point " << i;
}

class EveryIndicator : public testing::TestWithParam<IndicatorCase> {};

TEST_P(EveryIndicator, NeedsItsQuotesAndNoMore) {
    const IndicatorCase& c = GetParam();
    const std::size_t q = c.Needs.Quotes;
    ASSERT_GE(q, c.FirstValue);
    const std::vector<QuoteRecord> tooFew = quotesFromCloses(wavyCloses(q - 1));
    const std::vector<QuoteRecord> enough = quotesFromCloses(wavyCloses(q));
    EXPECT_FALSE(c.Needs.MetBy(tooFew));
    EXPECT_TRUE(c.Needs.MetBy(enough));

    // A window of Q quotes from the file's oldest: null up to the first value.
    for (const IndicatorLine& line : c.Run(enough, enough.size())) {
        ASSERT_EQ(line.Size(), q);
        EXPECT_EQ(leadingNulls(line), c.FirstValue - 1);
        expectNoNullAfter(line, c.FirstValue - 1);
    }
    // With Q - 1 quotes the points still come, one per window quote.
    for (const IndicatorLine& line : c.Run(tooFew, tooFew.size())) EXPECT_EQ(line.Size(), q - 1);
}

TEST_P(EveryIndicator, OlderQuotesGiveTheWindowItsFirstValues) {
    const IndicatorCase& c = GetParam();
    linkedList series;
    fillSeries(series, quotesFromCloses(wavyCloses(80)));
    // The newest ten quotes are d70 to d79.
    findChosenDates(series, "d70", "d79");
    const std::span<const QuoteRecord> quotes = indicatorQuotes(series, c.Needs.WarmUp);
    ASSERT_EQ(quotes.size(), 10 + c.Needs.WarmUp);
    EXPECT_EQ(quotes.front().Date, "d79");
    EXPECT_EQ(quotes[9].Date, "d70");
    ASSERT_TRUE(c.Needs.MetBy(quotes));

    // Only the price oscillator, whose warm-up is shorter than its walk to
    // the first value, starts the window with null points.
    const std::size_t nulls = c.FirstValue - 1 > c.Needs.WarmUp ? c.FirstValue - 1 - c.Needs.WarmUp : 0;
    EXPECT_EQ(nulls, c.Name == "PriceOscillator" ? 2u : 0u);
    for (const IndicatorLine& line : c.Run(quotes, series.WindowCount)) {
        ASSERT_EQ(line.Size(), 10u);
        EXPECT_EQ(leadingNulls(line), nulls);
        expectNoNullAfter(line, nulls);
    }
}

TEST_P(EveryIndicator, WindowOfOneQuote) {
    const IndicatorCase& c = GetParam();
    const std::vector<QuoteRecord> quotes = quotesFromCloses(wavyCloses(c.Needs.WarmUp + 1));
    const bool enough = c.Needs.MetBy(quotes);
    for (const IndicatorLine& line : c.Run(quotes, 1)) {
        ASSERT_EQ(line.Size(), 1u);
        // Where the frame lets one quote with all its older ones through,
        // that quote has its value.
        if (enough) {
            EXPECT_FALSE(line.IsNull(0));
        }
    }
    // The exponential moving average, MACD, momentum, RSI and price
    // oscillator need more than one window quote.
    const bool oneQuoteEnough = c.Name == "MovingAverage" || c.Name == "ParabolicSar" || c.Name == "Stochastic" ||
                                c.Name == "BollingerBands" || c.Name == "HistoricalVolatility";
    EXPECT_EQ(enough, oneQuoteEnough);
}

TEST_P(EveryIndicator, NoQuotesNoPoints) {
    for (const IndicatorLine& line : GetParam().Run({}, 0)) EXPECT_EQ(line.Size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Indicators, EveryIndicator, testing::ValuesIn(indicatorCases()), caseName);

TEST(IndicatorFrame, WarmUpStopsAtTheFilesOldestQuote) {
    linkedList series;
    fillSeries(series, quotesFromCloses(wavyCloses(20)));
    findChosenDates(series, "d3", "d12");
    std::span<const QuoteRecord> quotes = indicatorQuotes(series, 5);
    EXPECT_EQ(quotes.size(), 13u);
    EXPECT_EQ(quotes.back().Date, "d0");
    EXPECT_EQ(quotes.front().Date, "d12");

    findChosenDates(series, "d0", "d19");
    EXPECT_EQ(indicatorQuotes(series, 5).size(), 20u);
    findChosenDates(series, "d19", "d19");
    quotes = indicatorQuotes(series, 5);
    ASSERT_EQ(quotes.size(), 6u);
    EXPECT_EQ(quotes.back().Date, "d14");
}

TEST(IndicatorFrame, AWindowCountBeyondTheQuotesIsCutToThem) {
    const std::vector<QuoteRecord> quotes = quotesFromCloses({1, 2, 3});
    expectPoints(computeMovingAverage(quotes, 7, 2), {Null, 1.5, 2.5});
}

struct DaysCase {
    const char* Name;
    std::function<void(int)> Run;
    int Lowest;
    int Highest;  // INT_MAX where there is no upper limit
};

TEST(IndicatorFrame, DayCountsOutsideTheirRangeAreRejectedWithTheRangeMessage) {
    const std::vector<QuoteRecord> quotes = quotesFromCloses(wavyCloses(30));
    const std::vector<DaysCase> cases = {
        {"moving average", [&](int n) { computeMovingAverage(quotes, 10, n); }, 1, 4000},
        {"exponential moving average", [&](int n) { computeExpMovingAverage(quotes, 10, n); }, 1, INT_MAX},
        {"momentum", [&](int n) { computeMomentum(quotes, 10, n); }, 1, 4000},
        {"RSI", [&](int n) { computeRsi(quotes, 10, n); }, 1, 4000},
        {"stochastic period", [&](int n) { computeStochastic(quotes, 10, n, 1, 1); }, 1, 4000},
        {"stochastic %K", [&](int n) { computeStochastic(quotes, 10, 1, n, 1); }, 1, 4000},
        {"stochastic %D", [&](int n) { computeStochastic(quotes, 10, 1, 1, n); }, 1, 4000},
        {"price oscillator A", [&](int n) { computePriceOscillator(quotes, 10, n, 1, false); }, 1, 4000},
        {"price oscillator B", [&](int n) { computePriceOscillator(quotes, 10, 1, n, true); }, 1, 4000},
        {"Bollinger bands", [&](int n) { computeBollingerBands(quotes, 10, n); }, 1, 4000},
        {"historical volatility", [&](int n) { computeHistoricalVolatility(quotes, 10, n, 12); }, 1, 4000},
    };
    for (const DaysCase& c : cases) {
        SCOPED_TRACE(c.Name);
        for (int days : {c.Lowest, 2, 4000, 5000}) {
            if (days > c.Highest) continue;
            EXPECT_NO_THROW(c.Run(days)) << days;
        }
        for (int days : {0, -1, INT_MIN, 4001}) {
            if (days >= c.Lowest && days <= c.Highest) continue;
            try {
                c.Run(days);
                ADD_FAILURE() << days << " was taken";
            } catch (const EIndicatorDays& e) {
                EXPECT_EQ(e.GetMessage(), "The number of days have to be between 1 and 4000.");
            }
        }
    }
}

TEST(IndicatorFrame, TheLongestExponentialAverageOverflowsNoCount) {
    const IndicatorNeeds needs = expMovingAverageNeeds(INT_MAX);
    EXPECT_EQ(needs.WarmUp, 2147483647u);
    EXPECT_EQ(needs.Quotes, 2147483649u);
    const std::vector<QuoteRecord> quotes = quotesFromCloses(wavyCloses(30));
    EXPECT_FALSE(needs.MetBy(quotes));
    expectPoints(computeExpMovingAverage(quotes, 3, INT_MAX), {Null, Null, Null});
    EXPECT_EQ(stochasticNeeds(4000, 4000, 4000).Quotes, 12001u);
    // Days that no computation takes have no needs either.
    EXPECT_THROW(rsiNeeds(0), EIndicatorDays);
    EXPECT_THROW(expMovingAverageNeeds(INT_MIN), EIndicatorDays);
    EXPECT_THROW(stochasticNeeds(1, 4001, 1), EIndicatorDays);
    EXPECT_THROW(priceOscillatorNeeds(0, 1), EIndicatorDays);
    EXPECT_EQ(historicalVolatilityNeeds(4000).Quotes, 4002u);
}

}  // namespace
