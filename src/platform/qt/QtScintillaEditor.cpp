// The collection's editor on a Scintilla view; a large text is loaded beside
// the event loop.

#include "platform/qt/QtScintillaEditor.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "platform/TextFile.h"

// Scintilla's loader: a document that is filled away from the view, on any
// thread, and then given to a view whole (SCI_CREATELOADER). QScintilla does
// not install Scintilla's own declaration; this one is the same, under the
// same name.
class ILoader {
public:
    virtual int Release() = 0;
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* ConvertToDocument() = 0;

protected:
    ~ILoader() = default;
};

namespace tagrota::qt {

bool HoldsCollection(const ControlPlace& place) {
    return place.Name == "txtRandom";
}

namespace {

using Sci = QsciScintillaBase;

// A text up to this size goes into the view at once (about 5 ms a megabyte
// here); a larger one shows this much at once and loads beside the event loop.
// Growing a document of a hundred megabytes in the view would hold the event
// loop for over 100 ms at a time, each time its buffer is enlarged.
constexpr std::size_t kAtOnce = std::size_t{1} << 20;
// The loader takes the text in slices of this size, and the window looks at
// its progress this often.
constexpr std::size_t kSlice = std::size_t{1} << 20;
constexpr int kPollMs = 30;

// The property that marks our views for the accessibility factory below.
constexpr const char* kLargeText = "tagrotaLargeText";

// QScintilla's own accessibility object counts the characters from the start
// of the text up to the cursor at every repaint and every change: seconds per
// keystroke deep into a large text. Our views are described to assistive
// technology as a plain editable text instead.
class LargeTextAccessible final : public QAccessibleWidget {
public:
    explicit LargeTextAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::EditableText) {}
};

QAccessibleInterface* LargeTextFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QsciScintilla") && object && object->isWidgetType() &&
        object->property(kLargeText).toBool())
        return new LargeTextAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// Factories are asked in the reverse order of their installing, so ours,
// installed after QScintilla's, answers first; an object QScintilla made
// before that is dropped.
void UsePlainAccessibility(QsciScintilla& view) {
    static const bool installed = [] {
        QAccessible::installFactory(LargeTextFactory);
        return true;
    }();
    (void)installed;
    view.setProperty(kLargeText, true);
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&view);
    if (made && !dynamic_cast<LargeTextAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

// A cut after a line end at or before `end`, so that no character and no CR LF
// is cut in two; `end` itself where the piece holds none.
std::size_t CutAfterLineEnd(std::string_view text, std::size_t from, std::size_t end) {
    if (end >= text.size()) return text.size();
    const std::size_t lineEnd = text.substr(from, end - from).rfind('\n');
    return lineEnd == std::string_view::npos ? end : from + lineEnd + 1;
}

// Whether every line end is CR LF: every LF follows a CR, and there are as
// many CRs as LFs.
bool OnlyCrLf(std::string_view text) {
    std::size_t lf = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') return false;
        ++lf;
    }
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) == lf;
}

}  // namespace

// A load under way: the text, the loader's document, and the thread that
// fills it.
struct DocumentLoader {
    std::shared_ptr<const std::string> text;
    ILoader* loader = nullptr;
    std::atomic<std::size_t> loaded{0};
    std::atomic<bool> cancel{false}, done{false};
    bool ok = true;  // written by the thread until it is joined
    std::thread thread;

    void Run() {
        const std::string_view all(*text);
        std::size_t at = 0;
        while (at < all.size() && !cancel) {
            const std::size_t end = CutAfterLineEnd(all, at, at + kSlice);
            if (loader->AddData(all.data() + at, static_cast<std::ptrdiff_t>(end - at)) !=
                Sci::SC_STATUS_OK) {
                ok = false;
                break;
            }
            at = end;
            loaded = at;
        }
        done = true;
    }
};

// The Scintilla view. Its change notifications are the "before" ones only:
// QScintilla's own handling of the others counts the characters from the
// start of the text at every change, seconds per keystroke deep into a large
// text. A change is told once the event that made it is handled.
class ScintillaView final : public QsciScintilla {
public:
    explicit ScintillaView(QWidget* parent) : QsciScintilla(parent) {}
    std::function<void()> afterEvent;

protected:
    bool event(QEvent* e) override {
        const bool handled = QsciScintilla::event(e);
        if (afterEvent) afterEvent();
        return handled;
    }
    bool viewportEvent(QEvent* e) override {
        const bool handled = QsciScintilla::viewportEvent(e);
        if (afterEvent) afterEvent();
        return handled;
    }
};

constexpr unsigned long kChangeEvents = Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE;

// The editor's widget until it is first wanted, and the view's frame after.
class ScintillaFrame final : public QWidget {
public:
    ScintillaFrame(QWidget* parent, QtScintillaEditor& editor) : QWidget(parent), editor_(&editor) {
        setFocusPolicy(Qt::StrongFocus);
    }
    QtScintillaEditor* editor_;  // none once the editor is gone

protected:
    void showEvent(QShowEvent* event) override {
        if (editor_) editor_->FirstUse();
        QWidget::showEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        if (editor_) editor_->FirstUse();
        QWidget::focusInEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (editor_) editor_->Resized();
    }
};

QtScintillaEditor::QtScintillaEditor(QtWindow& window, const ControlPlace& place,
                                     IFileSystem& files)
    : QtControl(window, new ScintillaFrame(window.ParentFor(place), *this), place),
      frame_(static_cast<ScintillaFrame*>(widget())),
      backing_(files) {
    poll_.setInterval(kPollMs);
    QObject::connect(&poll_, &QTimer::timeout, &context_, [this] { CheckLoad(false); });
}

QtScintillaEditor::~QtScintillaEditor() {
    CancelLoad();
    frame_->editor_ = nullptr;
    if (view_) view_->afterEvent = nullptr;
}

QsciScintilla* QtScintillaEditor::view() const {
    return view_;
}

void QtScintillaEditor::FirstUse() {
    if (view_) return;
    MakeView();
    StartFill();
}

void QtScintillaEditor::MakeView() {
    view_ = new ScintillaView(frame_);
    UsePlainAccessibility(*view_);
    // A document without a style byte beside every character: the text is
    // plain, and a large one would cost its size once more. The view holds
    // the document from here on, and frees it as it goes.
    const long document = view_->SendScintilla(Sci::SCI_CREATEDOCUMENT, 0UL,
                                               long{Sci::SC_DOCUMENTOPTION_STYLES_NONE});
    view_->SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL, document);
    view_->SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0UL, document);
    view_->setUtf8(true);
    view_->SendScintilla(Sci::SCI_SETEOLMODE, Sci::SC_EOL_CRLF);
    view_->SendScintilla(Sci::SCI_SETPASTECONVERTENDINGS, 1UL);
    view_->setFont(frame_->font());
    view_->SendScintilla(Sci::SCI_SETTABWIDTH, 8UL);
    for (int margin = 0; margin < 5; ++margin) view_->setMarginWidth(margin, 0);
    view_->SendScintilla(Sci::SCI_SETMARGINLEFT, 0UL, 4L);
    view_->SendScintilla(Sci::SCI_SETSCROLLWIDTH, 1UL);
    view_->SendScintilla(Sci::SCI_SETSCROLLWIDTHTRACKING, 1UL);
    view_->setGeometry(frame_->rect());
    frame_->setFocusProxy(view_);
    QObject::connect(view_, &QsciScintillaBase::SCN_MODIFIED, &context_, [this](int, int type) {
        if (filling_ || !(type & static_cast<int>(kChangeEvents)) || changed_) return;
        changed_ = true;
        // Told after the view's event, or on the next turn
        // for a change that came some other way.
        QTimer::singleShot(0, &context_, [this] { AfterEvent(); });
    });
    view_->afterEvent = [this] { AfterEvent(); };
    view_->show();
    if (frame_->hasFocus()) view_->setFocus();
}

void QtScintillaEditor::Resized() {
    if (view_) view_->setGeometry(frame_->rect());
    if (note_ && note_->isVisible()) ShowNote();
}

void QtScintillaEditor::AfterEvent() {
    if (!changed_) return;
    changed_ = false;
    if (onChange_) onChange_();
}

void QtScintillaEditor::StartFill() {
    CancelLoad();
    // No notifications, no undo steps and no user edits while the view fills.
    view_->SendScintilla(Sci::SCI_SETMODEVENTMASK, 0UL);
    view_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    view_->SendScintilla(Sci::SCI_SETREADONLY, 0UL);
    view_->SendScintilla(Sci::SCI_CLEARALL);
    const std::string_view text = held_ ? std::string_view(*held_) : std::string_view();
    const std::size_t first = CutAfterLineEnd(text, 0, kAtOnce);
    // The loader starts empty: its buffer grows on its own thread. It is made
    // before the first lines go in, as making one resets the view's count of
    // the lines it shows.
    ILoader* loader = nullptr;
    if (first < text.size())
        loader = reinterpret_cast<ILoader*>(view_->SendScintilla(
            Sci::SCI_CREATELOADER, 0UL, long{Sci::SC_DOCUMENTOPTION_STYLES_NONE}));
    view_->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(first), text.data());
    filling_ = true;
    if (first < text.size() && !loader) {
        // No loader: the view takes the rest at once.
        view_->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(text.size() - first),
                             text.data() + first);
    }
    if (!loader) {
        EndFill();
        return;
    }
    view_->SendScintilla(Sci::SCI_SETREADONLY, 1UL);
    loader_ = std::make_unique<DocumentLoader>();
    loader_->text = held_;
    loader_->loader = loader;
    DocumentLoader* load = loader_.get();
    load->thread = std::thread([load] { load->Run(); });
    ShowNote();
    poll_.start();
}

void QtScintillaEditor::CheckLoad(bool wait) {
    if (!loader_) return;
    if (!wait && !loader_->done) {
        ShowNote();
        return;
    }
    loader_->thread.join();
    std::unique_ptr<DocumentLoader> load = std::move(loader_);
    poll_.stop();
    if (!load->ok) {
        // The loader gave up (out of memory): the view takes the rest itself.
        load->loader->Release();
        const std::string_view text(*held_);
        const auto inView = static_cast<std::size_t>(view_->SendScintilla(Sci::SCI_GETLENGTH));
        view_->SendScintilla(Sci::SCI_SETREADONLY, 0UL);
        view_->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(text.size() - inView),
                             text.data() + inView);
        EndFill();
        return;
    }
    // The view takes the whole document where it shows the first lines; it
    // holds the document from here on and frees it as it goes.
    const long topLine = view_->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long xOffset = view_->SendScintilla(Sci::SCI_GETXOFFSET);
    auto* document = load->loader->ConvertToDocument();
    view_->SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL, document);
    view_->SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0UL, document);
    view_->setUtf8(true);
    view_->SendScintilla(Sci::SCI_SETEOLMODE, Sci::SC_EOL_CRLF);
    view_->SendScintilla(Sci::SCI_SETTABWIDTH, 8UL);
    view_->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(topLine));
    view_->SendScintilla(Sci::SCI_SETXOFFSET, static_cast<unsigned long>(xOffset));
    EndFill();
}

void QtScintillaEditor::CancelLoad() {
    poll_.stop();
    if (!loader_) return;
    loader_->cancel = true;
    loader_->thread.join();
    loader_->loader->Release();
    loader_.reset();
}

void QtScintillaEditor::EndFill() {
    view_->SendScintilla(Sci::SCI_SETREADONLY, locked_ ? 1UL : 0UL);
    view_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    view_->SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    view_->SendScintilla(Sci::SCI_SETSAVEPOINT);
    view_->SendScintilla(Sci::SCI_SETMODEVENTMASK, kChangeEvents);
    filling_ = false;
    changed_ = false;
    held_.reset();
    if (note_) note_->hide();
}

void QtScintillaEditor::ShowNote() {
    if (!note_) {
        note_ = new QLabel(frame_);
        note_->setAutoFillBackground(true);
        note_->setBackgroundRole(QPalette::ToolTipBase);
        note_->setForegroundRole(QPalette::ToolTipText);
        note_->setMargin(4);
        note_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const std::size_t size = held_ ? held_->size() : 0;
    const std::size_t loaded = loader_ ? loader_->loaded.load() : size;
    const int percent = size ? static_cast<int>(loaded * 100 / size) : 100;
    note_->setText(QStringLiteral("Loading the text\u2026 %1 %").arg(percent));
    note_->adjustSize();
    // In the bottom right corner, clear of the scroll bars.
    constexpr int kClearance = 24;
    note_->move(std::max(0, frame_->width() - note_->width() - kClearance),
                std::max(0, frame_->height() - note_->height() - kClearance));
    note_->show();
    note_->raise();
}

QsciScintilla* QtScintillaEditor::scintilla() {
    FirstUse();
    CheckLoad(true);
    return view_;
}

std::string_view QtScintillaEditor::ViewText() const {
    const auto length = static_cast<std::size_t>(view_->SendScintilla(Sci::SCI_GETLENGTH));
    if (length == 0) return {};
    // The document's bytes in one piece (its gap moved to the end).
    const auto* bytes =
        reinterpret_cast<const char*>(view_->SendScintilla(Sci::SCI_GETCHARACTERPOINTER));
    return std::string_view(bytes, length);
}

std::string QtScintillaEditor::GetText() const {
    if (!view_ || filling_) return held_ ? *held_ : std::string();
    const std::string_view text = ViewText();
    // Enter and pasting give CR LF; anything else that brought a lone CR or
    // LF reads as a line end all the same.
    if (!OnlyCrLf(text)) return ToCrLf(text);
    std::string copy;
    ReserveText(copy, text.size());  // huge pages for a large text: far fewer faults
    copy.append(text);
    return copy;
}

std::shared_ptr<const std::string> QtScintillaEditor::SharedText() const {
    if (!view_ || filling_) return held_ ? held_ : std::make_shared<const std::string>();
    return IEditor::SharedText();
}

void QtScintillaEditor::SetText(const std::string& text) {
    Replace(ToCrLf(text));
}

void QtScintillaEditor::Replace(std::string wanted) {
    if (!view_ || filling_) {
        if (held_ ? wanted == *held_ : wanted.empty()) return;
    } else if (wanted == GetText()) {
        return;
    }
    held_ = wanted.empty() ? nullptr : std::make_shared<const std::string>(std::move(wanted));
    if (view_) StartFill();
    if (onChange_) onChange_();
}

FileStatus QtScintillaEditor::LoadFile(const std::string& path,
                                       std::optional<PrefetchedText> prefetched) {
    return backing_.Load(
        path, [this](std::string&& text) { Replace(std::move(text)); }, std::move(prefetched));
}

FileStatus QtScintillaEditor::SaveFile(const std::string& path) {
    if (view_ && !filling_) {
        // The view's own bytes, without a copy, where they need no change.
        const std::string_view text = ViewText();
        if (OnlyCrLf(text)) return backing_.Save(path, text);
    }
    return backing_.Save(path, GetText());
}

void QtScintillaEditor::SetLocked(bool locked) {
    locked_ = locked;
    // A view still filling stays read only until it is filled.
    if (view_ && !filling_) view_->SendScintilla(Sci::SCI_SETREADONLY, locked ? 1UL : 0UL);
}

// Scintilla's save point: an undo back to the text last put in place, or
// marked, makes it unmodified again. Text not yet in the view, or still
// filling it, is as the program put it.
bool QtScintillaEditor::Modified() const {
    return view_ && !filling_ && view_->SendScintilla(Sci::SCI_GETMODIFY) != 0;
}

void QtScintillaEditor::MarkUnmodified() {
    if (view_ && !filling_) view_->SendScintilla(Sci::SCI_SETSAVEPOINT);
}

}  // namespace tagrota::qt
