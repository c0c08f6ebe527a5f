#pragma once

#include "device/command_report.h"
#include "device/device_record.h"

#include <QFuture>
#include <QThread>

#include <atomic>

struct hid_device_;
typedef struct hid_device_ hid_device;

class Widget;

// Process-wide secrecy code of the device last probed (bytes 1 to 6 used).
extern uchar SecrecyCode[8];

// The one object that talks to the mouse. It is a QThread by heritage but is
// never started: every command runs synchronously on the GUI thread, only the
// event listener runs on the global thread pool.
class Hid_Thread : public QThread
{
    Q_OBJECT

public:
    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    // Outcome of one exchange, for the command sets; never reaches QML.
    enum class Exchange { LinkBusy, Failed, Done };

    static constexpr int kBlockCapacity = 128;
    static constexpr int kLinkPollMs = 8;
    static constexpr int kLinkPolls = 255;
    static constexpr int kSettleStepMs = 64;
    static constexpr int kOutputReportPauseMs = 120;
    static constexpr int kBlockReadTimeoutMs = 1000;

    Widget *owner = nullptr;
    DeviceList deviceList;
    int currentDevice = 1;
    hid_device *cmdHandle = nullptr;
    hid_device *eventHandle = nullptr;
    bool linkIdle = true;
    std::atomic<bool> listenerRunning{false};
    bool settleFlag = true;
    QFuture<void> listenerFuture;
    CommandReport txReport{};
    CommandReport rxReport{};
    uchar blockBuffer[kBlockCapacity] = {};

    // Sends report, then block (if any) as output reports. Claims the link first;
    // on LinkBusy writes failureLine and sends nothing.
    Exchange transmit(const char *failureLine, const CommandReport &report,
                      const uchar *block = nullptr, int blockLength = 0, bool settle = true);
    // Sends report and reads the answer into rxReport (rxReport preset to zero
    // after the report ID), or blockLength bytes into blockBuffer.
    Exchange request(const char *failureLine, const CommandReport &report, int blockLength = 0);

    void stopEventListener();

public slots:
    uchar hidCS(uchar *cmd);
    // Makes index the current device, loads its secrecy code and checks that
    // the device echoes a random challenge.
    bool chkDeviceIsEnCode(int index);
    void USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[]);
    void USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[]);
    void hid553_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);

private:
    DeviceRecord *record(int index);
    hid_device *openCommandInterface(int index);
    void closeCommandInterface();
    bool waitLinkIdle();
    void settlePause();
    // Opens the command interface and sends txReport (enciphered when the
    // device asks for it); false when the exchange cannot go on.
    bool sendCommandReport(int length, int &reportLength, bool &encoded);
    bool sendCommand(int length, bool settle);
    bool readCommand(int length);
    bool endExchange(bool result);
    void encryptReport(CommandReport &report);
    void decryptReport(CommandReport &report);
};
