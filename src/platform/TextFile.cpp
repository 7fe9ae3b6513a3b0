#include "platform/TextFile.h"
#include "platform/Controls.h"
#include "platform/Translate.h"
#include "platform/Unicode.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <new>
#include <system_error>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace tagrota {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

LineEnding FirstLineEnding(std::string_view text) {
    auto at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return LineEnding::CrLf;
    if (text[at] == '\n') return LineEnding::Lf;
    return at + 1 < text.size() && text[at + 1] == '\n' ? LineEnding::CrLf : LineEnding::Cr;
}

// Sixteen bytes at a time where the processor can, the runs of plain ASCII
// without line ends that make up most text: how many such bytes lie ahead.
std::size_t PlainRun(const char* at, std::size_t left) {
    std::size_t run = 0;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    while (run + 16 <= left) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + run));
        const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf));
        const int stops = _mm_movemask_epi8(_mm_or_si128(v, ends));
        if (stops != 0) return run + static_cast<std::size_t>(__builtin_ctz(stops));
        run += 16;
    }
#endif
    while (run < left) {
        const auto b = static_cast<unsigned char>(at[run]);
        if (b >= 0x80 || b == '\r' || b == '\n') break;
        ++run;
    }
    return run;
}

struct TextScan {
    bool utf8 = true;      // well-formed UTF-8
    bool onlyCrLf = true;  // every line end already CR LF
};

// One pass over the bytes for both questions a load asks.
TextScan Scan(std::string_view s) {
    TextScan scan;
    std::size_t i = 0;
    const std::size_t n = s.size();
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    while (i < n) {
        i += PlainRun(s.data() + i, n - i);
        if (i >= n) break;
        const unsigned char b = byte(i);
        if (b == '\r') {
            if (i + 1 < n && s[i + 1] == '\n') {
                i += 2;
                continue;
            }
            scan.onlyCrLf = false;
            ++i;
            continue;
        }
        if (b == '\n') {
            scan.onlyCrLf = false;
            ++i;
            continue;
        }
        if (!scan.utf8) {  // only the line ends are still in question
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
            scan.utf8 = false;
            ++i;
            continue;
        }
        bool formed = i + extra < n && byte(i + 1) >= lo && byte(i + 1) <= hi;
        for (int k = 2; formed && k <= extra; ++k) formed = (byte(i + k) & 0xC0) == 0x80;
        if (!formed) {
            scan.utf8 = false;
            ++i;
            continue;
        }
        i += 1 + static_cast<std::size_t>(extra);
    }
    return scan;
}

}  // namespace

void ReserveText(std::string& text, std::size_t size) {
    text.reserve(size);
#ifdef MADV_POPULATE_WRITE
    // A large buffer is about to be filled: have the system hand out all its
    // pages in one call rather than one fault at a time. Small pages on
    // purpose: huge pages come from the free 2 MB blocks that a virtual
    // machine hands back to its host, and those cost far more to take again.
    constexpr std::size_t kLarge = std::size_t{1} << 20;
    if (size < kLarge) return;
    const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const auto at = reinterpret_cast<std::uintptr_t>(text.data());
    const std::uintptr_t start = (at + page - 1) & ~(page - 1);
    const std::uintptr_t end = (at + size) & ~(page - 1);
    // A refusal (an older system) only costs the speed.
    if (end > start)
        ::madvise(reinterpret_cast<void*>(start), end - start,  // NOLINT(*-no-int-to-ptr)
                  MADV_POPULATE_WRITE);
#endif
}

bool IsValidUtf8(std::string_view s) {
    return Scan(s).utf8;
}

namespace {

// Every line end made CR LF, whole runs between line ends at a time.
std::string ConvertLineEnds(std::string_view text) {
    std::string out;
    ReserveText(out, text.size() + text.size() / 32);
    const std::size_t n = text.size();
    std::size_t from = 0;
    for (;;) {
        std::size_t at = from;
        while (at < n && text[at] != '\r' && text[at] != '\n') ++at;
        if (at == n) break;
        out.append(text, from, at - from);
        out += "\r\n";
        from = at + 1;
        if (text[at] == '\r' && from < text.size() && text[from] == '\n') ++from;
    }
    out.append(text, from);
    return out;
}

}  // namespace

std::string ToCrLf(std::string_view text) {
    return Scan(text).onlyCrLf ? std::string(text) : ConvertLineEnds(text);
}

DecodedText DecodeText(std::string_view bytes) {
    return DecodeOwnedText(std::string(bytes));
}

DecodedText DecodeOwnedText(std::string bytes) {
    DecodedText result;
    const std::string_view view = bytes;
    std::size_t skip = 0;
    TextScan scan;
    if (view.starts_with(kBom) && (scan = Scan(view.substr(kBom.size()))).utf8) {
        skip = kBom.size();
        result.format.encoding = TextEncoding::Utf8WithBom;
    } else if ((scan = Scan(view)).utf8) {
        result.format.encoding = TextEncoding::Utf8;
    } else {
        result.format.encoding = TextEncoding::Windows1252;
    }
    const std::string_view body = view.substr(skip);
    result.format.lineEnding = FirstLineEnding(body);

    if (result.format.encoding != TextEncoding::Windows1252) {
        if (!scan.onlyCrLf) {
            result.text = ConvertLineEnds(body);
            return result;
        }
        // Already the editors' text: the bytes themselves become it.
        bytes.erase(0, skip);
        result.text = std::move(bytes);
        return result;
    }
    std::string utf8;
    ReserveText(utf8, bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        AppendUtf8(utf8, Cp1252Char(b));
    }
    // Windows-1252 has no other line end bytes than ASCII's.
    result.text = scan.onlyCrLf ? std::move(utf8) : ConvertLineEnds(utf8);
    return result;
}

std::string DecodeTextAs(std::string_view bytes, TextEncoding encoding) {
    if (encoding != TextEncoding::Windows1252) return ToCrLf(bytes);
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) AppendUtf8(utf8, Cp1252Char(static_cast<unsigned char>(ch)));
    return ToCrLf(utf8);
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
    ReserveText(out, out.size() + body.size());
    out.append(body);
    if (written) *written = used;
    return out;
}

namespace {

// Decodes what was read; a text that memory cannot hold twice over (the bytes
// and their UTF-8) fails like a read, instead of ending the program.
TextFileContents DecodeWithin(std::string bytes) {
    TextFileContents result;
    const std::size_t size = bytes.size();
    try {
        result.decoded = DecodeOwnedText(std::move(bytes));
    } catch (const std::bad_alloc&) {
        result.decoded = DecodedText();
        result.status = FileStatus::Failure(
            Format(Tr("TextFile", "there is not enough memory to hold its %1 bytes as text"),
                   {std::to_string(size)}));
    }
    return result;
}

}  // namespace

TextFileContents ReadTextFile(IFileSystem& files, const std::string& path) {
    TextFileContents result;
    FileContents raw = files.ReadFile(path);
    result.status = raw.status;
    if (raw.status) result = DecodeWithin(std::move(raw.bytes));
    return result;
}

TextFileContents TakeOrReadTextFile(IFileSystem& files, const std::string& path,
                                    std::optional<PrefetchedText> prefetched) {
    if (prefetched && prefetched->path == path && files.Stamp(path) == prefetched->stamp)
        return std::move(prefetched->contents);
    return ReadTextFile(files, path);
}

TextReadAhead::TextReadAhead(IFileSystem& files, std::string path)
    : files_(files), path_(std::move(path)), stamp_(files.Stamp(path_)) {
    if (!stamp_) return;
    try {
        worker_ = std::thread([this] {
            TextFileContents read = ReadTextFile(files_, path_);
            // A file changed while it was read may be half old, half new.
            if (read.status && files_.Stamp(path_) == stamp_) read_ = std::move(read);
        });
    } catch (const std::system_error&) {
        return;  // no thread to spare: the file is read when it is wanted
    }
}

TextReadAhead::~TextReadAhead() {
    if (worker_.joinable()) worker_.join();
}

std::optional<PrefetchedText> TextReadAhead::Take() {
    if (worker_.joinable()) worker_.join();
    std::optional<PrefetchedText> taken;
    if (read_) taken = PrefetchedText{path_, *stamp_, std::move(*read_)};
    read_.reset();
    return taken;
}

FileStatus WriteTextFile(IFileSystem& files, const std::string& path, std::string_view text,
                         const TextFormat& format, Durability durability, TextFormat* written) {
    return files.WriteFileAtomic(path, EncodeText(text, format, written), durability);
}

}  // namespace tagrota

namespace tagrota {

FileStatus EditorFileBacking::Load(const std::string& path,
                                   const std::function<void(std::string&&)>& setText,
                                   std::optional<PrefetchedText> prefetched) {
    TextFileContents contents = TakeOrReadTextFile(files_, path, std::move(prefetched));
    if (!contents.status) return contents.status;
    format_ = contents.decoded.format;
    setText(std::move(contents.decoded.text));
    return FileStatus::Success();
}

FileStatus EditorFileBacking::Save(const std::string& path, std::string_view text) {
    TextFormat written;
    FileStatus status = WriteTextFile(files_, path, text, format_, Durability::Flush, &written);
    if (status) format_ = written;
    return status;
}

}  // namespace tagrota
