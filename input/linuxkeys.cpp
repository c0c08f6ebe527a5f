#include "input/linuxkeys.h"

namespace linuxkeys {
namespace {

// Kernel key codes 1 to 83 are the scan codes of set 1 themselves, except
// these two, which the set sends with the E0 prefix.
constexpr int kRightShift = 54;
constexpr int kNumLock = 69;
constexpr int kLastPlainKey = 83;

struct Key
{
    int linuxKey;
    ScanCode scanCode;
};

const Key kOtherKeys[] = {
    {86, {0x56, false}},  // the ISO key left of Z
    {87, {0x57, false}},  // F11
    {88, {0x58, false}},  // F12
    {96, {0x1C, true}},   // keypad Enter
    {97, {0x1D, true}},   // right Ctrl
    {98, {0x35, true}},   // keypad /
    {99, {0x37, true}},   // Print Screen / SysRq
    {100, {0x38, true}},  // right Alt
    {102, {0x47, true}},  // Home
    {103, {0x48, true}},  // Up
    {104, {0x49, true}},  // Page Up
    {105, {0x4B, true}},  // Left
    {106, {0x4D, true}},  // Right
    {107, {0x4F, true}},  // End
    {108, {0x50, true}},  // Down
    {109, {0x51, true}},  // Page Down
    {110, {0x52, true}},  // Insert
    {111, {0x53, true}},  // Delete
    {119, {0x45, false}}, // Pause (Break)
    {125, {0x5B, true}},  // left Windows
    {126, {0x5C, true}},  // right Windows
    {127, {0x5D, true}},  // Menu
    {193, {0x6E, false}}, // F23
};

} // namespace

std::optional<ScanCode> scanCodeFor(int linuxKey)
{
    if (linuxKey == kRightShift || linuxKey == kNumLock)
        return ScanCode{linuxKey, true};
    if (linuxKey >= 1 && linuxKey <= kLastPlainKey)
        return ScanCode{linuxKey, false};
    for (const Key &key : kOtherKeys) {
        if (key.linuxKey == linuxKey)
            return key.scanCode;
    }
    return std::nullopt;
}

} // namespace linuxkeys
