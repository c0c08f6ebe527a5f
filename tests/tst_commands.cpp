#include "device/cipher.h"
#include "deviceharness.h"

#include <QQuickWindow>
#include <QtTest>

using sim::ChipFamily;
using sim::Fault;
using sim::Report;

using Call = std::function<void(Hid_Thread &)>;
Q_DECLARE_METATYPE(Call)

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QList<QByteArray> hexList(std::initializer_list<const char *> texts)
{
    QList<QByteArray> list;
    for (const char *text : texts)
        list.append(hex(text));
    return list;
}

QByteArray sequence(int length, int start)
{
    QByteArray out(length, '\0');
    for (int i = 0; i < length; ++i)
        out[i] = char(start + i);
    return out;
}

uchar *data(QByteArray &bytes)
{
    return reinterpret_cast<uchar *>(bytes.data());
}

const QList<int> kSettle{64, 64};
const QList<int> kQuick{8};

QList<int> settledBlock(int writes)
{
    return kSettle + QList<int>(writes, 120) + kSettle;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DeviceHarness> rig;

    void connectTo(ChipFamily family, bool isGun = false)
    {
        sim::FirmwareConfig config;
        config.family = family;
        rig.reset(); // one private settings folder at a time
        rig = std::make_unique<DeviceHarness>();
        rig->useMouse(config);
        rig->setGlobal(QStringLiteral("mouse/isGun"), isGun);
        rig->start();
        DeviceRecord record;
        record.reportLength = 32;
        record.path = QString::fromLatin1(sim::VirtualMouse::kCommandPath);
        rig->hid().replaceDeviceList({record});
        rig->hid().currentDevice = 0;
        rig->mouse.clearWireLog();
        rig->clock->clearPauses();
    }

    QList<QByteArray> sentReports() const
    {
        QList<QByteArray> reports;
        for (const auto &entry : rig->mouse.wireLog(Report::FeatureSent))
            reports.append(entry.bytes);
        return reports;
    }

private slots:
    void cleanup() { rig.reset(); }

    void commandsMatchTheirTables_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<Call>("call");
        QTest::addColumn<QList<QByteArray>>("reports");
        QTest::addColumn<int>("outputReports");
        QTest::addColumn<QList<int>>("pauses");

        const int f553 = int(ChipFamily::F553);
        const int f560 = int(ChipFamily::F560);
        auto row = [](const char *name, int family, Call call, QList<QByteArray> reports, int writes, QList<int> pauses) {
            QTest::newRow(name) << family << call << reports << writes << pauses;
        };
        row("553 00H probe", f553, [](Hid_Thread &h) { uchar a = 1, b = 2, c = 3, d = 4; h.hid553_00H_GetSecrecyCode(a, b, c, d); },
            hexList({"00 00 01 02 03 04 00 00 F5"}), 0, {});
        row("553 01H report rate", f553, [](Hid_Thread &h) { h.hid553_01H_SetReportRate(8); },
            hexList({"00 01 08 00 00 00 00 00 F6"}), 0, kSettle);
        row("553 02H key matrix", f553, [](Hid_Thread &h) { h.hid553_02H_SetCurrentKeyMatrix(1); },
            hexList({"00 02 01 00 00 00 00 00 FC"}), 0, kSettle);
        row("553 03H options", f553, [](Hid_Thread &h) { h.hid553_03H_SetKeyboardoption(1, 2, 3, 4); },
            hexList({"00 03 01 02 03 04 00 00 F2"}), 0, kQuick);
        row("553 04H recoil", f553, [](Hid_Thread &h) { h.hid553_04H_SetGunData(1, 2, 3, 4); },
            hexList({"00 04 00 01 02 03 04 00 F1"}), 0, kQuick);
        row("553 0BH stage", f553, [](Hid_Thread &h) { h.hid553_0BH_SetCurrentDPI(3); },
            hexList({"00 0B 03 00 00 00 00 00 F1"}), 0, kSettle);
        row("553 0CH colour", f553, [](Hid_Thread &h) { uchar rgb[3] = {9, 8, 7}; h.hid553_0CH_SetFixLEDColor(rgb); },
            hexList({"00 0C 09 08 07 00 00 00 DB"}), 0, kSettle);
        row("553 0DH effect", f553, [](Hid_Thread &h) { h.hid553_0DH_SetRGBLedEffect(1, 2, 3); },
            hexList({"00 0D 01 02 03 00 00 00 EC"}), 0, kSettle);
        row("553 10H one colour", f553, [](Hid_Thread &h) { QByteArray c = sequence(24, 1); h.hid553_10H_SetLED8StageColor(2, data(c)); },
            hexList({"00 10 02 04 00 00 00 00 E9"}), 1, settledBlock(1));
        row("553 10H eight colours", f553, [](Hid_Thread &h) { QByteArray c = sequence(24, 1); h.hid553_10H_SetLED8StageColor(0, data(c)); },
            hexList({"00 10 00 18 00 00 00 00 D7"}), 1, settledBlock(1));
        row("553 11H DPI set", f553, [](Hid_Thread &h) { QByteArray d = sequence(8, 3); h.hid553_11H_SetDPISet(4, data(d)); },
            hexList({"00 11 04 08 00 00 00 00 E2"}), 1, settledBlock(1));
        row("553 12H key matrix", f553, [](Hid_Thread &h) { QByteArray m = sequence(64, 1); h.hid553_12H_SetKeyMatrix(data(m), 2); },
            hexList({"00 12 02 40 08 00 00 00 A3"}), 2, settledBlock(2));
        row("553 13H macro", f553, [](Hid_Thread &h) { QByteArray m = sequence(128, 1); h.hid553_13H_SetMacroKey(5, data(m)); },
            hexList({"00 13 05 80 00 00 00 00 67"}), 4, settledBlock(4));
        row("553 83H options", f553, [](Hid_Thread &h) { uchar a = 0, b = 0, c = 0, d = 0; h.hid553_83H_GetKeyboardoption(a, b, c, d); },
            hexList({"00 83 00 00 00 00 00 00 7C"}), 0, {});
        row("553 8BH stage", f553, [](Hid_Thread &h) { uchar a = 0; h.hid553_8BH_GetCurrentDPI(a); },
            hexList({"00 8B 00 00 00 00 00 00 74"}), 0, {});
        row("560 01H options", f560, [](Hid_Thread &h) { h.hid560_01H_SetKeyboardoption(1, 2); },
            hexList({"00 01 01 02 00 00 00 00 FB"}), 0, kQuick);
        row("560 02H profile", f560, [](Hid_Thread &h) { h.hid560_02H_SetCurrentProfile(3); },
            hexList({"00 02 03 00 00 00 00 00 FA"}), 0, kQuick);
        row("560 03H report rate, four profiles", f560, [](Hid_Thread &h) { h.hid560_03H_SetReportRate(2); },
            hexList({"00 03 01 02 00 00 00 00 F9", "00 03 02 02 00 00 00 00 F8", "00 03 03 02 00 00 00 00 F7",
                     "00 03 04 02 00 00 00 00 F6"}),
            0, kSettle + kSettle + kSettle + kSettle);
        row("560 04H stage, four profiles", f560, [](Hid_Thread &h) { h.hid560_04H_SetCurrentDPI(5); },
            hexList({"00 04 01 05 00 00 00 00 F5", "00 04 02 05 00 00 00 00 F4", "00 04 03 05 00 00 00 00 F3",
                     "00 04 04 05 00 00 00 00 F2"}),
            0, kSettle + kSettle + kSettle + kSettle);
        row("560 0CH profile", f560, [](Hid_Thread &h) { QByteArray p = sequence(128, 2); h.hid560_0CH_setProfile(data(p), 2); },
            hexList({"00 0C 02 80 00 00 00 00 71"}), 4, settledBlock(4));
        row("560 0DH key matrix", f560, [](Hid_Thread &h) { QByteArray m = sequence(64, 1); h.hid560_0DH_SetKeyMatrix(data(m), 1); },
            hexList({"00 0D 01 80 00 00 00 00 71"}), 4, settledBlock(4));
        row("560 0FH macro", f560, [](Hid_Thread &h) { QByteArray m = sequence(128, 1); h.hid560_0FH_SetMacroKey(3, data(m)); },
            hexList({"00 0F 03 80 00 00 00 00 6D"}), 4, settledBlock(4));
        row("560 81H options", f560, [](Hid_Thread &h) { uchar a = 0, b = 0; h.hid560_81H_GetKeyboardoption(a, b); },
            hexList({"00 81 00 00 00 00 00 00 7E"}), 0, {});
        row("560 82H profile", f560, [](Hid_Thread &h) { uchar a = 0; h.hid560_82H_GetCurrentProfile(a); },
            hexList({"00 82 00 00 00 00 00 00 7D"}), 0, {});
        row("560 84H stage of profile 1", f560, [](Hid_Thread &h) { uchar a = 1, b = 0; h.hid560_84H_GetCurrentDPI(a, b); },
            hexList({"00 84 01 00 00 00 00 00 7A"}), 0, {});
        row("560 8CH profile read", f560, [](Hid_Thread &h) { QByteArray p(128, '\0'); h.hid560_8CH_readProfile(data(p), 1); },
            hexList({"00 8C 01 00 00 00 00 00 72"}), 0, {});
    }

    void commandsMatchTheirTables()
    {
        QFETCH(int, family);
        QFETCH(Call, call);
        QFETCH(QList<QByteArray>, reports);
        QFETCH(int, outputReports);
        QFETCH(QList<int>, pauses);
        connectTo(ChipFamily(family));

        call(rig->hid());

        QCOMPARE(sentReports(), reports);
        const auto outputs = rig->mouse.wireLog(Report::Output);
        QCOMPARE(outputs.size(), outputReports);
        for (const auto &output : outputs)
            QCOMPARE(output.bytes.size(), 33);
        QCOMPARE(rig->clock->pauses(), pauses);
        QVERIFY(rig->hid().linkIdle);
    }

    void blocksReachTheFirmware()
    {
        connectTo(ChipFamily::F553);
        QByteArray colours = sequence(24, 10);
        rig->hid().hid553_10H_SetLED8StageColor(2, data(colours));
        QCOMPARE(rig->mouse.state().ledColours, colours.left(4)); // type 2 carries one entry
        QCOMPARE(rig->mouse.wireLog(Report::Output).first().bytes.mid(5), QByteArray(28, '\0'));

        connectTo(ChipFamily::F560);
        QByteArray matrix = sequence(64, 1);
        rig->hid().hid560_0DH_SetKeyMatrix(data(matrix), 1);
        QCOMPARE(rig->mouse.state().keyMatrices.at(1), matrix + QByteArray(64, '\0'));
    }

    void getCommandsOnAnUnreachableMouseKeepTheirPresets()
    {
        connectTo(ChipFamily::F553);
        rig->mouse.unplug();
        uchar a = 1, b = 2, c = 3, d = 4;
        rig->hid().hid553_83H_GetKeyboardoption(a, b, c, d);
        QCOMPARE(QList<int>({a, b, c, d}), QList<int>({1, 2, 3, 4}));
        uchar stage = 7;
        rig->hid().hid553_8BH_GetCurrentDPI(stage);
        QCOMPARE(stage, uchar(7));
        rig->hid().hid560_82H_GetCurrentProfile(stage);
        QCOMPARE(stage, uchar(7));
        uchar p = 1, s = 9;
        rig->hid().hid560_84H_GetCurrentDPI(p, s);
        QCOMPARE(QList<int>({p, s}), QList<int>({1, 9}));
        QByteArray profile = sequence(128, 5);
        const QByteArray before = profile;
        rig->hid().hid560_8CH_readProfile(data(profile), 1);
        QCOMPARE(profile, before);
        // The probe never echoes a challenge it did not get back.
        rig->hid().hid553_00H_GetSecrecyCode(a, b, c, d);
        QCOMPARE(QList<int>({a, b, c, d}), QList<int>({0, 0, 0, 0}));
        QVERIFY(rig->mouse.wireLog().isEmpty());
    }

    void getCommandsReadTheFirmware()
    {
        connectTo(ChipFamily::F553);
        rig->hid().hid553_03H_SetKeyboardoption(5, 6, 7, 8);
        rig->hid().hid553_0BH_SetCurrentDPI(4);
        uchar a = 0, b = 0, c = 0, d = 0, stage = 0;
        rig->hid().hid553_83H_GetKeyboardoption(a, b, c, d);
        rig->hid().hid553_8BH_GetCurrentDPI(stage);
        QCOMPARE(QList<int>({a, b, c, d, stage}), QList<int>({5, 6, 7, 8, 4}));

        connectTo(ChipFamily::F560);
        rig->hid().hid560_04H_SetCurrentDPI(6);
        rig->hid().hid560_02H_SetCurrentProfile(2);
        uchar profile = 0, requested = 1, current = 0;
        rig->hid().hid560_84H_GetCurrentDPI(requested, current);
        rig->hid().hid560_82H_GetCurrentProfile(profile);
        QCOMPARE(QList<int>({requested, current, profile}), QList<int>({1, 6, 2}));
    }

    void perProfileWritesFollowTheRecoilSetting()
    {
        connectTo(ChipFamily::F560, true);
        rig->hid().hid560_03H_SetReportRate(2);
        QCOMPARE(sentReports(), hexList({"00 03 01 02 00 00 00 00 F9"}));
        QCOMPARE(rig->clock->pauses(), kSettle);

        // The setting is read after every report.
        rig->mouse.clearWireLog();
        rig->view()->isGun = false;
        rig->hid().hid560_04H_SetCurrentDPI(3);
        QCOMPARE(sentReports().size(), 4);
        QCOMPARE(rig->mouse.state().currentDpi, (std::array<uchar, 4>{3, 3, 3, 3}));
    }

    void perProfileLoopGoesOnAfterAFailedReport()
    {
        connectTo(ChipFamily::F560);
        rig->mouse.failNext(Fault::SendFeature);
        rig->hid().hid560_03H_SetReportRate(4);
        QCOMPARE(sentReports().size(), 3);
        QCOMPARE(rig->mouse.state().reportRate, (std::array<uchar, 4>{1, 4, 4, 4}));
        QVERIFY(rig->hid().linkIdle);
    }

    void profileReadIsNeverDeciphered()
    {
        sim::FirmwareConfig config;
        config.family = ChipFamily::F560;
        config.encrypted = true;
        connectTo(ChipFamily::F560);
        rig->mouse.reset(config);
        DeviceRecord record = rig->hid().deviceRecord(0);
        record.isEncode = true;
        rig->hid().replaceDeviceList({record});
        const char code[] = "472915";
        std::copy(code, code + 6, SecrecyCode + 1);

        QByteArray block = sequence(128, 40);
        rig->hid().hid560_0CH_setProfile(data(block), 3);
        QByteArray read(128, '\0');
        rig->hid().hid560_8CH_readProfile(data(read), 3);
        QCOMPARE(read, block);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(rig->hid().rxReport.data()), 9),
                 rig->mouse.wireLog(Report::FeatureReceived).last().bytes);
        std::fill(SecrecyCode, SecrecyCode + 8, 0);
    }

    void nestedCommandGivesUpWithItsFailureLine()
    {
        connectTo(ChipFamily::F553);
        // Started from the event loop while the report-rate exchange waits.
        QTimer::singleShot(0, rig->window.get(), [this] { rig->hid().hid553_0BH_SetCurrentDPI(2); });
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed 0B");
        rig->hid().hid553_01H_SetReportRate(8);
        QCOMPARE(sentReports(), hexList({"00 01 08 00 00 00 00 00 F6"}));
        QCOMPARE(rig->mouse.state().reportRate[0], uchar(8));
        QVERIFY(rig->hid().linkIdle);

        // Back to back from the GUI thread, both go through.
        rig->hid().hid553_0BH_SetCurrentDPI(2);
        rig->hid().hid553_01H_SetReportRate(4);
        QCOMPARE(sentReports().size(), 3);
    }

    void probeChecksTheEcho()
    {
        connectTo(ChipFamily::F553);
        QVERIFY(rig->hid().chkDeviceIsEnCode(0));
        QCOMPARE(rig->hid().currentDevice, 0);

        // An encrypted mouse answers only under its own secrecy code.
        sim::FirmwareConfig config;
        config.encrypted = true;
        config.secrecyCode = QStringLiteral("123456");
        rig->mouse.reset(config);
        DeviceRecord record = rig->hid().deviceRecord(0);
        record.isEncode = true;
        record.sCode = QStringLiteral("123456");
        DeviceRecord wrong = record;
        wrong.sCode = QStringLiteral("654321");
        DeviceRecord shortCode = record;
        shortCode.sCode = QStringLiteral("12345");
        rig->hid().replaceDeviceList({wrong, record, shortCode});
        QVERIFY(!rig->hid().chkDeviceIsEnCode(0));
        QCOMPARE(rig->hid().currentDevice, 0);
        QVERIFY(rig->hid().chkDeviceIsEnCode(1));
        // A code of five characters keeps the one loaded before.
        QVERIFY(rig->hid().chkDeviceIsEnCode(2));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(SecrecyCode + 1), 6), QByteArray("123456"));
        QVERIFY(!rig->hid().chkDeviceIsEnCode(0));
        QVERIFY(!rig->hid().chkDeviceIsEnCode(2));
        QCOMPARE(rig->hid().currentDevice, 2);
        std::fill(SecrecyCode, SecrecyCode + 8, 0);
    }

    void cipherMatchesAVectorWorkedByHand()
    {
        // Bytes 1 to 8 of 00 0B 02 00 00 00 00 00 F2 under the code "472915":
        // swap -> 00 00 F2 00 02 0B 00 00; mix -> 00 34 C5 32 3B 3A 35 00;
        // rotate left 3 -> 01 A6 29 91 D9 D1 A8 00; add the nibble-swapped key.
        const uchar code[8] = {0xAA, '4', '7', '2', '9', '1', '5', 0x55};
        uchar buffer[8] = {0x0B, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF2};
        cipher::encrypt(buffer, code);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), 8), hex("b5 fd 2e 08 ef f6 4f f6"));
        cipher::decrypt(buffer, code);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), 8), hex("0B 02 00 00 00 00 00 F2"));
    }
};

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    TestCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commands.moc"
