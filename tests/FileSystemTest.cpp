// The real file system: whole replacements, exclusive creation, reasons for
// failures, reading ahead, and the text formats it reads and writes back.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "TestSupport.h"
#include "platform/TextFile.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

class FileSystem : public ::testing::Test {
protected:
    test::TempDir dir;
    StdFileSystem files;
};

TEST_F(FileSystem, ReplacesWholeKeepingPermissionsLinksAndNoTemporaryFiles) {
    const std::string path = dir.File("real.txt"), link = dir.File(".signature");
    WriteBytes(path, "first, longer text");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.txt", link);
    ASSERT_TRUE(files.WriteFileAtomic(link, "second", Durability::Flush));
    ASSERT_TRUE(files.WriteFileAtomic(path, "third", Durability::NoFlush));
    EXPECT_EQ(files.ReadFile(link).bytes, "third");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

TEST_F(FileSystem, ReplacementKeepsPermissionsTheMaskWouldTakeAway) {
    const std::string path = dir.File("shared.txt");
    WriteBytes(path, "old");
    fs::permissions(path, fs::perms(0666));
    const mode_t mask = ::umask(022);
    // A signature in a moment, a save flushed, a large file: each its own way.
    for (const auto& [bytes, durability] :
         {std::pair{std::string("new"), Durability::NoFlush},
          std::pair{std::string("saved"), Durability::Flush},
          std::pair{std::string(100'000, 'x'), Durability::NoFlush}}) {
        ASSERT_TRUE(files.WriteFileAtomic(path, bytes, durability));
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0666));
    }
    ::umask(mask);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

// Another user's own files in a folder only root may write to: what that user
// may write is rewritten in place, the rest is refused.
TEST_F(FileSystem, AFolderThatTakesNoNewFileGetsItsFileRewrittenInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to play another user";
    fs::permissions(dir.Path(), fs::perms(0755));
    const std::string theirs = dir.File("theirs.txt"), open = dir.File("open.txt"),
                      mine = dir.File("mine.txt");
    for (const std::string& path : {theirs, open, mine}) WriteBytes(path, "the old text");
    ASSERT_EQ(::chown(theirs.c_str(), test::kOtherUser, test::kOtherGroup), 0);
    ::chmod(theirs.c_str(), 0644);
    ::chmod(open.c_str(), 0666);
    ::chmod(mine.c_str(), 0644);
    struct stat before {};
    ::stat(theirs.c_str(), &before);

    EXPECT_TRUE(test::AsAnotherUser([&] {
        StdFileSystem theirFiles;
        return theirFiles.WriteFileAtomic(theirs, "theirs, new", Durability::NoFlush) &&
               theirFiles.WriteFileAtomic(open, "open, new", Durability::NoFlush) &&
               theirFiles.WriteFileAtomic(mine, "x", Durability::NoFlush).reason ==
                   "Permission denied";
    }));
    EXPECT_EQ(ReadBytes(theirs), "theirs, new");
    EXPECT_EQ(ReadBytes(open), "open, new");
    EXPECT_EQ(ReadBytes(mine), "the old text");
    struct stat after {};
    ::stat(theirs.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino) << "rewritten, not replaced";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 3);
}

TEST_F(FileSystem, MissingMeansNothingAtAll) {
    fs::create_symlink("nowhere", dir.File("dangling"));
    fs::create_symlink("loop", dir.File("loop"));
    fs::create_directory(dir.File("folder"));
    EXPECT_TRUE(files.IsMissing(dir.File("absent")));
    EXPECT_TRUE(files.IsMissing(dir.File("dangling")));
    EXPECT_TRUE(files.IsMissing(dir.File("absent/below")));
    EXPECT_FALSE(files.IsMissing(dir.File("loop")));
    EXPECT_FALSE(files.IsMissing(dir.File("folder")));
    EXPECT_FALSE(files.IsMissing("/dev/null"));
}

TEST_F(FileSystem, FailuresCarryTheSystemsReason) {
    EXPECT_EQ(files.WriteFileAtomic(dir.File("nope/sig.txt"), "x", Durability::NoFlush).reason,
              "No such file or directory");
    EXPECT_EQ(files.ReadFile(dir.File("absent")).status.reason, "No such file or directory");
    fs::create_directory(dir.File("folder"));
    EXPECT_FALSE(files.FileExists(dir.File("folder")));
    EXPECT_TRUE(files.FolderExists(dir.File("folder")));
    EXPECT_EQ(files.ReadFile(dir.File("folder")).status.reason, "Is a directory");
    EXPECT_EQ(files.WriteFileAtomic(dir.File("folder"), "x", Durability::NoFlush).reason,
              "Is a directory");
    // Neither read (it would never end, or wait for a writer) nor replaced.
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(files.ReadFile(dir.File("pipe")).status.reason, "Not a regular file");
    EXPECT_EQ(files.ReadFile("/dev/zero").status.reason, "Not a regular file");
    EXPECT_EQ(files.WriteFileAtomic(dir.File("pipe"), "x", Durability::NoFlush).reason,
              "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe")));
    // Links that lead round in a circle: reported, and still links after.
    fs::create_symlink("loop-b", dir.File("loop-a"));
    fs::create_symlink("loop-a", dir.File("loop-b"));
    EXPECT_EQ(files.WriteFileAtomic(dir.File("loop-a"), "x", Durability::NoFlush).reason,
              "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(dir.File("loop-a")) && fs::is_symlink(dir.File("loop-b")));
    // Read-only for everyone: left alone, whoever asks.
    WriteBytes(dir.File("frozen.txt"), "as it was");
    fs::permissions(dir.File("frozen.txt"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(files.WriteFileAtomic(dir.File("frozen.txt"), "x", Durability::NoFlush).reason,
              "Permission denied");
    EXPECT_EQ(ReadBytes(dir.File("frozen.txt")), "as it was");
}

TEST_F(FileSystem, NewFileIsCreatedOnlyWhereNothingIsYet) {
    const std::string path = dir.File("fixed.txt.recovered-1"), beside = dir.File("fresh.txt");
    ASSERT_TRUE(files.CreateNewFile(path, "kept"));
    ASSERT_TRUE(CreateNewFileNoFollow(beside, "new", Durability::NoFlush));
    EXPECT_EQ(ReadBytes(path) + ReadBytes(beside), "keptnew");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write)
        << "a recovery file is the user's alone";

    // Never over a file, nor through a link, dangling or not.
    const std::string target = dir.File("target.txt");
    WriteBytes(target, "theirs");
    fs::create_symlink(target, dir.File("link"));
    fs::create_symlink(dir.File("nowhere"), dir.File("dangling"));
    for (const std::string& taken : {path, beside, dir.File("link"), dir.File("dangling")}) {
        EXPECT_EQ(files.CreateNewFile(taken, "mine").reason, "File exists") << taken;
        EXPECT_EQ(CreateNewFileNoFollow(taken, "mine", Durability::NoFlush).reason, "File exists")
            << taken;
    }
    EXPECT_EQ(ReadBytes(path) + ReadBytes(beside) + ReadBytes(target), "keptnewtheirs");
    EXPECT_FALSE(fs::exists(dir.File("nowhere")));
    EXPECT_FALSE(files.CreateNewFile(dir.File("no folder/x"), "mine"));
}

// The real file system, counting its reads; it can also be one that cannot
// tell versions of a file apart.
class CountingFileSystem final : public IFileSystem {
public:
    bool FileExists(const std::string& path) override { return real.FileExists(path); }
    bool FolderExists(const std::string& path) override { return real.FolderExists(path); }
    bool SameFile(const std::string& a, const std::string& b) override {
        return real.SameFile(a, b);
    }
    FileContents ReadFile(const std::string& path) override {
        ++reads;
        return real.ReadFile(path);
    }
    std::optional<FileStamp> Stamp(const std::string& path) override {
        std::optional<FileStamp> stamp = stamps ? real.Stamp(path) : std::nullopt;
        ++stamped;
        return stamp;
    }
    FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                               Durability durability) override {
        return real.WriteFileAtomic(path, bytes, durability);
    }

    std::atomic<int> reads = 0, stamped = 0;
    bool stamps = true;
    StdFileSystem real;
};

TEST_F(FileSystem, ReadAheadIsTakenOnlyByALoadOfTheSameUnchangedFile) {
    CountingFileSystem counting;
    const std::string path = dir.File("collection.txt");
    WriteBytes(path, "one\n%\ntwo\n");
    {
        TextReadAhead ahead(counting, path);
        std::optional<PrefetchedText> prefetched = ahead.Take();
        ASSERT_TRUE(prefetched);
        EXPECT_FALSE(ahead.Take()) << "taken once";
        EXPECT_EQ(counting.reads, 1);
        const TextFileContents first = TakeOrReadTextFile(counting, path, std::move(prefetched));
        ASSERT_TRUE(first.status);
        EXPECT_EQ(first.decoded.text, "one\r\n%\r\ntwo\r\n");
        EXPECT_EQ(first.decoded.format.lineEnding, LineEnding::Lf);
        EXPECT_EQ(counting.reads, 1) << "the read ahead was taken";
        EXPECT_EQ(ReadTextFile(counting, path).decoded.text, first.decoded.text);
        EXPECT_EQ(counting.reads, 2) << "a plain read reads the file";
    }
    {
        TextReadAhead ahead(counting, path);
        EXPECT_FALSE(TakeOrReadTextFile(counting, dir.File("other.txt"), ahead.Take()).status);
    }
    EXPECT_EQ(counting.reads, 4) << "another path: nothing taken";

    counting.stamps = false;
    {
        TextReadAhead ahead(counting, path);
        EXPECT_FALSE(ahead.Take());
        EXPECT_EQ(counting.reads, 4) << "no stamps, no reading ahead";
        EXPECT_TRUE(TakeOrReadTextFile(counting, path, std::nullopt).status);
    }
}

TEST_F(FileSystem, ReadAheadOfAFileChangedSinceGivesTheFileAsItIsNow) {
    CountingFileSystem files;
    const std::string path = dir.File("collection.txt");
    WriteBytes(path, "before");
    {
        TextReadAhead ahead(files, path);
        std::optional<PrefetchedText> prefetched = ahead.Take();  // read whole before the change
        WriteBytes(path, "rewritten in place, longer");
        EXPECT_EQ(TakeOrReadTextFile(files, path, std::move(prefetched)).decoded.text,
                  "rewritten in place, longer");
    }
    {
        TextReadAhead ahead(files, path);
        std::optional<PrefetchedText> prefetched = ahead.Take();
        ASSERT_TRUE(files.WriteFileAtomic(path, "replaced", Durability::NoFlush));
        EXPECT_EQ(TakeOrReadTextFile(files, path, std::move(prefetched)).decoded.text, "replaced");
    }
    const std::string later = dir.File("later.txt");
    {
        TextReadAhead ahead(files, later);
        std::optional<PrefetchedText> prefetched = ahead.Take();
        WriteBytes(later, "created since");
        EXPECT_EQ(TakeOrReadTextFile(files, later, std::move(prefetched)).decoded.text,
                  "created since");
    }
    WriteBytes(later, "there now");
    {
        TextReadAhead ahead(files, later);
        std::optional<PrefetchedText> prefetched = ahead.Take();
        ASSERT_TRUE(prefetched);
        fs::remove(later);
        EXPECT_EQ(TakeOrReadTextFile(files, later, std::move(prefetched)).status.reason,
                  "No such file or directory");
    }
}

TEST(TextFile, PresentsEveryLineEndAsCrLfAndRemembersTheFirst) {
    EXPECT_EQ(DecodeText("a\r\nb\nc\rd").text, "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(DecodeText("a\r\r\nb\n\r").text, "a\r\n\r\nb\r\n\r\n");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFx\r\ny\r\n").text, "x\r\ny\r\n");
    EXPECT_EQ(DecodeText("a\nb\r\n").format.lineEnding, LineEnding::Lf);
    EXPECT_EQ(DecodeText("a\r").format.lineEnding, LineEnding::Cr);
    EXPECT_EQ(DecodeText("one line").format.lineEnding, LineEnding::CrLf);
}

TEST(TextFile, ReadsUtf8OrElseWindows1252) {
    DecodedText utf8 = DecodeText("na\xC3\xAFve \xE2\x82\xAC \xF0\x9F\x98\x80\xC2\xA0\t ");
    EXPECT_EQ(utf8.format.encoding, TextEncoding::Utf8);
    EXPECT_EQ(utf8.text, "na\u00efve \u20ac \U0001F600\u00a0\t ");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFhi").text, "hi");
    DecodedText cp1252 = DecodeText("\x93quoted\x94 \x80 caf\xE9 \x81");
    EXPECT_EQ(cp1252.format.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(cp1252.text, "\u201cquoted\u201d \u20ac caf\u00e9 \u0081");
    // Malformed UTF-8 is not taken for UTF-8.
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80",
                            "a run of plain letters, then \xC0\xAF"})
        EXPECT_FALSE(IsValidUtf8(bad));
    EXPECT_TRUE(IsValidUtf8("a run of plain letters, then \xE2\x82\xAC and more"));
}

TEST(TextFile, WritesBackEveryFormatByteForByte) {
    for (const std::string bytes : {"line\nline\n", "a\r\nb", "x\ry\r",
                                    "\xEF\xBB\xBF"
                                    "bom\r\n",
                                    "caf\xE9\n\x80\x81\x8D\xFF", "", "\xE2\x82\xAC\n"}) {
        DecodedText d = DecodeText(bytes);
        EXPECT_EQ(EncodeText(d.text, d.format), bytes);
    }
    // A letter Windows-1252 cannot hold turns the file into UTF-8 rather than be lost.
    TextFormat written;
    EXPECT_EQ(
        EncodeText("caf\u00e9 \u2603\r\n", {TextEncoding::Windows1252, LineEnding::Lf}, &written),
        "caf\u00e9 \u2603\n");
    EXPECT_EQ(written.encoding, TextEncoding::Utf8);
}

}  // namespace
}  // namespace tagrota
