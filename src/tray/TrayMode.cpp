// Tray mode: the tray icon with its menu, and the main window's answers to
// the icon's menu, double-click and mouse press.

#include "tray/TrayMode.h"

#include "platform/Translate.h"
#include "platform/VersionInfo.h"

namespace tagrota {

TrayMode::TrayMode(IWindow& window, ITrayShell& shell, Boolean& inSysTray)
    : window_(window), shell_(shell), inSysTray_(inSysTray) {}

void TrayMode::EnterTrayMode() {
    inSysTray_ = true;
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
    m_frmSysTray = frmSysTray::Create(shell_, std::move(events), ProgramVersion().FileDescription);
    m_frmSysTray->AddMenuItem(Tr("TrayMode", "&Restore Tagrota!"), "open", true);
    m_frmSysTray->AddMenuItem(Tr("TrayMode", "&Next Quotation"), "next", false);
    m_frmSysTray->AddMenuItem(Tr("TrayMode", "Ne&ver This One Again"), "never", false);
    m_frmSysTray->AddMenuItem("-", "", false);
    m_frmSysTray->AddMenuItem(Tr("TrayMode", "&Close"), "close", false);
    m_frmSysTray->ToolTip(Tr("TrayMode", "Tagrota! Signature Changer"));
    m_frmSysTray->IconHandle(window_.IconHandle());
}

void TrayMode::LeaveTrayMode() {
    inSysTray_ = false;
    RemoveTrayIcon();
}

void TrayMode::RemoveTrayIcon() {
    // Released here; a call of the component still running keeps it alive
    // until it returns.
    if (auto tray = std::move(m_frmSysTray)) tray->Unload();
}

void TrayMode::m_frmSysTray_MenuClick(std::int32_t /*lIndex*/, const std::string& sKey) {
    if (sKey == "open") {
        window_.SetState(WindowState::Normal);
        window_.Show();
        window_.BringToFront();
    } else if (sKey == "next") {
        if (onNextQuotation) onNextQuotation();
    } else if (sKey == "never") {
        if (onNeverAgain) onNeverAgain();
    } else if (sKey == "close") {
        window_.Close(UnloadMode::FormCode);
    }
}

void TrayMode::m_frmSysTray_SysTrayDoubleClick(std::int32_t /*eButton*/) {
    // A minimised window comes back normal: shown but still minimised, it
    // would not appear at all.
    if (window_.State() == WindowState::Minimized) window_.SetState(WindowState::Normal);
    window_.Show();
    window_.BringToFront();
}

void TrayMode::m_frmSysTray_SysTrayMouseDown(std::int32_t eButton) {
    if (eButton == 2 && m_frmSysTray) m_frmSysTray->ShowMenu();
}

}  // namespace tagrota
