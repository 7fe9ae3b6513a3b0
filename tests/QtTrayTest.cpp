// The tray icon component on Qt's notification area, offscreen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "platform/IconHandles.h"
#include "platform/qt/QtTrayShell.h"
#include "tray/frmSysTray.h"

namespace tagrota {
namespace {

class QtTray : public ::testing::Test {
protected:
    void SetUp() override {
        shell.statusNotifierHost = false;  // the X11 tray, whatever bus the test runs on
        Make();
    }
    void Make() {
        auto say = [this](std::string what) {
            return [this, what](std::int32_t b) { log.push_back(what + std::to_string(b)); };
        };
        auto note = [this](std::string what) { return [this, what] { log.push_back(what); }; };
        frmSysTray::Events e;
        e.SysTrayMouseDown = [this, down = say("down ")](std::int32_t b) {
            down(b);
            if (b == 2) tray->ShowMenu();
        };
        e.SysTrayMouseUp = say("up ");
        e.SysTrayDoubleClick = say("double ");
        e.MenuClick = [this](std::int32_t i, const std::string& key) {
            log.push_back("menu " + std::to_string(i) + " " + key);
            if (key == "close" && releaseOnClose) {
                tray->Unload();
                tray.reset();
            }
        };
        e.BalloonShow = note("balloon show");
        e.BalloonTimeOut = note("balloon timeout");
        e.BalloonClicked = note("balloon clicked");
        tray = frmSysTray::Create(shell, std::move(e), "Tagrota Signature Changer");
    }
    QSystemTrayIcon* Icon() {
        const auto icons = shell.TrayIcons();
        return icons.size() == 1 ? icons.front() : nullptr;
    }

    qt::QtTrayShell shell;
    std::shared_ptr<frmSysTray> tray;
    std::vector<std::string> log;
    bool releaseOnClose = false;
};

// Chooses the menu's item at `index` as soon as the menu is up.
void ChooseInNextMenu(int index) {
    QTimer::singleShot(0, [index] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        menu->actions().at(index)->trigger();
        menu->close();
    });
}

TEST_F(QtTray, RecordsShowAsTipImageAndMenu) {
    ASSERT_NE(Icon(), nullptr);
    EXPECT_EQ(Icon()->toolTip(), QStringLiteral("Tagrota Signature Changer"));
    tray->ToolTip("Tagrota! Signature Changer");
    EXPECT_EQ(Icon()->toolTip(), QStringLiteral("Tagrota! Signature Changer"));
    tray->IconHandle(IconHandleOf("tagrota"));
    EXPECT_FALSE(Icon()->icon().availableSizes().isEmpty());

    tray->AddMenuItem("&Restore Tagrota!", "open", true);
    tray->AddMenuItem("-");
    tray->AddMenuItem("&Close", "close");

    QStringList shown;
    bool defaultFirst = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions()) shown << (a->isSeparator() ? "-" : a->text());
        defaultFirst = menu->defaultAction() == menu->actions().front();
    });
    ChooseInNextMenu(2);
    emit Icon()->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(shown, QStringList({"&Restore Tagrota!", "-", "&Close"}));
    EXPECT_TRUE(defaultFirst);
    EXPECT_EQ(log, (std::vector<std::string>{"down 2", "menu 2 close", "up 2"}));
}

TEST_F(QtTray, WhileADialogWaitsTheIconBringsItForwardAndDoesNothingElse) {
    // The main window takes no commands until the dialog is answered; the
    // icon's menu could close the program from under it.
    QWidget window;
    window.show();
    QWidget dialog(&window, Qt::Dialog);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.show();
    dialog.showMinimized();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick})
        emit Icon()->activated(reason);
    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_FALSE(dialog.isMinimized()) << "brought back";
    dialog.close();
    emit Icon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(log, (std::vector<std::string>{"down 1", "up 1"})) << "answers again";
}

TEST_F(QtTray, ActivationsComeBackAsTheShellsCodes) {
    emit Icon()->activated(QSystemTrayIcon::Trigger);
    emit Icon()->activated(QSystemTrayIcon::DoubleClick);
    emit Icon()->activated(QSystemTrayIcon::MiddleClick);
    EXPECT_EQ(log, (std::vector<std::string>{"down 1", "up 1", "double 1", "up 1"}));

    log.clear();
    tray->ShowBalloonTip("Saved", "Tagrota", 1, 60000);
    EXPECT_TRUE(log.empty()) << "reported once the balloon is up, not from inside the call";
    QCoreApplication::processEvents();
    emit Icon()->messageClicked();
    EXPECT_EQ(log, (std::vector<std::string>{"balloon show", "balloon clicked"}));

    log.clear();
    tray->ShowBalloonTip("Again", "", 0, 1);
    QTimer wait;  // a deadline, not a pause: the loop ends with the second report
    wait.start(5000);
    while (log.size() < 2 && wait.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(log, (std::vector<std::string>{"balloon show", "balloon timeout"}));
}

// A StatusNotifierItem host shows the icon's menu by itself: the icon carries
// it as its context menu (Qt exports that over D-Bus), kept as the items
// change, and a choice there is the popup's, "Close" releasing the icon inside
// it.
TEST_F(QtTray, TheDesktopsOwnMenuFollowsTheItemsAndChoosesLikeThePopup) {
    EXPECT_EQ(Icon()->contextMenu(), nullptr) << "the X11 tray pops up the popup only";
    tray->Unload();
    shell.statusNotifierHost = true;
    Make();
    releaseOnClose = true;
    QPointer<QMenu> menu = Icon()->contextMenu();
    ASSERT_FALSE(menu.isNull());
    tray->AddMenuItem("&Restore Tagrota!", "open", true);
    tray->AddMenuItem("&Next Quotation", "next");
    tray->AddMenuItem("-");
    tray->AddMenuItem("&Close", "close");
    tray->EnableMenuItem(1, false);
    tray->RemoveMenuItem(1);  // enabled states stay with their places
    QStringList shown;
    for (QAction* a : menu->actions())
        shown << (a->isSeparator() ? "-" : a->text()) + (a->isEnabled() ? "" : " (off)") +
                     (a == menu->defaultAction() ? " *" : "");
    EXPECT_EQ(shown, QStringList({"&Restore Tagrota! *", "- (off)", "&Close"}));

    {
        QWidget dialog;
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        menu->actions().at(2)->trigger();
        EXPECT_TRUE(log.empty()) << "not while a dialog waits for an answer";
    }
    QPointer<QSystemTrayIcon> icon = Icon();
    menu->actions().at(0)->trigger();
    menu->actions().at(2)->trigger();
    EXPECT_EQ(log, (std::vector<std::string>{"menu 0 open", "menu 2 close"}));
    EXPECT_EQ(tray, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
    EXPECT_TRUE(icon.isNull());
}

// The owner closes from the menu: the icon is unloaded and released inside the
// tray icon's own activation, which then reports nothing more.
TEST_F(QtTray, OwnerMayReleaseItInsideAnActivation) {
    releaseOnClose = true;
    tray->AddMenuItem("&Close", "close");
    QPointer<QSystemTrayIcon> icon = Icon();
    ChooseInNextMenu(0);
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(tray, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"down 2", "menu 0 close"}));
    EXPECT_TRUE(shell.TrayIcons().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(icon.isNull());
}

}  // namespace
}  // namespace tagrota
