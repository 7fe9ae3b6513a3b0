#include "platform/ProgramFolders.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Paths.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsWritableFolder(const std::string& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// The help folder of an installed copy: <prefix>/share/tagrota beside
// <prefix>/bin, recognised by its user guide.
std::string InstalledHelpFolder(const std::string& programDir) {
    std::error_code ec;
    const fs::path share = fs::path(programDir) / ".." / "share" / "tagrota";
    if (!fs::is_regular_file(share / "index.html", ec)) return "";
    return fs::weakly_canonical(share, ec).string();
}

}  // namespace

UserEnvironment CurrentUserEnvironment() {
    UserEnvironment env{Environment("XDG_DATA_HOME"), Environment("HOME")};
    if (env.home.empty())
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
            env.home = user->pw_dir;
    return env;
}

std::string UserDataFolder(const UserEnvironment& env) {
    if (!env.xdgDataHome.empty() && fs::path(env.xdgDataHome).is_absolute())
        return ProgramFolderFile(env.xdgDataHome, "Tagrota");
    return ProgramFolderFile(env.home, ".local/share/Tagrota");
}

ProgramFolders LocateProgramFolders(const std::string& programDir, const UserEnvironment& env) {
    if (const std::string share = InstalledHelpFolder(programDir); !share.empty())
        return {UserDataFolder(env), share, true};
    if (!IsWritableFolder(programDir)) return {UserDataFolder(env), programDir, true};
    return {programDir, programDir, false};
}

std::string EnsureFolder(const std::string& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return "";
    // Each missing folder on the way made in turn, so that the reason given is
    // the one of the folder that could not be made ("Permission denied" under a
    // read-only home), not of the next one that then is not there.
    fs::path made;
    for (const fs::path& part : fs::path(folder).lexically_normal()) {
        made /= part;
        if (part.empty() || fs::is_directory(made, ec)) continue;
        if (::mkdir(made.c_str(), 0777) != 0 && errno != EEXIST)
            return std::generic_category().message(errno);
    }
    if (fs::is_directory(folder, ec)) return "";
    return "a file of that name is in the way";
}

}  // namespace tagrota
