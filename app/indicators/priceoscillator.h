#pragma once
// The price oscillator: the A-day less the B-day simple moving average of the
// closes, in points or in percent of the A-day average.

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view PriceOscillatorTooFewQuotes =
    "There are not enough quotes to calculate the Price Oscillator.";

// A and B each from 1 to 4000.
constexpr bool priceOscillatorDaysValid(int aDays, int bDays) {
    return indicatorDaysInRange(aDays) && indicatorDaysInRange(bDays);
}
// Up to B older quotes; A + B + 1 quotes at least. The first value comes at
// the (A + B)th close read, so at least the first A - 1 window quotes are
// null.
IndicatorNeeds priceOscillatorNeeds(int aDays, int bDays);

// Both averages end at the same quote. In percent a point is null where the
// A-day average is 0. quotes: the window (its first windowCount quotes) and
// the older quotes, newest first. Raises EIndicatorDays for a count outside
// 1 to 4000.
IndicatorLine computePriceOscillator(std::span<const QuoteRecord> quotes, std::size_t windowCount, int aDays,
                                     int bDays, bool percent);
