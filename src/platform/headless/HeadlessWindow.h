#pragma once
// In-memory windows and controls. They keep every property the program sets,
// raise the same notifications as the real ones, and let a test act as the
// user: click, type, drag, pick a tab, resize, minimise and close.

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/IconHandles.h"
#include "platform/RichDocument.h"
#include "platform/Unicode.h"
#include "platform/Window.h"
#include "platform/headless/HeadlessPlatform.h"

namespace tagrota::headless {

class TabControl;
class UserInterface;

class Control : public virtual IControl {
public:
    Control(const ControlPlace& place) : place_(place), bounds_(place.Bounds) {}
    Rect Bounds() const override { return bounds_; }
    void SetBounds(const Rect& bounds) override { bounds_ = bounds; }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool IsShowing() const override;

    const ControlPlace& Place() const { return place_; }

private:
    ControlPlace place_;
    Rect bounds_;
    bool visible_ = true, enabled_ = true;
};

class Label final : public Control, public ILabel {
public:
    Label(const ControlPlace& place, std::string caption)
        : Control(place), caption_(std::move(caption)) {}
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetAlignment(LabelAlignment alignment) override { alignment_ = alignment; }
    LabelAlignment Alignment() const { return alignment_; }

private:
    std::string caption_;
    LabelAlignment alignment_ = LabelAlignment::Left;
};

// A push button showing a picture, or a caption.
class Button final : public Control, public IButton {
public:
    Button(const ControlPlace& place, std::string image, std::string caption = {},
           int keys = ButtonKeys::None)
        : Control(place), image_(std::move(image)), caption_(std::move(caption)), keys_(keys) {}
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void Click() {
        if (onClick_) onClick_();
    }
    const std::string& Image() const { return image_; }
    const std::string& Caption() const { return caption_; }
    // The ButtonKeys it answers.
    int Keys() const { return keys_; }

private:
    std::string image_, caption_;
    int keys_;
    std::function<void()> onClick_;
};

class Picture final : public Control {
public:
    Picture(const ControlPlace& place, std::string image)
        : Control(place), image_(std::move(image)) {}
    const std::string& Image() const { return image_; }

private:
    std::string image_;
};

// Remembers the page it was sent to.
class WebBrowser final : public Control, public IWebBrowser {
public:
    explicit WebBrowser(const ControlPlace& place) : Control(place) {}
    void Navigate(const std::string& path) override { location_ = path; }
    // The page shown; empty before the first Navigate.
    const std::string& Location() const { return location_; }

private:
    std::string location_;
};

class RichTextBox final : public Control, public IRichTextBox {
public:
    explicit RichTextBox(const ControlPlace& place) : Control(place) {}
    void SetDocument(const RichDocument& document) override { document_ = document; }
    const RichDocument& Document() const { return document_; }

private:
    RichDocument document_;
};

class FindBar final : public Control, public IFindBar {
public:
    explicit FindBar(const ControlPlace& place) : Control(place) {}
    std::string FindText() const override { return text_; }
    void SetFindText(const std::string& text) override { text_ = text; }
    bool MatchCase() const override { return matchCase; }
    bool WrapAround() const override { return wrapAround; }
    void SetNote(const std::string& note) override { note_ = note; }
    void TakeFocus() override { focused = true; }
    void SetOnFind(std::function<void(bool)> handler) override { onFind_ = std::move(handler); }
    void SetOnClose(std::function<void()> handler) override { onClose_ = std::move(handler); }
    // The user's doing: typing into the box, Next or Enter, Previous or
    // Shift+Enter, the close button or Escape.
    void Type(const std::string& text) { text_ = text; }
    void Step(bool forward) {
        if (onFind_) onFind_(forward);
    }
    void Close() {
        focused = false;
        if (onClose_) onClose_();
    }
    const std::string& Note() const { return note_; }
    bool matchCase = false, wrapAround = true, focused = false;

private:
    std::string text_, note_;
    std::function<void(bool)> onFind_;
    std::function<void()> onClose_;
};

class ListBox final : public Control, public IListBox {
public:
    explicit ListBox(const ControlPlace& place) : Control(place) {}
    void SetItems(const std::vector<std::string>& items) override {
        items_ = items;
        selected_ = items_.empty() ? -1 : 0;
    }
    int Count() const override { return static_cast<int>(items_.size()); }
    int ListIndex() const override { return selected_; }
    // A user's click on the line.
    void Select(int index) { selected_ = index; }
    void SetOnActivate(std::function<void(int)> handler) override {
        onActivate_ = std::move(handler);
    }
    const std::vector<std::string>& Items() const { return items_; }
    // A user's double click on the line.
    void Activate(int index) {
        if (onActivate_) onActivate_(index);
    }

private:
    std::vector<std::string> items_;
    int selected_ = -1;
    std::function<void(int)> onActivate_;
};

class CheckBox final : public Control, public ICheckBox {
public:
    CheckBox(const ControlPlace& place, std::string caption)
        : Control(place), caption_(std::move(caption)) {}
    int Value() const override { return value_; }
    void SetValue(int value) override;
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    // A user's click: ticks an unticked box and unticks a ticked one.
    void Click() { SetValue(value_ ? 0 : 1); }
    const std::string& Caption() const { return caption_; }

private:
    std::string caption_;
    int value_ = 0;
    std::function<void()> onClick_;
};

class ScrollBar final : public Control, public IScrollBar {
public:
    ScrollBar(const ControlPlace& place, int min, int max, int smallChange, int largeChange,
              int value)
        : Control(place),
          min_(min),
          max_(max),
          small_(smallChange),
          large_(largeChange),
          value_(value) {}
    int Min() const override { return min_; }
    int Max() const override { return max_; }
    int SmallChange() const override { return small_; }
    int LargeChange() const override { return large_; }
    int Value() const override { return value_; }
    void SetValue(int value) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    // A user's drag of the thumb, let go at `value`: one notification at the end.
    void Drag(int value) { SetValue(value); }

private:
    int min_, max_, small_, large_, value_;
    std::function<void()> onChange_;
};

class TextBox final : public Control, public TextControl, public ITextBox {
public:
    explicit TextBox(const ControlPlace& place) : Control(place) {}
    using TextControl::GetText;
    using TextControl::SetOnChange;
    using TextControl::SetText;
};

// The in-memory editor, placed on a window.
class Editor final : public Control, public TextEditor, public IEditor {
public:
    Editor(const ControlPlace& place, IFileSystem& files) : Control(place), TextEditor(files) {}
    using TextEditor::GetText;
    using TextEditor::LoadFile;
    using TextEditor::SaveFile;
    using TextEditor::SetOnChange;
    using TextEditor::SetText;
};

class TabControl final : public Control, public ITabControl {
public:
    TabControl(const ControlPlace& place, std::vector<std::string> captions, const ImageList& pics)
        : Control(place),
          captions_(std::move(captions)),
          pictures_(captions_.size()),
          descriptions_(captions_.size()),
          images_(pics) {}
    int Tabs() const override { return static_cast<int>(captions_.size()); }
    int Tab() const override { return tab_; }
    void SetTab(int tab) override;
    std::string TabCaption(int tab) const override { return captions_.at(tab); }
    void SetTabCaption(int tab, const std::string& caption) override {
        captions_.at(tab) = caption;
    }
    std::string TabPicture(int tab) const override { return pictures_.at(tab); }
    void SetTabPicture(int tab, const std::string& key) override;
    void SetOnChange(std::function<void(int)> handler) override { onChange_ = std::move(handler); }
    std::string TabDescription(int tab) const override { return descriptions_.at(tab); }
    void SetTabDescription(int tab, const std::string& description) override {
        descriptions_.at(tab) = description;
    }
    // A user's click on a tab header.
    void ClickTab(int tab) { SetTab(tab); }
    // Every tab brought to the front, in order.
    std::vector<int> history;

private:
    std::vector<std::string> captions_, pictures_, descriptions_;
    ImageList images_;
    int tab_ = 0;
    std::function<void(int)> onChange_;
};

class Toolbar final : public Control, public IToolbar {
public:
    Toolbar(const ControlPlace& place, const ImageList& images, std::vector<ToolbarEntry> buttons)
        : Control(place), images_(images), buttons_(std::move(buttons)), values_(buttons_.size()) {}
    int ButtonValue(const std::string& key) const override;
    void SetButtonValue(const std::string& key, int value) override;
    int ButtonImage(const std::string& key) const override;
    void SetButtonImage(const std::string& key, int image) override;
    void SetOnButtonClick(std::function<void(const std::string&)> handler) override {
        onClick_ = std::move(handler);
    }
    // A user's click on the button with the key (any key, for testing the
    // dispatch).
    void Click(const std::string& key) {
        if (onClick_) onClick_(key);
    }
    const std::vector<ToolbarEntry>& Buttons() const { return buttons_; }
    const ImageList& Images() const { return images_; }

private:
    int Find(const std::string& key) const;
    ImageList images_;
    std::vector<ToolbarEntry> buttons_;
    std::vector<int> values_;
    std::function<void(const std::string&)> onClick_;
};

class MenuBar final : public IMenuBar {
public:
    explicit MenuBar(std::vector<MenuEntry> items) : items_(std::move(items)) {}
    void SetOnClick(std::function<void(const std::string&)> handler) override {
        onClick_ = std::move(handler);
    }
    void Click(const std::string& name) {
        if (onClick_) onClick_(name);
    }
    const std::vector<MenuEntry>& Items() const { return items_; }

private:
    std::vector<MenuEntry> items_;
    std::function<void(const std::string&)> onClick_;
};

// A top-level window. A dialog window has a frame of its own around its
// client area: borders of kFrameBorder twips and a title bar, kTitleBar twips
// high, above the client area.
class Window final : public IWindow {
public:
    static constexpr int kFrameBorder = 60, kTitleBar = 300;

    // A main window; with a frame, a dialog window of `owner`. Listed in `ui`
    // while it lives.
    Window(IFileSystem& files, UserInterface* ui = nullptr,
           std::optional<DialogFrame> frame = std::nullopt, const IWindow* owner = nullptr);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Rect Bounds() const override { return bounds_; }
    void SetBounds(const Rect& bounds) override;
    WindowState State() const override { return state_; }
    void SetState(WindowState state) override;
    void SetMinimumSize(int width, int height) override { minWidth_ = width, minHeight_ = height; }
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetIcon(const std::string& image) override { icon_ = image; }
    std::int32_t IconHandle() const override { return IconHandleOf(icon_); }
    bool Visible() const override { return visible_; }
    void Show() override;
    void Hide() override { visible_ = false; }
    void BringToFront() override { ++broughtToFront; }
    void Close(UnloadMode mode = UnloadMode::FormCode) override;
    void SetClientSize(int width, int height) override;
    void ShowModal() override;
    void SetOnResize(std::function<void()> handler) override { onResize_ = std::move(handler); }
    void AddShortcut(const std::string& keys, std::function<void()> handler) override {
        shortcuts_[keys] = std::move(handler);
    }
    void SetOnQueryUnload(std::function<void(bool&, UnloadMode)> handler) override {
        onQueryUnload_ = std::move(handler);
    }
    void SetOnUnload(std::function<void()> handler) override { onUnload_ = std::move(handler); }
    void SetOnFileDrop(std::function<void(const std::string&)> handler) override {
        onFileDrop_ = std::move(handler);
    }

    IToolbar& AddToolbar(const std::string& name, int height, int tabIndex, const ImageList& images,
                         const std::vector<ToolbarEntry>& buttons) override;
    ITabControl& AddTabControl(const ControlPlace& place, const std::vector<std::string>& captions,
                               int headerHeight, const ImageList& pictures) override;
    IEditor& AddEditor(const ControlPlace& place) override;
    ITextBox& AddTextBox(const ControlPlace& place) override;
    ICheckBox& AddCheckBox(const ControlPlace& place, const std::string& caption) override;
    IScrollBar& AddScrollBar(const ControlPlace& place, int min, int max, int smallChange,
                             int largeChange, int value) override;
    ILabel& AddLabel(const ControlPlace& place, const std::string& caption) override;
    IButton& AddPictureButton(const ControlPlace& place, const std::string& image) override;
    IMenuBar& AddMenuBar(const std::vector<MenuEntry>& items) override;
    IButton& AddButton(const ControlPlace& place, const std::string& caption, int keys) override;
    IControl& AddPicture(const ControlPlace& place, const std::string& image) override;
    void AddLine(const LineShape& line) override { lines_.push_back(line); }
    IWebBrowser& AddWebBrowser(const ControlPlace& place) override;
    IRichTextBox& AddRichTextBox(const ControlPlace& place) override;
    IFindBar& AddFindBar(const ControlPlace& place) override;
    IListBox& AddListBox(const ControlPlace& place) override;

    // What a user does with the window's frame (a fixed frame cannot be
    // resized) and the keyboard.
    void UserResize(int width, int height);
    void UserClose() { Close(UnloadMode::FormControlMenu); }
    // A file dropped on the window; false when the window takes no files.
    bool DropFile(const std::string& path) {
        if (!onFileDrop_) return false;
        onFileDrop_(path);
        return true;
    }
    // Enter and Escape click the button that answers them; false when none.
    bool PressKey(int buttonKey);
    // Keys with a shortcut: the menu entry they choose, else the window's own
    // shortcut runs; false when nothing answers them.
    bool PressShortcut(const std::string& keys);

    // The control created under the name, as its headless type.
    template <class T>
    T& Find(const std::string& name) {
        return dynamic_cast<T&>(*controls_.at(name));
    }
    MenuBar& Menu() { return *menu_; }
    // Controls in creation order.
    const std::vector<Control*>& Controls() const { return order_; }
    const std::string& Icon() const { return icon_; }
    bool Closed() const { return closed_; }
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    const std::optional<DialogFrame>& Frame() const { return frame_; }
    const IWindow* Owner() const { return owner_; }
    // The size inside the frame.
    int ClientWidth() const;
    int ClientHeight() const;
    const std::vector<LineShape>& Lines() const { return lines_; }
    int broughtToFront = 0;

private:
    template <class T, class... Args>
    T& Add(const std::string& name, Args&&... args);
    void RaiseResize() {
        if (onResize_) onResize_();
    }

    int FrameWidth() const { return frame_ ? 2 * kFrameBorder : 0; }
    int FrameHeight() const { return frame_ ? 2 * kFrameBorder + kTitleBar : 0; }

    IFileSystem& files_;
    UserInterface* ui_;
    std::optional<DialogFrame> frame_;
    const IWindow* owner_;
    std::vector<LineShape> lines_;
    Rect bounds_;
    WindowState state_ = WindowState::Normal;
    int minWidth_ = 0, minHeight_ = 0;
    std::string caption_, icon_;
    bool visible_ = false, shownOnce_ = false, closed_ = false;
    std::map<std::string, std::unique_ptr<Control>> controls_;
    std::vector<Control*> order_;
    std::unique_ptr<MenuBar> menu_;
    std::function<void()> onResize_, onUnload_;
    std::function<void(bool&, UnloadMode)> onQueryUnload_;
    std::function<void(const std::string&)> onFileDrop_;
    std::map<std::string, std::function<void()>> shortcuts_;
};

// The file-open dialog: records each showing and answers from a script; with
// nothing scripted the user cancels.
class FileDialog final : public IFileDialog {
public:
    std::string ShowOpen(const FileDialogOptions& options) override;
    void Choose(std::string path) { answers_.push_back(std::move(path)); }
    void Cancel() { answers_.emplace_back(); }
    std::vector<FileDialogOptions> shown;

private:
    std::deque<std::string> answers_;
};

// A watch that the test tells of changes: UserInterface::FileChanged.
class FileWatch final : public IFileWatch {
public:
    explicit FileWatch(UserInterface& ui);
    ~FileWatch() override;
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;
    void Watch(const std::vector<std::string>& paths) override { watched = paths; }
    void SetOnChange(std::function<void(const std::string&)> handler) override {
        onChange_ = std::move(handler);
    }
    // Tells of a change to the path when it is watched.
    void Changed(const std::string& path);
    std::vector<std::string> watched;

private:
    UserInterface& ui_;
    std::function<void(const std::string&)> onChange_;
};

// Work "beside" the user interface: run at once, or held until the test lets
// it run (UserInterface::holdBackgroundWork).
class BackgroundWork final : public IBackgroundWork {
public:
    BackgroundWork(UserInterface& ui, std::function<void()> work, std::function<void()> then);
    ~BackgroundWork() override;
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;
    bool Done() const override { return done_; }
    void Run();

private:
    UserInterface& ui_;
    std::function<void()> work_, then_;
    bool done_ = false;
};

// Windows on a headless platform, with timers on its virtual clock.
class UserInterface final : public IUserInterface {
public:
    UserInterface(HeadlessPlatform& platform, IFileSystem& files)
        : platform_(platform), files_(files) {}
    std::unique_ptr<IWindow> CreateWindow() override;
    std::unique_ptr<ITimer> CreateTimer() override { return platform_.CreateTimer(); }
    std::unique_ptr<IWindow> CreateDialogWindow(DialogFrame frame, const IWindow& owner) override;
    std::vector<Rect> ScreenWorkAreas() const override { return screens; }
    std::string UpperCase(const std::string& text) const override { return BasicUpperCase(text); }
    bool ModalWindowOpen() const override { return modalDepth > 0; }
    bool CanStartMinimised() const override { return canStartMinimised; }
    // False plays a Wayland desktop.
    bool canStartMinimised = true;
    std::unique_ptr<IFileWatch> CreateFileWatch() override {
        return std::make_unique<FileWatch>(*this);
    }
    // Another program changed the file at the path: every watch over it says
    // so, as a real one would after the change.
    void FileChanged(const std::string& path);
    // The watches that exist.
    std::vector<FileWatch*> watches;
    std::unique_ptr<IBackgroundWork> RunBeside(std::function<void()> work,
                                               std::function<void()> then) override;
    // While set, work started beside waits for FinishBackgroundWork.
    bool holdBackgroundWork = false;
    // Runs the work held so far, and its ends, in the order started.
    void FinishBackgroundWork();
    std::vector<BackgroundWork*> heldWork;

    // The screens a test gives the desktop; none by default.
    std::vector<Rect> screens;

    // The windows that exist, in the order they were created (they are owned
    // by whoever created them).
    std::vector<Window*> windows;
    // Runs while a window is shown modally, as the user would act on it; a
    // window still open afterwards is closed by its frame's close button.
    std::function<void(Window&)> whileModal;
    // How many windows have been shown modally.
    int modalShows = 0;
    // Runs whenever a window is shown, once it is visible.
    std::function<void(Window&)> whenShown;
    // How many are open now.
    int modalDepth = 0;

private:
    HeadlessPlatform& platform_;
    IFileSystem& files_;
};

}  // namespace tagrota::headless
