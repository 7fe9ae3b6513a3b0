#pragma once
// Tray mode: while it is on, the program lives as an icon in the desktop's
// notification area. The icon's menu brings the main window back or closes
// it or rotates at once, a double-click brings it back, and the right button opens the menu.
//
// The main window owns its tray mode and hands it what it works on: the
// window, the tray shell the icon lives in, and the program's flag that
// records whether tray mode is on.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/ProgramState.h"
#include "platform/TrayShell.h"
#include "platform/Window.h"
#include "tray/frmSysTray.h"

namespace tagrota {

class TrayMode {
public:
    TrayMode(IWindow& window, ITrayShell& shell, Boolean& inSysTray);
    TrayMode(const TrayMode&) = delete;
    TrayMode& operator=(const TrayMode&) = delete;

    // Tray mode on and off, and the removal of the tray icon at closing.
    void EnterTrayMode();
    void LeaveTrayMode();
    void RemoveTrayIcon();

    // The menu's Next Quotation and Never This One Again.
    std::function<void()> onNextQuotation;
    std::function<void()> onNeverAgain;

    // The tray icon while tray mode is on; empty otherwise.
    const std::shared_ptr<frmSysTray>& Icon() const { return m_frmSysTray; }

private:
    // The tray icon's events.
    void m_frmSysTray_MenuClick(std::int32_t lIndex, const std::string& sKey);
    void m_frmSysTray_SysTrayDoubleClick(std::int32_t eButton);
    void m_frmSysTray_SysTrayMouseDown(std::int32_t eButton);

    IWindow& window_;
    ITrayShell& shell_;
    Boolean& inSysTray_;
    std::shared_ptr<frmSysTray> m_frmSysTray;
};

}  // namespace tagrota
