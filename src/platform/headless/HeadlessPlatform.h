#pragma once
// In-memory controls and services with a virtual clock, for tests: a test
// advances time, types into editors, answers message boxes and reads back
// everything the program did.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/Controls.h"
#include "platform/Services.h"

namespace tagrota::headless {

class HeadlessPlatform;

// A text box that holds its text in memory.
class TextControl : public virtual ITextControl {
public:
    std::string GetText() const override { return text_; }
    void SetText(const std::string& text) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    bool Locked() const override { return locked_; }
    void SetLocked(bool locked) override { locked_ = locked; }

    // What a user's typing does: the text becomes this one, unless the box is
    // locked.
    virtual void Type(const std::string& text);

protected:
    // Puts the text in place and notifies, when it differs.
    void Assign(const std::string& text);

private:
    std::string text_;
    bool locked_ = false;
    std::function<void()> onChange_;
};

// An editor over a file system; loads and saves go through the same text-file
// rules as the real editor, and its text has CR LF line ends. Each Type is one
// step of its undo history, which the program's own SetText or load clears, as
// the real editors' loads do.
class TextEditor : public TextControl, public virtual ITextEditor {
public:
    explicit TextEditor(IFileSystem& files) : backing_(files) {}
    using TextControl::GetText;
    using TextControl::SetOnChange;
    using TextControl::SetText;
    FileStatus LoadFile(const std::string& path,
                        std::optional<PrefetchedText> prefetched = std::nullopt) override;
    FileStatus SaveFile(const std::string& path) override;
    void SetSaveFormat(const TextFormat& format) override { backing_.SetFormat(format); }
    bool Modified() const override { return step_ != clean_; }
    void MarkUnmodified() override { clean_ = step_; }
    void SetText(const std::string& text) override;
    void Type(const std::string& text) override;
    // What the user's undo does: takes back the last Type, if any is left;
    // redo types it again, until the next Type.
    void Undo();
    void Redo();
    TextSpan Selection() const override;
    void Select(TextSpan span) override { selection_ = span; }
    void TakeFocus() override { ++focusTaken; }

    const TextFormat& Format() const { return backing_.Format(); }
    // How often the program gave it the keyboard.
    int focusTaken = 0;

private:
    EditorFileBacking backing_;
    // The texts of the undo history, the one shown at `step_`; `clean_` is
    // the step the program put in place or marked, none once it is undone
    // and typed over.
    std::vector<std::string> history_{std::string()};
    std::size_t step_ = 0;
    std::optional<std::size_t> clean_ = 0;
    TextSpan selection_;
};

class Timer final : public ITimer {
public:
    explicit Timer(HeadlessPlatform& platform);
    ~Timer() override;
    void SetInterval(int milliseconds) override;
    int Interval() const override { return interval_; }
    void SetEnabled(bool enabled) override;
    bool Enabled() const override { return enabled_; }
    void SetOnTick(std::function<void()> handler) override { onTick_ = std::move(handler); }
    // Milliseconds of virtual time until its next tick; none while it does
    // not run.
    std::optional<std::int64_t> Remaining() const;

private:
    friend class HeadlessPlatform;
    void Restart();

    HeadlessPlatform& platform_;
    int interval_ = 0;
    bool enabled_ = false;
    std::int64_t due_ = 0;
    bool ticking_ = false;  // its handler runs
    std::function<void()> onTick_;
};

// Records every message box and answers from a script; with nothing scripted
// it presses OK (No for a Yes/No box, Cancel where there is one, and the last
// button of a Choose).
class MessageBox final : public IMessageBox {
public:
    struct Shown {
        std::string text;
        int style;  // for a Choose, its icon
        std::string title;
        std::vector<std::string> buttons = {};  // a Choose's own buttons
        bool modal = true;                      // false: shown as a notice, which waits for no one
    };
    int MsgBox(const std::string& text, int style, const std::string& title) override;
    // The scripted answer is the index of the button.
    int Choose(const std::string& text, int icon, const std::string& title,
               const std::vector<std::string>& buttons) override;
    // Recorded like a box, but the program goes on at once: `whileOpen` does
    // not run for it.
    void ShowNotice(const std::string& text, int style, const std::string& title) override;

    void Answer(int button) { answers_.push_back(button); }
    std::vector<Shown> shown;
    // Runs while a box is open, as a user's other actions could (for testing
    // what happens during a modal message box).
    std::function<void()> whileOpen;

private:
    std::deque<int> answers_;
};

// Starts nothing: records each start asked for. A start fails, as a real one
// would, when no file exists at the path, and also when told to.
class ProgramLauncher final : public IProgramLauncher {
public:
    explicit ProgramLauncher(IFileSystem& files) : files_(files) {}
    bool StartProgram(const std::string& path) override;

    std::vector<std::string> asked, started;
    bool failAll = false;

private:
    IFileSystem& files_;
};

// The settings store as a map; `saves` lists every key written, in order. A
// test can make it damaged (`readStatus`) or make its saves fail with a reason
// (`failSaves`), which then store nothing.
class SettingsStore final : public ISettingsStore {
public:
    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::string Where(const std::string& appName) override { return "/settings/" + appName; }
    FileStatus ReadStatus(const std::string&) override { return readStatus; }
    FileStatus SaveStatus(const std::string&) override { return saveStatus_; }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<std::string> saves;
    FileStatus readStatus;
    std::string failSaves;

private:
    FileStatus saveStatus_;
};

// The real file system, with reads and writes of chosen paths made to fail
// with a system's reason; `writes` counts every replacement asked for.
// `readOnly` holds files and folders this user may not change: such a file is
// not replaced and nothing is created in such a folder; a writable file in
// such a folder is rewritten in place, as the real one would be, its backup
// kept in the backup folder of `real`.
class FaultyFileSystem final : public IFileSystem {
public:
    bool FileExists(const std::string& path) override { return real.FileExists(path); }
    bool FolderExists(const std::string& path) override { return real.FolderExists(path); }
    bool IsMissing(const std::string& path) override { return real.IsMissing(path); }
    std::optional<std::uint64_t> FileSize(const std::string& path) override {
        return real.FileSize(path);
    }
    bool SameFile(const std::string& a, const std::string& b) override {
        return real.SameFile(a, b);
    }
    std::optional<std::size_t> FindSameFile(const std::string& path,
                                            const std::vector<std::string>& candidates) override {
        return real.FindSameFile(path, candidates);
    }
    FileContents ReadFile(const std::string& path) override;
    bool MayRead(const std::string& path) override { return !failReads.count(path); }
    std::optional<FileStamp> Stamp(const std::string& path) override { return real.Stamp(path); }
    FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                               Durability durability) override;
    FileStatus CreateNewFile(const std::string& path, std::string_view bytes) override;
    std::optional<std::string> FindLeftBackup(const std::string& path) override {
        return real.FindLeftBackup(path);
    }
    FileStatus RestoreFromBackup(const std::string& path) override {
        return real.RestoreFromBackup(path);
    }
    FileStatus KeepBackupAs(const std::string& backup, const std::string& kept) override {
        return real.KeepBackupAs(backup, kept);
    }

    // How often the file was read, by any thread.
    int Reads(const std::string& path) const;

    std::set<std::string> failReads, failWrites, readOnly;
    // Told of every file written, with its bytes, as soon as it is written.
    std::function<void(const std::string& path, std::string_view bytes)> onWritten;
    bool failAllWrites = false;
    std::string failWriteReason = "No space left on device";
    int writes = 0;
    StdFileSystem real;

private:
    mutable std::mutex readsGuard_;
    std::map<std::string, int> reads_;
};

class Clock final : public IClock {
public:
    explicit Clock(const HeadlessPlatform& platform) : platform_(platform) {}
    double SecondsSinceMidnight() override;

private:
    const HeadlessPlatform& platform_;
};

// The virtual clock and the timers on it.
class HeadlessPlatform {
public:
    // Virtual time starts at `startOfDay` seconds after midnight.
    explicit HeadlessPlatform(double startOfDay = 8 * 3600.0) : startOfDay_(startOfDay) {}

    std::unique_ptr<Timer> CreateTimer() { return std::make_unique<Timer>(*this); }

    // Moves virtual time forward, firing every timer that falls due, in order of
    // its due time (creation order for ties). As with real timers, a timer does
    // not fire again while its own handler runs (a modal box inside it, say):
    // the ticks due meanwhile are lost.
    void Advance(std::int64_t milliseconds);
    std::int64_t Now() const { return now_; }
    double StartOfDay() const { return startOfDay_; }

    Clock clock{*this};

private:
    friend class Timer;
    std::int64_t now_ = 0;
    double startOfDay_;
    std::vector<Timer*> timers_;
};

}  // namespace tagrota::headless
