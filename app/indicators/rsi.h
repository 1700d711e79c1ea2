#pragma once
// The N-day relative strength index of the closes.

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view RsiTooFewQuotes = "There are not enough quotes to calculate the RSI.";

// N from 1 to 4000, as every indicator's.
constexpr bool rsiDaysValid(int days) { return indicatorDaysInRange(days); }
// Up to N - 1 older quotes; N + 1 quotes at least.
IndicatorNeeds rsiNeeds(int days);

// 100 times the average gain over the average gain and loss. The averages
// start at the Nth close as the gains and losses of the first N closes
// divided by N, and then each change weighs 1 / N. Null before that, and
// where the closes the averages cover did not move. quotes: the window (its
// first windowCount quotes) and the older quotes, newest first. Raises
// EIndicatorDays for N outside 1 to 4000.
IndicatorLine computeRsi(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days);
