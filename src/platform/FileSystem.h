#pragma once
// Access to whole files. The program never keeps a file open: it reads a file
// whole and replaces a file whole.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// The most a file read whole may hold: a collection of this size already
// takes the editor seconds to show and several times its size in memory. A
// larger file is refused with its size, like a file that cannot be read.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t{256} << 20;
// The most a signature (the fixed lines, the current signature shown at start)
// may hold: far more than any mail or news reader puts under a message.
constexpr std::uint64_t kMaxSignatureBytes = std::uint64_t{1} << 20;

// Why a file of `size` bytes is not read: "it is 40.0 GiB (42949672960 bytes),
// more than the 256 MiB Tagrota reads".
std::string TooLargeReason(std::uint64_t size, std::uint64_t limit);

class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    // True when a regular file (or a link to one) is found at the path; a folder
    // is not a file.
    virtual bool FileExists(const std::string& path) = 0;

    // True when a folder is found at the path.
    virtual bool FolderExists(const std::string& path) = 0;

    // True when nothing at all is at the path (a link to nothing counts as
    // nothing), so that a file may be created there. A device, a pipe or a
    // link loop is something: it is reported when read, never written over.
    virtual bool IsMissing(const std::string& path) {
        return !FileExists(path) && !FolderExists(path);
    }

    // The size of the regular file at the path; nothing when there is none or
    // this file system does not tell.
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) {
        (void)path;
        return std::nullopt;
    }

    // True when both paths name the same file (through links, too).
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;

    // The first of the candidates that names the same file as the path, by
    // SameFile's rule; nothing when none does.
    virtual std::optional<std::size_t> FindSameFile(const std::string& path,
                                                    const std::vector<std::string>& candidates) {
        for (std::size_t i = 0; i < candidates.size(); ++i)
            if (SameFile(path, candidates[i])) return i;
        return std::nullopt;
    }

    // The file's bytes, whole.
    virtual FileContents ReadFile(const std::string& path) = 0;
    // Whether this file system lets the file be read at all, for a reader that
    // opens it itself to read a piece at a time (a collection's index). Only a
    // file system that refuses reads of its own says no.
    virtual bool MayRead(const std::string& path) {
        (void)path;
        return true;
    }

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
    // In a shared folder such as /tmp (world-writable and sticky) nothing that
    // another user placed is used: not a link, on the way to the file or as the
    // file, nor a file of theirs, nor a file with a second hard link that they
    // may have made; a missing file there is created new (O_EXCL | O_NOFOLLOW).
    // A replacement never carries the set-user-ID, set-group-ID or
    // other-writable bits of the file it replaces. Where a replacement cannot
    // keep what the user set up (a file with more than one hard link, a
    // writable file in a folder the user cannot write to), the file is
    // rewritten in place instead. A flushed rewrite first keeps a whole,
    // flushed backup of the file (beside it, or in the user's data folder
    // where its folder takes no new file) and removes it once the file is
    // whole again; a run ended meanwhile leaves the backup for
    // FindLeftBackup. The signature (NoFlush) is rewritten without one.
    virtual FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                                       Durability durability) = 0;

    // The backup that a rewrite in place left when the run was ended before
    // the file was whole again: its path, or nothing. A backup that holds
    // what the file holds lost nothing and is removed on the way, as are this
    // program's own temporary files beside the file that an ended run left.
    virtual std::optional<std::string> FindLeftBackup(const std::string& path) {
        (void)path;
        return std::nullopt;
    }

    // Rewrites the file in place with the bytes of its left backup, flushed,
    // and then removes the backup, which stays whole until then.
    virtual FileStatus RestoreFromBackup(const std::string& path) {
        (void)path;
        return FileStatus::Failure("Operation not supported");
    }

    // Gives a left backup the name `kept` in its folder, where it is no longer
    // taken for one; never over anything that is there.
    virtual FileStatus KeepBackupAs(const std::string& backup, const std::string& kept) {
        (void)backup;
        (void)kept;
        return FileStatus::Failure("Operation not supported");
    }

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
    bool IsMissing(const std::string& path) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override;
    std::optional<std::size_t> FindSameFile(const std::string& path,
                                            const std::vector<std::string>& candidates) override;
    FileContents ReadFile(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    FileStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                               Durability durability) override;
    FileStatus CreateNewFile(const std::string& path, std::string_view bytes) override;
    std::optional<std::string> FindLeftBackup(const std::string& path) override;
    FileStatus RestoreFromBackup(const std::string& path) override;
    FileStatus KeepBackupAs(const std::string& backup, const std::string& kept) override;

    // Rewrites the existing regular file at the path in place, as
    // WriteFileAtomic does where a rename would lose what the user set up:
    // with a backup first when flushed, beside the file unless its folder
    // takes no new file (or `besideAllowed` is false), else in the backup
    // folder.
    FileStatus WriteFileInPlace(const std::string& path, std::string_view bytes,
                                Durability durability, bool besideAllowed = true);

    // Where a backup goes when the file's own folder takes none: the user's
    // data folder unless set otherwise. Created when first needed.
    void SetBackupFolder(std::string folder) { backupFolder_ = std::move(folder); }
    std::string BackupFolder() const;

private:
    std::string backupFolder_;
};

// The suffix of a backup kept while a file is rewritten in place.
inline constexpr std::string_view kBackupSuffix = ".tagrota-backup";

// Creates a new file with these bytes: fails ("File exists") when anything is
// at the path already, a link included, which is never followed
// (O_CREAT | O_EXCL | O_NOFOLLOW). For a file written beside another one in a
// folder other users may write to.
FileStatus CreateNewFileNoFollow(const std::string& path, std::string_view bytes,
                                 Durability durability);

// Files the program keeps for itself (its settings file, its lock and socket,
// files it writes to recover from): none of them may become the current
// signature file. A registration lasts as long as its object.
class OwnFile {
public:
    OwnFile(std::string path, std::string what);
    ~OwnFile();
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

    // Each registered file: its path and what it is ("settings file").
    static std::vector<std::pair<std::string, std::string>> All();

private:
    std::string path_, what_;
};

}  // namespace tagrota
