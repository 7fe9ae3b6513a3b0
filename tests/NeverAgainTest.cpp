// Never This One Again: quotations set aside are passed over by every draw
// (rotation, the first signature of a start, `--print`), the lists survive a
// restart in the user's data folder, and a list that is damaged or not the
// user's own is never written over nor followed.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/NeverAgain.h"
#include "engine/PrintSignature.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

std::string Join(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& e : entries) text += e + "\r\n%\r\n";
    return text;
}

// Whatever the mode and the limits: no draw gives a quotation set aside; with
// every one set aside there is none, and AllSetAside says so; in rounds every
// quotation kept comes before any comes again.
RC_GTEST_PROP(NeverAgainDraws, NoDrawGivesAQuotationSetAside, ()) {
    test::EngineRig rig;
    const std::string path = rig.dir.File("quotes.txt");
    rig.state.Files.Loaded(EditedRole::Collection, path, std::nullopt);
    std::vector<std::string> entries;
    const int n = *rc::gen::inRange(1, 9);
    for (int i = 0; i < n; ++i) entries.push_back("Q" + std::to_string(i) + std::string(i, '.'));
    rig.UseCollection(Join(entries));
    std::set<std::string> setAside;
    for (const std::string& e : entries)
        if (*rc::gen::arbitrary<bool>()) {
            // Set aside as the Current tab showed it, or with LF line ends
            // and white space around it.
            RC_ASSERT(rig.engine.SetAside().Add(
                path, *rc::gen::arbitrary<bool>() ? e : " \n" + e + "\n\n"));
            setAside.insert(e);
        }
    const int mode = *rc::gen::inRange(0, 3);
    rig.state.UseSeq = mode == 0;
    rig.state.NoRepeats = mode == 2;
    if (*rc::gen::arbitrary<bool>()) rig.state.MaxSigColumns = 4;  // "Q0" to "Q2.." fit

    const std::size_t kept = entries.size() - setAside.size();
    std::vector<std::string> drawn;
    for (std::size_t i = 0; i < 3 * entries.size(); ++i) {
        rig.engine.NextSignature("Me");
        RC_ASSERT(rig.engine.AllSetAside() == (kept == 0));
        const std::optional<std::string>& q = rig.engine.LastQuotation();
        RC_ASSERT(q.has_value() == (kept > 0));
        if (q) {
            RC_ASSERT(setAside.count(*q) == 0u);
            drawn.push_back(*q);
        }
    }
    if (rig.state.NoRepeats && !rig.state.MaxSigColumns && kept > 1)
        for (std::size_t at = 0; at + kept <= drawn.size(); at += kept)
            RC_ASSERT(std::set<std::string>(drawn.begin() + static_cast<std::ptrdiff_t>(at),
                                            drawn.begin() + static_cast<std::ptrdiff_t>(at + kept))
                          .size() == kept);
}

// Entries set aside and taken back in any order: the list a restart reads is
// the one the user made, in the order the entries were set aside.
RC_GTEST_PROP(NeverAgainLists, ARestartReadsTheListAsTheUserLeftIt, ()) {
    test::TempDir data;
    const std::string folder = NeverAgainFolder(data.Path().string());
    const std::string collection = data.File("quotes.txt");
    NeverAgain lists(folder);
    std::vector<std::string> model;
    const auto quotation = rc::gen::elementOf(
        std::vector<std::string>{"One", "One\r\nTwo", "  % not a separator\r\nthree",
                                 "Ein \xc3\x9c"
                                 "berfall",
                                 "x"});
    for (int step = *rc::gen::inRange(1, 12); step > 0; --step) {
        if (*rc::gen::arbitrary<bool>() || model.empty()) {
            const std::string q = *quotation;
            RC_ASSERT(lists.Add(collection, q));
            std::string key = NeverAgainKey(q);
            if (std::ranges::find(model, key) == model.end()) model.push_back(key);
        } else {
            const auto which =
                static_cast<std::size_t>(*rc::gen::inRange<int>(0, static_cast<int>(model.size())));
            RC_ASSERT(lists.TakeBack(collection, which));
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(which));
        }
        NeverAgain restarted(folder);
        const NeverAgainList& list = restarted.For(collection);
        RC_ASSERT(list.problem.empty());
        RC_ASSERT(list.entries == model);
        for (const std::string& key : model) {
            std::string crlf;
            for (char c : key) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
            RC_ASSERT(list.Holds(crlf + "\r\n"));
        }
        RC_ASSERT(restarted.For(data.File("other.txt")).Empty());  // each collection its own
    }
}

class NeverAgainFiles : public ::testing::Test {
protected:
    std::string Folder() {
        const std::string folder = NeverAgainFolder(data.Path().string());
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);
        return folder;
    }
    test::TempDir data;
    std::string collection = data.File("quotes.txt");
};

// A list that cannot be read as one is left as it is: nothing is set aside
// from it, nothing added to it, and the reason is given.
TEST_F(NeverAgainFiles, ADamagedOrForeignListIsNeitherUsedNorWrittenOver) {
    NeverAgain lists(Folder());
    const std::string keptAt = lists.KeptAt(collection);

    test::WriteBytes(keptAt, "my own notes\n%\nOne\n%\n");
    ::chmod(keptAt.c_str(), 0600);
    EXPECT_TRUE(lists.For(collection).Empty());
    EXPECT_NE(lists.For(collection).problem.find("is damaged"), std::string::npos);
    const FileStatus added = lists.Add(collection, "One");
    EXPECT_FALSE(added);
    EXPECT_NE(added.reason.find(keptAt), std::string::npos);
    EXPECT_EQ(test::ReadBytes(keptAt), "my own notes\n%\nOne\n%\n");

    // A link another user planted in its place is not followed.
    fs::remove(keptAt);
    const std::string elsewhere = data.File("elsewhere.txt");
    test::WriteBytes(elsewhere, "tagrota never again 1\ncollection x\n%\nOne\n%\n");
    fs::create_symlink(elsewhere, keptAt);
    EXPECT_FALSE(lists.For(collection).Holds("One"));
    EXPECT_FALSE(lists.Add(collection, "Two"));
    EXPECT_EQ(test::ReadBytes(elsewhere), "tagrota never again 1\ncollection x\n%\nOne\n%\n");
    EXPECT_TRUE(fs::is_symlink(keptAt));

    // A list of ours that was edited by hand is read as it stands.
    fs::remove(keptAt);
    test::WriteBytes(keptAt, "tagrota never again 1\r\ncollection x\r\n%\r\n One\r\n%\r\nTwo");
    ::chmod(keptAt.c_str(), 0600);
    EXPECT_EQ(lists.For(collection).entries, (std::vector<std::string>{"One", "Two"}));
}

// The window: Never This One Again from the menu, the keys and the tray menu
// sets aside the quotation shown and rotates at once; the list window takes
// quotations back; `--print` passes over them too, through the index or not.
TEST(NeverAgainWindow, SetsAsideTheQuotationShownAndTakesItBack) {
    test::MainRig rig;
    rig.Store(SettingKey::SigDuration, "10");
    const std::string quotes = rig.dir.File("quotes.txt");
    test::WriteBytes(quotes, Join({"Alpha", "Beta", "Gamma"}));
    rig.Store(SettingKey::RandomFile, quotes);
    rig.Store(SettingKey::UseSeq, "True");
    rig.Start();
    rig.Find<headless::CheckBox>("chkSysTray").Click();
    rig.tray.choose = [](const TrayPopupMenu& menu) {
        for (std::size_t i = 0; i < menu.Items.size(); ++i)
            if (menu.Items[i].Caption == "Ne&ver This One Again") return static_cast<int>(i);
        return -1;
    };
    std::set<std::string> setAside;
    const std::vector<std::function<void()>> ways = {
        [&] { rig.Window().Menu().Click("mnuNever"); },
        [&] { EXPECT_TRUE(rig.Window().PressShortcut("Ctrl+Shift+N")); },
    };
    for (const auto& never : ways) {
        const std::string shown = rig.Form().CurrentQuotation().value_or("");
        never();
        setAside.insert(shown);
        EXPECT_FALSE(setAside.count(rig.Form().CurrentQuotation().value_or("")))
            << "the next one at once";
    }
    // Two of three are set aside: only the third comes, in any mode.
    const std::string left = *rig.Form().CurrentQuotation();
    for (int i = 0; i < 4; ++i) {
        rig.platform.Advance(10000);
        EXPECT_EQ(rig.Form().CurrentQuotation(), left);
    }
    SplitMixRandom random;
    for (const std::optional<std::string>& index : {std::optional<std::string>{}, rig.indexFolder})
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(ComposePrintedSignature(rig.store, rig.files, rig.platform.clock, random,
                                              rig.dir.Path().string(), index, rig.SetAsideFolder())
                          .text,
                      "---\nhttps://example.org/\n\n" + left + "\n");

    // The last one from the tray: the fixed signature alone, told once.
    rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);
    EXPECT_EQ(rig.Signature(), "---\nhttps://example.org/\n");
    rig.platform.Advance(10000);
    EXPECT_EQ(std::ranges::count_if(rig.messages.shown,
                                    [](const auto& box) {
                                        return box.text.starts_with(
                                            "Every quotation of the "
                                            "collection ");
                                    }),
              1);
    rig.Window().Menu().Click("mnuNever");
    EXPECT_EQ(rig.messages.shown.back().text,
              "The current signature holds no quotation to set aside.");

    // The list window shows all three; one taken back comes again at once.
    rig.Window().Menu().Click("mnuSetAside");
    headless::Window* listing = nullptr;
    for (headless::Window* w : rig.ui.windows)
        if (w->Caption() == "Set-Aside Quotations" && w->Visible()) listing = w;
    ASSERT_NE(listing, nullptr);
    auto& list = listing->Find<headless::ListBox>("lstSetAside");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items()[2], left);
    list.Activate(1);
    EXPECT_EQ(list.Count(), 2);
    rig.Form().NextQuotation();
    EXPECT_NE(rig.Signature(), "---\nhttps://example.org/\n");
}

}  // namespace
}  // namespace tagrota
