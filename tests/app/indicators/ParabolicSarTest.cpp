// The parabolic SAR: its start on the window's first quote, the order of its
// reversal test, clamp and acceleration, and the quotes it does not read.
#include <gtest/gtest.h>

#include "app/indicators/parabolicsar.h"
#include "app/indicators/IndicatorTestSupport.h"

namespace {

struct Bar {
    double High, Low, Close;
};

// Newest first, as the series holds them.
std::vector<QuoteRecord> quotesFromBars(const std::vector<Bar>& oldestFirst) {
    std::vector<QuoteRecord> quotes(oldestFirst.size());
    for (std::size_t i = 0; i < oldestFirst.size(); ++i) {
        QuoteRecord& quote = quotes[oldestFirst.size() - 1 - i];
        quote.High = oldestFirst[i].High;
        quote.Low = oldestFirst[i].Low;
        quote.Close = quote.Open = oldestFirst[i].Close;
    }
    return quotes;
}

TEST(ParabolicSar, OneQuoteIsItsClose) {
    const std::vector<QuoteRecord> quotes = quotesFromBars({{12, 9, 10.5}});
    expectPoints(computeParabolicSar(quotes, 1), {10.5});
}

TEST(ParabolicSar, ClampsToTheLowBeforeThePreviousQuote) {
    const std::vector<QuoteRecord> quotes =
        quotesFromBars({{10, 8, 9}, {12, 9.5, 11}, {13, 11, 12.5}, {14, 12, 13}, {15, 13, 14}});
    expectPoints(computeParabolicSar(quotes, quotes.size()), {9.0, 9.02, 8.0, 8.2, 8.548});
}

TEST(ParabolicSar, TurnsDownOnTheSecondQuoteToTheExtremeHigh) {
    const std::vector<QuoteRecord> quotes = quotesFromBars({{10, 8, 9}, {11, 8.5, 10}});
    expectPoints(computeParabolicSar(quotes, quotes.size()), {9.0, 10.0});
}

TEST(ParabolicSar, ReadsNoQuoteBeforeTheWindow) {
    // The same two window quotes after a slump give the same points.
    const std::vector<QuoteRecord> quotes = quotesFromBars({{3, 1, 2}, {2, 0.5, 1}, {10, 8, 9}, {11, 8.5, 10}});
    expectPoints(computeParabolicSar(quotes, 2), {9.0, 10.0});
}

TEST(ParabolicSar, RisingQuotesKeepTheTrendAndTheFactorStopsAtItsMaximum) {
    // The first close lies far below the lows, so no clamp to an earlier low
    // ever binds.
    std::vector<Bar> bars{{10, 5, 4}};
    for (int i = 1; i < 30; ++i) bars.push_back({10.0 + i, 9.0 + i, 9.5 + i});
    const std::vector<QuoteRecord> quotes = quotesFromBars(bars);
    const Points sar = points(computeParabolicSar(quotes, quotes.size()));
    // Each step moves the SAR by the factor times the distance to the
    // extreme high; the second quote changes neither, so the third still
    // reaches for the first quote's high. Each new high raises the factor
    // for the next quote.
    for (std::size_t i = 1; i < bars.size(); ++i) {
        ASSERT_TRUE(sar[i]);
        EXPECT_LT(*sar[i], bars[i].Low) << i;
        const double extreme = i == 2 ? bars[0].High : bars[i - 1].High;
        const double factor = (*sar[i] - *sar[i - 1]) / (extreme - *sar[i - 1]);
        const double expected = i == 1 ? 0.02 : std::min(0.02 * static_cast<double>(i - 1), 0.2);
        EXPECT_NEAR(factor, expected, 1e-9) << i;
    }
}

TEST(ParabolicSar, FallingQuotesClampToTheHighsAndTurnUpOnABreakout) {
    // Down from the second quote on; the fifth breaks above the SAR.
    const std::vector<QuoteRecord> quotes =
        quotesFromBars({{10, 8, 9}, {9, 7, 8}, {8, 6, 7}, {7, 5, 6}, {12, 6, 11}});
    // Second quote: 9.02 lies above its low 7, so it turns down at the extreme
    // high 10. Third: (7 - 10) x 0.02 + 10 = 9.94, below the high 10 before.
    // Fourth: the new low 6 raised the factor to 0.04: (6 - 10) x 0.04 + 10.
    // Fifth: (5 - 9.84) x 0.06 + 9.84 lies below the high 12: up, at the low 5.
    expectPoints(computeParabolicSar(quotes, quotes.size()), {9.0, 10.0, 10.0, 9.84, 5.0});
}

}  // namespace
