#pragma once
// The simple controls on Qt: the push button, the picture button, the check
// box, the scroll bar, the picture and the line.

#include <functional>
#include <string>

#include "platform/qt/QtWindow.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tagrota::qt {

// A push button with a caption, widened about its centre where the caption
// needs it. Like every push button it answers Enter while it has the focus;
// the window's default and cancel buttons answer Enter and Escape anywhere in
// the window.
class QtButton final : public QtControl, public IButton {
public:
    QtButton(QtWindow& window, const ControlPlace& place, const std::string& caption, int keys);
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    int Keys() const { return keys_; }
    QPushButton* button() const { return button_; }

private:
    bool FitsCaption() const override { return true; }
    bool CentresCaption() const override { return true; }
    QPushButton* button_;
    int keys_;
    std::function<void()> onClick_;
};

// A picture without a border, at the image's natural size.
class QtPicture final : public QtControl {
public:
    QtPicture(QtWindow& window, const ControlPlace& place, const std::string& image);
    QLabel* label() const { return label_; }

private:
    QLabel* label_;
};

// A line, as a widget that paints it and lets the mouse through.
class QtLine final : public QtControl {
public:
    QtLine(QtWindow& window, const LineShape& line);
};

class QtPictureButton final : public QtControl, public IButton {
public:
    QtPictureButton(QtWindow& window, const ControlPlace& place, const std::string& image);
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    QPushButton* button() const { return button_; }

private:
    void Placed() override;
    QPushButton* button_;
    std::function<void()> onClick_;
};

class QtCheckBox final : public QtControl, public ICheckBox {
public:
    QtCheckBox(QtWindow& window, const ControlPlace& place, const std::string& caption);
    int Value() const override;
    void SetValue(int value) override;
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    QCheckBox* checkBox() const { return box_; }

private:
    bool FitsCaption() const override { return true; }
    QCheckBox* box_;
    std::function<void()> onClick_;
};

class QtScrollBar final : public QtControl, public IScrollBar {
public:
    QtScrollBar(QtWindow& window, const ControlPlace& place, int min, int max, int smallChange,
                int largeChange, int value);
    int Min() const override;
    int Max() const override;
    int SmallChange() const override;
    int LargeChange() const override;
    int Value() const override;
    void SetValue(int value) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    QScrollBar* scrollBar() const { return bar_; }

private:
    QScrollBar* bar_;
    std::function<void()> onChange_;
};

}  // namespace tagrota::qt
