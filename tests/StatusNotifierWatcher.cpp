// A stand-in for a desktop's StatusNotifierItem watcher and host (Plasma,
// GNOME's AppIndicator extension, XFCE, waybar), for the tray test on a
// private session bus: it owns the watcher's name, says a host is there, and
// writes the bus name and object path of each item that registers to the
// file named on its command line, one "name path" line each. The test reads
// and drives the items with gdbus, and their menus as a host does, through
// this program's "menu" and "click":
//
//   tagrota_sni_watcher <file>
//   tagrota_sni_watcher menu <name> <path>
//       The item's menu (its "Menu" property, read with dbusmenu's GetLayout),
//       one "id label" line per entry: "-" for a separator, " (off)" after a
//       disabled entry's label and " (hidden)" after a hidden one's.
//   tagrota_sni_watcher click <name> <path> <id>
//       Sends the menu the "clicked" event of an entry.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>

class Watcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ Items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)

public:
    explicit Watcher(QString file) : file_(std::move(file)) {}
    QStringList Items() const { return items_; }
    bool HostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }

public slots:
    // An item gives its bus name (its object then at /StatusNotifierItem) or
    // its object path (on the caller's own bus name).
    void RegisterStatusNotifierItem(const QString& item) {
        const bool isPath = item.startsWith(QLatin1Char('/'));
        const QString name = isPath ? message().service() : item;
        const QString path = isPath ? item : QStringLiteral("/StatusNotifierItem");
        items_ << name + path;
        QFile out(file_);
        if (out.open(QIODevice::Append | QIODevice::Text))
            out.write((name + QLatin1Char(' ') + path + QLatin1Char('\n')).toUtf8());
        emit StatusNotifierItemRegistered(name + path);
    }
    void RegisterStatusNotifierHost(const QString&) {}

signals:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

private:
    QString file_;
    QStringList items_;
};

namespace {

// An entry of a dbusmenu layout: (id, properties, children).
struct MenuEntry {
    int id = 0;
    QVariantMap properties;
    QList<MenuEntry> children;
};

const QDBusArgument& operator>>(const QDBusArgument& in, MenuEntry& entry) {
    in.beginStructure();
    in >> entry.id >> entry.properties;
    in.beginArray();
    while (!in.atEnd()) {
        QDBusVariant child;
        in >> child;
        MenuEntry c;
        child.variant().value<QDBusArgument>() >> c;
        entry.children << c;
    }
    in.endArray();
    in.endStructure();
    return in;
}

int Fail(const QString& what) {
    std::fprintf(stderr, "tagrota_sni_watcher: %s\n", qPrintable(what));
    return 1;
}

// The object path of the item's menu, as a host reads it.
QString MenuPath(const QString& name, const QString& item, QString& error) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        name, item, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("Menu");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(get);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        error = reply.errorMessage();
        return {};
    }
    const QVariant menu = reply.arguments().value(0).value<QDBusVariant>().variant();
    return menu.value<QDBusObjectPath>().path();
}

int PrintMenu(const QString& name, const QString& item) {
    QString error;
    const QString path = MenuPath(name, item, error);
    if (path.isEmpty()) return Fail(QStringLiteral("no Menu property: ") + error);
    QDBusMessage call = QDBusMessage::createMethodCall(
        name, path, QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("GetLayout"));
    call << 0 << -1 << QStringList();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return Fail(QStringLiteral("GetLayout on ") + path + QStringLiteral(": ") +
                    reply.errorMessage());
    MenuEntry root;
    reply.arguments().at(1).value<QDBusArgument>() >> root;
    for (const MenuEntry& entry : root.children) {
        const QVariantMap& p = entry.properties;
        QString line = QString::number(entry.id) + QLatin1Char(' ');
        line += p.value(QStringLiteral("type")).toString() == QStringLiteral("separator")
                    ? QStringLiteral("-")
                    : p.value(QStringLiteral("label")).toString();
        if (!p.value(QStringLiteral("enabled"), true).toBool()) line += QStringLiteral(" (off)");
        if (!p.value(QStringLiteral("visible"), true).toBool()) line += QStringLiteral(" (hidden)");
        std::printf("%s\n", qPrintable(line));
    }
    return 0;
}

int Click(const QString& name, const QString& item, int id) {
    QString error;
    const QString path = MenuPath(name, item, error);
    if (path.isEmpty()) return Fail(QStringLiteral("no Menu property: ") + error);
    QDBusMessage event = QDBusMessage::createMethodCall(
        name, path, QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("Event"));
    event << id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(QString())) << 0u;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(event);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return Fail(QStringLiteral("Event: ") + reply.errorMessage());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 3 && args[0] == QStringLiteral("menu")) return PrintMenu(args[1], args[2]);
    if (args.size() == 4 && args[0] == QStringLiteral("click"))
        return Click(args[1], args[2], args[3].toInt());
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: tagrota_sni_watcher <file>\n"
                     "       tagrota_sni_watcher menu <name> <path>\n"
                     "       tagrota_sni_watcher click <name> <path> <id>\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher{args[0]};
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllContents) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "tagrota_sni_watcher: cannot own the watcher's name\n");
        return 1;
    }
    return QCoreApplication::exec();
}

#include "StatusNotifierWatcher.moc"
