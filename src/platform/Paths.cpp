#include "platform/Paths.h"

namespace tagrota {

bool EndsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == kPathSeparator || path.back() == '/');
}

std::string ProgramFolderFile(const std::string& programDir, const std::string& name) {
    return programDir + kPathSeparator + name;
}

std::string DirectoryOfProgram(const std::string& programFile) {
    auto cut = programFile.find_last_of(kPathSeparator == '/' ? "/" : "\\/");
    if (cut == std::string::npos) return ".";
    std::string dir = programFile.substr(0, cut);
    // A root keeps its separator: "/" or "C:\".
    if (dir.empty() || (dir.size() == 2 && dir[1] == ':')) dir += programFile[cut];
    return dir;
}

}  // namespace tagrota
