#include "platform/headless/HeadlessTray.h"

namespace tagrota::headless {

int TrayWindow::PopupMenu(const TrayPopupMenu& menu) {
    shell_.popups.push_back(menu);
    return shell_.choose ? shell_.choose(menu) : -1;
}

void TrayWindow::ChooseOffered(int index) {
    if (Destroyed()) return;
    if (auto chosen = chosen_) chosen(index);  // the choice may take the offer away
}

bool TrayShell::SetForegroundWindow(std::uint32_t hWnd) {
    foreground.push_back(hWnd);
    return true;
}

void TrayShell::SendCode(long code) {
    if (TheIcon()) Deliver(Icons().begin()->first, code);
}

const TrayShell::Icon* TrayShell::TheIcon() const {
    return Icons().size() == 1 ? &Icons().begin()->second : nullptr;
}

std::shared_ptr<TrayWindow> TrayShell::TheIconsWindow() const {
    const Icon* icon = TheIcon();
    if (!icon) return nullptr;
    for (const auto& window : Windows())
        if (window->Handle() == icon->hWnd) return window;
    return nullptr;
}

std::vector<std::shared_ptr<TrayWindow>> TrayShell::Windows() const {
    std::vector<std::shared_ptr<TrayWindow>> alive;
    for (const auto& window : HiddenWindows())
        alive.push_back(std::static_pointer_cast<TrayWindow>(window));
    return alive;
}

}  // namespace tagrota::headless
