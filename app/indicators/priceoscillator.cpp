#include "app/indicators/priceoscillator.h"

IndicatorNeeds priceOscillatorNeeds(int aDays, int bDays) {
    requireIndicatorDays(priceOscillatorDaysValid(aDays, bDays));
    const auto a = static_cast<std::size_t>(aDays);
    const auto b = static_cast<std::size_t>(bDays);
    return {b, a + b + 1};
}

IndicatorLine computePriceOscillator(std::span<const QuoteRecord> quotes, std::size_t windowCount, int aDays,
                                     int bDays, bool percent) {
    requireIndicatorDays(priceOscillatorDaysValid(aDays, bDays));
    const IndicatorWalk walk(quotes, windowCount);
    IndicatorLine line(walk.WindowCount());
    const auto a = static_cast<std::size_t>(aDays);
    const auto b = static_cast<std::size_t>(bDays);
    const double countA = aDays, countB = bDays;
    // Running sums of the last A and the last B closes: the B sum starts at
    // the first close, the A sum at the (B + 1)th. A close leaving a sum is
    // the one read A (or B) steps before.
    double sumA = 0, sumB = 0;
    for (std::size_t j = 0; j < walk.Steps(); ++j) {
        const double close = walk.Close(j);
        if (j >= b) sumB -= walk.Close(j - b);
        sumB += close;
        if (j < b) continue;
        if (j >= a + b) sumA -= walk.Close(j - a);
        sumA += close;
        if (j + 1 < a + b) continue;
        // Closes beyond the range of doubles' sums would spoil a running sum
        // for good; summed afresh it recovers once they have left.
        if (!std::isfinite(sumB)) sumB = walk.SumOfCloses(j + 1 - b, j + 1);
        if (!std::isfinite(sumA)) sumA = walk.SumOfCloses(j + 1 - a, j + 1);
        const double averageA = sumA / countA;
        const double difference = averageA - sumB / countB;
        if (!percent) {
            walk.Put(line, j, difference);
        } else if (averageA != 0) {
            walk.Put(line, j, difference / averageA * 100);
        }
    }
    return line;
}
