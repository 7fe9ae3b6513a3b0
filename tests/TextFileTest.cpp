#include <gtest/gtest.h>

#include "platform/TextFile.h"

namespace tagrota {
namespace {

TEST(TextFile, PresentsEveryLineEndAsCrLfAndRemembersTheFirst) {
    EXPECT_EQ(DecodeText("a\r\nb\nc\rd").text, "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(DecodeText("a\r\r\nb\n\r").text, "a\r\n\r\nb\r\n\r\n");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFx\r\ny\r\n").text, "x\r\ny\r\n");
    EXPECT_EQ(DecodeText("a\nb\r\n").format.lineEnding, LineEnding::Lf);
    EXPECT_EQ(DecodeText("a\r").format.lineEnding, LineEnding::Cr);
    EXPECT_EQ(DecodeText("one line").format.lineEnding, LineEnding::CrLf);
}

TEST(TextFile, ReadsUtf8OrElseWindows1252) {
    DecodedText utf8 = DecodeText("na\xC3\xAFve \xE2\x82\xAC \xF0\x9F\x98\x80\xC2\xA0\t ");
    EXPECT_EQ(utf8.format.encoding, TextEncoding::Utf8);
    EXPECT_EQ(utf8.text, "na\u00efve \u20ac \U0001F600\u00a0\t ");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFhi").text, "hi");
    DecodedText cp1252 = DecodeText("\x93quoted\x94 \x80 caf\xE9 \x81");
    EXPECT_EQ(cp1252.format.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(cp1252.text, "\u201cquoted\u201d \u20ac caf\u00e9 \u0081");
    // Malformed UTF-8 is not taken for UTF-8.
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80",
                            "a run of plain letters, then \xC0\xAF"})
        EXPECT_FALSE(IsValidUtf8(bad));
    EXPECT_TRUE(IsValidUtf8("a run of plain letters, then \xE2\x82\xAC and more"));
}

TEST(TextFile, WritesBackEveryFormatByteForByte) {
    for (const std::string bytes : {"line\nline\n", "a\r\nb", "x\ry\r",
                                    "\xEF\xBB\xBF"
                                    "bom\r\n",
                                    "caf\xE9\n\x80\x81\x8D\xFF", "", "\xE2\x82\xAC\n"}) {
        DecodedText d = DecodeText(bytes);
        EXPECT_EQ(EncodeText(d.text, d.format), bytes);
    }
    // A letter Windows-1252 cannot hold turns the file into UTF-8 rather than be lost.
    TextFormat written;
    EXPECT_EQ(
        EncodeText("caf\u00e9 \u2603\r\n", {TextEncoding::Windows1252, LineEnding::Lf}, &written),
        "caf\u00e9 \u2603\n");
    EXPECT_EQ(written.encoding, TextEncoding::Utf8);
}

}  // namespace
}  // namespace tagrota
