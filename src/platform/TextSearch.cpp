#include "platform/TextSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tagrota {
namespace {

using Fold = std::array<unsigned char, 256>;

constexpr Fold MakeFold(bool matchCase) {
    Fold f{};
    for (int c = 0; c < 256; ++c)
        f[c] = static_cast<unsigned char>(!matchCase && c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return f;
}
constexpr Fold kSame = MakeFold(true), kLower = MakeFold(false);

unsigned char At(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

// Greek and Coptic: the capitals, and the symbol forms of small letters.
char32_t FoldGreek(char32_t c) {
    switch (c) {
        case 0x37F:
            return 0x3F3;
        case 0x386:
            return 0x3AC;
        case 0x38C:
            return 0x3CC;
        case 0x3C2:
            return 0x3C3;  // final sigma
        case 0x3CF:
            return 0x3D7;
        case 0x3D0:
            return 0x3B2;
        case 0x3D1:
            return 0x3B8;
        case 0x3D5:
            return 0x3C6;
        case 0x3D6:
            return 0x3C0;
        case 0x3F0:
            return 0x3BA;
        case 0x3F1:
            return 0x3C1;
        case 0x3F4:
            return 0x3B8;
        case 0x3F5:
            return 0x3B5;
        case 0x3F7:
            return 0x3F8;
        case 0x3F9:
            return 0x3F2;
        case 0x3FA:
            return 0x3FB;
        default:
            break;
    }
    if (c == 0x370 || c == 0x372 || c == 0x376) return c + 1;
    if (c >= 0x388 && c <= 0x38A) return c + 0x25;
    if (c == 0x38E || c == 0x38F) return c + 0x3F;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
    if (c >= 0x3D8 && c <= 0x3EF) return c | 1;
    if (c >= 0x3FD && c <= 0x3FF) return c - 0x82;
    return c;
}

// The letter `c` folds to; `c` itself for any other character. Only letters
// whose folded form has the same length in UTF-8 fold: the long s, the dotted
// capital I and the capital sharp s stay as they are.
char32_t FoldLetter(char32_t c) {
    if (c < 0x80) return c >= U'A' && c <= U'Z' ? c + 0x20 : c;
    if (c == 0xB5) return 0x3BC;  // micro sign: mu
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c < 0x100) return c;
    // Latin Extended-A: capital and small letters in pairs.
    if (c <= 0x12F || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c & 1 ? c + 1 : c;
    if (c == 0x178) return 0xFF;
    if (c >= 0x370 && c <= 0x3FF) return FoldGreek(c);
    // Cyrillic.
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F))
        return c | 1;
    if (c == 0x4C0) return 0x4CF;
    if (c >= 0x4C1 && c <= 0x4CE) return c & 1 ? c + 1 : c;
    // Latin Extended Additional.
    if ((c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF)) return c | 1;
    if (c == 0x1E9B) return 0x1E61;
    return c;
}

// The letters that fold all lie below this, in two or three bytes of UTF-8.
constexpr char32_t kFoldingEnd = 0x2000;

// A character of two bytes, or of three below kFoldingEnd, as UTF-8 holds it:
// the only lengths of letters that fold.
struct Unit {
    char32_t c = 0;
    std::size_t length = 0;  // 0: no such character here
};

Unit FoldableAt(std::string_view s, std::size_t at) {
    const unsigned char b = At(s, at);
    auto follows = [&](std::size_t i) {
        return at + i < s.size() && (At(s, at + i) & 0xC0) == 0x80;
    };
    if (b >= 0xC2 && b <= 0xDF && follows(1))
        return {static_cast<char32_t>((b & 0x1F) << 6 | (At(s, at + 1) & 0x3F)), 2};
    if (b == 0xE1 && follows(1) && follows(2))
        return {
            static_cast<char32_t>(0x1000 | (At(s, at + 1) & 0x3F) << 6 | (At(s, at + 2) & 0x3F)),
            3};
    return {};
}

// The UTF-8 of `c` in `length` bytes (2 or 3) at `out`.
void PutUnit(char32_t c, std::size_t length, char* out) {
    if (length == 2) {
        out[0] = static_cast<char>(0xC0 | c >> 6);
    } else {
        out[0] = static_cast<char>(0xE0 | c >> 12);
        out[1] = static_cast<char>(0x80 | (c >> 6 & 0x3F));
    }
    out[length - 1] = static_cast<char>(0x80 | (c & 0x3F));
}

// How common a byte is in text, roughly: 0 for the rarest. The search looks
// for the query's rarest byte first, with memchr, which reads many bytes at a
// step: a frequent letter would stop it at every other word.
std::size_t Commonness(unsigned char c) {
    constexpr std::string_view kCommonLast = "kvbpygfwmucldrhsniotae \r\n";
    const std::size_t at = kCommonLast.find(static_cast<char>(kLower[c]));
    return at == std::string_view::npos ? 0 : at + 1;
}

bool MatchesAt(std::string_view text, std::string_view what, std::size_t at, const Fold& fold) {
    for (std::size_t i = 0; i < what.size(); ++i)
        if (fold[At(text, at + i)] != fold[At(what, i)]) return false;
    return true;
}

// Whether the text at `at` folds to the folded query `what`, character by
// character.
bool FoldedMatchesAt(std::string_view text, std::string_view what, std::size_t at) {
    const std::string_view span = text.substr(0, at + what.size());
    for (std::size_t i = 0; i < what.size();) {
        const unsigned char q = At(what, i);
        const Unit u = q < 0x80 ? Unit{} : FoldableAt(what, i);
        if (u.length == 0) {
            if (kLower[At(text, at + i)] != q) return false;
            ++i;
            continue;
        }
        const Unit t = FoldableAt(span, at + i);
        if (t.length != u.length || FoldLetter(t.c) != u.c) return false;
        i += u.length;
    }
    return true;
}

// The bytes a match has at one place of the query, in all its cases: at most
// four (theta has as many forms).
struct AnchorBytes {
    std::size_t at = 0;  // in the query
    std::array<unsigned char, 4> bytes{};
    std::size_t count = 0;
    void Add(unsigned char b) {
        if (std::find(bytes.begin(), bytes.begin() + static_cast<long>(count), b) ==
                bytes.begin() + static_cast<long>(count) &&
            count < bytes.size())
            bytes[count++] = b;
    }
};

// The query's rarest byte, and what it is in the other cases (ASCII letters
// only: the fast path of an ASCII query).
AnchorBytes AsciiAnchor(std::string_view what, bool matchCase) {
    AnchorBytes a;
    for (std::size_t i = 1; i < what.size(); ++i)
        if (Commonness(At(what, i)) < Commonness(At(what, a.at))) a.at = i;
    const unsigned char c = At(what, a.at);
    a.Add(c);
    if (!matchCase) {
        a.Add(kLower[c]);
        if (c >= 'a' && c <= 'z') a.Add(static_cast<unsigned char>(c - 32));
    }
    return a;
}

// For a folded query with letters beyond ASCII: a byte of its first such
// letter, the last one (lead bytes are shared by whole alphabets), in every
// form of the letter; or the rarest ASCII byte when it is rarer.
AnchorBytes FoldedAnchor(std::string_view what) {
    std::size_t best = std::string_view::npos, bestRank = 0;
    Unit unit;
    std::size_t unitStart = 0;
    for (std::size_t i = 0; i < what.size();) {
        const unsigned char b = At(what, i);
        const Unit u = b < 0x80 ? Unit{} : FoldableAt(what, i);
        const std::size_t rank = u.length > 0 ? 0 : b < 0x80 ? 2 * Commonness(b) + 1 : 1;
        if (best == std::string_view::npos || rank < bestRank) {
            best = u.length > 0 ? i + u.length - 1 : i;
            bestRank = rank;
            unit = u;
            unitStart = i;
        }
        i += std::max<std::size_t>(u.length, 1);
    }
    AnchorBytes a;
    a.at = best;
    const unsigned char b = At(what, best);
    if (unit.length == 0) {
        a.Add(b);
        if (b >= 'a' && b <= 'z') a.Add(static_cast<unsigned char>(b - 32));
        return a;
    }
    // Every letter that folds to this one.
    std::array<char, 3> bytes{};
    const char32_t first = unit.length == 2 ? 0x80 : 0x800;
    const char32_t last = unit.length == 2 ? 0x7FF : kFoldingEnd - 1;
    for (char32_t c = first; c <= last; ++c)
        if (FoldLetter(c) == unit.c) {
            PutUnit(c, unit.length, bytes.data());
            a.Add(static_cast<unsigned char>(bytes[best - unitStart]));
        }
    return a;
}

// The matches' starts in [lo, hi - m], found by the anchor's bytes.
class Candidates {
public:
    Candidates(std::string_view text, const AnchorBytes& anchor, std::size_t m, std::size_t lo,
               std::size_t hi)
        : text_(text), anchor_(anchor), first_(lo + anchor.at), last_(hi - m + anchor.at) {}
    std::size_t Rare() const { return anchor_.at; }
    std::size_t Count() const { return anchor_.count; }
    // The first place at or after `from` (the last at or before `upto`) where
    // byte `which` lies, in the candidates' range; npos for none.
    std::size_t Next(std::size_t which, std::size_t from) const {
        if (from > last_) return npos;
        from = std::max(from, first_);
        const void* at = std::memchr(text_.data() + from, anchor_.bytes[which], last_ - from + 1);
        return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text_.data()) : npos;
    }
    std::size_t Previous(std::size_t which, std::size_t upto) const {
        if (upto == npos || upto < first_) return npos;
        upto = std::min(upto, last_);
        const void* at = ::memrchr(text_.data() + first_, anchor_.bytes[which], upto - first_ + 1);
        return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text_.data()) : npos;
    }

    static constexpr std::size_t npos = std::string_view::npos;

private:
    std::string_view text_;
    AnchorBytes anchor_;
    std::size_t first_ = 0, last_ = 0;
};

using Places = std::array<std::size_t, 4>;

// The first match starting in [lo, hi - m] of text[lo, hi).
template <class Matches>
std::optional<std::size_t> Forward(std::string_view text, std::size_t m, const AnchorBytes& anchor,
                                   std::size_t lo, std::size_t hi, const Matches& matches) {
    if (hi > text.size() || hi < lo || hi - lo < m) return std::nullopt;
    const Candidates c(text, anchor, m, lo, hi);
    constexpr std::size_t none = Candidates::npos;
    Places next;
    next.fill(none);
    for (std::size_t k = 0; k < c.Count(); ++k) next[k] = c.Next(k, 0);
    for (;;) {
        const std::size_t q = *std::min_element(next.begin(), next.end());
        if (q == none) return std::nullopt;
        if (matches(q - c.Rare())) return q - c.Rare();
        for (std::size_t k = 0; k < c.Count(); ++k)
            if (next[k] == q) next[k] = c.Next(k, q + 1);
    }
}

// The last match lying wholly in text[lo, hi).
template <class Matches>
std::optional<std::size_t> Backward(std::string_view text, std::size_t m, const AnchorBytes& anchor,
                                    std::size_t lo, std::size_t hi, const Matches& matches) {
    if (hi > text.size() || hi < lo || hi - lo < m) return std::nullopt;
    const Candidates c(text, anchor, m, lo, hi);
    constexpr std::size_t none = Candidates::npos;
    // `none` is the largest value: the later of the places is the largest
    // one that is not `none`.
    Places previous;
    previous.fill(none);
    for (std::size_t k = 0; k < c.Count(); ++k) previous[k] = c.Previous(k, none - 1);
    for (;;) {
        std::size_t q = none;
        for (const std::size_t p : previous)
            if (p != none && (q == none || p > q)) q = p;
        if (q == none) return std::nullopt;
        if (matches(q - c.Rare())) return q - c.Rare();
        for (std::size_t k = 0; k < c.Count(); ++k)
            if (previous[k] == q) previous[k] = q == 0 ? none : c.Previous(k, q - 1);
    }
}

// The search in both directions, round the end when asked, with one way of
// matching.
template <class Matches>
std::optional<TextFound> Search(std::string_view text, std::size_t m, const AnchorBytes& anchor,
                                const TextQuery& query, TextSpan selection,
                                const Matches& matches) {
    const std::size_t start = std::min(selection.Start, text.size());
    const std::size_t end = std::min(start + selection.Length, text.size());
    std::optional<std::size_t> at = query.Forward
                                        ? Forward(text, m, anchor, end, text.size(), matches)
                                        : Backward(text, m, anchor, 0, start, matches);
    bool wrapped = false;
    if (!at && query.WrapAround) {
        // Round the end, only over what the first pass left: a text without
        // a match is read once.
        at = query.Forward
                 ? Forward(text, m, anchor, 0, std::min(text.size(), end + m - 1), matches)
                 : Backward(text, m, anchor, start >= m ? start - m + 1 : 0, text.size(), matches);
        wrapped = at.has_value();
    }
    if (!at) return std::nullopt;
    return TextFound{{*at, m}, wrapped};
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        const unsigned char b = At(out, i);
        const Unit u = b < 0x80 ? Unit{} : FoldableAt(text, i);
        if (u.length == 0) {
            out[i] = static_cast<char>(kLower[b]);
            ++i;
            continue;
        }
        if (const char32_t folded = FoldLetter(u.c); folded != u.c)
            PutUnit(folded, u.length, &out[i]);
        i += u.length;
    }
    return out;
}

std::optional<TextFound> FindInText(std::string_view text, const TextQuery& query,
                                    TextSpan selection) {
    const std::string_view what = query.What;
    if (what.empty()) return std::nullopt;
    const bool ascii =
        std::all_of(what.begin(), what.end(), [](char c) { return (c & 0x80) == 0; });
    if (query.MatchCase || ascii) {
        const Fold& fold = query.MatchCase ? kSame : kLower;
        return Search(text, what.size(), AsciiAnchor(what, query.MatchCase), query, selection,
                      [&](std::size_t at) { return MatchesAt(text, what, at, fold); });
    }
    const std::string folded = FoldCase(what);
    return Search(text, folded.size(), FoldedAnchor(folded), query, selection,
                  [&](std::size_t at) { return FoldedMatchesAt(text, folded, at); });
}

}  // namespace tagrota
