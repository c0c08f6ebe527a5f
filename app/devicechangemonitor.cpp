#include "app/devicechangemonitor.h"

DeviceChangeMonitor &DeviceChangeMonitor::instance()
{
    static DeviceChangeMonitor monitor;
    return monitor;
}

void DeviceChangeMonitor::notify()
{
    emit deviceChanged();
}
