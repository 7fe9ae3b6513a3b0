#pragma once
// The controls the program's logic works on, as interfaces. Every control keeps
// one rule: a change that the program makes raises the same notification as a
// user's change, and only when the value really changes.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/TextSearch.h"

namespace tagrota {

// A single-line or multi-line text box.
class ITextControl {
public:
    virtual ~ITextControl() = default;
    virtual std::string GetText() const = 0;
    // Raises the change notification when the text differs from the current one.
    virtual void SetText(const std::string& text) = 0;
    // Runs after every change of the text, the program's or the user's.
    virtual void SetOnChange(std::function<void()> handler) = 0;
    // A locked box shows its text for reading, selecting and copying; the user
    // cannot change it. The program still can. Unlocked at first.
    virtual bool Locked() const = 0;
    virtual void SetLocked(bool locked) = 0;
};

// A multi-line plain-text editor that loads and saves files. Its text has CR LF
// line ends whatever the file uses; it remembers how the file it loaded was
// written so that a save keeps that format.
class ITextEditor : public virtual ITextControl {
public:
    // Replaces the text with the file's text, as a fresh document: unmodified,
    // with nothing to undo, even where it holds the text shown already. On
    // failure the text is unchanged.
    // Contents read ahead are taken instead of reading the file again when
    // they are still the file's (see TakeOrReadTextFile).
    virtual FileStatus LoadFile(const std::string& path,
                                std::optional<PrefetchedText> prefetched = std::nullopt) = 0;
    // Writes the whole text to the file atomically, flushed to disk, in the
    // format of the file last loaded (CR LF and UTF-8 for text the editor did
    // not load).
    virtual FileStatus SaveFile(const std::string& path) = 0;
    // The format the next save writes, until a file is loaded: for a file the
    // program creates.
    virtual void SetSaveFormat(const TextFormat& format) = 0;
    // Whether the user's edits have moved the text away from the point where
    // the program last put it in place (a load, SetText or MarkUnmodified), as
    // a text editor's undo history counts it. A letter typed and deleted again
    // is a change; undoing back to that point is none. Typing the old text
    // again is not an undo: the text stays modified. The program's SetText or
    // load clears the undo history.
    virtual bool Modified() const = 0;
    // Takes the text as it is now as the unchanged one: after a save.
    virtual void MarkUnmodified() = 0;
    // A note over the text saying what the program is doing (reading a new
    // file for it); empty for none. An editor may show none at all.
    virtual void SetBusyNote(const std::string& note) { (void)note; }
    // The text as a string that stays as it is and may be kept. An editor that
    // holds its text as such a string hands out that one rather than a copy.
    virtual std::shared_ptr<const std::string> SharedText() const {
        return std::make_shared<const std::string>(GetText());
    }

    // The selection (or the caret, as an empty span), as byte offsets into
    // the text that GetText gives.
    virtual TextSpan Selection() const = 0;
    // Selects the span and scrolls it into view; the keyboard stays where it
    // is.
    virtual void Select(TextSpan span) = 0;
    // The query's match from the selection on (FindInText), in this text.
    virtual std::optional<TextFound> Find(const TextQuery& query) const {
        return FindInText(*SharedText(), query, Selection());
    }
    // Gives the editor the keyboard.
    virtual void TakeFocus() {}
};

// The file side of an editor, shared by every implementation: loads through
// the text-file rules and remembers the format for the next save.
class EditorFileBacking {
public:
    explicit EditorFileBacking(IFileSystem& files) : files_(files) {}
    // Reads the file (or takes its prefetched contents) and hands its text
    // (CR LF line ends) over to `setText`; on failure nothing is set.
    FileStatus Load(const std::string& path, const std::function<void(std::string&&)>& setText,
                    std::optional<PrefetchedText> prefetched = std::nullopt);
    FileStatus Save(const std::string& path, std::string_view text);
    const TextFormat& Format() const { return format_; }
    void SetFormat(const TextFormat& format) { format_ = format; }

private:
    IFileSystem& files_;
    TextFormat format_;
};

// A timer that ticks every Interval() milliseconds while enabled. Enabling it,
// or changing the interval while it is enabled, starts a full period afresh.
class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void SetInterval(int milliseconds) = 0;
    virtual int Interval() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetOnTick(std::function<void()> handler) = 0;
};

// Work on a thread beside the user interface, started by
// IUserInterface::RunBeside. Its end runs on the user-interface thread, on a
// later turn of the event loop.
class IBackgroundWork {
public:
    // Waits for the work to end; the end does not run after this.
    virtual ~IBackgroundWork() = default;
    // Whether the work and its end have run.
    virtual bool Done() const = 0;
};

}  // namespace tagrota
