#pragma once
// The signature engine: the choice of the next quotation, the composition of a
// signature, and the write of the current signature file. It works on the
// program state and on texts, and returns its results; the main window puts
// them into its controls.

#include <optional>
#include <string>
#include <string_view>

#include "engine/DrawRounds.h"
#include "engine/ProgramFiles.h"
#include "engine/ProgramState.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace tagrota {

// The text the Fixed tab starts with when there is no fixed-signature file.
std::string DefaultFixedText();

// Whether the fixed signature's file is small enough to be a signature; a
// larger one is refused with its size, like a file that cannot be read, and
// the default text stands in for it.
FileStatus FixedSignatureFits(IFileSystem& files, const std::string& path);

// How quotations are fitted into a signature.
struct WrapSettings {
    Boolean DoWrap = false;
    Integer WrapCount = 0;
};

// A signature: the fixed text, CR LF, then the quotation (re-flowed when
// wrapping is on), with CR LF line ends throughout. Without a quotation, the
// fixed text alone. The rotation and `tagrota --print` both compose with it.
std::string ComposeSignature(std::string_view fixed, std::optional<std::string_view> quotation,
                             const WrapSettings& wrap);

// The signature as the signature file and `tagrota --print` give it out. The
// composed text has CR LF line ends, as the editors show it. With LF, every
// line ends in LF, the last one included, and line ends that close the text
// are taken as one, so that what a mail reader puts after the signature starts
// on a line of its own; a text of nothing but line ends gives nothing. With CR
// LF, the composed text as it is: CR LF between lines, none at the close.
std::string SignatureFileText(std::string_view signature, LineEnding ends);

// The random mode's choice among `count` usable entries (count at least 1): the
// source reseeded from the time of day, then one draw.
Long ChooseRandomIndex(Long count, IClock& clock, IRandom& random);

class SignatureEngine {
public:
    SignatureEngine(ProgramState& state, IFileSystem& files, IClock& clock, IRandom& random)
        : st_(state), files_(files), clock_(clock), random_(random) {}

    // Reseeds the random source from the time of day.
    void Randomize();

    // Keeps the rounds of draws without repeats in the folder, so that a
    // round goes on after a restart ("" keeps them for this run alone).
    void KeepRoundsIn(std::string folder) { rounds_ = DrawRounds(std::move(folder)); }

    // The index of the entry the next rotation uses; -1 when there is none.
    // In random mode with NoRepeats, the next of the collection's round.
    Long ChooseIndex();

    // One rotation's signature: the next entry chosen (and noted as the last
    // one used) and put under the fixed text. With no usable entry the
    // signature is the fixed text alone, so that the file never keeps a
    // quotation from before.
    std::string NextSignature(std::string_view fixedText);

    // Replaces the current signature file with the signature, in the line ends
    // of the state's SigLineEnds (see SignatureFileText), unless it is a file
    // the program holds (see ProgramFiles::SignatureRefusal).
    FileStatus WriteSignature(const ProgramFiles& files, std::string_view signature);

private:
    ProgramState& st_;
    IFileSystem& files_;
    IClock& clock_;
    IRandom& random_;
    DrawRounds rounds_;
};

}  // namespace tagrota
