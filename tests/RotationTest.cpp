#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "TestSupport.h"
#include "engine/Collection.h"

namespace tagrota {
namespace {

using test::ReadBytes;
using Quotes = std::vector<std::string>;

class Rotation : public ::testing::Test {
protected:
    // The quotations of n rotations, three seconds apart: what each wrote after
    // the fixed text.
    Quotes Rotations(int n) {
        Quotes used;
        const std::string head = rig.txtFixedSig.GetText() + "\r\n";
        for (int i = 0; i < n; ++i) {
            rig.Rotate();
            used.push_back(rig.txtCurrent.GetText().substr(head.size()));
            rig.platform.Advance(3000);
        }
        return used;
    }
    test::EngineRig rig;
};

TEST_F(Rotation, SequentialModeCyclesThroughEveryEntry) {
    rig.state.UseSeq = true;
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n");
    EXPECT_EQ(Rotations(6), (Quotes{"B", "C", "A", "B", "C", "A"}));
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC");  // a last entry without a "%" line counts
    EXPECT_EQ(Rotations(3), (Quotes{"B", "C", "A"}));
    rig.UseCollection(PlaceholderCollectionText());
    EXPECT_EQ(Rotations(2),
              (Quotes{"\r\nEmpty Signature Collection File", "Empty Signature Collection File"}));
}

TEST_F(Rotation, RandomModeUsesEveryEntryEvenly) {
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\nD\r\n%\r\nE");
    std::map<std::string, int> seen;
    for (const std::string& q : Rotations(5000)) ++seen[q];
    ASSERT_EQ(seen.size(), 5u) << "every entry is drawn, nothing else";
    for (const auto& [quote, count] : seen) {
        // A fair share is 1000; five standard deviations are about 140.
        EXPECT_GT(count, 850) << quote;
        EXPECT_LT(count, 1150) << quote;
    }
    rig.UseCollection("A\r\n%\r\n");  // an empty last piece is never drawn
    EXPECT_EQ(Rotations(20), Quotes(20, "A"));
}

TEST_F(Rotation, RandomDrawIsReseededFromTheClockAndKeptBySequentialMode) {
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\nD\r\n%\r\nE\r\n%\r\nF\r\n%\r\nG");
    rig.Rotate();
    const Long first = rig.state.QuoteNumber;
    rig.random.Reseed(12345);  // whatever the generator held before
    rig.Rotate();              // at the same time of day: the same draw
    EXPECT_EQ(rig.state.QuoteNumber, first);
    rig.state.UseSeq = true;
    rig.Rotate();
    EXPECT_EQ(rig.state.QuoteNumber, (first + 1) % 7);

    // The seed is the time of day with its fraction: a tenth of a second
    // later is another draw as often as chance has it (one in seven alike).
    rig.state.UseSeq = false;
    int alike = 0;
    for (int i = 0; i < 100; ++i) {
        rig.Rotate();
        const Long before = rig.state.QuoteNumber;
        rig.platform.Advance(100);
        rig.Rotate();
        alike += rig.state.QuoteNumber == before;
        rig.platform.Advance(1000);
    }
    EXPECT_LT(alike, 40);
}

TEST_F(Rotation, WritesTheFixedTextALineEndAndTheQuotationExactly) {
    struct Case {
        bool wrap;
        Integer width;
        std::string fixed, entry, file;
    } cases[] = {
        {false, 65, "Jo", "Hi", "Jo\r\nHi"},
        {false, 65, "---\r\n", "\r\n  Be brief.  ", "---\r\n\r\n\r\n  Be brief.  "},
        {true, 65, "--", "\r\nShort one.", "--\r\nShort one."},
        {true, 32, "--", "\r\nThe art of being wise is the art\r\nof knowing what to overlook.",
         "--\r\nThe art of being wise is the art of \r\nknowing what to overlook."},
    };
    rig.state.UseSeq = true;
    // The composition byte for byte: the Current tab's text, which CR LF writes
    // as it is (the LF form is LineEndsTest's).
    rig.state.SigLineEnds = LineEnding::CrLf;
    for (const Case& c : cases) {
        rig.state.DoWrap = c.wrap;
        rig.state.WrapCount = c.width;
        rig.state.QuoteNumber = 0;
        rig.txtFixedSig.Type(c.fixed);  // unsaved edits count at once
        rig.UseCollection("x\r\n%\r\n" + c.entry + "\r\n%\r\n");
        rig.txtRandom.Type("edits wait for the next load");
        rig.Rotate();
        EXPECT_EQ(ReadBytes(rig.state.Files.CurrentPath()), c.file);
        EXPECT_EQ(rig.txtCurrent.GetText(), c.file);
    }
}

TEST_F(Rotation, WithoutUsableEntriesTheSignatureIsTheFixedTextAlone) {
    rig.txtFixedSig.SetText("Jo");
    rig.state.SigLineEnds = LineEnding::CrLf;
    rig.state.QuoteNumber = 1;
    int rotations = 0;
    for (const char* text : {"", "no separators here", "%\r\nA\r\n%%\r\n"}) {
        rig.UseCollection(text);
        for (bool sequential : {false, true}) {
            rig.state.UseSeq = sequential;
            test::WriteBytes(rig.state.Files.CurrentPath(), "an old signature");
            rig.Rotate();
            ++rotations;
            EXPECT_EQ(ReadBytes(rig.state.Files.CurrentPath()), "Jo") << text;
        }
    }
    rig.state.SigCount = 5;  // a count that disagrees with the pieces is not trusted
    rig.Rotate();
    EXPECT_EQ(rig.files.writes, rotations + 1);
    EXPECT_EQ(rig.txtCurrent.GetText() + std::to_string(rig.state.QuoteNumber), "Jo1");
}

// The files by name are FileRolesTest's; here, the same files by other names.
TEST_F(Rotation, NeverWritesOverAFileThatTheProgramReadsOrAnEditorHolds) {
    const std::string quotes = rig.dir.File("quotes.txt"), fixed = rig.dir.File("fixed.txt");
    test::WriteBytes(quotes, "A\r\n%\r\nB\r\n%\r\n");
    rig.state.Files.Loaded(EditedRole::Collection, quotes, std::nullopt);
    rig.state.Files.Loaded(EditedRole::Fixed, fixed, std::nullopt);
    rig.UseCollection(test::ReadBytes(quotes));
    std::filesystem::create_symlink("quotes.txt", rig.dir.File("link"));
    for (const std::string& target : {rig.dir.File("link"), rig.dir.File("./fixed.txt")}) {
        test::WriteBytes(fixed, "Jo");
        rig.state.Files.ChooseCurrentPath(target);
        const FileStatus written = rig.Rotate();
        EXPECT_FALSE(written) << target;
        EXPECT_NE(written.reason.find("never writes over"), std::string::npos) << written.reason;
    }
    EXPECT_EQ(test::ReadBytes(quotes), "A\r\n%\r\nB\r\n%\r\n");
    EXPECT_EQ(test::ReadBytes(fixed), "Jo");
}

// The rotation as the main window runs it, on its timer.
TEST(RotationInTheWindow, AFailedWriteIsReportedOnceUntilAWriteSucceeds) {
    test::MainRig rig;
    test::WriteBytes(rig.dir.File("collections-political.txt"), "A\r\n%\r\nA\r\n%\r\n");
    rig.Start();
    const std::string sig = rig.dir.File("sig.txt");
    const std::string before = ReadBytes(sig);
    const int writes = rig.files.writes;
    rig.files.failWrites.insert(sig);
    rig.platform.Advance(4 * 20000);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_TRUE(
        test::Holds(rig.messages.shown[0].text, {sig + " could not be written: No space left"}));
    EXPECT_EQ(rig.files.writes, writes + 4) << "the rotation keeps trying";
    EXPECT_EQ(ReadBytes(sig), before);

    rig.files.failWrites.clear();
    rig.platform.Advance(20000);
    rig.files.failWrites.insert(sig);
    rig.platform.Advance(20000);
    ASSERT_EQ(rig.messages.shown.size(), 2u) << "told again after a write that succeeded";
}

}  // namespace
}  // namespace tagrota
