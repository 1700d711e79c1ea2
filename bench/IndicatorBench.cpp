// Speed of every indicator over a million quotes, window and warm-up
// together, in quotes a second. The baseline adds up the million closes: the
// least any indicator must do, reading each quote's close once.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
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

namespace {

constexpr std::size_t QuoteCount = 1000000;

// A random walk of daily quotes, newest first as the series holds them.
const std::vector<QuoteRecord>& millionQuotes() {
    static const std::vector<QuoteRecord> quotes = [] {
        std::vector<QuoteRecord> q(QuoteCount);
        std::mt19937 random(7);
        std::normal_distribution<double> step(0, 0.015);
        double close = 50;
        for (std::size_t i = QuoteCount; i-- > 0;) {
            close = std::clamp(close * std::exp(step(random)), 1.0, 1000.0);
            q[i].Open = q[i].Close = close;
            q[i].High = close * 1.01;
            q[i].Low = close * 0.99;
        }
        return q;
    }();
    return quotes;
}

template <class Compute>
void run(benchmark::State& state, Compute compute) {
    const std::vector<QuoteRecord>& quotes = millionQuotes();
    for (auto _ : state) {
        auto result = compute(std::span<const QuoteRecord>(quotes), QuoteCount);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * QuoteCount));
}

void SumOfCloses(benchmark::State& state) {
    run(state, [](std::span<const QuoteRecord> q, std::size_t) {
        double sum = 0;
        for (const QuoteRecord& quote : q) sum += quote.Close;
        return sum;
    });
}
void MovingAverage(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeMovingAverage(q, w, 20); });
}
void ExpMovingAverage(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeExpMovingAverage(q, w, 20); });
}
void Macd(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeMacd(q, w); });
}
void Momentum(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeMomentum(q, w, 10); });
}
void ParabolicSar(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeParabolicSar(q, w); });
}
void Rsi(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeRsi(q, w, 14); });
}
void Stochastic(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeStochastic(q, w, 14, 3, 3); });
}
void PriceOscillator(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computePriceOscillator(q, w, 10, 20, true); });
}
void BollingerBands(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeBollingerBands(q, w, 20); });
}
void HistoricalVolatility(benchmark::State& state) {
    run(state, [](auto q, auto w) { return computeHistoricalVolatility(q, w, 20, 262); });
}

BENCHMARK(SumOfCloses)->Unit(benchmark::kMillisecond);
BENCHMARK(MovingAverage)->Unit(benchmark::kMillisecond);
BENCHMARK(ExpMovingAverage)->Unit(benchmark::kMillisecond);
BENCHMARK(Macd)->Unit(benchmark::kMillisecond);
BENCHMARK(Momentum)->Unit(benchmark::kMillisecond);
BENCHMARK(ParabolicSar)->Unit(benchmark::kMillisecond);
BENCHMARK(Rsi)->Unit(benchmark::kMillisecond);
BENCHMARK(Stochastic)->Unit(benchmark::kMillisecond);
BENCHMARK(PriceOscillator)->Unit(benchmark::kMillisecond);
BENCHMARK(BollingerBands)->Unit(benchmark::kMillisecond);
BENCHMARK(HistoricalVolatility)->Unit(benchmark::kMillisecond);

}  // namespace
