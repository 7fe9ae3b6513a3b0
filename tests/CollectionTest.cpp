#include <gtest/gtest.h>

#include "engine/Collection.h"

namespace tagrota {
namespace {

using Pieces = std::vector<std::string>;

TEST(SplitCollection, CutsAtEverySeparatorLine) {
    EXPECT_EQ(SplitCollection("A\r\n%\r\nB\r\n%\r\n"), (Pieces{"A", "B", ""}));
    EXPECT_EQ(SplitCollection("A\r\n%\r\nB"), (Pieces{"A", "B"}));
    EXPECT_EQ(SplitCollection("one\r\ntwo\r\n%\r\nthree\r\nfour"), (Pieces{"one\r\ntwo", "three\r\nfour"}));
}

TEST(SplitCollection, PercentOnTheFirstLineIsText) {
    EXPECT_EQ(SplitCollection("%\r\nA\r\n%\r\nB"), (Pieces{"%\r\nA", "B"}));
    EXPECT_EQ(SplitCollection("%"), (Pieces{"%"}));
    EXPECT_EQ(SplitCollection("\n%\r\nA"), (Pieces{"\n%\r\nA"}));
}

TEST(SplitCollection, SeparatorsDoNotOverlap) {
    // The second "%" line would need the line end the first one consumed.
    EXPECT_EQ(SplitCollection("A\r\n%\r\n%\r\nB"), (Pieces{"A", "%\r\nB"}));
    EXPECT_EQ(SplitCollection("A\r\n%\r\n\r\n%\r\nB"), (Pieces{"A", "", "B"}));
}

TEST(SplitCollection, BlankLinesStayInTheNeighbouringPieces) {
    EXPECT_EQ(SplitCollection("A\r\n\r\n%\r\n\r\nB"), (Pieces{"A\r\n", "\r\nB"}));
}

TEST(SplitCollection, OnlyAnExactPercentLineSeparates) {
    EXPECT_EQ(SplitCollection("A\r\n%%\r\nB").size(), 1u);
    EXPECT_EQ(SplitCollection("A\r\n% \r\nB").size(), 1u);
    EXPECT_EQ(SplitCollection("A\n%\nB").size(), 1u);
    EXPECT_EQ(SplitCollection("A\r\n%").size(), 1u);  // no line end after it
}

TEST(SplitCollection, EmptyTextGivesNoPieces) {
    EXPECT_TRUE(SplitCollection("").empty());
    ProgramState state;
    SplitInto(state, "");
    EXPECT_EQ(state.SigCount, -1);
    SplitInto(state, "no separator");
    EXPECT_EQ(state.SigCount, 0);
    SplitInto(state, "a\r\n%\r\nb\r\n%\r\nc");
    EXPECT_EQ(state.SigCount, 2);
    EXPECT_EQ(state.Sigs.size(), 3u);
}

TEST(SplitCollection, TextAroundSeparatorsSurvivesWhole) {
    std::string text;
    Pieces expected;
    for (int i = 0; i < 500; ++i) {
        std::string entry = "entry " + std::to_string(i) + (i % 3 ? "\r\n50% off\r\n%x" : "");
        expected.push_back(entry);
        text += entry;
        if (i < 499) text += "\r\n%\r\n";
    }
    EXPECT_EQ(SplitCollection(text), expected);
}

TEST(FirstRunFiles, PlaceholderAndDefaultAreByteExact) {
    EXPECT_EQ(PlaceholderCollectionText(),
              "Empty Signature Collection File\r\n%\r\n\r\n"
              "Empty Signature Collection File\r\n%\r\n\r\n");
    EXPECT_EQ(SplitCollection(PlaceholderCollectionText()),
              (Pieces{"Empty Signature Collection File", "\r\nEmpty Signature Collection File", "\r\n"}));
    EXPECT_EQ(SplitCollection(DefaultCollectionText()),
              (Pieces{"Default Signature Collection File", "\r\nDefault Signature Collection File",
                      "\r\nDefault Signature Collection File", "\r\n"}));
}

TEST(UsableEntryCount, TheLastPieceCountsOnlyWhenItHoldsText) {
    ProgramState state;
    auto count = [&](const std::string& text) {
        SplitInto(state, text);
        return UsableEntryCount(state);
    };
    EXPECT_EQ(count("A\r\n%\r\nB\r\n%\r\n"), 2);
    EXPECT_EQ(count("A\r\n%\r\nB\r\n%\r\n \t\r\n\r\n"), 2);
    EXPECT_EQ(count("A\r\n%\r\nB"), 2);
    EXPECT_EQ(count(PlaceholderCollectionText()), 2);
    EXPECT_EQ(count("A\r\n%\r\n"), 1);
    EXPECT_EQ(count("\r\n%\r\n"), 1);
    EXPECT_EQ(count("A"), 0);
    EXPECT_EQ(count(""), 0);
}

}  // namespace
}  // namespace tagrota
