// The Settings tab: rotation period, word wrapping and its width, starting
// minimised, and choosing the collection and current signature files, with the
// reload of a newly chosen collection; random draws without repeats, the
// length limits and the strict wrap.

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "engine/Collection.h"
#include "engine/CollectionChoice.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

std::string ZeroPadded(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    return text;
}

}  // namespace

void frmMain::HScroll2_Change() {
    const int v = HScroll2->Value();
    Timer1->SetEnabled(false);
    Timer1->SetInterval(v * 1000);
    lblDur->SetCaption(ZeroPadded(v, 2));
    state.SigDuration = static_cast<Integer>(v);
    if (Toolbar1->ButtonValue("Stop") == 0) Timer1->SetEnabled(true);
}

void frmMain::HScroll1_Change() {
    state.WrapCount = static_cast<Integer>(HScroll1->Value());
    lblWordWrap->SetCaption(ZeroPadded(state.WrapCount, 3));
}

void frmMain::chkWordWrap_Click() {
    if (chkWordWrap->Value() == 0) {
        state.DoWrap = false;
        HScroll1->SetEnabled(false);
        HScroll1->SetVisible(false);
        lblWordWrap->SetVisible(false);
    } else {
        state.DoWrap = true;
        HScroll1->SetEnabled(true);
        HScroll1->SetValue(state.WrapCount);
        HScroll1->SetVisible(true);
        lblWordWrap->SetVisible(true);
        lblWordWrap->SetCaption(ZeroPadded(state.WrapCount, 3));
    }
}

void frmMain::chkSysTray_Click() {
    if (chkSysTray->Value() != 0)
        trayMode->EnterTrayMode();
    else
        trayMode->LeaveTrayMode();
}

void frmMain::chkMin_Click() {
    state.StartMin = chkMin->Value() != 0;
}

void frmMain::chkNoRepeats_Click() {
    state.NoRepeats = chkNoRepeats->Value() != 0;
}

void frmMain::chkWrapStrict_Click() {
    state.WrapStrict = chkWrapStrict->Value() != 0;
}

void frmMain::HScroll3_Change() {
    state.MaxSigLines = static_cast<Integer>(HScroll3->Value());
    lblMaxLines->SetCaption(ZeroPadded(state.MaxSigLines, 2));
}

void frmMain::HScroll4_Change() {
    state.MaxSigColumns = static_cast<Integer>(HScroll4->Value());
    lblMaxColumns->SetCaption(ZeroPadded(state.MaxSigColumns, 3));
}

void frmMain::btnLimitPreset_Click() {
    // The usual limit of news and mailing lists.
    HScroll3->SetValue(4);
    HScroll4->SetValue(80);
}

void frmMain::btnFindPath_Click(int index) {
    const std::string oldPath = txtRPath->GetText();

    FileDialogOptions options;
    // Only the names are translated: the patterns and the bars stay.
    options.Filter = Format("%1 (*.*)|*.*|%2 (*.txt)|*.txt",
                            {Tr("SettingsTab", "All Files"), Tr("SettingsTab", "Text")});
    options.FilterIndex = 2;
    options.FileName = "";
    options.DialogTitle = index == 0 ? Tr("SettingsTab", "Open Collection File")
                                     : Tr("SettingsTab", "Open Signature File");
    options.InitDir = index == 0 ? txtRPath->GetText() : txtCPath->GetText();
    options.MaxFileSize = 16000;
    options.Flags = 0x80004;
    const std::string fileName = s_.fileDialog.ShowOpen(options);
    if (fileName.empty()) return;

    if (index == 1) {
        txtCPath->SetText(fileName);
        state.Files.ChooseCurrentPath(fileName);
        return;
    }
    UseCollectionFile(fileName, oldPath);
}

void frmMain::Form_FileDrop(const std::string& path) {
    // Not while a question or a dialog holds the user.
    if (path.empty() || s_.ui.ModalWindowOpen()) return;
    UseCollectionFile(path, txtRPath->GetText());
}

void frmMain::UseCollectionFile(const std::string& fileName, const std::string& oldPath) {
    // The Fixed tab holds that file: it cannot be the Random tab's as well.
    if (NameOneFile(s_.files, fileName, state.Files.FixPath())) {
        s_.messages.MsgBox(Format(Tr("SettingsTab",
                                     "The file %1 is your fixed signature file, which cannot be "
                                     "the signature collection too. The collection was not "
                                     "changed."),
                                  {fileName}),
                           MsgBoxStyle::Exclamation, kAppName);
        return;
    }
    txtRPath->SetText(fileName);
    state.Files.ChooseNextCollection(fileName);
    if (txtRPath->GetText() == oldPath) return;

    // While the questions wait, the collection chosen before is no longer
    // the one for the next start, yet no tick may write a signature into it:
    // the rotation is held until they are answered (and, after Yes, until
    // the new collection is in place).
    const bool held = std::exchange(holdRotation_, true);
    const int answer = s_.messages.MsgBox(
        Tr("SettingsTab",
           "You have selected a different collection file to use.\r\n"
           "Do you want to load the new file now? If you answer 'No'\r\n"
           "it will be loaded the next time you start Tagrota."),
        MsgBoxStyle::YesNo + MsgBoxStyle::Exclamation, Tr("SettingsTab", "Collection Change"));
    if (answer != MsgBoxResult::Yes) {
        holdRotation_ = held;
        return;
    }
    // The reload replaces the Random tab's text: its edits are saved or
    // dropped first, or the whole change of file is called off.
    if (!SettleUnsaved(TabIndex::Random,
                       Tr("SettingsTab", "Save them to %1 before the new collection is loaded?"))) {
        txtRPath->SetText(oldPath);
        state.Files.ChooseNextCollection(oldPath);
        holdRotation_ = held;
        return;
    }
    ReloadCollection(oldPath);
}

// What the reading beside the event loop found: the choice, and where the
// pieces of its text start.
struct frmMain::ReadCollection {
    std::string path, oldPath;
    CollectionChoice choice;
    std::vector<std::size_t> starts;
    int attempts = 0;
};

void frmMain::ReloadCollection(const std::string& oldPath) {
    // No tick may rotate until the new collection is in place, not even one
    // that arrives while a message box below is open.
    holdRotation_ = true;
    // The Random tab takes no edits until the new text replaces its own.
    txtRandom->SetLocked(true);
    txtRandom->SetBusyNote(Format(Tr("SettingsTab", "Reading %1\u2026"), {txtRPath->GetText()}));
    auto read = std::make_shared<ReadCollection>();
    read->path = txtRPath->GetText();
    read->oldPath = oldPath;
    const std::uint64_t generation = ++reloadGeneration_;
    // Readings that ended are dropped; one still under way ends unheeded.
    std::erase_if(reloads_, [](const std::unique_ptr<IBackgroundWork>& w) { return w->Done(); });
    ReadBeside(generation, read);
}

void frmMain::ReadBeside(std::uint64_t generation, const std::shared_ptr<ReadCollection>& read) {
    ++read->attempts;
    // Read and checked before anything is replaced: a file that gives no
    // collection leaves the Random tab, the list and the count as they are.
    CollectionRules rules;
    rules.placeholderIfMissing = false;
    rules.fallBackToDefault = false;
    rules.writeFiles = false;
    IFileSystem& files = s_.files;
    reloads_.push_back(s_.ui.RunBeside(
        [read, &files, programDir = s_.programDir, rules] {
            read->choice = ChooseCollection(files, read->path, programDir, rules);
            read->starts.clear();
            if (read->choice.source == CollectionSource::Configured)
                read->starts = SigList::PieceStarts(ChosenText(read->choice));
        },
        [this, read, generation] { FinishReload(generation, read); }));
}

void frmMain::FinishReload(std::uint64_t generation, const std::shared_ptr<ReadCollection>& read) {
    // A later choice of collection has taken over.
    if (generation != reloadGeneration_) return;
    CollectionChoice& choice = read->choice;
    const std::string& path = read->path;
    bool usable = choice.source == CollectionSource::Configured;
    // Changed while it was read: read again, a few times at most.
    if (usable && s_.files.Stamp(path) != choice.stamp && read->attempts < 3) {
        ReadBeside(generation, read);
        return;
    }
    if (usable) {
        const std::size_t size = ChosenText(choice).size();
        FileStatus loaded;
        {
            IgnoringEvents ignoring(state);
            loaded = txtRandom->LoadFile(path, std::move(choice.read));
        }
        if (loaded) {
            std::shared_ptr<const std::string> text = txtRandom->SharedText();
            // The pieces found beside the event loop, where the editor took
            // the text that was read; else the text it read itself.
            if (text->size() == size && !read->starts.empty())
                state.Sigs = SigList(std::move(text), std::move(read->starts));
            else
                state.Sigs = SigList(std::move(text));
            state.SigCount = static_cast<Long>(state.Sigs.size()) - 1;
            state.Files.Loaded(EditedRole::Collection, path, choice.stamp);
            goneTold_[TabIndex::Random] = changedTold_[TabIndex::Random] = false;
            WatchFiles();
        } else {
            usable = false;
            choice.chosenUnreadable = loaded.reason;
        }
    }

    if (!usable) {
        // Told with the rotation held, so that no tick rotates while the
        // message is open.
        if (choice.chosenUnreadable.empty())
            s_.messages.MsgBox(
                Format(Tr("SettingsTab", "The file %1 is invalid. This file was NOT loaded."),
                       {s_.ui.UpperCase(path)}),
                MsgBoxStyle::OkOnly, "");
        else
            s_.messages.MsgBox(Format(Tr("SettingsTab",
                                         "The file %1 could not be read: %2. This file was NOT "
                                         "loaded."),
                                      {path, choice.chosenUnreadable}),
                               MsgBoxStyle::OkOnly, "");
        // The path as it was before the question; the Random tab's text
        // still comes from the file it came from. Unless the user chose
        // again while the message was open.
        if (generation == reloadGeneration_) {
            txtRPath->SetText(read->oldPath);
            state.Files.ChooseNextCollection(read->oldPath);
        }
    }
    if (generation != reloadGeneration_) return;
    txtRandom->SetBusyNote({});
    txtRandom->SetLocked(false);
    holdRotation_ = false;
    ShowDirtyState(TabIndex::Random);
    Rotate();
}

}  // namespace tagrota
