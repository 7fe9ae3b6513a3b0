#pragma once
// Text files as the editors see them. Whatever a file uses, an editor presents
// its text with CR LF line ends and holds it as UTF-8; a save writes it back
// with the line ends and encoding the file was read with.

#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "platform/FileSystem.h"

namespace tagrota {

enum class TextEncoding {
    Utf8,         // UTF-8 without a byte-order mark
    Utf8WithBom,  // UTF-8 behind a byte-order mark
    Windows1252,  // a file that is not valid UTF-8
};

enum class LineEnding { CrLf, Lf, Cr };

// How a file was written, so that a save can write it the same way. Files the
// program creates are CR LF and UTF-8.
struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnding lineEnding = LineEnding::CrLf;
};

struct DecodedText {
    std::string text;  // UTF-8, CR LF line ends
    TextFormat format;
};

// Reserves room for `size` bytes in the string. The pages of a large one are
// handed out at once, which is much quicker than a fault for each as it fills.
void ReserveText(std::string& text, std::size_t size);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Every CR LF, lone CR and lone LF becomes CR LF.
std::string ToCrLf(std::string_view text);

// Decodes a file's bytes: UTF-8 (a byte-order mark skipped) where they are valid
// UTF-8, Windows-1252 otherwise; line ends made CR LF. The line end style is the
// first one found (CR LF when the text has none).
DecodedText DecodeText(std::string_view bytes);
// The same for bytes the caller hands over: where they already are UTF-8 with
// CR LF line ends, their own buffer becomes the text, without a copy.
DecodedText DecodeOwnedText(std::string bytes);

// Decodes bytes of a file whose encoding was decided from the whole file: a
// piece of it, cut between two line ends, comes out as it does in the whole
// file's text.
std::string DecodeTextAs(std::string_view bytes, TextEncoding encoding);

// Encodes editor text (CR LF line ends) for a file of the given format. Text
// that Windows-1252 cannot hold is written as UTF-8 instead, so nothing typed is
// ever lost; `written`, when given, receives the format actually used.
std::string EncodeText(std::string_view text, const TextFormat& format,
                       TextFormat* written = nullptr);

// Reads and decodes a whole text file.
struct TextFileContents {
    FileStatus status;
    DecodedText decoded;
};
TextFileContents ReadTextFile(IFileSystem& files, const std::string& path);

// A file's contents read earlier, with the stamp the file had then.
struct PrefetchedText {
    std::string path;
    FileStamp stamp;
    TextFileContents contents;
};

// The prefetched contents when they are of this path and the file still has
// the stamp it had when they were read; otherwise the file, read now.
TextFileContents TakeOrReadTextFile(IFileSystem& files, const std::string& path,
                                    std::optional<PrefetchedText> prefetched);

// Reads and decodes one text file on a thread of its own, while the program
// goes on with other work: the start-up reads the collection while it builds
// its window, then hands the result to the load. A read that failed, or a file
// changed while it was read, gives nothing to hand over. A file system that
// stamps no files is not read ahead.
class TextReadAhead {
public:
    TextReadAhead(IFileSystem& files, std::string path);
    ~TextReadAhead();  // waits for the reading to end
    TextReadAhead(const TextReadAhead&) = delete;
    TextReadAhead& operator=(const TextReadAhead&) = delete;

    // Waits for the reading to end and gives its result, once.
    std::optional<PrefetchedText> Take();

private:
    IFileSystem& files_;
    const std::string path_;
    std::optional<FileStamp> stamp_;
    std::optional<TextFileContents> read_;  // written by the worker until it is joined
    std::thread worker_;
};

// Encodes and atomically replaces a whole text file.
FileStatus WriteTextFile(IFileSystem& files, const std::string& path, std::string_view text,
                         const TextFormat& format, Durability durability,
                         TextFormat* written = nullptr);

}  // namespace tagrota
