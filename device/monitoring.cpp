// Monitoring of a connected mouse: one keyboard-option bit turns its event
// reports on, and a listener on the global thread pool reads them from the
// event interface until the mouse goes away or the program stops it.

#include "app/widget.h"
#include "device/clock.h"
#include "device/dpiswitchtexts.h"
#include "device/hidapi_lock.h"
#include "device/hid_thread.h"
#include "view/myqquickview.h"

#include <QDebug>
#include <QThreadPool>
#include <QtConcurrent>

#include <hidapi/hidapi.h>

namespace {

constexpr uchar kEventBit553 = 0x40; // in the fourth option byte
constexpr uchar kEventBit560 = 0x08; // in the first option byte
constexpr int kEventReportSize = 4;
constexpr uchar kEventReportId = 0x06;
constexpr uchar kDpiSwitched = 0x07;
constexpr int kEventReadTimeoutMs = 500;

} // namespace

void Hid_Thread::startMonitoring(uint index)
{
    if (listenerRunning)
        listenerRunning = false;

    const myQQuickView *view = owner ? owner->view() : nullptr;
    // Options that were never read are not written back: the mouse would get undefined bytes.
    if (view && view->icType == QLatin1String("560")) {
        uchar options[2] = {};
        if (getKeyboardOptions560(options) == Exchange::Done)
            hid560_01H_SetKeyboardoption(options[0] | kEventBit560, options[1]);
    } else {
        uchar options[4] = {};
        if (getKeyboardOptions553(options) == Exchange::Done)
            hid553_03H_SetKeyboardoption(options[0], options[1], options[2], options[3] | kEventBit553);
    }

    listenerRunning = true;
    const quint64 generation = ++listenerGeneration;
    // Only one listener may use eventHandle: the new one starts when the previous has ended.
    const QFuture<void> previous = listenerFuture;
    listenerFuture = QtConcurrent::run(QThreadPool::globalInstance(), [this, index, generation, previous] {
        QFuture<void>(previous).waitForFinished();
        eventListener(index, generation);
    });
}

void Hid_Thread::stopEventListener()
{
    listenerRunning = false;
}

void Hid_Thread::waitForListener()
{
    // Sleeping through the clock lets a virtual clock advance for a listener that waits on it.
    while (!listenerFuture.isFinished())
        Clock::current().sleep(kLinkPollMs);
}

bool Hid_Thread::listenerIsCurrent(quint64 generation) const
{
    return listenerRunning && listenerGeneration == generation;
}

hid_device *Hid_Thread::openEventInterface(int index)
{
    if (eventHandle) {
        hid_close(eventHandle);
        eventHandle = nullptr;
    }
    const QString path = deviceRecord(index).path2;
    if (path.isEmpty())
        return nullptr;
    {
        QMutexLocker lock(&hidapiLock());
        eventHandle = hid_open_path(path.toLatin1().constData());
    }
    if (eventHandle)
        hid_set_nonblocking(eventHandle, 0);
    return eventHandle;
}

void Hid_Thread::eventListener(uint index, quint64 generation)
{
    if (deviceRecord(int(index)).path2.isEmpty()) {
        // Without an event interface removal cannot be noticed here; clearing the
        // flag lets device-change notifications start discovery again.
        if (listenerIsCurrent(generation))
            listenerRunning = false;
        return;
    }
    while (listenerIsCurrent(generation)) {
        if (!openEventInterface(int(index))) {
            qDebug() << "Device removed";
            deviceLost(int(index));
            if (listenerGeneration == generation)
                listenerRunning = false;
            return;
        }
        uchar report[kEventReportSize] = {};
        const int read = hid_read_timeout(eventHandle, report, kEventReportSize, kEventReadTimeoutMs);
        if (read == kEventReportSize && report[0] == kEventReportId && report[1] == kDpiSwitched)
            dpiSwitched(report[3]);
        hid_close(eventHandle);
        eventHandle = nullptr;
    }
}

void Hid_Thread::dpiSwitched(uchar stage)
{
    if (!owner)
        return;
    // QML and the tray live on the GUI thread.
    QMetaObject::invokeMethod(owner->view(), "setCurrentDPI", Qt::QueuedConnection, Q_ARG(int, stage));
    const QString text = dpiswitchtexts::forStage(stage) + QLatin1Char(' ');
    Widget *window = owner;
    QMetaObject::invokeMethod(window, [window, text] { window->notify(QStringLiteral("Info"), text); },
                              Qt::QueuedConnection);
}

void Hid_Thread::deviceLost(int index)
{
    {
        QMutexLocker lock(&deviceListMutex);
        if (index >= 0 && index < deviceList.size())
            deviceList[index].path2.clear();
    }
    if (owner)
        QMetaObject::invokeMethod(owner->view(), "setEnabled", Qt::QueuedConnection, Q_ARG(bool, false));
}
