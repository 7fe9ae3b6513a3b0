// The simple controls on Qt Widgets: push and picture buttons, the check box,
// the scroll bar, the picture and the line.

#include "platform/qt/QtSimpleControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

// The place of a line: its bounding box, widened by its width to the right and
// downwards, where a line drawn inside its width lies.
ControlPlace LinePlace(const LineShape& line) {
    const int widthTwips = TwipScale::ToTwips(std::max(1, line.Width), kStandardDpi);
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

}  // namespace

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

namespace {

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

}  // namespace

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

}  // namespace tagrota::qt
