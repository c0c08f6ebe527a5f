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

    void recordedMacroIsBoundAndSentAgainAfterAnEdit()
    {
        E2EApp app;
        QVERIFY(app.start());
        // Record "a" then "b" with the delays between them.
        app.click(139, 414);
        app.click(259, 495);
        app.click(505, 495);
        app.keys({"a", "b"});
        app.click(505, 495);
        QSettings macro(app.file("modules/macro/Macro_0.bin"), QSettings::IniFormat);
        QCOMPARE(macro.value("config/total").toInt(), 7);
        QCOMPARE(macro.value("macro/0").toString(), QStringLiteral("1,A"));
        QCOMPARE(macro.value("macro/6").toString(), QStringLiteral("2,B"));
        app.click(810, 120);

        // Key 4 runs it; the macro goes to the mouse at once, into the button's slot.
        app.click(140, 206);
        app.click(301, 315);
        app.click(465, 189);
        app.click(767, 140);
        // Repeat 1, then [delay, A], [release | delay, A], [delay, B], [release | 1, B].
        QTRY_VERIFY_WITH_TIMEOUT(app.stateLine("Macro slot 4").startsWith("00 01 "), 10000);
        const QStringList sent = app.stateLine("Macro slot 4").split(' ');
        QCOMPARE(QStringList({sent.value(3), sent.value(5), sent.value(7), sent.value(8), sent.value(9)}),
                 QStringList({"04", "04", "05", "81", "05"}));
        QCOMPARE(QSettings(app.file("modules/setting/p1.bin"), QSettings::IniFormat).value("mouseMacroKey/3").toString(),
                 QStringLiteral("Macro_0"));

        // Editing the delay after "a" is released saves the macro and sends it again.
        app.click(139, 414);
        app.click(300, 160);
        app.doubleClick(525, 259);
        app.keys({"ctrl+a"});
        app.type("500");
        app.keys({"Return"});
        QTRY_COMPARE_WITH_TIMEOUT(app.stateLine("Macro slot 4").split(' ').value(4), QStringLiteral("b2"), 10000);
        QSettings edited(app.file("modules/macro/Macro_0.bin"), QSettings::IniFormat);
        QCOMPARE(edited.value("macro/3").toString(), QStringLiteral("0,500"));
    }

    void newProfileIsUsedAndSent()
    {
        E2EApp app;
        QVERIFY(app.start());
        app.click(808, 620);
        app.click(365, 440); // New: "profile_0" with profile number 1
        QTRY_COMPARE(QSettings(app.file("modules/setting/name.bin"), QSettings::IniFormat)
                         .value("profile/profileName").toStringList(),
                     QStringList({"Standard0", "profile_01"}));
        const int sentBefore = app.stateLine("Report rate per profile").isEmpty() ? 0 : 1;
        QVERIFY(sentBefore == 1);
        app.click(340, 274); // use it
        QTRY_COMPARE(QSettings(app.file("modules/setting/apConfig.bin"), QSettings::IniFormat).value("mouse/profileNo").toInt(), 1);
        // A profile change sends its pages at once: its stages and key matrix reach the mouse.
        QTRY_VERIFY_WITH_TIMEOUT(!app.stateLine("Key matrix 1").isEmpty(), 10000);
        QVERIFY(!app.stateLine("DPI stages in use").startsWith("0,"));
    }

    void recoilEditReachesTheMouse()
    {
        E2EApp app;
        QVERIFY(app.start());
        app.click(139, 446);
        app.doubleClick(760, 341);
        app.keys({"ctrl+a"});
        app.type("9");
        app.keys({"Return"});
        app.click(805, 120);
        QTRY_COMPARE_WITH_TIMEOUT(QSettings(app.file("modules/gun/gunData.bin"), QSettings::IniFormat)
                                      .value("gunData/0").toStringList().value(4),
                                  QStringLiteral("9"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(app.stateLine("Recoil data") != QStringLiteral("00 00 00 00"), 10000);
    }

    void factoryResetAndReplug()
    {
        E2EApp app;
        QVERIFY(app.start());
        app.click(888, 620);
        app.click(665, 347);
        QTRY_VERIFY_WITH_TIMEOUT(app.stateLine("Current DPI stage per profile").startsWith("02"), 10000);

        // Unplugged and plugged in again from the virtual mouse's own window.
        app.click(1569, 21);
        QVERIFY(app.waitForOutput("Device removed"));
        app.click(1569, 21);
        QVERIFY(app.waitForOutput("Device Connect", 2));
        QTRY_VERIFY_WITH_TIMEOUT(app.stateLine("Keyboard options").endsWith("40"), 10000);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
