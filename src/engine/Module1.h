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

}  // namespace tagrota
