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
#include <optional>
#include <string>
#include <vector>

#include "platform/TrayShellModel.h"

class QTimer;

namespace tagrota::qt {

class QtTrayWindow final : public TrayHiddenWindow {
public:
    using TrayHiddenWindow::TrayHiddenWindow;
    ~QtTrayWindow() override;

    double TwipsPerPixelX() const override;
    int PopupMenu(const TrayPopupMenu& menu) override;
    void OfferMenu(const TrayPopupMenu& menu, const std::function<void(int)>& chosen) override;
    void Destroy() override;

    // The offered menu as a Qt menu, for a desktop that shows it by itself:
    // made at the first asking, and kept as the offers change from then on.
    QMenu* StandingMenu();
    // The popup menu while it is open (for tests).
    QMenu* OpenMenu() const { return menu_; }

private:
    QPointer<QMenu> menu_;
    QPointer<QMenu> standing_;
    TrayPopupMenu offered_;
    // Shared with the standing menu, whose choices may come after the window
    // has gone; emptied then.
    std::shared_ptr<std::function<void(int)>> chosen_ =
        std::make_shared<std::function<void(int)>>();
};

// The shared model's icons, each shown as a QSystemTrayIcon; the icon's
// activations are turned back into the shell's notification codes.
class QtTrayShell final : public QObject, public TrayShellModel {
    Q_OBJECT
public:
    QtTrayShell();
    ~QtTrayShell() override;

    // An NT-family 10.0 system: the wide record, with balloons.
    std::uint32_t GetVersion() override { return 0x0000000A; }
    bool SetForegroundWindow(std::uint32_t hWnd) override;
    bool IsAvailable() const override;

    // The icons on the desktop (for tests).
    std::vector<QSystemTrayIcon*> TrayIcons() const;

    // Whether a StatusNotifierItem host shows the icons: asked of the session
    // bus when each icon is added, unless set here (for tests).
    std::optional<bool> statusNotifierHost;

private:
    struct Shown {
        QPointer<QSystemTrayIcon> tray;
        QTimer* balloonTimer = nullptr;  // owned by the tray icon
        // Shown by a StatusNotifierItem host over D-Bus (see Activated), with
        // the hidden window's standing menu as its own.
        bool statusNotifier = false;
    };

    void IconAdded(const Key& key, const Icon& icon) override;
    void IconChanged(const Key& key, const Icon& icon, std::uint32_t fields) override;
    void IconDeleted(const Key& key) override;
    void BalloonShown(const Key& key, const Balloon& balloon) override;
    std::shared_ptr<TrayHiddenWindow> MakeHiddenWindow(std::uint32_t handle,
                                                       const std::string& caption) override;
    // The user's action on an icon, as the shell's notification codes.
    void Activated(const Key& key, QSystemTrayIcon::ActivationReason reason);

    std::map<Key, Shown> shown_;
};

}  // namespace tagrota::qt
