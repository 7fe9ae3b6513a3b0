// Start-up: the settings read, the three editors filled, the rotation armed and
// run once, and the window shown with the Fixed tab in front.

#include <algorithm>
#include <cstdint>
#include <utility>

#include "engine/Collection.h"
#include "engine/CollectionIndex.h"
#include "engine/Settings.h"
#include "mainwindow/WindowConstants.h"
#include "mainwindow/frmMain.h"
#include "platform/TextFile.h"
#include "platform/Translate.h"

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
        s_.messages.MsgBox(Format(Tr("Startup",
                                     "The settings file %1 could not be read whole: %2.\r\n"
                                     "Settings that could not be read are at their defaults."),
                                  {s_.settings.Where(kAppName), read.reason}),
                           MsgBoxStyle::Exclamation, kAppName);
    txtRPath->SetText(state.Files.RandomPath());
    txtCPath->SetText(state.Files.CurrentPath());
    state.AboutNumber = kFirstAboutImage;

    // The duration rule arms Timer1, whatever the bar showed before.
    if (HScroll2->Value() == state.SigDuration)
        HScroll2_Change();
    else
        HScroll2->SetValue(state.SigDuration);

    // The width bar shows WrapCount whether wrapping is on or not, so that a
    // click on it moves from the stored width.
    if (HScroll1->Value() == state.WrapCount)
        HScroll1_Change();
    else
        HScroll1->SetValue(state.WrapCount);
    if (state.DoWrap) chkWordWrap->SetValue(1);
    if (state.WrapStrict) chkWrapStrict->SetValue(1);
    if (state.NoRepeats) chkNoRepeats->SetValue(1);
    // The limits' bars start at 0 (no limit); the values read move them.
    HScroll3->SetValue(state.MaxSigLines);
    HScroll4->SetValue(state.MaxSigColumns);

    OfferLeftBackups();
    // Seeded once, before the first draw, whether that comes through the
    // collection's index or from the whole collection.
    engine_.Randomize();
    bool firstWritten = false;
    {
        IgnoringEvents ignoring(state);
        state.FixedDirty = false;
        state.RandomDirty = false;
        LoadFixedSignature();
        firstWritten = WriteFirstSignatureThroughIndex();
        LoadCollectionAtStartUp();
        if (!firstWritten) LoadCurrentSignature();
    }

    for (IEditor* editor : {txtFixedSig, txtRandom, txtCurrent}) {
        editor->SetLeft(kEditorLeft);
        editor->SetTop(kEditorTopAtLoad);
    }

    SplitInto(state, txtRandom->SharedText());
    SSTab1->SetTab(TabIndex::Fixed);
    // After a fall-back the Settings tab shows which collection is in use.
    if (ShowCollectionProblems()) SSTab1->SetTab(TabIndex::Settings);
    // Everything is loaded: from now on the timer rotates.
    holdRotation_ = false;
    if (!firstWritten) Rotate();

    if (state.InSysTray) chkSysTray->SetValue(1);
    // Where the desktop cannot start a window minimised (Wayland), the
    // window starts in the tray if there is one, and otherwise as a normal
    // window rather than one the user may not find again.
    bool startInTray = false;
    if (state.StartMin) {
        chkMin->SetValue(1);
        if (s_.ui.CanStartMinimised())
            window->SetState(WindowState::Minimized);
        else
            startInTray = state.InSysTray && s_.trayShell.IsAvailable();
    }

    Toolbar1->SetButtonValue("Bullets", state.UseSeq ? 1 : 0);
    SSTab1->SetTab(TabIndex::Random);
    SSTab1->SetTabCaption(TabIndex::Random,
                          state.UseSeq ? Tr("Startup", "Sequential") : Tr("Startup", "Random"));
    SSTab1->SetTab(TabIndex::Fixed);

    WatchFiles();
    if (!startInTray) window->Show();
    TellOfRecoveryFiles();
}

void frmMain::LoadFixedSignature() {
    const std::string path = FixedSignaturePath(s_.programDir);
    state.Files.Loaded(EditedRole::Fixed, path, s_.files.Stamp(path));
    // Only a missing file is quietly replaced by the default lines; a folder, a
    // link loop or a file too large to be a signature is reported.
    if (s_.files.IsMissing(path)) {
        txtFixedSig->SetText(DefaultFixedText());
        // The file is created at the first save, with the signature's line ends.
        txtFixedSig->SetSaveFormat({TextEncoding::Utf8, state.SigLineEnds});
        return;
    }
    FileStatus loaded = FixedSignatureFits(s_.files, path);
    if (loaded) loaded = txtFixedSig->LoadFile(path);
    if (!loaded) {
        s_.messages.MsgBox(Format(Tr("Startup",
                                     "The fixed signature file %1 could not be read: %2.\r\n"
                                     "A default fixed signature is used until it can be read."),
                                  {path, loaded.reason}),
                           MsgBoxStyle::Exclamation, kAppName);
        txtFixedSig->SetText(DefaultFixedText());
    }
}

void frmMain::LoadCollectionAtStartUp() {
    CollectionRules rules;
    rules.fixedSignature = state.Files.FixPath();
    rules.lineEnds = state.SigLineEnds;  // for the placeholder or default it writes
    CollectionChoice choice =
        ChooseCollection(s_.files, txtRPath->GetText(), s_.programDir, rules,
                         collectionAhead_ ? collectionAhead_->Take() : std::nullopt);
    collectionAhead_.reset();
    if (choice.read) {
        const std::string path = choice.read->path;
        if (!txtRandom->LoadFile(path, std::move(choice.read))) txtRandom->SetText({});
    } else {
        txtRandom->SetText(choice.text);
    }
    state.Files.Loaded(EditedRole::Collection, choice.path, choice.stamp);
    txtRPath->SetText(choice.path);
    startUpCollection_ = std::move(choice);
}

bool frmMain::ShowCollectionProblems() {
    if (!startUpCollection_) return false;
    const CollectionChoice choice = std::move(*startUpCollection_);
    startUpCollection_.reset();
    const std::string crLf = "\r\n";
    // `pattern` takes the file (%1) and the reason (%2).
    auto notWritten = [&](const std::string& pattern) {
        if (choice.notWritten.empty()) return;
        s_.messages.MsgBox(Format(pattern, {choice.notWritten, choice.notWrittenReason}),
                           MsgBoxStyle::Exclamation, kAppName);
    };
    if (choice.source == CollectionSource::Configured) return false;
    if (choice.source == CollectionSource::Placeholder) {
        notWritten(Tr("Startup",
                      "The signature collection file %1 could not be created: %2.\r\n"
                      "Placeholder quotations are used for this run."));
        return false;
    }

    const bool unreadable = !choice.chosenUnreadable.empty();
    const std::string& chosen = choice.chosen;
    const std::string why =
        choice.chosenIsFixedSignature
            ? Tr("Startup",
                 "Your specified signature collection file is your fixed signature file, which "
                 "cannot be a collection too.")
        : unreadable ? Format(Tr("Startup",
                                 "Your specified signature collection file could not be read: "
                                 "%1."),
                              {choice.chosenUnreadable})
                     : Tr("Startup",
                          "Your specified signature collection file does not hold any signatures.");
    const std::string title = Tr("Startup", "ERROR");
    if (choice.source == CollectionSource::Default) {
        const std::string used = unreadable
                                     ? Tr("Startup",
                                          "The Default is being used. The unreadable file name is:"
                                          "\r\n%1")
                                     : Tr("Startup",
                                          "The Default is being used. The invalid file name is:"
                                          "\r\n%1");
        s_.messages.MsgBox(why + crLf + Format(used, {chosen}), MsgBoxStyle::Information, title);
        notWritten(
            Tr("Startup", "The default signature collection file %1 could not be created: %2."));
        return true;
    }
    // No collection gives quotations.
    const std::string none =
        Tr("Startup",
           "Until a collection that holds signatures is chosen on the Settings tab, each "
           "signature is your fixed signature alone.");
    if (choice.path == chosen) {
        s_.messages.MsgBox(why + crLf +
                               Format(Tr("Startup",
                                         "It is the default collection file, so no quotations "
                                         "are available from it:\r\n%1"),
                                      {chosen}) +
                               crLf + none,
                           MsgBoxStyle::Information, title);
        return true;
    }
    const std::string defaultProblem =
        choice.defaultUnreadable.empty()
            ? Tr("Startup", "The default collection file does not hold any either.")
            : Format(Tr("Startup", "The default collection file could not be read either: %1."),
                     {choice.defaultUnreadable});
    s_.messages.MsgBox(
        why + crLf + defaultProblem + crLf +
            Format(Tr("Startup", "No quotations are available from either file:\r\n%1\r\n%2"),
                   {chosen, choice.path}) +
            crLf + none,
        MsgBoxStyle::Information, title);
    return true;
}

void frmMain::LoadCurrentSignature() {
    // Only for show: the first rotation replaces it at once, so a file that
    // cannot be read, or is too large for a signature, leaves the tab empty.
    const std::string path = txtCPath->GetText();
    if (!s_.files.FileExists(path)) return;
    const std::optional<std::uint64_t> size = s_.files.FileSize(path);
    if (size && *size > kMaxSignatureBytes) return;
    txtCurrent->LoadFile(path);
}

void frmMain::Rotate() {
    ShowAndWrite(engine_.NextSignature(txtFixedSig->GetText()));
}

bool frmMain::WriteFirstSignatureThroughIndex() {
    // Only the collection the start-up is about to use as it is configured:
    // one that is not there, holds no quotation or cannot be read that way is
    // read whole, and any message about it comes before the first signature.
    if (!s_.indexFolder) return false;
    const std::string& path = state.Files.RandomPath();
    if (path.empty() || !s_.files.MayRead(path) ||
        NameOneFile(s_.files, path, state.Files.FixPath()))
        return false;
    const std::optional<CollectionIndex> index = CollectionIndex::Open(path, *s_.indexFolder);
    if (!index) return false;
    const std::optional<std::string> s = engine_.NextSignature(txtFixedSig->GetText(), *index);
    if (!s) return false;
    ShowAndWrite(*s);
    return true;
}

void frmMain::ShowAndWrite(const std::string& s) {
    txtCurrent->SetText(s);
    TellIfNoneFits();
    TellIfAllSetAside();
    const FileStatus written = engine_.WriteSignature(state.Files, s);
    if (written) {
        writeFailureShown_ = false;
        return;
    }
    // Once per run of failures: the rotation goes on at the next tick, and a
    // message for every tick would bury the user. Shown as a notice, which
    // holds up neither this rotation nor the next ones while it is open.
    if (writeFailureShown_) return;
    writeFailureShown_ = true;
    s_.messages.ShowNotice(
        Format(Tr("Startup",
                  "The current signature file %1 could not be written: %2.\r\n"
                  "Tagrota keeps trying at every rotation and tells you again only after a "
                  "write has succeeded."),
               {state.Files.CurrentPath(), written.reason}),
        MsgBoxStyle::Exclamation, kAppName);
}

void frmMain::TellIfNoneFits() {
    if (!engine_.NoneFits()) {
        noneFitShown_ = false;
        return;
    }
    // Once, until an entry fits again: a notice at every rotation would
    // bury the user.
    if (std::exchange(noneFitShown_, true)) return;
    // The limits in words: a line count, a column count, or both.
    const std::string lines = std::to_string(state.MaxSigLines);
    const std::string columns = std::to_string(state.MaxSigColumns);
    const bool one = state.MaxSigLines == 1;
    std::string limit;
    if (state.MaxSigLines > 0 && state.MaxSigColumns > 0)
        limit = Format(
            one ? Tr("Startup", "%1 line of %2 columns") : Tr("Startup", "%1 lines of %2 columns"),
            {lines, columns});
    else if (state.MaxSigLines > 0)
        limit = Format(one ? Tr("Startup", "%1 line") : Tr("Startup", "%1 lines"), {lines});
    else if (state.MaxSigColumns > 0)
        limit = Format(Tr("Startup", "%1 columns"), {columns});
    s_.messages.ShowNotice(
        Format(Tr("Startup",
                  "No quotation of the collection makes a signature within %1 with your fixed "
                  "signature, so the shortest one is used.\r\n"
                  "Tagrota tells you again only after a quotation has fit."),
               {limit}),
        MsgBoxStyle::Information, kAppName);
}

std::string frmMain::ComposeForPrint() {
    // The bytes the signature file would hold.
    return SignatureFileText(engine_.FreshSignature(txtFixedSig->GetText()), state.SigLineEnds);
}

void frmMain::Reactivate() {
    if (window->State() == WindowState::Minimized) window->SetState(WindowState::Normal);
    window->Show();
    window->BringToFront();
}

void frmMain::NextQuotation() {
    if (holdRotation_) return;
    Rotate();
    if (Timer1->Enabled()) {
        // Enabling starts a full period afresh.
        Timer1->SetEnabled(false);
        Timer1->SetEnabled(true);
    }
}

void frmMain::Timer1_Timer() {
    if (holdRotation_) return;
    Rotate();
}

}  // namespace tagrota
