#include "engine/Module1.h"

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

}  // namespace tagrota
