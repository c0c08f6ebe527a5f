#pragma once

#include "sim/virtualmousewindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// A private copy of km7-config-virtual on the test's X server, driven with
// xdotool as a user would, and asked what its virtual mouse now keeps.
class E2EApp
{
public:
    static bool available() { return !qEnvironmentVariableIsEmpty("DISPLAY") && !QStandardPaths::findExecutable("xdotool").isEmpty(); }

    bool start()
    {
        const QString bin = QCoreApplication::applicationDirPath();
        if (QProcess::execute("cp", {"-r", bin + "/modules", bin + "/km7-config-virtual", m_dir.path()}) != 0)
            return false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("km7.startup.debug=true"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setProgram(program());
        m_process.setWorkingDirectory(m_dir.path());
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return false;
        if (!waitForOutput("first frame", 1, 20000))
            return false;
        QThread::msleep(1500 + 2 * kStepMs); // the first protect period unlocks the window
        return true;
    }

    ~E2EApp()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    QString program() const { return m_dir.filePath("km7-config-virtual"); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }

    // Time for the program to react to one step, as a person would leave it;
    // a sanitizer build reacts several times slower.
#if defined(__SANITIZE_ADDRESS__)
    static constexpr int kStepMs = 900;
#else
    static constexpr int kStepMs = 300;
#endif

    void xdotool(const QStringList &arguments)
    {
        QProcess::execute("xdotool", arguments);
        QThread::msleep(kStepMs);
        QCoreApplication::processEvents();
    }

    void click(int x, int y) { xdotool({"mousemove", QString::number(x), QString::number(y), "click", "1"}); }
    void doubleClick(int x, int y)
    {
        xdotool({"mousemove", QString::number(x), QString::number(y), "click", "--repeat", "2", "--delay", "80", "1"});
    }
    void type(const QString &text) { xdotool({"type", "--delay", "60", text}); }
    void keys(const QStringList &names) { xdotool(QStringList{"key", "--delay", "120"} + names); }

    // Everything the program has printed so far.
    QByteArray output()
    {
        m_output += m_process.readAll();
        return m_output;
    }
    bool waitForOutput(const QByteArray &text, int count = 1, int timeoutMs = 15000)
    {
        QElapsedTimer waited;
        waited.start();
        while (output().count(text) < count) {
            if (waited.elapsed() > timeoutMs)
                return false;
            m_process.waitForReadyRead(200);
        }
        return true;
    }

    void drag(int fromX, int y, int toX)
    {
        xdotool({"mousemove", QString::number(fromX), QString::number(y), "mousedown", "1"});
        xdotool({"mousemove", QString::number((fromX + toX) / 2), QString::number(y)});
        xdotool({"mousemove", QString::number(toX), QString::number(y), "mouseup", "1"});
    }

    // What the virtual mouse's firmware keeps, as its window shows it.
    QString state() const
    {
        QLocalSocket socket;
        socket.connectToServer(sim::VirtualMouseWindow::stateChannelName(program()));
        if (!socket.waitForConnected(3000))
            return {};
        QByteArray text;
        while (socket.waitForReadyRead(3000))
            text += socket.readAll();
        return QString::fromUtf8(text + socket.readAll());
    }

    // The value after "label: " on the state's line that starts with label.
    QString stateLine(const QString &label) const
    {
        for (const QString &line : state().split('\n')) {
            if (line.startsWith(label + QStringLiteral(": ")))
                return line.mid(label.size() + 2);
        }
        return {};
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_output;
};
