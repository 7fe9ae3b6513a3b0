#include "platform/ProgramFolders.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Paths.h"
#include "platform/Translate.h"

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
// <prefix>/bin, recognised by its user guide in a trusted place. One that
// anyone else could have put there makes no installed copy.
std::string InstalledHelpFolder(const std::string& programDir) {
    std::error_code ec;
    const fs::path share = fs::path(programDir) / ".." / "share" / "tagrota";
    if (!fs::is_regular_file(share / "index.html", ec)) return "";
    if (!WhyNotTrusted((share / "index.html").string(), InstalledPlaces("share/tagrota")).empty())
        return "";
    return RealPath(share.string());
}

bool IsBelow(const std::string& path, const std::string& folder) {
    return path == folder || (path.size() > folder.size() && path.starts_with(folder) &&
                              (folder.ends_with('/') || path[folder.size()] == '/'));
}

}  // namespace

std::string UserHome() {
    if (std::string home = Environment("HOME"); fs::path(home).is_absolute()) return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir)
        return user->pw_dir;
    return "";
}

UserEnvironment CurrentUserEnvironment() {
    return {Environment("XDG_DATA_HOME"), UserHome()};
}

std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return "";
    std::string out = real;
    std::free(real);
    return out;
}

std::vector<std::string> InstalledPlaces(const std::string& relative) {
    std::vector<std::string> places;
    for (const char* prefix : {TAGROTA_INSTALL_PREFIX, TAGROTA_PACKAGE_PREFIX}) {
        const std::string place = (fs::path(prefix) / relative).lexically_normal().string();
        if (std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
    }
    return places;
}

std::string WhyNotTrusted(const std::string& path, const std::vector<std::string>& installed) {
    const std::string real = RealPath(path);
    if (real.empty()) return path + ": " + std::generic_category().message(errno);
    for (const std::string& place : installed)
        if (const std::string realPlace = RealPath(place);
            !realPlace.empty() && IsBelow(real, realPlace))
            return "";
    // From the file up: the first place that fails is the one to name.
    for (fs::path at = real;; at = at.parent_path()) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0)
            return at.string() + ": " + std::generic_category().message(errno);
        if (st.st_uid != 0 && st.st_uid != ::geteuid())
            return Format(Tr("ProgramFolders", "%1 belongs to another user"), {at.string()});
        if (st.st_mode & S_IWOTH)
            return Format(Tr("ProgramFolders", "every user can write to %1"), {at.string()});
        if (st.st_mode & S_IWGRP)
            return Format(Tr("ProgramFolders", "the group of %1 can write to it"), {at.string()});
        if (at == at.root_path() || at.parent_path() == at) return "";
    }
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
    return std::generic_category().message(ENOTDIR);
}

}  // namespace tagrota
