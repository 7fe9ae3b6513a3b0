#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <random>
#include <stdexcept>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tagrota {
namespace fs = std::filesystem;

namespace {

// What is at a path that is neither a file nor a folder (a device, a pipe).
constexpr const char* kNotRegular = "Not a regular file";

// The most an unflushed replacement writes under a named temporary file.
constexpr std::size_t kMomentaryWrite = std::size_t{64} << 10;

std::string Reason(int error) {
    return std::generic_category().message(error);
}

// A folder every user may write to and only the owner of a name may remove it
// from, such as /tmp.
bool IsSharedFolder(const fs::path& folder) {
    struct stat st {};
    const fs::path dir = folder.empty() ? fs::path(".") : folder;
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
           (st.st_mode & S_IWOTH);
}

// Why a link on the way from the path to its file is not followed: one that
// someone other than this user (or root) placed in a shared folder may point
// wherever they choose. "" when every link may be followed.
std::string ForeignLinkReason(const fs::path& path) {
    fs::path at = path;
    std::error_code ec;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return "";
        if (st.st_uid != ::geteuid() && st.st_uid != 0 && IsSharedFolder(at.parent_path()))
            return "it is a link that another user placed in the shared folder " +
                   at.parent_path().string() + ", and Tagrota does not follow such links";
        fs::path next = fs::read_symlink(at, ec);
        if (ec) return "";
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return "";
}

// The file a replacement must land on: a link's final target, so that a link
// such as ~/.signature keeps pointing at the file it always named.
fs::path ReplacementTarget(const std::string& path) {
    fs::path target(path);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        fs::path next = fs::read_symlink(target, ec);
        if (ec) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
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
    if (std::string foreign = ForeignLinkReason(path); !foreign.empty()) {
        result.status = FileStatus::Failure(std::move(foreign));
        return result;
    }
    std::error_code ec;
    const fs::file_status found = fs::status(path, ec);
    if (fs::is_directory(found)) {
        result.status = FileStatus::Failure(Reason(EISDIR));
        return result;
    }
    // A device never ends and a named pipe waits for a writer: only regular
    // files are read.
    if (fs::exists(found) && !fs::is_regular_file(found)) {
        result.status = FileStatus::Failure(kNotRegular);
        return result;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        result.status = FileStatus::Failure(Reason(errno));
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
        result.status = FileStatus::Failure("there is not enough memory to read its " +
                                            std::to_string(size) + " bytes");
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

FileStatus Failure(int error) {
    return FileStatus::Failure(Reason(error));
}

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

// A name beside the target that nothing holds yet is found by trying: the
// target's name and six random letters.
std::string TempName(const fs::path& target) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 gen{std::random_device{}()};
    std::string name = target.string() + ".";
    for (int i = 0; i < 6; ++i) name += kLetters[gen() % (sizeof kLetters - 1)];
    return name;
}

// Creates a new file beside the target under a name nothing holds yet, with
// the given permissions; never opens anything that is there already or
// follows a link (O_EXCL | O_NOFOLLOW). Returns its descriptor, and its name
// in `name`; -1 and errno on failure.
int CreateTemporary(const fs::path& target, mode_t mode, std::string& name) {
    for (int tries = 0; tries < 100; ++tries) {
        name = TempName(target);
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
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

// The bytes in a file without a name in the target's folder (O_TMPFILE), so
// that a run ended while it writes leaves nothing behind; the file gets a
// name beside the target only once it is complete, for the moment before the
// rename. Returns that name, or "" where the file system makes no such files
// or cannot name them (the caller then writes a named temporary file); a
// failed write sets `error`.
std::string WriteUnnamed(const fs::path& target, std::string_view bytes, Durability durability,
                         mode_t mode, int& error) {
    error = 0;
#ifdef O_TMPFILE
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // Nobody can open a file without a name, so it may have its final
    // permissions from the start; the mask may take some away, and only then
    // are they set again.
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0) return "";  // not on this file system: a named temporary file then
    if ((mode & ~UserMask()) != mode) ::fchmod(fd, mode);
    if (!WriteAll(fd, bytes) || (durability == Durability::Flush && ::fsync(fd) != 0)) {
        error = errno ? errno : EIO;
        ::close(fd);
        return "";
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int tries = 0; tries < 100; ++tries) {
        std::string temp = TempName(target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            ::close(fd);
            return temp;
        }
        if (errno != EEXIST) break;
    }
    ::close(fd);  // no name to be had for it (no /proc, say): a named temporary file then
#else
    (void)target, (void)bytes, (void)durability, (void)mode;
#endif
    return "";
}

// True when this user may write to the file (`st` is what stat said of it).
bool MayWrite(const fs::path& file, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return false;
    // The owner's own write permission needs no further question.
    if (st.st_uid == ::geteuid() && (st.st_mode & S_IWUSR)) return true;
    return ::access(file.c_str(), W_OK) == 0;
}

// Whether a temporary file could not be made because the folder takes no new
// files from this user.
bool FolderRefuses(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// Writes the bytes beside the target and renames them over it. `old` is what
// stat said of the target, or null when nothing is there.
FileStatus ReplaceWith(const fs::path& target, std::string_view bytes, Durability durability,
                       const struct stat* old) {
    // A file made read-only stays as it is. The rename below would replace it
    // whenever its folder is writable; refuse, as Windows does, even for the
    // administrator when the file has no write permission for anyone.
    const bool exists = old != nullptr;
    if (exists && !MayWrite(target, *old)) return Failure(EACCES);

    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // A rename gives the name a new file: another hard link to the old one
    // would keep the old text, and a folder the user cannot write to takes no
    // new file at all (found below, when the temporary file is refused). The
    // file itself is rewritten then.
    const bool inPlacePossible = exists && S_ISREG(old->st_mode);
    if (inPlacePossible && old->st_nlink > 1)
        return StdFileSystem().WriteFileInPlace(target.string(), bytes, durability);
    // In a shared folder a missing file is made new, exclusively: nothing that
    // another user places at its name in the meantime is written through.
    if (!exists && IsSharedFolder(folder))
        return CreateNewFileNoFollow(target.string(), bytes, durability);

    // A replaced file keeps its permissions; a new one gets the usual ones.
    const mode_t mode = exists ? (old->st_mode & 07777) : NewFileMode();

    // The temporary file sits beside the target, so the rename stays on one file
    // system and is atomic. A file without a name leaves nothing behind when
    // the run ends while it is written, but costs the file system's journal
    // two more updates than a named one: worth it where the writing takes a
    // while (a flushed save, a large file), not for the signature's few
    // hundred bytes every few seconds, written in a moment.
    int error = 0;
    std::string temp;
    if (durability == Durability::Flush || bytes.size() > kMomentaryWrite) {
        temp = WriteUnnamed(target, bytes, durability, mode, error);
        if (error != 0) return Failure(error);
    }
    if (temp.empty()) {
        const int fd = CreateTemporary(target, mode, temp);
        if (fd < 0) {
            const int refused = errno;
            if (inPlacePossible && FolderRefuses(refused))
                return StdFileSystem().WriteFileInPlace(target.string(), bytes, durability);
            return Failure(refused);
        }
        if ((error = WriteAndClose(fd, bytes, durability)) != 0) {
            ::unlink(temp.c_str());
            return Failure(error);
        }
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        return Failure(error);
    }
    return FileStatus::Success();
}

}  // namespace

FileStatus StdFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes,
                                          Durability durability) {
    if (path.empty()) return FileStatus::Failure(Reason(ENOENT));
    // The signature file is replaced every few seconds, and most often its
    // path names a plain file: then one look tells all that is needed.
    struct stat st {};
    bool exists = ::lstat(path.c_str(), &st) == 0;
    fs::path target(path);
    if (exists && S_ISLNK(st.st_mode)) {
        if (std::string foreign = ForeignLinkReason(path); !foreign.empty())
            return FileStatus::Failure(std::move(foreign));
        target = ReplacementTarget(path);
        exists = ::stat(target.c_str(), &st) == 0;
        // Links that lead round in a circle name no file to replace: the
        // rename would put a file in place of one of them.
        if (!exists && errno == ELOOP) return Failure(ELOOP);
    }
    if (exists && S_ISDIR(st.st_mode)) return FileStatus::Failure(Reason(EISDIR));
    if (exists && !S_ISREG(st.st_mode)) return FileStatus::Failure(kNotRegular);
    return ReplaceWith(target, bytes, durability, exists ? &st : nullptr);
}

FileStatus StdFileSystem::WriteFileInPlace(const std::string& path, std::string_view bytes,
                                           Durability durability) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return FileStatus::Failure(kNotRegular);
    }
    if (::ftruncate(fd, 0) != 0) {
        const int error = errno;
        ::close(fd);
        return Failure(error);
    }
    if (const int error = WriteAndClose(fd, bytes, durability); error != 0) return Failure(error);
    return FileStatus::Success();
}

namespace {

// O_EXCL never opens what is there already, and with O_NOFOLLOW not even
// through a link planted at the path; a half-written file is removed again.
FileStatus CreateExclusive(const std::string& path, std::string_view bytes, Durability durability,
                           mode_t mode) {
    if (path.empty()) return Failure(ENOENT);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return Failure(errno);
    if (const int error = WriteAndClose(fd, bytes, durability); error != 0) {
        ::unlink(path.c_str());
        return Failure(error);
    }
    return FileStatus::Success();
}

}  // namespace

FileStatus CreateNewFileNoFollow(const std::string& path, std::string_view bytes,
                                 Durability durability) {
    return CreateExclusive(path, bytes, durability, 0666);
}

FileStatus StdFileSystem::CreateNewFile(const std::string& path, std::string_view bytes) {
    return CreateExclusive(path, bytes, Durability::Flush, 0600);
}

}  // namespace tagrota
