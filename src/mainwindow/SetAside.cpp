// Quotations set aside: Never This One Again, the notice when every
// quotation is, and the window that lists those of the collection in use so
// that they can be taken back.

#include <utility>

#include "engine/Settings.h"
#include "mainwindow/WindowConstants.h"
#include "mainwindow/frmMain.h"
#include "platform/Translate.h"

namespace tagrota {
namespace {

// A quotation on one line of the list: its lines joined, cut at a length a
// line of the list shows.
std::string OneLine(const std::string& quotation) {
    constexpr std::size_t kMostShown = 160;
    std::string line;
    for (std::size_t i = 0; i < quotation.size() && line.size() < kMostShown; ++i) {
        if (quotation[i] == '\n')
            line += " / ";
        else if (quotation[i] != '\r')
            line += quotation[i];
    }
    if (line.size() >= kMostShown) {
        // Cut before a character, never inside one.
        std::size_t cut = kMostShown;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        line.erase(cut);
        line += "...";
    }
    return line;
}

}  // namespace

void frmMain::NeverAgainCommand() {
    if (holdRotation_) return;
    const std::optional<std::string>& quotation = engine_.LastQuotation();
    const std::string path = state.Files.CollectionInUse();
    if (!quotation || path.empty()) {
        s_.messages.MsgBox(Tr("SetAside", "The current signature holds no quotation to set aside."),
                           MsgBoxStyle::Information, kAppName);
        return;
    }
    if (const FileStatus added = engine_.SetAside().Add(path, *quotation); !added) {
        s_.messages.MsgBox(
            Format(
                Tr("SetAside", "The quotation could not be set aside for the collection %1: %2."),
                {path, added.reason}),
            MsgBoxStyle::Exclamation, kAppName);
        return;
    }
    FillSetAsideList();
    NextQuotation();
}

void frmMain::TellIfAllSetAside() {
    if (!engine_.AllSetAside()) {
        allSetAsideShown_ = false;
        return;
    }
    if (std::exchange(allSetAsideShown_, true)) return;
    s_.messages.ShowNotice(Format(Tr("SetAside",
                                     "Every quotation of the collection %1 is set aside, so the "
                                     "signature is your fixed signature alone.\r\n"
                                     "Commands, Set-Aside Quotations takes them back."),
                                  {state.Files.CollectionInUse()}),
                           MsgBoxStyle::Information, kAppName);
}

void frmMain::SetAsideListCommand() {
    if (setAsideWindow_) setAsideWindow_->Close();
    setAsideWindow_ = s_.ui.CreateDialogWindow(DialogFrame::Fixed, *window);
    IWindow& w = *setAsideWindow_;
    w.SetCaption(Tr("SetAside", "Set-Aside Quotations"));
    w.SetClientSize(9000, 5400);
    lblSetAside_ = &w.AddLabel({"lblSetAside", {120, 90, 8760, 480}, 0, kListFont}, "");
    setAsideList_ =
        &w.AddListBox(ControlPlace{"lstSetAside", {120, 630, 8760, 4050}, 1, kListFont}.Spoken(
            Tr("SetAside", "Set-Aside Quotations"),
            Tr("SetAside", "Take Back or a double click puts one back")));
    IButton& takeBack = w.AddButton({"btnTakeBack", {5160, 4800, 2400, 465}, 2, kListFont},
                                    Tr("SetAside", "&Take Back"), ButtonKeys::None);
    takeBack.SetOnClick([this] { TakeBackSetAside(setAsideList_->ListIndex()); });
    IButton& close = w.AddButton({"btnClose", {7680, 4800, 1200, 465}, 3, kListFont},
                                 Tr("SetAside", "&Close"), ButtonKeys::Escape);
    close.SetOnClick([this] { setAsideWindow_->Close(); });
    setAsideList_->SetOnActivate([this](int index) { TakeBackSetAside(index); });
    FillSetAsideList();
    w.Show();
}

void frmMain::FillSetAsideList() {
    if (!setAsideWindow_) return;
    const std::string path = state.Files.CollectionInUse();
    const NeverAgainList& list = engine_.SetAside().For(path);
    std::vector<std::string> lines;
    for (const std::string& entry : list.entries) lines.push_back(OneLine(entry));
    setAsideList_->SetItems(lines);
    const std::size_t n = lines.size();
    std::string about;
    if (!list.problem.empty())
        about = Format(Tr("SetAside", "Nothing is set aside for %1: %2."), {path, list.problem});
    else if (n == 0)
        about = Format(Tr("SetAside", "No quotation of %1 is set aside."), {path});
    else
        about = Format(n == 1 ? Tr("SetAside",
                                   "%1 quotation of %2 set aside. Take Back (or a double click) "
                                   "puts one back into the rotation.")
                              : Tr("SetAside",
                                   "%1 quotations of %2 set aside. Take Back (or a double click) "
                                   "puts one back into the rotation."),
                       {std::to_string(n), path});
    lblSetAside_->SetCaption(about);
}

void frmMain::TakeBackSetAside(int which) {
    if (which < 0) return;
    const std::string path = state.Files.CollectionInUse();
    if (const FileStatus taken = engine_.SetAside().TakeBack(path, static_cast<std::size_t>(which));
        !taken)
        s_.messages.MsgBox(
            Format(Tr("SetAside", "The quotation could not be taken back: %1."), {taken.reason}),
            MsgBoxStyle::Exclamation, kAppName);
    FillSetAsideList();
}

}  // namespace tagrota
