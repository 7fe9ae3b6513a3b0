// The tray icon component on the in-memory notification area: its records, its
// menu, and the events it decodes from the shell's notification codes.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessTray.h"
#include "tray/frmSysTray.h"

namespace tagrota {
namespace {

constexpr std::uint32_t kWindows10 = 0x0000000A, kWindowsNT4 = 0x00000004, kWindowsMe = 0x80005A04,
                        kWindows98 = 0x80000A04;

class TrayIcon : public ::testing::Test {
protected:
    std::shared_ptr<frmSysTray> Make(std::uint32_t version = kWindows10) {
        shell.version = version;
        frmSysTray::Events e;
        e.SysTrayMouseDown = [this](std::int32_t b) { log.push_back("down " + std::to_string(b)); };
        e.SysTrayMouseUp = [this](std::int32_t b) { log.push_back("up " + std::to_string(b)); };
        e.SysTrayMouseMove = [this] { log.push_back("move"); };
        e.SysTrayDoubleClick = [this](std::int32_t b) {
            log.push_back("double " + std::to_string(b));
        };
        e.MenuClick = [this](std::int32_t i, const std::string& key) {
            log.push_back("menu " + std::to_string(i) + " " + key);
        };
        e.BalloonShow = [this] { log.push_back("balloon show"); };
        e.BalloonHide = [this] { log.push_back("balloon hide"); };
        e.BalloonTimeOut = [this] { log.push_back("balloon timeout"); };
        e.BalloonClicked = [this] { log.push_back("balloon clicked"); };
        return frmSysTray::Create(shell, std::move(e), "Tagrota Signature Changer");
    }
    // The menu as the user sees it: captions in order, the default one marked.
    std::vector<std::string> Menu(frmSysTray& tray) {
        tray.ShowMenu();
        std::vector<std::string> shown;
        const TrayPopupMenu& menu = shell.popups.back();
        for (std::size_t i = 0; i < menu.Items.size(); ++i)
            shown.push_back((static_cast<int>(i) == menu.DefaultIndex ? "*" : "") +
                            menu.Items[i].Caption + (menu.Items[i].Enabled ? "" : " (off)"));
        return shown;
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
                                     {kWindows98, false},
                                     {0x80000004u, false}}) {
        SCOPED_TRACE(version);
        shell = headless::TrayShell{};
        auto tray = Make(version);
        EXPECT_EQ(shell.calls.front().message, Nim::Add);
        EXPECT_EQ(shell.calls.front().record.wide, (version & 0x80000000u) == 0);
        EXPECT_EQ(shell.calls.size(), balloons ? 2u : 1u) << "the version is set where it counts";
        EXPECT_EQ(shell.TheIcon()->tip, "Tagrota Signature Changer");
        tray->ShowBalloonTip("Saved", "Tagrota", 1, 5000);
        ASSERT_EQ(shell.balloons.size(), balloons ? 1u : 0u);
        if (balloons) {
            const auto& b = shell.balloons[0];
            EXPECT_EQ(b.title + "|" + b.message, "Tagrota|Saved");
            EXPECT_TRUE(b.icon == 1u && b.timeoutMs == 5000u);
        }
        tray->Unload();
        EXPECT_EQ(shell.calls.back().message, Nim::Delete);
        EXPECT_EQ(shell.TheIcon(), nullptr);
        EXPECT_TRUE(shell.Windows().front()->Destroyed());
    }
}

TEST_F(TrayIcon, TextsAreCutToTheirFields) {
    const std::string tip(200, 't');
    struct Case {
        std::uint32_t version;
        std::size_t shellKeeps, readsBack;
    };
    // The ANSI record always holds 127 characters; the first shell size shows 63.
    for (const Case& c : {Case{kWindows10, 127, 127}, Case{kWindowsNT4, 63, 63},
                          Case{kWindowsMe, 127, 127}, Case{kWindows98, 63, 127}}) {
        shell = headless::TrayShell{};
        auto tray = Make(c.version);
        tray->ToolTip(tip);
        EXPECT_EQ(shell.calls.back().record.uFlags, Nif::Tip);
        EXPECT_EQ(shell.TheIcon()->tip, tip.substr(0, c.shellKeeps)) << std::hex << c.version;
        EXPECT_EQ(tray->ToolTip(), tip.substr(0, c.readsBack)) << std::hex << c.version;
        tray->ToolTip("Short");
        EXPECT_EQ(tray->ToolTip(), "Short");
        EXPECT_EQ(shell.TheIcon()->tip, "Short");
    }

    auto tray = Make(kWindows10);
    tray->ShowBalloonTip(std::string(300, 'm'), std::string(80, 'h'));
    EXPECT_EQ(shell.balloons.back().message, std::string(255, 'm'));
    EXPECT_EQ(shell.balloons.back().title, std::string(63, 'h'));
    EXPECT_EQ(shell.balloons.back().timeoutMs, 30000u);

    // A cut never leaves half a character behind.
    const std::string face = "\xF0\x9F\x98\x80";  // one character, two UTF-16 units
    tray->ToolTip(std::string(126, 'x') + face + "tail");
    EXPECT_EQ(tray->ToolTip(), std::string(126, 'x'));
    tray->ToolTip(std::string(125, 'x') + face + "tail");
    EXPECT_EQ(tray->ToolTip(), std::string(125, 'x') + face);
    tray->ToolTip("Grüße €");
    EXPECT_EQ(shell.TheIcon()->tip, "Grüße €");

    shell = headless::TrayShell{};
    tray = Make(kWindowsMe);
    tray->ToolTip("Grüße € 日本");
    EXPECT_EQ(tray->ToolTip(), "Grüße € ??");
}

TEST_F(TrayIcon, IconHandleIsSentOnlyWhenItChanges) {
    auto tray = Make();
    const std::size_t before = shell.calls.size();
    tray->IconHandle(0);
    EXPECT_EQ(shell.calls.size(), before);
    tray->IconHandle(7);
    tray->IconHandle(7);
    ASSERT_EQ(shell.calls.size(), before + 1);
    EXPECT_EQ(shell.calls.back().record.uFlags, Nif::Icon);
    EXPECT_EQ(shell.TheIcon()->hIcon, 7u);
    EXPECT_EQ(tray->IconHandle(), 7);
}

TEST_F(TrayIcon, MenuItemsAreNumberedInOrderWithTheirDefault) {
    auto tray = Make();
    EXPECT_EQ(tray->AddMenuItem("A", "a"), 0);
    EXPECT_EQ(tray->AddMenuItem("B", "b", true), 1);
    EXPECT_EQ(tray->DefaultMenuIndex(), 1);
    EXPECT_EQ(tray->AddMenuItem("-"), 2);
    EXPECT_EQ(tray->DefaultMenuIndex(), 1);
    EXPECT_EQ(tray->AddMenuItem("D", "d"), 3);
    EXPECT_EQ(Menu(*tray), (std::vector<std::string>{"A", "*B", "-", "D"}));
    EXPECT_EQ(shell.foreground.back(), shell.Windows().front()->Handle());
    EXPECT_EQ(shell.popups.back().Caption, "&Popup");

    tray->DefaultMenuIndex(3);
    EXPECT_EQ(tray->DefaultMenuIndex(), 3);
    for (int wrong : {99, -1, 4}) {
        tray->DefaultMenuIndex(wrong);
        EXPECT_EQ(tray->DefaultMenuIndex(), 0) << wrong;
    }

    tray->EnableMenuItem(3, false);
    tray->EnableMenuItem(9, false);
    EXPECT_EQ(Menu(*tray), (std::vector<std::string>{"*A", "B", "-", "D (off)"}));
    EXPECT_EQ(Choose(*tray, 3), "menu 3 d");
    EXPECT_EQ(Choose(*tray, -1), "");
}

TEST_F(TrayIcon, RemovingAnItemMovesTheLaterOnesDown) {
    auto tray = Make();
    for (const char* c : {"A", "B", "C", "D"})
        tray->AddMenuItem(c, std::string(1, char(c[0] + 32)));
    tray->EnableMenuItem(1, false);
    tray->DefaultMenuIndex(3);

    EXPECT_EQ(tray->RemoveMenuItem(1), 0);
    // Enabled states stay with their places; the default index is not moved and
    // now names no item.
    EXPECT_EQ(Menu(*tray), (std::vector<std::string>{"A", "C (off)", "D"}));
    EXPECT_EQ(tray->DefaultMenuIndex(), 3);
    EXPECT_EQ(Choose(*tray, 1), "menu 1 c");
    EXPECT_EQ(Choose(*tray, 2), "menu 2 d");

    EXPECT_EQ(tray->RemoveMenuItem(7), 0);
    EXPECT_EQ(tray->RemoveMenuItem(2), 0);
    EXPECT_EQ(Menu(*tray), (std::vector<std::string>{"A", "C (off)"}));

    // Item 0 is never destroyed: it loses its caption and keeps its key.
    EXPECT_EQ(tray->RemoveMenuItem(0), 0);
    EXPECT_EQ(Menu(*tray), (std::vector<std::string>{"", "C (off)"}));
    EXPECT_EQ(Choose(*tray, 0), "menu 0 a");
    // And it is not handed out again.
    EXPECT_EQ(tray->AddMenuItem("E", "e"), 2);
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

// The owner may let go of the component from inside its own event: the event
// returns into a component that is unloaded but still alive, which does
// nothing more.
TEST_F(TrayIcon, OwnerMayReleaseItFromInsideAnEvent) {
    std::shared_ptr<frmSysTray> tray;
    frmSysTray::Events e;
    e.SysTrayMouseDown = [&](std::int32_t) { tray->ShowMenu(); };
    e.MenuClick = [&](std::int32_t, const std::string&) {
        tray->Unload();
        tray.reset();
    };
    tray = frmSysTray::Create(shell, std::move(e), "");
    tray->AddMenuItem("&Close", "close");
    std::weak_ptr<frmSysTray> watch = tray;
    shell.choose = [](const TrayPopupMenu&) { return 0; };

    shell.SendCode(NotifyCode::WM_RBUTTONDOWN);
    EXPECT_EQ(tray, nullptr);
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(shell.TheIcon(), nullptr);
    EXPECT_EQ(shell.calls.back().message, Nim::Delete);
    const std::size_t calls = shell.calls.size();
    shell.SendCode(NotifyCode::WM_RBUTTONDOWN);
    EXPECT_EQ(shell.calls.size(), calls);
    EXPECT_EQ(shell.popups.size(), 1u);
}

}  // namespace
}  // namespace tagrota
