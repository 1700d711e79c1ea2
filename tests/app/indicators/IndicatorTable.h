#pragma once
// Every indicator with one choice of its day counts, for the tests that hold
// for all of them: what it needs, where its first value falls, its message
// for too few quotes, and its lines.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/indicators/bollingerbands.h"
#include "app/indicators/expmovingaverage.h"
#include "app/indicators/historicalvolatility.h"
#include "app/indicators/macd.h"
#include "app/indicators/momentum.h"
#include "app/indicators/movingaverage.h"
#include "app/indicators/parabolicsar.h"
#include "app/indicators/priceoscillator.h"
#include "app/indicators/rsi.h"
#include "app/indicators/stochastic.h"

using IndicatorLines = std::vector<IndicatorLine>;

struct IndicatorCase {
    std::string Name;
    IndicatorNeeds Needs;
    std::size_t FirstValue;  // the quote read, counted from 1, that has the first value
    std::string_view TooFewQuotes;  // empty for the parabolic SAR, which never gives up
    std::function<IndicatorLines(std::span<const QuoteRecord>, std::size_t)> Run;
};

inline const std::vector<IndicatorCase>& indicatorCases() {
    static const std::vector<IndicatorCase> cases = {
        {"MovingAverage", movingAverageNeeds(5), 5, MovingAverageTooFewQuotes,
         [](auto q, auto w) { return IndicatorLines{computeMovingAverage(q, w, 5)}; }},
        {"ExpMovingAverage", expMovingAverageNeeds(4), 5, ExpMovingAverageTooFewQuotes,
         [](auto q, auto w) { return IndicatorLines{computeExpMovingAverage(q, w, 4)}; }},
        {"Macd", MacdNeeds, 36, MacdTooFewQuotes,
         [](auto q, auto w) {
             MacdLines lines = computeMacd(q, w);
             return IndicatorLines{lines.Macd, lines.Signal};
         }},
        {"Momentum", momentumNeeds(3), 4, MomentumTooFewQuotes,
         [](auto q, auto w) { return IndicatorLines{computeMomentum(q, w, 3)}; }},
        {"ParabolicSar", IndicatorNeeds{0, 1}, 1, "",
         [](auto q, auto w) { return IndicatorLines{computeParabolicSar(q, w)}; }},
        {"Rsi", rsiNeeds(4), 4, RsiTooFewQuotes, [](auto q, auto w) { return IndicatorLines{computeRsi(q, w, 4)}; }},
        {"Stochastic", stochasticNeeds(3, 2, 4), 7, StochasticTooFewQuotes,
         [](auto q, auto w) {
             StochasticLines lines = computeStochastic(q, w, 3, 2, 4);
             return IndicatorLines{lines.K, lines.D};
         }},
        {"PriceOscillator", priceOscillatorNeeds(3, 5), 8, PriceOscillatorTooFewQuotes,
         [](auto q, auto w) { return IndicatorLines{computePriceOscillator(q, w, 3, 5, true)}; }},
        {"BollingerBands", bollingerBandsNeeds(4), 4, BollingerBandsTooFewQuotes,
         [](auto q, auto w) {
             BollingerLines lines = computeBollingerBands(q, w, 4);
             return IndicatorLines{lines.Upper, lines.Middle, lines.Lower};
         }},
        {"HistoricalVolatility", historicalVolatilityNeeds(3), 4, HistoricalVolatilityTooFewQuotes,
         [](auto q, auto w) { return IndicatorLines{computeHistoricalVolatility(q, w, 3, 262)}; }},
    };
    return cases;
}

inline void PrintTo(const IndicatorCase& c, std::ostream* os) { *os << c.Name; }

inline std::string caseName(const testing::TestParamInfo<IndicatorCase>& info) { return info.param.Name; }
