#include "engine/CollectionCheck.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "engine/Collection.h"
#include "platform/Translate.h"

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

std::string Lines(std::size_t n) {
    return Format(Tr("CollectionCheck", "%1 lines"), {std::to_string(n)});
}

std::string Columns(std::size_t n) {
    return Format(Tr("CollectionCheck", "%1 columns"), {std::to_string(n)});
}

}  // namespace

std::string LimitsText(const SignatureLimits& limits) {
    std::string text;
    if (limits.MaxLines > 0) text = Lines(static_cast<std::size_t>(limits.MaxLines));
    if (limits.MaxColumns > 0)
        text += (text.empty() ? "" : ", ") + Columns(static_cast<std::size_t>(limits.MaxColumns));
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
        const std::string lines = std::to_string(size.lines);
        const std::string columns = std::to_string(size.columns);
        const std::string maxLines = std::to_string(limits.MaxLines);
        const std::string maxColumns = std::to_string(limits.MaxColumns);
        if (tooLong && tooWide)
            return Format(Tr("CollectionCheck",
                             "makes a signature of %1 lines (limit %2) and %3 columns wide "
                             "(limit %4)"),
                          {lines, maxLines, columns, maxColumns});
        if (tooLong)
            return Format(Tr("CollectionCheck", "makes a signature of %1 lines (limit %2)"),
                          {lines, maxLines});
        return Format(Tr("CollectionCheck", "makes a signature %1 columns wide (limit %2)"),
                      {columns, maxColumns});
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
        auto add = [&](FindingKind kind, std::size_t atLine, TextSpan span,
                       const std::string& message) {
            found.push_back({kind, i + 1, atLine, span,
                             Format(Tr("CollectionCheck", "Entry %1 (line %2): %3"),
                                    {std::to_string(i + 1), std::to_string(line), message})});
        };
        if (entry.find_first_not_of(kBlank) == std::string_view::npos) {
            add(FindingKind::Empty, line, {start, entry.size()}, Tr("CollectionCheck", "empty"));
            continue;
        }
        if (const auto [first, fresh] = seen.try_emplace(entry, i); !fresh)
            add(FindingKind::Duplicate, line, {start, entry.size()},
                Format(
                    Tr("CollectionCheck", "the same as entry %1 (line %2)"),
                    {std::to_string(first->second + 1), std::to_string(entryLine[first->second])}));
        // The first line of the entry that ends in a space or a tab.
        std::size_t lineStart = 0;
        for (std::size_t n = 0;; ++n) {
            std::size_t end = entry.find("\r\n", lineStart);
            if (end == std::string_view::npos) end = entry.size();
            if (end > lineStart && (entry[end - 1] == ' ' || entry[end - 1] == '\t')) {
                add(FindingKind::TrailingSpace, line + n, {start + lineStart, end - lineStart},
                    Format(Tr("CollectionCheck", "white space at the end of line %1"),
                           {std::to_string(line + n)}));
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
                      Format(Tr("CollectionCheck",
                                "The file mixes its line ends (%1); line %2 is the first to end "
                                "otherwise than the first line. A save writes them all as the "
                                "first line does."),
                             {counts, std::to_string(ends.firstOther)})});
    }
    return found;
}

}  // namespace tagrota
