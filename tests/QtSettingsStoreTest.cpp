// The real settings store, in a temporary configuration folder. The settings
// through it at start-up and closing are FaultTableTest's, --print's
// ProgramTest's.

#include <gtest/gtest.h>

#include <pwd.h>
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
// password database gives (not to "//.config"). FaultTableTest has a folder
// that cannot be made.
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
}

}  // namespace
}  // namespace tagrota
