// Unsaved edits on the headless platform: the questions, their buttons and
// what each answer does. The generated days (UserDayTest) play every answer
// at random; the session end and the recovery files' mode are
// ProgramRunTest's; where recovery files go and the note, FileRolesTest's.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

// The buttons of the questions, by index.
constexpr int kSave = 0, kDiscard = 1, kCancel = 2;

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
    EXPECT_EQ(asked.buttons, (std::vector<std::string>{"&Save", "&Discard", "Cancel"}));
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
    EXPECT_EQ(rig.store.saves.size(), 14u);
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

// What each answer does is the generated days'.
TEST_F(UnsavedEdits, SaveOverAFileChangedOnDiskAsksAndCancelKeepsBoth) {
    Fixed().Type("mine");
    WriteBytes(rig.dir.File("fixed.txt"), "theirs");

    rig.messages.Answer(kCancel);
    Click("Save");
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].buttons,
              (std::vector<std::string>{"&Overwrite", "&Reload", "Cancel"}));
    EXPECT_TRUE(test::Holds(rig.messages.shown[0].text, {"changed by another program"}));
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "theirs");
    EXPECT_TRUE(St().FixedDirty);
}

// Cancel at the question about the Random tab's edits calls the change of
// collection off.
TEST_F(UnsavedEdits, ReloadOverADirtyRandomTabAsksFirstAndCancelKeepsTheOldFile) {
    WriteBytes(rig.dir.File("fresh.txt"), "N\r\n%\r\nM\r\n%\r\n");
    Random().Type(kQuotes + "Mine\r\n%\r\n");
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.messages.Answer(kCancel);
    rig.dialog.Choose(rig.dir.File("fresh.txt"));
    rig.Find<headless::Button>("btnFindPath(0)").Click();
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_EQ(rig.messages.shown[1].buttons,
              (std::vector<std::string>{"&Save", "&Discard", "Cancel"}));
    EXPECT_EQ(rig.Find<headless::TextBox>("txtRPath").GetText(), quotes);
    EXPECT_EQ(Random().GetText(), kQuotes + "Mine\r\n%\r\n");
}

}  // namespace
}  // namespace tagrota
