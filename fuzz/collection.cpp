// A collection file as a load reads it (decoded, split into its pieces), then a
// few rotations over the pieces, in sequence or at random, wrapped or not.
//
// Checked: the pieces are the text cut at every separator, left to right
// (joined with the separator they give the text back); every rotation picks a
// piece the rotation may use, the next one in sequence mode, and writes exactly
// the fixed lines, a line end and that piece, re-wrapped when asked (the fixed
// lines alone when there is no piece to use).

#include <fuzzer/FuzzedDataProvider.h>

#include <map>

#include "Check.h"
#include "engine/Collection.h"
#include "engine/CollectionChoice.h"
#include "engine/Module1.h"
#include "engine/SignatureEngine.h"
#include "platform/Controls.h"
#include "platform/TextFile.h"

namespace {
using namespace tagrota;

// Files in memory: the load reads the collection here, rotations write here.
class MemoryFiles final : public IFileSystem {
public:
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    bool FolderExists(const std::string&) override { return false; }
    bool SameFile(const std::string& a, const std::string& b) override { return a == b; }
    FileContents ReadFile(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return {FileStatus::Failure("No such file or directory"), {}};
        return {FileStatus::Success(), it->second};
    }
    FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                               Durability) override {
        files[path] = std::string(bytes);
        return FileStatus::Success();
    }
    std::map<std::string, std::string> files;
};

class Editor final : public ITextEditor {
public:
    explicit Editor(IFileSystem& files) : backing_(files) {}
    std::string GetText() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void SetOnChange(std::function<void()>) override {}
    FileStatus LoadFile(const std::string& path,
                        std::optional<PrefetchedText> prefetched = std::nullopt) override {
        return backing_.Load(
            path, [this](const std::string& text) { text_ = text; }, std::move(prefetched));
    }
    FileStatus SaveFile(const std::string& path) override { return backing_.Save(path, text_); }
    void SetSaveFormat(const TextFormat& format) override { backing_.SetFormat(format); }
    bool Locked() const override { return false; }
    void SetLocked(bool) override {}
    bool Modified() const override { return false; }
    void MarkUnmodified() override {}
    TextSpan Selection() const override { return selection_; }
    void Select(TextSpan span) override { selection_ = span; }

private:
    EditorFileBacking backing_;
    std::string text_;
    TextSpan selection_;
};

class Clock final : public IClock {
public:
    double SecondsSinceMidnight() override { return seconds; }
    double seconds = 0;
};

// The text cut at every separator, the plain way; an empty text has no pieces.
// A last piece that ends in CR LF "%" ends in a separator.
std::vector<std::string> Cut(std::string_view text) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    for (std::string_view piece : PlainSplit(text, kSeparator)) pieces.emplace_back(piece);
    std::string& last = pieces.back();
    if (last.size() >= kTrailingSeparator.size() &&
        last.compare(last.size() - kTrailingSeparator.size(), std::string::npos,
                     kTrailingSeparator) == 0) {
        last.resize(last.size() - kTrailingSeparator.size());
        pieces.emplace_back();
    }
    return pieces;
}

// True when the text ends in the separator without its last line end.
bool EndsInTrailingSeparator(const std::vector<std::string>& pieces, std::string_view text) {
    return pieces.size() >= 2 && pieces.back().empty() && text.size() >= 3 &&
           text.substr(text.size() - kTrailingSeparator.size()) == kTrailingSeparator;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ProgramState state;
    state.UseSeq = in.ConsumeBool();
    state.DoWrap = in.ConsumeBool();
    state.WrapCount = in.ConsumeIntegral<Integer>();
    const int rotations = in.ConsumeIntegralInRange(1, 8);
    Clock clock;
    clock.seconds = in.ConsumeFloatingPoint<double>();
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    MemoryFiles files;
    files.files["/c"] = bytes;
    SplitMixRandom random;
    Editor fixed(files), collection(files), current(files);
    state.Files.Loaded(EditedRole::Collection, "/c", std::nullopt);
    state.Files.Loaded(EditedRole::Fixed, "/fixed", std::nullopt);
    state.Files.ChooseCurrentPath("/sig");
    SignatureEngine engine(state, files, clock, random);
    fixed.SetText("-- \r\nMe\r\n");

    FUZZ_CHECK(collection.LoadFile("/c"));
    SplitInto(state, collection.SharedText());
    FUZZ_CHECK(HoldsQuotations(collection.GetText()) == (state.SigCount >= 1));
    const std::string text = collection.GetText();
    const std::vector<std::string> cut = Cut(text);
    FUZZ_CHECK(state.Sigs == cut);
    FUZZ_CHECK(state.SigCount == static_cast<Long>(state.Sigs.size()) - 1);
    std::string joined;
    const bool trailing = EndsInTrailingSeparator(cut, text);
    for (std::size_t i = 0; i < state.Sigs.size(); ++i) {
        if (i) joined += trailing && i + 1 == state.Sigs.size() ? kTrailingSeparator : kSeparator;
        joined += state.Sigs[i];
    }
    FUZZ_CHECK(joined == text);

    const Long usable = UsableEntryCount(state);
    FUZZ_CHECK(usable >= 0 && usable <= state.SigCount + 1);
    for (int r = 0; r < rotations; ++r) {
        const Long before = state.QuoteNumber;
        const std::string signature = engine.NextSignature(fixed.GetText());
        current.SetText(signature);
        FUZZ_CHECK(engine.WriteSignature(state.Files, signature));
        if (usable < 1) {
            FUZZ_CHECK(files.files["/sig"] ==
                       SignatureFileText(ToCrLf(fixed.GetText()), state.SigLineEnds));
            FUZZ_CHECK(state.QuoteNumber == before);
            continue;
        }
        const Long p = state.QuoteNumber;
        FUZZ_CHECK(p >= 0 && p < usable);
        if (state.UseSeq)
            FUZZ_CHECK(p == (before + 1 < usable && before + 1 >= 0 ? before + 1 : 0));
        std::string quote = state.Sigs[static_cast<std::size_t>(p)];
        if (state.DoWrap) quote = RewrapQuotation(quote, state.WrapCount);
        const std::string expected = ToCrLf(fixed.GetText() + "\r\n" + quote);
        FUZZ_CHECK(files.files["/sig"] == SignatureFileText(expected, state.SigLineEnds));
        FUZZ_CHECK(current.GetText() == expected);
    }
    return 0;
}
