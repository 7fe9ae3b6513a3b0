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

// The matches' starts in [lo, hi - m], found by the query's rarest byte (both
// of its cases where case does not count).
class Candidates {
public:
    Candidates(std::string_view text, std::string_view what, std::size_t lo, std::size_t hi,
               bool matchCase)
        : text_(text) {
        for (std::size_t i = 1; i < what.size(); ++i)
            if (Commonness(At(what, i)) < Commonness(At(what, rare_))) rare_ = i;
        const unsigned char c = At(what, rare_);
        bytes_[0] = c;
        bytes_[1] = c;
        if (!matchCase && kLower[c] != c) bytes_[1] = kLower[c];
        if (!matchCase && c >= 'a' && c <= 'z') bytes_[1] = static_cast<unsigned char>(c - 32);
        first_ = lo + rare_;
        last_ = hi - what.size() + rare_;
    }
    std::size_t Rare() const { return rare_; }
    // The first place at or after `from` (the last at or before `upto`) where
    // one of the bytes lies, in the candidates' range; npos for none.
    std::size_t Next(int which, std::size_t from) const {
        if (from > last_) return npos;
        from = std::max(from, first_);
        const void* at = std::memchr(text_.data() + from, bytes_[which], last_ - from + 1);
        return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text_.data()) : npos;
    }
    std::size_t Previous(int which, std::size_t upto) const {
        if (upto == npos || upto < first_) return npos;
        upto = std::min(upto, last_);
        const void* at = ::memrchr(text_.data() + first_, bytes_[which], upto - first_ + 1);
        return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text_.data()) : npos;
    }
    bool TwoCases() const { return bytes_[0] != bytes_[1]; }

    static constexpr std::size_t npos = std::string_view::npos;

private:
    std::string_view text_;
    std::size_t rare_ = 0, first_ = 0, last_ = 0;
    std::array<unsigned char, 2> bytes_{};
};

// The first match starting in [lo, hi - m] of text[lo, hi).
std::optional<std::size_t> Forward(std::string_view text, std::string_view what, std::size_t lo,
                                   std::size_t hi, const Fold& fold, bool matchCase) {
    const std::size_t m = what.size();
    if (hi > text.size() || hi < lo || hi - lo < m) return std::nullopt;
    const Candidates c(text, what, lo, hi, matchCase);
    constexpr std::size_t none = Candidates::npos;
    std::size_t a = c.Next(0, 0), b = c.TwoCases() ? c.Next(1, 0) : none;
    while (a != none || b != none) {
        const std::size_t q = std::min(a, b);
        if (MatchesAt(text, what, q - c.Rare(), fold)) return q - c.Rare();
        if (q == a) a = c.Next(0, q + 1);
        if (q == b) b = c.Next(1, q + 1);
    }
    return std::nullopt;
}

// The last match lying wholly in text[lo, hi).
std::optional<std::size_t> Backward(std::string_view text, std::string_view what, std::size_t lo,
                                    std::size_t hi, const Fold& fold, bool matchCase) {
    const std::size_t m = what.size();
    if (hi > text.size() || hi < lo || hi - lo < m) return std::nullopt;
    const Candidates c(text, what, lo, hi, matchCase);
    constexpr std::size_t none = Candidates::npos;
    // `none` is the largest value: the later of two places is the larger one
    // that is not `none`.
    auto later = [](std::size_t x, std::size_t y) {
        return x == none ? y : y == none ? x : std::max(x, y);
    };
    std::size_t a = c.Previous(0, none - 1), b = c.TwoCases() ? c.Previous(1, none - 1) : none;
    while (a != none || b != none) {
        const std::size_t q = later(a, b);
        if (MatchesAt(text, what, q - c.Rare(), fold)) return q - c.Rare();
        if (q == a) a = q == 0 ? none : c.Previous(0, q - 1);
        if (q == b) b = q == 0 ? none : c.Previous(1, q - 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<TextFound> FindInText(std::string_view text, const TextQuery& query,
                                    TextSpan selection) {
    const std::string_view what = query.What;
    if (what.empty()) return std::nullopt;
    const Fold& fold = query.MatchCase ? kSame : kLower;
    const std::size_t start = std::min(selection.Start, text.size());
    const std::size_t end = std::min(start + selection.Length, text.size());
    std::optional<std::size_t> at =
        query.Forward ? Forward(text, what, end, text.size(), fold, query.MatchCase)
                      : Backward(text, what, 0, start, fold, query.MatchCase);
    bool wrapped = false;
    if (!at && query.WrapAround) {
        // Round the end, only over what the first pass left: a text without
        // a match is read once.
        const std::size_t m = what.size();
        at = query.Forward
                 ? Forward(text, what, 0, std::min(text.size(), end + m - 1), fold, query.MatchCase)
                 : Backward(text, what, start >= m ? start - m + 1 : 0, text.size(), fold,
                            query.MatchCase);
        wrapped = at.has_value();
    }
    if (!at) return std::nullopt;
    return TextFound{{*at, what.size()}, wrapped};
}

}  // namespace tagrota
