#pragma once
// Which file holds what. One account of the program's files, by role: the
// fixed signature, the collection in use, the collection chosen for the next
// start, the current signature file. Every change of a role goes through it,
// and every handler asks it, so that no two parts of the program can disagree
// about where a save goes or which files a rotation must leave alone.

#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tagrota {

// The two files that editors show: the Fixed tab's and the Random tab's.
enum class EditedRole { Fixed = 0, Collection = 1 };

// A file an editor shows: where the editor's text came from (and where its
// Save goes), and the file's stamp when the editor last held it unchanged
// (nothing for a file that was not there). Whether the editor holds edits not
// yet saved is the program state's FixedDirty and RandomDirty.
struct EditedFile {
    std::string path;
    std::optional<FileStamp> stamp;
};

// Two stamps of one file tell of another content: the file was replaced,
// rewritten or cut. A change of permissions or attributes alone is none.
bool ContentMayDiffer(const std::optional<FileStamp>& before, const std::optional<FileStamp>& now);

// Whether two paths name one file: the same file on the disk, or (for a file
// not there yet) the same path.
bool NameOneFile(IFileSystem& files, const std::string& a, const std::string& b);

class ProgramFiles {
public:
    // --- The roles ---
    const EditedFile& Edited(EditedRole role) const { return edited_[Index(role)]; }
    // The fixed signature file: the Fixed tab's text, read by every rotation.
    const std::string& FixPath() const { return Edited(EditedRole::Fixed).path; }
    // The collection the rotation draws from and the Random tab shows.
    const std::string& CollectionInUse() const { return Edited(EditedRole::Collection).path; }
    // The collection the next start loads (stored as "RandomFile"): the one in
    // use, or one chosen since and left for the next start.
    const std::string& RandomPath() const { return next_; }
    // The current signature file, which every rotation replaces.
    const std::string& CurrentPath() const { return signature_; }
    // A collection has been chosen for the next start and is not in use yet.
    bool CollectionDeferred() const { return next_ != CollectionInUse(); }

    // --- Changes ---
    // The editor of the role now holds the file at `path` as it is on disk
    // (start-up, a reload, a file read again). For the
    // collection, that is also the one for the next start.
    void Loaded(EditedRole role, const std::string& path, std::optional<FileStamp> stamp);
    // The editor's text was written to its file, or the file read again: the
    // editor holds the file as it is with this stamp.
    void Held(EditedRole role, std::optional<FileStamp> stamp) {
        edited_[Index(role)].stamp = stamp;
    }
    // A collection chosen for the next start; the one in use stays.
    void ChooseNextCollection(const std::string& path) { next_ = path; }
    void ChooseCurrentPath(const std::string& path) { signature_ = path; }

    // --- Questions ---
    // Whether another program has changed the role's file since its editor
    // last held it unchanged. A file that is gone has not: writing it anew
    // loses nothing.
    bool ChangedOnDisk(EditedRole role, IFileSystem& files) const;
    // Why the current signature may not be written to its file: it is a file
    // an editor holds or the program reads (the fixed signature, the
    // collection in use or the one chosen for the next start), or one of the
    // program's own files. Nothing when it may.
    std::optional<std::string> SignatureRefusal(IFileSystem& files) const;

private:
    static int Index(EditedRole role) { return static_cast<int>(role); }
    EditedFile edited_[2];
    std::string next_;
    std::string signature_;
};

}  // namespace tagrota
