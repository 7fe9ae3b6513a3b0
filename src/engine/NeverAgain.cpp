#include "engine/NeverAgain.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Digest.h"
#include "platform/PrivateCache.h"
#include "platform/ProgramFolders.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

constexpr std::string_view kFirstLine = "tagrota never again 1";
constexpr std::string_view kCollectionKey = "collection ";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The next line of the text from `at` (its line end, LF or CR LF, left out),
// or nothing at the end.
std::optional<std::string_view> NextLine(std::string_view text, std::size_t& at) {
    if (at >= text.size()) return std::nullopt;
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool SameStamp(const FileStamp& a, const FileStamp& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modified == b.modified;
}

}  // namespace

std::string NeverAgainKey(std::string_view quotation) {
    std::string key;
    key.reserve(quotation.size());
    for (std::size_t i = 0; i < quotation.size(); ++i) {
        if (quotation[i] == '\r') {
            key += '\n';
            if (i + 1 < quotation.size() && quotation[i + 1] == '\n') ++i;
        } else {
            key += quotation[i];
        }
    }
    const auto first = std::find_if_not(key.begin(), key.end(), IsBlank);
    const auto last = std::find_if_not(key.rbegin(), key.rend(), IsBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

void NeverAgainList::Rebuild() {
    keys_.clear();
    for (const std::string& entry : entries) keys_.insert(NeverAgainKey(entry));
}

std::string FormatNeverAgain(const std::string& collection,
                             const std::vector<std::string>& entries) {
    std::string text(kFirstLine);
    text += '\n';
    text += kCollectionKey;
    text += collection;
    text += "\n%\n";
    for (const std::string& entry : entries) text += entry + "\n%\n";
    return text;
}

std::optional<std::vector<std::string>> ParseNeverAgain(std::string_view text) {
    std::size_t at = 0;
    const std::optional<std::string_view> first = NextLine(text, at);
    const std::optional<std::string_view> collection = NextLine(text, at);
    const std::optional<std::string_view> separator = NextLine(text, at);
    if (first != kFirstLine || !collection || !collection->starts_with(kCollectionKey) ||
        separator != "%")
        return std::nullopt;
    std::vector<std::string> entries;
    std::string entry;
    while (const std::optional<std::string_view> line = NextLine(text, at)) {
        if (*line == "%") {
            if (std::string key = NeverAgainKey(entry); !key.empty())
                entries.push_back(std::move(key));
            entry.clear();
        } else {
            entry.append(*line).append("\n");
        }
    }
    // An entry the list ends in without its closing line is kept too: the
    // user may have edited the file by hand.
    if (std::string key = NeverAgainKey(entry); !key.empty()) entries.push_back(std::move(key));
    return entries;
}

std::string NeverAgain::KeptAt(const std::string& path) const {
    if (folder_.empty()) return "";
    const std::string real = RealPath(path);
    return folder_ + "/" + Sha256Hex(real.empty() ? path : real).substr(0, 32) + ".never";
}

const NeverAgainList& NeverAgain::For(const std::string& path) {
    const std::string keptAt = KeptAt(path);
    if (keptAt.empty()) {
        if (path != path_) {
            path_ = path;
            list_ = {};
        }
        return list_;
    }
    std::optional<ReadOnlyFile> kept = ReadOnlyFile::OpenPrivate(keptAt);
    const std::optional<FileStamp> stamp =
        kept ? std::optional<FileStamp>(kept->Stamp()) : std::nullopt;
    if (loaded_ && path == path_ && stamp.has_value() == stamp_.has_value() &&
        (!stamp || SameStamp(*stamp, *stamp_)))
        return list_;
    path_ = path;
    stamp_ = stamp;
    loaded_ = true;
    list_ = {};
    std::error_code error;
    if (!kept) {
        if (std::filesystem::symlink_status(keptAt, error).type() !=
            std::filesystem::file_type::not_found)
            list_.problem = Format(Tr("NeverAgain",
                                      "the list %1 is not a file of your own that only you may "
                                      "read and write"),
                                   {keptAt});
        return list_;
    }
    std::string text;
    if (stamp->size > kMostNeverAgainBytes) {
        list_.problem = Format(Tr("NeverAgain", "the list %1 cannot be used: %2"),
                               {keptAt, TooLargeReason(stamp->size, kMostNeverAgainBytes)});
    } else if (!kept->ReadAt(0, static_cast<std::size_t>(stamp->size), text)) {
        list_.problem = Format(Tr("NeverAgain", "the list %1 could not be read"), {keptAt});
    } else if (std::optional<std::vector<std::string>> entries = ParseNeverAgain(text)) {
        list_.entries = std::move(*entries);
    } else {
        list_.problem = Format(
            Tr("NeverAgain", "the list %1 is damaged: it does not begin as a list does"), {keptAt});
    }
    list_.Rebuild();
    return list_;
}

FileStatus NeverAgain::Keep(const std::string& path, std::vector<std::string> entries) {
    if (const std::string keptAt = KeptAt(path); !keptAt.empty()) {
        if (!WritePrivateFile(keptAt, FormatNeverAgain(path, entries)))
            return FileStatus::Failure(Format(Tr("NeverAgain",
                                                 "the list %1 could not be written: its folder is "
                                                 "missing, full or not private to you"),
                                              {keptAt}));
        loaded_ = false;  // read again, with the new stamp
        For(path);
        return FileStatus::Success();
    }
    list_.entries = std::move(entries);
    list_.Rebuild();
    return FileStatus::Success();
}

FileStatus NeverAgain::Add(const std::string& path, std::string_view quotation) {
    const NeverAgainList& list = For(path);
    if (!list.problem.empty()) return FileStatus::Failure(list.problem);
    std::string key = NeverAgainKey(quotation);
    if (key.empty() || list.Holds(key)) return FileStatus::Success();
    std::vector<std::string> entries = list.entries;
    entries.push_back(std::move(key));
    return Keep(path, std::move(entries));
}

FileStatus NeverAgain::TakeBack(const std::string& path, std::size_t which) {
    const NeverAgainList& list = For(path);
    if (!list.problem.empty()) return FileStatus::Failure(list.problem);
    if (which >= list.entries.size()) return FileStatus::Success();
    std::vector<std::string> entries = list.entries;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(which));
    return Keep(path, std::move(entries));
}

}  // namespace tagrota
