// The controls on Qt Widgets: twips and pixels, fonts, images, and each kind
// of control with the widget behind it.

#include "platform/qt/QtWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/RichDocument.h"
#include "platform/TextFile.h"
#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

bool HasFont(const TextFont& wanted) {
    return !wanted.Name.empty() || wanted.Size > 0;
}

// The toolbar's images, and the smaller font of its captions.
constexpr int kToolbarIconSize = 24;
constexpr double kToolbarCaptionScale = 0.78;

// Whether a font family is installed. Asking the font database resolves the
// name through the system's font configuration each time, and every control
// with a font asks: the answers are kept for the run.
bool Installed(const QString& family) {
    static QHash<QString, bool> known;
    auto found = known.constFind(family);
    if (found == known.constEnd()) found = known.insert(family, QFontDatabase::hasFamily(family));
    return found.value();
}

// A condensed sans-serif: a narrow family where one is installed, otherwise
// the default sans-serif drawn condensed.
QFont NarrowFont() {
    for (const char* family :
         {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"}) {
        if (Installed(QString::fromLatin1(family))) {
            QFont font = QApplication::font();
            font.setFamily(QString::fromLatin1(family));
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStretch(QFont::Condensed);
    return font;
}

// The frame of a tab control's panel, drawn as the style draws a tab page, with
// the opening for the tab in front.
class PanelFrame final : public QWidget {
public:
    PanelFrame(QWidget* parent, QTabBar& bar) : QWidget(parent), bar_(bar) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.shape = QTabBar::RoundedNorth;
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        option.tabBarSize = bar_.size();
        const int current = bar_.currentIndex();
        if (current >= 0) {
            const QRect tab = bar_.tabRect(current);
            option.selectedTabRect =
                QRect(mapFromGlobal(bar_.mapToGlobal(tab.topLeft())), tab.size());
        }
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
    }

private:
    QTabBar& bar_;
};

// The style's focus frame around a part of a widget, for widgets whose style
// marks no focus of its own.
void DrawFocusMark(QWidget& widget, const QRect& area) {
    QStylePainter painter(&widget);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = area;
    option.backgroundColor = widget.palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

// Tabs that fill the height of the header, however tall it is. With the
// focus, the tab in front shows a focus frame.
class HeaderBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(std::max(size.height(), height()));
        return size;
    }
    void paintEvent(QPaintEvent* event) override {
        QTabBar::paintEvent(event);
        if (hasFocus() && currentIndex() >= 0)
            DrawFocusMark(*this, tabRect(currentIndex()).adjusted(4, 4, -4, -3));
    }
};

// A scroll bar that shows a focus frame while it has the focus.
class FocusScrollBar final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (hasFocus()) DrawFocusMark(*this, rect());
    }
};

// A toolbar button whose click leaves the pressed state as it is: the program
// decides what is pressed.
class HoldButton final : public QToolButton {
public:
    using QToolButton::QToolButton;

    // Captioned buttons take little more than their caption's width, so that
    // a row of them fits the window's usual width.
    QSize sizeHint() const override {
        QSize size = QToolButton::sizeHint();
        if (toolButtonStyle() == Qt::ToolButtonTextUnderIcon) {
            constexpr int kPadding = 4;
            const int content =
                std::max(iconSize().width(), fontMetrics().horizontalAdvance(text()));
            size.setWidth(std::min(size.width(), content + kPadding));
        }
        return size;
    }

protected:
    void nextCheckState() override {}
};

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

// An icon that reads its image files only when it is first drawn or asked
// about. The window, its toolbar and its tabs hold some twenty pictures in
// several sizes; decoding them all while the window is composed would hold up
// the first signature.
class LateImageEngine final : public QIconEngine {
public:
    explicit LateImageEngine(QStringList files) : files_(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // At the scale of 1 the icon's engine is asked for exactly this size; the
    // icon that holds this engine deals with the scale.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, 1.0, mode, state);
    }
    // On a high-resolution screen: the picture drawn for that scale (the @2x
    // file where there is one), not a small one stretched.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override {
        Icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& file, const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override {
        Icon().addFile(file, size, mode, state);
    }
    // Only files that exist are given, so the icon has pictures before they
    // are read.
    bool isNull() override { return files_.isEmpty() && icon_.isNull(); }
    QString key() const override { return QStringLiteral("TagrotaLateImage"); }
    QIconEngine* clone() const override { return new LateImageEngine(*this); }

private:
    LateImageEngine(const LateImageEngine&) = default;

    QIcon& Icon() {
        if (!files_.isEmpty()) {
            for (const QString& file : std::as_const(files_)) icon_.addFile(file);
            files_.clear();
        }
        return icon_;
    }

    QStringList files_;  // still to be read
    QIcon icon_;
};

ControlPlace WithoutFont(ControlPlace place) {
    place.Font = {};
    return place;
}

// The place of a line: its bounding box, widened by its width to the right and
// downwards, where a line drawn inside its width lies.
ControlPlace LinePlace(const LineShape& line) {
    const int widthTwips = TwipScale::ToTwips(std::max(1, line.Width), 96);
    ControlPlace place;
    place.Name = line.Name;
    place.Bounds = {std::min(line.X1, line.X2), std::min(line.Y1, line.Y2),
                    std::abs(line.X2 - line.X1) + widthTwips,
                    std::abs(line.Y2 - line.Y1) + widthTwips};
    return place;
}

class LineWidget final : public QWidget {
public:
    LineWidget(QWidget* parent, const LineShape& line) : QWidget(parent), line_(line) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int width = std::max(1, line_.Width);
        QPen pen(QColor::fromRgb(line_.Color), width);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        // From the corner of the box that each end lies nearest, moved half the
        // width inwards.
        const double half = width / 2.0;
        const bool down = (line_.X2 - line_.X1) * (line_.Y2 - line_.Y1) >= 0;
        const double left = half, right = this->width() - half;
        const double top = half, bottom = height() - half;
        if (line_.Y1 == line_.Y2)
            painter.drawLine(QPointF(0, top), QPointF(this->width(), top));
        else if (line_.X1 == line_.X2)
            painter.drawLine(QPointF(left, 0), QPointF(left, height()));
        else if (down)
            painter.drawLine(QPointF(left, top), QPointF(right, bottom));
        else
            painter.drawLine(QPointF(left, bottom), QPointF(right, top));
    }

private:
    LineShape line_;
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

// The tab control's widget: the header row over the framed panel. The
// controls of the tabs are its children too, above the frame.
class TabPanel final : public QWidget {
public:
    TabPanel(QWidget* parent, int headerPixels)
        : QWidget(parent),
          bar_(new HeaderBar(this)),
          frame_(new PanelFrame(this, *bar_)),
          header_(headerPixels) {
        bar_->raise();
        QObject::connect(bar_, &QTabBar::currentChanged, frame_, [this] { frame_->update(); });
    }
    QTabBar* Bar() const { return bar_; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        // The header overlaps the frame's top edge, as on a tab widget, so the
        // tab in front joins its page.
        const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, bar_);
        bar_->setGeometry(0, 0, width(), header_);
        const int top = std::max(0, header_ - overlap);
        frame_->setGeometry(0, top, width(), std::max(0, height() - top));
    }

private:
    QTabBar* bar_;
    PanelFrame* frame_;
    int header_;
};

// ---- Twips, fonts and images ----

int TwipScale::ToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

int TwipScale::ToTwips(int pixels, double dpi) {
    return dpi > 0 ? static_cast<int>(std::lround(pixels * 1440.0 / dpi)) : pixels * 15;
}

QRect TwipScale::ToPixels(const Rect& twips) const {
    return QRect(ToPixels(twips.Left, dpiX), ToPixels(twips.Top, dpiY),
                 std::max(0, ToPixels(twips.Width, dpiX)),
                 std::max(0, ToPixels(twips.Height, dpiY)));
}

Rect TwipScale::ToTwips(const QRect& pixels, const Rect& last) const {
    auto back = [](int px, int lastTwips, double dpi) {
        return ToPixels(lastTwips, dpi) == px ? lastTwips : ToTwips(px, dpi);
    };
    return {back(pixels.x(), last.Left, dpiX), back(pixels.y(), last.Top, dpiY),
            back(pixels.width(), last.Width, dpiX), back(pixels.height(), last.Height, dpiY)};
}

TwipScale ScaleOf(const QWidget* widget) {
    QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

QFont FontFor(const TextFont& wanted) {
    QFont font = QApplication::font();
    if (!wanted.Name.empty()) {
        const QString family = Q(wanted.Name);
        const QString name = family.toLower();
        // An installed font is taken as it is; so is an unknown one that is
        // not, after the stand-ins for the known ones.
        if (Installed(family)) {  // NOLINT(bugprone-branch-clone)
            font.setFamily(family);
        } else if (name == u"courier new" || name == u"courier") {
            font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        } else if (name == u"ms sans serif" || name == u"ms shell dlg") {
            font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        } else if (name.contains(u"narrow")) {
            font = NarrowFont();
        } else {
            // Let the font configuration find its nearest.
            font.setFamily(family);
        }
    }
    if (wanted.Size > 0) font.setPointSizeF(wanted.Size);
    return font;
}

QIcon ImageIcon(const std::string& name) {
    if (name.empty()) return {};
    const QString base = QStringLiteral(":/images/") + Q(name);
    QStringList files;
    for (const char* suffix : {".png", "@2x.png", "-16.png", "-24.png", "-32.png", "-48.png",
                               "-64.png", "-128.png", "-256.png"}) {
        const QString file = base + QLatin1String(suffix);
        if (QFile::exists(file)) files.append(file);
    }
    if (files.isEmpty()) return {};
    return QIcon(new LateImageEngine(std::move(files)));
}

// ---- Controls ----

QtControl::QtControl(QtWindow& window, QWidget* widget, const ControlPlace& place)
    : window_(window),
      widget_(widget),
      twips_(place.Bounds),
      tabIndex_(place.TabIndex),
      container_(dynamic_cast<QtTabControl*>(place.Container)),
      tab_(place.Tab) {
    widget_->setObjectName(Q(place.Name));
    if (HasFont(place.Font)) widget_->setFont(FontFor(place.Font));
    ApplyGeometry();
    if (container_) container_->Adopt(*this);
    UpdateShowing();
}

Rect QtControl::Bounds() const {
    return window_.Scale().ToTwips(placed_, twips_);
}

void QtControl::SetBounds(const Rect& bounds) {
    twips_ = bounds;
    ApplyGeometry();
    Placed();
}

void QtControl::ApplyGeometry() {
    placed_ = window_.Scale().ToPixels(twips_);
    QRect r = placed_;
    // The designed sizes suit the narrow fonts they were drawn for; a wider
    // stand-in font must not cut a caption short.
    if (FitsCaption()) {
        const int wanted = widget_->sizeHint().width();
        if (wanted > r.width() && CentresCaption()) r.translate(-(wanted - r.width()) / 2, 0);
        r.setWidth(std::max(r.width(), wanted));
    }
    widget_->setGeometry(r);
}

void QtControl::SetVisible(bool visible) {
    visible_ = visible;
    UpdateShowing();
}

void QtControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

bool QtControl::IsShowing() const {
    return visible_ && (!container_ || container_->Tab() == tab_);
}

void QtControl::UpdateShowing() {
    widget_->setVisible(IsShowing());
}

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

QtButton::QtButton(QtWindow& window, const ControlPlace& place, const std::string& caption,
                   int keys)
    : QtControl(window, new QPushButton(window.ParentFor(place)), place),
      button_(static_cast<QPushButton*>(widget())),
      keys_(keys) {
    button_->setText(Q(caption));
    button_->setAutoDefault(true);
    button_->setDefault((keys & ButtonKeys::Enter) != 0);
    ApplyGeometry();
    QObject::connect(button_, &QPushButton::clicked, &context_, [this] {
        if (onClick_) onClick_();
    });
}

QtPicture::QtPicture(QtWindow& window, const ControlPlace& place, const std::string& image)
    : QtControl(window, new QLabel(window.ParentFor(place)), place),
      label_(static_cast<QLabel*>(widget())) {
    // An image file at its size; an icon at the standard icon size.
    constexpr int kIconSize = 32;
    QPixmap picture(QStringLiteral(":/images/") + Q(image) + QStringLiteral(".png"));
    if (picture.isNull()) picture = ImageIcon(image).pixmap(QSize(kIconSize, kIconSize));
    label_->setPixmap(picture);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QtLine::QtLine(QtWindow& window, const LineShape& line)
    : QtControl(window, new LineWidget(window.clientArea(), line), LinePlace(line)) {}

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

QtPictureButton::QtPictureButton(QtWindow& window, const ControlPlace& place,
                                 const std::string& image)
    : QtControl(window, new QPushButton(window.ParentFor(place)), place),
      button_(static_cast<QPushButton*>(widget())) {
    button_->setIcon(ImageIcon(image));
    QObject::connect(button_, &QPushButton::clicked, &context_, [this] {
        if (onClick_) onClick_();
    });
    Placed();
}

void QtPictureButton::Placed() {
    // The picture fills the button inside its bevel.
    constexpr int kBevel = 8;
    const int side = std::max(8, std::min(button_->width(), button_->height()) - kBevel);
    button_->setIconSize(QSize(side, side));
}

QtCheckBox::QtCheckBox(QtWindow& window, const ControlPlace& place, const std::string& caption)
    : QtControl(window, new QCheckBox(window.ParentFor(place)), place),
      box_(static_cast<QCheckBox*>(widget())) {
    box_->setText(Q(caption));
    ApplyGeometry();
    QObject::connect(box_, &QCheckBox::toggled, &context_, [this] {
        if (onClick_) onClick_();
    });
}

int QtCheckBox::Value() const {
    return box_->isChecked() ? 1 : 0;
}

void QtCheckBox::SetValue(int value) {
    box_->setChecked(value != 0);
}

QtScrollBar::QtScrollBar(QtWindow& window, const ControlPlace& place, int min, int max,
                         int smallChange, int largeChange, int value)
    : QtControl(window, new FocusScrollBar(Qt::Horizontal, window.ParentFor(place)), place),
      bar_(static_cast<QScrollBar*>(widget())) {
    // Right and End raise the value, Left and Home lower it, as the arrows
    // point (Qt's scroll bars answer the keys the other way round).
    bar_->setInvertedControls(false);
    bar_->setRange(min, max);
    bar_->setSingleStep(smallChange);
    bar_->setPageStep(largeChange);
    bar_->setValue(value);
    // While the thumb is dragged the value waits for its release.
    bar_->setTracking(false);
    bar_->setFocusPolicy(Qt::TabFocus);
    QObject::connect(bar_, &QScrollBar::valueChanged, &context_, [this] {
        if (onChange_) onChange_();
    });
}

int QtScrollBar::Min() const {
    return bar_->minimum();
}
int QtScrollBar::Max() const {
    return bar_->maximum();
}
int QtScrollBar::SmallChange() const {
    return bar_->singleStep();
}
int QtScrollBar::LargeChange() const {
    return bar_->pageStep();
}
int QtScrollBar::Value() const {
    return bar_->value();
}

void QtScrollBar::SetValue(int value) {
    bar_->setValue(value);
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
        path, [this](std::string&& text) { Replace(std::move(text)); }, std::move(prefetched));
}

FileStatus QtEditor::SaveFile(const std::string& path) {
    return backing_.Save(path, GetText());
}

QtTabControl::QtTabControl(QtWindow& window, const ControlPlace& place,
                           const std::vector<std::string>& captions, int headerHeight,
                           const ImageList& pictures)
    : QtControl(window,
                new TabPanel(window.ParentFor(place),
                             TwipScale::ToPixels(headerHeight, window.Scale().dpiY)),
                WithoutFont(place)),
      panel_(static_cast<TabPanel*>(widget())),
      pictures_(pictures),
      pictureKeys_(captions.size()) {
    // The font is the headers' only; the controls on the tabs have their own.
    QTabBar* bar = panel_->Bar();
    if (HasFont(place.Font)) bar->setFont(FontFor(place.Font));
    bar->setDrawBase(false);
    bar->setIconSize(QSize(pictures.Width() > 0 ? pictures.Width() : 16,
                           pictures.Height() > 0 ? pictures.Height() : 16));
    for (const std::string& caption : captions) bar->addTab(Q(caption));
    current_ = bar->currentIndex();
    QObject::connect(bar, &QTabBar::currentChanged, &context_,
                     [this](int index) { Changed(index); });
}

QTabBar* QtTabControl::tabBar() const {
    return panel_->Bar();
}

QWidget* QtTabControl::panel() const {
    return panel_;
}

QWidget* QtTabControl::FocusWidget() const {
    return panel_->Bar();
}

int QtTabControl::Tabs() const {
    return tabBar()->count();
}

void QtTabControl::SetTab(int tab) {
    if (tab < 0 || tab >= Tabs() || tab == current_) return;
    tabBar()->setCurrentIndex(tab);
}

void QtTabControl::Changed(int index) {
    if (index < 0 || index == current_) return;
    const int previous = current_;
    current_ = index;
    for (QtControl* control : children_) control->UpdateShowing();
    MoveFocusToFront();
    if (onChange_) onChange_(previous);
}

std::string QtTabControl::TabCaption(int tab) const {
    return tabBar()->tabText(tab).toStdString();
}

void QtTabControl::SetTabCaption(int tab, const std::string& caption) {
    if (tab >= 0 && tab < Tabs()) tabBar()->setTabText(tab, Q(caption));
}

std::string QtTabControl::TabPicture(int tab) const {
    return tab >= 0 && tab < Tabs() ? pictureKeys_[static_cast<std::size_t>(tab)] : std::string();
}

void QtTabControl::SetTabPicture(int tab, const std::string& key) {
    if (tab < 0 || tab >= Tabs()) return;
    pictureKeys_[static_cast<std::size_t>(tab)] = key;
    QIcon icon;
    if (const ImageListEntry* entry = pictures_.Item(pictures_.IndexOf(key))) {
        auto found = icons_.find(entry->Image);
        if (found == icons_.end())
            found = icons_.emplace(entry->Image, ImageIcon(entry->Image)).first;
        icon = found->second;
    }
    tabBar()->setTabIcon(tab, icon);
}

QtToolbar::QtToolbar(QtWindow& window, const ControlPlace& place, const ImageList& images,
                     const std::vector<ToolbarEntry>& buttons)
    : QtControl(window, new QToolBar(window.clientArea()), place),
      bar_(static_cast<QToolBar*>(widget())),
      images_(images) {
    bar_->setMovable(false);
    bar_->setFloatable(false);
    bar_->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    bar_->setContentsMargins(0, 0, 0, 0);
    // Narrow gaps leave room for the captions at the window's smallest width.
    bar_->setStyleSheet(QStringLiteral("QToolBar::separator { width: 5px; }"));
    if (QLayout* layout = bar_->layout()) {
        layout->setContentsMargins(1, 1, 1, 1);
        layout->setSpacing(1);
    }
    // Every button fits the toolbar's height, captions included.
    const int buttonHeight = std::max(kToolbarIconSize, bar_->height() - 2);
    QFont captionFont = bar_->font();
    if (captionFont.pointSizeF() > 0)
        captionFont.setPointSizeF(captionFont.pointSizeF() * kToolbarCaptionScale);

    for (const ToolbarEntry& entry : buttons) {
        if (entry.Key.empty() && entry.Image == 0) {
            bar_->addSeparator();
            continue;
        }
        auto* button = new HoldButton(bar_);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(captionFont);
        button->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
        button->setText(Q(entry.Caption));
        button->setToolTip(Q(entry.ToolTip));
        button->setToolButtonStyle(entry.Caption.empty() ? Qt::ToolButtonIconOnly
                                                         : Qt::ToolButtonTextUnderIcon);
        button->setIcon(IconFor(entry.Image));
        button->setFixedHeight(buttonHeight);
        bar_->addWidget(button);
        const std::string key = entry.Key;
        QObject::connect(button, &QToolButton::clicked, &context_, [this, key] {
            if (onClick_) onClick_(key);
        });
        buttons_.push_back({entry.Key, button, entry.Image});
    }
}

QIcon QtToolbar::IconFor(int image) {
    const ImageListEntry* entry = images_.Item(image);
    if (!entry) return {};
    auto found = icons_.find(image);
    if (found == icons_.end()) found = icons_.emplace(image, ImageIcon(entry->Image)).first;
    return found->second;
}

const QtToolbar::Button* QtToolbar::Find(const std::string& key) const {
    for (const Button& button : buttons_)
        if (button.key == key) return &button;
    return nullptr;
}

QToolButton* QtToolbar::button(const std::string& key) const {
    const Button* found = Find(key);
    return found ? found->button : nullptr;
}

int QtToolbar::ButtonValue(const std::string& key) const {
    const Button* found = Find(key);
    return found && found->button->isChecked() ? 1 : 0;
}

void QtToolbar::SetButtonValue(const std::string& key, int value) {
    if (const Button* found = Find(key)) found->button->setChecked(value != 0);
}

int QtToolbar::ButtonImage(const std::string& key) const {
    const Button* found = Find(key);
    return found ? found->image : 0;
}

void QtToolbar::SetButtonImage(const std::string& key, int image) {
    for (Button& button : buttons_) {
        if (button.key != key) continue;
        button.image = image;
        button.button->setIcon(IconFor(image));
    }
}

QtMenuBar::QtMenuBar(QMenuBar& bar, const std::vector<MenuEntry>& items) {
    Build(items, std::string(), bar);
}

void QtMenuBar::Build(const std::vector<MenuEntry>& items, const std::string& parent,
                      QWidget& target) {
    auto* bar = qobject_cast<QMenuBar*>(&target);
    auto* menu = qobject_cast<QMenu*>(&target);
    for (const MenuEntry& item : items) {
        if (item.Parent != parent) continue;
        if (item.Caption == "-") {
            if (menu)
                menu->addSeparator();
            else if (bar)
                bar->addSeparator();
            continue;
        }
        const bool hasChildren = std::any_of(
            items.begin(), items.end(), [&](const MenuEntry& c) { return c.Parent == item.Name; });
        if (hasChildren) {
            QMenu* sub = menu ? menu->addMenu(Q(item.Caption)) : bar->addMenu(Q(item.Caption));
            sub->setObjectName(Q(item.Name));
            Build(items, item.Name, *sub);
            continue;
        }
        QAction* action = menu ? menu->addAction(Q(item.Caption)) : bar->addAction(Q(item.Caption));
        action->setObjectName(Q(item.Name));
        if (!item.Shortcut.empty()) action->setShortcuts(KeySequencesOf(item.Shortcut));
        const std::string name = item.Name;
        QObject::connect(action, &QAction::triggered, &context_, [this, name] {
            if (onClick_) onClick_(name);
        });
    }
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

// A control of the tab just left that kept the focus would still take the
// keys: typing and edit shortcuts would change text nobody sees. The focus
// goes to the first control of the tab in front, or to the headers. Done
// also while the window is not active, where it takes effect when it is.
void QtTabControl::MoveFocusToFront() {
    QWidget* top = panel_->window();
    QWidget* focused = top->focusWidget();
    if (!focused || !panel_->isAncestorOf(focused) || focused->isVisibleTo(top)) return;
    const QtControl* first = nullptr;
    for (const QtControl* control : children_) {
        const QWidget* w = control->FocusWidget();
        if (control->IsShowing() && control->TabIndex() >= 0 && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) &&
            (!first || control->TabIndex() < first->TabIndex()))
            first = control;
    }
    (first ? first->FocusWidget() : panel_->Bar())->setFocus(Qt::OtherFocusReason);
}

}  // namespace tagrota::qt
