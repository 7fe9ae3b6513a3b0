#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <new>
#include <random>
#include <set>
#include <stdexcept>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/ProgramFolders.h"
#include "platform/TextFile.h"
#include "platform/Translate.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tagrota {
namespace fs = std::filesystem;

namespace {

// What is at a path that is neither a file nor a folder (a device, a pipe).
std::string NotRegular() {
    return Tr("StdFileSystem", "Not a regular file");
}

// The most an unflushed replacement writes under a named temporary file.
constexpr std::size_t kMomentaryWrite = std::size_t{64} << 10;

// The temporary files of this program carry this between the file's name and
// their six random letters: ".sig.txt.tagrota-Xy12ab". Nothing else is ever
// removed as one.
constexpr std::string_view kTempTag = ".tagrota-";
constexpr std::size_t kTempLetters = 6;
// How old a temporary file must be before it is taken for one that a run
// ended: a copy of the program that writes the same file meanwhile needs its
// own for no longer than this.
constexpr auto kLitterAge = std::chrono::seconds(10);

std::string Reason(int error) {
    return std::generic_category().message(error);
}

FileStatus Failure(int error) {
    return FileStatus::Failure(Reason(error));
}

// The user, and root, own what may be trusted in a shared folder.
bool Trusted(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

// A folder every user may write to and only the owner of a name may remove it
// from, such as /tmp.
bool IsShared(const struct stat& st) {
    return S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) && (st.st_mode & S_IWOTH);
}

// An open folder (O_PATH), reached without following anything another user
// placed in a shared folder, and the path it was reached by.
class Folder {
public:
    Folder() = default;
    Folder(int fd, std::string path) : fd_(fd), path_(std::move(path)) {
        struct stat st {};
        shared_ = fd_ >= 0 && ::fstat(fd_, &st) == 0 && IsShared(st);
    }
    Folder(Folder&& other) noexcept { *this = std::move(other); }
    Folder& operator=(Folder&& other) noexcept {
        std::swap(fd_, other.fd_);
        std::swap(path_, other.path_);
        std::swap(shared_, other.shared_);
        return *this;
    }
    ~Folder() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }
    bool Shared() const { return shared_; }
    std::string PathOf(const std::string& name) const {
        return path_ == "/" ? "/" + name : path_ + "/" + name;
    }
    // Flushes the folder's names to disk, so that a file named in it stays
    // named after a power cut.
    void Sync() const {
        const int fd = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;
        ::fsync(fd);
        ::close(fd);
    }

private:
    int fd_ = -1;
    std::string path_;
    bool shared_ = false;
};

Folder OpenRoot(bool absolute) {
    if (absolute) return Folder(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC), "/");
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    return Folder(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC), ec ? "." : here.string());
}

// Where a path leads: its folder, opened, and the name in it; what is at that
// name (or nothing), never a link that is to be followed.
struct Place {
    FileStatus status;
    Folder folder;
    std::string name;
    bool exists = false;
    struct stat st {};
    std::string Path() const { return folder.PathOf(name); }
};

std::string ForeignLink(const Folder& folder) {
    return Format(Tr("StdFileSystem",
                     "it is a link that another user placed in the shared folder %1, and Tagrota "
                     "does not follow such links"),
                  {folder.Path()});
}

std::deque<std::string> Components(std::string_view path) {
    std::deque<std::string> parts;
    std::size_t at = 0;
    while (at <= path.size()) {
        std::size_t end = path.find('/', at);
        if (end == std::string_view::npos) end = path.size();
        if (end > at && path.substr(at, end - at) != ".")
            parts.emplace_back(path.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

// Walks the path one name at a time, each folder opened with
// O_NOFOLLOW | O_DIRECTORY, so that what the walk found is what is used. A
// link is followed by hand, unless another user placed it in a shared folder;
// the last name's link, too, when `followLast`.
Place Resolve(const std::string& path, bool followLast) {
    Place place;
    if (path.empty()) {
        place.status = Failure(ENOENT);
        return place;
    }
    place.folder = OpenRoot(path.front() == '/');
    if (place.folder.Fd() < 0) {
        place.status = Failure(errno);
        return place;
    }
    std::deque<std::string> rest = Components(path);
    int hops = 0;
    if (rest.empty()) {  // the root or the current folder itself
        place.name = ".";
        place.exists = ::fstat(place.folder.Fd(), &place.st) == 0;
        return place;
    }
    while (!rest.empty()) {
        std::string name = std::move(rest.front());
        rest.pop_front();
        const bool last = rest.empty();
        struct stat st {};
        if (::fstatat(place.folder.Fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (last && errno == ENOENT) {
                place.name = std::move(name);
                return place;
            }
            place.status = Failure(errno);
            return place;
        }
        if (S_ISLNK(st.st_mode) && (!last || followLast)) {
            if (place.folder.Shared() && !Trusted(st.st_uid)) {
                place.status = FileStatus::Failure(ForeignLink(place.folder));
                return place;
            }
            if (++hops > 40) {
                place.status = Failure(ELOOP);
                return place;
            }
            std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0) + 256,
                               '\0');
            const ssize_t n =
                ::readlinkat(place.folder.Fd(), name.c_str(), target.data(), target.size());
            if (n < 0) {
                place.status = Failure(errno);
                return place;
            }
            target.resize(static_cast<std::size_t>(n));
            std::deque<std::string> more = Components(target);
            rest.insert(rest.begin(), more.begin(), more.end());
            if (!target.empty() && target.front() == '/') place.folder = OpenRoot(true);
            if (rest.empty()) {  // a link to "/" or "."
                place.name = ".";
                place.exists = ::fstat(place.folder.Fd(), &place.st) == 0;
                return place;
            }
            continue;
        }
        if (last) {
            place.name = std::move(name);
            place.exists = true;
            place.st = st;
            return place;
        }
        const int fd = ::openat(place.folder.Fd(), name.c_str(),
                                O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            place.status = Failure(errno);
            return place;
        }
        std::string folderPath;
        if (name == "..") {
            folderPath = fs::path(place.folder.Path()).parent_path().string();
            if (folderPath.empty()) folderPath = "/";
        } else {
            folderPath = place.folder.PathOf(name);
        }
        place.folder = Folder(fd, std::move(folderPath));
    }
    return place;
}

// Why the file at the place is not taken as the user's, "" when it may be:
// in a shared folder, a file another user placed there may be anything they
// like.
std::string ForeignFileReason(const Folder& folder, const struct stat& st) {
    if (!folder.Shared() || Trusted(st.st_uid)) return "";
    return Format(Tr("StdFileSystem",
                     "it is a file that another user placed in the shared folder %1, and Tagrota "
                     "does not take such files for the user's own"),
                  {folder.Path()});
}

// The same for a file about to be written: nor one with a second name there,
// which another user may have made to read or change what it holds.
std::string ForeignTargetReason(const Folder& folder, const struct stat& st) {
    if (std::string foreign = ForeignFileReason(folder, st); !foreign.empty()) return foreign;
    if (folder.Shared() && st.st_nlink > 1)
        return Format(Tr("StdFileSystem",
                         "it has %1 names (hard links) in the shared folder %2, where another "
                         "user may hold one, and Tagrota does not write such files"),
                      {std::to_string(st.st_nlink), folder.Path()});
    return "";
}

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool StdFileSystem::FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::status(path, ec));
}

bool StdFileSystem::FolderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::status(path, ec));
}

bool StdFileSystem::SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    const bool same = fs::equivalent(a, b, ec);
    if (!ec) return same;
    // Not both there yet: compare the paths they would be created at.
    std::error_code ecA, ecB;
    return fs::weakly_canonical(a, ecA) == fs::weakly_canonical(b, ecB) && !ecA && !ecB;
}

std::optional<std::size_t> StdFileSystem::FindSameFile(const std::string& path,
                                                       const std::vector<std::string>& candidates) {
    // The signature file is checked against a handful of others at every
    // rotation: look at it once. A file that is there is never the same as
    // one that is not.
    struct stat at {};
    if (path.empty() || ::stat(path.c_str(), &at) != 0)
        return IFileSystem::FindSameFile(path, candidates);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        struct stat other {};
        if (!candidates[i].empty() && ::stat(candidates[i].c_str(), &other) == 0 &&
            other.st_dev == at.st_dev && other.st_ino == at.st_ino)
            return i;
    }
    return std::nullopt;
}

bool StdFileSystem::IsMissing(const std::string& path) {
    if (path.empty()) return true;
    struct stat st {};
    return ::stat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

std::optional<std::uint64_t> StdFileSystem::FileSize(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(fs::status(path, ec))) return std::nullopt;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

FileContents StdFileSystem::ReadFile(const std::string& path) {
    FileContents result;
    const Place place = Resolve(path, true);
    if (!place.status) {
        result.status = place.status;
        return result;
    }
    // A device never ends and a named pipe waits for a writer: only regular
    // files are read (and nothing waits on a pipe put there meanwhile).
    const int fd = place.exists ? ::openat(place.folder.Fd(), place.name.c_str(),
                                           O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                                : -1;
    struct stat st {};
    std::string refused;
    if (!place.exists)
        refused = Reason(ENOENT);
    else if (fd < 0 || ::fstat(fd, &st) != 0)
        refused = Reason(errno);
    else if (S_ISDIR(st.st_mode))
        refused = Reason(EISDIR);
    else if (!S_ISREG(st.st_mode))
        refused = NotRegular();
    else
        refused = ForeignFileReason(place.folder, st);
    std::FILE* file = refused.empty() ? ::fdopen(fd, "rb") : nullptr;
    if (!file) {
        if (refused.empty()) refused = Reason(errno);
        if (fd >= 0) ::close(fd);
        result.status = FileStatus::Failure(std::move(refused));
        return result;
    }
    // A file larger than the program can hold is refused by its size, before
    // a byte is read; one that grows while it is read stops at the limit.
    std::uint64_t size = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        if (end > 0) size = static_cast<std::uint64_t>(end);
        std::rewind(file);
    }
    if (size > kMaxFileBytes) {
        std::fclose(file);
        result.status = FileStatus::Failure(TooLargeReason(size, kMaxFileBytes));
        return result;
    }
    try {
        if (size > 0) ReserveText(result.bytes, static_cast<std::size_t>(size));
        char buffer[1 << 16];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            if (result.bytes.size() + n > kMaxFileBytes) {
                const std::uint64_t seen = result.bytes.size() + n;
                std::fclose(file);
                result.bytes = std::string();
                result.status =
                    FileStatus::Failure(TooLargeReason(std::max(size, seen), kMaxFileBytes));
                return result;
            }
            result.bytes.append(buffer, n);
        }
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        result.bytes = std::string();
        result.status = FileStatus::Failure(
            Format(Tr("StdFileSystem", "there is not enough memory to read its %1 bytes"),
                   {std::to_string(size)}));
        return result;
    } catch (const std::length_error&) {
        std::fclose(file);
        result.bytes = std::string();
        result.status = FileStatus::Failure(TooLargeReason(size, kMaxFileBytes));
        return result;
    }
    if (std::ferror(file)) {
        int error = errno ? errno : EIO;
        std::fclose(file);
        result.bytes.clear();
        result.status = FileStatus::Failure(Reason(error));
        return result;
    }
    std::fclose(file);
    return result;
}

std::optional<FileStamp> StdFileSystem::Stamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    constexpr std::int64_t kNano = 1'000'000'000;
    return FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::uint64_t>(st.st_size),
                     st.st_mtim.tv_sec * kNano + st.st_mtim.tv_nsec,
                     st.st_ctim.tv_sec * kNano + st.st_ctim.tv_nsec};
}

namespace {

// The user's mask for new files. Asking for it sets it, so it is asked once:
// the program never changes it.
mode_t UserMask() {
    static const mode_t mask = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return mask;
}

// The usual permissions of a new file: read and write for all, less the
// user's mask.
mode_t NewFileMode() {
    return 0666 & ~UserMask();
}

// The permissions a replacement takes over from the file it replaces: none
// that make a file run as its owner or group, nor write for every user.
mode_t CarriedMode(mode_t old) {
    return old & 0775;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A name beside the file that nothing holds yet is found by trying: the
// file's name behind a dot, this program's tag and six random letters
// (".sig.txt.tagrota-Xy12ab").
std::string TempName(const std::string& name) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 gen{std::random_device{}()};
    std::string temp = "." + name + std::string(kTempTag);
    for (std::size_t i = 0; i < kTempLetters; ++i) temp += kLetters[gen() % (sizeof kLetters - 1)];
    return temp;
}

// Whether the entry is one of this program's temporary files for the named
// file. A backup is none, though ".x.tagrota-backup" has the form of one for
// the file "x".
bool IsTempName(std::string_view entry, const std::string& name) {
    const std::string prefix = "." + name + std::string(kTempTag);
    if (entry.size() != prefix.size() + kTempLetters || !entry.starts_with(prefix) ||
        entry.ends_with(kBackupSuffix))
        return false;
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                       IsLetter);
}

// Removes the temporary files beside the named file that a run ended while it
// wrote them: this program's names only, the user's own, older than a few
// seconds. Once for each file in a run, at its first write.
void SweepLitter(const Folder& folder, const std::string& name) {
    // Never destroyed: the last closing may write files from an exit handler,
    // after the objects of this file would be gone.
    static auto* const guard = new std::mutex;
    static auto* const swept = new std::set<std::string>;
    {
        const std::lock_guard lock(*guard);
        if (!swept->insert(folder.PathOf(name)).second) return;
    }
    const int fd = ::openat(folder.Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    const auto now = std::chrono::system_clock::now();
    std::vector<std::string> left;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTempName(entry->d_name, name)) continue;
        struct stat st {};
        if (::fstatat(folder.Fd(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        const std::chrono::system_clock::time_point modified{
            std::chrono::seconds(st.st_mtim.tv_sec)};
        if (now - modified >= kLitterAge) left.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    for (const std::string& litter : left) ::unlinkat(folder.Fd(), litter.c_str(), 0);
}

// Creates a new file in the folder under a temporary name for the named file,
// with the given permissions; never opens anything that is there already or
// follows a link (O_EXCL | O_NOFOLLOW). Returns its descriptor, and its name
// in `temp`; -1 and errno on failure.
int CreateTemporary(const Folder& folder, const std::string& name, mode_t mode, std::string& temp) {
    for (int tries = 0; tries < 100; ++tries) {
        temp = TempName(name);
        const int fd = ::openat(folder.Fd(), temp.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            if ((mode & ~UserMask()) != mode) ::fchmod(fd, mode);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;  // errno is EEXIST
}

// Writes, flushes when asked, and closes; the descriptor is closed either way.
int WriteAndClose(int fd, std::string_view bytes, Durability durability) {
    int error = 0;
    if (!WriteAll(fd, bytes))
        error = errno ? errno : EIO;
    else if (durability == Durability::Flush && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

// A new file without a name in the folder (O_TMPFILE), which nobody can open
// and a run ended while it is written leaves nothing of; -1 where the file
// system makes no such files.
int OpenUnnamed(const Folder& folder, mode_t mode) {
#ifdef O_TMPFILE
    // Nobody can open it, so it may have its final permissions from the
    // start; the mask may take some away, and only then are they set again.
    const int fd = ::openat(folder.Fd(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
    if (fd >= 0 && (mode & ~UserMask()) != mode) ::fchmod(fd, mode);
    return fd;
#else
    (void)folder, (void)mode;
    return -1;
#endif
}

// Gives the unnamed file a name in the folder; never over anything.
bool NameUnnamed(int fd, const Folder& folder, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), folder.Fd(), name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// The bytes in an unnamed file that gets a temporary name beside the target
// only once it is complete, for the moment before the rename. Returns that
// name, or "" where the file system makes no such files or cannot name them
// (the caller then writes a named temporary file); a failed write sets
// `error`.
std::string WriteUnnamed(const Folder& folder, const std::string& name, std::string_view bytes,
                         Durability durability, mode_t mode, int& error) {
    error = 0;
    const int fd = OpenUnnamed(folder, mode);
    if (fd < 0) return "";
    if (!WriteAll(fd, bytes) || (durability == Durability::Flush && ::fsync(fd) != 0)) {
        error = errno ? errno : EIO;
        ::close(fd);
        return "";
    }
    for (int tries = 0; tries < 100; ++tries) {
        std::string temp = TempName(name);
        if (NameUnnamed(fd, folder, temp)) {
            ::close(fd);
            return temp;
        }
        if (errno != EEXIST) break;
    }
    ::close(fd);  // no name to be had for it (no /proc, say): a named temporary file then
    return "";
}

// Copies every byte of `from` to `to` from their starts; 0 or the reason.
int CopyBytes(int from, int to) {
    off_t in = 0, out = 0;
    for (;;) {
        const ssize_t n = ::copy_file_range(from, &in, to, &out, std::size_t{1} << 30, 0);
        if (n == 0) return 0;
        if (n > 0) continue;
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return errno;
        break;  // not between these two files: by hand
    }
    std::vector<char> buffer(std::size_t{1} << 20);
    for (;;) {
        const ssize_t n = ::pread(from, buffer.data(), buffer.size(), in);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        if (::pwrite(to, buffer.data(), static_cast<std::size_t>(n), out) != n)
            return errno ? errno : EIO;
        in += n;
        out += n;
    }
}

// True when both files hold the same bytes.
bool SameBytes(int a, int b) {
    struct stat sa {
    }, sb{};
    if (::fstat(a, &sa) != 0 || ::fstat(b, &sb) != 0 || sa.st_size != sb.st_size) return false;
    std::vector<char> x(std::size_t{1} << 20), y(std::size_t{1} << 20);
    for (off_t at = 0; at < sa.st_size;) {
        const ssize_t n = ::pread(a, x.data(), x.size(), at);
        if (n <= 0 || ::pread(b, y.data(), static_cast<std::size_t>(n), at) != n ||
            std::memcmp(x.data(), y.data(), static_cast<std::size_t>(n)) != 0)
            return false;
        at += n;
    }
    return true;
}

// True when this user may write to the file at the place.
bool MayWrite(const Place& place) {
    if ((place.st.st_mode & 0222) == 0) return false;
    // The owner's own write permission needs no further question.
    if (place.st.st_uid == ::geteuid() && (place.st.st_mode & S_IWUSR)) return true;
    return ::faccessat(place.folder.Fd(), place.name.c_str(), W_OK, 0) == 0;
}

// Whether a new file could not be made because the folder takes no new files
// from this user.
bool FolderRefuses(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// The name of a file's backup in the backup folder: its name and a mark of its
// full path, so that files of one name in different folders have their own.
std::string SpareBackupName(const Place& place) {
    std::uint64_t mark = 1469598103934665603ULL;  // FNV-1a
    for (const unsigned char c : place.Path()) {
        mark ^= c;
        mark *= 1099511628211ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(mark));
    return place.name + "-" + hex + std::string(kBackupSuffix);
}

// A whole copy of a file, kept while the file is rewritten in place.
struct Backup {
    Folder folder;
    std::string name;
    std::string Path() const { return folder.PathOf(name); }
    void Remove() const {
        ::unlinkat(folder.Fd(), name.c_str(), 0);
        folder.Sync();
    }
};

// The places a file's backup may be: beside it, and in the backup folder.
std::vector<Place> BackupPlaces(const Place& file, const std::string& backupFolder,
                                bool besideAllowed) {
    std::vector<Place> places;
    if (besideAllowed) {
        Place beside;
        beside.folder = Folder(::dup(file.folder.Fd()), file.folder.Path());
        beside.name = file.name + std::string(kBackupSuffix);
        beside.exists = ::fstatat(beside.folder.Fd(), beside.name.c_str(), &beside.st,
                                  AT_SYMLINK_NOFOLLOW) == 0;
        places.push_back(std::move(beside));
    }
    if (!backupFolder.empty()) {
        Place spare = Resolve(backupFolder + "/" + SpareBackupName(file), false);
        if (spare.status) places.push_back(std::move(spare));
    }
    return places;
}

// Copies the file (open as `from`) to a new file at the place, complete and
// flushed before it gets its name there, which it takes only where nothing
// is; 0 or the reason.
int CopyInto(int from, const Place& place) {
    if (place.exists) return EEXIST;
    std::string temp;
    int fd = OpenUnnamed(place.folder, 0600);
    const bool unnamed = fd >= 0;
    if (!unnamed && (fd = CreateTemporary(place.folder, place.name, 0600, temp)) < 0) return errno;
    int error = CopyBytes(from, fd);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error == 0) {
        const bool named = unnamed ? NameUnnamed(fd, place.folder, place.name)
                                   : ::linkat(place.folder.Fd(), temp.c_str(), place.folder.Fd(),
                                              place.name.c_str(), 0) == 0;
        if (!named) error = errno;
    }
    ::close(fd);
    if (!unnamed) ::unlinkat(place.folder.Fd(), temp.c_str(), 0);
    if (error == 0) place.folder.Sync();
    return error;
}

// Keeps a whole copy of the file (open as `from`) before it is rewritten in
// place: beside it when allowed, else in the backup folder.
std::optional<Backup> MakeBackup(int from, const Place& file, const std::string& backupFolder,
                                 bool besideAllowed, std::string& why) {
    std::string tried;
    const auto tryAt = [&](std::vector<Place> places) -> std::optional<Backup> {
        for (Place& place : places) {
            if (const int error = CopyInto(from, place); error != 0) {
                tried += (tried.empty() ? "" : "; ") + place.Path() + ": " + Reason(error);
                continue;
            }
            return Backup{std::move(place.folder), place.name};
        }
        return std::nullopt;
    };
    if (besideAllowed)
        if (std::optional<Backup> beside = tryAt(BackupPlaces(file, "", true))) return beside;
    if (!backupFolder.empty()) {
        if (std::string cannot = EnsureFolder(backupFolder); !cannot.empty())
            tried += (tried.empty() ? "" : "; ") + backupFolder + ": " + cannot;
        else if (std::optional<Backup> spare = tryAt(BackupPlaces(file, backupFolder, false)))
            return spare;
    }
    why = Format(Tr("StdFileSystem",
                    "no whole copy of it could be kept while it is rewritten (%1), so it was "
                    "left as it was"),
                 {tried.empty() ? Tr("StdFileSystem", "there is no place for one") : tried});
    return std::nullopt;
}

// Rewrites the file at the place in place: truncated, written, flushed when
// asked. A flushed rewrite keeps a whole backup of the file until the file is
// whole again; a rewrite that fails puts the backup's bytes back.
FileStatus InPlace(const Place& place, std::string_view bytes, Durability durability,
                   const std::string& backupFolder, bool besideAllowed) {
    const bool keepBackup = durability == Durability::Flush;
    const int fd = ::openat(place.folder.Fd(), place.name.c_str(),
                            (keepBackup ? O_RDWR : O_WRONLY) | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    struct stat st {};
    std::string refused;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        refused = NotRegular();
    else
        refused = ForeignTargetReason(place.folder, st);
    std::optional<Backup> backup;
    if (refused.empty() && keepBackup)
        backup = MakeBackup(fd, place, backupFolder, besideAllowed, refused);
    if (!refused.empty()) {
        ::close(fd);
        return FileStatus::Failure(std::move(refused));
    }
    int error = ::ftruncate(fd, 0) == 0 ? 0 : errno;
    if (error == 0 && !WriteAll(fd, bytes)) error = errno ? errno : EIO;
    if (error == 0 && keepBackup && ::fsync(fd) != 0) error = errno;
    // The file is kept, so the bits a replacement would not carry are taken
    // off it.
    if (error == 0 && CarriedMode(st.st_mode) != (st.st_mode & 07777) && st.st_uid == ::geteuid())
        ::fchmod(fd, CarriedMode(st.st_mode));
    if (error != 0 && backup) {
        // The disk full, say: the old bytes fit where they were.
        const int from =
            ::openat(backup->folder.Fd(), backup->name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (from >= 0 && ::ftruncate(fd, 0) == 0 && CopyBytes(from, fd) == 0 && ::fsync(fd) == 0)
            backup->Remove();
        if (from >= 0) ::close(from);
        backup.reset();
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return Failure(error);
    if (backup) backup->Remove();
    return FileStatus::Success();
}

// Creates a new file at the place: O_EXCL never opens what is there already,
// and with O_NOFOLLOW not even through a link planted at the name; a
// half-written file is removed again.
FileStatus CreateExclusiveAt(const Place& place, std::string_view bytes, Durability durability,
                             mode_t mode) {
    const int fd = ::openat(place.folder.Fd(), place.name.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return Failure(errno);
    if (const int error = WriteAndClose(fd, bytes, durability); error != 0) {
        ::unlinkat(place.folder.Fd(), place.name.c_str(), 0);
        return Failure(error);
    }
    return FileStatus::Success();
}

// Writes the bytes beside the file at the place and renames them over it.
FileStatus ReplaceWith(const Place& place, std::string_view bytes, Durability durability,
                       const std::string& backupFolder) {
    // A file made read-only stays as it is. The rename below would replace it
    // whenever its folder is writable; refuse, as Windows does, even for the
    // administrator when the file has no write permission for anyone.
    const bool exists = place.exists;
    if (exists && !MayWrite(place)) return Failure(EACCES);

    // A rename gives the name a new file: another hard link to the old one
    // would keep the old text, and a folder the user cannot write to takes no
    // new file at all (found below, when the temporary file is refused). The
    // file itself is rewritten then.
    if (exists && place.st.st_nlink > 1)
        return InPlace(place, bytes, durability, backupFolder, true);
    // In a shared folder a missing file is made new, exclusively: nothing that
    // another user places at its name in the meantime is written through.
    if (!exists && place.folder.Shared()) return CreateExclusiveAt(place, bytes, durability, 0666);

    const mode_t mode = exists ? CarriedMode(place.st.st_mode) : NewFileMode();
    SweepLitter(place.folder, place.name);

    // The temporary file sits beside the target, so the rename stays on one file
    // system and is atomic. A file without a name leaves nothing behind when
    // the run ends while it is written, but costs the file system's journal
    // two more updates than a named one: worth it where the writing takes a
    // while (a flushed save, a large file), not for the signature's few
    // hundred bytes every few seconds, written in a moment.
    int error = 0;
    std::string temp;
    if (durability == Durability::Flush || bytes.size() > kMomentaryWrite) {
        temp = WriteUnnamed(place.folder, place.name, bytes, durability, mode, error);
        if (error != 0) return Failure(error);
    }
    if (temp.empty()) {
        const int fd = CreateTemporary(place.folder, place.name, mode, temp);
        if (fd < 0) {
            const int refused = errno;
            if (exists && FolderRefuses(refused))
                return InPlace(place, bytes, durability, backupFolder, false);
            return Failure(refused);
        }
        if ((error = WriteAndClose(fd, bytes, durability)) != 0) {
            ::unlinkat(place.folder.Fd(), temp.c_str(), 0);
            return Failure(error);
        }
    }
    if (::renameat(place.folder.Fd(), temp.c_str(), place.folder.Fd(), place.name.c_str()) != 0) {
        error = errno;
        ::unlinkat(place.folder.Fd(), temp.c_str(), 0);
        return Failure(error);
    }
    return FileStatus::Success();
}

// What is at the place, as a target to write: a folder, a device or another
// user's file is refused.
FileStatus CheckTarget(const Place& place) {
    if (!place.status || !place.exists) return place.status;
    if (S_ISDIR(place.st.st_mode)) return Failure(EISDIR);
    if (!S_ISREG(place.st.st_mode)) return FileStatus::Failure(NotRegular());
    if (std::string foreign = ForeignTargetReason(place.folder, place.st); !foreign.empty())
        return FileStatus::Failure(std::move(foreign));
    return FileStatus::Success();
}

// The user's own regular file at the place.
int OpenOwn(const Place& place, int flags) {
    struct stat st {};
    if (::fstatat(place.folder.Fd(), place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
        return -1;
    return ::openat(place.folder.Fd(), place.name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC);
}

}  // namespace

std::string StdFileSystem::BackupFolder() const {
    return backupFolder_.empty() ? UserDataFolder(CurrentUserEnvironment()) : backupFolder_;
}

FileStatus StdFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes,
                                          Durability durability) {
    const Place place = Resolve(path, true);
    if (FileStatus target = CheckTarget(place); !target) return target;
    return ReplaceWith(place, bytes, durability, BackupFolder());
}

FileStatus StdFileSystem::WriteFileInPlace(const std::string& path, std::string_view bytes,
                                           Durability durability, bool besideAllowed) {
    const Place place = Resolve(path, true);
    if (FileStatus target = CheckTarget(place); !target) return target;
    if (!place.exists) return Failure(ENOENT);
    return InPlace(place, bytes, durability, BackupFolder(), besideAllowed);
}

std::optional<std::string> StdFileSystem::FindLeftBackup(const std::string& path) {
    const Place place = Resolve(path, true);
    if (!place.status) return std::nullopt;
    SweepLitter(place.folder, place.name);
    const int file = place.exists ? ::openat(place.folder.Fd(), place.name.c_str(),
                                             O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                                  : -1;
    std::optional<std::string> found;
    for (const Place& backup : BackupPlaces(place, BackupFolder(), true)) {
        SweepLitter(backup.folder, backup.name);
        const int fd = OpenOwn(backup, O_RDONLY);
        if (fd < 0) continue;
        const bool needless = file >= 0 && SameBytes(file, fd);
        ::close(fd);
        if (needless) {
            ::unlinkat(backup.folder.Fd(), backup.name.c_str(), 0);
            continue;
        }
        found = backup.Path();
        break;
    }
    if (file >= 0) ::close(file);
    return found;
}

FileStatus StdFileSystem::RestoreFromBackup(const std::string& path) {
    const Place place = Resolve(path, true);
    if (FileStatus target = CheckTarget(place); !target) return target;
    for (const Place& backup : BackupPlaces(place, BackupFolder(), true)) {
        const int from = OpenOwn(backup, O_RDONLY);
        if (from < 0) continue;
        const int to =
            place.exists
                ? ::openat(place.folder.Fd(), place.name.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC)
                : ::openat(place.folder.Fd(), place.name.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, NewFileMode());
        int error = to < 0 ? errno : 0;
        if (error == 0 && ::ftruncate(to, 0) != 0) error = errno;
        if (error == 0) error = CopyBytes(from, to);
        if (error == 0 && ::fsync(to) != 0) error = errno;
        if (to >= 0 && ::close(to) != 0 && error == 0) error = errno;
        ::close(from);
        if (error != 0) return Failure(error);
        ::unlinkat(backup.folder.Fd(), backup.name.c_str(), 0);
        backup.folder.Sync();
        return FileStatus::Success();
    }
    return FileStatus::Failure(Tr("StdFileSystem", "no backup of it is left"));
}

FileStatus StdFileSystem::KeepBackupAs(const std::string& backup, const std::string& kept) {
    const Place from = Resolve(backup, false), to = Resolve(kept, false);
    if (!from.status) return from.status;
    if (!to.status) return to.status;
    if (!from.exists) return Failure(ENOENT);
    if (to.exists) return Failure(EEXIST);
    // Never over anything: a link to the new name, then the old one removed.
    if (::linkat(from.folder.Fd(), from.name.c_str(), to.folder.Fd(), to.name.c_str(), 0) != 0)
        return Failure(errno);
    ::unlinkat(from.folder.Fd(), from.name.c_str(), 0);
    return FileStatus::Success();
}

FileStatus CreateNewFileNoFollow(const std::string& path, std::string_view bytes,
                                 Durability durability) {
    const Place place = Resolve(path, false);
    if (!place.status) return place.status;
    if (place.exists) return Failure(EEXIST);
    return CreateExclusiveAt(place, bytes, durability, 0666);
}

FileStatus StdFileSystem::CreateNewFile(const std::string& path, std::string_view bytes) {
    const Place place = Resolve(path, false);
    if (!place.status) return place.status;
    if (place.exists) return Failure(EEXIST);
    return CreateExclusiveAt(place, bytes, Durability::Flush, 0600);
}

}  // namespace tagrota
