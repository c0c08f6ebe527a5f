#include "app/startup.h"
#include "app/widget.h"
#include "sim/virtualmouse.h"

#include <QProcess>
#include <QStandardPaths>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString besideMe(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// Starts program in folder and waits until it has written marker.
bool startAndWaitFor(QProcess &process, const QString &program, const QString &folder, const QByteArray &marker)
{
    process.setProgram(program);
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start();
    if (!process.waitForStarted(10000))
        return false;
    QByteArray seen;
    while (!seen.contains(marker)) {
        if (!process.waitForReadyRead(20000))
            return false;
        seen += process.readAll();
    }
    return true;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyHandsOverAndLeaves()
    {
        QProcess first;
        QVERIFY(startAndWaitFor(first, besideMe("singleinstance_peer"), QDir::tempPath(), "ready"));

        QProcess second;
        second.setProgram(besideMe("singleinstance_peer"));
        second.setWorkingDirectory(QStringLiteral("/"));
        second.start();
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);

        QVERIFY(first.waitForFinished(10000));
        QVERIFY2(first.readAll().contains("received:[]"), "the running copy gets the empty message");
        QCOMPARE(first.exitCode(), 0);

        // With the first copy gone, the next start is the first again.
        QProcess third;
        QVERIFY(startAndWaitFor(third, besideMe("singleinstance_peer"), QDir::tempPath(), "ready"));
        third.kill();
        third.waitForFinished();
    }

    void appRunsOnceWhereverItIsStarted()
    {
        QTemporaryDir elsewhere;
        QProcess app;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        app.setProcessEnvironment(environment);
        // The virtual mouse is found only when the device table was read from modules/.
        QVERIFY(startAndWaitFor(app, besideMe("km7-config-virtual"), elsewhere.path(), "Device Connect"));

        QProcess again;
        again.setProcessEnvironment(environment);
        again.setProgram(besideMe("km7-config-virtual"));
        again.setWorkingDirectory(QStringLiteral("/"));
        again.start();
        QVERIFY(again.waitForFinished(15000));
        QCOMPARE(again.exitCode(), 1);
        QCOMPARE(app.state(), QProcess::Running);

        app.kill();
        app.waitForFinished();
    }

    void mainWindowComesUpWithTheVirtualMouse()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs an X server and xdotool");
        QTemporaryDir copy;
        QVERIFY(QProcess::execute("cp", {"-r", besideMe("modules"), besideMe("km7-config-virtual"), copy.path()}) == 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("km7.startup.debug=true"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        QProcess app;
        app.setProcessEnvironment(environment);
        QVERIFY(startAndWaitFor(app, copy.filePath("km7-config-virtual"), copy.path(), "first frame"));

        QProcess search;
        search.start("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^KM7 Config$", "getwindowgeometry"});
        QVERIFY(search.waitForFinished(15000));
        const QByteArray geometry = search.readAllStandardOutput();
        QVERIFY2(geometry.contains("Geometry: 1024x640"), geometry.constData());
        app.kill();
        app.waitForFinished();
    }

    void dataIsFoundFromAnyWorkingDirectory()
    {
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        QVERIFY(!QFile::exists(QStringLiteral("./modules/setting/apConfig.bin")));

        QVERIFY(enterExecutableFolder(QCoreApplication::applicationFilePath()));
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QVERIFY(QFile::exists(QStringLiteral("./modules/setting/apConfig.bin")));

        Widget window;
        QCOMPARE(window.windowTitle(), QStringLiteral("KM7 Config"));
    }

    void folderIsCutAtTheLastSlash()
    {
        const QString start = QDir::currentPath();
        QVERIFY(enterExecutableFolder(QStringLiteral("/tmp/km7-config")));
        QCOMPARE(QDir::currentPath(), QStringLiteral("/tmp"));
        QVERIFY(enterExecutableFolder(QStringLiteral("/km7-config")));
        QCOMPARE(QDir::currentPath(), QStringLiteral("/"));
        QVERIFY(!enterExecutableFolder(QStringLiteral("km7-config")));
        QCOMPARE(QDir::currentPath(), QStringLiteral("/"));
        QDir::setCurrent(start);
    }
};

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
