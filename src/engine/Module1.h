#pragma once
// Word wrapping of quotations. Lengths count characters (Unicode code points of
// the UTF-8 text), not bytes.

#include <string>
#include <string_view>

#include "engine/ProgramState.h"

namespace tagrota {

// Re-flows the text to lines of about `width` characters. A text no longer than
// the width comes back unchanged. Otherwise the text is split at every single
// space into words (two spaces in a row give an empty word); every word is
// followed by one space, and a CR LF follows that space when the next word
// would take the line's word characters (spaces not counted) past the width. A
// word longer than the width stands alone on its line, whole. Line ends inside
// the text are not split points.
std::string WrapText(const std::string& text, const Integer& width);

// What a rotation does to a quotation when wrapping is on: every CR LF becomes
// a space; then, in one left-to-right pass, every two spaces become one; then
// WrapText; then spaces (only spaces) are trimmed from both ends.
std::string RewrapQuotation(std::string_view quotation, Integer width);

// A wrap that keeps within the width: every line takes at most `width`
// display columns (East Asian wide characters count two) and none ends in
// white space. The quotation's lines are joined into paragraphs, except that
// a blank line ends a paragraph (and stays, one for a run of them), and a
// line that begins with white space or with "--" (an attribution) stays a
// paragraph of its own, its indent kept on its first line. Words are split at
// spaces and tabs and filled greedily, one space apart; a word is split only
// when it is wider than the width. Blank lines at both ends are dropped.
std::string StrictWrapQuotation(std::string_view quotation, Integer width);

}  // namespace tagrota
