// What comes from outside, on the real widgets offscreen: characters outside
// the Basic Multilingual Plane typed into the Random tab, drops on the
// window and its editors, and files that another program changes under the
// real file watch.

#include <gtest/gtest.h>

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QThread>
#include <QUrl>
#include <chrono>
#include <filesystem>
#include <functional>

#include "QtServices.h"
#include "TestSupport.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/qt/QtScintillaEditor.h"
#include "platform/qt/QtTextControls.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

class QtOutside : public ::testing::Test, protected test::QtServices {
protected:
    void Start(const std::string& collection) {
        test::WriteBytes(quotes, collection);
        test::WriteBytes(fixed, "-- \r\nMe\r\n");
        store.values[{kAppName, kSettingsSection, "RandomFile"}] = quotes;
        form = std::make_unique<frmMain>(For(dir.Path().string()));
        form->Form_Load();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        if (form) form->window->Close(UnloadMode::FormControlMenu);
    }
    // Lets the event loop run until the condition holds; false if it never
    // does within a long while.
    static bool Until(const std::function<bool()>& holds) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!holds()) {
            if (std::chrono::steady_clock::now() > giveUp) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        return true;
    }
    std::size_t Notices() const {
        std::size_t n = 0;
        for (const auto& box : messages.shown) n += !box.modal;
        return n;
    }
    QWidget* FixedViewport() const {
        return dynamic_cast<qt::QtEditor&>(*form->txtFixedSig).textEdit()->viewport();
    }
    // A drag of the data entered, moved and dropped on the widget, as a
    // file manager or another program's window would.
    static void Drop(QWidget* widget, QMimeData& data) {
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        QCoreApplication::processEvents();
    }

    test::TempDir dir;
    const std::string quotes = dir.File("quotes.txt"), fixed = dir.File("fixed.txt");
    std::unique_ptr<frmMain> form;
};

TEST_F(QtOutside, EveryTypedCharacterIsKeptAndAWindows1252CollectionTurnsUtf8) {
    // "é" as Windows-1252 writes it: the file is not UTF-8.
    Start("Caf\xe9 one\r\n%\r\nTwo\r\n");
    form->Toolbar1_ButtonClick("Random");
    QCoreApplication::processEvents();
    QsciScintilla* view = dynamic_cast<qt::QtScintillaEditor&>(*form->txtRandom).scintilla();
    ASSERT_NE(view, nullptr);
    view->SendScintilla(QsciScintillaBase::SCI_DOCUMENTSTART);
    // One key each, as the keyboard gives them: the emoji as the two UTF-16
    // units of one character.
    for (const QString& key : {QStringLiteral("T"), QString::fromUtf8("\xF0\x9F\x98\x80"),
                               QStringLiteral("Y"), QString::fromUtf8("\xE2\x82\xAC")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QApplication::sendEvent(view, &press);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(form->txtRandom->GetText(),
              "T\xF0\x9F\x98\x80Y\xE2\x82\xAC"
              "Caf\xC3\xA9 one\r\n%\r\nTwo\r\n");
    EXPECT_TRUE(form->state.RandomDirty);
    form->Toolbar1_ButtonClick("Save");
    EXPECT_EQ(test::ReadBytes(quotes),
              "T\xF0\x9F\x98\x80Y\xE2\x82\xAC"
              "Caf\xC3\xA9 one\r\n%\r\nTwo\r\n");
}

TEST_F(QtOutside, AFileDroppedOnAnEditorIsOfferedAsTheCollectionAndTextIsInsertedAsText) {
    Start("One\r\n%\r\nTwo\r\n");
    const std::string other = dir.File("other.txt");
    test::WriteBytes(other, "Other\r\n%\r\n");

    // On the Fixed editor: its address never goes into the text.
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    file.setText(QUrl::fromLocalFile(QString::fromStdString(other)).toString());
    messages.Answer(MsgBoxResult::Yes);
    Drop(FixedViewport(), file);
    EXPECT_EQ(form->txtFixedSig->GetText(), "-- \r\nMe\r\n");
    ASSERT_TRUE(Until([&] { return form->txtRandom->GetText() == "Other\r\n%\r\n"; }));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Collection Change");
    EXPECT_EQ(form->state.Files.CollectionInUse(), other);
    EXPECT_FALSE(form->state.FixedDirty);

    // Anywhere else on the window, the same question.
    messages.Answer(MsgBoxResult::No);
    Drop(dynamic_cast<qt::QtWindow&>(*form->window).clientArea(), file);
    test::WriteBytes(quotes, "One\r\n%\r\nTwo\r\n");
    QMimeData back;
    back.setUrls({QUrl::fromLocalFile(QString::fromStdString(quotes))});
    Drop(dynamic_cast<qt::QtWindow&>(*form->window).clientArea(), back);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(form->state.Files.RandomPath(), quotes);
    EXPECT_EQ(form->state.Files.CollectionInUse(), other);

    // Text goes in as text, where it is dropped.
    QMimeData text;
    text.setText(QStringLiteral("Dropped"));
    Drop(FixedViewport(), text);
    EXPECT_NE(form->txtFixedSig->GetText().find("Dropped"), std::string::npos);
    EXPECT_TRUE(form->state.FixedDirty);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(QtOutside, OutsideChangesArriveByThemselvesThroughRenamesRewritesAndRemovals) {
    Start("One\r\n%\r\nTwo\r\n");
    auto fixedText = [&] { return form->txtFixedSig->GetText(); };

    // An editor that writes a new file and renames it over the old one.
    test::WriteBytes(dir.File("fixed.txt.new"), "-- \r\nRenamed\r\n");
    fs::rename(dir.File("fixed.txt.new"), fixed);
    ASSERT_TRUE(Until([&] { return fixedText() == "-- \r\nRenamed\r\n"; }));
    // The watch follows the new file: a rewrite in place arrives as well.
    test::WriteBytes(fixed, "-- \r\nRewritten\r\n");
    ASSERT_TRUE(Until([&] { return fixedText() == "-- \r\nRewritten\r\n"; }));
    form->NextQuotation();
    EXPECT_EQ(test::ReadBytes(dir.File("sig.txt")).rfind("-- \nRewritten\n", 0), 0u);

    // The collection: the next rotation draws from what it now holds.
    test::WriteBytes(quotes, "Three\r\n%\r\n");
    ASSERT_TRUE(Until([&] { return form->txtRandom->GetText() == "Three\r\n%\r\n"; }));
    form->NextQuotation();
    EXPECT_EQ(test::ReadBytes(dir.File("sig.txt")), "-- \nRewritten\n\nThree\n");

    // Removed: told once, the text kept; made again: taken.
    fs::remove(fixed);
    ASSERT_TRUE(Until([&] { return Notices() == 1; }));
    EXPECT_EQ(fixedText(), "-- \r\nRewritten\r\n");
    test::WriteBytes(fixed, "-- \r\nBack\r\n");
    ASSERT_TRUE(Until([&] { return fixedText() == "-- \r\nBack\r\n"; }));
    EXPECT_EQ(Notices(), 1u);
}

}  // namespace
}  // namespace tagrota
