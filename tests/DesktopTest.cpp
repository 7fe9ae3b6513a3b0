// Where the program's files go, where its window opens, and how it comes back
// when started again.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TestSupport.h"
#include "engine/Settings.h"
#include "platform/ProgramFolders.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

// Only a user guide in a safe place, as the build tree is, makes an installed
// copy: one that someone else could have put beside the program's folder (a
// copy run from under /tmp finds /tmp/share/tagrota) leaves its files beside
// it, and its help its own.
TEST(ProgramFoldersTest, APortableCopyKeepsItsFilesBesideItAnInstalledOneWithTheUser) {
    if (test::TrustedFolder().empty()) GTEST_SKIP() << "the build tree is not in a safe place";
    test::TempDir dir(test::TrustedFolder());
    // A folder that cannot be written to (here, for it does not exist) sends
    // the files to the user; the help still comes from beside the program.
    const ProgramFolders absent = LocateProgramFolders(dir.File("bin"), {"/x", "/home/u"});
    EXPECT_EQ(absent.dataDir + absent.helpDir, "/x/Tagrota" + dir.File("bin"));
    EXPECT_TRUE(absent.perUser);
    fs::create_directories(dir.File("bin"));
    const ProgramFolders portable = LocateProgramFolders(dir.File("bin"), {"", "/home/u"});
    EXPECT_EQ(portable.dataDir + portable.helpDir, dir.File("bin") + dir.File("bin"));
    EXPECT_FALSE(portable.perUser);
    // A relative $XDG_DATA_HOME is not to be used.
    EXPECT_EQ(UserDataFolder({"data", "/home/u"}), "/home/u/.local/share/Tagrota");

    fs::create_directories(dir.File("usr/bin"));
    fs::create_directories(dir.File("usr/share/tagrota"));
    const auto installed = [&] {
        const ProgramFolders f = LocateProgramFolders(dir.File("usr/bin"), {"", "/home/u"});
        EXPECT_EQ(f.helpDir, f.perUser ? dir.File("usr/share/tagrota") : dir.File("usr/bin"));
        EXPECT_EQ(f.dataDir, f.perUser ? "/home/u/.local/share/Tagrota" : dir.File("usr/bin"));
        return f.perUser;
    };
    EXPECT_FALSE(installed()) << "a share folder without the user guide";
    test::WriteBytes(dir.File("usr/share/tagrota/index.html"), "<html></html>");
    ASSERT_TRUE(installed());
    EXPECT_EQ(LocateProgramFolders(dir.File("usr/bin"), {"/x/data", "/home/u"}).dataDir,
              "/x/data/Tagrota");
    const std::string share = dir.File("usr/share");
    for (const auto mode : {0775, 0757, 01777}) {
        ::chmod(share.c_str(), mode);
        EXPECT_FALSE(installed()) << std::oct << mode;
        EXPECT_NE(WhyNotTrusted(dir.File("usr/share/tagrota/index.html")).find(share),
                  std::string::npos);
    }
    ::chmod(share.c_str(), 0755);
    ::chmod(dir.File("usr/share/tagrota/index.html").c_str(), 0666);
    EXPECT_FALSE(installed()) << "the guide itself open to every writer";
    ::chmod(dir.File("usr/share/tagrota/index.html").c_str(), 0644);
    ASSERT_TRUE(installed());

    // Another user's folder on the way.
    if (::geteuid() == 0) {
        ASSERT_EQ(::lchown(share.c_str(), test::kOtherUser, test::kOtherGroup), 0);
        EXPECT_FALSE(installed());
        EXPECT_EQ(WhyNotTrusted(dir.File("usr/share/tagrota")), share + " belongs to another user");
        ASSERT_EQ(::lchown(share.c_str(), 0, 0), 0);
    }
    // Under the temporary folder, where every user may write.
    test::TempDir tmp;
    fs::create_directories(tmp.File("usr/bin"));
    fs::create_directories(tmp.File("usr/share/tagrota"));
    test::WriteBytes(tmp.File("usr/share/tagrota/index.html"), "<html></html>");
    const ProgramFolders f = LocateProgramFolders(tmp.File("usr/bin"), {"", "/home/u"});
    EXPECT_FALSE(f.perUser);
    EXPECT_EQ(f.helpDir, tmp.File("usr/bin"));
}

// --- The window's place on the screens of today ---

TEST(WindowPlace, AStoredPlaceIsKeptWhereItsTitleBarCanBeGrabbedElseBroughtBack) {
    // Two screens side by side, 1920 by 1080 pixels each, less a 40-pixel panel.
    const Rect primary{0, 0, 28800, 15600}, second{28800, 0, 28800, 15600};
    struct Row {
        const char* name;
        std::vector<Rect> screens;  // the primary listed first
        const char *left, *top;
        Rect placed;
    };
    const Row rows[] = {
        {"on any screen", {primary, second}, "30000", "2000", {30000, 2000, 9000, 7500}},
        {"mostly off the screen", {primary}, "27000", "15000", {27000, 15000, 9000, 7500}},
        {"title bar above the top", {primary}, "27000", "-300", {19800, 0, 9000, 7500}},
        {"on a screen that is gone", {primary}, "30000", "2000", {19800, 2000, 9000, 7500}},
        {"far away", {second, primary}, "-99999999", "99999999", {28800, 8100, 9000, 7500}},
        {"no screens known", {}, "-50000", "2000", {-50000, 2000, 9000, 7500}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::MainRig rig;
        rig.ui.screens = row.screens;
        rig.Store(SettingKey::MainLeft, row.left);
        rig.Store(SettingKey::MainTop, row.top);
        rig.Store(SettingKey::MainWidth, "9000");
        rig.Store(SettingKey::MainHeight, "7500");
        rig.Start();
        EXPECT_EQ(rig.Window().Bounds(), row.placed);
    }
}

// --- A later start hands over to the running one ---

TEST(Reactivate, TheWindowComesBackAsItWasLeftInFrontOfTheOthers) {
    test::MainRig rig;
    rig.Start();
    headless::Window& w = rig.Window();
    w.SetState(WindowState::Minimized);
    w.Hide();  // as tray mode leaves it
    rig.Form().Reactivate();
    EXPECT_TRUE(w.Visible() && w.State() == WindowState::Normal);
    EXPECT_EQ(w.broughtToFront, 1);

    w.SetState(WindowState::Maximized);
    rig.Form().Reactivate();
    EXPECT_EQ(w.State(), WindowState::Maximized) << "a maximised window stays maximised";
    EXPECT_EQ(w.broughtToFront, 2);
}

}  // namespace
}  // namespace tagrota
