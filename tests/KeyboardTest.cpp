// Every command of the main window from the keyboard: the menu entries and
// shortcuts that do what the toolbar's buttons do, and the tabs stepped
// through with Ctrl+Tab and Ctrl+PgDown.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

using test::ReadBytes;

class Keyboard : public ::testing::Test {
protected:
    Keyboard() { rig.Start(); }
    bool Press(const std::string& keys) { return rig.Window().PressShortcut(keys); }
    test::MainRig rig;
};

TEST_F(Keyboard, StopAndBulletsDoWhatTheirButtonsDo) {
    EXPECT_TRUE(Press("Ctrl+T"));
    EXPECT_FALSE(rig.Form().Timer1->Enabled());
    EXPECT_EQ(rig.Toolbar().ButtonValue("Stop"), 1);
    rig.Window().Menu().Click("mnuStop");
    EXPECT_TRUE(rig.Form().Timer1->Enabled());
    EXPECT_EQ(rig.Toolbar().ButtonValue("Stop"), 0);

    rig.Toolbar().Click("Current");
    EXPECT_TRUE(Press("Ctrl+R"));
    EXPECT_TRUE(rig.Form().state.UseSeq);
    EXPECT_EQ(rig.Toolbar().ButtonValue("Bullets"), 1);
    EXPECT_EQ(rig.Tabs().TabCaption(1), "Sequential");
    EXPECT_EQ(rig.Tabs().Tab(), 2) << "back on the tab it came from";
}

TEST_F(Keyboard, TabsStepRoundBothWays) {
    std::vector<int> seen;
    for (const char* keys : {"Ctrl+Tab", "Ctrl+Tab", "Ctrl+PgDown", "Ctrl+PgDown"}) {
        EXPECT_TRUE(Press(keys));
        seen.push_back(rig.Tabs().Tab());
    }
    for (const char* keys : {"Ctrl+Shift+Tab", "Ctrl+PgUp", "Ctrl+PgUp"}) {
        EXPECT_TRUE(Press(keys));
        seen.push_back(rig.Tabs().Tab());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0, 3, 2, 1}));
}

TEST_F(Keyboard, CtrlSSavesTheTabInFrontAndCtrlQClosesAsTheWindowDoes) {
    rig.Editor("txtFixedSig").Type("-- \r\nKeyed");
    rig.Editor("txtRandom").Type("typed\r\n%\r\n");
    EXPECT_TRUE(Press("Ctrl+S"));
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "-- \r\nKeyed");
    EXPECT_TRUE(rig.Form().state.RandomDirty) << "only the tab in front is saved";
    Press("Ctrl+Tab");
    EXPECT_TRUE(Press("Ctrl+S"));
    EXPECT_FALSE(rig.Form().state.RandomDirty);

    EXPECT_TRUE(Press("Ctrl+Q"));
    EXPECT_TRUE(rig.Window().Closed());
    EXPECT_EQ(rig.closed, 1);
    EXPECT_EQ(rig.Stored(SettingKey::SigDuration), "20") << "the settings were written";
}

}  // namespace
}  // namespace tagrota
