#include "platform/qt/QtTrayShell.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "platform/IconHandles.h"
#include "platform/Twips.h"
#include "platform/qt/QtImages.h"
#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

// The icon a handle names; a transparent one for handle 0, so the icon takes its
// place in the tray before its owner gives it an image.
QIcon TrayImage(std::uint32_t handle) {
    QIcon icon = ImageIcon(IconImageOf(static_cast<std::int32_t>(handle)));
    if (icon.isNull()) {
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        icon = QIcon(blank);
    }
    return icon;
}

// Whether a StatusNotifierItem host (Plasma, GNOME's AppIndicator extension,
// XFCE, waybar) shows the icons over D-Bus, as Qt then has them shown: there
// is a watcher on the session bus.
bool StatusNotifierHost() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

}  // namespace

// ---- The hidden window ----

double QtTrayWindow::TwipsPerPixelX() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : kStandardDpi;
    return dpi > 0 ? kTwipsPerInch / dpi : kTwipsPerStandardPixel;
}

int QtTrayWindow::PopupMenu(const TrayPopupMenu& popup) {
    if (Destroyed()) return -1;
    QMenu menu(Q(popup.Caption));
    std::vector<QAction*> actions;
    for (const TrayMenuItem& item : popup.Items) {
        QAction* action =
            item.Caption == "-" ? menu.addSeparator() : menu.addAction(Q(item.Caption));
        action->setVisible(item.Visible);
        action->setEnabled(item.Enabled);
        actions.push_back(action);
    }
    if (popup.DefaultIndex >= 0 && popup.DefaultIndex < static_cast<int>(actions.size()))
        menu.setDefaultAction(actions[static_cast<std::size_t>(popup.DefaultIndex)]);
    QAction* chosen = nullptr;
    QObject::connect(&menu, &QMenu::triggered, &menu, [&chosen](QAction* a) { chosen = a; });
    menu_ = &menu;
    menu.exec(QCursor::pos());
    menu_ = nullptr;
    const auto at = std::find(actions.begin(), actions.end(), chosen);
    return at == actions.end() ? -1 : static_cast<int>(at - actions.begin());
}

void QtTrayWindow::Destroy() {
    TrayHiddenWindow::Destroy();
    if (menu_) menu_->close();
}

// ---- The shell ----

QtTrayShell::QtTrayShell() = default;

QtTrayShell::~QtTrayShell() {
    for (auto& [key, shown] : shown_) delete shown.tray;
}

std::shared_ptr<TrayHiddenWindow> QtTrayShell::MakeHiddenWindow(std::uint32_t handle,
                                                                const std::string& caption) {
    return std::make_shared<QtTrayWindow>(handle, caption);
}

void QtTrayShell::IconAdded(const Key& key, const Icon& icon) {
    Shown shown;
    shown.tray = new QSystemTrayIcon;
    shown.balloonTimer = new QTimer(shown.tray);
    shown.balloonTimer->setSingleShot(true);
    connect(shown.balloonTimer, &QTimer::timeout, this,
            [this, key] { Deliver(key, NotifyCode::NIN_BALLOONTIMEOUT); });
    connect(shown.tray, &QSystemTrayIcon::activated, this,
            [this, key](QSystemTrayIcon::ActivationReason reason) { Activated(key, reason); });
    connect(shown.tray, &QSystemTrayIcon::messageClicked, this, [this, key] {
        if (auto at = shown_.find(key); at != shown_.end()) at->second.balloonTimer->stop();
        Deliver(key, NotifyCode::NIN_BALLOONUSERCLICK);
    });
    shown.statusNotifier = StatusNotifierHost();
    shown.tray->setIcon(TrayImage(icon.hIcon));
    shown.tray->setToolTip(Q(icon.tip));
    shown.tray->show();
    shown_.emplace(key, shown);
}

void QtTrayShell::IconChanged(const Key& key, const Icon& icon, std::uint32_t fields) {
    const auto at = shown_.find(key);
    if (at == shown_.end() || !at->second.tray) return;
    if (fields & Nif::Icon) at->second.tray->setIcon(TrayImage(icon.hIcon));
    if (fields & Nif::Tip) at->second.tray->setToolTip(Q(icon.tip));
}

void QtTrayShell::IconDeleted(const Key& key) {
    const auto at = shown_.find(key);
    if (at == shown_.end()) return;
    // The icon may be in the middle of reporting an activation.
    QSystemTrayIcon* tray = at->second.tray;
    shown_.erase(at);
    if (tray) {
        tray->hide();
        tray->deleteLater();
    }
}

void QtTrayShell::BalloonShown(const Key& key, const Balloon& balloon) {
    const auto at = shown_.find(key);
    if (at == shown_.end() || !at->second.tray) return;
    const auto kind =
        static_cast<QSystemTrayIcon::MessageIcon>(std::min<std::uint32_t>(balloon.icon & 3, 3));
    const int timeout = static_cast<int>(std::min<std::uint32_t>(balloon.timeoutMs, 600000));
    at->second.tray->showMessage(Q(balloon.title), Q(balloon.message), kind, timeout);
    at->second.balloonTimer->start(timeout);
    // The shell reports the balloon once it is up, not from inside the call.
    QTimer::singleShot(0, this, [this, key] { Deliver(key, NotifyCode::NIN_BALLOONSHOW); });
}

// While a window of the program holds the user (a dialog, a message box), the
// icon brings that window forward instead of acting: minimised with the main
// window or lost behind others, it is the only way on, and the main window
// takes no commands until it is answered.
bool QtTrayShell::BringModalWindowForward() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isMinimized())
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    modal->show();
    modal->raise();
    modal->activateWindow();
    return true;
}

void QtTrayShell::Activated(const Key& key, QSystemTrayIcon::ActivationReason reason) {
    if (BringModalWindowForward()) return;
    using namespace NotifyCode;
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            // A StatusNotifierItem host has no double click: its activation
            // (a click, or Enter on the icon) is the way back to the window,
            // and comes as one.
            if (const auto at = shown_.find(key); at != shown_.end() && at->second.statusNotifier) {
                Deliver(key, WM_LBUTTONDBLCLK);
                Deliver(key, WM_LBUTTONUP);
                break;
            }
            Deliver(key, WM_LBUTTONDOWN);
            Deliver(key, WM_LBUTTONUP);
            break;
        case QSystemTrayIcon::Context:
            Deliver(key, WM_RBUTTONDOWN);
            Deliver(key, WM_RBUTTONUP);
            break;
        case QSystemTrayIcon::DoubleClick:
            Deliver(key, WM_LBUTTONDBLCLK);
            Deliver(key, WM_LBUTTONUP);
            break;
        case QSystemTrayIcon::MiddleClick:
            Deliver(key, WM_MBUTTONDOWN);
            Deliver(key, WM_MBUTTONUP);
            break;
        default:
            break;
    }
}

bool QtTrayShell::SetForegroundWindow(std::uint32_t /*hWnd*/) {
    // The hidden window is never shown; the popup menu takes the focus itself.
    return true;
}

bool QtTrayShell::IsAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

std::vector<QSystemTrayIcon*> QtTrayShell::TrayIcons() const {
    std::vector<QSystemTrayIcon*> all;
    for (const auto& [key, shown] : shown_) all.push_back(shown.tray);
    return all;
}

}  // namespace tagrota::qt
