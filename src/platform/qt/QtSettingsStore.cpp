#include <QDir>
#include <QSettings>
#include <QStringList>

#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

#ifndef _WIN32
QString ConfigHome() {
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(QString::fromLocal8Bit(xdg)))
        return QString::fromLocal8Bit(xdg);
    return QDir::homePath() + QStringLiteral("/.config");
}
#endif

}  // namespace

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::Location(const std::string& appName) {
#ifdef _WIN32
    return "HKEY_CURRENT_USER\\Software\\" + appName + "\\" + appName;
#else
    return (ConfigHome() + QLatin1Char('/') + Q(appName) + QLatin1Char('/') + Q(appName) +
            QStringLiteral(".ini"))
        .toStdString();
#endif
}

QSettings& QtSettingsStore::For(const std::string& appName) {
    auto& slot = stores_[appName];
    if (!slot) {
#ifdef _WIN32
        slot = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           Q(appName), Q(appName));
#else
        // The path is formed here rather than left to QSettings, which fixes the
        // configuration folder once per process.
        slot = std::make_unique<QSettings>(Q(Location(appName)), QSettings::IniFormat);
#endif
    }
    return *slot;
}

std::string QtSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) {
    QSettings& settings = For(appName);
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
    QSettings& settings = For(appName);
    settings.setValue(Q(section) + QLatin1Char('/') + Q(key), Q(value));
    settings.sync();  // written at once: a crash later loses nothing already saved
}

}  // namespace tagrota::qt
