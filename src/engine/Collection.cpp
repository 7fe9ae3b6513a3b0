#include "engine/Collection.h"

#include <cstring>

namespace tagrota {

std::vector<std::string> SplitCollection(std::string_view text) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;

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
            pieces.emplace_back(pieceStart, percent - 2);
            pieceStart = percent + 3;
            from = pieceStart + 2;
        } else {
            from = percent + 1;
        }
    }
    pieces.emplace_back(pieceStart, end);
    return pieces;
}

void SplitInto(ProgramState& state, std::string_view text) {
    state.Sigs = SplitCollection(text);
    state.SigCount = static_cast<Long>(state.Sigs.size()) - 1;
}

Long UsableEntryCount(const ProgramState& state) {
    if (state.SigCount < 1 || state.Sigs.size() != static_cast<std::size_t>(state.SigCount) + 1)
        return 0;
    const std::string& last = state.Sigs.back();
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
