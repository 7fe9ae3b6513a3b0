// The file-open dialog on Qt Widgets.

#include "platform/qt/QtWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "platform/qt/QtServices.h"

namespace tagrota::qt {

// ---- The file dialog ----

QStringList QtFileDialog::NameFilters(const std::string& filter) {
    static const QRegularExpression shownPatterns(QStringLiteral(R"(\s*\([^()]*\)\s*$)"));
    const QStringList parts = Q(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
#ifndef Q_OS_WIN
            // Names without a dot are files too.
            if (pattern == u"*.*") pattern = QStringLiteral("*");
#endif
            if (!pattern.isEmpty()) patterns << pattern;
        }
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        // The description shows Qt's patterns, not its own: "All Files (*.*)"
        // becomes "All Files (*)".
        QString description = parts[i].trimmed();
        description.remove(shownPatterns);
        if (description.isEmpty()) description = patterns.join(u' ');
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
    }
    return filters;
}

QString QtFileDialog::StartFolder(const std::string& initDir) {
    if (!initDir.empty()) {
        const QFileInfo named(Q(initDir));
        if (named.isDir()) return named.absoluteFilePath();
        const QFileInfo folder(named.absolutePath());
        if (folder.isDir()) return folder.absoluteFilePath();
    }
    return QDir::homePath();
}

std::string QtFileDialog::ShowOpen(const FileDialogOptions& options) {
    constexpr int kFileMustExist = 0x1000;
    QFileDialog dialog(DialogOwner());
    if (dialog.parentWidget()) dialog.setWindowModality(Qt::WindowModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((options.Flags & kFileMustExist) ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    if (!options.DialogTitle.empty()) dialog.setWindowTitle(Q(options.DialogTitle));
    const QStringList filters = NameFilters(options.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype index = std::clamp<qsizetype>(options.FilterIndex, 1, filters.size());
        dialog.selectNameFilter(filters[index - 1]);
    }
    dialog.setDirectory(StartFolder(options.InitDir));
    if (!options.FileName.empty()) dialog.selectFile(Q(options.FileName));
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return {};
    return QDir::toNativeSeparators(QFileInfo(chosen.first()).absoluteFilePath()).toStdString();
}

}  // namespace tagrota::qt
