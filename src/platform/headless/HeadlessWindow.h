#pragma once
// In-memory windows and controls. They keep every property the program sets,
// raise the same notifications as the real ones, and let a test act as the
// user: click, type, drag, pick a tab, resize, minimise and close.

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/IconHandles.h"
#include "platform/Window.h"
#include "platform/headless/HeadlessPlatform.h"

namespace tagrota::headless {

class TabControl;

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

private:
    std::string caption_;
};

class Button final : public Control, public IButton {
public:
    Button(const ControlPlace& place, std::string image)
        : Control(place), image_(std::move(image)) {}
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void Click() {
        if (onClick_) onClick_();
    }
    const std::string& Image() const { return image_; }

private:
    std::string image_;
    std::function<void()> onClick_;
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
    // A user's click on a tab header.
    void ClickTab(int tab) { SetTab(tab); }
    // Every tab brought to the front, in order.
    std::vector<int> history;

private:
    std::vector<std::string> captions_, pictures_;
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

class Window final : public IWindow {
public:
    explicit Window(IFileSystem& files) : files_(files) {}

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
    void SetOnResize(std::function<void()> handler) override { onResize_ = std::move(handler); }
    void SetOnQueryUnload(std::function<void(bool&, UnloadMode)> handler) override {
        onQueryUnload_ = std::move(handler);
    }
    void SetOnUnload(std::function<void()> handler) override { onUnload_ = std::move(handler); }

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

    // What a user does with the window's frame.
    void UserResize(int width, int height);
    void UserClose() { Close(UnloadMode::FormControlMenu); }

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
    int broughtToFront = 0;

private:
    template <class T, class... Args>
    T& Add(const std::string& name, Args&&... args);
    void RaiseResize() {
        if (onResize_) onResize_();
    }

    IFileSystem& files_;
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

// Windows on a headless platform, with timers on its virtual clock.
class UserInterface final : public IUserInterface {
public:
    UserInterface(HeadlessPlatform& platform, IFileSystem& files)
        : platform_(platform), files_(files) {}
    std::unique_ptr<IWindow> CreateWindow() override;
    std::unique_ptr<ITimer> CreateTimer() override { return platform_.CreateTimer(); }

    // Every window created, in order (they stay owned by whoever created them).
    std::vector<Window*> windows;

private:
    HeadlessPlatform& platform_;
    IFileSystem& files_;
};

}  // namespace tagrota::headless
