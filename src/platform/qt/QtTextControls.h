#pragma once
// The text controls on Qt: the editor, the text box, the rich-text box, the
// web browser and the label.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt/QtWindow.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextBrowser;
class QTextEdit;

namespace tagrota::qt {

// A label of one line is widened to its caption; a label as high as two
// lines or more wraps its caption at its width.
class QtLabel final : public QtControl, public ILabel {
public:
    QtLabel(QtWindow& window, const ControlPlace& place, const std::string& caption);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void SetAlignment(LabelAlignment alignment) override;
    QLabel* label() const { return label_; }

private:
    bool FitsCaption() const override;
    bool CentresCaption() const override;
    void Placed() override;
    QLabel* label_;
};

class QtWebBrowser final : public QtControl, public IWebBrowser {
public:
    QtWebBrowser(QtWindow& window, const ControlPlace& place);
    void Navigate(const std::string& path) override;
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

class QtRichTextBox final : public QtControl, public IRichTextBox {
public:
    QtRichTextBox(QtWindow& window, const ControlPlace& place);
    void SetDocument(const RichDocument& document) override;
    QTextEdit* textEdit() const { return edit_; }

private:
    QTextEdit* edit_;
};

class QtTextBox final : public QtControl, public ITextBox {
public:
    QtTextBox(QtWindow& window, const ControlPlace& place);
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    bool Locked() const override;
    void SetLocked(bool locked) override;
    QLineEdit* lineEdit() const { return edit_; }

private:
    QLineEdit* edit_;
    bool setting_ = false;
    std::function<void()> onChange_;
};

// A plain-text editor that keeps its text exactly: no-break spaces, tabs and
// trailing spaces survive, and every line end reads back as CR LF.
//
// Filling a text widget costs far more time and memory than the text itself,
// and a collection can be large, so the editor holds its text as a string
// until the widget is first wanted: the first time it shows or takes the
// focus, or textEdit() is asked for. Text, notifications, loads and saves are
// the same before and after.
class QtEditor final : public QtControl, public IEditor {
public:
    QtEditor(QtWindow& window, const ControlPlace& place, IFileSystem& files);
    ~QtEditor() override;
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    FileStatus LoadFile(const std::string& path,
                        std::optional<PrefetchedText> prefetched = std::nullopt) override;
    FileStatus SaveFile(const std::string& path) override;
    void SetSaveFormat(const TextFormat& format) override { backing_.SetFormat(format); }
    bool Locked() const override;
    void SetLocked(bool locked) override;
    bool Modified() const override;
    void MarkUnmodified() override;
    std::shared_ptr<const std::string> SharedText() const override;
    TextSpan Selection() const override;
    void Select(TextSpan span) override;
    void TakeFocus() override;
    // The widget, filled with the text first.
    QPlainTextEdit* textEdit() const;
    // Whether the widget holds the text yet.
    bool Filled() const { return filled_; }

private:
    // Puts text with CR LF line ends in place of the current one; a change
    // notifies.
    void Replace(std::string wanted);
    void Fill() const;

    QPlainTextEdit* edit_;
    EditorFileBacking backing_;
    // The text while the widget is not filled; none for an empty text.
    mutable std::shared_ptr<const std::string> held_;
    mutable bool filled_ = false;
    mutable bool setting_ = false;
    std::function<void()> onChange_;
};

}  // namespace tagrota::qt
