#include "app/movingaverage.h"

IndicatorNeeds movingAverageNeeds(int days) {
    const auto n = static_cast<std::size_t>(days);
    return {n, n + 1};
}

IndicatorLine computeMovingAverage(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days) {
    requireIndicatorDays(movingAverageDaysValid(days));
    const IndicatorWalk walk(quotes, windowCount);
    IndicatorLine line(walk.WindowCount());
    const auto n = static_cast<std::size_t>(days);
    const double count = days;
    if (walk.Steps() < n) return line;
    // A running sum of the last N closes: the close that leaves the span is
    // the one read N steps before, still at hand in the quotes.
    double sum = 0;
    for (std::size_t j = 0; j < n; ++j) sum += walk.Close(j);
    walk.Put(line, n - 1, sum / count);
    for (std::size_t j = n; j < walk.Steps(); ++j) {
        sum -= walk.Close(j - n);
        sum += walk.Close(j);
        walk.Put(line, j, sum / count);
    }
    return line;
}
