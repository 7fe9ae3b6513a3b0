// The check of the collection, on a hand-made collection with every kind of
// finding, through the Commands menu: its listing, and each line of it taking
// the user to its place in the Random tab.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/CollectionCheck.h"

namespace tagrota {
namespace {

// Lines 1 to 17 end in CR LF, 18 and 19 in LF alone. Under the two-line fixed
// text, wrapped at 40 columns, with the limits at 4 lines of 45 columns:
constexpr const char* kEveryFinding =
    "First entry\r\n%\r\n"           // entry 1, line 1
    "Second entry \r\n%\r\n"         // 2, line 3: a space at the end
    "\r\n%\r\n"                      // 3, line 5: empty
    "First entry\r\n%\r\n"           // 4, line 7: the same as 1
    "Tabbed\t\r\nline two\r\n%\r\n"  // 5, line 9: a tab at the end
    // 6, line 12: a wrapped line counts its words' characters, not the spaces
    "One, two, three, four, five, six, seven, eight, nine, ten, eleven, twelve.\r\n%\r\n"
    // 7, line 14: 55 columns, which the wrap makes two lines that fit
    "Words that wrap within the width of forty columns here.\r\n%\r\n"
    // 8, line 16: a word the wrap can't break, after two lines of words; too
    // wide and too long
    "And on and on and on and on and on and on and on and on and on and on "
    "Supercalifragilisticexpialidocious-and-so-on-and-on\r\n%\r\n"
    "Last\n%\n";  // 9, line 18: the line ends change

class CollectionCheck : public ::testing::Test {
protected:
    void Start(const std::string& bytes) {
        test::WriteBytes(rig.dir.File("collections-political.txt"), bytes);
        rig.Start();
    }
    headless::Window* Listing() {
        for (headless::Window* w : rig.ui.windows)
            if (w->Caption() == "Collection Check" && w->Visible()) return w;
        return nullptr;
    }
    std::string Selected() {
        headless::Editor& e = rig.Editor("txtRandom");
        const TextSpan s = e.Selection();
        return e.GetText().substr(s.Start, s.Length);
    }

    test::MainRig rig;
};

TEST_F(CollectionCheck, ListsEveryKindAndEachLineLeadsToItsPlace) {
    test::WriteBytes(rig.dir.File("fixed.txt"), "Jo Doe\r\nexample.org");
    rig.Store("DoWrap", "True");
    rig.Store("WrapCount", "40");
    rig.Store("MaxSigLines", "4");
    rig.Store("MaxSigColumns", "45");
    Start(kEveryFinding);
    rig.Window().Menu().Click("mnuCheck");
    headless::Window* listing = Listing();
    ASSERT_NE(listing, nullptr);
    auto& list = listing->Find<headless::ListBox>("lstFindings");
    EXPECT_EQ(list.Items(),
              (std::vector<std::string>{
                  "The file mixes its line ends (17 CR LF, 2 LF); line 18 is the first to end "
                  "otherwise than the first line. A save writes them all as the first line does.",
                  "Entry 2 (line 3): white space at the end of line 3",
                  "Entry 3 (line 5): empty",
                  "Entry 4 (line 7): the same as entry 1 (line 1)",
                  "Entry 5 (line 9): white space at the end of line 9",
                  "Entry 6 (line 12): makes a signature 48 columns wide (limit 45)",
                  "Entry 8 (line 16): makes a signature of 5 lines (limit 4) and 56 columns wide "
                  "(limit 45)",
              }));

    list.Activate(3);
    EXPECT_EQ(rig.Tabs().Tab(), TabIndex::Random);
    EXPECT_EQ(rig.Editor("txtRandom").Selection().Start,
              rig.Editor("txtRandom").GetText().find("First entry", 1))
        << "the second one, not the first";
    EXPECT_EQ(Selected(), "First entry");
    list.Activate(4);
    EXPECT_EQ(Selected(), "Tabbed\t");
    list.Activate(0);
    EXPECT_EQ(Selected(), "Last");
    list.Activate(5);
    EXPECT_EQ(Selected().substr(0, 10), "One, two, ");
    EXPECT_GT(rig.Editor("txtRandom").focusTaken, 0);
    EXPECT_FALSE(rig.Form().state.RandomDirty) << "checking changes nothing";

    // Checked again, the listing is the new one; Close closes it.
    rig.Window().Menu().Click("mnuCheck");
    ASSERT_NE(Listing(), nullptr);
    Listing()->Find<headless::Button>("btnClose").Click();
    EXPECT_EQ(Listing(), nullptr);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(CollectionCheck, ACleanCollectionSaysSoNamingTheLengthLimitsOnlyWhenSet) {
    test::WriteBytes(rig.dir.File("fixed.txt"), "Jo");
    Start("One\r\n%\r\nTwo\r\n  indented\r\n%\r\n");
    rig.Window().Menu().Click("mnuCheck");
    EXPECT_EQ(Listing(), nullptr);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "Collection Check");
    EXPECT_EQ(rig.messages.shown[0].text.find("limit"), std::string::npos)
        << rig.messages.shown[0].text;

    rig.Find<headless::Button>("btnLimitPreset").Click();
    rig.Window().Menu().Click("mnuCheck");
    EXPECT_EQ(Listing(), nullptr);
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_NE(
        rig.messages.shown[1].text.find("no entries over the length limits (4 lines, 80 columns),"),
        std::string::npos)
        << rig.messages.shown[1].text;
}

}  // namespace
}  // namespace tagrota
