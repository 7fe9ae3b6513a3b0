// The top-level window on Qt Widgets: outer geometry in twips, state, the
// resize and close notifications, and the controls it owns.

#include "platform/qt/QtWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "platform/IconHandles.h"
#include "platform/Translate.h"
#include "platform/qt/QtBackgroundWork.h"
#include "platform/qt/QtFileWatch.h"
#include "platform/qt/QtFindBar.h"
#include "platform/qt/QtScintillaEditor.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSimpleControls.h"
#include "platform/qt/QtTabControl.h"
#include "platform/qt/QtTextControls.h"
#include "platform/qt/QtToolbar.h"
#include "platform/qt/ScintillaModule.h"

namespace tagrota::qt {
namespace {

// A resize handler that resizes the window sees its own change once more;
// deeper than this, a handler that keeps resizing is not called again.
constexpr int kMaxResizeDepth = 3;

// The client area, which stretches the toolbar across its width.
class ClientArea final : public QWidget {
public:
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (onResize) onResize();
    }
};

}  // namespace

// The top-level widget; hands its events to the window.
class WindowWidget final : public QMainWindow {
public:
    explicit WindowWidget(QtWindow& owner) : owner_(&owner) {}
    void Release() { owner_ = nullptr; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QMainWindow::resizeEvent(event);
        if (owner_) owner_->Resized();
    }
    void moveEvent(QMoveEvent* event) override {
        QMainWindow::moveEvent(event);
        // The window system tells the frame with a move.
        if (owner_) owner_->Reconcile();
    }
    void changeEvent(QEvent* event) override {
        QMainWindow::changeEvent(event);
        if (owner_ && event->type() == QEvent::WindowStateChange) owner_->StateChanged();
    }
    void showEvent(QShowEvent* event) override {
        QMainWindow::showEvent(event);
        if (owner_ && !event->spontaneous()) owner_->Shown();
    }
    void closeEvent(QCloseEvent* event) override {
        if (owner_)
            owner_->Closing(*event);
        else
            event->accept();
    }
    void hideEvent(QHideEvent* event) override {
        QMainWindow::hideEvent(event);
        // A minimised window is hidden by the system, not by the program.
        if (owner_ && !event->spontaneous()) owner_->Hidden();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (owner_ && owner_->KeyPressed(*event)) return;
        QMainWindow::keyPressEvent(event);
    }

private:
    QtWindow* owner_;
};

// ---- The window ----

QtWindow::QtWindow(IFileSystem& files, std::optional<DialogFrame> frame, const QtWindow* owner)
    : files_(files), frame_(frame), owner_(owner), widget_(std::make_unique<WindowWidget>(*this)) {
    auto* client = new ClientArea;
    client->onResize = [this] { StretchToolbar(); };
    client_ = client;
    widget_->setCentralWidget(client);
    if (frame_) {
        Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (*frame_ == DialogFrame::Sizable)
            flags |= Qt::Window | Qt::WindowMaximizeButtonHint;
        else
            flags |= Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;
        widget_->setWindowFlags(flags);
        if (*frame_ == DialogFrame::Fixed) HideIcon();
    }
}

void QtWindow::HideIcon() {
    // An icon of nothing: without one of its own a window shows the
    // program's.
    QPixmap none(16, 16);
    none.fill(Qt::transparent);
    widget_->setWindowIcon(QIcon(none));
}

namespace {

// The one local file a drag carries; empty for text, a web address, or more
// than one file.
std::string DraggedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
    const QUrl url = mime->urls().front();
    return url.isLocalFile() ? url.toLocalFile().toStdString() : std::string();
}

bool CarriesFiles(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return false;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return true;
    return false;
}

// Sees every drag over the application, and takes those that carry files
// over its window: an editor would insert their addresses as text. A drag of
// text goes on to the widget under it.
class FileDropFilter final : public QObject {
public:
    FileDropFilter(QWidget& window, std::function<void(const std::string&)>& handler)
        : window_(window), handler_(handler) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &window_) return false;
        auto* drop = static_cast<QDropEvent*>(event);
        if (!CarriesFiles(drop->mimeData())) return false;
        const std::string path = DraggedFile(drop->mimeData());
        if (path.empty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop && handler_) {
            // After the drop has ended: the handler may ask a question, and
            // the program the file came from waits for the drop's end.
            QTimer::singleShot(0, this, [this, path] {
                if (handler_) handler_(path);
            });
        }
        return true;
    }

private:
    QWidget& window_;
    std::function<void(const std::string&)>& handler_;
};

}  // namespace

void QtWindow::SetOnFileDrop(std::function<void(const std::string&)> handler) {
    onFileDrop_ = std::move(handler);
    if (dropFilter_) return;
    dropFilter_ = std::make_unique<FileDropFilter>(*widget_, onFileDrop_);
    qApp->installEventFilter(dropFilter_.get());
    widget_->setAcceptDrops(true);
}

QtWindow::~QtWindow() {
    dropFilter_.reset();
    if (modalLoop_) modalLoop_->quit();
    // The wrappers go first and take their connections with them; then the
    // widgets, none of whose signals reaches anything any more.
    widget_->Release();
    static_cast<ClientArea*>(client_)->onResize = nullptr;
    toolbar_ = nullptr;
    controls_.clear();
    menuBar_.reset();
    widget_.reset();
}

QMainWindow* QtWindow::widget() const {
    return widget_.get();
}

TwipScale QtWindow::Scale() const {
    return ScaleOf(widget_.get());
}

QWidget* QtWindow::ParentFor(const ControlPlace& place) const {
    if (auto* tabs = dynamic_cast<QtTabControl*>(place.Container)) return tabs->panel();
    return client_;
}

QMargins QtWindow::FrameMargins() const {
    if (widget_->isVisible()) {
        const QRect frame = widget_->frameGeometry(), inner = widget_->geometry();
        if (frame != inner)
            margins_ = QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                                frame.right() - inner.right(), frame.bottom() - inner.bottom());
    }
    return margins_;
}

Rect QtWindow::Bounds() const {
    const QRect inner = widget_->geometry();
    const QMargins frame = FrameMargins();
    // Before the window exists on the screen its position is the frame's.
    const QRect outer = widget_->testAttribute(Qt::WA_WState_Created)
                            ? inner.marginsAdded(frame)
                            : QRect(inner.topLeft(), inner.size().grownBy(frame));
    const TwipScale scale = Scale();
    Rect r = scale.ToTwips(outer, bounds_);
    // A window held at its minimum size has the minimum's own twips.
    if (r.Width != bounds_.Width && outer.width() == TwipScale::ToPixels(minWidth_, scale.dpiX))
        r.Width = minWidth_;
    if (r.Height != bounds_.Height && outer.height() == TwipScale::ToPixels(minHeight_, scale.dpiY))
        r.Height = minHeight_;
    return r;
}

void QtWindow::SetBounds(const Rect& bounds) {
    const QRect outer = Scale().ToPixels(bounds);
    const QMargins frame = FrameMargins();
    const QSize size(std::max(1, outer.width() - frame.left() - frame.right()),
                     std::max(1, outer.height() - frame.top() - frame.bottom()));
    haveBounds_ = true;
    bounds_ = bounds;
    setMargins_ = frame;
    setSize_ = size.expandedTo(widget_->minimumSize()).boundedTo(widget_->maximumSize());
    if (widget_->testAttribute(Qt::WA_WState_Created)) {
        widget_->setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size));
    } else {
        widget_->move(outer.topLeft());
        widget_->resize(size);
    }
}

void QtWindow::Reconcile() {
    const QMargins frame = FrameMargins();
    if (frame != minMargins_) ApplyMinimumSize();
    if (haveBounds_ && frame != setMargins_ && widget_->size() == setSize_ &&
        State() == WindowState::Normal)
        SetBounds(bounds_);
    // A window sized by its client area grows by the frame when the frame
    // becomes known: its outer size has changed.
    if (!haveBounds_ && shownOnce_ && frame != sizedMargins_) NotifyResize();
}

void QtWindow::SetClientSize(int width, int height) {
    const TwipScale scale = Scale();
    const QSize size(std::max(1, TwipScale::ToPixels(width, scale.dpiX)),
                     std::max(1, TwipScale::ToPixels(height, scale.dpiY)));
    haveBounds_ = false;
    if (frame_ == DialogFrame::Fixed)
        widget_->setFixedSize(size);
    else
        widget_->resize(size);
}

WindowState QtWindow::State() const {
    const Qt::WindowStates state = widget_->windowState();
    if (state & Qt::WindowMinimized) return WindowState::Minimized;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
    return WindowState::Normal;
}

void QtWindow::SetState(WindowState state) {
    Qt::WindowStates wanted = widget_->windowState() &
                              ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (state == WindowState::Minimized) wanted |= Qt::WindowMinimized;
    if (state == WindowState::Maximized) wanted |= Qt::WindowMaximized;
    // A window not shown yet takes the state when it is shown.
    if (wanted != widget_->windowState()) widget_->setWindowState(wanted);
}

void QtWindow::SetMinimumSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
    ApplyMinimumSize();
}

void QtWindow::ApplyMinimumSize() {
    const QMargins frame = FrameMargins();
    minMargins_ = frame;
    // A fixed dialog's minimum is its fixed size (SetClientSize).
    if (frame_ == DialogFrame::Fixed) return;
    const TwipScale scale = Scale();
    widget_->setMinimumSize(
        std::max(0, TwipScale::ToPixels(minWidth_, scale.dpiX) - frame.left() - frame.right()),
        std::max(0, TwipScale::ToPixels(minHeight_, scale.dpiY) - frame.top() - frame.bottom()));
}

std::string QtWindow::Caption() const {
    return widget_->windowTitle().toStdString();
}

void QtWindow::SetCaption(const std::string& caption) {
    widget_->setWindowTitle(Q(caption));
}

void QtWindow::SetIcon(const std::string& image) {
    icon_ = image;
    widget_->setWindowIcon(ImageIcon(image));
}

std::int32_t QtWindow::IconHandle() const {
    return IconHandleOf(icon_);
}

bool QtWindow::Visible() const {
    return widget_->isVisible();
}

void QtWindow::Show() {
    hideAfterShow_ = false;
    if (frame_ && !widget_->isVisible()) {
        if (!shownOnce_) PlaceOverOwner();
        FocusFirstControl();
    }
    widget_->show();
}

void QtWindow::ShowModal() {
    // Modal to its owner alone: the tray icon must still answer (QtTrayShell).
    widget_->setWindowModality(owner_ ? Qt::WindowModal : Qt::ApplicationModal);
    Show();
    if (!widget_->isVisible()) return;
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
}

void QtWindow::Hide() {
    // A resize handler that hides the window as it is first shown (minimised
    // in tray mode) runs inside the show, before the window is mapped: a hide
    // there would be undone by the mapping, and the window left in the task
    // bar. It is done once the show is over.
    if (inShow_) {
        hideAfterShow_ = true;
        QTimer::singleShot(0, widget_.get(), [this] {
            if (hideAfterShow_) widget_->hide();
            hideAfterShow_ = false;
        });
        return;
    }
    widget_->hide();
}

void QtWindow::Hidden() {
    if (modalLoop_) modalLoop_->quit();
}

void QtWindow::PlaceOverOwner() {
    if (!owner_) return;
    const QWidget* over = owner_->widget();
    // On top of the owner, modal to it, and out of the taskbar when a fixed
    // dialog.
    widget_->winId();
    if (QWindow* handle = widget_->windowHandle(); handle && over->windowHandle())
        handle->setTransientParent(over->windowHandle());
    if (haveBounds_) return;
    // The frame is not known before the first show; the owner's is the best
    // guess of it.
    const QMargins frame = owner_->FrameMargins();
    QRect outer(QPoint(), widget_->size().grownBy(frame));
    outer.moveCenter(over->frameGeometry().center());
    if (const QScreen* screen = over->screen()) {
        const QRect room = screen->availableGeometry();
        outer.moveLeft(std::max(room.left(), std::min(outer.left(), room.right() - outer.width())));
        outer.moveTop(std::max(room.top(), std::min(outer.top(), room.bottom() - outer.height())));
    }
    // Placed by its client area: a window manager may take the position of a
    // window not yet shown for its client area's even when told it is the
    // frame's, which would leave the window higher by its title bar.
    widget_->setGeometry(
        QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), widget_->size()));
}

void QtWindow::FocusFirstControl() {
    const QtControl* first = nullptr;
    for (const auto& control : controls_)
        if (control->TabIndex() >= 0 && control->FocusWidget()->focusPolicy() != Qt::NoFocus &&
            (!first || control->TabIndex() < first->TabIndex()))
            first = control.get();
    if (first) first->FocusWidget()->setFocus();
}

bool QtWindow::KeyPressed(const QKeyEvent& event) {
    int wanted = ButtonKeys::None;
    if (event.modifiers() & ~Qt::KeypadModifier) return false;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        wanted = ButtonKeys::Enter;
    else if (event.key() == Qt::Key_Escape)
        wanted = ButtonKeys::Escape;
    if (wanted == ButtonKeys::None) return false;
    for (const auto& control : controls_) {
        auto* button = dynamic_cast<QtButton*>(control.get());
        if (button && (button->Keys() & wanted) && button->button()->isVisible() &&
            button->button()->isEnabled()) {
            button->button()->click();
            return true;
        }
    }
    return false;
}

void QtWindow::BringToFront() {
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void QtWindow::Close(UnloadMode mode) {
    closeRequested_ = true;
    closeMode_ = mode;
    widget_->close();
    closeRequested_ = false;
}

void QtWindow::Closing(QCloseEvent& event) {
    // The frame's close button, or anyone calling the widget's close().
    const UnloadMode mode = closeRequested_ ? closeMode_ : UnloadMode::FormControlMenu;
    closeRequested_ = false;
    bool cancel = false;
    if (auto query = onQueryUnload_) query(cancel, mode);
    if (cancel) {
        event.ignore();
        return;
    }
    event.accept();
    widget_->hide();
    if (auto unload = onUnload_) unload();
}

QList<QKeySequence> KeySequencesOf(const std::string& keys) {
    const QString text = Q(keys);
    QList<QKeySequence> sequences{QKeySequence::fromString(text, QKeySequence::PortableText)};
    if (text.contains(QStringLiteral("Shift+Tab"))) {
        QString back = text;
        sequences.append(QKeySequence::fromString(
            back.replace(QStringLiteral("Shift+Tab"), QStringLiteral("Shift+Backtab")),
            QKeySequence::PortableText));
    }
    return sequences;
}

void QtWindow::AddShortcut(const std::string& keys, std::function<void()> handler) {
    auto* shortcut = new QShortcut(widget_.get());
    shortcut->setKeys(KeySequencesOf(keys));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, shortcut, [handler = std::move(handler)] {
        if (handler) handler();
    });
}

void QtWindow::NotifyResize() {
    // A hidden window hears of its size when it is shown.
    if (!widget_->isVisible() || showing_) {
        resizePending_ = true;
        return;
    }
    sizedMargins_ = FrameMargins();
    if (!onResize_ || resizeDepth_ >= kMaxResizeDepth) return;
    ++resizeDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{resizeDepth_};
    auto handler = onResize_;
    handler();
}

void QtWindow::Resized() {
    Reconcile();
    NotifyResize();
}

void QtWindow::StateChanged() {
    // A window first shown minimised learns its frame only as it comes back,
    // and may come back without a move: the stored outer size still has the
    // frame in it until it is fitted here.
    if (State() != WindowState::Minimized) Reconcile();
    NotifyResize();
}

void QtWindow::Shown() {
    // Fitting the frame is part of showing: one notification for both.
    showing_ = true;
    Reconcile();
    showing_ = false;
    if (!shownOnce_ || resizePending_) {
        shownOnce_ = true;
        resizePending_ = false;
        inShow_ = true;
        NotifyResize();
        inShow_ = false;
    }
}

void QtWindow::StretchToolbar() {
    if (!toolbar_) return;
    Rect r = toolbar_->Bounds();
    r.Left = 0;
    r.Top = 0;
    r.Width = TwipScale::ToTwips(client_->width(), Scale().dpiX);
    toolbar_->SetBounds(r);
}

template <class T>
T& QtWindow::Keep(std::unique_ptr<T> control) {
    T& kept = *control;
    controls_.push_back(std::move(control));
    ApplyTabOrder();
    return kept;
}

void QtWindow::ApplyTabOrder() {
    std::vector<QtControl*> order;
    for (const auto& control : controls_)
        if (control->TabIndex() >= 0 && control->FocusWidget()->focusPolicy() != Qt::NoFocus)
            order.push_back(control.get());
    std::stable_sort(order.begin(), order.end(), [](const QtControl* a, const QtControl* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->FocusWidget(), order[i]->FocusWidget());
}

IToolbar& QtWindow::AddToolbar(const std::string& name, int height, int tabIndex,
                               const ImageList& images, const std::vector<ToolbarEntry>& buttons) {
    ControlPlace place;
    place.Name = name;
    place.TabIndex = tabIndex;
    place.Bounds = {0, 0, TwipScale::ToTwips(client_->width(), Scale().dpiX), height};
    auto& toolbar = Keep(std::make_unique<QtToolbar>(*this, place, images, buttons));
    toolbar_ = &toolbar;
    StretchToolbar();
    return toolbar;
}

ITabControl& QtWindow::AddTabControl(const ControlPlace& place,
                                     const std::vector<std::string>& captions, int headerHeight,
                                     const ImageList& pictures) {
    return Keep(std::make_unique<QtTabControl>(*this, place, captions, headerHeight, pictures));
}

namespace {

// Says once, when the widget first shows, why it is there in place of the
// one it stands for.
class TellOnFirstShow final : public QObject {
public:
    TellOnFirstShow(QWidget* widget, std::string why) : QObject(widget), why_(std::move(why)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            const std::string why = std::move(why_);
            deleteLater();
            // After the show: the notice belongs over the window as it shows.
            QTimer::singleShot(
                0, [why] { QtMessageBox().ShowNotice(why, MsgBoxStyle::Exclamation, "Tagrota"); });
        }
        return false;
    }

private:
    std::string why_;
};

}  // namespace

IEditor& QtWindow::AddEditor(const ControlPlace& place) {
    if (HoldsCollection(place)) {
        // A module in a place that is not safe is not loaded: the collection
        // goes to the plain editor instead, and the user is told why.
        const std::string refused = ScintillaModuleRefused();
        if (refused.empty()) return Keep(std::make_unique<QtScintillaEditor>(*this, place, files_));
        auto& plain = Keep(std::make_unique<QtEditor>(*this, place, files_));
        new TellOnFirstShow(
            plain.widget(),
            Format(Tr("QtWindow",
                      "%1\r\nThe Random tab shows the collection in a plain editor, which is "
                      "slow with very large collections."),
                   {refused}));
        return plain;
    }
    return Keep(std::make_unique<QtEditor>(*this, place, files_));
}

ITextBox& QtWindow::AddTextBox(const ControlPlace& place) {
    return Keep(std::make_unique<QtTextBox>(*this, place));
}

ICheckBox& QtWindow::AddCheckBox(const ControlPlace& place, const std::string& caption) {
    return Keep(std::make_unique<QtCheckBox>(*this, place, caption));
}

IScrollBar& QtWindow::AddScrollBar(const ControlPlace& place, int min, int max, int smallChange,
                                   int largeChange, int value) {
    return Keep(
        std::make_unique<QtScrollBar>(*this, place, min, max, smallChange, largeChange, value));
}

ILabel& QtWindow::AddLabel(const ControlPlace& place, const std::string& caption) {
    return Keep(std::make_unique<QtLabel>(*this, place, caption));
}

IButton& QtWindow::AddPictureButton(const ControlPlace& place, const std::string& image) {
    return Keep(std::make_unique<QtPictureButton>(*this, place, image));
}

IButton& QtWindow::AddButton(const ControlPlace& place, const std::string& caption, int keys) {
    return Keep(std::make_unique<QtButton>(*this, place, caption, keys));
}

IControl& QtWindow::AddPicture(const ControlPlace& place, const std::string& image) {
    return Keep(std::make_unique<QtPicture>(*this, place, image));
}

void QtWindow::AddLine(const LineShape& line) {
    Keep(std::make_unique<QtLine>(*this, line));
}

IWebBrowser& QtWindow::AddWebBrowser(const ControlPlace& place) {
    return Keep(std::make_unique<QtWebBrowser>(*this, place));
}

IRichTextBox& QtWindow::AddRichTextBox(const ControlPlace& place) {
    return Keep(std::make_unique<QtRichTextBox>(*this, place));
}

IFindBar& QtWindow::AddFindBar(const ControlPlace& place) {
    return Keep(std::make_unique<QtFindBar>(*this, place));
}

IListBox& QtWindow::AddListBox(const ControlPlace& place) {
    return Keep(std::make_unique<QtListBox>(*this, place));
}

IMenuBar& QtWindow::AddMenuBar(const std::vector<MenuEntry>& items) {
    auto* bar = new QMenuBar;
#ifndef Q_OS_MACOS
    // The menu bar stays inside the window, where the layout counts it.
    bar->setNativeMenuBar(false);
#endif
    menuBar_.reset();
    widget_->setMenuBar(bar);
    menuBar_ = std::make_unique<QtMenuBar>(*bar, items);
    return *menuBar_;
}

// ---- The user interface ----

std::unique_ptr<IWindow> QtUserInterface::CreateWindow() {
    return std::make_unique<QtWindow>(files_);
}

std::unique_ptr<IWindow> QtUserInterface::CreateDialogWindow(DialogFrame frame,
                                                             const IWindow& owner) {
    return std::make_unique<QtWindow>(files_, frame, dynamic_cast<const QtWindow*>(&owner));
}

std::unique_ptr<ITimer> QtUserInterface::CreateTimer() {
    return std::make_unique<QtTimer>();
}

std::string QtUserInterface::UpperCase(const std::string& text) const {
    return QString::fromStdString(text).toUpper().toStdString();
}

std::unique_ptr<IFileWatch> QtUserInterface::CreateFileWatch() {
    return std::make_unique<QtFileWatch>();
}

std::unique_ptr<IBackgroundWork> QtUserInterface::RunBeside(std::function<void()> work,
                                                            std::function<void()> then) {
    return std::make_unique<QtBackgroundWork>(std::move(work), std::move(then));
}

bool QtUserInterface::ModalWindowOpen() const {
    return QApplication::activeModalWidget() != nullptr;
}

bool QtUserInterface::CanStartMinimised() const {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::vector<Rect> QtUserInterface::ScreenWorkAreas() const {
    // In the primary screen's scale, the one a window is placed in before it
    // is first shown.
    const TwipScale scale = ScaleOf(nullptr);
    std::vector<Rect> areas;
    QList<QScreen*> screens = QGuiApplication::screens();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    for (const QScreen* screen : screens)
        areas.push_back(scale.ToTwips(screen->availableGeometry(), Rect{}));
    return areas;
}

}  // namespace tagrota::qt
