// The tab control on Qt Widgets: its header row, its framed panel, and the
// controls of its tabs, shown only while their tab is in front.

#include "platform/qt/QtTabControl.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <algorithm>

#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

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

ControlPlace WithoutFont(ControlPlace place) {
    place.Font = {};
    return place;
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

std::string QtTabControl::TabDescription(int tab) const {
    return tabBar()->tabToolTip(tab).toStdString();
}

void QtTabControl::SetTabDescription(int tab, const std::string& description) {
    if (tab >= 0 && tab < Tabs()) tabBar()->setTabToolTip(tab, Q(description));
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
