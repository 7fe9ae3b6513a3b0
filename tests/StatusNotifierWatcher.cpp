// A stand-in for a desktop's StatusNotifierItem watcher and host (Plasma,
// GNOME's AppIndicator extension, XFCE, waybar), for the tray test on a
// private session bus: it owns the watcher's name, says a host is there, and
// writes the bus name and object path of each item that registers to the
// file named on its command line, one "name path" line each. The test reads
// and drives the items with gdbus.
//
//   tagrota_sni_watcher <file>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QObject>
#include <QStringList>
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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tagrota_sni_watcher <file>\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher{QString::fromLocal8Bit(argv[1])};
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllContents) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "tagrota_sni_watcher: cannot own the watcher's name\n");
        return 1;
    }
    return QCoreApplication::exec();
}

#include "StatusNotifierWatcher.moc"
