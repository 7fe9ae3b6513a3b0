#include "help/HelpCommands.h"

#include "help/Dialog.h"
#include "help/RichText.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "platform/Paths.h"
#include "platform/Translate.h"

namespace tagrota {

void ShowFullHelp(const HelpServices& s, const IWindow& owner) {
    const std::string p = ProgramFolderFile(s.helpDir, "index.html");
    if (!s.files.FileExists(p)) {
        s.messages.MsgBox(Format(Tr("HelpCommands", "The help file %1 is missing."), {p}),
                          MsgBoxStyle::OkOnly, "");
        return;
    }
    frmHelp help(s.ui, owner);
    help.WebBrowser1->Navigate(p);
    help.window->ShowModal();
}

void ShowBriefHelp(const HelpServices& s, const IWindow& owner, int tab) {
    const std::string p = ProgramFolderFile(s.helpDir, "tab" + std::to_string(tab) + ".rtf");
    if (!s.files.FileExists(p)) {
        s.messages.MsgBox(Format(Tr("HelpCommands", "The help file %1 was not found."), {p}),
                          MsgBoxStyle::OkOnly, "");
        return;
    }
    // Read before the window exists: a file that is there but cannot be read
    // is reported, not shown as an empty page.
    const FileContents page = s.files.ReadFile(p);
    if (!page.status) {
        s.messages.MsgBox(Format(Tr("HelpCommands", "The help file %1 cannot be read: %2."),
                                 {p, page.status.reason}),
                          MsgBoxStyle::OkOnly, "");
        return;
    }
    Dialog dialog(s.ui, owner);
    dialog.RichTextBox1->SetDocument(ReadRichText(page.bytes));
    dialog.window->ShowModal();
}

void ShowAbout(const HelpServices& s, const IWindow& owner) {
    frmAbout about(s.ui, owner, {s.files, s.messages, s.registry, s.programs});
    about.Form_Load();
    about.window->ShowModal();
}

}  // namespace tagrota
