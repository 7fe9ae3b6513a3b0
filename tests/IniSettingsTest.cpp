// The command line's reader of the settings file reads what the window's
// store wrote, and what a hand edit left, as the window's store reads it.

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <cstdlib>
#include <map>

#include "TestSupport.h"
#include "platform/IniSettings.h"
#include "platform/qt/QtServices.h"

namespace tagrota {
namespace {

class IniSettings : public ::testing::Test {
protected:
    IniSettings() { ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~IniSettings() override { ::unsetenv("XDG_CONFIG_HOME"); }
    test::TempDir config;
};

// Texts made of the characters the file format gives a meaning, escapes and
// their look-alikes, and letters beyond ASCII.
rc::Gen<std::string> AnAwkwardText() {
    return rc::gen::map(rc::gen::container<std::vector<std::string>>(rc::gen::element<std::string>(
                            ",", "\"", "\\", ";", "=", " ", "\n", "\r\n", "\t", "@", "@@", "[", "]",
                            "#", "a", "7", "f", "x", std::string(1, '\0'), "\x01", "\x1f", "\x7f",
                            "caf\u00e9", "\u65e5\u672c", "\U0001F600", "\\x41", "%20", "/")),
                        [](const std::vector<std::string>& pieces) {
                            std::string text;
                            for (const std::string& piece : pieces) text += piece;
                            return text;
                        });
}

TEST_F(IniSettings, ReadsEveryTextTheWindowsStoreWrote) {
    const std::string location = qt::QtSettingsStore::Location("Tagrota");
    EXPECT_EQ(IniSettingsReader::Location("Tagrota"), location);
    const auto roundTrip = [&] {
        const std::vector<std::string> texts =
            *rc::gen::container<std::vector<std::string>>(AnAwkwardText());
        const std::string names[] = {"RandomFile", "Fix Path", "a.b-c_d", "Key"};
        std::map<std::string, std::string> values;
        for (std::size_t i = 0; i < texts.size(); ++i)
            values[names[i % 4] + std::to_string(i)] = texts[i];
        std::filesystem::remove(location);
        {
            qt::QtSettingsStore store;
            for (const auto& [key, value] : values)
                store.SaveSetting("Tagrota", "Settings", key, value);
        }
        IniSettingsReader reader;
        RC_ASSERT(reader.ReadStatus("Tagrota").ok);
        for (const auto& [key, value] : values)
            RC_ASSERT(reader.GetSetting("Tagrota", "Settings", key, "-") == value);
        RC_ASSERT(reader.GetSetting("Tagrota", "Settings", "Missing", "-") == "-");
    };
    EXPECT_TRUE(rc::check("every text reads back exactly", roundTrip));
}

TEST_F(IniSettings, ReadsAHandEditedFileAsTheWindowsStoreDoes) {
    const std::string location = qt::QtSettingsStore::Location("Tagrota");
    std::filesystem::create_directories(config.Path() / "Tagrota");
    test::WriteBytes(location,
                     "; my settings\n"
                     "[Settings]\n"
                     "  RandomFile = /home/me/quotes.txt  \n"
                     "List=a, b ,c\n"
                     "Quoted=\"  spaced, \\\"quoted\\\"  \"\n"
                     "Comment=value ; and a comment\n"
                     "Continued=one \\\n"
                     "two\n"
                     "Escapes=tab\\there\\x263a\\101\n"
                     "Typed=@@at\n"
                     "Key%20With%U00E9=spaced key\n"
                     "Sub\\Key=under a group\n"
                     "[General]\n"
                     "Top=level\n");
    qt::QtSettingsStore qtStore(nullptr, qt::SettingsAccess::ReadOnly);
    IniSettingsReader reader;
    for (const char* key : {"RandomFile", "List", "Quoted", "Comment", "Continued", "Escapes",
                            "Typed", "Key With\u00e9", "Sub/Key", "Missing"})
        EXPECT_EQ(reader.GetSetting("Tagrota", "Settings", key, "-"),
                  qtStore.GetSetting("Tagrota", "Settings", key, "-"))
            << key;
    EXPECT_TRUE(reader.ReadStatus("Tagrota").ok);

    // Cut in the middle of a key: what comes before it is read, and the file
    // is said to be damaged, as the window's store says.
    test::WriteBytes(location, "[Settings]\nRandomFile=/q.txt\nSigDuration=30\nDoWr");
    IniSettingsReader damaged;
    qt::QtSettingsStore qtDamaged(nullptr, qt::SettingsAccess::ReadOnly);
    EXPECT_EQ(damaged.GetSetting("Tagrota", "Settings", "SigDuration", "-"), "30");
    EXPECT_EQ(damaged.ReadStatus("Tagrota").ok, qtDamaged.ReadStatus("Tagrota").ok);
    EXPECT_FALSE(damaged.ReadStatus("Tagrota").ok);
}

}  // namespace
}  // namespace tagrota
