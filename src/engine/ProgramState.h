#pragma once
// The main window's program state: one record, owned by the main window, that
// every handler reads and writes directly.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ProgramFiles.h"
#include "platform/TextFile.h"

namespace tagrota {

// The collection's pieces: its text, held once (and shared with the Random
// tab's editor where that holds the same text), and where each piece starts. A
// piece runs to the separator before the next piece's start, the last one to
// the end of the text.
class SigList {
public:
    SigList() = default;
    // Keeps the text and cuts it at every separator (see SplitCollection).
    explicit SigList(std::shared_ptr<const std::string> text);
    // Keeps the text with the starts of its pieces, found beforehand over the
    // same bytes (PieceStarts), perhaps on another thread.
    SigList(std::shared_ptr<const std::string> text, std::vector<std::size_t> starts)
        : text_(std::move(text)), starts_(std::move(starts)) {}
    // Where each piece of the text starts.
    static std::vector<std::size_t> PieceStarts(std::string_view text);

    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    // A piece where it lies in the text.
    std::string_view Piece(std::size_t index) const;
    // A piece of its own: a copy of that one piece.
    std::string operator[](std::size_t index) const { return std::string(Piece(index)); }
    void clear();
    // Every piece, in order.
    std::vector<std::string_view> Views() const;

    friend bool operator==(const SigList& list, const std::vector<std::string>& pieces);

private:
    std::shared_ptr<const std::string> text_;
    std::vector<std::size_t> starts_;
};

using Integer = std::int16_t;  // a signed 16-bit integer
using Long = std::int32_t;     // a signed 32-bit integer
using Boolean = bool;

// Every field starts at zero, false or empty, before start-up fills it.
struct ProgramState {
    // Separators found in the collection text: the highest index of Sigs. -1 for
    // an empty text, 0 for a text without separators; below 1 the collection
    // holds no usable entries. 32-bit, because a large collection holds more
    // entries than a 16-bit count can.
    Long SigCount = 0;
    Integer AboutNumber = 0;      // image shown on the toolbar's About button
    Boolean IgnoreEvent = false;  // editor changes are the program's own loads
    Integer WrapCount = 0;        // wrap width in characters
    std::string SigPath;          // kept from start-up to close, used for nothing else
    Boolean FixedDirty = false;   // the Fixed tab holds unsaved edits
    Boolean RandomDirty = false;  // the Random tab holds unsaved edits
    Boolean DoWrap = false;       // quotations are re-wrapped before use
    Boolean WrapStrict = false;   // ... strictly within the width
    Boolean InSysTray = false;    // the program lives in the notification area
    Integer SigDuration = 0;      // rotation period in seconds
    Boolean StartMin = false;     // the main window starts minimised
    Boolean UseSeq = false;       // quotations in sequence (true) or at random
    // The line ends of the signature file and of the files the program creates:
    // LF (with one at the close of the signature) or CR LF (none at the close).
    LineEnding SigLineEnds = LineEnding::Lf;
    // Random mode draws every usable entry once, in rounds, before any again.
    Boolean NoRepeats = false;
    // The longest signature written, in lines and in display columns; 0 is no
    // limit. Entries that would make a longer one are passed over.
    Integer MaxSigLines = 0;
    Integer MaxSigColumns = 0;
    Integer CurrentTab = 0;  // the tab in front when the Bullets command began
    Long QuoteNumber = 0;    // index in Sigs of the last rotation's quotation
    SigList Sigs;            // the collection's pieces, 0 to SigCount
    // Which file holds what: FixPath, the collection in use, RandomPath (the
    // collection for the next start) and CurrentPath.
    ProgramFiles Files;
};

// Marks the program's own loads of the editors: while it lives, IgnoreEvent is
// true and text changes are not taken for the user's edits.
class IgnoringEvents {
public:
    explicit IgnoringEvents(ProgramState& state) : state_(state), before_(state.IgnoreEvent) {
        state_.IgnoreEvent = true;
    }
    ~IgnoringEvents() { state_.IgnoreEvent = before_; }
    IgnoringEvents(const IgnoringEvents&) = delete;
    IgnoringEvents& operator=(const IgnoringEvents&) = delete;

private:
    ProgramState& state_;
    bool before_;
};

}  // namespace tagrota
