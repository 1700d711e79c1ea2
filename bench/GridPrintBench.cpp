// Printing the quotes grid of the 2,520-quote sample to a PDF file, against
// the baseline of opening the same file into the grid: time, the file's
// bytes and its pages.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "app/mainwindow/gridprint.h"
#include "app/mainwindow/quotes.h"
#include "app/mainwindow/zrmain.h"
#include "platform/controls/Automation.h"
#include "platform/host/Printers.h"

namespace {

const AnsiString SampleFile = VELMORA_SAMPLES_DIR "/NRDQ.zrq";

double seconds(std::chrono::steady_clock::time_point Start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

void PrintQuoteGrid(benchmark::State& state) {
    const std::filesystem::path pdf =
        std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(getpid()) + ".pdf");
    auto* form = TForm::Create<TOriginalForm1>(Application);
    Printer()->SetPrinterIndex(0);
    Printer()->SetFileName(pdf.c_str());
    double openSeconds = 0, printSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto start = std::chrono::steady_clock::now();
        if (!openQuoteFile(*form, SampleFile)) state.SkipWithError("the sample was refused");
        openSeconds += seconds(start);
        // The message saying where the file went is answered at once.
        ClearAutomation();
        QueueAutomationAnswer("MessageBox", [](TAutomationRequest& Request) { Request.Result = IDOK; });
        state.ResumeTiming();
        start = std::chrono::steady_clock::now();
        printQuoteGrid(*form);
        printSeconds += seconds(start);
    }
    state.counters["pages"] = Printer()->GetPageNumber();
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    state.counters["ratio_to_open"] = printSeconds / openSeconds;
    ClearAutomation();
    Printer()->SetFileName("");
    Printer()->SetPrinterIndex(-1);
    std::filesystem::remove(pdf);
    form->Free();
}

BENCHMARK(PrintQuoteGrid)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
