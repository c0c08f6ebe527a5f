#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class InputHook;
class QLocalServer;
class QLocalSocket;

// Lets another program hand this one a short message to show: a local socket
// of the running instance that takes one frame per connection, little-endian
// [dwData: 32 bits][cbData: 32 bits][cbData bytes]. A frame that is too long,
// malformed or too slow is dropped without waiting for it.
class CopyDataChannel : public QObject
{
    Q_OBJECT

public:
    static constexpr quint32 kMaxPayload = 64 * 1024;
    static constexpr int kFrameTimeoutMs = 2000;

    // The channel's socket name for the program at executablePath.
    static QString nameFor(const QString &executablePath);
    // Opens this process's channel once; frames go to InputHook::instance().
    static void open();

    CopyDataChannel(const QString &name, InputHook &hook, QObject *parent = nullptr);
    bool isListening() const;

    // Builds a frame as senders write it.
    static QByteArray frame(quint32 dwData, const QByteArray &payload, quint32 cbData);

private:
    void accept();
    void readFrom(QLocalSocket *socket);

    QLocalServer *m_server;
    InputHook &m_hook;
};
