#include "platform/qt/QtSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tagrota::qt {
namespace {

constexpr int kAnswerMs = 3000;
const char kActivate[] = "activate\n";

// The user's runtime folder where the session has one, else the temporary
// folder (the names hold the user's id).
QString RuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
}

}  // namespace

QString QtSingleInstance::KeyFor(const std::string& settingsLocation) {
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(settingsLocation),
                                                     QCryptographicHash::Sha256);
    QString key = QStringLiteral("tagrota-");
#ifndef _WIN32
    key += QString::number(::getuid()) + QLatin1Char('-');
#endif
    return key + QString::fromLatin1(hash.toHex().left(16));
}

QtSingleInstance::QtSingleInstance(const std::string& settingsLocation)
    : base_(RuntimeFolder() + QLatin1Char('/') + KeyFor(settingsLocation)),
      lock_(base_ + QStringLiteral(".lock")) {
    lock_.setStaleLockTime(0);  // held for the whole run: only a dead owner's lock is stale
}

QtSingleInstance::~QtSingleInstance() {
    if (server_) server_->close();
}

QtSingleInstance::Claim QtSingleInstance::Acquire() {
    const QString socketName = base_ + QStringLiteral(".socket");
    if (!lock_.tryLock(0)) {
        // Another copy runs: it may still be starting, so give it a moment to
        // listen.
        for (int waited = 0; waited < kAnswerMs; waited += 100) {
            QLocalSocket socket;
            socket.connectToServer(socketName);
            if (socket.waitForConnected(100)) {
                socket.write(kActivate);
                socket.waitForBytesWritten(kAnswerMs);
                // The first copy closes the connection once it has the request.
                socket.waitForDisconnected(kAnswerMs);
                return Claim::HandedOver;
            }
            // A refused connection returns at once: wait before the next try.
            if (socket.error() != QLocalSocket::SocketTimeoutError) QThread::msleep(100);
        }
        return Claim::NoAnswer;
    }
    // A socket left by a copy that crashed would keep listen() from working.
    QLocalServer::removeServer(socketName);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) return;
                const bool activate = socket->readLine() == kActivate;
                socket->disconnectFromServer();
                if (activate && onActivate) onActivate();
            });
        }
    });
    // Without the socket this copy still runs alone; a later start then finds
    // no answer and says so.
    server_->listen(socketName);
    return Claim::First;
}

}  // namespace tagrota::qt
