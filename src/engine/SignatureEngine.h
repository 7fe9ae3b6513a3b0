#pragma once
// The signature engine: the choice of the next quotation, the composition of a
// signature, and the write of the current signature file. It works on the
// program state and on texts, and returns its results; the main window puts
// them into its controls.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/DrawRounds.h"
#include "engine/NeverAgain.h"
#include "engine/ProgramFiles.h"
#include "engine/ProgramState.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace tagrota {

class CollectionIndex;

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
    // Wrapping keeps strictly within the width (StrictWrapQuotation).
    Boolean WrapStrict = false;
};
// The wrap settings of the program state.
inline WrapSettings WrapOf(const ProgramState& state) {
    return {state.DoWrap, state.WrapCount, state.WrapStrict};
}

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

// A signature's length: its lines as the signature file holds them (line ends
// that close it count as one) and the display columns of its widest line
// (East Asian wide characters count two).
struct SignatureSize {
    std::size_t lines = 0, columns = 0;
    // Fewer lines first, then fewer columns.
    auto operator<=>(const SignatureSize&) const = default;
};
SignatureSize MeasureSignature(std::string_view signature);

// The longest signature written, in lines and in columns; 0 is no limit.
struct SignatureLimits {
    Integer MaxLines = 0, MaxColumns = 0;
    bool Any() const { return MaxLines > 0 || MaxColumns > 0; }
    bool Admit(const SignatureSize& size) const {
        return (MaxLines <= 0 || size.lines <= static_cast<std::size_t>(MaxLines)) &&
               (MaxColumns <= 0 || size.columns <= static_cast<std::size_t>(MaxColumns));
    }
};

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
    // Keeps the lists of quotations set aside in the folder ("" keeps them
    // for this run alone), and gives them.
    void KeepSetAsideIn(std::string folder) { never_ = NeverAgain(std::move(folder)); }
    NeverAgain& SetAside() { return never_; }

    // The index of the entry the next rotation uses under the fixed text; -1
    // when there is none. In random mode with NoRepeats, the next of the
    // collection's round. With length limits, entries whose signature would
    // be longer are passed over; when none fits, the shortest is used and
    // NoneFits says so. Quotations set aside for the collection (NeverAgain)
    // are passed over always; when every one is, there is none (-1) and
    // AllSetAside says so.
    Long ChooseIndex(std::string_view fixedText);

    // One rotation's signature: the next entry chosen (and noted as the last
    // one used) and put under the fixed text. With no usable entry the
    // signature is the fixed text alone, so that the file never keeps a
    // quotation from before.
    std::string NextSignature(std::string_view fixedText);
    // A signature as a rotation in random mode composes it, from a fresh draw
    // (`tagrota --print`): the round, the entry last used and the last
    // quotation are left as they were.
    std::string FreshSignature(std::string_view fixedText);
    // The same, drawn through the collection's index before the collection is
    // read whole (the first signature of a start): the entry NextSignature
    // would take from the whole text. Nothing when the index gives no entry,
    // with length limits set, and when quotations of the collection are set
    // aside.
    std::optional<std::string> NextSignature(std::string_view fixedText,
                                             const CollectionIndex& index);

    // Whether the last rotation's signature is longer than the limits because
    // no entry gives a shorter one.
    bool NoneFits() const { return noneFits_; }
    // Whether the last rotation had no quotation because every one of the
    // collection is set aside.
    bool AllSetAside() const { return allSetAside_; }
    // The quotation of the last signature composed; nothing when it had none.
    const std::optional<std::string>& LastQuotation() const { return lastQuotation_; }

    // Replaces the current signature file with the signature, in the line ends
    // of the state's SigLineEnds (see SignatureFileText), unless it is a file
    // the program holds (see ProgramFiles::SignatureRefusal).
    FileStatus WriteSignature(const ProgramFiles& files, std::string_view signature);

private:
    // The next of `count` entries in the mode's order, limits aside: in turn,
    // the round's next (the collection at `path` with `stamp`), or at random.
    Long Draw(Long count, const std::string& path, const std::optional<FileStamp>& stamp);
    SignatureSize SizeWith(std::string_view fixedText, Long index) const;
    // Of the entries `kept`, the one that gives the shortest signature, the
    // first of equals; -1 when none is kept.
    Long Shortest(std::string_view fixedText, Long count, const std::function<bool(Long)>& kept);

    ProgramState& st_;
    IFileSystem& files_;
    IClock& clock_;
    IRandom& random_;
    DrawRounds rounds_;
    NeverAgain never_;
    bool noneFits_ = false;
    bool allSetAside_ = false;
    std::optional<std::string> lastQuotation_;
};

}  // namespace tagrota
