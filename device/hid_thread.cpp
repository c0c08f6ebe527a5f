#include "device/hid_thread.h"

#include "device/cipher.h"

#include <hidapi/hidapi.h>

uchar SecrecyCode[8] = {};

Hid_Thread::Hid_Thread(QObject *parent)
    : QThread(parent)
{
}

Hid_Thread::~Hid_Thread()
{
    stopEventListener();
    waitForListener();
    // A window torn down mid-exchange must not leak the device handles.
    closeCommandInterface();
    if (eventHandle) {
        hid_close(eventHandle);
        eventHandle = nullptr;
    }
}

uchar Hid_Thread::hidCS(uchar *cmd)
{
    return commandChecksum(cmd);
}

DeviceRecord Hid_Thread::deviceRecord(int index) const
{
    QMutexLocker lock(&deviceListMutex);
    return index >= 0 && index < deviceList.size() ? deviceList.at(index) : DeviceRecord();
}

void Hid_Thread::replaceDeviceList(const DeviceList &devices)
{
    QMutexLocker lock(&deviceListMutex);
    deviceList = devices;
}

void Hid_Thread::encryptReport(CommandReport &report)
{
    cipher::encrypt(&report[1], SecrecyCode);
}

void Hid_Thread::decryptReport(CommandReport &report)
{
    cipher::decrypt(&report[1], SecrecyCode);
}
