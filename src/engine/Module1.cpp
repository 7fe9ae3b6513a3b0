#include "engine/Module1.h"

#include <vector>

#include "platform/Unicode.h"

namespace tagrota {
namespace {

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;  // not a continuation byte
    return count;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    for (std::size_t hit; (hit = text.find(from, at)) != std::string_view::npos;
         at = hit + from.size()) {
        out.append(text, at, hit - at);
        out.append(to);
    }
    out.append(text, at);
    return out;
}

}  // namespace

std::string WrapText(const std::string& text, const Integer& width) {
    if (width >= 0 && CharacterCount(text) <= static_cast<std::size_t>(width)) return text;

    std::string result;
    result.reserve(text.size() + text.size() / 8);
    long running = 0;
    std::string_view rest = text;
    for (;;) {
        auto space = rest.find(' ');
        std::string_view word = rest.substr(0, space);
        running += static_cast<long>(CharacterCount(word));
        result.append(word);
        result += ' ';
        if (space == std::string_view::npos) break;
        rest.remove_prefix(space + 1);
        std::string_view next = rest.substr(0, rest.find(' '));
        if (running + static_cast<long>(CharacterCount(next)) > width) {
            result += "\r\n";
            running = 0;
        }
    }
    return result;
}

std::string RewrapQuotation(std::string_view quotation, Integer width) {
    std::string joined = ReplaceAll(ReplaceAll(quotation, "\r\n", " "), "  ", " ");
    std::string wrapped = WrapText(joined, width);
    auto first = wrapped.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    auto last = wrapped.find_last_not_of(' ');
    return wrapped.substr(first, last - first + 1);
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Fills the words of one paragraph into lines of at most `width` columns.
class LineFiller {
public:
    LineFiller(std::vector<std::string>& lines, std::size_t width) : lines_(lines), width_(width) {}

    void Start(std::string indent) {
        line_ = std::move(indent);
        used_ = DisplayWidth(line_);
        if (used_ >= width_) line_.clear(), used_ = 0;  // an indent that leaves no room
        fresh_ = true;
    }
    void Add(std::string_view word) {
        const std::size_t w = DisplayWidth(word);
        if (!fresh_ && used_ + 1 + w <= width_) {
            line_ += ' ';
            line_ += word;
            used_ += 1 + w;
            return;
        }
        if (!fresh_) {
            Emit();
            line_.clear();
            used_ = 0;
        }
        fresh_ = false;
        if (used_ + w <= width_) {
            line_ += word;
            used_ += w;
            return;
        }
        // No room beside the indent: the word alone, whole.
        if (w <= width_) {
            line_ = word;
            used_ = w;
            return;
        }
        // Wider than the width: cut into pieces that fill whole lines, the
        // last one left to go on with.
        for (std::size_t i = 0; i < word.size();) {
            std::size_t next = i;
            const char32_t c = NextCodePoint(word, next);
            const std::size_t cw = static_cast<std::size_t>(DisplayColumns(c));
            if (used_ + cw > width_ && used_ > 0) {
                Emit();
                line_.clear();
                used_ = 0;
            }
            line_.append(word.substr(i, next - i));
            used_ += cw;
            i = next;
        }
    }
    void Finish() {
        if (!fresh_) Emit();
        fresh_ = true;
    }

private:
    void Emit() {
        while (!line_.empty() && IsBlank(line_.back())) line_.pop_back();
        lines_.push_back(line_);
    }
    std::vector<std::string>& lines_;
    std::size_t width_;
    std::string line_;
    std::size_t used_ = 0;
    bool fresh_ = true;
};

void AddWords(LineFiller& filler, std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        std::size_t end = i;
        while (end < text.size() && !IsBlank(text[end])) ++end;
        if (end > i) filler.Add(text.substr(i, end - i));
        i = end;
    }
}

}  // namespace

std::string StrictWrapQuotation(std::string_view quotation, Integer width) {
    const std::string text = ReplaceAll(quotation, "\r\n", "\n");
    std::vector<std::string> lines;
    LineFiller filler(lines, width > 0 ? static_cast<std::size_t>(width) : 1);
    bool inParagraph = false, blankPending = false;
    auto blankLine = [&] {
        if (!lines.empty()) blankPending = true;
    };
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + 1;
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos) {  // a blank line ends the paragraph
            if (inParagraph) filler.Finish();
            inParagraph = false;
            blankLine();
            continue;
        }
        const bool ownLine = first > 0 || line.starts_with("--");
        if (inParagraph && ownLine) filler.Finish();
        if (!inParagraph || ownLine) {
            if (blankPending) lines.emplace_back();
            blankPending = false;
            filler.Start(std::string(line.substr(0, first)));
        }
        AddWords(filler, line.substr(first));
        inParagraph = !ownLine;
        if (ownLine) filler.Finish();
    }
    filler.Finish();
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? "\r\n" : "") + lines[i];
    return out;
}

}  // namespace tagrota
