#include "engine/CollectionCheck.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "engine/Collection.h"

namespace tagrota {
namespace {

constexpr std::string_view kBlank = " \t\r\n";

std::size_t LinesBefore(std::string_view text, std::size_t offset, std::size_t& from,
                        std::size_t& lines) {
    // Counted on from the last offset asked, which only grows.
    lines += static_cast<std::size_t>(std::count(text.begin() + static_cast<long>(from),
                                                 text.begin() + static_cast<long>(offset), '\n'));
    from = offset;
    return lines;
}

// The line ends of the file, as it lies on disk: how many of each kind, and
// the first line (from 1) that ends otherwise than the first line does.
struct LineEnds {
    std::array<std::size_t, 3> count{};  // CR LF, LF, CR
    std::size_t firstOther = 0;
};

LineEnds CountLineEnds(std::string_view bytes) {
    LineEnds ends;
    int first = -1;
    std::size_t line = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        int kind;
        if (bytes[i] == '\r')
            kind = i + 1 < bytes.size() && bytes[i + 1] == '\n' ? (++i, 0) : 2;
        else if (bytes[i] == '\n')
            kind = 1;
        else
            continue;
        ++ends.count[static_cast<std::size_t>(kind)];
        if (first < 0) first = kind;
        if (kind != first && ends.firstOther == 0) ends.firstOther = line;
        ++line;
    }
    return ends;
}

std::string Counted(std::size_t n, const char* what) {
    return std::to_string(n) + " " + what;
}

}  // namespace

std::string LimitsText(const SignatureLimits& limits) {
    std::string text;
    if (limits.MaxLines > 0) text = Counted(static_cast<std::size_t>(limits.MaxLines), "lines");
    if (limits.MaxColumns > 0)
        text += (text.empty() ? "" : ", ") +
                Counted(static_cast<std::size_t>(limits.MaxColumns), "columns");
    return text;
}

CheckRules LengthLimitRules(std::string fixedText, const WrapSettings& wrap,
                            const SignatureLimits& limits) {
    CheckRules rules;
    if (!limits.Any()) return rules;
    rules.overLimits = [fixed = std::move(fixedText), wrap,
                        limits](std::string_view entry) -> std::string {
        const SignatureSize size = MeasureSignature(ComposeSignature(fixed, entry, wrap));
        const bool tooLong =
            limits.MaxLines > 0 && size.lines > static_cast<std::size_t>(limits.MaxLines);
        const bool tooWide =
            limits.MaxColumns > 0 && size.columns > static_cast<std::size_t>(limits.MaxColumns);
        if (!tooLong && !tooWide) return {};
        std::string why = "makes a signature";
        if (tooLong)
            why += " of " + Counted(size.lines, "lines") + " (limit " +
                   std::to_string(limits.MaxLines) + ")";
        if (tooLong && tooWide) why += " and";
        if (tooWide)
            why += " " + Counted(size.columns, "columns") + " wide (limit " +
                   std::to_string(limits.MaxColumns) + ")";
        return why;
    };
    return rules;
}

std::vector<CollectionFinding> CheckCollection(std::string_view text, std::string_view fileBytes,
                                               const CheckRules& rules) {
    std::vector<CollectionFinding> found;
    const std::vector<std::string_view> pieces = SplitCollection(text);
    // The blank piece after the last "%" line is no entry.
    std::size_t entries = pieces.size();
    if (entries > 0 && pieces.back().find_first_not_of(kBlank) == std::string_view::npos) --entries;

    std::unordered_map<std::string_view, std::size_t> seen;  // entry text -> first entry
    std::vector<std::size_t> entryLine(entries);
    std::size_t countedTo = 0, lines = 1;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::string_view entry = pieces[i];
        const auto start = static_cast<std::size_t>(entry.data() - text.data());
        const std::size_t line = LinesBefore(text, start, countedTo, lines);
        entryLine[i] = line;
        const std::string where =
            "Entry " + std::to_string(i + 1) + " (line " + std::to_string(line) + "): ";
        auto add = [&](FindingKind kind, std::size_t atLine, TextSpan span,
                       const std::string& message) {
            found.push_back({kind, i + 1, atLine, span, where + message});
        };
        if (entry.find_first_not_of(kBlank) == std::string_view::npos) {
            add(FindingKind::Empty, line, {start, entry.size()}, "empty");
            continue;
        }
        if (const auto [first, fresh] = seen.try_emplace(entry, i); !fresh)
            add(FindingKind::Duplicate, line, {start, entry.size()},
                "the same as entry " + std::to_string(first->second + 1) + " (line " +
                    std::to_string(entryLine[first->second]) + ")");
        // The first line of the entry that ends in a space or a tab.
        std::size_t lineStart = 0;
        for (std::size_t n = 0;; ++n) {
            std::size_t end = entry.find("\r\n", lineStart);
            if (end == std::string_view::npos) end = entry.size();
            if (end > lineStart && (entry[end - 1] == ' ' || entry[end - 1] == '\t')) {
                add(FindingKind::TrailingSpace, line + n, {start + lineStart, end - lineStart},
                    "white space at the end of line " + std::to_string(line + n));
                break;
            }
            if (end >= entry.size()) break;
            lineStart = end + 2;
        }
        if (rules.overLimits)
            if (const std::string why = rules.overLimits(entry); !why.empty())
                add(FindingKind::OverLimits, line, {start, entry.size()}, why);
    }
    std::stable_sort(
        found.begin(), found.end(),
        [](const CollectionFinding& a, const CollectionFinding& b) { return a.line < b.line; });

    const LineEnds ends = CountLineEnds(fileBytes);
    if (ends.firstOther > 0) {
        // The line in the text, its own line end left out.
        std::size_t from = 0;
        for (std::size_t n = 1; n < ends.firstOther && from != std::string_view::npos; ++n)
            from = text.find('\n', from) + 1;
        const std::size_t start = std::min(from, text.size());
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        std::string counts;
        const char* names[] = {"CR LF", "LF", "CR"};
        for (std::size_t k = 0; k < 3; ++k)
            if (ends.count[k] > 0)
                counts += (counts.empty() ? "" : ", ") + Counted(ends.count[k], names[k]);
        found.insert(found.begin(),
                     {FindingKind::MixedLineEnds,
                      0,
                      ends.firstOther,
                      {start, end - start},
                      "The file mixes its line ends (" + counts + "); line " +
                          std::to_string(ends.firstOther) +
                          " is the first to end otherwise than the first line. A save writes "
                          "them all as the first line does."});
    }
    return found;
}

}  // namespace tagrota
