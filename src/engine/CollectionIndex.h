#pragma once
// An index of a collection file's entries: where each piece lies among the
// file's bytes, so that one entry is read and decoded without the rest of the
// file. The pieces are the ones the whole file's text splits into
// (SplitCollection), in the encoding the whole file was read with, so an
// entry read through the index is exactly the one a whole read would give.
//
// The index is kept in the cache folder under a name made from the
// collection's path, with the stamp (device, inode, size, time of change) the
// collection had when it was made. One that is stale, damaged, cut short or
// not the user's own is made again; where the cache folder cannot be had, the
// index is made in memory each time.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/ProgramState.h"
#include "platform/PrivateCache.h"
#include "platform/Services.h"
#include "platform/TextFile.h"

namespace tagrota {

class CollectionIndex {
public:
    // The index of the collection at `path`: taken from `cacheFolder` where
    // one there is still the collection's, made (and kept there) otherwise;
    // made in memory alone when `cacheFolder` is "". Nothing when the file
    // cannot be read whole as a collection (missing, not a regular file, too
    // large). `remake` makes it even where the kept one looks right.
    static std::optional<CollectionIndex> Open(const std::string& path,
                                               const std::string& cacheFolder, bool remake = false);

    // Where the index of the collection at `path` is kept in the folder.
    static std::string KeptAt(const std::string& path, const std::string& cacheFolder);

    // Whether the collection holds quotations (HoldsQuotations on its text).
    bool HoldsQuotations() const { return holdsQuotations_; }
    // The pieces of its text, and how many the rotation can use
    // (UsableEntryCount).
    std::uint64_t PieceCount() const { return pieces_; }
    Long UsableCount() const { return usable_; }
    // The stamp the collection had when it was opened for this index.
    const FileStamp& CollectionStamp() const { return collection_.Stamp(); }
    // Whether it was taken from the cache rather than made now.
    bool Kept() const { return kept_; }

    // A piece as the editors hold it (UTF-8, CR LF); nothing when the index
    // turns out damaged there or the file cannot be read.
    std::optional<std::string> Piece(std::uint64_t index) const;

private:
    CollectionIndex(ReadOnlyFile collection) : collection_(std::move(collection)) {}
    bool TakeKept(ReadOnlyFile kept);
    bool Make();
    bool ReadIndex(std::uint64_t offset, std::size_t length, std::string& out) const;

    ReadOnlyFile collection_;
    std::optional<ReadOnlyFile> kept_file_;
    std::string made_;  // the index made by this run, when it is not read from the cache
    std::uint64_t headerCheck_ = 0, pieces_ = 0;
    Long usable_ = 0;
    bool holdsQuotations_ = false, kept_ = false;
    TextEncoding encoding_ = TextEncoding::Utf8;
};

// The random mode's quotation from the collection at `path`, drawn through
// its index as the rotation draws (ChooseRandomIndex over the usable
// entries). Nothing when the file holds no quotations or cannot be read that
// way: the caller then reads it whole and says why.
std::optional<std::string> DrawIndexedQuotation(const std::string& path,
                                                const std::string& cacheFolder, IClock& clock,
                                                IRandom& random);

}  // namespace tagrota
