// The wrap that keeps within the width.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <string>
#include <vector>

#include "engine/Module1.h"
#include "engine/Settings.h"
#include "engine/SignatureEngine.h"
#include "platform/Unicode.h"

namespace tagrota {
namespace {

std::vector<std::string> Split(const std::string& text, const std::string& by) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(by, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + by.size();
    }
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    for (const std::string& w : Split(line, " "))
        for (const std::string& v : Split(w, "\t"))
            if (!v.empty()) words.push_back(v);
    return words;
}

bool OwnLine(const std::string& line) {
    return line.starts_with(' ') || line.starts_with('\t') || line.starts_with("--");
}

// Lines of words (Latin, wide, long), some indented or attributions, some
// blank.
RC_GTEST_PROP(StrictWrap, LinesFitTheWidthAndKeepEveryWordAndEveryOwnLine, ()) {
    const auto width = *rc::gen::inRange<Integer>(kMinWrapCount, kMaxWrapCount + 1);
    const auto word = rc::gen::oneOf(
        rc::gen::element<std::string>("a", "be", "sea", "word", "\xe6\xbc\xa2\xe5\xad\x97", "x!"),
        rc::gen::map(rc::gen::inRange(1, 200), [](int n) { return std::string(n, 'w'); }));
    const auto line = rc::gen::map(
        rc::gen::tuple(rc::gen::element<std::string>("", "", "", "  ", "\t", "-- ", "--"),
                       rc::gen::resize(20, rc::gen::container<std::vector<std::string>>(word)),
                       rc::gen::element<std::string>("", " ", "  ")),
        [](const std::tuple<std::string, std::vector<std::string>, std::string>& t) {
            std::string l = std::get<0>(t);
            for (const std::string& w : std::get<1>(t)) l += w + " ";
            return l + std::get<2>(t);
        });
    const auto lines = *rc::gen::resize(12, rc::gen::container<std::vector<std::string>>(line));
    std::string text;
    for (const std::string& l : lines) text += (text.empty() ? "" : "\r\n") + l;

    const std::string wrapped = StrictWrapQuotation(text, width);
    const std::vector<std::string> out = Split(wrapped, "\r\n");
    // Every output word, with the input line it comes from.
    std::vector<std::string> inWords;
    std::vector<std::size_t> from;
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (const std::string& w : Words(lines[i])) inWords.push_back(w), from.push_back(i);
    std::size_t next = 0;
    std::string piece;  // a long word put together again from its pieces
    for (const std::string& l : out) {
        RC_ASSERT(DisplayWidth(l) <= static_cast<std::size_t>(width));
        RC_ASSERT(!l.ends_with(' ') && !l.ends_with('\t'));
        std::vector<std::size_t> origins;
        for (const std::string& w : Words(l)) {
            RC_ASSERT(next < inWords.size());
            origins.push_back(from[next]);
            if (DisplayWidth(inWords[next]) <= static_cast<std::size_t>(width)) {
                RC_ASSERT(piece.empty());
                RC_ASSERT(w == inWords[next]);  // whole, and in order
                ++next;
                continue;
            }
            piece += w;
            RC_ASSERT(inWords[next].starts_with(piece));
            if (piece == inWords[next]) piece.clear(), ++next;
        }
        // An indented line or an attribution shares no output line.
        for (std::size_t o : origins)
            if (OwnLine(lines[o])) RC_ASSERT(o == origins.front() && o == origins.back());
    }
    RC_ASSERT(next == inWords.size());
}

TEST(StrictWrap, KeepsAttributionsAndParagraphsAndCountsWideCharactersTwice) {
    const std::string text =
        "Simplicity is prerequisite for reliability, and for much else besides that\r\n"
        "matters.\r\n"
        "    -- Edsger W. Dijkstra\r\n"
        "\r\n"
        "\r\n"
        "\xe6\xbc\xa2\xe5\xad\x97 " +
        std::string(17, 'x');
    EXPECT_EQ(StrictWrapQuotation(text, 40),
              "Simplicity is prerequisite for\r\n"
              "reliability, and for much else besides\r\n"
              "that matters.\r\n"
              "    -- Edsger W. Dijkstra\r\n"
              "\r\n"
              "\xe6\xbc\xa2\xe5\xad\x97 " +
                  std::string(17, 'x'));
    EXPECT_EQ(StrictWrapQuotation("\xe6\xbc\xa2\xe5\xad\x97 " + std::string(30, 'x'), 32),
              "\xe6\xbc\xa2\xe5\xad\x97\r\n" + std::string(30, 'x'))
        << "four columns and a space leave no room for thirty";
    // Off, the wrap is the one it always was.
    EXPECT_EQ(ComposeSignature("F", "ab  cd", {true, 32, false}), "F\r\nab cd");
    EXPECT_EQ(ComposeSignature("F", "  -- a", {true, 32, true}), "F\r\n  -- a");
}

}  // namespace
}  // namespace tagrota
