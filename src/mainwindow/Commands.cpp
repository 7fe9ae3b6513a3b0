// The toolbar, the menu bar, the keys and the tab control: the table of
// commands they dispatch through, selecting tabs, Stop, Bullets, and laying out
// the Settings tab's path rows whenever that tab comes to the front.

#include "mainwindow/Commands.h"

#include "help/HelpCommands.h"
#include "mainwindow/frmMain.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

HelpServices HelpFor(const MainWindowServices& s) {
    return {s.ui,       s.files,    s.messages,
            s.registry, s.programs, s.helpDir.empty() ? s.programDir : s.helpDir};
}

// Keys a command answers: the first shows beside its caption and in its tip.
using Keys = std::array<std::string_view, 2>;

void SelectTab(frmMain& f, int tab) {
    f.SSTab1->SetTab(tab);
}

// In the toolbar's order, then the commands of the menu and the keys alone.
constexpr Command kCommands[] = {
    {"Exit", TrNoop("Commands", "Exit Program"), "mnuExit", TrNoop("Commands", "E&xit"),
     Keys{"Ctrl+Q"}, [](frmMain& f) { f.window->Close(); }},
    {"Save", TrNoop("Commands", "Save"), "mnuSave", TrNoop("Commands", "&Save"), Keys{"Ctrl+S"},
     [](frmMain& f) { f.SaveCommand(); }},
    {"Fixed", TrNoop("Commands", "Fixed Signature"), "", "", Keys{},
     [](frmMain& f) { SelectTab(f, TabIndex::Fixed); }},
    {"Random", TrNoop("Commands", "Show Random Sig File"), "", "", Keys{},
     [](frmMain& f) { SelectTab(f, TabIndex::Random); }},
    {"Current", TrNoop("Commands", "Current"), "", "", Keys{},
     [](frmMain& f) { SelectTab(f, TabIndex::Current); }},
    {"Settings", TrNoop("Commands", "Settings"), "mnuSettings", TrNoop("Commands", "&Settings"),
     Keys{}, [](frmMain& f) { SelectTab(f, TabIndex::Settings); }},
    {"About", TrNoop("Commands", "About"), "mnuAbout", TrNoop("Commands", "&About"), Keys{},
     [](frmMain& f) { f.AboutCommand(); }},
    {"Help", TrNoop("Commands", "Brief Help on Tab"), "mnuBriefHelp",
     TrNoop("Commands", "&Brief Help on Tab"), Keys{"F1"},
     [](frmMain& f) { f.BriefHelpCommand(); }},
    {"Next", TrNoop("Commands", "Next Quotation"), "mnuNext", TrNoop("Commands", "&Next Quotation"),
     Keys{"Ctrl+N"}, [](frmMain& f) { f.NextQuotation(); }},
    {"Stop", TrNoop("Commands", "Stop changing the signature"), "mnuStop",
     TrNoop("Commands", "S&top Changing"), Keys{"Ctrl+T"}, [](frmMain& f) { f.StopCommand(); }},
    {"Bullets", TrNoop("Commands", "Random or Sequencial"), "mnuBullets",
     TrNoop("Commands", "&Random or Sequential"), Keys{"Ctrl+R"},
     [](frmMain& f) { f.BulletsCommand(); }},
    {"", "", "mnuNever", TrNoop("Commands", "Ne&ver This One Again"), Keys{"Ctrl+Shift+N"},
     [](frmMain& f) { f.NeverAgainCommand(); }},
    {"", "", "mnuSetAside", TrNoop("Commands", "Set-&Aside Quotations..."), Keys{},
     [](frmMain& f) { f.SetAsideListCommand(); }},
    {"", "", "mnuCheck", TrNoop("Commands", "&Check the Collection..."), Keys{},
     [](frmMain& f) { f.CheckCollectionCommand(); }},
    {"", "", "mnuFind", TrNoop("Commands", "&Find..."), Keys{"Ctrl+F"},
     [](frmMain& f) { f.FindCommand(); }},
    {"", "", "mnuFindNext", TrNoop("Commands", "Find &Next"), Keys{"F3"},
     [](frmMain& f) { f.FindStep(true); }},
    {"", "", "mnuFindPrevious", TrNoop("Commands", "Find &Previous"), Keys{"Shift+F3"},
     [](frmMain& f) { f.FindStep(false); }},
    {"", "", "", "", Keys{"Escape"}, [](frmMain& f) { f.CloseFindBar(); }},
    {"", "", "mnuHelp", TrNoop("Commands", "&Help"), Keys{},
     [](frmMain& f) { f.FullHelpCommand(); }},
    {"", "", "", "", Keys{"Ctrl+Tab", "Ctrl+PgDown"}, [](frmMain& f) { f.StepTab(1); }},
    {"", "", "", "", Keys{"Ctrl+Shift+Tab", "Ctrl+PgUp"}, [](frmMain& f) { f.StepTab(-1); }},
};

// Keys as the user reads them, the modifiers named in the user's language
// as the menus name them: "Ctrl+S" is "Strg+S" in German.
std::string KeysInWords(std::string_view keys) {
    std::string words;
    for (std::size_t at = 0; at <= keys.size();) {
        std::size_t plus = keys.find('+', at);
        // A last key "+" (as in "Ctrl++") is a key, not a separator.
        if (plus == at) plus = keys.find('+', at + 1);
        if (plus == std::string_view::npos) plus = keys.size();
        const std::string_view key = keys.substr(at, plus - at);
        if (!words.empty()) words += '+';
        if (key == "Ctrl")
            words += Tr("Commands", "Ctrl");
        else if (key == "Shift")
            words += Tr("Commands", "Shift");
        else
            words += key;
        at = plus + 1;
    }
    return words;
}

const Command& CommandWhere(std::string_view Command::*field, std::string_view value) {
    for (const Command& c : kCommands)
        if (c.*field == value) return c;
    static const Command none{};
    return none;
}

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

const Command* CommandOfButton(std::string_view key) {
    const Command& c = CommandWhere(&Command::button, key);
    return key.empty() || !c.run ? nullptr : &c;
}

const Command* CommandOfItem(std::string_view name) {
    const Command& c = CommandWhere(&Command::item, name);
    return name.empty() || !c.run ? nullptr : &c;
}

std::string ToolTipOf(std::string_view button) {
    const Command& c = CommandWhere(&Command::button, button);
    std::string tip = Translated("Commands", c.toolTip);
    if (c.keys[0].empty()) return tip;
    //: A toolbar button's tool tip: what the button does, then its keys.
    return Format(Tr("Commands", "%1 (%2)"), {tip, KeysInWords(c.keys[0])});
}

MenuEntry MenuItemOf(std::string_view name, const std::string& parent) {
    const Command& c = CommandWhere(&Command::item, name);
    return {std::string(name), Translated("Commands", c.caption), parent, std::string(c.keys[0])};
}

void frmMain::Toolbar1_ButtonClick(const std::string& key) {
    if (const Command* command = CommandOfButton(key)) command->run(*this);
}

void frmMain::Menu_Click(const std::string& name) {
    if (const Command* command = CommandOfItem(name)) command->run(*this);
}

void frmMain::AboutCommand() {
    ShowAbout(HelpFor(s_), *window);
}

void frmMain::BriefHelpCommand() {
    ShowBriefHelp(HelpFor(s_), *window, SSTab1->Tab());
}

void frmMain::FullHelpCommand() {
    ShowFullHelp(HelpFor(s_), *window);
}

void frmMain::StepTab(int step) {
    const int tabs = SSTab1->Tabs();
    SSTab1->SetTab(((SSTab1->Tab() + step) % tabs + tabs) % tabs);
}

void frmMain::SSTab1_Click(int /*previousTab*/) {
    if (SSTab1->Tab() == TabIndex::Settings) PlacePathRows();
    if (SSTab1->Tab() == TabIndex::Fixed || SSTab1->Tab() == TabIndex::Random)
        RefreshFromDisk(SSTab1->Tab());
    // The bar searches the Fixed and Random tabs only.
    else if (findBar->Visible())
        CloseFindBar();
}

void frmMain::StopCommand() {
    if (Timer1->Enabled()) {
        Timer1->SetEnabled(false);
        Toolbar1->SetButtonValue("Stop", 1);
    } else {
        Timer1->SetEnabled(true);
        Toolbar1->SetButtonValue("Stop", 0);
    }
}

void frmMain::BulletsCommand() {
    state.CurrentTab = static_cast<Integer>(SSTab1->Tab());
    std::string caption;
    if (state.UseSeq) {
        state.UseSeq = false;
        Toolbar1->SetButtonValue("Bullets", 0);
        SSTab1->SetTab(TabIndex::Random);
        caption = Tr("Commands", "Random");
    } else {
        state.UseSeq = true;
        Toolbar1->SetButtonValue("Bullets", 1);
        SSTab1->SetTab(TabIndex::Random);
        caption = Tr("Commands", "Sequential");
    }
    SSTab1->SetTabCaption(SSTab1->Tab(), caption);
    SSTab1->SetTab(state.CurrentTab);
}

}  // namespace tagrota
