#include "app/indicators/expmovingaverage.h"

IndicatorNeeds expMovingAverageNeeds(int days) {
    requireIndicatorDays(expMovingAverageDaysValid(days));
    const auto n = static_cast<std::size_t>(days);
    return {n, n + 2};
}

IndicatorLine computeExpMovingAverage(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days) {
    requireIndicatorDays(expMovingAverageDaysValid(days));
    const IndicatorWalk walk(quotes, windowCount);
    IndicatorLine line(walk.WindowCount());
    const auto n = static_cast<std::size_t>(days);
    const double count = days;
    const double alpha = 2 / (count + 1);
    if (walk.Steps() <= n) return line;
    double sum = 0;
    for (std::size_t j = 0; j < n; ++j) sum += walk.Close(j);
    const double seed = sum / count;
    double average = (walk.Close(n) - seed) * alpha + seed;
    walk.Put(line, n, average);
    for (std::size_t j = n + 1; j < walk.Steps(); ++j) {
        average = (walk.Close(j) - average) * alpha + average;
        walk.Put(line, j, average);
    }
    return line;
}
