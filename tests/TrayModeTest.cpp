// Tray mode of the main window on the headless platform: the check box, the
// icon's menu and double-click, minimising, start-up and closing.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

using headless::CheckBox;

class TrayMode : public ::testing::Test {
protected:
    CheckBox& Box() { return rig.Find<CheckBox>("chkSysTray"); }
    const headless::TrayShell::Icon* Icon() { return rig.tray.TheIcon(); }
    // Picks a menu item by its caption the next time the menu pops up.
    void WillChoose(const std::string& caption) {
        rig.tray.choose = [caption](const TrayPopupMenu& menu) {
            for (std::size_t i = 0; i < menu.Items.size(); ++i)
                if (menu.Items[i].Caption == caption) return static_cast<int>(i);
            return -1;
        };
    }
    void Minimise() { rig.Window().SetState(WindowState::Minimized); }

    test::MainRig rig;
};

TEST_F(TrayMode, TickingPutsOneIconWithTipImageAndMenu) {
    rig.Start();
    EXPECT_EQ(Icon(), nullptr);
    for (int round = 0; round < 2; ++round) {
        Box().Click();
        EXPECT_TRUE(rig.Form().state.InSysTray);
        ASSERT_NE(Icon(), nullptr);
        EXPECT_EQ(Icon()->tip, "Tagrota! Signature Changer");
        EXPECT_EQ(static_cast<std::int32_t>(Icon()->hIcon), rig.Window().IconHandle());
        EXPECT_NE(Icon()->hIcon, 0u);

        // The menu opens on a right press only.
        using namespace NotifyCode;
        for (long code :
             {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_RBUTTONDOWN})
            rig.tray.SendCode(code);
        ASSERT_EQ(rig.tray.popups.size(), static_cast<std::size_t>(round + 1));
        const TrayPopupMenu& menu = rig.tray.popups.back();
        ASSERT_EQ(menu.Items.size(), 3u);
        EXPECT_EQ(menu.Items[0].Caption, "&Restore Tagrota!");
        EXPECT_EQ(menu.Items[1].Caption, "-");
        EXPECT_EQ(menu.Items[2].Caption, "&Close");
        EXPECT_EQ(menu.DefaultIndex, 0);

        Box().Click();
        EXPECT_FALSE(rig.Form().state.InSysTray);
        EXPECT_EQ(Icon(), nullptr);
        EXPECT_EQ(rig.Form().trayMode->Icon(), nullptr);
    }
    // Nothing of this is unsaved work.
    EXPECT_EQ(rig.Tabs().TabPicture(0), "Clean");
}

TEST_F(TrayMode, MinimisingHidesAndTheIconBringsTheWindowBack) {
    rig.Start();
    Minimise();
    EXPECT_TRUE(rig.Window().Visible()) << "without tray mode it stays in the taskbar";
    rig.Window().SetState(WindowState::Normal);

    Box().Click();
    Minimise();
    EXPECT_FALSE(rig.Window().Visible());

    // A double-click with either button shows it normal (shown minimised it
    // would not appear) and brings it forward.
    for (long code : {NotifyCode::WM_LBUTTONDBLCLK, NotifyCode::WM_RBUTTONDBLCLK}) {
        Minimise();
        EXPECT_FALSE(rig.Window().Visible());
        const int before = rig.Window().broughtToFront;
        rig.tray.SendCode(code);
        EXPECT_TRUE(rig.Window().Visible());
        EXPECT_EQ(rig.Window().State(), WindowState::Normal);
        EXPECT_EQ(rig.Window().broughtToFront, before + 1);
    }
    // A maximised one stays maximised.
    rig.Window().SetState(WindowState::Maximized);
    rig.tray.SendCode(515);
    EXPECT_EQ(rig.Window().State(), WindowState::Maximized);

    rig.Window().Hide();
    WillChoose("&Restore Tagrota!");
    rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);
    EXPECT_TRUE(rig.Window().Visible());
    EXPECT_EQ(rig.Window().State(), WindowState::Normal);
    EXPECT_FALSE(rig.Window().Closed());
}

TEST_F(TrayMode, MinimisingUnderAnOpenDialogKeepsTheWindowWithinReach) {
    // Hidden, the window would take the dialog with it, and nothing would be
    // left on the screen to answer it.
    rig.Start();
    Box().Click();
    bool visibleUnderAbout = false;
    rig.ui.whileModal = [&](headless::Window& about) {
        Minimise();
        visibleUnderAbout = rig.Window().Visible();
        about.UserClose();
    };
    rig.Toolbar().Click("About");
    rig.ui.whileModal = nullptr;
    EXPECT_TRUE(visibleUnderAbout);
    EXPECT_EQ(rig.Window().State(), WindowState::Minimized);
    // With the dialog gone, minimising hides it again.
    rig.Window().SetState(WindowState::Normal);
    Minimise();
    EXPECT_FALSE(rig.Window().Visible());
}

TEST_F(TrayMode, WithoutANotificationAreaMinimisingKeepsTheWindow) {
    rig.tray.available = false;
    rig.Start();
    Box().Click();
    Minimise();
    EXPECT_TRUE(rig.Window().Visible());
    EXPECT_TRUE(rig.Form().state.InSysTray);
}

// "&Close" closes the program from deep inside the icon's own calls: the
// decoding of the right-button press, the menu, and the menu's click. The
// component is unloaded and released in there and must survive until they
// have returned.
TEST_F(TrayMode, CloseFromTheMenuEndsTheProgramLikeTheWindowsCloseBox) {
    rig.Start();
    Box().Click();
    std::weak_ptr<frmSysTray> component = rig.Form().trayMode->Icon();
    WillChoose("&Close");
    rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);

    EXPECT_TRUE(rig.Window().Closed());
    EXPECT_EQ(rig.closed, 1);
    EXPECT_EQ(rig.Stored(SettingKey::InSysTray), "True");
    EXPECT_EQ(Icon(), nullptr);
    EXPECT_TRUE(component.expired());
    EXPECT_TRUE(rig.tray.Windows().empty());
    rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);  // nothing is listening any more
    EXPECT_EQ(rig.tray.popups.size(), 1u);
}

TEST_F(TrayMode, StoredSettingStartsInTrayModeAndClosingRemovesTheIcon) {
    rig.Store(SettingKey::InSysTray, "True");
    rig.Start();
    EXPECT_EQ(Box().Value(), 1);
    ASSERT_NE(Icon(), nullptr);
    rig.Window().UserClose();
    EXPECT_EQ(Icon(), nullptr);
    EXPECT_EQ(rig.Stored(SettingKey::InSysTray), "True");
    EXPECT_EQ(rig.tray.calls.back().message, Nim::Delete);
}

}  // namespace
}  // namespace tagrota
