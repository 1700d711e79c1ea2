// Speed of the candle series: one whole paint of an 800 x 600 chart (title,
// date axis with labels, walls) of 12,600 quotes (a long quote history) and
// of 100,000, in flat candles and in open/high/low/close bars; as candles
// over a pane of volume lines (the program's price chart) at 1,000, 10,000
// and 100,000 quotes; against the floor of drawing the same candles (a wick
// and a filled body each) straight on a bitmap with no chart around them.
//
// VELMORA_BENCH_QUOTES_CSV names a file of quotes to draw instead of the
// generated ones, so that another charting program can be timed on the same
// data: a header line, then "unix seconds,open,high,low,close,volume" rows,
// oldest first; a size takes the file's first rows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "chart/seriestypes/CandleCh.h"
#include "platform/runtime/DateUtils.h"
#include "platform/runtime/SysUtils.h"
#include "tests/chart/control/ChartControlTestSupport.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

struct TQuote {
    double date, open, high, low, close, volume;
};

// Days from the TDateTime origin to 1 January 1970, where Unix seconds count from.
constexpr double kUnixEpochDays = 25569;

// The file's first Count quotes; fewer when it has fewer rows that parse.
std::vector<TQuote> ReadQuotes(const char* FileName, int Count) {
    std::vector<TQuote> quotes;
    std::ifstream in(FileName);
    std::string line;
    std::getline(in, line);
    while (static_cast<int>(quotes.size()) < Count && std::getline(in, line)) {
        double seconds;
        TQuote q;
        if (std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf,%lf,%lf", &seconds, &q.open, &q.high, &q.low, &q.close,
                        &q.volume) != 6)
            continue;
        q.date = kUnixEpochDays + seconds / 86400;
        quotes.push_back(q);
    }
    return quotes;
}

// The quotes of VELMORA_BENCH_QUOTES_CSV when it is set, otherwise a random
// walk of daily quotes around 100 from 1 January 2000, the same for every run.
std::vector<TQuote> MakeQuotes(int Count) {
    if (const char* file = std::getenv("VELMORA_BENCH_QUOTES_CSV")) return ReadQuotes(file, Count);
    RandSeed = 42;
    std::vector<TQuote> quotes(static_cast<std::size_t>(Count));
    double last = 100, date = EncodeDate(2000, 1, 1);
    for (TQuote& q : quotes) {
        q.date = date++;
        q.open = last * (1 + (Random() - 0.5) * 0.004);
        q.close = q.open * (1 + (Random() - 0.5) * 0.02);
        q.high = std::max(q.open, q.close) * (1 + Random() * 0.005);
        q.low = std::min(q.open, q.close) * (1 - Random() * 0.005);
        q.volume = 1e6 * (0.5 + Random());
        last = q.close;
    }
    return quotes;
}

struct TCandleChart {
    TCandleChart(int Points, TCandleStyle Style, bool WithVolume = false) : on(kWidth, kHeight) {
        on.chart->GetTitle()->GetText()->Add("Prices");
        auto* series = new TCandleSeries(on.form);
        series->SetParentChart(on.chart);
        series->SetCandleStyle(Style);
        series->GetXValues()->SetDateTime(true);
        on.chart->GetBottomAxis()->SetDateTimeFormat("mmm yyyy");
        TVolumeSeries* volume = nullptr;
        if (WithVolume) {
            // Prices in the upper 70 %, volumes below on an axis of their own.
            on.chart->GetLeftAxis()->SetEndPosition(70);
            auto* axis = new TChartAxis(on.chart);
            axis->SetStartPosition(72);
            volume = new TVolumeSeries(on.form);
            volume->SetParentChart(on.chart);
            volume->SetCustomVertAxis(axis);
            volume->GetXValues()->SetDateTime(true);
        }
        const std::vector<TQuote> quotes = MakeQuotes(Points);
        count = static_cast<int>(quotes.size());
        for (const TQuote& q : quotes) {
            series->AddCandle(q.date, q.open, q.high, q.low, q.close);
            if (volume) volume->AddXY(q.date, q.volume, "", q.close >= q.open ? clGreen : clRed);
        }
        picture.SetSize(kWidth, kHeight);
    }
    void Paint() { on.chart->Draw(picture.GetCanvas(), TRect(0, 0, kWidth, kHeight)); }

    TChartControlOnForm on;
    TBitmap picture;
    int count = 0;
};

// Times Paint, or refuses a quote file too short for the size asked.
void PaintChart(benchmark::State& state, TCandleChart& chart) {
    if (chart.count < state.range(0)) {
        state.SkipWithError("the quote file has fewer rows than asked for");
        return;
    }
    for (auto _ : state) chart.Paint();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The floor: each candle's wick and body drawn on a bitmap, already in pixels.
void DrawCandlesOnly(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::vector<TQuote> quotes = MakeQuotes(count);
    if (static_cast<int>(quotes.size()) < count) {
        state.SkipWithError("the quote file has fewer rows than asked for");
        return;
    }
    double low = quotes[0].low, high = quotes[0].high;
    for (const TQuote& q : quotes) {
        low = std::min(low, q.low);
        high = std::max(high, q.high);
    }
    auto y = [&](double V) { return 560 - static_cast<int>((V - low) / (high - low) * 520); };
    TBitmap picture;
    picture.SetSize(kWidth, kHeight);
    TCanvas* canvas = picture.GetCanvas();
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            const TQuote& q = quotes[static_cast<std::size_t>(i)];
            const int x = 40 + static_cast<int>(static_cast<long long>(i) * 720 / count);
            canvas->GetPen()->SetColor(clBlack);
            canvas->MoveTo(x, y(q.low));
            canvas->LineTo(x, y(q.high));
            canvas->GetBrush()->SetColor(q.close >= q.open ? clWhite : clRed);
            const int top = std::min(y(q.open), y(q.close)), bottom = std::max(y(q.open), y(q.close));
            canvas->Rectangle(x - 2, top, x + 3, bottom + 1);
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(DrawCandlesOnly)->Arg(12600)->Arg(100000)->Unit(benchmark::kMillisecond);

void PaintCandleChart(benchmark::State& state) {
    TCandleChart chart(static_cast<int>(state.range(0)), csCandleStick);
    PaintChart(state, chart);
}
BENCHMARK(PaintCandleChart)->Arg(12600)->Arg(100000)->Unit(benchmark::kMillisecond);

void PaintBarChart(benchmark::State& state) {
    TCandleChart chart(static_cast<int>(state.range(0)), csCandleBar);
    PaintChart(state, chart);
}
BENCHMARK(PaintBarChart)->Arg(12600)->Arg(100000)->Unit(benchmark::kMillisecond);

void PaintCandleAndVolumeChart(benchmark::State& state) {
    TCandleChart chart(static_cast<int>(state.range(0)), csCandleStick, true);
    PaintChart(state, chart);
}
BENCHMARK(PaintCandleAndVolumeChart)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
