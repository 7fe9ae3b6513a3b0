// The main window's handlers on the headless platform, with virtual time.

#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "engine/Collection.h"
#include "engine/Settings.h"

namespace tagrota {
namespace {

using headless::CheckBox;
using headless::Label;
using headless::ScrollBar;
using headless::TextBox;
using test::ReadBytes;
using test::WriteBytes;

class MainWindow : public ::testing::Test {
protected:
    frmMain& F() { return rig.Form(); }
    ProgramState& St() { return rig.Form().state; }
    std::string Caption(const char* label) { return rig.Find<Label>(label).Caption(); }
    Rect At(const char* name) { return rig.Find<headless::Control>(name).Bounds(); }
    void Click(const std::string& key) { rig.Toolbar().Click(key); }
    std::string Collection(const std::string& name, const std::string& text) {
        const std::string path = rig.dir.File(name);
        WriteBytes(path, text);
        return path;
    }
    int Rotations() { return rig.files.writes; }

    test::MainRig rig;
};

// --- Start-up ---

TEST_F(MainWindow, FirstRunInAnEmptyFolder) {
    rig.Start();
    EXPECT_EQ(rig.Window().Bounds(), (Rect{1000, 1000, 6300, 7200}))
        << "grown from 5000 by 5000 to the minimum";
    EXPECT_EQ(rig.Signature(), "---\nhttps://example.org/\n\n\nEmpty Signature Collection File\n");
    EXPECT_EQ(ReadBytes(rig.dir.File("collections-political.txt")),
              EncodeText(PlaceholderCollectionText(), {TextEncoding::Utf8, LineEnding::Lf}));
    EXPECT_FALSE(rig.files.FileExists(rig.dir.File("fixed.txt"))) << "written only by a save";
    EXPECT_EQ(rig.Find<TextBox>("txtCPath").GetText(), rig.dir.File("sig.txt"));
    EXPECT_EQ(Caption("lblDur") + Caption("lblWordWrap"), "20065");
    auto& width = rig.Find<ScrollBar>("HScroll1");
    EXPECT_EQ(width.Value(), 65) << "the stored width while wrapping is off";
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_FALSE(rig.Find<headless::Control>("chkWordWrap").IsShowing());
    EXPECT_EQ(rig.Tabs().TabPicture(0) + rig.Tabs().TabPicture(1), "CleanClean");

    // Unknown toolbar keys do nothing and end nothing.
    for (const char* key : {"", "exit", "Nope"}) Click(key);
    EXPECT_EQ(rig.Tabs().Tab(), 0);
    EXPECT_FALSE(rig.Window().Closed());

    // One step on the width bar moves from the stored width.
    width.Drag(width.Value() + 1);
    Click("Exit");
    EXPECT_EQ(rig.Stored(SettingKey::WrapCount), "66");
}

TEST_F(MainWindow, TheAboutButtonShowsItsFourPicturesInTurn) {
    rig.Start();
    std::vector<int> shown;
    for (int i = 0; i < 5; ++i) {
        rig.platform.Advance(20000);
        shown.push_back(rig.Toolbar().ButtonImage("About"));
    }
    EXPECT_EQ(shown, (std::vector<int>{9, 10, 11, 7, 9}));
}

TEST_F(MainWindow, StoredSettingsComeBack) {
    rig.Store(SettingKey::UseSeq, "True");
    rig.Store(SettingKey::SigDuration, "5");
    rig.Store(SettingKey::DoWrap, "True");
    rig.Store(SettingKey::WrapCount, "40");
    rig.Store(SettingKey::StartMin, "True");
    rig.Store(SettingKey::MainLeft, "300");
    rig.Store(SettingKey::MainWidth, "9000");
    rig.Start();
    EXPECT_EQ(rig.Toolbar().ButtonValue("Bullets"), 1);
    EXPECT_EQ(rig.Tabs().TabCaption(1), "Sequential");
    EXPECT_EQ(Caption("lblDur") + Caption("lblWordWrap"), "05040");
    EXPECT_EQ(rig.Find<ScrollBar>("HScroll1").Value(), 40);
    EXPECT_EQ(rig.Find<CheckBox>("chkWordWrap").Value() + rig.Find<CheckBox>("chkMin").Value(), 2);
    EXPECT_EQ(rig.Window().State(), WindowState::Minimized);
    EXPECT_TRUE(rig.Window().Visible()) << "minimised in the taskbar, not hidden, without tray";
    EXPECT_EQ(rig.Window().Bounds(), (Rect{300, 1000, 9000, 7200}))
        << "laid out when placed, before it was minimised";

    // A rotation every 5 seconds, the first one at start-up.
    const int before = Rotations();
    rig.platform.Advance(4999);
    EXPECT_EQ(Rotations(), before);
    rig.platform.Advance(1);
    EXPECT_EQ(Rotations(), before + 1);
}

// Wayland: a window asked to start minimised may go where the user cannot
// find it. It starts in the tray where there is one, else as a normal window;
// the choice stays for a desktop that can.
TEST_F(MainWindow, WhereTheDesktopCannotStartAWindowMinimisedItStaysWithinReach) {
    for (auto [inSysTray, trayThere] : {std::pair{false, true}, {true, true}, {true, false}}) {
        SCOPED_TRACE(std::to_string(inSysTray) + std::to_string(trayThere));
        test::MainRig r;
        r.ui.canStartMinimised = false;
        r.tray.available = trayThere;
        r.Store(SettingKey::StartMin, "True");
        r.Store(SettingKey::InSysTray, inSysTray ? "True" : "False");
        r.Start();
        EXPECT_NE(r.Window().State(), WindowState::Minimized);
        if (inSysTray && trayThere) {
            EXPECT_FALSE(r.Window().Visible()) << "in the tray";
            ASSERT_TRUE(r.Form().trayMode->Icon());
            r.tray.SendCode(NotifyCode::WM_LBUTTONDBLCLK);
        }
        EXPECT_TRUE(r.Window().Visible());
        r.Window().Menu().Click("mnuExit");
        EXPECT_EQ(r.Stored(SettingKey::StartMin), "True");
    }
}

TEST_F(MainWindow, FirstRotationComesBeforeTheWindowIsShown) {
    // Plain, start minimised, tray mode, and minimised to the tray.
    for (auto [startMin, inSysTray] :
         {std::pair{"False", "False"}, {"True", "False"}, {"False", "True"}, {"True", "True"}}) {
        SCOPED_TRACE(std::string(startMin) + inSysTray);
        test::MainRig r;
        r.Store(SettingKey::StartMin, startMin);
        r.Store(SettingKey::InSysTray, inSysTray);
        std::vector<std::string> atShow;
        r.ui.whenShown = [&](headless::Window&) {
            atShow.push_back(r.files.FileExists(r.dir.File("sig.txt")) ? r.Signature() : "(none)");
        };
        r.Start();
        ASSERT_FALSE(atShow.empty());
        EXPECT_EQ(atShow.front(), test::AsSignatureFile(DefaultFixedText() +
                                                        "\r\n\r\nEmpty Signature Collection File"));
    }
}

// --- Commands ---

TEST_F(MainWindow, DurationChangeAndStopRestartTheRotationWithAFullPeriod) {
    rig.Start();
    int before = Rotations();
    rig.platform.Advance(15000);
    rig.Find<ScrollBar>("HScroll2").Drag(7);
    EXPECT_EQ(Caption("lblDur"), "07");
    rig.platform.Advance(6999);
    EXPECT_EQ(Rotations(), before) << "the old period's remainder does not count";
    rig.platform.Advance(1);
    EXPECT_EQ(Rotations(), before + 1);

    // Stopped (from the menu, the button shows it), a new duration keeps it
    // stopped.
    rig.platform.Advance(3000);
    rig.Window().Menu().Click("mnuStop");
    before = Rotations();
    EXPECT_EQ(rig.Toolbar().ButtonValue("Stop"), 1);
    rig.Find<ScrollBar>("HScroll2").Drag(8);
    rig.platform.Advance(60000);
    EXPECT_EQ(Rotations(), before);

    Click("Stop");
    EXPECT_EQ(rig.Toolbar().ButtonValue("Stop"), 0);
    EXPECT_EQ(Rotations(), before) << "no rotation at the click itself";
    rig.platform.Advance(7999);
    EXPECT_EQ(Rotations(), before);
    rig.platform.Advance(1);
    EXPECT_EQ(Rotations(), before + 1);
}

// From the toolbar, the menu, Ctrl+N and the tray menu alike: a rotation at
// once and the next tick a whole period later; a stopped rotation stays
// stopped; the collection question holds it.
TEST_F(MainWindow, NextQuotationRotatesAtOnceAndRestartsThePeriod) {
    rig.Store(SettingKey::SigDuration, "10");
    rig.Start();
    rig.Find<CheckBox>("chkSysTray").Click();
    rig.tray.choose = [](const TrayPopupMenu& menu) {
        for (std::size_t i = 0; i < menu.Items.size(); ++i)
            if (menu.Items[i].Caption == "&Next Quotation") return static_cast<int>(i);
        return -1;
    };
    const std::vector<std::function<void()>> ways = {
        [&] { Click("Next"); },
        [&] { rig.Window().Menu().Click("mnuNext"); },
        [&] { EXPECT_TRUE(rig.Window().PressShortcut("Ctrl+N")); },
        [&] { rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN); },
    };
    for (const auto& next : ways) {
        rig.platform.Advance(7000);
        const int before = Rotations();
        next();
        EXPECT_EQ(Rotations(), before + 1);
        rig.platform.Advance(9999);
        EXPECT_EQ(Rotations(), before + 1) << "the period starts afresh";
        rig.platform.Advance(1);
        EXPECT_EQ(Rotations(), before + 2);
    }
    const auto& buttons = rig.Toolbar().Buttons();
    const auto button = std::find_if(buttons.begin(), buttons.end(),
                                     [](const ToolbarEntry& b) { return b.Key == "Next"; });
    ASSERT_NE(button, buttons.end());
    EXPECT_EQ(button->ToolTip, "Next Quotation (Ctrl+N)");

    // Not from the tray while a window of the program waits for an answer.
    rig.ui.modalDepth = 1;
    int before = Rotations();
    rig.tray.SendCode(NotifyCode::WM_RBUTTONDOWN);
    EXPECT_EQ(Rotations(), before);
    rig.ui.modalDepth = 0;

    Click("Stop");
    before = Rotations();
    Click("Next");
    rig.platform.Advance(60000);
    EXPECT_EQ(Rotations(), before + 1);
    EXPECT_EQ(rig.Toolbar().ButtonValue("Stop"), 1);

    // While the user is asked whether to load another collection now.
    WriteBytes(rig.dir.File("other.txt"), "A\r\n%\r\nB\r\n%\r\n");
    rig.dialog.Choose(rig.dir.File("other.txt"));
    rig.messages.whileOpen = [&] {
        before = Rotations();
        Click("Next");
        rig.Form().NextQuotation();
        EXPECT_EQ(Rotations(), before);
    };
    rig.Find<headless::Button>("btnFindPath(0)").Click();
    EXPECT_EQ(rig.messages.shown.size(), 1u);
}

TEST_F(MainWindow, BulletsFromTheSettingsTabComesBackAndLaysItOut) {
    rig.Start();
    Click("Settings");
    rig.Window().UserResize(8000, 7000);
    Click("Fixed");
    rig.Window().UserResize(9000, 7000);
    EXPECT_EQ(At("btnFindPath(0)").Left, 6980) << "not moved while another tab is in front";
    Click("Settings");
    rig.Tabs().history.clear();

    Click("Bullets");
    EXPECT_TRUE(St().UseSeq);
    EXPECT_EQ(rig.Toolbar().ButtonValue("Bullets"), 1);
    EXPECT_EQ(rig.Tabs().TabCaption(1), "Sequential");
    EXPECT_EQ(rig.Tabs().history, (std::vector<int>{1, 3}));
    EXPECT_EQ(At("btnFindPath(0)").Left, 9000 - 230 - 790);

    Click("Bullets");
    EXPECT_FALSE(St().UseSeq);
    EXPECT_EQ(rig.Toolbar().ButtonValue("Bullets"), 0);
    EXPECT_EQ(rig.Tabs().TabCaption(1), "Random");
    EXPECT_EQ(rig.Tabs().Tab(), 3);
}

// --- Editing and Save ---

TEST_F(MainWindow, DirtyPicturesAndSaveOnEachTab) {
    const std::string quotes = Collection("q.txt", "A\r\n%\r\nB\r\n%\r\n");
    rig.Store(SettingKey::RandomFile, quotes);
    rig.Store(SettingKey::NoRepeats, "False");  // the draws below are the plain ones
    rig.Start();
    auto& fixed = rig.Editor("txtFixedSig");
    auto& random = rig.Editor("txtRandom");

    fixed.Type("-- \r\nMe");
    EXPECT_EQ(rig.Tabs().TabPicture(0), "Dirty2");
    rig.Tabs().SetTabPicture(0, "Dirty");  // shows that later keystrokes set nothing
    fixed.Type("-- \r\nMe!");
    EXPECT_EQ(rig.Tabs().TabPicture(0), "Dirty");

    Click("Random");
    random.Type("A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n");
    EXPECT_EQ(rig.Tabs().TabPicture(1), "Dirty2");

    Click("Current");
    Click("Save");
    rig.Window().Menu().Click("mnuSave");
    EXPECT_FALSE(rig.files.FileExists(rig.dir.File("fixed.txt"))) << "Save on tab 2 does nothing";

    Click("Fixed");
    Click("Save");
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "-- \nMe!") << "created with LF";
    EXPECT_EQ(rig.Tabs().TabPicture(0), "Clean");
    EXPECT_EQ(ReadBytes(quotes), "A\r\n%\r\nB\r\n%\r\n") << "the other tab stays unsaved";

    Click("Random");
    rig.Window().Menu().Click("mnuSave");
    EXPECT_EQ(ReadBytes(quotes), "A\r\n%\r\nB\r\n%\r\nC\r\n%\r\n");
    EXPECT_EQ(rig.Tabs().TabPicture(1), "Clean");
    EXPECT_EQ(St().SigCount, 2) << "a saved collection is used from the next load on";

    // The unsaved fixed signature is what the next rotation uses.
    fixed.Type("J");
    rig.platform.Advance(20000);
    EXPECT_EQ(rig.Signature(), "J\nB\n");
    EXPECT_EQ(rig.Tabs().TabPicture(0), "Dirty2") << "the picture goes on the editor's own tab";
    EXPECT_EQ(rig.Tabs().TabPicture(1), "Clean");

    // It follows the undo history: the saved text typed again is still an
    // edit; undone back to it, the tab is clean.
    fixed.Type("-- \r\nMe!");
    EXPECT_TRUE(St().FixedDirty);
    fixed.Undo();
    fixed.Undo();
    EXPECT_EQ(rig.Tabs().TabPicture(0), "Clean");
}

// --- Settings tab ---

TEST_F(MainWindow, WordWrapShowsAndHidesTheWidth) {
    rig.Start();
    auto& wrap = rig.Find<CheckBox>("chkWordWrap");
    auto& width = rig.Find<ScrollBar>("HScroll1");
    wrap.Click();
    EXPECT_TRUE(St().DoWrap);
    EXPECT_EQ(width.Value(), 65);
    width.Drag(100);
    wrap.Click();
    EXPECT_FALSE(St().DoWrap);
    EXPECT_FALSE(width.Visible() || width.Enabled() || rig.Find<Label>("lblWordWrap").Visible());
    wrap.Click();
    EXPECT_TRUE(width.Visible() && width.Enabled());
    EXPECT_EQ(Caption("lblWordWrap"), "100");
    EXPECT_EQ(St().WrapCount, 100);

    rig.Find<CheckBox>("chkMin").Click();
    EXPECT_TRUE(St().StartMin);
    EXPECT_EQ(rig.Window().State(), WindowState::Normal) << "used at the next start only";
}

class Browse : public MainWindow {
protected:
    void SetUp() override {
        old = Collection("old.txt", "Old1\r\n%\r\nOld2\r\n%\r\n");
        rig.Store(SettingKey::RandomFile, old);
        rig.Store(SettingKey::UseSeq, "True");
        rig.Start();
        Click("Settings");
    }
    void ChooseCollection(const std::string& path) {
        rig.dialog.Choose(path);
        rig.Find<headless::Button>("btnFindPath(0)").Click();
    }
    // The collection in use: path box, editor and list agree, nothing unsaved.
    void ExpectInUse(const std::string& path, const std::string& text) {
        EXPECT_EQ(rig.Find<TextBox>("txtRPath").GetText(), path);
        EXPECT_EQ(rig.Editor("txtRandom").GetText(), text);
        EXPECT_EQ(St().Sigs.Views(), SplitCollection(text));
        EXPECT_FALSE(St().RandomDirty);
    }
    std::string old;
};

TEST_F(Browse, DialogsStartAtTheFileInUseAndCancelOrTheSameFileChangeNothing) {
    ChooseCollection(old);
    rig.Find<headless::Button>("btnFindPath(1)").Click();
    ASSERT_EQ(rig.dialog.shown.size(), 2u);
    EXPECT_EQ(rig.dialog.shown[0].DialogTitle + "|" + rig.dialog.shown[0].InitDir,
              "Open Collection File|" + old);
    EXPECT_EQ(rig.dialog.shown[1].DialogTitle + "|" + rig.dialog.shown[1].InitDir,
              "Open Signature File|" + rig.dir.File("sig.txt"));
    EXPECT_EQ(St().Files.CurrentPath(), rig.dir.File("sig.txt")) << "cancelled: nothing changes";

    rig.dialog.Choose(rig.dir.File("other sig.txt"));
    rig.Find<headless::Button>("btnFindPath(1)").Click();
    EXPECT_EQ(rig.Find<TextBox>("txtCPath").GetText(), rig.dir.File("other sig.txt"));
    EXPECT_TRUE(rig.messages.shown.empty());
    rig.platform.Advance(20000);
    EXPECT_TRUE(rig.files.FileExists(rig.dir.File("other sig.txt")));
}

TEST_F(Browse, YesLoadsAValidFileAndRotatesAtOnce) {
    // A name that differs only in case is another file.
    const std::string fresh = Collection("OLD.txt", "New1\r\n%\r\nNew2\r\n%\r\nNew3\r\n%\r\n");
    ASSERT_EQ(ReadBytes(old), "Old1\r\n%\r\nOld2\r\n%\r\n") << "two files on this system";
    const Long quote = St().QuoteNumber;
    Click("Stop");
    rig.messages.Answer(MsgBoxResult::Yes);
    ChooseCollection(fresh);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    ExpectInUse(fresh, "New1\r\n%\r\nNew2\r\n%\r\nNew3\r\n%\r\n");
    EXPECT_EQ(rig.Signature(),
              test::AsSignatureFile(DefaultFixedText() + "\r\nNew" + std::to_string(quote + 2)))
        << "rotated once even though stopped, sequence position kept";
    EXPECT_EQ(rig.Tabs().TabPicture(1), "Clean");
}

TEST_F(Browse, YesForAnInvalidFileRestoresTheOldOne) {
    const std::string bad = Collection("citations-été.txt", "no separators here");
    const int before = Rotations();
    rig.messages.Answer(MsgBoxResult::Yes);
    // A tick while the message box is open must not rotate: the reload holds
    // the rotation until it has ended.
    rig.messages.whileOpen = [&] {
        if (rig.messages.shown.size() == 2) rig.platform.Advance(25000);
    };
    ChooseCollection(bad);
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    // The whole path in upper case, its accented letters too.
    std::string folder = rig.dir.Path().string() + "/";
    for (char& c : folder) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(rig.messages.shown[1].text,
              "The file " + folder + "CITATIONS-ÉTÉ.TXT is invalid. This file was NOT loaded.");
    ExpectInUse(old, "Old1\r\n%\r\nOld2\r\n%\r\n");
    EXPECT_EQ(Rotations(), before + 1) << "only the reload's own rotation";
}

TEST_F(Browse, NoDefersTheNewFileAndAnInvalidYesAfterItPutsBackTheStateBeforeTheYes) {
    const std::string declined = Collection("declined.txt", "D1\r\n%\r\nD2\r\n%\r\n");
    const std::string bad = Collection("bad.txt", "no separators here");
    rig.messages.Answer(MsgBoxResult::No);
    ChooseCollection(declined);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "Collection Change");
    EXPECT_EQ(rig.messages.shown[0].style, MsgBoxStyle::YesNo + MsgBoxStyle::Exclamation);
    EXPECT_EQ(rig.messages.shown[0].text,
              "You have selected a different collection file to use.\r\n"
              "Do you want to load the new file now? If you answer 'No'\r\n"
              "it will be loaded the next time you start Tagrota.");
    rig.messages.Answer(MsgBoxResult::Yes);
    ChooseCollection(bad);
    ASSERT_EQ(rig.messages.shown.size(), 3u);

    // The path names the declined file again; the Random tab, the list and
    // the count still hold the collection in use.
    ExpectInUse(declined, "Old1\r\n%\r\nOld2\r\n%\r\n");
    EXPECT_EQ(St().SigCount, 2);
    rig.platform.Advance(20000);
    EXPECT_EQ(rig.Signature().substr(rig.Signature().size() - 5, 3), "Old");

    // An edit is saved to the file it came from, never over the declined one.
    Click("Random");
    rig.Editor("txtRandom").Type("Old1\r\n%\r\nOld3\r\n%\r\n");
    Click("Save");
    EXPECT_EQ(ReadBytes(old), "Old1\r\n%\r\nOld3\r\n%\r\n");
    EXPECT_EQ(ReadBytes(declined), "D1\r\n%\r\nD2\r\n%\r\n");
    rig.Window().UserClose();
    EXPECT_EQ(rig.Stored(SettingKey::RandomFile), declined) << "still chosen for the next start";
}

TEST_F(Browse, YesSplitsAFileThatEndsInAPercentLineLikeTheStartUp) {
    const std::string saved =
        Collection("saved.txt", "First quote\r\n%\r\nSecond quote\r\n%\r\nThird quote\r\n%");
    rig.messages.Answer(MsgBoxResult::Yes);
    ChooseCollection(saved);
    EXPECT_EQ(St().SigCount, 3);
    for (int i = 0; i < 3; ++i, rig.platform.Advance(20000))
        EXPECT_NE(rig.Signature().back(), '%') << rig.Signature();
}

// --- Closing ---

TEST_F(MainWindow, ClosingWritesEverySettingInOrder) {
    rig.Start();
    rig.Window().UserResize(8000, 7000);
    rig.Window().SetState(WindowState::Maximized);
    Click("Exit");
    EXPECT_EQ(rig.store.saves, (std::vector<std::string>{
                                   "MainLeft", "MainTop", "MainWidth", "MainHeight", "WrapCount",
                                   "InSysTray", "SigPath", "DoWrap", "RandomFile", "CurrentFile",
                                   "SigDuration", "StartMin", "UseSeq", "SigLineEnds", "NoRepeats",
                                   "MaxSigLines", "MaxSigColumns", "WrapStrict"}));
    EXPECT_EQ(rig.Stored(SettingKey::MainWidth), "8000");
    EXPECT_EQ(rig.Stored(SettingKey::SigPath), rig.dir.Path().string());
    const int written = Rotations();
    rig.platform.Advance(120000);
    EXPECT_EQ(Rotations(), written);
}

TEST_F(MainWindow, ClosingMinimisedKeepsTheStoredGeometry) {
    rig.Store(SettingKey::MainLeft, "1234");
    rig.Start();
    rig.Find<CheckBox>("chkMin").Click();
    rig.Editor("txtFixedSig").Type("unsaved");
    rig.Window().SetState(WindowState::Minimized);
    rig.messages.Answer(1);  // Discard
    rig.Window().Menu().Click("mnuExit");
    EXPECT_EQ(rig.store.saves.front(), "WrapCount");
    EXPECT_EQ(rig.Stored(SettingKey::MainLeft), "1234");
    EXPECT_EQ(rig.Stored(SettingKey::StartMin), "True");
    EXPECT_EQ(rig.messages.shown.size(), 1u) << "asked about the unsaved edit";
    EXPECT_FALSE(rig.files.FileExists(rig.dir.File("fixed.txt")));
}

// --- Layout ---

TEST_F(MainWindow, LayoutFollowsTheWindow) {
    rig.Start();
    auto expectLayout = [&](int width, int height) {
        const int tab = std::max(width, 6300) - 230;
        EXPECT_EQ(At("SSTab1"), (Rect{45, 720, tab, std::max(height, 7200) - 1500}));
        for (const char* e : {"txtFixedSig", "txtRandom", "txtCurrent"})
            EXPECT_EQ(At(e), (Rect{130, 520, tab - 270, std::max(height, 7200) - 2170})) << e;
    };
    Click("Settings");
    rig.Window().UserResize(8000, 7000);
    expectLayout(8000, 7000);
    EXPECT_EQ(At("txtCPath").Width, 6580);

    // Too small a size is grown back to the minimum, each side on its own.
    rig.Window().SetBounds({0, 0, 100, 9000});
    EXPECT_EQ(rig.Window().Bounds(), (Rect{0, 0, 6300, 9000}));
    expectLayout(6300, 9000);

    // Minimised without tray mode: nothing moves and the window stays.
    rig.Window().SetState(WindowState::Minimized);
    EXPECT_TRUE(rig.Window().Visible());
    expectLayout(6300, 9000);
}

// Every command key, the tabs stepped round both ways.
TEST_F(MainWindow, KeysDoWhatTheirCommandsDo) {
    rig.Start();
    const auto press = [&](const char* keys) { EXPECT_TRUE(rig.Window().PressShortcut(keys)); };
    press("Ctrl+T");
    EXPECT_EQ(rig.Toolbar().ButtonValue("Stop"), 1);
    Click("Current");
    press("Ctrl+R");
    EXPECT_EQ(rig.Toolbar().ButtonValue("Bullets"), 1);
    EXPECT_EQ(rig.Tabs().Tab(), 2) << "back on the tab it came from";

    std::vector<int> seen;
    for (const char* keys : {"Ctrl+Tab", "Ctrl+Tab", "Ctrl+PgDown", "Ctrl+Shift+Tab", "Ctrl+PgUp",
                             "Ctrl+PgUp", "Ctrl+PgUp", "Ctrl+PgUp"}) {
        press(keys);
        seen.push_back(rig.Tabs().Tab());
    }
    EXPECT_EQ(seen, (std::vector<int>{3, 0, 1, 0, 3, 2, 1, 0}));

    // Ctrl+S saves the tab in front only; Ctrl+Q closes as the window does.
    rig.Editor("txtFixedSig").Type("-- \r\nKeyed");
    rig.Editor("txtRandom").Type("typed\r\n%\r\n");
    press("Ctrl+S");
    EXPECT_EQ(ReadBytes(rig.dir.File("fixed.txt")), "-- \nKeyed");
    EXPECT_TRUE(St().RandomDirty);
    press("Ctrl+Tab");
    press("Ctrl+S");
    EXPECT_FALSE(St().RandomDirty);
    press("Ctrl+Q");
    EXPECT_EQ(rig.closed, 1);
    EXPECT_EQ(rig.Stored(SettingKey::SigDuration), "20") << "the settings were written";
}

// What a screen reader calls each control a user works with, in the main
// window and in each window it opens: its caption or a name of its own. Each
// tab says what it holds, and the toolbar's toggles are the two buttons that
// stay pressed.
TEST_F(MainWindow, EveryControlHasANameForScreenReaders) {
    WriteBytes(rig.dir.File("collections-political.txt"), "Alpha\r\n%\r\n\r\n%\r\n");
    for (const char* page : {"tab0.rtf", "index.html"}) WriteBytes(rig.dir.File(page), "Page");
    rig.Start();
    std::vector<std::string> unnamed, toggles;
    const auto check = [&](const headless::Window& w) {
        const auto lacks = [&](const std::string& what) {
            unnamed.push_back(w.Caption() + ": " + what);
        };
        for (const headless::Control* c : w.Controls()) {
            std::string name = c->Place().AccessibleName;
            if (const auto* box = dynamic_cast<const CheckBox*>(c); box && name.empty())
                name = box->Caption();
            if (const auto* button = dynamic_cast<const headless::Button*>(c);
                button && name.empty())
                name = button->Caption();
            if (const auto* bar = dynamic_cast<const headless::Toolbar*>(c)) {
                for (const ToolbarEntry& b : bar->Buttons()) {
                    if (!b.Key.empty() && b.AccessibleName.empty()) lacks(b.Key);
                    if (b.Toggle) toggles.push_back(b.Key);
                }
            } else if (const auto* tabs = dynamic_cast<const headless::TabControl*>(c)) {
                for (int tab = 0; tab < tabs->Tabs(); ++tab)
                    if (tabs->TabCaption(tab).empty() || tabs->TabDescription(tab).empty())
                        lacks("tab " + std::to_string(tab));
            } else if (name.empty() && !dynamic_cast<const Label*>(c) &&
                       !dynamic_cast<const headless::Picture*>(c)) {
                lacks(c->Place().Name);  // labels and pictures are only read
            }
        }
    };
    check(rig.Window());
    rig.ui.whileModal = check;
    Click("About");
    Click("Help");
    rig.Window().Menu().Click("mnuHelp");
    rig.ui.whileModal = nullptr;
    rig.Window().Menu().Click("mnuCheck");
    rig.Window().Menu().Click("mnuSetAside");
    for (headless::Window* w : rig.ui.windows)
        if (w != &rig.Window()) check(*w);
    EXPECT_EQ(rig.ui.modalShows, 3);
    EXPECT_EQ(rig.ui.windows.size(), 3u) << "the collection check and the set-aside list";
    EXPECT_EQ(unnamed, std::vector<std::string>{});
    EXPECT_EQ(toggles, (std::vector<std::string>{"Stop", "Bullets"}));
}

}  // namespace
}  // namespace tagrota
