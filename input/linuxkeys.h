#pragma once

#include <optional>

// Linux input key codes (an X key code minus 8) as the scan codes of set 1
// that the same physical keys send, with the E0 prefix as the extended flag.
namespace linuxkeys {

struct ScanCode
{
    int code;
    bool extended;
};

std::optional<ScanCode> scanCodeFor(int linuxKey);

// X servers number keys 8 above the kernel's input codes.
constexpr int kXKeyCodeOffset = 8;

} // namespace linuxkeys
