#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

using test::EngineRig;
using test::ReadBytes;
using test::WriteBytes;

class StartupLoad : public ::testing::Test {
protected:
    std::string Default() { return rig.dir.File("collections-political.txt"); }
    void Configure(const std::string& path) {
        store.values[{kAppName, kSettingsSection, SettingKey::RandomFile}] = path;
    }
    EngineRig rig;
    headless::SettingsStore store;
};

TEST_F(StartupLoad, FirstRunCreatesThePlaceholderSilently) {
    rig.StartUp(store);
    EXPECT_EQ(ReadBytes(Default()), PlaceholderCollectionText());
    EXPECT_EQ(rig.state.SigCount, 2);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.txtFixedSig.GetText(), DefaultFixedText());
    EXPECT_FALSE(rig.files.FileExists(rig.dir.File("fixed.txt"))) << "written only by a save";
    EXPECT_EQ(rig.state.FixPath, rig.dir.File("fixed.txt"));
    EXPECT_EQ(rig.tabsSelected, std::vector<int>{0});

    rig.engine.Rotate();
    const std::string sig = ReadBytes(rig.dir.File("sig.txt"));
    EXPECT_TRUE(sig == DefaultFixedText() + "\r\nEmpty Signature Collection File" ||
                sig == DefaultFixedText() + "\r\n\r\nEmpty Signature Collection File")
        << sig;
}

TEST_F(StartupLoad, LoadsTheFilesThatExist) {
    WriteBytes(rig.dir.File("fixed.txt"), "-- \r\nMe\r\n");
    WriteBytes(rig.dir.File("sig.txt"), "last time");
    const std::string mine = rig.dir.File("my quotes, #1.txt");
    WriteBytes(mine, "A\r\n%\r\nB\r\n%\r\nC");
    Configure(mine);
    rig.StartUp(store);
    EXPECT_EQ(rig.txtFixedSig.GetText(), "-- \r\nMe\r\n");
    EXPECT_EQ(rig.txtCurrent.GetText(), "last time");
    EXPECT_EQ(rig.state.SigCount, 2);
    EXPECT_EQ(rig.state.RandomPath, mine);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_FALSE(rig.files.FileExists(Default()));
}

TEST_F(StartupLoad, CollectionWithoutSeparatorsFallsBackToTheDefault) {
    const std::string bad = rig.dir.File("bad.txt");
    WriteBytes(bad, "A\r\n%%\r\nB\r\n");
    Configure(bad);
    rig.StartUp(store);

    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "ERROR");
    EXPECT_EQ(rig.messages.shown[0].style, 64);
    EXPECT_EQ(rig.messages.shown[0].text,
              "Your specified signature collection file does not hold any signatures.\r\n"
              "The Default is being used. The invalid file name is:\r\n" +
                  bad);
    EXPECT_EQ(rig.tabsSelected, (std::vector<int>{0, 3}));
    EXPECT_EQ(ReadBytes(Default()), DefaultCollectionText());
    EXPECT_EQ(rig.state.SigCount, 3);
    EXPECT_EQ(rig.state.RandomPath, Default());
    EXPECT_EQ(rig.txtRPath.GetText(), Default());
    EXPECT_EQ(ReadBytes(bad), "A\r\n%%\r\nB\r\n") << "the user's file is left alone";
}

TEST_F(StartupLoad, EmptyCollectionFallsBackToAnExistingDefault) {
    const std::string empty = rig.dir.File("empty.txt");
    WriteBytes(empty, "");
    WriteBytes(Default(), "Mine\r\n%\r\nYours\r\n%\r\n");
    Configure(empty);
    rig.StartUp(store);
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.state.SigCount, 2);
    EXPECT_EQ(ReadBytes(Default()), "Mine\r\n%\r\nYours\r\n%\r\n");
}

TEST_F(StartupLoad, FallBackLoadMarksNothingModified) {
    const std::string empty = rig.dir.File("empty.txt");
    WriteBytes(empty, "");
    Configure(empty);
    std::vector<bool> ignoring;
    rig.txtRandom.SetOnChange([&] { ignoring.push_back(rig.state.IgnoreEvent); });
    rig.StartUp(store);
    ASSERT_FALSE(ignoring.empty());
    for (bool b : ignoring) EXPECT_TRUE(b);
    EXPECT_FALSE(rig.state.IgnoreEvent);
}

TEST_F(StartupLoad, LfOnlyCollectionWorksLikeCrLf) {
    const std::string unix = rig.dir.File("unix.txt");
    WriteBytes(unix, "A\n%\nB\n%\nC\n");
    Configure(unix);
    rig.StartUp(store);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.state.Sigs, (std::vector<std::string>{"A", "B", "C\r\n"}));
}

TEST_F(StartupLoad, UnreadableCollectionFallsBackAndIsNeverWritten) {
    const std::string locked = rig.dir.File("locked.txt");
    WriteBytes(locked, "A\r\n%\r\nB\r\n%\r\n");
    rig.files.failReads.insert(locked);
    Configure(locked);
    rig.StartUp(store);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_NE(rig.messages.shown[0].text.find(locked), std::string::npos);
    EXPECT_NE(rig.messages.shown[0].text.find("Input/output error"), std::string::npos);
    EXPECT_EQ(rig.state.RandomPath, Default());
    EXPECT_EQ(rig.state.SigCount, 3);
    EXPECT_EQ(ReadBytes(locked), "A\r\n%\r\nB\r\n%\r\n");
}

TEST_F(StartupLoad, FolderInPlaceOfTheCollectionFallsBack) {
    const std::string folder = rig.dir.File("quotes");
    std::filesystem::create_directory(folder);
    Configure(folder);
    rig.StartUp(store);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_NE(rig.messages.shown[0].text.find(folder), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(rig.state.SigCount, 3);
}

TEST_F(StartupLoad, PlaceholderThatCannotBeCreatedStillGivesSignatures) {
    const std::string nowhere = rig.dir.File("no such folder/quotes.txt");
    Configure(nowhere);
    rig.StartUp(store);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_NE(rig.messages.shown[0].text.find(nowhere), std::string::npos);
    EXPECT_NE(rig.messages.shown[0].text.find("No such file or directory"), std::string::npos);
    EXPECT_EQ(rig.txtRandom.GetText(), PlaceholderCollectionText());
    EXPECT_EQ(rig.state.SigCount, 2);
    EXPECT_EQ(rig.state.RandomPath, nowhere);
}

TEST_F(StartupLoad, DefaultThatCannotBeCreatedStillGivesSignatures) {
    const std::string bad = rig.dir.File("bad.txt");
    WriteBytes(bad, "nothing");
    Configure(bad);
    rig.files.failWrites.insert(Default());
    rig.StartUp(store);
    EXPECT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_EQ(rig.state.SigCount, 3);
    EXPECT_EQ(rig.txtRandom.GetText(), DefaultCollectionText());
}

TEST_F(StartupLoad, UnreadableDefaultLeavesNoEntriesAndNoRotation) {
    const std::string bad = rig.dir.File("bad.txt");
    WriteBytes(bad, "nothing");
    WriteBytes(Default(), "A\r\n%\r\nB\r\n%\r\n");
    rig.files.failReads.insert(Default());
    Configure(bad);
    rig.StartUp(store);
    EXPECT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_LT(rig.state.SigCount, 1);
    rig.engine.Rotate();
    EXPECT_FALSE(rig.files.FileExists(rig.dir.File("sig.txt")));
}

TEST_F(StartupLoad, UnreadableFixedSignatureIsReportedAndReplacedByTheDefault) {
    WriteBytes(rig.dir.File("fixed.txt"), "mine");
    rig.files.failReads.insert(rig.dir.File("fixed.txt"));
    rig.StartUp(store);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_NE(rig.messages.shown[0].text.find("fixed.txt"), std::string::npos);
    EXPECT_EQ(rig.txtFixedSig.GetText(), DefaultFixedText());
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "mine");
}

TEST_F(StartupLoad, SavedCollectionKeepsItsEncodingAndLineEnds) {
    const std::string latin = rig.dir.File("latin1.txt");
    WriteBytes(latin, "Caf\xE9\n%\nNa\xEFve\n%\n");
    Configure(latin);
    rig.StartUp(store);
    EXPECT_EQ(rig.state.Sigs[0], "Caf\u00e9");
    rig.txtRandom.Type(rig.txtRandom.GetText() + "\u00c0 bient\u00f4t\r\n");
    ASSERT_TRUE(rig.txtRandom.SaveFile(latin));
    EXPECT_EQ(ReadBytes(latin), "Caf\xE9\n%\nNa\xEFve\n%\n\xC0 bient\xF4t\n");
}

}  // namespace
}  // namespace tagrota
