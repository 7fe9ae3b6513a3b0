#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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

std::string Reason(int error) {
    return std::generic_category().message(error);
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

FileContents StdFileSystem::ReadFile(const std::string& path) {
    FileContents result;
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
    if (std::fseek(file, 0, SEEK_END) == 0) {
        long size = std::ftell(file);
        if (size > 0) ReserveText(result.bytes, static_cast<std::size_t>(size));
        std::rewind(file);
    }
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) result.bytes.append(buffer, n);
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

// Writes the bytes beside the target and renames them over it.
FileStatus ReplaceWith(const fs::path& target, std::string_view bytes, Durability durability) {
    // A file made read-only stays as it is. The rename below would replace it
    // whenever its folder is writable; refuse, as Windows does, even for the
    // administrator when the file has no write permission for anyone.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        return FileStatus::Failure(Reason(EACCES));

    // The temporary file sits beside the target, so the rename stays on one file
    // system and is atomic.
    std::string temp = target.string() + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return FileStatus::Failure(Reason(errno));

    // A replaced file keeps its permissions; a new one gets the usual ones.
    mode_t mode = 0666;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return FileStatus::Failure(Reason(error));
    };
    if (!WriteAll(fd, bytes)) return fail(errno);
    if (durability == Durability::Flush && ::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(temp.c_str());
        return FileStatus::Failure(Reason(error));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        int error = errno;
        ::unlink(temp.c_str());
        return FileStatus::Failure(Reason(error));
    }
    return FileStatus::Success();
}

}  // namespace

FileStatus StdFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes,
                                          Durability durability) {
    if (path.empty()) return FileStatus::Failure(Reason(ENOENT));
    const fs::path target = ReplacementTarget(path);
    std::error_code ec;
    const fs::file_status found = fs::status(target, ec);
    if (fs::is_directory(found)) return FileStatus::Failure(Reason(EISDIR));
    if (fs::exists(found) && !fs::is_regular_file(found)) return FileStatus::Failure(kNotRegular);
    return ReplaceWith(target, bytes, durability);
}

}  // namespace tagrota

namespace tagrota {

FileStatus StdFileSystem::CreateNewFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return FileStatus::Failure(Reason(ENOENT));
#ifdef _WIN32
    // "x": fails when the file exists.
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file) return FileStatus::Failure(Reason(errno));
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                   std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0;
    int error = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        std::error_code ignored;
        fs::remove(path, ignored);
        return FileStatus::Failure(Reason(error));
    }
    return FileStatus::Success();
#else
    // O_EXCL never opens what is there already, and with O_NOFOLLOW not even
    // through a link planted at the path.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return FileStatus::Failure(Reason(errno));
    int error = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) error = errno ? errno : EIO;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(path.c_str());
        return FileStatus::Failure(Reason(error));
    }
    return FileStatus::Success();
#endif
}

}  // namespace tagrota
