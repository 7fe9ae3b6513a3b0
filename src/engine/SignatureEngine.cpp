#include "engine/SignatureEngine.h"

#include "engine/Collection.h"
#include "engine/Module1.h"
#include "platform/TextFile.h"

#include <cstdint>

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
        if (wrap.DoWrap)
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

Long SignatureEngine::ChooseIndex() {
    const Long m = UsableEntryCount(st_);
    if (m < 1) return -1;
    if (st_.UseSeq) {
        Long p = st_.QuoteNumber + 1;
        return p > m - 1 || p < 0 ? 0 : p;
    }
    if (st_.NoRepeats) {
        const EditedFile& collection = st_.Files.Edited(EditedRole::Collection);
        return rounds_.Next(m, collection.path, collection.stamp, random_);
    }
    return ChooseRandomIndex(m, clock_, random_);
}

std::string SignatureEngine::NextSignature(std::string_view fixedText) {
    const Long p = ChooseIndex();
    if (p < 0) return ComposeSignature(fixedText, std::nullopt, {});
    st_.QuoteNumber = p;
    return ComposeSignature(fixedText, st_.Sigs.Piece(static_cast<std::size_t>(p)),
                            {st_.DoWrap, st_.WrapCount});
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
