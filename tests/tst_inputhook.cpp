#include "app/widget.h"
#include "input/copydatachannel.h"
#include "input/inputhook.h"
#include "input/linuxkeys.h"
#include "scratchmodules.h"

#include <QLocalSocket>
#include <QProcess>
#include <QQuickWindow>
#include <QtTest>

namespace {

struct Recorded
{
    QList<QPair<int, bool>> keys;
    QList<QList<int>> buttons;
};

void recordKey(int usage, bool pressed, void *context)
{
    static_cast<Recorded *>(context)->keys.append({usage, pressed});
}

void recordButton(int code, bool pressed, int x, int y, void *context)
{
    static_cast<Recorded *>(context)->buttons.append({code, pressed ? 1 : 0, x, y});
}

// The design's table, written scan code / virtual key / usage.
const char *const kChains[] = {
"01/1B/29",
"02/31/1E",
"03/32/1F",
"04/33/20",
"05/34/21",
"06/35/22",
"07/36/23",
"08/37/24",
"09/38/25",
"0A/39/26",
"0B/30/27",
"0C/BD/2D",
"0D/BB/2E",
"0E/08/2A",
"0F/09/2B",
"10/51/14",
"11/57/1A",
"12/45/08",
"13/52/15",
"14/54/17",
"15/59/1C",
"16/55/18",
"17/49/0C",
"18/4F/12",
"19/50/13",
"1A/DB/2F",
"1B/DD/30",
"1C/0D/28",
"E0 1C/0E/58",
"1D/A2/E0",
"E0 1D/A3/E4",
"1E/41/04",
"1F/53/16",
"20/44/07",
"21/46/09",
"22/47/0A",
"23/48/0B",
"24/4A/0D",
"25/4B/0E",
"26/4C/0F",
"27/BA/33",
"28/DE/34",
"29/C0/35",
"2A/A0/E1",
"2B/DC/31",
"2C/5A/1D",
"2D/58/1B",
"2E/43/06",
"2F/56/19",
"30/42/05",
"31/4E/11",
"32/4D/10",
"33/BC/36",
"34/BE/37",
"35/BF/38",
"E0 35/6F/54",
"E0 36/A1/E5",
"37/6A/55",
"E0 37/2C/46",
"38/A4/E2",
"E0 38/A5/E6",
"39/20/2C",
"3A/14/39",
"3B/70/3A",
"3C/71/3B",
"3D/72/3C",
"3E/73/3D",
"3F/74/3E",
"40/75/3F",
"41/76/40",
"42/77/41",
"43/78/42",
"44/79/43",
"45/13/48",
"E0 45/90/53",
"46/91/47",
"47/67/5F",
"E0 47/24/4A",
"48/68/60",
"E0 48/26/52",
"49/69/61",
"E0 49/21/4B",
"4A/6D/56",
"4B/64/5C",
"E0 4B/25/50",
"4C/65/5D",
"4D/66/5E",
"E0 4D/27/4F",
"4E/6B/57",
"4F/61/59",
"E0 4F/23/4D",
"50/62/5A",
"E0 50/28/51",
"51/63/5B",
"E0 51/22/4E",
"52/60/62",
"E0 52/2D/49",
"53/6E/63",
"E0 53/2E/4C",
"56/E2/64",
"57/7A/44",
"58/7B/45",
"E0 5B/5B/E3",
"E0 5D/5D/65",
"6E/86/72"
};

bool sendFrame(const QString &name, const QByteArray &frame)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(frame);
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    return true;
}

} // namespace

class TestInputHook : public QObject
{
    Q_OBJECT

private:
    InputHook hook;
    Recorded recorded;

private slots:
    void init()
    {
        hook.setCapture(nullptr);
        hook.start(false);
        recorded = Recorded();
        hook.registerKeyboardCallback(&recordKey, &recorded);
        hook.registerMouseCallback(&recordButton, &recorded);
    }

    void everyChainOfTheTable_data()
    {
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("usage");
        for (const char *chain : kChains) {
            const QStringList parts = QString::fromLatin1(chain).split('/');
            const bool extended = parts.first().startsWith("E0 ");
            const int scanCode = parts.first().right(2).toInt(nullptr, 16);
            QTest::newRow(chain) << scanCode << extended << parts.last().toInt(nullptr, 16);
        }
        QCOMPARE(int(std::size(kChains)), 105);
    }

    void everyChainOfTheTable()
    {
        QFETCH(int, scanCode);
        QFETCH(bool, extended);
        QFETCH(int, usage);
        QCOMPARE(hook.usageFor(scanCode, extended, false), usage);
    }

    void keysThatNeedRules()
    {
        QCOMPARE(hook.usageFor(0x36, false, false), 0);    // right Shift only with E0
        QCOMPARE(hook.usageFor(0x36, true, false), 0xE5);
        QCOMPARE(hook.usageFor(0x5C, true, false), 0);     // right Windows
        QCOMPARE(hook.usageFor(0x59, false, false), 0);
        QCOMPARE(hook.usageFor(0x10, true, false), 0);
        QCOMPARE(hook.usageFor(0x1C, true, false), 0x58);  // keypad Enter
        QCOMPARE(hook.usageFor(0x1C, false, false), 0x28);
        QCOMPARE(hook.usageFor(0x47, false, false), 0x5F); // keypad 7, whatever Num Lock says
        QCOMPARE(hook.usageFor(0x47, true, false), 0x4A);  // Home
        QCOMPARE(hook.usageFor(0x46, false, false), 0x47); // Scroll Lock
        QCOMPARE(hook.usageFor(0x46, true, false), 0x48);  // Ctrl+Break
        QCOMPARE(hook.usageFor(0x45, false, false), 0x48); // Pause
        QCOMPARE(hook.usageFor(0x45, true, false), 0x53);  // Num Lock
        QCOMPARE(hook.usageFor(0x37, true, false), 0x46);  // Print Screen
        QCOMPARE(hook.usageFor(0x54, false, true), 0x46);  // Alt+SysRq
        QCOMPARE(hook.usageFor(0x54, false, false), 0);
        QCOMPARE(hook.usageFor(0x2B, false, false), 0x31);
        QCOMPARE(hook.usageFor(0x1FF, false, false), 0);
        InputHook other;
        other.setCapture(nullptr);
        other.start(true);
        QCOMPARE(other.usageFor(0x2B, false, false), 0x32);
    }

    void heldKeysGiveOnePressAndOneRelease()
    {
        for (int repeat = 0; repeat < 5; ++repeat)
            hook.keyEvent(0x1E, false, false, true);
        hook.keyEvent(0x1E, false, false, false);
        hook.keyEvent(0x1E, false, false, false);
        hook.keyEvent(0x30, false, false, false); // never pressed
        hook.keyEvent(0x59, false, false, true);  // no usage
        QCOMPARE(recorded.keys, (QList<QPair<int, bool>>{{0x04, true}, {0x04, false}}));
    }

    void mouseMessages()
    {
        for (quint32 message = 0x0200; message <= 0x0209; ++message)
            hook.mouseEvent(message, 10, 20);
        QCOMPARE(recorded.buttons, (QList<QList<int>>{{0xF0, 1, 10, 20}, {0xF0, 0, 10, 20}, {0xF1, 1, 10, 20},
                                                      {0xF1, 0, 10, 20}, {0xF2, 1, 10, 20}, {0xF2, 0, 10, 20}}));
    }

    void linuxKeysOfA105KeyKeyboard()
    {
        // Kernel key code and the usage the key must give.
        const QList<QPair<int, int>> keyboard = {
            {1, 0x29}, {2, 0x1E}, {3, 0x1F}, {4, 0x20}, {5, 0x21}, {6, 0x22}, {7, 0x23}, {8, 0x24}, {9, 0x25},
            {10, 0x26}, {11, 0x27}, {12, 0x2D}, {13, 0x2E}, {14, 0x2A}, {15, 0x2B}, {16, 0x14}, {17, 0x1A},
            {18, 0x08}, {19, 0x15}, {20, 0x17}, {21, 0x1C}, {22, 0x18}, {23, 0x0C}, {24, 0x12}, {25, 0x13},
            {26, 0x2F}, {27, 0x30}, {28, 0x28}, {29, 0xE0}, {30, 0x04}, {31, 0x16}, {32, 0x07}, {33, 0x09},
            {34, 0x0A}, {35, 0x0B}, {36, 0x0D}, {37, 0x0E}, {38, 0x0F}, {39, 0x33}, {40, 0x34}, {41, 0x35},
            {42, 0xE1}, {43, 0x31}, {44, 0x1D}, {45, 0x1B}, {46, 0x06}, {47, 0x19}, {48, 0x05}, {49, 0x11},
            {50, 0x10}, {51, 0x36}, {52, 0x37}, {53, 0x38}, {54, 0xE5}, {55, 0x55}, {56, 0xE2}, {57, 0x2C},
            {58, 0x39}, {59, 0x3A}, {60, 0x3B}, {61, 0x3C}, {62, 0x3D}, {63, 0x3E}, {64, 0x3F}, {65, 0x40},
            {66, 0x41}, {67, 0x42}, {68, 0x43}, {69, 0x53}, {70, 0x47}, {71, 0x5F}, {72, 0x60}, {73, 0x61},
            {74, 0x56}, {75, 0x5C}, {76, 0x5D}, {77, 0x5E}, {78, 0x57}, {79, 0x59}, {80, 0x5A}, {81, 0x5B},
            {82, 0x62}, {83, 0x63}, {86, 0x64}, {87, 0x44}, {88, 0x45}, {96, 0x58}, {97, 0xE4}, {98, 0x54},
            {99, 0x46}, {100, 0xE6}, {102, 0x4A}, {103, 0x52}, {104, 0x4B}, {105, 0x50}, {106, 0x4F},
            {107, 0x4D}, {108, 0x51}, {109, 0x4E}, {110, 0x49}, {111, 0x4C}, {119, 0x48}, {125, 0xE3},
            {126, 0}, // the right Windows key: converted, and the table gives it nothing
            {127, 0x65},
        };
        QCOMPARE(keyboard.size(), 105);
        for (const auto &[linuxKey, usage] : keyboard) {
            const auto scanCode = linuxkeys::scanCodeFor(linuxKey);
            QVERIFY2(scanCode, qPrintable(QString::number(linuxKey)));
            QCOMPARE(hook.usageFor(scanCode->code, scanCode->extended, false), usage);
        }
        QVERIFY(!linuxkeys::scanCodeFor(0));
        QVERIFY(!linuxkeys::scanCodeFor(240));
    }

    void capturesTheXServer()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs an X server and xdotool");
        hook.setCapture(GlobalCapture::forThisSession());
        if (!hook.start(false))
            QSKIP("the X server has no XInput 2");
        const auto run = [](const QStringList &arguments) {
            QProcess xdotool;
            xdotool.start(QStringLiteral("xdotool"), arguments);
            return xdotool.waitForFinished(10000) && xdotool.exitCode() == 0;
        };
        QVERIFY(run({"key", "a"}));
        QTRY_COMPARE(recorded.keys, (QList<QPair<int, bool>>{{0x04, true}, {0x04, false}}));
        recorded.keys.clear();
        QVERIFY(run({"keydown", "KP_Enter", "keyup", "KP_Enter", "keydown", "Right", "keyup", "Right"}));
        QTRY_COMPARE(recorded.keys,
                     (QList<QPair<int, bool>>{{0x58, true}, {0x58, false}, {0x4F, true}, {0x4F, false}}));
        QVERIFY(run({"mousemove", "120", "80", "click", "1", "click", "3"}));
        QTRY_COMPARE(recorded.buttons, (QList<QList<int>>{{0xF0, 1, 120, 80}, {0xF0, 0, 120, 80},
                                                          {0xF1, 1, 120, 80}, {0xF1, 0, 120, 80}}));
        hook.stop();
    }

    void warningChannel()
    {
        ScratchModules scratch;
        Widget window;
        QStringList shown;
        window.showWarning = [&shown](const QString &title, const QString &text) { shown << title + ": " + text; };
        InputHook channelHook;
        channelHook.registerCopyDataCallback(&Widget::copyDataCallback, &window);
        const QString name = QStringLiteral("km7-test-channel-%1").arg(QCoreApplication::applicationPid());
        CopyDataChannel channel(name, channelHook);
        QVERIFY(channel.isListening());

        QVERIFY(sendFrame(name, CopyDataChannel::frame(0x250F, "abc", 3)));
        QTRY_COMPARE(shown, QStringList({"KM7 Config: abc"}));
        QVERIFY(sendFrame(name, CopyDataChannel::frame(0x250F, QByteArray("abc\0", 4), 4)));
        QVERIFY(sendFrame(name, CopyDataChannel::frame(0x1234, "abc", 3)));
        QVERIFY(sendFrame(name, CopyDataChannel::frame(0x250F, QByteArray(100000, 'x'), 100000)));
        QVERIFY(sendFrame(name, QByteArray("\x0f\x25\0", 3)));
        // A sender that stalls mid-frame does not hold the next one up.
        QLocalSocket stalled;
        stalled.connectToServer(name);
        QVERIFY(stalled.waitForConnected(2000));
        stalled.write(CopyDataChannel::frame(0x250F, "ab", 9));
        stalled.flush();
        QVERIFY(sendFrame(name, CopyDataChannel::frame(0x250F, "Größe", 7)));
        QTRY_COMPARE(shown, QStringList({"KM7 Config: abc", "KM7 Config: Größe"}));
        QTRY_COMPARE_WITH_TIMEOUT(stalled.state(), QLocalSocket::UnconnectedState, 5000);
        QCOMPARE(shown.size(), 2);
    }

    void senderToolReachesTheProgram()
    {
        ScratchModules scratch;
        Widget window;
        QStringList shown;
        window.showWarning = [&shown](const QString &, const QString &text) { shown << text; };
        InputHook::instance().registerCopyDataCallback(&Widget::copyDataCallback, &window);

        QProcess tool;
        tool.start(QCoreApplication::applicationDirPath() + "/km7-warn",
                   {"--to", QFileInfo(QCoreApplication::applicationFilePath()).fileName(), "Firmware update pending"});
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitCode(), 0);
        QTRY_COMPARE(shown, QStringList({"Firmware update pending"}));
        InputHook::instance().registerCopyDataCallback(nullptr, nullptr);
    }
};

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    TestInputHook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_inputhook.moc"
