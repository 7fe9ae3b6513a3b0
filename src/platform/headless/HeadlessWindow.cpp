#include "platform/headless/HeadlessWindow.h"

#include <algorithm>
#include <stdexcept>

namespace tagrota::headless {

bool Control::IsShowing() const {
    if (!visible_) return false;
    const ITabControl* host = place_.Container;
    return host == nullptr || host->Tab() == place_.Tab;
}

void CheckBox::SetValue(int value) {
    if (value == value_) return;
    value_ = value;
    if (onClick_) onClick_();
}

void ScrollBar::SetValue(int value) {
    value = std::clamp(value, min_, max_);
    if (value == value_) return;
    value_ = value;
    if (onChange_) onChange_();
}

void TabControl::SetTab(int tab) {
    if (tab < 0 || tab >= Tabs()) throw std::out_of_range("no such tab");
    if (tab == tab_) return;
    const int previous = tab_;
    tab_ = tab;
    history.push_back(tab);
    if (onChange_) onChange_(previous);
}

void TabControl::SetTabPicture(int tab, const std::string& key) {
    if (!key.empty() && images_.IndexOf(key) == 0) throw std::invalid_argument("no image " + key);
    pictures_.at(tab) = key;
}

int Toolbar::Find(const std::string& key) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (!key.empty() && buttons_[i].Key == key) return static_cast<int>(i);
    throw std::invalid_argument("no toolbar button " + key);
}

int Toolbar::ButtonValue(const std::string& key) const {
    return values_[Find(key)];
}

void Toolbar::SetButtonValue(const std::string& key, int value) {
    values_[Find(key)] = value;
}

int Toolbar::ButtonImage(const std::string& key) const {
    return buttons_[Find(key)].Image;
}

void Toolbar::SetButtonImage(const std::string& key, int image) {
    if (images_.Item(image) == nullptr) throw std::out_of_range("no image number");
    buttons_[Find(key)].Image = image;
}

Window::Window(IFileSystem& files, UserInterface* ui, std::optional<DialogFrame> frame,
               const IWindow* owner)
    : files_(files), ui_(ui), frame_(frame), owner_(owner) {
    if (ui_) ui_->windows.push_back(this);
}

Window::~Window() {
    if (ui_) std::erase(ui_->windows, this);
}

int Window::ClientWidth() const {
    return bounds_.Width - FrameWidth();
}

int Window::ClientHeight() const {
    return bounds_.Height - FrameHeight();
}

void Window::SetClientSize(int width, int height) {
    Rect r = bounds_;
    r.Width = width + FrameWidth();
    r.Height = height + FrameHeight();
    SetBounds(r);
}

void Window::SetBounds(const Rect& bounds) {
    const bool resized = bounds.Width != bounds_.Width || bounds.Height != bounds_.Height;
    bounds_ = bounds;
    if (resized) RaiseResize();
}

void Window::SetState(WindowState state) {
    if (state == state_) return;
    state_ = state;
    RaiseResize();
}

void Window::Show() {
    visible_ = true;
    if (ui_ && ui_->whenShown) ui_->whenShown(*this);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (owner_) {
        const Rect o = owner_->Bounds();
        bounds_.Left = o.Left + (o.Width - bounds_.Width) / 2;
        bounds_.Top = o.Top + (o.Height - bounds_.Height) / 2;
    }
    RaiseResize();
}

void Window::ShowModal() {
    Show();
    if (ui_) {
        ++ui_->modalShows;
        ++ui_->modalDepth;
        if (ui_->whileModal) ui_->whileModal(*this);
        --ui_->modalDepth;
    }
    if (visible_ && !closed_) UserClose();
}

bool Window::PressKey(int buttonKey) {
    for (Control* control : order_) {
        auto* button = dynamic_cast<Button*>(control);
        if (button && (button->Keys() & buttonKey) && button->IsShowing() && button->Enabled()) {
            button->Click();
            return true;
        }
    }
    return false;
}

void Window::UserResize(int width, int height) {
    if (frame_ == DialogFrame::Fixed) return;
    Rect r = bounds_;
    r.Width = std::max(width, minWidth_);
    r.Height = std::max(height, minHeight_);
    SetBounds(r);
}

void Window::Close(UnloadMode mode) {
    if (closed_) return;
    bool cancel = false;
    if (onQueryUnload_) onQueryUnload_(cancel, mode);
    if (cancel) return;
    closed_ = true;
    visible_ = false;
    if (onUnload_) onUnload_();
}

template <class T, class... Args>
T& Window::Add(const std::string& name, Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T& result = *control;
    order_.push_back(control.get());
    if (!controls_.emplace(name, std::move(control)).second)
        throw std::invalid_argument("two controls named " + name);
    return result;
}

IToolbar& Window::AddToolbar(const std::string& name, int height, int tabIndex,
                             const ImageList& images, const std::vector<ToolbarEntry>& buttons) {
    ControlPlace place{name, {0, 0, bounds_.Width, height}, tabIndex, {}, nullptr, 0};
    return Add<Toolbar>(name, place, images, buttons);
}

ITabControl& Window::AddTabControl(const ControlPlace& place,
                                   const std::vector<std::string>& captions, int,
                                   const ImageList& pictures) {
    return Add<TabControl>(place.Name, place, captions, pictures);
}

IEditor& Window::AddEditor(const ControlPlace& place) {
    return Add<Editor>(place.Name, place, files_);
}

ITextBox& Window::AddTextBox(const ControlPlace& place) {
    return Add<TextBox>(place.Name, place);
}

ICheckBox& Window::AddCheckBox(const ControlPlace& place, const std::string& caption) {
    return Add<CheckBox>(place.Name, place, caption);
}

IScrollBar& Window::AddScrollBar(const ControlPlace& place, int min, int max, int smallChange,
                                 int largeChange, int value) {
    return Add<ScrollBar>(place.Name, place, min, max, smallChange, largeChange, value);
}

ILabel& Window::AddLabel(const ControlPlace& place, const std::string& caption) {
    return Add<Label>(place.Name, place, caption);
}

IButton& Window::AddPictureButton(const ControlPlace& place, const std::string& image) {
    return Add<Button>(place.Name, place, image);
}

bool Window::PressShortcut(const std::string& keys) {
    if (menu_)
        for (const MenuEntry& item : menu_->Items())
            if (item.Shortcut == keys) {
                menu_->Click(item.Name);
                return true;
            }
    const auto found = shortcuts_.find(keys);
    if (found == shortcuts_.end()) return false;
    const auto handler = found->second;
    handler();
    return true;
}

IMenuBar& Window::AddMenuBar(const std::vector<MenuEntry>& items) {
    menu_ = std::make_unique<MenuBar>(items);
    return *menu_;
}

IButton& Window::AddButton(const ControlPlace& place, const std::string& caption, int keys) {
    return Add<Button>(place.Name, place, std::string(), caption, keys);
}

IControl& Window::AddPicture(const ControlPlace& place, const std::string& image) {
    return Add<Picture>(place.Name, place, image);
}

IWebBrowser& Window::AddWebBrowser(const ControlPlace& place) {
    return Add<WebBrowser>(place.Name, place);
}

IRichTextBox& Window::AddRichTextBox(const ControlPlace& place) {
    return Add<RichTextBox>(place.Name, place);
}

IFindBar& Window::AddFindBar(const ControlPlace& place) {
    return Add<FindBar>(place.Name, place);
}

IListBox& Window::AddListBox(const ControlPlace& place) {
    return Add<ListBox>(place.Name, place);
}

std::string FileDialog::ShowOpen(const FileDialogOptions& options) {
    shown.push_back(options);
    if (answers_.empty()) return {};
    std::string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

std::unique_ptr<IWindow> UserInterface::CreateWindow() {
    return std::make_unique<Window>(files_, this);
}

std::unique_ptr<IWindow> UserInterface::CreateDialogWindow(DialogFrame frame,
                                                           const IWindow& owner) {
    return std::make_unique<Window>(files_, this, frame, &owner);
}

FileWatch::FileWatch(UserInterface& ui) : ui_(ui) {
    ui_.watches.push_back(this);
}

FileWatch::~FileWatch() {
    std::erase(ui_.watches, this);
}

void FileWatch::Changed(const std::string& path) {
    if (onChange_ && std::find(watched.begin(), watched.end(), path) != watched.end())
        onChange_(path);
}

void UserInterface::FileChanged(const std::string& path) {
    // A watch may go while another one reports.
    const std::vector<FileWatch*> now = watches;
    for (FileWatch* watch : now)
        if (std::find(watches.begin(), watches.end(), watch) != watches.end()) watch->Changed(path);
}

BackgroundWork::BackgroundWork(UserInterface& ui, std::function<void()> work,
                               std::function<void()> then)
    : ui_(ui), work_(std::move(work)), then_(std::move(then)) {}

BackgroundWork::~BackgroundWork() {
    std::erase(ui_.heldWork, this);
}

void BackgroundWork::Run() {
    std::erase(ui_.heldWork, this);
    if (done_) return;
    done_ = true;
    if (work_) work_();
    if (then_) then_();
}

std::unique_ptr<IBackgroundWork> UserInterface::RunBeside(std::function<void()> work,
                                                          std::function<void()> then) {
    auto started = std::make_unique<BackgroundWork>(*this, std::move(work), std::move(then));
    if (holdBackgroundWork)
        heldWork.push_back(started.get());
    else
        started->Run();
    return started;
}

void UserInterface::FinishBackgroundWork() {
    while (!heldWork.empty()) heldWork.front()->Run();
}

}  // namespace tagrota::headless
