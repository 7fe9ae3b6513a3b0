#pragma once
// The brief help of a tab: a fixed dialog with the page in a read-only
// rich-text box and an OK button.

#include <memory>

#include "platform/Window.h"

namespace tagrota {

class Dialog {
public:
    // Creates the window, hidden, with an empty box.
    Dialog(IUserInterface& ui, const IWindow& owner);

    void OKButton_Click();

    std::unique_ptr<IWindow> window;
    IRichTextBox* RichTextBox1 = nullptr;
    IButton* OKButton = nullptr;
};

}  // namespace tagrota
