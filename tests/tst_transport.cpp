#include "device/cipher.h"
#include "device/hid_thread.h"
#include "sim/virtualclock.h"
#include "sim/virtualmouse.h"

#include <QRandomGenerator>
#include <QtTest>

using sim::Fault;
using sim::Report;
using sim::VirtualMouse;

namespace {

QByteArray bytes(std::initializer_list<uchar> values)
{
    QByteArray out;
    for (uchar v : values)
        out.append(char(v));
    return out;
}

QByteArray pattern(int length, int seed = 1)
{
    QByteArray out(length, '\0');
    for (int i = 0; i < length; ++i)
        out[i] = char(seed + i);
    return out;
}

QList<int> repeated(int value, int count)
{
    return QList<int>(count, value);
}

const char kFailLine[] = "cmd Failed 0B";

} // namespace

class TestTransport : public QObject
{
    Q_OBJECT

private:
    VirtualMouse &mouse = VirtualMouse::instance();
    std::unique_ptr<sim::VirtualClock> clock;
    std::unique_ptr<Hid_Thread> hid;

    void useDevice(int reportLength, bool isEncode = false)
    {
        DeviceRecord record;
        record.reportLength = reportLength;
        record.isEncode = isEncode;
        record.path = QString::fromLatin1(VirtualMouse::kCommandPath);
        record.path2 = QString::fromLatin1(VirtualMouse::kEventPath);
        hid->deviceList = {record};
        hid->currentDevice = 0;
    }

    Hid_Thread::Exchange sendBlock(const QByteArray &block, bool settle = true)
    {
        return hid->transmit(kFailLine, makeCommandReport(0x12, {1}),
                             reinterpret_cast<const uchar *>(block.constData()), block.size(), settle);
    }

private slots:
    void init()
    {
        mouse.reset();
        clock = std::make_unique<sim::VirtualClock>();
        hid = std::make_unique<Hid_Thread>();
        useDevice(64);
    }

    void cleanup()
    {
        hid.reset();
        QCOMPARE(mouse.openHandles(), 0);
        clock.reset();
    }

    void framedCommandOnTheWire()
    {
        QCOMPARE(hid->transmit(kFailLine, makeCommandReport(0x0B, {2}), nullptr, 0, false),
                 Hid_Thread::Exchange::Done);
        const auto sent = mouse.wireLog(Report::FeatureSent);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].bytes, bytes({0x00, 0x0B, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF2}));
        uchar body[] = {0x0B, 0x02, 0, 0, 0, 0, 0};
        QCOMPARE(hid->hidCS(body), uchar(0xF2));
        QVERIFY(hid->linkIdle);
        QVERIFY(clock->pauses().isEmpty());
    }

    void blockIsSlicedIntoPaddedReports_data()
    {
        QTest::addColumn<int>("reportLength");
        QTest::addColumn<int>("blockLength");
        QTest::addColumn<int>("writes");
        QTest::newRow("128 bytes in 64-byte reports") << 64 << 128 << 2;
        QTest::newRow("128 bytes in 32-byte reports") << 32 << 128 << 4;
        QTest::newRow("8 bytes in a 32-byte report") << 32 << 8 << 1;
        QTest::newRow("8 bytes in a 64-byte report") << 64 << 8 << 1;
        QTest::newRow("24 bytes in a 32-byte report") << 32 << 24 << 1;
        QTest::newRow("100 bytes in 64-byte reports") << 64 << 100 << 2;
    }

    void blockIsSlicedIntoPaddedReports()
    {
        QFETCH(int, reportLength);
        QFETCH(int, blockLength);
        QFETCH(int, writes);
        useDevice(reportLength);
        const QByteArray block = pattern(blockLength);

        QCOMPARE(sendBlock(block), Hid_Thread::Exchange::Done);

        const auto outputs = mouse.wireLog(Report::Output);
        QCOMPARE(outputs.size(), writes);
        QByteArray carried;
        for (const auto &output : outputs) {
            QCOMPARE(output.bytes.size(), reportLength + 1);
            QCOMPARE(output.bytes.at(0), '\0');
            carried += output.bytes.mid(1);
        }
        QCOMPARE(carried.left(blockLength), block);
        QCOMPARE(carried.mid(blockLength), QByteArray(carried.size() - blockLength, '\0'));
        QCOMPARE(mouse.received().last().block.left(blockLength), block);

        // Settle after the command report, 120 ms after every output report, settle again.
        const QList<int> expected = QList<int>{64, 64} + repeated(120, writes) + QList<int>{64, 64};
        QCOMPARE(clock->pauses(), expected);
        for (int i = 1; i < outputs.size(); ++i)
            QCOMPARE(outputs[i].time - outputs[i - 1].time, qint64(120));
    }

    void everyReportGetsAFreshHandle()
    {
        QCOMPARE(sendBlock(pattern(128), false), Hid_Thread::Exchange::Done);
        // One open before the exchange, one before the feature report, one per output report.
        QCOMPARE(mouse.opensSincePlug(), 4);
        QCOMPARE(mouse.openHandles(), 0);
        QVERIFY(!hid->cmdHandle);

        mouse.reset();
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x83)), Hid_Thread::Exchange::Done);
        QCOMPARE(mouse.opensSincePlug(), 3);
        QCOMPARE(mouse.openHandles(), 0);
    }

    void busyLinkGivesUpAfter255Polls()
    {
        hid->linkIdle = false;
        QTest::ignoreMessage(QtDebugMsg, kFailLine);
        QCOMPARE(sendBlock(pattern(8)), Hid_Thread::Exchange::LinkBusy);
        QVERIFY(mouse.wireLog().isEmpty());
        QCOMPARE(mouse.opensSincePlug(), 0);
        QCOMPARE(clock->pauses(), repeated(8, 255));
        QVERIFY(!hid->linkIdle); // still held by whoever has it

        hid->linkIdle = false;
        QTest::ignoreMessage(QtDebugMsg, kFailLine);
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x8B)), Hid_Thread::Exchange::LinkBusy);
        QVERIFY(mouse.wireLog().isEmpty());
    }

    void failedOpenMarksTheDeviceLost()
    {
        mouse.failNext(Fault::Open);
        QCOMPARE(sendBlock(pattern(8)), Hid_Thread::Exchange::Failed);
        QVERIFY(hid->deviceList[0].path.isEmpty());
        QVERIFY(hid->linkIdle);

        const int opens = mouse.opensSincePlug();
        QCOMPARE(sendBlock(pattern(8)), Hid_Thread::Exchange::Failed);
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x83)), Hid_Thread::Exchange::Failed);
        QCOMPARE(mouse.opensSincePlug(), opens);
        QVERIFY(mouse.wireLog().isEmpty());
        QVERIFY(hid->linkIdle);
    }

    void unpluggedMouseIsLostAtTheFirstOpen()
    {
        mouse.unplug();
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x8B)), Hid_Thread::Exchange::Failed);
        QVERIFY(hid->deviceList[0].path.isEmpty());
        mouse.plug();
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x8B)), Hid_Thread::Exchange::Failed);
        QCOMPARE(mouse.opensSincePlug(), 0); // the path stays empty until rediscovered
    }

    void failedReportEndsTheExchange_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("isRead");
        QTest::addColumn<int>("reportsBeforeFailure");
        QTest::newRow("send feature (block write)") << int(Fault::SendFeature) << false << 0;
        QTest::newRow("write") << int(Fault::Write) << false << 1;
        QTest::newRow("send feature (read)") << int(Fault::SendFeature) << true << 0;
        QTest::newRow("get feature") << int(Fault::GetFeature) << true << 1;
        QTest::newRow("read") << int(Fault::Read) << true << 2;
    }

    void failedReportEndsTheExchange()
    {
        QFETCH(int, fault);
        QFETCH(bool, isRead);
        QFETCH(int, reportsBeforeFailure);
        mouse.failNext(Fault(fault));
        mouse.queueInput(pattern(64));
        mouse.queueInput(pattern(64));

        const auto result = isRead ? hid->request(kFailLine, makeCommandReport(0x8C, {1}), {}, 128)
                                   : sendBlock(pattern(128));
        QCOMPARE(result, Hid_Thread::Exchange::Failed);
        QCOMPARE(mouse.wireLog().size(), reportsBeforeFailure);
        QVERIFY(hid->linkIdle);
        QVERIFY(!hid->cmdHandle);
        QCOMPARE(mouse.openHandles(), 0);
        QVERIFY(!hid->deviceList[0].path.isEmpty()); // a failed report does not lose the device
    }

    void blockReadCollectsInputReports_data()
    {
        QTest::addColumn<int>("reportLength");
        QTest::newRow("64-byte reports") << 64;
        QTest::newRow("32-byte reports") << 32;
    }

    void blockReadCollectsInputReports()
    {
        QFETCH(int, reportLength);
        useDevice(reportLength, true); // neither answer nor block is deciphered around a block read
        const QByteArray block = pattern(128, 7);
        for (int offset = 0; offset < 128; offset += reportLength)
            mouse.queueInput(block.mid(offset, reportLength));

        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x8C, {1}), {}, 128), Hid_Thread::Exchange::Done);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(hid->blockBuffer), 128), block);
        QCOMPARE(mouse.wireLog(Report::Input).size(), 128 / reportLength);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(hid->rxReport.data()), 9),
                 mouse.wireLog(Report::FeatureReceived).first().bytes);
        QVERIFY(clock->pauses().isEmpty());
    }

    void blockThatNeverArrivesTimesOut()
    {
        mouse.failNext(Fault::BlockNeverArrives);
        mouse.queueInput(pattern(64));
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x8C, {1}), {}, 128), Hid_Thread::Exchange::Failed);
        QCOMPARE(clock->pauses(), QList<int>{Hid_Thread::kBlockReadTimeoutMs});
        QVERIFY(hid->linkIdle);
        QVERIFY(mouse.wireLog(Report::Input).isEmpty());
    }

    void exchangeWithoutARecordEndsAtOnce()
    {
        hid->deviceList.clear();
        hid->currentDevice = 1;
        QCOMPARE(sendBlock(pattern(8)), Hid_Thread::Exchange::Failed);
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x83)), Hid_Thread::Exchange::Failed);
        QVERIFY(mouse.wireLog().isEmpty());
        QVERIFY(hid->linkIdle);
    }

    void recordWithoutReportLengthRefusesBlocks()
    {
        useDevice(0);
        QCOMPARE(sendBlock(pattern(8)), Hid_Thread::Exchange::Failed);
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x8C), {}, 128), Hid_Thread::Exchange::Failed);
        QVERIFY(mouse.wireLog().isEmpty());
        QVERIFY(hid->linkIdle);
        // A plain command needs no block and still goes through.
        QCOMPARE(hid->transmit(kFailLine, makeCommandReport(0x0B, {1}), nullptr, 0, false),
                 Hid_Thread::Exchange::Done);
    }

    void oversizedBlockIsCappedAt128Bytes()
    {
        QCOMPARE(sendBlock(pattern(200), false), Hid_Thread::Exchange::Done);
        QCOMPARE(mouse.wireLog(Report::Output).size(), 2);
    }

    void encryptedDeviceGetsCipheredReports()
    {
        sim::FirmwareConfig config;
        config.encrypted = true;
        config.secrecyCode = QStringLiteral("472915");
        mouse.reset(config);
        useDevice(64, true);
        const uchar code[8] = {0, '4', '7', '2', '9', '1', '5', 0};
        std::copy(code, code + 8, SecrecyCode);
        const CommandReport plain = makeCommandReport(0x03, {1, 2, 3, 4});

        QCOMPARE(hid->transmit(kFailLine, plain, nullptr, 0, false), Hid_Thread::Exchange::Done);
        CommandReport expected = plain;
        cipher::encrypt(&expected[1], SecrecyCode);
        const QByteArray wire = mouse.wireLog(Report::FeatureSent).first().bytes;
        QCOMPARE(wire, QByteArray(reinterpret_cast<const char *>(expected.data()), 9));
        QCOMPARE(wire.at(0), '\0'); // the report ID is never enciphered
        QCOMPARE(mouse.state().keyboardOptions, (std::array<uchar, 4>{1, 2, 3, 4}));

        // The firmware enciphers its answer; the host deciphers it in place.
        QCOMPARE(hid->request(kFailLine, makeCommandReport(0x83)), Hid_Thread::Exchange::Done);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(hid->rxReport.data() + 1), 5), bytes({0x83, 1, 2, 3, 4}));
        QVERIFY(mouse.wireLog(Report::FeatureReceived).last().bytes.mid(1, 5) != bytes({0x83, 1, 2, 3, 4}));
        std::fill(SecrecyCode, SecrecyCode + 8, 0);
    }

    void cipherRoundTrips()
    {
        auto *random = QRandomGenerator::global();
        for (int round = 0; round < 2000; ++round) {
            uchar code[8], buffer[8], original[8];
            for (int i = 0; i < 8; ++i) {
                code[i] = uchar(random->bounded(256));
                original[i] = buffer[i] = uchar(random->bounded(256));
            }
            cipher::encrypt(buffer, code);
            uchar otherEnds[8];
            std::copy(code, code + 8, otherEnds);
            otherEnds[0] ^= 0xFF;
            otherEnds[7] ^= 0x5A;
            uchar again[8];
            std::copy(original, original + 8, again);
            cipher::encrypt(again, otherEnds);
            QVERIFY(std::equal(buffer, buffer + 8, again)); // bytes 0 and 7 of the code are unused
            cipher::decrypt(buffer, code);
            QVERIFY(std::equal(buffer, buffer + 8, original));
            cipher::decrypt(buffer, code);
            cipher::encrypt(buffer, code);
            QVERIFY(std::equal(buffer, buffer + 8, original));
        }
    }

    void probeIsEchoedByTheFirmware()
    {
        QCOMPARE(hid->request("cmd Failed 00", makeCommandReport(0x00, {0x12, 0x34, 0x56, 0x78})),
                 Hid_Thread::Exchange::Done);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(hid->rxReport.data() + 2), 4),
                 bytes({0x12, 0x34, 0x56, 0x78}));
    }
};

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"
