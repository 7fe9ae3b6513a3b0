#include "engine/PrintSignature.h"

#include "engine/Collection.h"
#include "engine/Module1.h"
#include "engine/Settings.h"
#include "engine/SignatureEngine.h"
#include "platform/TextFile.h"

namespace tagrota {
namespace {

constexpr const char* kCrLf = "\r\n";

// The collection at the path split into the state; false, with the reason in
// `why`, when it gives no usable quotation.
bool SplitFile(IFileSystem& files, const std::string& path, ProgramState& state, std::string& why) {
    if (!files.FileExists(path)) {
        why = "it does not exist";
        return false;
    }
    TextFileContents read = ReadTextFile(files, path);
    if (!read.status) {
        why = "it could not be read: " + read.status.reason;
        return false;
    }
    SplitInto(state, std::move(read.decoded.text));
    if (UsableEntryCount(state) < 1) {
        why = "it holds no signatures";
        return false;
    }
    return true;
}

}  // namespace

ComposedSignature ComposeSignature(ISettingsStore& settings, IFileSystem& files, IClock& clock,
                                   IRandom& random, const std::string& programDir) {
    ComposedSignature out;
    ProgramState state;
    SettingsReader(settings, programDir).ReadProgramSettings(state);

    std::string fixed = DefaultFixedText();
    const std::string fixPath = FixedSignaturePath(programDir);
    if (files.FileExists(fixPath)) {
        TextFileContents read = ReadTextFile(files, fixPath);
        if (read.status)
            fixed = std::move(read.decoded.text);
        else
            out.problems.push_back("The fixed signature file " + fixPath + " could not be read: " +
                                   read.status.reason + "; the default fixed signature is used.");
    }

    std::string why;
    if (!SplitFile(files, state.RandomPath, state, why)) {
        const std::string defaultPath = DefaultCollectionPath(programDir);
        out.problems.push_back("The signature collection file " + state.RandomPath +
                               " is not used: " + why + "; the default collection is used.");
        if (state.RandomPath == defaultPath || !SplitFile(files, defaultPath, state, why))
            SplitInto(state, DefaultCollectionText());
    }

    const Long count = UsableEntryCount(state);
    if (count < 1) return out;
    const Long index = ChooseRandomIndex(count, clock, random);
    std::string quotation = state.Sigs[static_cast<std::size_t>(index)];
    if (state.DoWrap) quotation = RewrapQuotation(quotation, state.WrapCount);
    out.text = ToCrLf(fixed + kCrLf + quotation);
    return out;
}

}  // namespace tagrota
