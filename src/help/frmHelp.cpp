#include "help/frmHelp.h"

#include <algorithm>

#include "platform/Translate.h"

namespace tagrota {
namespace {

const TextFont kButtonFont{"MS Sans Serif", 12};

// Margins of the layout: the browser is this much narrower and lower than the
// window's outer size, and the button's top this far above its bottom edge.
constexpr int kBrowserWidthMargin = 150, kBrowserHeightMargin = 1260, kButtonBottomOffset = 960;

}  // namespace

frmHelp::frmHelp(IUserInterface& ui, const IWindow& owner) {
    window = ui.CreateDialogWindow(DialogFrame::Sizable, owner);
    IWindow& w = *window;
    w.SetCaption(Tr("frmHelp", "Tagrota Help"));
    w.SetIcon("help");
    w.SetClientSize(9990, 6225);
    WebBrowser1 = &w.AddWebBrowser(
        ControlPlace{"WebBrowser1", {45, 45, 9870, 5505}, 1, {}}.Spoken(Tr("frmHelp", "Help")));
    // Escape closes it, as it closes any help window.
    OKButton = &w.AddButton({"OKButton", {4365, 5670, 1215, 510}, 0, kButtonFont},
                            Tr("frmHelp", "&OK"), ButtonKeys::Escape);

    w.SetOnResize([this] { Form_Resize(); });
    OKButton->SetOnClick([this] { OKButton_Click(); });
}

void frmHelp::Form_Resize() {
    const Rect outer = window->Bounds();
    // Below the smallest size the rule is made for, the browser shrinks to
    // nothing rather than to a negative size.
    WebBrowser1->SetWidth(std::max(0, outer.Width - kBrowserWidthMargin));
    WebBrowser1->SetHeight(std::max(0, outer.Height - kBrowserHeightMargin));
    OKButton->SetTop(outer.Height - kButtonBottomOffset);
    // Centred on the outer width, each half with its remainder dropped.
    OKButton->SetLeft(outer.Width / 2 - OKButton->Width() / 2);
}

void frmHelp::OKButton_Click() {
    window->Close();
}

}  // namespace tagrota
