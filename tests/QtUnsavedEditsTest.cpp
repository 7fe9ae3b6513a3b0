// Keystrokes on the real widgets, offscreen: typing after every way of
// changing tabs reaches no hidden editor, and what cannot be edited takes no
// typing.

#include <gtest/gtest.h>

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QToolButton>

#include "QtServices.h"
#include "TestSupport.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/qt/QtScintillaEditor.h"
#include "platform/qt/QtTabControl.h"
#include "platform/qt/QtTextControls.h"
#include "platform/qt/QtToolbar.h"
#include "platform/qt/QtWindow.h"

namespace tagrota {
namespace {

constexpr int kDiscard = 1;
const std::string kQuotes = "A\r\n%\r\nB\r\n%\r\n";

class QtUnsavedEdits : public ::testing::Test, protected test::QtServices {
protected:
    void SetUp() override {
        test::WriteBytes(dir.File("fixed.txt"), "-- \r\nMe");
        test::WriteBytes(dir.File("quotes.txt"), kQuotes);
        store.values[{kAppName, kSettingsSection, "RandomFile"}] = dir.File("quotes.txt");
    }
    void TearDown() override {
        if (!form || !form->window->Visible()) return;
        messages.Answer(kDiscard);
        messages.Answer(kDiscard);
        form->window->Close(UnloadMode::FormControlMenu);
    }
    void Start() {
        form = std::make_unique<frmMain>(For(dir.Path().string()));
        form->Form_Load();
        Top()->activateWindow();
        QCoreApplication::processEvents();
    }
    QMainWindow* Top() { return dynamic_cast<qt::QtWindow&>(*form->window).widget(); }
    // The widget the user types into: the plain editor, or the collection's
    // Scintilla view (made and filled, as after a first look at its tab).
    QWidget* Edit(IEditor* editor) {
        if (auto* large = dynamic_cast<qt::QtScintillaEditor*>(editor)) return large->scintilla();
        return Plain(editor);
    }
    QPlainTextEdit* Plain(IEditor* editor) {
        return dynamic_cast<qt::QtEditor&>(*editor).textEdit();
    }
    QLineEdit* Line(ITextBox* box) { return dynamic_cast<qt::QtTextBox&>(*box).lineEdit(); }
    QTabBar* Bar() { return dynamic_cast<qt::QtTabControl&>(*form->SSTab1).tabBar(); }
    // Where the keyboard goes: the window's focus widget.
    QWidget* KeyTarget() {
        QWidget* focused = Top()->focusWidget();
        return focused ? focused : Top();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        QWidget* target = KeyTarget();
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, modifiers, text);
            QApplication::sendEvent(target, &event);
        }
        QCoreApplication::processEvents();
    }
    void Type(const QString& text) {
        for (QChar c : text) Key(c.toUpper().unicode(), Qt::NoModifier, QString(c));
    }
    // What a user does to text when the wrong thing has the focus.
    void TypeAndWipe() {
        Type(QStringLiteral("typed"));
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_Delete);
        Key(Qt::Key_V, Qt::ControlModifier);
        Key(Qt::Key_Z, Qt::ControlModifier);
    }
    void ClickHeader(int tab) {
        const QPoint at = Bar()->tabRect(tab).center();
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, Bar()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(Bar(), &click);
        }
        QCoreApplication::processEvents();
    }
    void ClickToolbar(const char* key) {
        dynamic_cast<qt::QtToolbar&>(*form->Toolbar1).button(key)->click();
        QCoreApplication::processEvents();
    }
    // Every text the user could have changed.
    std::vector<std::string> Texts() {
        return {form->txtFixedSig->GetText(), form->txtRandom->GetText(),
                form->txtCurrent->GetText(), form->txtRPath->GetText(), form->txtCPath->GetText()};
    }

    test::TempDir dir;
    std::unique_ptr<frmMain> form;
};

TEST_F(QtUnsavedEdits, TypingAfterEveryKindOfTabSwitchChangesNoHiddenText) {
    Start();
    ASSERT_EQ(QApplication::activeWindow(), Top()) << "keys reach the active window only";
    Edit(form->txtRandom);  // filled, as after a first look at the tab
    const std::vector<std::string> before = Texts();

    struct Way {
        const char* name;
        std::function<void(int)> to;
    };
    const char* keys[] = {"Fixed", "Random", "Current", "Settings"};
    const std::vector<Way> ways = {
        {"header", [&](int tab) { ClickHeader(tab); }},
        {"toolbar", [&](int tab) { ClickToolbar(keys[tab]); }},
        {"menu",
         [&](int tab) {
             if (tab < 3) return ClickToolbar(keys[tab]);
             Top()->findChild<QAction*>(QStringLiteral("mnuSettings"))->trigger();
             QCoreApplication::processEvents();
         }},
        {"bullets",
         [&](int tab) {
             // The Bullets command passes through tab 1 and comes back.
             ClickToolbar(keys[tab]);
             ClickToolbar("Bullets");
         }},
    };
    for (const Way& way : ways) {
        for (int from : {0, 1}) {
            for (int to = 0; to < 4; ++to) {
                if (to == from) continue;
                way.to(from);
                Edit(from == 0 ? form->txtFixedSig : form->txtRandom)
                    ->setFocus(Qt::MouseFocusReason);
                way.to(to);
                const std::string where = std::string(way.name) + " from " + keys[from] + " to " +
                                          keys[form->SSTab1->Tab()];
                ASSERT_TRUE(KeyTarget()->isVisible()) << where;
                if (to < 2) continue;  // an editor in front takes the keys, rightly
                TypeAndWipe();
                EXPECT_EQ(Texts(), before) << where;
                EXPECT_FALSE(form->state.FixedDirty || form->state.RandomDirty) << where;
            }
        }
    }

    // By keyboard: the headers with the focus, arrows to the next tab.
    ClickToolbar("Fixed");
    Bar()->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(form->SSTab1->Tab(), 2);
    TypeAndWipe();
    EXPECT_EQ(Texts(), before);
    EXPECT_EQ(form->SSTab1->TabPicture(0) + form->SSTab1->TabPicture(1), "CleanClean");
}

TEST_F(QtUnsavedEdits, CurrentTabAndPathBoxesTakeNoTypingButCopy) {
    Start();
    ClickToolbar("Current");
    QPlainTextEdit* current = Plain(form->txtCurrent);
    EXPECT_TRUE(current->isReadOnly());
    current->setFocus(Qt::MouseFocusReason);
    const std::string shown = form->txtCurrent->GetText();
    ASSERT_FALSE(shown.empty());
    TypeAndWipe();
    Key(Qt::Key_Return);
    EXPECT_EQ(form->txtCurrent->GetText(), shown);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
              QString::fromStdString(shown));

    ClickToolbar("Settings");
    for (ITextBox* box : {form->txtRPath, form->txtCPath}) {
        const std::string path = box->GetText();
        EXPECT_TRUE(Line(box)->isReadOnly());
        Line(box)->setFocus(Qt::MouseFocusReason);
        TypeAndWipe();
        EXPECT_EQ(box->GetText(), path);
    }
}

}  // namespace
}  // namespace tagrota
