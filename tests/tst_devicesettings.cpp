// The view's device slots, asserted on what the virtual mouse received and keeps.

#include "deviceharness.h"
#include "view/pointersettings.h"

#include <QQuickWindow>
#include <QtTest>

using sim::ChipFamily;
using sim::Report;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QVariantList ints(std::initializer_list<int> values)
{
    QVariantList out;
    for (int v : values)
        out.append(v);
    return out;
}

// 16 page assignments: a plain combination key everywhere except where given.
QVariantList assignments(const QMap<int, QList<int>> &buttons)
{
    QVariantList values;
    for (int k = 0; k < 16; ++k) {
        const QList<int> a = buttons.value(k, {2, 0, 0, 0});
        for (int v : a)
            values.append(v);
    }
    return values;
}

int sentWithCode(const sim::VirtualMouse &mouse, uchar code)
{
    int count = 0;
    for (const auto &received : mouse.received())
        count += uchar(received.report.at(1)) == code;
    return count;
}

// Records what the view asks of the desktop, and can refuse it.
struct RecordingBackend : PointerBackend
{
    QList<int> *speeds;
    QList<int> *doubleClicks;
    QList<int> *lines;
    bool accept;
    RecordingBackend(QList<int> *s, QList<int> *d, QList<int> *l, bool a)
        : speeds(s), doubleClicks(d), lines(l), accept(a) {}
    bool setPointerSpeed(int v) override { speeds->append(v); return accept; }
    bool setDoubleClickTime(int v) override { doubleClicks->append(v); return accept; }
    bool setWheelScrollLines(int v) override { lines->append(v); return accept; }
};

} // namespace

class TestDeviceSettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DeviceHarness> rig;

    myQQuickView *view() { return rig->view(); }
    const sim::VirtualMouse &mouse() { return rig->mouse; }

    void connectMouse(ChipFamily family, bool isGun = true)
    {
        rig.reset();
        rig = std::make_unique<DeviceHarness>();
        sim::FirmwareConfig config;
        config.family = family;
        rig->useMouse(config);
        rig->setGlobal(QStringLiteral("mouse/isGun"), isGun);
        rig->start();
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        rig->window->checkDevice();
        rig->hid().stopEventListener();
        QVERIFY(rig->advanceUntil([this] { return rig->hid().listenerFuture.isFinished(); }));
        rig->mouse.clearWireLog();
    }

    QByteArray firmwareBlock(int n, int offset, int length)
    {
        return mouse().state().profileBlocks[size_t(n)].mid(offset, length);
    }

private slots:
    void cleanup() { rig.reset(); }

    void familyIsChosenOnEveryCall()
    {
        connectMouse(ChipFamily::F553);
        view()->icType = QStringLiteral("5600");
        view()->mouseSetReportRate(2);
        QCOMPARE(mouse().state().reportRate[0], uchar(2));
        view()->icType = QString();
        view()->mouseSetCurrentDPI(3);
        QCOMPARE(mouse().state().currentDpi[0], uchar(3));
        QCOMPARE(view()->mouseGetCurrentDPI().toInt(), 3);

        connectMouse(ChipFamily::F560, false);
        view()->mouseSetReportRate(4);
        QCOMPARE(mouse().state().reportRate, (std::array<uchar, 4>{4, 4, 4, 4}));
        view()->mouseSetCurrentDPI(5);
        QCOMPARE(view()->mouseGetCurrentDPI().toInt(), 5);
        QCOMPARE(mouse().received().last().report.mid(1, 2), bytes({0x84, 1}));
    }

    void switchingTheKeyMatrix()
    {
        connectMouse(ChipFamily::F553);
        view()->mouseSwitchKeyMatrix(1);
        QCOMPARE(mouse().state().currentProfile, uchar(0));
        connectMouse(ChipFamily::F560);
        view()->mouseSwitchKeyMatrix(1);
        QCOMPARE(mouse().state().currentProfile, uchar(1));
        QCOMPARE(view()->mouseReadCurrentProfile().toInt(), 1);
    }

    void keyMatrixWithoutAGunKey()
    {
        connectMouse(ChipFamily::F553);
        view()->setCurrentProfile(1);
        const QVariantList page = assignments({{3, {0, 0, 0xF3, 0}}, {4, {0, 0, 0xF4, 0}}, {6, {4, 1, 6, 0}}});
        view()->mouseSetKeyMatrix(page, true, ints({90, 100, 110}));

        QCOMPARE(view()->mouseGetKeydefine(6, false), QVariantList({"4", "1", "6", "0"}));
        const auto state = mouse().state();
        QCOMPARE(int(state.keyMatrices.size()), 1);
        const QByteArray matrix = state.keyMatrices.at(1);
        QCOMPARE(matrix.mid(12, 4), bytes({1, 0, 0xF4, 0}));
        QCOMPARE(matrix.mid(16, 4), bytes({1, 0, 0xF3, 0}));
        QCOMPARE(matrix.mid(24, 4), bytes({9, 1, 7, 0}));
        QCOMPARE(matrix.mid(28, 4), bytes({9, 1, 7, 0}));
        QCOMPARE(sentWithCode(mouse(), 0x02), 0); // the current matrix stays as it is
    }

    void storingOnlyTouchesNoMouse()
    {
        connectMouse(ChipFamily::F553);
        view()->setCurrentProfile(3);
        view()->mouseSetKeyMatrix(assignments({{2, {5, 0, 1, 0}}}), false, ints({1, 2, 3}));
        QVERIFY(mouse().wireLog().isEmpty());
        QCOMPARE(view()->mouseGetKeydefine(2, false), QVariantList({"5", "0", "1", "0"}));
        QCOMPARE(view()->mouseGetKeydefine(2, true).size(), 4);
        QCOMPARE(view()->mouseGetKeydefine(99, false), QVariantList());

        // Short input is padded, and a profile that does not exist takes nothing.
        view()->mouseSetKeyMatrix({0, 0, 0xF0}, false, {});
        QCOMPARE(view()->mouseGetKeydefine(15, false), QVariantList({"0", "0", "0", "0"}));
        view()->setCurrentProfile(12);
        view()->mouseSetKeyMatrix(assignments({}), true, ints({1, 2, 3}));
        QVERIFY(mouse().wireLog().isEmpty());
    }

    void gunKeyOn553()
    {
        connectMouse(ChipFamily::F553);
        view()->mouseSetKeyMatrix(assignments({{5, {8, 0, 2, 0}}}), true, ints({90, 100, 110}));
        const auto state = mouse().state();
        QCOMPARE(int(state.keyMatrices.size()), 4);
        QCOMPARE(state.keyMatrices.at(1).mid(20, 4), bytes({8, 0, 1, 1}));
        QCOMPARE(state.keyMatrices.at(2).mid(20, 4), bytes({8, 0, 1, 2}));
        QCOMPARE(state.keyMatrices.at(4).mid(20, 4), bytes({8, 0, 1, 0}));
        QCOMPARE(state.keyMatrices.at(3).left(4), bytes({11, 1, 100, 0}));
        // The layers start from the profile's firmware assignment.
        QCOMPARE(state.keyMatrices.at(2).mid(4, 4), bytes({1, 0, 0xF1, 0}));
        QCOMPARE(state.currentProfile, uchar(1));
    }

    void gunKeyOn560()
    {
        connectMouse(ChipFamily::F560);
        view()->mouseSetKeyMatrix(assignments({{5, {8, 0, 3, 0}}}), true, ints({90, 100, 110}));
        const auto state = mouse().state();
        QCOMPARE(int(state.profileBlocks[0].at(2)), 31);
        QCOMPARE(state.keyMatrices.at(1).mid(20, 4), bytes({8, 0, 1, 0}));
        QCOMPARE(state.keyMatrices.at(3).mid(20, 4), bytes({8, 0, 3, 0}));
        QCOMPARE(state.keyMatrices.at(4).size(), 128);
        QCOMPARE(state.currentProfile, uchar(1));

        // A later call without a gun key leaves block 0 alone.
        view()->mouseSetKeyMatrix(assignments({}), true, ints({90, 100, 110}));
        QCOMPARE(int(mouse().state().profileBlocks[0].at(2)), 31);
    }

    void resetSendsTheFirmwareAssignment()
    {
        connectMouse(ChipFamily::F553);
        view()->store().profileHandle(0)->remove("mouseFwKeyMatrix/9");
        view()->mouseResetKeyMatrix();
        const auto state = mouse().state();
        QCOMPARE(int(state.keyMatrices.size()), 3);
        QCOMPARE(state.keyMatrices.at(2), state.keyMatrices.at(4));
        QCOMPARE(state.keyMatrices.at(2).mid(0, 4), bytes({1, 0, 0xF0, 0}));
        QCOMPARE(state.keyMatrices.at(2).mid(36, 4), bytes({0, 0, 0, 0})); // missing entry
        QVERIFY(!state.keyMatrices.count(1));
    }

    void dpiOn553()
    {
        connectMouse(ChipFamily::F553);
        view()->mouseSetDpi(4, "3360", ints({400, 800, 1600, 3200, 6400, 8000, 12000, 16000}));
        QCOMPARE(int(mouse().state().dpiStageCount), 4);
        QCOMPARE(mouse().state().dpiRegisters, bytes({3, 7, 15, 31, 0x80, 0x80, 0x80, 0x80}));
        // "3389" sends no flags to the 553 family; a short list counts as 0 DPI.
        view()->mouseSetDpi(8, "3389", ints({16000}));
        QCOMPARE(mouse().state().dpiRegisters, bytes({64, 0, 0, 0, 0, 0, 0, 0}));
    }

    void dpiOn560_data()
    {
        QTest::addColumn<bool>("isGun");
        QTest::addColumn<int>("blocksWritten");
        QTest::newRow("without recoil") << false << 1;
        QTest::newRow("with recoil") << true << 4;
    }

    void dpiOn560()
    {
        QFETCH(bool, isGun);
        QFETCH(int, blocksWritten);
        connectMouse(ChipFamily::F560, isGun);
        view()->mouseSetDpi(4, "3360", ints({400, 800, 1600, 3200, 6400, 8000, 12000, 16000}));
        QCOMPARE(sentWithCode(mouse(), 0x0C), blocksWritten);
        const QByteArray registers = bytes({3, 7, 15, 31, 63, 79, 119, 159});
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(view()->profileBlocks[size_t(n)].data() + 84), 17),
                     registers + registers + bytes({0x0F}));
        }
        QCOMPARE(firmwareBlock(1, 84, 17), registers + registers + bytes({0x0F}));
        QCOMPARE(firmwareBlock(4, 84, 8) == registers, isGun);

        view()->mouseSetDpi(3, "3389", ints({400, 12800, 16000, 800, 800, 800, 800, 800}));
        QCOMPARE(firmwareBlock(1, 82, 2), bytes({0x06, 0x06}));
        QCOMPARE(firmwareBlock(1, 100, 1), bytes({0x07}));
    }

    void lightingOn553()
    {
        connectMouse(ChipFamily::F553);
        view()->isColorful = true;
        view()->mouseSetRGBEffect(5, 2, 3);
        QCOMPARE(mouse().state().ledEffect, (std::array<uchar, 3>{5, 192, 5}));

        view()->isColorful = false;
        view()->is55328 = false;
        view()->mouseSetRGBEffect(1, 2, 0);
        QCOMPARE(mouse().state().ledEffect, (std::array<uchar, 3>{2, 3, 2}));
        view()->is55328 = true;
        view()->mouseSetRGBEffect(4, 2, 0);
        QCOMPARE(mouse().state().ledEffect, (std::array<uchar, 3>{2, 3, 3}));
        view()->mouseSetRGBEffect(1, 2, 0);
        QCOMPARE(mouse().state().ledEffect, (std::array<uchar, 3>{2, 3, 1}));
    }

    void coloursOn553()
    {
        connectMouse(ChipFamily::F553);
        QVariantList colours;
        for (int i = 0; i < 21; ++i)
            colours.append(10 + i);
        view()->is55328 = true;
        view()->mouseSetRGBColor(0, colours + ints({0, 0, 0}));
        QCOMPARE(sentWithCode(mouse(), 0x0C), 1);
        QCOMPARE(sentWithCode(mouse(), 0x10), 0);
        QCOMPARE(mouse().state().fixedColour, (std::array<uchar, 3>{10, 11, 12}));

        rig->mouse.clearWireLog();
        view()->mouseSetRGBColor(0, colours + ints({1, 2, 3}));
        QCOMPARE(sentWithCode(mouse(), 0x10), 1);

        rig->mouse.clearWireLog();
        view()->is55328 = false;
        view()->mouseSetRGBColor(2, colours + ints({1, 2, 3, 99, 99}));
        QCOMPARE(sentWithCode(mouse(), 0x10), 2);
        QCOMPARE(mouse().state().ledColours, bytes({10, 11, 12, 13}));
    }

    void lightingOn560()
    {
        connectMouse(ChipFamily::F560, false);
        view()->isColorful = false;
        view()->mouseSetRGBEffect(2, 4, 0);
        QCOMPARE(firmwareBlock(1, 71, 3), bytes({3, 6, 3}));
        QCOMPARE(view()->profileBlocks[2][73], uchar(2));
        QCOMPARE(sentWithCode(mouse(), 0x0C), 1);

        connectMouse(ChipFamily::F560, true);
        view()->isColorful = true;
        view()->mouseSetRGBEffect(5, 2, 3);
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(firmwareBlock(n, 71, 3), bytes({5, 192, 5}));

        QVariantList colours;
        for (int i = 0; i < 24; ++i)
            colours.append(100 + i);
        view()->mouseSetRGBColor(0, colours);
        QByteArray expected;
        for (const QVariant &c : colours)
            expected.append(char(c.toInt()));
        QCOMPARE(firmwareBlock(0, 24, 24), expected);
        view()->isColorful = false;
        view()->mouseSetRGBColor(1, colours);
        QCOMPARE(uchar(firmwareBlock(1, 104, 1).at(0)), uchar(100));
        QCOMPARE(uchar(firmwareBlock(1, 127, 1).at(0)), uchar(123));
    }

    void macrosGoToTheirSlots()
    {
        connectMouse(ChipFamily::F553);
        QVariantList data;
        for (int i = 0; i < 200; ++i)
            data.append(i);
        QVERIFY(view()->mouseSendMacroData(data, 0).toBool());
        QCOMPARE(mouse().state().macros.at(1).size(), 128);
        QCOMPARE(uchar(mouse().state().macros.at(1).at(127)), uchar(127));
        QVERIFY(view()->mouseSendMacroData(data, 12).toBool());
        QVERIFY(view()->mouseSendMacroData(data, 268).toBool()); // low byte 12
        QCOMPARE(int(mouse().state().macros.size()), 1);

        connectMouse(ChipFamily::F560);
        QVERIFY(view()->mouseSendMacroData(ints({0, 1, 1, 4, 0, 0}), 11).toBool());
        QCOMPARE(mouse().state().macros.at(12).left(6), bytes({0, 1, 1, 4, 0, 0}));
    }

    void recoilSlots()
    {
        connectMouse(ChipFamily::F560);
        view()->mouseSendGundata(2, ints({30, 5, 12}));
        QCOMPARE(firmwareBlock(3, 78, 4), bytes({0xF0, 30, 5, 12}));
        QCOMPARE(firmwareBlock(3, 65, 1), bytes({0}));
        view()->mouseSendGundata(4, ints({1, 2, 3}));
        QCOMPARE(sentWithCode(mouse(), 0x0C), 1);

        connectMouse(ChipFamily::F553);
        view()->mouseSetKeyboardoption(0, 0, 1, 0);
        view()->mouseSendGundata(1, ints({30, 4, 5}));
        QCOMPARE(mouse().state().gunData, (std::array<uchar, 4>{30, 4, 251, 0}));
        QCOMPARE(view()->GetKeyboardoption(), QVariantList({0, 0, 1, 0}));

        view()->isGun = false;
        rig->mouse.clearWireLog();
        view()->mouseSendGundata(1, ints({1, 2, 3}));
        QVERIFY(mouse().wireLog().isEmpty());
    }

    void profileBlocksMoveBothWays()
    {
        connectMouse(ChipFamily::F560);
        view()->profileBlocks[3].fill(0x5A);
        view()->mouseSetProfile(3);
        QCOMPARE(firmwareBlock(3, 0, 128), QByteArray(128, 0x5A));
        view()->profileBlocks[3].fill(0);
        view()->mouseReadProfile(3);
        QCOMPARE(view()->profileBlocks[3][127], uchar(0x5A));
        rig->mouse.clearWireLog();
        view()->mouseSetProfile(5);
        view()->mouseReadProfile(7);
        QVERIFY(mouse().wireLog().isEmpty());
    }

    void pointerSettings()
    {
        rig = std::make_unique<DeviceHarness>();
        rig->start();
        QList<int> speeds, doubleClicks, lines;
        std::vector<std::unique_ptr<PointerBackend>> backends;
        backends.push_back(std::make_unique<RecordingBackend>(&speeds, &doubleClicks, &lines, true));
        view()->setPointerSettings(std::make_unique<PointerSettings>(std::move(backends)));
        for (uint step : {0u, 1u, 10u, 15u})
            view()->mouseSetCursorSpeed(step);
        for (uint step : {0u, 10u, 13u, 4000000000u})
            view()->mouseSetDoubleClickSpeed(step);
        view()->mouseSetVerticalScrollLines(1000);
        QCOMPARE(speeds, QList<int>({1, 2, 20, 20}));
        QCOMPARE(doubleClicks, QList<int>({900, 200, 200, 200}));
        QCOMPARE(lines, QList<int>({1000}));

        std::vector<std::unique_ptr<PointerBackend>> refusing;
        refusing.push_back(std::make_unique<RecordingBackend>(&speeds, &doubleClicks, &lines, false));
        view()->setPointerSettings(std::make_unique<PointerSettings>(std::move(refusing)));
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        view()->mouseSetCursorSpeed(5);
        QTest::ignoreMessage(QtDebugMsg, "setDoubleClickSpeed Failed");
        view()->mouseSetDoubleClickSpeed(5);
        QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed");
        view()->mouseSetVerticalScrollLines(3);
        view()->openUpdateExe();
    }
};

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    TestDeviceSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_devicesettings.moc"
