// The cost of one rotation on the real file system: choose an entry, wrap it
// when asked, put it under the fixed signature in the Current tab and replace
// the current signature file atomically (temporary file, then rename).

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/Collection.h"
#include "engine/ProgramState.h"
#include "engine/SignatureEngine.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

namespace fs = std::filesystem;

// About 100 bytes of fixed signature.
constexpr const char* kFixedText =
    "--\r\n"
    "Ada Example  <ada@example.org>\r\n"
    "Example Systems, 12 Sample Street, Anytown\r\n"
    "https://example.org/\r\n";

// A small collection of entries of about 200 bytes, in lines of about 60
// characters, so that a rotation writes about 300 bytes.
constexpr const char* kCollectionText =
    "A signature file is read far more often than it is written,\r\n"
    "so every line in it should earn the space it takes up in\r\n"
    "the messages of everybody who replies to you.\r\n"
    "%\r\n"
    "The quickest way to find a bug is to explain the program to\r\n"
    "someone who did not write it; the second quickest is to\r\n"
    "read the code aloud to yourself, slowly, line by line.\r\n"
    "%\r\n"
    "Nothing is so permanent as a temporary file that nobody\r\n"
    "remembered to remove, except perhaps the folder it was put\r\n"
    "in and the note that explained why it had to be there.\r\n"
    "%\r\n"
    "Short messages get answers; long messages get read later,\r\n"
    "and later has a way of turning into never once the next\r\n"
    "morning brings its own pile of long messages to read.\r\n"
    "%\r\n"
    "Measure twice and cut once, said the carpenter, and the\r\n"
    "programmer nodded, measured once, cut three times, and then\r\n"
    "wrote a benchmark to find out which of the cuts was fastest.\r\n"
    "%\r\n"
    "Every clock in the house shows a different time, and each\r\n"
    "of them is certain; the only one you can trust is the one\r\n"
    "that stopped, and that one is right just twice a day.\r\n"
    "%\r\n"
    "The best documentation is the one that answers the question\r\n"
    "you actually had, in the place you actually looked for it,\r\n"
    "at the moment you actually needed to know the answer.\r\n"
    "%\r\n"
    "A good default is a decision made once, carefully, on behalf\r\n"
    "of everyone who will never think about the question, which\r\n"
    "is nearly everyone, and nearly always the right call.\r\n";

// A folder of its own under the system's temporary folder, removed at the end.
class TempFolder {
public:
    TempFolder() {
        const fs::path base = fs::temp_directory_path();
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (int attempt = 0;; ++attempt) {
            path_ =
                base / ("tagrota-bench-" + std::to_string(stamp) + "-" + std::to_string(attempt));
            std::error_code ec;
            if (fs::create_directory(path_, ec)) break;
            if (ec || attempt > 100)
                throw fs::filesystem_error("cannot create a temporary folder", path_, ec);
        }
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

void RunRotations(benchmark::State& bench, bool wrap) {
    TempFolder folder;
    tagrota::StdFileSystem files;
    tagrota::headless::HeadlessPlatform platform;
    tagrota::headless::MessageBox messages;
    tagrota::SplitMixRandom random;

    tagrota::headless::TextEditor fixedSig(files);
    tagrota::headless::TextEditor collection(files);
    tagrota::headless::TextEditor current(files);
    tagrota::headless::TextControl collectionPath;

    tagrota::ProgramState state;
    state.CurrentPath = (folder.Path() / "signature.txt").string();
    state.RandomPath = (folder.Path() / "collection.txt").string();
    state.UseSeq = false;
    state.DoWrap = wrap;
    state.WrapCount = 65;
    fixedSig.SetText(kFixedText);
    collection.SetText(kCollectionText);
    collectionPath.SetText(state.RandomPath);
    tagrota::SplitInto(state, kCollectionText);

    tagrota::SignatureEngine engine(
        state, tagrota::EngineControls{fixedSig, collection, current, collectionPath},
        tagrota::EngineServices{files, messages, platform.clock, random, folder.Path().string()});

    for (auto _ : bench) {
        // The random mode reseeds from the time of day at every rotation; a
        // millisecond on the virtual clock lets successive rotations pick
        // different entries, as timer ticks would.
        platform.Advance(1);
        engine.Rotate();
    }

    if (!messages.shown.empty()) {
        bench.SkipWithError(messages.shown.front().text.c_str());
        return;
    }
    const tagrota::FileContents written = files.ReadFile(state.CurrentPath);
    if (!written.status || written.bytes != current.GetText()) {
        bench.SkipWithError("the signature file does not hold the last rotation's text");
        return;
    }
    bench.counters["signature_bytes"] = static_cast<double>(written.bytes.size());
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
