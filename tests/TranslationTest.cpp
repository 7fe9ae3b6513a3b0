// Every text the program shows comes through the translator, and every such
// text stands in the catalogues: a language whose catalogue is complete shows
// no English. The translator here marks what it gives, so English that went
// round it shows up as letters outside the marks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/Settings.h"
#include "mainwindow/WindowConstants.h"
#include "mainwindow/frmMain.h"
#include "platform/Translate.h"
#include "platform/headless/HeadlessTray.h"
#include "platform/headless/HeadlessWindow.h"

namespace tagrota {
namespace {

const std::string kOpen = "\u27e6", kClose = "\u27e7";

// A text as lupdate writes it into a catalogue: XML with a carriage return as
// a byte element.
std::string AsInCatalogue(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            case '\r':
                out += "<byte value=\"xd\"/>";
                break;
            default:
                out += c;
        }
    }
    return out;
}

class Translation : public ::testing::Test {
protected:
    Translation() {
        for (const char* lang : {"de", "fr"})
            catalogues.push_back(test::ReadBytes(
                std::string(TAGROTA_SOURCE_DIR "/translations/tagrota_") + lang + ".ts"));
        SetTranslator([this](const char* context, const char* source) {
            for (const std::string& catalogue : catalogues)
                if (!InCatalogue(catalogue, context, source))
                    missing.insert(std::string(context) + ": " + source);
            return kOpen + source + kClose;
        });
    }
    ~Translation() override { SetTranslator({}); }

    static bool InCatalogue(const std::string& catalogue, const std::string& context,
                            const std::string& source) {
        const std::size_t at = catalogue.find("<name>" + AsInCatalogue(context) + "</name>");
        if (at == std::string::npos) return false;
        const std::size_t end = catalogue.find("</context>", at);
        return catalogue.find("<source>" + AsInCatalogue(source) + "</source>", at) < end;
    }

    // A text the user sees: any letter outside the translator's marks is
    // English that a German or French user would meet.
    void Shown(const std::string& where, const std::string& text) {
        int depth = 0;
        std::string outside;
        for (std::size_t i = 0; i < text.size();) {
            if (text.compare(i, kOpen.size(), kOpen) == 0) {
                ++depth;
                i += kOpen.size();
            } else if (text.compare(i, kClose.size(), kClose) == 0) {
                --depth;
                i += kClose.size();
            } else {
                if (depth == 0) outside += text[i];
                ++i;
            }
        }
        // The program's name stays as it is.
        for (std::size_t at; (at = outside.find("Tagrota")) != std::string::npos;)
            outside.erase(at, 7);
        if (std::any_of(outside.begin(), outside.end(),
                        [](unsigned char c) { return std::isalpha(c); }))
            english.push_back(where + ": " + text);
    }

    void ShownIn(const headless::Window& w) {
        const std::string title = w.Caption();
        Shown("window", title);
        for (const headless::Control* c : w.Controls()) {
            const std::string at = title + " " + c->Place().Name;
            Shown(at + " accessible name", c->Place().AccessibleName);
            Shown(at + " description", c->Place().AccessibleDescription);
            if (const auto* label = dynamic_cast<const headless::Label*>(c))
                Shown(at, label->Caption());
            if (const auto* button = dynamic_cast<const headless::Button*>(c))
                Shown(at, button->Caption());
            if (const auto* box = dynamic_cast<const headless::CheckBox*>(c))
                Shown(at, box->Caption());
            if (const auto* bar = dynamic_cast<const headless::FindBar*>(c)) Shown(at, bar->Note());
            if (const auto* tabs = dynamic_cast<const headless::TabControl*>(c))
                for (int tab = 0; tab < tabs->Tabs(); ++tab) {
                    Shown(at + " tab", tabs->TabCaption(tab));
                    Shown(at + " tab description", tabs->TabDescription(tab));
                }
            if (const auto* toolbar = dynamic_cast<const headless::Toolbar*>(c))
                for (const ToolbarEntry& b : toolbar->Buttons()) {
                    Shown(at + " " + b.Key, b.Caption);
                    Shown(at + " " + b.Key + " tip", b.ToolTip);
                    Shown(at + " " + b.Key + " accessible name", b.AccessibleName);
                }
        }
    }

    void ShownInMessages() {
        for (const headless::MessageBox::Shown& m : rig.messages.shown) {
            Shown("message", m.text);
            Shown("message title", m.title);
            for (const std::string& button : m.buttons) Shown("message button", button);
        }
    }

    std::vector<std::string> catalogues;
    std::set<std::string> missing;
    std::vector<std::string> english;
    test::MainRig rig;
};

// A day's worth of windows, menus and messages: start-up messages, the main
// window and its menus, the find bar, the dialogs, the tray icon and its
// menu, a failed save and the closing question.
TEST_F(Translation, EveryTextShownIsTranslatedInEveryLanguage) {
    const std::string bad = rig.dir.File("bad.txt");
    test::WriteBytes(bad, "A\r\nB\r\n");
    rig.Store(SettingKey::RandomFile, bad);
    for (const char* page : {"tab0.rtf", "index.html"})
        test::WriteBytes(rig.dir.File(page), "Page");
    rig.Start();
    ShownIn(rig.Window());
    for (const MenuEntry& entry : rig.Window().Menu().Items())
        Shown("menu " + entry.Name, entry.Caption);

    rig.Tabs().ClickTab(TabIndex::Random);
    ASSERT_TRUE(rig.Window().PressShortcut("Ctrl+F"));
    auto& bar = rig.Find<headless::FindBar>("findBar");
    bar.Type("no such words");
    bar.Step(true);
    Shown("find bar", bar.Note());

    rig.ui.whileModal = [this](const headless::Window& w) { ShownIn(w); };
    rig.Toolbar().Click("About");
    rig.Toolbar().Click("Help");
    rig.Window().Menu().Click("mnuHelp");
    rig.ui.whileModal = nullptr;
    rig.Window().Menu().Click("mnuCheck");
    rig.Window().Menu().Click("mnuSetAside");
    for (headless::Window* w : rig.ui.windows)
        if (w != &rig.Window()) ShownIn(*w);

    rig.Find<headless::CheckBox>("chkSysTray").Click();
    ASSERT_NE(rig.tray.TheIcon(), nullptr);
    Shown("tray tip", rig.tray.TheIcon()->tip);
    rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);
    ASSERT_FALSE(rig.tray.popups.empty());
    for (const TrayMenuItem& item : rig.tray.popups.back().Items) Shown("tray menu", item.Caption);

    rig.Editor("txtFixedSig").Type("Unsaved");
    rig.files.failWrites.insert(rig.dir.File(kFixedFileName));
    rig.Tabs().ClickTab(TabIndex::Fixed);
    rig.Toolbar().Click("Save");
    rig.messages.Answer(2);  // Cancel: the window stays
    rig.Window().UserClose();
    ShownInMessages();
    EXPECT_GE(rig.messages.shown.size(), 3u)
        << "the start-up message, the failed save, the question";

    EXPECT_EQ(english, std::vector<std::string>{});
    EXPECT_EQ(missing, std::set<std::string>{});
}

// A translation may put the values in another order; a value that holds a
// place of its own (a file named "%2.txt") is not filled in again.
TEST(TranslationFormat, FillsEachPlaceOnceInTheTranslationsOrder) {
    EXPECT_EQ(Format("%2 ist %1", {"/home/a/%2.txt", "kaputt"}), "kaputt ist /home/a/%2.txt");
    EXPECT_EQ(Format("100% of %1, %3 and %x", {"a"}), "100% of a, %3 and %x");
}

}  // namespace
}  // namespace tagrota
