// The command line: the options parsed, and the real program run with them as
// a mail reader or a script runs it (offscreen, from a copy of its folder).

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <thread>

#include "CommandLine.h"
#include "TestSupport.h"

extern char** environ;

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using qt::CommandAction;
using qt::ParseCommandLine;
using test::ReadBytes;
using test::WriteBytes;

CommandAction ActionOf(const QStringList& arguments) {
    return ParseCommandLine(QStringList{QStringLiteral("tagrota")} + arguments).action;
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
    for (const QStringList& wrong : {QStringList{"--bogus"}, QStringList{"file.txt"},
                                     QStringList{"--print", "--rotate"}, QStringList{"-platform"}})
        EXPECT_EQ(ActionOf(wrong), CommandAction::Error) << wrong.join(' ').toStdString();

    const qt::Command version = ParseCommandLine({"tagrota", "-v"});
    EXPECT_EQ(version.text.toStdString(), "Tagrota 1.1.0\n");
    const std::string help = ParseCommandLine({"tagrota", "--help"}).text.toStdString();
    for (const char* option : {"--help", "--version", "--print", "--rotate"})
        EXPECT_NE(help.find(option), std::string::npos) << option << " in\n" << help;
    EXPECT_EQ(help.find("platform"), std::string::npos) << "Qt's options stay out of the help";
}

// The real program in a folder of its own.
class ProgramCommandLine : public ::testing::Test {
protected:
    ProgramCommandLine() {
        fs::create_directories(dir.Path() / "Tagrota");
        fs::create_directories(dir.Path() / "config" / "Tagrota");
        fs::create_directories(dir.Path() / "runtime");
        fs::permissions(dir.Path() / "runtime", fs::perms::owner_all);
        fs::copy_file(TAGROTA_EXECUTABLE, dir.Path() / "Tagrota" / "tagrota");
        ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", dir.File("runtime").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ~ProgramCommandLine() override {
        if (running != 0) Stop();
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_RUNTIME_DIR");
    }

    struct Result {
        int status = -1;
        std::string out;  // standard output; standard error goes to `err`
        std::string err;
    };
    // Runs `tagrota <arguments>` to its end.
    Result Run(const std::string& arguments) {
        const std::string err = dir.File("stderr.txt");
        const std::string command =
            "'" + dir.File("Tagrota/tagrota") + "' " + arguments + " 2>'" + err + "'";
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

    // Starts a copy that keeps running, and waits for its first signature.
    void StartCopy() {
        std::string exe = dir.File("Tagrota/tagrota");
        char* argv[] = {exe.data(), nullptr};
        ASSERT_EQ(::posix_spawn(&running, exe.c_str(), nullptr, nullptr, argv, environ), 0);
        ASSERT_TRUE(WaitFor([&] { return fs::exists(Sig()); })) << "the copy did not start";
    }
    // Ends the running copy by its ordinary closing.
    void Stop() {
        ::kill(running, SIGTERM);
        int status = 0;
        ::waitpid(running, &status, 0);
        running = 0;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    template <class Condition>
    static bool WaitFor(Condition done) {
        for (int i = 0; i < 600; ++i) {
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    std::string Sig() const { return dir.File("Tagrota/sig.txt"); }
    std::string Ini() const { return dir.File("config/Tagrota/Tagrota.ini"); }

    test::TempDir dir;
    pid_t running = 0;
};

TEST_F(ProgramCommandLine, PrintAlwaysGivesACompleteSignatureAndWritesNothing) {
    const std::set<std::string> entries{"First quotation,\r\non two lines.", "Second one.",
                                        "Third, the last."};
    WriteBytes(dir.File("Tagrota/fixed.txt"), "-- \r\nA. Writer\r\n");
    WriteBytes(dir.File("Tagrota/quotes.txt"),
               "First quotation,\r\non two lines.\r\n%\r\nSecond one.\r\n%\r\nThird, the last.\r\n"
               "%\r\n");
    WriteBytes(Ini(), "[Settings]\nRandomFile=" + dir.File("Tagrota/quotes.txt") + "\n");
    const std::string fixed = "-- \r\nA. Writer\r\n\r\n";
    std::set<std::string> seen;
    for (int run = 0; run < 200; ++run) {
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

    // The same while a copy runs, which goes on undisturbed.
    StartCopy();
    const Result r = Run("--print");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(entries.count(r.out.substr(fixed.size())), 1u) << r.out;
    int status = 0;
    EXPECT_EQ(::waitpid(running, &status, WNOHANG), 0) << "the copy still runs";
}

TEST_F(ProgramCommandLine, HelpAndVersionPrintAndEndWithOrWithoutACopyRunning) {
    // A copy started minimised stores its place at closing only if something
    // brought it back: that tells whether a start handed over to it.
    WriteBytes(Ini(), "[Settings]\nStartMin=True\n");
    for (const bool copyRuns : {false, true}) {
        if (copyRuns) StartCopy();
        const Result version = Run("--version");
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, "Tagrota 1.1.0\n");
        const Result help = Run("--help");
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("--print"), std::string::npos) << help.out;
        const Result wrong = Run("--frobnicate");
        EXPECT_EQ(wrong.status, 2);
        EXPECT_NE(wrong.err.find("frobnicate"), std::string::npos) << wrong.err;
        if (!copyRuns) {
            EXPECT_FALSE(fs::exists(Sig())) << "no copy was started";
        }
    }
    Stop();
    EXPECT_EQ(ReadBytes(Ini()).find("MainLeft="), std::string::npos) << ReadBytes(Ini());
}

TEST_F(ProgramCommandLine, RotateMakesTheRunningCopyRotateOrSaysNoneRuns) {
    const Result none = Run("--rotate");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("not running"), std::string::npos) << none.err;
    EXPECT_FALSE(fs::exists(Sig()));

    // A long period: only the request can rotate within the test.
    WriteBytes(Ini(), "[Settings]\nSigDuration=60\n");
    StartCopy();
    fs::remove(Sig());
    const Result asked = Run("--rotate");
    EXPECT_EQ(asked.status, 0) << asked.err;
    EXPECT_TRUE(WaitFor([&] { return fs::exists(Sig()); })) << "no rotation";
    EXPECT_EQ(ReadBytes(Sig()).rfind("---\r\n", 0), 0u);
}

}  // namespace
}  // namespace tagrota
