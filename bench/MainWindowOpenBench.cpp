// Speed and memory of the Analysis tab's open command after its dialog:
// reading a stock quote file of 12,600 quotes and of a million quotes into
// the main window's quote series, its quotes grid and its two date lists.
// Bytes per quote are what the heap holds after the open (HeapInUse), so
// they mean something only in a build without sanitizers.
#include <benchmark/benchmark.h>

#include "bench/GeneratedQuoteFile.h"
#include "bench/support/HeapInUse.h"
#include "app/mainwindow/quotes.h"
#include "app/mainwindow/zrmain.h"

namespace {

void OpenQuoteFile(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    GeneratedQuoteFile file(rows);
    auto* form = TForm::Create<TOriginalForm1>(Application);
    double bytesPerQuote = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Start every round from an empty window, as the first open does.
        form->Free();
        form = TForm::Create<TOriginalForm1>(Application);
        const std::size_t before = HeapInUse();
        state.ResumeTiming();
        if (!openQuoteFile(*form, file.Path())) state.SkipWithError("the file was refused");
        state.PauseTiming();
        bytesPerQuote = static_cast<double>(HeapInUse() - before) / rows;
        state.ResumeTiming();
    }
    form->Free();
    state.counters["bytes_per_quote"] = bytesPerQuote;
    state.counters["quotes"] = rows;
}

BENCHMARK(OpenQuoteFile)->Arg(12600)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

