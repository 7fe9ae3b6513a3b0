// Tray mode: the "Place in System Tray" check box.

#include "mainwindow/frmMain.h"

namespace tagrota {

void frmMain::chkSysTray_Click() {
    if (chkSysTray->Value() != 0)
        EnterTrayMode();
    else
        LeaveTrayMode();
}

void frmMain::EnterTrayMode() {
    state.InSysTray = true;
}

void frmMain::LeaveTrayMode() {
    state.InSysTray = false;
    RemoveTrayIcon();
}

void frmMain::RemoveTrayIcon() {}

}  // namespace tagrota
