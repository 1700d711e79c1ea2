// Speed and memory of reading stock quote files of 12,600 quotes (fifty
// years of trading days) and of a million quotes into the quote series.
// Reports bytes held per quote as measured by the heap (HeapInUse), so it
// means something only in a build without sanitizers.
#include <benchmark/benchmark.h>

#include "bench/GeneratedQuoteFile.h"
#include "bench/support/HeapInUse.h"
#include "app/quotes/quotefile.h"

namespace {

void ReadQuoteFile(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    GeneratedQuoteFile file(rows);
    double bytesPerQuote = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::size_t before = HeapInUse();
        state.ResumeTiming();
        linkedList quotes;
        QuoteFileContents contents = loadQuoteFile(file.Path(), quotes);
        state.PauseTiming();
        if (contents.QuoteCount != rows) state.SkipWithError("wrong number of quotes");
        bytesPerQuote = static_cast<double>(HeapInUse() - before) / rows;
        quotes.clearList();
        state.ResumeTiming();
    }
    state.counters["bytes_per_quote"] = bytesPerQuote;
    state.counters["quotes"] = rows;
}

BENCHMARK(ReadQuoteFile)->Arg(12600)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

