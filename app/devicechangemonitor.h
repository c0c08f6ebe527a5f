#pragma once

#include <QObject>

// Tells the program that HID devices came or went. The system's hot-plug
// notifications and the virtual mouse's plug and unplug both arrive here, so
// the window reacts to either through one path.
class DeviceChangeMonitor : public QObject
{
    Q_OBJECT

public:
    static DeviceChangeMonitor &instance();

    // Starts listening to the system's hot-plug notifications; false when
    // they are not available (the program then only sees the virtual mouse).
    bool watchSystem();

    // Reports a change; safe from any thread.
    void notify();

signals:
    void deviceChanged();

private:
    DeviceChangeMonitor() = default;
    bool m_watching = false;
};
