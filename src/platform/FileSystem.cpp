// The parts of the file layer that need no file system: the limits' wording
// and the register of the program's own files.

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string SizeInWords(std::uint64_t bytes) {
    const auto size = static_cast<double>(bytes);
    if (bytes >= (std::uint64_t{1} << 30))
        return Format(Tr("FileSystem", "%1 GiB"), {OneDecimal(size / (1 << 30))});
    if (bytes >= (std::uint64_t{1} << 20))
        return Format(Tr("FileSystem", "%1 MiB"), {OneDecimal(size / (1 << 20))});
    return Format(Tr("FileSystem", "%1 KiB"), {OneDecimal(size / 1024)});
}

}  // namespace

std::string TooLargeReason(std::uint64_t size, std::uint64_t limit) {
    return Format(Tr("FileSystem", "it is %1 (%2 bytes), more than the %3 MiB Tagrota reads"),
                  {SizeInWords(size), std::to_string(size), std::to_string(limit >> 20)});
}

namespace {
std::mutex ownFilesGuard;
std::vector<const OwnFile*> ownFiles;
}  // namespace

OwnFile::OwnFile(std::string path, std::string what)
    : path_(std::move(path)), what_(std::move(what)) {
    const std::lock_guard lock(ownFilesGuard);
    ownFiles.push_back(this);
}

OwnFile::~OwnFile() {
    const std::lock_guard lock(ownFilesGuard);
    std::erase(ownFiles, this);
}

std::vector<std::pair<std::string, std::string>> OwnFile::All() {
    const std::lock_guard lock(ownFilesGuard);
    std::vector<std::pair<std::string, std::string>> all;
    all.reserve(ownFiles.size());
    for (const OwnFile* own : ownFiles) all.emplace_back(own->path_, own->what_);
    return all;
}

}  // namespace tagrota
