// `tagrota --print` as a mail reader runs it: in a process without any GUI
// library, from the running copy while one answers, and from the files (read
// through the collection's index, kept private to the user) otherwise.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "TestSupport.h"

extern char** environ;

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

class PrintCommand : public ::testing::Test {
protected:
    PrintCommand() {
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
    ~PrintCommand() override {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"})
            ::unsetenv(name);
    }

    struct Result {
        int status = -1;
        std::string out, err;
    };
    // Runs `tagrota <arguments>` to its end; the dynamic loader names on
    // standard error every library it maps.
    Result Run(const std::string& arguments) {
        const std::string err = dir.File("stderr.txt");
        const std::string command = "LD_DEBUG=files '" + dir.File("Tagrota/tagrota") + "' " +
                                    arguments + " 2>'" + err + "'";
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
    // Starts a copy and waits up to half a minute for its first signature.
    pid_t StartCopy() {
        std::string exe = dir.File("Tagrota/tagrota");
        char* argv[] = {exe.data(), nullptr};
        pid_t pid = 0;
        if (::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) return 0;
        for (int i = 0; i < 600 && !fs::exists(Sig()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_TRUE(fs::exists(Sig())) << "the copy did not start";
        return pid;
    }
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
    void UseCollection(const std::string& path) {
        WriteBytes(Ini(), "[Settings]\nSigDuration=60\nRandomFile=" + path + "\n");
    }
    static ::testing::AssertionResult NoGuiLibrary(const Result& r) {
        if (r.err.find("libc.so") == std::string::npos)
            return ::testing::AssertionFailure() << "the loader named no library:\n" << r.err;
        for (const char* gui : {"libQt6", "libX11", "libxcb", "libGL", "libfontconfig"})
            if (r.err.find(gui) != std::string::npos)
                return ::testing::AssertionFailure() << gui << " was mapped";
        return ::testing::AssertionSuccess();
    }
    std::string Sig() const { return dir.File("Tagrota/sig.txt"); }
    std::string Ini() const { return dir.File("config/Tagrota/Tagrota.ini"); }

    // The window program is run only from a safe place, as the build tree is.
    test::TempDir dir{test::TrustedFolder().empty() ? fs::temp_directory_path()
                                                    : fs::path(test::TrustedFolder())};
};

TEST_F(PrintCommand, PrintFollowsTheRunningCopyWhileItAnswersAndLoadsNoGuiLibrary) {
    const std::string first = dir.File("first.txt"), second = dir.File("second.txt");
    WriteBytes(first, "From the first\n%\nFrom the first\n%\n");
    WriteBytes(second, "From the second\r\n%\r\nFrom the second\r\n%\r\n");

    // No copy runs: from the files, through an index kept private.
    UseCollection(first);
    Result r = Run("--print");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.ends_with("\nFrom the first\n")) << r.out;
    EXPECT_TRUE(NoGuiLibrary(r));
    std::size_t kept = 0;
    for (const auto& entry : fs::directory_iterator(dir.Path() / "cache" / "tagrota")) {
        EXPECT_EQ(entry.status().permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
        ++kept;
    }
    EXPECT_EQ(kept, 1u);
    EXPECT_EQ(fs::status(dir.Path() / "cache" / "tagrota").permissions() & fs::perms::all,
              fs::perms::owner_all);

    // A copy runs with the first collection; the settings file, which it
    // writes only at its closing, names the second by now.
    const pid_t copy = StartCopy();
    UseCollection(second);
    const std::string shown = ReadBytes(Sig());
    for (int run = 0; run < 3; ++run) {
        r = Run("--print");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.out.ends_with("\nFrom the first\n")) << r.out;
        EXPECT_TRUE(NoGuiLibrary(r));
    }
    EXPECT_EQ(ReadBytes(Sig()), shown) << "the copy did not rotate for it";

    // Stopped, it cannot answer: the files, after a short wait, and why.
    ::kill(copy, SIGSTOP);
    r = Run("--print");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.ends_with("\nFrom the second\n")) << r.out;
    EXPECT_NE(r.err.find("did not answer within 2 seconds"), std::string::npos) << r.err;
    ::kill(copy, SIGCONT);
    ::kill(copy, SIGTERM);
    EXPECT_TRUE(EndsWithSuccess(copy));
}

}  // namespace
}  // namespace tagrota
