#pragma once

#include <QList>
#include <QString>

// One configured device, built by discovery from a group of the device table.
struct DeviceRecord
{
    int type = -1;
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    quint16 usagePage2 = 0;
    quint16 usage2 = 0;
    int reportLength = 32; // data bytes per output or input report of the command interface
    bool isEncode = false;
    QString sCode;
    QString path;  // hidapi path of the command interface, empty when absent
    QString path2; // hidapi path of the event interface, empty when absent
};

using DeviceList = QList<DeviceRecord>;
