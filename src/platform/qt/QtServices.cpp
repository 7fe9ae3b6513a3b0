#include "platform/qt/QtServices.h"

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

namespace tagrota::qt {

QWidget* DialogOwner() {
    const auto onScreen = [](const QWidget* w) { return w && w->isVisible() && !w->isMinimized(); };
    if (QWidget* modal = QApplication::activeModalWidget(); onScreen(modal)) return modal;
    if (QWidget* active = QApplication::activeWindow(); onScreen(active)) return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isWindow() && onScreen(w) && w->windowType() != Qt::ToolTip &&
            w->windowType() != Qt::Popup)
            return w;
    return nullptr;
}

namespace {

// The text of a message box, shown as it is: a path or a quotation that looks
// like markup ("<b>") is not read as such. A line that begins with a tab is a
// path alone, kept whole: the box grows to fit it, as a name broken at a
// hyphen or a slash reads as two.
void SetText(QMessageBox& box, const std::string& text) {
    const QString plain = Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = plain.split(QLatin1Char('\n'));
    const auto whole = [](const QString& line) { return line.startsWith(QLatin1Char('\t')); };
    if (std::none_of(lines.begin(), lines.end(), whole)) {
        box.setTextFormat(Qt::PlainText);
        box.setText(plain);
        return;
    }
    QString html;
    for (const QString& line : lines) {
        if (whole(line))
            html += QStringLiteral("<div style=\"white-space:pre\">%1</div>")
                        .arg(line.mid(1).toHtmlEscaped());
        else
            html += QStringLiteral("<div>%1</div>")
                        .arg(line.isEmpty() ? QStringLiteral("&nbsp;") : line.toHtmlEscaped());
    }
    box.setTextFormat(Qt::RichText);
    box.setText(html);
}

// The title, text and icon of a message box; one with an owner keeps only
// that window waiting, so the tray icon still answers.
void Prepare(QMessageBox& box, const std::string& text, int style, const std::string& title) {
    if (box.parentWidget()) box.setWindowModality(Qt::WindowModal);
    box.setWindowTitle(title.empty() ? QStringLiteral("Tagrota") : Q(title));
    SetText(box, text);
    switch (style & 0x70) {
        case MsgBoxStyle::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgBoxStyle::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgBoxStyle::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgBoxStyle::Information:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
}

}  // namespace

int QtMessageBox::Choose(const std::string& text, int icon, const std::string& title,
                         const std::vector<std::string>& buttons) {
    QMessageBox box(DialogOwner());
    Prepare(box, text, icon, title);
    std::vector<QPushButton*> pressed;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        pressed.push_back(box.addButton(
            Q(buttons[i]), last && i > 0 ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (pressed.empty()) pressed.push_back(box.addButton(QMessageBox::Ok));
    box.setDefaultButton(pressed.front());
    box.setEscapeButton(pressed.back());
    box.exec();
    for (std::size_t i = 0; i < pressed.size(); ++i)
        if (box.clickedButton() == pressed[i]) return static_cast<int>(i);
    return static_cast<int>(pressed.size()) - 1;
}

void QtMessageBox::ShowNotice(const std::string& text, int style, const std::string& title) {
    // Not modal, and not waited for: whatever reported it (a rotation) goes
    // on, and so does every timer, while the box is open.
    auto* box = new QMessageBox(DialogOwner());
    box->setAttribute(Qt::WA_DeleteOnClose);
    Prepare(*box, text, style, title);
    box->setWindowModality(Qt::NonModal);
    box->addButton(QMessageBox::Ok);
    // One still open when the program ends goes with it.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, box, [box] { delete box; });
    box->show();
}

int QtMessageBox::MsgBox(const std::string& text, int style, const std::string& title) {
    QMessageBox box(DialogOwner());
    Prepare(box, text, style, title);
    using B = QMessageBox::StandardButton;
    struct Choice {
        B button;
        int result;
    };
    std::vector<Choice> choices;
    switch (style & 7) {
        case 1:
            choices = {{B::Ok, MsgBoxResult::Ok}, {B::Cancel, MsgBoxResult::Cancel}};
            break;
        case 2:
            choices = {{B::Abort, 3}, {B::Retry, 4}, {B::Ignore, 5}};
            break;
        case 3:
            choices = {{B::Yes, MsgBoxResult::Yes},
                       {B::No, MsgBoxResult::No},
                       {B::Cancel, MsgBoxResult::Cancel}};
            break;
        case MsgBoxStyle::YesNo:
            choices = {{B::Yes, MsgBoxResult::Yes}, {B::No, MsgBoxResult::No}};
            break;
        case 5:
            choices = {{B::Retry, 4}, {B::Cancel, MsgBoxResult::Cancel}};
            break;
        default:
            choices = {{B::Ok, MsgBoxResult::Ok}};
            break;
    }
    for (const Choice& c : choices) box.addButton(c.button);
    const std::size_t defaultIndex = static_cast<std::size_t>((style >> 8) & 3);
    if (defaultIndex < choices.size()) box.setDefaultButton(choices[defaultIndex].button);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const Choice& c : choices)
        if (c.button == pressed) return c.result;
    // Closed without a button (Escape or the frame): the cancelling answer.
    return choices.size() == 1                 ? choices[0].result
           : (style & 7) == MsgBoxStyle::YesNo ? MsgBoxResult::No
                                               : MsgBoxResult::Cancel;
}

bool QtProgramLauncher::StartProgram(const std::string& path) {
    return !path.empty() && QProcess::startDetached(Q(path), {});
}

QtTimer::QtTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTick_) onTick_();
    });
}

void QtTimer::Apply() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void QtTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Apply();
}

void QtTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Apply();
}

std::string ProgramDirectory() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

}  // namespace tagrota::qt
