#include "app/indicators/momentum.h"

IndicatorNeeds momentumNeeds(int days) {
    requireIndicatorDays(momentumDaysValid(days));
    const auto n = static_cast<std::size_t>(days);
    return {n, n + 2};
}

IndicatorLine computeMomentum(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days) {
    requireIndicatorDays(momentumDaysValid(days));
    const IndicatorWalk walk(quotes, windowCount);
    IndicatorLine line(walk.WindowCount());
    const auto n = static_cast<std::size_t>(days);
    // The close N quotes back is the one read N steps before: the quotes
    // are at hand, so no ring of them is needed.
    for (std::size_t j = std::max(n, walk.Skipped()); j < walk.Steps(); ++j) {
        const double earlier = walk.Close(j - n);
        if (earlier != 0) walk.Put(line, j, walk.Close(j) / earlier * 100);
    }
    return line;
}
