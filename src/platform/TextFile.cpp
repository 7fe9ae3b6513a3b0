#include "platform/TextFile.h"
#include "platform/Controls.h"
#include "platform/Unicode.h"

#include <array>
#include <cstdint>

namespace tagrota {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

LineEnding FirstLineEnding(std::string_view text) {
    auto at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return LineEnding::CrLf;
    if (text[at] == '\n') return LineEnding::Lf;
    return at + 1 < text.size() && text[at + 1] == '\n' ? LineEnding::CrLf : LineEnding::Cr;
}

}  // namespace

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
        auto b = static_cast<unsigned char>(ch);
        AppendUtf8(utf8, Cp1252Char(b));
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
