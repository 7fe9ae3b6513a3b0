#include "platform/qt/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/Translate.h"

namespace tagrota::qt {

bool InstallTranslations(const QLocale& locale) {
    // One pair for the run: a later call (the tests switch languages)
    // replaces it.
    static QTranslator* program = nullptr;
    static QTranslator* qtBase = nullptr;
    for (QTranslator** t : {&program, &qtBase}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
    SetTranslator({});

    auto* ours = new QTranslator;
    if (!ours->load(locale, QStringLiteral("tagrota"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        delete ours;
        return false;
    }
    program = ours;
    QCoreApplication::installTranslator(program);
    auto* qts = new QTranslator;
    if (qts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtBase = qts;
        QCoreApplication::installTranslator(qtBase);
    } else {
        delete qts;
    }
    SetTranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
    return true;
}

}  // namespace tagrota::qt
