// The headless controls and the Qt ones keep one contract, run against both:
// changes notify only when the value really changes, the user's as the
// program's; a locked box refuses only the user; "modified" follows the undo
// history; a timer starts a full period afresh.

#include <gtest/gtest.h>

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTimerEvent>
#include <optional>

#include "TestSupport.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/qt/QtScintillaEditor.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSimpleControls.h"
#include "platform/qt/QtTabControl.h"
#include "platform/qt/QtTextControls.h"
#include "platform/qt/QtWindow.h"

namespace tagrota {
namespace {

ControlPlace Place(const std::string& name) {
    return {name, {0, 0, 3000, 1500}, -1, {}, nullptr, 0};
}

template <class T>
T& As(auto& control) {
    return dynamic_cast<T&>(control);
}

// The headless platform: the user is the controls' own Type, Click and Drag.
struct HeadlessTwin {
    static constexpr const char *kName = "Headless", *kEditor = "txtFixedSig";
    StdFileSystem files;
    headless::HeadlessPlatform platform;
    headless::Window window{files};

    std::unique_ptr<ITimer> MakeTimer() { return platform.CreateTimer(); }
    void Type(ITextControl& box, const std::string& letters) {
        for (char c : letters) As<headless::TextControl>(box).Type(box.GetText() + c);
    }
    void Backspace(ITextControl& box) {
        const std::string text = box.GetText();
        As<headless::TextControl>(box).Type(text.substr(0, text.size() - 1));
    }
    void Undo(IEditor& editor) { As<headless::Editor>(editor).Undo(); }
    void Redo(IEditor& editor) { As<headless::Editor>(editor).Redo(); }
    void Click(ICheckBox& box) { As<headless::CheckBox>(box).Click(); }
    void Drag(IScrollBar& bar, int to) { As<headless::ScrollBar>(bar).Drag(to); }
    void ClickTab(ITabControl& tabs, int tab) { As<headless::TabControl>(tabs).ClickTab(tab); }
    std::optional<std::int64_t> Remaining(ITimer& t) { return As<headless::Timer>(t).Remaining(); }
    void RunToTick(ITimer& timer) { platform.Advance(Remaining(timer).value_or(timer.Interval())); }
};

// The Qt platform, offscreen: key and mouse events sent to the widgets; a tick
// is the timer event its Qt timer waits for.
struct QtTwin {
    static constexpr const char *kName = "Qt", *kEditor = "txtFixedSig";
    StdFileSystem files;
    qt::QtWindow window{files};

    std::unique_ptr<ITimer> MakeTimer() { return std::make_unique<qt::QtTimer>(); }
    void Type(ITextControl& box, const std::string& letters) {
        for (const QChar c : QString::fromStdString(letters))
            Key(ToEnd(box), c.toUpper().unicode(), Qt::NoModifier, QString(c));
    }
    void Backspace(ITextControl& box) { Key(ToEnd(box), Qt::Key_Backspace); }
    void Undo(IEditor& editor) { Key(Widget(editor), Qt::Key_Z, Qt::ControlModifier); }
    void Redo(IEditor& editor) { Key(Widget(editor), Qt::Key_Y, Qt::ControlModifier); }
    void Click(ICheckBox& box) { As<qt::QtCheckBox>(box).checkBox()->click(); }
    // The thumb held, moved through the other end, and let go at `to`.
    void Drag(IScrollBar& bar, int to) {
        QScrollBar& widget = *As<qt::QtScrollBar>(bar).scrollBar();
        widget.setSliderDown(true);
        widget.setSliderPosition(widget.minimum());
        widget.setSliderPosition(to);
        widget.setSliderDown(false);
    }
    void ClickTab(ITabControl& tabs, int tab) {
        QTabBar* bar = As<qt::QtTabControl>(tabs).tabBar();
        const QPoint at = bar->tabRect(tab).center();
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, bar->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(bar, &click);
        }
        QCoreApplication::processEvents();
    }
    std::optional<std::int64_t> Remaining(ITimer& timer) {
        const QTimer& q = As<qt::QtTimer>(timer).timer();
        return q.isActive() ? std::optional<std::int64_t>(q.remainingTime()) : std::nullopt;
    }
    void RunToTick(ITimer& timer) {
        QTimer& q = As<qt::QtTimer>(timer).timer();
        QTimerEvent tick(q.timerId());
        if (q.isActive()) QApplication::sendEvent(&q, &tick);
    }

    static QWidget* Widget(ITextControl& box) {
        if (auto* plain = dynamic_cast<qt::QtEditor*>(&box)) return plain->textEdit();
        if (auto* large = dynamic_cast<qt::QtScintillaEditor*>(&box)) return large->scintilla();
        return As<qt::QtTextBox>(box).lineEdit();
    }
    // The caret to the end of the text, where the user clicks.
    static QWidget* ToEnd(ITextControl& box) {
        QWidget* widget = Widget(box);
        if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            plain->moveCursor(QTextCursor::End);
        else if (auto* large = qobject_cast<QsciScintilla*>(widget))
            large->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        else
            static_cast<QLineEdit*>(widget)->end(false);
        return widget;
    }
    static void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = {}) {
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, modifiers, text);
            QApplication::sendEvent(widget, &event);
        }
        QCoreApplication::processEvents();
    }
};

// The collection's editor, on its Scintilla view.
struct QtScintillaTwin : QtTwin {
    static constexpr const char *kName = "QtScintilla", *kEditor = "txtRandom";
};

struct TwinName {
    template <class P>
    static std::string GetName(int) {
        return P::kName;
    }
};

template <class P>
class Twins : public ::testing::Test {
protected:
    P p;
    int changes = 0;
    std::function<void()> Count() {
        return [this] { ++changes; };
    }
};
using Platforms = ::testing::Types<HeadlessTwin, QtTwin>;
TYPED_TEST_SUITE(Twins, Platforms, TwinName);

// What every text control does, editor or text box. The text here has no
// line ends: an editor's have a contract of their own.
template <class P>
void KeepsTheTextContract(P& p, ITextControl& box, int& changes) {
    const std::string text = "Jos\u00e9\tM\u00fcller\u00a0\u65e5\u672c  ";
    box.SetText(text);
    box.SetText(text);
    EXPECT_EQ(box.GetText(), text);
    EXPECT_EQ(changes, 1) << "the same text again is no change";
    p.Type(box, "ab");
    p.Backspace(box);
    EXPECT_EQ(box.GetText(), text + "a");
    EXPECT_EQ(changes, 4) << "each keystroke is a change";

    box.SetLocked(true);
    p.Type(box, "c");
    p.Backspace(box);
    EXPECT_EQ(box.GetText(), text + "a") << "a locked box takes no typing";
    box.SetText("by the program");
    EXPECT_EQ(box.GetText(), "by the program");
    EXPECT_EQ(changes, 5);
}

TYPED_TEST(Twins, TextBoxNotifiesRealChangesKeepsTheTextAndLocksOutOnlyTheUser) {
    ITextBox& box = this->p.window.AddTextBox(Place("txtRPath"));
    box.SetOnChange(this->Count());
    KeepsTheTextContract(this->p, box, this->changes);
}

template <class P>
class EditorTwins : public Twins<P> {
protected:
    IEditor& editor = this->p.window.AddEditor(Place(P::kEditor));
    test::TempDir dir;
};
using EditorPlatforms = ::testing::Types<HeadlessTwin, QtTwin, QtScintillaTwin>;
TYPED_TEST_SUITE(EditorTwins, EditorPlatforms, TwinName);

TYPED_TEST(EditorTwins, NotifyRealChangesAndMakeEveryLineEndCrLf) {
    IEditor& editor = this->editor;
    editor.SetOnChange(this->Count());
    KeepsTheTextContract(this->p, editor, this->changes);
    editor.SetLocked(false);

    editor.SetText("One\nTwo\rThree\r\n\tend\u00a0 ");
    EXPECT_EQ(editor.GetText(), "One\r\nTwo\r\nThree\r\n\tend\u00a0 ");
    editor.SetText("One\r\nTwo\r\nThree\n\tend\u00a0 ");
    EXPECT_EQ(this->changes, 6) << "the same lines with other line ends are no change";
    // Text it did not load is saved with CR LF line ends, as UTF-8.
    ASSERT_TRUE(editor.SaveFile(this->dir.File("new.txt")));
    EXPECT_EQ(test::ReadBytes(this->dir.File("new.txt")), "One\r\nTwo\r\nThree\r\n\tend\u00a0 ");
}

TYPED_TEST(EditorTwins, ModifiedFollowsTheUndoHistoryNotTheText) {
    auto& p = this->p;
    IEditor& editor = this->editor;
    editor.SetText("Me");
    p.Type(editor, "x");
    p.Backspace(editor);
    EXPECT_EQ(editor.GetText(), "Me");
    EXPECT_TRUE(editor.Modified()) << "typing the old text again is not an undo";
    p.Undo(editor);
    p.Undo(editor);
    EXPECT_FALSE(editor.Modified()) << "undone back to the text put in place";
    p.Undo(editor);
    EXPECT_EQ(editor.GetText(), "Me") << "the program's text is where the history starts";

    // A mark (a save) is the new point; undoing past it is a change again,
    // and typing over what was undone leaves no way back to it.
    p.Type(editor, "x");
    editor.MarkUnmodified();
    EXPECT_FALSE(editor.Modified());
    p.Backspace(editor);
    p.Undo(editor);
    EXPECT_FALSE(editor.Modified());
    p.Redo(editor);
    EXPECT_EQ(editor.GetText(), "Me");
    EXPECT_TRUE(editor.Modified());
    p.Undo(editor);
    p.Undo(editor);
    p.Type(editor, "x");
    p.Redo(editor);
    EXPECT_EQ(editor.GetText(), "Mex");
    EXPECT_TRUE(editor.Modified()) << "the marked point was typed over";

    // The program's own text clears the history; the same text again leaves
    // the user's edits as they are.
    editor.SetText("Other");
    EXPECT_FALSE(editor.Modified());
    p.Undo(editor);
    EXPECT_EQ(editor.GetText(), "Other");
    p.Type(editor, "s");
    editor.SetText("Others");
    EXPECT_TRUE(editor.Modified());

    // A file loaded is a fresh document, even one that holds the text shown.
    test::WriteBytes(this->dir.File("same.txt"), "Others");
    ASSERT_TRUE(editor.LoadFile(this->dir.File("same.txt")));
    EXPECT_FALSE(editor.Modified());
    p.Undo(editor);
    EXPECT_EQ(editor.GetText(), "Others");
}

// Offsets are bytes of the CR LF text in every editor, whatever the widget
// counts: a find selects what it found, the user's typing after it replaces
// exactly that, and the next find goes on from there.
TYPED_TEST(EditorTwins, FindSelectsByTheTextsBytesPastLineEndsAndWideLetters) {
    IEditor& editor = this->editor;
    editor.SetText("Jos\u00e9 \U0001F600 m\u00fcller\r\n%\r\nM\u00fcller\t\u65e5\r\n");
    EXPECT_EQ(editor.Selection(), TextSpan{});
    const TextQuery query{"m\u00fcller", true, false, true};
    const auto first = editor.Find(query);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Span, (TextSpan{11, 7}));
    editor.Select(first->Span);
    EXPECT_EQ(editor.Selection(), first->Span);
    const auto second = editor.Find(query);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Span, (TextSpan{23, 7})) << "past the CR LF ends";
    editor.Select(second->Span);
    EXPECT_EQ(editor.Selection(), second->Span);
    editor.Select({34, 0});
    EXPECT_EQ(editor.Selection(), (TextSpan{34, 0})) << "after the wide letter";
}

TYPED_TEST(EditorTwins, LoadAndSaveKeepTheFilesLineEndsAndEncoding) {
    IEditor& editor = this->editor;
    const test::TempDir& dir = this->dir;
    editor.SetOnChange(this->Count());
    test::WriteBytes(dir.File("bom.txt"), "\xEF\xBB\xBF-- \nJos\xC3\xA9\n");
    test::WriteBytes(dir.File("latin.txt"), "caf\xE9\rMe\r");

    ASSERT_TRUE(editor.LoadFile(dir.File("bom.txt")));
    EXPECT_EQ(editor.GetText(), "-- \r\nJos\u00e9\r\n");
    EXPECT_FALSE(editor.Modified());
    this->p.Type(editor, "!");
    ASSERT_TRUE(editor.SaveFile(dir.File("bom.txt")));
    EXPECT_EQ(test::ReadBytes(dir.File("bom.txt")), "\xEF\xBB\xBF-- \nJos\xC3\xA9\n!");
    EXPECT_EQ(this->changes, 2);

    EXPECT_FALSE(editor.LoadFile(dir.File("absent.txt")));
    ASSERT_TRUE(editor.LoadFile(dir.File("latin.txt")));
    EXPECT_EQ(editor.GetText(), "caf\u00e9\r\nMe\r\n");
    ASSERT_TRUE(editor.LoadFile(dir.File("latin.txt")));
    EXPECT_EQ(this->changes, 3) << "a failed load and the same text again are no change";
    ASSERT_TRUE(editor.SaveFile(dir.File("copy.txt")));
    EXPECT_EQ(test::ReadBytes(dir.File("copy.txt")), "caf\xE9\rMe\r");
}

TYPED_TEST(Twins, CheckBoxAndScrollBarNotifyOncePerRealChange) {
    ICheckBox& box = this->p.window.AddCheckBox(Place("chkWrap"), "Enable Word Wrapping");
    box.SetOnClick(this->Count());
    box.SetValue(1);
    box.SetValue(1);
    this->p.Click(box);
    EXPECT_EQ(box.Value(), 0);
    box.SetValue(0);
    this->p.Click(box);
    EXPECT_EQ(box.Value(), 1);
    EXPECT_EQ(this->changes, 3);

    IScrollBar& bar = this->p.window.AddScrollBar(Place("HScroll1"), 40, 120, 1, 10, 65);
    bar.SetOnChange(this->Count());
    bar.SetValue(65);
    bar.SetValue(500);
    EXPECT_EQ(bar.Value(), 120) << "brought to the nearest end";
    bar.SetValue(-3);
    EXPECT_EQ(bar.Value(), 40);
    EXPECT_EQ(this->changes, 5);
    this->p.Drag(bar, 90);
    EXPECT_EQ(bar.Value(), 90);
    EXPECT_EQ(this->changes, 6) << "once, when the thumb is let go";
    this->p.Drag(bar, 90);
    bar.SetValue(90);
    EXPECT_EQ(this->changes, 6);
}

TYPED_TEST(Twins, TabControlNotifiesWithThePreviousTabForEveryRealChange) {
    auto& p = this->p;
    ITabControl& tabs = p.window.AddTabControl(Place("SSTab1"), {"Fixed", "Random", "Current"}, 400,
                                               ImageList(16, 15, {}));
    p.window.Show();
    std::vector<int> previous;
    tabs.SetOnChange([&](int tab) { previous.push_back(tab); });
    tabs.SetTab(2);
    tabs.SetTab(2);
    p.ClickTab(tabs, 1);
    p.ClickTab(tabs, 1);
    EXPECT_EQ(tabs.Tab(), 1);
    EXPECT_EQ(previous, (std::vector<int>{0, 2}));
}

// Whether a tick is due in about `period` milliseconds: a full period, as
// far as a coarse real timer keeps it.
::testing::AssertionResult DueIn(std::optional<std::int64_t> remaining, int period) {
    if (remaining && *remaining <= period * 21 / 20 && *remaining >= period * 9 / 10)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "next tick in " << (remaining ? std::to_string(*remaining) : "never");
}

TYPED_TEST(Twins, TimerEnablingOrANewIntervalStartsAFullPeriod) {
    auto& p = this->p;
    std::unique_ptr<ITimer> timer = p.MakeTimer();
    timer->SetOnTick(this->Count());
    timer->SetInterval(60000);
    EXPECT_FALSE(p.Remaining(*timer)) << "created disabled";
    p.RunToTick(*timer);
    EXPECT_EQ(this->changes, 0);

    timer->SetEnabled(true);
    p.RunToTick(*timer);
    EXPECT_EQ(this->changes, 1);
    EXPECT_TRUE(DueIn(p.Remaining(*timer), 60000)) << "and on, a period at a time";
    timer->SetInterval(1000);
    EXPECT_TRUE(DueIn(p.Remaining(*timer), 1000));
    timer->SetInterval(60000);
    EXPECT_TRUE(DueIn(p.Remaining(*timer), 60000));

    timer->SetEnabled(false);
    p.RunToTick(*timer);
    EXPECT_EQ(this->changes, 1);
    timer->SetInterval(2000);
    EXPECT_FALSE(p.Remaining(*timer)) << "a new interval does not enable it";
    timer->SetEnabled(true);
    EXPECT_TRUE(DueIn(p.Remaining(*timer), 2000));
}

}  // namespace
}  // namespace tagrota
