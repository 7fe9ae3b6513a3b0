#pragma once
// Files read a piece at a time, and the program's cache folder.
//
// The cache holds what can be made again from the user's own files (the
// index of a collection's entries): a file of it that is missing, damaged or
// not the user's own is simply made again. It lives in $XDG_CACHE_HOME/tagrota
// (~/.cache/tagrota), a folder only the user may enter, and each file in it
// is private to the user and replaced whole.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace tagrota {

// An open file, read at given places; closed when it goes.
class ReadOnlyFile {
public:
    // A regular file, links followed; nothing when it cannot be opened.
    static std::optional<ReadOnlyFile> Open(const std::string& path);
    // Only a file of the user's own, not a link, readable and writable by the
    // user alone (mode 0600), in a folder that is private (PrivateFolder).
    static std::optional<ReadOnlyFile> OpenPrivate(const std::string& path);

    ReadOnlyFile(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile();

    // The stamp the file had when it was opened.
    const FileStamp& Stamp() const { return stamp_; }
    // `length` bytes from `offset`; false when the file holds fewer there.
    bool ReadAt(std::uint64_t offset, std::size_t length, std::string& out) const;

private:
    explicit ReadOnlyFile(int fd) : fd_(fd) {}
    int fd_ = -1;
    FileStamp stamp_;
};

// Whether the folder is the user's own, a real folder rather than a link to
// one, and closed to everyone else (no group or other bits).
bool IsPrivateFolder(const std::string& folder);

// Where the program's cache folder is: $XDG_CACHE_HOME/tagrota where that is
// an absolute path, ~/.cache/tagrota otherwise; "" without a home.
std::string PrivateCacheFolder();

// Replaces the file with the bytes, atomically (a temporary file renamed over
// it), readable and writable by the user alone. Its folder is made (mode
// 0700) where it is missing; false, and nothing written, where the folder is
// not private (IsPrivateFolder).
bool WritePrivateFile(const std::string& path, std::string_view bytes);

}  // namespace tagrota
