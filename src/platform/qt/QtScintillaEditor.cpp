// The collection's editor on a Scintilla view, filled a slice at a time.

#include "platform/qt/QtScintillaEditor.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/TextFile.h"

namespace tagrota::qt {

bool HoldsCollection(const ControlPlace& place) {
    return place.Name == "txtRandom";
}

namespace {

using Sci = QsciScintillaBase;

// Bytes appended to the view at a time, and how long one turn of the event
// loop may go on appending: a megabyte takes about 5 ms here, so a turn stays
// far below the 100 ms a user would notice, and a hundred megabytes fill in
// well under two seconds.
constexpr std::size_t kSlice = std::size_t{1} << 20;
constexpr qint64 kTurnMs = 25;

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
    step_.setInterval(0);
    QObject::connect(&step_, &QTimer::timeout, &context_, [this] { FillStep(); });
}

QtScintillaEditor::~QtScintillaEditor() {
    frame_->editor_ = nullptr;
}

void QtScintillaEditor::FirstUse() {
    if (view_) return;
    MakeView();
    StartFill();
}

void QtScintillaEditor::MakeView() {
    view_ = new QsciScintilla(frame_);
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
    QObject::connect(view_, &QsciScintilla::textChanged, &context_, [this] {
        if (!filling_ && onChange_) onChange_();
    });
    view_->show();
    if (frame_->hasFocus()) view_->setFocus();
}

void QtScintillaEditor::Resized() {
    if (view_) view_->setGeometry(frame_->rect());
    if (note_ && note_->isVisible()) ShowNote();
}

void QtScintillaEditor::StartFill() {
    step_.stop();
    // No notifications, no undo steps and no user edits while the view fills.
    view_->SendScintilla(Sci::SCI_SETMODEVENTMASK, 0UL);
    view_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    view_->SendScintilla(Sci::SCI_SETREADONLY, 0UL);
    view_->SendScintilla(Sci::SCI_CLEARALL);
    if (held_) view_->SendScintilla(Sci::SCI_ALLOCATE, static_cast<unsigned long>(held_->size() + 1));
    view_->SendScintilla(Sci::SCI_SETREADONLY, 1UL);
    filledTo_ = 0;
    filling_ = true;
    // The first turn at once: the view shows its first lines as it appears.
    FillStep();
}

void QtScintillaEditor::FillStep() {
    const std::string_view text = held_ ? std::string_view(*held_) : std::string_view();
    QElapsedTimer turn;
    turn.start();
    view_->SendScintilla(Sci::SCI_SETREADONLY, 0UL);
    while (filledTo_ < text.size()) {
        std::size_t end = std::min(text.size(), filledTo_ + kSlice);
        // A slice ends after a line end, so that no character and no CR LF is
        // cut in two.
        if (end < text.size()) {
            const std::size_t lineEnd = text.substr(filledTo_, end - filledTo_).rfind('\n');
            if (lineEnd != std::string_view::npos) end = filledTo_ + lineEnd + 1;
        }
        view_->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(end - filledTo_),
                             text.data() + filledTo_);
        filledTo_ = end;
        if (turn.elapsed() >= kTurnMs) break;
    }
    view_->SendScintilla(Sci::SCI_SETREADONLY, 1UL);
    if (filledTo_ >= text.size()) {
        EndFill();
    } else {
        ShowNote();
        step_.start();
    }
}

void QtScintillaEditor::EndFill() {
    step_.stop();
    view_->SendScintilla(Sci::SCI_SETREADONLY, 0UL);
    view_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    view_->SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    view_->SendScintilla(Sci::SCI_SETSAVEPOINT);
    view_->SendScintilla(Sci::SCI_SETMODEVENTMASK, static_cast<unsigned long>(Sci::SC_MODEVENTMASKALL));
    filling_ = false;
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
    const int percent = size ? static_cast<int>(filledTo_ * 100 / size) : 100;
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
    while (filling_) FillStep();
    return view_;
}

std::string QtScintillaEditor::GetText() const {
    if (!view_ || filling_) return held_ ? *held_ : std::string();
    const auto length = static_cast<std::size_t>(view_->SendScintilla(Sci::SCI_GETLENGTH));
    if (length == 0) return {};
    const auto* bytes =
        reinterpret_cast<const char*>(view_->SendScintilla(Sci::SCI_GETCHARACTERPOINTER));
    const std::string_view text(bytes, length);
    // Enter and pasting give CR LF; anything else that brought a lone CR or
    // LF reads as a line end all the same.
    return OnlyCrLf(text) ? std::string(text) : ToCrLf(text);
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

FileStatus QtScintillaEditor::LoadFile(const std::string& path) {
    return backing_.Load(path, [this](std::string&& text) { Replace(std::move(text)); });
}

FileStatus QtScintillaEditor::SaveFile(const std::string& path) {
    return backing_.Save(path, GetText());
}

}  // namespace tagrota::qt
