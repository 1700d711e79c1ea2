// Speed of a paged quote download: 12,600 rows in 63 pages of 200 from the
// quote server on 127.0.0.1, through the main window's HTTP client and its
// success handler, into a stock quote file written whole at the end.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/download/httpprogress.h"
#include "app/download/quotesdownload.h"
#include "app/mainwindow/zrmain.h"
#include "tools/quote_server/QuoteServer.h"

namespace {

// SYMBOL.csv with Rows rows, newest first, 28 days a month back from 2007.
void WriteTable(const std::filesystem::path& Folder, const char* Symbol, int Rows) {
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::ofstream out(Folder / (std::string(Symbol) + ".csv"));
    out << "Date,Open,High,Low,Close,Volume\n";
    for (int i = 0; i < Rows; ++i) {
        const int day = 28 - i % 28, month = 11 - i / 28 % 12, year = 2007 - i / (28 * 12);
        out << day << "-" << months[month] << "-" << (year % 100 < 10 ? "0" : "") << year % 100 << "," << i
            << ".25," << i << ".75," << i << ".00," << i << ".50," << 1000 + i << "\n";
    }
}

void PagedDownload(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmora_download_bench";
    std::filesystem::create_directories(folder);
    WriteTable(folder, "ABC.L", 12600);
    quote_server::Options options;
    options.folder = folder;
    quote_server::Server server(options);
    server.Start();

    OriginalForm1 = TForm::Create<TOriginalForm1>(Application);
    fHttpProgress = TForm::Create<TfHttpProgress>(Application);
    TOriginalForm1& form = *OriginalForm1;
    form.Symbol = "ABC.L";
    form.HeaderPrefix = "0,1,1960,";
    form.ToYear = 2010;
    form.ToMonth0 = 11;
    form.ToDay = 31;
    form.DownloadPath = (folder / "abc.zrq").string().c_str();
    form.UrlHead = ("http://127.0.0.1:" + std::to_string(server.Port()) +
                    "/table.csv?a=0&b=1&c=1960&d=11&e=31&f=2010&s=ABC.L&y=")
                       .c_str();
    form.UrlTail = "&g=d&ignore=.csv";
    for (auto _ : state) {
        form.Downloading = true;
        form.Updating = false;
        form.PageOffset = 0;
        requestPages(form.UrlHead + "0" + form.UrlTail);
        if (!fHttpProgress->SeSkinLabel2->GetVisible()) state.SkipWithError("the download failed");
        fHttpProgress->SeSkinLabel2->SetVisible(false);
    }
    // The file holds the header and every row once.
    std::ifstream written(folder / "abc.zrq");
    int lines = 0;
    for (std::string line; std::getline(written, line);) ++lines;
    if (lines != 12601) state.SkipWithError("the file does not hold every row");
    state.counters["rows"] = lines - 1;
    fHttpProgress->Free();
    OriginalForm1->Free();
    fHttpProgress = nullptr;
    OriginalForm1 = nullptr;
    server.Stop();
    std::filesystem::remove_all(folder);
}

BENCHMARK(PagedDownload)->Unit(benchmark::kMillisecond);

}  // namespace

