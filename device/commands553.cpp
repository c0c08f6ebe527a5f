// Commands of chip family 553: where each argument goes in the command report,
// which block follows, and how the exchange runs.

#include "device/hid_thread.h"

namespace {

namespace cmd {
constexpr CommandSpec GetSecrecyCode{0x00, Transfer::Read, 0, "cmd Failed 00"};
constexpr CommandSpec SetReportRate{0x01, Transfer::SendSettle, 0, "cmd Failed 01"};
constexpr CommandSpec SetCurrentKeyMatrix{0x02, Transfer::SendSettle, 0, "cmd Failed 02"};
constexpr CommandSpec SetKeyboardoption{0x03, Transfer::SendQuick, 0, "cmd Failed 03"};
constexpr CommandSpec SetGunData{0x04, Transfer::SendQuick, 0, "cmd Failed 04"};
constexpr CommandSpec SetCurrentDPI{0x0B, Transfer::SendSettle, 0, "cmd Failed 0B"};
constexpr CommandSpec SetFixLEDColor{0x0C, Transfer::SendSettle, 0, "cmd Failed 0C"};
constexpr CommandSpec SetRGBLedEffect{0x0D, Transfer::SendSettle, 0, "cmd Failed 0D"};
constexpr CommandSpec SetLED8StageColor{0x10, Transfer::SendSettle, 24, "cmd Failed 10"};
constexpr CommandSpec SetDPISet{0x11, Transfer::SendSettle, 8, "cmd Failed 11"};
constexpr CommandSpec SetKeyMatrix{0x12, Transfer::SendSettle, 64, "cmd Failed 12"};
constexpr CommandSpec SetMacroKey{0x13, Transfer::SendSettle, 128, "cmd Failed 13"};
constexpr CommandSpec GetKeyboardoption{0x83, Transfer::Read, 0, "cmd Failed 83"};
constexpr CommandSpec GetCurrentDPI{0x8B, Transfer::Read, 0, "cmd Failed 8BH"};
} // namespace cmd

// The 553 firmware takes its four key-matrix bytes per button after a fixed marker.
constexpr uchar kKeyMatrixMarker = 0x08;
// A colour table of type 2 is one 4-byte entry; every other type is all eight colours.
constexpr uchar kSingleEntryColourType = 2;
constexpr int kSingleEntryColourLength = 4;

} // namespace

void Hid_Thread::hid553_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    const auto result = read(cmd::GetSecrecyCode, {byte1, byte2, byte3, byte4}, {});
    // The answer bytes are preset to zero, also when the link is busy: the
    // challenge must never come back unless the device echoed it.
    const CommandReport answer = result == Exchange::LinkBusy ? CommandReport{} : rxReport;
    byte1 = answer[2];
    byte2 = answer[3];
    byte3 = answer[4];
    byte4 = answer[5];
}

Hid_Thread::Exchange Hid_Thread::getKeyboardOptions553(uchar (&options)[4])
{
    const auto result = read(cmd::GetKeyboardoption, {},
                             makeAnswerPreset({options[0], options[1], options[2], options[3]}));
    if (result != Exchange::LinkBusy)
        std::copy(rxReport.begin() + 2, rxReport.begin() + 6, options);
    return result;
}

void Hid_Thread::hid553_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    uchar options[4] = {byte1, byte2, byte3, byte4};
    getKeyboardOptions553(options);
    byte1 = options[0];
    byte2 = options[1];
    byte3 = options[2];
    byte4 = options[3];
}

void Hid_Thread::hid553_8BH_GetCurrentDPI(uchar &byte1)
{
    if (read(cmd::GetCurrentDPI, {}, makeAnswerPreset({byte1})) != Exchange::LinkBusy)
        byte1 = rxReport[2];
}

void Hid_Thread::hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    send(cmd::SetKeyboardoption, {byte1, byte2, byte3, byte4});
}

void Hid_Thread::hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    send(cmd::SetGunData, {0x00, byte1, byte2, byte3, byte4});
}

void Hid_Thread::hid553_01H_SetReportRate(uchar rate)
{
    send(cmd::SetReportRate, {rate});
}

void Hid_Thread::hid553_0BH_SetCurrentDPI(uchar stage)
{
    send(cmd::SetCurrentDPI, {stage});
}

void Hid_Thread::hid553_12H_SetKeyMatrix(uchar *src64, uchar indexAddOne)
{
    send(cmd::SetKeyMatrix, {indexAddOne, uchar(cmd::SetKeyMatrix.blockLength), kKeyMatrixMarker}, src64);
}

void Hid_Thread::hid553_13H_SetMacroKey(uchar macroId, uchar *src128)
{
    send(cmd::SetMacroKey, {macroId, uchar(cmd::SetMacroKey.blockLength)}, src128);
}

void Hid_Thread::hid553_11H_SetDPISet(uchar dpiStage, uchar *src8)
{
    send(cmd::SetDPISet, {dpiStage, uchar(cmd::SetDPISet.blockLength)}, src8);
}

void Hid_Thread::hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix)
{
    send(cmd::SetCurrentKeyMatrix, {currentKeyMatrix});
}

void Hid_Thread::hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    send(cmd::SetRGBLedEffect, {effect, option1, option2});
}

void Hid_Thread::hid553_0CH_SetFixLEDColor(uchar *src3)
{
    send(cmd::SetFixLEDColor, {src3[0], src3[1], src3[2]});
}

void Hid_Thread::hid553_10H_SetLED8StageColor(uchar type, uchar *src24)
{
    const int length = type == kSingleEntryColourType ? kSingleEntryColourLength
                                                      : cmd::SetLED8StageColor.blockLength;
    send(cmd::SetLED8StageColor, {type, uchar(length)}, src24, length);
}
