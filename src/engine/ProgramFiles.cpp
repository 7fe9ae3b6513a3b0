#include "engine/ProgramFiles.h"

#include <filesystem>

#include "platform/Translate.h"

namespace tagrota {

bool ContentMayDiffer(const std::optional<FileStamp>& before, const std::optional<FileStamp>& now) {
    if (!before || !now) return before.has_value() != now.has_value();
    return before->device != now->device || before->inode != now->inode ||
           before->size != now->size || before->modified != now->modified;
}

void ProgramFiles::Loaded(EditedRole role, const std::string& path,
                          std::optional<FileStamp> stamp) {
    edited_[Index(role)] = EditedFile{path, stamp};
    if (role == EditedRole::Collection) next_ = path;
}

bool ProgramFiles::ChangedOnDisk(EditedRole role, IFileSystem& files) const {
    const EditedFile& file = Edited(role);
    const std::optional<FileStamp> now = files.Stamp(file.path);
    return now && ContentMayDiffer(file.stamp, now);
}

bool NameOneFile(IFileSystem& files, const std::string& a, const std::string& b) {
    return files.SameFile(a, b) || std::filesystem::path(a).lexically_normal() ==
                                       std::filesystem::path(b).lexically_normal();
}

std::optional<std::string> ProgramFiles::SignatureRefusal(IFileSystem& files) const {
    struct Held {
        const std::string& path;
        std::string what;
    };
    std::vector<Held> held{
        {FixPath(), Tr("ProgramFiles",
                       "it is also your fixed signature file, which Tagrota never writes over")},
        {CollectionInUse(),
         Tr("ProgramFiles",
            "it is also your signature collection, which Tagrota never writes over")},
        {next_, Tr("ProgramFiles",
                   "it is the signature collection chosen for the next start, which Tagrota "
                   "never writes over")}};
    const auto own = OwnFile::All();
    for (const auto& [path, what] : own)
        held.push_back(
            {path, Format(Tr("ProgramFiles",
                             "it is Tagrota's own %1, which Tagrota never writes a signature into"),
                          {what})});
    std::vector<std::string> paths;
    paths.reserve(held.size());
    for (const Held& h : held) paths.push_back(h.path);
    if (const auto same = files.FindSameFile(signature_, paths)) return held[*same].what;
    // A file not there yet (a fixed signature never saved) is still the
    // program's: the signature written there would become it.
    const std::filesystem::path target = std::filesystem::path(signature_).lexically_normal();
    for (const Held& h : held)
        if (!h.path.empty() && std::filesystem::path(h.path).lexically_normal() == target)
            return h.what;
    return std::nullopt;
}

}  // namespace tagrota
