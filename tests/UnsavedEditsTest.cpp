// Unsaved edits on the headless platform. The generated days (UserDayTest)
// ask every question and play every answer at random; here, a save that fails
// at closing. The session end and the recovery files' mode are
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

// The first button of the questions.
constexpr int kSave = 0;

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
    headless::Editor& Random() { return rig.Editor("txtRandom"); }

    test::MainRig rig;
    std::string quotes;
};

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

}  // namespace
}  // namespace tagrota
