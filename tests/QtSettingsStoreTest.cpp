// The real settings store, in a temporary configuration folder. The settings
// through it at start-up and closing are FaultTableTest's.

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "TestSupport.h"
#include "engine/Settings.h"
#include "platform/ProgramFolders.h"
#include "platform/qt/QtServices.h"

namespace tagrota {
namespace {

class QtSettings : public ::testing::Test {
protected:
    QtSettings() { ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~QtSettings() override { ::unsetenv("XDG_CONFIG_HOME"); }
    test::TempDir config;
};

TEST_F(QtSettings, EveryTextReadsBackExactly) {
    const std::vector<std::string> awkward = {"/home/me/My Signatures/quotes.txt",
                                              "a, b,c",
                                              ",",
                                              "\"quoted\" and 'single'",
                                              "#not a comment; nor this=that",
                                              "C:\\Users\\me\\sig.txt",
                                              "\\\\server\\share\\",
                                              "  leading and trailing  ",
                                              "caf\u00e9 \u65e5\u672c \U0001F600",
                                              "@Variant(x)",
                                              "[Settings]",
                                              "",
                                              "tab\there"};
    {
        qt::QtSettingsStore store;
        for (std::size_t i = 0; i < awkward.size(); ++i)
            store.SaveSetting("Tagrota", "Settings", "Key" + std::to_string(i), awkward[i]);
    }
    qt::QtSettingsStore store;  // a fresh store reads the file anew
    for (std::size_t i = 0; i < awkward.size(); ++i)
        EXPECT_EQ(store.GetSetting("Tagrota", "Settings", "Key" + std::to_string(i), "-"),
                  awkward[i]);
    EXPECT_EQ(store.GetSetting("Tagrota", "Settings", "Missing", "the default"), "the default");
    EXPECT_EQ(store.GetSetting("Other", "Settings", "Key0", "x"), "x");
}

// With HOME unset the settings, like the data folder, go below the home the
// password database gives (not to "//.config"), and a folder that cannot be
// made is told by its own reason.
TEST_F(QtSettings, WithoutHomeTheSettingsAndTheDataShareTheUsersHome) {
    ::unsetenv("XDG_CONFIG_HOME");
    const char* was = std::getenv("HOME");
    const std::string home = was ? was : "";
    ::unsetenv("HOME");
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_TRUE(user && user->pw_dir);
    const std::string expected = std::string(user->pw_dir) + "/.config/Tagrota/Tagrota.ini";
    const std::string location = qt::QtSettingsStore::Location("Tagrota");
    const std::string data = UserDataFolder(CurrentUserEnvironment());
    if (was) ::setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(location, expected);
    EXPECT_EQ(data, std::string(user->pw_dir) + "/.local/share/Tagrota");

    // A settings folder that cannot be made: the reason is the folder's.
    if (::geteuid() != 0) return;
    int answer[2];
    ASSERT_EQ(::pipe(answer), 0);
    const std::string unwritable = config.File("home");  // root's: closed to the other user
    ::mkdir(unwritable.c_str(), 0755);
    test::AsAnotherUser([&] {
        ::setenv("XDG_CONFIG_HOME", unwritable.c_str(), 1);
        qt::QtSettingsStore store;
        store.SaveSetting("Tagrota", "Settings", "SigDuration", "7");
        store.Flush("Tagrota");
        const std::string why = store.SaveStatus("Tagrota").reason;
        return ::write(answer[1], why.data(), why.size()) >= 0;
    });
    ::close(answer[1]);
    char why[200] = {};
    [[maybe_unused]] auto n = ::read(answer[0], why, sizeof why - 1);
    ::close(answer[0]);
    EXPECT_STREQ(why, "Permission denied");
}

// --print's store reads a damaged file as far as it goes and writes nothing.
TEST_F(QtSettings, AReadOnlyStoreReadsADamagedFileAndWritesNothing) {
    std::filesystem::create_directories(config.File("Tagrota"));
    const std::string ini = config.File("Tagrota/Tagrota.ini");
    test::WriteBytes(ini, "[Settings]\nSigDuration=30\nDoWr");
    {
        qt::QtSettingsStore store(nullptr, qt::SettingsAccess::ReadOnly);
        EXPECT_EQ(store.GetSetting("Tagrota", "Settings", "SigDuration", ""), "30");
        EXPECT_TRUE(test::Holds(store.ReadStatus("Tagrota").reason, {"not a valid settings file"}));
        store.SaveSetting("Tagrota", "Settings", "SigDuration", "7");
        store.Flush("Tagrota");
    }
    EXPECT_EQ(test::ReadBytes(ini), "[Settings]\nSigDuration=30\nDoWr");
    std::size_t names = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(config.File("Tagrota")))
        ++names;
    EXPECT_EQ(names, 1u) << "no copy of it";
}

}  // namespace
}  // namespace tagrota
