#pragma once
// Where the program keeps its files and finds its help.
//
// A copy run from a folder of its own (the build folder, a folder copied to a
// stick) keeps everything beside the executable. An installed copy lives in
// <prefix>/bin with its help in <prefix>/share/tagrota, folders its user
// cannot (and should not) write to: its default files then go to the user's
// data folder, $XDG_DATA_HOME/Tagrota or ~/.local/share/Tagrota. A copy in a
// folder that is not writable for any other reason does the same.
//
// What makes a copy an installed one (its help folder), and the editor's
// module that the program loads and runs, are taken only from a trusted place
// (WhyNotTrusted): a copy run from under /tmp must not take another user's
// help for its own, nor run their code.

#include <string>
#include <vector>

namespace tagrota {

struct ProgramFolders {
    std::string dataDir;   // the program directory of the default files
    std::string helpDir;   // the folder of the help pages
    bool perUser = false;  // dataDir is the user's data folder
};

// What the user's environment says about their home.
struct UserEnvironment {
    std::string xdgDataHome;  // $XDG_DATA_HOME, "" when unset
    std::string home;         // UserHome()
};
UserEnvironment CurrentUserEnvironment();

// The user's home folder: $HOME where it is an absolute path, else the one the
// password database gives the user; "" when neither says. The settings folder
// and the data folder both start from it, so they never disagree.
std::string UserHome();

// Why the file or folder at `path` is not to be trusted as the program's own,
// "" when it is. Trusted are the places of an installed copy compiled into the
// program (`installed`, see InstalledPlaces), and whatever lies, with every
// folder above it up to the root, in folders that belong to root or the user
// and that neither their group nor other users may write to. Links are
// resolved first: the place checked is the real one (RealPath).
std::string WhyNotTrusted(const std::string& path, const std::vector<std::string>& installed = {});

// `relative` below each installation prefix compiled into the program (the
// one it was built for, and the package's): where an installed copy keeps it.
std::vector<std::string> InstalledPlaces(const std::string& relative);

// The path with every link resolved; "" when there is nothing there.
std::string RealPath(const std::string& path);

// The user's data folder: $XDG_DATA_HOME/Tagrota when that is an absolute
// path, ~/.local/share/Tagrota otherwise.
std::string UserDataFolder(const UserEnvironment& env);

// The folders for an executable in `programDir`.
ProgramFolders LocateProgramFolders(const std::string& programDir, const UserEnvironment& env);

// Creates the data folder with its parents when it is missing. Returns "" on
// success, otherwise why it could not be created.
std::string EnsureFolder(const std::string& folder);

}  // namespace tagrota
