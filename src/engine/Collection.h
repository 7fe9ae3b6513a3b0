#pragma once
// The signature collection: quotations separated by lines that hold a single
// "%". The separator is the five characters CR LF "%" CR LF; a "%" line that
// ends the text without a line end after it (CR LF "%") is one as well.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ProgramState.h"

namespace tagrota {

inline constexpr std::string_view kSeparator = "\r\n%\r\n";
// The separator as the very end of the text.
inline constexpr std::string_view kTrailingSeparator = "\r\n%";

// Cuts the text at every separator, left to right, without overlap. n
// separators give n + 1 pieces; an empty text gives none. A "%" on the first
// line has no line end before it and is no separator; a "%" line at the end of
// the text is one, and the empty piece after it is the last. The pieces lie in
// the text itself.
std::vector<std::string_view> SplitCollection(std::string_view text);

// Replaces Sigs by the pieces of the text, which it keeps, and sets SigCount
// to the highest index (-1 for an empty text).
void SplitInto(ProgramState& state, std::shared_ptr<const std::string> text);
void SplitInto(ProgramState& state, std::string text);

// How many pieces the rotation can use: every piece but the last, and the last
// only when it holds something besides spaces, tabs and line ends (a file whose
// final entry has no "%" line after it). Zero when there are no usable entries.
Long UsableEntryCount(const ProgramState& state);

// What start-up writes where the configured collection is missing.
std::string PlaceholderCollectionText();
// What start-up writes where the default collection is needed but missing.
std::string DefaultCollectionText();

}  // namespace tagrota
