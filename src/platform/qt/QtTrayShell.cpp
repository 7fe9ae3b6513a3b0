#include "platform/qt/QtTrayShell.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "platform/IconHandles.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtWindow.h"

namespace tagrota::qt {
namespace {

// The shell's notification codes.
constexpr long kLeftDown = 513, kLeftUp = 514, kLeftDoubleClick = 515, kRightDown = 516,
               kRightUp = 517, kMiddleDown = 519, kMiddleUp = 520, kBalloonShow = 1026,
               kBalloonTimeout = 1028, kBalloonClick = 1029;

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

}  // namespace

// ---- The hidden window ----

QtTrayWindow::QtTrayWindow(std::uint32_t handle, std::string caption)
    : handle_(handle), caption_(std::move(caption)) {}

QtTrayWindow::~QtTrayWindow() = default;

double QtTrayWindow::TwipsPerPixelX() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

void QtTrayWindow::SetOnMouseMove(std::function<void(double, double)> handler) {
    onMouseMove_ = std::move(handler);
}

int QtTrayWindow::PopupMenu(const TrayPopupMenu& popup) {
    if (destroyed_) return -1;
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
    destroyed_ = true;
    if (menu_) menu_->close();
}

void QtTrayWindow::Receive(std::uint32_t message, long lParam) {
    if (destroyed_ || message != kWmMouseMove) return;
    if (auto handler = onMouseMove_)
        handler(static_cast<double>(lParam & 0xFFFF) * TwipsPerPixelX(), 0);
}

// ---- The shell ----

QtTrayShell::QtTrayShell() = default;

QtTrayShell::~QtTrayShell() {
    for (auto& [key, icon] : icons_) delete icon.tray;
}

bool QtTrayShell::Shell_NotifyIconA(std::uint32_t dwMessage, const NotifyIconDataA& data) {
    return Notify(dwMessage, ReadNotifyIconData(data));
}

bool QtTrayShell::Shell_NotifyIconW(std::uint32_t dwMessage, const NotifyIconDataW& data) {
    return Notify(dwMessage, ReadNotifyIconData(data));
}

bool QtTrayShell::Notify(std::uint32_t message, const NotifyIconView& record) {
    const Key key{record.hWnd, record.uID};
    auto found = icons_.find(key);
    if (message == Nim::Add) {
        if (found != icons_.end()) return false;
        Icon icon;
        icon.tray = new QSystemTrayIcon;
        icon.balloonTimer = new QTimer(icon.tray);
        icon.balloonTimer->setSingleShot(true);
        connect(icon.balloonTimer, &QTimer::timeout, this,
                [this, key] { Deliver(key, kBalloonTimeout); });
        connect(icon.tray, &QSystemTrayIcon::activated, this,
                [this, key](QSystemTrayIcon::ActivationReason reason) { Activated(key, reason); });
        connect(icon.tray, &QSystemTrayIcon::messageClicked, this, [this, key] {
            if (auto at = icons_.find(key); at != icons_.end()) at->second.balloonTimer->stop();
            Deliver(key, kBalloonClick);
        });
        found = icons_.emplace(key, icon).first;
        Apply(found->second, key, record);
        found->second.tray->show();
        return true;
    }
    if (found == icons_.end()) return false;
    switch (message) {
        case Nim::Modify:
            Apply(found->second, key, record);
            return true;
        case Nim::SetVersion:
            return true;
        case Nim::Delete: {
            // The icon may be in the middle of reporting an activation.
            QSystemTrayIcon* tray = found->second.tray;
            icons_.erase(found);
            if (tray) {
                tray->hide();
                tray->deleteLater();
            }
            return true;
        }
        default:
            return false;
    }
}

void QtTrayShell::Apply(Icon& icon, const Key& key, const NotifyIconView& record) {
    if (!icon.tray) return;
    if (record.uFlags & Nif::Message) icon.callbackMessage = record.uCallbackMessage;
    if (record.uFlags & Nif::Icon) icon.tray->setIcon(TrayImage(record.hIcon));
    if (record.uFlags & Nif::Tip) icon.tray->setToolTip(Q(record.tip));
    if ((record.uFlags & Nif::Info) && record.hasInfo) {
        const auto kind = static_cast<QSystemTrayIcon::MessageIcon>(
            std::min<std::uint32_t>(record.infoFlags & 3, 3));
        const int timeout =
            static_cast<int>(std::min<std::uint32_t>(record.timeoutOrVersion, 600000));
        icon.tray->showMessage(Q(record.infoTitle), Q(record.info), kind, timeout);
        icon.balloonTimer->start(timeout);
        // The shell reports the balloon once it is up, not from inside the call.
        QTimer::singleShot(0, this, [this, key] { Deliver(key, kBalloonShow); });
    }
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
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            Deliver(key, kLeftDown);
            Deliver(key, kLeftUp);
            break;
        case QSystemTrayIcon::Context:
            Deliver(key, kRightDown);
            Deliver(key, kRightUp);
            break;
        case QSystemTrayIcon::DoubleClick:
            Deliver(key, kLeftDoubleClick);
            Deliver(key, kLeftUp);
            break;
        case QSystemTrayIcon::MiddleClick:
            Deliver(key, kMiddleDown);
            Deliver(key, kMiddleUp);
            break;
        default:
            break;
    }
}

void QtTrayShell::Deliver(const Key& key, long code) {
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

bool QtTrayShell::SetForegroundWindow(std::uint32_t /*hWnd*/) {
    // The hidden window is never shown; the popup menu takes the focus itself.
    return true;
}

std::shared_ptr<ITrayWindow> QtTrayShell::CreateHiddenWindow(const std::string& caption) {
    std::erase_if(windows_, [](const auto& weak) { return weak.expired(); });
    auto window = std::make_shared<QtTrayWindow>(nextHandle_++, caption);
    windows_.push_back(window);
    return window;
}

bool QtTrayShell::IsAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

std::vector<QSystemTrayIcon*> QtTrayShell::TrayIcons() const {
    std::vector<QSystemTrayIcon*> all;
    for (const auto& [key, icon] : icons_) all.push_back(icon.tray);
    return all;
}

}  // namespace tagrota::qt
