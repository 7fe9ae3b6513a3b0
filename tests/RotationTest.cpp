#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "engine/Collection.h"

namespace tagrota {
namespace {

using test::EngineRig;
using test::ReadBytes;

class Rotation : public ::testing::Test {
protected:
    // The quotation part of the Current tab: what follows the fixed text.
    std::string Quotation() {
        std::string current = rig.txtCurrent.GetText();
        std::string head = rig.txtFixedSig.GetText() + "\r\n";
        EXPECT_EQ(current.substr(0, head.size()), head);
        return current.substr(head.size());
    }
    std::vector<std::string> Rotations(int n) {
        std::vector<std::string> used;
        for (int i = 0; i < n; ++i) {
            rig.engine.Rotate();
            used.push_back(Quotation());
            rig.platform.Advance(3000);
        }
        return used;
    }
    EngineRig rig;
};

using Quotes = std::vector<std::string>;

TEST_F(Rotation, SequentialModeCyclesThroughTheEntries) {
    rig.state.UseSeq = true;
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n");
    EXPECT_EQ(Rotations(6), (Quotes{"B", "C", "A", "B", "C", "A"}));
}

TEST_F(Rotation, SequentialModeUsesALastEntryWithoutSeparator) {
    rig.state.UseSeq = true;
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC");
    EXPECT_EQ(Rotations(4), (Quotes{"B", "C", "A", "B"}));
}

TEST_F(Rotation, PlaceholderCollectionAlternatesInSequence) {
    rig.state.UseSeq = true;
    rig.UseCollection(PlaceholderCollectionText());
    EXPECT_EQ(Rotations(3), (Quotes{"\r\nEmpty Signature Collection File",
                                    "Empty Signature Collection File",
                                    "\r\nEmpty Signature Collection File"}));
}

TEST_F(Rotation, SequentialModeContinuesAfterTheLastRandomPick) {
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\nD");
    rig.engine.Rotate();
    const Long picked = rig.state.QuoteNumber;
    rig.state.UseSeq = true;
    rig.engine.Rotate();
    EXPECT_EQ(rig.state.QuoteNumber, (picked + 1) % 4);
}

TEST_F(Rotation, RandomModeUsesEveryEntryEvenly) {
    // Five entries, the last without a "%" line after it.
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\nD\r\n%\r\nE");
    std::map<std::string, int> seen;
    const int draws = 5000;
    for (const std::string& q : Rotations(draws)) ++seen[q];
    ASSERT_EQ(seen.size(), 5u) << "every entry is drawn, nothing else";
    for (const auto& [quote, count] : seen) {
        // A fair share is 1000; allow five standard deviations (about 140).
        EXPECT_GT(count, 850) << quote;
        EXPECT_LT(count, 1150) << quote;
    }
}

TEST_F(Rotation, RandomModeWithOneSeparatorUsesBothEntries) {
    rig.UseCollection("A\r\n%\r\nB");
    std::map<std::string, int> seen;
    for (const std::string& q : Rotations(200)) ++seen[q];
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_GT(seen["A"], 0);
    EXPECT_GT(seen["B"], 0);
}

TEST_F(Rotation, RandomModeNeverUsesAnEmptyLastPiece) {
    rig.UseCollection("A\r\n%\r\n");
    EXPECT_EQ(Rotations(20), Quotes(20, "A"));
}

TEST_F(Rotation, RandomDrawIsReseededFromTheClock) {
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\nD\r\n%\r\nE\r\n%\r\nF\r\n%\r\nG");
    rig.engine.Rotate();
    const Long first = rig.state.QuoteNumber;
    rig.random.Reseed(12345);  // whatever the generator held before
    rig.random.Next();
    rig.engine.Rotate();  // same time of day: same draw
    EXPECT_EQ(rig.state.QuoteNumber, first);
}

TEST_F(Rotation, WritesExactlyTheFixedTextLineEndAndQuotation) {
    rig.txtFixedSig.SetText("Jo");
    rig.UseCollection("Hi\r\n%\r\nHi\r\n%\r\n");
    rig.engine.Rotate();
    EXPECT_EQ(ReadBytes(rig.state.CurrentPath), "Jo\r\nHi");
    EXPECT_EQ(rig.txtCurrent.GetText(), "Jo\r\nHi");
}

TEST_F(Rotation, WithoutWrappingTheEntryIsUsedUntrimmed) {
    rig.state.UseSeq = true;
    rig.txtFixedSig.SetText("---\r\n");
    rig.UseCollection("x\r\n%\r\n\r\n  Be brief.  \r\n%\r\n");
    rig.engine.Rotate();
    EXPECT_EQ(ReadBytes(rig.state.CurrentPath), "---\r\n\r\n\r\n  Be brief.  ");
}

TEST_F(Rotation, WrappingJoinsWrapsAndTrims) {
    rig.state.UseSeq = true;
    rig.state.DoWrap = true;
    rig.state.WrapCount = 32;
    rig.txtFixedSig.SetText("--");
    rig.UseCollection(
        "x\r\n%\r\n\r\nThe art of being wise is the art\r\nof knowing what to overlook.\r\n%\r\n");
    rig.engine.Rotate();
    EXPECT_EQ(ReadBytes(rig.state.CurrentPath),
              "--\r\nThe art of being wise is the art of \r\nknowing what to overlook.");
}

TEST_F(Rotation, ShortEntryLosesItsLeadingLineEndWhenWrapping) {
    rig.state.UseSeq = true;
    rig.state.DoWrap = true;
    rig.txtFixedSig.SetText("--");
    rig.UseCollection("x\r\n%\r\n\r\nShort one.\r\n%\r\n");
    rig.engine.Rotate();
    EXPECT_EQ(ReadBytes(rig.state.CurrentPath), "--\r\nShort one.");
}

TEST_F(Rotation, UsesTheFixedTabAsItIsNow) {
    rig.UseCollection("A\r\n%\r\nA\r\n%\r\n");
    rig.txtFixedSig.Type("Unsaved\r\nfixed");
    rig.engine.Rotate();
    EXPECT_EQ(ReadBytes(rig.state.CurrentPath), "Unsaved\r\nfixed\r\nA");
}

TEST_F(Rotation, EditsOfTheRandomTabWaitForTheNextLoad) {
    rig.state.UseSeq = true;
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\n");
    rig.txtRandom.Type("X\r\n%\r\nY\r\n%\r\n");
    EXPECT_EQ(Rotations(2), (Quotes{"B", "A"}));
}

TEST_F(Rotation, DoesNothingWithoutUsableEntries) {
    rig.txtCurrent.SetText("previous");
    for (const char* text : {"", "no separators here", "%\r\nA\r\n%%\r\n"}) {
        rig.UseCollection(text);
        rig.engine.Rotate();
        rig.state.UseSeq = !rig.state.UseSeq;
        rig.engine.Rotate();
    }
    rig.UseCollection("");
    rig.state.SigCount = 5;  // a count that disagrees with the pieces is not trusted
    rig.engine.Rotate();
    EXPECT_EQ(rig.files.writes, 0);
    EXPECT_EQ(rig.txtCurrent.GetText(), "previous");
    EXPECT_FALSE(rig.files.FileExists(rig.state.CurrentPath));
}

TEST_F(Rotation, AFailedWriteIsReportedOnceUntilAWriteSucceeds) {
    rig.UseCollection("A\r\n%\r\nA\r\n%\r\n");
    rig.files.failWrites.insert(rig.state.CurrentPath);
    Rotations(3);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_NE(rig.messages.shown[0].text.find(rig.state.CurrentPath), std::string::npos);
    EXPECT_NE(rig.messages.shown[0].text.find("No space left on device"), std::string::npos);
    EXPECT_EQ(rig.files.writes, 3) << "the rotation keeps trying";

    rig.files.failWrites.clear();
    Rotations(1);
    EXPECT_EQ(ReadBytes(rig.state.CurrentPath), rig.txtCurrent.GetText());
    rig.files.failWrites.insert(rig.state.CurrentPath);
    Rotations(2);
    EXPECT_EQ(rig.messages.shown.size(), 2u);
}

TEST_F(Rotation, ATickWhileTheFailureMessageIsOpenOpensNoOther) {
    rig.UseCollection("A\r\n%\r\nA\r\n%\r\n");
    rig.files.failAllWrites = true;
    int nested = 0;
    rig.messages.whileOpen = [&] {
        if (nested++ == 0) rig.engine.Rotate();
    };
    rig.engine.Rotate();
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.files.writes, 2);
}

TEST_F(Rotation, AFailedWriteLeavesTheOldFileWhole) {
    rig.UseCollection("A\r\n%\r\nA\r\n%\r\n");
    rig.engine.Rotate();
    const std::string before = ReadBytes(rig.state.CurrentPath);
    rig.state.CurrentPath = rig.dir.File("missing-folder/sig.txt");
    rig.engine.Rotate();
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_NE(rig.messages.shown[0].text.find("No such file or directory"), std::string::npos);
    EXPECT_EQ(ReadBytes(rig.dir.File("sig.txt")), before);
}

TEST_F(Rotation, TimerDrivesTheRotation) {
    rig.state.UseSeq = true;
    rig.UseCollection("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n");
    auto timer = rig.platform.CreateTimer();
    timer->SetOnTick([&] { rig.engine.Rotate(); });
    timer->SetInterval(5000);
    timer->SetEnabled(true);
    rig.platform.Advance(4999);
    EXPECT_EQ(rig.state.QuoteNumber, 0);
    rig.platform.Advance(1);
    EXPECT_EQ(rig.state.QuoteNumber, 1);
    rig.platform.Advance(10000);
    EXPECT_EQ(rig.state.QuoteNumber, 0);
    timer->SetEnabled(false);
    rig.platform.Advance(60000);
    EXPECT_EQ(rig.state.QuoteNumber, 0);
}

}  // namespace
}  // namespace tagrota
