#include "platform/TextSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

// The first match starting in [lo, hi - m] of text[lo, hi).
std::optional<std::size_t> Forward(std::string_view text, std::string_view what, std::size_t lo,
                                   std::size_t hi, const Fold& fold) {
    const std::size_t m = what.size();
    if (hi > text.size() || hi < lo || hi - lo < m) return std::nullopt;
    // How far the window may move when its last byte is this one.
    std::array<std::size_t, 256> skip;
    skip.fill(m);
    for (std::size_t i = 0; i + 1 < m; ++i) skip[fold[At(what, i)]] = m - 1 - i;
    const unsigned char last = fold[At(what, m - 1)];
    for (std::size_t s = lo; s + m <= hi;) {
        const unsigned char c = fold[At(text, s + m - 1)];
        if (c == last) {
            std::size_t i = 0;
            while (i + 1 < m && fold[At(text, s + i)] == fold[At(what, i)]) ++i;
            if (i + 1 >= m) return s;
        }
        s += skip[c];
    }
    return std::nullopt;
}

// The last match lying wholly in text[lo, hi).
std::optional<std::size_t> Backward(std::string_view text, std::string_view what, std::size_t lo,
                                    std::size_t hi, const Fold& fold) {
    const std::size_t m = what.size();
    if (hi > text.size() || hi < lo || hi - lo < m) return std::nullopt;
    // The mirror of Forward: the window's first byte decides the step back.
    std::array<std::size_t, 256> skip;
    skip.fill(m);
    for (std::size_t i = m - 1; i >= 1; --i) skip[fold[At(what, i)]] = i;
    const unsigned char first = fold[At(what, 0)];
    for (std::size_t s = hi - m;;) {
        const unsigned char c = fold[At(text, s)];
        if (c == first) {
            std::size_t i = 1;
            while (i < m && fold[At(text, s + i)] == fold[At(what, i)]) ++i;
            if (i >= m) return s;
        }
        if (s < lo + skip[c]) return std::nullopt;
        s -= skip[c];
    }
}

}  // namespace

std::optional<TextFound> FindInText(std::string_view text, const TextQuery& query,
                                    TextSpan selection) {
    const std::string_view what = query.What;
    if (what.empty()) return std::nullopt;
    const Fold& fold = query.MatchCase ? kSame : kLower;
    const std::size_t start = std::min(selection.Start, text.size());
    const std::size_t end = std::min(start + selection.Length, text.size());
    std::optional<std::size_t> at = query.Forward ? Forward(text, what, end, text.size(), fold)
                                                  : Backward(text, what, 0, start, fold);
    bool wrapped = false;
    if (!at && query.WrapAround) {
        // Round the end, only over what the first pass left: a text without
        // a match is read once.
        const std::size_t m = what.size();
        at = query.Forward
                 ? Forward(text, what, 0, std::min(text.size(), end + m - 1), fold)
                 : Backward(text, what, start >= m ? start - m + 1 : 0, text.size(), fold);
        wrapped = at.has_value();
    }
    if (!at) return std::nullopt;
    return TextFound{{*at, what.size()}, wrapped};
}

}  // namespace tagrota
