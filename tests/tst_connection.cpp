#include "app/devicechangemonitor.h"
#include "device/dpiswitchtexts.h"
#include "deviceharness.h"

#include <QAction>
#include <QMenu>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

using sim::ChipFamily;
using sim::Report;

namespace {

int sentWithCode(const sim::VirtualMouse &mouse, uchar code)
{
    int count = 0;
    for (const auto &entry : mouse.wireLog(Report::FeatureSent))
        count += uchar(entry.bytes.at(1)) == code;
    return count;
}

QByteArray eventReport(std::initializer_list<uchar> bytes)
{
    QByteArray out;
    for (uchar b : bytes)
        out.append(char(b));
    return out;
}

} // namespace

class TestConnection : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DeviceHarness> rig;
    std::unique_ptr<QSignalSpy> balloons;

    void start(const sim::FirmwareConfig &config = {}, bool isGun = true)
    {
        rig = std::make_unique<DeviceHarness>();
        rig->useMouse(config);
        rig->setGlobal(QStringLiteral("mouse/isGun"), isGun);
        rig->start();
        rig->view()->setSource(QUrl(QStringLiteral("qrc:/test/probe.qml")));
        balloons = std::make_unique<QSignalSpy>(rig->window.get(), &Widget::notified);
    }

    void connectMouse(const sim::FirmwareConfig &config = {}, bool isGun = true)
    {
        start(config, isGun);
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        rig->window->checkDevice();
        QVERIFY(deviceConnected);
    }

    QObject *scene() { return rig->view()->rootObject(); }
    QStringList sceneCalls() { return scene()->property("calls").toStringList(); }
    QString lastBalloonText() { return balloons->isEmpty() ? QString() : balloons->last().at(1).toString(); }

private slots:
    void cleanup()
    {
        balloons.reset();
        rig.reset();
        dpiswitchtexts::replace(QStringList(dpiswitchtexts::kCount, QStringLiteral("DPI Switch to")));
    }

    void connectedSequenceBringsEverythingUp()
    {
        connectMouse();
        QCOMPARE(balloons->size(), 1);
        QCOMPARE(balloons->first(), QVariantList({"Info", "Detect Device"}));
        QVERIFY(rig->hid().listenerRunning);
        QVERIFY(rig->view()->isEnabled());
        QCOMPARE(rig->mouse.state().keyboardOptions[3] & 0x40, 0x40);
        QCOMPARE(sentWithCode(rig->mouse, 0x8C), 0); // the 553 family keeps no profile blocks
        QTRY_COMPARE(sceneCalls(), QStringList({"initUI", "run"}));
    }

    void family560ReadsItsProfileBlocks_data()
    {
        QTest::addColumn<bool>("isGun");
        QTest::addColumn<int>("reads");
        QTest::newRow("without recoil") << false << 2;
        QTest::newRow("with recoil") << true << 5;
    }

    void family560ReadsItsProfileBlocks()
    {
        QFETCH(bool, isGun);
        QFETCH(int, reads);
        sim::FirmwareConfig config;
        config.family = ChipFamily::F560;
        config.encrypted = true;
        config.secrecyCode = QStringLiteral("k7m560");
        connectMouse(config, isGun);
        QCOMPARE(sentWithCode(rig->mouse, 0x8C), 0); // enciphered on the wire
        int profileReads = 0;
        for (const auto &received : rig->mouse.received())
            profileReads += uchar(received.report.at(1)) == 0x8C;
        QCOMPARE(profileReads, reads);
        QCOMPARE(rig->mouse.state().keyboardOptions[0] & 0x08, 0x08);
        QVERIFY(rig->hid().listenerRunning);
    }

    void firstConnectionMovesA560MouseToProfile1Once()
    {
        sim::FirmwareConfig config;
        config.family = ChipFamily::F560;
        config.currentProfile = 2;
        rig = std::make_unique<DeviceHarness>();
        rig->useMouse(config);
        rig->start(); // with the real scene
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        rig->window->checkDevice();

        QTRY_VERIFY(scene()->property("isPownOn").toBool()); // the queued initUI ran
        QCOMPARE(rig->mouse.state().currentProfile, uchar(1));
        rig->hid().hid560_02H_SetCurrentProfile(2);
        QVERIFY(QMetaObject::invokeMethod(scene(), "initUI"));
        QCOMPARE(rig->mouse.state().currentProfile, uchar(2));
        int switches = 0;
        for (const auto &received : rig->mouse.received())
            switches += uchar(received.report.at(1)) == 0x02;
        QCOMPARE(switches, 2); // the first connection's switch and the test's own
    }

    void firstGroupFailingTheProbeIsPassedOver()
    {
        start();
        // Group 0 describes the same interfaces but expects an encrypted mouse.
        for (const char *key : {"type", "vid", "pid", "usagePage", "usage", "usagePage2", "usage2", "reportLength"})
            rig->setGlobal(QStringLiteral("1/") + QLatin1String(key),
                           QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat)
                               .value(QStringLiteral("0/") + QLatin1String(key)));
        rig->setGlobal(QStringLiteral("0/isEncode"), true);
        rig->setGlobal(QStringLiteral("common/deviceCount"), 2);
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        rig->window->checkDevice();
        QVERIFY(deviceConnected);
        QCOMPARE(rig->hid().currentDevice, 1);
        QCOMPARE(rig->hid().deviceList.size(), 2);
        QVERIFY(!rig->hid().deviceList.at(0).path.isEmpty());
        QVERIFY(!rig->hid().deviceList.at(0).path2.isEmpty());
    }

    void tableWithoutIdsMatchesEveryInterface()
    {
        start();
        QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat).remove(QStringLiteral("0/vid"));
        QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat).remove(QStringLiteral("0/pid"));
        rig->mouse.setSecondCommandInterface(true);
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        rig->window->checkDevice();
        const DeviceRecord record = rig->hid().deviceRecord(0);
        QCOMPARE(record.vid, quint16(0));
        // The interface listed last supplies the path.
        QCOMPARE(record.path, QString::fromLatin1(sim::VirtualMouse::kSecondCommandPath));
        QCOMPARE(record.path2, QString::fromLatin1(sim::VirtualMouse::kEventPath));
    }

    void dpiEventsReachTheSceneAndTheTray()
    {
        dpiswitchtexts::replace({"one", "two", "three", "four", "five", "six", "seven", "eight", "ignored"});
        connectMouse();
        rig->mouse.pressDpiButton(3);
        QVERIFY(rig->advanceUntil([this] { return balloons->size() == 2; }));
        QCOMPARE(balloons->last(), QVariantList({"Info", "three "}));
        QTRY_COMPARE(scene()->property("currentDpiStage").toInt(), 2);

        // Stage 0 and stages past 8 show the last text; the scene ignores 0.
        rig->mouse.pushEvent(eventReport({0x06, 0x07, 0x00, 0x00}));
        QVERIFY(rig->advanceUntil([this] { return balloons->size() == 3; }));
        QCOMPARE(lastBalloonText(), QStringLiteral("eight "));
        QCOMPARE(scene()->property("currentDpiStage").toInt(), 2);
        rig->mouse.pushEvent(eventReport({0x06, 0x07, 0x55, 0x09}));
        QVERIFY(rig->advanceUntil([this] { return balloons->size() == 4; }));
        QCOMPARE(lastBalloonText(), QStringLiteral("eight "));

        // Other reports and short reads are ignored; the next real event still arrives.
        rig->mouse.pushEvent(eventReport({0x06, 0x08, 0x00, 0x02}));
        rig->mouse.pushEvent(eventReport({0x06, 0x07, 0x02}));
        rig->mouse.pressDpiButton(5);
        QVERIFY(rig->advanceUntil([this] { return balloons->size() == 5; }));
        QCOMPARE(lastBalloonText(), QStringLiteral("five "));
        QTRY_COMPARE(scene()->property("currentDpiStage").toInt(), 4);
        QCOMPARE(sceneCalls().count(QStringLiteral("setCurrentDPI")), 4);
    }

    void unplugAndReplug()
    {
        connectMouse();
        QSignalSpy changes(&DeviceChangeMonitor::instance(), &DeviceChangeMonitor::deviceChanged);
        rig->window->show();
        QTest::ignoreMessage(QtDebugMsg, "Device removed");
        const qint64 unplugged = rig->clock->now();
        rig->mouse.unplug();
        QCOMPARE(changes.size(), 1);
        QVERIFY(!rig->window->checkTimer.isActive()); // the listener notices removal itself
        QVERIFY(rig->advanceUntil([this] { return !rig->hid().listenerRunning; }));
        QVERIFY(rig->clock->now() - unplugged <= 550);
        QTRY_VERIFY(!rig->view()->isEnabled());
        QVERIFY(rig->hid().deviceRecord(rig->hid().currentDevice).path2.isEmpty());
        QVERIFY(deviceConnected); // until the next check says otherwise
        QVERIFY(rig->window->isVisible()); // removal leaves the window alone

        rig->mouse.plug();
        QVERIFY(rig->window->checkTimer.isActive());
        QCOMPARE(rig->window->checkTimer.interval(), 2048);
        QVERIFY(rig->window->checkTimer.isSingleShot());
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        rig->window->checkDevice(); // what the timer runs
        QCOMPARE(lastBalloonText(), QStringLiteral("Detect Device"));
        QVERIFY(rig->view()->isEnabled());
        QTRY_COMPARE(sceneCalls().count(QStringLiteral("initUI")), 2);
    }

    void checkInTheMiddleOfACommandWaits()
    {
        start();
        rig->hid().linkIdle = false; // a command is waiting for the mouse
        rig->window->checkDevice();
        QVERIFY(rig->mouse.wireLog().isEmpty());
        QVERIFY(!deviceConnected);
        QVERIFY(rig->window->checkTimer.isActive()); // it comes back later
        rig->hid().linkIdle = true;
    }

    void changesWhileConnectedStartNoCheck()
    {
        connectMouse();
        DeviceChangeMonitor::instance().notify();
        QVERIFY(!rig->window->checkTimer.isActive());
        rig->hid().stopEventListener();
        for (int i = 0; i < 3; ++i)
            DeviceChangeMonitor::instance().notify();
        QVERIFY(rig->window->checkTimer.isActive());
    }

    void mouseWithoutEventInterfaceStillConnects()
    {
        start();
        rig->mouse.setInterfacePresent(sim::Interface::Event, false);
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        rig->window->checkDevice();
        QVERIFY(deviceConnected);
        // Its listener ends at once and hot-plug keeps working.
        QVERIFY(rig->advanceUntil([this] { return !rig->hid().listenerRunning; }));
        DeviceChangeMonitor::instance().notify();
        QVERIFY(rig->window->checkTimer.isActive());
    }

    void unreadOptionsAreNotWrittenBack()
    {
        connectMouse();
        rig->mouse.clearWireLog();
        rig->mouse.failNext(sim::Fault::GetFeature);
        rig->hid().startMonitoring(0);
        QCOMPARE(sentWithCode(rig->mouse, 0x83), 1);
        QCOMPARE(sentWithCode(rig->mouse, 0x03), 0);
        QVERIFY(rig->hid().listenerRunning); // monitoring starts anyway
    }

    void onlyOneListenerAtATime()
    {
        connectMouse();
        for (int i = 0; i < 3; ++i)
            rig->hid().startMonitoring(0);
        rig->mouse.pressDpiButton(2);
        QVERIFY(rig->advanceUntil([this] { return balloons->size() == 2; }));
        rig->advanceUntil([] { return false; }, 50, 20);
        QCOMPARE(balloons->size(), 2);
        QCOMPARE(rig->mouse.mostEventHandlesAtOnce(), 1);

        rig->hid().stopEventListener();
        QVERIFY(rig->advanceUntil([this] { return rig->hid().listenerFuture.isFinished(); }));
    }

    void manyPlugCyclesStayConsistent()
    {
        connectMouse();
        for (int cycle = 0; cycle < 25; ++cycle) {
            rig->mouse.pressDpiButton(1 + cycle % 8);
            const int expected = balloons->size() + 1;
            QVERIFY(rig->advanceUntil([&] { return balloons->size() == expected; }));
            QTest::ignoreMessage(QtDebugMsg, "Device removed");
            rig->mouse.unplug();
            QVERIFY(rig->advanceUntil([this] { return !rig->hid().listenerRunning; }));
            rig->mouse.plug();
            QTest::ignoreMessage(QtDebugMsg, "Device Connect");
            rig->window->checkDevice();
            QVERIFY(rig->hid().listenerRunning);
        }
        QCOMPARE(rig->mouse.mostEventHandlesAtOnce(), 1);
    }

    void trayRestoresOnlyWhileConnected()
    {
        start();
        rig->window->hide();
        rig->window->trayIconActivated(QSystemTrayIcon::DoubleClick);
        rig->window->receiveMessage(QString());
        QCoreApplication::processEvents();
        QVERIFY(!rig->window->isVisible());

        deviceConnected = true;
        rig->window->trayIconActivated(QSystemTrayIcon::Trigger);
        rig->window->trayIconActivated(QSystemTrayIcon::MiddleClick);
        QCoreApplication::processEvents();
        QVERIFY(!rig->window->isVisible());
        rig->window->trayIconActivated(QSystemTrayIcon::DoubleClick);
        QTRY_VERIFY(rig->window->isVisible());
        rig->window->hide();
        rig->window->receiveMessage(QString());
        QTRY_VERIFY(rig->window->isVisible());
    }

    void trayMenuQuitsTheLoop()
    {
        start();
        QSystemTrayIcon *tray = rig->window->trayIcon;
        QCOMPARE(tray->toolTip(), QStringLiteral("TARNWELL KESTREL MOUSE KM7"));
        QMenu *menu = tray->contextMenu();
        QVERIFY(menu->styleSheet().startsWith(QStringLiteral("QMenu { border: 1px solid rgb(100, 100, 100);")));
        QVERIFY(menu->styleSheet().endsWith(QStringLiteral("padding-right: 2px; } ")));
        QCOMPARE(menu->actions().size(), 1);
        QAction *quit = menu->actions().first();
        QCOMPARE(quit->text(), QStringLiteral("Quit (&Q)"));
        QVERIFY(!tray->icon().isNull());

        rig->hid().listenerRunning = true;
        QTimer::singleShot(0, quit, &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!rig->hid().listenerRunning);
    }
};

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    TestConnection test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_connection.moc"
