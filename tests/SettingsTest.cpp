#include <gtest/gtest.h>

#include "engine/Settings.h"
#include "platform/headless/HeadlessPlatform.h"

namespace tagrota {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    std::string& Stored(const char* key) { return store.values[{kAppName, kSettingsSection, key}]; }
    ProgramState Read(const std::string& programDir = "/opt/Tagrota") {
        ProgramState state;
        SettingsReader reader(store, programDir);
        geometry = reader.ReadGeometry();
        reader.ReadProgramSettings(state);
        return state;
    }
    headless::SettingsStore store;
    WindowGeometry geometry;
};

TEST_F(SettingsTest, FirstRunGivesTheDefaults) {
    // The window and the files; MainWindowTest sees the rest on the screen.
    ProgramState s = Read();
    EXPECT_TRUE(geometry.Left == 1000 && geometry.Top == 1000 && geometry.Width == 5000 &&
                geometry.Height == 5000);
    EXPECT_EQ(s.Files.CurrentPath(), "/opt/Tagrota/sig.txt");
    EXPECT_FALSE(s.DoWrap || s.InSysTray || s.StartMin || s.UseSeq);
    EXPECT_TRUE(store.saves.empty()) << "reading writes nothing";

    // In the root folder the defaults double the separator; the fixed file does not.
    s = Read("/");
    EXPECT_EQ(s.Files.RandomPath(), "//collections-political.txt");
    EXPECT_EQ(s.Files.CurrentPath(), "//sig.txt");
    EXPECT_EQ(FixedSignaturePath("/"), "/fixed.txt");
}

TEST_F(SettingsTest, StoredTextsConvertOrFallBackToTheDefault) {
    struct Case {
        const char* stored;
        float left;
        Integer wrap, duration;
        bool flag;
    } cases[] = {
        {"7", 7, 32, 7, false},  // a width below its range is raised to 32
        {"-120.5", -120.5f, 32, 5, false},
        {"64.5", 64.5f, 64, 60, false},  // halves go to the even neighbour
        {"true", 1000, 65, 20, true},    // flags in any letter case
        {"FALSE", 1000, 65, 20, false},
        {"-1", -1, 32, 5, true},
        {"0", 0, 32, 5, false},
        {"99999", 99999, 65, 20, false},  // too big for an Integer: the default
        {"12px", 1000, 65, 20, false},
        {"", 1000, 65, 20, false},
        {"nan", 1000, 65, 20, false},
    };
    for (const Case& c : cases) {
        for (const char* key : {SettingKey::MainLeft, SettingKey::WrapCount,
                                SettingKey::SigDuration, SettingKey::DoWrap})
            Stored(key) = c.stored;
        ProgramState s = Read();
        EXPECT_EQ(geometry.Left, c.left) << c.stored;
        EXPECT_EQ(s.WrapCount, c.wrap) << c.stored;
        EXPECT_EQ(s.SigDuration, c.duration) << c.stored;
        EXPECT_EQ(s.DoWrap, c.flag) << c.stored;
    }
    Stored(SettingKey::WrapCount) = "500";
    Stored(SettingKey::RandomFile) = "";  // an empty path names no file
    ProgramState s = Read();
    EXPECT_EQ(s.WrapCount, 128);
    EXPECT_EQ(s.Files.RandomPath(), "/opt/Tagrota/collections-political.txt");
}

}  // namespace
}  // namespace tagrota
