#pragma once
// An in-memory notification area: it keeps the icons as the shell would show
// them, records every call it receives, lets a test send the shell's
// notification codes to an icon, and answers popup menus from a script.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/TrayShell.h"

namespace tagrota::headless {

class TrayShell;

class TrayWindow final : public ITrayWindow {
public:
    TrayWindow(TrayShell& shell, std::uint32_t handle, std::string caption)
        : caption(std::move(caption)), shell_(shell), handle_(handle) {}

    std::uint32_t Handle() const override { return handle_; }
    std::int32_t IconHandle() const override { return 0; }
    double TwipsPerPixelX() const override { return twipsPerPixel; }
    void SetOnMouseMove(std::function<void(double, double)> handler) override {
        onMouseMove_ = std::move(handler);
    }
    int PopupMenu(const TrayPopupMenu& menu) override;
    void Destroy() override { destroyed = true; }

    // A message sent by the shell.
    void Receive(std::uint32_t message, long lParam);

    std::string caption;
    double twipsPerPixel = 15;
    bool destroyed = false;

private:
    TrayShell& shell_;
    std::uint32_t handle_;
    std::function<void(double, double)> onMouseMove_;
};

class TrayShell final : public ITrayShell {
public:
    // An icon as the desktop shows it.
    struct Icon {
        std::uint32_t hWnd = 0, uID = 0, callbackMessage = 0, hIcon = 0;
        std::string tip;
        std::uint32_t version = 0;
    };
    struct Balloon {
        std::string title, message;
        std::uint32_t icon = 0, timeoutMs = 0;
    };
    struct Call {
        std::uint32_t message;
        NotifyIconView record;
    };

    std::uint32_t GetVersion() override { return version; }
    bool Shell_NotifyIconA(std::uint32_t dwMessage, const NotifyIconDataA& data) override;
    bool Shell_NotifyIconW(std::uint32_t dwMessage, const NotifyIconDataW& data) override;
    bool SetForegroundWindow(std::uint32_t hWnd) override;
    std::shared_ptr<ITrayWindow> CreateHiddenWindow(const std::string& caption) override;
    bool IsAvailable() const override { return available; }

    // Sends a notification code to the icon on the desktop, through its hidden
    // window, as the shell does. Without an icon nothing happens.
    void SendCode(long code);
    // The one icon on the desktop, or null.
    const Icon* TheIcon() const;
    // The hidden windows made so far that are still alive.
    std::vector<std::shared_ptr<TrayWindow>> Windows() const;

    std::uint32_t version = 0x0000000A;  // NT family, 10.0
    bool available = true;
    std::vector<Call> calls;
    std::vector<Balloon> balloons;
    std::vector<std::uint32_t> foreground;
    std::vector<TrayPopupMenu> popups;
    // The user's choice in an open popup menu: an item's index, or -1.
    std::function<int(const TrayPopupMenu&)> choose;

private:
    bool Notify(std::uint32_t message, const NotifyIconView& record);

    std::map<std::pair<std::uint32_t, std::uint32_t>, Icon> icons_;
    std::vector<std::weak_ptr<TrayWindow>> windows_;
    std::uint32_t nextHandle_ = 0x1000;
};

}  // namespace tagrota::headless
