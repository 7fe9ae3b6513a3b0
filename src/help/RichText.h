#pragma once
// A small reader for rich-text (RTF) files: enough for the brief help pages we
// ship and for ordinary files written by common word processors. It keeps the
// text with its paragraphs and line breaks and the character formatting that a
// reader notices (bold, italic, underline, font size); it skips font tables,
// colour tables, pictures and destinations it does not know.
//
// Input that is not rich text at all comes back as its plain text; broken rich
// text (unbalanced braces, a cut-off escape, binary bytes) is read as far as it
// makes sense. Reading never fails.

#include <string>
#include <string_view>

#include "platform/RichDocument.h"

namespace tagrota {

// Reads a whole file's bytes.
RichDocument ReadRichText(std::string_view bytes);

// The document's text: paragraphs joined by "\n", formatting dropped.
std::string PlainText(const RichDocument& document);

}  // namespace tagrota
