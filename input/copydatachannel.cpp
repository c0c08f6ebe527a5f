#include "input/copydatachannel.h"

#include "app/singleapplication.h"
#include "input/inputhook.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>

namespace {
constexpr int kHeaderSize = 8;
const char kBuffer[] = "km7Frame";
} // namespace

QString CopyDataChannel::nameFor(const QString &executablePath)
{
    return SingleApplication::identity(executablePath) + QStringLiteral("-message");
}

void CopyDataChannel::open()
{
    static CopyDataChannel *channel = nullptr;
    if (!channel && QCoreApplication::instance())
        channel = new CopyDataChannel(nameFor(QCoreApplication::applicationFilePath()), InputHook::instance(),
                                      QCoreApplication::instance());
}

CopyDataChannel::CopyDataChannel(const QString &name, InputHook &hook, QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
    , m_hook(hook)
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name); // left by a copy that crashed; only one copy runs
    m_server->listen(name);
    connect(m_server, &QLocalServer::newConnection, this, &CopyDataChannel::accept);
}

bool CopyDataChannel::isListening() const
{
    return m_server->isListening();
}

QByteArray CopyDataChannel::frame(quint32 dwData, const QByteArray &payload, quint32 cbData)
{
    QByteArray bytes(kHeaderSize, '\0');
    qToLittleEndian(dwData, bytes.data());
    qToLittleEndian(cbData, bytes.data() + 4);
    return bytes + payload;
}

void CopyDataChannel::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        socket->setProperty(kBuffer, QByteArray());
        // A sender that stalls is cut off; nothing here ever waits for it.
        QTimer::singleShot(kFrameTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readFrom(socket);
    }
}

void CopyDataChannel::readFrom(QLocalSocket *socket)
{
    QByteArray buffer = socket->property(kBuffer).toByteArray() + socket->readAll();
    if (buffer.size() >= kHeaderSize) {
        const quint32 cbData = qFromLittleEndian<quint32>(buffer.constData() + 4);
        if (cbData > kMaxPayload) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        if (quint32(buffer.size()) >= kHeaderSize + cbData) {
            CopyData data;
            data.dwData = qFromLittleEndian<quint32>(buffer.constData());
            data.cbData = cbData;
            data.lpData = buffer.mid(kHeaderSize, int(cbData));
            socket->disconnectFromServer();
            m_hook.copyData(data);
            return;
        }
    }
    socket->setProperty(kBuffer, buffer);
}
