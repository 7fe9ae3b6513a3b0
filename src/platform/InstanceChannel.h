#pragma once
// Where a running copy of the program can be reached, and the requests a
// later start or the command line sends it (see QtSingleInstance, which
// answers them). One running copy per settings file: a lock file decides which
// copy runs, a local socket beside it carries the requests. Both live in a
// folder only the user can enter: the runtime folder, or (where that is
// missing, not private, or too deep for a socket's address) a private one in
// the temporary folder.

#include <chrono>
#include <string>
#include <string_view>

namespace tagrota {

// The requests, one line each.
inline constexpr std::string_view kActivateRequest = "activate\n";
inline constexpr std::string_view kRotateRequest = "rotate\n";
inline constexpr std::string_view kPrintRequest = "print\n";
// What starts the running copy's answer to kPrintRequest; the signature follows.
inline constexpr std::string_view kPrintAnswer = "signature\n";

// The name shared by the lock file and the socket of a settings file in the
// runtime folder; in a private folder of the program's own, the shorter
// InstanceShortKeyFor.
std::string InstanceKeyFor(const std::string& settingsLocation);
std::string InstanceShortKeyFor(const std::string& settingsLocation);

// The lock's and the socket's path without their endings: in the user's
// runtime folder where the session has one that is private and shallow enough
// for a socket's address; else in a folder of the user's own in the temporary
// folder (or in /tmp), tagrota-<uid>, or where another user took that name the
// next of tagrota-<uid>-1 ... -9 that is the user's. With `make`, that folder
// is made (mode 0700) where it is missing; without, a missing one ends the
// search, since no copy runs there. "" when there is no such folder.
std::string InstanceBasePath(const std::string& settingsLocation, bool make);

// The side that asks: a later start, `--rotate`, `--print`.
class InstanceClient {
public:
    explicit InstanceClient(const std::string& basePath);

    // Whether a copy holds the lock (and so runs, whatever socket a crashed
    // one left).
    bool LockHeld() const;

    enum class Reply {
        Heard,     // the running copy took the request (and answered it)
        NoAnswer,  // a copy holds the lock but stopped answering, or took too long
        NoHolder,  // no copy holds the lock
    };
    // Sends one request to the copy that holds the lock, and waits until it
    // has been heard (the copy closes the connection), the copy stopped
    // answering (it did not use the processor for a few seconds), no copy
    // holds the lock, or `most` has passed. `answer`, when given, receives
    // what the copy wrote back.
    Reply Send(std::string_view request, std::string* answer = nullptr,
               std::chrono::milliseconds most = std::chrono::minutes(1)) const;

    const std::string& SocketPath() const { return socketPath_; }
    const std::string& LockPath() const { return lockPath_; }

private:
    std::string socketPath_, lockPath_;  // "" where there is no private folder
};

}  // namespace tagrota
