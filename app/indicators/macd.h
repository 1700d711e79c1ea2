#pragma once
// The MACD: the 12-day less the 26-day exponential moving average of the
// closes, and its signal line, the 9-day exponential moving average of it.

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view MacdTooFewQuotes = "There are not enough quotes to calculate the MACD.";

// Up to 35 older quotes; 37 quotes at least.
constexpr IndicatorNeeds MacdNeeds{35, 37};

struct MacdLines {
    IndicatorLine Macd;
    IndicatorLine Signal;
};

// Each average is seeded with the mean of its first closes (the signal with
// the mean of the first 9 MACD values); both lines are null before the 36th
// quote read. quotes: the window (its first windowCount quotes) and the older
// quotes, newest first.
MacdLines computeMacd(std::span<const QuoteRecord> quotes, std::size_t windowCount);
