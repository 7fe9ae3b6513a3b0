#pragma once
// Which collection the quotations come from, decided in one place for every
// caller: the start-up, a reload after the user chose another file, and
// `tagrota --print`. The decision says why, so that each caller can tell the
// user in its own way (a message box, a line on standard error).

#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace tagrota {

// What the caller may do to find a collection.
struct CollectionRules {
    // A missing file gets the placeholder collection, which the start-up
    // writes there.
    bool placeholderIfMissing = true;
    // A file that gives no quotations gives way to the default collection.
    bool fallBackToDefault = true;
    // The placeholder and the default collection are written where they are
    // missing; otherwise their texts are used without a file.
    bool writeFiles = true;
    // The fixed signature's file, which is never a collection: its own tab
    // holds it, and a placeholder written there would become the signature.
    std::string fixedSignature;
    // The line ends of the files it writes.
    LineEnding lineEnds = LineEnding::Lf;
};

enum class CollectionSource {
    Configured,   // the chosen file, which holds quotations
    Placeholder,  // the chosen file was missing: placeholder quotations
    Default,      // the chosen file gave none: the default collection
    None,         // no quotations from any file
};

struct CollectionChoice {
    CollectionSource source = CollectionSource::None;
    // The file asked for.
    std::string chosen;
    // The file the text comes from, where a save of it goes: the chosen file
    // or the default one. For None without a fall-back, the chosen file.
    std::string path;
    // The text as read, to be handed to the editor without reading it again;
    // nothing when the text is not a file's (a placeholder or default that was
    // not, or could not be, written).
    std::optional<PrefetchedText> read;
    // The file's stamp when it was read.
    std::optional<FileStamp> stamp;
    // The text itself, used where there is nothing read.
    std::string text;

    // Why the chosen file is not used ("it holds no signatures", "it could not
    // be read: Permission denied"); empty when it is. When it could not be
    // read, the system's reason alone as well.
    std::string chosenProblem, chosenUnreadable;
    // The chosen file is the fixed signature's.
    bool chosenIsFixedSignature = false;
    // Why the default collection gives no quotations either; empty when it
    // does or was not tried. When it could not be read, the reason alone too.
    std::string defaultProblem, defaultUnreadable;
    // A file that should have been written and could not be, with the reason.
    std::string notWritten, notWrittenReason;
};

// Whether a collection text holds quotations: at least one separator line.
bool HoldsQuotations(std::string_view text);

// Decides between the chosen file, the placeholder, the default collection
// (the default file in `programDir`) and none, by the rules. Contents read
// ahead are taken when they are still the chosen file's.
CollectionChoice ChooseCollection(IFileSystem& files, const std::string& chosen,
                                  const std::string& programDir, const CollectionRules& rules,
                                  std::optional<PrefetchedText> prefetched = std::nullopt);

// The text of the choice: what was read, or the text given.
const std::string& ChosenText(const CollectionChoice& choice);

}  // namespace tagrota
