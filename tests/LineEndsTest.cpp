// Line ends: the signature file and `tagrota --print` give Unix text by
// default (LF, one line end at the close) or the editors' CR LF when the
// setting "SigLineEnds" says so; files the program creates follow the
// setting, files it loaded keep their own line ends when saved.

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "engine/PrintSignature.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

using test::ReadBytes;
using test::WriteBytes;

std::string Lf(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

// The editor's CR LF text that a file of Unix text shows: its last line end
// dropped, every other LF made CR LF.
std::string AsShown(const std::string& file) {
    std::string out;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\n' && i + 1 == file.size()) break;
        if (file[i] == '\n') out += '\r';
        out += file[i];
    }
    return out;
}

// A few lines of a few words, joined by any mix of line ends, at times with
// line ends and blank lines at the close. Drawn inside a property.
std::string Lines() {
    static const char* const ends[] = {"\r\n", "\n", "\r", "\r\n\r\n"};
    std::string text;
    const int count = *rc::gen::inRange(0, 5);
    for (int i = 0; i < count; ++i)
        text += *rc::gen::container<std::string>(rc::gen::elementOf(std::string("ab %-.\t"))) +
                ends[*rc::gen::inRange(0, 4)];
    return text;
}

RC_GTEST_PROP(SignatureFile, IsTheShownSignatureInTheChosenLineEnds, ()) {
    test::EngineRig rig;
    const std::string fixed = Lines();
    std::string collection;
    for (int n = *rc::gen::inRange(0, 4); n > 0; --n) collection += Lines() + "\r\n%\r\n";
    rig.txtFixedSig.SetText(fixed);
    rig.UseCollection(collection);
    rig.state.DoWrap = *rc::gen::arbitrary<bool>();
    rig.state.UseSeq = *rc::gen::arbitrary<bool>();

    for (const LineEnding ends : {LineEnding::Lf, LineEnding::CrLf, LineEnding::Lf}) {
        rig.state.SigLineEnds = ends;
        RC_ASSERT(rig.Rotate());
        const std::string shown = rig.txtCurrent.GetText();
        const std::string file = ReadBytes(rig.dir.File("sig.txt"));
        if (ends == LineEnding::CrLf) {
            RC_ASSERT(file == shown);  // the editor's text, byte for byte
            continue;
        }
        RC_ASSERT(file.find('\r') == std::string::npos);
        // Line ends at the close are one; everything before them is kept.
        std::string trimmed = shown;
        while (trimmed.ends_with("\r\n")) trimmed.resize(trimmed.size() - 2);
        RC_ASSERT(AsShown(file) == trimmed);
        if (trimmed.empty())
            RC_ASSERT(file.empty());
        else
            RC_ASSERT(file.ends_with('\n') && !file.ends_with("\n\n"));
    }
}

TEST(SignatureFile, PrintGivesTheBytesTheFileWouldHold) {
    test::TempDir dir;
    headless::HeadlessPlatform platform;
    headless::FaultyFileSystem files;
    headless::SettingsStore store;
    SplitMixRandom random;
    WriteBytes(dir.File("fixed.txt"), "-- \r\nAlan\r\n");
    WriteBytes(dir.File("one.txt"), "Simple things\r\nshould be simple.\r\n%\r\n");
    store.values[{kAppName, kSettingsSection, SettingKey::RandomFile}] = dir.File("one.txt");
    auto print = [&](const char* setting) {
        if (setting) store.values[{kAppName, kSettingsSection, SettingKey::SigLineEnds}] = setting;
        return ComposePrintedSignature(store, files, platform.clock, random, dir.Path().string())
            .text;
    };
    const std::string crlf = "-- \r\nAlan\r\n\r\nSimple things\r\nshould be simple.";
    EXPECT_EQ(print(nullptr), Lf(crlf) + "\n") << "LF when the key is absent";
    EXPECT_EQ(print("CRLF"), crlf);
    EXPECT_EQ(print("crlf"), crlf);
    EXPECT_EQ(print("LF"), Lf(crlf) + "\n");
    EXPECT_EQ(print("CR"), Lf(crlf) + "\n") << "an unknown value reads as LF";
}

class LineEnds : public ::testing::Test {
protected:
    test::MainRig rig;
};

TEST_F(LineEnds, TheSettingIsReadAndWrittenAfterTheOtherKeys) {
    rig.Store(SettingKey::SigLineEnds, "CRLF");
    rig.Start();
    EXPECT_EQ(std::ranges::count(rig.Signature(), '\r'), std::ranges::count(rig.Signature(), '\n'));
    EXPECT_FALSE(rig.Signature().ends_with('\n'));
    EXPECT_TRUE(rig.Editor("txtCurrent").GetText() == rig.Signature());
    rig.Toolbar().Click("Exit");
    ASSERT_EQ(rig.store.saves.size(), 18u);
    EXPECT_EQ(rig.store.saves[13], "SigLineEnds");
    EXPECT_EQ(rig.Stored(SettingKey::SigLineEnds), "CRLF");

    test::MainRig fresh;
    fresh.Start();
    fresh.Toolbar().Click("Exit");
    EXPECT_EQ(fresh.Stored(SettingKey::SigLineEnds), "LF");
}

TEST_F(LineEnds, CreatedFilesFollowTheSettingLoadedFilesKeepTheirOwn) {
    for (const char* setting : {"LF", "CRLF"}) {
        const bool lf = std::string(setting) == "LF";
        test::MainRig first;
        first.Store(SettingKey::SigLineEnds, setting);
        first.Start();
        // The placeholder collection, written at the first start.
        const std::string placeholder = ReadBytes(first.dir.File("collections-political.txt"));
        EXPECT_EQ(placeholder.find('\r') == std::string::npos, lf) << setting;
        EXPECT_EQ(placeholder.find("\r\n") != std::string::npos, !lf) << setting;
        // fixed.txt, written at its first save.
        first.Editor("txtFixedSig").Type("-- \r\nMe");
        first.Tabs().SetTab(0);
        first.Toolbar().Click("Save");
        const std::string fixed = ReadBytes(first.dir.File("fixed.txt"));
        EXPECT_EQ(fixed.find('\r') == std::string::npos, lf) << setting;
        EXPECT_NE(fixed.find(lf ? "\n" : "\r\n"), std::string::npos) << setting;
        // The default collection, written when the chosen one holds none.
        test::MainRig fallBack;
        fallBack.Store(SettingKey::SigLineEnds, setting);
        WriteBytes(fallBack.dir.File("none.txt"), "no quotations\n");
        fallBack.Store(SettingKey::RandomFile, fallBack.dir.File("none.txt"));
        fallBack.Start();
        const std::string byDefault = ReadBytes(fallBack.dir.File("collections-political.txt"));
        EXPECT_TRUE(byDefault.starts_with("Default")) << byDefault;
        EXPECT_EQ(byDefault.find('\r') == std::string::npos, lf) << setting;
    }

    // Files that exist keep their line ends, whichever the setting.
    for (const char* setting : {"LF", "CRLF"}) {
        for (const std::string end : {"\r\n", "\n"}) {
            test::MainRig rig;
            rig.Store(SettingKey::SigLineEnds, setting);
            WriteBytes(rig.dir.File("fixed.txt"), "-- " + end + "Me" + end);
            WriteBytes(rig.dir.File("q.txt"), "A" + end + "%" + end);
            rig.Store(SettingKey::RandomFile, rig.dir.File("q.txt"));
            rig.Start();
            // Typed text has the editor's CR LF line ends.
            rig.Editor("txtFixedSig").Type("-- \r\nMe!\r\n");
            rig.Editor("txtRandom").Type("A\r\n%\r\nB\r\n%\r\n");
            for (int tab : {0, 1}) {
                rig.Tabs().SetTab(tab);
                rig.Toolbar().Click("Save");
            }
            for (const char* name : {"fixed.txt", "q.txt"}) {
                const std::string bytes = ReadBytes(rig.dir.File(name));
                const auto lines = std::ranges::count(bytes, '\n');
                EXPECT_GE(lines, 2) << name;
                EXPECT_EQ(std::ranges::count(bytes, '\r'), end == "\n" ? 0 : lines)
                    << setting << " " << name << ": " << bytes;
            }
        }
    }
}

}  // namespace
}  // namespace tagrota
