#include "app/singleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {

constexpr char kAck = 'A';

// A peer that connects and then stalls must not hold the running copy's GUI.
constexpr int kPeerTimeoutMs = 1000;

} // namespace

QString SingleApplication::identity(const QString &executablePath)
{
    const QByteArray path = QFileInfo(executablePath).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("km7-config-%1-%2").arg(QString::fromLatin1(hash)).arg(QString::number(getuid()));
}

SingleApplication::SingleApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_id(identity(QCoreApplication::applicationFilePath()))
    , m_lock(std::make_unique<QLockFile>(QDir::temp().filePath(m_id + QStringLiteral(".lock"))))
{
    // The lock decides who is first; a lock left by a crashed copy is stale and taken over.
    m_lock->setStaleLockTime(0);
    m_primary = m_lock->tryLock(0);
    if (m_primary)
        listen();
}

SingleApplication::~SingleApplication() = default;

void SingleApplication::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_id); // a socket file left by a crashed copy
    m_server->listen(m_id);
    connect(m_server, &QLocalServer::newConnection, this, &SingleApplication::acceptConnection);
}

void SingleApplication::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        QDataStream stream(socket);
        QString message;
        bool complete = false;
        QElapsedTimer waited;
        waited.start();
        do {
            stream.startTransaction();
            stream >> message;
            complete = stream.commitTransaction();
        } while (!complete && waited.elapsed() < kPeerTimeoutMs
                 && socket->waitForReadyRead(kPeerTimeoutMs));
        if (complete) {
            socket->write(&kAck, 1);
            socket->waitForBytesWritten(kPeerTimeoutMs);
            emit messageReceived(message);
        }
        socket->disconnectFromServer();
        socket->deleteLater();
    }
}

bool SingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    if (m_primary)
        return false;
    QElapsedTimer elapsed;
    elapsed.start();
    QLocalSocket socket;
    socket.connectToServer(m_id);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << message;
    socket.write(payload);
    const auto remaining = [&] { return int(qMax<qint64>(0, timeoutMs - elapsed.elapsed())); };
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    if (!socket.waitForReadyRead(remaining()))
        return false;
    return socket.read(1) == QByteArray(1, kAck);
}
