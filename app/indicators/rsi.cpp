#include "app/indicators/rsi.h"

IndicatorNeeds rsiNeeds(int days) {
    requireIndicatorDays(rsiDaysValid(days));
    const auto n = static_cast<std::size_t>(days);
    return {n - 1, n + 1};
}

namespace {

// Null where nothing moved: no gain and no loss.
void putIndex(const IndicatorWalk& walk, IndicatorLine& line, std::size_t j, double gain, double loss) {
    if (gain + loss > 0) walk.Put(line, j, gain / (gain + loss) * 100);
}

}  // namespace

IndicatorLine computeRsi(std::span<const QuoteRecord> quotes, std::size_t windowCount, int days) {
    requireIndicatorDays(rsiDaysValid(days));
    const IndicatorWalk walk(quotes, windowCount);
    IndicatorLine line(walk.WindowCount());
    const auto n = static_cast<std::size_t>(days);
    const double count = days;
    if (walk.Steps() < n) return line;
    double gain = 0, loss = 0;
    for (std::size_t j = 1; j < n; ++j) {
        const double change = walk.Close(j) - walk.Close(j - 1);
        if (change > 0) gain += change;
        if (change < 0) loss -= change;
    }
    gain /= count;
    loss /= count;
    putIndex(walk, line, n - 1, gain, loss);
    for (std::size_t j = n; j < walk.Steps(); ++j) {
        const double change = walk.Close(j) - walk.Close(j - 1);
        gain = ((count - 1) * gain + (change > 0 ? change : 0)) / count;
        loss = ((count - 1) * loss + (change < 0 ? -change : 0)) / count;
        putIndex(walk, line, j, gain, loss);
    }
    return line;
}
