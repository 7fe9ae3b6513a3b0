#include "help/Dialog.h"

#include "platform/Translate.h"

namespace tagrota {

Dialog::Dialog(IUserInterface& ui, const IWindow& owner) {
    window = ui.CreateDialogWindow(DialogFrame::Fixed, owner);
    IWindow& w = *window;
    w.SetCaption(Tr("Dialog", "Tagrota Brief Help"));
    w.SetClientSize(6030, 4515);
    RichTextBox1 = &w.AddRichTextBox(
        ControlPlace{"RichTextBox1", {45, 45, 5910, 3795}, 1, {"MS Sans Serif", 12}}.Spoken(
            Tr("Dialog", "Brief Help")));
    // Escape closes it, as it closes any help window.
    OKButton = &w.AddButton({"OKButton", {2385, 3960, 1215, 465}, 0, {}}, Tr("Dialog", "&OK"),
                            ButtonKeys::Escape);
    OKButton->SetOnClick([this] { OKButton_Click(); });
}

void Dialog::OKButton_Click() {
    window->Close();
}

}  // namespace tagrota
