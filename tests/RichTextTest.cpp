#include <gtest/gtest.h>

#include <regex>

#include "TestSupport.h"
#include "help/RichText.h"
#include "platform/TextFile.h"

namespace tagrota {
namespace {

RichDocument Rtf(const std::string& body) {
    return ReadRichText("{\\rtf1\\ansi " + body + "}");
}
std::string RtfText(const std::string& body) {
    return PlainText(Rtf(body));
}

RichSpan Span(std::string text, std::string_view style = "", double size = 0) {
    return {std::move(text), style.find('b') != style.npos, style.find('i') != style.npos,
            style.find('u') != style.npos, size};
}

TEST(RichText, KeepsFormattingPerSpanAndMergesAlikeNeighbours) {
    EXPECT_EQ(Rtf("plain {\\b bold \\i both\\b0  it}\\ul un\\ulnone  \\fs31 big\\plain  x")
                  .Paragraphs.at(0)
                  .Spans,
              (std::vector{Span("plain "), Span("bold ", "b"), Span("both", "bi"), Span(" it", "i"),
                           Span("un", "u"), Span(" "), Span("big", "", 15.5), Span(" x")}));
    EXPECT_EQ(Rtf("{\\b a}{\\b1 b}\\ul0\\i0 c").Paragraphs.at(0).Spans,
              (std::vector{Span("ab", "b"), Span("c")}));
}

TEST(RichText, EndsParagraphsAtParAndAlignsThemUntilPard) {
    RichDocument d =
        Rtf("\\qc a\\line b\\tab c\\par\\par\\pard d\\\r\n{\\qr e\\par}\\qj f\\par\\qc g");
    std::vector<std::pair<std::string, RichAlignment>> got;
    for (const RichParagraph& p : d.Paragraphs)
        got.emplace_back(PlainText(RichDocument{{p}}), p.Alignment);
    using enum RichAlignment;
    EXPECT_EQ(got, (decltype(got){{"a\nb\tc", Center},
                                  {"", Center},
                                  {"d", Left},
                                  {"e", Right},
                                  {"f", Justify},
                                  {"g", Center}}));
    EXPECT_EQ(Rtf("last\\par\r\n").Paragraphs.size(), 1u);  // no empty paragraph after it
    EXPECT_TRUE(Rtf("").Paragraphs.empty());
}

TEST(RichText, ReadsEscapesUnicodeAndSkipsWhatIsNotText) {
    const std::pair<std::string, std::string> cases[] = {
        {"caf\\'e9 \\'80\\'93q\\'94 \\\\\\{\\}", "caf\u00e9 \u20ac\u201cq\u201d \\{}"},
        {"a\\~b co\\-op x\\_y\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote",
         "a\u00a0b coop x\u2011y\u2014\u2013\u2022\u2018\u2019\u201c\u201d"},
        {"\\u8226?x \\u-30050?\\uc2\\u8364EUy \\uc0\\u8364 z", "\u2022x \u8a9e\u20acy \u20acz"},
        {"\\u233\\'e9! {\\uc3\\u233}ab \\u-10179?\\u-8704?", "\u00e9! \u00e9ab \U0001F600"},
        {"\\u-10179?x\\u-8704?", "\uFFFDx\uFFFD"},  // surrogates without their partner
        {"{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 N;}}{\\info{\\title T}}"
         "{\\header h\\par}a{\\pict\\pngblip 8950}{\\*\\newdest x{\\b y}}{\\footnote n}b",
         "ab"},
        {"{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}} {\\v hidden}x\\bin3 {{{y",
         "link xy"},
        {"raw\r\nlines \xE2\x80\xA2 \x95", "rawlines \u2022 \u2022"},
        // Broken input comes back as the text it holds.
        {"a\\'zz", "azz"},
        {std::string("a\0b", 3), "ab"},
        {"\\" + std::string(40, 'q') + " x\\unknown y\\u99999999999?z\\uc99999999999\\u66 abc",
         "xy\uFFFDzB"},
    };
    for (const auto& [rtf, text] : cases) EXPECT_EQ(RtfText(rtf), text) << rtf;
    EXPECT_EQ(Rtf("\\fs99999999999999999999 x").Paragraphs.at(0).Spans.at(0).FontSize, 1638);
}

TEST(RichText, SurvivesBrokenStructureAndDeepNesting) {
    EXPECT_EQ(ReadRichText("{\\rtf1 {\\b bold").Paragraphs.at(0).Spans,
              (std::vector{Span("bold", "b")}));
    const std::pair<const char*, const char*> cut[] = {{"{\\rtf1 a}} b", "a"},
                                                       {"{\\rtf1 a\\", "a"},
                                                       {"{\\rtf1 a\\'4", "a"},
                                                       {"{\\rtf1 a\\u-", "a-"}};
    for (const auto& [rtf, text] : cut) EXPECT_EQ(PlainText(ReadRichText(rtf)), text) << rtf;
    EXPECT_EQ(PlainText(ReadRichText("{\\rtf1 " + std::string(100000, '{') + "deep")), "deep");
    const std::string deep(300, '{'), back(300, '}');
    EXPECT_EQ(RtfText(deep + "{\\*\\x hidden}shown" + back + "end"), "shownend");

    // Random bytes full of the characters that matter never give broken text.
    static const char kAlphabet[] = "{}\\\\'*uvcbinparfs-0123456789? \r\n\x00\x80\xC3\xED\xFF";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
    std::uint32_t seed = 12345;
    for (int round = 0; round < 3000; ++round) {
        std::string body;
        for (int k = 0; k < 120; ++k) {
            seed = seed * 1664525 + 1013904223;
            body += alphabet[(seed >> 16) % alphabet.size()];
        }
        for (const RichParagraph& p : Rtf(body).Paragraphs)
            for (const RichSpan& s : p.Spans) {
                EXPECT_TRUE(IsValidUtf8(s.Text) && !s.Text.empty()) << body;
                EXPECT_EQ(s.Text.find_first_of(std::string("\r\0", 2)), std::string::npos);
            }
    }
}

TEST(RichText, ReadsOtherTextAsPlainParagraphs) {
    RichDocument d = ReadRichText("caf\xE9\r\n\nthird\rfourth\n");
    EXPECT_EQ(d.Paragraphs, (std::vector<RichParagraph>{
                                {{Span("caf\u00e9")}}, {}, {{Span("third")}}, {{Span("fourth")}}}));
    EXPECT_EQ(PlainText(ReadRichText("\xEF\xBB\xBF{\\rtx \xC3\xA9")), "{\\rtx \u00e9");
    EXPECT_EQ(PlainText(ReadRichText(" \r\n{\\rtf1 x}")), "x");
    EXPECT_TRUE(ReadRichText("").Paragraphs.empty());
}

// The help files as shipped, and as copied beside the program.
const char* const kHelpPages[] = {"index.html", "tab0.rtf", "tab1.rtf", "tab2.rtf", "tab3.rtf"};
std::string HelpPage(const std::string& dir, const std::string& name) {
    return test::ReadBytes(dir + "/" + name);
}

TEST(ShippedHelp, EachTabPageIsShortFormattedTextAboutItsTab) {
    const char* const tabs[] = {"Fixed", "Random", "Current", "Settings"};
    for (int t = 0; t < 4; ++t) {
        const std::string name = "tab" + std::to_string(t) + ".rtf";
        RichDocument d = ReadRichText(HelpPage(TAGROTA_SOURCE_DIR "/resources/help", name));
        ASSERT_GE(d.Paragraphs.size(), 3u) << name;
        const RichSpan& heading = d.Paragraphs[0].Spans.at(0);
        EXPECT_TRUE(heading.Bold && heading.Text.find(tabs[t]) != std::string::npos) << name;
        const std::string text = PlainText(d);
        EXPECT_EQ(text.find_first_of("\\{}"), std::string::npos) << name;
        EXPECT_TRUE(IsValidUtf8(text)) << name;
    }
}

TEST(ShippedHelp, GuideLinksOnlyToItsOwnAnchorsAndEveryPageIsBesideTheProgram) {
    const std::string guide = HelpPage(TAGROTA_SOURCE_DIR "/resources/help", "index.html");
    const std::regex link("href=\"#([^\"]+)\"");
    for (std::sregex_iterator m(guide.begin(), guide.end(), link), end; m != end; ++m)
        EXPECT_NE(guide.find("name=\"" + (*m)[1].str() + "\""), std::string::npos) << (*m)[1];
    for (const char* page : kHelpPages)
        EXPECT_EQ(HelpPage(TAGROTA_PROGRAM_DIR, page),
                  HelpPage(TAGROTA_SOURCE_DIR "/resources/help", page))
            << page;
}

}  // namespace
}  // namespace tagrota
