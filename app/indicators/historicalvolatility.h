#pragma once
// The historical volatility: the sample standard deviation of the last N
// logarithmic returns of the closes, annualised, in percent.

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view HistoricalVolatilityTooFewQuotes =
    "There are not enough quotes to calculate the Historical Volatility.";

// N from 1 to 4000.
constexpr bool historicalVolatilityDaysValid(int days) { return indicatorDaysInRange(days); }
// Up to N + 1 older quotes; N + 2 quotes at least.
IndicatorNeeds historicalVolatilityNeeds(int days);

// Periods per year by the period's name: "Daily" 262, "Weekly" 52, any other
// 12. The names compare exactly.
int volatilityPeriodsPerYear(std::string_view periodName);

// Null until N returns (N + 1 closes) have been seen, where a return of the
// last N could not be taken (a close of 0 or below), and always for N = 1,
// whose one return has no sample deviation. quotes: the window (its first
// windowCount quotes) and the older quotes, newest first. Raises
// EIndicatorDays for N outside 1 to 4000.
IndicatorLine computeHistoricalVolatility(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days,
                                          int periodsPerYear);
