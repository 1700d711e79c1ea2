// Prices as text, with the host and the application object started as in
// the program: a million prices through the quotes grid's formatting against
// the standard library's to_chars with two decimals, the fastest exact
// conversion there is. "ratio" is our time over to_chars' time, both measured
// in the same round.
#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "app/quotes/llist.h"

namespace {

constexpr int kPrices = 1000000;

const std::vector<double>& Prices() {
    static const std::vector<double> prices = [] {
        std::mt19937_64 random(7);
        std::vector<double> made;
        made.reserve(kPrices);
        // Cents up to a hundred thousand, as quote files hold them.
        for (int i = 0; i < kPrices; ++i) made.push_back(static_cast<double>(random() % 10000000) / 100);
        return made;
    }();
    return prices;
}

std::size_t FormatOurs() {
    std::size_t bytes = 0;
    for (double price : Prices()) bytes += static_cast<std::size_t>(FormatQuotePrice(price).Length());
    return bytes;
}

std::size_t FormatToChars() {
    std::size_t bytes = 0;
    char text[64];
    for (double price : Prices()) {
        auto end = std::to_chars(text, text + sizeof text, price, std::chars_format::fixed, 2).ptr;
        benchmark::DoNotOptimize(text);
        bytes += static_cast<std::size_t>(end - text);
    }
    return bytes;
}

double Seconds(std::size_t (*Run)()) {
    auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(Run());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void MillionPricesAgainstToChars(benchmark::State& state) {
    Prices();
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        ours += Seconds(FormatOurs);
        theirs += Seconds(FormatToChars);
    }
    state.counters["ns_per_price"] = ours * 1e9 / (static_cast<double>(state.iterations()) * kPrices);
    state.counters["to_chars_ns_per_price"] = theirs * 1e9 / (static_cast<double>(state.iterations()) * kPrices);
    state.counters["ratio"] = ours / theirs;
}
BENCHMARK(MillionPricesAgainstToChars)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
