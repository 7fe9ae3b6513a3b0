// The main window on the real widgets, offscreen: the same composition and
// layout as on the headless platform, and a picture of each tab for a person
// to look at (the paths are printed).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>

#include "TestSupport.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/qt/QtTextControls.h"
#include "platform/qt/QtWindow.h"

namespace tagrota {
namespace {

class QtMainWindow : public ::testing::Test {
protected:
    void Start() {
        form = std::make_unique<frmMain>(
            MainWindowServices{ui, store, files, messages, dialog, clock, random, tray,
                               dir.Path().string(), registry, programs});
        form->Form_Load();
        QCoreApplication::processEvents();
    }
    // Saves a picture of the window beside the test program.
    void Picture(const std::string& name) {
        const std::string path =
            QCoreApplication::applicationDirPath().toStdString() + "/tagrota-" + name + ".png";
        auto& window = dynamic_cast<qt::QtWindow&>(*form->window);
        ASSERT_TRUE(window.widget()->grab().save(QString::fromStdString(path)));
        std::printf("picture of the %s tab: %s\n", name.c_str(), path.c_str());
    }

    test::TempDir dir;
    StdFileSystem files;
    headless::SettingsStore store;
    headless::MessageBox messages;
    headless::FileDialog dialog;
    headless::HeadlessPlatform platform;
    SplitMixRandom random;
    headless::TrayShell tray;
    qt::QtUserInterface ui{files};
    MemoryRegistry registry;
    headless::ProgramLauncher programs{files};
    std::unique_ptr<frmMain> form;
    headless::Clock& clock = platform.clock;
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

TEST_F(QtMainWindow, StartsAndLaysOutLikeTheHeadlessOne) {
    store.values[{kAppName, kSettingsSection, "MainWidth"}] = "8000";
    store.values[{kAppName, kSettingsSection, "MainHeight"}] = "7000";
    Start();
    frmMain& f = *form;
    EXPECT_TRUE(f.window->Visible());
    EXPECT_EQ(f.window->Bounds().Width, 8000);
    EXPECT_EQ(f.window->Bounds().Height, 7000);
    EXPECT_EQ(f.SSTab1->Bounds(), (Rect{45, 720, 7770, 5500}));
    EXPECT_EQ(f.txtRandom->Bounds(), (Rect{130, 520, 7500, 4830}));
    EXPECT_TRUE(f.txtFixedSig->IsShowing());
    EXPECT_FALSE(f.txtRPath->IsShowing());
    Picture("fixed");

    f.Toolbar1_ButtonClick("Settings");
    EXPECT_TRUE(f.txtRPath->IsShowing());
    EXPECT_EQ(f.btnFindPath[0]->Left(), 6980);
    EXPECT_EQ(f.txtCPath->Width(), 6580);
    Picture("settings");

    // The smallest window the user can make.
    f.window->SetBounds({1000, 1000, 100, 100});
    QCoreApplication::processEvents();
    EXPECT_EQ(f.window->Bounds().Width, 6300);
    EXPECT_EQ(f.window->Bounds().Height, 5500);
    EXPECT_EQ(f.btnFindPath[1]->Left(), 5280);

    f.window->Close(UnloadMode::FormControlMenu);
    EXPECT_EQ(store.saves.size(), 13u);
}

TEST_F(QtMainWindow, RandomTabFillsItsWidgetOnlyWhenShownAndKeepsTheSameText) {
    // LF line ends and a no-break space: what a save must give back as it was.
    const std::string path = dir.File("quotes.txt");
    const std::string file = "One\n%\nTwo\u00a0two\n%\nThree\n";
    test::WriteBytes(path, file);
    store.values[{kAppName, kSettingsSection, "RandomFile"}] = path;
    Start();
    frmMain& f = *form;
    auto& random = dynamic_cast<qt::QtEditor&>(*f.txtRandom);
    const QTextDocument& document = *static_cast<QPlainTextEdit*>(random.widget())->document();
    const std::string text = "One\r\n%\r\nTwo\u00a0two\r\n%\r\nThree\r\n";

    EXPECT_FALSE(random.Filled());
    EXPECT_TRUE(document.isEmpty());
    EXPECT_EQ(random.GetText(), text);
    EXPECT_EQ(f.state.SigCount, 2);
    ASSERT_TRUE(random.SaveFile(path));
    EXPECT_EQ(test::ReadBytes(path), file);

    f.Toolbar1_ButtonClick("Random");
    QCoreApplication::processEvents();
    EXPECT_TRUE(random.Filled());
    EXPECT_FALSE(document.isEmpty());
    EXPECT_EQ(random.GetText(), text);
    EXPECT_FALSE(f.state.RandomDirty) << "filling the widget is no edit";
    ASSERT_TRUE(random.SaveFile(path));
    EXPECT_EQ(test::ReadBytes(path), file);

    // The user's edit in the filled widget marks the tab and saves as before.
    random.textEdit()->moveCursor(QTextCursor::End);
    random.textEdit()->insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(f.state.RandomDirty);
    EXPECT_EQ(f.SSTab1->TabPicture(1), "Dirty2");
    // The saves above went round the program: it asks before writing over.
    messages.Answer(0);  // Overwrite
    f.Toolbar1_ButtonClick("Save");
    EXPECT_EQ(test::ReadBytes(path), file + "x");
    EXPECT_FALSE(f.state.RandomDirty);
    f.window->Close(UnloadMode::FormControlMenu);
}

TEST_F(QtMainWindow, UpperCaseCoversEveryLetterAndTheHeadlessPlatformAgrees) {
    EXPECT_EQ(ui.UpperCase("/home/me/citations-été.txt"), "/HOME/ME/CITATIONS-ÉTÉ.TXT");
    EXPECT_EQ(ui.UpperCase("Straße"), "STRASSE");
    headless::UserInterface plain{platform, files};
    for (const char* text :
         {"/home/me/citations-été.txt", "àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿ µ ß ÷ × Straße",
          "āăąćĉċčďđēĕėęěĝğġģĥħĩīĭįıĳĵķĺļľŀłńņňŋōŏőœŕŗřśŝşšţťŧũūŭůűųŵŷźżžſ",
          "αβγδεζηθικλμνξοπρςστυφχψωϊϋ άέήίόύώ", "абвгдежзийклмнопрстуфхцчшщъыьэюя ѐёђѓєѕіїјљњћќѝўџ",
          "ÀÉ ΑΩ АЯ 123 €…", "日本語のファイル.txt"})
        EXPECT_EQ(plain.UpperCase(text), ui.UpperCase(text)) << text;
}

}  // namespace
}  // namespace tagrota
