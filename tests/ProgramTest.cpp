// The tagrota program as a user runs it, offscreen, from a copy of its folder.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <thread>

#include "TestSupport.h"
#include "platform/qt/QtSingleInstance.h"

extern char** environ;

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

class Program : public ::testing::Test {
protected:
    Program() {
        fs::create_directories(dir.Path() / "Tagrota");
        fs::create_directories(dir.Path() / "config" / "Tagrota");
        fs::copy_file(TAGROTA_EXECUTABLE, dir.Path() / "Tagrota" / "tagrota");
    }

    pid_t Spawn() {
        ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::string exe = dir.File("Tagrota/tagrota");
        char* argv[] = {exe.data(), nullptr};
        pid_t pid = 0;
        return ::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) == 0 ? pid : 0;
    }

    // Waits up to half a minute for the file to appear.
    static void WaitFor(const std::string& file) {
        for (int i = 0; i < 600 && !fs::exists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    // Waits up to half a minute for the program to catch the signal, as the
    // system lists it among the process's caught signals.
    static void WaitForHandler(pid_t pid, int signal) {
        const std::uint64_t bit = std::uint64_t{1} << (signal - 1);
        for (int i = 0; i < 600; ++i) {
            std::ifstream status("/proc/" + std::to_string(pid) + "/status");
            std::string line;
            while (std::getline(status, line))
                if (line.rfind("SigCgt:", 0) == 0 &&
                    (std::stoull(line.substr(7), nullptr, 16) & bit))
                    return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    // Tells whether the program ended by itself with exit code 0 within half a
    // minute; one that does not is killed.
    static bool EndsWithSuccess(pid_t pid) {
        int status = 0;
        for (int i = 0; i < 600; ++i) {
            if (::waitpid(pid, &status, WNOHANG) == pid)
                return WIFEXITED(status) && WEXITSTATUS(status) == 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return false;
    }

    // Starts the program, waits for the file to appear (for none: for the
    // program to catch the signal), sends the signal and tells whether the
    // program ended by its own closing with exit code 0.
    bool RunUntilSignal(const std::string& file, int signal) {
        const pid_t pid = Spawn();
        if (pid == 0) return false;
        if (file.empty())
            WaitForHandler(pid, signal);
        else
            WaitFor(file);
        ::kill(pid, signal);
        return EndsWithSuccess(pid);
    }

    ~Program() override { ::unsetenv("XDG_CONFIG_HOME"); }
    test::TempDir dir;
};

TEST_F(Program, FirstRunWritesItsFilesAndEndsOnASignalWithItsSettingsWritten) {
    const std::string sig = dir.File("Tagrota/sig.txt"),
                      ini = dir.File("config/Tagrota/Tagrota.ini");
    for (int signal : {SIGTERM, SIGINT}) {
        fs::remove(ini);
        fs::remove(sig);
        EXPECT_TRUE(RunUntilSignal(sig, signal)) << "signal " << signal;
        const std::string settings = ReadBytes(ini);
        for (const char* key :
             {"MainLeft=1000", "MainTop=1000", "MainWidth=6300", "MainHeight=5500", "WrapCount=65",
              "InSysTray=False", "DoWrap=False", "SigDuration=20", "StartMin=False", "UseSeq=False",
              "SigPath=", "RandomFile=", "CurrentFile="})
            EXPECT_NE(settings.find(key), std::string::npos) << key << " in\n" << settings;
    }
    EXPECT_EQ(ReadBytes(dir.File("Tagrota/collections-political.txt")).substr(0, 5), "Empty");
    EXPECT_EQ(ReadBytes(sig).substr(0, 5), "---\r\n");
}

TEST_F(Program, SigtermWhileStartUpShowsAMessageStillWritesTheSettings) {
    // A collection without separators: start-up stops at its message. The
    // signal comes as soon as the program catches it, so it may arrive before
    // the message shows or while it does; either way the closing runs.
    test::WriteBytes(dir.File("bad.txt"), "no separator\r\n");
    test::WriteBytes(dir.File("config/Tagrota/Tagrota.ini"),
                     "[Settings]\nRandomFile=" + dir.File("bad.txt") + "\nSigDuration=7\n");
    EXPECT_TRUE(RunUntilSignal("", SIGTERM));
    const std::string ini = ReadBytes(dir.File("config/Tagrota/Tagrota.ini"));
    EXPECT_NE(ini.find("SigDuration=7"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RandomFile=" + dir.File("Tagrota/collections-political.txt")),
              std::string::npos);
    EXPECT_EQ(ReadBytes(dir.File("bad.txt")), "no separator\r\n");
}

TEST_F(Program, ASecondStartBringsTheFirstToTheFrontAndEnds) {
    // The first copy starts minimised. Its closing stores the window's place only
    // when the window is not minimised, so the place in the settings tells
    // whether the second start brought it back.
    const std::string sig = dir.File("Tagrota/sig.txt"),
                      ini = dir.File("config/Tagrota/Tagrota.ini");
    for (const bool secondStart : {false, true}) {
        fs::remove(sig);
        test::WriteBytes(ini, "[Settings]\nStartMin=True\n");
        const pid_t first = Spawn();
        ASSERT_NE(first, 0);
        WaitFor(sig);
        if (secondStart) {
            const pid_t second = Spawn();
            ASSERT_NE(second, 0);
            EXPECT_TRUE(EndsWithSuccess(second));
            int status = 0;
            EXPECT_EQ(::waitpid(first, &status, WNOHANG), 0) << "the first copy still runs";
        }
        ::kill(first, SIGTERM);
        EXPECT_TRUE(EndsWithSuccess(first));
        EXPECT_EQ(ReadBytes(ini).find("MainLeft=") != std::string::npos, secondStart)
            << ReadBytes(ini);
    }
}

TEST_F(Program, ACopyThatCrashedHoldsUpNoLaterStart) {
    const std::string sig = dir.File("Tagrota/sig.txt");
    const pid_t crashed = Spawn();
    ASSERT_NE(crashed, 0);
    WaitFor(sig);
    ::kill(crashed, SIGKILL);
    ::waitpid(crashed, nullptr, 0);

    fs::remove(sig);
    const pid_t next = Spawn();
    ASSERT_NE(next, 0);
    WaitFor(sig);
    EXPECT_TRUE(fs::exists(sig)) << "it runs: it took the lock over and rotated";
    ::kill(next, SIGTERM);
    EXPECT_TRUE(EndsWithSuccess(next));
}

TEST_F(Program, WhereNoLockCanBeHadItRunsUnguarded) {
    // Something that is no file to lock holds the lock's name: the program runs
    // rather than report a copy that does not answer and end.
    const fs::path runtime = dir.Path() / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);  // a runtime folder is the user's alone
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const std::string key =
        qt::QtSingleInstance::KeyFor(dir.File("config") + "/Tagrota/Tagrota.ini").toStdString();
    fs::create_symlink("elsewhere", runtime / (key + ".lock"));

    const std::string sig = dir.File("Tagrota/sig.txt");
    const pid_t pid = Spawn();
    ::unsetenv("XDG_RUNTIME_DIR");
    ASSERT_NE(pid, 0);
    WaitFor(sig);
    EXPECT_TRUE(fs::exists(sig));
    ::kill(pid, SIGTERM);
    EXPECT_TRUE(EndsWithSuccess(pid));
    EXPECT_TRUE(fs::is_symlink(runtime / (key + ".lock"))) << "left as it was";
}

}  // namespace
}  // namespace tagrota
