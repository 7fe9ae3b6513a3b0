// What the main window keeps to on every Qt platform: offscreen with the
// other Qt tests, and on a real Wayland compositor (tests/wayland_session.sh
// runs this suite under weston). A window asked to start minimised stays
// within the user's reach; the stored size comes back and the stored place is
// kept; closing with unsaved edits asks, in the real message box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "QtServices.h"
#include "TestSupport.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTextControls.h"
#include "platform/qt/QtWindow.h"

namespace tagrota {
namespace {

class QtAnyDesktop : public ::testing::Test, protected test::QtServices {
protected:
    void Store(const char* key, const std::string& value) {
        store.values[{kAppName, kSettingsSection, key}] = value;
    }
    std::string Stored(const char* key) { return store.values[{kAppName, kSettingsSection, key}]; }
    void Start(IMessageBox& boxes) {
        MainWindowServices s = For(dir.Path().string());
        form = std::make_unique<frmMain>(
            MainWindowServices{s.ui, s.settings, s.files, boxes, s.fileDialog, s.clock, s.random,
                               s.trayShell, s.programDir, s.registry, s.programs});
        form->onClosed = [this] { closed = true; };
        Widget().installEventFilter(&states);
        form->Form_Load();
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    }
    QWidget& Widget() { return *dynamic_cast<qt::QtWindow&>(*form->window).widget(); }
    void TearDown() override {
        if (form && !closed) {
            messages.Answer(1);  // Discard, where anything is unsaved
            form->window->Close(UnloadMode::FormControlMenu);
        }
    }

    // Whether the window was ever minimised, or asked to be.
    struct StateWatch : QObject {
        bool minimised = false;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::WindowStateChange)
                minimised = minimised || static_cast<QWidget*>(watched)->isMinimized();
            return false;
        }
    } states;
    test::TempDir dir;
    std::unique_ptr<frmMain> form;
    bool closed = false;
};

TEST_F(QtAnyDesktop, AWindowAskedToStartMinimisedStaysWithinReach) {
    Store(SettingKey::StartMin, "True");
    Start(messages);
    if (ui.CanStartMinimised()) {
        EXPECT_TRUE(Widget().isMinimized());
    } else {
        // Wayland, and no tray here: a normal window, never asked to be
        // minimised (the compositor may heed it and offer no way back).
        EXPECT_TRUE(Widget().isVisible());
        EXPECT_FALSE(states.minimised);
    }
}

TEST_F(QtAnyDesktop, TheStoredSizeComesBackAndTheStoredPlaceIsKept) {
    Store(SettingKey::MainLeft, "1500");
    Store(SettingKey::MainTop, "1200");
    Store(SettingKey::MainWidth, "8010");
    Store(SettingKey::MainHeight, "7500");
    Start(messages);
    EXPECT_EQ(form->window->Bounds().Width, 8010);
    EXPECT_EQ(form->window->Bounds().Height, 7500);
    form->window->Close(UnloadMode::FormControlMenu);
    EXPECT_EQ(Stored(SettingKey::MainLeft), "1500");
    EXPECT_EQ(Stored(SettingKey::MainTop), "1200");
    EXPECT_EQ(Stored(SettingKey::MainWidth), "8010");
    EXPECT_EQ(Stored(SettingKey::MainHeight), "7500");
}

TEST_F(QtAnyDesktop, ClosingWithUnsavedEditsAsksInTheRealMessageBox) {
    qt::QtMessageBox boxes;
    Start(boxes);
    // An edit in the Fixed tab's editor, as typing makes one (a compositor
    // without a keyboard, as the test's is, takes no key events).
    dynamic_cast<qt::QtEditor&>(*form->txtFixedSig)
        .textEdit()
        ->insertPlainText(QStringLiteral("x"));
    QCoreApplication::processEvents();
    ASSERT_TRUE(form->state.FixedDirty);
    // Cancel first, then Discard: the window stays, then closes.
    QString asked;
    for (const char* pressed : {"Cancel", "&Discard"}) {
        QTimer::singleShot(50, [&asked, pressed] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            asked = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QLatin1String(pressed)) b->click();
        });
        form->window->Close(UnloadMode::FormControlMenu);
        EXPECT_TRUE(asked.contains(QLatin1String("fixed"))) << asked.toStdString();
        EXPECT_EQ(closed, std::string(pressed) != "Cancel");
        asked.clear();
    }
}

}  // namespace
}  // namespace tagrota
