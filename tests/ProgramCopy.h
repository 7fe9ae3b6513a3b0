#pragma once
// A copy of the program's folder in a safe place, with its own settings,
// runtime and cache folders, for tests that run the real `tagrota` as a user,
// a mail reader or a script runs it.

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "TestSupport.h"

extern char** environ;

namespace tagrota::test {

class ProgramCopy : public ::testing::Test {
protected:
    ProgramCopy() {
        namespace fs = std::filesystem;
        fs::create_directories(dir.Path() / "Tagrota");
        fs::create_directories(dir.Path() / "config" / "Tagrota");
        fs::create_directories(dir.Path() / "runtime");
        fs::permissions(dir.Path() / "runtime", fs::perms::owner_all);
        fs::copy_file(TAGROTA_EXECUTABLE, dir.Path() / "Tagrota" / "tagrota");
        fs::copy_file(TAGROTA_WINDOW_EXECUTABLE, dir.Path() / "Tagrota" / "tagrota-window");
        ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", dir.File("runtime").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", dir.File("cache").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    void SetUp() override {
        // The launcher rightly refuses to start a window program from a folder
        // other users may write to.
        if (TrustedFolder().empty()) GTEST_SKIP() << "the build tree is not in a safe place";
    }
    ~ProgramCopy() override {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"})
            ::unsetenv(name);
    }

    pid_t Spawn() {
        std::string exe = dir.File("Tagrota/tagrota");
        char* argv[] = {exe.data(), nullptr};
        pid_t pid = 0;
        return ::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) == 0 ? pid : 0;
    }
    // Waits up to half a minute for the condition.
    template <class Condition>
    static bool WaitFor(Condition done) {
        for (int i = 0; i < 600; ++i) {
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    static bool WaitForFile(const std::string& file) {
        return WaitFor([&] { return std::filesystem::exists(file); });
    }
    // Tells whether the program ended by itself with exit code 0 within half a
    // minute; one that does not is killed.
    static bool EndsWithSuccess(pid_t pid) {
        int status = 0;
        if (WaitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }))
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return false;
    }
    // Starts a copy that keeps running, and waits for its first signature.
    pid_t StartCopy() {
        const pid_t pid = Spawn();
        EXPECT_TRUE(pid != 0 && WaitForFile(Sig())) << "the copy did not start";
        return pid;
    }

    struct Result {
        int status = -1;
        std::string out, err;
    };
    // Runs `tagrota <arguments>` to its end, with `environment` (assignments
    // such as "LD_DEBUG=files ") before it.
    Result Run(const std::string& arguments, const std::string& environment = "") {
        const std::string err = dir.File("stderr.txt");
        const std::string command =
            environment + "'" + dir.File("Tagrota/tagrota") + "' " + arguments + " 2>'" + err + "'";
        Result result;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) return result;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            result.out.append(buffer, n);
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = ReadBytes(err);
        return result;
    }
    std::string Sig() const { return dir.File("Tagrota/sig.txt"); }
    std::string Ini() const { return dir.File("config/Tagrota/Tagrota.ini"); }

    // The window program is run only from a safe place, as the build tree is.
    TempDir dir{TrustedFolder().empty() ? std::filesystem::temp_directory_path()
                                        : std::filesystem::path(TrustedFolder())};
};

}  // namespace tagrota::test
