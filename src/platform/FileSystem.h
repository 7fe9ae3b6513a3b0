#pragma once
// Access to whole files. The program never keeps a file open: it reads a file
// whole and replaces a file whole.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tagrota {

// The outcome of a file operation; on failure, the system's reason in words
// ("Permission denied", "No such file or directory").
struct FileStatus {
    bool ok = true;
    std::string reason;

    static FileStatus Success() { return {}; }
    static FileStatus Failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

struct FileContents {
    FileStatus status;
    std::string bytes;
};

// What tells one version of a file from another: the same file read again
// while it has the same stamp gives the same bytes. A file replaced, rewritten
// or touched since has another stamp.
struct FileStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0;  // nanoseconds since the epoch
    bool operator==(const FileStamp&) const = default;
};

// How much a replacement insists on reaching the disk before it is renamed
// into place. Saves of the user's own files flush; the signature file, which is
// rewritten every few seconds, need not.
enum class Durability { Flush, NoFlush };

class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    // True when a regular file (or a link to one) is found at the path; a folder
    // is not a file.
    virtual bool FileExists(const std::string& path) = 0;

    // True when a folder is found at the path.
    virtual bool FolderExists(const std::string& path) = 0;

    // True when both paths name the same file (through links, too).
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;

    // The file's bytes, whole.
    virtual FileContents ReadFile(const std::string& path) = 0;

    // The stamp of the regular file at the path; nothing when there is none,
    // or where this file system cannot tell versions apart. Only files with a
    // stamp are read ahead (see TextReadAhead).
    virtual std::optional<FileStamp> Stamp(const std::string& path) {
        (void)path;
        return std::nullopt;
    }

    // Replaces (or creates) the file with these bytes atomically: the bytes are
    // written to a temporary file in the same folder, which is then renamed over
    // the target, so a reader sees either the old file or the new one, never
    // half of one. A link is followed: its target is replaced and the link kept.
    virtual FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                                       Durability durability) = 0;

    // Creates a new file with these bytes, flushed to disk, readable by this
    // user only. Fails when anything at all is at the path already, a link
    // included (nothing is followed or replaced); a half-written file is
    // removed again.
    virtual FileStatus CreateNewFile(const std::string& path, std::string_view bytes) {
        (void)path;
        (void)bytes;
        return FileStatus::Failure("Operation not supported");
    }
};

// The real file system, on the standard library and the POSIX (or Windows)
// calls beneath it. Both platforms use it.
class StdFileSystem final : public IFileSystem {
public:
    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override;
    FileContents ReadFile(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                               Durability durability) override;
    FileStatus CreateNewFile(const std::string& path, std::string_view bytes) override;
};

}  // namespace tagrota
