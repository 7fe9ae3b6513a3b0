#pragma once
// The find bar on Qt Widgets: a row of the box for the text to find, Next and
// Previous buttons (arrows), the two option boxes, a note and a close button.
// And the list box, which lists what such a search or a check found.

#include <functional>
#include <string>
#include <vector>

#include "platform/qt/QtWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

namespace tagrota::qt {

class QtFindBar final : public QtControl, public IFindBar {
public:
    QtFindBar(QtWindow& window, const ControlPlace& place);
    std::string FindText() const override;
    void SetFindText(const std::string& text) override;
    bool MatchCase() const override;
    bool WrapAround() const override;
    void SetNote(const std::string& note) override;
    void TakeFocus() override;
    void SetOnFind(std::function<void(bool)> handler) override { onFind_ = std::move(handler); }
    void SetOnClose(std::function<void()> handler) override { onClose_ = std::move(handler); }
    QWidget* FocusWidget() const override;

    QLineEdit* box() const { return box_; }
    QLabel* note() const { return note_; }

private:
    void Find(bool forward) const;

    QLineEdit* box_;
    QToolButton *next_, *previous_;
    QCheckBox *matchCase_, *wrapAround_;
    QLabel* note_;
    QToolButton* close_;
    std::function<void(bool)> onFind_;
    std::function<void()> onClose_;
};

class QtListBox final : public QtControl, public IListBox {
public:
    QtListBox(QtWindow& window, const ControlPlace& place);
    void SetItems(const std::vector<std::string>& items) override;
    int Count() const override;
    int ListIndex() const override;
    void SetOnActivate(std::function<void(int)> handler) override {
        onActivate_ = std::move(handler);
    }
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
    std::function<void(int)> onActivate_;
};

}  // namespace tagrota::qt
