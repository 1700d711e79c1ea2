#include "app/indicators/bollingerbands.h"

#include "app/indicators/slidingspread.h"

IndicatorNeeds bollingerBandsNeeds(int days) {
    requireIndicatorDays(bollingerBandsDaysValid(days));
    const auto n = static_cast<std::size_t>(days);
    return {n, n + 1};
}

BollingerLines computeBollingerBands(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days) {
    requireIndicatorDays(bollingerBandsDaysValid(days));
    const IndicatorWalk walk(quotes, windowCount);
    const std::size_t points = walk.WindowCount();
    BollingerLines lines{IndicatorLine(points), IndicatorLine(points), IndicatorLine(points)};
    const double count = days;
    SlidingSpread closes(static_cast<std::size_t>(days));
    for (std::size_t j = 0; j < walk.Steps(); ++j) {
        closes.Push(walk.Close(j));
        if (!closes.Full() || j < walk.Skipped()) continue;
        const double mean = closes.Mean();
        const double width = std::sqrt(closes.SquaredDeviations() / count) * 2.0;
        walk.Put(lines.Upper, j, mean + width);
        walk.Put(lines.Middle, j, mean);
        walk.Put(lines.Lower, j, mean - width);
    }
    return lines;
}
