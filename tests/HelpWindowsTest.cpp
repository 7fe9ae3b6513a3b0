// The full help and the brief help of each tab, from the main window's menu
// and toolbar on the headless platform: the files they show, the messages for
// missing ones, the two windows and the help viewer's layout.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "help/HelpCommands.h"
#include "help/RichText.h"
#include "platform/Paths.h"

namespace tagrota {
namespace {

using headless::Button;
using headless::Window;
using test::WriteBytes;

class HelpWindows : public ::testing::Test {
protected:
    HelpWindows() { rig.Start(); }
    // Runs the command, handing the window it shows to `act` while it is open;
    // how many windows were shown.
    int Show(const std::function<void()>& command, const std::function<void(Window&)>& act) {
        const int before = rig.ui.modalShows;
        rig.ui.whileModal = act;
        command();
        rig.ui.whileModal = nullptr;
        return rig.ui.modalShows - before;
    }
    void Help() { rig.Toolbar().Click("Help"); }
    void Guide() { rig.Window().Menu().Click("mnuHelp"); }
    std::string Message(std::size_t i) const { return rig.messages.shown.at(i).text; }

    const std::string sep{kPathSeparator};
    test::MainRig rig;
};

TEST_F(HelpWindows, BriefHelpShowsThePageOfTheTabInFront) {
    for (int tab = 0; tab < 4; ++tab)
        WriteBytes(rig.dir.File("tab" + std::to_string(tab) + ".rtf"),
                   "Page " + std::to_string(tab));
    rig.Toolbar().Click("Bullets");  // the Random tab is now captioned Sequential
    std::string shown;
    bool byKeyboard = false;
    const auto look = [&](Window& w) {
        EXPECT_EQ(w.Frame(), DialogFrame::Fixed);
        EXPECT_EQ(w.Caption(), "Dialog Caption");
        // Centred over the main window.
        const Rect main = rig.Window().Bounds(), own = w.Bounds();
        EXPECT_LE(std::abs(2 * own.Left + own.Width - 2 * main.Left - main.Width), 1);
        shown = PlainText(w.Find<headless::RichTextBox>("RichTextBox1").Document());
        if (byKeyboard)
            EXPECT_TRUE(w.PressKey(ButtonKeys::Escape)) << "Escape closes it";
        else
            w.Find<Button>("OKButton").Click();
        EXPECT_TRUE(w.Closed());
    };
    const char* keys[] = {"Fixed", "Random", "Current", "Settings"};
    for (int tab = 0; tab < 4; ++tab) {
        rig.Toolbar().Click(keys[tab]);
        EXPECT_EQ(Show([&] { Help(); }, look), 1);
        EXPECT_EQ(shown, "Page " + std::to_string(tab)) << keys[tab];
        EXPECT_EQ(rig.ui.windows.size(), 1u) << "the dialog is gone when closed";
    }
    // The same from the keyboard: F1 for the tab in front, Ctrl+Tab to the
    // next one (round to the first), Escape to close.
    byKeyboard = true;
    for (int tab = 0; tab < 4; ++tab) {
        EXPECT_TRUE(rig.Window().PressShortcut("Ctrl+Tab"));
        EXPECT_EQ(Show([&] { EXPECT_TRUE(rig.Window().PressShortcut("F1")); }, look), 1);
        EXPECT_EQ(shown, "Page " + std::to_string(tab));
    }
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST_F(HelpWindows, MissingFilesAreReportedWithTheirFullPathAndOpenNothing) {
    const auto none = [](Window&) { ADD_FAILURE() << "no window opens"; };
    rig.Toolbar().Click("Current");
    EXPECT_EQ(Show([&] { Help(); }, none), 0);
    EXPECT_EQ(Show([&] { Guide(); }, none), 0);
    std::filesystem::create_directory(rig.dir.File("tab2.rtf"));  // a folder is no file
    EXPECT_EQ(Show([&] { Help(); }, none), 0);

    // In a root folder the paths hold two separators.
    const HelpServices atRoot{rig.ui, rig.files, rig.messages, rig.registry, rig.programs, sep};
    ShowFullHelp(atRoot, *rig.form->window);
    ShowBriefHelp(atRoot, *rig.form->window, 1);

    // A page that is there but cannot be read is reported, not shown empty.
    rig.Toolbar().Click("Fixed");
    const std::string page = rig.dir.File("tab0.rtf");
    WriteBytes(page, "{\\rtf1 Fixed}");
    rig.files.failReads.insert(page);
    EXPECT_EQ(Show([&] { Help(); }, none), 0);

    const std::string dir = rig.dir.Path().string();
    EXPECT_EQ(Message(0), "The help file " + dir + sep + "tab2.rtf was not found.");
    EXPECT_EQ(Message(1), "The help file " + dir + sep + "index.html is missing.");
    EXPECT_EQ(Message(2), Message(0));
    EXPECT_EQ(Message(3), "The help file " + sep + sep + "index.html is missing.");
    EXPECT_EQ(Message(4), "The help file " + sep + sep + "tab1.rtf was not found.");
    EXPECT_EQ(Message(5), "The help file " + page + " cannot be read: Input/output error.");
    for (const auto& m : rig.messages.shown) {
        EXPECT_EQ(m.style, MsgBoxStyle::OkOnly);
        EXPECT_EQ(m.title, "") << "the application's title";
    }
}

TEST_F(HelpWindows, FullHelpFollowsTheWindowSize) {
    const std::string guide = rig.dir.File("index.html");
    WriteBytes(guide, "<html><body>Guide</body></html>");
    const auto act = [&](Window& w) {
        EXPECT_EQ(w.Frame(), DialogFrame::Sizable);
        EXPECT_EQ(w.Caption(), "Dialog Caption");
        EXPECT_NE(w.Icon(), rig.Window().Icon()) << "an icon of its own";
        auto& browser = w.Find<headless::WebBrowser>("WebBrowser1");
        auto& ok = w.Find<Button>("OKButton");
        EXPECT_EQ(browser.Location(), guide);

        // Laid out when first shown, and on every resize, from the outer size.
        const Rect outer = w.Bounds();
        EXPECT_EQ(browser.Bounds(), (Rect{45, 45, outer.Width - 150, outer.Height - 1260}));
        w.UserResize(6000, 5000);
        EXPECT_EQ(ok.Bounds(), (Rect{2393, 4040, 1215, 510}));
        EXPECT_EQ(browser.Bounds(), (Rect{45, 45, 5850, 3740}));
        w.UserResize(6001, 5000);
        EXPECT_EQ(ok.Left(), 2393) << "the remainder of each half is dropped";
        // Smaller than the rule is made for: the browser keeps no size at all.
        w.UserResize(100, 900);
        EXPECT_EQ(browser.Width(), 0);
        EXPECT_EQ(browser.Height(), 0);
        w.UserClose();  // the frame's close box, like OK
    };
    EXPECT_EQ(Show([&] { Guide(); }, act), 1);
    EXPECT_EQ(rig.ui.windows.size(), 1u);
    EXPECT_TRUE(rig.messages.shown.empty());
}

}  // namespace
}  // namespace tagrota
