#include "platform/qt/QtProgramEvents.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace tagrota::qt {
namespace {

int signalPipe[2] = {-1, -1};

// The events of the run now, for the end of the process.
QtProgramEvents* running = nullptr;

// How long the closing waits for an open menu or dialog to have gone.
constexpr int kUnwindWait = 10;  // ms

// Only hands the signal to the event loop; the closing runs there.
extern "C" void OnTerminate(int signal) {
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] auto n = ::write(signalPipe[1], &byte, 1);
}

// The session manager's side of the end of the desktop session.
class QtSessionEnd final : public ISessionEnd {
public:
    explicit QtSessionEnd(QSessionManager& manager) : manager_(manager) {}
    bool AllowsInteraction() override { return manager_.allowsInteraction(); }
    void Release() override { manager_.release(); }
    void Cancel() override { manager_.cancel(); }

private:
    QSessionManager& manager_;
};

}  // namespace

void DismissOpenWindows() {
    // A popup menu first: it holds the mouse and the keyboard.
    for (QWidget* popup = QApplication::activePopupWidget(); popup;) {
        popup->close();
        QWidget* next = QApplication::activePopupWidget();
        popup = next != popup ? next : nullptr;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else if (w->windowModality() != Qt::NonModal)
            w->close();
    }
}

QtProgramEvents::QtProgramEvents() {
    // SIGTERM, SIGINT and SIGHUP (the terminal that started the program
    // closed) go through a socket pair to the event loop.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { SignalArrived(); });
        struct sigaction action {};
        action.sa_handler = OnTerminate;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            // Started with SIGHUP ignored (nohup), the program keeps it so.
            struct sigaction was {};
            if (signal == SIGHUP && sigaction(signal, nullptr, &was) == 0 &&
                was.sa_handler == SIG_IGN)
                continue;
            sigaction(signal, &action, nullptr);
        }
    }
    // Qt ends the process with exit() when the connection to the display
    // breaks; any end of the process while the run is on is such an end.
    static const bool watched = std::atexit(&QtProgramEvents::EndedByQt) == 0;
    if (watched) running = this;
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        DismissOpenWindows();
        QtSessionEnd session(manager);
        if (onSessionEnd) onSessionEnd(session);
    });
}

// The signal handlers stay: a signal after the closing has nothing left to
// end.
QtProgramEvents::~QtProgramEvents() {
    if (running == this) running = nullptr;
}

void QtProgramEvents::EndedByQt() {
    QtProgramEvents* events = running;
    if (!events) return;
    running = nullptr;
    if (events->onDisplayLost) events->onDisplayLost();
    // What is left of Qt on its way out needs the display.
    std::fflush(nullptr);
    ::_exit(1);
}

void QtProgramEvents::SignalArrived() {
    char byte;
    [[maybe_unused]] auto n = ::read(signalPipe[0], &byte, 1);
    DismissOpenWindows();
    QTimer::singleShot(0, this, [this] { TerminateOnceUnwound(); });
}

// An open menu or dialog runs an event loop of its own, and below it on the
// stack is whatever opened it: the tray icon's mouse handler for its menu, the
// closing's question for its message box. The closing waits until they have
// returned, since it may take away the very objects they are running in.
void QtProgramEvents::TerminateOnceUnwound() {
    if (QApplication::activePopupWidget() || QThread::currentThread()->loopLevel() > 1) {
        DismissOpenWindows();
        QTimer::singleShot(kUnwindWait, this, [this] { TerminateOnceUnwound(); });
        return;
    }
    if (onTerminate) onTerminate();
}

void QtProgramEvents::DeliverWaiting() {
    QCoreApplication::processEvents();
}

void QtProgramEvents::Quit() {
    QCoreApplication::quit();
}

}  // namespace tagrota::qt
