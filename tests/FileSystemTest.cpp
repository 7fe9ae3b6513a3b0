#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TestSupport.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class FileSystem : public ::testing::Test {
protected:
    std::vector<std::string> Entries() {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.Path())) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    TempDir dir;
    StdFileSystem files;
};

TEST_F(FileSystem, ReplacesWholeAndLeavesNoTemporaryFiles) {
    const std::string path = dir.File("sig.txt");
    ASSERT_TRUE(files.WriteFileAtomic(path, "first, longer text", Durability::Flush));
    ASSERT_TRUE(files.WriteFileAtomic(path, "second", Durability::NoFlush));
    EXPECT_EQ(ReadBytes(path), "second");
    EXPECT_EQ(Entries(), std::vector<std::string>{"sig.txt"});
    FileContents read = files.ReadFile(path);
    EXPECT_TRUE(read.status);
    EXPECT_EQ(read.bytes, "second");
}

TEST_F(FileSystem, KeepsThePermissionsOfTheReplacedFile) {
    const std::string path = dir.File("private.txt");
    WriteBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(files.WriteFileAtomic(path, "new", Durability::Flush));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FileSystem, ReplacesTheTargetOfALink) {
    const std::string target = dir.File("real.txt");
    const std::string link = dir.File(".signature");
    WriteBytes(target, "old");
    fs::create_symlink("real.txt", link);
    ASSERT_TRUE(files.WriteFileAtomic(link, "new", Durability::NoFlush));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "new");
}

TEST_F(FileSystem, FailuresCarryTheSystemsReason) {
    FileStatus missingFolder = files.WriteFileAtomic(dir.File("nope/sig.txt"), "x", Durability::NoFlush);
    EXPECT_FALSE(missingFolder);
    EXPECT_EQ(missingFolder.reason, "No such file or directory");

    fs::create_directory(dir.File("folder"));
    EXPECT_FALSE(files.FileExists(dir.File("folder")));
    EXPECT_TRUE(files.FolderExists(dir.File("folder")));
    EXPECT_EQ(files.ReadFile(dir.File("folder")).status.reason, "Is a directory");
    EXPECT_EQ(files.WriteFileAtomic(dir.File("folder"), "x", Durability::NoFlush).reason,
              "Is a directory");
    EXPECT_EQ(files.ReadFile(dir.File("absent")).status.reason, "No such file or directory");
    EXPECT_FALSE(files.FileExists(""));
}

TEST_F(FileSystem, ReadOnlyFolderKeepsItsFileIntact) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const std::string path = dir.File("sig.txt");
    WriteBytes(path, "kept");
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    FileStatus status = files.WriteFileAtomic(path, "lost?", Durability::NoFlush);
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.reason, "Permission denied");
    EXPECT_EQ(ReadBytes(path), "kept");
}

TEST_F(FileSystem, EditorSavesInTheFormatItLoaded) {
    const std::string path = dir.File("fixed.txt");
    WriteBytes(path, "\xEF\xBB\xBF-- \nMe\n");
    headless::TextEditor editor(files);
    ASSERT_TRUE(editor.LoadFile(path));
    EXPECT_EQ(editor.GetText(), "-- \r\nMe\r\n");
    editor.Type("-- \r\nMe, again\r\n");
    ASSERT_TRUE(editor.SaveFile(path));
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF-- \nMe, again\n");

    headless::TextEditor fresh(files);
    fresh.SetText("new\r\nfile");
    ASSERT_TRUE(fresh.SaveFile(dir.File("new.txt")));
    EXPECT_EQ(ReadBytes(dir.File("new.txt")), "new\r\nfile");
}

TEST_F(FileSystem, FailedLoadLeavesTheEditorAlone) {
    headless::TextEditor editor(files);
    editor.SetText("kept");
    int changes = 0;
    editor.SetOnChange([&] { ++changes; });
    EXPECT_FALSE(editor.LoadFile(dir.File("absent.txt")));
    EXPECT_EQ(editor.GetText(), "kept");
    editor.SetText("kept");
    EXPECT_EQ(changes, 0) << "setting the same text is no change";
}

}  // namespace
}  // namespace tagrota
