#pragma once
// What reaches the program from outside its windows, on Qt: SIGTERM, SIGINT
// and SIGHUP, the end of the desktop session, and the loss of the display. Each is handed to its
// handler after the program's open menus have been closed and its dialogs
// dismissed as if by Escape; a signal waits until they have gone.

#include <QObject>
#include <functional>

#include "platform/SessionEnd.h"

class QSocketNotifier;

namespace tagrota::qt {

class QtProgramEvents final : public QObject {
public:
    // Catches the signals from now on. Needs the application object.
    QtProgramEvents();
    ~QtProgramEvents() override;
    QtProgramEvents(const QtProgramEvents&) = delete;
    QtProgramEvents& operator=(const QtProgramEvents&) = delete;

    // A signal asks the program to end.
    std::function<void()> onTerminate;
    // The desktop session ends; the handler answers the session manager
    // before it returns.
    std::function<void(ISessionEnd&)> onSessionEnd;
    // The display has gone. Qt then ends the process at once, from wherever
    // it noticed, without returning to the program: the handler runs on the
    // way out, and the process ends with status 1 when it returns.
    std::function<void()> onDisplayLost;

    // Hands the events waiting now to their handlers.
    static void DeliverWaiting();
    // Ends the event loop.
    static void Quit();

private:
    void SignalArrived();
    void TerminateOnceUnwound();
    static void EndedByQt();

    QSocketNotifier* notifier_ = nullptr;
};

// Closes open popup menus, dismisses open message boxes and dialogs as if by
// Escape, and closes the program's own modal windows, so that whatever waits
// on one can finish before the closing.
void DismissOpenWindows();

}  // namespace tagrota::qt
