// Editing the Fixed and Random tabs: a tab's picture shows "Dirty2" while its
// editor's text differs from its file, and Save writes the tab in front back
// to its file. Both files are watched: a tab without edits takes a change
// that another program made at once, and the rotation uses it from then on; a
// tab with edits shows the picture "Dirty" instead and says so once, and its
// file is not written over without a question.

#include <utility>

#include "engine/Collection.h"
#include "engine/CollectionChoice.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

// The buttons of the question when a file changed on disk.
enum ChangedAnswer { kOverwrite = 0, kReload = 1, kCancelSave = 2 };
// The buttons of the question about unsaved edits.
enum UnsavedAnswer { kSave = 0, kDiscard = 1, kCancel = 2 };

}  // namespace

// A fixed signature file grown too large to be a signature is never read into
// the Fixed tab, which keeps what it holds.
FileStatus frmMain::Fits(const TabFile& f) {
    return f.role == EditedRole::Fixed ? FixedSignatureFits(s_.files, f.path)
                                       : FileStatus::Success();
}

frmMain::TabFile frmMain::FileOfTab(int tab) {
    if (tab == TabIndex::Fixed)
        return {txtFixedSig, &state.FixedDirty, EditedRole::Fixed, state.Files.FixPath()};
    return {txtRandom, &state.RandomDirty, EditedRole::Collection, state.Files.CollectionInUse()};
}

void frmMain::txtFixedSig_Change() {
    if (state.IgnoreEvent) return;
    ShowDirtyState(TabIndex::Fixed);
}

void frmMain::txtRandom_Change() {
    if (state.IgnoreEvent) return;
    ShowDirtyState(TabIndex::Random);
}

// The picture goes on the editor's own tab, whichever tab is in front.
void frmMain::ShowDirtyState(int tab) {
    const TabFile f = FileOfTab(tab);
    const bool dirty = f.editor->Modified();
    if (dirty == *f.dirty) return;
    SSTab1->SetTabPicture(tab, dirty ? "Dirty2" : "Clean");
    *f.dirty = dirty;
}

void frmMain::RememberStamp(int tab) {
    const TabFile f = FileOfTab(tab);
    state.Files.Held(f.role, s_.files.Stamp(f.path));
}

void frmMain::SaveCommand() {
    const int tab = SSTab1->Tab();
    if ((tab == TabIndex::Fixed && state.FixedDirty) ||
        (tab == TabIndex::Random && state.RandomDirty))
        SaveTab(tab);
}

bool frmMain::SaveTab(int tab) {
    const TabFile f = FileOfTab(tab);
    // A file that is gone is simply written anew: nothing of it can be lost.
    if (state.Files.ChangedOnDisk(f.role, s_.files)) {
        const std::string question =
            f.role == EditedRole::Fixed
                ? Tr("Editing",
                     "Overwrite it with the fixed signature shown here, or reload it and drop "
                     "your changes?")
                : Tr("Editing",
                     "Overwrite it with the signature collection shown here, or reload it and "
                     "drop your changes?");
        const int answer = s_.messages.Choose(
            Format(Tr("Editing",
                      "The file %1 has been changed by another program since Tagrota read it."),
                   {f.path}) +
                "\r\n" + question,
            MsgBoxStyle::Exclamation, kAppName,
            {Tr("Editing", "&Overwrite"), Tr("Editing", "&Reload"), Tr("Editing", "Cancel")});
        if (answer == kReload) return ReloadTab(tab);
        if (answer != kOverwrite) return false;
    }
    // A failed write leaves the tab dirty, so the user can try again.
    FileStatus saved = f.editor->SaveFile(f.path);
    if (!saved) {
        ReportSaveFailure(f.path, saved.reason);
        return false;
    }
    f.editor->MarkUnmodified();
    RememberStamp(tab);
    SSTab1->SetTabPicture(tab, "Clean");
    *f.dirty = false;
    changedTold_[tab] = goneTold_[tab] = false;
    return true;
}

bool frmMain::ReloadTab(int tab) {
    const TabFile f = FileOfTab(tab);
    const std::optional<FileStamp> before = s_.files.Stamp(f.path);
    FileStatus loaded;
    {
        IgnoringEvents ignoring(state);
        loaded = Fits(f);
        if (loaded) loaded = f.editor->LoadFile(f.path);
    }
    if (!loaded) {
        s_.messages.MsgBox(Format(Tr("Editing",
                                     "The file %1 could not be read: %2.\r\n"
                                     "Your changes are still in the editor; nothing was lost."),
                                  {f.path, loaded.reason}),
                           MsgBoxStyle::Exclamation, kAppName);
        return false;
    }
    // Read while it was being replaced: the next look finds it changed again.
    state.Files.Held(f.role, before);
    changedTold_[tab] = false;
    TookFileText(tab);
    ShowDirtyState(tab);
    return true;
}

void frmMain::TookFileText(int tab) {
    // The rotation draws from the collection as its file now holds it; a
    // text without quotations is shown, and the quotations in use stay.
    if (tab != TabIndex::Random) return;
    std::shared_ptr<const std::string> text = txtRandom->SharedText();
    if (HoldsQuotations(*text)) SplitInto(state, std::move(text));
}

bool frmMain::RefreshFromDisk(int tab) {
    const TabFile f = FileOfTab(tab);
    if (*f.dirty || !state.Files.ChangedOnDisk(f.role, s_.files)) return false;
    const std::optional<FileStamp> now = s_.files.Stamp(f.path);
    {
        IgnoringEvents ignoring(state);
        if (!Fits(f) || !f.editor->LoadFile(f.path)) return false;
    }
    state.Files.Held(f.role, now);
    TookFileText(tab);
    ShowDirtyState(tab);
    return true;
}

void frmMain::WatchFiles() {
    if (watch_) watch_->Watch({state.Files.FixPath(), state.Files.CollectionInUse()});
}

void frmMain::FileWatch_Change(const std::string& path) {
    // The fixed signature may be the collection as well.
    for (int tab : {TabIndex::Fixed, TabIndex::Random})
        if (FileOfTab(tab).path == path) TakeOutsideChange(tab);
}

void frmMain::TakeOutsideChange(int tab) {
    const TabFile f = FileOfTab(tab);
    const bool fixed = tab == TabIndex::Fixed;
    if (s_.files.IsMissing(f.path)) {
        // The text in use stays, and goes on being used: a file deleted by
        // mistake can be saved anew from the tab.
        if (std::exchange(goneTold_[tab], true)) return;
        const std::string removed =
            fixed ? Tr("Editing",
                       "The fixed signature file %1 has been removed by another program.\r\n"
                       "Tagrota goes on with the text in the Fixed tab; Save writes it there "
                       "anew.")
                  : Tr("Editing",
                       "The signature collection file %1 has been removed by another "
                       "program.\r\n"
                       "Tagrota goes on with the text in the Random tab; Save writes it there "
                       "anew.");
        s_.messages.ShowNotice(Format(removed, {f.path}), MsgBoxStyle::Information, kAppName);
        return;
    }
    goneTold_[tab] = false;
    if (!state.Files.ChangedOnDisk(f.role, s_.files)) return;
    if (!*f.dirty) {
        RefreshFromDisk(tab);
        return;
    }
    SSTab1->SetTabPicture(tab, "Dirty");
    if (std::exchange(changedTold_[tab], true)) return;
    const std::string changed =
        fixed ? Tr("Editing",
                   "The file %1 has been changed by another program.\r\n"
                   "Your unsaved changes in the Fixed tab are kept; Save asks whether to "
                   "overwrite the file or reload it.")
              : Tr("Editing",
                   "The file %1 has been changed by another program.\r\n"
                   "Your unsaved changes in the Random tab are kept; Save asks whether to "
                   "overwrite the file or reload it.");
    s_.messages.ShowNotice(Format(changed, {f.path}), MsgBoxStyle::Information, kAppName);
}

bool frmMain::SettleUnsaved(int tab, const std::string& question) {
    const TabFile f = FileOfTab(tab);
    if (!*f.dirty) return true;
    const std::string unsaved =
        f.role == EditedRole::Fixed
            ? Tr("Editing", "The fixed signature has changes that are not saved.")
            : Tr("Editing", "The signature collection has changes that are not saved.");
    const int answer = s_.messages.Choose(
        unsaved + "\r\n" + Format(question, {f.path}), MsgBoxStyle::Question, kAppName,
        {Tr("Editing", "&Save"), Tr("Editing", "&Discard"), Tr("Editing", "Cancel")});
    if (answer == kSave) return SaveTab(tab) && !*f.dirty;
    return answer == kDiscard;
}

void frmMain::ReportSaveFailure(const std::string& path, const std::string& reason) {
    s_.messages.MsgBox(Format(Tr("Editing",
                                 "The file %1 could not be saved: %2.\r\n"
                                 "Your changes are still in the editor; nothing was lost."),
                              {path, reason}),
                       MsgBoxStyle::Exclamation, kAppName);
}

}  // namespace tagrota
