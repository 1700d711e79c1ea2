#pragma once
// The parabolic stop-and-reverse points over the window: the one indicator
// that reads the quotes' High and Low, and the one that reads no quote older
// than the window.

#include "app/indicators/indicatorframe.h"

// A point per window quote, never null: the first is the first quote's
// close, and the trend starts upward there whatever came before. quotes: the
// window (its first windowCount quotes, newest first); older quotes after it
// are not read.
IndicatorLine computeParabolicSar(std::span<const QuoteRecord> quotes, std::size_t windowCount);
