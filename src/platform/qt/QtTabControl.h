#pragma once
// The tab control on Qt: a row of tab headers over a framed panel.

#include <QIcon>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/qt/QtWindow.h"

class QTabBar;
class QWidget;

namespace tagrota::qt {

class TabPanel;

// A row of tab headers over a framed panel. The controls of every tab are
// children of the panel, placed from its top left corner (header included);
// only those of the tab in front are on the screen.
class QtTabControl final : public QtControl, public ITabControl {
public:
    QtTabControl(QtWindow& window, const ControlPlace& place,
                 const std::vector<std::string>& captions, int headerHeight,
                 const ImageList& pictures);
    int Tabs() const override;
    int Tab() const override { return current_; }
    void SetTab(int tab) override;
    std::string TabCaption(int tab) const override;
    void SetTabCaption(int tab, const std::string& caption) override;
    std::string TabPicture(int tab) const override;
    void SetTabPicture(int tab, const std::string& key) override;
    void SetOnChange(std::function<void(int previousTab)> handler) override {
        onChange_ = std::move(handler);
    }
    // The tab's tool tip, which is also what a screen reader says of it.
    std::string TabDescription(int tab) const override;
    void SetTabDescription(int tab, const std::string& description) override;
    QWidget* FocusWidget() const override;

    QTabBar* tabBar() const;
    // The widget that holds the controls of the tabs.
    QWidget* panel() const;
    // A control placed on one of the tabs.
    void Adopt(QtControl& control) { children_.push_back(&control); }

private:
    void Changed(int index);
    // Takes the keyboard focus off a control of the tab just left.
    void MoveFocusToFront();

    TabPanel* panel_;
    ImageList pictures_;
    std::vector<std::string> pictureKeys_;
    std::map<std::string, QIcon> icons_;
    std::vector<QtControl*> children_;
    int current_ = 0;
    std::function<void(int)> onChange_;
};

}  // namespace tagrota::qt
