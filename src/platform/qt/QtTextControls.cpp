// The text controls on Qt Widgets: the editor that keeps its text exactly,
// the text box, the read-only rich text and web views, and the label.

#include "platform/qt/QtTextControls.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <string_view>

#include "platform/RichDocument.h"
#include "platform/TextFile.h"
#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

// A plain-text editor where Shift+Enter starts a new line like Enter, instead
// of a line separator character that a file would keep. `onFirstUse` runs once,
// before the widget first shows or takes the focus.
class PlainEditor final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<void()> onFirstUse;

protected:
    void showEvent(QShowEvent* event) override {
        FirstUse();
        QPlainTextEdit::showEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        FirstUse();
        QPlainTextEdit::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            (event->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
            insertPlainText(QStringLiteral("\n"));
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

private:
    void FirstUse() {
        if (!onFirstUse) return;
        const std::function<void()> use = std::move(onFirstUse);
        onFirstUse = nullptr;
        use();
    }
};

Qt::Alignment AlignmentOf(RichAlignment alignment) {
    switch (alignment) {
        case RichAlignment::Center:
            return Qt::AlignHCenter;
        case RichAlignment::Right:
            return Qt::AlignRight;
        case RichAlignment::Justify:
            return Qt::AlignJustify;
        case RichAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

QtLabel::QtLabel(QtWindow& window, const ControlPlace& place, const std::string& caption)
    : QtControl(window, new QLabel(window.ParentFor(place)), place),
      label_(static_cast<QLabel*>(widget())) {
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setText(Q(caption));
    Placed();
    ApplyGeometry();
}

std::string QtLabel::Caption() const {
    return label_->text().toStdString();
}

void QtLabel::SetCaption(const std::string& caption) {
    label_->setText(Q(caption));
    ApplyGeometry();
}

void QtLabel::SetAlignment(LabelAlignment alignment) {
    Qt::Alignment across = Qt::AlignLeft;
    if (alignment == LabelAlignment::Center) across = Qt::AlignHCenter;
    if (alignment == LabelAlignment::Right) across = Qt::AlignRight;
    label_->setAlignment(across | Qt::AlignTop);
    ApplyGeometry();
}

bool QtLabel::FitsCaption() const {
    return !label_->wordWrap();
}

bool QtLabel::CentresCaption() const {
    return (label_->alignment() & Qt::AlignHCenter) != 0;
}

void QtLabel::Placed() {
    const bool wrap = label_->height() >= 2 * label_->fontMetrics().lineSpacing();
    if (wrap == label_->wordWrap()) return;
    label_->setWordWrap(wrap);
    ApplyGeometry();
}

QtWebBrowser::QtWebBrowser(QtWindow& window, const ControlPlace& place)
    : QtControl(window, new QTextBrowser(window.ParentFor(place)), place),
      browser_(static_cast<QTextBrowser*>(widget())) {
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
}

void QtWebBrowser::Navigate(const std::string& path) {
    browser_->setSource(QUrl::fromLocalFile(Q(path)));
}

QtRichTextBox::QtRichTextBox(QtWindow& window, const ControlPlace& place)
    : QtControl(window, new QTextEdit(window.ParentFor(place)), place),
      edit_(static_cast<QTextEdit*>(widget())) {
    edit_->setReadOnly(true);
    edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setLineWrapMode(QTextEdit::WidgetWidth);
}

void QtRichTextBox::SetDocument(const RichDocument& document) {
    QTextDocument* text = edit_->document();
    text->clear();
    text->setDefaultFont(edit_->font());
    QTextCursor cursor(text);
    bool first = true;
    for (const RichParagraph& paragraph : document.Paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(AlignmentOf(paragraph.Alignment));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        first = false;
        for (const RichSpan& span : paragraph.Spans) {
            QTextCharFormat format;
            format.setFontWeight(span.Bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(span.Italic);
            format.setFontUnderline(span.Underline);
            if (span.FontSize > 0) format.setFontPointSize(span.FontSize);
            QString run = Q(span.Text);
            run.remove(QLatin1Char('\r'));
            run.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(run, format);
        }
    }
    edit_->moveCursor(QTextCursor::Start);
}

QtTextBox::QtTextBox(QtWindow& window, const ControlPlace& place)
    : QtControl(window, new QLineEdit(window.ParentFor(place)), place),
      edit_(static_cast<QLineEdit*>(widget())) {
    QObject::connect(edit_, &QLineEdit::textChanged, &context_, [this] {
        if (!setting_ && onChange_) onChange_();
    });
}

std::string QtTextBox::GetText() const {
    return edit_->text().toStdString();
}

void QtTextBox::SetText(const std::string& text) {
    const QString wanted = Q(text);
    if (wanted == edit_->text()) return;
    setting_ = true;
    edit_->setText(wanted);
    setting_ = false;
    if (onChange_) onChange_();
}

QtEditor::QtEditor(QtWindow& window, const ControlPlace& place, IFileSystem& files)
    : QtControl(window, new PlainEditor(window.ParentFor(place)), place),
      edit_(static_cast<QPlainTextEdit*>(widget())),
      backing_(files) {
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setTabStopDistance(QFontMetricsF(edit_->font()).horizontalAdvance(QLatin1Char(' ')) * 8);
    QObject::connect(edit_, &QPlainTextEdit::textChanged, &context_, [this] {
        if (!setting_ && onChange_) onChange_();
    });
    static_cast<PlainEditor*>(edit_)->onFirstUse = [this] { Fill(); };
}

QtEditor::~QtEditor() {
    static_cast<PlainEditor*>(edit_)->onFirstUse = nullptr;
}

QPlainTextEdit* QtEditor::textEdit() const {
    Fill();
    return edit_;
}

void QtEditor::Fill() const {
    if (filled_) return;
    filled_ = true;
    static_cast<PlainEditor*>(edit_)->onFirstUse = nullptr;
    if (!held_) return;
    QString lines = Q(*held_);
    held_.reset();
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setting_ = true;
    edit_->setPlainText(lines);
    setting_ = false;
}

std::string QtEditor::GetText() const {
    if (!filled_) return held_ ? *held_ : std::string();
    // The document's own characters: plain text would turn no-break spaces
    // into spaces. Each paragraph separator is a line end.
    QString text = edit_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text.toStdString();
}

namespace {

// Positions in the document count a line end as one and the rest in UTF-16;
// the program's text has CR LF and UTF-8.
std::size_t BytesBefore(const QString& raw, int position) {
    const QStringView before = QStringView(raw).left(position);
    // U+2029 is three bytes in UTF-8, CR LF two.
    return static_cast<std::size_t>(before.toUtf8().size() -
                                    before.count(QChar::ParagraphSeparator));
}

int PositionAt(std::string_view text, std::size_t offset) {
    const std::string_view before = text.substr(0, std::min(offset, text.size()));
    const auto crLf = static_cast<qsizetype>(std::count(before.begin(), before.end(), '\n'));
    return static_cast<int>(
        QString::fromUtf8(before.data(), static_cast<qsizetype>(before.size())).size() - crLf);
}

}  // namespace

TextSpan QtEditor::Selection() const {
    if (!filled_) return {};
    const QTextCursor cursor = edit_->textCursor();
    const QString raw = edit_->document()->toRawText();
    const std::size_t start = BytesBefore(raw, cursor.selectionStart());
    return {start, BytesBefore(raw, cursor.selectionEnd()) - start};
}

void QtEditor::Select(TextSpan span) {
    QPlainTextEdit* edit = textEdit();
    const std::shared_ptr<const std::string> text = SharedText();
    QTextCursor cursor(edit->document());
    cursor.setPosition(PositionAt(*text, span.Start));
    cursor.setPosition(PositionAt(*text, span.Start + span.Length), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
}

void QtEditor::TakeFocus() {
    textEdit()->setFocus();
}

std::shared_ptr<const std::string> QtEditor::SharedText() const {
    if (filled_) return IEditor::SharedText();
    return held_ ? held_ : std::make_shared<const std::string>();
}

void QtEditor::SetText(const std::string& text) {
    Replace(ToCrLf(text));
}

void QtEditor::Replace(std::string wanted) {
    if (!filled_) {
        if (held_ ? wanted == *held_ : wanted.empty()) return;
        held_ = wanted.empty() ? nullptr : std::make_shared<const std::string>(std::move(wanted));
    } else {
        if (wanted == GetText()) return;
        QString lines = Q(wanted);
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        setting_ = true;
        edit_->setPlainText(lines);
        setting_ = false;
    }
    if (onChange_) onChange_();
}

FileStatus QtEditor::LoadFile(const std::string& path, std::optional<PrefetchedText> prefetched) {
    return backing_.Load(
        path,
        [this](std::string&& text) {
            Replace(std::move(text));
            // A fresh document where the text was the same already.
            if (!filled_) return;
            edit_->document()->clearUndoRedoStacks();
            edit_->document()->setModified(false);
        },
        std::move(prefetched));
}

FileStatus QtEditor::SaveFile(const std::string& path) {
    return backing_.Save(path, GetText());
}

// ---- What the user may change, and where the keyboard goes ----

bool QtTextBox::Locked() const {
    return edit_->isReadOnly();
}

void QtTextBox::SetLocked(bool locked) {
    edit_->setReadOnly(locked);
}

bool QtEditor::Locked() const {
    return edit_->isReadOnly();
}

void QtEditor::SetLocked(bool locked) {
    edit_->setReadOnly(locked);
    // Read-only text can still be selected with the keyboard and copied.
    if (locked)
        edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

// The document's own record: an undo back to the text last put in place, or
// marked, makes it unmodified again. Text not yet in the widget is as the
// program put it.
bool QtEditor::Modified() const {
    return filled_ && edit_->document()->isModified();
}

void QtEditor::MarkUnmodified() {
    if (filled_) edit_->document()->setModified(false);
}

}  // namespace tagrota::qt
