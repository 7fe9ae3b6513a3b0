#include <gtest/gtest.h>

#include "engine/Settings.h"
#include "platform/headless/HeadlessPlatform.h"

namespace tagrota {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void Store(const char* key, const std::string& value) {
        store.values[{kAppName, kSettingsSection, key}] = value;
    }
    std::string Stored(const char* key) { return store.values[{kAppName, kSettingsSection, key}]; }
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
    ProgramState s = Read();
    EXPECT_EQ(geometry.Left, 1000);
    EXPECT_EQ(geometry.Top, 1000);
    EXPECT_EQ(geometry.Width, 5000);
    EXPECT_EQ(geometry.Height, 5000);
    EXPECT_EQ(s.SigPath, "/opt/Tagrota");
    EXPECT_EQ(s.WrapCount, 65);
    EXPECT_EQ(s.SigDuration, 20);
    EXPECT_FALSE(s.DoWrap || s.InSysTray || s.StartMin || s.UseSeq);
    EXPECT_EQ(s.RandomPath, "/opt/Tagrota/collections-political.txt");
    EXPECT_EQ(s.CurrentPath, "/opt/Tagrota/sig.txt");
    EXPECT_TRUE(store.saves.empty()) << "reading writes nothing";
}

TEST_F(SettingsTest, ProgramInTheRootFolder) {
    ProgramState s = Read("/");
    EXPECT_EQ(s.RandomPath, "//collections-political.txt");
    EXPECT_EQ(s.CurrentPath, "//sig.txt");
    EXPECT_EQ(FixedSignaturePath("/"), "/fixed.txt");
    EXPECT_EQ(FixedSignaturePath("/opt/Tagrota"), "/opt/Tagrota/fixed.txt");
}

TEST_F(SettingsTest, StoredValuesAreRead) {
    Store(SettingKey::MainLeft, "-120.5");
    Store(SettingKey::MainHeight, "7200");
    Store(SettingKey::WrapCount, "72");
    Store(SettingKey::DoWrap, "True");
    Store(SettingKey::InSysTray, "true");
    Store(SettingKey::StartMin, "-1");
    Store(SettingKey::UseSeq, "FALSE");
    Store(SettingKey::SigDuration, "5");
    Store(SettingKey::RandomFile, "/home/me/My Quotes, \"best\" #1; a=b\\c \u00e9t\u00e9.txt");
    ProgramState s = Read();
    EXPECT_EQ(geometry.Left, -120.5f);
    EXPECT_EQ(geometry.Height, 7200);
    EXPECT_EQ(s.WrapCount, 72);
    EXPECT_TRUE(s.DoWrap);
    EXPECT_TRUE(s.InSysTray);
    EXPECT_TRUE(s.StartMin);
    EXPECT_FALSE(s.UseSeq);
    EXPECT_EQ(s.SigDuration, 5);
    EXPECT_EQ(s.RandomPath, "/home/me/My Quotes, \"best\" #1; a=b\\c \u00e9t\u00e9.txt");
}

TEST_F(SettingsTest, ValuesThatDoNotConvertReadAsTheDefault) {
    Store(SettingKey::MainLeft, "left");
    Store(SettingKey::MainTop, "12px");
    Store(SettingKey::MainWidth, "nan");
    Store(SettingKey::WrapCount, "");
    Store(SettingKey::SigDuration, "99999");
    Store(SettingKey::DoWrap, "yes");
    Store(SettingKey::UseSeq, "2");
    ProgramState s = Read();
    EXPECT_EQ(geometry.Left, 1000);
    EXPECT_EQ(geometry.Top, 1000);
    EXPECT_EQ(geometry.Width, 5000);
    EXPECT_EQ(s.WrapCount, 65);
    EXPECT_EQ(s.SigDuration, 20);
    EXPECT_FALSE(s.DoWrap);
    EXPECT_FALSE(s.UseSeq);
}

TEST_F(SettingsTest, DurationAndWidthAreBroughtIntoTheirRange) {
    Store(SettingKey::SigDuration, "2");
    Store(SettingKey::WrapCount, "500");
    ProgramState s = Read();
    EXPECT_EQ(s.SigDuration, 5);
    EXPECT_EQ(s.WrapCount, 128);
    Store(SettingKey::SigDuration, "32767");
    Store(SettingKey::WrapCount, "-4");
    s = Read();
    EXPECT_EQ(s.SigDuration, 60);
    EXPECT_EQ(s.WrapCount, 32);
}

TEST(SettingConversions, NumbersAndFlags) {
    EXPECT_EQ(ParseInteger(" 42 "), 42);
    EXPECT_EQ(ParseInteger("64.5"), 64);  // halves go to the even neighbour
    EXPECT_EQ(ParseInteger("65.5"), 66);
    EXPECT_EQ(ParseInteger("-32768"), -32768);
    EXPECT_EQ(ParseInteger("32768"), std::nullopt);
    EXPECT_EQ(ParseInteger("4x"), std::nullopt);
    EXPECT_EQ(ParseBoolean("tRuE"), true);
    EXPECT_EQ(ParseBoolean("1"), true);
    EXPECT_EQ(ParseBoolean("0"), false);
    EXPECT_EQ(ParseBoolean(""), std::nullopt);
    EXPECT_EQ(FormatSingle(1000.0f), "1000");
    EXPECT_EQ(FormatSingle(1234.5f), "1234.5");
    for (float f : {0.1f, -3.75f, 123456.7f, 16777216.0f})
        EXPECT_EQ(ParseSingle(FormatSingle(f)), f) << "every single reads back exactly";
}

TEST_F(SettingsTest, ClosingWritesEveryKeyInOrder) {
    ProgramState s = Read();
    s.SigPath = "C:\\old place";
    s.DoWrap = true;
    WriteSettings(store, s, WindowGeometry{15, 30, 6300, 5500});
    EXPECT_EQ(store.saves,
              (std::vector<std::string>{"MainLeft", "MainTop", "MainWidth", "MainHeight",
                                        "WrapCount", "InSysTray", "SigPath", "DoWrap",
                                        "RandomFile", "CurrentFile", "SigDuration", "StartMin",
                                        "UseSeq"}));
    EXPECT_EQ(Stored(SettingKey::MainWidth), "6300");
    EXPECT_EQ(Stored(SettingKey::WrapCount), "65");
    EXPECT_EQ(Stored(SettingKey::DoWrap), "True");
    EXPECT_EQ(Stored(SettingKey::UseSeq), "False");
    EXPECT_EQ(Stored(SettingKey::SigPath), "C:\\old place");
}

TEST_F(SettingsTest, ClosingMinimisedKeepsTheStoredGeometry) {
    Store(SettingKey::MainLeft, "333");
    ProgramState s = Read();
    WriteSettings(store, s, std::nullopt);
    EXPECT_EQ(store.saves.size(), 9u);
    EXPECT_EQ(store.saves.front(), "WrapCount");
    EXPECT_EQ(Stored(SettingKey::MainLeft), "333");
}

TEST_F(SettingsTest, WhatClosingWritesTheNextStartReads) {
    ProgramState s;
    s.SigPath = "/x";
    s.WrapCount = 100;
    s.DoWrap = true;
    s.InSysTray = true;
    s.RandomPath = "/q.txt";
    s.CurrentPath = "/s.txt";
    s.SigDuration = 45;
    s.StartMin = true;
    s.UseSeq = true;
    WriteSettings(store, s, WindowGeometry{1.5f, 2, 3, 4});
    ProgramState t = Read();
    EXPECT_EQ(geometry.Left, 1.5f);
    EXPECT_EQ(geometry.Height, 4);
    EXPECT_EQ(t.SigPath, s.SigPath);
    EXPECT_EQ(t.WrapCount, s.WrapCount);
    EXPECT_EQ(t.DoWrap, s.DoWrap);
    EXPECT_EQ(t.InSysTray, s.InSysTray);
    EXPECT_EQ(t.RandomPath, s.RandomPath);
    EXPECT_EQ(t.CurrentPath, s.CurrentPath);
    EXPECT_EQ(t.SigDuration, s.SigDuration);
    EXPECT_EQ(t.StartMin, s.StartMin);
    EXPECT_EQ(t.UseSeq, s.UseSeq);
}

}  // namespace
}  // namespace tagrota
