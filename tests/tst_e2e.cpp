// End to end: km7-config-virtual on the test's X server, used with the
// pointer as a person would, checked against what its virtual mouse keeps.

#include "e2eapp.h"

#include <QtTest>

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (!E2EApp::available())
            QSKIP("needs an X server and xdotool");
    }

    void settingsReachTheMouseOnSave()
    {
        E2EApp app;
        QVERIFY(app.start());
        const QString keysBefore = app.stateLine("Key matrix 1");
        const QString dpiBefore = app.stateLine("DPI stages in use");

        // Key 3 (the middle button) becomes the right button.
        app.click(140, 174);
        app.click(300, 187);
        app.click(513, 228);
        app.click(767, 139);

        // Two DPI stages move, and the lighting plays "Wave".
        app.drag(842, 162, 905);
        app.drag(849, 186, 930);
        app.click(919, 382);
        app.click(875, 245);

        app.click(967, 620);
        QTRY_VERIFY_WITH_TIMEOUT(app.stateLine("Key matrix 1") != keysBefore, 15000);
        const QStringList keys = app.stateLine("Key matrix 1").split(' ');
        QCOMPARE(keys.mid(8, 4), QStringList({"01", "00", "f1", "00"}));
        const QString dpi = app.stateLine("DPI stages in use");
        QVERIFY2(dpi != dpiBefore, qPrintable(dpi));
        const QStringList registers = dpi.section("registers: ", 1).split(' ');
        QCOMPARE(registers.size(), 8);
        QVERIFY(registers.at(1) != QStringLiteral("07")); // 800 DPI moved up
        QVERIFY(registers.at(2) != QStringLiteral("0f"));
        QVERIFY2(app.stateLine("LED effect").startsWith("05 "), qPrintable(app.stateLine("LED effect")));

        // The profile file keeps what was saved.
        QSettings profile(app.file("modules/setting/p1.bin"), QSettings::IniFormat);
        QCOMPARE(profile.value("mouseKeyMatrix/2").toStringList(), QStringList({"0", "0", "241", "0"}));
        QCOMPARE(profile.value("mouse/lightValue").toStringList().value(0), QStringLiteral("5"));
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
