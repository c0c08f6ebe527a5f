#pragma once

#include "device/device_record.h"

class QSettings;

// The device table of the global settings file: "common/deviceCount" groups
// named "0", "1", … with USB IDs and HID usages in hexadecimal digits.
namespace devicetable {

DeviceList read(QSettings &settings);

// Fills path and path2 of each record from the attached HID interfaces whose
// usage page and usage match; the interface listed last wins.
void locateInterfaces(DeviceList &devices);

} // namespace devicetable
