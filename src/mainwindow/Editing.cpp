// Editing the Fixed and Random tabs: the first change after a load or a save
// marks the tab with the "Dirty2" picture, and Save writes the tab in front
// back to its file.

#include "engine/Settings.h"
#include "mainwindow/frmMain.h"

namespace tagrota {

void frmMain::txtFixedSig_Change() {
    if (state.IgnoreEvent) return;
    if (state.FixedDirty) return;
    SSTab1->SetTabPicture(SSTab1->Tab(), "Dirty2");
    state.FixedDirty = true;
}

void frmMain::txtRandom_Change() {
    if (state.IgnoreEvent) return;
    if (state.RandomDirty) return;
    SSTab1->SetTabPicture(SSTab1->Tab(), "Dirty2");
    state.RandomDirty = true;
}

void frmMain::SaveCommand() {
    const int tab = SSTab1->Tab();
    bool* dirty = nullptr;
    IEditor* editor = nullptr;
    std::string path;
    if (tab == TabIndex::Fixed && state.FixedDirty) {
        dirty = &state.FixedDirty;
        editor = txtFixedSig;
        path = state.FixPath;
    } else if (tab == TabIndex::Random && state.RandomDirty) {
        dirty = &state.RandomDirty;
        editor = txtRandom;
        path = randomEditorFile_;
    } else {
        return;
    }
    // A failed write leaves the tab dirty, so the user can try again.
    FileStatus saved = editor->SaveFile(path);
    if (!saved) {
        ReportSaveFailure(path, saved.reason);
        return;
    }
    SSTab1->SetTabPicture(tab, "Clean");
    *dirty = false;
}

void frmMain::ReportSaveFailure(const std::string& path, const std::string& reason) {
    s_.messages.MsgBox("The file " + path + " could not be saved: " + reason +
                           ".\r\nYour changes are still in the editor; nothing was lost.",
                       MsgBoxStyle::Exclamation, kAppName);
}

}  // namespace tagrota
