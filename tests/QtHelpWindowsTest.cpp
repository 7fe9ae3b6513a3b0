// The help windows and the About box on the real widgets, and a picture of
// each for a person to look at (the paths are printed).

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>

#include "QtServices.h"
#include "TestSupport.h"
#include "help/Dialog.h"
#include "help/HelpCommands.h"
#include "help/RichText.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTextControls.h"
#include "platform/qt/QtWindow.h"

namespace tagrota {
namespace {

void Key(QWidget* to, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &press);
}

QPushButton* ButtonOf(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

class QtHelpWindows : public ::testing::Test {
protected:
    QtHelpWindows() {
        owner.SetBounds({1500, 1500, 9000, 7500});
        owner.SetIcon("tagrota");
        owner.Show();
    }
    // Runs `act` on the modal window once it is open, from the event loop.
    void WhileModal(const std::function<void(QWidget*)>& act) {
        QTimer::singleShot(0, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return ADD_FAILURE() << "no modal window";
            act(modal);
        });
    }
    void Picture(QWidget* window, const std::string& name) {
        const std::string path =
            QCoreApplication::applicationDirPath().toStdString() + "/tagrota-" + name + ".png";
        ASSERT_TRUE(window->grab().save(QString::fromStdString(path)));
        std::printf("picture of the %s window: %s\n", name.c_str(), path.c_str());
    }

    test::TempDir dir;
    StdFileSystem files;
    headless::MessageBox messages;
    MemoryRegistry registry;
    headless::ProgramLauncher programs{files};
    qt::QtWindow owner{files};
    qt::QtUserInterface ui{files};
    HelpServices services{ui, files, messages, registry, programs, dir.Path().string()};
};

TEST_F(QtHelpWindows, TheGuideOpensModallyAndFollowsItsLocalLinks) {
    test::WriteBytes(dir.File("index.html"),
                     "<html><body><h1>Tagrota</h1><p>Tagrota keeps your signature fresh.</p>"
                     "<ul><li>Fixed</li><li>Random</li></ul><p>Read <a href=\"tabs.html\">the "
                     "tabs</a>.</p></body></html>");
    test::WriteBytes(dir.File("tabs.html"), "<html><body><p>Four tabs.</p></body></html>");
    bool looked = false;
    WhileModal([&](QWidget* w) {
        looked = true;
        auto* browser = w->findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"));
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Read the tabs.")));
        Picture(w, "help");
        // The keyboard: Tab to the link, Enter to follow it.
        browser->setFocus();
        Key(browser, Qt::Key_Tab);
        Key(browser, Qt::Key_Return);
        EXPECT_EQ(browser->toPlainText(), QStringLiteral("Four tabs."));
        EXPECT_LT(w->minimumWidth(), w->maximumWidth()) << "sizable";
        ButtonOf(w, "OKButton")->click();
    });
    ShowFullHelp(services, owner);
    EXPECT_TRUE(looked);
}

TEST_F(QtHelpWindows, TheBriefHelpKeepsItsFormatting) {
    Dialog dialog(ui, owner);
    RichDocument page;
    page.Paragraphs.push_back(
        {{{"Fixed", true, false, false, 16}, {" tab\nsecond line", false, true}},
         RichAlignment::Center});
    dialog.RichTextBox1->SetDocument(page);

    auto& box = dynamic_cast<qt::QtRichTextBox&>(*dialog.RichTextBox1);
    QTextDocument* text = box.textEdit()->document();
    const QTextBlock first = text->firstBlock();
    EXPECT_EQ(first.text(), QStringLiteral("Fixed tab\u2028second line"));
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat bold = first.begin().fragment().charFormat();
    EXPECT_TRUE(bold.fontWeight() == QFont::Bold && bold.fontPointSize() == 16);
    EXPECT_TRUE((++first.begin()).fragment().charFormat().fontItalic());
    EXPECT_TRUE(box.textEdit()->isReadOnly());
}

TEST_F(QtHelpWindows, EachShippedBriefHelpPageNamesItsTabAndFitsItsFixedBox) {
    const char* const tabs[] = {"Fixed", "Random", "Current", "Settings"};
    for (int tab = 0; tab < 4; ++tab) {
        const std::string name = "tab" + std::to_string(tab) + ".rtf";
        SCOPED_TRACE(name);
        Dialog dialog(ui, owner);
        const RichDocument page =
            ReadRichText(test::ReadBytes(TAGROTA_SOURCE_DIR "/resources/help/" + name));
        const RichSpan& heading = page.Paragraphs.at(0).Spans.at(0);
        EXPECT_TRUE(heading.Bold && heading.Text.find(tabs[tab]) != std::string::npos);
        dialog.RichTextBox1->SetDocument(page);
        auto& box = dynamic_cast<qt::QtRichTextBox&>(*dialog.RichTextBox1);
        QMainWindow* widget = dynamic_cast<qt::QtWindow&>(*dialog.window).widget();
        EXPECT_EQ(widget->minimumSize(), widget->maximumSize()) << "not sizable";
        WhileModal([&](QWidget* w) {
            QCoreApplication::processEvents();
            EXPECT_EQ(box.textEdit()->verticalScrollBar()->maximum(), 0)
                << "the page is longer than its box";
            Picture(w, "brief-help-" + std::to_string(tab));
            w->close();  // the frame's close box
        });
        dialog.window->ShowModal();
        EXPECT_FALSE(widget->isVisible());
    }
}

// In each language the program speaks: German and French texts are longer.
TEST_F(QtHelpWindows, TheAboutBoxShowsEveryTextWhole) {
    const test::EnglishAfterwards english;
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
        SCOPED_TRACE(QLocale::languageToString(language).toStdString());
        qt::InstallTranslations(QLocale(language));
        bool looked = false;
        WhileModal([&](QWidget* w) {
            looked = true;
            for (QLabel* label : w->findChildren<QLabel*>()) {
                SCOPED_TRACE(label->objectName().toStdString());
                if (label->objectName() == u"picIcon") {
                    EXPECT_EQ(label->pixmap().size(), QSize(32, 32));
                    continue;
                }
                // Within the dialog, and as high as the text needs.
                EXPECT_GE(label->x(), 0);
                EXPECT_LE(label->geometry().right(), w->width());
                if (label->wordWrap())
                    EXPECT_LE(label->heightForWidth(label->width()), label->height());
                else
                    EXPECT_LE(label->sizeHint().height(), label->height() + 2);
            }
            Picture(w, "about");
            EXPECT_EQ(w->focusWidget(), ButtonOf(w, "cmdOK")) << "first in the tab order";
            Key(w, Qt::Key_Escape);
        });
        ShowAbout(services, owner);
        EXPECT_TRUE(looked);
        WhileModal([](QWidget* w) { Key(w, Qt::Key_Return); });  // Enter, where no button has it
        ShowAbout(services, owner);
    }
}

TEST_F(QtHelpWindows, AMessageBoxOpensOverTheWindowItBelongsToAndModalToItAlone) {
    // Modal to its window alone: the tray icon still answers while it waits.
    qt::QtMessageBox messageBox;
    bool looked = false;
    WhileModal([&](QWidget* w) {
        looked = true;
        EXPECT_EQ(w->parentWidget(), owner.widget());
        EXPECT_EQ(w->windowModality(), Qt::WindowModal);
        const QPoint off = w->frameGeometry().center() - owner.widget()->frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 40) << "centred over the window";
        Key(w, Qt::Key_Escape);
    });
    messageBox.MsgBox("Over the window", MsgBoxStyle::OkOnly, "Tagrota");
    EXPECT_TRUE(looked);
}

// A path or a text that looks like markup shows as it is, in every kind of
// message box: nothing is made bold, and nothing is lost.
TEST_F(QtHelpWindows, MessageBoxesShowPathsAndTextsAsTheyAre) {
    const std::string text = "The file /tmp/<b>bold</b>/a&amp;b<br>c.txt could not be read.";
    const auto shownAsItIs = [&](QWidget* w) {
        const auto* label = w->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label) return ADD_FAILURE() << "no text in the box";
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->text().toStdString(), text);
    };
    qt::QtMessageBox messageBox;
    int looked = 0;
    for (int kind = 0; kind < 2; ++kind) {
        WhileModal([&](QWidget* w) {
            ++looked;
            shownAsItIs(w);
            Key(w, Qt::Key_Escape);
        });
        if (kind == 0)
            messageBox.MsgBox(text, MsgBoxStyle::Exclamation, "Tagrota");
        else
            messageBox.Choose(text, MsgBoxStyle::Question, "Tagrota", {"Save", "Cancel"});
    }
    EXPECT_EQ(looked, 2);
    messageBox.ShowNotice(text, MsgBoxStyle::Exclamation, "Tagrota");
    QWidget* notice = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) notice = w;
    ASSERT_NE(notice, nullptr);
    shownAsItIs(notice);
    notice->close();
}

// A path on a line of its own (behind a tab) is shown whole, however long and
// however many hyphens and slashes it holds; the prose around it still wraps,
// and markup in either stays text.
TEST_F(QtHelpWindows, AMessageBoxNeverBreaksAPathOnALineOfItsOwn) {
    const std::string path =
        "/home/some-one/.local/share/Tagrota/<b>a-b</b>/fixed.txt.recovered-2026-12-07-061500";
    std::string prose;
    for (int i = 0; i < 12; ++i) prose += "Words that wrap as prose does. ";
    qt::QtMessageBox messageBox;
    bool looked = false;
    WhileModal([&](QWidget* w) {
        looked = true;
        const auto* label = w->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label) {
            ADD_FAILURE() << "no text in the box";
            return Key(w, Qt::Key_Escape);
        }
        const QString shown = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        EXPECT_TRUE(shown.contains(QString::fromStdString(path))) << shown.toStdString();
        EXPECT_FALSE(shown.contains(QLatin1Char('\t')));
        EXPECT_GE(label->contentsRect().width(),
                  label->fontMetrics().horizontalAdvance(QString::fromStdString(path)))
            << "the path fits on one line";
        EXPECT_LT(label->contentsRect().width(),
                  label->fontMetrics().horizontalAdvance(QString::fromStdString(prose)) / 2)
            << "the prose is wrapped, not one wide line";
        Key(w, Qt::Key_Escape);
    });
    messageBox.MsgBox(prose + "\r\nYour collection:\r\n\t" + path + "\r\n\r\n" + prose,
                      MsgBoxStyle::Information, "Tagrota");
    EXPECT_TRUE(looked);
}

TEST(QtProgramLauncher, StartsAProgramAndSaysWhenItCannot) {
    test::TempDir dir;
    const std::string script = dir.File("info.sh");
    test::WriteBytes(script, "#!/bin/sh\nexit 0\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    qt::QtProgramLauncher launcher;
    EXPECT_TRUE(launcher.StartProgram(script));
    EXPECT_FALSE(launcher.StartProgram(dir.File("missing")));
}

}  // namespace
}  // namespace tagrota
