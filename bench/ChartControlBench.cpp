// Speed of the chart control: one whole paint (background, title, legend,
// axes with labels, walls, 100,000 points) at 800 x 600 against the floor
// of drawing the same points alone on a bitmap; and one zoom step on a
// chart of 12,600 points (a quote history's length), zoom and repaint,
// which should stay within a frame (16 ms).
#include <benchmark/benchmark.h>

#include <memory>

#include "tests/chart/control/ChartControlTestSupport.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

struct BenchChart {
    explicit BenchChart(int Points) : on(kWidth, kHeight) {
        on.chart->GetTitle()->GetText()->Add("Prices");
        TDotSeries* series = on.NewSeries(0);
        for (int i = 0; i < Points; ++i) series->AddXY(i, (i * 7919) % 1000);
        picture.SetSize(kWidth, kHeight);
    }
    void Paint() { on.chart->Draw(picture.GetCanvas(), TRect(0, 0, kWidth, kHeight)); }

    TChartControlOnForm on;
    TBitmap picture;
};

// The floor: the points' squares straight on a bitmap, no chart around them.
void DrawPointsOnly(benchmark::State& state) {
    TBitmap picture;
    picture.SetSize(kWidth, kHeight);
    TCanvas* canvas = picture.GetCanvas();
    for (auto _ : state) {
        for (int i = 0; i < state.range(0); ++i) {
            const int x = 40 + i * 720 / static_cast<int>(state.range(0));
            const int y = 40 + (i * 7919) % 1000 * 520 / 1000;
            canvas->GetBrush()->SetColor(clRed);
            canvas->FillRect(TRect(x - 1, y - 1, x + 2, y + 2));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(DrawPointsOnly)->Arg(100000)->Unit(benchmark::kMillisecond);

void PaintWholeChart(benchmark::State& state) {
    BenchChart chart(static_cast<int>(state.range(0)));
    for (auto _ : state) chart.Paint();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PaintWholeChart)->Arg(100000)->Unit(benchmark::kMillisecond);

// A drag's zoom on the middle of the chart and the paint that shows it;
// undone outside the timing.
void ZoomStep(benchmark::State& state) {
    BenchChart chart(static_cast<int>(state.range(0)));
    chart.Paint();
    const TRect plot = chart.on.chart->GetChartRect();
    const TRect drag(plot.Left + plot.Width() / 4, plot.Top + 20, plot.Right - plot.Width() / 4, plot.Bottom - 20);
    for (auto _ : state) {
        chart.on.chart->ZoomRect(drag);
        chart.Paint();
        state.PauseTiming();
        chart.on.chart->UndoZoom();
        chart.Paint();
        state.ResumeTiming();
    }
}
BENCHMARK(ZoomStep)->Arg(12600)->Unit(benchmark::kMillisecond);

}  // namespace
