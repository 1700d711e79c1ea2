// Speed and memory of reading stock quote files of 12,600 quotes (fifty
// years of trading days) and of a million quotes into the quote series.
// Reports bytes held per quote as measured by the heap (mallinfo2), so it
// means something only in a build without sanitizers.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/quotefile.h"

namespace {

// A file in the temp folder, newest quote first, CR LF line ends.
class GeneratedQuoteFile {
public:
    explicit GeneratedQuoteFile(int rows) {
        path_ = std::filesystem::temp_directory_path() /
                ("velmora-bench-" + std::to_string(getpid()) + "-" + std::to_string(rows) + ".zrq");
        std::ofstream out(path_, std::ios::binary);
        out << "0,2,1970,11,31,2023,BENCH\r\n";
        static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        char line[128];
        for (int i = 0; i < rows; ++i) {
            double close = 20 + (i % 977) * 0.13;
            int length = std::snprintf(line, sizeof line, "%d-%s-%02d,%.2f,%.2f,%.2f,%.2f,%d\r\n", 1 + i % 28,
                                       months[(i / 28) % 12], (i / 336) % 100, close - 0.4, close + 0.9,
                                       close - 1.1, close, 100000 + (i * 7919) % 5000000);
            out.write(line, length);
        }
    }
    ~GeneratedQuoteFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    AnsiString Path() const { return AnsiString(path_.string()); }

private:
    std::filesystem::path path_;
};

void ReadQuoteFile(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    GeneratedQuoteFile file(rows);
    double bytesPerQuote = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        linkedList quotes;
        QuoteFileContents contents = loadQuoteFile(file.Path(), quotes);
        state.PauseTiming();
        if (contents.QuoteCount != rows) state.SkipWithError("wrong number of quotes");
        bytesPerQuote = static_cast<double>(mallinfo2().uordblks - before) / rows;
        quotes.clearList();
        state.ResumeTiming();
    }
    state.counters["bytes_per_quote"] = bytesPerQuote;
    state.counters["quotes"] = rows;
}

BENCHMARK(ReadQuoteFile)->Arg(12600)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
