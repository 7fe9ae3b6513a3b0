#pragma once
// Paths as the program forms them.

#include <string>

namespace tagrota {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// True when the path ends in the separator (a root such as "/" or "C:\").
bool EndsWithSeparator(const std::string& path);

// The program directory of a program file's path: the folder that holds it,
// without a trailing separator unless the folder is a root.
std::string DirectoryOfProgram(const std::string& programFile);

}  // namespace tagrota
