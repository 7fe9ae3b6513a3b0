// Layout on resize: a minimum size, the tab control and the three editors
// stretched with the window, and the Settings tab's path rows placed while
// that tab is in front. In tray mode a minimised window leaves the screen.

#include "mainwindow/WindowConstants.h"
#include "mainwindow/frmMain.h"

namespace tagrota {
namespace {

constexpr int kTabWidthMargin = 230, kTabHeightMargin = 1500;
constexpr int kEditorWidthMargin = 270, kEditorHeightMargin = 2170, kEditorTop = 520;
constexpr int kBrowseOffset = 790, kPathGap = 400;
constexpr int kFindBarGap = 45;

}  // namespace

void frmMain::Form_Resize() {
    if (window->State() == WindowState::Minimized) {
        // Hidden only where a tray icon can bring it back, and never while a
        // window of the program holds the user: it would go out of reach
        // with it.
        if (state.InSysTray && s_.trayShell.IsAvailable() && !s_.ui.ModalWindowOpen())
            window->Hide();
        return;
    }
    Rect r = window->Bounds();
    if (r.Width < kMinWidth) {
        r.Width = kMinWidth;
        window->SetBounds(r);
        r = window->Bounds();
    }
    if (r.Height < kMinHeight) {
        r.Height = kMinHeight;
        window->SetBounds(r);
        r = window->Bounds();
    }

    // An open find bar takes its height from the bottom of the tab control.
    const int bar = findBar->Visible() ? kFindBarHeight + kFindBarGap : 0;
    SSTab1->SetWidth(r.Width - kTabWidthMargin);
    SSTab1->SetHeight(r.Height - kTabHeightMargin - bar);
    if (bar)
        findBar->SetBounds({SSTab1->Left(), SSTab1->Top() + SSTab1->Height() + kFindBarGap,
                            SSTab1->Width(), kFindBarHeight});
    for (IEditor* editor : {txtFixedSig, txtRandom, txtCurrent}) {
        Rect e = editor->Bounds();
        e.Width = SSTab1->Width() - kEditorWidthMargin;
        e.Height = r.Height - kEditorHeightMargin - bar;
        e.Top = kEditorTop;
        editor->SetBounds(e);
    }
    if (SSTab1->Tab() == TabIndex::Settings) PlacePathRows();
}

void frmMain::PlacePathRows() {
    btnFindPath[0]->SetLeft(SSTab1->Width() - kBrowseOffset);
    btnFindPath[1]->SetLeft(SSTab1->Width() - kBrowseOffset);
    txtRPath->SetWidth(btnFindPath[0]->Left() - kPathGap);
    txtCPath->SetWidth(btnFindPath[1]->Left() - kPathGap);
}

}  // namespace tagrota
