// The toolbar and the menu bar on Qt Widgets.

#include "platform/qt/QtToolbar.h"

#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "platform/Translate.h"
#include "platform/qt/QtAccessibility.h"
#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

// The toolbar's images, and the smaller font of its captions.
constexpr int kToolbarIconSize = 24;
constexpr double kToolbarCaptionScale = 0.78;

// A toolbar button whose click leaves the pressed state as it is: the program
// decides what is pressed.
class HoldButton final : public QToolButton {
public:
    using QToolButton::QToolButton;

    // Buttons take little more than their image's or caption's width, so that
    // the whole row fits the window's smallest width, none of it left over for
    // the toolbar's overflow menu.
    QSize sizeHint() const override {
        QSize size = QToolButton::sizeHint();
        constexpr int kPadding = 3;
        int content = iconSize().width();
        if (toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
            content = std::max(content, fontMetrics().horizontalAdvance(text()));
        size.setWidth(std::min(size.width(), content + kPadding));
        return size;
    }

protected:
    void nextCheckState() override {}
};

}  // namespace

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
    // Shown when the window is too narrow for every button: it offers the
    // others.
    if (auto* more = bar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(Q(Tr("QtToolbar", "More Buttons")));
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
        DescribeToolbarButton(*button, entry.Toggle);
        button->setAccessibleName(Q(entry.AccessibleName));
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

}  // namespace tagrota::qt
