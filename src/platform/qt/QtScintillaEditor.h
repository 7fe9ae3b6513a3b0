#pragma once
// The editor of the collection: a Scintilla view (QScintilla) that holds
// texts of a hundred megabytes and more, where a QPlainTextEdit lays out the
// whole document and takes seconds and gigabytes.
//
// Its contract is that of every editor: the exact text, every line end read
// back as CR LF, a change notification for each change (the user's, and the
// program's when the text really changes), loads and saves through the
// text-file rules. Like the plain editor it holds its text as a string until
// the widget is first wanted; the Scintilla view is only made then. A large
// text is put into a document of its own on a thread of its own, while the
// view shows its first lines and the rotation and the window go on; the view
// then takes the whole document at once. Meanwhile the view is read only, a
// note says that the text is still coming, and the text the program reads
// (and saves) is the whole string it holds.
//
// The view comes from a module loaded when it is first wanted
// (ScintillaModule.h). Where the module cannot be loaded, the editor says so
// and why in place of the view, and keeps its text as the program gave it:
// it reads, saves and takes new text as before, unmodified.

#include <QObject>
#include <QTimer>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/qt/QtWindow.h"

class QLabel;
class QsciScintilla;

namespace tagrota::qt {

class ScintillaFrame;
class IScintillaView;

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
    FileStatus LoadFile(const std::string& path,
                        std::optional<PrefetchedText> prefetched = std::nullopt) override;
    FileStatus SaveFile(const std::string& path) override;
    void SetSaveFormat(const TextFormat& format) override { backing_.SetFormat(format); }
    std::shared_ptr<const std::string> SharedText() const override;
    bool Locked() const override { return locked_; }
    void SetLocked(bool locked) override;
    bool Modified() const override;
    void MarkUnmodified() override;
    void SetBusyNote(const std::string& note) override;
    // A view with lone CR or LF line ends (rare: Enter and pasting give CR LF)
    // selects by its own bytes, where each of them is one.
    TextSpan Selection() const override;
    void Select(TextSpan span) override;
    // Searched in the view's own bytes, without a copy.
    std::optional<TextFound> Find(const TextQuery& query) const override;
    void TakeFocus() override;

    // The view, made and filled with the whole text first, at once.
    QsciScintilla* scintilla();
    // The view, if it has been made; it may still be filling.
    QsciScintilla* view() const;
    // Whether the view holds the whole text.
    bool Filled() const { return view_ && !filling_; }
    // Whether the whole text is still being made ready for the view.
    bool Filling() const { return filling_; }
    // The note shown while the text is still coming.
    QLabel* fillNote() const { return note_; }
    // Why no view could be made, in place of the view; none while all is well.
    QLabel* failureNote() const { return failure_; }

    // Called by the frame the first time it shows or takes the focus.
    void FirstUse();
    void Resized();

private:
    void MakeView();
    // Puts `held_` into the view: a short text at once; a long one shows its
    // first lines at once and is loaded into a document of its own.
    void StartFill();
    // While loading: the note brought up to date, and once the document is
    // complete, the view given it. With `wait`, waits for it first.
    void CheckLoad(bool wait);
    // Stops a load under way and drops its document.
    void CancelLoad();
    void EndFill();
    void ShowNote();
    // After every event of the view: a change of its text is told.
    void AfterEvent();
    // Puts text with CR LF line ends in place of the current one; a change
    // notifies.
    // `fresh`: a file loaded, which starts the document anew even where it
    // holds the text shown.
    void Replace(std::string wanted, bool fresh = false);

    ScintillaFrame* frame_;
    std::unique_ptr<IScintillaView> view_;
    QLabel* note_ = nullptr;
    QLabel* failure_ = nullptr;
    QTimer poll_;
    EditorFileBacking backing_;
    // The whole text while the view does not hold it all (not made yet, or
    // loading); none for an empty text.
    std::shared_ptr<const std::string> held_;
    bool filling_ = false;  // the view is loading the text
    bool locked_ = false;   // read only for the user, also once filled
    bool changed_ = false;  // the text changed since the last notification
    std::string busy_;      // the program's note, shown while no fill is
    std::function<void()> onChange_;
};

}  // namespace tagrota::qt
