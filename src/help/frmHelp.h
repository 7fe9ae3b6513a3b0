#pragma once
// The help viewer: a sizable window with the user guide in a web browser
// control and an OK button under it, both following the window's size.

#include <memory>

#include "platform/Window.h"

namespace tagrota {

class frmHelp {
public:
    // Creates the window, hidden, with no page in the browser.
    frmHelp(IUserInterface& ui, const IWindow& owner);

    void Form_Resize();
    void OKButton_Click();

    std::unique_ptr<IWindow> window;
    IWebBrowser* WebBrowser1 = nullptr;
    IButton* OKButton = nullptr;
};

}  // namespace tagrota
