#include "engine/CollectionIndex.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "engine/Collection.h"
#include "engine/CollectionChoice.h"
#include "engine/SignatureEngine.h"
#include "platform/Digest.h"
#include "platform/ProgramFolders.h"

namespace tagrota {
namespace {

// The index file: a header of ten 64-bit words, then one record of three
// words for every piece (its start and end among the file's bytes, and a
// check). The checks tie every record to its place and to the header, so
// that a changed byte anywhere shows.
constexpr std::uint64_t kMagic = 0x3178646961727467;  // "gtraidx1", little end first
constexpr std::size_t kHeaderWords = 10, kRecordWords = 3;
constexpr std::size_t kHeaderBytes = kHeaderWords * 8, kRecordBytes = kRecordWords * 8;

std::uint64_t Mix(std::uint64_t h, std::uint64_t value) {
    h ^= value + 0x9E3779B97F4A7C15 + (h << 6) + (h >> 2);
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9;
    h ^= h >> 29;
    return h;
}

std::uint64_t Word(const std::string& bytes, std::size_t word) {
    std::uint64_t value = 0;
    std::memcpy(&value, bytes.data() + word * 8, 8);
    return value;
}

void Append(std::string& bytes, std::uint64_t value) {
    char raw[8];
    std::memcpy(raw, &value, 8);
    bytes.append(raw, 8);
}

std::uint64_t RecordCheck(std::uint64_t header, std::uint64_t index, std::uint64_t start,
                          std::uint64_t end) {
    return Mix(Mix(Mix(header, index), start), end);
}

}  // namespace

std::string CollectionIndex::KeptAt(const std::string& path, const std::string& cacheFolder) {
    const std::string real = RealPath(path);
    return cacheFolder + "/" + Sha256Hex(real.empty() ? path : real).substr(0, 32) + ".index";
}

std::optional<CollectionIndex> CollectionIndex::Open(const std::string& path,
                                                     const std::string& cacheFolder, bool remake) {
    std::optional<ReadOnlyFile> collection = ReadOnlyFile::Open(path);
    if (!collection || collection->Stamp().size > kMaxFileBytes) return std::nullopt;
    CollectionIndex index(std::move(*collection));
    const std::string keptAt = cacheFolder.empty() ? "" : KeptAt(path, cacheFolder);
    if (!remake && !keptAt.empty())
        if (std::optional<ReadOnlyFile> kept = ReadOnlyFile::OpenPrivate(keptAt);
            kept && index.TakeKept(std::move(*kept)))
            return index;
    // A file that memory cannot hold twice over with its index is left to
    // the whole read, which says so.
    try {
        if (!index.Make()) return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    // Kept where it can be; a run that cannot keep it makes it again next time.
    if (!keptAt.empty()) WritePrivateFile(keptAt, index.made_);
    return index;
}

bool CollectionIndex::TakeKept(ReadOnlyFile kept) {
    std::string header;
    if (!kept.ReadAt(0, kHeaderBytes, header)) return false;
    std::uint64_t check = 0;
    for (std::size_t word = 0; word + 1 < kHeaderWords; ++word)
        check = Mix(check, Word(header, word));
    const FileStamp& stamp = collection_.Stamp();
    const std::uint64_t pieces = Word(header, 6);
    if (Word(header, 0) != kMagic || Word(header, 9) != check || Word(header, 1) != stamp.device ||
        Word(header, 2) != stamp.inode || Word(header, 3) != stamp.size ||
        Word(header, 4) != static_cast<std::uint64_t>(stamp.modified) || Word(header, 5) > 2 ||
        pieces > stamp.size + 1 || Word(header, 7) > pieces || Word(header, 8) > 1 ||
        kept.Stamp().size != kHeaderBytes + pieces * kRecordBytes)
        return false;
    encoding_ = static_cast<TextEncoding>(Word(header, 5));
    pieces_ = pieces;
    usable_ = static_cast<Long>(Word(header, 7));
    holdsQuotations_ = Word(header, 8) == 1;
    headerCheck_ = check;
    kept_file_ = std::move(kept);
    kept_ = true;
    return true;
}

bool CollectionIndex::Make() {
    const FileStamp& stamp = collection_.Stamp();
    std::string raw;
    if (!collection_.ReadAt(0, static_cast<std::size_t>(stamp.size), raw)) return false;
    // Decoded and split as a whole read decodes and splits it.
    DecodedText decoded = DecodeText(raw);
    encoding_ = decoded.format.encoding;
    holdsQuotations_ = tagrota::HoldsQuotations(decoded.text);
    ProgramState state;
    SplitInto(state, std::move(decoded.text));
    usable_ = UsableEntryCount(state);
    pieces_ = state.Sigs.size();

    made_.clear();
    made_.reserve(kHeaderBytes + pieces_ * kRecordBytes);
    const std::array<std::uint64_t, kHeaderWords - 1> header = {
        kMagic,
        stamp.device,
        stamp.inode,
        stamp.size,
        static_cast<std::uint64_t>(stamp.modified),
        static_cast<std::uint64_t>(encoding_),
        pieces_,
        static_cast<std::uint64_t>(usable_),
        holdsQuotations_ ? 1u : 0u};
    headerCheck_ = 0;
    for (const std::uint64_t word : header) {
        Append(made_, word);
        headerCheck_ = Mix(headerCheck_, word);
    }
    Append(made_, headerCheck_);

    // Where each piece lies among the bytes. The decoded text has a "%" for
    // each "%" of the bytes and no other, and keeps their line ends where
    // they were (CR LF for any of CR LF, LF and CR): so the n-th "%" of the
    // text, the one of a separator, is the n-th of the bytes, and the piece
    // around it starts and ends beyond the line ends of the bytes there.
    if (pieces_ == 0) return true;
    const std::vector<std::string_view> views = state.Sigs.Views();
    const char* const text = views.front().data();
    const std::string_view bytes = raw;
    std::uint64_t start = encoding_ == TextEncoding::Utf8WithBom ? 3 : 0;
    std::size_t textFrom = 0, bytesFrom = static_cast<std::size_t>(start);
    const auto record = [&](std::size_t i, std::uint64_t end) {
        Append(made_, start);
        Append(made_, end);
        Append(made_, RecordCheck(headerCheck_, i, start, end));
    };
    for (std::size_t i = 0; i + 1 < views.size(); ++i) {
        // The "%" of the separator before the next piece, which starts after
        // "%" CR LF, or at the end of a text that ends in "%".
        const std::size_t next = static_cast<std::size_t>(views[i + 1].data() - text);
        const std::size_t percent = text[next - 1] == '%' ? next - 1 : next - 3;
        // The same "%" among the bytes: as many others to pass over first.
        std::size_t others =
            static_cast<std::size_t>(std::count(text + textFrom, text + percent, '%'));
        std::size_t at = bytesFrom;
        for (;; ++at, --others) {
            at = bytes.find('%', at);
            if (at == std::string_view::npos) return false;
            if (others == 0) break;
        }
        // The line end before it (CR LF, LF or CR), then the one after it.
        record(i, at >= 2 && bytes[at - 1] == '\n' && bytes[at - 2] == '\r' ? at - 2 : at - 1);
        if (at + 2 < bytes.size() && bytes[at + 1] == '\r' && bytes[at + 2] == '\n')
            start = at + 3;
        else
            start = std::min<std::uint64_t>(at + 2, bytes.size());
        textFrom = percent + 1;
        bytesFrom = at + 1;
    }
    record(views.size() - 1, bytes.size());
    return true;
}

bool CollectionIndex::ReadIndex(std::uint64_t offset, std::size_t length, std::string& out) const {
    if (kept_file_) return kept_file_->ReadAt(offset, length, out);
    if (offset + length > made_.size()) return false;
    out.assign(made_, static_cast<std::size_t>(offset), length);
    return true;
}

std::optional<std::string> CollectionIndex::Piece(std::uint64_t index) const {
    if (index >= pieces_) return std::nullopt;
    std::string record;
    if (!ReadIndex(kHeaderBytes + index * kRecordBytes, kRecordBytes, record)) return std::nullopt;
    const std::uint64_t start = Word(record, 0), end = Word(record, 1);
    if (Word(record, 2) != RecordCheck(headerCheck_, index, start, end) || start > end ||
        end > collection_.Stamp().size)
        return std::nullopt;
    std::string bytes;
    if (!collection_.ReadAt(start, static_cast<std::size_t>(end - start), bytes))
        return std::nullopt;
    return DecodeTextAs(bytes, encoding_);
}

std::optional<std::string> DrawIndexedQuotation(const std::string& path,
                                                const std::string& cacheFolder, IClock& clock,
                                                IRandom& random) {
    std::optional<CollectionIndex> index = CollectionIndex::Open(path, cacheFolder);
    if (!index || !index->HoldsQuotations() || index->UsableCount() < 1) return std::nullopt;
    const Long p = ChooseRandomIndex(index->UsableCount(), clock, random);
    if (std::optional<std::string> piece = index->Piece(static_cast<std::uint64_t>(p)))
        return piece;
    // Damaged where it was read: made again, once.
    index = CollectionIndex::Open(path, cacheFolder, true);
    if (!index || !index->HoldsQuotations() || index->UsableCount() < 1) return std::nullopt;
    return index->Piece(static_cast<std::uint64_t>(std::min<Long>(p, index->UsableCount() - 1)));
}

}  // namespace tagrota
