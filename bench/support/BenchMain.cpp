// The main of every benchmark program: the host starts headless (unless a
// display was asked for) before the first benchmark runs.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/controls/Forms.h"
#include "platform/host/Host.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    StartHost(argc, argv);
    Application->Initialize();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
