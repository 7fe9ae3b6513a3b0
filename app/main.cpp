// Tagrota: keeps a mail or news signature file fresh.
//
// This executable runs the command-line options itself (--print, --rotate,
// --help, --version) with nothing but the standard library, and for a usual
// start becomes the window program (tagrota-window) in its place: the same
// process, with the same arguments, so that a signal sent to it reaches the
// window.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "CommandLine.h"

int main(int argc, char* argv[]) {
    using namespace tagrota::cli;
    if (const int status = RunCommandLine(argc, argv); status >= 0) return status;
    const std::string folder = ProgramFolder();
    const WindowProgram window = FindWindowProgram(folder);
    std::string why = window.refused;
    if (!window.path.empty()) {
        ::setenv("TAGROTA_LAUNCHER_DIR", folder.c_str(), 1);
        ::execv(window.path.c_str(), argv);
        why = "Tagrota's window program " + window.path +
              " could not be started: " + std::strerror(errno) + ".";
    }
    std::fprintf(stderr, "tagrota: %s\n", why.c_str());
    return 1;
}
