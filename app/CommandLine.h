#pragma once
// The command line: `tagrota` alone starts the program; the options below do
// their one job and end, without a window and without handing over to a copy
// that runs already.

#include <QString>
#include <QStringList>

namespace tagrota::qt {

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
    QString text;  // the help or version text, or the error message
};

// Reads the arguments (the program's name first). Qt's own options
// (-platform, -style, -display and the like) are left for the application
// object. Needs the application object for the help text.
Command ParseCommandLine(const QStringList& arguments);

// Runs the command line of this process before any window exists: the exit
// status of an option that did its job, or -1 when the program is to start.
int RunCommandLine(int argc, char* argv[]);

}  // namespace tagrota::qt
