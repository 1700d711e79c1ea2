// Speed and size of a series' points: a million points added in X order
// (the way a quote history is loaded), against the floor of appending the
// same doubles to two plain arrays, alone and on a chart, whose repaint is
// only asked for; and finding the hundred points a zoomed axis shows among
// a million, against walking up to them one by one.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/support/HeapInUse.h"
#include "chart/axis/TeEngineAxis.h"
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
    void CalcAxisRect() override {
        for (TCustomChartAxis* axis : GetAxesList()) {
            axis->AdjustMaxMin();
            axis->InternalCalcPositions();
        }
    }
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

// A million points on a chart whose bottom axis shows 400000..400100,
// laid out by one paint.
struct TZoomedChart {
    TZoomedChart() : form(new TForm(nullptr)), chart(new TBenchChart(form)), series(new TChartSeries(form)) {
        chart->SetParent(form);
        series->SetParentChart(chart);
        for (int i = 0; i < kPoints; ++i) series->Add(i);
        chart->GetBottomAxis()->SetMinMax(400000, 400100);
        TBitmap bitmap;
        bitmap.SetSize(chart->GetWidth(), chart->GetHeight());
        chart->Draw(bitmap.GetCanvas(), TRect(0, 0, chart->GetWidth(), chart->GetHeight()));
    }
    ~TZoomedChart() { delete form; }
    TForm* form;
    TBenchChart* chart;
    TChartSeries* series;
};

// The walk from the first point up to the range shown.
void WalkToTheVisibleRange(benchmark::State& state) {
    TZoomedChart zoomed;
    TChartValueList* x = zoomed.series->GetXValues();
    for (auto _ : state) {
        int first = 0;
        while (first < x->Count() && x->GetValue(first) < 400000) ++first;
        int last = first;
        while (last < x->Count() && x->GetValue(last) < 400100) ++last;
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(last);
    }
}
BENCHMARK(WalkToTheVisibleRange)->Unit(benchmark::kMicrosecond);

void CalcFirstLastVisibleIndex(benchmark::State& state) {
    TZoomedChart zoomed;
    for (auto _ : state) {
        zoomed.series->CalcFirstLastVisibleIndex();
        benchmark::DoNotOptimize(zoomed.series->GetLastValueIndex());
    }
    if (zoomed.series->GetFirstValueIndex() != 400000 || zoomed.series->GetLastValueIndex() != 400100)
        state.SkipWithError("not the range shown");
}
BENCHMARK(CalcFirstLastVisibleIndex)->Unit(benchmark::kMicrosecond);

}  // namespace
