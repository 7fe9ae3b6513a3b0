// Start-up: the settings read, the three editors filled, the rotation armed and
// run once, and the window shown with the Fixed tab in front.

#include <algorithm>

#include "engine/Settings.h"
#include "mainwindow/WindowConstants.h"
#include "mainwindow/frmMain.h"
#include "platform/TextFile.h"

namespace tagrota {
namespace {

constexpr int kEditorLeft = 130;
constexpr int kEditorTopAtLoad = 720;

// A stored window value as twips. Values beyond any screen are cut to a range
// that every size computation can take without overflow.
int ToTwips(float value) {
    constexpr float kLimit = 1.0e6f;
    if (!(value > -kLimit)) return static_cast<int>(-kLimit);  // also NaN
    return static_cast<int>(value < kLimit ? value : kLimit);
}

// A window can be grabbed and moved when its title bar is on a screen: its top
// edge no lower than this above the screen's bottom, and this much of its width
// (or all of it, for a narrower window) across the screen.
constexpr int kGripWidth = 1500, kGripHeight = 450;

int Overlap(int start1, int length1, int start2, int length2) {
    const long long end = std::min<long long>(start1 + 0LL + length1, start2 + 0LL + length2);
    return static_cast<int>(std::max<long long>(0, end - std::max(start1, start2)));
}

// The stored place, unless no screen shows the title bar (a screen unplugged
// since, or a hand-edited value): then the nearest place on the primary screen,
// the size kept where it fits.
Rect OnSomeScreen(Rect r, const std::vector<Rect>& screens) {
    for (const Rect& s : screens)
        if (Overlap(r.Left, r.Width, s.Left, s.Width) >= std::min(r.Width, kGripWidth) &&
            r.Top >= s.Top && r.Top + 0LL <= s.Top + 0LL + s.Height - kGripHeight)
            return r;
    if (screens.empty()) return r;
    const Rect& primary = screens.front();
    r.Width = std::min(r.Width, primary.Width);
    r.Height = std::min(r.Height, primary.Height);
    r.Left = std::clamp(r.Left, primary.Left, primary.Left + primary.Width - r.Width);
    r.Top = std::clamp(r.Top, primary.Top, primary.Top + primary.Height - r.Height);
    return r;
}

}  // namespace

void frmMain::Form_Load() {
    SettingsReader reader(s_.settings, s_.programDir);

    // The window's place, each value applied as soon as it is read.
    Rect r = window->Bounds();
    r.Left = ToTwips(reader.ReadSingle(SettingKey::MainLeft, 1000));
    window->SetBounds(r);
    r.Top = ToTwips(reader.ReadSingle(SettingKey::MainTop, 1000));
    window->SetBounds(r);
    r = window->Bounds();
    r.Width = ToTwips(reader.ReadSingle(SettingKey::MainWidth, 5000));
    window->SetBounds(r);
    r = window->Bounds();
    r.Height = ToTwips(reader.ReadSingle(SettingKey::MainHeight, 5000));
    window->SetBounds(r);
    r = window->Bounds();
    if (const Rect shown = OnSomeScreen(r, s_.ui.ScreenWorkAreas()); shown != r)
        window->SetBounds(shown);

    reader.ReadProgramSettings(state);
    if (const FileStatus read = s_.settings.ReadStatus(kAppName); !read)
        s_.messages.MsgBox("The settings file " + s_.settings.Where(kAppName) +
                               " could not be read whole: " + read.reason + ".\r\n" +
                               "Settings that could not be read are at their defaults.",
                           MsgBoxStyle::Exclamation, kAppName);
    txtRPath->SetText(state.RandomPath);
    txtCPath->SetText(state.CurrentPath);
    state.AboutNumber = kFirstAboutImage;

    // The duration rule arms Timer1, whatever the bar showed before.
    if (HScroll2->Value() == state.SigDuration)
        HScroll2_Change();
    else
        HScroll2->SetValue(state.SigDuration);

    if (state.DoWrap) chkWordWrap->SetValue(1);

    {
        IgnoringEvents ignoring(state);
        state.FixedDirty = false;
        state.RandomDirty = false;
        engine_->LoadFixedSignature();
        engine_->LoadCollectionFirstHalf(collectionAhead_->Take());
        collectionAhead_.reset();
        engine_->LoadCurrentSignature(txtCPath->GetText());
    }

    for (IEditor* editor : {txtFixedSig, txtRandom, txtCurrent}) {
        editor->SetLeft(kEditorLeft);
        editor->SetTop(kEditorTopAtLoad);
    }

    engine_->Randomize();
    SSTab1->SetTab(TabIndex::Fixed);
    // After a fall-back the Settings tab shows which collection is in use.
    if (engine_->SplitAndFallBack() != CollectionOutcome::Configured)
        SSTab1->SetTab(TabIndex::Settings);
    randomEditorFile_ = state.RandomPath;
    RememberStamp(TabIndex::Fixed);
    RememberStamp(TabIndex::Random);
    engine_->Rotate();

    if (state.InSysTray) chkSysTray->SetValue(1);
    if (state.StartMin) {
        chkMin->SetValue(1);
        window->SetState(WindowState::Minimized);
    }

    Toolbar1->SetButtonValue("Bullets", state.UseSeq ? 1 : 0);
    SSTab1->SetTab(TabIndex::Random);
    SSTab1->SetTabCaption(TabIndex::Random, state.UseSeq ? "Sequential" : "Random");
    SSTab1->SetTab(TabIndex::Fixed);

    window->Show();
    TellOfRecoveryFiles();
}

void frmMain::Reactivate() {
    if (window->State() == WindowState::Minimized) window->SetState(WindowState::Normal);
    window->Show();
    window->BringToFront();
}

void frmMain::RotateNow() {
    if (holdRotation_) return;
    engine_->Rotate();
}

void frmMain::Timer1_Timer() {
    if (holdRotation_) return;
    engine_->Rotate();
}

}  // namespace tagrota
