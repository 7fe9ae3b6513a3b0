#pragma once
// The editor of the collection: a Scintilla view (QScintilla) that holds
// texts of a hundred megabytes and more, where a QPlainTextEdit lays out the
// whole document and takes seconds and gigabytes.
//
// Its contract is that of every editor: the exact text, every line end read
// back as CR LF, a change notification for each change (the user's, and the
// program's when the text really changes), loads and saves through the
// text-file rules. Like the plain editor it holds its text as a string until
// the widget is first wanted; the Scintilla view is only made then. The view
// is filled a slice at a time across turns of the event loop, so that the
// rotation and the window go on meanwhile; while it fills, the view is read
// only, a note says that the text is still coming, and the text the program
// reads (and saves) is the whole string it holds.

#include <QObject>
#include <QTimer>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "platform/qt/QtWindow.h"

class QLabel;
class QsciScintilla;

namespace tagrota::qt {

class ScintillaFrame;

// Whether the control of this place is the collection's editor, which takes
// the Scintilla view; every other editor is the plain one (QtEditor).
bool HoldsCollection(const ControlPlace& place);

class QtScintillaEditor final : public QtControl, public IEditor {
public:
    QtScintillaEditor(QtWindow& window, const ControlPlace& place, IFileSystem& files);
    ~QtScintillaEditor() override;

    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    FileStatus LoadFile(const std::string& path) override;
    FileStatus SaveFile(const std::string& path) override;
    std::shared_ptr<const std::string> SharedText() const override;

    // The view, made and filled with the whole text first, at once.
    QsciScintilla* scintilla();
    // The view, if it has been made; it may still be filling.
    QsciScintilla* view() const { return view_; }
    // Whether the view holds the whole text.
    bool Filled() const { return view_ && !filling_; }
    // Whether the view is being filled.
    bool Filling() const { return filling_; }
    // The note shown while the text is still coming.
    QLabel* fillNote() const { return note_; }

    // Called by the frame the first time it shows or takes the focus.
    void FirstUse();
    void Resized();

private:
    void MakeView();
    // Starts filling the view with `held_`, the first slice at once.
    void StartFill();
    // Appends slices for a few milliseconds; ends the filling at the end.
    void FillStep();
    void EndFill();
    void ShowNote();
    // Puts text with CR LF line ends in place of the current one; a change
    // notifies.
    void Replace(std::string wanted);

    ScintillaFrame* frame_;
    QsciScintilla* view_ = nullptr;
    QLabel* note_ = nullptr;
    QTimer step_;
    EditorFileBacking backing_;
    // The whole text while the view does not hold it all (not made yet, or
    // filling); none for an empty text.
    std::shared_ptr<const std::string> held_;
    std::size_t filledTo_ = 0;  // bytes of `held_` in the view
    bool filling_ = false;
    std::function<void()> onChange_;
};

}  // namespace tagrota::qt
