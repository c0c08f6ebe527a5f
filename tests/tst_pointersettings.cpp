// Each desktop backend against a private environment: a private config
// folder for kdeglobals and GSettings' keyfile backend, and the test's X server.

#include "view/pointersettings_linux.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QTemporaryDir *configHome()
{
    static QTemporaryDir dir;
    return &dir;
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestPointerSettings : public QObject
{
    Q_OBJECT

private slots:
    void kdeGlobalsChangesOnlyItsLines()
    {
        const QString path = configHome()->filePath("own/kdeglobals");
        KdeGlobals kde(path);
        QVERIFY(!kde.value("WheelScrollLines"));
        QVERIFY(kde.setWheelScrollLines(3));
        QCOMPARE(read(path), QByteArray("[KDE]\nWheelScrollLines=3\n"));

        write(path, "# user's file\n[General]\nName[de]=Schön\n\n[KDE]\nSingleClick=false\nWheelScrollLines=7\n\n"
                    "[Icons]\nTheme=breeze\n");
        QVERIFY(kde.setWheelScrollLines(1000));
        QVERIFY(kde.setDoubleClickTime(480));
        QCOMPARE(read(path), QByteArray("# user's file\n[General]\nName[de]=Schön\n\n[KDE]\nSingleClick=false\n"
                                        "WheelScrollLines=1000\nDoubleClickInterval=480\n\n[Icons]\nTheme=breeze\n"));
        QCOMPARE(*kde.value("WheelScrollLines"), 1000);
        QCOMPARE(*kde.value("DoubleClickInterval"), 480);

        write(path, "[General]\nColor=1\n");
        QVERIFY(kde.setWheelScrollLines(5));
        QCOMPARE(read(path), QByteArray("[General]\nColor=1\n\n[KDE]\nWheelScrollLines=5\n"));
    }

    void unreadableKdeGlobalsIsLeftAlone()
    {
        const QString path = configHome()->filePath("unreadable/kdeglobals");
        QVERIFY(QDir().mkpath(path)); // something that exists and is no readable file
        KdeGlobals kde(path);
        QVERIFY(!kde.setWheelScrollLines(3));
        QVERIFY(QFileInfo(path).isDir());
    }

    void defaultKdeGlobalsLiveInTheUsersConfigFolder()
    {
        QCOMPARE(KdeGlobals().path(), configHome()->filePath("kdeglobals"));
    }

    void gnomeSettingsReadBack()
    {
        auto gnome = GnomeMouseSettings::open();
        if (!gnome)
            QSKIP("GNOME's mouse schema is not installed");
        QVERIFY(gnome->setPointerSpeed(1));
        QCOMPARE(gnome->speed(), -1.0);
        QVERIFY(gnome->setPointerSpeed(20));
        QCOMPARE(gnome->speed(), 1.0);
        QVERIFY(gnome->setPointerSpeed(10));
        QVERIFY(qAbs(gnome->speed() - GnomeMouseSettings::gnomeSpeed(10)) < 1e-9);
        QVERIFY(gnome->setDoubleClickTime(480));
        QCOMPARE(gnome->doubleClickTime(), 480);
        // The keyfile backend wrote it where this session keeps its settings.
        QVERIFY(read(configHome()->filePath("glib-2.0/settings/keyfile")).contains("double-click=480"));
    }

    void x11AccelerationReadsBack()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("no X server for this test");
        auto x11 = X11PointerControl::open();
        QVERIFY(x11);
        const auto before = x11->acceleration();
        QVERIFY(x11->setPointerSpeed(15));
        QCOMPARE(x11->acceleration(), std::make_pair(15, 10));
        QVERIFY(x11->setPointerSpeed(99));
        QCOMPARE(x11->acceleration(), std::make_pair(20, 10));
        x11->setPointerSpeed(before.first * 10 / qMax(1, before.second));
    }

    void desktopAppliesEverywhereItCan()
    {
        auto desktop = PointerSettings::forThisDesktop();
        QVERIFY(desktop->setWheelScrollLines(4));
        QCOMPARE(*KdeGlobals().value("WheelScrollLines"), 4);
        QVERIFY(desktop->setDoubleClickTime(550));
        QCOMPARE(*KdeGlobals().value("DoubleClickInterval"), 550);

        PointerSettings nothing({});
        QVERIFY(!nothing.setPointerSpeed(5));
        QVERIFY(!nothing.setDoubleClickTime(500));
        QVERIFY(!nothing.setWheelScrollLines(3));
    }
};

int main(int argc, char *argv[])
{
    // Never the user's own desktop: settings go to a private folder.
    qputenv("XDG_CONFIG_HOME", configHome()->path().toUtf8());
    qputenv("GSETTINGS_BACKEND", "keyfile");
    QCoreApplication app(argc, argv);
    TestPointerSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pointersettings.moc"
