// Start-up: the settings read, the three editors filled, the rotation armed and
// run once, and the window shown with the Fixed tab in front.

#include "engine/Settings.h"
#include "mainwindow/frmMain.h"

namespace tagrota {
namespace {

constexpr int kEditorLeft = 130;
constexpr int kEditorTopAtLoad = 720;
constexpr Integer kFirstAboutImage = 7;

// A stored window value as twips. Values beyond any screen are cut to a range
// that every size computation can take without overflow.
int ToTwips(float value) {
    constexpr float kLimit = 1.0e6f;
    if (!(value > -kLimit)) return static_cast<int>(-kLimit);  // also NaN
    return static_cast<int>(value < kLimit ? value : kLimit);
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

    state.IgnoreEvent = true;
    state.FixedDirty = false;
    state.RandomDirty = false;
    engine_->LoadFixedSignature();
    engine_->LoadCollectionFirstHalf();
    engine_->LoadCurrentSignature(txtCPath->GetText());
    state.IgnoreEvent = false;

    for (IEditor* editor : {txtFixedSig, txtRandom, txtCurrent}) {
        editor->SetLeft(kEditorLeft);
        editor->SetTop(kEditorTopAtLoad);
    }

    engine_->Randomize();
    engine_->SplitAndFallBack([this](int tab) { SSTab1->SetTab(tab); });
    randomEditorFile_ = state.RandomPath;
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
}

void frmMain::Timer1_Timer() {
    if (holdRotation_) return;
    engine_->Rotate();
}

}  // namespace tagrota
