// Keeps one running instance per user: the first start holds a lock file
// and listens on a local socket under the guard's name; a later start finds
// the lock taken and asks the first, through the socket, to come to the front.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name = QStringLiteral("VeMo 2007"),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first instance, which then listens for raise requests.
    // A lock left behind by a crashed instance is taken over.
    bool TryAcquire();
    // In a later instance: asks the first one to come to the front.
    void AskFirstToRaise();

signals:
    // In the first instance: a later start wants this one in front.
    void RaiseRequested();

private:
    QString SocketPath() const;

    QString FName;
    QLockFile FLock;
    QLocalServer* FServer = nullptr;
};
