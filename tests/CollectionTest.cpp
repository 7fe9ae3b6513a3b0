// The text of collections: where they split, which pieces count, and how a
// quotation is wrapped. The same for any text is the fuzzers' (collection,
// wrap); here, the exact results.

#include <gtest/gtest.h>

#include "engine/Collection.h"
#include "engine/Module1.h"

namespace tagrota {
namespace {

using Pieces = std::vector<std::string_view>;

TEST(SplitCollection, CutsAtEveryExactPercentLineLeftToRight) {
    EXPECT_EQ(SplitCollection("A\r\n%\r\nB\r\n%\r\n"), (Pieces{"A", "B", ""}));
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
    EXPECT_EQ(SplitCollection("\r\n%"), (Pieces{"", ""}));
    // The line end before it cannot be one that a separator has taken.
    EXPECT_EQ(SplitCollection("A\r\n%\r\n%"), (Pieces{"A", "%"}));

    // The list that the rotation uses is cut the same way.
    ProgramState state;
    SplitInto(state, saved);
    EXPECT_EQ(state.SigCount, 3);
    EXPECT_EQ(state.Sigs.Views(), SplitCollection(saved));
    EXPECT_EQ(UsableEntryCount(state), 3) << "the empty last piece is not used";
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

// In the cases "_" stands for a space and "/" for CR LF.
std::string Real(std::string_view s) {
    std::string out;
    for (char c : s) out += c == '_' ? " " : c == '/' ? "\r\n" : std::string(1, c);
    return out;
}

struct Case {
    const char* text;
    Integer width;
    const char* result;
};

TEST(WrapText, GivesTheExactResult) {
    const Case cases[] = {
        {"one_two_three_four", 10, "one_two_/three_four_"},
        {"abcde_fghij_k", 10, "abcde_fghij_/k_"},  // ten word characters still fit
        {"abcdefgh_ij", 5, "abcdefgh_/ij_"},       // a long word stays whole
        {"Short_quote.", 65, "Short_quote."},      // short enough: unchanged
        {"abcdefghijkl", 10, "abcdefghijkl_"},
        {"ab__cd_ef", 5, "ab__cd_/ef_"},  // the empty word counts 0
        {"_abcdefghij", 5, "_/abcdefghij_"},
        {"abc_def_", 5, "abc_/def__"},
        {"a/b_cdefg", 4, "a/b_/cdefg_"},  // line ends are not split points
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapText(Real(c.text), c.width), Real(c.result)) << c.text;
}

TEST(WrapText, CountsCharactersNotBytes) {
    const std::string ten = "\u00e9\u00e9\u00e9\u00e9\u00e9 \u00e0\u00e0\u00e0\u00e0\u00e0";
    EXPECT_EQ(WrapText(ten, 11), ten);
    EXPECT_EQ(WrapText(ten + " x", 10), ten + " \r\nx ");
}

TEST(RewrapQuotation, NormalisesWrapsAndTrims) {
    const Case cases[] = {
        {"To_be//or_not", 65, "To_be_or_not"},
        {"a___b", 65, "a__b"},     // one pass: three spaces become two,
        {"a____b", 65, "a__b"},    // four become two,
        {"a_____b", 65, "a___b"},  // five become three
        {"one_two_three_four", 10, "one_two_/three_four"},
        {"/Hello", 65, "Hello"},
        {"/", 65, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RewrapQuotation(Real(c.text), c.width), Real(c.result)) << c.text;
    // A lone CR or LF stays, and only spaces are trimmed.
    EXPECT_EQ(RewrapQuotation("\ta\nb\r ", 65), "\ta\nb\r");
}

}  // namespace
}  // namespace tagrota
