#include <gtest/gtest.h>

#include <cctype>

#include "engine/Module1.h"

namespace tagrota {
namespace {

// "_" stands for a space and "/" for CR LF, as in the table of cases.
std::string Visible(std::string s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s.compare(i, 2, "\r\n") == 0) {
            out += '/';
            ++i;
        } else {
            out += s[i] == ' ' ? '_' : s[i];
        }
    }
    return out;
}

std::string Real(std::string s) {
    std::string out;
    for (char c : s) out += c == '_' ? std::string(" ") : c == '/' ? std::string("\r\n") : std::string(1, c);
    return out;
}

struct WrapCase {
    const char* text;
    Integer width;
    const char* result;
};

void PrintTo(const WrapCase& c, std::ostream* os) { *os << c.text << " at " << c.width; }

class WrapTextTable : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapTextTable, GivesTheExactResult) {
    const WrapCase& c = GetParam();
    const Integer width = c.width;
    EXPECT_EQ(Visible(WrapText(Real(c.text), width)), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapTextTable,
    ::testing::Values(WrapCase{"one_two_three_four", 10, "one_two_/three_four_"},
                      WrapCase{"abcde_fghij_k", 10, "abcde_fghij_/k_"},
                      WrapCase{"abcdefgh_ij", 5, "abcdefgh_/ij_"},
                      WrapCase{"Short_quote.", 65, "Short_quote."},
                      WrapCase{"abcdefghij", 10, "abcdefghij"},
                      WrapCase{"abcdefghijkl", 10, "abcdefghijkl_"},
                      WrapCase{"ab__cd_ef", 5, "ab__cd_/ef_"},
                      WrapCase{"_abcdefghij", 5, "_/abcdefghij_"},
                      WrapCase{"abc_def_", 5, "abc_/def__"},
                      WrapCase{"a/b_cdefg", 4, "a/b_/cdefg_"}),
    [](const ::testing::TestParamInfo<WrapCase>& info) {
        std::string name;
        for (const char* p = info.param.text; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name + "_width" + std::to_string(info.param.width);
    });

TEST(WrapText, CountsCharactersNotBytes) {
    // Ten letters with accents: twenty bytes, but ten characters fit a width of ten.
    const std::string ten = "\u00e9\u00e9\u00e9\u00e9\u00e9 \u00e0\u00e0\u00e0\u00e0\u00e0";
    EXPECT_EQ(WrapText(ten, 11), ten);
    EXPECT_EQ(WrapText(ten + " x", 10), ten + " \r\nx ");
}

TEST(RewrapQuotation, NormalisesWrapsAndTrims) {
    EXPECT_EQ(Visible(RewrapQuotation(Real("To_be//or_not"), 65)), "To_be_or_not");
    EXPECT_EQ(Visible(RewrapQuotation(Real("a___b"), 65)), "a__b");      // three spaces become two
    EXPECT_EQ(Visible(RewrapQuotation(Real("a____b"), 65)), "a__b");     // four become two
    EXPECT_EQ(Visible(RewrapQuotation(Real("a_____b"), 65)), "a___b");   // five become three
    EXPECT_EQ(Visible(RewrapQuotation(Real("one_two_three_four"), 10)), "one_two_/three_four");
    EXPECT_EQ(Visible(RewrapQuotation(Real("/Hello"), 65)), "Hello");
    EXPECT_EQ(RewrapQuotation("\r\n", 65), "");
    // A lone CR or LF is not a line end pair and stays; tabs are not trimmed.
    EXPECT_EQ(RewrapQuotation("\ta\nb\r ", 65), "\ta\nb\r");
}

}  // namespace
}  // namespace tagrota
