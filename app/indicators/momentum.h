#pragma once
// The N-day momentum: 100 times the close divided by the close N quotes
// earlier.

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view MomentumTooFewQuotes = "There are not enough quotes to calculate the Momentum.";

// N from 1 to 4000.
constexpr bool momentumDaysValid(int days) { return indicatorDaysInRange(days); }
// Up to N older quotes; N + 2 quotes at least.
IndicatorNeeds momentumNeeds(int days);

// 100 means no change, above 100 a rise. Null until N + 1 closes have been
// seen, and where the earlier close is 0. quotes: the window (its first
// windowCount quotes) and the older quotes, newest first. Raises
// EIndicatorDays for N outside 1 to 4000.
IndicatorLine computeMomentum(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days);
