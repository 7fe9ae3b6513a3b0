#pragma once
// What every notification area does the same way, whatever shows its icons:
// the table of icons by window and id, kept as the records say (add, modify,
// delete, set version); the registry of hidden windows; and the delivery of a
// notification code to the hidden window of an icon. A shell built on it adds
// only how it shows an icon and a balloon, and how its hidden windows pop up
// menus and measure the screen.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/TrayShell.h"

namespace tagrota {

// The hidden window behind one tray icon, as far as every shell keeps it.
class TrayHiddenWindow : public ITrayWindow {
public:
    TrayHiddenWindow(std::uint32_t handle, std::string caption)
        : handle_(handle), caption_(std::move(caption)) {}

    std::uint32_t Handle() const final { return handle_; }
    std::int32_t IconHandle() const final { return 0; }
    void SetOnMouseMove(std::function<void(double x, double y)> handler) final {
        onMouseMove_ = std::move(handler);
    }
    void Destroy() override { destroyed_ = true; }

    // A message sent by the shell. The callback message carries the code as
    // the pointer's X in pixels; the handler gets it in the window's scale
    // unit. A destroyed window receives nothing.
    void Receive(std::uint32_t message, long lParam);

    const std::string& Caption() const { return caption_; }
    bool Destroyed() const { return destroyed_; }

private:
    std::uint32_t handle_;
    std::string caption_;
    std::function<void(double, double)> onMouseMove_;
    bool destroyed_ = false;
};

class TrayShellModel : public ITrayShell {
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
    using Key = std::pair<std::uint32_t, std::uint32_t>;  // hWnd, uID

    bool Shell_NotifyIconA(std::uint32_t dwMessage, const NotifyIconDataA& data) final;
    bool Shell_NotifyIconW(std::uint32_t dwMessage, const NotifyIconDataW& data) final;
    std::shared_ptr<ITrayWindow> CreateHiddenWindow(const std::string& caption) final;

protected:
    // The icons on the desktop.
    const std::map<Key, Icon>& Icons() const { return icons_; }
    // The hidden windows made so far that are still alive.
    std::vector<std::shared_ptr<TrayHiddenWindow>> HiddenWindows() const;
    // Sends a notification code to an icon's hidden window, as the shell does,
    // if both are still there.
    void Deliver(const Key& key, long code);

    // What a shell shows. Each runs after the table has taken the record.
    virtual void Called(std::uint32_t message, const NotifyIconView& record) {
        (void)message, (void)record;
    }
    virtual void IconAdded(const Key& key, const Icon& icon) { (void)key, (void)icon; }
    // `fields` are the record's Nif flags that changed the icon.
    virtual void IconChanged(const Key& key, const Icon& icon, std::uint32_t fields) {
        (void)key, (void)icon, (void)fields;
    }
    virtual void IconDeleted(const Key& key) { (void)key; }
    virtual void BalloonShown(const Key& key, const Balloon& balloon) { (void)key, (void)balloon; }
    virtual std::shared_ptr<TrayHiddenWindow> MakeHiddenWindow(std::uint32_t handle,
                                                               const std::string& caption) = 0;

private:
    bool Notify(std::uint32_t message, const NotifyIconView& record);

    std::map<Key, Icon> icons_;
    std::vector<std::weak_ptr<TrayHiddenWindow>> windows_;
    std::uint32_t nextHandle_ = 0x1000;
};

}  // namespace tagrota
