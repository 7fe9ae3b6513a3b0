#pragma once
// Paths as the program forms them.

#include <string>

namespace tagrota {

inline constexpr char kPathSeparator = '/';

// True when the path ends in the separator (a root such as "/" or "C:\").
bool EndsWithSeparator(const std::string& path);

// A file in the program folder: the folder as the system gives it, a
// separator, the name (so a root folder gives two separators).
std::string ProgramFolderFile(const std::string& programDir, const std::string& name);

// The program directory of a program file's path: the folder that holds it,
// without a trailing separator unless the folder is a root.
std::string DirectoryOfProgram(const std::string& programFile);

}  // namespace tagrota
