#include "engine/Collection.h"

#include <cstddef>
#include <cstring>
#include <utility>

namespace tagrota {

namespace {

// Calls `piece(start, end)` for every piece of the text, left to right.
template <class Piece>
void ForEachPiece(std::string_view text, Piece piece) {
    if (text.empty()) return;

    // Look for the rare "%" and check the line ends around it, rather than for
    // the frequent CR.
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* pieceStart = begin;
    const char* from = begin + 2;  // a separator's "%" stands at least two characters in
    while (from + 3 <= end) {
        auto* percent = static_cast<const char*>(std::memchr(from, '%', end - from - 2));
        if (!percent) break;
        if (percent - 2 >= pieceStart && percent[-2] == '\r' && percent[-1] == '\n' &&
            percent[1] == '\r' && percent[2] == '\n') {
            piece(pieceStart, percent - 2);
            pieceStart = percent + 3;
            from = pieceStart + 2;
        } else {
            from = percent + 1;
        }
    }
    // A "%" line that ends the text with no line end after it is a separator
    // too: many editors save a file without a line end after its last line.
    if (end - pieceStart >= static_cast<std::ptrdiff_t>(kTrailingSeparator.size()) &&
        std::string_view(end - kTrailingSeparator.size(), kTrailingSeparator.size()) ==
            kTrailingSeparator) {
        piece(pieceStart, end - kTrailingSeparator.size());
        pieceStart = end;
    }
    piece(pieceStart, end);
}

}  // namespace

std::vector<std::string_view> SplitCollection(std::string_view text) {
    std::vector<std::string_view> pieces;
    ForEachPiece(text, [&](const char* start, const char* end) {
        pieces.emplace_back(start, static_cast<std::size_t>(end - start));
    });
    return pieces;
}

SigList::SigList(std::shared_ptr<const std::string> text) : text_(std::move(text)) {
    if (text_) starts_ = PieceStarts(*text_);
}

std::vector<std::size_t> SigList::PieceStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    // Room for one entry in every 128 characters; most entries are longer, so
    // a large list is seldom moved while it grows.
    starts.reserve(text.size() / 128 + 1);
    const char* const begin = text.data();
    ForEachPiece(text, [&](const char* start, const char*) {
        starts.push_back(static_cast<std::size_t>(start - begin));
    });
    return starts;
}

std::string_view SigList::Piece(std::size_t index) const {
    const std::size_t start = starts_[index];
    std::size_t end = text_->size();
    if (index + 1 < starts_.size()) {
        // Only the last piece can start at the end of the text, and only the
        // trailing "%" line leaves a text that ends in "%".
        const std::size_t next = starts_[index + 1];
        end = next - (next == text_->size() && text_->back() == '%' ? kTrailingSeparator.size()
                                                                    : kSeparator.size());
    }
    return std::string_view(*text_).substr(start, end - start);
}

void SigList::clear() {
    text_.reset();
    starts_.clear();
    starts_.shrink_to_fit();
}

std::vector<std::string_view> SigList::Views() const {
    std::vector<std::string_view> views;
    views.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) views.push_back(Piece(i));
    return views;
}

bool operator==(const SigList& list, const std::vector<std::string>& pieces) {
    if (list.size() != pieces.size()) return false;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (list.Piece(i) != pieces[i]) return false;
    return true;
}

void SplitInto(ProgramState& state, std::shared_ptr<const std::string> text) {
    state.Sigs = SigList(std::move(text));
    state.SigCount = static_cast<Long>(state.Sigs.size()) - 1;
}

void SplitInto(ProgramState& state, std::string text) {
    SplitInto(state, std::make_shared<const std::string>(std::move(text)));
}

Long UsableEntryCount(const ProgramState& state) {
    if (state.SigCount < 1 || state.Sigs.size() != static_cast<std::size_t>(state.SigCount) + 1)
        return 0;
    const std::string_view last = state.Sigs.Piece(state.Sigs.size() - 1);
    bool lastHoldsText = last.find_first_not_of(" \t\r\n") != std::string::npos;
    return lastHoldsText ? state.SigCount + 1 : state.SigCount;
}

std::string PlaceholderCollectionText() {
    const std::string block = "Empty Signature Collection File\r\n%\r\n\r\n";
    return block + block;
}

std::string DefaultCollectionText() {
    const std::string block = "Default Signature Collection File\r\n%\r\n\r\n";
    return block + block + block;
}

}  // namespace tagrota
