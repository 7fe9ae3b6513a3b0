#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>

#include "platform/ProgramFolders.h"
#include "platform/Translate.h"
#include "platform/qt/QtServices.h"

namespace tagrota::qt {
namespace {

// The home comes from where the data folder's does (UserHome): with HOME
// unset, both are below the home the password database gives.
QString ConfigHome() {
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(QString::fromLocal8Bit(xdg)))
        return QString::fromLocal8Bit(xdg);
    return QFile::decodeName(QByteArray::fromStdString(UserHome())) + QStringLiteral("/.config");
}

// Why the file cannot be read, in the system's words.
std::string WhyNotReadable(const QString& file) {
    QFile probe(file);
    if (QFileInfo(file).isDir()) return Tr("QtSettingsStore", "Is a directory");
    if (!probe.open(QIODevice::ReadOnly)) return probe.errorString().toStdString();
    return Tr("QtSettingsStore", "it could not be read");
}

// The first of <file>.damaged, <file>.damaged.1, ... that does not exist yet.
QString FreeCopyName(const QString& file) {
    const QString base = file + QStringLiteral(".damaged");
    QString name = base;
    for (int n = 1; QFileInfo::exists(name); ++n)
        name = base + QLatin1Char('.') + QString::number(n);
    return name;
}

bool IsHexDigit(char32_t ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

void AppendHex(QByteArray& out, char32_t ch) {
    out += "\\x" + QByteArray::number(static_cast<uint>(ch), 16);
}

// A text as a value of an INI file that QSettings reads back as exactly that
// text: escapes for the characters the format gives a meaning, quotes where
// the text holds a separator or spaces at either end, a doubled "@" where it
// would otherwise read as a typed value.
QByteArray IniValue(QString text) {
    if (text.startsWith(QLatin1Char('@'))) text.prepend(QLatin1Char('@'));
    QByteArray out;
    bool quote = false, escapeNextIfHex = false;
    for (const char32_t ch : text.toUcs4()) {
        if (ch == ';' || ch == ',' || ch == '=') quote = true;
        if (escapeNextIfHex && IsHexDigit(ch)) {  // it would read as part of the escape
            AppendHex(out, ch);
            continue;
        }
        escapeNextIfHex = false;
        switch (ch) {
            case '\0':
                out += "\\0";
                escapeNextIfHex = true;
                break;
            case '\a':
                out += "\\a";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\v':
                out += "\\v";
                break;
            case '"':
            case '\\':
                out += '\\';
                out += static_cast<char>(ch);
                break;
            default:
                if (ch <= 0x1F || ch == 0x7F) {
                    AppendHex(out, ch);
                    escapeNextIfHex = true;
                } else {
                    out += QString::fromUcs4(&ch, 1).toUtf8();
                }
        }
    }
    if (quote || text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')))
        out = '"' + out + '"';
    return out;
}

// A key name as QSettings writes it: letters, digits and a few marks as they
// are, "/" below the group as "\", anything else as %XX or %UXXXX.
QByteArray IniKey(const QString& key) {
    QByteArray out;
    for (const QChar qc : key) {
        const char16_t ch = qc.unicode();
        if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
            ch == '_' || ch == '-' || ch == '.')
            out += static_cast<char>(ch);
        else if (ch == '/')
            out += '\\';
        else if (ch <= 0xFF)
            out += '%' + QByteArray::number(ch, 16).rightJustified(2, '0').toUpper();
        else
            out += "%U" + QByteArray::number(ch, 16).rightJustified(4, '0').toUpper();
    }
    return out;
}

// Every setting as the text of an INI file, one group per section.
QByteArray IniText(const std::map<QString, QVariant>& values) {
    std::map<QString, std::vector<std::pair<QString, QVariant>>> groups;
    for (const auto& [path, value] : values) {
        const qsizetype slash = path.indexOf(QLatin1Char('/'));
        if (slash < 0)
            groups[QStringLiteral("General")].emplace_back(path, value);
        else
            groups[path.left(slash)].emplace_back(path.mid(slash + 1), value);
    }
    QByteArray text;
    for (const auto& [group, entries] : groups) {
        if (!text.isEmpty()) text += '\n';
        text += '[' + IniKey(group) + "]\n";
        for (const auto& [key, value] : entries) {
            text += IniKey(key) + '=';
            if (value.typeId() == QMetaType::QStringList) {
                QByteArrayList items;
                for (const QString& item : value.toStringList()) items += IniValue(item);
                text += items.join(", ");
            } else {
                text += IniValue(value.toString());
            }
            text += '\n';
        }
    }
    return text;
}

}  // namespace

QtSettingsStore::QtSettingsStore(IFileSystem* files, SettingsAccess access)
    : files_(files ? *files : ownFiles_), readOnly_(access == SettingsAccess::ReadOnly) {}

QtSettingsStore::~QtSettingsStore() {
    for (auto& [appName, store] : stores_) Flush(appName);
}

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
    // What the file is, as messages name it ("it is Tagrota's own settings file").
    store.own =
        std::make_unique<OwnFile>(file.toStdString(), Tr("QtSettingsStore", "settings file"));
    if (readOnly_) store.mayWrite = false;
    if (store.settings->status() == QSettings::AccessError) {
        store.mayWrite = false;
        store.read = FileStatus::Failure(
            Format(Tr("QtSettingsStore", "%1; Tagrota leaves it as it is and saves no settings"),
                   {WhyNotReadable(file)}));
    } else if (store.settings->status() == QSettings::FormatError && readOnly_) {
        store.read = FileStatus::Failure(Tr("QtSettingsStore", "it is not a valid settings file"));
    } else if (store.settings->status() == QSettings::FormatError) {
        // A save writes only what was read: keep the whole file first.
        const QString copy = FreeCopyName(file);
        if (QFile::copy(file, copy)) {
            store.read = FileStatus::Failure(
                Format(Tr("QtSettingsStore",
                          "it is not a valid settings file. A copy of it is kept as %1"),
                       {copy.toStdString()}));
        } else {
            store.mayWrite = false;
            store.read = FileStatus::Failure(
                Tr("QtSettingsStore",
                   "it is not a valid settings file, and no copy of it could be made; Tagrota "
                   "leaves it as it is and saves no settings"));
        }
    }
    return store;
}

std::string QtSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) {
    Store& store = For(appName);
    QSettings& settings = *store.settings;
    const QString path = Q(section) + QLatin1Char('/') + Q(key);
    if (const auto saved = store.pending.find(path); saved != store.pending.end())
        return saved->second.toStdString();
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
    if (readOnly_) return;
    if (!store.mayWrite) {
        store.saved = FileStatus::Failure(
            Tr("QtSettingsStore",
               "it could not be read whole when Tagrota started, and is left as it was"));
        return;
    }
    // Kept until Flush writes them all at once: a file written key by key
    // would be half old, half new if the program were ended in between.
    store.pending[Q(section) + QLatin1Char('/') + Q(key)] = Q(value);
    store.dirty = true;
}

void QtSettingsStore::Flush(const std::string& appName) {
    Store& store = For(appName);
    if (!store.dirty) return;
    store.dirty = false;
    // What was read, with what was saved over it, replaces the file in one
    // rename: no lock file (which a program ended at the wrong moment leaves
    // behind), and a reader sees the old settings or the new ones.
    std::map<QString, QVariant> values;
    for (const QString& key : store.settings->allKeys()) values[key] = store.settings->value(key);
    for (const auto& [key, value] : store.pending) values[key] = value;
    const QString file = Q(Location(appName));
    // The folder's own reason where it cannot be made ("Permission denied"),
    // rather than the file's that then is not there.
    if (const std::string why = EnsureFolder(QFileInfo(file).path().toStdString()); !why.empty()) {
        if (store.saved) store.saved = FileStatus::Failure(why);
        return;
    }
    const QByteArray text = IniText(values);
    const FileStatus written = files_.WriteFileAtomic(
        file.toStdString(),
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
        Durability::Flush);
    if (!written && store.saved) store.saved = written;
}

}  // namespace tagrota::qt
