// Speed of a chart paint at every size, against the peer where it draws the
// same chart: candles over a pane of volume lines (10 to a million quotes)
// and a line of the closes (a thousand to ten million), each row with the
// peer's median and ours / peer; a paint zoomed to 100 points of a long
// history; bars and a pie of a million and ten million points. Rows also
// say the bytes a point holds after the fill and how far the paint grew the
// process.
//
// VELMORA_PEER_BENCH names the peer's binary (../shared/peers/qcp-bench);
// without it the peer's columns stay 0. Its quotes are drawn here too.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <malloc.h>
#include <sys/resource.h>
#include <vector>

#include "bench/support/BenchQuotes.h"
#include "bench/support/PeerBench.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/seriestypes/SeriesPie.h"
#include "tests/chart/control/ChartControlTestSupport.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

// Bytes taken from the heap, large blocks (mapped apart) included.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

long PeakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The quotes every size draws a prefix of, read once.
const std::vector<TBenchQuote>& Quotes(int Count) {
    static std::vector<TBenchQuote> quotes;
    if (static_cast<int>(quotes.size()) < Count) {
        UsePeerQuotes(10000000);
        quotes = MakeBenchQuotes(std::max(Count, 10000000));
    }
    return quotes;
}

// The heap before the series is filled (its quotes read first).
std::size_t HeapBeforeFill(int Count) {
    Quotes(Count);
    return HeapInUse();
}

// The chart painted once empty, so that what it keeps for painting is
// there before its points are counted.
struct TChartOnPicture {
    TChartOnPicture() : on(kWidth, kHeight) {
        // The peer's charts have no legend.
        on.chart->GetLegend()->SetVisible(false);
        picture.SetSize(kWidth, kHeight);
        Paint();
    }
    void Paint() { on.chart->Draw(picture.GetCanvas(), TRect(0, 0, kWidth, kHeight)); }
    TChartControlOnForm on;
    TBitmap picture;
};

// Times Paint, each pass apart; the median in ms, with the heap bytes per
// point the series hold after the paints (HeapBefore: the heap before they
// were filled), the growth of the process in the first paint and, when the
// peer draws Case, its median and ours / peer.
void TimePaints(benchmark::State& state, TChartOnPicture& chart, std::size_t HeapBefore, const char* Case) {
    const int count = static_cast<int>(state.range(0));
    const long before = PeakResidentKb();
    chart.Paint();
    const long grown = PeakResidentKb() - before;
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        chart.Paint();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    state.counters["ms"] = median;
    state.counters["bytes_per_point"] = static_cast<double>(HeapInUse() - HeapBefore) / count;
    state.counters["paint_growth_mb"] = grown / 1024.0;
    if (Case) {
        const double peer = PeerDrawMs(Case, count);
        state.counters["peer_ms"] = peer;
        state.counters["ours_per_peer"] = peer > 0 ? median / peer : 0;
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void CandlesOverVolume(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const auto& quotes = Quotes(count);
    TChartOnPicture chart;
    TChart* on = chart.on.chart;
    on->GetTitle()->GetText()->Add("Prices");
    on->GetBottomAxis()->SetDateTimeFormat("mmm yyyy");
    on->GetLeftAxis()->SetEndPosition(70);
    auto* axis = new TChartAxis(on);
    axis->SetStartPosition(72);
    const std::size_t heap = HeapInUse();
    auto* candles = new TCandleSeries(chart.on.form);
    candles->SetParentChart(on);
    candles->GetXValues()->SetDateTime(true);
    auto* volume = new TVolumeSeries(chart.on.form);
    volume->SetParentChart(on);
    volume->SetCustomVertAxis(axis);
    volume->GetXValues()->SetDateTime(true);
    for (int i = 0; i < count; ++i) {
        const TBenchQuote& q = quotes[static_cast<std::size_t>(i)];
        candles->AddCandle(q.date, q.open, q.high, q.low, q.close);
        volume->AddXY(q.date, q.volume, "", q.close >= q.open ? clGreen : clRed);
    }
    TimePaints(state, chart, heap, "candles+volume");
}
BENCHMARK(CandlesOverVolume)->Arg(10)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A line of the closes against their dates.
TLineSeries* AddCloses(TChartOnPicture& Chart, int Count) {
    const auto& quotes = Quotes(Count);
    auto* line = new TLineSeries(Chart.on.form);
    line->SetParentChart(Chart.on.chart);
    line->GetXValues()->SetDateTime(true);
    for (int i = 0; i < Count; ++i) line->AddXY(quotes[static_cast<std::size_t>(i)].date, quotes[static_cast<std::size_t>(i)].close);
    return line;
}

void LineSeries(benchmark::State& state) {
    TChartOnPicture chart;
    chart.on.chart->GetBottomAxis()->SetDateTimeFormat("mmm yyyy");
    const std::size_t heap = HeapBeforeFill(static_cast<int>(state.range(0)));
    AddCloses(chart, static_cast<int>(state.range(0)));
    TimePaints(state, chart, heap, "line");
}
BENCHMARK(LineSeries)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

// The same line zoomed to 100 quotes in the middle of the history: the
// paint should cost what it shows.
void ZoomedLine(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    TChartOnPicture chart;
    const std::size_t heap = HeapBeforeFill(count);
    TLineSeries* line = AddCloses(chart, count);
    const double from = line->GetxValue(count / 2);
    chart.on.chart->GetBottomAxis()->SetMinMax(from, from + 99);
    TimePaints(state, chart, heap, nullptr);
}
BENCHMARK(ZoomedLine)->Arg(1000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

template <class TSeries>
TSeries* AddVolumes(TChartOnPicture& Chart, int Count) {
    const auto& quotes = Quotes(Count);
    auto* series = new TSeries(Chart.on.form);
    series->SetParentChart(Chart.on.chart);
    for (int i = 0; i < Count; ++i) series->Add(quotes[static_cast<std::size_t>(i)].volume);
    return series;
}

// Volumes as a series of the type, with its default marks or none.
template <class TSeries>
void PaintVolumes(benchmark::State& state, bool Marks) {
    TChartOnPicture chart;
    const std::size_t heap = HeapBeforeFill(static_cast<int>(state.range(0)));
    auto* series = AddVolumes<TSeries>(chart, static_cast<int>(state.range(0)));
    if (!Marks) series->GetMarks()->SetVisible(false);
    TimePaints(state, chart, heap, nullptr);
}

void Bars(benchmark::State& state) { PaintVolumes<TBarSeries>(state, false); }
BENCHMARK(Bars)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BarsWithMarks(benchmark::State& state) { PaintVolumes<TBarSeries>(state, true); }
BENCHMARK(BarsWithMarks)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

void Pie(benchmark::State& state) { PaintVolumes<TPieSeries>(state, true); }
BENCHMARK(Pie)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The slices alone.
void PieWithoutMarks(benchmark::State& state) { PaintVolumes<TPieSeries>(state, false); }
BENCHMARK(PieWithoutMarks)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
