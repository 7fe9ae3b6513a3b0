#include "platform/qt/QtSingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/Translate.h"

namespace tagrota::qt {
namespace {

// Waits until the descriptor has something to read (or its peer has gone).
bool WaitReadable(int fd, int ms) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, ms) > 0;
}

// Whether the open file is still the one at the path.
bool IsStillAt(int fd, const std::string& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// The socket's address; false when the path is too long for one.
bool AddressOf(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Writes the whole answer to a peer that reads it; false when it went away.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

QString QtSingleInstance::KeyFor(const std::string& settingsLocation) {
    return QString::fromStdString(InstanceKeyFor(settingsLocation));
}

QString QtSingleInstance::ShortKeyFor(const std::string& settingsLocation) {
    return QString::fromStdString(InstanceShortKeyFor(settingsLocation));
}

QtSingleInstance::QtSingleInstance(const std::string& settingsLocation)
    : client_(InstanceBasePath(settingsLocation, true)) {
    if (client_.LockPath().empty()) return;
    socketPath_ = client_.SocketPath();
    lockPath_ = client_.LockPath();
    // What they are, as messages name them ("it is Tagrota's own ...").
    ownSocket_ =
        std::make_unique<OwnFile>(socketPath_, Tr("QtSingleInstance", "single-instance socket"));
    ownLock_ =
        std::make_unique<OwnFile>(lockPath_, Tr("QtSingleInstance", "single-instance lock file"));
}

QtSingleInstance::~QtSingleInstance() {
    if (listener_ >= 0) {
        notifier_.reset();
        ::close(listener_);
        ::unlink(socketPath_.c_str());
    }
    // The lock file goes while it is still locked; a start that opened it
    // just before sees that and locks the next one (Acquire).
    if (lock_ >= 0) {
        ::unlink(lockPath_.c_str());
        ::close(lock_);
    }
}

QtSingleInstance::Claim QtSingleInstance::Acquire() {
    // Where no lock can be had at all (a runtime folder that cannot be
    // written, a file system without locks, no private folder for it), this
    // copy runs unguarded rather than not at all.
    if (lockPath_.empty()) return Claim::First;
    for (int tries = 0; tries < 10; ++tries) {
        lock_ =
            ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (lock_ < 0) return Claim::First;
        if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) {
            if (IsStillAt(lock_, lockPath_)) {
                // Who holds it, for a later start to watch while it waits.
                const std::string pid = std::to_string(::getpid()) + "\n";
                if (::ftruncate(lock_, 0) == 0) [[maybe_unused]]
                    const auto n = ::pwrite(lock_, pid.data(), pid.size(), 0);
                Listen();
                return Claim::First;
            }
            // Its holder removed it as it ended: lock the file there now.
            ::close(lock_);
            lock_ = -1;
            continue;
        }
        const int why = errno;
        ::close(lock_);
        lock_ = -1;
        if (why != EWOULDBLOCK) return Claim::First;
        // Another copy runs: it may still be starting, or busy.
        switch (client_.Send(kActivateRequest)) {
            case InstanceClient::Reply::Heard:
                return Claim::HandedOver;
            case InstanceClient::Reply::NoAnswer:
                return Claim::NoAnswer;
            case InstanceClient::Reply::NoHolder:
                continue;  // it ended meanwhile: this copy may be the first now
        }
    }
    return Claim::First;
}

QtSingleInstance::Rotation QtSingleInstance::AskToRotate() {
    // No lock held: no copy runs, whatever socket a crashed one left.
    if (lockPath_.empty() || !client_.LockHeld()) return Rotation::NotRunning;
    switch (client_.Send(kRotateRequest)) {
        case InstanceClient::Reply::Heard:
            return Rotation::Asked;
        case InstanceClient::Reply::NoAnswer:
            return Rotation::NoAnswer;
        case InstanceClient::Reply::NoHolder:
            break;
    }
    return Rotation::NotRunning;
}

void QtSingleInstance::Listen() {
    sockaddr_un address;
    if (!AddressOf(socketPath_, address)) return;
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener_ < 0) return;
    // A socket left by a copy that crashed would keep the bind from working;
    // the lock says it is no one's now.
    ::unlink(socketPath_.c_str());
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(socketPath_.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(listener_, 4) != 0) {
        // Without the socket this copy still runs alone; a later start then
        // finds no answer and says so.
        ::close(listener_);
        listener_ = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Answer(); });
}

// Reads each waiting request and closes its connection, which tells the later
// start it was heard; a request to print gets its signature first. Then
// brings the window forward, once, and rotates once for each request to
// rotate.
void QtSingleInstance::Answer() {
    bool activate = false;
    int rotations = 0;
    for (int fd; (fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        char buffer[16] = {};
        const ssize_t n = WaitReadable(fd, 500) ? ::read(fd, buffer, sizeof buffer - 1) : 0;
        const std::string_view request(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
        activate = activate || request == kActivateRequest;
        if (request == kRotateRequest) ++rotations;
        if (request == kPrintRequest && onPrint)
            if (const std::optional<std::string> signature = onPrint())
                WriteAll(fd, std::string(kPrintAnswer) + *signature);
        ::close(fd);
    }
    if (activate && onActivate) onActivate();
    for (; rotations > 0 && onRotate; --rotations) onRotate();
}

}  // namespace tagrota::qt
