#include "platform/InstanceChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/Digest.h"
#include "platform/PrivateCache.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// How long a copy that holds the lock may go without using the processor
// before it counts as not answering.
constexpr auto kStalled = std::chrono::milliseconds(3000);

// Whether a socket of this path fits a socket's address.
bool FitsAddress(const std::string& path) {
    return path.size() < sizeof(sockaddr_un{}.sun_path);
}

// The socket's address; false when the path is too long for one.
bool AddressOf(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (!FitsAddress(path)) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// The temporary folder: $TMPDIR where set, else /tmp.
std::string TempPath() {
    const char* tmp = std::getenv("TMPDIR");
    if (!tmp || !*tmp) return "/tmp";
    std::string path = fs::path(tmp).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
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
// processor since the last look. One that does neither for kStalled (stopped,
// hung, or idle without answering) has stopped answering.
class HolderWatch {
public:
    explicit HolderWatch(pid_t pid) : pid_(pid), since_(Clock::now()) {}
    bool Stalled() {
        if (const std::optional<long long> now = Work(); now && (*now != work_ || running_)) {
            work_ = *now;
            since_ = Clock::now();
        }
        return Clock::now() - since_ >= kStalled;
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

std::string InstanceShortKeyFor(const std::string& settingsLocation) {
    return Sha256Hex(settingsLocation).substr(0, 16);
}

std::string InstanceKeyFor(const std::string& settingsLocation) {
    return "tagrota-" + std::to_string(::getuid()) + "-" + InstanceShortKeyFor(settingsLocation);
}

std::string InstanceBasePath(const std::string& settingsLocation, bool make) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) {
        std::string inRuntime = std::string(runtime) + "/" + InstanceKeyFor(settingsLocation);
        if (IsPrivateFolder(runtime) && FitsAddress(inRuntime + ".socket")) return inRuntime;
    }
    const std::string own = "/tagrota-" + std::to_string(::geteuid());
    const std::string name = "/" + InstanceShortKeyFor(settingsLocation);
    std::vector<std::string> temps{TempPath()};
    if (temps.front() != "/tmp") temps.push_back("/tmp");
    for (const std::string& temp : temps) {
        for (int n = 0; n < 10; ++n) {
            const std::string folder = temp + own + (n ? "-" + std::to_string(n) : "");
            if (!FitsAddress(folder + name + ".socket")) break;
            // One already there is checked below.
            if (make) ::mkdir(folder.c_str(), S_IRWXU);
            if (IsPrivateFolder(folder)) return folder + name;
            if (!make && ::access(folder.c_str(), F_OK) != 0) break;
        }
    }
    return {};
}

InstanceClient::InstanceClient(const std::string& basePath) {
    if (basePath.empty()) return;
    socketPath_ = basePath + ".socket";
    lockPath_ = basePath + ".lock";
}

bool InstanceClient::LockHeld() const {
    if (lockPath_.empty()) return false;
    const int lock = ::open(lockPath_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (lock < 0) return false;
    const bool held = ::flock(lock, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(lock);
    return held;
}

InstanceClient::Reply InstanceClient::Send(std::string_view request, std::string* answer,
                                           std::chrono::milliseconds most) const {
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
                ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) !=
                    static_cast<ssize_t>(request.size())) {
                ::close(fd);
                fd = -1;
            }
        }
        if (fd < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        } else {
            // The running copy writes its answer, if any, and closes the
            // connection once it has the request.
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 100) > 0) {
                char buffer[65536];
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN))
                    return done(Reply::Heard);
                if (n > 0 && answer) answer->append(buffer, static_cast<std::size_t>(n));
                if (n > 0) continue;
            }
        }
        if (!LockHeld()) return done(Reply::NoHolder);
        if (holder.Stalled() || Clock::now() - start >= most) return done(Reply::NoAnswer);
    }
}

}  // namespace tagrota
