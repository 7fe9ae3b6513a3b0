#include "platform/qt/QtDisplayWatch.h"

#include <unistd.h>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tagrota::qt {
namespace {

struct HeldMessage {
    QtMsgType type;
    QString category, text;
};

std::vector<HeldMessage>* held = nullptr;

[[noreturn]] void NoDisplay() {
    const char* display = std::getenv("DISPLAY");
    const std::string where =
        display && *display ? std::string("DISPLAY=") + display : std::string("DISPLAY is not set");
    const std::string line = "tagrota: no display could be reached (" + where +
                             "). Start Tagrota in a desktop session, or on a virtual "
                             "display with: xvfb-run tagrota\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    ::_exit(1);
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Qt's last word when no platform could start: there is no display.
    if (type == QtFatalMsg && text.contains(QStringLiteral("no Qt platform plugin"))) NoDisplay();
    if (type == QtFatalMsg || !held) {
        qInstallMessageHandler(nullptr);
        qt_message_output(type, context, text);
        return;
    }
    held->push_back({type, QString::fromUtf8(context.category), text});
}

}  // namespace

QtDisplayWatch::QtDisplayWatch() {
    held = new std::vector<HeldMessage>;
    qInstallMessageHandler(Hold);
}

QtDisplayWatch::~QtDisplayWatch() {
    Reached();
}

void QtDisplayWatch::Reached() {
    if (!held) return;
    qInstallMessageHandler(nullptr);
    for (const HeldMessage& m : *held) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(m.type, context, m.text);
    }
    delete held;
    held = nullptr;
}

}  // namespace tagrota::qt
