// What every control on Qt Widgets shares: its place in twips, converted at
// the screen's resolution, its font, and whether it shows. Each family of
// controls has its own file (QtTextControls, QtTabControl, QtToolbar,
// QtSimpleControls); twips, fonts and images are in QtImages.

#include "platform/qt/QtWindow.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>
#include <algorithm>

#include "platform/qt/QtAccessibility.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTabControl.h"

namespace tagrota::qt {

QtControl::QtControl(QtWindow& window, QWidget* widget, const ControlPlace& place)
    : window_(window),
      widget_(widget),
      twips_(place.Bounds),
      tabIndex_(place.TabIndex),
      container_(dynamic_cast<QtTabControl*>(place.Container)),
      tab_(place.Tab) {
    widget_->setObjectName(Q(place.Name));
    SetAccessibleText(*widget_, place.AccessibleName, place.AccessibleDescription);
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

void DrawFocusMark(QWidget& widget, const QRect& area) {
    QStylePainter painter(&widget);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = area;
    option.backgroundColor = widget.palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace tagrota::qt
