// Drawing speed of the canvas on an 800 x 600 bitmap: one-pixel lines,
// rectangles and text, each batch with fixed pseudo-random positions.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "platform/gdi/Graphics.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

std::vector<TPoint> RandomPoints(std::size_t count, int margin, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> x(-margin, kWidth + margin), y(-margin, kHeight + margin);
    std::vector<TPoint> points(count);
    for (TPoint& p : points) p = TPoint(x(random), y(random));
    return points;
}

// Times batches of count drawing calls draw(canvas, i) on a fresh bitmap.
void RunBatches(benchmark::State& state, int count, const std::function<void(TCanvas*)>& setUp,
                const std::function<void(TCanvas*, int)>& draw) {
    TBitmap bitmap;
    bitmap.SetSize(kWidth, kHeight);
    TCanvas* canvas = bitmap.GetCanvas();
    setUp(canvas);
    for (auto _ : state)
        for (int i = 0; i < count; ++i) draw(canvas, i);
    state.SetItemsProcessed(state.iterations() * count);
}

void OnePixelLines(benchmark::State& state) {
    std::vector<TPoint> ends = RandomPoints(200000, 20, 1);
    RunBatches(state, 100000, [](TCanvas*) {}, [&](TCanvas* c, int i) {
        c->GetPen()->SetColor(static_cast<TColor>(i * 2654435761u & 0xFFFFFF));
        c->MoveTo(ends[2 * i].x, ends[2 * i].y);
        c->LineTo(ends[2 * i + 1].x, ends[2 * i + 1].y);
    });
}
BENCHMARK(OnePixelLines)->Unit(benchmark::kMillisecond);

void Rectangles(benchmark::State& state) {
    std::vector<TPoint> corners = RandomPoints(10000, 0, 2);
    std::vector<TPoint> sizes = RandomPoints(10000, 0, 3);
    RunBatches(state, 10000, [](TCanvas*) {}, [&](TCanvas* c, int i) {
        c->GetBrush()->SetColor(static_cast<TColor>(i * 40503u & 0xFFFFFF));
        c->Rectangle(corners[i].x, corners[i].y, corners[i].x + 2 + sizes[i].x / 7, corners[i].y + 2 + sizes[i].y / 5);
    });
}
BENCHMARK(Rectangles)->Unit(benchmark::kMillisecond);

void TextOutputs(benchmark::State& state) {
    std::vector<TPoint> places = RandomPoints(10000, 0, 4);
    auto setUp = [](TCanvas* c) {
        c->GetFont()->SetName("Tahoma");
        c->GetFont()->SetSize(8);
        c->GetBrush()->SetStyle(bsClear);
    };
    RunBatches(state, 10000, setUp, [&](TCanvas* c, int i) { c->TextOut(places[i].x, places[i].y, "Close 123.45"); });
}
BENCHMARK(TextOutputs)->Unit(benchmark::kMillisecond);

}  // namespace

