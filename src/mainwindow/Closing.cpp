// Closing, from whatever source: the settings written back, the tray icon
// removed, and the program ended. Unsaved edits are not asked about.

#include "engine/Settings.h"
#include "mainwindow/frmMain.h"

namespace tagrota {

void frmMain::Form_QueryUnload(bool& /*cancel*/, UnloadMode /*unloadMode*/) {
    // A minimised window keeps the geometry of the last close in which it was
    // not minimised.
    std::optional<WindowGeometry> geometry;
    if (window->State() != WindowState::Minimized) {
        const Rect r = window->Bounds();
        geometry = WindowGeometry{static_cast<float>(r.Left), static_cast<float>(r.Top),
                                  static_cast<float>(r.Width), static_cast<float>(r.Height)};
    }
    WriteSettings(s_.settings, state, geometry);
    s_.settings.Flush(kAppName);  // all thirteen keys reach the file at once
    // The program ends anyway; the user should not believe the settings kept.
    if (const FileStatus saved = s_.settings.SaveStatus(kAppName); !saved)
        s_.messages.MsgBox("Tagrota could not save its settings to " + s_.settings.Where(kAppName) +
                               ": " + saved.reason + ".\r\n" +
                               "The next start uses the settings saved before.",
                           MsgBoxStyle::Exclamation, kAppName);
    if (state.InSysTray) RemoveTrayIcon();
}

void frmMain::Form_Unload() {
    // The timers go with the window.
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
    if (onClosed) onClosed();
}

}  // namespace tagrota
