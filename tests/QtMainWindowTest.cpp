// The main window on the real widgets, offscreen: where it opens, the Random
// tab's Scintilla view, and upper case on both platforms.

#include <gtest/gtest.h>

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include "QtServices.h"
#include "TestSupport.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/qt/QtScintillaEditor.h"
#include "platform/qt/QtTextControls.h"
#include "platform/qt/QtToolbar.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/ScintillaModule.h"

namespace tagrota {
namespace {

class QtMainWindow : public ::testing::Test, protected test::QtServices {
protected:
    void Start() {
        form = std::make_unique<frmMain>(For(dir.Path().string()));
        form->Form_Load();
        QCoreApplication::processEvents();
    }
    // Starts with a collection file of these bytes; the Random tab's editor.
    template <class Editor = qt::QtScintillaEditor>
    Editor& StartWithCollection(const std::string& bytes) {
        test::WriteBytes(path, bytes);
        store.values[{kAppName, kSettingsSection, "RandomFile"}] = path;
        Start();
        return dynamic_cast<Editor&>(*form->txtRandom);
    }
    void TearDown() override {
        if (form) form->window->Close(UnloadMode::FormControlMenu);
    }

    test::TempDir dir;
    const std::string path = dir.File("quotes.txt");
    std::unique_ptr<frmMain> form;
};

// The module the tests load, again after a test that took another.
struct UsualModule {
    ~UsualModule() { qt::UseScintillaModuleAt(TAGROTA_SCINTILLA_MODULE); }
};

TEST_F(QtMainWindow, AStoredPlaceNoScreenShowsOpensOnThePrimaryScreen) {
    store.values[{kAppName, kSettingsSection, "MainLeft"}] = "-900000";
    store.values[{kAppName, kSettingsSection, "MainTop"}] = "900000";
    Start();
    const QRect frame = dynamic_cast<qt::QtWindow&>(*form->window).widget()->frameGeometry();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(frame.topLeft())) << frame.x() << "," << frame.y();
    EXPECT_EQ(frame.left(), screen.left());
}

// Types text where the caret is, as the user would.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

TEST_F(QtMainWindow, RandomTabFillsItsWidgetOnlyWhenShownAndKeepsTheSameText) {
    // LF line ends and a no-break space: what a save must give back as it was.
    const std::string file = "One\n%\nTwo\u00a0two\n%\nThree\n";
    auto& random = StartWithCollection(file);
    frmMain& f = *form;
    const std::string text = "One\r\n%\r\nTwo\u00a0two\r\n%\r\nThree\r\n";
    EXPECT_EQ(random.view(), nullptr) << "no view before the tab shows";
    EXPECT_EQ(random.GetText(), text);

    f.Toolbar1_ButtonClick("Random");
    QCoreApplication::processEvents();
    ASSERT_TRUE(random.Filled());
    EXPECT_EQ(random.view()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH),
              static_cast<long>(text.size()));
    EXPECT_FALSE(f.state.RandomDirty) << "filling the widget is no edit";

    // The user's edit in the filled widget marks the tab and saves as before,
    // in the file's own line ends; Enter gives a CR LF like the others.
    QsciScintilla* view = random.scintilla();
    view->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    Type(view, QStringLiteral("x"));
    EXPECT_EQ(f.SSTab1->TabPicture(1), "Dirty2");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(view, &enter);
    EXPECT_EQ(random.GetText(), text + "x\r\n");
    f.Toolbar1_ButtonClick("Save");
    EXPECT_EQ(test::ReadBytes(path), file + "x\n");
}

TEST_F(QtMainWindow, WithoutTheScintillaModuleTheRandomTabSaysWhyAndKeepsItsText) {
    const std::string missing = dir.File("no-such-folder/tagrota_scintilla.so");
    qt::UseScintillaModuleAt(missing);
    UsualModule restore;
    const std::string file = "One\n%\nTwo\u00a0two\n%\nThree";
    auto& random = StartWithCollection(file);
    frmMain& f = *form;
    const std::string text = "One\r\n%\r\nTwo\u00a0two\r\n%\r\nThree";

    f.Toolbar1_ButtonClick("Random");
    QCoreApplication::processEvents();
    EXPECT_EQ(random.scintilla(), nullptr);
    ASSERT_NE(random.failureNote(), nullptr);
    EXPECT_TRUE(random.failureNote()->isVisible());
    EXPECT_TRUE(
        test::Holds(random.failureNote()->text().toStdString(), {missing, "kept as it is"}));

    // The text reads, saves and rotates as it was; nothing counts as an edit.
    EXPECT_EQ(random.GetText(), text);
    EXPECT_FALSE(random.Modified() || f.state.RandomDirty);
    EXPECT_EQ(f.state.SigCount, 2);
    ASSERT_TRUE(random.SaveFile(path));
    EXPECT_EQ(test::ReadBytes(path), file);
    random.SetText("Four\n%\nFive");
    EXPECT_EQ(random.GetText(), "Four\r\n%\r\nFive");
}

TEST(ScintillaModule, IsFoundBesideTheProgramElseInTheLibFolderOfAnInstalledCopyIfSafe) {
    if (test::TrustedFolder().empty()) GTEST_SKIP() << "the build tree is not in a safe place";
    test::TempDir dir(test::TrustedFolder());
    const std::string moduleDir = "usr/" + qt::ScintillaModuleDir();
    std::filesystem::create_directories(dir.Path() / "usr/bin");
    std::filesystem::create_directories(dir.Path() / moduleDir);
    const std::string installed = dir.File(moduleDir + "/tagrota_scintilla.so");
    test::WriteBytes(installed, "");
    EXPECT_EQ(qt::FindScintillaModule(dir.File("usr/bin")).path, installed);
    EXPECT_EQ(qt::FindScintillaModule(dir.File("usr/bin")).refused, "");
    const std::string beside = dir.File("usr/bin/tagrota_scintilla.so");
    test::WriteBytes(beside, "");
    EXPECT_EQ(qt::FindScintillaModule(dir.File("usr/bin")).path, beside);
    // The one found is not loaded where others could have put it (DesktopTest
    // has what counts as such a place).
    ::chmod(beside.c_str(), 0664);
    EXPECT_TRUE(test::Holds(qt::FindScintillaModule(dir.File("usr/bin")).refused,
                            {beside, "the group of " + beside}));
}

// A copy run from a folder in /tmp, where another user has put a module in
// /tmp/lib/.../tagrota: the module is not loaded (its code would run as this
// user), the Random tab holds the collection in the plain editor, and the user
// is told why, once.
TEST_F(QtMainWindow, AModuleOthersCouldHavePutThereIsNotLoadedAndThePlainEditorTakesOver) {
    namespace fs = std::filesystem;
    const std::string shared = dir.File("shared");
    fs::create_directories(shared + "/Tagrota");
    ::chmod(shared.c_str(), 01777);
    const std::string planted = shared + "/" + qt::ScintillaModuleDir() + "/tagrota_scintilla.so";
    const auto plant = [&] {
        std::error_code ec;
        fs::create_directories(fs::path(planted).parent_path(), ec);
        return fs::copy_file(TAGROTA_SCINTILLA_MODULE, planted, ec);
    };
    if (::geteuid() == 0)
        ASSERT_TRUE(test::AsAnotherUser(plant));
    else
        ASSERT_TRUE(plant());
    qt::LookForScintillaModuleIn(shared + "/Tagrota");
    UsualModule restore;
    auto& plain = StartWithCollection<qt::QtEditor>("One\n%\nTwo");  // the plain editor
    EXPECT_EQ(plain.GetText(), "One\r\n%\r\nTwo");
    const auto notices = [] {
        std::vector<QMessageBox*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                shown.push_back(box);
        return shown;
    };
    EXPECT_TRUE(notices().empty()) << "nothing said before the tab shows";
    for (int round = 0; round < 2; ++round) {
        form->Toolbar1_ButtonClick("Random");
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const std::vector<QMessageBox*> shown = notices();
        ASSERT_EQ(shown.size(), round == 0 ? 1u : 0u) << "said once";
        if (round == 0) {
            EXPECT_TRUE(test::Holds(
                shown[0]->text().toStdString(),
                {fs::canonical(planted).string(), "not in a safe place",
                 ::geteuid() == 0 ? "belongs to another user" : "every user can write to",
                 "plain editor"}));
            shown[0]->close();
        }
        form->Toolbar1_ButtonClick("Fixed");
        QCoreApplication::processEvents();
    }
    // Its code never ran here: the module is not among this process's files.
    std::ifstream maps("/proc/self/maps");
    const std::string mapped{std::istreambuf_iterator<char>(maps), {}};
    EXPECT_EQ(mapped.find(planted), std::string::npos);
    // Typed text is taken by the plain editor as by any.
    plain.SetText("Three\n%\nFour");
    EXPECT_EQ(plain.GetText(), "Three\r\n%\r\nFour");
}

TEST_F(QtMainWindow, UpperCaseCoversEveryLetterAndTheHeadlessPlatformAgrees) {
    EXPECT_EQ(ui.UpperCase("/home/me/citations-été.txt"), "/HOME/ME/CITATIONS-ÉTÉ.TXT");
    headless::UserInterface plain{platform, files};
    for (const char* text :
         {"/home/me/citations-été.txt", "àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿ µ ß ÷ × Straße",
          "āăąćĉċčďđēĕėęěĝğġģĥħĩīĭįıĳĵķĺļľŀłńņňŋōŏőœŕŗřśŝşšţťŧũūŭůűųŵŷźżžſ",
          "αβγδεζηθικλμνξοπρςστυφχψωϊϋ άέήίόύώ",
          "абвгдежзийклмнопрстуфхцчшщъыьэюя ѐёђѓєѕіїјљњћќѝўџ", "ÀÉ ΑΩ АЯ 123 €…",
          "日本語のファイル.txt"})
        EXPECT_EQ(plain.UpperCase(text), ui.UpperCase(text)) << text;
}

TEST_F(QtMainWindow, ALargeCollectionFillsAcrossTurnsAndAnEditKeepsEveryOtherByte) {
    // A few megabytes with CR LF line ends, no-break spaces and text of other
    // scripts, which the view takes in several slices.
    std::string file;
    for (int i = 0; file.size() < (std::size_t{5} << 20); ++i)
        file += "Entry " + std::to_string(i) +
                "\u00a0\u00e9t\u00e9 \u65e5\u672c\r\nsecond line\r\n%\r\n";
    auto& random = StartWithCollection(file);
    frmMain& f = *form;
    int changes = 0;
    const auto logic = [&f] { f.txtRandom_Change(); };
    random.SetOnChange([&] {
        ++changes;
        logic();
    });

    f.Toolbar1_ButtonClick("Random");
    ASSERT_TRUE(random.Filling()) << "five megabytes take more than one turn";
    QsciScintilla* view = random.view();
    EXPECT_TRUE(view->isReadOnly()) << "no edits while the text is still coming";
    ASSERT_NE(random.fillNote(), nullptr);
    EXPECT_TRUE(random.fillNote()->isVisible());
    EXPECT_EQ(random.GetText(), file) << "the whole text, also while it fills";
    while (random.Filling()) QCoreApplication::processEvents();
    EXPECT_FALSE(view->isReadOnly() || random.fillNote()->isVisible());
    EXPECT_EQ(changes, 0) << "filling is no change";

    // One character typed in the middle of a line, at the middle of the text.
    const std::size_t middle = file.find("second", file.size() / 2) + 3;
    view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(middle));
    Type(view, QStringLiteral("\u00e4"));
    EXPECT_EQ(changes, 1);
    f.Toolbar1_ButtonClick("Save");
    std::string expected = file;
    expected.insert(middle, "\u00e4");
    EXPECT_EQ(test::ReadBytes(path), expected);

    // The program's own change while the view fills: the new text, filled
    // afresh, one notification.
    random.SetText(file.substr(0, file.size() / 2));
    random.SetText(file);
    random.SetText(file);
    EXPECT_EQ(changes, 3) << "the same text again is no change";
    while (random.Filling()) QCoreApplication::processEvents();
    EXPECT_EQ(random.GetText(), file);
}

// Where Tab goes on the Settings tab: every control that takes the focus, in
// turn, each tick box beside the control it belongs with.
TEST_F(QtMainWindow, TabWalksTheSettingsTabInItsOrder) {
    store.values[{kAppName, kSettingsSection, "DoWrap"}] = "True";
    Start();
    form->Toolbar1_ButtonClick("Settings");
    QCoreApplication::processEvents();
    QWidget* top = dynamic_cast<qt::QtWindow&>(*form->window).widget();
    auto nameOf = [top](QWidget* w) {
        for (; w && w != top; w = w->parentWidget())
            if (!w->objectName().isEmpty()) return w->objectName().toStdString();
        return std::string();
    };
    QWidget* start = top->findChild<QWidget*>("chkSysTray");
    ASSERT_NE(start, nullptr);
    std::vector<std::string> order;
    QWidget* w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(top) && w->isEnabled())
            order.push_back(nameOf(w));
        w = w->nextInFocusChain();
    } while (w != start && order.size() < 40);
    const std::vector<std::string> settings{
        "chkSysTray",     "chkWordWrap",    "chkWrapStrict", "txtRPath",      "txtCPath",
        "btnFindPath(1)", "btnFindPath(0)", "HScroll1",      "HScroll2",      "chkMin",
        "chkNoRepeats",   "HScroll3",       "HScroll4",      "btnLimitPreset"};
    ASSERT_GE(order.size(), settings.size());
    order.resize(settings.size());
    EXPECT_EQ(order, settings);
}

// At the window's first size, which is its smallest width, every toolbar
// button is on the toolbar itself, none in its overflow menu.
// In each language the program speaks: German and French captions are wider.
TEST_F(QtMainWindow, EveryToolbarButtonShowsAtTheFirstWidth) {
    const test::EnglishAfterwards english;
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
        SCOPED_TRACE(QLocale::languageToString(language).toStdString());
        qt::InstallTranslations(QLocale(language));
        Start();
        QCoreApplication::processEvents();
        auto& toolbar = dynamic_cast<qt::QtToolbar&>(*form->Toolbar1);
        const QRect bar = toolbar.widget()->rect();
        for (const char* key : {"Exit", "Save", "Fixed", "Random", "Current", "Settings", "About",
                                "Help", "Next", "Stop", "Bullets"}) {
            QToolButton* button = toolbar.button(key);
            ASSERT_NE(button, nullptr) << key;
            EXPECT_TRUE(button->isVisible()) << key << " at a width of " << bar.width();
            EXPECT_TRUE(bar.contains(button->geometry())) << key;
        }
        form->window->Close(UnloadMode::FormControlMenu);
        form.reset();
    }
}

}  // namespace
}  // namespace tagrota
