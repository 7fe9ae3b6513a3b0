// Length limits: no signature longer than the limits while an entry fits,
// counting the fixed part, the blank line and the quotation after wrapping;
// the shortest one, told once, where none does.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <set>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

std::string Join(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& e : entries) text += e + "\r\n%\r\n";
    return text;
}

class SignatureLimits : public ::testing::Test {
protected:
    // The quotations of n rotations.
    std::set<std::string> Used(int n) {
        std::set<std::string> used;
        const std::string head = rig.txtFixedSig.GetText() + "\r\n";
        for (int i = 0; i < n; ++i, rig.platform.Advance(3000)) {
            rig.Rotate();
            used.insert(rig.txtCurrent.GetText().substr(head.size()));
        }
        return used;
    }
    test::EngineRig rig;
};

TEST_F(SignatureLimits, TheLengthCountsTheFixedPartTheBlankLineAndTheWrappedQuotation) {
    EXPECT_EQ(MeasureSignature("-- \r\nJo\r\n\r\nHi"), (SignatureSize{4, 3}));
    EXPECT_EQ(MeasureSignature("Jo\r\n\r\n\r\n"), (SignatureSize{1, 2})) << "closing line ends";
    EXPECT_EQ(MeasureSignature("\xe6\xbc\xa2\xe5\xad\x97 ok\r\n\tx"), (SignatureSize{2, 9}))
        << "wide characters count two, a tab goes to column eight";

    rig.txtFixedSig.SetText("-- \r\nJo\r\n");  // three lines with the blank one
    const std::string longLine(70, 'x'), words = "a few short words that make one line";
    rig.UseCollection(Join({"two\r\nlines", longLine + " " + longLine, words}));
    rig.state.MaxSigLines = 4;
    EXPECT_EQ(Used(30), (std::set<std::string>{longLine + " " + longLine, words}));
    rig.state.MaxSigLines = 0;
    rig.state.MaxSigColumns = 80;
    EXPECT_EQ(Used(30), (std::set<std::string>{"two\r\nlines", words}));
    // Wrapped, the long entry keeps to the width and the two lines become one.
    rig.state.DoWrap = true;
    rig.state.WrapCount = 72;
    rig.state.MaxSigLines = 4;
    EXPECT_EQ(Used(30), (std::set<std::string>{"two lines", words}));
    rig.state.MaxSigLines = 5;
    EXPECT_EQ(Used(60), (std::set<std::string>{"two lines", longLine + " \r\n" + longLine, words}));
    EXPECT_FALSE(rig.engine.NoneFits());
    // None fits: the shortest, in sequential mode as well.
    rig.state.MaxSigLines = 2;
    rig.state.UseSeq = true;
    EXPECT_EQ(Used(5), (std::set<std::string>{"two lines"}));
    EXPECT_TRUE(rig.engine.NoneFits());
}

// Whatever the mode, wrapping and limits: a signature within the limits
// wherever an entry gives one, else the shortest, with NoneFits saying which.
RC_GTEST_PROP(SignatureLimitsDraws, NoSignatureIsLongerThanTheLimitsWhileAnEntryFits, ()) {
    // Lines of spaces, Latin letters and wide characters.
    const auto line = rc::gen::map(
        rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 30)), [](std::vector<int> cs) {
            std::string s;
            for (int c : cs) s += c < 4 ? " " : c < 6 ? "\xe6\xbc\xa2" : c % 2 ? "a" : "b";
            return s;
        });
    const auto text = [&](int most) {
        const auto lines = *rc::gen::container<std::vector<std::string>>(
            static_cast<std::size_t>(*rc::gen::inRange(1, most)), line);
        std::string t;
        for (const std::string& l : lines) t += (t.empty() ? "" : "\r\n") + l;
        return t;
    };
    test::EngineRig rig;
    rig.txtFixedSig.SetText(text(4));
    std::vector<std::string> entries;
    for (int i = *rc::gen::inRange(1, 8); i > 0; --i) entries.push_back(text(6));
    rig.UseCollection(Join(entries));
    rig.state.MaxSigLines = *rc::gen::inRange<Integer>(0, 10);
    rig.state.MaxSigColumns = *rc::gen::inRange<Integer>(0, 50);
    rig.state.DoWrap = *rc::gen::arbitrary<bool>();
    rig.state.WrapCount = *rc::gen::inRange<Integer>(kMinWrapCount, 50);
    const int mode = *rc::gen::inRange(0, 3);
    rig.state.UseSeq = mode == 0;
    rig.state.NoRepeats = mode == 2;

    const tagrota::SignatureLimits limits{rig.state.MaxSigLines, rig.state.MaxSigColumns};
    std::vector<SignatureSize> sizes;
    for (Long i = 0; i < UsableEntryCount(rig.state); ++i)
        sizes.push_back(MeasureSignature(ComposeSignature(
            rig.txtFixedSig.GetText(), rig.state.Sigs.Piece(static_cast<std::size_t>(i)),
            {rig.state.DoWrap, rig.state.WrapCount, rig.state.WrapStrict})));
    const bool someFit = std::ranges::any_of(sizes, [&](auto s) { return limits.Admit(s); });
    for (std::size_t i = 0; i < 3 * sizes.size(); ++i) {
        const SignatureSize size =
            MeasureSignature(rig.engine.NextSignature(rig.txtFixedSig.GetText()));
        RC_ASSERT(rig.engine.NoneFits() == !someFit);
        if (someFit)
            RC_ASSERT(limits.Admit(size));
        else
            RC_ASSERT(size == *std::ranges::min_element(sizes));
    }
}

TEST(SignatureLimitsWindow, TheNoticeComesOnceAndThePresetSetsNewsLimits) {
    test::MainRig rig;
    rig.Store(SettingKey::SigDuration, "5");
    rig.Store(SettingKey::MaxSigLines, "1");  // less than the default fixed part
    rig.Store(SettingKey::MaxSigColumns, "900");
    test::WriteBytes(rig.dir.File("collections-political.txt"), Join({"a\r\nb", "c"}));
    rig.Start();
    for (int i = 0; i < 3; ++i) rig.platform.Advance(5000);
    auto notices = [&] {
        return std::ranges::count_if(rig.messages.shown, [](const auto& box) {
            return box.text.starts_with(
                "No quotation of the collection makes a signature within 1 line of ");
        });
    };
    EXPECT_EQ(notices(), 1);
    EXPECT_EQ(rig.Signature(), "---\nhttps://example.org/\n\nc\n") << "the shortest";
    EXPECT_EQ(rig.Find<headless::Label>("lblMaxColumns").Caption(), "200") << "brought into range";

    rig.Find<headless::Button>("btnLimitPreset").Click();
    EXPECT_EQ(rig.Find<headless::Label>("lblMaxLines").Caption(), "04");
    rig.platform.Advance(5000);
    EXPECT_EQ(rig.Signature(), "---\nhttps://example.org/\n\nc\n") << "only c fits in 4 lines";
    rig.Find<headless::ScrollBar>("HScroll3").SetValue(1);
    rig.platform.Advance(5000);
    EXPECT_EQ(notices(), 2) << "told again after an entry has fit";
    rig.Window().Menu().Click("mnuExit");
    EXPECT_EQ(rig.Stored(SettingKey::MaxSigLines), "1");
    EXPECT_EQ(rig.Stored(SettingKey::MaxSigColumns), "80");
}

}  // namespace
}  // namespace tagrota
