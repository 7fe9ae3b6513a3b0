#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class StartupLoad : public ::testing::Test {
protected:
    std::string Default() { return rig.dir.File("collections-political.txt"); }
    // A collection file with this content (or none) configured, then start-up.
    std::string StartWith(const std::string& name, const char* content) {
        const std::string path = rig.dir.File(name);
        if (content) WriteBytes(path, content);
        rig.Store(SettingKey::RandomFile, path);
        rig.Start();
        return path;
    }
    // The one message shown names the file and says why.
    void ExpectOneMessage(const std::string& path, const std::string& why) {
        ASSERT_EQ(rig.messages.shown.size(), 1u);
        EXPECT_TRUE(test::Holds(rig.messages.shown[0].text, {path, why}));
    }
    std::string Text(const char* editor) { return rig.Editor(editor).GetText(); }
    test::MainRig rig;
};

TEST_F(StartupLoad, LoadsTheFilesThatExist) {
    WriteBytes(rig.dir.File("fixed.txt"), "-- \r\nMe\r\n");
    WriteBytes(rig.dir.File("sig.txt"), "last time");
    const std::string mine = StartWith("my quotes, #1.txt", "A\r\n%\r\nB\r\n%\r\nC");
    // Read while the window is built and handed to the load, which reads it
    // again only when the file has changed since.
    EXPECT_EQ(rig.files.Reads(mine), 1);
    EXPECT_EQ(Text("txtFixedSig"), "-- \r\nMe\r\n");
    EXPECT_EQ(test::AsSignatureFile(Text("txtCurrent")), rig.Signature())
        << "the first rotation replaced the last one";
    EXPECT_EQ(rig.Signature().rfind("-- \nMe\n\n", 0), 0u);
    EXPECT_EQ(rig.Form().state.SigCount, 2);
    EXPECT_EQ(rig.Form().state.Files.RandomPath(), mine);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_FALSE(rig.files.FileExists(Default()));
}

TEST_F(StartupLoad, CollectionWithoutSeparatorsFallsBackToTheDefault) {
    const std::string bad = StartWith("bad.txt", "A\r\n%%\r\nB\r\n");
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "ERROR");
    EXPECT_EQ(rig.messages.shown[0].style, MsgBoxStyle::Information);
    EXPECT_EQ(rig.messages.shown[0].text,
              "Your specified signature collection file does not hold any signatures.\r\n"
              "The Default is being used. The invalid file name is:\r\n" +
                  bad);
    EXPECT_EQ(rig.Tabs().history, (std::vector<int>{3, 1, 0}));
    EXPECT_EQ(ReadBytes(Default()),
              EncodeText(DefaultCollectionText(), {TextEncoding::Utf8, LineEnding::Lf}));
    EXPECT_EQ(rig.Form().state.SigCount, 3);
    EXPECT_EQ(rig.Form().state.Files.RandomPath(), Default());
    EXPECT_EQ(rig.Find<headless::TextBox>("txtRPath").GetText(), Default());
    EXPECT_EQ(ReadBytes(bad), "A\r\n%%\r\nB\r\n") << "the user's file is left alone";
}

TEST_F(StartupLoad, DefaultWithoutSeparatorsEitherGivesTheFixedSignatureAlone) {
    WriteBytes(rig.dir.File("sig.txt"), "an old signature");
    WriteBytes(Default(), "no separator in the default");
    const std::string bad = StartWith("bad.txt", "none here either");
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    const std::string& text = rig.messages.shown[0].text;
    EXPECT_TRUE(
        test::Holds(text, {"No quotations are available from either file", bad, Default()}));
    EXPECT_EQ(text.find("The Default is being used"), std::string::npos);
    EXPECT_EQ(rig.Tabs().history, (std::vector<int>{3, 1, 0}));

    // The fixed text alone, and nothing after it.
    EXPECT_EQ(rig.Signature(), test::AsSignatureFile(DefaultFixedText()));
    rig.platform.Advance(20000);
    EXPECT_EQ(rig.messages.shown.size(), 1u) << "said once";
}

TEST_F(StartupLoad, PercentLineThatEndsTheFileSeparatesLikeTheOthers) {
    rig.Store(SettingKey::UseSeq, "True");
    StartWith("saved.txt", "First quote\r\n%\r\nSecond quote\r\n%\r\nThird quote\r\n%");
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.Form().state.SigCount, 3);
    std::vector<std::string> quotes;
    for (int i = 0; i < 3; ++i) {
        if (i == 2) rig.Find<headless::CheckBox>("chkWordWrap").Click();
        quotes.push_back(Text("txtCurrent").substr(DefaultFixedText().size() + 2));
        rig.platform.Advance(20000);
    }
    EXPECT_EQ(quotes, (std::vector<std::string>{"Second quote", "Third quote", "First quote"}));
    EXPECT_EQ(rig.Signature(), test::AsSignatureFile(DefaultFixedText() + "\r\nSecond quote"));
    rig.platform.Advance(20000);
    EXPECT_EQ(rig.Signature(), test::AsSignatureFile(DefaultFixedText() + "\r\nThird quote"))
        << "wrapped too";
}

TEST_F(StartupLoad, LfOnlyCollectionWorksLikeCrLf) {
    StartWith("unix.txt", "A\n%\nB\n%\nC\n");
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.Form().state.Sigs.Views(), (std::vector<std::string_view>{"A", "B", "C\r\n"}));
}

TEST_F(StartupLoad, FilesThatCannotBeCreatedStillGiveSignatures) {
    const std::string nowhere = StartWith("no such folder/quotes.txt", nullptr);
    ExpectOneMessage(nowhere, "No such file or directory");
    EXPECT_EQ(Text("txtRandom"), PlaceholderCollectionText());
    EXPECT_EQ(rig.Form().state.SigCount, 2);
    EXPECT_EQ(rig.Form().state.Files.RandomPath(), nowhere);

    test::MainRig again;
    again.files.failWrites.insert(again.dir.File("collections-political.txt"));
    WriteBytes(again.dir.File("bad.txt"), "nothing");
    again.Store(SettingKey::RandomFile, again.dir.File("bad.txt"));
    again.Start();
    EXPECT_EQ(again.messages.shown.size(), 2u);
    EXPECT_EQ(again.Form().state.SigCount, 3);
    EXPECT_EQ(again.Editor("txtRandom").GetText(), DefaultCollectionText());
}

}  // namespace
}  // namespace tagrota
