#pragma once
// The windows and controls of the user interface, as interfaces. Everything
// above this layer measures in twips (1/1440 inch; 15 twips are one pixel at 96
// dots per inch); an implementation converts with its screen's resolution.
//
// Every control keeps one rule: a change that the program makes raises the same
// notification as a user's change, and only when the value really changes
// (setting a check box's value runs its click handler, setting a scroll bar's
// value its change handler, selecting a tab the tab control's change handler).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Controls.h"
#include "platform/FileWatch.h"
#include "platform/ImageList.h"
#include "platform/Services.h"

namespace tagrota {

struct RichDocument;  // platform/RichDocument.h

// A control's place: left and top edge, width and height, in twips.
struct Rect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const Rect&) const = default;
};

// A font by family name and size in points. Where the family is not installed
// the implementation takes the closest one: a monospace family for "Courier
// New", the default sans-serif for "MS Sans Serif", a narrow sans-serif for
// "Arial Narrow". An empty name is the platform's default font.
struct TextFont {
    std::string Name;
    double Size = 0;
};

// What every visible control has: a place, a visible flag and an enabled flag.
// A control on a tab that is not in front keeps its own visible flag but is not
// on the screen (see IsShowing).
class IControl {
public:
    virtual ~IControl() = default;
    virtual Rect Bounds() const = 0;
    virtual void SetBounds(const Rect& bounds) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // Visible and, for a control on a tab, its tab in front.
    virtual bool IsShowing() const = 0;

    int Left() const { return Bounds().Left; }
    int Top() const { return Bounds().Top; }
    int Width() const { return Bounds().Width; }
    int Height() const { return Bounds().Height; }
    void SetLeft(int v) {
        Rect r = Bounds();
        r.Left = v;
        SetBounds(r);
    }
    void SetTop(int v) {
        Rect r = Bounds();
        r.Top = v;
        SetBounds(r);
    }
    void SetWidth(int v) {
        Rect r = Bounds();
        r.Width = v;
        SetBounds(r);
    }
    void SetHeight(int v) {
        Rect r = Bounds();
        r.Height = v;
        SetBounds(r);
    }
};

enum class LabelAlignment { Left, Center, Right };

// A caption; one that is too long for the label's width goes on over as many
// lines as the label's height holds.
class ILabel : public virtual IControl {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Left at first.
    virtual void SetAlignment(LabelAlignment alignment) = 0;
};

// A push button; with a picture it shows the picture and no caption.
class IButton : public virtual IControl {
public:
    virtual void SetOnClick(std::function<void()> handler) = 0;
};

// The keys a push button answers besides its own focus: Enter anywhere in the
// window (the default button), Escape (the cancel button). Flags, combined.
namespace ButtonKeys {
inline constexpr int None = 0, Enter = 1, Escape = 2;
}

// A check box: Value 0 unticked, 1 ticked. The click notification runs for
// every change of the value, the user's or the program's.
class ICheckBox : public virtual IControl {
public:
    virtual int Value() const = 0;
    virtual void SetValue(int value) = 0;
    virtual void SetOnClick(std::function<void()> handler) = 0;
};

// A horizontal scroll bar. The change notification runs for every change of the
// value; while the user drags the thumb it waits until the thumb is let go.
class IScrollBar : public virtual IControl {
public:
    virtual int Min() const = 0;
    virtual int Max() const = 0;
    virtual int SmallChange() const = 0;
    virtual int LargeChange() const = 0;
    virtual int Value() const = 0;
    // Outside Min to Max the value is brought to the nearest end.
    virtual void SetValue(int value) = 0;
    virtual void SetOnChange(std::function<void()> handler) = 0;
};

// A single-line text box.
class ITextBox : public virtual IControl, public virtual ITextControl {};

// A multi-line plain-text editor with scroll bars.
class IEditor : public virtual IControl, public virtual ITextEditor {};

// A bar for finding text: a box for the text to find, a Next and a Previous
// button, "Match case" and "Wrap around" boxes (wrap around ticked at first),
// a note, and a button that closes it. Enter in the box finds the next match,
// Shift+Enter the previous one. (Escape is the window's: see AddShortcut.)
class IFindBar : public virtual IControl {
public:
    virtual std::string FindText() const = 0;
    virtual void SetFindText(const std::string& text) = 0;
    virtual bool MatchCase() const = 0;
    virtual bool WrapAround() const = 0;
    // What the last step found, beside the buttons; empty for nothing.
    virtual void SetNote(const std::string& note) = 0;
    // Gives the box the keyboard, its text selected.
    virtual void TakeFocus() = 0;
    // Runs for Next (true) and Previous (false).
    virtual void SetOnFind(std::function<void(bool forward)> handler) = 0;
    // Runs when the user closes the bar.
    virtual void SetOnClose(std::function<void()> handler) = 0;
};

// A list of lines of text. A double click on a line, or Enter on the line
// selected, runs the activation handler with the line's index (from 0).
class IListBox : public virtual IControl {
public:
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    virtual int Count() const = 0;
    // The line selected: the first after SetItems; -1 with no lines.
    virtual int ListIndex() const = 0;
    virtual void SetOnActivate(std::function<void(int index)> handler) = 0;
};

// A web page viewer for the program's own HTML pages.
class IWebBrowser : public virtual IControl {
public:
    // Shows the local HTML file at the path. Links to other local files open
    // in the control; links to the web open in the desktop's browser.
    virtual void Navigate(const std::string& path) = 0;
};

// A read-only box that shows formatted text, with a vertical scroll bar when
// the text is longer than the box. The box's own font is the text's default.
class IRichTextBox : public virtual IControl {
public:
    virtual void SetDocument(const RichDocument& document) = 0;
};

// A straight line drawn on a window, from (X1, Y1) to (X2, Y2) in twips, in a
// colour 0xRRGGBB, `Width` pixels wide, drawn inside its width.
struct LineShape {
    std::string Name;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::uint32_t Color = 0;
    int Width = 1;
};

// A tab control: tabs numbered from 0, one row of headers, each with a caption
// and an optional picture from the tab control's image list. Only the controls
// of the tab in front are on the screen.
class ITabControl : public virtual IControl {
public:
    virtual int Tabs() const = 0;
    virtual int Tab() const = 0;
    // Brings the tab to the front; raises the change notification when it was
    // not already in front.
    virtual void SetTab(int tab) = 0;
    virtual std::string TabCaption(int tab) const = 0;
    virtual void SetTabCaption(int tab, const std::string& caption) = 0;
    // The key of the tab's picture in the image list; empty for none.
    virtual std::string TabPicture(int tab) const = 0;
    virtual void SetTabPicture(int tab, const std::string& key) = 0;
    // Runs after every change of the tab in front, with the tab that was in
    // front before.
    virtual void SetOnChange(std::function<void(int previousTab)> handler) = 0;
    // What a screen reader says of the tab besides its caption (and a tool
    // tip shows); empty for nothing.
    virtual std::string TabDescription(int tab) const = 0;
    virtual void SetTabDescription(int tab, const std::string& description) = 0;
};

// A toolbar entry. An entry without a key and without an image is an empty gap.
struct ToolbarEntry {
    std::string Key;
    std::string Caption;  // empty: the button shows its image only
    std::string ToolTip;
    int Image = 0;  // number in the toolbar's image list; 0 for none
    // What a screen reader calls the button: its caption, or for a button
    // that shows its image only, what it does.
    std::string AccessibleName = {};
    // A button that stays pressed while its state is on (its ButtonValue),
    // announced as a toggle; every other one is a plain push button.
    bool Toggle = false;
};

// A toolbar docked to the top edge of its window, full width, taking its
// images from an image list. Buttons are addressed by key.
class IToolbar : public virtual IControl {
public:
    // The pressed state: 0 unpressed, 1 pressed. Setting it raises no click.
    virtual int ButtonValue(const std::string& key) const = 0;
    virtual void SetButtonValue(const std::string& key, int value) = 0;
    virtual int ButtonImage(const std::string& key) const = 0;
    virtual void SetButtonImage(const std::string& key, int image) = 0;
    // Runs when the user clicks a button, with the button's key.
    virtual void SetOnButtonClick(std::function<void(const std::string& key)> handler) = 0;
};

// A menu entry. Top-level entries have no parent; the caption "-" is a
// separator line.
struct MenuEntry {
    std::string Name;
    std::string Caption;
    std::string Parent;  // empty for the menu bar itself
    // The keys that choose the entry from anywhere in the window, shown beside
    // its caption: "Ctrl+S", "Ctrl+Shift+Tab", "F1"; empty for none.
    std::string Shortcut = {};
};

// The window's menu bar. Clicking an entry that has no submenu runs the
// handler with the entry's name.
class IMenuBar {
public:
    virtual ~IMenuBar() = default;
    virtual void SetOnClick(std::function<void(const std::string& name)> handler) = 0;
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Why a window is closing.
enum class UnloadMode {
    FormControlMenu = 0,  // the window's close button or system menu
    FormCode = 1,         // the program closed it
    AppWindows = 2,       // the desktop session is ending
    AppTaskManager = 3,   // another program asked it to end (a signal)
};

// Where a control sits: on the window itself, or on one tab of a tab control
// (then the place is measured from the tab control's top left corner).
struct ControlPlace {
    std::string Name;  // "txtFixedSig", "Label1(2)", "btnFindPath(0)"
    Rect Bounds;
    int TabIndex = -1;  // position in the keyboard's tab order
    TextFont Font;
    ITabControl* Container = nullptr;
    int Tab = 0;  // the tab of Container that holds the control
    // What a screen reader calls the control, and says of it besides; empty
    // where the control's own caption says it (a check box, a captioned
    // button, a label). A control without a caption needs a name.
    std::string AccessibleName = {};
    std::string AccessibleDescription = {};

    // This place, with what a screen reader says of the control.
    ControlPlace Spoken(std::string name, std::string description = {}) const {
        ControlPlace place = *this;
        place.AccessibleName = std::move(name);
        place.AccessibleDescription = std::move(description);
        return place;
    }
};

// A top-level window. Its place and size are the outer ones, frame, title bar
// and menu bar included. It owns the controls created on it.
class IWindow {
public:
    virtual ~IWindow() = default;

    virtual Rect Bounds() const = 0;
    virtual void SetBounds(const Rect& bounds) = 0;
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0;
    // The size below which the user cannot drag the window.
    virtual void SetMinimumSize(int width, int height) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The window's icon, by image name, and its handle (0 for none).
    virtual void SetIcon(const std::string& image) = 0;
    virtual std::int32_t IconHandle() const = 0;

    virtual bool Visible() const = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Raises the window above the others and gives it the focus.
    virtual void BringToFront() = 0;
    // Asks the window to close. The query-unload handler may refuse; otherwise
    // the unload handler runs and the window is gone.
    virtual void Close(UnloadMode mode = UnloadMode::FormCode) = 0;
    // Gives the window the size whose client area (inside the frame) is this.
    virtual void SetClientSize(int width, int height) = 0;
    // Shows the window and returns when it has closed or been hidden; until
    // then the other windows of the program take no input.
    virtual void ShowModal() = 0;

    // Runs when the window is first shown, after every change of its size, and
    // when it is minimised, maximised or restored.
    virtual void SetOnResize(std::function<void()> handler) = 0;
    // Runs the handler when the keys ("Ctrl+Tab", "Ctrl+PgDown", as in
    // MenuEntry) are pressed anywhere in the window.
    virtual void AddShortcut(const std::string& keys, std::function<void()> handler) = 0;
    // Runs before the window closes, from whatever source; setting `cancel` to
    // true keeps it open.
    virtual void SetOnQueryUnload(std::function<void(bool& cancel, UnloadMode mode)> handler) = 0;
    // Runs when the window has closed.
    virtual void SetOnUnload(std::function<void()> handler) = 0;
    // Runs with the file's path when the user drops a file (from a file
    // manager) anywhere on the window, an editor included: a dropped file is
    // never put into an editor as its address. Dropped text still goes into
    // the editor it is dropped on, as text. Without a handler a file dropped
    // is refused.
    virtual void SetOnFileDrop(std::function<void(const std::string& path)> handler) = 0;

    // The controls, created in this order and owned by the window.
    virtual IToolbar& AddToolbar(const std::string& name, int height, int tabIndex,
                                 const ImageList& images,
                                 const std::vector<ToolbarEntry>& buttons) = 0;
    virtual ITabControl& AddTabControl(const ControlPlace& place,
                                       const std::vector<std::string>& captions, int headerHeight,
                                       const ImageList& pictures) = 0;
    virtual IEditor& AddEditor(const ControlPlace& place) = 0;
    virtual ITextBox& AddTextBox(const ControlPlace& place) = 0;
    virtual ICheckBox& AddCheckBox(const ControlPlace& place, const std::string& caption) = 0;
    virtual IScrollBar& AddScrollBar(const ControlPlace& place, int min, int max, int smallChange,
                                     int largeChange, int value) = 0;
    virtual ILabel& AddLabel(const ControlPlace& place, const std::string& caption) = 0;
    // A push button showing the named image and no caption.
    virtual IButton& AddPictureButton(const ControlPlace& place, const std::string& image) = 0;
    virtual IMenuBar& AddMenuBar(const std::vector<MenuEntry>& items) = 0;
    // A push button with a caption, answering the keys of ButtonKeys.
    virtual IButton& AddButton(const ControlPlace& place, const std::string& caption, int keys) = 0;
    // The named image at its natural size, without a border.
    virtual IControl& AddPicture(const ControlPlace& place, const std::string& image) = 0;
    virtual void AddLine(const LineShape& line) = 0;
    virtual IWebBrowser& AddWebBrowser(const ControlPlace& place) = 0;
    virtual IRichTextBox& AddRichTextBox(const ControlPlace& place) = 0;
    virtual IFindBar& AddFindBar(const ControlPlace& place) = 0;
    virtual IListBox& AddListBox(const ControlPlace& place) = 0;
};

// The settings of one file-open dialog.
struct FileDialogOptions {
    std::string DialogTitle;
    // Pairs of description and pattern, separated by "|":
    // "All Files (*.*)|*.*|Text (*.txt)|*.txt".
    std::string Filter;
    int FilterIndex = 1;  // the pair selected at first, from 1
    std::string FileName;
    std::string InitDir;  // a folder, or a file whose folder is meant
    int MaxFileSize = 260;
    // 0x80000 explorer style, 0x4 no read-only check box. Without 0x1000 (file
    // must exist) the chosen file need not exist.
    int Flags = 0;
};

class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // Shows a modal file-open dialog; the chosen full path, or an empty string
    // when the user cancelled.
    virtual std::string ShowOpen(const FileDialogOptions& options) = 0;
};

// The frame of a dialog window.
enum class DialogFrame {
    // Sizable, with a maximise button and no minimise button; shown in the
    // taskbar.
    Sizable,
    // A fixed dialog frame: not sizable, no minimise or maximise button, no
    // icon, not shown in the taskbar.
    Fixed,
};

// Creates the windows and timers of the user interface.
class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    virtual std::unique_ptr<IWindow> CreateWindow() = 0;
    virtual std::unique_ptr<ITimer> CreateTimer() = 0;
    // A dialog window belonging to `owner`; it first appears centred over it.
    virtual std::unique_ptr<IWindow> CreateDialogWindow(DialogFrame frame,
                                                        const IWindow& owner) = 0;
    // The part of each screen that windows may take (the desktop less its
    // panels), in twips, the primary screen first. Empty when not known.
    virtual std::vector<Rect> ScreenWorkAreas() const = 0;
    // The text (UTF-8) in upper case the way the platform writes text for the
    // user: every letter that has an upper case, not only ASCII ones.
    virtual std::string UpperCase(const std::string& text) const = 0;
    // Whether a window of the program (a dialog, a message box) holds the
    // user inside it now.
    virtual bool ModalWindowOpen() const = 0;
    // Whether the desktop minimises a window the program asks to start
    // minimised, where the user finds it again. Not on Wayland: a client
    // there can only ask, and a compositor that heeds it may offer no way
    // back to the window.
    virtual bool CanStartMinimised() const = 0;
    // A watch over files that other programs may change (FileWatch.h).
    virtual std::unique_ptr<IFileWatch> CreateFileWatch() = 0;
    // Runs `work` on a thread of its own, then `then` on the user-interface
    // thread. The work must touch nothing that the user interface uses
    // meanwhile.
    virtual std::unique_ptr<IBackgroundWork> RunBeside(std::function<void()> work,
                                                       std::function<void()> then) = 0;
};

}  // namespace tagrota
