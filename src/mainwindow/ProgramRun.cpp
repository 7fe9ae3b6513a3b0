#include "mainwindow/ProgramRun.h"

#include "mainwindow/frmMain.h"
#include "platform/SessionEnd.h"

namespace tagrota {

ProgramRun::ProgramRun(frmMain& form) : form_(form) {
    form_.onClosed = [this] {
        closed_ = true;
        if (onClosed) onClosed();
    };
}

bool ProgramRun::Start() {
    form_.Form_Load();
    loaded_ = true;
    if (reactivate_ && !closed_) form_.Reactivate();
    // A signal that came during the start-up is a close the moment it is done.
    if (deliverWaiting) deliverWaiting();
    if (endRequested_ && !closed_) form_.window->Close(UnloadMode::AppTaskManager);
    return !closed_;
}

void ProgramRun::End(UnloadMode mode) {
    if (closed_) return;
    if (!loaded_) {
        endRequested_ = true;
        return;
    }
    form_.window->Close(mode);
}

void ProgramRun::Terminate() {
    End(UnloadMode::AppTaskManager);
}

void ProgramRun::SessionEnds(ISessionEnd& session) {
    bool asking = false;
    form_.mayAskAtSessionEnd = [&] { return asking = session.AllowsInteraction(); };
    End(UnloadMode::AppWindows);
    form_.mayAskAtSessionEnd = nullptr;
    if (asking) session.Release();
    // The user kept the program (or the start-up is still running).
    if (loaded_ && !closed_) session.Cancel();
}

void ProgramRun::DisplayLost() {
    if (!closed_) form_.window->Close(UnloadMode::AppTaskManager);
}

void ProgramRun::Activate() {
    if (Running())
        form_.Reactivate();
    else if (!closed_)
        reactivate_ = true;
}

void ProgramRun::Rotate() {
    if (Running()) form_.NextQuotation();
}

std::optional<std::string> ProgramRun::Print() {
    if (!Running()) return std::nullopt;
    return form_.ComposeForPrint();
}

void ProgramRun::LoopEnded() {
    End(UnloadMode::AppWindows);
}

}  // namespace tagrota
