#pragma once
// The toolbar and the menu bar on Qt.

#include <QIcon>
#include <QKeySequence>
#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/qt/QtWindow.h"

class QMenuBar;
class QToolBar;
class QToolButton;
class QWidget;

namespace tagrota::qt {

// Buttons with captions under their images. A click reports the button's key
// and leaves the pressed state alone: only the program sets it.
class QtToolbar final : public QtControl, public IToolbar {
public:
    QtToolbar(QtWindow& window, const ControlPlace& place, const ImageList& images,
              const std::vector<ToolbarEntry>& buttons);
    int ButtonValue(const std::string& key) const override;
    void SetButtonValue(const std::string& key, int value) override;
    int ButtonImage(const std::string& key) const override;
    void SetButtonImage(const std::string& key, int image) override;
    void SetOnButtonClick(std::function<void(const std::string& key)> handler) override {
        onClick_ = std::move(handler);
    }
    QToolBar* toolBar() const { return bar_; }
    // The button with the key; nullptr when there is none.
    QToolButton* button(const std::string& key) const;

private:
    struct Button {
        std::string key;
        QToolButton* button;
        int image;
    };
    const Button* Find(const std::string& key) const;
    QIcon IconFor(int image);

    QToolBar* bar_;
    ImageList images_;
    std::vector<Button> buttons_;
    std::map<int, QIcon> icons_;
    std::function<void(const std::string&)> onClick_;
};

// The key sequences of a shortcut written as in MenuEntry ("Ctrl+Shift+Tab"
// is also the Backtab that X11 reports for it).
QList<QKeySequence> KeySequencesOf(const std::string& keys);

class QtMenuBar final : public IMenuBar {
public:
    QtMenuBar(QMenuBar& bar, const std::vector<MenuEntry>& items);
    void SetOnClick(std::function<void(const std::string& name)> handler) override {
        onClick_ = std::move(handler);
    }

private:
    void Build(const std::vector<MenuEntry>& items, const std::string& parent, QWidget& target);

    QObject context_;
    std::function<void(const std::string&)> onClick_;
};

}  // namespace tagrota::qt
