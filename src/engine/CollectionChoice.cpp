#include "engine/CollectionChoice.h"

#include <cerrno>
#include <system_error>

#include "engine/Collection.h"
#include "engine/ProgramFiles.h"
#include "engine/Settings.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

// A collection file read: its text with the stamp it was read at, or why it
// gives no quotations.
struct ReadCollection {
    std::optional<PrefetchedText> read;
    std::optional<FileStamp> stamp;
    std::string problem, unreadable;
};

ReadCollection Read(IFileSystem& files, const std::string& path,
                    std::optional<PrefetchedText> prefetched) {
    ReadCollection out;
    if (files.IsMissing(path)) {
        out.unreadable = std::generic_category().message(ENOENT);
        out.problem = Tr("CollectionChoice", "it does not exist");
        return out;
    }
    // Taken before the read: a change while it reads shows as a change later.
    const std::optional<FileStamp> stamp = files.Stamp(path);
    TextFileContents contents = TakeOrReadTextFile(files, path, std::move(prefetched));
    out.stamp = stamp;
    if (!contents.status) {
        out.unreadable = contents.status.reason;
        out.problem = Format(Tr("CollectionChoice", "it could not be read: %1"), {out.unreadable});
        return out;
    }
    if (!HoldsQuotations(contents.decoded.text))
        out.problem = Tr("CollectionChoice", "it holds no signatures");
    out.read = PrefetchedText{path, stamp.value_or(FileStamp{}), std::move(contents)};
    return out;
}

// The file at `path` with the text the program writes there when it is
// missing: written and read back, or (when that is not allowed or fails) the
// text alone.
void UseWrittenText(IFileSystem& files, const std::string& path, std::string text,
                    const CollectionRules& rules, CollectionChoice& choice) {
    choice.path = path;
    if (rules.writeFiles) {
        const FileStatus written = WriteTextFile(
            files, path, text, {TextEncoding::Utf8, rules.lineEnds}, Durability::Flush);
        if (written) {
            ReadCollection back = Read(files, path, std::nullopt);
            if (back.read && back.problem.empty()) {
                choice.read = std::move(back.read);
                choice.stamp = back.stamp;
                return;
            }
        } else {
            choice.notWritten = path;
            choice.notWrittenReason = written.reason;
        }
    }
    choice.text = std::move(text);
}

// The chosen file gives no quotations, for the reason read: the default
// collection is tried where the rules allow.
CollectionChoice FallBack(IFileSystem& files, ReadCollection read, const std::string& programDir,
                          const CollectionRules& rules, CollectionChoice choice) {
    const std::string& chosen = choice.chosen;
    choice.chosenProblem = read.problem;
    choice.chosenUnreadable = read.unreadable;
    if (!rules.fallBackToDefault) {
        choice.source = CollectionSource::None;
        return choice;
    }

    const std::string defaultPath = DefaultCollectionPath(programDir);
    choice.path = defaultPath;
    if (defaultPath == chosen) {
        // The chosen file is the default one: reading it again tells nothing new.
        choice.source = CollectionSource::None;
        choice.read = std::move(read.read);
        choice.stamp = read.stamp;
        return choice;
    }
    if (files.IsMissing(defaultPath)) {
        choice.source = CollectionSource::Default;
        UseWrittenText(files, defaultPath, DefaultCollectionText(), rules, choice);
        return choice;
    }
    ReadCollection fallBack = Read(files, defaultPath, std::nullopt);
    choice.read = std::move(fallBack.read);
    choice.stamp = fallBack.stamp;
    choice.defaultProblem = fallBack.problem;
    choice.defaultUnreadable = fallBack.unreadable;
    choice.source = fallBack.problem.empty() ? CollectionSource::Default : CollectionSource::None;
    return choice;
}

}  // namespace

bool HoldsQuotations(std::string_view text) {
    return text.find(kSeparator) != std::string_view::npos || text.ends_with(kTrailingSeparator);
}

const std::string& ChosenText(const CollectionChoice& choice) {
    return choice.read ? choice.read->contents.decoded.text : choice.text;
}

CollectionChoice ChooseCollection(IFileSystem& files, const std::string& chosen,
                                  const std::string& programDir, const CollectionRules& rules,
                                  std::optional<PrefetchedText> prefetched) {
    CollectionChoice choice;
    choice.chosen = chosen;
    choice.path = chosen;

    ReadCollection read;
    if (!rules.fixedSignature.empty() && NameOneFile(files, chosen, rules.fixedSignature)) {
        choice.chosenIsFixedSignature = true;
        read.problem = Tr("CollectionChoice", "it is your fixed signature file");
        return FallBack(files, std::move(read), programDir, rules, std::move(choice));
    }
    // A folder, a device, a pipe or a link loop under the collection's name is
    // a collection that cannot be read, not a missing one: nothing is written
    // over it.
    if (rules.placeholderIfMissing && files.IsMissing(chosen)) {
        choice.source = CollectionSource::Placeholder;
        UseWrittenText(files, chosen, PlaceholderCollectionText(), rules, choice);
        return choice;
    }
    read = Read(files, chosen, std::move(prefetched));
    if (read.problem.empty()) {
        choice.source = CollectionSource::Configured;
        choice.read = std::move(read.read);
        choice.stamp = read.stamp;
        return choice;
    }
    return FallBack(files, std::move(read), programDir, rules, std::move(choice));
}

}  // namespace tagrota
