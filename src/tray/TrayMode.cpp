// Tray mode: the "Place in System Tray" check box, and the main window's
// answers to the tray icon's menu, double-click and mouse press.

#include "mainwindow/frmMain.h"
#include "platform/VersionInfo.h"

namespace tagrota {

void frmMain::chkSysTray_Click() {
    if (chkSysTray->Value() != 0)
        EnterTrayMode();
    else
        LeaveTrayMode();
}

void frmMain::EnterTrayMode() {
    state.InSysTray = true;
    RemoveTrayIcon();  // never two icons
    frmSysTray::Events events;
    events.MenuClick = [this](std::int32_t lIndex, const std::string& sKey) {
        m_frmSysTray_MenuClick(lIndex, sKey);
    };
    events.SysTrayDoubleClick = [this](std::int32_t eButton) {
        m_frmSysTray_SysTrayDoubleClick(eButton);
    };
    events.SysTrayMouseDown = [this](std::int32_t eButton) {
        m_frmSysTray_SysTrayMouseDown(eButton);
    };
    m_frmSysTray =
        frmSysTray::Create(s_.trayShell, std::move(events), ProgramVersion().FileDescription);
    m_frmSysTray->AddMenuItem("&Restore Tagrota!", "open", true);
    m_frmSysTray->AddMenuItem("-", "", false);
    m_frmSysTray->AddMenuItem("&Close", "close", false);
    m_frmSysTray->ToolTip("Tagrota! Signature Changer");
    m_frmSysTray->IconHandle(window->IconHandle());
}

void frmMain::LeaveTrayMode() {
    state.InSysTray = false;
    RemoveTrayIcon();
}

void frmMain::RemoveTrayIcon() {
    // Released here; a call of the component still running keeps it alive
    // until it returns.
    if (auto tray = std::move(m_frmSysTray)) tray->Unload();
}

void frmMain::m_frmSysTray_MenuClick(std::int32_t /*lIndex*/, const std::string& sKey) {
    if (sKey == "open") {
        window->SetState(WindowState::Normal);
        window->Show();
        window->BringToFront();
    } else if (sKey == "close") {
        window->Close(UnloadMode::FormCode);
    }
}

void frmMain::m_frmSysTray_SysTrayDoubleClick(std::int32_t /*eButton*/) {
    // A minimised window comes back normal: shown but still minimised, it
    // would not appear at all.
    if (window->State() == WindowState::Minimized) window->SetState(WindowState::Normal);
    window->Show();
    window->BringToFront();
}

void frmMain::m_frmSysTray_SysTrayMouseDown(std::int32_t eButton) {
    if (eButton == 2 && m_frmSysTray) m_frmSysTray->ShowMenu();
}

}  // namespace tagrota
