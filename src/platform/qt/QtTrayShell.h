#pragma once
// The notification area on Qt: each icon a QSystemTrayIcon driven by the
// records it is sent, and its activations turned back into the shell's
// notification codes for the icon's hidden window.

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/TrayShell.h"

class QTimer;

namespace tagrota::qt {

class QtTrayWindow final : public ITrayWindow {
public:
    QtTrayWindow(std::uint32_t handle, std::string caption);
    ~QtTrayWindow() override;

    std::uint32_t Handle() const override { return handle_; }
    std::int32_t IconHandle() const override { return 0; }
    double TwipsPerPixelX() const override;
    void SetOnMouseMove(std::function<void(double, double)> handler) override;
    int PopupMenu(const TrayPopupMenu& menu) override;
    void Destroy() override;

    // A message sent by the shell.
    void Receive(std::uint32_t message, long lParam);
    // The popup menu while it is open (for tests).
    QMenu* OpenMenu() const { return menu_; }

private:
    std::uint32_t handle_;
    std::string caption_;
    std::function<void(double, double)> onMouseMove_;
    QPointer<QMenu> menu_;
    bool destroyed_ = false;
};

class QtTrayShell final : public QObject, public ITrayShell {
    Q_OBJECT
public:
    QtTrayShell();
    ~QtTrayShell() override;

    // An NT-family 10.0 system: the wide record, with balloons.
    std::uint32_t GetVersion() override { return 0x0000000A; }
    bool Shell_NotifyIconA(std::uint32_t dwMessage, const NotifyIconDataA& data) override;
    bool Shell_NotifyIconW(std::uint32_t dwMessage, const NotifyIconDataW& data) override;
    bool SetForegroundWindow(std::uint32_t hWnd) override;
    std::shared_ptr<ITrayWindow> CreateHiddenWindow(const std::string& caption) override;
    bool IsAvailable() const override;

    // The icons on the desktop (for tests).
    std::vector<QSystemTrayIcon*> TrayIcons() const;

private:
    using Key = std::pair<std::uint32_t, std::uint32_t>;
    struct Icon {
        QPointer<QSystemTrayIcon> tray;
        QTimer* balloonTimer = nullptr;  // owned by the tray icon
        std::uint32_t callbackMessage = 0;
    };

    bool Notify(std::uint32_t message, const NotifyIconView& record);
    void Apply(Icon& icon, const Key& key, const NotifyIconView& record);
    void Activated(const Key& key, QSystemTrayIcon::ActivationReason reason);
    // Brings forward the window that holds the user, if one does.
    static bool BringModalWindowForward();
    // Sends a notification code to the icon's hidden window, if both are
    // still there.
    void Deliver(const Key& key, long code);

    std::map<Key, Icon> icons_;
    std::vector<std::weak_ptr<QtTrayWindow>> windows_;
    std::uint32_t nextHandle_ = 0x1000;
};

}  // namespace tagrota::qt
