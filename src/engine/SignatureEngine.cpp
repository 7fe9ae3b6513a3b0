#include "engine/SignatureEngine.h"

#include "engine/Collection.h"
#include "engine/CollectionIndex.h"
#include "engine/Module1.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/Unicode.h"

namespace tagrota {
namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

std::string DefaultFixedText() {
    return std::string("---") + kCrLf + "https://example.org/" + kCrLf;
}

FileStatus FixedSignatureFits(IFileSystem& files, const std::string& path) {
    const std::optional<std::uint64_t> size = files.FileSize(path);
    if (size && *size > kMaxSignatureBytes)
        return FileStatus::Failure(TooLargeReason(*size, kMaxSignatureBytes));
    return FileStatus::Success();
}

std::string ComposeSignature(std::string_view fixed, std::optional<std::string_view> quotation,
                             const WrapSettings& wrap) {
    std::string s(fixed);
    if (quotation) {
        s += kCrLf;
        if (wrap.DoWrap && wrap.WrapStrict)
            s += StrictWrapQuotation(*quotation, wrap.WrapCount);
        else if (wrap.DoWrap)
            s += RewrapQuotation(*quotation, wrap.WrapCount);
        else
            s += *quotation;
    }
    // The editors hold CR LF text; the file is always exactly that text, UTF-8.
    return ToCrLf(s);
}

std::string SignatureFileText(std::string_view signature, LineEnding ends) {
    if (ends != LineEnding::Lf) return ToCrLf(signature);
    std::string out;
    out.reserve(signature.size() + 1);
    for (std::size_t i = 0; i < signature.size(); ++i) {
        if (signature[i] != '\r') {
            out += signature[i];
            continue;
        }
        if (i + 1 < signature.size() && signature[i + 1] == '\n') ++i;
        out += '\n';
    }
    while (!out.empty() && out.back() == '\n') out.pop_back();
    if (!out.empty()) out += '\n';
    return out;
}

Long ChooseRandomIndex(Long count, IClock& clock, IRandom& random) {
    random.Reseed(clock.SecondsSinceMidnight());
    const double r = random.Next();
    const Long p = static_cast<Long>(static_cast<double>(count) * r);
    return p < count ? p : count - 1;
}

void SignatureEngine::Randomize() {
    random_.Reseed(clock_.SecondsSinceMidnight());
}

SignatureSize MeasureSignature(std::string_view signature) {
    const std::string text = SignatureFileText(signature, LineEnding::Lf);
    SignatureSize size;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        ++size.lines;
        size.columns =
            std::max(size.columns, DisplayWidth(std::string_view(text).substr(start, end - start)));
        start = end + 1;
    }
    return size;
}

SignatureSize SignatureEngine::SizeWith(std::string_view fixedText, Long index) const {
    return MeasureSignature(
        ComposeSignature(fixedText, st_.Sigs.Piece(static_cast<std::size_t>(index)), WrapOf(st_)));
}

Long SignatureEngine::Shortest(std::string_view fixedText, Long count,
                               const std::function<bool(Long)>& kept) {
    Long best = -1;
    SignatureSize bestSize;
    for (Long i = 0; i < count; ++i) {
        if (!kept(i)) continue;
        if (const SignatureSize size = SizeWith(fixedText, i); best < 0 || size < bestSize) {
            best = i;
            bestSize = size;
        }
    }
    return best;
}

Long SignatureEngine::Draw(Long m, const std::string& path, const std::optional<FileStamp>& stamp) {
    if (st_.UseSeq) {
        const Long p = st_.QuoteNumber + 1;
        return p > m - 1 || p < 0 ? 0 : p;
    }
    if (st_.NoRepeats) return rounds_.Next(m, path, stamp, random_);
    return ChooseRandomIndex(m, clock_, random_);
}

Long SignatureEngine::ChooseIndex(std::string_view fixedText) {
    noneFits_ = false;
    allSetAside_ = false;
    const Long m = UsableEntryCount(st_);
    if (m < 1) return -1;
    const EditedFile& collection = st_.Files.Edited(EditedRole::Collection);
    const SignatureLimits limits{st_.MaxSigLines, st_.MaxSigColumns};
    const NeverAgainList& setAside = never_.For(collection.path);
    if (!limits.Any() && setAside.Empty()) return Draw(m, collection.path, collection.stamp);

    const std::function<bool(Long)> kept = [&](Long p) {
        return !setAside.Holds(st_.Sigs.Piece(static_cast<std::size_t>(p)));
    };
    const std::function<bool(Long)> admit = [&](Long p) {
        return kept(p) && (!limits.Any() || limits.Admit(SizeWith(fixedText, p)));
    };
    // Nothing is admitted: the shortest entry not set aside, if any is.
    auto fallBack = [&] {
        const Long p = limits.Any() ? Shortest(fixedText, m, kept) : -1;
        noneFits_ = p >= 0;
        allSetAside_ = p < 0;
        return p;
    };
    if (st_.UseSeq) {
        Long p = Draw(m, collection.path, collection.stamp);  // the next in turn
        for (Long tries = 0; tries<m; ++tries, p = p + 1> m - 1 ? 0 : p + 1)
            if (admit(p)) return p;
        return fallBack();
    }
    if (st_.NoRepeats) {
        const Long p = rounds_.Next(m, collection.path, collection.stamp, random_, admit);
        return p >= 0 ? p : fallBack();
    }
    Long p = ChooseRandomIndex(m, clock_, random_);
    if (admit(p)) return p;
    // Most entries are admitted: a few more draws find one.
    for (int tries = 0; tries < 32; ++tries)
        if (p = std::min(static_cast<Long>(random_.Next() * m), m - 1); admit(p)) return p;
    // Few are: an even choice among them.
    std::vector<Long> admitted;
    for (Long i = 0; i < m; ++i)
        if (admit(i)) admitted.push_back(i);
    if (admitted.empty()) return fallBack();
    const auto k =
        std::min(static_cast<std::size_t>(random_.Next() * static_cast<double>(admitted.size())),
                 admitted.size() - 1);
    return admitted[k];
}

std::string SignatureEngine::NextSignature(std::string_view fixedText) {
    const Long p = ChooseIndex(fixedText);
    if (p < 0) {
        lastQuotation_.reset();
        return ComposeSignature(fixedText, std::nullopt, {});
    }
    st_.QuoteNumber = p;
    lastQuotation_ = st_.Sigs[static_cast<std::size_t>(p)];
    return ComposeSignature(fixedText, *lastQuotation_, WrapOf(st_));
}

std::string SignatureEngine::FreshSignature(std::string_view fixedText) {
    const Long lastUsed = st_.QuoteNumber;
    const Boolean inSequence = st_.UseSeq, inRounds = st_.NoRepeats;
    std::optional<std::string> lastQuotation = std::move(lastQuotation_);
    st_.UseSeq = false;
    st_.NoRepeats = false;
    std::string s = NextSignature(fixedText);
    st_.UseSeq = inSequence;
    st_.NoRepeats = inRounds;
    st_.QuoteNumber = lastUsed;
    lastQuotation_ = std::move(lastQuotation);
    return s;
}

std::optional<std::string> SignatureEngine::NextSignature(std::string_view fixedText,
                                                          const CollectionIndex& index) {
    // Length limits measure every entry they pass over, and quotations set
    // aside are known by their text: those starts read the collection whole.
    if (!index.HoldsQuotations() || SignatureLimits{st_.MaxSigLines, st_.MaxSigColumns}.Any() ||
        !never_.For(st_.Files.RandomPath()).Empty())
        return std::nullopt;
    noneFits_ = false;
    allSetAside_ = false;
    const Long m = index.UsableCount();
    if (m < 1) return std::nullopt;
    // The collection is the one the start is about to load, with the stamp the
    // index was checked against.
    const Long p = Draw(m, st_.Files.RandomPath(), index.CollectionStamp());
    const std::optional<std::string> quotation = index.Piece(static_cast<std::uint64_t>(p));
    if (!quotation) return std::nullopt;
    st_.QuoteNumber = p;
    lastQuotation_ = *quotation;
    return ComposeSignature(fixedText, *quotation, WrapOf(st_));
}

FileStatus SignatureEngine::WriteSignature(const ProgramFiles& files, std::string_view signature) {
    // The signature file is replaced every few seconds: never let that be a
    // file the program reads or an editor holds.
    if (const std::optional<std::string> refusal = files.SignatureRefusal(files_))
        return FileStatus::Failure(*refusal);
    return files_.WriteFileAtomic(
        files.CurrentPath(), SignatureFileText(signature, st_.SigLineEnds), Durability::NoFlush);
}

}  // namespace tagrota
