// The single-instance guard. The lock file decides who is first; the socket
// only carries the raise request, so a socket left by a crashed instance is
// simply replaced by the next first instance.
#include "ui/platform/SingleInstance.h"

#include "ui/platform/LockDirectory.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr int kConnectAttempts = 20;
constexpr int kConnectWaitMs = 100;

// Socket names keep to letters and digits so that any guard name makes a
// valid path.
QString SocketName(const QString& name) {
    QString socket;
    for (QChar c : name) socket += (c.isLetterOrNumber() && c.unicode() < 128) ? c : u'_';
    return socket + QStringLiteral(".socket");
}

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), FName(name), FLock(LockDirectory() + name + QStringLiteral(".lock")) {
    // A running instance holds its lock for as long as it runs; only a dead
    // owner makes the lock stale.
    FLock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (FServer) FServer->close();
    if (FLock.isLocked()) FLock.unlock();
}

bool SingleInstance::TryAcquire() {
    if (!FLock.tryLock(0)) return false;
    QLocalServer::removeServer(SocketPath());
    FServer = new QLocalServer(this);
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(FServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = FServer->nextPendingConnection()) {
            socket->deleteLater();
            emit RaiseRequested();
        }
    });
    FServer->listen(SocketPath());
    return true;
}

// The first instance may still be starting and not yet listening, so a
// refused connection is tried again for a short while.
void SingleInstance::AskFirstToRaise() {
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(kConnectWaitMs)) {
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(kConnectWaitMs);
    }
}

QString SingleInstance::SocketPath() const { return LockDirectory() + SocketName(FName); }
