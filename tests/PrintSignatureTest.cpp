// `tagrota --print`: one signature composed from the files and settings on
// disk, as a rotation in random mode would compose it, writing nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TestSupport.h"
#include "engine/Module1.h"
#include "engine/PrintSignature.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

class PrintSignature : public ::testing::Test {
protected:
    void Store(const char* key, const std::string& value) {
        store.values[{kAppName, kSettingsSection, key}] = value;
    }
    PrintedSignature Compose() {
        return ComposePrintedSignature(store, files, platform.clock, random, dir.Path().string());
    }
    // Every file in the folder, to see that nothing was written. The draw of
    // an entry at random is ProgramTest's, through the real program.
    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir.Path()))
            names.insert(entry.path().string());
        return names;
    }

    test::TempDir dir;
    headless::HeadlessPlatform platform;
    headless::FaultyFileSystem files;
    headless::SettingsStore store;
    SplitMixRandom random;
};

TEST_F(PrintSignature, IsWrappedAsTheSettingsSay) {
    const std::string quotation =
        "one two three four five six seven eight nine ten eleven twelve thirteen fourteen";
    WriteBytes(dir.File("mine.txt"), quotation + "\r\n%\r\n");
    Store(SettingKey::RandomFile, dir.File("mine.txt"));
    Store(SettingKey::WrapCount, "32");
    EXPECT_EQ(Compose().text, test::AsSignatureFile(DefaultFixedText() + "\r\n" + quotation))
        << "wrapping is off";
    Store(SettingKey::DoWrap, "True");
    const std::string wrapped = Compose().text;
    EXPECT_EQ(wrapped,
              test::AsSignatureFile(DefaultFixedText() + "\r\n" + RewrapQuotation(quotation, 32)));
    EXPECT_NE(wrapped.find("\n", wrapped.find(" eight")), wrapped.size() - 1);
}

TEST_F(PrintSignature, ChoosesTheCollectionAsTheStartUpDoesWithoutWritingIt) {
    // Missing: the placeholder the start-up would write there, quietly.
    Store(SettingKey::RandomFile, dir.File("missing.txt"));
    auto before = Files();
    PrintedSignature placeholder = Compose();
    EXPECT_TRUE(placeholder.problems.empty());
    EXPECT_TRUE(test::Holds(placeholder.text, {"Empty Signature Collection File"}));
    EXPECT_EQ(Files(), before);

    // Without signatures, unreadable: each says why, and the default
    // collection gives the quotation; neither file is created.
    WriteBytes(dir.File("none.txt"), "no separator here\r\n");
    WriteBytes(dir.File("locked.txt"), "a\r\n%\r\nb\r\n%\r\n");
    files.failReads.insert(dir.File("locked.txt"));
    for (const char* name : {"none.txt", "locked.txt"}) {
        Store(SettingKey::RandomFile, dir.File(name));
        before = Files();
        const PrintedSignature s = Compose();
        ASSERT_EQ(s.problems.size(), 1u) << name;
        EXPECT_TRUE(test::Holds(s.problems[0], {dir.File(name)}));
        EXPECT_TRUE(test::Holds(s.text, {"Default Signature Collection File"})) << name;
        EXPECT_EQ(Files(), before) << name;
    }
    // The default collection's own file is used where there is one; an
    // unreadable fixed file gives the default fixed text, and says so too.
    WriteBytes(dir.File(kDefaultCollectionName), "the default one\r\n%\r\n");
    WriteBytes(dir.File("fixed.txt"), "mine\r\n");
    files.failReads.insert(dir.File("fixed.txt"));
    const PrintedSignature s = Compose();
    EXPECT_EQ(s.text, test::AsSignatureFile(DefaultFixedText() + "\r\nthe default one"));
    ASSERT_EQ(s.problems.size(), 2u);
    EXPECT_TRUE(test::Holds(s.problems[0] + s.problems[1], {"fixed.txt", "locked.txt"}));

    // Where the default collection holds none either: the fixed text alone,
    // with one line end at its close, and why.
    WriteBytes(dir.File(kDefaultCollectionName), "nothing here\r\n");
    WriteBytes(dir.File("fixed.txt"), "-- \nJo\n");
    Store(SettingKey::RandomFile, dir.File("none.txt"));
    files.failReads.clear();
    const PrintedSignature alone = Compose();
    EXPECT_EQ(alone.text, "-- \nJo\n");
    EXPECT_TRUE(test::Holds(alone.problems.back(), {"fixed signature alone"}));
}

}  // namespace
}  // namespace tagrota
