// The rich-text reader over any bytes: a brief help page, a damaged one, or a
// file that is not rich text at all.
//
// Checked: reading never throws; every span holds well-formed UTF-8 text,
// without control characters other than tab and line break; a span's font size
// lies between the default (0) and the largest size read; neighbouring spans of
// a paragraph differ in formatting (equal ones are one span).

#include <cstdint>
#include <string_view>

#include "Check.h"
#include "help/RichText.h"
#include "platform/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tagrota;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RichDocument document;
    try {
        document = ReadRichText(bytes);
    } catch (...) {
        FUZZ_CHECK(!"ReadRichText threw");
    }
    for (const RichParagraph& paragraph : document.Paragraphs) {
        const RichSpan* previous = nullptr;
        for (const RichSpan& span : paragraph.Spans) {
            FUZZ_CHECK(!span.Text.empty());
            FUZZ_CHECK(IsValidUtf8(span.Text));
            for (char c : span.Text)
                FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n');
            FUZZ_CHECK(span.FontSize >= 0 && span.FontSize <= 1638);
            if (previous)
                FUZZ_CHECK(previous->Bold != span.Bold || previous->Italic != span.Italic ||
                           previous->Underline != span.Underline ||
                           previous->FontSize != span.FontSize);
            previous = &span;
        }
    }
    FUZZ_CHECK(IsValidUtf8(PlainText(document)));
    return 0;
}
