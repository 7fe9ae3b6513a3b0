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

// Lines 1 to 11 end in CR LF, 12 and 13 in LF alone.
constexpr const char* kEveryFinding =
    "First entry\r\n%\r\n"           // entry 1, line 1
    "Second entry \r\n%\r\n"         // 2, line 3: a space at the end
    "\r\n%\r\n"                      // 3, line 5: empty
    "First entry\r\n%\r\n"           // 4, line 7: the same as 1
    "Tabbed\t\r\nline two\r\n%\r\n"  // 5, line 9: a tab at the end
    "Last\n%\n";                     // 6, line 12: the line ends change

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
    Start(kEveryFinding);
    rig.Window().Menu().Click("mnuCheck");
    headless::Window* listing = Listing();
    ASSERT_NE(listing, nullptr);
    auto& list = listing->Find<headless::ListBox>("lstFindings");
    EXPECT_EQ(list.Items(),
              (std::vector<std::string>{
                  "The file mixes its line ends (11 CR LF, 2 LF); line 12 is the first to end "
                  "otherwise than the first line. A save writes them all as the first line does.",
                  "Entry 2 (line 3): white space at the end of line 3",
                  "Entry 3 (line 5): empty",
                  "Entry 4 (line 7): the same as entry 1 (line 1)",
                  "Entry 5 (line 9): white space at the end of line 9",
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
    EXPECT_GT(rig.Editor("txtRandom").focusTaken, 0);
    EXPECT_FALSE(rig.Form().state.RandomDirty) << "checking changes nothing";

    // Checked again, the listing is the new one; Close closes it.
    rig.Window().Menu().Click("mnuCheck");
    ASSERT_NE(Listing(), nullptr);
    Listing()->Find<headless::Button>("btnClose").Click();
    EXPECT_EQ(Listing(), nullptr);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(CollectionCheck, ACleanCollectionSaysSoAndLengthLimitsHaveTheirPlace) {
    Start("One\r\n%\r\nTwo\r\n  indented\r\n%\r\n");
    rig.Window().Menu().Click("mnuCheck");
    EXPECT_EQ(Listing(), nullptr);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "Collection Check");

    // Entries the signature's length limits leave out are listed by the rule
    // that knows the limits.
    CheckRules rules;
    rules.overLimits = [](std::string_view entry) {
        return entry.size() > 3 ? "over 3 characters" : "";
    };
    const auto found = CheckCollection("One\r\n%\r\nThree\r\n%\r\n", "", rules);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].kind, FindingKind::OverLimits);
    EXPECT_EQ(found[0].message, "Entry 2 (line 3): over 3 characters");
}

}  // namespace
}  // namespace tagrota
