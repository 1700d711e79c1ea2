#pragma once
// The Bollinger bands: the N-day mean of the closes, and bands two standard
// deviations of the same N closes above and below it.

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view BollingerBandsTooFewQuotes =
    "There are not enough quotes to calculate the Bollinger Bands.";

// N from 1 to 4000.
constexpr bool bollingerBandsDaysValid(int days) { return indicatorDaysInRange(days); }
// Up to N older quotes; N + 1 quotes at least.
IndicatorNeeds bollingerBandsNeeds(int days);

struct BollingerLines {
    IndicatorLine Upper;
    IndicatorLine Middle;
    IndicatorLine Lower;
};

// The deviation is the population one (over N) of the current N closes. All
// three null until N closes have been seen; on constant closes they coincide.
// quotes: the window (its first windowCount quotes) and the older quotes,
// newest first. Raises EIndicatorDays for N outside 1 to 4000.
BollingerLines computeBollingerBands(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days);
