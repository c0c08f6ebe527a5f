#pragma once

#include <QApplication>
#include <QLockFile>

#include <memory>

class QLocalServer;

// A QApplication that knows whether another copy of the same executable runs.
// The identity comes from the executable's absolute path, so copies installed
// in different folders do not see each other. The first copy holds a lock file
// and listens on a local socket; later copies send it a message and leave.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int &argc, char **argv);
    ~SingleApplication() override;

    bool isRunning() const { return !m_primary; }
    // Sends message to the running copy; false when it did not take it within timeoutMs.
    bool sendMessage(const QString &message, int timeoutMs);
    // Name of the local socket and stem of the lock file for executablePath.
    static QString identity(const QString &executablePath);

signals:
    void messageReceived(QString message);

private:
    void listen();
    void acceptConnection();

    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    bool m_primary = false;
};
