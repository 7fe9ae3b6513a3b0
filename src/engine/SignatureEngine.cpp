#include "engine/SignatureEngine.h"

#include "engine/Collection.h"
#include "engine/Module1.h"
#include "engine/Settings.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tagrota {
namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

std::string DefaultFixedText() {
    return std::string("---") + kCrLf + "https://example.org/" + kCrLf;
}

Long ChooseRandomIndex(Long count, IClock& clock, IRandom& random) {
    random.Reseed(clock.SecondsSinceMidnight());
    const double r = random.Next();
    const Long p = static_cast<Long>(static_cast<double>(count) * r);
    return p < count ? p : count - 1;
}

SignatureEngine::SignatureEngine(ProgramState& state, EngineControls controls,
                                 EngineServices services)
    : st_(state), c_(controls), s_(std::move(services)) {}

void SignatureEngine::Report(const std::string& text) {
    s_.messages.MsgBox(text, MsgBoxStyle::Exclamation, kAppName);
}

void SignatureEngine::LoadFixedSignature() {
    st_.FixPath = FixedSignaturePath(s_.programDir);
    // Only a missing file is quietly replaced by the default lines; a folder, a
    // link loop or a file too large to be a signature is reported.
    if (s_.files.IsMissing(st_.FixPath)) {
        c_.txtFixedSig.SetText(DefaultFixedText());
        return;
    }
    const std::optional<std::uint64_t> size = s_.files.FileSize(st_.FixPath);
    FileStatus loaded = size && *size > kMaxSignatureBytes
                            ? FileStatus::Failure(TooLargeReason(*size, kMaxSignatureBytes))
                            : c_.txtFixedSig.LoadFile(st_.FixPath);
    if (!loaded) {
        Report("The fixed signature file " + st_.FixPath + " could not be read: " + loaded.reason +
               "." + kCrLf + "A default fixed signature is used until it can be read.");
        c_.txtFixedSig.SetText(DefaultFixedText());
    }
}

void SignatureEngine::LoadCollectionFirstHalf(std::optional<PrefetchedText> prefetched) {
    const std::string path = c_.txtRPath.GetText();
    unreadableReason_.clear();
    // A folder, a device, a pipe or a link loop under the collection's name is a
    // collection that cannot be read, not a missing one: no placeholder is
    // written over it.
    if (s_.files.IsMissing(path)) {
        const std::string placeholder = PlaceholderCollectionText();
        FileStatus written = s_.files.WriteFileAtomic(path, placeholder, Durability::Flush);
        if (!written) {
            Report("The signature collection file " + path + " could not be created: " +
                   written.reason + "." + kCrLf + "Placeholder quotations are used for this run.");
            c_.txtRandom.SetText(placeholder);
            return;
        }
    }
    FileStatus loaded = LoadCollection(path, std::move(prefetched));
    if (!loaded) unreadableReason_ = loaded.reason;
}

void SignatureEngine::LoadCurrentSignature(const std::string& path) {
    // Only for show: the first rotation replaces it at once, so a file that
    // cannot be read, or is too large for a signature, leaves the tab empty.
    if (!s_.files.FileExists(path)) return;
    const std::optional<std::uint64_t> size = s_.files.FileSize(path);
    if (size && *size > kMaxSignatureBytes) return;
    c_.txtCurrent.LoadFile(path);
}

FileStatus SignatureEngine::LoadCollection(const std::string& path,
                                           std::optional<PrefetchedText> prefetched) {
    return c_.txtRandom.LoadFile(path, std::move(prefetched));
}

void SignatureEngine::SplitCollection() {
    SplitInto(st_, c_.txtRandom.SharedText());
}

CollectionOutcome SignatureEngine::SplitAndFallBack() {
    SplitCollection();
    if (st_.SigCount >= 1 && unreadableReason_.empty()) return CollectionOutcome::Configured;

    const bool unreadable = !unreadableReason_.empty();
    const std::string why =
        unreadable
            ? "Your specified signature collection file could not be read: " + unreadableReason_ +
                  "."
            : std::string(
                  "Your specified signature collection file does not hold any "
                  "signatures.");
    const std::string invalidPath = c_.txtRPath.GetText();
    unreadableReason_.clear();
    auto reportDefaultInUse = [&] {
        s_.messages.MsgBox(why + kCrLf + "The Default is being used. The " +
                               (unreadable ? "unreadable" : "invalid") + " file name is:" + kCrLf +
                               invalidPath,
                           MsgBoxStyle::Information, "ERROR");
    };

    const std::string defaultPath = DefaultCollectionPath(s_.programDir);
    IgnoringEvents ignoring(st_);
    if (s_.files.FileExists(defaultPath)) {
        // Loaded before the message, which says whether it gave quotations.
        FileStatus loaded = LoadCollection(defaultPath);
        if (!loaded) c_.txtRandom.SetText({});
        c_.txtRPath.SetText(defaultPath);
        st_.RandomPath = c_.txtRPath.GetText();
        SplitCollection();
        if (st_.SigCount >= 1) {
            reportDefaultInUse();
            return CollectionOutcome::DefaultInUse;
        }
        s_.messages.MsgBox(
            why + kCrLf +
                (loaded ? std::string("The default collection file does not hold any either.")
                        : "The default collection file could not be read either: " + loaded.reason +
                              ".") +
                kCrLf + "No quotations are available from either file:" + kCrLf + invalidPath +
                kCrLf + defaultPath + kCrLf +
                "Until a collection that holds signatures is chosen on the Settings tab, each "
                "signature is your fixed signature alone.",
            MsgBoxStyle::Information, "ERROR");
        return CollectionOutcome::NoQuotations;
    }

    reportDefaultInUse();
    c_.txtRPath.SetText(defaultPath);
    st_.RandomPath = c_.txtRPath.GetText();
    const std::string text = DefaultCollectionText();
    FileStatus written = s_.files.WriteFileAtomic(defaultPath, text, Durability::Flush);
    if (!written || !LoadCollection(defaultPath)) {
        if (!written)
            Report("The default signature collection file " + defaultPath +
                   " could not be created: " + written.reason + ".");
        c_.txtRandom.SetText(text);
    }
    SplitCollection();
    return st_.SigCount >= 1 ? CollectionOutcome::DefaultInUse : CollectionOutcome::NoQuotations;
}

void SignatureEngine::Randomize() {
    s_.random.Reseed(s_.clock.SecondsSinceMidnight());
}

Long SignatureEngine::ChooseIndex() {
    const Long m = UsableEntryCount(st_);
    if (m < 1) return -1;
    if (st_.UseSeq) {
        Long p = st_.QuoteNumber + 1;
        return p > m - 1 || p < 0 ? 0 : p;
    }
    return ChooseRandomIndex(m, s_.clock, s_.random);
}

FileStatus SignatureEngine::WriteCurrentSignature(const std::string& text) {
    // The signature file is replaced every few seconds: never let that be the
    // user's collection or fixed signature.
    const auto own = OwnFile::All();
    std::vector<std::string> others{st_.RandomPath, st_.FixPath};
    for (const auto& [path, what] : own) others.push_back(path);
    if (const auto same = s_.files.FindSameFile(st_.CurrentPath, others)) {
        if (*same < 2)
            return FileStatus::Failure(
                "it is also your " +
                std::string(*same == 1 ? "fixed signature file" : "signature collection") +
                ", which Tagrota never writes over");
        return FileStatus::Failure("it is Tagrota's own " + own[*same - 2].second +
                                   ", which Tagrota never writes a signature into");
    }
    return s_.files.WriteFileAtomic(st_.CurrentPath, text, Durability::NoFlush);
}

void SignatureEngine::Rotate() {
    const Long p = ChooseIndex();
    std::string s = c_.txtFixedSig.GetText();
    if (p >= 0) {
        std::string q = st_.Sigs[static_cast<std::size_t>(p)];
        st_.QuoteNumber = p;
        if (st_.DoWrap) q = RewrapQuotation(q, st_.WrapCount);
        s += kCrLf + q;
    }
    // The editors hold CR LF text; the file is always exactly that text, UTF-8.
    s = ToCrLf(s);
    c_.txtCurrent.SetText(s);

    FileStatus written = WriteCurrentSignature(s);
    if (written) {
        writeFailureShown_ = false;
        return;
    }
    // Once per run of failures: the rotation goes on at the next tick, and a
    // message for every tick would bury the user. Shown as a notice, which
    // holds up neither this rotation nor the next ones while it is open.
    if (writeFailureShown_) return;
    writeFailureShown_ = true;
    s_.messages.ShowNotice(
        "The current signature file " + st_.CurrentPath +
            " could not be written: " + written.reason + "." + kCrLf +
            "Tagrota keeps trying at every rotation and tells you again only after a write "
            "has succeeded.",
        MsgBoxStyle::Exclamation, kAppName);
}

}  // namespace tagrota
