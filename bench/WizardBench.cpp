// Recalculating a Vazod Erurid document of 249 stocks of 12,600 quotes
// (fifty years of trading days) each, against the baseline of reading the
// same 249 files into a quote series and nothing more: the ratio says what
// the advice, the grid and the lists add to the reading.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/GeneratedQuoteFile.h"
#include "app/quotes/quotefile.h"
#include "app/wizard/wizard.h"
#include "app/mainwindow/zrmain.h"

namespace {

constexpr int Stocks = MaxWizardStocks;
constexpr int QuotesPerStock = 12600;

double readEveryFileSeconds(const AnsiString& Path) {
    const auto start = std::chrono::steady_clock::now();
    linkedList quotes;
    for (int i = 0; i < Stocks; ++i) loadQuoteFile(Path, quotes);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void ReadStocks(benchmark::State& state) {
    GeneratedQuoteFile file(QuotesPerStock);
    for (auto _ : state) benchmark::DoNotOptimize(readEveryFileSeconds(file.Path()));
    state.counters["stocks"] = Stocks;
}

void RecalculateWizard(benchmark::State& state) {
    GeneratedQuoteFile file(QuotesPerStock);
    auto* form = TForm::Create<TOriginalForm1>(Application);
    for (int i = 0; i < Stocks; ++i) addWizardStock(*form, file.Path());
    if (form->WizardCount != Stocks) state.SkipWithError("the stocks were not all added");
    double seconds = 0;
    int rounds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        recalculateWizard(*form);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++rounds;
    }
    if (form->WizardCount != Stocks) state.SkipWithError("stocks were lost");
    state.counters["ratio_to_reading"] = seconds / rounds / readEveryFileSeconds(file.Path());
    state.counters["stocks"] = Stocks;
    form->Free();
}

BENCHMARK(ReadStocks)->Unit(benchmark::kMillisecond);
BENCHMARK(RecalculateWizard)->Unit(benchmark::kMillisecond);

}  // namespace
