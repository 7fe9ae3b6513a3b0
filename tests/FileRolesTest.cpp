// Which file holds what, through a user's ordinary moves: the collection in
// use and the one chosen for the next start, the signature target, the
// start-up's messages, `--print` beside the window, and the recovery note.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/PrintSignature.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

const std::string kA = "A one\r\n%\r\nA two\r\n%\r\n";
const std::string kB = "B one\r\n%\r\nB two\r\n%\r\n";

class FileRoles : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const std::string& text) {
        WriteBytes(rig.dir.File(name), text);
        return rig.dir.File(name);
    }
    void Browse(int index, const std::string& path, int answer = MsgBoxResult::No) {
        rig.dialog.Choose(path);
        if (index == 0) rig.messages.Answer(answer);
        rig.Find<headless::Button>(index == 0 ? "btnFindPath(0)" : "btnFindPath(1)").Click();
    }
    std::string Sig() { return ReadBytes(rig.dir.File("sig.txt")); }

    test::MainRig rig;
};

TEST_F(FileRoles, TheSignatureNeverGoesIntoTheCollectionInUseNorTheOneChosenForNextStart) {
    const std::string a = Put("A.txt", kA), b = Put("B.txt", kB);
    rig.Store(SettingKey::RandomFile, a);
    rig.Start();
    Browse(0, b, MsgBoxResult::No);  // B waits for the next start
    for (const std::string& target : {a, b}) {
        Browse(1, target);
        rig.platform.Advance(20000);
        EXPECT_EQ(ReadBytes(a), kA);
        EXPECT_EQ(ReadBytes(b), kB);
        EXPECT_EQ(rig.Editor("txtRandom").GetText(), kA) << "the Random tab shows A still";
    }
    ASSERT_FALSE(rig.messages.shown.empty());
    EXPECT_TRUE(test::Holds(rig.messages.shown.back().text, {"never writes over"}));

    // Nor into the fixed signature's file before it was ever saved.
    Browse(1, rig.dir.File("fixed.txt"));
    rig.platform.Advance(20000);
    EXPECT_FALSE(fs::exists(rig.dir.File("fixed.txt")));
}

// The Fixed tab holds fixed.txt: it is no collection, chosen in the window or
// stored in the settings, and no placeholder is ever written there.
TEST_F(FileRoles, TheFixedSignaturesFileIsNeverTheCollection) {
    const std::string fixed = rig.dir.File("fixed.txt");
    rig.Store(SettingKey::RandomFile, fixed);
    rig.Start();
    EXPECT_FALSE(fs::exists(fixed));
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_TRUE(test::Holds(rig.messages.shown[0].text,
                            {"is your fixed signature file", "The Default is being used", fixed}));
    const std::string inUse = rig.Form().state.Files.CollectionInUse();

    Browse(0, fixed, MsgBoxResult::Yes);
    ASSERT_EQ(rig.messages.shown.size(), 2u) << "no Collection Change question";
    EXPECT_TRUE(test::Holds(rig.messages.shown[1].text, {fixed, "was not changed"}));
    EXPECT_EQ(rig.Find<headless::TextBox>("txtRPath").GetText(), inUse);
    EXPECT_EQ(rig.Form().state.Files.RandomPath(), inUse);
}

TEST_F(FileRoles, AFixedSignatureGrownTooLargeIsNotReadIntoTheFixedTab) {
    Put("fixed.txt", "-- \r\nMe");
    rig.Start();
    rig.Tabs().ClickTab(1);
    fs::resize_file(rig.dir.File("fixed.txt"), kMaxSignatureBytes + 1);
    rig.Tabs().ClickTab(0);
    EXPECT_EQ(rig.Editor("txtFixedSig").GetText(), "-- \r\nMe");
    rig.platform.Advance(20000);
    EXPECT_EQ(Sig().rfind("-- \nMe\n", 0), 0u);
}

TEST_F(FileRoles, NoTickWritesTheSignatureWhileAStartUpMessageWaits) {
    Put("fixed.txt", "-- \r\nMe");
    Put("sig.txt", "an old signature");
    Put("mine.txt", "no separator line\r\n");
    rig.Store(SettingKey::RandomFile, rig.dir.File("mine.txt"));
    rig.store.readStatus = FileStatus::Failure("it ends in the middle of a key");
    int waited = 0;
    rig.messages.whileOpen = [&] {
        rig.platform.Advance(65000);
        EXPECT_EQ(Sig(), "an old signature") << "message " << waited;
        ++waited;
    };
    rig.Start();
    EXPECT_EQ(waited, 2) << "the damaged settings, then the collection's fall-back";
    EXPECT_EQ(Sig().rfind("-- \nMe\n", 0), 0u) << Sig();
    EXPECT_TRUE(test::Holds(Sig(), {"Default Signature Collection File"}));
}

TEST_F(FileRoles, PrintAndTheWindowGiveOneAnswerWhenNoCollectionHoldsQuotations) {
    Put("fixed.txt", "-- \r\nMe");
    Put("mine.txt", "no separator line\r\n");
    Put(kDefaultCollectionName, "nor here\r\n");
    rig.Store(SettingKey::RandomFile, rig.dir.File("mine.txt"));
    const PrintedSignature printed = ComposePrintedSignature(
        rig.store, rig.files, rig.platform.clock, rig.random, rig.dir.Path().string());
    rig.Start();
    EXPECT_EQ(Sig(), "-- \nMe\n");
    EXPECT_EQ(printed.text, Sig());
}

TEST_F(FileRoles, ADefaultCollectionWithoutQuotationsIsNamedOnce) {
    const std::string d = Put(kDefaultCollectionName, "nothing to draw\r\n");
    rig.Start();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    const std::string& text = rig.messages.shown[0].text;
    EXPECT_EQ(text.find(d), text.rfind(d)) << text;
    EXPECT_EQ(rig.Find<headless::TextBox>("txtRPath").GetText(), d);
}

TEST_F(FileRoles, TheRecoveryNoteNamesOnlyFilesThatStillExistAndWhereTheyAre) {
    // The collection's folder takes no new file: its recovery file goes to the
    // program folder.
    const fs::path elsewhere = rig.dir.Path() / "shared";
    fs::create_directories(elsewhere);
    const std::string shared = (elsewhere / "q.txt").string();
    WriteBytes(shared, kA);
    rig.Store(SettingKey::RandomFile, shared);
    rig.Start();
    rig.files.readOnly.insert(elsewhere.string());
    rig.Editor("txtFixedSig").Type("mine, unsaved");
    rig.Editor("txtRandom").Type(kA + "unsaved\r\n%\r\n");
    rig.Window().Close(UnloadMode::AppTaskManager);
    std::string fixedKept, randomKept;
    for (const auto& entry : fs::directory_iterator(rig.dir.Path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("fixed.txt.recovered-")) fixedKept = entry.path().string();
        if (name.starts_with("q.txt.recovered-")) randomKept = entry.path().string();
    }
    ASSERT_FALSE(fixedKept.empty() || randomKept.empty());
    fs::remove(fixedKept);  // the user has dealt with this one

    rig.form.reset();
    rig.messages.shown.clear();
    rig.Start();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    const std::string& note = rig.messages.shown[0].text;
    EXPECT_TRUE(test::Holds(note, {randomKept}));
    EXPECT_EQ(note.find(fixedKept), std::string::npos) << note;
    EXPECT_EQ(note.find("beside the files"), std::string::npos) << note;

    // Once every kept file is gone there is nothing to tell.
    rig.Window().UserClose();
    fs::remove(randomKept);
    rig.form.reset();
    rig.messages.shown.clear();
    rig.Start();
    EXPECT_TRUE(rig.messages.shown.empty());
}

}  // namespace
}  // namespace tagrota
