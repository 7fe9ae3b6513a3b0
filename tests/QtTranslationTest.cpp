// The user's language on the real widgets: in German and French the window,
// its menus, the program's messages and Qt's own buttons speak it; in a
// language the program has no catalogue for, everything stays English, Qt's
// buttons included.

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QWidget>

#include "QtServices.h"
#include "TestSupport.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTranslation.h"
#include "platform/qt/QtWindow.h"

namespace tagrota {
namespace {

class QtTranslation : public ::testing::Test, protected test::QtServices {
protected:
    ~QtTranslation() override {
        if (form) {
            messages.Answer(1);  // Discard, where anything is unsaved
            form->window->Close(UnloadMode::FormControlMenu);
        }
        qt::InstallTranslations(QLocale(QLocale::English));
    }
    // Starts with a collection that holds no quotations, which the start-up
    // tells the user about.
    void Start() {
        test::WriteBytes(dir.File("bad.txt"), "A\nB\n");
        store.values[{kAppName, kSettingsSection, SettingKey::RandomFile}] = dir.File("bad.txt");
        form = std::make_unique<frmMain>(For(dir.Path().string()));
        form->Form_Load();
        QCoreApplication::processEvents();
    }
    QWidget& Widget() { return *dynamic_cast<qt::QtWindow&>(*form->window).widget(); }
    std::vector<std::string> Tabs() {
        for (QTabBar* bar : Widget().findChildren<QTabBar*>())
            if (bar->count() == 4) {
                std::vector<std::string> out;
                for (int i = 0; i < bar->count(); ++i) out.push_back(bar->tabText(i).toStdString());
                return out;
            }
        return {};
    }
    std::vector<std::string> Menus() {
        std::vector<std::string> out;
        if (auto* bar = Widget().findChild<QMenuBar*>())
            for (QAction* a : bar->actions()) out.push_back(a->text().toStdString());
        return out;
    }
    // The buttons of a real Yes/No/Cancel question, as shown.
    static std::vector<std::string> QuestionButtons() {
        std::vector<std::string> shown;
        QTimer::singleShot(50, [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            for (QAbstractButton* b : box->buttons()) shown.push_back(b->text().toStdString());
            box->button(QMessageBox::Cancel)->click();
        });
        qt::QtMessageBox boxes;
        boxes.MsgBox("?", MsgBoxStyle::YesNoCancel, "Tagrota");
        std::sort(shown.begin(), shown.end());
        return shown;
    }

    test::TempDir dir;
    std::unique_ptr<frmMain> form;
};

TEST_F(QtTranslation, GermanGivesGermanCaptionsMenusMessagesAndQtButtons) {
    ASSERT_TRUE(qt::InstallTranslations(QLocale(QLocale::German, QLocale::Germany)));
    Start();
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"Fest", "Zufällig", "Aktuell", "Einstellungen"}));
    const std::vector<std::string> menus = Menus();
    ASSERT_EQ(menus.size(), 6u);
    EXPECT_EQ(menus[0], "&Datei");
    for (const char* english : {"&File", "&Edit", "&Commands", "&Settings", "&About", "&Help"})
        EXPECT_EQ(std::count(menus.begin(), menus.end(), english), 0) << english;
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_TRUE(test::Holds(messages.shown[0].text, {"Sammlungsdatei", dir.File("bad.txt")}))
        << messages.shown[0].text;
    EXPECT_EQ(QuestionButtons(), (std::vector<std::string>{"&Ja", "&Nein", "Abbrechen"}));
}

TEST_F(QtTranslation, FrenchGivesFrenchCaptionsAndQtButtons) {
    ASSERT_TRUE(qt::InstallTranslations(QLocale(QLocale::French, QLocale::France)));
    Start();
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"Fixe", "Aléatoire", "Actuelle", "Paramètres"}));
    EXPECT_EQ(QuestionButtons(), (std::vector<std::string>{"&Non", "&Oui", "Annuler"}));
}

// At the smallest size, each tab's captions stand whole within the window in
// every language: no check box, label or button is cut off or pushed out.
TEST_F(QtTranslation, EveryCaptionFitsTheSmallestWindowInEveryLanguage) {
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
        SCOPED_TRACE(QLocale::languageToString(language).toStdString());
        qt::InstallTranslations(QLocale(language));
        Start();
        QWidget& window = Widget();
        for (int tab = 0; tab < 4; ++tab) {
            form->SSTab1->SetTab(tab);
            QCoreApplication::processEvents();
            for (QWidget* w : window.findChildren<QWidget*>()) {
                const bool captioned =
                    qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w);
                if (!captioned || !w->isVisible() || w->objectName().isEmpty()) continue;
                const QRect at(w->mapTo(&window, QPoint(0, 0)), w->size());
                EXPECT_TRUE(window.rect().contains(at))
                    << "tab " << tab << ": " << w->objectName().toStdString()
                    << " out of the window";
                if (qobject_cast<QCheckBox*>(w) || qobject_cast<QPushButton*>(w)) {
                    EXPECT_LE(w->sizeHint().width(), w->width())
                        << "tab " << tab << ": " << w->objectName().toStdString() << " cut off";
                }
            }
        }
        form->window->Close(UnloadMode::FormControlMenu);
        form.reset();
    }
}

TEST_F(QtTranslation, ALanguageWithoutACatalogueStaysEnglishThroughout) {
    EXPECT_FALSE(qt::InstallTranslations(QLocale(QLocale::Japanese, QLocale::Japan)));
    Start();
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"Fixed", "Random", "Current", "Settings"}));
    EXPECT_EQ(QuestionButtons(), (std::vector<std::string>{"&No", "&Yes", "Cancel"}));
}

}  // namespace
}  // namespace tagrota
