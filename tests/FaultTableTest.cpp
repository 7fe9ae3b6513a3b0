// Bad files and failing file systems, one row each, through the real start-up,
// rotations and closing, with the real settings file: the program keeps going,
// tells the user what went wrong where they must know (which file, why), and
// every file of the user's is byte for byte as it was. docs/robustness.md
// describes each row.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "TestSupport.h"
#include "platform/TextFile.h"
#include "platform/qt/QtServices.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

struct Faults {
    test::MainRig& rig;
    test::TempDir& config;
    std::string At(const std::string& name) const { return rig.dir.File(name); }
    std::string Ini() const { return config.File("Tagrota/Tagrota.ini"); }
    // The settings file: [Settings] and these lines.
    void Settings(const std::string& lines) const {
        fs::create_directories(config.File("Tagrota"));
        WriteBytes(Ini(), "[Settings]\n" + lines);
    }
    // A collection file of these bytes, configured.
    void Collection(const std::string& bytes) const {
        WriteBytes(At("quotes.txt"), bytes);
        Settings("RandomFile=" + At("quotes.txt") + "\n");
    }
    // While Tagrota runs, its settings folder moves aside and a file takes its
    // place, so that no save can reach it.
    void BlockSettingsFolder() const {
        fs::rename(config.File("Tagrota"), config.File("Tagrota-aside"));
        WriteBytes(config.File("Tagrota"), "a file in the way");
    }
};

struct Row {
    const char* name;
    std::function<void(Faults&)> arrange;
    // Each message shown, in order, as pieces of its text; "@" stands for the
    // program folder, "~" for the settings folder.
    std::vector<std::vector<std::string>> messages;
    // Files the program may replace: the signature it writes, its settings.
    std::vector<std::string> rewritten = {"@/sig.txt", "~/Tagrota/Tagrota.ini"};
    std::function<void(Faults&)> beforeClose = nullptr;
    std::function<void(Faults&)> check = nullptr;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

std::string Binary() {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7) % 256);
    return bytes;
}

std::string FiftyMegabyteLine() {
    std::string line;
    line.reserve(50u << 20);
    while (line.size() < (50u << 20)) line += "lorem ipsum dolor sit amet ";
    return line;
}

const Row kRows[] = {
    {"CollectionIsAFolder",
     [](Faults& f) {
         fs::create_directory(f.At("quotes"));
         f.Settings("RandomFile=" + f.At("quotes") + "\n");
     },
     {{"@/quotes", "could not be read: Is a directory", "The Default is being used"}}},
    {"CollectionUnreadable",
     [](Faults& f) {
         f.Collection("A\r\n%\r\nB\r\n%\r\n");
         f.rig.files.failReads.insert(f.At("quotes.txt"));
     },
     {{"@/quotes.txt", "could not be read: Input/output error"}}},
    {"CollectionEmpty",
     [](Faults& f) { f.Collection(""); },
     {{"@/quotes.txt", "does not hold any signatures"}}},
    {"CollectionBinary",
     [](Faults& f) { f.Collection(Binary()); },
     {{"@/quotes.txt", "does not hold any signatures"}}},
    {"CollectionOfFFBytes",
     [](Faults& f) { f.Collection(std::string(4096, '\xFF')); },
     {{"@/quotes.txt", "does not hold any signatures"}}},
    {"CollectionNotUtf8",  // read as Windows-1252, written as UTF-8
     [](Faults& f) { f.Collection("Caf\xE9\r\n%\r\nna\xEFve\r\n%\r\n"); },
     {},
     {"@/sig.txt", "~/Tagrota/Tagrota.ini"},
     nullptr,
     [](Faults& f) {
         const std::string sig = f.rig.Signature();
         EXPECT_TRUE(IsValidUtf8(sig));
         EXPECT_TRUE(sig.ends_with("Caf\xC3\xA9") || sig.ends_with("na\xC3\xAFve")) << sig;
     }},
    {"CollectionOneFiftyMegabyteLine",
     [](Faults& f) { f.Collection(FiftyMegabyteLine()); },
     {{"@/quotes.txt", "does not hold any signatures"}}},
    {"FixedSignatureUnreadable",
     [](Faults& f) {
         WriteBytes(f.At("fixed.txt"), "-- \r\nMe\r\n");
         f.rig.files.failReads.insert(f.At("fixed.txt"));
     },
     {{"@/fixed.txt", "could not be read: Input/output error", "default fixed signature"}}},
    {"SignatureInAMissingFolder",
     [](Faults& f) { f.Settings("CurrentFile=" + f.At("gone/sig.txt") + "\n"); },
     {{"@/gone/sig.txt", "could not be written: No such file or directory", "keeps trying"}}},
    {"SignatureInAReadOnlyFolder",
     [](Faults& f) {
         fs::create_directory(f.At("out"));
         f.rig.files.readOnly.insert(f.At("out"));
         f.Settings("CurrentFile=" + f.At("out/sig.txt") + "\n");
     },
     {{"@/out/sig.txt", "could not be written: Permission denied"}}},
    {"SignatureFileReadOnly",
     [](Faults& f) {
         WriteBytes(f.At("sig.txt"), "the signature I froze\r\n");
         fs::permissions(f.At("sig.txt"), fs::perms::owner_read | fs::perms::group_read);
     },
     {{"@/sig.txt", "could not be written: Permission denied"}},
     {"~/Tagrota/Tagrota.ini"}},
    {"SettingsNotIni",
     [](Faults& f) {
         fs::create_directories(f.config.File("Tagrota"));
         WriteBytes(f.Ini(), "\x7F\x45LF\x02\x01\x01\n[\xFF\xFE\nnot=\x01settings\n");
     },
     {{"~/Tagrota/Tagrota.ini", "not a valid settings file", "~/Tagrota/Tagrota.ini.damaged"}}},
    {"SettingsTruncated",  // cut in the middle of a key
     [](Faults& f) { f.Settings("SigDuration=30\nWrapCount=70\nDoWr"); },
     {{"~/Tagrota/Tagrota.ini", "not a valid settings file", "~/Tagrota/Tagrota.ini.damaged"}},
     {"@/sig.txt", "~/Tagrota/Tagrota.ini"},
     nullptr,
     [](Faults& f) {
         EXPECT_EQ(f.rig.Form().state.SigDuration, 30) << "what could be read is used";
         EXPECT_EQ(ReadBytes(f.Ini() + ".damaged"),
                   "[Settings]\nSigDuration=30\nWrapCount=70\nDoWr");
     }},
    {"SettingsUnwritableAtClose",  // its folder replaced by a file while Tagrota runs
     [](Faults& f) { f.Settings("SigDuration=30\n"); },
     {{"could not save its settings to ~/Tagrota/Tagrota.ini", "Not a directory"}},
     {"@/sig.txt", "~/Tagrota/Tagrota.ini"},
     [](Faults& f) { f.BlockSettingsFolder(); },
     [](Faults& f) {
         EXPECT_EQ(ReadBytes(f.config.File("Tagrota-aside/Tagrota.ini")),
                   "[Settings]\nSigDuration=30\n");
         EXPECT_EQ(ReadBytes(f.config.File("Tagrota")), "a file in the way");
     }},
    {"SettingsNotIniAndUnwritableAtClose",
     [](Faults& f) { f.Settings("SigDuration=30\n[Sett"); },
     {{"~/Tagrota/Tagrota.ini", "not a valid settings file"},
      {"could not save its settings to ~/Tagrota/Tagrota.ini", "Not a directory"}},
     {"@/sig.txt", "~/Tagrota/Tagrota.ini"},
     [](Faults& f) { f.BlockSettingsFolder(); },
     [](Faults& f) {
         EXPECT_EQ(ReadBytes(f.config.File("Tagrota-aside/Tagrota.ini")),
                   "[Settings]\nSigDuration=30\n[Sett");
         EXPECT_EQ(ReadBytes(f.config.File("Tagrota-aside/Tagrota.ini.damaged")),
                   "[Settings]\nSigDuration=30\n[Sett");
     }},
    {"ProgramFolderReadOnly",
     [](Faults& f) { f.rig.files.readOnly.insert(f.rig.dir.Path().string()); },
     {{"@/collections-political.txt", "could not be created: Permission denied"},
      {"@/sig.txt", "could not be written: Permission denied"}}},
};

class FaultTable : public ::testing::TestWithParam<Row> {
protected:
    FaultTable() { ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~FaultTable() override { ::unsetenv("XDG_CONFIG_HOME"); }

    std::string Expand(std::string text) const {
        for (auto [mark, path] : {std::pair{'@', rig.dir.Path()}, std::pair{'~', config.Path()}})
            for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
                text.replace(at, 1, path.string());
        return text;
    }
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const fs::path& root : {rig.dir.Path(), config.Path()})
            for (const auto& entry : fs::recursive_directory_iterator(root))
                if (entry.is_regular_file()) files[entry.path().string()] = ReadBytes(entry.path());
        return files;
    }

    test::TempDir config;
    qt::QtSettingsStore store;
    test::MainRig rig;
};

TEST_P(FaultTable, KeepsGoingSaysWhatAndLeavesTheUsersFilesAlone) {
    const Row& row = GetParam();
    Faults faults{rig, config};
    row.arrange(faults);
    const auto before = Files();

    rig.settings = &store;
    rig.Start();
    rig.platform.Advance(65000);  // three more rotations
    if (row.beforeClose) row.beforeClose(faults);
    rig.Window().UserClose();
    EXPECT_EQ(rig.closed, 1);

    ASSERT_EQ(rig.messages.shown.size(), row.messages.size());
    for (std::size_t i = 0; i < row.messages.size(); ++i)
        for (const std::string& piece : row.messages[i])
            EXPECT_NE(rig.messages.shown[i].text.find(Expand(piece)), std::string::npos)
                << rig.messages.shown[i].text << "\nlacks: " << Expand(piece);

    std::set<std::string> rewritten;
    for (const std::string& file : row.rewritten) rewritten.insert(Expand(file));
    for (const auto& [path, bytes] : before)
        EXPECT_TRUE(rewritten.count(path) || ReadBytes(path) == bytes) << path << " changed";
    // A damaged settings file is kept whole beside the new one.
    const std::string copy = faults.Ini() + ".damaged";
    EXPECT_TRUE(!fs::exists(copy) || ReadBytes(copy) == before.at(faults.Ini()));
    if (row.check) row.check(faults);
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultTable, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tagrota
