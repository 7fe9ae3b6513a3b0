// Random draws without repeats: rounds that hold every entry once, shuffled
// evenly, never the same entry twice in a row, and a round that goes on
// after a restart.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/DrawRounds.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

using test::TempDir;

FileStamp StampOf(std::uint64_t size) {
    FileStamp s;
    s.device = 1;
    s.inode = 2;
    s.size = size;
    s.modified = 3;
    return s;
}

// Draws of one collection, with the program ended and started again (a new
// DrawRounds on the same folder) at the steps given, of every entry or of
// those that fit alone. Only entries that fit are used (-1 where none does),
// never one twice in a row unless it alone fits, and all of them in turn;
// where all fit, a round holds every entry once.
RC_GTEST_PROP(DrawRounds, EveryRoundHoldsEveryEntryOnceAndNothingComesTwiceInARow, ()) {
    const auto count = *rc::gen::inRange<Long>(1, 12);
    const auto draws = *rc::gen::inRange(1, 5 * count + 3);
    const auto restarts = *rc::gen::container<std::set<int>>(rc::gen::inRange(0, draws));
    const bool allFit = *rc::gen::arbitrary<bool>();
    std::vector<bool> fitting(static_cast<std::size_t>(count), true);
    if (!allFit)
        fitting =
            *rc::gen::container<std::vector<bool>>(fitting.size(), rc::gen::arbitrary<bool>());
    const auto fits = static_cast<Long>(std::ranges::count(fitting, true));
    std::function<bool(Long)> fit;
    if (!allFit) fit = [&](Long e) { return fitting[static_cast<std::size_t>(e)]; };
    SplitMixRandom random(*rc::gen::arbitrary<std::uint64_t>());
    TempDir data;
    const std::string path = data.File("collection.txt");
    std::optional<DrawRounds> rounds(data.File("rounds"));
    std::set<Long> round, used;
    Long last = -1;
    for (int i = 0; i < draws; ++i) {
        if (restarts.count(i)) rounds.emplace(data.File("rounds"));
        const Long p = rounds->Next(count, path, StampOf(100), random, fit);
        if (fits == 0) {
            RC_ASSERT(p == -1);
            continue;
        }
        RC_ASSERT(p >= 0);
        RC_ASSERT(p < count);
        RC_ASSERT(fitting[static_cast<std::size_t>(p)]);
        if (fits > 1) RC_ASSERT(p != last);
        if (allFit) RC_ASSERT(round.insert(p).second);
        if (round.size() == static_cast<std::size_t>(count)) round.clear();
        used.insert(p);
        last = p;
    }
    if (draws >= 3 * count) RC_ASSERT(static_cast<Long>(used.size()) == fits);
}

// Within rounds each entry is as likely at every place; the first of a round
// is any but the one drawn just before, which shifts no entry's share.
RC_GTEST_PROP(DrawRounds, EveryPlaceOfARoundIsAnEvenChoice, ()) {
    // Two entries alternate after the first round, as nothing may come twice
    // in a row; from three on every round is a fresh shuffle.
    const auto count = *rc::gen::inRange<Long>(3, 7);
    SplitMixRandom random(*rc::gen::arbitrary<std::uint64_t>());
    DrawRounds rounds;
    constexpr int kRounds = 600;
    std::map<std::pair<Long, Long>, int> seen;  // (place, entry)
    for (int r = 0; r < kRounds * count; ++r)   // kRounds for every place and entry
        for (Long place = 0; place < count; ++place)
            ++seen[{place, rounds.Next(count, "c", StampOf(1), random)}];
    // Six standard deviations of a fair share are less than a quarter of it.
    for (Long place = 0; place < count; ++place)
        for (Long entry = 0; entry < count; ++entry) {
            const int n = seen[{place, entry}];
            RC_ASSERT(n > kRounds * 3 / 4 && n < kRounds * 5 / 4);
        }
}

TEST(DrawRounds, AChangedCollectionOrADamagedFileStartsANewRound) {
    TempDir data;
    SplitMixRandom random(7);
    const std::string folder = data.File("rounds");
    auto drawn = [&](int n, std::uint64_t size) {
        DrawRounds rounds(folder);  // a fresh start each time
        std::vector<Long> out;
        for (int i = 0; i < n; ++i) out.push_back(rounds.Next(6, "c", StampOf(size), random));
        return out;
    };
    const std::vector<Long> first = drawn(4, 100);
    // The rest of the round after a restart: the two entries not yet drawn.
    std::vector<Long> rest = drawn(2, 100), all = first;
    all.insert(all.end(), rest.begin(), rest.end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, (std::vector<Long>{0, 1, 2, 3, 4, 5}));

    const std::string kept = DrawRounds(folder).KeptAt("c");
    drawn(2, 100);
    const std::optional<DrawRound> before = ParseRound(test::ReadBytes(kept));
    ASSERT_TRUE(before);
    EXPECT_EQ(before->next, 2);
    // The collection changed: a new round, of all six entries.
    drawn(1, 101);
    EXPECT_EQ(ParseRound(test::ReadBytes(kept))->next, 1);
    for (const std::string& damage : {std::string("x"), std::string()}) {
        std::string text = FormatRound(*before);
        text.insert(text.find("next ") + 5, damage.empty() ? "1" : damage);
        test::WriteBytes(kept, text);
        drawn(1, 100);
        EXPECT_EQ(ParseRound(test::ReadBytes(kept))->next, 1) << "a damaged round is a new one";
    }
}

TEST(DrawRounds, TheMainWindowGoesOnWithItsRoundAfterARestart) {
    test::MainRig rig;
    rig.Store(SettingKey::SigDuration, "5");
    std::string collection;
    for (char c = 'A'; c <= 'H'; ++c) collection += std::string(1, c) + "\r\n%\r\n";
    test::WriteBytes(rig.dir.File("collections-political.txt"), collection);
    // The quotation of the next rotation (the start's own the first time).
    auto quotation = [&](bool first = false) {
        if (!first) rig.platform.Advance(5000);
        return rig.Signature().substr(rig.Signature().rfind('\n') - 1, 1);
    };
    std::vector<std::string> used;
    rig.Start();
    EXPECT_EQ(rig.Find<headless::CheckBox>("chkNoRepeats").Value(), 1) << "on by default";
    for (int i = 0; i < 4; ++i) used.push_back(quotation(i == 0));
    // `--print` beside the window draws afresh and leaves the round alone.
    const std::string kept =
        DrawRounds(rig.data.File("rounds")).KeptAt(rig.dir.File("collections-political.txt"));
    const std::string round = test::ReadBytes(kept);
    for (int i = 0; i < 5; ++i) rig.Form().ComposeForPrint();
    EXPECT_EQ(test::ReadBytes(kept), round);
    rig.Window().Menu().Click("mnuExit");
    EXPECT_EQ(rig.Stored(SettingKey::NoRepeats), "True");
    rig.Start();
    for (int i = 0; i < 4; ++i) used.push_back(quotation(i == 0));
    std::sort(used.begin(), used.end());
    EXPECT_EQ(used, (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H"}));

    // Off, random mode draws as it always did: repeats come soon enough.
    rig.Find<headless::CheckBox>("chkNoRepeats").Click();
    std::map<std::string, int> seen;
    for (int i = 0; i < 24; ++i) ++seen[quotation()];
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](const auto& s) { return s.second > 3; }));
    rig.Window().Menu().Click("mnuExit");
    EXPECT_EQ(rig.Stored(SettingKey::NoRepeats), "False");
}

}  // namespace
}  // namespace tagrota
