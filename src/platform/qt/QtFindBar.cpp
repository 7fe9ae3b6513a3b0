#include "platform/qt/QtFindBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "platform/Translate.h"
#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

// Enter finds the next match, Shift+Enter the previous one.
class FindBox final : public QLineEdit {
public:
    FindBox(QWidget* parent, std::function<void(bool)> find)
        : QLineEdit(parent), find_(std::move(find)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            find_(!(event->modifiers() & Qt::ShiftModifier));
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    std::function<void(bool)> find_;
};

}  // namespace

QtFindBar::QtFindBar(QtWindow& window, const ControlPlace& place)
    : QtControl(window, new QWidget(window.ParentFor(place)), place) {
    QWidget* bar = widget();
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(4);
    box_ = new FindBox(bar, [this](bool forward) { Find(forward); });
    box_->setPlaceholderText(Q(Tr("QtFindBar", "Find")));
    box_->setClearButtonEnabled(true);
    box_->setAccessibleName(Q(Tr("QtFindBar", "Find")));
    for (auto* clear : box_->findChildren<QToolButton*>())
        clear->setAccessibleName(Q(Tr("QtFindBar", "Clear")));
    // Arrows rather than captions leave the box room at the window's
    // smallest.
    auto arrow = [bar](Qt::ArrowType type, const std::string& name, const std::string& tip) {
        auto* button = new QToolButton(bar);
        button->setArrowType(type);
        button->setAccessibleName(Q(name));
        button->setToolTip(Q(tip));
        button->setAutoRaise(true);
        return button;
    };
    next_ = arrow(Qt::DownArrow, Tr("QtFindBar", "Find Next"), Tr("QtFindBar", "Next (F3, Enter)"));
    previous_ = arrow(Qt::UpArrow, Tr("QtFindBar", "Find Previous"),
                      Tr("QtFindBar", "Previous (Shift+F3, Shift+Enter)"));
    matchCase_ = new QCheckBox(Q(Tr("QtFindBar", "Match case")), bar);
    wrapAround_ = new QCheckBox(Q(Tr("QtFindBar", "Wrap around")), bar);
    wrapAround_->setChecked(true);
    note_ = new QLabel(bar);
    close_ = new QToolButton(bar);
    close_->setText(QStringLiteral("\u00d7"));
    close_->setToolTip(Q(Tr("QtFindBar", "Close the find bar (Escape)")));
    close_->setAccessibleName(Q(Tr("QtFindBar", "Close the Find Bar")));
    close_->setAutoRaise(true);
    row->addWidget(box_, 1);
    row->addWidget(next_);
    row->addWidget(previous_);
    row->addWidget(matchCase_);
    row->addWidget(wrapAround_);
    row->addWidget(note_);
    row->addWidget(close_);
    QObject::connect(next_, &QToolButton::clicked, bar, [this] { Find(true); });
    QObject::connect(previous_, &QToolButton::clicked, bar, [this] { Find(false); });
    QObject::connect(close_, &QToolButton::clicked, bar, [this] {
        if (onClose_) onClose_();
    });
}

void QtFindBar::Find(bool forward) const {
    if (onFind_) onFind_(forward);
}

std::string QtFindBar::FindText() const {
    return box_->text().toStdString();
}

void QtFindBar::SetFindText(const std::string& text) {
    box_->setText(Q(text));
}

bool QtFindBar::MatchCase() const {
    return matchCase_->isChecked();
}

bool QtFindBar::WrapAround() const {
    return wrapAround_->isChecked();
}

void QtFindBar::SetNote(const std::string& note) {
    note_->setText(Q(note));
}

void QtFindBar::TakeFocus() {
    box_->setFocus(Qt::ShortcutFocusReason);
    box_->selectAll();
}

QWidget* QtFindBar::FocusWidget() const {
    return box_;
}

QtListBox::QtListBox(QtWindow& window, const ControlPlace& place)
    : QtControl(window, new QListWidget(window.ParentFor(place)), place),
      list_(static_cast<QListWidget*>(widget())) {
    list_->setWordWrap(true);
    QObject::connect(list_, &QListWidget::itemActivated, list_, [this](QListWidgetItem* item) {
        if (onActivate_) onActivate_(list_->row(item));
    });
}

void QtListBox::SetItems(const std::vector<std::string>& items) {
    list_->clear();
    for (const std::string& item : items) list_->addItem(Q(item));
    if (!items.empty()) list_->setCurrentRow(0);
}

int QtListBox::Count() const {
    return list_->count();
}

int QtListBox::ListIndex() const {
    return list_->currentRow();
}

}  // namespace tagrota::qt
