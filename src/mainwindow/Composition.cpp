// What the main window is made of, as it exists before any handler has run,
// and the About button's animation.

#include "mainwindow/frmMain.h"

#include <algorithm>
#include <iterator>

#include "engine/CollectionIndex.h"
#include "engine/Settings.h"
#include "mainwindow/Commands.h"
#include "mainwindow/WindowConstants.h"
#include "platform/TextFile.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

const TextFont kEditorFont{"Courier New", 9.75};
const TextFont kDialogFont{"MS Sans Serif", 9.75};
const TextFont kValueFont{"MS Sans Serif", 12};
const TextFont kTabFont{"Arial Narrow", 9.75};

constexpr int kRotationIntervalAtCreation = 3000;

ImageList MakeToolbarImages() {
    return ImageList(32, 32,
                     {{"Stop", "stop"},
                      {"Exit", "exit"},
                      {"Random", "random"},
                      {"Current", "current"},
                      {"Fixed", "fixed"},
                      {"Settings", "settings"},
                      {"About", "about"},
                      {"Save", "save"},
                      {"About2", "about2"},
                      {"About3", "about3"},
                      {"About4", "about4"},
                      {"", "spare"},
                      {"Help", "help"},
                      {"Bullets", "bullets"},
                      {"Next", "next"}});
}

ImageList MakeTabPictures() {
    return ImageList(16, 16, {{"Clean", "clean"}, {"Dirty", "dirty"}, {"Dirty2", "dirty2"}});
}

}  // namespace

frmMain::frmMain(MainWindowServices services)
    : s_(std::move(services)), engine_(state, s_.files, s_.clock, s_.random) {
    engine_.KeepRoundsIn(s_.roundsDir);
    engine_.KeepSetAsideIn(s_.setAsideDir);
    const std::string collection =
        SettingsReader(s_.settings, s_.programDir)
            .ReadPath(SettingKey::RandomFile, DefaultCollectionPath(s_.programDir));
    // With an index kept for the collection, the first signature is drawn
    // through it and the collection is read after: reading it ahead would only
    // take processor time and fresh memory from the window meanwhile.
    if (!s_.indexFolder ||
        !s_.files.FileExists(CollectionIndex::KeptAt(collection, *s_.indexFolder)))
        collectionAhead_ = std::make_unique<TextReadAhead>(s_.files, collection);
    Compose();
}

frmMain::~frmMain() = default;

void frmMain::Compose() {
    window = s_.ui.CreateWindow();
    IWindow& w = *window;
    trayMode = std::make_unique<TrayMode>(w, s_.trayShell, state.InSysTray);
    // The tray menu stays within reach while a window of the program waits for
    // an answer (a start-up message, a question): it rotates only when none
    // does.
    trayMode->onNextQuotation = [this] {
        if (!s_.ui.ModalWindowOpen()) NextQuotation();
    };
    trayMode->onNeverAgain = [this] {
        if (!s_.ui.ModalWindowOpen()) NeverAgainCommand();
    };
    w.SetCaption("Tagrota!");
    w.SetIcon("tagrota");
    w.SetBounds({0, 0, 7020, 5250});
    w.SetMinimumSize(kMinWidth, kMinHeight);

    Dirty = MakeTabPictures();
    Timer2 = s_.ui.CreateTimer();
    Timer2->SetInterval(kAnimationInterval);
    Timer2->SetEnabled(true);
    ImageList1 = MakeToolbarImages();

    // A button without a caption is named after what it does; Stop and
    // Bullets stay pressed while their state is on.
    auto button = [this](const char* key, const std::string& caption, const std::string& name = {},
                         bool toggle = false) {
        ToolbarEntry entry{key, caption, ToolTipOf(key), ImageList1.IndexOf(key), name, toggle};
        if (entry.AccessibleName.empty()) entry.AccessibleName = caption;
        return entry;
    };
    Toolbar1 =
        &w.AddToolbar("Toolbar1", 660, 4, ImageList1,
                      {button("Exit", Tr("Composition", "Exit")),
                       button("Save", Tr("Composition", "Save")),
                       {},
                       button("Fixed", Tr("Composition", "Fixed")),
                       button("Random", Tr("Composition", "Random")),
                       button("Current", Tr("Composition", "Current")),
                       button("Settings", Tr("Composition", "Settings")),
                       {},
                       button("About", Tr("Composition", "About")),
                       button("Help", "", Tr("Composition", "Brief Help on Tab")),
                       button("Next", "", Tr("Composition", "Next Quotation")),
                       button("Stop", Tr("Composition", "Stop Changing"), {}, true),
                       button("Bullets", "", Tr("Composition", "Random or Sequential"), true)});

    Timer1 = s_.ui.CreateTimer();
    Timer1->SetInterval(kRotationIntervalAtCreation);
    Timer1->SetEnabled(true);

    SSTab1 = &w.AddTabControl({"SSTab1", {45, 720, 5470, 4000}, 0, kTabFont},
                              {Tr("Composition", "Fixed"), Tr("Composition", "Random"),
                               Tr("Composition", "Current"), Tr("Composition", "Settings")},
                              400, Dirty);
    SSTab1->SetTabPicture(TabIndex::Fixed, "Clean");
    SSTab1->SetTabPicture(TabIndex::Random, "Clean");
    SSTab1->SetTabDescription(TabIndex::Fixed,
                              Tr("Composition", "The fixed signature, above every quotation"));
    SSTab1->SetTabDescription(TabIndex::Random, Tr("Composition", "The collection of quotations"));
    SSTab1->SetTabDescription(TabIndex::Current, Tr("Composition", "The signature written last"));
    SSTab1->SetTabDescription(TabIndex::Settings,
                              Tr("Composition", "Rotation, word wrapping, the tray and the files"));

    auto onTab = [this](const char* name, Rect r, int tabIndex, int tab) {
        return ControlPlace{name, r, tabIndex, kEditorFont, SSTab1, tab};
    };
    txtFixedSig = &w.AddEditor(
        onTab("txtFixedSig", {90, 520, 4500, 3075}, 1, TabIndex::Fixed)
            .Spoken(Tr("Composition", "Fixed Signature"),
                    Tr("Composition", "The lines above the quotation in every signature")));
    txtRandom = &w.AddEditor(
        onTab("txtRandom", {90, 520, 4515, 3075}, 2, TabIndex::Random)
            .Spoken(Tr("Composition", "Collection"),
                    Tr("Composition", "The quotations, separated by lines that hold a single %")));
    txtCurrent = &w.AddEditor(onTab("txtCurrent", {90, 520, 4560, 3075}, 3, TabIndex::Current)
                                  .Spoken(Tr("Composition", "Current Signature"),
                                          Tr("Composition", "The signature written last")));
    findBar = &w.AddFindBar(
        ControlPlace{"findBar", {45, 4720, 5470, kFindBarHeight}, 19, kDialogFont}.Spoken(
            Tr("Composition", "Find")));
    findBar->SetVisible(false);
    findBar->SetOnFind([this](bool forward) { FindStep(forward); });
    findBar->SetOnClose([this] { CloseFindBar(); });
    // The signature written last is for reading: the next rotation replaces it.
    txtCurrent->SetLocked(true);
    ComposeSettingsTab();

    // The Commands menu and the shortcuts give every toolbar command a way
    // from the keyboard: the toolbar takes no focus.
    menu = &w.AddMenuBar({{"mnuFile", Tr("Composition", "&File"), ""},
                          MenuItemOf("mnuSave", "mnuFile"),
                          {"sp1", "-", "mnuFile"},
                          MenuItemOf("mnuExit", "mnuFile"),
                          {"mnuEdit", Tr("Composition", "&Edit"), ""},
                          MenuItemOf("mnuFind", "mnuEdit"),
                          MenuItemOf("mnuFindNext", "mnuEdit"),
                          MenuItemOf("mnuFindPrevious", "mnuEdit"),
                          {"mnuCommands", Tr("Composition", "&Commands"), ""},
                          MenuItemOf("mnuNext", "mnuCommands"),
                          MenuItemOf("mnuNever", "mnuCommands"),
                          MenuItemOf("mnuSetAside", "mnuCommands"),
                          MenuItemOf("mnuStop", "mnuCommands"),
                          MenuItemOf("mnuBullets", "mnuCommands"),
                          MenuItemOf("mnuCheck", "mnuCommands"),
                          {"sp2", "-", "mnuCommands"},
                          MenuItemOf("mnuBriefHelp", "mnuCommands"),
                          MenuItemOf("mnuSettings"),
                          MenuItemOf("mnuAbout"),
                          MenuItemOf("mnuHelp")});
    // A menu item answers its first keys itself.
    for (const Command& command : Commands())
        for (std::size_t i = command.item.empty() ? 0 : 1; i < command.keys.size(); ++i)
            if (!command.keys[i].empty())
                w.AddShortcut(std::string(command.keys[i]),
                              [this, run = command.run] { run(*this); });

    // The events, each to its handler.
    w.SetOnResize([this] { Form_Resize(); });
    w.SetOnQueryUnload([this](bool& cancel, UnloadMode mode) { Form_QueryUnload(cancel, mode); });
    w.SetOnUnload([this] { Form_Unload(); });
    Toolbar1->SetOnButtonClick([this](const std::string& key) { Toolbar1_ButtonClick(key); });
    menu->SetOnClick([this](const std::string& name) { Menu_Click(name); });
    SSTab1->SetOnChange([this](int previous) { SSTab1_Click(previous); });
    Timer1->SetOnTick([this] { Timer1_Timer(); });
    Timer2->SetOnTick([this] { Timer2_Timer(); });
    txtFixedSig->SetOnChange([this] { txtFixedSig_Change(); });
    txtRandom->SetOnChange([this] { txtRandom_Change(); });
    w.SetOnFileDrop([this](const std::string& path) { Form_FileDrop(path); });
    watch_ = s_.ui.CreateFileWatch();
    if (watch_) watch_->SetOnChange([this](const std::string& path) { FileWatch_Change(path); });
    HScroll1->SetOnChange([this] { HScroll1_Change(); });
    HScroll2->SetOnChange([this] { HScroll2_Change(); });
    chkWordWrap->SetOnClick([this] { chkWordWrap_Click(); });
    chkMin->SetOnClick([this] { chkMin_Click(); });
    chkSysTray->SetOnClick([this] { chkSysTray_Click(); });
    chkNoRepeats->SetOnClick([this] { chkNoRepeats_Click(); });
    chkWrapStrict->SetOnClick([this] { chkWrapStrict_Click(); });
    HScroll3->SetOnChange([this] { HScroll3_Change(); });
    HScroll4->SetOnChange([this] { HScroll4_Change(); });
    btnLimitPreset->SetOnClick([this] { btnLimitPreset_Click(); });
    for (int i = 0; i < 2; ++i) btnFindPath[i]->SetOnClick([this, i] { btnFindPath_Click(i); });
}

void frmMain::ComposeSettingsTab() {
    IWindow& w = *window;
    auto place = [this](const char* name, Rect r, int tabIndex, const TextFont& font = {}) {
        return ControlPlace{name, r, tabIndex, font, SSTab1, TabIndex::Settings};
    };
    // The check boxes and the preset button are named by their captions; the
    // scroll bars, the path boxes and the browse buttons by what they set.
    chkSysTray = &w.AddCheckBox(
        place("chkSysTray", {180, 585, 2310, 260}, 5, kDialogFont)
            .Spoken("", Tr("Composition",
                           "An icon in the notification area; minimising hides the window")),
        Tr("Composition", "Place in System Tray"));
    chkMin = &w.AddCheckBox(place("chkMin", {3100, 585, 1905, 285}, 19, kDialogFont),
                            Tr("Composition", "Start &Minimized"));
    chkWordWrap = &w.AddCheckBox(
        place("chkWordWrap", {180, 990, 2490, 260}, 6, kDialogFont)
            .Spoken("", Tr("Composition", "Each quotation wrapped again to the width below")),
        Tr("Composition", "Enable Word Wrapping"));
    // Tab takes the user from word wrapping to its strict kind beside it.
    chkWrapStrict = &w.AddCheckBox(
        place("chkWrapStrict", {3100, 990, 2900, 260}, 7, kDialogFont)
            .Spoken("", Tr("Composition", "Every line within the width, over-long words split")),
        Tr("Composition", "Strictly &Within the Width"));
    HScroll1 =
        &w.AddScrollBar(place("HScroll1", {180, 1305, 2800, 285}, 14)
                            .Spoken(Tr("Composition", "Wrap Width"),
                                    Tr("Composition", "Characters in a line of a quotation")),
                        kMinWrapCount, kMaxWrapCount, 1, 10, kMinWrapCount);
    lblWordWrap = &w.AddLabel(place("lblWordWrap", {3240, 1260, 540, 360}, 15, kValueFont), "065");
    Label1[2] = &w.AddLabel(place("Label1(2)", {180, 1755, 2940, 240}, 16, kDialogFont),
                            Tr("Composition", "Duration of signature, in seconds:"));
    HScroll2 = &w.AddScrollBar(
        place("HScroll2", {180, 2025, 2800, 285}, 17)
            .Spoken(Tr("Composition", "Duration of Signature"),
                    Tr("Composition", "Seconds between two changes of the signature")),
        kMinSigDuration, kMaxSigDuration, 1, 5, kMinSigDuration);
    lblDur = &w.AddLabel(place("lblDur", {3240, 1980, 420, 360}, 18, kValueFont), "00");
    Label1[0] = &w.AddLabel(place("Label1(0)", {180, 2565, 3645, 240}, 8, kDialogFont),
                            Tr("Composition", "Random Signatures Path and File Name:"));
    txtRPath = &w.AddTextBox(place("txtRPath", {180, 2835, 4300, 360}, 9, kDialogFont)
                                 .Spoken(Tr("Composition", "Collection File"),
                                         Tr("Composition", "The file of the quotations")));
    btnFindPath[0] =
        &w.AddPictureButton(place("btnFindPath(0)", {4680, 2790, 555, 465}, 13)
                                .Spoken(Tr("Composition", "Choose the Collection File")),
                            "browse");
    Label1[1] = &w.AddLabel(place("Label1(1)", {180, 3240, 3390, 240}, 10, kDialogFont),
                            Tr("Composition", "Current Signature Path and File Name:"));
    txtCPath = &w.AddTextBox(
        place("txtCPath", {180, 3510, 4300, 360}, 11, kDialogFont)
            .Spoken(Tr("Composition", "Current Signature File"),
                    Tr("Composition", "The file every change of the signature writes")));
    btnFindPath[1] =
        &w.AddPictureButton(place("btnFindPath(1)", {4680, 3465, 555, 465}, 12)
                                .Spoken(Tr("Composition", "Choose the Signature File")),
                            "browse");
    chkNoRepeats = &w.AddCheckBox(place("chkNoRepeats", {180, 4050, 4300, 260}, 20, kDialogFont),
                                  Tr("Composition", "&No Repeats Until Every Quotation Was Used"));
    Label1[3] =
        &w.AddLabel(place("Label1(3)", {180, 4440, 5000, 240}, 21, kDialogFont),
                    Tr("Composition", "Longest signature, in lines and columns (0 = no limit):"));
    HScroll3 = &w.AddScrollBar(place("HScroll3", {180, 4710, 1800, 285}, 22)
                                   .Spoken(Tr("Composition", "Longest Signature, in Lines"),
                                           Tr("Composition", "0 for no limit")),
                               0, kMaxSigLinesLimit, 1, 4, 0);
    lblMaxLines = &w.AddLabel(place("lblMaxLines", {2040, 4665, 420, 360}, 23, kValueFont), "00");
    HScroll4 = &w.AddScrollBar(place("HScroll4", {2640, 4710, 1800, 285}, 24)
                                   .Spoken(Tr("Composition", "Longest Signature, in Columns"),
                                           Tr("Composition", "0 for no limit")),
                               0, kMaxSigColumnsLimit, 1, 10, 0);
    lblMaxColumns =
        &w.AddLabel(place("lblMaxColumns", {4500, 4665, 540, 360}, 25, kValueFont), "000");
    btnLimitPreset = &w.AddButton(
        place("btnLimitPreset", {180, 5100, 4860, 405}, 26, kDialogFont)
            .Spoken("", Tr("Composition", "Sets the longest signature to 4 lines of 80 columns")),
        Tr("Composition", "4 lines of 80 columns (news and mailing lists)"), ButtonKeys::None);
    // The paths show the chosen files; the browse buttons choose them.
    txtRPath->SetLocked(true);
    txtCPath->SetLocked(true);
}

void frmMain::Timer2_Timer() {
    // The next image of the animation, after the last the first again.
    const Integer* const end = std::end(kAboutImages);
    if (const Integer* at = std::find(std::begin(kAboutImages), end, state.AboutNumber); at != end)
        state.AboutNumber = at + 1 != end ? at[1] : kAboutImages[0];
    // Before start-up has set the first frame there is no image to show.
    if (ImageList1.Item(state.AboutNumber) != nullptr)
        Toolbar1->SetButtonImage("About", state.AboutNumber);
}

}  // namespace tagrota
