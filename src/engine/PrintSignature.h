#pragma once
// One signature composed on request, for `tagrota --print`: what a rotation in
// random mode would write, made from the files and settings on disk, without
// a window and without writing any file.

#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace tagrota {

struct PrintedSignature {
    // The fixed signature, a line end, one quotation (wrapped when the settings
    // say so); the fixed signature alone when no collection holds a quotation.
    // In the line ends of the setting "SigLineEnds", as the signature file
    // would hold it (see SignatureFileText).
    std::string text;
    // What did not go as configured, one sentence each (for standard error).
    std::vector<std::string> problems;
};

// Reads the settings (RandomFile, DoWrap, WrapCount, SigLineEnds), the fixed signature
// (its file in `programDir`, or the default text) and the collection, and
// draws one quotation as the random mode does. The collection is chosen as the
// start-up chooses it (a missing file gives the placeholder, one without
// quotations the default collection), but nothing is created: where the start-up
// would write a file, its text is used as it would be written.
//
// With `indexFolder`, a collection that holds quotations is not read whole:
// the entry drawn is read through the collection's index (CollectionIndex),
// kept in that folder ("" : made in memory). The entry is the same either way.
// Quotations set aside for the collection in `setAsideFolder` (NeverAgain)
// are passed over.
PrintedSignature ComposePrintedSignature(ISettingsStore& settings, IFileSystem& files,
                                         IClock& clock, IRandom& random,
                                         const std::string& programDir,
                                         const std::optional<std::string>& indexFolder = {},
                                         const std::string& setAsideFolder = {});

}  // namespace tagrota
