// Word wrapping of a quotation as a rotation does it: line ends made spaces,
// pairs of spaces made one, the text re-flowed, spaces trimmed from both ends.
//
// Checked, for any width: a text no longer than the width comes back as it
// was; otherwise taking the inserted line ends out gives the text back with one
// space after every word, a line of two or more words stays within the width, a
// line is broken only where its next word would not fit, and the trimmed form
// is what the rotation writes.

#include <fuzzer/FuzzedDataProvider.h>

#include "Check.h"
#include "engine/Module1.h"

namespace {
using namespace tagrota;

long Characters(std::string_view text) {
    long n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

// Line ends made spaces, then pairs of spaces made one, in one pass each.
std::string Normalised(std::string_view text) {
    std::string spaced, out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool lineEnd = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        spaced += lineEnd ? ' ' : text[i];
        i += lineEnd;
    }
    for (std::size_t i = 0; i < spaced.size(); ++i) {
        out += spaced[i];
        i += spaced[i] == ' ' && i + 1 < spaced.size() && spaced[i + 1] == ' ';
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Integer width = in.ConsumeIntegral<Integer>();
    const std::string quotation = in.ConsumeRemainingBytesAsString();

    const std::string text = Normalised(quotation);
    const std::string wrapped = WrapText(text, width);
    if (width >= 0 && Characters(text) <= width) {
        FUZZ_CHECK(wrapped == text);
    } else {
        // The text holds no CR LF of its own: every one in the result was put there.
        const std::vector<std::string_view> lines = PlainSplit(wrapped, "\r\n");
        std::string unwrapped;
        std::vector<std::vector<std::string_view>> words;
        for (std::string_view line : lines) {
            unwrapped += line;
            FUZZ_CHECK(line.ends_with(' '));
            line.remove_suffix(1);
            words.push_back(PlainSplit(line, " "));
        }
        FUZZ_CHECK(unwrapped == text + " ");
        for (std::size_t i = 0; i < words.size(); ++i) {
            long used = 0;
            for (std::string_view word : words[i]) used += Characters(word);
            if (words[i].size() > 1) FUZZ_CHECK(used <= width);
            if (i + 1 < words.size()) FUZZ_CHECK(used + Characters(words[i + 1].front()) > width);
        }
    }

    const auto first = wrapped.find_first_not_of(' ');
    const std::string trimmed =
        first == std::string::npos
            ? std::string()
            : wrapped.substr(first, wrapped.find_last_not_of(' ') - first + 1);
    FUZZ_CHECK(RewrapQuotation(quotation, width) == trimmed);
    return 0;
}
