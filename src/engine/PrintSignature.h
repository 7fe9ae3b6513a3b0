#pragma once
// One signature composed on request, for `tagrota --print`: what a rotation in
// random mode would write, made from the files and settings on disk, without
// a window and without writing any file.

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace tagrota {

struct ComposedSignature {
    // The fixed signature, CR LF, one quotation (wrapped when the settings say
    // so); empty when no collection held a quotation.
    std::string text;
    // What did not go as configured, one sentence each (for standard error).
    std::vector<std::string> problems;
};

// Reads the settings (RandomFile, DoWrap, WrapCount), the fixed signature
// (its file in `programDir`, or the default text) and the collection, and
// draws one quotation as the random mode does. A collection that is missing,
// unreadable or without quotations is replaced by the default one (its file in
// `programDir`, or the built-in text), as the start-up falls back to it; none
// of them is created.
ComposedSignature ComposeSignature(ISettingsStore& settings, IFileSystem& files, IClock& clock,
                                   IRandom& random, const std::string& programDir);

}  // namespace tagrota
