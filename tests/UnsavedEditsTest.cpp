// Unsaved edits on the headless platform: nothing unsaved goes without a
// question, where nobody can be asked the edits go to a recovery file, and
// files changed by another program are not written over unasked. The session
// end is ProgramRunTest's; where recovery files go and the note about them,
// FileRolesTest's.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

// The buttons of the questions, by index.
constexpr int kSave = 0, kDiscard = 1, kCancel = 2;
constexpr int kOverwrite = 0, kReload = 1;

const std::string kQuotes = "A\r\n%\r\nB\r\n%\r\n";

class UnsavedEdits : public ::testing::Test {
protected:
    void SetUp() override {
        quotes = rig.dir.File("quotes.txt");
        WriteBytes(quotes, kQuotes);
        WriteBytes(rig.dir.File("fixed.txt"), "-- \r\nMe");
        rig.Store(SettingKey::RandomFile, quotes);
        rig.Start();
    }
    headless::Editor& Fixed() { return rig.Editor("txtFixedSig"); }
    headless::Editor& Random() { return rig.Editor("txtRandom"); }
    ProgramState& St() { return rig.Form().state; }
    void Click(const std::string& key) { rig.Toolbar().Click(key); }
    // The files in the program folder whose names start so.
    std::vector<std::string> FilesStarting(const std::string& prefix) {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(rig.dir.Path()))
            if (entry.path().filename().string().starts_with(prefix))
                found.push_back(entry.path().string());
        return found;
    }

    test::MainRig rig;
    std::string quotes;
};

TEST_F(UnsavedEdits, ClosingAsksPerDirtyFileAndCancelKeepsEverything) {
    Fixed().Type("mine");
    Random().Type(kQuotes + "C\r\n%\r\n");

    // Cancel at the first file: running, nothing written, nothing asked more.
    rig.messages.Answer(kCancel);
    rig.Window().UserClose();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    const auto& asked = rig.messages.shown[0];
    EXPECT_EQ(asked.buttons, (std::vector<std::string>{"Save", "Discard", "Cancel"}));
    EXPECT_TRUE(test::Holds(asked.text, {rig.dir.File("fixed.txt")}));
    EXPECT_FALSE(rig.Window().Closed());
    EXPECT_TRUE(rig.store.saves.empty()) << "settings unwritten";
    EXPECT_EQ(rig.Tabs().Tab(), 0) << "the tab asked about is in front";

    // Cancel at the second one, by Exit.
    rig.messages.Answer(kDiscard);
    rig.messages.Answer(kCancel);
    Click("Exit");
    ASSERT_EQ(rig.messages.shown.size(), 3u);
    EXPECT_TRUE(test::Holds(rig.messages.shown[2].text, {quotes}));
    EXPECT_EQ(rig.Tabs().Tab(), 1);
    EXPECT_FALSE(rig.Window().Closed());
    EXPECT_TRUE(St().FixedDirty) << "a Discard followed by Cancel drops nothing";

    // Save the one, discard the other, from the menu.
    rig.messages.Answer(kSave);
    rig.messages.Answer(kDiscard);
    rig.Window().Menu().Click("mnuExit");
    EXPECT_TRUE(rig.Window().Closed());
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "mine");
    EXPECT_EQ(ReadBytes(quotes), kQuotes);
    EXPECT_EQ(rig.store.saves.size(), 13u);
}

TEST_F(UnsavedEdits, ClosingWithOneDirtyFileAsksOnlyAboutItAndAFailedSaveKeepsItOpen) {
    Random().Type(kQuotes + "C\r\n%\r\n");
    rig.files.failWrites.insert(quotes);
    rig.messages.Answer(kSave);
    rig.Window().UserClose();
    ASSERT_EQ(rig.messages.shown.size(), 2u) << "the question and the failure";
    EXPECT_TRUE(test::Holds(rig.messages.shown[1].text,
                            {"could not be saved", quotes, "No space left on device"}));
    EXPECT_FALSE(rig.Window().Closed());
    EXPECT_EQ(rig.Tabs().TabPicture(1), "Dirty2");

    rig.files.failWrites.clear();
    rig.messages.Answer(kSave);
    rig.Window().UserClose();
    EXPECT_TRUE(rig.Window().Closed());
    EXPECT_EQ(ReadBytes(quotes), kQuotes + "C\r\n%\r\n");
}

TEST_F(UnsavedEdits, SignalKeepsTheEditsInARecoveryFileAndTheNextStartSaysWhere) {
    Fixed().Type("-- \r\nMe, unsaved");
    rig.Window().Close(UnloadMode::AppTaskManager);
    EXPECT_TRUE(rig.Window().Closed());
    EXPECT_TRUE(rig.messages.shown.empty()) << "nobody to ask";
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "-- \r\nMe") << "the original untouched";
    const auto kept = FilesStarting("fixed.txt.recovered-");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadBytes(kept[0]), "-- \r\nMe, unsaved");
    EXPECT_EQ(fs::status(kept[0]).permissions(), fs::perms::owner_read | fs::perms::owner_write)
        << "the user's own text, for the user only";
    EXPECT_TRUE(FilesStarting("quotes.txt.recovered-").empty());
    EXPECT_EQ(rig.Stored(SettingKey::SigDuration), "20") << "the settings written as ever";

    // The next start names the file, once.
    for (int start = 0; start < 2; ++start) {
        rig.form.reset();
        rig.Start();
        rig.Window().UserClose();
    }
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_TRUE(test::Holds(rig.messages.shown[0].text, {kept[0]}));
}

TEST_F(UnsavedEdits, SaveOverAFileChangedOnDiskAsks) {
    Fixed().Type("mine");
    WriteBytes(rig.dir.File("fixed.txt"), "theirs");

    rig.messages.Answer(kCancel);
    Click("Save");
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].buttons,
              (std::vector<std::string>{"Overwrite", "Reload", "Cancel"}));
    EXPECT_TRUE(test::Holds(rig.messages.shown[0].text, {"changed by another program"}));
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "theirs");

    rig.messages.Answer(kOverwrite);
    Click("Save");
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "mine");
    EXPECT_FALSE(St().FixedDirty);

    // Saved by us: the next save asks nothing.
    Fixed().Type("mine too");
    Click("Save");
    EXPECT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "mine too");

    // Reload drops the edits for the file as it is.
    Click("Random");
    Random().Type("edited");
    WriteBytes(quotes, "X\r\n%\r\nY\r\n%\r\n");
    rig.messages.Answer(kReload);
    Click("Save");
    EXPECT_EQ(Random().GetText(), "X\r\n%\r\nY\r\n%\r\n");
    EXPECT_EQ(ReadBytes(quotes), "X\r\n%\r\nY\r\n%\r\n");
    EXPECT_EQ(rig.Tabs().TabPicture(1), "Clean");
    EXPECT_EQ(St().Sigs.Views(), SplitCollection(kQuotes)) << "the rotation keeps its quotations";
}

TEST_F(UnsavedEdits, ReloadOverADirtyRandomTabAsksFirst) {
    const std::string fresh = rig.dir.File("fresh.txt");
    WriteBytes(fresh, "N\r\n%\r\nM\r\n%\r\n");
    Random().Type(kQuotes + "Mine\r\n%\r\n");
    auto choose = [&](const std::string& file) {
        rig.dialog.Choose(file);
        rig.Find<headless::Button>("btnFindPath(0)").Click();
    };
    Click("Settings");

    // Cancel calls the change of file off.
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.messages.Answer(kCancel);
    choose(fresh);
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_EQ(rig.messages.shown[1].buttons,
              (std::vector<std::string>{"Save", "Discard", "Cancel"}));
    EXPECT_EQ(rig.Find<headless::TextBox>("txtRPath").GetText(), quotes);
    EXPECT_EQ(Random().GetText(), kQuotes + "Mine\r\n%\r\n");

    // Save writes the edits to the old file, then the new one comes.
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.messages.Answer(kSave);
    choose(fresh);
    EXPECT_EQ(ReadBytes(quotes), kQuotes + "Mine\r\n%\r\n");
    EXPECT_EQ(Random().GetText(), "N\r\n%\r\nM\r\n%\r\n");

    // Discard: the edits go, the other file comes, the picture follows.
    Random().Type("scrap");
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.messages.Answer(kDiscard);
    choose(quotes);
    EXPECT_EQ(Random().GetText(), kQuotes + "Mine\r\n%\r\n");
    EXPECT_EQ(ReadBytes(fresh), "N\r\n%\r\nM\r\n%\r\n");
    EXPECT_EQ(rig.Tabs().TabPicture(1), "Clean");
    EXPECT_FALSE(St().RandomDirty);
}

}  // namespace
}  // namespace tagrota
