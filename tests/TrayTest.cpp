// The tray icon component on the in-memory notification area, and the main
// window's tray mode on it.

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "engine/Settings.h"
#include "platform/headless/HeadlessTray.h"
#include "tray/frmSysTray.h"

namespace tagrota {
namespace {

using headless::CheckBox;

constexpr std::uint32_t kWindows10 = 0x0000000A, kWindowsNT4 = 0x00000004, kWindowsMe = 0x80005A04,
                        kWindows98 = 0x80000A04;

// A menu as the user sees it: captions in order, the default one marked.
std::vector<std::string> Shown(const TrayPopupMenu& menu) {
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < menu.Items.size(); ++i)
        shown.push_back((static_cast<int>(i) == menu.DefaultIndex ? "*" : "") +
                        menu.Items[i].Caption + (menu.Items[i].Enabled ? "" : " (off)") +
                        (menu.Items[i].Visible ? "" : " (hidden)"));
    return shown;
}

class TrayIcon : public ::testing::Test {
protected:
    std::shared_ptr<frmSysTray> Make(std::uint32_t version = kWindows10) {
        shell.version = version;
        // Each event logged as its name and its arguments.
        auto say = [this](const char* what) {
            return [this, what](auto... args) {
                std::ostringstream line;
                line << what;
                ((line << ' ' << args), ...);
                log.push_back(line.str());
            };
        };
        frmSysTray::Events e{
            say("down"),           say("up"),           say("move"),         say("double"),
            say("menu"),           say("balloon show"), say("balloon hide"), say("balloon timeout"),
            say("balloon clicked")};
        return frmSysTray::Create(shell, std::move(e), "Tagrota Signature Changer");
    }
    // The menu as the popup shows it.
    std::vector<std::string> Menu(frmSysTray& tray) {
        tray.ShowMenu();
        return Shown(shell.popups.back());
    }
    // Chooses the item in the next popup and returns what MenuClick said.
    std::string Choose(frmSysTray& tray, int index) {
        shell.choose = [index](const TrayPopupMenu&) { return index; };
        log.clear();
        tray.ShowMenu();
        shell.choose = nullptr;
        return log.empty() ? "" : log.back();
    }

    headless::TrayShell shell;
    std::vector<std::string> log;
};

TEST_F(TrayIcon, RegistersOnceAndBalloonsOnlyWhereTheSystemShowsThem) {
    // NT 5 and later, and Windows Me, show balloons; NT 4 and 98 do not.
    for (auto [version, balloons] : {std::pair{kWindows10, true},
                                     {0x00000005u, true},
                                     {kWindowsMe, true},
                                     {kWindowsNT4, false},
                                     {kWindows98, false}}) {
        SCOPED_TRACE(version);
        shell = headless::TrayShell{};
        auto tray = Make(version);
        EXPECT_EQ(shell.calls.front().message, Nim::Add);
        EXPECT_EQ(shell.calls.front().record.wide, (version & 0x80000000u) == 0);
        EXPECT_EQ(shell.calls.size(), balloons ? 2u : 1u) << "the version is set where it counts";
        EXPECT_EQ(shell.TheIcon()->tip, "Tagrota Signature Changer");
        tray->ShowBalloonTip("Saved", "Tagrota", 1, 5000);
        std::string shown;
        for (const auto& b : shell.balloons) shown += b.title + "|" + b.message;
        EXPECT_EQ(shown, balloons ? "Tagrota|Saved" : "");
        tray->Unload();
        EXPECT_EQ(shell.calls.back().message, Nim::Delete);
        EXPECT_EQ(shell.TheIcon(), nullptr);
        EXPECT_TRUE(shell.Windows().front()->Destroyed());
    }
}

TEST_F(TrayIcon, TextsAreCutToTheirFields) {
    // The lengths of every field on every shell are the fuzzer's (traytext).
    auto tray = Make(kWindows10);
    tray->ShowBalloonTip("m", "h");
    EXPECT_EQ(shell.balloons.back().timeoutMs, 30000u);
    // A cut never leaves half a character behind.
    const std::string face = "\xF0\x9F\x98\x80";  // one character, two UTF-16 units
    tray->ToolTip(std::string(126, 'x') + face + "tail");
    EXPECT_EQ(tray->ToolTip(), std::string(126, 'x'));
    tray->ToolTip(std::string(125, 'x') + face + "tail");
    EXPECT_EQ(tray->ToolTip(), std::string(125, 'x') + face);

    shell = headless::TrayShell{};
    tray = Make(kWindowsMe);
    tray->ToolTip("Grüße € 日本");
    EXPECT_EQ(tray->ToolTip(), "Grüße € ??");
}

TEST_F(TrayIcon, IconHandleIsSentOnlyWhenItChanges) {
    auto tray = Make();
    const std::size_t before = shell.calls.size();
    for (int handle : {0, 7, 7}) tray->IconHandle(handle);
    ASSERT_EQ(shell.calls.size(), before + 1);
    EXPECT_EQ(shell.calls.back().record.uFlags, Nif::Icon);
    EXPECT_EQ(shell.TheIcon()->hIcon, 7u);
}

TEST_F(TrayIcon, MenuItemsAreNumberedInOrderAndRemovingOneMovesTheLaterOnesDown) {
    auto tray = Make();
    for (const char* c : {"A", "B", "-", "D"})
        tray->AddMenuItem(c, std::string(1, char(c[0] + 32)), c[0] == 'B');
    EXPECT_EQ(Menu(*tray), (std::vector<std::string>{"A", "*B", "-", "D"}));
    EXPECT_EQ(shell.foreground.back(), shell.Windows().front()->Handle());
    for (int wrong : {99, -1, 4}) {
        tray->DefaultMenuIndex(wrong);
        EXPECT_EQ(tray->DefaultMenuIndex(), 0) << wrong;
    }
    tray->EnableMenuItem(1, false);
    tray->EnableMenuItem(9, false);
    tray->DefaultMenuIndex(3);
    EXPECT_EQ(Choose(*tray, 3), "menu 3 d");
    EXPECT_EQ(Choose(*tray, -1), "");

    // Enabled states stay with their places; the default index is not moved
    // and now names no item.
    EXPECT_EQ(tray->RemoveMenuItem(1), 0);
    EXPECT_EQ(tray->RemoveMenuItem(7), 0);
    EXPECT_EQ(Menu(*tray), (std::vector<std::string>{"A", "- (off)", "D"}));
    EXPECT_EQ(tray->DefaultMenuIndex(), 3);
    EXPECT_EQ(Choose(*tray, 2), "menu 2 d");
    // Item 0 is never destroyed: it loses its caption, keeps its key, and is
    // not handed out again.
    EXPECT_EQ(tray->RemoveMenuItem(0), 0);
    EXPECT_EQ(Menu(*tray), (std::vector<std::string>{"", "- (off)", "D"}));
    EXPECT_EQ(Choose(*tray, 0), "menu 0 a");
    EXPECT_EQ(tray->AddMenuItem("E", "e"), 3);
}

TEST_F(TrayIcon, NotificationCodesBecomeEvents) {
    auto tray = Make();
    for (double twipsPerPixel : {15.0, 12.0}) {
        shell.Windows().front()->twipsPerPixel = twipsPerPixel;
        log.clear();
        using namespace NotifyCode;
        for (long code :
             {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
              WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP, NIN_SELECT,
              NIN_BALLOONSHOW, NIN_BALLOONHIDE, NIN_BALLOONTIMEOUT, NIN_BALLOONUSERCLICK, 0L})
            shell.SendCode(code);
        EXPECT_EQ(log, (std::vector<std::string>{"move", "down 1", "up 1", "double 1", "down 2",
                                                 "up 2", "double 2", "balloon show", "balloon hide",
                                                 "balloon timeout", "balloon clicked"}))
            << twipsPerPixel;
    }
}

// Whatever the owner does to the menu, the menu the desktop shows by itself
// holds what the popup would show, and choosing an item in either raises the
// same MenuClick.
RC_GTEST_PROP(TrayIconStandingMenu, ShowsThePopupAndChoosesLikeIt, ()) {
    headless::TrayShell shell;
    std::vector<std::string> clicks;
    frmSysTray::Events events;
    events.MenuClick = [&clicks](std::int32_t lIndex, const std::string& sKey) {
        clicks.push_back(std::to_string(lIndex) + " " + sKey);
    };
    auto tray = frmSysTray::Create(shell, std::move(events), "Tagrota");
    const auto window = shell.TheIconsWindow();
    RC_ASSERT(window->offered.Items.empty());
    tray->AddMenuItem("&Restore", "open", true);
    for (int step = *rc::gen::inRange(1, 25); step > 0; --step) {
        const int index = *rc::gen::inRange(-1, 7);
        switch (*rc::gen::inRange(0, 4)) {
            case 0:
                tray->AddMenuItem(*rc::gen::element<std::string>("&Next", "-", ""),
                                  "k" + std::to_string(step), *rc::gen::arbitrary<bool>());
                break;
            case 1:
                tray->EnableMenuItem(index, *rc::gen::arbitrary<bool>());
                break;
            case 2:
                tray->RemoveMenuItem(index);
                break;
            default:
                tray->DefaultMenuIndex(index);
                break;
        }
        shell.choose = [index](const TrayPopupMenu&) { return index; };
        tray->ShowMenu();
        RC_ASSERT(Shown(window->offered) == Shown(shell.popups.back()));
        const std::vector<std::string> fromPopup = std::exchange(clicks, {});
        window->ChooseOffered(index);
        RC_ASSERT(clicks == fromPopup);
        clicks.clear();
    }
    tray->Unload();
    window->ChooseOffered(0);
    RC_ASSERT(clicks.empty());
}

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
    for (int round = 1; round <= 2; ++round) {
        Box().Click();
        EXPECT_TRUE(rig.Form().state.InSysTray);
        ASSERT_NE(Icon(), nullptr);
        EXPECT_EQ(Icon()->tip, "Tagrota! Signature Changer");
        EXPECT_EQ(static_cast<std::int32_t>(Icon()->hIcon), rig.Window().IconHandle());
        // The menu opens on a right press only.
        using namespace NotifyCode;
        for (long code :
             {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_RBUTTONDOWN})
            rig.tray.SendCode(code);
        ASSERT_EQ(rig.tray.popups.size(), static_cast<std::size_t>(round));
        EXPECT_EQ(rig.tray.popups.back().DefaultIndex, 0);

        Box().Click();
        EXPECT_FALSE(rig.Form().state.InSysTray);
        EXPECT_EQ(Icon(), nullptr);
    }
}

TEST_F(TrayMode, MinimisingHidesAndTheIconBringsTheWindowBack) {
    rig.Start();
    Box().Click();

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
    rig.tray.SendCode(NotifyCode::WM_LBUTTONDBLCLK);
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

// "&Close" closes the program from deep inside the icon's own calls, which
// must survive the component's release until they have returned.
TEST_F(TrayMode, CloseFromTheMenuEndsTheProgramLikeTheWindowsCloseBox) {
    rig.Start();
    Box().Click();
    std::weak_ptr<frmSysTray> component = rig.Form().trayMode->Icon();
    WillChoose("&Close");
    rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);

    EXPECT_EQ(rig.closed, 1);
    EXPECT_EQ(rig.Stored(SettingKey::InSysTray), "True");
    EXPECT_EQ(Icon(), nullptr);
    EXPECT_TRUE(component.expired());
    EXPECT_TRUE(rig.tray.Windows().empty());
    rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);  // nothing is listening any more
    EXPECT_EQ(rig.tray.popups.size(), 1u);
}

// The menu the desktop shows by itself does what the popup does; its "&Close"
// too ends the program from inside the desktop's report of the choice.
TEST(TrayModeDesktopMenu, ChoosesLikeThePopup) {
    // What a choice leaves behind.
    auto choose = [](const std::string& caption, bool fromDesktop) {
        test::MainRig rig;
        rig.Start();
        rig.Find<CheckBox>("chkSysTray").Click();
        rig.Window().SetState(WindowState::Minimized);
        const int writes = rig.files.writes;
        const std::weak_ptr<frmSysTray> component = rig.Form().trayMode->Icon();
        const std::shared_ptr<headless::TrayWindow> window = rig.tray.TheIconsWindow();
        const std::vector<std::string> entries = Shown(window->offered);
        const auto at =
            static_cast<int>(std::find(entries.begin(), entries.end(), caption) - entries.begin());
        if (fromDesktop) {
            window->ChooseOffered(at);
        } else {
            rig.tray.choose = [at](const TrayPopupMenu&) { return at; };
            rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);
        }
        std::ostringstream left;
        left << (rig.Window().Visible() ? "shown" : "hidden")
             << (rig.Window().State() == WindowState::Normal ? " normal" : "")
             << (rig.Window().broughtToFront ? " in front" : "") << ", "
             << rig.files.writes - writes << " written, closed " << rig.closed
             << " InSysTray=" << rig.Stored(SettingKey::InSysTray)
             << (component.expired() && !rig.tray.TheIcon() ? ", icon gone" : "");
        return left.str();
    };
    for (auto [caption, expected] :
         {std::pair<std::string, std::string>{"*&Restore Tagrota!",
                                              "shown normal in front, 0 written, closed 0 "
                                              "InSysTray=(absent)"},
          {"&Next Quotation", "hidden, 1 written, closed 0 InSysTray=(absent)"},
          {"&Close", "hidden, 0 written, closed 1 InSysTray=True, icon gone"}}) {
        EXPECT_EQ(choose(caption, false), expected) << "from the popup";
        EXPECT_EQ(choose(caption, true), expected) << "from the desktop's menu";
    }
}

TEST_F(TrayMode, StoredSettingStartsInTrayModeAndClosingRemovesTheIcon) {
    rig.Store(SettingKey::InSysTray, "True");
    rig.Start();
    EXPECT_EQ(Box().Value(), 1);
    ASSERT_NE(Icon(), nullptr);
    rig.Window().UserClose();
    EXPECT_EQ(Icon(), nullptr);
    EXPECT_EQ(rig.Stored(SettingKey::InSysTray), "True");
}

}  // namespace
}  // namespace tagrota
