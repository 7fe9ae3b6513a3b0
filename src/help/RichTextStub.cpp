// TEMPORARY STAND-IN for the rich-text reader, so that this branch builds and
// its tests run. It will be replaced by help/RichText.cpp: delete this file
// and its line in src/CMakeLists.txt then.
//
// It reads nothing: the bytes come back as one plain paragraph.

#include "help/RichText.h"

namespace tagrota {

RichDocument ReadRichText(std::string_view bytes) {
    RichDocument document;
    document.Paragraphs.push_back({{{std::string(bytes)}}, RichAlignment::Left});
    return document;
}

std::string PlainText(const RichDocument& document) {
    std::string text;
    for (std::size_t i = 0; i < document.Paragraphs.size(); ++i) {
        if (i > 0) text += '\n';
        for (const RichSpan& span : document.Paragraphs[i].Spans) text += span.Text;
    }
    return text;
}

}  // namespace tagrota
