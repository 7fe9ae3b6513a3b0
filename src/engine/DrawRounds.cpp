#include "engine/DrawRounds.h"

#include <charconv>
#include <numeric>
#include <sstream>
#include <utility>

#include "platform/Digest.h"
#include "platform/PrivateCache.h"
#include "platform/ProgramFolders.h"

namespace tagrota {
namespace {

constexpr const char* kFirstLine = "tagrota round 2";
// A round's file is a few lines; anything longer is no round.
constexpr std::uint64_t kMostRoundBytes = 4096;

// The stamp's parts that tell one content of the collection from another.
bool SameContent(const FileStamp& a, const FileStamp& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modified == b.modified;
}

std::uint64_t Check(std::string_view body) {
    std::uint64_t h = 0xcbf29ce484222325;  // FNV-1a
    for (const char c : body) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3;
    }
    return h;
}

// A whole index below `count` drawn from the source.
Long Below(Long count, IRandom& random) {
    const auto p = static_cast<Long>(random.Next() * static_cast<double>(count));
    return p < count ? p : count - 1;
}

std::uint64_t NewSeed(IRandom& random) {
    const auto high = static_cast<std::uint64_t>(random.Next() * 0x1.0p53);
    const auto low = static_cast<std::uint64_t>(random.Next() * 0x1.0p53);
    return high << 11 ^ low;
}

template <class Number>
bool Take(std::istringstream& lines, const char* key, Number& value) {
    std::string line;
    if (!std::getline(lines, line)) return false;
    const std::string prefix = std::string(key) + " ";
    if (line.compare(0, prefix.size(), prefix) != 0) return false;
    const char* begin = line.data() + prefix.size();
    const char* end = line.data() + line.size();
    auto [at, error] = std::from_chars(begin, end, value);
    return error == std::errc() && at == end;
}

}  // namespace

std::vector<Long> DrawRound::Order() const {
    std::vector<Long> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), Long{0});
    SplitMixRandom shuffle(seed);
    for (Long i = count - 1; i > 0; --i) std::swap(order[i], order[Below(i + 1, shuffle)]);
    // A shuffle that would start with the entry that ended the round before
    // takes another first entry, any of the others alike.
    if (count > 1 && order[0] == before) std::swap(order[0], order[1 + Below(count - 1, shuffle)]);
    return order;
}

std::string FormatRound(const DrawRound& round) {
    std::ostringstream body;
    body << kFirstLine << '\n'
         << "seed " << round.seed << '\n'
         << "count " << round.count << '\n'
         << "next " << round.next << '\n'
         << "before " << round.before << '\n'
         << "last " << round.last << '\n'
         << "deferred " << round.deferred << '\n'
         << "device " << round.stamp.device << '\n'
         << "inode " << round.stamp.inode << '\n'
         << "size " << round.stamp.size << '\n'
         << "modified " << round.stamp.modified << '\n';
    const std::string text = body.str();
    return text + "check " + std::to_string(Check(text)) + '\n';
}

std::optional<DrawRound> ParseRound(const std::string& text) {
    const std::size_t checkAt = text.rfind("check ");
    if (checkAt == std::string::npos) return std::nullopt;
    std::istringstream lines(text);
    std::string first;
    DrawRound r;
    std::uint64_t check = 0;
    if (!std::getline(lines, first) || first != kFirstLine || !Take(lines, "seed", r.seed) ||
        !Take(lines, "count", r.count) || !Take(lines, "next", r.next) ||
        !Take(lines, "before", r.before) || !Take(lines, "last", r.last) ||
        !Take(lines, "deferred", r.deferred) || !Take(lines, "device", r.stamp.device) ||
        !Take(lines, "inode", r.stamp.inode) || !Take(lines, "size", r.stamp.size) ||
        !Take(lines, "modified", r.stamp.modified) || !Take(lines, "check", check))
        return std::nullopt;
    if (static_cast<std::size_t>(lines.tellg()) != text.size() ||
        check != Check(std::string_view(text).substr(0, checkAt)))
        return std::nullopt;
    if (r.count < 1 || r.next < 1 || r.next > r.count || r.before < -1 || r.before >= r.count ||
        r.last < -1 || r.last >= r.count || r.deferred < -1 || r.deferred >= r.count)
        return std::nullopt;
    return r;
}

std::string DrawRounds::KeptAt(const std::string& path) const {
    if (folder_.empty()) return "";
    const std::string real = RealPath(path);
    return folder_ + "/" + Sha256Hex(real.empty() ? path : real).substr(0, 32) + ".round";
}

void DrawRounds::Load(const std::string& path) {
    path_ = path;
    round_.reset();
    order_.clear();
    const std::string keptAt = KeptAt(path);
    if (keptAt.empty()) return;
    const std::optional<ReadOnlyFile> kept = ReadOnlyFile::OpenPrivate(keptAt);
    std::string text;
    if (!kept || kept->Stamp().size > kMostRoundBytes ||
        !kept->ReadAt(0, static_cast<std::size_t>(kept->Stamp().size), text))
        return;
    round_ = ParseRound(text);
}

void DrawRounds::Keep() const {
    if (const std::string keptAt = KeptAt(path_); !keptAt.empty())
        WritePrivateFile(keptAt, FormatRound(*round_));
}

void DrawRounds::NewRound(Long count, const FileStamp& stamp, IRandom& random) {
    const Long last = round_ && round_->last < count ? round_->last : -1;
    round_ = DrawRound{NewSeed(random), count, 0, last, last, -1, stamp};
    order_ = round_->Order();
}

Long DrawRounds::Next(Long count, const std::string& path, const std::optional<FileStamp>& stamp,
                      IRandom& random, const std::function<bool(Long)>& fits) {
    if (count < 2) return !fits || fits(0) ? 0 : -1;
    if (path != path_) Load(path);
    const FileStamp now = stamp.value_or(FileStamp{});
    if (!round_ || round_->count != count || !SameContent(round_->stamp, now))
        NewRound(count, now, random);
    else if (order_.size() != static_cast<std::size_t>(count))
        order_ = round_->Order();
    // The rest of this round and a whole new one at most: by then every
    // entry has had its turn.
    for (std::int64_t tries = 0; tries < 2 * std::int64_t{count}; ++tries) {
        if (round_->next >= count) {
            // The entry put off because it had just come ends its round.
            if (const Long put = std::exchange(round_->deferred, -1);
                put >= 0 && put != round_->last && (!fits || fits(put))) {
                round_->last = put;
                Keep();
                return put;
            }
            NewRound(count, now, random);
        }
        const Long p = order_[static_cast<std::size_t>(round_->next++)];
        if (fits && !fits(p)) continue;
        // The entry that came last is put off to the end of the round.
        if (p == round_->last) {
            round_->deferred = p;
            continue;
        }
        round_->last = p;
        Keep();
        return p;
    }
    Keep();
    // Only the entry used last fits: it comes again.
    const Long last = round_->last;
    return last >= 0 && (!fits || fits(last)) ? last : -1;
}

}  // namespace tagrota
