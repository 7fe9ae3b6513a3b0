// The collection's index: an entry read through it is the entry the whole
// file gives, whatever the file's line ends, encoding and "%" lines, and
// whatever became of the kept index.

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/CollectionChoice.h"
#include "engine/CollectionIndex.h"
#include "engine/PrintSignature.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

// A collection's bytes: lines of words, "%" lines and near misses, with any
// line end, a byte-order mark, letters beyond ASCII in UTF-8 or in one byte,
// and a last line with or without its line end.
rc::Gen<std::string> ACollection() {
    return rc::gen::exec([] {
        const std::string ends[] = {"\r\n", "\n", "\r"};
        const int lineEnds = *rc::gen::inRange(0, 3);  // one kind, or (3) any mix
        const bool oneByte = *rc::gen::arbitrary<bool>();
        std::string bytes = *rc::gen::weightedElement<std::string>({{5, ""}, {1, "\xEF\xBB\xBF"}});
        const int lines = *rc::gen::inRange(0, 30);
        for (int line = 0; line < lines; ++line) {
            bytes +=
                *rc::gen::weightedElement<std::string>({{6, "%"},
                                                        {4, "words"},
                                                        {1, ""},
                                                        {1, "%%"},
                                                        {1, " %"},
                                                        {1, "50% off"},
                                                        {1, oneByte ? "caf\xE9" : "caf\xC3\xA9"},
                                                        {1, "\xE2\x80\x94%"}});
            if (line + 1 < lines || *rc::gen::arbitrary<bool>())
                bytes += ends[lineEnds < 3 ? lineEnds : *rc::gen::inRange(0, 3)];
        }
        return bytes;
    });
}

class FixedClock final : public IClock {
public:
    double SecondsSinceMidnight() override { return seconds; }
    double seconds = 0;
};

// What the whole file gives: its pieces, usable entries and whether it holds
// quotations.
struct Whole {
    explicit Whole(const std::string& path) {
        StdFileSystem files;
        TextFileContents read = ReadTextFile(files, path);
        holds = HoldsQuotations(read.decoded.text);
        SplitInto(state, std::move(read.decoded.text));
    }
    ProgramState state;
    bool holds = false;
};

void ExpectSameAsWhole(const std::string& path, const std::string& cache) {
    const Whole whole(path);
    const std::optional<CollectionIndex> index = CollectionIndex::Open(path, cache);
    RC_ASSERT(index.has_value());
    RC_ASSERT(index->HoldsQuotations() == whole.holds);
    RC_ASSERT(index->PieceCount() == whole.state.Sigs.size());
    RC_ASSERT(index->UsableCount() == UsableEntryCount(whole.state));
    for (std::size_t i = 0; i < whole.state.Sigs.size(); ++i) {
        const std::optional<std::string> piece = index->Piece(i);
        // A damaged record shows as nothing, never as another text.
        if (piece) RC_ASSERT(*piece == whole.state.Sigs[i]);
    }
}

// Replaces the file as editors and the program do: a new file renamed over it.
void Replace(const std::string& path, const std::string& bytes) {
    WriteBytes(path + ".new", bytes);
    fs::rename(path + ".new", path);
}

RC_GTEST_PROP(CollectionIndex, GivesTheWholeFilesEntriesWhateverBecameOfTheKeptIndex, ()) {
    const test::TempDir dir;
    const std::string cache = dir.File("cache");
    fs::create_directory(cache);
    fs::permissions(cache, fs::perms::owner_all, fs::perm_options::replace);
    const std::string path = dir.File("quotes.txt");
    Replace(path, *ACollection());
    ExpectSameAsWhole(path, cache);  // made and kept
    const std::string kept = CollectionIndex::KeptAt(path, cache);
    RC_ASSERT(fs::exists(kept));
    RC_ASSERT((fs::status(kept).permissions() & fs::perms::all) ==
              (fs::perms::owner_read | fs::perms::owner_write));

    // The collection replaced, the kept index damaged or made foreign.
    if (*rc::gen::arbitrary<bool>()) Replace(path, *ACollection());
    const std::string before = ReadBytes(kept);
    switch (*rc::gen::inRange(0, 6)) {
        case 0: {  // bytes changed anywhere
            std::string bytes = before;
            const int changes = *rc::gen::inRange(1, 4);
            for (int n = 0; n < changes && !bytes.empty(); ++n)
                bytes[*rc::gen::inRange<std::size_t>(0, bytes.size())] ^=
                    static_cast<char>(*rc::gen::inRange(1, 256));
            WriteBytes(kept, bytes);
            break;
        }
        case 1:  // cut short
            WriteBytes(kept, before.substr(0, *rc::gen::inRange<std::size_t>(0, before.size())));
            break;
        case 2:  // grown
            WriteBytes(kept, before + *rc::gen::nonEmpty(rc::gen::arbitrary<std::string>()));
            break;
        case 3:  // open to others
            fs::permissions(kept, fs::perms::group_read | fs::perms::others_read,
                            fs::perm_options::add);
            break;
        case 4: {  // a link to an index elsewhere
            WriteBytes(dir.File("elsewhere"), before);
            fs::remove(kept);
            fs::create_symlink(dir.File("elsewhere"), kept);
            break;
        }
        default:  // left alone
            break;
    }
    ExpectSameAsWhole(path, cache);

    // The signature printed through the index is the one printed from the
    // whole file, and the index kept afterwards is whole again.
    headless::SettingsStore store;
    store.values[{kAppName, kSettingsSection, SettingKey::RandomFile}] = path;
    StdFileSystem files;
    FixedClock clock;
    clock.seconds = *rc::gen::inRange(0, 86400);
    SplitMixRandom random;
    const PrintedSignature read =
        ComposePrintedSignature(store, files, clock, random, dir.File("program"));
    const PrintedSignature drawn =
        ComposePrintedSignature(store, files, clock, random, dir.File("program"), cache);
    RC_ASSERT(drawn.text == read.text);
    RC_ASSERT(drawn.problems == read.problems);
}

// A start writes its first signature through the kept index, before the
// collection is read whole, and it is the signature a start that reads the
// whole collection first writes: the same entry, in random and in sequential
// mode, wrapped or not. After the start both hold the whole collection.
RC_GTEST_PROP(CollectionIndex, TheFirstSignatureOfAStartIsTheOneTheWholeCollectionGives, ()) {
    const std::string collection = *ACollection();
    const bool inSequence = *rc::gen::arbitrary<bool>();
    const bool wrap = *rc::gen::arbitrary<bool>();
    struct Start {
        std::string written, randomTabWhenWritten, randomTab;
    };
    auto start = [&](bool throughIndex, bool indexKept) {
        test::MainRig rig;
        if (!throughIndex) rig.indexFolder.reset();
        const std::string quotes = rig.dir.File("quotes.txt");
        WriteBytes(quotes, collection);
        WriteBytes(rig.dir.File("fixed.txt"), "-- \r\nMe\r\n");
        rig.Store(SettingKey::RandomFile, quotes);
        rig.Store(SettingKey::UseSeq, inSequence ? "True" : "False");
        rig.Store(SettingKey::DoWrap, wrap ? "True" : "False");
        rig.Store(SettingKey::WrapCount, "12");
        if (indexKept) RC_ASSERT(CollectionIndex::Open(quotes, *rig.indexFolder).has_value());
        Start s;
        rig.files.onWritten = [&](const std::string& path, std::string_view bytes) {
            if (path != rig.dir.File("sig.txt") || !s.written.empty()) return;
            s.written = bytes;
            s.randomTabWhenWritten = rig.Editor("txtRandom").GetText();
        };
        rig.Start();
        s.randomTab = rig.Editor("txtRandom").GetText();
        return s;
    };
    const test::TempDir dir;
    WriteBytes(dir.File("quotes.txt"), collection);
    const Whole read(dir.File("quotes.txt"));
    const bool hasEntry = read.holds && UsableEntryCount(read.state) >= 1;

    const Start whole = start(false, false);
    RC_ASSERT(!whole.written.empty());
    RC_ASSERT(!whole.randomTabWhenWritten.empty());
    for (const bool kept : {false, true}) {
        const Start indexed = start(true, kept);
        RC_ASSERT(indexed.written == whole.written);
        RC_ASSERT(indexed.randomTab == whole.randomTab);
        // Read whole first only where the index gives no entry.
        RC_ASSERT(indexed.randomTabWhenWritten.empty() == hasEntry);
    }
}

TEST(CollectionIndex, IsKeptOnlyInAFolderOfTheUsersOwn) {
    const test::TempDir dir;
    const std::string path = dir.File("quotes.txt");
    WriteBytes(path, "one\n%\ntwo\n%\n");
    const std::string open = dir.File("open");
    fs::create_directory(open);
    fs::permissions(open, fs::perms::all, fs::perm_options::replace);
    // Others may enter it: the index is made, used and not kept there.
    std::optional<CollectionIndex> index = CollectionIndex::Open(path, open);
    ASSERT_TRUE(index);
    EXPECT_EQ(index->Piece(1), "two");
    EXPECT_TRUE(fs::is_empty(open));

    // The user's own: kept, then taken from there.
    const std::string own = dir.File("own");
    fs::create_directory(own);
    fs::permissions(own, fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_FALSE(CollectionIndex::Open(path, own)->Kept());
    index = CollectionIndex::Open(path, own);
    EXPECT_TRUE(index->Kept());
    EXPECT_EQ(index->Piece(0), "one");
    EXPECT_EQ(index->UsableCount(), 2);
}

}  // namespace
}  // namespace tagrota
