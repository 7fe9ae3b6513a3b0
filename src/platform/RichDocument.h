#pragma once
// A formatted document as a rich-text box shows it: paragraphs of text runs,
// each run with the character formatting a reader notices. The help's
// rich-text reader fills it; the platforms show it.

#include <string>
#include <vector>

namespace tagrota {

// A run of text with one formatting.
struct RichSpan {
    std::string Text;  // UTF-8; a line break inside a paragraph is "\n"
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    double FontSize = 0;  // points; 0 for the document's default size

    bool operator==(const RichSpan&) const = default;
};

enum class RichAlignment { Left, Center, Right, Justify };

struct RichParagraph {
    std::vector<RichSpan> Spans;
    RichAlignment Alignment = RichAlignment::Left;

    bool operator==(const RichParagraph&) const = default;
};

struct RichDocument {
    std::vector<RichParagraph> Paragraphs;

    bool operator==(const RichDocument&) const = default;
};

}  // namespace tagrota
