// The cost of one rotation on the real file system: choose an entry, wrap it
// when asked, put it under the fixed signature in the Current tab and replace
// the current signature file atomically (temporary file, then rename).

#include <benchmark/benchmark.h>

#include <string>

#include "BenchData.h"

namespace {

using namespace tagrota::bench;

void RunRotations(benchmark::State& bench, bool wrap) {
    RotationRig rig(wrap);
    for (auto _ : bench) rig.Rotate();

    const std::string problem = rig.Problem();
    if (!problem.empty()) {
        bench.SkipWithError(problem.c_str());
        return;
    }
    bench.counters["signature_bytes"] = static_cast<double>(rig.current.GetText().size());
}

void BM_RotateRandom(benchmark::State& bench) {
    RunRotations(bench, false);
}
void BM_RotateRandomWrap65(benchmark::State& bench) {
    RunRotations(bench, true);
}

BENCHMARK(BM_RotateRandom)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RotateRandomWrap65)->Unit(benchmark::kMicrosecond);

}  // namespace
