#pragma once
// The program's run around its main window: the start-up, the closing, and
// the requests that come from outside the window (SIGTERM, SIGINT or SIGHUP,
// the end of the desktop session, the loss of the display, a later start,
// `tagrota --rotate`), in whatever order they come. A request that comes while
// the start-up runs waits until it is done; after the closing there is none.

#include <functional>
#include <optional>
#include <string>

#include "platform/Window.h"

namespace tagrota {

class frmMain;
class ISessionEnd;

class ProgramRun {
public:
    // Takes over the window's closed notification.
    explicit ProgramRun(frmMain& form);
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Runs once the main window has closed: the program then ends.
    std::function<void()> onClosed;
    // Hands the events that are waiting now to their handlers; the start-up
    // runs it when it is done, before a close asked for during it.
    std::function<void()> deliverWaiting;

    // The start-up. True when the program runs on; false when it closed during
    // the start-up or right after it.
    bool Start();

    // Another program asks this one to end (a signal): the ordinary closing,
    // which asks nothing and keeps unsaved edits in recovery files.
    void Terminate();
    // The desktop session ends: unsaved edits are asked about where the
    // session manager lets the program ask; Cancel there calls the end of the
    // session off.
    void SessionEnds(ISessionEnd& session);
    // The display has gone: nobody can be asked and nothing can wait, so the
    // closing runs now, whatever the program was doing.
    void DisplayLost();
    // Another start of the program hands over to this one.
    void Activate();
    // `tagrota --rotate`; the start-up rotates anyway.
    void Rotate();
    // `tagrota --print`: a signature as this copy would compose it, without
    // rotating; nothing before the start-up has ended or after the closing.
    std::optional<std::string> Print();
    // The event loop ended without the window closing.
    void LoopEnded();

    // Started and not yet closed.
    bool Running() const { return loaded_ && !closed_; }
    bool Closed() const { return closed_; }

private:
    // A close, or during the start-up a close as soon as it is done.
    void End(UnloadMode mode);

    frmMain& form_;
    bool loaded_ = false, closed_ = false;
    // Asked for during the start-up.
    bool endRequested_ = false, reactivate_ = false;
};

}  // namespace tagrota
