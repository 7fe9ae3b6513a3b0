#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>

#include "platform/qt/QtServices.h"

#include <sys/stat.h>

namespace tagrota::qt {
namespace {

QString ConfigHome() {
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(QString::fromLocal8Bit(xdg)))
        return QString::fromLocal8Bit(xdg);
    return QDir::homePath() + QStringLiteral("/.config");
}

// Why the file cannot be read, in the system's words.
std::string WhyNotReadable(const QString& file) {
    QFile probe(file);
    if (QFileInfo(file).isDir()) return "Is a directory";
    if (!probe.open(QIODevice::ReadOnly)) return probe.errorString().toStdString();
    return "it could not be read";
}

// Why the file cannot be replaced, found by trying what a save does: a new file
// beside it, which is then dropped.
std::string WhyNotWritable(const QString& file) {
    if (QFileInfo(file).isDir()) return "Is a directory";
    QSaveFile probe(file);
    if (!probe.open(QIODevice::WriteOnly)) return probe.errorString().toStdString();
    probe.cancelWriting();
    return "it could not be written";
}

// Which file is at the path (0 when there is none).
ino_t FileId(const QString& file) {
    struct stat info {};
    return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_ino : 0;
}

// The first of <file>.damaged, <file>.damaged.1, ... that does not exist yet.
QString FreeCopyName(const QString& file) {
    const QString base = file + QStringLiteral(".damaged");
    QString name = base;
    for (int n = 1; QFileInfo::exists(name); ++n)
        name = base + QLatin1Char('.') + QString::number(n);
    return name;
}

}  // namespace

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::Location(const std::string& appName) {
    return (ConfigHome() + QLatin1Char('/') + Q(appName) + QLatin1Char('/') + Q(appName) +
            QStringLiteral(".ini"))
        .toStdString();
}

QtSettingsStore::Store& QtSettingsStore::For(const std::string& appName) {
    Store& store = stores_[appName];
    if (store.settings) return store;
    // The path is formed here rather than left to QSettings, which fixes the
    // configuration folder once per process.
    const QString file = Q(Location(appName));
    store.settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    store.settings->allKeys();  // parses every group now: some faults show only then
    if (store.settings->status() == QSettings::AccessError) {
        store.mayWrite = false;
        store.read = FileStatus::Failure(WhyNotReadable(file) +
                                         "; Tagrota leaves it as it is and saves no settings");
    } else if (store.settings->status() == QSettings::FormatError) {
        // A save writes only what was read: keep the whole file first.
        const QString copy = FreeCopyName(file);
        if (QFile::copy(file, copy)) {
            store.read = FileStatus::Failure(
                "it is not a valid settings file. A copy of it is kept as " + copy.toStdString());
        } else {
            store.mayWrite = false;
            store.read = FileStatus::Failure(
                "it is not a valid settings file, and no copy of it could be made; Tagrota leaves "
                "it as it is and saves no settings");
        }
    }
    return store;
}

std::string QtSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) {
    QSettings& settings = *For(appName).settings;
    const QString path = Q(section) + QLatin1Char('/') + Q(key);
    if (!settings.contains(path)) return defaultValue;
    const QVariant value = settings.value(path);
    // A hand-edited value with an unquoted comma reads as a list: join it again.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                  const std::string& key, const std::string& value) {
    Store& store = For(appName);
    if (!store.mayWrite) {
        store.saved = FileStatus::Failure(
            "it could not be read whole when Tagrota started, and is left as it was");
        return;
    }
    const QString file = Q(Location(appName));
    const ino_t before = FileId(file);
    store.settings->setValue(Q(section) + QLatin1Char('/') + Q(key), Q(value));
    store.settings->sync();  // written at once: a crash later loses nothing already saved
    bool reached = store.settings->status() == QSettings::NoError;
    // QSettings reports only its first error, so after reading a damaged file it
    // reports no failed write. A write that arrived renamed a new file into place.
    if (store.settings->status() == QSettings::FormatError) {
        const ino_t after = FileId(file);
        reached = after != 0 && after != before;
    }
    if (!reached && store.saved) store.saved = FileStatus::Failure(WhyNotWritable(file));
}

}  // namespace tagrota::qt
