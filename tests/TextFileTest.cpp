#include <gtest/gtest.h>

#include "platform/TextFile.h"

namespace tagrota {
namespace {

TEST(DecodeText, PresentsEveryLineEndAsCrLf) {
    EXPECT_EQ(DecodeText("a\nb\n").text, "a\r\nb\r\n");
    EXPECT_EQ(DecodeText("a\rb").text, "a\r\nb");
    EXPECT_EQ(DecodeText("a\r\nb\nc\rd").text, "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(DecodeText("a\n").format.lineEnding, LineEnding::Lf);
    EXPECT_EQ(DecodeText("a\r").format.lineEnding, LineEnding::Cr);
    EXPECT_EQ(DecodeText("a\r\n").format.lineEnding, LineEnding::CrLf);
    EXPECT_EQ(DecodeText("one line").format.lineEnding, LineEnding::CrLf);
}

TEST(DecodeText, ReadsUtf8AndSkipsItsMark) {
    DecodedText plain = DecodeText("na\xC3\xAFve \xE2\x82\xAC \xF0\x9F\x98\x80\xC2\xA0\t ");
    EXPECT_EQ(plain.format.encoding, TextEncoding::Utf8);
    EXPECT_EQ(plain.text, "na\u00efve \u20ac \U0001F600\u00a0\t ");
    DecodedText marked = DecodeText("\xEF\xBB\xBFhi");
    EXPECT_EQ(marked.format.encoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(marked.text, "hi");
}

TEST(DecodeText, ReadsOtherBytesAsWindows1252) {
    DecodedText t = DecodeText("\x93quoted\x94 \x80 caf\xE9 \x81");
    EXPECT_EQ(t.format.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(t.text, "\u201cquoted\u201d \u20ac caf\u00e9 \u0081");
}

TEST(IsValidUtf8, RejectsMalformedSequences) {
    EXPECT_TRUE(IsValidUtf8("plain \xC3\xA9 \xF4\x8F\xBF\xBF"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
    EXPECT_FALSE(IsValidUtf8("\x80"));
}

TEST(EncodeText, RoundTripsEveryFormat) {
    const std::string samples[] = {
        "line\nline\n", "a\r\nb", "x\ry\r", "\xEF\xBB\xBF" "bom\r\n", "caf\xE9\n\x80\x81\x8D\xFF",
        "", "\xE2\x82\xAC\n"};
    for (const std::string& bytes : samples) {
        DecodedText d = DecodeText(bytes);
        EXPECT_EQ(EncodeText(d.text, d.format), bytes);
    }
}

TEST(EncodeText, KeepsLettersTheCodePageCannotHold) {
    TextFormat written;
    const std::string text = "caf\u00e9 \u2603\r\n";
    std::string bytes = EncodeText(text, {TextEncoding::Windows1252, LineEnding::Lf}, &written);
    EXPECT_EQ(written.encoding, TextEncoding::Utf8);
    EXPECT_EQ(written.lineEnding, LineEnding::Lf);
    EXPECT_EQ(bytes, "caf\u00e9 \u2603\n");
}

}  // namespace
}  // namespace tagrota
