// The parts of the file layer that need no file system: the limits' wording
// and the register of the program's own files.

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tagrota {
namespace {

std::string SizeInWords(std::uint64_t bytes) {
    char text[32];
    if (bytes >= (std::uint64_t{1} << 30))
        std::snprintf(text, sizeof text, "%.1f GiB", static_cast<double>(bytes) / (1 << 30));
    else if (bytes >= (std::uint64_t{1} << 20))
        std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1 << 20));
    else
        std::snprintf(text, sizeof text, "%.1f KiB", static_cast<double>(bytes) / 1024);
    return text;
}

}  // namespace

std::string TooLargeReason(std::uint64_t size, std::uint64_t limit) {
    return "it is " + SizeInWords(size) + " (" + std::to_string(size) + " bytes), more than the " +
           std::to_string(limit >> 20) + " MiB Tagrota reads";
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
