#pragma once
// The signature engine: loading the fixed signature, the collection and the
// last current signature into their editors, and the rotation that writes a
// new current signature. The main window owns it and calls it from its
// handlers; it works directly on the main window's program state and editors.

#include <functional>
#include <optional>
#include <string>

#include "engine/ProgramState.h"
#include "platform/Controls.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace tagrota {

// The main window's controls that the engine reads and fills.
struct EngineControls {
    ITextEditor& txtFixedSig;  // Fixed tab
    ITextEditor& txtRandom;    // Random tab: the whole collection text
    ITextEditor& txtCurrent;   // Current tab: the last signature written
    ITextControl& txtRPath;    // Settings tab: the collection file's path
};

struct EngineServices {
    IFileSystem& files;
    IMessageBox& messages;
    IClock& clock;
    IRandom& random;
    std::string programDir;
};

// The text the Fixed tab starts with when there is no fixed-signature file.
std::string DefaultFixedText();

// What the collection load ended with.
enum class CollectionOutcome {
    Configured,    // the configured collection holds quotations and is in use
    DefaultInUse,  // it did not, or could not be read: the default collection is in use
    NoQuotations,  // neither file gives a quotation: signatures are the fixed text alone
};

// The random mode's choice among `count` usable entries (count at least 1): the
// source reseeded from the time of day, then one draw.
Long ChooseRandomIndex(Long count, IClock& clock, IRandom& random);

class SignatureEngine {
public:
    SignatureEngine(ProgramState& state, EngineControls controls, EngineServices services);

    // The fixed signature: FixPath formed from the program directory, then the
    // file loaded into the Fixed tab, or the default text when there is none.
    void LoadFixedSignature();

    // First half of the collection load: the placeholder file written where the
    // configured collection (the path in txtRPath) is missing, then the file
    // loaded into the Random tab, from the contents read ahead when they are
    // still the file's. Run with IgnoreEvent true.
    void LoadCollectionFirstHalf(std::optional<PrefetchedText> prefetched = std::nullopt);

    // The last current signature shown in the Current tab, when the file exists.
    void LoadCurrentSignature(const std::string& path);

    // Second half of the collection load: the split, and when the collection
    // holds no entries, the fall-back to the default collection with its
    // message. Returns what the load ended with.
    CollectionOutcome SplitAndFallBack();

    // Replaces Sigs and SigCount by the pieces of the Random tab's text.
    void SplitCollection();

    // Loads a collection file into the Random tab; on failure the tab keeps its
    // text and the failure is returned.
    FileStatus LoadCollection(const std::string& path,
                              std::optional<PrefetchedText> prefetched = std::nullopt);

    // Reseeds the random source from the time of day.
    void Randomize();

    // One rotation: choose an entry, wrap it when asked, put it under the fixed
    // signature in the Current tab and replace the current signature file. With
    // no usable entry the signature is the fixed text alone, so that the file
    // never keeps a quotation from before.
    void Rotate();

    // The index of the entry the next rotation uses; -1 when there is none.
    Long ChooseIndex();

private:
    void Report(const std::string& text);
    FileStatus WriteCurrentSignature(const std::string& text);

    ProgramState& st_;
    EngineControls c_;
    EngineServices s_;
    std::string unreadableReason_;  // why the configured collection could not be read
    bool writeFailureShown_ = false;
};

}  // namespace tagrota
