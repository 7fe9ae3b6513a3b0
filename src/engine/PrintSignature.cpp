#include "engine/PrintSignature.h"

#include "engine/Collection.h"
#include "engine/CollectionChoice.h"
#include "engine/CollectionIndex.h"
#include "engine/Settings.h"
#include "engine/SignatureEngine.h"
#include "platform/TextFile.h"
#include "platform/Translate.h"

namespace tagrota {

PrintedSignature ComposePrintedSignature(ISettingsStore& settings, IFileSystem& files,
                                         IClock& clock, IRandom& random,
                                         const std::string& programDir,
                                         const std::optional<std::string>& indexFolder,
                                         const std::string& setAsideFolder) {
    PrintedSignature out;
    ProgramState state;
    SettingsReader(settings, programDir).ReadProgramSettings(state);

    std::string fixed = DefaultFixedText();
    const std::string fixPath = FixedSignaturePath(programDir);
    if (!files.IsMissing(fixPath)) {
        TextFileContents read;
        read.status = FixedSignatureFits(files, fixPath);
        if (read.status) read = ReadTextFile(files, fixPath);
        if (read.status)
            fixed = std::move(read.decoded.text);
        else
            out.problems.push_back(Format(Tr("PrintSignature",
                                             "The fixed signature file %1 could not be read: %2; "
                                             "the default fixed signature is used."),
                                          {fixPath, read.status.reason}));
    }

    // The usual case, a collection with quotations, reads one entry of it;
    // length limits and quotations set aside need every entry at hand.
    if (indexFolder && !SignatureLimits{state.MaxSigLines, state.MaxSigColumns}.Any() &&
        NeverAgain(setAsideFolder).For(state.Files.RandomPath()).Empty())
        if (const std::optional<std::string> quotation =
                DrawIndexedQuotation(state.Files.RandomPath(), *indexFolder, clock, random)) {
            out.text = SignatureFileText(ComposeSignature(fixed, *quotation, WrapOf(state)),
                                         state.SigLineEnds);
            return out;
        }

    CollectionRules rules;
    rules.writeFiles = false;
    rules.fixedSignature = fixPath;
    const CollectionChoice choice =
        ChooseCollection(files, state.Files.RandomPath(), programDir, rules);
    if (!choice.chosenProblem.empty())
        out.problems.push_back(Format(
            choice.source == CollectionSource::Default
                ? Tr("PrintSignature",
                     "The signature collection file %1 is not used: %2; the default collection "
                     "is used.")
                : Tr("PrintSignature", "The signature collection file %1 is not used: %2."),
            {state.Files.RandomPath(), choice.chosenProblem}));
    if (!choice.defaultProblem.empty())
        out.problems.push_back(
            Format(Tr("PrintSignature",
                      "The default signature collection file %1 is not used either: %2."),
                   {choice.path, choice.defaultProblem}));
    if (choice.source == CollectionSource::None)
        out.problems.push_back(Tr("PrintSignature",
                                  "No collection holds quotations: the signature is the fixed "
                                  "signature alone."));

    SplitInto(state, ChosenText(choice));
    state.Files.Loaded(EditedRole::Collection, choice.path, files.Stamp(choice.path));
    SignatureEngine engine(state, files, clock, random);
    engine.KeepSetAsideIn(setAsideFolder);
    // Every call is a fresh draw, which leaves the window's round alone.
    out.text = SignatureFileText(engine.FreshSignature(fixed), state.SigLineEnds);
    return out;
}

}  // namespace tagrota
