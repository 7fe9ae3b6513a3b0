// The tagrota program as a user runs it, offscreen, from a copy of its folder.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "TestSupport.h"

extern char** environ;

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

class Program : public ::testing::Test {
protected:
    Program() {
        fs::create_directories(dir.Path() / "Tagrota");
        fs::copy_file(TAGROTA_EXECUTABLE, dir.Path() / "Tagrota" / "tagrota");
    }

    pid_t Start() {
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + dir.File("config"),
                                        "QT_QPA_PLATFORM=offscreen", "HOME=" + dir.File("home"),
                                        "XDG_RUNTIME_DIR=" + dir.File("run")};
        fs::create_directories(dir.File("run"));
        fs::permissions(dir.File("run"), fs::perms::owner_all);
        for (char** e = environ; *e; ++e) {
            std::string v = *e;
            if (v.starts_with("PATH=") || v.starts_with("ASAN_") || v.starts_with("UBSAN_") ||
                v.starts_with("LSAN_"))
                env.push_back(v);
        }
        std::vector<char*> envp;
        for (auto& v : env) envp.push_back(v.data());
        envp.push_back(nullptr);
        std::string exe = dir.File("Tagrota/tagrota");
        char* argv[] = {exe.data(), nullptr};
        pid_t pid = 0;
        EXPECT_EQ(::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, envp.data()), 0);
        return pid;
    }

    // Waits (a generous while, for slow sanitized builds) for a file to appear.
    bool WaitFor(const std::string& path) {
        for (int i = 0; i < 600 && !fs::exists(path); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return fs::exists(path);
    }

    // Sends the signal and waits for the program to end; one that does not end
    // within half a minute is killed and reported.
    int Stop(pid_t pid, int signal) {
        ::kill(pid, signal);
        int status = 0;
        for (int i = 0; i < 600; ++i) {
            if (::waitpid(pid, &status, WNOHANG) == pid) return status;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ADD_FAILURE() << "the program did not end after signal " << signal;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return status;
    }

    TempDir dir;
};

TEST_F(Program, FirstRunWritesItsFilesAndSettingsOnSigterm) {
    pid_t pid = Start();
    const std::string sig = dir.File("Tagrota/sig.txt");
    ASSERT_TRUE(WaitFor(sig));
    // The settings are written at the end, not at the start.
    EXPECT_FALSE(fs::exists(dir.File("config/Tagrota/Tagrota.ini")));
    const int status = Stop(pid, SIGTERM);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by its own closing, not by the signal";
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const std::string ini = ReadBytes(dir.File("config/Tagrota/Tagrota.ini"));
    for (const char* key : {"MainLeft=1000", "MainTop=1000", "MainWidth=5000", "MainHeight=5000",
                            "WrapCount=65", "InSysTray=False", "DoWrap=False", "SigDuration=20",
                            "StartMin=False", "UseSeq=False", "SigPath=", "RandomFile=",
                            "CurrentFile="})
        EXPECT_NE(ini.find(key), std::string::npos) << key << " in\n" << ini;
    EXPECT_TRUE(fs::exists(dir.File("Tagrota/collections-political.txt")));
    EXPECT_EQ(ReadBytes(sig).substr(0, 5), "---\r\n");
}

TEST_F(Program, SigintEndsItTheSameWay) {
    pid_t pid = Start();
    ASSERT_TRUE(WaitFor(dir.File("Tagrota/sig.txt")));
    const int status = Stop(pid, SIGINT);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(fs::exists(dir.File("config/Tagrota/Tagrota.ini")));
}

TEST_F(Program, SigtermWhileStartUpShowsAMessageStillWritesTheSettings) {
    // A collection without separators: start-up stops at its message.
    test::WriteBytes(dir.File("bad.txt"), "no separator\r\n");
    fs::create_directories(dir.File("config/Tagrota"));
    test::WriteBytes(dir.File("config/Tagrota/Tagrota.ini"),
                     "[Settings]\nRandomFile=" + dir.File("bad.txt") + "\nSigDuration=7\n");
    pid_t pid = Start();
    std::this_thread::sleep_for(std::chrono::seconds(3));  // well into start-up
    const int status = Stop(pid, SIGTERM);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string ini = ReadBytes(dir.File("config/Tagrota/Tagrota.ini"));
    EXPECT_NE(ini.find("SigDuration=7"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RandomFile=" + dir.File("Tagrota/collections-political.txt")),
              std::string::npos)
        << ini;
    EXPECT_EQ(ReadBytes(dir.File("bad.txt")), "no separator\r\n");
}

}  // namespace
}  // namespace tagrota
