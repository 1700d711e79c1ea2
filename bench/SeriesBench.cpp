// Speed and size of a series' points: a million points added in X order
// (the way a quote history is loaded), against the floor of appending the
// same doubles to two plain arrays, alone and on a chart, whose repaint is
// only asked for.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/support/HeapInUse.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/controls/Forms.h"

namespace {

constexpr int kPoints = 1000000;

// The least any series could do: two values per point, appended.
void AppendToTwoArrays(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<double> x, y;
        for (int i = 0; i < kPoints; ++i) {
            x.push_back(i);
            y.push_back(i * 0.5);
        }
        benchmark::DoNotOptimize(x.data());
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(AppendToTwoArrays)->Unit(benchmark::kMillisecond);

void AddInOrder(benchmark::State& state) {
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        TChartSeries series(nullptr);
        for (int i = 0; i < kPoints; ++i) series.Add(i * 0.5);
        state.PauseTiming();
        state.counters["bytes_per_point"] = static_cast<double>(HeapInUse() - before) / kPoints;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(AddInOrder)->Unit(benchmark::kMillisecond);

// A chart of its own for the series: every point asks it to repaint.
class TBenchChart : public TCustomAxisPanel {
public:
    using TCustomAxisPanel::TCustomAxisPanel;
    bool IsFreeSeriesColor(TColor, bool) override { return true; }
    int CalcWallSize(const TCustomChartAxis*) override { return 0; }

protected:
    void CalcAxisRect() override {}
    void CalcSeriesRect() override {}
    void DrawTitlesAndLegend() override {}
    void DrawWalls() override {}
};

void AddInOrderOnAChart(benchmark::State& state) {
    auto* form = new TForm(nullptr);
    auto* chart = new TBenchChart(form);
    chart->SetParent(form);
    form->Show();
    for (auto _ : state) {
        auto* series = new TChartSeries(form);
        series->SetParentChart(chart);
        for (int i = 0; i < kPoints; ++i) series->Add(i * 0.5);
        state.PauseTiming();
        delete series;
        state.ResumeTiming();
    }
    delete form;
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(AddInOrderOnAChart)->Unit(benchmark::kMillisecond);

}  // namespace
