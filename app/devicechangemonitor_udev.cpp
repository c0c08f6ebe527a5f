// Hot-plug through libudev: every hidraw node that appears or disappears is a
// device change, read from the monitor's socket on the GUI thread.

#include "app/devicechangemonitor.h"

#include <QSocketNotifier>

#include <libudev.h>

namespace {

class UdevHidrawWatch : public QObject
{
public:
    UdevHidrawWatch(udev *context, udev_monitor *monitor, QObject *parent)
        : QObject(parent)
        , m_udev(context)
        , m_monitor(monitor)
        , m_notifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &UdevHidrawWatch::drain);
    }

    ~UdevHidrawWatch() override
    {
        udev_monitor_unref(m_monitor);
        udev_unref(m_udev);
    }

private:
    void drain()
    {
        while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
            const char *action = udev_device_get_action(device);
            const QByteArray what = action ? QByteArray(action) : QByteArray();
            udev_device_unref(device);
            if (what == "add" || what == "remove")
                DeviceChangeMonitor::instance().notify();
        }
    }

    udev *m_udev;
    udev_monitor *m_monitor;
    QSocketNotifier m_notifier;
};

} // namespace

bool DeviceChangeMonitor::watchSystem()
{
    if (m_watching)
        return true;
    udev *context = udev_new();
    if (!context)
        return false;
    udev_monitor *monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(monitor) < 0) {
        if (monitor)
            udev_monitor_unref(monitor);
        udev_unref(context);
        return false;
    }
    new UdevHidrawWatch(context, monitor, this);
    m_watching = true;
    return true;
}
