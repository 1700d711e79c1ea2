// Speed of the candle series: one whole paint of an 800 x 600 chart (title,
// date axis with labels, walls) of 12,600 quotes (a long quote history) and
// of 100,000, in flat candles and in open/high/low/close bars; as candles
// over a pane of volume lines (the program's price chart) at 1,000, 10,000
// and 100,000 quotes; against the floor of drawing the same candles (a wick
// and a filled body each) straight on a bitmap with no chart around them.
//
// VELMORA_BENCH_QUOTES_CSV names a file of quotes to draw instead of the
// generated ones (bench/support/BenchQuotes.h).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/support/BenchQuotes.h"
#include "chart/seriestypes/CandleCh.h"
#include "tests/chart/control/ChartControlTestSupport.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

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
        const std::vector<TBenchQuote> quotes = MakeBenchQuotes(Points);
        count = static_cast<int>(quotes.size());
        for (const TBenchQuote& q : quotes) {
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
    const std::vector<TBenchQuote> quotes = MakeBenchQuotes(count);
    if (static_cast<int>(quotes.size()) < count) {
        state.SkipWithError("the quote file has fewer rows than asked for");
        return;
    }
    double low = quotes[0].low, high = quotes[0].high;
    for (const TBenchQuote& q : quotes) {
        low = std::min(low, q.low);
        high = std::max(high, q.high);
    }
    auto y = [&](double V) { return 560 - static_cast<int>((V - low) / (high - low) * 520); };
    TBitmap picture;
    picture.SetSize(kWidth, kHeight);
    TCanvas* canvas = picture.GetCanvas();
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            const TBenchQuote& q = quotes[static_cast<std::size_t>(i)];
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
