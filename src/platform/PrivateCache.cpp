#include "platform/PrivateCache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "platform/ProgramFolders.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

FileStamp StampOf(const struct stat& st) {
    constexpr std::int64_t kNano = 1'000'000'000;
    return FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::uint64_t>(st.st_size),
                     st.st_mtim.tv_sec * kNano + st.st_mtim.tv_nsec,
                     st.st_ctim.tv_sec * kNano + st.st_ctim.tv_nsec};
}

// Makes the folder, private, where it is missing; true when it is there and
// private now.
bool MakePrivateFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) return false;
    return IsPrivateFolder(folder);
}

}  // namespace

std::optional<ReadOnlyFile> ReadOnlyFile::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    ReadOnlyFile file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    file.stamp_ = StampOf(st);
    return file;
}

std::optional<ReadOnlyFile> ReadOnlyFile::OpenPrivate(const std::string& path) {
    if (!IsPrivateFolder(fs::path(path).parent_path().string())) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    ReadOnlyFile file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
        (st.st_mode & 07777) != (S_IRUSR | S_IWUSR))
        return std::nullopt;
    file.stamp_ = StampOf(st);
    return file;
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), stamp_(other.stamp_) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        stamp_ = other.stamp_;
    }
    return *this;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool ReadOnlyFile::ReadAt(std::uint64_t offset, std::size_t length, std::string& out) const {
    out.resize(length);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n =
            ::pread(fd_, out.data() + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool IsPrivateFolder(const std::string& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

std::string PrivateCacheFolder() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    std::string cache;
    if (xdg && fs::path(xdg).is_absolute()) {
        cache = xdg;
    } else {
        const std::string home = UserHome();
        if (home.empty()) return "";
        cache = home + "/.cache";
    }
    return (fs::path(cache) / "tagrota").lexically_normal().string();
}

bool WritePrivateFile(const std::string& path, std::string_view bytes) {
    const fs::path folder = fs::path(path).parent_path();
    // The cache folder every program shares, then the program's own, made as
    // they are made elsewhere where they are missing.
    ::mkdir(folder.parent_path().c_str(), S_IRWXU);
    if (!MakePrivateFolder(folder.string())) return false;
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);  // mode 0600
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

}  // namespace tagrota
