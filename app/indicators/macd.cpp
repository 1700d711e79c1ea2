#include "app/indicators/macd.h"

#include <algorithm>

namespace {

// The smoothing factors 2 / (days + 1), and the reciprocals that turn the
// seed sums into means.
constexpr double Alpha12 = 2.0 / 13;
constexpr double Alpha26 = 2.0 / 27;
constexpr double Alpha9 = 0.2;
constexpr double Twelfth = 1.0 / 12;
constexpr double TwentySixth = 1.0 / 26;
constexpr double Ninth = 1.0 / 9;

}  // namespace

MacdLines computeMacd(std::span<const QuoteRecord> quotes, std::size_t windowCount) {
    const IndicatorWalk walk(quotes, windowCount);
    MacdLines lines{IndicatorLine(walk.WindowCount()), IndicatorLine(walk.WindowCount())};
    // Step j reads the (j + 1)th quote: the 12-day average starts at the 13th,
    // the 26-day one at the 27th, the signal at the 36th.
    double sum12 = 0, sum26 = 0, sum9 = 0;
    double ema12 = 0, ema26 = 0, signal = 0;
    const std::size_t seeding = std::min<std::size_t>(36, walk.Steps());
    for (std::size_t j = 0; j < seeding; ++j) {
        const double close = walk.Close(j);
        if (j < 12) {
            sum12 += close;
        } else if (j == 12) {
            ema12 = (close - sum12 * Twelfth) * Alpha12 + sum12 * Twelfth;
        } else {
            ema12 = (close - ema12) * Alpha12 + ema12;
        }
        if (j < 26) {
            sum26 += close;
            continue;
        }
        if (j == 26) {
            ema26 = (close - sum26 * TwentySixth) * Alpha26 + sum26 * TwentySixth;
        } else {
            ema26 = (close - ema26) * Alpha26 + ema26;
        }
        const double macd = ema12 - ema26;
        if (j < 35) {
            sum9 += macd;
            continue;
        }
        signal = (macd - sum9 * Ninth) * Alpha9 + sum9 * Ninth;
        walk.Put(lines.Macd, j, macd);
        walk.Put(lines.Signal, j, signal);
    }
    // Every average is seeded: the same three steps for every later quote.
    for (std::size_t j = seeding; j < walk.Steps(); ++j) {
        const double close = walk.Close(j);
        ema12 = (close - ema12) * Alpha12 + ema12;
        ema26 = (close - ema26) * Alpha26 + ema26;
        const double macd = ema12 - ema26;
        signal = (macd - signal) * Alpha9 + signal;
        walk.Put(lines.Macd, j, macd);
        walk.Put(lines.Signal, j, signal);
    }
    return lines;
}
