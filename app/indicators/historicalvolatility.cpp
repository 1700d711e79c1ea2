#include "app/indicators/historicalvolatility.h"

#include "app/indicators/slidingspread.h"

IndicatorNeeds historicalVolatilityNeeds(int days) {
    requireIndicatorDays(historicalVolatilityDaysValid(days));
    const auto n = static_cast<std::size_t>(days);
    return {n + 1, n + 2};
}

int volatilityPeriodsPerYear(std::string_view periodName) {
    if (periodName == "Daily") return 262;
    if (periodName == "Weekly") return 52;
    return 12;
}

IndicatorLine computeHistoricalVolatility(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days,
                                          int periodsPerYear) {
    requireIndicatorDays(historicalVolatilityDaysValid(days));
    const IndicatorWalk walk(quotes, windowCount);
    IndicatorLine line(walk.WindowCount());
    if (days == 1) return line;
    const double scale = std::sqrt(static_cast<double>(periodsPerYear)) * 100;
    const double degrees = days - 1;
    SlidingSpread returns(static_cast<std::size_t>(days));
    for (std::size_t j = 1; j < walk.Steps(); ++j) {
        const double previous = walk.Close(j - 1);
        const double close = walk.Close(j);
        const double ratio = close / previous;
        const bool taken = previous > 0 && close > 0 && std::isfinite(ratio) && ratio > 0;
        const double logReturn = taken ? std::log(ratio) : 0;
        returns.Push(logReturn, !(taken && std::isfinite(logReturn)));
        if (!returns.Complete() || j < walk.Skipped()) continue;
        walk.Put(line, j, std::sqrt(returns.SquaredDeviations() / degrees) * scale);
    }
    return line;
}
