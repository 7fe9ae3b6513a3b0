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

// While a window of the program holds the user (a dialog, a message box), the
// icon and its menus bring that window forward instead of acting: minimised
// with the main window or lost behind others, it is the only way on, and the
// main window takes no commands until it is answered. True when one did.
bool BringModalWindowForward() {
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

// Makes `menu` show the items of `offered`, reusing the actions it has, so a
// menu that a desktop holds keeps its entries; the action at position i is
// item i. A separator carries no text.
void FillMenu(QMenu& menu, const TrayPopupMenu& offered) {
    QList<QAction*> actions = menu.actions();
    while (actions.size() > static_cast<qsizetype>(offered.Items.size())) {
        QAction* surplus = actions.takeLast();
        menu.removeAction(surplus);
        surplus->deleteLater();  // it may be the one reporting a choice
    }
    while (actions.size() < static_cast<qsizetype>(offered.Items.size()))
        actions.push_back(menu.addAction(QString()));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const TrayMenuItem& item = offered.Items[static_cast<std::size_t>(i)];
        const bool separator = item.Caption == "-";
        actions[i]->setSeparator(separator);
        actions[i]->setText(separator ? QString() : Q(item.Caption));
        actions[i]->setVisible(item.Visible);
        actions[i]->setEnabled(item.Enabled);
    }
    const bool hasDefault = offered.DefaultIndex >= 0 && offered.DefaultIndex < actions.size();
    menu.setDefaultAction(hasDefault ? actions[offered.DefaultIndex] : nullptr);
}

}  // namespace

// ---- The hidden window ----

double QtTrayWindow::TwipsPerPixelX() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : kStandardDpi;
    return dpi > 0 ? kTwipsPerInch / dpi : kTwipsPerStandardPixel;
}

QtTrayWindow::~QtTrayWindow() {
    *chosen_ = nullptr;
    if (standing_) standing_->deleteLater();
}

int QtTrayWindow::PopupMenu(const TrayPopupMenu& popup) {
    if (Destroyed()) return -1;
    QMenu menu(Q(popup.Caption));
    FillMenu(menu, popup);
    const QList<QAction*> actions = menu.actions();
    QAction* chosen = nullptr;
    QObject::connect(&menu, &QMenu::triggered, &menu, [&chosen](QAction* a) { chosen = a; });
    menu_ = &menu;
    menu.exec(QCursor::pos());
    menu_ = nullptr;
    const qsizetype at = actions.indexOf(chosen);
    return at < 0 ? -1 : static_cast<int>(at);
}

void QtTrayWindow::OfferMenu(const TrayPopupMenu& menu, const std::function<void(int)>& chosen) {
    if (Destroyed()) return;
    offered_ = menu;
    *chosen_ = chosen;
    if (standing_) FillMenu(*standing_, offered_);
}

QMenu* QtTrayWindow::StandingMenu() {
    if (!standing_ && !Destroyed()) {
        standing_ = new QMenu(Q(offered_.Caption));
        FillMenu(*standing_, offered_);
        // The desktop reports a choice from the event loop, never from inside
        // one of the component's calls, so it runs at once; the choice may
        // unload the component and with it this window.
        QMenu* menu = standing_;
        QObject::connect(menu, &QMenu::triggered, menu, [menu, chosen = chosen_](QAction* a) {
            const qsizetype index = menu->actions().indexOf(a);
            if (index < 0 || BringModalWindowForward()) return;
            if (auto choose = *chosen) choose(static_cast<int>(index));
        });
    }
    return standing_;
}

void QtTrayWindow::Destroy() {
    TrayHiddenWindow::Destroy();
    if (menu_) menu_->close();
    // The desktop's menu goes with the icon; a choice still on its way finds
    // nobody.
    *chosen_ = nullptr;
    if (standing_) standing_->deleteLater();
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
    shown.statusNotifier = statusNotifierHost ? *statusNotifierHost : StatusNotifierHost();
    // Such a host shows the icon's menu by itself, read over D-Bus (Qt exports
    // the context menu as the item's dbusmenu); it may still call for the
    // popup. The X11 tray would pop the context menu up on a right click
    // instead of the popup, so it gets none.
    if (shown.statusNotifier)
        for (const auto& window : HiddenWindows())
            if (window->Handle() == key.first)
                shown.tray->setContextMenu(
                    std::static_pointer_cast<QtTrayWindow>(window)->StandingMenu());
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
