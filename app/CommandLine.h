#pragma once
// The command line: `tagrota` alone starts the program; the options below do
// their one job and end, without a window and without handing over to a copy
// that runs already. This part of the program needs nothing but the standard
// library: a mail reader that runs `tagrota --print` for every mail loads no
// GUI library.

#include <string>
#include <vector>

namespace tagrota::cli {

enum class CommandAction {
    Start,    // no option of ours: the program starts as usual
    Help,     // --help: the options, on standard output
    Version,  // --version: the name and version, on standard output
    Print,    // --print: one fresh signature on standard output
    Rotate,   // --rotate: the running copy rotates now
    Error,    // an unknown option or an argument: the message, on standard error
};

struct Command {
    CommandAction action = CommandAction::Start;
    std::string text;  // the help or version text, or the error message
};

// Reads the arguments (the program's name first). Qt's own options
// (-platform, -style, -display and the like) are left for the window.
Command ParseCommandLine(const std::vector<std::string>& arguments);

// Runs the command line of this process: the exit status of an option that
// did its job, or -1 when the program is to start.
int RunCommandLine(int argc, char* argv[]);

// The window program that a usual start hands over to: tagrota-window beside
// this executable, or in the installed copy's program library folder. "" with
// the reason when there is none that is safe to run.
struct WindowProgram {
    std::string path, refused;
};
WindowProgram FindWindowProgram(const std::string& programFolder);

// The folder of this executable.
std::string ProgramFolder();

}  // namespace tagrota::cli
