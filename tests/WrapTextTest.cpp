#include <gtest/gtest.h>

#include "engine/Module1.h"

namespace tagrota {
namespace {

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
        {"abcdefghij", 10, "abcdefghij"},
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
