// Framing and transport of every exchange with the mouse's command interface.
//
// The firmware is reached with a fresh handle for every single report: the
// command interface is closed and opened again before each feature, output and
// input report, and is closed at the end of every exchange. Blocks travel as
// output/input reports of reportLength data bytes after the report ID 0x00.

#include "device/hid_thread.h"

#include "device/clock.h"
#include "device/hidapi_lock.h"

#include <QCoreApplication>
#include <QDebug>

#include <hidapi/hidapi.h>

#include <cstring>
#include <vector>

hid_device *Hid_Thread::openCommandInterface(int index)
{
    const QString path = deviceRecord(index).path;
    if (path.isEmpty())
        return nullptr;
    closeCommandInterface();
    {
        QMutexLocker lock(&hidapiLock());
        cmdHandle = hid_open_path(path.toLatin1().constData());
    }
    if (!cmdHandle) {
        // The device counts as lost until discovery fills the path again.
        QMutexLocker lock(&deviceListMutex);
        if (index < deviceList.size())
            deviceList[index].path.clear();
        return nullptr;
    }
    hid_set_nonblocking(cmdHandle, 0);
    return cmdHandle;
}

void Hid_Thread::closeCommandInterface()
{
    if (cmdHandle) {
        hid_close(cmdHandle);
        cmdHandle = nullptr;
    }
}

bool Hid_Thread::waitLinkIdle()
{
    for (int poll = 0;; ++poll) {
        if (linkIdle) {
            linkIdle = false;
            return true;
        }
        if (poll == kLinkPolls)
            return false;
        Clock::current().sleep(kLinkPollMs);
        QCoreApplication::processEvents();
    }
}

void Hid_Thread::settlePause()
{
    settleFlag = false;
    Clock::current().sleep(kSettleStepMs);
    if (!settleFlag) {
        settleFlag = true;
        Clock::current().sleep(kSettleStepMs);
    }
}

bool Hid_Thread::endExchange(bool result)
{
    closeCommandInterface();
    linkIdle = true;
    return result;
}

bool Hid_Thread::sendCommandReport(int length, int &reportLength, bool &encoded)
{
    const DeviceRecord device = deviceRecord(currentDevice);
    if (!openCommandInterface(currentDevice))
        return false;
    // A record without a usable report length cannot carry a block at all.
    if (length > 0 && device.reportLength < 1)
        return false;
    reportLength = device.reportLength;
    encoded = device.isEncode;
    if (encoded)
        encryptReport(txReport);
    return openCommandInterface(currentDevice)
        && hid_send_feature_report(cmdHandle, txReport.data(), txReport.size()) >= 0;
}

bool Hid_Thread::sendCommand(int length, bool settle)
{
    QCoreApplication::processEvents();
    int reportLength = 0;
    bool encoded = false;
    if (!sendCommandReport(length, reportLength, encoded))
        return endExchange(false);
    if (settle)
        settlePause();
    if (length == 0)
        return endExchange(true);

    const int slice = qMin(length, reportLength);
    std::vector<uchar> report(size_t(reportLength) + 1, 0);
    for (int offset = 0; offset < length; offset += slice) {
        const int chunk = qMin(slice, length - offset);
        std::fill(report.begin(), report.end(), 0); // a short last slice is padded with zeros
        std::memcpy(report.data() + 1, blockBuffer + offset, size_t(chunk));
        if (!openCommandInterface(currentDevice)
            || hid_write(cmdHandle, report.data(), report.size()) < 0)
            return endExchange(false);
        Clock::current().sleep(kOutputReportPauseMs);
    }
    if (settle)
        settlePause();
    return endExchange(true);
}

bool Hid_Thread::readCommand(int length)
{
    int reportLength = 0;
    bool encoded = false;
    if (!sendCommandReport(length, reportLength, encoded))
        return endExchange(false);
    if (!openCommandInterface(currentDevice)
        || hid_get_feature_report(cmdHandle, rxReport.data(), rxReport.size()) < 0)
        return endExchange(false);
    if (length == 0) {
        endExchange(true);
        if (encoded)
            decryptReport(rxReport);
        return true;
    }

    // The answer that announces a block is left as it came, and so is the block.
    const int slice = qMin(length, reportLength);
    std::vector<uchar> report(size_t(reportLength) + 1, 0);
    for (int offset = 0; offset < length; offset += slice) {
        std::fill(report.begin(), report.end(), 0);
        // A firmware that never sends its block must not hang the GUI thread.
        if (!openCommandInterface(currentDevice)
            || hid_read_timeout(cmdHandle, report.data(), report.size(), kBlockReadTimeoutMs) <= 0)
            return endExchange(false);
        std::memcpy(blockBuffer + offset, report.data(), size_t(qMin(slice, length - offset)));
    }
    return endExchange(true);
}

Hid_Thread::Exchange Hid_Thread::transmit(const char *failureLine, const CommandReport &report,
                                          const uchar *block, int blockLength, bool settle)
{
    if (!waitLinkIdle()) {
        qDebug().noquote() << failureLine;
        return Exchange::LinkBusy;
    }
    txReport = report;
    blockLength = qBound(0, blockLength, kBlockCapacity);
    if (block && blockLength > 0)
        std::memcpy(blockBuffer, block, size_t(blockLength));
    return sendCommand(block ? blockLength : 0, settle) ? Exchange::Done : Exchange::Failed;
}

Hid_Thread::Exchange Hid_Thread::request(const char *failureLine, const CommandReport &report,
                                         const CommandReport &answerPreset, int blockLength,
                                         const uchar *blockPreset)
{
    if (!waitLinkIdle()) {
        qDebug().noquote() << failureLine;
        return Exchange::LinkBusy;
    }
    txReport = report;
    rxReport = answerPreset;
    rxReport[0] = 0x00; // the report ID hid_get_feature_report asks for
    blockLength = qBound(0, blockLength, kBlockCapacity);
    if (blockPreset && blockLength > 0)
        std::memcpy(blockBuffer, blockPreset, size_t(blockLength));
    return readCommand(blockLength) ? Exchange::Done : Exchange::Failed;
}

Hid_Thread::Exchange Hid_Thread::send(const CommandSpec &command, std::initializer_list<uchar> parameters,
                                      const uchar *block, int blockLength)
{
    const CommandReport report = makeCommandReport(command.code, parameters);
    if (command.transfer == Transfer::SendQuick) {
        const Exchange result = transmit(command.failureLine, report, nullptr, 0, false);
        if (result != Exchange::LinkBusy)
            Clock::current().sleep(kQuickCommandPauseMs);
        return result;
    }
    return transmit(command.failureLine, report, block,
                    blockLength < 0 ? command.blockLength : blockLength, true);
}

Hid_Thread::Exchange Hid_Thread::read(const CommandSpec &command, std::initializer_list<uchar> parameters,
                                      const CommandReport &answerPreset)
{
    return request(command.failureLine, makeCommandReport(command.code, parameters), answerPreset);
}
