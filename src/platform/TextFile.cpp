#include "platform/TextFile.h"
#include "platform/Controls.h"

#include <array>
#include <cstdint>

namespace tagrota {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as Windows itself does, so
// every byte survives a round trip.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The code point that starts at text[i] in valid UTF-8; i moves past it.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char b = byte(i);
    if (b < 0x80) return ++i, b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    char32_t c = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
    i += 1 + extra;
    return c;
}

int Cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t k = 0; k < kCp1252High.size(); ++k)
        if (kCp1252High[k] == c) return static_cast<int>(0x80 + k);
    return -1;
}

LineEnding FirstLineEnding(std::string_view text) {
    auto at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return LineEnding::CrLf;
    if (text[at] == '\n') return LineEnding::Lf;
    return at + 1 < text.size() && text[at + 1] == '\n' ? LineEnding::CrLf : LineEnding::Cr;
}

}  // namespace

char32_t Windows1252Char(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char32_t{byte};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0, n = s.size();
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    while (i < n) {
        unsigned char b = byte(i);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int extra;
        unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            if (b == 0xE0) lo = 0xA0;  // no overlong forms
            if (b == 0xED) hi = 0x9F;  // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (i + extra >= n) return false;
        if (byte(i + 1) < lo || byte(i + 1) > hi) return false;
        for (int k = 2; k <= extra; ++k)
            if ((byte(i + k) & 0xC0) != 0x80) return false;
        i += 1 + extra;
    }
    return true;
}

std::string ToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

DecodedText DecodeText(std::string_view bytes) {
    DecodedText result;
    if (bytes.starts_with(kBom) && IsValidUtf8(bytes.substr(kBom.size()))) {
        bytes.remove_prefix(kBom.size());
        result.format.encoding = TextEncoding::Utf8WithBom;
    } else if (IsValidUtf8(bytes)) {
        result.format.encoding = TextEncoding::Utf8;
    } else {
        result.format.encoding = TextEncoding::Windows1252;
    }
    result.format.lineEnding = FirstLineEnding(bytes);

    if (result.format.encoding != TextEncoding::Windows1252) {
        result.text = ToCrLf(bytes);
        return result;
    }
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        AppendUtf8(utf8, Windows1252Char(static_cast<unsigned char>(ch)));
    }
    result.text = ToCrLf(utf8);
    return result;
}

std::string EncodeText(std::string_view text, const TextFormat& format, TextFormat* written) {
    TextFormat used = format;
    std::string lines;
    std::string_view body = text;
    if (format.lineEnding != LineEnding::CrLf) {
        const char end = format.lineEnding == LineEnding::Lf ? '\n' : '\r';
        lines.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                lines += end;
                ++i;
            } else {
                lines += text[i];
            }
        }
        body = lines;
    }

    std::string out;
    if (format.encoding == TextEncoding::Windows1252 && !IsValidUtf8(body))
        used.encoding = TextEncoding::Utf8;  // not text the editor made: write it as it is
    if (used.encoding == TextEncoding::Windows1252) {
        out.reserve(body.size());
        for (std::size_t i = 0; i < body.size();) {
            int b = Cp1252Byte(NextCodePoint(body, i));
            if (b < 0) {  // a letter the code page cannot hold: keep it, as UTF-8
                used.encoding = TextEncoding::Utf8;
                out.clear();
                break;
            }
            out += static_cast<char>(b);
        }
        if (used.encoding == TextEncoding::Windows1252) {
            if (written) *written = used;
            return out;
        }
    }
    if (used.encoding == TextEncoding::Utf8WithBom) out = kBom;
    out.append(body);
    if (written) *written = used;
    return out;
}

TextFileContents ReadTextFile(IFileSystem& files, const std::string& path) {
    TextFileContents result;
    FileContents raw = files.ReadFile(path);
    result.status = raw.status;
    if (raw.status) result.decoded = DecodeText(raw.bytes);
    return result;
}

FileStatus WriteTextFile(IFileSystem& files, const std::string& path, std::string_view text,
                         const TextFormat& format, Durability durability, TextFormat* written) {
    return files.WriteFileAtomic(path, EncodeText(text, format, written), durability);
}

}  // namespace tagrota

namespace tagrota {

FileStatus EditorFileBacking::Load(const std::string& path,
                                   const std::function<void(const std::string&)>& setText) {
    TextFileContents contents = ReadTextFile(files_, path);
    if (!contents.status) return contents.status;
    format_ = contents.decoded.format;
    setText(contents.decoded.text);
    return FileStatus::Success();
}

FileStatus EditorFileBacking::Save(const std::string& path, const std::string& text) {
    TextFormat written;
    FileStatus status = WriteTextFile(files_, path, text, format_, Durability::Flush, &written);
    if (status) format_ = written;
    return status;
}

}  // namespace tagrota
