// How fast a collection is cut into its entries, beside a bare memchr scan for
// "%" over the same bytes: the split looks for the rare "%" with memchr and
// checks the line ends around each hit, so the scan is the most it can reach.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <string_view>

#include "engine/Collection.h"

namespace {

// Deterministic text that looks like a collection: words from a fixed list in
// lines of about 60 characters, ended by CR LF, entries of one to six lines
// with a "%" line between them. A few words hold a "%" of their own, which the
// split must pass over.
class CollectionText {
public:
    static std::string Generate(std::size_t targetBytes) {
        CollectionText gen;
        std::string text;
        text.reserve(targetBytes + 1024);
        while (text.size() < targetBytes) {
            if (!text.empty()) text += tagrota::kSeparator;
            const int lines = 1 + static_cast<int>(gen.Next() % 6);
            for (int line = 0; line < lines; ++line) {
                if (line > 0) text += "\r\n";
                gen.AppendLine(text);
            }
        }
        text += "\r\n";
        return text;
    }

private:
    static constexpr std::array<std::string_view, 40> kWords = {
        "the",   "mail",    "of",  "signature", "and",   "a",    "quotation", "to",
        "every", "message", "is",  "in",        "file",  "news", "reader",    "that",
        "it",    "for",     "was", "on",        "time",  "with", "as",        "line",
        "wise",  "be",      "at",  "words",     "by",    "this", "100%",      "from",
        "or",    "have",    "an",  "they",      "which", "one",  "you",       "were",
    };

    std::uint64_t Next() {  // SplitMix64, fixed seed
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    void AppendLine(std::string& text) {
        const std::size_t start = text.size();
        const std::size_t length = 52 + Next() % 17;  // 52 to 68, about 60
        for (;;) {
            text += kWords[Next() % kWords.size()];
            if (text.size() - start >= length) break;
            text += ' ';
        }
    }

    std::uint64_t state_ = 0x5eed;
};

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

void BM_SplitCollection(benchmark::State& state) {
    const std::string& text = CollectionOfMegabytes(state.range(0));
    std::size_t pieces = 0;
    for (auto _ : state) {
        auto split = tagrota::SplitCollection(text);
        pieces = split.size();
        benchmark::DoNotOptimize(split.data());
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
        hits = 0;
        const char* at = text.data();
        const char* const end = at + text.size();
        while (at < end) {
            auto* found =
                static_cast<const char*>(std::memchr(at, '%', static_cast<std::size_t>(end - at)));
            if (!found) break;
            ++hits;
            at = found + 1;
        }
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
