// What comes from outside the window on the headless platform: files that
// another program changes or removes while the program holds them, a file
// dropped on the window, and a collection read beside the event loop. The
// generated days (UserDayTest) play outside writes and removals at random
// among the user's steps; these cases pin what the days do not see: the
// mark and the notices, the drop, and the window while a collection is read.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/Settings.h"
#include "engine/SignatureEngine.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

const std::string kOld = "Old one\r\n%\r\nOld two\r\n%\r\n";
const std::string kNew = "New one\r\n%\r\nNew two\r\n%\r\nNew three\r\n%\r\n";

class Outside : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(quotes, kOld);
        WriteBytes(fixed, "-- \r\nMe");
        rig.Store(SettingKey::RandomFile, quotes);
        rig.Store(SettingKey::SigDuration, "5");
        rig.Start();
        rig.messages.shown.clear();
    }
    headless::Editor& Fixed() { return rig.Editor("txtFixedSig"); }
    headless::Editor& Random() { return rig.Editor("txtRandom"); }
    // Another program writes the file; the watch tells of it.
    void WriteOutside(const std::string& path, const std::string& bytes) {
        WriteBytes(path, bytes);
        rig.ui.FileChanged(path);
    }
    void RemoveOutside(const std::string& path) {
        fs::remove(path);
        rig.ui.FileChanged(path);
    }
    std::size_t Notices() const {
        std::size_t n = 0;
        for (const auto& box : rig.messages.shown) n += !box.modal;
        return n;
    }
    // The rotations of a minute, each a signature from `quotes` after the
    // fixed text.
    bool RotatesFrom(const std::string& fixedText, const std::string& collection) {
        const std::vector<std::string_view> entries = SplitCollection(collection);
        for (int i = 0; i < 12; ++i) {
            rig.platform.Advance(5000);
            const std::string sig = rig.Signature();
            bool found = false;
            for (std::size_t e = 0; e + 1 < entries.size(); ++e)
                found =
                    found || sig == SignatureFileText(fixedText + "\r\n" + std::string(entries[e]),
                                                      LineEnding::Lf);
            if (!found) return false;
        }
        return true;
    }

    test::MainRig rig;
    const std::string quotes = rig.dir.File("quotes.txt"), fixed = rig.dir.File("fixed.txt");
};

TEST_F(Outside, UnsavedEditsAreMarkedAndToldOnceAndRemovalsToldOnceWithTheTextKept) {
    Fixed().Type("-- \r\nMine");
    WriteOutside(fixed, "-- \r\nTheirs");
    WriteOutside(fixed, "-- \r\nTheirs again");
    EXPECT_EQ(Fixed().GetText(), "-- \r\nMine") << "unsaved edits are kept";
    EXPECT_EQ(rig.Tabs().TabPicture(0), "Dirty");
    ASSERT_EQ(Notices(), 1u) << "told once";
    EXPECT_TRUE(test::Holds(rig.messages.shown[0].text, {fixed, "changed by another program"}));
    // Save still asks; Reload takes their text and the mark goes.
    rig.messages.Answer(1);
    rig.Toolbar().Click("Save");
    EXPECT_EQ(rig.messages.shown.back().buttons[0], "&Overwrite");
    EXPECT_EQ(Fixed().GetText(), "-- \r\nTheirs again");
    EXPECT_EQ(rig.Tabs().TabPicture(0), "Clean");

    // The collection removed: its text and quotations stay in use, and the
    // removal is told once, however many times the watch tells of it.
    rig.messages.shown.clear();
    RemoveOutside(quotes);
    RemoveOutside(quotes);
    EXPECT_EQ(Random().GetText(), kOld);
    ASSERT_EQ(Notices(), 1u);
    EXPECT_TRUE(test::Holds(rig.messages.shown[0].text, {quotes, "removed"}));
    EXPECT_TRUE(RotatesFrom("-- \r\nTheirs again", kOld));
    // Back again: taken at once, and a later removal is told again.
    WriteOutside(quotes, kNew);
    EXPECT_EQ(Random().GetText(), kNew);
    EXPECT_TRUE(RotatesFrom("-- \r\nTheirs again", kNew));
    RemoveOutside(quotes);
    EXPECT_EQ(Notices(), 2u);
}

TEST_F(Outside, AFileDroppedOnTheWindowIsOfferedAsTheCollection) {
    const std::string other = rig.dir.File("other.txt");
    WriteBytes(other, kNew);
    // No: chosen for the next start only.
    rig.messages.Answer(MsgBoxResult::No);
    ASSERT_TRUE(rig.Window().DropFile(other));
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "Collection Change");
    EXPECT_EQ(Random().GetText(), kOld);
    EXPECT_EQ(rig.Find<headless::TextBox>("txtRPath").GetText(), other);
    EXPECT_EQ(rig.Form().state.Files.RandomPath(), other);

    // Dropped again, nothing new is asked; the old one dropped, then Yes.
    rig.Window().DropFile(other);
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.Window().DropFile(quotes);
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.Window().DropFile(other);
    EXPECT_EQ(Random().GetText(), kNew);
    EXPECT_EQ(rig.Form().state.Files.CollectionInUse(), other);
    EXPECT_TRUE(RotatesFrom("-- \r\nMe", kNew));
    EXPECT_EQ(Fixed().GetText(), "-- \r\nMe") << "nothing went into an editor";
}

TEST_F(Outside, WhileACollectionIsReadTheWindowAnswersAndNothingRotatesFromHalfOfIt) {
    const std::string other = rig.dir.File("other.txt"), third = rig.dir.File("third.txt");
    WriteBytes(other, kNew);
    WriteBytes(third, "Third\r\n%\r\n");
    rig.ui.holdBackgroundWork = true;
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.dialog.Choose(other);
    rig.Find<headless::Button>("btnFindPath(0)").Click();

    // The reading has not ended: the tab and the list are the old ones, no
    // tick rotates, and a rotation asked for by another start waits too.
    const std::string before = rig.Signature();
    EXPECT_EQ(Random().GetText(), kOld);
    EXPECT_TRUE(Random().Locked()) << "no edit to be replaced unasked";
    rig.platform.Advance(20000);
    rig.Form().NextQuotation();
    EXPECT_EQ(rig.Signature(), before);
    // The user goes on meanwhile, and chooses again: only the newest choice
    // is put in place.
    rig.Toolbar().Click("Random");
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.dialog.Choose(third);
    rig.Find<headless::Button>("btnFindPath(0)").Click();
    rig.ui.FinishBackgroundWork();
    EXPECT_EQ(Random().GetText(), "Third\r\n%\r\n");
    EXPECT_FALSE(Random().Locked());
    EXPECT_EQ(rig.Signature(), "-- \nMe\nThird\n") << "one rotation once it is in place";
    EXPECT_EQ(rig.Form().state.Files.CollectionInUse(), third);
    EXPECT_TRUE(RotatesFrom("-- \r\nMe", "Third\r\n%\r\n"));

    // A file that gives no collection, read beside: told, and the old one
    // stays in use.
    WriteBytes(other, "nothing to quote");
    rig.messages.Answer(MsgBoxResult::Yes);
    rig.dialog.Choose(other);
    rig.Find<headless::Button>("btnFindPath(0)").Click();
    rig.ui.FinishBackgroundWork();
    EXPECT_TRUE(test::Holds(rig.messages.shown.back().text, {"is invalid"}));
    EXPECT_EQ(rig.Find<headless::TextBox>("txtRPath").GetText(), third);
    EXPECT_TRUE(RotatesFrom("-- \r\nMe", "Third\r\n%\r\n"));
}

}  // namespace
}  // namespace tagrota
