#pragma once
// The windows and controls of the user interface on Qt 6 Widgets.
//
// Controls sit at their twip places on a plain client area, converted with the
// screen's logical resolution. Each control's wrapper belongs to its window and
// holds the connections of its widget; the widgets themselves belong to Qt's
// parent tree, so a window deletes its wrappers first (cutting every
// connection) and its widgets after.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Window.h"
#include "platform/qt/QtImages.h"

class QCloseEvent;
class QEventLoop;
class QKeyEvent;
class QMainWindow;
class QWidget;

namespace tagrota::qt {

class QtMenuBar;
class QtTabControl;
class QtToolbar;
class QtWindow;
class WindowWidget;

// The style's focus frame around a part of a widget, for widgets whose style
// marks no focus of its own.
void DrawFocusMark(QWidget& widget, const QRect& area);

// What every control has. The widget's visibility is derived: the control's
// own flag, and for a control on a tab control, its tab in front.
class QtControl : public virtual IControl {
public:
    ~QtControl() override = default;
    QtControl(const QtControl&) = delete;
    QtControl& operator=(const QtControl&) = delete;

    Rect Bounds() const override;
    void SetBounds(const Rect& bounds) override;
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    bool IsShowing() const override;

    QWidget* widget() const { return widget_; }
    // The widget that takes the keyboard focus in the tab order.
    virtual QWidget* FocusWidget() const { return widget_; }
    int TabIndex() const { return tabIndex_; }
    // Shows or hides the widget after a change of the flag or of the tab.
    void UpdateShowing();

protected:
    // `widget` already has its parent; the constructor places it.
    QtControl(QtWindow& window, QWidget* widget, const ControlPlace& place);
    // After every change of the widget's geometry.
    virtual void Placed() {}
    // Whether the widget is widened to show its whole caption when the place
    // is too narrow for it in the font at hand, and whether it then widens to
    // both sides, keeping its centre.
    virtual bool FitsCaption() const { return false; }
    virtual bool CentresCaption() const { return false; }
    // Puts the widget at its place (widened where it fits its caption).
    void ApplyGeometry();

    QtWindow& window_;
    // The context of every connection to the widget: deleting the wrapper
    // cuts them, so no signal reaches a wrapper that is gone.
    QObject context_;

private:
    QWidget* widget_;
    Rect twips_;
    QRect placed_;  // the place in pixels, before any widening
    int tabIndex_;
    QtTabControl* container_;
    int tab_;
    bool visible_ = true, enabled_ = true;
};

// A top-level window: a QMainWindow whose central widget is the client area
// the controls are placed on, below the menu bar. A dialog window first shows
// centred over its owner, on top of it.
class QtWindow final : public IWindow {
public:
    explicit QtWindow(IFileSystem& files, std::optional<DialogFrame> frame = std::nullopt,
                      const QtWindow* owner = nullptr);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    Rect Bounds() const override;
    void SetBounds(const Rect& bounds) override;
    WindowState State() const override;
    void SetState(WindowState state) override;
    void SetMinimumSize(int width, int height) override;
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void SetIcon(const std::string& image) override;
    std::int32_t IconHandle() const override;

    bool Visible() const override;
    void Show() override;
    void Hide() override;
    void BringToFront() override;
    void Close(UnloadMode mode = UnloadMode::FormCode) override;
    void SetClientSize(int width, int height) override;
    void ShowModal() override;

    void SetOnResize(std::function<void()> handler) override { onResize_ = std::move(handler); }
    void AddShortcut(const std::string& keys, std::function<void()> handler) override;
    void SetOnQueryUnload(std::function<void(bool& cancel, UnloadMode mode)> handler) override {
        onQueryUnload_ = std::move(handler);
    }
    void SetOnUnload(std::function<void()> handler) override { onUnload_ = std::move(handler); }
    void SetOnFileDrop(std::function<void(const std::string&)> handler) override;

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
    void AddLine(const LineShape& line) override;
    IWebBrowser& AddWebBrowser(const ControlPlace& place) override;
    IRichTextBox& AddRichTextBox(const ControlPlace& place) override;
    IFindBar& AddFindBar(const ControlPlace& place) override;
    IListBox& AddListBox(const ControlPlace& place) override;

    QMainWindow* widget() const;
    // The area below the menu bar that the controls are placed on.
    QWidget* clientArea() const { return client_; }
    TwipScale Scale() const;
    // The widget a control of this place goes on.
    QWidget* ParentFor(const ControlPlace& place) const;

private:
    friend class WindowWidget;

    template <class T>
    T& Keep(std::unique_ptr<T> control);
    void ApplyTabOrder();
    // The frame around the client rectangle; the last known one (none at
    // first) while the window system has not told it.
    QMargins FrameMargins() const;
    // A fixed dialog shows no icon in its title bar.
    void HideIcon();
    void ApplyMinimumSize();
    // Once the frame is known, gives the outer rectangle the size and place
    // last asked for, if nobody has changed the window since.
    void Reconcile();
    void NotifyResize();
    void StretchToolbar();
    // Before a dialog shows: its place over its owner (the first time), and
    // the focus on the first control of the tab order.
    void PlaceOverOwner();
    void FocusFirstControl();

    // Events of the widget.
    void Resized();
    void StateChanged();
    void Shown();
    void Closing(QCloseEvent& event);
    void Hidden();
    // Enter and Escape for the buttons that answer them; true when one did.
    bool KeyPressed(const QKeyEvent& event);

    IFileSystem& files_;
    std::optional<DialogFrame> frame_;
    const QtWindow* owner_;
    QEventLoop* modalLoop_ = nullptr;
    std::string icon_;
    std::unique_ptr<WindowWidget> widget_;
    QWidget* client_;
    std::vector<std::unique_ptr<QtControl>> controls_;
    std::unique_ptr<QtMenuBar> menuBar_;
    QtToolbar* toolbar_ = nullptr;

    bool haveBounds_ = false;
    Rect bounds_;          // the outer rectangle last asked for, in twips
    QMargins setMargins_;  // the frame it was converted with
    QSize setSize_;        // the client size that gave
    mutable QMargins margins_;
    int minWidth_ = 0, minHeight_ = 0;
    QMargins minMargins_;    // the frame the minimum size was converted with
    QMargins sizedMargins_;  // the frame of the last size notification

    bool shownOnce_ = false, resizePending_ = false, showing_ = false;
    // A hide asked for while the window is being shown, done once it is.
    bool inShow_ = false, hideAfterShow_ = false;
    int resizeDepth_ = 0;
    bool closeRequested_ = false;
    UnloadMode closeMode_ = UnloadMode::FormCode;

    std::function<void()> onResize_;
    std::function<void(bool&, UnloadMode)> onQueryUnload_;
    std::function<void()> onUnload_;
    // Takes the files dropped anywhere on the window before its widgets do.
    std::unique_ptr<QObject> dropFilter_;
    std::function<void(const std::string&)> onFileDrop_;
};

// A modal file-open dialog of Qt's own (not the desktop's), so that a name
// that does not exist yet can be typed and so that tests can answer it.
class QtFileDialog final : public IFileDialog {
public:
    std::string ShowOpen(const FileDialogOptions& options) override;

    // "Description|pattern|..." as Qt name filters: "Text (*.txt)".
    static QStringList NameFilters(const std::string& filter);
    // The folder to open in: the folder named, or the folder of the file
    // named, or the home folder.
    static QString StartFolder(const std::string& initDir);
};

class QtUserInterface final : public IUserInterface {
public:
    explicit QtUserInterface(IFileSystem& files) : files_(files) {}
    std::unique_ptr<IWindow> CreateWindow() override;
    std::unique_ptr<ITimer> CreateTimer() override;
    std::unique_ptr<IWindow> CreateDialogWindow(DialogFrame frame, const IWindow& owner) override;
    std::vector<Rect> ScreenWorkAreas() const override;
    std::string UpperCase(const std::string& text) const override;
    bool ModalWindowOpen() const override;
    bool CanStartMinimised() const override;
    std::unique_ptr<IFileWatch> CreateFileWatch() override;
    std::unique_ptr<IBackgroundWork> RunBeside(std::function<void()> work,
                                               std::function<void()> then) override;

private:
    IFileSystem& files_;
};

}  // namespace tagrota::qt
