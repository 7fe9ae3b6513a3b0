// The real settings store, in a temporary configuration folder.

#include <gtest/gtest.h>

#include <cstdlib>

#include "TestSupport.h"
#include "engine/Settings.h"
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

TEST_F(QtSettings, TheProgramsSettingsRoundTripThroughTheUsersIniFile) {
    ProgramState s;
    s.WrapCount = 128;
    s.DoWrap = s.StartMin = s.UseSeq = true;
    s.Files.ChooseNextCollection("/home/me/quotes; #1 = \"best\" \u00e9.txt");
    s.SigDuration = 5;
    {
        qt::QtSettingsStore store;
        WriteSettings(store, s, WindowGeometry{-15, 30.5f, 6300, 5500});
    }
    qt::QtSettingsStore store;
    SettingsReader reader(store, "/unused");
    WindowGeometry g = reader.ReadGeometry();
    ProgramState t;
    reader.ReadProgramSettings(t);
    EXPECT_TRUE(g.Left == -15 && g.Top == 30.5f && g.Width == 6300 && g.Height == 5500);
    EXPECT_TRUE(t.DoWrap && t.StartMin && t.UseSeq && !t.InSysTray);
    EXPECT_TRUE(t.WrapCount == 128 && t.SigDuration == 5);
    EXPECT_EQ(t.Files.RandomPath(), s.Files.RandomPath());
    EXPECT_EQ(qt::QtSettingsStore::Location("Tagrota"), config.File("Tagrota/Tagrota.ini"));
    const std::string ini = test::ReadBytes(config.File("Tagrota/Tagrota.ini"));
    EXPECT_NE(ini.find("[Settings]\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("DoWrap=True"), std::string::npos) << ini;
}

}  // namespace
}  // namespace tagrota
