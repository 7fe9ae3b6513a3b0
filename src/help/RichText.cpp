// The rich-text reader: one pass over the bytes with an explicit stack of group
// states, so no nesting can exhaust the call stack, and every read checked
// against the end of the input.

#include "help/RichText.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/TextFile.h"
#include "platform/Unicode.h"

namespace tagrota {
namespace {

// Groups nested deeper than this are still counted, but share the state of the
// deepest group kept.
constexpr std::size_t kMaxKeptDepth = 256;
// A control word is at most this many letters; a longer one is read and ignored.
constexpr std::size_t kMaxWordLength = 32;
// Numbers stop growing here; the remaining digits are read and dropped.
constexpr std::int64_t kNumberLimit = 1'000'000'000;
// Font sizes in half-points: \fs1 to the largest size word processors offer.
constexpr std::int64_t kMaxHalfPoints = 3276;
constexpr char32_t kReplacement = 0xFFFD;

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;  // \v: text that is not shown
    int halfPoints = 0;   // 0: the document's default size
};

struct GroupState {
    CharFormat format;
    RichAlignment alignment = RichAlignment::Left;
    int fallbackLength = 1;  // \ucN: characters that stand in for each \uN
};

// Groups whose content is never text: tables, document properties, pictures,
// page furniture, field instructions, embedded objects.
constexpr std::string_view kSkippedDestinations =
    " fonttbl colortbl stylesheet info pict header headerl headerr headerf footer footerl"
    " footerr footerf footnote fldinst object objdata themedata colorschememapping"
    " latentstyles datastore xmlnstbl listtable listoverridetable rsidtbl generator filetbl"
    " revtbl pgdsctbl template userprops docvar annotation atnid atnauthor pn nonshppict"
    " ftnsep ftnsepc xe ";

bool IsSkippedDestination(std::string_view word) {
    std::string padded(1, ' ');
    padded.append(word);
    padded += ' ';
    return kSkippedDestinations.find(padded) != std::string_view::npos;
}

struct NamedCharacter {
    std::string_view word;
    char32_t character;
};

constexpr std::array<NamedCharacter, 13> kNamedCharacters = {{
    {"tab", U'\t'},
    {"cell", U'\t'},
    {"line", U'\n'},
    {"emdash", 0x2014},
    {"endash", 0x2013},
    {"bullet", 0x2022},
    {"lquote", 0x2018},
    {"rquote", 0x2019},
    {"ldblquote", 0x201C},
    {"rdblquote", 0x201D},
    {"emspace", 0x2003},
    {"enspace", 0x2002},
    {"qmspace", 0x2005},
}};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Control characters other than the tab are not text.
bool IsText(char32_t c) {
    return c >= 0x20 || c == U'\t';
}

// The length of the well-formed UTF-8 character at text[i], or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || i + length > text.size()) return 0;
    return IsValidUtf8(text.substr(i, length)) ? length : 0;
}

void AddText(RichParagraph& paragraph, std::string_view text, const CharFormat& format) {
    RichSpan span;
    span.Bold = format.bold;
    span.Italic = format.italic;
    span.Underline = format.underline;
    span.FontSize = format.halfPoints / 2.0;
    if (!paragraph.Spans.empty()) {
        RichSpan& last = paragraph.Spans.back();
        if (last.Bold == span.Bold && last.Italic == span.Italic &&
            last.Underline == span.Underline && last.FontSize == span.FontSize) {
            last.Text += text;
            return;
        }
    }
    span.Text = text;
    paragraph.Spans.push_back(std::move(span));
}

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : in_(rtf) { stack_.emplace_back(); }

    RichDocument Read() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                OpenGroup();
            } else if (c == '}') {
                ++pos_;
                if (depth_ == 1) break;  // the document's own group: the end
                CloseGroup();
            } else if (c == '\\') {
                ReadControl();
            } else {
                ReadTextByte();
            }
        }
        // What follows the last \par is a paragraph only when it holds text.
        FlushHighSurrogate();
        if (!paragraph_.Spans.empty()) EndParagraph();
        return std::move(document_);
    }

private:
    GroupState& State() { return stack_.back(); }
    bool Skipping() const { return skipFromDepth_ != 0 && depth_ >= skipFromDepth_; }

    void OpenGroup() {
        ++depth_;
        if (stack_.size() <= kMaxKeptDepth) stack_.push_back(stack_.back());
        fallbackLeft_ = 0;
    }

    void CloseGroup() {
        if (depth_ == 0) return;
        --depth_;
        if (stack_.size() > std::min(depth_, kMaxKeptDepth) + 1) stack_.pop_back();
        if (depth_ < skipFromDepth_) skipFromDepth_ = 0;
        fallbackLeft_ = 0;
    }

    // The group being read holds no text, nor do the groups inside it.
    void SkipGroup() {
        if (!Skipping()) skipFromDepth_ = std::max<std::size_t>(depth_, 1);
    }

    // After \uN the next characters stand in for it in older readers.
    bool TakeFallback() {
        if (fallbackLeft_ == 0) return false;
        --fallbackLeft_;
        return true;
    }

    void ReadControl() {
        ++pos_;  // the backslash
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (IsLetter(c)) return ReadControlWord();
        ++pos_;
        if (c == '\'') return ReadHexEscape();
        if (Skipping()) return;
        if (c == '*') return SkipGroup();
        if (c == '\r' || c == '\n') return EndParagraphIfReading();  // \<newline> is \par
        if (TakeFallback()) return;
        switch (c) {
            case '\\':
            case '{':
            case '}':
                return AddCharacter(static_cast<unsigned char>(c));
            case '~':
                return AddCharacter(0x00A0);
            case '_':
                return AddCharacter(0x2011);
            default:
                return;  // \- (optional hyphen), index marks and the unknown
        }
    }

    void ReadControlWord() {
        const std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);

        bool hasNumber = false;
        std::int64_t number = 0;
        bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1]);
        if (negative) ++pos_;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            hasNumber = true;
            number = std::min(number * 10 + (in_[pos_] - '0'), kNumberLimit);
            ++pos_;
        }
        if (negative) number = -number;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;

        if (word == "bin") {
            // Raw bytes follow; they may hold anything, braces included.
            const auto length = static_cast<std::size_t>(std::max<std::int64_t>(number, 0));
            pos_ += std::min(length, in_.size() - pos_);
            return;
        }
        if (word.size() > kMaxWordLength || Skipping()) return;
        ControlWord(word, hasNumber, number);
    }

    void ControlWord(std::string_view word, bool hasNumber, std::int64_t number) {
        if (IsSkippedDestination(word)) return SkipGroup();
        if (TakeFallback()) return;

        const bool on = !hasNumber || number != 0;
        CharFormat& format = State().format;
        if (word == "par" || word == "row") return EndParagraph();
        if (word == "pard" || word == "ql") {
            State().alignment = RichAlignment::Left;
        } else if (word == "plain") {
            format = {};
        } else if (word == "b") {
            format.bold = on;
        } else if (word == "i") {
            format.italic = on;
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
                   word == "ulth" || word == "ulwave" || word == "uldash") {
            format.underline = on;
        } else if (word == "ulnone") {
            format.underline = false;
        } else if (word == "v") {
            format.hidden = on;
        } else if (word == "fs") {
            format.halfPoints = number > 0 ? static_cast<int>(std::min(number, kMaxHalfPoints)) : 0;
        } else if (word == "qc") {
            State().alignment = RichAlignment::Center;
        } else if (word == "qr") {
            State().alignment = RichAlignment::Right;
        } else if (word == "qj" || word == "qd") {
            State().alignment = RichAlignment::Justify;
        } else if (word == "uc") {
            if (hasNumber)
                State().fallbackLength = static_cast<int>(std::clamp<std::int64_t>(number, 0, 255));
        } else if (word == "u") {
            if (!hasNumber) return;
            AddUtf16Unit(number < 0 ? number + 65536 : number);
            fallbackLeft_ = State().fallbackLength;
        } else {
            for (const NamedCharacter& named : kNamedCharacters)
                if (named.word == word) return AddCharacter(named.character);
            // Anything else (fonts, colours, spacing, code page words of the
            // header) changes nothing this reader keeps.
        }
    }

    // \'hh: one byte in the document's code page. A cut-off escape is dropped.
    void ReadHexEscape() {
        if (pos_ + 2 > in_.size()) {
            pos_ = in_.size();
            return;
        }
        const int high = HexValue(in_[pos_]);
        const int low = HexValue(in_[pos_ + 1]);
        if (high < 0 || low < 0) return;
        pos_ += 2;
        if (Skipping() || TakeFallback()) return;
        // Windows-1252 is the code page of the documents this program meets;
        // bytes of any other single-byte code page are read as Windows-1252.
        AddCharacter(Cp1252Char(static_cast<unsigned char>(high * 16 + low)));
    }

    void ReadTextByte() {
        const char c = in_[pos_];
        // Line ends in the file only format the file itself.
        if (c == '\r' || c == '\n') {
            ++pos_;
            return;
        }
        // Rich text is 7-bit, but some writers put UTF-8 or code page bytes in
        // as they are.
        const std::size_t length = std::max<std::size_t>(Utf8Length(in_, pos_), 1);
        const std::string_view character = in_.substr(pos_, length);
        pos_ += length;
        if (Skipping() || TakeFallback()) return;
        if (length > 1) return AddUtf8(character);
        AddCharacter(Cp1252Char(static_cast<unsigned char>(c)));
    }

    void AddUtf16Unit(std::int64_t unit) {
        if (Skipping() || State().format.hidden) return;
        if (unit < 0 || unit > 0xFFFF) return AddCharacter(kReplacement);
        const auto u = static_cast<char32_t>(unit);
        if (u >= 0xD800 && u <= 0xDBFF) {
            FlushHighSurrogate();
            highSurrogate_ = u;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            if (highSurrogate_ == 0) return AddCharacter(kReplacement);
            const char32_t c = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (u - 0xDC00);
            highSurrogate_ = 0;
            AddCharacter(c);
        } else {
            AddCharacter(u);
        }
    }

    // A high surrogate that no low one followed stands for nothing readable.
    void FlushHighSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        std::string replacement;
        AppendUtf8(replacement, kReplacement);
        AddUtf8(replacement);
    }

    void AddCharacter(char32_t c) {
        if (!IsText(c) && c != U'\n') return;
        std::string utf8;
        AppendUtf8(utf8, c);
        AddUtf8(utf8);
    }

    void AddUtf8(std::string_view text) {
        if (Skipping() || State().format.hidden) return;
        if (highSurrogate_ != 0) FlushHighSurrogate();
        AddText(paragraph_, text, State().format);
    }

    void EndParagraphIfReading() {
        if (!Skipping()) EndParagraph();
    }

    void EndParagraph() {
        FlushHighSurrogate();
        paragraph_.Alignment = State().alignment;
        document_.Paragraphs.push_back(std::move(paragraph_));
        paragraph_ = {};
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;  // [0]: outside every group
    std::size_t depth_ = 0;          // groups open, also those beyond the kept depth
    std::size_t skipFromDepth_ = 0;  // 0, or the depth of the group being skipped
    int fallbackLeft_ = 0;
    char32_t highSurrogate_ = 0;
    RichParagraph paragraph_;
    RichDocument document_;
};

// Text that is not rich text: one paragraph per line, no formatting.
RichDocument ReadPlainText(std::string_view bytes) {
    const std::string text = DecodeText(bytes).text;  // UTF-8, CR LF line ends
    RichDocument document;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        RichParagraph paragraph;
        std::string line;
        for (std::size_t i = start; i < end; ++i)
            if (IsText(static_cast<unsigned char>(text[i]))) line += text[i];
        if (!line.empty()) paragraph.Spans.push_back(RichSpan{.Text = std::move(line)});
        document.Paragraphs.push_back(std::move(paragraph));
        start = end + 2;
    }
    return document;
}

}  // namespace

RichDocument ReadRichText(std::string_view bytes) {
    std::string_view rest = bytes;
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t' || rest.front() == '\r' ||
                             rest.front() == '\n'))
        rest.remove_prefix(1);
    if (rest.starts_with("{\\rtf")) return RtfReader(rest).Read();
    return ReadPlainText(bytes);
}

std::string PlainText(const RichDocument& document) {
    std::string text;
    for (std::size_t p = 0; p < document.Paragraphs.size(); ++p) {
        if (p > 0) text += '\n';
        for (const RichSpan& span : document.Paragraphs[p].Spans) text += span.Text;
    }
    return text;
}

}  // namespace tagrota
