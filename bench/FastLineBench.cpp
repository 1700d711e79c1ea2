// Speed of the fast line series: a million points painted on a chart of
// 800 x 600, one pen set up per pass and one line-to per point, against a
// line series of the same points, which prepares its pen for each segment.
#include <benchmark/benchmark.h>

#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesFastLine.h"
#include "tests/chart/control/ChartControlTestSupport.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr int kPoints = 1000000;

template <class TSeries>
void PaintMillionPoints(benchmark::State& state) {
    TChartControlOnForm on(kWidth, kHeight);
    auto* series = new TSeries(on.form);
    series->SetParentChart(on.chart);
    // A random walk, as prices go: many points share a column.
    double y = 500;
    unsigned seed = 12345;
    for (int i = 0; i < kPoints; ++i) {
        seed = seed * 1103515245u + 12345u;
        y += static_cast<int>((seed >> 16) % 21) - 10;
        series->AddXY(i, y);
    }
    TBitmap picture;
    picture.SetSize(kWidth, kHeight);
    for (auto _ : state) on.chart->Draw(picture.GetCanvas(), TRect(0, 0, kWidth, kHeight));
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void PaintFastLine(benchmark::State& state) { PaintMillionPoints<TFastLineSeries>(state); }
BENCHMARK(PaintFastLine)->Unit(benchmark::kMillisecond);

// The baseline: the general line series over the same points.
void PaintLineSeries(benchmark::State& state) { PaintMillionPoints<TLineSeries>(state); }
BENCHMARK(PaintLineSeries)->Unit(benchmark::kMillisecond);

}  // namespace
