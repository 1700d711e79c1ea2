// Speed of the chart's 3-D canvas: projecting a million chart points in the
// oblique and in the rotated view with perspective, and filling gradients
// 1000 pixels high.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "chart/canvas/TeCanvas.h"

namespace {

constexpr int kPoints = 1000000;

// A canvas set up for a 3-D paint of an 800 x 600 chart, 100 pixels deep.
struct TProjectionSetup {
    explicit TProjectionSetup(bool orthogonal) {
        bitmap.SetSize(800, 600);
        options.SetOrthogonal(orthogonal);
        options.SetZoom(120);
        canvas.InitWindow(bitmap.GetCanvas(), &options, clWhite, true, TRect(0, 0, 800, 600));
        canvas.Projection(100, TRect(0, 0, 800, 600), TRect(20, 20, 780, 580));
    }
    TBitmap bitmap;
    TView3DOptions options{nullptr, nullptr};
    TTeeCanvas3D canvas;
};

void Project(benchmark::State& state, bool orthogonal) {
    TProjectionSetup setup(orthogonal);
    TCanvas3D& canvas = setup.canvas;
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < kPoints; ++i) {
            TPoint p = canvas.Calculate3DPosition(i % 800, (i / 800) % 600, i % 100);
            sum += p.x + p.y;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void ProjectOblique(benchmark::State& state) { Project(state, true); }
BENCHMARK(ProjectOblique)->Unit(benchmark::kMillisecond);

void ProjectRotated(benchmark::State& state) { Project(state, false); }
BENCHMARK(ProjectRotated)->Unit(benchmark::kMillisecond);

void Gradient(benchmark::State& state) {
    TBitmap bitmap;
    bitmap.SetSize(1000, 1000);
    TTeeCanvas3D canvas;
    canvas.SetCanvas(bitmap.GetCanvas());
    auto direction = static_cast<TGradientDirection>(state.range(0));
    for (auto _ : state) canvas.GradientFill(TRect(0, 0, 1000, 1000), clBlue, clYellow, direction);
}
BENCHMARK(Gradient)
    ->Arg(gdTopBottom)
    ->Arg(gdLeftRight)
    ->Arg(gdFromCenter)
    ->Arg(gdFromTopLeft)
    ->Unit(benchmark::kMillisecond);

}  // namespace

