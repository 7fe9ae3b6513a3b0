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
    if (state.InSysTray) RemoveTrayIcon();
}

void frmMain::Form_Unload() {
    // The timers go with the window.
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
    if (onClosed) onClosed();
}

}  // namespace tagrota
