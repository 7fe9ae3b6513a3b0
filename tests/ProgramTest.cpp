// The command line as parsed, and the tagrota program as a user, a mail reader
// or a script runs it, offscreen, from a copy of its folder.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <set>
#include <thread>
#include <tuple>

#include <QCoreApplication>

#include "CommandLine.h"
#include "ProgramCopy.h"
#include "TestSupport.h"
#include "platform/qt/QtSingleInstance.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

class Program : public test::ProgramCopy {
protected:
    // Whether the system lists the signal among the process's caught ("SigCgt:")
    // or ignored ("SigIgn:") ones.
    static bool Listed(pid_t pid, const std::string& list, int signal) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.starts_with(list))
                return (std::stoull(line.substr(list.size()), nullptr, 16) >> (signal - 1)) & 1;
        return false;
    }
    static bool WaitForHandler(pid_t pid, int signal) {
        return WaitFor([&] { return Listed(pid, "SigCgt:", signal); });
    }
    static bool StillRuns(pid_t pid) {
        int status = 0;
        return ::waitpid(pid, &status, WNOHANG) == 0;
    }
};

TEST_F(Program, FirstRunWritesItsFilesAndEndsOnASignalThroughItsClosing) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        fs::remove(Ini());
        fs::remove(Sig());
        const pid_t pid = Spawn();
        ASSERT_NE(pid, 0);
        WaitForFile(Sig());
        ::kill(pid, signal);
        EXPECT_TRUE(EndsWithSuccess(pid)) << "signal " << signal;
        const std::string settings = ReadBytes(Ini());
        for (const char* key :
             {"MainLeft=1000", "MainTop=1000", "MainWidth=6300", "MainHeight=7200", "WrapCount=65",
              "InSysTray=False", "DoWrap=False", "SigDuration=20", "StartMin=False", "UseSeq=False",
              "SigPath=", "RandomFile=", "CurrentFile="})
            EXPECT_NE(settings.find(key), std::string::npos) << key << " in\n" << settings;
    }
    EXPECT_EQ(ReadBytes(dir.File("Tagrota/collections-political.txt")).substr(0, 5), "Empty");
    EXPECT_EQ(ReadBytes(Sig()).substr(0, 4), "---\n");
}

TEST_F(Program, SigtermWhileStartUpShowsAMessageStillWritesTheSettings) {
    // A collection without separators: start-up stops at its message. The
    // signal comes as soon as the program catches it, so it may arrive before
    // the message shows or while it does; either way the closing runs.
    WriteBytes(dir.File("bad.txt"), "no separator\r\n");
    WriteBytes(Ini(), "[Settings]\nRandomFile=" + dir.File("bad.txt") + "\nSigDuration=7\n");
    const pid_t pid = Spawn();
    ASSERT_NE(pid, 0);
    WaitForHandler(pid, SIGTERM);
    ::kill(pid, SIGTERM);
    EXPECT_TRUE(EndsWithSuccess(pid));
    const std::string ini = ReadBytes(Ini());
    EXPECT_NE(ini.find("SigDuration=7"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RandomFile=" + dir.File("Tagrota/collections-political.txt")),
              std::string::npos);
    EXPECT_EQ(ReadBytes(dir.File("bad.txt")), "no separator\r\n");
}

// Started with SIGHUP ignored (`nohup tagrota &`), the program leaves it
// ignored: the terminal closing does not end it.
TEST_F(Program, ASighupIgnoredAtStartStaysIgnored) {
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGHUP, &ignore, &old);
    const pid_t pid = Spawn();
    ::sigaction(SIGHUP, &old, nullptr);
    ASSERT_NE(pid, 0);
    ASSERT_TRUE(WaitForHandler(pid, SIGTERM));
    EXPECT_TRUE(Listed(pid, "SigIgn:", SIGHUP));
    EXPECT_FALSE(Listed(pid, "SigCgt:", SIGHUP));
    ::kill(pid, SIGTERM);
    EXPECT_TRUE(EndsWithSuccess(pid));
}

// Where no display can be reached, one line says so and how to run the
// program, and it ends with status 1 (no abort, no core dump).
TEST_F(Program, WithoutADisplayOneLineSaysHowToRunIt) {
    ::unsetenv("QT_QPA_PLATFORM");
    ::unsetenv("WAYLAND_DISPLAY");
    const char* was = std::getenv("DISPLAY");
    const std::string display = was ? was : "";
    for (const char* unreachable : {":93", ""}) {
        if (*unreachable)
            ::setenv("DISPLAY", unreachable, 1);
        else
            ::unsetenv("DISPLAY");
        const Result r = Run("");
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find("no display could be reached"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("xvfb-run tagrota"), std::string::npos) << r.err;
    }
    if (was) ::setenv("DISPLAY", display.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// --print among the options too: it neither hands over nor disturbs the copy.
TEST_F(Program, ASecondStartBringsTheFirstToTheFrontAndEndsAndOptionsNeverDo) {
    // The first copy starts minimised. Its closing stores the window's place
    // only when the window is not minimised, so the place in the settings
    // tells whether a later start handed over to it.
    for (const bool secondStart : {false, true}) {
        fs::remove(Sig());
        WriteBytes(Ini(), "[Settings]\nStartMin=True\n");
        const pid_t first = StartCopy();
        // Each prints its text or its complaint and ends.
        const std::tuple<const char*, int, const char*> options[] = {
            {"--version", 0, "Tagrota 1.1.0\n"},
            {"--help", 0, "--print"},
            {"--print", 0, "---\n"},
            {"--frobnicate", 2, "frobnicate"}};
        for (const auto& [option, status, says] : options) {
            const Result r = Run(option);
            EXPECT_EQ(r.status, status) << option << r.err;
            EXPECT_NE((status ? r.err : r.out).find(says), std::string::npos) << option << r.out;
        }
        if (secondStart) {
            const pid_t second = Spawn();
            ASSERT_NE(second, 0);
            EXPECT_TRUE(EndsWithSuccess(second));
        }
        EXPECT_TRUE(StillRuns(first));
        ::kill(first, SIGTERM);
        EXPECT_TRUE(EndsWithSuccess(first));
        EXPECT_EQ(ReadBytes(Ini()).find("MainLeft=") != std::string::npos, secondStart)
            << ReadBytes(Ini());
    }
}

TEST_F(Program, ACrashedCopyOrALockThatCannotBeHadHoldsUpNoStart) {
    const pid_t crashed = StartCopy();
    ::kill(crashed, SIGKILL);
    ::waitpid(crashed, nullptr, 0);
    fs::remove(Sig());
    const pid_t next = StartCopy();
    EXPECT_TRUE(fs::exists(Sig())) << "it runs: it took the lock over and rotated";
    ::kill(next, SIGTERM);
    EXPECT_TRUE(EndsWithSuccess(next));

    // Something that is no file to lock holds the lock's name: the program runs
    // rather than report a copy that does not answer and end.
    const std::string key =
        qt::QtSingleInstance::KeyFor(dir.File("config") + "/Tagrota/Tagrota.ini").toStdString();
    const fs::path lock = dir.Path() / "runtime" / (key + ".lock");
    fs::remove(lock);
    fs::create_symlink("elsewhere", lock);
    fs::remove(Sig());
    const pid_t unguarded = StartCopy();
    ::kill(unguarded, SIGTERM);
    EXPECT_TRUE(EndsWithSuccess(unguarded));
    EXPECT_TRUE(fs::is_symlink(lock)) << "left as it was";
}

TEST_F(Program, PrintAlwaysGivesACompleteSignatureAndWritesNothing) {
    // As printed: LF line ends, one at the close.
    const std::set<std::string> entries{"First quotation,\non two lines.\n", "Second one.\n",
                                        "Third, the last.\n"};
    WriteBytes(dir.File("Tagrota/fixed.txt"), "-- \r\nA. Writer\r\n");
    WriteBytes(dir.File("Tagrota/quotes.txt"),
               "First quotation,\r\non two lines.\r\n%\r\nSecond one.\r\n%\r\nThird, the last.\r\n"
               "%\r\n");
    WriteBytes(Ini(), "[Settings]\nRandomFile=" + dir.File("Tagrota/quotes.txt") + "\n");
    const std::string fixed = "-- \nA. Writer\n\n";
    // Each entry comes up in a third of the runs: twenty show a wrong entry
    // that comes up in a quarter of them almost surely, and a run of one
    // choice alone about once in a billion times.
    std::set<std::string> seen;
    for (int run = 0; run < 20; ++run) {
        const Result r = Run("--print");
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(r.out.rfind(fixed, 0), 0u) << "run " << run << ":\n" << r.out;
        ASSERT_EQ(entries.count(r.out.substr(fixed.size())), 1u) << "run " << run << ":\n" << r.out;
        seen.insert(r.out);
    }
    EXPECT_GT(seen.size(), 1u) << "a fresh choice each time";
    EXPECT_FALSE(fs::exists(Sig())) << "no signature file written";
    EXPECT_FALSE(fs::exists(dir.File("Tagrota/collections-political.txt")));
    EXPECT_EQ(ReadBytes(Ini()).find("MainLeft"), std::string::npos) << "no settings written";
}

// Every name under the folder with its kind, size and time of change, but for
// the test's record of standard error.
std::map<std::string, std::string> Listing(const fs::path& folder) {
    std::map<std::string, std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().filename() == "stderr.txt") continue;
        struct stat st {};
        ::lstat(entry.path().c_str(), &st);
        names[entry.path().string()] = std::to_string(st.st_mode) + " " +
                                       std::to_string(st.st_size) + " " +
                                       std::to_string(st.st_mtim.tv_nsec + st.st_mtim.tv_sec);
    }
    return names;
}

// A mail reader may run --print for every mail: it writes no file at all. A
// damaged settings file is read as far as it goes, said once, and left as it
// is (no copy of it each time); a collection that cannot be used is told with
// the reason the window gives, and nothing waits on a named pipe.
TEST_F(Program, PrintWritesNoFileAndTellsTheRealReasons) {
    ::mkfifo(dir.File("pipe").c_str(), 0600);
    fs::create_directories(dir.File("folder"));
    fs::create_symlink("loop2", dir.File("loop1"));
    fs::create_symlink("loop1", dir.File("loop2"));
    const std::pair<std::string, const char*> collections[] = {
        {dir.File("pipe"), "Not a regular file"},
        {"/dev/zero", "Not a regular file"},
        {dir.File("folder"), "Is a directory"},
        {dir.File("loop1"), "Too many levels of symbolic links"}};
    for (const auto& [collection, reason] : collections) {
        // Cut in the middle of a key: what comes before it is read.
        WriteBytes(Ini(), "[Settings]\nRandomFile=" + collection + "\nSigDuration=30\nDoWr");
        const auto before = Listing(dir.Path());
        for (int run = 0; run < 2; ++run) {
            const Result r = Run("--print");
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.out.rfind("---\n", 0), 0u) << r.out;
            EXPECT_TRUE(test::Holds(r.err, {collection, reason, "the default collection is used"}));
            EXPECT_EQ(r.err.find("does not exist"), std::string::npos) << r.err;
            const std::string settings = "The settings file " + Ini() + " could not be read whole";
            const std::size_t at = r.err.find(settings);
            EXPECT_NE(at, std::string::npos) << r.err;
            EXPECT_EQ(r.err.find(settings, at + 1), std::string::npos) << "said once:\n" << r.err;
            EXPECT_EQ(Listing(dir.Path()), before) << "no file written, none changed";
        }
    }
}

// While a copy holds the lock, neither a second start nor --rotate ever says
// that none runs: not where the runtime folder is too deep for a socket's
// address, nor where another user took the private folder's name first; and
// "did not answer" comes only from a copy that has stopped.
TEST_F(Program, ACopyThatHoldsTheLockIsReachedOrSaidNotToAnswer) {
    const Result none = Run("--rotate");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("not running"), std::string::npos) << none.err;
    EXPECT_FALSE(fs::exists(Sig()));
    // A long period: only the request can rotate within the test.
    WriteBytes(Ini(), "[Settings]\nSigDuration=60\n");
    fs::create_directories(dir.Path() / "tmp");
    ::chmod(dir.File("tmp").c_str(), 01777);  // as /tmp is
    ::setenv("TMPDIR", dir.File("tmp").c_str(), 1);
    struct Restore {
        ~Restore() { ::unsetenv("TMPDIR"); }
    } restore;
    const auto reached = [&](const char* where) {
        fs::remove(Sig());
        const pid_t copy = StartCopy();
        fs::remove(Sig());
        const Result asked = Run("--rotate");
        EXPECT_EQ(asked.status, 0) << where << ": " << asked.err;
        EXPECT_TRUE(WaitForFile(Sig())) << where << ": no rotation";
        EXPECT_EQ(ReadBytes(Sig()).rfind("---\n", 0), 0u) << where;
        const pid_t second = Spawn();
        EXPECT_TRUE(EndsWithSuccess(second)) << where << ": the second start did not hand over";
        EXPECT_TRUE(StillRuns(copy)) << where;
        return copy;
    };
    const auto end = [&](pid_t copy) {
        ::kill(copy, SIGTERM);
        EXPECT_TRUE(EndsWithSuccess(copy));
    };

    // A runtime folder deeper than a socket's address allows.
    const std::string deep = dir.File("runtime/" + std::string(110, 'r'));
    fs::create_directories(deep);
    fs::permissions(deep, fs::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", deep.c_str(), 1);
    const pid_t copy = reached("deep runtime folder");

    // Stopped, it does not answer; it still runs.
    ::kill(copy, SIGSTOP);
    const Result stopped = Run("--rotate");
    EXPECT_EQ(stopped.status, 1);
    EXPECT_NE(stopped.err.find("did not answer"), std::string::npos) << stopped.err;
    EXPECT_EQ(stopped.err.find("not running"), std::string::npos) << stopped.err;
    ::kill(copy, SIGCONT);
    end(copy);

    // Without a runtime folder, where another user made tagrota-<uid> first.
    ::unsetenv("XDG_RUNTIME_DIR");
    if (::geteuid() == 0) {
        const std::string planted = dir.File("tmp/tagrota-" + std::to_string(::geteuid()));
        fs::remove_all(planted);  // the one the copies above made
        ASSERT_TRUE(test::AsAnotherUser([&] { return ::mkdir(planted.c_str(), 0777) == 0; }));
        end(reached("another user's private folder"));
    }
}

// A copy busy for longer than the usual wait (a long load, which keeps its
// event loop from answering) is waited for: a second start hands over to it
// and --rotate reaches it, once it answers.
TEST_F(Program, ABusyCopyIsWaitedForUntilItAnswers) {
    qt::QtSingleInstance holder(Ini());
    ASSERT_EQ(holder.Acquire(), qt::QtSingleInstance::Claim::First);
    int activated = 0, rotated = 0;
    holder.onActivate = [&] { ++activated; };
    holder.onRotate = [&] { ++rotated; };
    const auto busyThenAnswer = [](std::future<bool>& asked) {
        // Busy, as a load is: no events are handled meanwhile.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(4500);
        while (std::chrono::steady_clock::now() < until) {
        }
        while (asked.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return asked.get();
    };
    std::future<bool> rotate =
        std::async(std::launch::async, [&] { return Run("--rotate").status == 0; });
    EXPECT_TRUE(busyThenAnswer(rotate));
    EXPECT_EQ(rotated, 1);
    const pid_t second = Spawn();
    ASSERT_NE(second, 0);
    std::future<bool> start =
        std::async(std::launch::async, [&] { return EndsWithSuccess(second); });
    EXPECT_TRUE(busyThenAnswer(start));
    EXPECT_EQ(activated, 1);
}

using cli::CommandAction;
using cli::ParseCommandLine;
using Arguments = std::vector<std::string>;

CommandAction ActionOf(Arguments arguments) {
    arguments.insert(arguments.begin(), "tagrota");
    return ParseCommandLine(arguments).action;
}

TEST(CommandLine, EachOptionIsOneActionAndQtsOwnOptionsStartTheProgram) {
    EXPECT_EQ(ActionOf({}), CommandAction::Start);
    EXPECT_EQ(ActionOf({"-platform", "offscreen", "-style", "fusion", "-reverse"}),
              CommandAction::Start);
    EXPECT_EQ(ActionOf({"--print"}), CommandAction::Print);
    EXPECT_EQ(ActionOf({"-platform", "xcb", "--rotate"}), CommandAction::Rotate);
    for (const char* help : {"--help", "-h", "-help"})
        EXPECT_EQ(ActionOf({help}), CommandAction::Help) << help;
    // Help and version win over the options that would do something.
    EXPECT_EQ(ActionOf({"--print", "--version"}), CommandAction::Version);
    EXPECT_EQ(ActionOf({"--rotate", "--help"}), CommandAction::Help);
    for (const Arguments& wrong :
         {Arguments{"--bogus"}, Arguments{"file.txt"}, Arguments{"--print", "--rotate"},
          Arguments{"-platform"}, Arguments{"--print=yes"}})
        EXPECT_EQ(ActionOf(wrong), CommandAction::Error) << wrong.front();

    const cli::Command version = ParseCommandLine({"tagrota", "-v"});
    EXPECT_EQ(version.text, "Tagrota 1.1.0\n");
    const std::string help = ParseCommandLine({"tagrota", "--help"}).text;
    for (const char* option : {"--help", "--version", "--print", "--rotate"})
        EXPECT_NE(help.find(option), std::string::npos) << option << " in\n" << help;
    EXPECT_EQ(help.find("platform"), std::string::npos) << "Qt's options stay out of the help";
}

}  // namespace
}  // namespace tagrota
