#include "platform/qt/QtAccessibility.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>

#include "platform/Translate.h"
#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

// The property that marks a toolbar button for the factory below: true for a
// toggle, false for a plain push button.
constexpr const char* kToolbarButton = "tagrotaToolbarButton";

class ToolbarButtonAccessible final : public QAccessibleWidget {
public:
    explicit ToolbarButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::PushButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Button()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (Toggle()) {
            state.checkable = true;
            state.checked = Button()->isChecked();
        }
        state.pressed = Button()->isDown() || (Toggle() && Button()->isChecked());
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{Toggle() ? toggleAction() : pressAction()} +
               QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
    bool Toggle() const { return widget()->property(kToolbarButton).toBool(); }
};

QAccessibleInterface* ToolbarButtonFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<QAbstractButton*>(object);
        button && button->property(kToolbarButton).isValid())
        return new ToolbarButtonAccessible(button);
    return nullptr;
}

}  // namespace

void SetAccessibleText(QWidget& widget, const std::string& name, const std::string& description) {
    if (!name.empty()) widget.setAccessibleName(Q(name));
    if (!description.empty()) widget.setAccessibleDescription(Q(description));
    NameScrollBars(widget);
}

void NameScrollBars(QWidget& widget) {
    auto* area = qobject_cast<QAbstractScrollArea*>(&widget);
    if (!area) return;
    area->verticalScrollBar()->setAccessibleName(Q(Tr("QtAccessibility", "Vertical")));
    area->horizontalScrollBar()->setAccessibleName(Q(Tr("QtAccessibility", "Horizontal")));
}

void DescribeToolbarButton(QAbstractButton& button, bool toggle) {
    static const bool installed = [] {
        QAccessible::installFactory(ToolbarButtonFactory);
        return true;
    }();
    (void)installed;
    button.setProperty(kToolbarButton, toggle);
    // One Qt made already, before the mark, would be kept.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&button);
    if (made && !dynamic_cast<ToolbarButtonAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace tagrota::qt
