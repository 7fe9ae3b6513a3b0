#pragma once
// Draws without repeats: in random mode every usable entry of the collection
// comes once, in an order shuffled afresh for each round, before any comes
// again; and a round never starts with the entry that ended the round before,
// so no entry comes twice in a row.
//
// The round under way is kept in a small file of the user's own (one per
// collection, named after its path) so that it goes on after a restart. The
// file holds the round's seed rather than its order, the collection's stamp
// (device, inode, size, time of change) and how far the round has come. A
// collection with another stamp, a file that is damaged, cut short or not the
// user's own, or one that cannot be had at all, starts a new round.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/ProgramState.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace tagrota {

// One round: which shuffle, of how many entries, how far it has come, the
// entry used last before it began, the one used last of all and the one put
// off to the round's end (-1 for none), for the collection with the stamp.
struct DrawRound {
    std::uint64_t seed = 0;
    Long count = 0;
    Long next = 0;
    Long before = -1;
    Long last = -1;
    // An entry of this round put off to its end, because it had come just
    // before its turn; -1 for none.
    Long deferred = -1;
    FileStamp stamp;

    // The round's order of the entries 0 to count - 1.
    std::vector<Long> Order() const;
    bool operator==(const DrawRound&) const = default;
};

// A round as its file holds it, and back; nothing for a text that is not one.
std::string FormatRound(const DrawRound& round);
std::optional<DrawRound> ParseRound(const std::string& text);

class DrawRounds {
public:
    // Rounds kept in `folder` (made private to the user where it is missing);
    // "" keeps them for this run alone.
    explicit DrawRounds(std::string folder = {}) : folder_(std::move(folder)) {}

    // The next of `count` usable entries of the collection at `path` with
    // `stamp`: the round's next one, or the first of a new round shuffled with
    // `random`. Entries that do not `fit` are passed over (they count as drawn
    // in their round); the one used last, when its turn comes next, is put
    // off to the round's end, and comes then unless it alone fits; -1 when no
    // entry fits. The round is kept before the entry is given.
    Long Next(Long count, const std::string& path, const std::optional<FileStamp>& stamp,
              IRandom& random, const std::function<bool(Long)>& fits = {});

    // Where the round of the collection at `path` is kept; "" where none is.
    std::string KeptAt(const std::string& path) const;

private:
    void Load(const std::string& path);
    void Keep() const;
    void NewRound(Long count, const FileStamp& stamp, IRandom& random);

    std::string folder_;
    std::string path_;  // the collection whose round is loaded
    std::optional<DrawRound> round_;
    std::vector<Long> order_;
};

}  // namespace tagrota
