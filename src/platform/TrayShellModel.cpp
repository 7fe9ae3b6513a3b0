#include "platform/TrayShellModel.h"

namespace tagrota {

void TrayHiddenWindow::Receive(std::uint32_t message, long lParam) {
    if (destroyed_ || message != kWmMouseMove) return;
    if (auto handler = onMouseMove_)
        handler(static_cast<double>(lParam & 0xFFFF) * TwipsPerPixelX(), 0);
}

bool TrayShellModel::Shell_NotifyIconA(std::uint32_t dwMessage, const NotifyIconDataA& data) {
    return Notify(dwMessage, ReadNotifyIconData(data));
}

bool TrayShellModel::Shell_NotifyIconW(std::uint32_t dwMessage, const NotifyIconDataW& data) {
    return Notify(dwMessage, ReadNotifyIconData(data));
}

bool TrayShellModel::Notify(std::uint32_t message, const NotifyIconView& record) {
    Called(message, record);
    const Key key{record.hWnd, record.uID};
    auto found = icons_.find(key);
    const bool adding = message == Nim::Add;
    if (adding) {
        if (found != icons_.end()) return false;
        found = icons_.emplace(key, Icon{record.hWnd, record.uID, 0, 0, {}, 0}).first;
    } else if (found == icons_.end()) {
        return false;
    }
    Icon& icon = found->second;
    switch (message) {
        case Nim::Delete:
            icons_.erase(found);
            IconDeleted(key);
            return true;
        case Nim::SetVersion:
            icon.version = record.timeoutOrVersion;
            return true;
        case Nim::Add:
        case Nim::Modify: {
            const std::uint32_t fields = record.uFlags & (Nif::Message | Nif::Icon | Nif::Tip);
            if (fields & Nif::Message) icon.callbackMessage = record.uCallbackMessage;
            if (fields & Nif::Icon) icon.hIcon = record.hIcon;
            if (fields & Nif::Tip) icon.tip = record.tip;
            const Icon shown = icon;  // a shell's hook may delete the icon
            if (adding)
                IconAdded(key, shown);
            else if (fields)
                IconChanged(key, shown, fields);
            if ((record.uFlags & Nif::Info) && record.hasInfo)
                BalloonShown(key, {record.infoTitle, record.info, record.infoFlags,
                                   record.timeoutOrVersion});
            return true;
        }
        default:
            return false;
    }
}

std::shared_ptr<ITrayWindow> TrayShellModel::CreateHiddenWindow(const std::string& caption) {
    // Windows whose last user let go are dropped, so the list stays short.
    std::erase_if(windows_, [](const auto& weak) { return weak.expired(); });
    std::shared_ptr<TrayHiddenWindow> window = MakeHiddenWindow(nextHandle_++, caption);
    windows_.push_back(window);
    return window;
}

std::vector<std::shared_ptr<TrayHiddenWindow>> TrayShellModel::HiddenWindows() const {
    std::vector<std::shared_ptr<TrayHiddenWindow>> alive;
    for (const auto& weak : windows_)
        if (auto window = weak.lock()) alive.push_back(window);
    return alive;
}

void TrayShellModel::Deliver(const Key& key, long code) {
    const auto icon = icons_.find(key);
    if (icon == icons_.end()) return;
    const std::uint32_t message = icon->second.callbackMessage;
    for (const auto& weak : windows_) {
        // Held for the whole delivery: the icon's owner may let go of it inside.
        if (auto window = weak.lock(); window && window->Handle() == key.first) {
            window->Receive(message, code);
            return;
        }
    }
}

}  // namespace tagrota
