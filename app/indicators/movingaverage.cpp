#include "app/indicators/movingaverage.h"

IndicatorNeeds movingAverageNeeds(int days) {
    requireIndicatorDays(movingAverageDaysValid(days));
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
    double sum = walk.SumOfCloses(0, n);
    walk.Put(line, n - 1, sum / count);
    for (std::size_t j = n; j < walk.Steps(); ++j) {
        sum -= walk.Close(j - n);
        sum += walk.Close(j);
        // Closes beyond the range of doubles' sums would spoil the running
        // sum for good; summed afresh it recovers once they have left.
        if (!std::isfinite(sum)) sum = walk.SumOfCloses(j + 1 - n, j + 1);
        walk.Put(line, j, sum / count);
    }
    return line;
}
