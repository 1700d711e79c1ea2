#pragma once
// The N-day exponential moving average of the closes.

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view ExpMovingAverageTooFewQuotes =
    "There are not enough quotes to calculate the Exponential Moving Average.";

// N of 1 or more: it keeps no ring of closes, so no upper limit applies.
constexpr bool expMovingAverageDaysValid(int days) { return days >= 1; }
// Up to N older quotes; N + 2 quotes at least.
IndicatorNeeds expMovingAverageNeeds(int days);

// Seeded with the mean of the first N closes, which the (N + 1)th close moves
// by 2 / (N + 1); from then on each close moves the average by that much.
// Null until then. quotes: the window (its first windowCount quotes) and the
// older quotes, newest first. Raises EIndicatorDays for N below 1.
IndicatorLine computeExpMovingAverage(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days);
