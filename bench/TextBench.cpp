// Text output of the canvas against the same texts drawn straight through
// one host painter on an 800 x 600 bitmap, in one run: the canvas_ms and
// painter_ms counters time each side of every batch of 10^4 texts, ratio is
// canvas over painter. Both sides must leave the same pixels.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <vector>

#include "platform/gdi/Graphics.h"
#include "platform/testing/HostPainterText.h"

namespace {

constexpr int kWidth = 800, kHeight = 600, kTexts = 10000;

// 10^4 places and texts; the texts come from a pool of Distinct strings
// of the kind a chart labels its axes and series with.
struct TTextBatch {
    std::vector<TPoint> places;
    std::vector<AnsiString> texts;
};

TTextBatch MakeBatch(int Distinct) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(0, kWidth - 60), y(0, kHeight - 15), pick(0, Distinct - 1);
    std::vector<AnsiString> pool;
    for (int i = 0; i < Distinct; ++i)
        pool.push_back(i % 3 == 0   ? "Close " + AnsiString(100 + i) + ".45"
                       : i % 3 == 1 ? AnsiString(1 + i % 28) + "/0" + AnsiString(1 + i % 9) + "/2024"
                                    : AnsiString(i * 37 % 10000) + "." + AnsiString(10 + i % 90));
    TTextBatch batch;
    for (int i = 0; i < kTexts; ++i) {
        batch.places.emplace_back(x(random), y(random));
        batch.texts.push_back(pool[pick(random)]);
    }
    return batch;
}

void UseLabelFont(TCanvas* Canvas) {
    Canvas->GetFont()->SetName("Tahoma");
    Canvas->GetFont()->SetSize(8);
    Canvas->GetBrush()->SetStyle(bsClear);
}

double MillisecondsOf(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

bool SamePixels(TBitmap* a, TBitmap* b) {
    for (int y = 0; y < kHeight; ++y)
        if (!std::equal(a->ScanLine(y), a->ScanLine(y) + kWidth, b->ScanLine(y))) return false;
    return true;
}

void CanvasAgainstPainter(benchmark::State& state) {
    TTextBatch batch = MakeBatch(static_cast<int>(state.range(0)));
    TBitmap canvasSide, painterSide;
    canvasSide.SetSize(kWidth, kHeight);
    painterSide.SetSize(kWidth, kHeight);
    TCanvas* canvas = canvasSide.GetCanvas();
    UseLabelFont(canvas);
    UseLabelFont(painterSide.GetCanvas());
    double canvasMs = 0, painterMs = 0;
    for (auto _ : state) {
        canvasMs += MillisecondsOf([&] {
            for (int i = 0; i < kTexts; ++i) canvas->TextOut(batch.places[i].x, batch.places[i].y, batch.texts[i]);
            canvas->GetPixels(0, 0);  // the texts are done once the pixels may be read
        });
        painterMs += MillisecondsOf(
            [&] { DrawTextsWithHostPainter(&painterSide, painterSide.GetCanvas()->GetFont(), batch.places, batch.texts); });
    }
    if (!SamePixels(&canvasSide, &painterSide)) state.SkipWithError("the canvas and the painter drew different pixels");
    double n = static_cast<double>(state.iterations());
    state.counters["canvas_ms"] = canvasMs / n;
    state.counters["painter_ms"] = painterMs / n;
    state.counters["ratio"] = canvasMs / painterMs;
    state.SetItemsProcessed(state.iterations() * 2 * kTexts);
}
// 200 labels repeated, as a chart repaints them; then every text new.
BENCHMARK(CanvasAgainstPainter)->Arg(200)->Arg(kTexts)->Unit(benchmark::kMillisecond);

}  // namespace
