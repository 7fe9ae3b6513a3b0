#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class StartupLoad : public ::testing::Test {
protected:
    std::string Default() { return rig.dir.File("collections-political.txt"); }
    // A collection file with this content (or none) configured, then start-up.
    std::string StartWith(const std::string& name, const char* content) {
        const std::string path = rig.dir.File(name);
        if (content) WriteBytes(path, content);
        store.values[{kAppName, kSettingsSection, SettingKey::RandomFile}] = path;
        rig.StartUp(store);
        return path;
    }
    // The one message shown names the file and says why.
    void ExpectOneMessage(const std::string& path, const std::string& why) {
        ASSERT_EQ(rig.messages.shown.size(), 1u);
        EXPECT_NE(rig.messages.shown[0].text.find(path), std::string::npos);
        EXPECT_NE(rig.messages.shown[0].text.find(why), std::string::npos);
    }
    test::EngineRig rig;
    headless::SettingsStore store;
};

TEST_F(StartupLoad, FirstRunCreatesThePlaceholderSilently) {
    rig.StartUp(store);
    EXPECT_EQ(ReadBytes(Default()), PlaceholderCollectionText());
    EXPECT_EQ(rig.state.SigCount, 2);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.txtFixedSig.GetText(), DefaultFixedText());
    EXPECT_FALSE(rig.files.FileExists(rig.dir.File("fixed.txt"))) << "written only by a save";
    EXPECT_EQ(rig.tabsSelected, std::vector<int>{0});
}

TEST_F(StartupLoad, LoadsTheFilesThatExist) {
    WriteBytes(rig.dir.File("fixed.txt"), "-- \r\nMe\r\n");
    WriteBytes(rig.dir.File("sig.txt"), "last time");
    const std::string mine = StartWith("my quotes, #1.txt", "A\r\n%\r\nB\r\n%\r\nC");
    EXPECT_EQ(rig.txtFixedSig.GetText(), "-- \r\nMe\r\n");
    EXPECT_EQ(rig.txtCurrent.GetText(), "last time");
    EXPECT_EQ(rig.state.SigCount, 2);
    EXPECT_EQ(rig.state.RandomPath, mine);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_FALSE(rig.files.FileExists(Default()));
}

TEST_F(StartupLoad, CollectionWithoutSeparatorsFallsBackToTheDefault) {
    const std::string bad = StartWith("bad.txt", "A\r\n%%\r\nB\r\n");
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

TEST_F(StartupLoad, FallBackLoadsAnExistingDefaultAndMarksNothingModified) {
    WriteBytes(Default(), "Mine\r\n%\r\nYours\r\n%\r\n");
    std::vector<bool> ignoring;
    rig.txtRandom.SetOnChange([&] { ignoring.push_back(rig.state.IgnoreEvent); });
    StartWith("empty.txt", "");
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.state.SigCount, 2);
    EXPECT_EQ(ReadBytes(Default()), "Mine\r\n%\r\nYours\r\n%\r\n");
    EXPECT_EQ(ignoring, std::vector<bool>{true});
    EXPECT_FALSE(rig.state.IgnoreEvent);
}

TEST_F(StartupLoad, LfOnlyCollectionWorksLikeCrLf) {
    StartWith("unix.txt", "A\n%\nB\n%\nC\n");
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.state.Sigs, (std::vector<std::string>{"A", "B", "C\r\n"}));
}

TEST_F(StartupLoad, UnreadableCollectionFallsBackAndIsNeverWritten) {
    const std::string locked = rig.dir.File("locked.txt");
    rig.files.failReads.insert(locked);
    StartWith("locked.txt", "A\r\n%\r\nB\r\n%\r\n");
    ExpectOneMessage(locked, "Input/output error");
    EXPECT_EQ(rig.state.RandomPath, Default());
    EXPECT_EQ(rig.state.SigCount, 3);
    EXPECT_EQ(ReadBytes(locked), "A\r\n%\r\nB\r\n%\r\n");
}

TEST_F(StartupLoad, FolderInPlaceOfTheCollectionFallsBack) {
    std::filesystem::create_directory(rig.dir.File("quotes"));
    const std::string folder = StartWith("quotes", nullptr);
    ExpectOneMessage(folder, "Is a directory");
    EXPECT_EQ(rig.state.SigCount, 3);
}

TEST_F(StartupLoad, FilesThatCannotBeCreatedStillGiveSignatures) {
    const std::string nowhere = StartWith("no such folder/quotes.txt", nullptr);
    ExpectOneMessage(nowhere, "No such file or directory");
    EXPECT_EQ(rig.txtRandom.GetText(), PlaceholderCollectionText());
    EXPECT_EQ(rig.state.SigCount, 2);
    EXPECT_EQ(rig.state.RandomPath, nowhere);

    test::EngineRig again;
    again.files.failWrites.insert(again.dir.File("collections-political.txt"));
    WriteBytes(again.dir.File("bad.txt"), "nothing");
    store.values[{kAppName, kSettingsSection, SettingKey::RandomFile}] = again.dir.File("bad.txt");
    again.StartUp(store);
    EXPECT_EQ(again.messages.shown.size(), 2u);
    EXPECT_EQ(again.state.SigCount, 3);
    EXPECT_EQ(again.txtRandom.GetText(), DefaultCollectionText());
}

TEST_F(StartupLoad, UnreadableDefaultLeavesNoEntriesAndNoRotation) {
    WriteBytes(Default(), "A\r\n%\r\nB\r\n%\r\n");
    rig.files.failReads.insert(Default());
    StartWith("bad.txt", "nothing");
    EXPECT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_LT(rig.state.SigCount, 1);
    rig.engine.Rotate();
    EXPECT_FALSE(rig.files.FileExists(rig.dir.File("sig.txt")));
}

TEST_F(StartupLoad, UnreadableFixedSignatureIsReportedAndLeftAlone) {
    WriteBytes(rig.dir.File("fixed.txt"), "mine");
    rig.files.failReads.insert(rig.dir.File("fixed.txt"));
    rig.StartUp(store);
    ExpectOneMessage(rig.dir.File("fixed.txt"), "Input/output error");
    EXPECT_EQ(rig.txtFixedSig.GetText(), DefaultFixedText());
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "mine");
}

}  // namespace
}  // namespace tagrota
