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

#include "ProgramCopy.h"
#include "TestSupport.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

class PrintCommand : public test::ProgramCopy {
protected:
    // Runs `tagrota <arguments>` to its end; the dynamic loader names on
    // standard error every library it maps.
    Result Run(const std::string& arguments) {
        return ProgramCopy::Run(arguments, "LD_DEBUG=files ");
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
