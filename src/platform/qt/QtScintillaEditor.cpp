// The collection's editor on a Scintilla view; a large text is loaded beside
// the event loop.

#include "platform/qt/QtScintillaEditor.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cstddef>
#include <string_view>

#include "platform/TextFile.h"
#include "platform/Translate.h"
#include "platform/qt/QtAccessibility.h"
#include "platform/qt/ScintillaModule.h"

namespace tagrota::qt {

bool HoldsCollection(const ControlPlace& place) {
    return place.Name == "txtRandom";
}

namespace {

// The window looks at the progress of a load this often.
constexpr int kPollMs = 30;

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
    poll_.setInterval(kPollMs);
    QObject::connect(&poll_, &QTimer::timeout, &context_, [this] { CheckLoad(false); });
}

QtScintillaEditor::~QtScintillaEditor() {
    CancelLoad();
    frame_->editor_ = nullptr;
    // The view object goes first; the widget goes with the frame.
    view_.reset();
}

QsciScintilla* QtScintillaEditor::view() const {
    return view_ ? view_->Scintilla() : nullptr;
}

void QtScintillaEditor::FirstUse() {
    if (view_ || failure_) return;
    MakeView();
    if (view_) StartFill();
}

void QtScintillaEditor::MakeView() {
    const ScintillaModule& module = LoadScintillaModule();
    if (!module.make) {
        // The text stays as the program holds it, and is read and saved as
        // it is; the user is told why it does not show.
        failure_ = new QLabel(frame_);
        failure_->setWordWrap(true);
        failure_->setAlignment(Qt::AlignCenter);
        failure_->setMargin(12);
        failure_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        failure_->setTextFormat(Qt::PlainText);
        failure_->setText(QString::fromStdString(
            Format(Tr("QtScintillaEditor",
                      "The collection cannot be shown here: its editor is missing.\n\n%1\n\n"
                      "The collection is kept as it is, and saved unchanged."),
                   {module.error})));
        failure_->setGeometry(frame_->rect());
        failure_->show();
        return;
    }
    view_.reset(module.make(frame_));
    QWidget* widget = view_->Widget();
    // The view is what a screen reader meets: it takes the editor's name.
    SetAccessibleText(*widget, frame_->accessibleName().toStdString(),
                      frame_->accessibleDescription().toStdString());
    widget->setGeometry(frame_->rect());
    frame_->setFocusProxy(widget);
    view_->SetHandlers(
        [this] {
            if (filling_ || changed_) return;
            changed_ = true;
            // Told after the view's event, or on the next turn
            // for a change that came some other way.
            QTimer::singleShot(0, &context_, [this] { AfterEvent(); });
        },
        [this] { AfterEvent(); });
    widget->show();
    if (frame_->hasFocus()) widget->setFocus();
}

void QtScintillaEditor::Resized() {
    if (view_) view_->Widget()->setGeometry(frame_->rect());
    if (failure_) failure_->setGeometry(frame_->rect());
    if (note_ && note_->isVisible()) ShowNote();
}

void QtScintillaEditor::AfterEvent() {
    if (!changed_) return;
    changed_ = false;
    if (onChange_) onChange_();
}

void QtScintillaEditor::StartFill() {
    CancelLoad();
    filling_ = true;
    if (view_->StartFill(held_)) {
        EndFill();
        return;
    }
    ShowNote();
    poll_.start();
}

void QtScintillaEditor::CheckLoad(bool wait) {
    if (!view_ || !filling_) return;
    if (!wait && !view_->LoadDone()) {
        ShowNote();
        return;
    }
    poll_.stop();
    view_->FinishLoad();
    EndFill();
}

void QtScintillaEditor::CancelLoad() {
    poll_.stop();
    if (view_) view_->CancelLoad();
}

void QtScintillaEditor::EndFill() {
    view_->EndFill(locked_);
    filling_ = false;
    changed_ = false;
    held_.reset();
    if (!busy_.empty())
        ShowNote();
    else if (note_)
        note_->hide();
}

void QtScintillaEditor::SetBusyNote(const std::string& note) {
    busy_ = note;
    if (filling_) return;  // the fill's own note stands until it ends
    if (!busy_.empty())
        ShowNote();
    else if (note_)
        note_->hide();
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
    const std::size_t loaded = view_ && filling_ ? view_->Loaded() : size;
    const int percent = size ? static_cast<int>(loaded * 100 / size) : 100;
    if (!filling_ && !busy_.empty())
        note_->setText(QString::fromStdString(busy_));
    else
        note_->setText(QString::fromStdString(Format(
            Tr("QtScintillaEditor", "Loading the text\u2026 %1 %"), {std::to_string(percent)})));
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
    return view();
}

std::string QtScintillaEditor::GetText() const {
    if (!view_ || filling_) return held_ ? *held_ : std::string();
    const std::string_view text = view_->Text();
    // Enter and pasting give CR LF; anything else that brought a lone CR or
    // LF reads as a line end all the same.
    if (!OnlyCrLf(text)) return ToCrLf(text);
    std::string copy;
    ReserveText(copy, text.size());  // its pages at once for a large text
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

namespace {

// Whether the view's text reads as `wanted` (CR LF line ends), without a
// copy of a large text where the two cannot be alike: a lone CR or LF reads
// as two bytes, so a view text with one is shorter than what it reads as.
bool ReadsAs(std::string_view now, std::string_view wanted) {
    if (now.size() > wanted.size()) return false;
    if (now.size() == wanted.size()) return now == wanted;
    return ToCrLf(now) == wanted;
}

}  // namespace

void QtScintillaEditor::Replace(std::string wanted, bool fresh) {
    // A fill under way gives a fresh document anyway.
    const bool shown = view_ && !filling_;
    const bool same = shown   ? ReadsAs(view_->Text(), wanted)
                      : held_ ? wanted == *held_
                              : wanted.empty();
    if (same && !(fresh && shown)) return;
    held_ = wanted.empty() ? nullptr : std::make_shared<const std::string>(std::move(wanted));
    if (view_) StartFill();
    if (onChange_ && !same) onChange_();
}

FileStatus QtScintillaEditor::LoadFile(const std::string& path,
                                       std::optional<PrefetchedText> prefetched) {
    return backing_.Load(
        path, [this](std::string&& text) { Replace(std::move(text), true); },
        std::move(prefetched));
}

FileStatus QtScintillaEditor::SaveFile(const std::string& path) {
    if (view_ && !filling_) {
        // The view's own bytes, without a copy, where they need no change.
        const std::string_view text = view_->Text();
        if (OnlyCrLf(text)) return backing_.Save(path, text);
    }
    return backing_.Save(path, GetText());
}

void QtScintillaEditor::SetLocked(bool locked) {
    locked_ = locked;
    // A view still filling stays read only until it is filled.
    if (view_ && !filling_) view_->SetReadOnly(locked);
}

// Scintilla's save point: an undo back to the text last put in place, or
// marked, makes it unmodified again. Text not yet in the view, or still
// filling it, is as the program put it.
bool QtScintillaEditor::Modified() const {
    return view_ && !filling_ && view_->Modified();
}

void QtScintillaEditor::MarkUnmodified() {
    if (view_ && !filling_) view_->MarkUnmodified();
}

TextSpan QtScintillaEditor::Selection() const {
    if (!view_ || filling_) return {};
    const auto [start, end] = view_->Selection();
    return {start, end - start};
}

void QtScintillaEditor::Select(TextSpan span) {
    scintilla();
    if (!view_) return;
    const std::size_t size = view_->Text().size();
    const std::size_t start = std::min(span.Start, size);
    view_->Select(start, start + std::min(span.Length, size - start));
}

std::optional<TextFound> QtScintillaEditor::Find(const TextQuery& query) const {
    if (!view_ || filling_) return FindInText(held_ ? *held_ : std::string_view(), query, {});
    return FindInText(view_->Text(), query, Selection());
}

void QtScintillaEditor::TakeFocus() {
    scintilla();
    if (view_) view_->Widget()->setFocus();
}

}  // namespace tagrota::qt
