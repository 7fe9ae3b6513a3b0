#include "platform/headless/HeadlessTray.h"

namespace tagrota::headless {

int TrayWindow::PopupMenu(const TrayPopupMenu& menu) {
    shell_.popups.push_back(menu);
    return shell_.choose ? shell_.choose(menu) : -1;
}

void TrayWindow::Receive(std::uint32_t message, long lParam) {
    if (destroyed || message != kWmMouseMove) return;
    // The code travels as the pointer's X in pixels; the window's handler gets
    // it in its own scale unit.
    if (auto handler = onMouseMove_)
        handler(static_cast<double>(lParam & 0xFFFF) * twipsPerPixel, 0);
}

bool TrayShell::Shell_NotifyIconA(std::uint32_t dwMessage, const NotifyIconDataA& data) {
    return Notify(dwMessage, ReadNotifyIconData(data));
}

bool TrayShell::Shell_NotifyIconW(std::uint32_t dwMessage, const NotifyIconDataW& data) {
    return Notify(dwMessage, ReadNotifyIconData(data));
}

bool TrayShell::Notify(std::uint32_t message, const NotifyIconView& record) {
    calls.push_back({message, record});
    const auto key = std::make_pair(record.hWnd, record.uID);
    auto found = icons_.find(key);
    if (message == Nim::Add) {
        if (found != icons_.end()) return false;
        found = icons_.emplace(key, Icon{record.hWnd, record.uID, 0, 0, {}, 0}).first;
    } else if (found == icons_.end()) {
        return false;
    }
    Icon& icon = found->second;
    switch (message) {
        case Nim::Delete:
            icons_.erase(found);
            return true;
        case Nim::SetVersion:
            icon.version = record.timeoutOrVersion;
            return true;
        case Nim::Add:
        case Nim::Modify:
            if (record.uFlags & Nif::Message) icon.callbackMessage = record.uCallbackMessage;
            if (record.uFlags & Nif::Icon) icon.hIcon = record.hIcon;
            if (record.uFlags & Nif::Tip) icon.tip = record.tip;
            if ((record.uFlags & Nif::Info) && record.hasInfo)
                balloons.push_back(
                    {record.infoTitle, record.info, record.infoFlags, record.timeoutOrVersion});
            return true;
        default:
            return false;
    }
}

bool TrayShell::SetForegroundWindow(std::uint32_t hWnd) {
    foreground.push_back(hWnd);
    return true;
}

std::shared_ptr<ITrayWindow> TrayShell::CreateHiddenWindow(const std::string& caption) {
    auto window = std::make_shared<TrayWindow>(*this, nextHandle_++, caption);
    windows_.push_back(window);
    return window;
}

void TrayShell::SendCode(long code) {
    const Icon* icon = TheIcon();
    if (!icon) return;
    const std::uint32_t hWnd = icon->hWnd, message = icon->callbackMessage;
    for (const auto& weak : windows_) {
        // Held for the whole delivery: the icon's owner may let go of it inside.
        if (auto window = weak.lock(); window && window->Handle() == hWnd) {
            window->Receive(message, code);
            return;
        }
    }
}

const TrayShell::Icon* TrayShell::TheIcon() const {
    return icons_.size() == 1 ? &icons_.begin()->second : nullptr;
}

std::vector<std::shared_ptr<TrayWindow>> TrayShell::Windows() const {
    std::vector<std::shared_ptr<TrayWindow>> alive;
    for (const auto& weak : windows_)
        if (auto window = weak.lock()) alive.push_back(window);
    return alive;
}

}  // namespace tagrota::headless
