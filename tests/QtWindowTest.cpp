// The Qt windows and controls; their notifications and text are
// ControlTwinsTest's.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSemaphore>
#include <QTabBar>
#include <QThreadPool>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <chrono>
#include <thread>

#include "TestSupport.h"
#include "platform/qt/QtSimpleControls.h"
#include "platform/qt/QtTabControl.h"
#include "platform/qt/QtTextControls.h"
#include "platform/qt/QtToolbar.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/WorkerThreads.h"

namespace tagrota {
namespace {

using qt::QtWindow;

ControlPlace Place(const std::string& name, Rect bounds, int tabIndex = -1,
                   ITabControl* container = nullptr, int tab = 0) {
    return {name, bounds, tabIndex, {}, container, tab};
}

template <class T>
T& As(auto& control) {
    return dynamic_cast<T&>(control);
}

class QtWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen->logicalDotsPerInchX() != 96 || screen->logicalDotsPerInchY() != 96)
            GTEST_SKIP() << "the twip figures here are for a 96 dpi screen";
    }
    StdFileSystem files;
    QtWindow window{files};
    int notified = 0;
};

TEST_F(QtWindowTest, TabControlShowsOnlyTheControlsOfTheTabInFront) {
    ImageList marks(16, 15, {{"Clean", "clean"}, {"Dirty", "dirty"}});
    auto& tabs = As<qt::QtTabControl>(window.AddTabControl(
        Place("tabs", {45, 720, 5470, 4000}), {"Fixed", "Random", "Settings"}, 400, marks));
    auto& onFixed = window.AddEditor(Place("fixed", {90, 520, 4500, 3075}, 1, &tabs, 0));
    auto& onSettings = window.AddCheckBox(Place("chk", {180, 585, 2310, 260}, 2, &tabs, 2), "A");
    auto& hidden = window.AddLabel(Place("lbl", {180, 990, 2310, 260}, -1, &tabs, 2), "B");
    hidden.SetVisible(false);

    EXPECT_TRUE(onFixed.IsShowing());
    EXPECT_FALSE(As<qt::QtCheckBox>(onSettings).widget()->isVisibleTo(tabs.panel()));
    tabs.SetTab(2);
    EXPECT_FALSE(onFixed.IsShowing());
    EXPECT_TRUE(As<qt::QtCheckBox>(onSettings).widget()->isVisibleTo(tabs.panel()));
    EXPECT_FALSE(As<qt::QtLabel>(hidden).widget()->isVisibleTo(tabs.panel()));

    // A control on a tab is placed from the tab control's corner, header included.
    EXPECT_EQ(As<qt::QtEditor>(onFixed).widget()->parentWidget(), tabs.panel());
    EXPECT_EQ(As<qt::QtEditor>(onFixed).widget()->y(), 35);
}

TEST_F(QtWindowTest, PlacesAreExactInTwipsAndRoundedInPixels) {
    auto& box = window.AddCheckBox(Place("chk", {180, 585, 2310, 260}), "Tick");
    EXPECT_EQ(box.Bounds(), (Rect{180, 585, 2310, 260}));
    EXPECT_EQ(As<qt::QtCheckBox>(box).widget()->geometry(), QRect(12, 39, 154, 17));
    const Rect outer{1500, 1200, 7020, 5250};
    window.SetBounds(outer);
    EXPECT_EQ(window.Bounds(), outer);
    window.Show();
    EXPECT_EQ(window.Bounds(), outer) << "the frame, once known, is inside the bounds";
    EXPECT_EQ(window.widget()->frameGeometry(), QRect(100, 80, 468, 350));
    window.SetBounds({1515, 1200, 6000, 5000});
    EXPECT_EQ(window.Bounds(), (Rect{1515, 1200, 6000, 5000}));
}

TEST_F(QtWindowTest, TheWindowCannotBeMadeSmallerThanItsMinimum) {
    window.SetMinimumSize(6300, 5500);
    window.Show();
    window.SetBounds({0, 0, 3000, 3000});
    EXPECT_EQ(window.Bounds().Width, 6300);
    EXPECT_EQ(window.Bounds().Height, 5500) << "367 pixels, read as the minimum asked";
    window.widget()->resize(10, 10);  // as a user's drag would
    EXPECT_EQ(window.widget()->frameGeometry().size(), QSize(420, 367));
}

TEST_F(QtWindowTest, ResizeNotificationsComeOnShowSizeAndStateAndMayNest) {
    window.SetOnResize([this] {
        ++notified;
        Rect r = window.Bounds();
        if (r.Width < 6000 && window.State() == WindowState::Normal)
            window.SetBounds({r.Left, r.Top, 6000, r.Height});
    });
    window.SetBounds({0, 0, 7020, 5250});
    EXPECT_EQ(notified, 0) << "a hidden window hears of it when shown";
    window.Show();
    EXPECT_EQ(notified, 1);
    window.SetState(WindowState::Minimized);
    window.SetState(WindowState::Normal);
    EXPECT_EQ(notified, 3);
    window.SetBounds({0, 0, 3000, 5250});
    EXPECT_EQ(notified, 5) << "the handler's own resize is heard once more";
    EXPECT_EQ(window.Bounds().Width, 6000);

    QtWindow minimised{files};
    minimised.SetState(WindowState::Minimized);
    minimised.Show();
    EXPECT_EQ(minimised.State(), WindowState::Minimized);
}

TEST_F(QtWindowTest, EveryCloseAsksOnceAndMayBeRefused) {
    std::vector<UnloadMode> asked;
    int unloaded = 0;
    bool refuse = true;
    window.SetOnQueryUnload([&](bool& cancel, UnloadMode mode) {
        asked.push_back(mode);
        cancel = refuse;
    });
    window.SetOnUnload([&] { ++unloaded; });
    window.Show();
    window.Close();
    EXPECT_TRUE(window.Visible());
    refuse = false;
    window.widget()->close();  // the frame's close button
    EXPECT_FALSE(window.Visible());
    window.Show();
    window.Close(UnloadMode::AppWindows);
    EXPECT_EQ(asked, (std::vector{UnloadMode::FormCode, UnloadMode::FormControlMenu,
                                  UnloadMode::AppWindows}));
    EXPECT_EQ(unloaded, 2);
}

TEST_F(QtWindowTest, ToolbarClicksReportKeysAndLeaveThePressedStateToTheProgram) {
    ImageList images(32, 32, {{"Exit", "exit"}, {"Fixed", "fixed"}});
    auto& toolbar = As<qt::QtToolbar>(
        window.AddToolbar("tb", 660, 1, images,
                          {{"Exit", "Exit", "Exit Program", 1}, {}, {"Fixed", "", "Fixed", 2}}));
    std::vector<std::string> clicks;
    toolbar.SetOnButtonClick([&](const std::string& key) { clicks.push_back(key); });
    toolbar.SetButtonValue("Fixed", 1);
    toolbar.button("Fixed")->click();
    toolbar.button("Exit")->click();
    EXPECT_EQ(clicks, (std::vector<std::string>{"Fixed", "Exit"}));
    EXPECT_EQ(toolbar.ButtonValue("Fixed") * 10 + toolbar.ButtonValue("Exit"), 10);
}

TEST_F(QtWindowTest, MenuCommandsReportTheirNamesAndTabOrderFollowsTabIndex) {
    auto& menu = window.AddMenuBar({{"mnuFile", "&File", ""},
                                    {"mnuSave", "&Save", "mnuFile"},
                                    {"sp1", "-", "mnuFile"},
                                    {"mnuAbout", "&About", ""}});
    std::vector<std::string> clicked;
    menu.SetOnClick([&](const std::string& name) { clicked.push_back(name); });
    QMenuBar* bar = window.widget()->menuBar();
    ASSERT_EQ(bar->actions().size(), 2) << "File and About; Save and the line within File";
    bar->findChild<QAction*>("mnuSave")->trigger();
    bar->actions()[1]->trigger();
    EXPECT_EQ(clicked, (std::vector<std::string>{"mnuSave", "mnuAbout"}));

    auto& third = As<qt::QtTextBox>(window.AddTextBox(Place("c", {0, 0, 900, 300}, 3)));
    auto& first = As<qt::QtTextBox>(window.AddTextBox(Place("a", {0, 400, 900, 300}, 1)));
    auto& second = As<qt::QtTextBox>(window.AddTextBox(Place("b", {0, 800, 900, 300}, 2)));
    // Where the Tab key goes: the next widget in the chain that takes tab focus.
    auto nextStop = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    EXPECT_EQ(nextStop(first.widget()), second.widget());
    EXPECT_EQ(nextStop(second.widget()), third.widget());
}

TEST_F(QtWindowTest, AnEditorIsMonospacedAndNoHandlerRunsWhileItsWindowIsTakenApart) {
    int calls = 0;
    {
        QtWindow other{files};
        auto& tabs = other.AddTabControl(Place("tabs", {0, 0, 5000, 4000}), {"A", "B"}, 400, {});
        auto& editor =
            other.AddEditor({"ed", {0, 0, 900, 900}, 2, {"Courier New", 9.75}, &tabs, 0});
        tabs.SetOnChange([&](int) { ++calls; });
        editor.SetOnChange([&] { ++calls; });
        const QFontMetrics metrics(As<qt::QtEditor>(editor).widget()->font());
        EXPECT_EQ(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'W'));
        other.Show();
    }
    EXPECT_EQ(calls, 0);
}

TEST(QtFileDialogTest, CancelGivesNothingAndATypedNewNameItsFullPath) {
    test::TempDir dir;
    FileDialogOptions options;
    options.Filter = "All Files (*.*)|*.*|Text (*.txt)|*.txt";
    options.FilterIndex = 2;
    options.InitDir = dir.File("not-there.txt");
    // Answers the dialog from inside its own event loop.
    auto answer = [](std::function<void(QFileDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    };
    QStringList filters, selected;
    answer([&](QFileDialog& d) {
        filters = d.nameFilters();
        selected << d.selectedNameFilter() << d.directory().absolutePath();
        d.reject();
    });
    EXPECT_EQ(qt::QtFileDialog().ShowOpen(options), "");
    EXPECT_EQ(filters, QStringList({"All Files (*)", "Text (*.txt)"}));
    EXPECT_EQ(selected, QStringList({"Text (*.txt)", QString::fromStdString(dir.Path().string())}));

    answer([](QFileDialog& d) {
        d.findChild<QLineEdit*>("fileNameEdit")->setText("new.txt");
        // A refused name opens a message box over the dialog: dismiss both.
        QTimer::singleShot(0, [dialog = QPointer<QFileDialog>(&d)] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog && box && box != dialog) box->reject();
        });
        static_cast<QDialog&>(d).accept();  // as the Open button does
        if (d.isVisible()) d.reject();
    });
    EXPECT_EQ(qt::QtFileDialog().ShowOpen(options), dir.File("new.txt"));
}

// The end of the program waits for Qt's pool threads by the name this Qt
// gives them: one is counted while it lives, and no longer once its pool has
// ended it.
TEST(QtWorkerThreadsTest, APoolThreadIsCountedUntilItHasEnded) {
    using std::chrono::steady_clock;
    const int before = qt::WorkerThreadCount();  // the application's own pool
    {
        QThreadPool pool;
        QSemaphore ran;
        pool.start([&ran] { ran.release(); });
        ran.acquire();
        EXPECT_EQ(qt::WorkerThreadCount(), before + 1);
    }
    const auto deadline = steady_clock::now() + std::chrono::seconds(10);
    while (qt::WorkerThreadCount() > before && steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(qt::WorkerThreadCount(), before);
}

}  // namespace
}  // namespace tagrota
