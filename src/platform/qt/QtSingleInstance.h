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
// user can enter: the runtime folder, or (where that is missing, not private,
// or too deep for a socket's address) a private one in the temporary folder.
// The socket is a plain Unix one watched by the event loop, which spares every
// start the loading of Qt's network library and all it brings.
//
// A copy that holds the lock is running, whatever else happens: a later
// start or `--rotate` waits for its answer as long as it is busy (a long
// load keeps its event loop from answering), and gives up only once it has
// stopped using the processor for a few seconds. `--print` waits at most a
// short while, then composes from the files. The naming and the asking side
// are InstanceChannel's, shared with the command line, which has no Qt.

#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/InstanceChannel.h"

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

    enum class Rotation {
        Asked,       // the running copy has the request
        NotRunning,  // no copy holds the lock
        NoAnswer,    // a copy holds the lock but stopped answering
    };
    // From a start that does not run as a copy of its own (`tagrota --rotate`):
    // asks the running copy to rotate now.
    Rotation AskToRotate();
    // Called in the running copy for each such request.
    std::function<void()> onRotate;
    // Called in the running copy when `tagrota --print` asks for a signature:
    // a freshly composed one, or nothing where the copy cannot compose one
    // now (the asker then composes its own).
    std::function<std::optional<std::string>()> onPrint;

    // The name shared by the lock file and the socket of a settings file in
    // the runtime folder; in a private folder of the program's own, the
    // shorter ShortKeyFor.
    static QString KeyFor(const std::string& settingsLocation);
    static QString ShortKeyFor(const std::string& settingsLocation);
    // The lock file's path; "" where this copy runs unguarded.
    const std::string& LockPath() const { return lockPath_; }

private:
    void Listen();
    void Answer();

    InstanceClient client_;
    std::string socketPath_, lockPath_;  // "" where there is no private folder
    std::unique_ptr<OwnFile> ownSocket_, ownLock_;
    int lock_ = -1;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tagrota::qt
