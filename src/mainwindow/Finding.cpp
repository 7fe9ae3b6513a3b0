// Finding things in the texts. The find bar: Ctrl+F opens it below the tab
// control on the Fixed and Random tabs, Next and Previous (F3, Shift+F3)
// select the next or previous match in the tab's editor, and Escape closes
// it. The collection check: its listing, and a way from each line of it to
// its place in the Random tab.

#include "mainwindow/WindowConstants.h"
#include "mainwindow/frmMain.h"
#include "platform/Translate.h"

namespace tagrota {

IEditor* frmMain::SearchedEditor() const {
    switch (SSTab1->Tab()) {
        case TabIndex::Fixed:
            return txtFixedSig;
        case TabIndex::Random:
            return txtRandom;
        default:
            return nullptr;
    }
}

void frmMain::FindCommand() {
    if (!SearchedEditor()) return;
    if (!findBar->Visible()) {
        findBar->SetNote({});
        findBar->SetVisible(true);
        Form_Resize();
    }
    findBar->TakeFocus();
}

void frmMain::FindStep(bool forward) {
    IEditor* editor = SearchedEditor();
    if (!editor) return;
    // Nothing to find yet: the bar asks for it.
    if (findBar->FindText().empty()) {
        FindCommand();
        return;
    }
    const TextQuery query{findBar->FindText(), forward, findBar->MatchCase(),
                          findBar->WrapAround()};
    const std::optional<TextFound> found = editor->Find(query);
    if (!found) {
        // A closed bar opens to say so.
        FindCommand();
        findBar->SetNote(Tr("Finding", "Not found"));
        return;
    }
    editor->Select(found->Span);
    findBar->SetNote(!found->Wrapped ? std::string()
                     : forward       ? Tr("Finding", "Continued from the top")
                                     : Tr("Finding", "Continued from the bottom"));
}

void frmMain::CloseFindBar() {
    if (!findBar->Visible()) return;
    findBar->SetVisible(false);
    Form_Resize();
    if (IEditor* editor = SearchedEditor()) editor->TakeFocus();
}

void frmMain::CheckCollectionCommand() {
    const std::shared_ptr<const std::string> text = txtRandom->SharedText();
    const std::string path = state.Files.CollectionInUse();
    // The file's own line ends, which the tab shows all as one kind.
    const FileContents file = s_.files.ReadFile(path);
    // Each entry measured as the rotation would write it under the Fixed tab.
    const SignatureLimits limits{state.MaxSigLines, state.MaxSigColumns};
    findings_ = CheckCollection(*text, file.status ? file.bytes : std::string(),
                                LengthLimitRules(txtFixedSig->GetText(), WrapOf(state), limits));
    if (checkWindow_) checkWindow_->Close();
    if (findings_.empty()) {
        checkWindow_.reset();
        const std::string clean =
            limits.Any()
                ? Format(Tr("Finding",
                            "The collection %1 holds no duplicate or empty entries, no entries "
                            "over the length limits (%2), no lines that end in white space, and "
                            "one kind of line end."),
                         {path, LimitsText(limits)})
                : Format(Tr("Finding",
                            "The collection %1 holds no duplicate or empty entries, no lines that "
                            "end in white space, and one kind of line end."),
                         {path});
        s_.messages.MsgBox(clean, MsgBoxStyle::Information, Tr("Finding", "Collection Check"));
        return;
    }
    checkWindow_ = s_.ui.CreateDialogWindow(DialogFrame::Fixed, *window);
    IWindow& w = *checkWindow_;
    w.SetCaption(Tr("Finding", "Collection Check"));
    w.SetClientSize(9000, 5400);
    const std::size_t n = findings_.size();
    w.AddLabel({"lblFindings", {120, 90, 8760, 480}, 0, kListFont},
               Format(n == 1 ? Tr("Finding",
                                  "%1 finding in %2. Double-click a line to go to its place in "
                                  "the Random tab.")
                             : Tr("Finding",
                                  "%1 findings in %2. Double-click a line to go to its place in "
                                  "the Random tab."),
                      {std::to_string(n), path}));
    IListBox& list =
        w.AddListBox(ControlPlace{"lstFindings", {120, 630, 8760, 4050}, 1, kListFont}.Spoken(
            Tr("Finding", "Findings"),
            Tr("Finding", "A double click goes to the finding's place")));
    std::vector<std::string> lines;
    for (const CollectionFinding& f : findings_) lines.push_back(f.message);
    list.SetItems(lines);
    list.SetOnActivate([this](int index) { ShowFinding(static_cast<std::size_t>(index)); });
    IButton& close = w.AddButton({"btnClose", {7680, 4800, 1200, 465}, 2, kListFont},
                                 Tr("Finding", "&Close"), ButtonKeys::Escape);
    close.SetOnClick([this] { checkWindow_->Close(); });
    w.Show();
}

void frmMain::ShowFinding(std::size_t index) {
    if (index >= findings_.size()) return;
    SSTab1->SetTab(TabIndex::Random);
    txtRandom->Select(findings_[index].span);
    window->BringToFront();
    txtRandom->TakeFocus();
}

}  // namespace tagrota
