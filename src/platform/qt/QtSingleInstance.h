#pragma once
// One running copy per settings file. Two copies would rotate the same
// signature file against each other and overwrite each other's settings at
// closing, so a second start hands over to the first instead: it asks the
// running copy to bring its window to the front, and ends.
//
// A lock on a file decides which copy is first: the system releases it when
// its holder ends, however it ends, so a copy that crashed leaves nothing
// behind that holds up the next start (one that ends normally removes the
// file). A local socket carries the request. Both live in a folder only the
// user can enter: the runtime folder, or a private one in the temporary
// folder. The socket is a plain Unix one watched by the event loop, which
// spares every start the loading of Qt's network library and all it brings.

#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/FileSystem.h"

namespace tagrota::qt {

class QtSingleInstance {
public:
    enum class Claim {
        First,       // this copy runs
        HandedOver,  // another copy runs and was asked to come to the front
        NoAnswer,    // another copy holds the lock but did not answer
    };

    // `settingsLocation` names the settings file this copy uses.
    explicit QtSingleInstance(const std::string& settingsLocation);
    ~QtSingleInstance();
    QtSingleInstance(const QtSingleInstance&) = delete;
    QtSingleInstance& operator=(const QtSingleInstance&) = delete;

    Claim Acquire();
    // Called in the first copy each time a later start asks for it.
    std::function<void()> onActivate;

    // From a start that does not run as a copy of its own (`tagrota --rotate`):
    // asks the running copy to rotate now. False when no copy runs or it did
    // not answer.
    bool AskToRotate();
    // Called in the running copy for each such request.
    std::function<void()> onRotate;

    // The name shared by the lock file and the socket of a settings file.
    static QString KeyFor(const std::string& settingsLocation);

private:
    void Listen();
    void Answer();
    // Sends one request to the running copy; true once it has been heard.
    bool Send(const char* request, std::size_t length);

    QString base_;
    std::string socketPath_, lockPath_;  // "" where there is no private folder
    std::unique_ptr<OwnFile> ownSocket_, ownLock_;
    int lock_ = -1;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tagrota::qt
