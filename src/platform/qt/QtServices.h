#pragma once
// The real platform on Qt 6: settings store, message boxes, timers and the
// program directory.

#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/Controls.h"
#include "platform/Services.h"

class QSettings;

class QWidget;

namespace tagrota::qt {

// A text of the program (UTF-8) as Qt's.
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The per-user settings. On Linux and other Unix desktops an INI file,
// $XDG_CONFIG_HOME/<application>/<application>.ini (~/.config when the variable
// is unset), one group per section; on Windows the registry. Every text reads
// back exactly as it was written.
//
// A file that is not valid INI is read as far as it can be; since a save writes
// back only what was read, a copy of the damaged file is kept beside it first
// (<application>.ini.damaged). A file that could not be read, or copied when
// damaged, is never written over.
//
// Saves are kept until Flush (or the store's end) writes them, with everything
// else the file held, in one atomic replacement of the file: never key by key,
// and without a lock file. `files`, when given, is the file system the file is
// written through (tests make it fail).
//
// A store opened read only (`tagrota --print`) writes nothing at all: a
// damaged file is read as far as it goes, without a copy, and reported by
// ReadStatus; saves are dropped.
enum class SettingsAccess { ReadWrite, ReadOnly };

class QtSettingsStore final : public ISettingsStore {
public:
    explicit QtSettingsStore(IFileSystem* files = nullptr,
                             SettingsAccess access = SettingsAccess::ReadWrite);
    ~QtSettingsStore() override;
    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::string Where(const std::string& appName) override { return Location(appName); }
    FileStatus ReadStatus(const std::string& appName) override { return For(appName).read; }
    FileStatus SaveStatus(const std::string& appName) override { return For(appName).saved; }
    void Flush(const std::string& appName) override;

    // Where the application's settings live (a file path, or a registry key).
    static std::string Location(const std::string& appName);

private:
    struct Store {
        std::unique_ptr<QSettings> settings;
        FileStatus read, saved;
        bool mayWrite = true;
        std::map<QString, QString> pending;  // saved, not yet written
        bool dirty = false;
        std::unique_ptr<OwnFile> own;  // no signature is ever written into it
    };
    Store& For(const std::string& appName);
    StdFileSystem ownFiles_;
    IFileSystem& files_;
    bool readOnly_;
    std::map<std::string, Store> stores_;
};

// Modal message boxes over the active window.
// The window a dialog or message box of the program belongs to: the one that
// holds the user now, else the program's window in front, else the first one
// on the screen; none while no window is on the screen. Shown over it and
// modal to it alone, so the tray icon still answers.
QWidget* DialogOwner();

class QtMessageBox final : public IMessageBox {
public:
    int MsgBox(const std::string& text, int style, const std::string& title) override;
    int Choose(const std::string& text, int icon, const std::string& title,
               const std::vector<std::string>& buttons) override;
    void ShowNotice(const std::string& text, int style, const std::string& title) override;
};

// Starts programs as processes of their own, detached from this one.
class QtProgramLauncher final : public IProgramLauncher {
public:
    bool StartProgram(const std::string& path) override;
};

class QtTimer final : public ITimer {
public:
    QtTimer();
    void SetInterval(int milliseconds) override;
    int Interval() const override { return interval_; }
    void SetEnabled(bool enabled) override;
    bool Enabled() const override { return enabled_; }
    void SetOnTick(std::function<void()> handler) override { onTick_ = std::move(handler); }
    // The Qt timer underneath, whose schedule tests look at.
    QTimer& timer() { return timer_; }

private:
    void Apply();
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
    std::function<void()> onTick_;
};

// The folder that holds the running program.
std::string ProgramDirectory();

}  // namespace tagrota::qt
