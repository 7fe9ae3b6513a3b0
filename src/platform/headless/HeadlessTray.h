#pragma once
// An in-memory notification area: it keeps the icons as the shell would show
// them, records every call it receives, lets a test send the shell's
// notification codes to an icon, and answers popup menus from a script.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/TrayShellModel.h"
#include "platform/Twips.h"

namespace tagrota::headless {

class TrayShell;

class TrayWindow final : public TrayHiddenWindow {
public:
    TrayWindow(TrayShell& shell, std::uint32_t handle, std::string caption)
        : TrayHiddenWindow(handle, std::move(caption)), shell_(shell) {}

    double TwipsPerPixelX() const override { return twipsPerPixel; }
    int PopupMenu(const TrayPopupMenu& menu) override;
    void OfferMenu(const TrayPopupMenu& menu, const std::function<void(int)>& chosen) override {
        offered = menu;
        chosen_ = chosen;
    }
    // The user picks the item at `index` in the menu the desktop shows by
    // itself. A destroyed window receives nothing.
    void ChooseOffered(int index);

    double twipsPerPixel = kTwipsPerStandardPixel;
    // The menu last offered; no items before the first offer.
    TrayPopupMenu offered;

private:
    TrayShell& shell_;
    std::function<void(int)> chosen_;
};

class TrayShell final : public TrayShellModel {
public:
    struct Call {
        std::uint32_t message;
        NotifyIconView record;
    };

    std::uint32_t GetVersion() override { return version; }
    bool SetForegroundWindow(std::uint32_t hWnd) override;
    bool IsAvailable() const override { return available; }

    // Sends a notification code to the icon on the desktop, through its hidden
    // window, as the shell does. Without an icon nothing happens.
    void SendCode(long code);
    // The one icon on the desktop, or null.
    const Icon* TheIcon() const;
    // The hidden window of the one icon on the desktop, or null.
    std::shared_ptr<TrayWindow> TheIconsWindow() const;
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
    void Called(std::uint32_t message, const NotifyIconView& record) override {
        calls.push_back({message, record});
    }
    void BalloonShown(const Key&, const Balloon& balloon) override { balloons.push_back(balloon); }
    std::shared_ptr<TrayHiddenWindow> MakeHiddenWindow(std::uint32_t handle,
                                                       const std::string& caption) override {
        return std::make_shared<TrayWindow>(*this, handle, caption);
    }
};

}  // namespace tagrota::headless
