#include <gtest/gtest.h>

#include "engine/Collection.h"

namespace tagrota {
namespace {

using Pieces = std::vector<std::string_view>;

TEST(SplitCollection, CutsAtEveryExactPercentLineLeftToRight) {
    EXPECT_EQ(SplitCollection("A\r\n%\r\nB\r\n%\r\n"), (Pieces{"A", "B", ""}));
    EXPECT_EQ(SplitCollection("A\r\n%\r\nB"), (Pieces{"A", "B"}));
    EXPECT_EQ(SplitCollection("one\r\ntwo\r\n%\r\nthree"), (Pieces{"one\r\ntwo", "three"}));
    // Blank lines stay in the neighbouring pieces.
    EXPECT_EQ(SplitCollection("A\r\n\r\n%\r\n\r\nB"), (Pieces{"A\r\n", "\r\nB"}));
    // A "%" on the first line has no line end before it.
    EXPECT_EQ(SplitCollection("%\r\nA\r\n%\r\nB"), (Pieces{"%\r\nA", "B"}));
    EXPECT_EQ(SplitCollection("\n%\r\nA"), (Pieces{"\n%\r\nA"}));
    // Separators do not overlap: the second "%" would need the consumed line end.
    EXPECT_EQ(SplitCollection("A\r\n%\r\n%\r\nB"), (Pieces{"A", "%\r\nB"}));
    EXPECT_EQ(SplitCollection("A\r\n%\r\n\r\n%\r\nB"), (Pieces{"A", "", "B"}));
    for (const char* text :
         {"A\r\n%%\r\nB", "A\r\n% \r\nB", "A\n%\nB", "A\r\n%%", "A\r\n %", "A\n%", "%"})
        EXPECT_EQ(SplitCollection(text), Pieces{text});
    EXPECT_TRUE(SplitCollection("").empty());
}

TEST(SplitCollection, APercentLineThatEndsTheTextIsASeparatorToo) {
    // As editors save a file without a line end after its last line.
    const std::string saved = "First quote\r\n%\r\nSecond quote\r\n%\r\nThird quote\r\n%";
    EXPECT_EQ(SplitCollection(saved), (Pieces{"First quote", "Second quote", "Third quote", ""}));
    EXPECT_EQ(SplitCollection("A\r\n%"), (Pieces{"A", ""}));
    EXPECT_EQ(SplitCollection("\r\n%"), (Pieces{"", ""}));
    EXPECT_EQ(SplitCollection("A\r\n\r\n%"), (Pieces{"A\r\n", ""}));
    // The line end before it cannot be one that a separator has taken.
    EXPECT_EQ(SplitCollection("A\r\n%\r\n%"), (Pieces{"A", "%"}));

    // The list that the rotation uses is cut the same way.
    ProgramState state;
    SplitInto(state, saved);
    EXPECT_EQ(state.SigCount, 3);
    EXPECT_EQ(state.Sigs.Views(), SplitCollection(saved));
    EXPECT_EQ(UsableEntryCount(state), 3) << "the empty last piece is not used";
    SplitInto(state, "A\r\n%");
    EXPECT_EQ(state.Sigs.Views(), (Pieces{"A", ""}));
}

TEST(SplitCollection, FirstRunFilesSplitAsIntended) {
    EXPECT_EQ(
        PlaceholderCollectionText(),
        "Empty Signature Collection File\r\n%\r\n\r\nEmpty Signature Collection File\r\n%\r\n\r\n");
    EXPECT_EQ(
        SplitCollection(PlaceholderCollectionText()),
        (Pieces{"Empty Signature Collection File", "\r\nEmpty Signature Collection File", "\r\n"}));
    EXPECT_EQ(SplitCollection(DefaultCollectionText()),
              (Pieces{"Default Signature Collection File", "\r\nDefault Signature Collection File",
                      "\r\nDefault Signature Collection File", "\r\n"}));
}

TEST(UsableEntryCount, TheLastPieceCountsOnlyWhenItHoldsText) {
    struct Case {
        const char* text;
        Long sigCount, usable;
    } cases[] = {{"A\r\n%\r\nB\r\n%\r\n \t\r\n", 2, 2},
                 {"A\r\n%\r\nB", 1, 2},
                 {"A\r\n%\r\n", 1, 1},
                 {"A\r\n%\r\nB\r\n%", 2, 2},
                 {"\r\n%\r\n", 1, 1},
                 {"A", 0, 0},
                 {"", -1, 0}};
    ProgramState state;
    for (const Case& c : cases) {
        SplitInto(state, c.text);
        EXPECT_EQ(state.SigCount, c.sigCount) << c.text;
        EXPECT_EQ(state.Sigs.size(), static_cast<std::size_t>(c.sigCount + 1)) << c.text;
        EXPECT_EQ(UsableEntryCount(state), c.usable) << c.text;
    }
}

}  // namespace
}  // namespace tagrota
