#pragma once
// Quotations set aside with "Never This One Again": the rotation passes them
// over, without the collection being edited.
//
// Each collection has its own list, kept in a file of the user's own in the
// data folder (named after the collection's real path), in the collection's
// own format so that it can be read:
//
//   tagrota never again 1
//   collection /home/me/quotes.txt
//   %
//   The first quotation set aside.
//   %
//   The second.
//   %
//
// A quotation is known by its text, line ends and the white space around it
// aside, so the list holds wherever the entry moves in the collection. A list
// file that is damaged, too large or not the user's own is left as it is and
// nothing is added to it: the rotation then sets nothing aside for that
// collection, and a change of the list says why it cannot be made.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/FileSystem.h"

namespace tagrota {

// Where the lists are kept in the user's data folder.
inline std::string NeverAgainFolder(const std::string& dataFolder) {
    return dataFolder + "/never-again";
}

// A list file larger than this is no list of ours.
inline constexpr std::uint64_t kMostNeverAgainBytes = 16ull << 20;

// How the list knows a quotation: its text with every line end LF and the
// white space (line ends included) around it taken away.
std::string NeverAgainKey(std::string_view quotation);

// One collection's list.
struct NeverAgainList {
    // The quotations, as they were set aside (their keys' text), oldest first.
    std::vector<std::string> entries;
    // Why the list's file cannot be used; "" when it can (missing is fine).
    std::string problem;

    bool Empty() const { return entries.empty(); }
    bool Holds(std::string_view quotation) const {
        return !keys_.empty() && keys_.contains(NeverAgainKey(quotation));
    }
    void Rebuild();

private:
    std::unordered_set<std::string> keys_;
};

// The list file's text for the collection, and back: nothing for a text that
// is not such a list.
std::string FormatNeverAgain(const std::string& collection,
                             const std::vector<std::string>& entries);
std::optional<std::vector<std::string>> ParseNeverAgain(std::string_view text);

class NeverAgain {
public:
    // Lists kept in `folder` (made private to the user where it is missing);
    // "" keeps them for this run alone.
    explicit NeverAgain(std::string folder = {}) : folder_(std::move(folder)) {}

    // The list of the collection at `path`, read again when its file changed.
    const NeverAgainList& For(const std::string& path);
    // Sets the quotation aside for the collection; one already on the list
    // stays once. A failure says why, and the list is as it was.
    FileStatus Add(const std::string& path, std::string_view quotation);
    // Takes the list's entry `which` back into the rotation.
    FileStatus TakeBack(const std::string& path, std::size_t which);

    // Where the list of the collection at `path` is kept; "" where none is.
    std::string KeptAt(const std::string& path) const;

private:
    FileStatus Keep(const std::string& path, std::vector<std::string> entries);

    std::string folder_;
    std::string path_;  // the collection whose list is loaded
    std::optional<FileStamp> stamp_;
    bool loaded_ = false;
    NeverAgainList list_;
};

}  // namespace tagrota
