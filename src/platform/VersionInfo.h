#pragma once
// The program's own version information: its title, version numbers and file
// description. The numbers come from the build's project version.

#include <string>

namespace tagrota {

struct VersionInfo {
    std::string Title;  // the application's title
    int Major = 0, Minor = 0, Revision = 0;
    std::string FileDescription;
};

const VersionInfo& ProgramVersion();

}  // namespace tagrota
