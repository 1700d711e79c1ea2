#pragma once
// The stochastic oscillator: where the close stands in the range of the last
// P closes (not the quotes' High and Low), smoothed over K quotes (%K), and
// that smoothed again over D quotes (%D).

#include "app/indicators/indicatorframe.h"

inline constexpr std::string_view StochasticTooFewQuotes =
    "There are not enough quotes to calculate the Stochastic Oscillator.";

// P, K and D each from 1 to 4000.
constexpr bool stochasticDaysValid(int period, int kDays, int dDays) {
    return indicatorDaysInRange(period) && indicatorDaysInRange(kDays) && indicatorDaysInRange(dDays);
}
// Up to P + K + D older quotes; one more quote at least.
IndicatorNeeds stochasticNeeds(int period, int kDays, int dDays);

struct StochasticLines {
    IndicatorLine K;  // the smoothed %K
    IndicatorLine D;
};

// Both lines start together, at the (P + K + D - 2)th close read. A raw %K
// is null where the last P closes are all equal, and so is every mean that
// takes it in. quotes: the window (its first windowCount quotes) and the
// older quotes, newest first. Raises EIndicatorDays for a count outside 1 to
// 4000.
StochasticLines computeStochastic(std::span<const QuoteRecord> quotes, std::size_t windowCount, int period,
                                  int kDays, int dDays);
