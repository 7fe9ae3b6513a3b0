#include "platform/qt/QtSingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QThread>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

namespace tagrota::qt {
namespace {

using Clock = std::chrono::steady_clock;

// How long a copy that holds the lock may go without using the processor
// before it counts as not answering, and the most a request ever waits.
constexpr int kAnswerMs = 3000;
constexpr int kMostMs = 60000;
constexpr char kActivate[] = "activate\n";
constexpr char kRotate[] = "rotate\n";

// A folder that no one but this user can enter or change: the user's own, a
// folder rather than a link to one, closed to group and others.
bool IsPrivateFolder(const QString& folder) {
    struct stat st {};
    return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

// Whether a socket of this path fits a socket's address.
bool FitsAddress(const QString& path) {
    return static_cast<std::size_t>(QFile::encodeName(path).size()) <
           sizeof(sockaddr_un{}.sun_path);
}

// The lock's and the socket's path without their endings: in the user's
// runtime folder where the session has one that is private and shallow enough
// for a socket's address; else in a folder of the user's own in the temporary
// folder (or in /tmp, where that is too deep), made for it (mode 0700) and
// checked at every start. Where another user has taken that folder's name,
// the next of tagrota-<uid>-1 ... -9 that is the user's. Anywhere else another
// user could hold the lock, answer for this program or plant the names. ""
// when no such folder is to be had: then this copy runs unguarded.
QString BasePath(const std::string& settingsLocation) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString inRuntime = runtime + QLatin1Char('/') + QtSingleInstance::KeyFor(settingsLocation);
    if (!runtime.isEmpty() && IsPrivateFolder(runtime) &&
        FitsAddress(inRuntime + QStringLiteral(".socket")))
        return inRuntime;
    const QString own = QStringLiteral("/tagrota-") + QString::number(::geteuid());
    const QString name = QLatin1Char('/') + QtSingleInstance::ShortKeyFor(settingsLocation);
    QStringList temps{QDir::tempPath()};
    if (!temps.contains(QStringLiteral("/tmp"))) temps << QStringLiteral("/tmp");
    for (const QString& temp : temps) {
        for (int n = 0; n < 10; ++n) {
            const QString folder = temp + own + (n ? QLatin1Char('-') + QString::number(n) : "");
            if (!FitsAddress(folder + name + QStringLiteral(".socket"))) break;
            // One already there is checked below.
            ::mkdir(QFile::encodeName(folder).constData(), S_IRWXU);
            if (IsPrivateFolder(folder)) return folder + name;
        }
    }
    return {};
}

// The socket's address; false when the path is too long for one.
bool AddressOf(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

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

// The process that holds the lock, as it wrote itself into the lock file; 0
// when the file does not say.
pid_t HolderOf(const std::string& lockPath) {
    const int fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return 0;
    char text[32] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    return n > 0 ? static_cast<pid_t>(std::atol(text)) : 0;
}

// Whether the copy that holds the lock is at work: running now, or using the
// processor since the last look. One that does neither for kAnswerMs (stopped,
// hung, or idle without answering) has stopped answering.
class HolderWatch {
public:
    explicit HolderWatch(pid_t pid) : pid_(pid), since_(Clock::now()) {}
    bool Stalled() {
        if (const std::optional<long long> now = Work(); now && (*now != work_ || running_)) {
            work_ = *now;
            since_ = Clock::now();
        }
        return Clock::now() - since_ >= std::chrono::milliseconds(kAnswerMs);
    }

private:
    // The processor time it has used, in clock ticks; nothing where the
    // system does not tell.
    std::optional<long long> Work() {
        if (pid_ <= 0) return std::nullopt;
        std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
        std::string line;
        if (!std::getline(stat, line)) return std::nullopt;
        const std::size_t name = line.rfind(')');
        if (name == std::string::npos) return std::nullopt;
        std::istringstream fields(line.substr(name + 1));
        std::string state, skip;
        fields >> state;
        for (int i = 0; i < 10; ++i) fields >> skip;
        long long user = 0, system = 0;
        if (!(fields >> user >> system)) return std::nullopt;
        running_ = state == "R";
        return user + system;
    }

    pid_t pid_;
    long long work_ = -1;
    bool running_ = false;
    Clock::time_point since_;
};

}  // namespace

QString QtSingleInstance::KeyFor(const std::string& settingsLocation) {
    return QStringLiteral("tagrota-") + QString::number(::getuid()) + QLatin1Char('-') +
           ShortKeyFor(settingsLocation);
}

QString QtSingleInstance::ShortKeyFor(const std::string& settingsLocation) {
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(settingsLocation),
                                                     QCryptographicHash::Sha256);
    return QString::fromLatin1(hash.toHex().left(16));
}

QtSingleInstance::QtSingleInstance(const std::string& settingsLocation) {
    base_ = BasePath(settingsLocation);
    if (base_.isEmpty()) return;
    socketPath_ = QFile::encodeName(base_ + QStringLiteral(".socket")).toStdString();
    lockPath_ = QFile::encodeName(base_ + QStringLiteral(".lock")).toStdString();
    ownSocket_ = std::make_unique<OwnFile>(socketPath_, "single-instance socket");
    ownLock_ = std::make_unique<OwnFile>(lockPath_, "single-instance lock file");
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
        switch (Send(kActivate, sizeof kActivate - 1)) {
            case Reply::Heard:
                return Claim::HandedOver;
            case Reply::NoAnswer:
                return Claim::NoAnswer;
            case Reply::NoHolder:
                continue;  // it ended meanwhile: this copy may be the first now
        }
    }
    return Claim::First;
}

bool QtSingleInstance::LockHeld() const {
    const int lock = ::open(lockPath_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (lock < 0) return false;
    const bool held = ::flock(lock, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(lock);
    return held;
}

QtSingleInstance::Rotation QtSingleInstance::AskToRotate() {
    // No lock held: no copy runs, whatever socket a crashed one left.
    if (lockPath_.empty() || !LockHeld()) return Rotation::NotRunning;
    switch (Send(kRotate, sizeof kRotate - 1)) {
        case Reply::Heard:
            return Rotation::Asked;
        case Reply::NoAnswer:
            return Rotation::NoAnswer;
        case Reply::NoHolder:
            break;
    }
    return Rotation::NotRunning;
}

QtSingleInstance::Reply QtSingleInstance::Send(const char* request, std::size_t length) {
    sockaddr_un address;
    if (!AddressOf(socketPath_, address)) return Reply::NoAnswer;
    HolderWatch holder(HolderOf(lockPath_));
    const Clock::time_point start = Clock::now();
    int fd = -1;
    const auto done = [&fd](Reply reply) {
        if (fd >= 0) ::close(fd);
        return reply;
    };
    for (;;) {
        if (fd < 0) {
            // The copy may still be starting: it listens once it has the lock.
            fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            if (fd < 0) return Reply::NoAnswer;
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
                ::write(fd, request, length) != static_cast<ssize_t>(length)) {
                ::close(fd);
                fd = -1;
            }
        }
        // The running copy closes the connection once it has the request.
        if (fd < 0)
            QThread::msleep(100);
        else if (WaitReadable(fd, 100))
            return done(Reply::Heard);
        if (!LockHeld()) return done(Reply::NoHolder);
        if (holder.Stalled() || Clock::now() - start >= std::chrono::milliseconds(kMostMs))
            return done(Reply::NoAnswer);
    }
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
// start it was heard; then brings the window forward, once, and rotates once
// for each request to rotate.
void QtSingleInstance::Answer() {
    bool activate = false;
    int rotations = 0;
    for (int fd; (fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        char request[sizeof kActivate] = {};
        if (WaitReadable(fd, 500) && ::read(fd, request, sizeof request - 1) > 0) {
            activate = activate || std::strcmp(request, kActivate) == 0;
            if (std::strcmp(request, kRotate) == 0) ++rotations;
        }
        ::close(fd);
    }
    if (activate && onActivate) onActivate();
    for (; rotations > 0 && onRotate; --rotations) onRotate();
}

}  // namespace tagrota::qt
