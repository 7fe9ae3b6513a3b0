// Closing, from whatever source: unsaved edits asked about (or, where nobody
// can be asked, kept in recovery files), the settings written back, the tray
// icon removed, and the program ended.

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/TextFile.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

// Where the settings note the recovery files for the next start, one key per
// tab.
constexpr const char* kRecoverySection = "Recovery";
constexpr const char* kRecoveryKeys[] = {"Fixed", "Random"};

// "2026-12-06-202144": when the recovery file was written, in local time.
std::string Now() {
    const std::time_t now = std::time(nullptr);
    char text[32] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", local);
    return text;
}

// The question about a backup that a save left when the program was ended.
std::string BackupQuestion(const std::string& path, const std::string& pathBytes,
                           const std::string& backup, const std::string& backupBytes,
                           const std::string& kept) {
    return Format(Tr("Closing",
                     "Tagrota was ended last time while it saved %1, so that file may have been "
                     "cut short. Its text from before that save was kept whole in %2 (%3; the "
                     "file now holds %4).\r\n\r\n"
                     "Restore %1 from its backup?\r\n\r\n"
                     "No leaves the file as it is and keeps the backup as %5, which Tagrota does "
                     "not use or remove."),
                  {path, backup, backupBytes, pathBytes, kept});
}

}  // namespace

void frmMain::Form_QueryUnload(bool& cancel, UnloadMode unloadMode) {
    // Cancelled: the program runs on as it was, nothing written.
    if (!SettleUnsavedAtClosing(unloadMode)) {
        cancel = true;
        return;
    }
    // A minimised window keeps the geometry of the last close in which it was
    // not minimised.
    std::optional<WindowGeometry> geometry;
    if (window->State() != WindowState::Minimized) {
        const Rect r = window->Bounds();
        geometry = WindowGeometry{static_cast<float>(r.Left), static_cast<float>(r.Top),
                                  static_cast<float>(r.Width), static_cast<float>(r.Height)};
    }
    WriteSettings(s_.settings, state, geometry);
    s_.settings.Flush(kAppName);  // every key reaches the file at once
    // The program ends anyway; the user should not believe the settings kept.
    if (const FileStatus saved = s_.settings.SaveStatus(kAppName); !saved)
        s_.messages.MsgBox(Format(Tr("Closing",
                                     "Tagrota could not save its settings to %1: %2.\r\n"
                                     "The next start uses the settings saved before."),
                                  {s_.settings.Where(kAppName), saved.reason}),
                           MsgBoxStyle::Exclamation, kAppName);
    if (state.InSysTray) trayMode->RemoveTrayIcon();
}

void frmMain::Form_Unload() {
    // The timers go with the window.
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
    if (onClosed) onClosed();
}

bool frmMain::SettleUnsavedAtClosing(UnloadMode mode) {
    if (!state.FixedDirty && !state.RandomDirty) return true;
    bool mayAsk = mode == UnloadMode::FormControlMenu || mode == UnloadMode::FormCode;
    if (mode == UnloadMode::AppWindows && mayAskAtSessionEnd) mayAsk = mayAskAtSessionEnd();
    if (!mayAsk) {
        WriteRecoveryFiles();
        return true;
    }
    for (int tab : {TabIndex::Fixed, TabIndex::Random}) {
        if (!*FileOfTab(tab).dirty) continue;
        // The user sees the text the question is about.
        if (window->Visible() && window->State() != WindowState::Minimized) SSTab1->SetTab(tab);
        if (!SettleUnsaved(tab, Tr("Closing", "Save them to %1 before Tagrota closes?")))
            return false;
    }
    return true;
}

// Beside the original, under a name no file of the user's has: never over
// anything, not even through a link planted there. Where that folder takes no
// new file, the program folder.
void frmMain::WriteRecoveryFiles() {
    for (int tab : {TabIndex::Fixed, TabIndex::Random}) {
        const TabFile f = FileOfTab(tab);
        if (!*f.dirty) continue;
        const std::string bytes = EncodeText(f.editor->GetText(), TextFormat{});
        const std::filesystem::path original(f.path);
        const std::string name = original.filename().string() + ".recovered-" + Now();
        std::vector<std::filesystem::path> folders{original.parent_path()};
        if (!s_.programDir.empty() && s_.programDir != folders.front().string())
            folders.emplace_back(s_.programDir);
        std::string written;
        for (const std::filesystem::path& folder : folders) {
            for (int n = 1; n <= 9 && written.empty(); ++n) {
                const std::string path =
                    (folder / (n == 1 ? name : name + "-" + std::to_string(n))).string();
                if (s_.files.CreateNewFile(path, bytes)) written = path;
            }
            if (!written.empty()) break;
        }
        if (!written.empty())
            s_.settings.SaveSetting(kAppName, kRecoverySection, kRecoveryKeys[tab], written);
    }
}

void frmMain::TellOfRecoveryFiles() {
    std::string kept;
    for (int tab : {TabIndex::Fixed, TabIndex::Random}) {
        const std::string path =
            s_.settings.GetSetting(kAppName, kRecoverySection, kRecoveryKeys[tab], "");
        if (path.empty()) continue;
        s_.settings.SaveSetting(kAppName, kRecoverySection, kRecoveryKeys[tab], "");
        // One the user has already dealt with is not named.
        if (!s_.files.FileExists(path)) continue;
        // Each path on a line of its own, shown whole.
        kept += "\r\n" +
                (tab == TabIndex::Fixed ? Tr("Closing", "Your fixed signature:")
                                        : Tr("Closing", "Your signature collection:")) +
                "\r\n\t" + path;
    }
    if (kept.empty()) return;
    s_.messages.MsgBox(
        Format(Tr("Closing",
                  "Tagrota was ended last time (by the system or another program) while it held "
                  "changes that were not saved. They were kept in files of their own:%1\r\n\r\n"
                  "Your own files were left as they were last saved. Open the kept files to take "
                  "what you need from them; Tagrota does not use or remove them."),
               {kept}),
        MsgBoxStyle::Information, kAppName);
}

// A save that must keep the file (it has a second name, or its folder takes no
// new file) rewrites it in place behind a whole backup. A run ended midway
// leaves the backup, and the file perhaps cut short: the user chooses, as in
// any careful editor, between the backup and the file as it is; neither is
// dropped unasked.
void frmMain::OfferLeftBackups() {
    for (const std::string& path : {FixedSignaturePath(s_.programDir), state.Files.RandomPath()}) {
        const std::optional<std::string> backup = s_.files.FindLeftBackup(path);
        if (!backup) continue;
        const std::string kept =
            backup->substr(0, backup->size() - std::min(backup->size(), kBackupSuffix.size())) +
            ".backup-" + Now();
        const auto bytes = [&](const std::string& file) {
            const std::optional<std::uint64_t> size = s_.files.FileSize(file);
            return size ? Format(Tr("Closing", "%1 bytes"), {std::to_string(*size)})
                        : Tr("Closing", "nothing");
        };
        const int answer =
            s_.messages.MsgBox(BackupQuestion(path, bytes(path), *backup, bytes(*backup), kept),
                               MsgBoxStyle::YesNo + MsgBoxStyle::Exclamation, kAppName);
        if (answer != MsgBoxResult::Yes) {
            s_.files.KeepBackupAs(*backup, kept);
            continue;
        }
        if (const FileStatus restored = s_.files.RestoreFromBackup(path); !restored)
            s_.messages.MsgBox(Format(Tr("Closing",
                                         "%1 could not be restored from its backup: %2.\r\n"
                                         "The backup stays in %3."),
                                      {path, restored.reason, *backup}),
                               MsgBoxStyle::Exclamation, kAppName);
    }
}

}  // namespace tagrota
