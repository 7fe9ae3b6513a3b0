#pragma once
// Where the program keeps its files and finds its help.
//
// A copy run from a folder of its own (the build folder, a folder copied to a
// stick) keeps everything beside the executable. An installed copy lives in
// <prefix>/bin with its help in <prefix>/share/tagrota, folders its user
// cannot (and should not) write to: its default files then go to the user's
// data folder, $XDG_DATA_HOME/Tagrota or ~/.local/share/Tagrota. A copy in a
// folder that is not writable for any other reason does the same.

#include <string>

namespace tagrota {

struct ProgramFolders {
    std::string dataDir;   // the program directory of the default files
    std::string helpDir;   // the folder of the help pages
    bool perUser = false;  // dataDir is the user's data folder
};

// What the user's environment says about their home.
struct UserEnvironment {
    std::string xdgDataHome;  // $XDG_DATA_HOME, "" when unset
    std::string home;         // $HOME
};
UserEnvironment CurrentUserEnvironment();

// The user's data folder: $XDG_DATA_HOME/Tagrota when that is an absolute
// path, ~/.local/share/Tagrota otherwise.
std::string UserDataFolder(const UserEnvironment& env);

// The folders for an executable in `programDir`.
ProgramFolders LocateProgramFolders(const std::string& programDir, const UserEnvironment& env);

// Creates the data folder with its parents when it is missing. Returns "" on
// success, otherwise why it could not be created.
std::string EnsureFolder(const std::string& folder);

}  // namespace tagrota
