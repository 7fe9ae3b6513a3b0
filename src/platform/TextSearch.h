#pragma once
// Finding a text in an editor's text: forward or back from the selection,
// with or without regard to case, round the end when asked. The search looks
// for the query's rarest byte with memchr, so that a step through a
// collection of a hundred megabytes stays under a tenth of a second.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tagrota {

// A part of a text, as byte offsets.
struct TextSpan {
    std::size_t Start = 0, Length = 0;
    bool operator==(const TextSpan&) const = default;
};

struct TextQuery {
    std::string What;
    bool Forward = true;
    // Without it, ASCII letters match either case.
    bool MatchCase = false;
    // On past the end (back past the start) to the other end.
    bool WrapAround = true;
};

struct TextFound {
    TextSpan Span;
    bool Wrapped = false;  // found only on the way round
};

// The first match that starts at or after the end of `selection` (forward),
// or the last that ends at or before its start (back); none for an empty
// query or where nothing matches.
std::optional<TextFound> FindInText(std::string_view text, const TextQuery& query,
                                    TextSpan selection);

}  // namespace tagrota
