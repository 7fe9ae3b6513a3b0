// `tagrota --print` and `tagrota --rotate` against fortune reading one entry
// through its strfile index, on the same collection, at 2.5 MB and 100 MB:
// the whole run's wall time and its peak memory, medians of 15 runs taken in
// turn. A table to read, not a test.
//
// Targets: wall time at most 1.2 times fortune's, peak memory at most
// fortune's + 2 MiB.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "BenchData.h"

extern char** environ;

namespace tagrota::bench {
namespace {

constexpr int kRuns = 15;
constexpr const char* kFortune = "/usr/games/fortune";
constexpr const char* kStrfile = "/usr/bin/strfile";

struct Figures {
    double ms = 0;
    long rssKiB = 0;  // the process's peak resident memory (VmHWM)
};

std::vector<char*> Argv(std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    return argv;
}

// Runs the command to its end with its output thrown away: its wall time.
double WallMs(std::vector<std::string> args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv = Argv(args);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        ::waitpid(pid, nullptr, 0);
    posix_spawn_file_actions_destroy(&actions);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// The peak resident memory of the command's own process image, read as it
// ends. (ru_maxrss would count the memory of this program too, which the
// child shares until its exec.)
long PeakKiB(std::vector<std::string> args) {
    std::vector<char*> argv = Argv(args);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    long peak = 0;
    int status = 0;
    ::waitpid(pid, &status, 0);  // stopped at its exec
    ::ptrace(PTRACE_SETOPTIONS, pid, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACEEXIT));
    ::ptrace(PTRACE_CONT, pid, nullptr, nullptr);
    while (::waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
        int pass = 0;
        if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
            std::ifstream in("/proc/" + std::to_string(pid) + "/status");
            for (std::string line; std::getline(in, line);)
                if (line.starts_with("VmHWM:")) peak = std::stol(line.substr(6));
        } else {
            pass = WSTOPSIG(status);
        }
        ::ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void*>(static_cast<long>(pass)));
    }
    return peak;
}

Figures RunOnce(const std::vector<std::string>& args) {
    return {WallMs(args), PeakKiB(args)};
}

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The commands measured in turn, each run once before to warm the caches
// (and, for tagrota, to make the collection's index).
std::vector<Figures> Measure(const std::vector<std::vector<std::string>>& commands) {
    std::vector<std::vector<double>> ms(commands.size());
    std::vector<std::vector<long>> rss(commands.size());
    for (const auto& command : commands) RunOnce(command);
    for (int run = 0; run < kRuns; ++run)
        for (std::size_t c = 0; c < commands.size(); ++c) {
            const Figures f = RunOnce(commands[c]);
            ms[c].push_back(f.ms);
            rss[c].push_back(f.rssKiB);
        }
    std::vector<Figures> medians;
    for (std::size_t c = 0; c < commands.size(); ++c)
        medians.push_back({Median(ms[c]), Median(rss[c])});
    return medians;
}

void Row(const char* size, const char* what, const Figures& f, const Figures& fortune) {
    const double ratio = f.ms / fortune.ms;
    const double moreMiB = static_cast<double>(f.rssKiB - fortune.rssKiB) / 1024.0;
    std::printf("%-7s %-26s %8.2f ms %6.2fx %s  %7ld KiB %+6.2f MiB %s\n", size, what, f.ms, ratio,
                ratio <= 1.2 ? "ok  " : "OVER", f.rssKiB, moreMiB, moreMiB <= 2.0 ? "ok" : "OVER");
}

}  // namespace
}  // namespace tagrota::bench

int main() {
    using namespace tagrota::bench;
    if (::access(kFortune, X_OK) != 0 || ::access(kStrfile, X_OK) != 0) {
        std::printf("fortune and strfile (fortune-mod) are needed for this table\n");
        return 1;
    }
    TempFolder folder;
    const fs::path dir = folder.Path();
    for (const char* sub : {"config/Tagrota", "cache", "runtime"})
        fs::create_directories(dir / sub);
    fs::permissions(dir / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (dir / "runtime").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string tagrota = TAGROTA_EXECUTABLE;

    std::printf("%-7s %-26s %11s %7s %5s %11s %10s\n", "size", "run", "wall", "ratio", "", "peak",
                "vs fortune");
    const std::pair<const char*, std::size_t> sizes[] = {{"2.5 MB", 2'500'000},
                                                         {"100 MB", 100'000'000}};
    for (const auto& [label, bytes] : sizes) {
        // One text for both, with the LF line ends fortune reads.
        std::string text = CollectionText::Generate(bytes);
        std::erase(text, '\r');
        const fs::path quotes = dir / "quotes";
        { std::ofstream(quotes, std::ios::binary) << text; }
        std::string().swap(text);
        RunOnce({kStrfile, quotes.string(), quotes.string() + ".dat"});
        std::ofstream(dir / "config/Tagrota/Tagrota.ini")
            << "[Settings]\nRandomFile=" << quotes.string()
            << "\nSigDuration=3600\nCurrentFile=" << (dir / "sig.txt").string() << "\n";

        const std::vector<std::string> fortune = {kFortune, quotes.string()};
        const std::vector<std::string> print = {tagrota, "--print"};
        const std::vector<std::string> rotate = {tagrota, "--rotate"};
        std::vector<Figures> f = Measure({fortune, print});
        Row(label, "fortune", f[0], f[0]);
        Row(label, "--print, no copy running", f[1], f[0]);

        // A copy running: --print asks it, --rotate has it rotate.
        std::string exe = tagrota;
        char* argv[] = {exe.data(), nullptr};
        pid_t copy = 0;
        fs::remove(dir / "sig.txt");
        if (::posix_spawn(&copy, exe.c_str(), nullptr, nullptr, argv, environ) != 0) return 1;
        for (int i = 0; i < 1200 && !fs::exists(dir / "sig.txt"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        f = Measure({fortune, print, rotate});
        Row(label, "fortune", f[0], f[0]);
        Row(label, "--print, a copy running", f[1], f[0]);
        Row(label, "--rotate, a copy running", f[2], f[0]);
        ::kill(copy, SIGTERM);
        ::waitpid(copy, nullptr, 0);
    }
    return 0;
}
