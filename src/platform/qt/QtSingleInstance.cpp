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
#include <QThread>
#include <cerrno>
#include <cstring>

namespace tagrota::qt {
namespace {

constexpr int kAnswerMs = 3000;
constexpr char kActivate[] = "activate\n";
constexpr char kRotate[] = "rotate\n";

// A folder that no one but this user can enter or change: the user's own, a
// folder rather than a link to one, closed to group and others.
bool IsPrivateFolder(const QString& folder) {
    struct stat st {};
    return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

// Where the lock and the socket live: the user's runtime folder where the
// session has one, else a folder of the user's own in the temporary folder,
// made for it (mode 0700) and checked at every start. Anywhere else another
// user could hold the lock, answer for this program or plant the names. ""
// when no such folder is to be had: then this copy runs unguarded.
QString RuntimeFolder() {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime)) return runtime;
    const QString own =
        QDir::tempPath() + QStringLiteral("/tagrota-") + QString::number(::geteuid());
    ::mkdir(QFile::encodeName(own).constData(), S_IRWXU);  // one already there is checked below
    return IsPrivateFolder(own) ? own : QString();
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

}  // namespace

QString QtSingleInstance::KeyFor(const std::string& settingsLocation) {
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(settingsLocation),
                                                     QCryptographicHash::Sha256);
    return QStringLiteral("tagrota-") + QString::number(::getuid()) + QLatin1Char('-') +
           QString::fromLatin1(hash.toHex().left(16));
}

QtSingleInstance::QtSingleInstance(const std::string& settingsLocation) {
    const QString folder = RuntimeFolder();
    if (folder.isEmpty()) return;
    base_ = folder + QLatin1Char('/') + KeyFor(settingsLocation);
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
    for (int tries = 0;; ++tries) {
        if (tries == 10) return Claim::First;
        lock_ =
            ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (lock_ < 0) return Claim::First;
        if (::flock(lock_, LOCK_EX | LOCK_NB) != 0) break;
        if (IsStillAt(lock_, lockPath_)) {
            Listen();
            return Claim::First;
        }
        // Its holder removed it as it ended: lock the file there now.
        ::close(lock_);
        lock_ = -1;
    }
    const int why = errno;
    ::close(lock_);
    lock_ = -1;
    if (why != EWOULDBLOCK) return Claim::First;
    sockaddr_un address;
    if (!AddressOf(socketPath_, address)) return Claim::NoAnswer;
    // Another copy runs: it may still be starting, so give it a moment to
    // listen.
    for (int waited = 0; waited < kAnswerMs; waited += 100) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return Claim::NoAnswer;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            const bool sent = ::write(fd, kActivate, sizeof kActivate - 1) ==
                              static_cast<ssize_t>(sizeof kActivate - 1);
            // The first copy closes the connection once it has the request.
            const bool answered = sent && WaitReadable(fd, kAnswerMs);
            ::close(fd);
            return answered ? Claim::HandedOver : Claim::NoAnswer;
        }
        ::close(fd);
        QThread::msleep(100);
    }
    return Claim::NoAnswer;
}

bool QtSingleInstance::AskToRotate() {
    // No lock held: no copy runs, whatever socket a crashed one left.
    const int lock = ::open(lockPath_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (lock < 0) return false;
    const bool held = ::flock(lock, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(lock);
    return held && Send(kRotate, sizeof kRotate - 1);
}

bool QtSingleInstance::Send(const char* request, std::size_t length) {
    sockaddr_un address;
    if (!AddressOf(socketPath_, address)) return false;
    // The copy may still be starting: give it a moment to listen.
    for (int waited = 0; waited < kAnswerMs; waited += 100) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            const bool sent = ::write(fd, request, length) == static_cast<ssize_t>(length);
            const bool answered = sent && WaitReadable(fd, kAnswerMs);
            ::close(fd);
            return answered;
        }
        ::close(fd);
        QThread::msleep(100);
    }
    return false;
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
