#pragma once
// Conversions between the program's text (UTF-8), UTF-16 and Windows-1252.

#include <string>
#include <string_view>

namespace tagrota {

void AppendUtf8(std::string& out, char32_t c);

// The code point that starts at text[i]; i moves past it. A byte that does not
// start a well-formed sequence reads as U+FFFD and moves i by one.
char32_t NextCodePoint(std::string_view text, std::size_t& i);

std::u16string ToUtf16(std::string_view utf8);
// A lone surrogate reads as U+FFFD.
std::string FromUtf16(std::u16string_view utf16);

// The text (UTF-8) in upper case, for the Latin, Greek and Cyrillic letters of
// the first Unicode blocks ("ß" becomes "SS"); other characters stay as they
// are. For platforms without case mapping of their own.
std::string BasicUpperCase(std::string_view utf8);

// The columns a character takes on a terminal or in a fixed-width font: two
// for East Asian wide and full-width characters (and the wide emoji), none for
// combining marks and control characters, one for the rest.
int DisplayColumns(char32_t c);
// The columns of a line of text (UTF-8): a tab goes on to the next multiple
// of eight.
std::size_t DisplayWidth(std::string_view utf8);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int Cp1252Byte(char32_t c);
// The code point of a Windows-1252 byte. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as Windows itself does.
char32_t Cp1252Char(unsigned char b);

}  // namespace tagrota
