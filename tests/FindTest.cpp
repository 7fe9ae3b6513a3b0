// Finding text: the search itself against a plain scan, and the find bar on
// the main window's Fixed and Random tabs.

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/TextSearch.h"

namespace tagrota {
namespace {

// Every place where `what` matches, the slow and obvious way.
bool MatchesAt(const std::string& text, const TextQuery& q, std::size_t at) {
    if (at + q.What.size() > text.size()) return false;
    for (std::size_t i = 0; i < q.What.size(); ++i) {
        char a = text[at + i], b = q.What[i];
        if (!q.MatchCase) {
            if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
            if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
        }
        if (a != b) return false;
    }
    return true;
}

std::optional<TextFound> Scan(const std::string& text, const TextQuery& q, TextSpan sel) {
    if (q.What.empty()) return std::nullopt;
    const std::size_t start = std::min(sel.Start, text.size());
    const std::size_t end = std::min(start + sel.Length, text.size());
    const std::size_t m = q.What.size();
    if (q.Forward) {
        for (std::size_t at = end; at + m <= text.size(); ++at)
            if (MatchesAt(text, q, at)) return TextFound{{at, m}, false};
        if (q.WrapAround)
            for (std::size_t at = 0; at + m <= text.size(); ++at)
                if (MatchesAt(text, q, at)) return TextFound{{at, m}, true};
    } else {
        for (std::size_t at = start + 1; at-- > 0;)
            if (at + m <= start && MatchesAt(text, q, at)) return TextFound{{at, m}, false};
        if (q.WrapAround)
            for (std::size_t at = text.size() + 1; at-- > 0;)
                if (MatchesAt(text, q, at)) return TextFound{{at, m}, true};
    }
    return std::nullopt;
}

// Few letters, so that matches, near misses and overlaps are common.
rc::Gen<std::string> Texts(int longest) {
    return rc::gen::mapcat(rc::gen::inRange<std::size_t>(0, longest + 1), [](std::size_t n) {
        return rc::gen::container<std::string>(
            n, rc::gen::elementOf(std::string("aAbB%\r\n\xc3\xa9")));
    });
}

RC_GTEST_PROP(TextSearch, FindsWhatAPlainScanFinds, ()) {
    const std::string text = *Texts(60);
    TextQuery q;
    q.What = *Texts(4);
    q.Forward = *rc::gen::arbitrary<bool>();
    q.MatchCase = *rc::gen::arbitrary<bool>();
    q.WrapAround = *rc::gen::arbitrary<bool>();
    const TextSpan sel{*rc::gen::inRange<std::size_t>(0, text.size() + 3),
                       *rc::gen::inRange<std::size_t>(0, 5)};
    const auto found = FindInText(text, q, sel);
    const auto expected = Scan(text, q, sel);
    RC_ASSERT(found.has_value() == expected.has_value());
    if (found) {
        RC_ASSERT(found->Span == expected->Span);
        RC_ASSERT(found->Wrapped == expected->Wrapped);
    }
}

// Whole characters of UTF-8: letters in their cases (the Greek sigma and
// theta in all their forms), letters that have no other case or fold to one
// of another length, and separators.
rc::Gen<std::string> Letters(int longest) {
    static const std::vector<std::string> kLetters = {
        "a",      "A",      "\u00e4", "\u00c4", "\u00ff", "\u0178", "\u00b5", "\u03bc",
        "\u039c", "\u03c3", "\u03a3", "\u03c2", "\u03b8", "\u0398", "\u03d1", "\u03f4",
        "\u0436", "\u0416", "\u0451", "\u0401", "\u0142", "\u0141", "\u1ea1", "\u1ea0",
        "\u017f", "s",      "\u1e9e", "\u00df", "\u2019", "%",      "\r\n"};
    return rc::gen::mapcat(rc::gen::inRange<std::size_t>(0, longest + 1), [](std::size_t n) {
        return rc::gen::map(
            rc::gen::container<std::vector<std::string>>(n, rc::gen::elementOf(kLetters)),
            [](const std::vector<std::string>& letters) {
                std::string text;
                for (const std::string& l : letters) text += l;
                return text;
            });
    });
}

// Without regard to case, a search finds what a plain scan of the folded text
// finds for the folded query, at the same places.
RC_GTEST_PROP(TextSearch, WithoutCaseFindsWhatTheFoldedTextHolds, ()) {
    const std::string text = *Letters(40);
    TextQuery q;
    q.What = *Letters(3);
    q.Forward = *rc::gen::arbitrary<bool>();
    q.MatchCase = false;
    q.WrapAround = *rc::gen::arbitrary<bool>();
    const TextSpan sel{*rc::gen::inRange<std::size_t>(0, text.size() + 3),
                       *rc::gen::inRange<std::size_t>(0, 5)};
    const std::string folded = FoldCase(text);
    RC_ASSERT(folded.size() == text.size());
    TextQuery exact = q;
    exact.What = FoldCase(q.What);
    exact.MatchCase = true;
    const auto found = FindInText(text, q, sel);
    const auto expected = Scan(folded, exact, sel);
    RC_ASSERT(found.has_value() == expected.has_value());
    if (found) {
        RC_ASSERT(found->Span == expected->Span);
        RC_ASSERT(found->Wrapped == expected->Wrapped);
    }
}

TEST(TextSearch, LettersBeyondAsciiMatchInEitherCaseUnlessCaseCounts) {
    EXPECT_EQ(FoldCase("\u00c4RGER \u03a3\u039f\u03a6\u0399\u0391\u03a3 \u0416\u0401 "
                       "\u0141\u00d3D\u0179 \u1ea0 \u0178 \u1e9e \u017f"),
              "\u00e4rger \u03c3\u03bf\u03c6\u03b9\u03b1\u03c3 \u0436\u0451 "
              "\u0142\u00f3d\u017a \u1ea1 \u00ff \u1e9e \u017f")
        << "the capital sharp s and the long s fold to letters of another length";
    const std::string text =
        "Kein \u00e4rger. \u03c3\u03bf\u03c6\u03b9\u03b1\u03c2! "
        "\u0436\u0443\u0440\u043d\u0430\u043b";
    auto find = [&](const std::string& what, bool matchCase) -> std::optional<std::size_t> {
        const auto found = FindInText(text, {what, true, matchCase, true}, {});
        if (!found) return std::nullopt;
        return found->Span.Start;
    };
    EXPECT_EQ(find("\u00c4RGER", false), text.find("\u00e4rger"));
    EXPECT_EQ(find("\u03a3\u039f\u03a6\u0399\u0391\u03a3", false), text.find("\u03c3"))
        << "the final sigma is a sigma";
    EXPECT_EQ(find("\u0416\u0423\u0420\u041d\u0410\u041b", false), text.find("\u0436"));
    EXPECT_EQ(find("k\u0395\u0399N \u00c4", false), std::nullopt) << "a Greek E is no Latin e";
    EXPECT_EQ(find("\u00c4RGER", true), std::nullopt);
    EXPECT_EQ(find("\u00e4rger", true), text.find("\u00e4rger"));
}

class FindBar : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteBytes(rig.dir.File("collections-political.txt"),
                         "Alpha beta\r\n%\r\nGamma BETA\r\n%\r\nbeta delta\r\n%\r\n");
        rig.Start();
    }
    headless::FindBar& Bar() { return rig.Find<headless::FindBar>("findBar"); }
    bool Press(const char* keys) { return rig.Window().PressShortcut(keys); }
    // The text the editor has selected.
    std::string Selected(const char* editor) {
        const TextSpan s = rig.Editor(editor).Selection();
        return rig.Editor(editor).GetText().substr(s.Start, s.Length);
    }

    test::MainRig rig;
};

TEST_F(FindBar, StepsBothWaysRoundTheEndsAndWithCase) {
    rig.Tabs().ClickTab(TabIndex::Random);
    const int tabHeight = rig.Tabs().Height();
    const int editorHeight = rig.Editor("txtRandom").Height();
    ASSERT_TRUE(Press("Ctrl+F"));
    ASSERT_TRUE(Bar().Visible());
    EXPECT_TRUE(Bar().focused);
    // The bar sits below the tab control, which gives up the room for it.
    EXPECT_LT(rig.Tabs().Height(), tabHeight);
    EXPECT_LT(rig.Editor("txtRandom").Height(), editorHeight);
    EXPECT_GE(Bar().Top(), rig.Tabs().Top() + rig.Tabs().Height());

    Bar().Type("beta");
    std::vector<std::size_t> starts;
    std::vector<std::string> notes;
    for (int i = 0; i < 4; ++i) {
        Bar().Step(true);
        starts.push_back(rig.Editor("txtRandom").Selection().Start);
        notes.push_back(Bar().Note());
    }
    EXPECT_EQ(starts, (std::vector<std::size_t>{6, 21, 30, 6}));
    EXPECT_EQ(notes, (std::vector<std::string>{"", "", "", "Continued from the top"}));
    EXPECT_EQ(Selected("txtRandom"), "beta");
    EXPECT_TRUE(Press("Shift+F3"));
    EXPECT_EQ(rig.Editor("txtRandom").Selection().Start, 30u);
    EXPECT_EQ(Bar().Note(), "Continued from the bottom");
    EXPECT_TRUE(Press("Shift+F3"));
    EXPECT_EQ(Selected("txtRandom"), "BETA");

    // With case: the upper-case one is skipped; without wrapping the end is
    // the end.
    Bar().matchCase = true;
    EXPECT_TRUE(Press("F3"));
    EXPECT_EQ(rig.Editor("txtRandom").Selection().Start, 30u);
    Bar().wrapAround = false;
    EXPECT_TRUE(Press("F3"));
    EXPECT_EQ(Bar().Note(), "Not found");
    EXPECT_EQ(rig.Editor("txtRandom").Selection().Start, 30u) << "the selection stays";
    Bar().Type("Nowhere");
    Bar().wrapAround = true;
    Bar().Step(false);
    EXPECT_EQ(Bar().Note(), "Not found");

    // Escape closes it, gives the room back and the keyboard to the editor.
    const int focused = rig.Editor("txtRandom").focusTaken;
    EXPECT_TRUE(Press("Escape"));
    EXPECT_FALSE(Bar().Visible());
    EXPECT_EQ(rig.Tabs().Height(), tabHeight);
    EXPECT_EQ(rig.Editor("txtRandom").Height(), editorHeight);
    EXPECT_EQ(rig.Editor("txtRandom").focusTaken, focused + 1);
    EXPECT_EQ(rig.Editor("txtRandom").GetText(),
              "Alpha beta\r\n%\r\nGamma BETA\r\n%\r\nbeta delta\r\n%\r\n")
        << "finding changes no text";
    EXPECT_FALSE(rig.Form().state.RandomDirty);
}

TEST_F(FindBar, OnlyOnTheFixedAndRandomTabs) {
    // F3 with an empty bar opens it; the Fixed tab's editor is searched there.
    EXPECT_TRUE(Press("F3"));
    EXPECT_TRUE(Bar().Visible());
    Bar().Type("example");
    Bar().Step(true);
    EXPECT_EQ(Selected("txtFixedSig"), "example");
    EXPECT_EQ(rig.Editor("txtRandom").Selection(), TextSpan{});

    // Another tab in front closes it; there, Ctrl+F and F3 open nothing.
    rig.Tabs().ClickTab(TabIndex::Current);
    EXPECT_FALSE(Bar().Visible());
    Press("Ctrl+F");
    Press("F3");
    EXPECT_FALSE(Bar().Visible());
    rig.Tabs().ClickTab(TabIndex::Settings);
    Press("Ctrl+F");
    EXPECT_FALSE(Bar().Visible());

    // F3 on the Random tab searches for the text the bar had, the bar
    // closed; it opens to tell that nothing was found.
    rig.Tabs().ClickTab(TabIndex::Random);
    Bar().Type("delta");
    Press("F3");
    EXPECT_FALSE(Bar().Visible());
    EXPECT_EQ(Selected("txtRandom"), "delta");
    Bar().Type("example");
    Press("F3");
    EXPECT_TRUE(Bar().Visible());
    EXPECT_EQ(Bar().Note(), "Not found");
    Bar().Close();
    EXPECT_FALSE(Bar().Visible());
}

}  // namespace
}  // namespace tagrota
