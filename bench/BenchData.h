#pragma once
// What the benchmarks share: generated collection text, the texts of a
// rotation that writes about 300 bytes, and a temporary folder.

#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/Collection.h"
#include "engine/ProgramState.h"
#include "engine/SignatureEngine.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "platform/headless/HeadlessPlatform.h"

namespace tagrota::bench {

namespace fs = std::filesystem;

// The yardstick of the split: a bare memchr scan for "%", counting the hits.
inline std::size_t CountPercents(std::string_view text) {
    std::size_t hits = 0;
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at < end) {
        auto* found =
            static_cast<const char*>(std::memchr(at, '%', static_cast<std::size_t>(end - at)));
        if (!found) break;
        ++hits;
        at = found + 1;
    }
    return hits;
}

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
    explicit TempFolder(const fs::path& base = fs::temp_directory_path()) {
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

// The engine over headless editors and the real file system, rotating the
// texts above into a signature file in a temporary folder.
class RotationRig {
public:
    explicit RotationRig(bool wrap, const fs::path& base = fs::temp_directory_path())
        : folder(base), engine(state, files, platform.clock, random) {
        state.Files.ChooseCurrentPath((folder.Path() / "signature.txt").string());
        state.Files.Loaded(EditedRole::Collection, (folder.Path() / "collection.txt").string(),
                           std::nullopt);
        state.UseSeq = false;
        state.DoWrap = wrap;
        state.WrapCount = 65;
        fixedSig.SetText(kFixedText);
        collection.SetText(kCollectionText);
        SplitInto(state, kCollectionText);
    }

    void Rotate() {
        // The random mode reseeds from the time of day at every rotation; a
        // millisecond on the virtual clock lets successive rotations pick
        // different entries, as timer ticks would.
        platform.Advance(1);
        const std::string s = engine.NextSignature(fixedSig.GetText());
        current.SetText(s);
        const FileStatus written = engine.WriteSignature(state.Files, s);
        if (!written) problem = written.reason;
    }

    // Empty when every rotation went right and the file holds the last one.
    std::string Problem() {
        if (!problem.empty()) return problem;
        const FileContents written = files.ReadFile(state.Files.CurrentPath());
        if (!written.status ||
            written.bytes != SignatureFileText(current.GetText(), state.SigLineEnds))
            return "the signature file does not hold the last rotation's text";
        return {};
    }

    TempFolder folder;
    StdFileSystem files;
    headless::HeadlessPlatform platform;
    SplitMixRandom random;
    headless::TextEditor fixedSig{files}, collection{files}, current{files};
    ProgramState state;
    std::string problem;
    SignatureEngine engine;
};

}  // namespace tagrota::bench
