#pragma once

#include <QtGlobal>

#include <map>

// The key tables of global capture: scan code set 1 (with the E0 prefix as the
// extended flag) to the virtual-key codes of the US layout, and virtual-key
// codes to USB HID keyboard usage IDs.
namespace keytables {

// key = (scan code << 8) | extended flag
using ScanCodeMap = std::map<quint16, quint8>;
using VirtualKeyMap = std::map<quint8, quint8>;

ScanCodeMap buildScanCodeToVirtualKey();
// Virtual key 0xDC gives Non-US # (0x32) when nonUsHashKey, backslash (0x31) otherwise.
VirtualKeyMap buildVirtualKeyToUsage(bool nonUsHashKey);

constexpr quint16 scanKey(int scanCode, bool extended)
{
    return quint16((scanCode << 8) | (extended ? 1 : 0));
}

} // namespace keytables
