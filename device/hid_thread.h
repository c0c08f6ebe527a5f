#pragma once

#include "device/command_report.h"
#include "device/command_spec.h"
#include "device/device_record.h"

#include <QFuture>
#include <QMutex>
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
    // Guards deviceList: the event listener clears path2 from its own thread.
    mutable QMutex deviceListMutex;
    DeviceList deviceList;
    int currentDevice = 1;
    hid_device *cmdHandle = nullptr;
    hid_device *eventHandle = nullptr;
    bool linkIdle = true;
    std::atomic<bool> listenerRunning{false};
    bool settleFlag = true;
    QFuture<void> listenerFuture;
    std::atomic<quint64> listenerGeneration{0};
    CommandReport txReport{};
    CommandReport rxReport{};
    uchar blockBuffer[kBlockCapacity] = {};

    // Sends report, then block (if any) as output reports. Claims the link first;
    // on LinkBusy writes failureLine and sends nothing.
    Exchange transmit(const char *failureLine, const CommandReport &report,
                      const uchar *block = nullptr, int blockLength = 0, bool settle = true);
    // Sends report and reads the answer into rxReport, or blockLength bytes into
    // blockBuffer. rxReport starts as answerPreset and blockBuffer as blockPreset
    // (when given), so a failed exchange leaves the presets in place.
    Exchange request(const char *failureLine, const CommandReport &report,
                     const CommandReport &answerPreset = {}, int blockLength = 0,
                     const uchar *blockPreset = nullptr);

    // One command of a command set, with parameters for report bytes 2 to 7.
    Exchange send(const CommandSpec &command, std::initializer_list<uchar> parameters,
                  const uchar *block = nullptr, int blockLength = -1);
    Exchange read(const CommandSpec &command, std::initializer_list<uchar> parameters,
                  const CommandReport &answerPreset);

    // A copy of the record at index, or an empty record (no paths) when there is none.
    DeviceRecord deviceRecord(int index) const;
    void replaceDeviceList(const DeviceList &devices);

    // Turns the mouse's event reports on and starts the listener on the global thread pool.
    void startMonitoring(uint index);
    void stopEventListener();
    // Waits until no listener runs; its reads end within their time-out.
    void waitForListener();
    // Body of the listener task; it ends when its generation is no longer the current one.
    void eventListener(uint index, quint64 generation);

public slots:
    uchar hidCS(uchar *cmd);
    // Makes index the current device, loads its secrecy code and checks that
    // the device echoes a random challenge.
    bool chkDeviceIsEnCode(int index);
    void USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[]);
    void USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[]);
    void hid553_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid553_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid560_81H_GetKeyboardoption(uchar &byte1, uchar &byte2);
    void hid560_82H_GetCurrentProfile(uchar &byte1);
    void hid560_84H_GetCurrentDPI(uchar &byte1, uchar &byte2);
    void hid553_8BH_GetCurrentDPI(uchar &byte1);
    void hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid560_01H_SetKeyboardoption(uchar byte1, uchar byte2);
    void hid553_01H_SetReportRate(uchar rate);
    void hid560_03H_SetReportRate(uchar rate);
    void hid560_04H_SetCurrentDPI(uchar stage);
    void hid553_0BH_SetCurrentDPI(uchar stage);
    void hid553_12H_SetKeyMatrix(uchar *src64, uchar indexAddOne);
    void hid560_0DH_SetKeyMatrix(uchar *src64, uchar indexAddOne);
    void hid560_0CH_setProfile(uchar *src128, uchar profileData);
    void hid560_8CH_readProfile(uchar *src128, uchar profileNo);
    void hid560_02H_SetCurrentProfile(uchar profile);
    void hid553_13H_SetMacroKey(uchar macroId, uchar *src128);
    void hid560_0FH_SetMacroKey(uchar macroId, uchar *src128);
    void hid553_11H_SetDPISet(uchar dpiStage, uchar *src8);
    void hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix);
    void hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);
    void hid553_0CH_SetFixLEDColor(uchar *src3);
    void hid553_10H_SetLED8StageColor(uchar type, uchar *src24);

private:
    hid_device *openCommandInterface(int index);
    hid_device *openEventInterface(int index);
    bool listenerIsCurrent(quint64 generation) const;
    void dpiSwitched(uchar stage);
    void deviceLost(int index);
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
    // Keyboard options with the exchange's outcome, for callers that must not
    // act on bytes the mouse never sent.
    Exchange getKeyboardOptions553(uchar (&options)[4]);
    Exchange getKeyboardOptions560(uchar (&options)[2]);
    // Report rate and current stage are written once per on-device profile.
    void sendPerProfile(const CommandSpec &command, uchar value);
    bool ownerIsGun() const;
    void decryptReport(CommandReport &report);
};
