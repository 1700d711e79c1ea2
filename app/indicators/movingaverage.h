#pragma once
// The N-day simple moving average of the closes.

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view MovingAverageTooFewQuotes =
    "There are not enough quotes to calculate the Moving Average.";

// N from 1 to 4000.
constexpr bool movingAverageDaysValid(int days) { return indicatorDaysInRange(days); }
// Up to N older quotes; N + 1 quotes at least.
IndicatorNeeds movingAverageNeeds(int days);

// The mean of the last N closes at each window quote, null until N closes
// have been seen. quotes: the window (its first windowCount quotes) and the
// older quotes, newest first. Raises EIndicatorDays for N outside 1 to 4000.
IndicatorLine computeMovingAverage(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days);
