// The toolbar, the menu bar and the tab control: selecting tabs, Stop, Bullets,
// and laying out the Settings tab's path rows whenever that tab comes to the
// front.

#include "help/HelpCommands.h"
#include "mainwindow/frmMain.h"

namespace tagrota {
namespace {

HelpServices HelpFor(const MainWindowServices& s) {
    return {s.ui,       s.files,    s.messages,
            s.registry, s.programs, s.helpDir.empty() ? s.programDir : s.helpDir};
}

}  // namespace

void frmMain::Toolbar1_ButtonClick(const std::string& key) {
    if (key == "Exit") {
        window->Close();
    } else if (key == "Save") {
        SaveCommand();
    } else if (key == "Fixed") {
        SSTab1->SetTab(TabIndex::Fixed);
    } else if (key == "Random") {
        SSTab1->SetTab(TabIndex::Random);
    } else if (key == "Current") {
        SSTab1->SetTab(TabIndex::Current);
    } else if (key == "Settings") {
        SSTab1->SetTab(TabIndex::Settings);
    } else if (key == "About") {
        ShowAbout(HelpFor(s_), *window);
    } else if (key == "Help") {
        ShowBriefHelp(HelpFor(s_), *window, SSTab1->Tab());
    } else if (key == "Stop") {
        StopCommand();
    } else if (key == "Bullets") {
        BulletsCommand();
    }
}

void frmMain::Menu_Click(const std::string& name) {
    if (name == "mnuSave") {
        SaveCommand();
    } else if (name == "mnuExit") {
        window->Close();
    } else if (name == "mnuSettings") {
        SSTab1->SetTab(TabIndex::Settings);
    } else if (name == "mnuAbout") {
        ShowAbout(HelpFor(s_), *window);
    } else if (name == "mnuHelp") {
        ShowFullHelp(HelpFor(s_), *window);
    } else if (name == "mnuStop") {
        StopCommand();
    } else if (name == "mnuBullets") {
        BulletsCommand();
    } else if (name == "mnuBriefHelp") {
        ShowBriefHelp(HelpFor(s_), *window, SSTab1->Tab());
    }
}

void frmMain::StepTab(int step) {
    const int tabs = SSTab1->Tabs();
    SSTab1->SetTab(((SSTab1->Tab() + step) % tabs + tabs) % tabs);
}

void frmMain::SSTab1_Click(int /*previousTab*/) {
    if (SSTab1->Tab() == TabIndex::Settings) PlacePathRows();
    if (SSTab1->Tab() == TabIndex::Fixed || SSTab1->Tab() == TabIndex::Random)
        RefreshFromDisk(SSTab1->Tab());
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
        caption = "Random";
    } else {
        state.UseSeq = true;
        Toolbar1->SetButtonValue("Bullets", 1);
        SSTab1->SetTab(TabIndex::Random);
        caption = "Sequential";
    }
    SSTab1->SetTabCaption(SSTab1->Tab(), caption);
    SSTab1->SetTab(state.CurrentTab);
}

}  // namespace tagrota
