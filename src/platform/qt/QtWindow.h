#pragma once
// The windows and controls of the user interface on Qt 6 Widgets.
//
// Controls sit at their twip places on a plain client area, converted with the
// screen's logical resolution. Each control's wrapper belongs to its window and
// holds the connections of its widget; the widgets themselves belong to Qt's
// parent tree, so a window deletes its wrappers first (cutting every
// connection) and its widgets after.

#include <QFont>
#include <QIcon>
#include <QKeySequence>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Window.h"

class QCheckBox;
class QCloseEvent;
class QEventLoop;
class QKeyEvent;
class QTextBrowser;
class QTextEdit;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTabBar;
class QToolBar;
class QToolButton;
class QWidget;

namespace tagrota::qt {

class QtTabControl;
class QtWindow;
class TabPanel;
class WindowWidget;

// Twips and logical pixels on a screen of the given resolution, each axis with
// its own dots per inch.
struct TwipScale {
    double dpiX = 96, dpiY = 96;

    static int ToPixels(int twips, double dpi);
    static int ToTwips(int pixels, double dpi);
    QRect ToPixels(const Rect& twips) const;
    // The rectangle in twips. Where an edge or size still has the pixel value
    // that `last` converts to, `last`'s own twips are kept, so a place that is
    // no whole number of pixels reads back exactly as it was set.
    Rect ToTwips(const QRect& pixels, const Rect& last) const;
};

// The scale of the screen the widget is on (the primary screen before it has
// one).
TwipScale ScaleOf(const QWidget* widget);

// The font a TextFont names, with a stand-in where the family is not installed.
QFont FontFor(const TextFont& wanted);

// The named image from the resources (":/images/<name>.png" and its other
// sizes: "<name>@2x.png", "<name>-16.png", "<name>-32.png"...); an empty icon
// when there is none.
QIcon ImageIcon(const std::string& name);

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

// A label of one line is widened to its caption; a label as high as two
// lines or more wraps its caption at its width.
class QtLabel final : public QtControl, public ILabel {
public:
    QtLabel(QtWindow& window, const ControlPlace& place, const std::string& caption);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void SetAlignment(LabelAlignment alignment) override;
    QLabel* label() const { return label_; }

private:
    bool FitsCaption() const override;
    bool CentresCaption() const override;
    void Placed() override;
    QLabel* label_;
};

// A push button with a caption, widened about its centre where the caption
// needs it. Like every push button it answers Enter while it has the focus;
// the window's default and cancel buttons answer Enter and Escape anywhere in
// the window.
class QtButton final : public QtControl, public IButton {
public:
    QtButton(QtWindow& window, const ControlPlace& place, const std::string& caption, int keys);
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    int Keys() const { return keys_; }
    QPushButton* button() const { return button_; }

private:
    bool FitsCaption() const override { return true; }
    bool CentresCaption() const override { return true; }
    QPushButton* button_;
    int keys_;
    std::function<void()> onClick_;
};

// A picture without a border, at the image's natural size.
class QtPicture final : public QtControl {
public:
    QtPicture(QtWindow& window, const ControlPlace& place, const std::string& image);
    QLabel* label() const { return label_; }

private:
    QLabel* label_;
};

// A line, as a widget that paints it and lets the mouse through.
class QtLine final : public QtControl {
public:
    QtLine(QtWindow& window, const LineShape& line);
};

class QtWebBrowser final : public QtControl, public IWebBrowser {
public:
    QtWebBrowser(QtWindow& window, const ControlPlace& place);
    void Navigate(const std::string& path) override;
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

class QtRichTextBox final : public QtControl, public IRichTextBox {
public:
    QtRichTextBox(QtWindow& window, const ControlPlace& place);
    void SetDocument(const RichDocument& document) override;
    QTextEdit* textEdit() const { return edit_; }

private:
    QTextEdit* edit_;
};

class QtPictureButton final : public QtControl, public IButton {
public:
    QtPictureButton(QtWindow& window, const ControlPlace& place, const std::string& image);
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    QPushButton* button() const { return button_; }

private:
    void Placed() override;
    QPushButton* button_;
    std::function<void()> onClick_;
};

class QtCheckBox final : public QtControl, public ICheckBox {
public:
    QtCheckBox(QtWindow& window, const ControlPlace& place, const std::string& caption);
    int Value() const override;
    void SetValue(int value) override;
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    QCheckBox* checkBox() const { return box_; }

private:
    bool FitsCaption() const override { return true; }
    QCheckBox* box_;
    std::function<void()> onClick_;
};

class QtScrollBar final : public QtControl, public IScrollBar {
public:
    QtScrollBar(QtWindow& window, const ControlPlace& place, int min, int max, int smallChange,
                int largeChange, int value);
    int Min() const override;
    int Max() const override;
    int SmallChange() const override;
    int LargeChange() const override;
    int Value() const override;
    void SetValue(int value) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    QScrollBar* scrollBar() const { return bar_; }

private:
    QScrollBar* bar_;
    std::function<void()> onChange_;
};

class QtTextBox final : public QtControl, public ITextBox {
public:
    QtTextBox(QtWindow& window, const ControlPlace& place);
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    bool Locked() const override;
    void SetLocked(bool locked) override;
    QLineEdit* lineEdit() const { return edit_; }

private:
    QLineEdit* edit_;
    bool setting_ = false;
    std::function<void()> onChange_;
};

// A plain-text editor that keeps its text exactly: no-break spaces, tabs and
// trailing spaces survive, and every line end reads back as CR LF.
//
// Filling a text widget costs far more time and memory than the text itself,
// and a collection can be large, so the editor holds its text as a string
// until the widget is first wanted: the first time it shows or takes the
// focus, or textEdit() is asked for. Text, notifications, loads and saves are
// the same before and after.
class QtEditor final : public QtControl, public IEditor {
public:
    QtEditor(QtWindow& window, const ControlPlace& place, IFileSystem& files);
    ~QtEditor() override;
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    FileStatus LoadFile(const std::string& path,
                        std::optional<PrefetchedText> prefetched = std::nullopt) override;
    FileStatus SaveFile(const std::string& path) override;
    bool Locked() const override;
    void SetLocked(bool locked) override;
    bool Modified() const override;
    void MarkUnmodified() override;
    std::shared_ptr<const std::string> SharedText() const override;
    // The widget, filled with the text first.
    QPlainTextEdit* textEdit() const;
    // Whether the widget holds the text yet.
    bool Filled() const { return filled_; }

private:
    // Puts text with CR LF line ends in place of the current one; a change
    // notifies.
    void Replace(std::string wanted);
    void Fill() const;

    QPlainTextEdit* edit_;
    EditorFileBacking backing_;
    // The text while the widget is not filled; none for an empty text.
    mutable std::shared_ptr<const std::string> held_;
    mutable bool filled_ = false;
    mutable bool setting_ = false;
    std::function<void()> onChange_;
};

// A row of tab headers over a framed panel. The controls of every tab are
// children of the panel, placed from its top left corner (header included);
// only those of the tab in front are on the screen.
class QtTabControl final : public QtControl, public ITabControl {
public:
    QtTabControl(QtWindow& window, const ControlPlace& place,
                 const std::vector<std::string>& captions, int headerHeight,
                 const ImageList& pictures);
    int Tabs() const override;
    int Tab() const override { return current_; }
    void SetTab(int tab) override;
    std::string TabCaption(int tab) const override;
    void SetTabCaption(int tab, const std::string& caption) override;
    std::string TabPicture(int tab) const override;
    void SetTabPicture(int tab, const std::string& key) override;
    void SetOnChange(std::function<void(int previousTab)> handler) override {
        onChange_ = std::move(handler);
    }
    QWidget* FocusWidget() const override;

    QTabBar* tabBar() const;
    // The widget that holds the controls of the tabs.
    QWidget* panel() const;
    // A control placed on one of the tabs.
    void Adopt(QtControl& control) { children_.push_back(&control); }

private:
    void Changed(int index);
    // Takes the keyboard focus off a control of the tab just left.
    void MoveFocusToFront();

    TabPanel* panel_;
    ImageList pictures_;
    std::vector<std::string> pictureKeys_;
    std::map<std::string, QIcon> icons_;
    std::vector<QtControl*> children_;
    int current_ = 0;
    std::function<void(int)> onChange_;
};

// Buttons with captions under their images. A click reports the button's key
// and leaves the pressed state alone: only the program sets it.
class QtToolbar final : public QtControl, public IToolbar {
public:
    QtToolbar(QtWindow& window, const ControlPlace& place, const ImageList& images,
              const std::vector<ToolbarEntry>& buttons);
    int ButtonValue(const std::string& key) const override;
    void SetButtonValue(const std::string& key, int value) override;
    int ButtonImage(const std::string& key) const override;
    void SetButtonImage(const std::string& key, int image) override;
    void SetOnButtonClick(std::function<void(const std::string& key)> handler) override {
        onClick_ = std::move(handler);
    }
    QToolBar* toolBar() const { return bar_; }
    // The button with the key; nullptr when there is none.
    QToolButton* button(const std::string& key) const;

private:
    struct Button {
        std::string key;
        QToolButton* button;
        int image;
    };
    const Button* Find(const std::string& key) const;
    QIcon IconFor(int image);

    QToolBar* bar_;
    ImageList images_;
    std::vector<Button> buttons_;
    std::map<int, QIcon> icons_;
    std::function<void(const std::string&)> onClick_;
};

// The key sequences of a shortcut written as in MenuEntry ("Ctrl+Shift+Tab"
// is also the Backtab that X11 reports for it).
QList<QKeySequence> KeySequencesOf(const std::string& keys);

class QtMenuBar final : public IMenuBar {
public:
    QtMenuBar(QMenuBar& bar, const std::vector<MenuEntry>& items);
    void SetOnClick(std::function<void(const std::string& name)> handler) override {
        onClick_ = std::move(handler);
    }

private:
    void Build(const std::vector<MenuEntry>& items, const std::string& parent, QWidget& target);

    QObject context_;
    std::function<void(const std::string&)> onClick_;
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

private:
    IFileSystem& files_;
};

}  // namespace tagrota::qt
