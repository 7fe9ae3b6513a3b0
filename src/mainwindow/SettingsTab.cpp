// The Settings tab: rotation period, word wrapping and its width, starting
// minimised, and choosing the collection and current signature files, with the
// reload of a newly chosen collection.

#include <cstdio>
#include <utility>

#include "engine/Collection.h"
#include "engine/CollectionChoice.h"
#include "engine/Settings.h"
#include "mainwindow/frmMain.h"

namespace tagrota {
namespace {

std::string ZeroPadded(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    return text;
}

// Holds the rotation for as long as it lives.
class HoldingRotation {
public:
    explicit HoldingRotation(bool& hold) : hold_(hold), was_(std::exchange(hold, true)) {}
    ~HoldingRotation() { hold_ = was_; }
    HoldingRotation(const HoldingRotation&) = delete;
    HoldingRotation& operator=(const HoldingRotation&) = delete;

private:
    bool& hold_;
    const bool was_;
};

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

void frmMain::btnFindPath_Click(int index) {
    const std::string oldPath = txtRPath->GetText();

    FileDialogOptions options;
    options.Filter = "All Files (*.*)|*.*|Text (*.txt)|*.txt";
    options.FilterIndex = 2;
    options.FileName = "";
    options.DialogTitle = index == 0 ? "Open Collection File" : "Open Signature File";
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
    // The Fixed tab holds that file: it cannot be the Random tab's as well.
    if (NameOneFile(s_.files, fileName, state.Files.FixPath())) {
        s_.messages.MsgBox("The file " + fileName +
                               " is your fixed signature file, which cannot be the signature "
                               "collection too. The collection was not changed.",
                           MsgBoxStyle::Exclamation, kAppName);
        return;
    }
    // While the questions wait, the collection chosen before stays one that
    // no tick may write a signature into.
    HoldingRotation hold(holdRotation_);
    txtRPath->SetText(fileName);
    state.Files.ChooseNextCollection(fileName);
    if (txtRPath->GetText() == oldPath) return;

    const int answer = s_.messages.MsgBox(
        "You have selected a different collection file to use.\r\n"
        "Do you want to load the new file now? If you answer 'No'\r\n"
        "it will be loaded the next time you start Tagrota.",
        MsgBoxStyle::YesNo + MsgBoxStyle::Exclamation, "Collection Change");
    if (answer != MsgBoxResult::Yes) return;
    // The reload replaces the Random tab's text: its edits are saved or
    // dropped first, or the whole change of file is called off.
    if (!SettleUnsaved(TabIndex::Random, "before the new collection is loaded")) {
        txtRPath->SetText(oldPath);
        state.Files.ChooseNextCollection(oldPath);
        return;
    }
    ReloadCollection(oldPath);
    ShowDirtyState(TabIndex::Random);
}

void frmMain::ReloadCollection(const std::string& oldPath) {
    {
        // No tick may rotate while the reload runs, not even one that arrives
        // while a message box below is open.
        HoldingRotation hold(holdRotation_);
        const std::string path = txtRPath->GetText();

        // Read and checked before anything is replaced: a file that gives no
        // collection leaves the Random tab, the list and the count as they are.
        CollectionRules rules;
        rules.placeholderIfMissing = false;
        rules.fallBackToDefault = false;
        rules.writeFiles = false;
        CollectionChoice choice = ChooseCollection(s_.files, path, s_.programDir, rules);
        bool usable = choice.source == CollectionSource::Configured;
        if (usable) {
            const std::string oldText = txtRandom->GetText();
            FileStatus loaded;
            {
                IgnoringEvents ignoring(state);
                loaded = txtRandom->LoadFile(path, std::move(choice.read));
            }
            usable = loaded && HoldsQuotations(txtRandom->GetText());
            if (usable) {
                SplitInto(state, txtRandom->SharedText());
                state.Files.Loaded(EditedRole::Collection, path, choice.stamp);
            } else {
                // The file changed between the two reads: the collection in
                // use stays, its text as it was.
                IgnoringEvents ignoring(state);
                txtRandom->SetText(oldText);
                if (!loaded) choice.chosenUnreadable = loaded.reason;
            }
        }

        if (!usable) {
            if (choice.chosenUnreadable.empty())
                s_.messages.MsgBox(
                    "The file " + s_.ui.UpperCase(path) + " is invalid. This file was NOT loaded.",
                    MsgBoxStyle::OkOnly, "");
            else
                s_.messages.MsgBox("The file " + path + " could not be read: " +
                                       choice.chosenUnreadable + ". This file was NOT loaded.",
                                   MsgBoxStyle::OkOnly, "");
            // The path as it was before the question; the Random tab's text
            // still comes from the file it came from.
            txtRPath->SetText(oldPath);
            state.Files.ChooseNextCollection(oldPath);
        }
    }
    Rotate();
}

}  // namespace tagrota
