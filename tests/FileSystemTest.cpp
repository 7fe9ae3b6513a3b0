// The real file system: whole replacements, exclusive creation, reasons for
// failures, reading ahead, and the text formats it reads and writes back.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <tuple>

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

// A link to the file stays a link, and no temporary file is left.
TEST_F(FileSystem, ReplacementKeepsPermissionsButNoSetIdBitsNorWriteForAll) {
    const std::string path = dir.File("shared.txt"), link = dir.File(".signature");
    WriteBytes(path, "old");
    fs::create_symlink("shared.txt", link);
    const mode_t mask = ::umask(022);
    // A signature in a moment, a save flushed, a large file: each its own way.
    for (const auto& [bytes, durability] :
         {std::pair{std::string("new"), Durability::NoFlush},
          std::pair{std::string("saved"), Durability::Flush},
          std::pair{std::string(100'000, 'x'), Durability::NoFlush}}) {
        ::chmod(path.c_str(), 0664);
        ASSERT_TRUE(files.WriteFileAtomic(link, bytes, durability));
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0664));
        ::chmod(path.c_str(), 06777);
        ASSERT_TRUE(files.WriteFileAtomic(path, bytes, durability));
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask, fs::perms(0775));
    }
    // Rewritten in place, the file itself loses them.
    fs::create_hard_link(path, dir.File("second name"));
    ::chmod(path.c_str(), 04666);
    ASSERT_TRUE(files.WriteFileAtomic(path, "in place", Durability::Flush));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask, fs::perms(0664));
    ::umask(mask);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 3);
}

// A file that keeps its name and its other names (the other name shows the
// new text) is rewritten in place: a whole backup of it stays until the new
// text is whole. The fault table restores one a run ended with, or keeps it.
TEST_F(FileSystem, ARewriteInPlaceKeepsAWholeBackupUntilTheFileIsWhole) {
    const std::string path = dir.File("quotes.txt"), other = dir.File("mail/quotes");
    const std::string backup = path + ".tagrota-backup";
    files.SetBackupFolder(dir.File("data"));
    WriteBytes(path, "the old text");
    fs::create_directory(dir.File("mail"));
    fs::create_hard_link(path, other);
    ASSERT_TRUE(files.WriteFileAtomic(path, "the new text", Durability::Flush));
    EXPECT_EQ(ReadBytes(other), "the new text");
    EXPECT_FALSE(fs::exists(backup));
    EXPECT_FALSE(files.FindLeftBackup(path));

    // Where the backup's name is taken, the backup folder holds it; where both
    // are, nothing is rewritten.
    fs::create_symlink(dir.File("elsewhere"), backup);
    ASSERT_TRUE(files.WriteFileAtomic(path, "newer", Durability::Flush));
    EXPECT_EQ(ReadBytes(other), "newer");
    EXPECT_TRUE(fs::is_empty(dir.File("data")));
    EXPECT_FALSE(fs::exists(dir.File("elsewhere")));
    files.SetBackupFolder(dir.File("mail/quotes/not a folder"));
    const FileStatus refused = files.WriteFileAtomic(path, "newest", Durability::Flush);
    EXPECT_TRUE(
        test::Holds(refused.reason, {"no whole copy of it could be kept", backup + ": File exists",
                                     "Not a directory", "so it was left as it was"}));
    EXPECT_EQ(ReadBytes(other), "newer");
    fs::remove(backup);
    files.SetBackupFolder(dir.File("data"));

    // One that holds what the file holds lost nothing: it goes unasked.
    WriteBytes(backup, "newer");
    EXPECT_FALSE(files.FindLeftBackup(path));
    EXPECT_FALSE(fs::exists(backup));
    // One the user keeps goes aside, never over anything.
    WriteBytes(backup, "an older text");
    WriteBytes(dir.File("taken"), "mine");
    EXPECT_EQ(files.KeepBackupAs(backup, dir.File("taken")).reason, "File exists");
    ASSERT_TRUE(files.KeepBackupAs(backup, dir.File("kept")));
    EXPECT_EQ(ReadBytes(dir.File("kept")) + ReadBytes(dir.File("taken")), "an older textmine");
    EXPECT_FALSE(files.FindLeftBackup(path));
}

// The disk full midway (here a limit on the file size): the old text goes
// back into the file, and the backup away.
TEST_F(FileSystem, ARewriteInPlaceThatFailsMidwayPutsTheOldTextBack) {
    const std::string path = dir.File("quotes.txt");
    WriteBytes(path, std::string(3000, 'o'));
    fs::create_hard_link(path, dir.File("second name"));
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const FileStatus status =
            files.WriteFileAtomic(path, std::string(10000, 'n'), Durability::Flush);
        ::_exit(status.reason == "File too large" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(dir.File("second name")), std::string(3000, 'o'));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

// Only what is not there at all is missing.
TEST_F(FileSystem, FailuresCarryTheSystemsReason) {
    fs::create_symlink("nowhere", dir.File("dangling"));
    for (const char* absent : {"absent", "dangling", "absent/below"})
        EXPECT_TRUE(files.IsMissing(dir.File(absent))) << absent;
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
    for (const std::string& there :
         {dir.File("loop-a"), dir.File("folder"), std::string("/dev/null")})
        EXPECT_FALSE(files.IsMissing(there)) << there;
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

// In a folder like /tmp, besides another user's files (the fault table's): a
// file of the user's with a second name there is not written, and a folder on
// the way that is another user's link is not followed, for reading or writing.
TEST_F(FileSystem, InASharedFolderNothingAnotherUserPlacedIsTaken) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to play another user";
    const std::string shared = dir.File("shared"), victim = dir.File("victim");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    fs::create_directory(victim);
    ::chmod(dir.Path().c_str(), 0755);
    ASSERT_TRUE(test::AsAnotherUser(
        [&] { return ::symlink(victim.c_str(), (shared + "/sub").c_str()) == 0; }));
    const std::string mine = shared + "/mine.txt";
    WriteBytes(mine, "mine");
    fs::create_hard_link(mine, shared + "/a second name");
    EXPECT_EQ(files.WriteFileAtomic(mine, "x", Durability::NoFlush).reason,
              "it has 2 names (hard links) in the shared folder " + shared +
                  ", where another user may hold one, and Tagrota does not write such files");
    EXPECT_EQ(ReadBytes(mine), "mine");

    const std::string through = "it is a link that another user placed in the shared folder " +
                                shared + ", and Tagrota does not follow such links";
    EXPECT_EQ(files.CreateNewFile(shared + "/sub/sig.txt.recovered", "x").reason, through);
    WriteBytes(victim + "/quotes.txt", "the victim's");
    EXPECT_EQ(files.ReadFile(shared + "/sub/quotes.txt").status.reason, through);
    EXPECT_FALSE(fs::exists(victim + "/sig.txt.recovered"));

    // The user's own files there are written as anywhere.
    ASSERT_TRUE(files.WriteFileAtomic(shared + "/sig.txt", "new", Durability::NoFlush));
    ASSERT_TRUE(files.WriteFileAtomic(shared + "/sig.txt", "newer", Durability::NoFlush));
    EXPECT_EQ(files.ReadFile(shared + "/sig.txt").bytes, "newer");
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
        return stamps ? real.Stamp(path) : std::nullopt;
    }
    FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                               Durability durability) override {
        return real.WriteFileAtomic(path, bytes, durability);
    }

    std::atomic<int> reads = 0;
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
    // The file before the read ahead (none for nullptr), its change once the
    // read ahead is whole, and what the load then gives ("" for none).
    const std::tuple<const char*, std::function<void()>, std::string> changes[] = {
        {"before", [&] { WriteBytes(path, "rewritten in place, longer"); },
         "rewritten in place, longer"},
        {"before", [&] { files.WriteFileAtomic(path, "replaced", Durability::NoFlush); },
         "replaced"},
        {nullptr, [&] { WriteBytes(path, "created since"); }, "created since"},
        {"there now", [&] { fs::remove(path); }, ""}};
    for (const auto& [before, change, now] : changes) {
        fs::remove(path);
        if (before) WriteBytes(path, before);
        TextReadAhead ahead(files, path);
        std::optional<PrefetchedText> prefetched = ahead.Take();
        EXPECT_TRUE(!before || prefetched) << before;
        change();
        const TextFileContents load = TakeOrReadTextFile(files, path, std::move(prefetched));
        EXPECT_EQ(load.decoded.text, now);
        EXPECT_EQ(load.status.reason, now.empty() ? "No such file or directory" : "");
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
