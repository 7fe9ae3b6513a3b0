// How fast a collection is cut into its entries, beside a bare memchr scan for
// "%" over the same bytes: the split looks for the rare "%" with memchr and
// checks the line ends around each hit, so the scan is the most it can reach.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "BenchData.h"
#include "engine/Collection.h"

namespace {

using tagrota::bench::CollectionText;

// Each size is generated once, on first use, outside every timed loop.
const std::string& CollectionOfMegabytes(std::int64_t megabytes) {
    static std::map<std::int64_t, std::string> cache;
    auto it = cache.find(megabytes);
    if (it == cache.end())
        it = cache
                 .emplace(megabytes,
                          CollectionText::Generate(static_cast<std::size_t>(megabytes) << 20))
                 .first;
    return it->second;
}

// The split as a load runs it: the entry list over the text it keeps.
void BM_SplitCollection(benchmark::State& state) {
    const std::string& text = CollectionOfMegabytes(state.range(0));
    const std::shared_ptr<const std::string> shared(&text, [](const std::string*) {});
    std::size_t pieces = 0;
    for (auto _ : state) {
        tagrota::SigList split(shared);
        pieces = split.size();
        benchmark::DoNotOptimize(&split);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["entries"] = static_cast<double>(pieces);
}

void BM_MemchrPercent(benchmark::State& state) {
    const std::string& text = CollectionOfMegabytes(state.range(0));
    std::size_t hits = 0;
    for (auto _ : state) {
        hits = tagrota::bench::CountPercents(text);
        benchmark::DoNotOptimize(hits);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["percent_hits"] = static_cast<double>(hits);
}

// The argument is the collection's size in MB; each split stands beside the
// scan of the same buffer.
BENCHMARK(BM_SplitCollection)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemchrPercent)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitCollection)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemchrPercent)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitCollection)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemchrPercent)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
