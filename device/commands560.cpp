// Commands of chip family 560: the same framing as 553, with per-profile
// writes of report rate and current stage, and whole 128-byte profiles.

#include "app/widget.h"
#include "device/clock.h"
#include "device/hid_thread.h"
#include "view/myqquickview.h"

#include <QDebug>

namespace {

namespace cmd {
constexpr CommandSpec SetKeyboardoption{0x01, Transfer::SendQuick, 0, "cmd Failed 01"};
constexpr CommandSpec SetCurrentProfile{0x02, Transfer::SendQuick, 0, "cmd Failed 02"};
constexpr CommandSpec SetReportRate{0x03, Transfer::SendSettle, 0, "cmd Failed 03"};
constexpr CommandSpec SetCurrentDPI{0x04, Transfer::SendSettle, 0, "cmd Failed 04"};
constexpr CommandSpec SetProfile{0x0C, Transfer::SendSettle, 128, "cmd Failed 0C"};
constexpr CommandSpec SetKeyMatrix{0x0D, Transfer::SendSettle, 128, "cmd Failed 0D"};
constexpr CommandSpec SetMacroKey{0x0F, Transfer::SendSettle, 128, "cmd Failed 0F"};
constexpr CommandSpec GetKeyboardoption{0x81, Transfer::Read, 0, "cmd Failed 81"};
constexpr CommandSpec GetCurrentProfile{0x82, Transfer::Read, 0, "cmd Failed 82"};
constexpr CommandSpec GetCurrentDPI{0x84, Transfer::Read, 0, "cmd Failed 84"};
constexpr CommandSpec ReadProfile{0x8C, Transfer::ReadBlock, 128, "cmd Failed 8c"};
} // namespace cmd

constexpr uchar kFirstProfile = 1;
constexpr uchar kLastProfile = 4;
constexpr int kKeyMatrixLength = 64;

} // namespace

bool Hid_Thread::ownerIsGun() const
{
    const myQQuickView *view = owner ? owner->view() : nullptr;
    return view && view->isGun;
}

Hid_Thread::Exchange Hid_Thread::getKeyboardOptions560(uchar (&options)[2])
{
    const auto result = read(cmd::GetKeyboardoption, {}, makeAnswerPreset({options[0], options[1]}));
    if (result != Exchange::LinkBusy) {
        options[0] = rxReport[2];
        options[1] = rxReport[3];
    }
    return result;
}

void Hid_Thread::hid560_81H_GetKeyboardoption(uchar &byte1, uchar &byte2)
{
    uchar options[2] = {byte1, byte2};
    getKeyboardOptions560(options);
    byte1 = options[0];
    byte2 = options[1];
}

void Hid_Thread::hid560_82H_GetCurrentProfile(uchar &byte1)
{
    if (read(cmd::GetCurrentProfile, {}, makeAnswerPreset({byte1})) != Exchange::LinkBusy)
        byte1 = rxReport[2];
}

void Hid_Thread::hid560_84H_GetCurrentDPI(uchar &byte1, uchar &byte2)
{
    // The one get-command that sends an argument: byte1 goes out in report byte 2.
    if (read(cmd::GetCurrentDPI, {byte1}, makeAnswerPreset({byte1, byte2})) != Exchange::LinkBusy) {
        byte1 = rxReport[2];
        byte2 = rxReport[3];
    }
}

void Hid_Thread::hid560_01H_SetKeyboardoption(uchar byte1, uchar byte2)
{
    send(cmd::SetKeyboardoption, {byte1, byte2});
}

void Hid_Thread::sendPerProfile(const CommandSpec &command, uchar value)
{
    if (!waitLinkIdle()) {
        qDebug().noquote() << command.failureLine;
        return;
    }
    for (uchar profile = kFirstProfile; profile <= kLastProfile; ++profile) {
        // The link stays ours across the loop: nothing may slip in between two profiles.
        linkIdle = false;
        txReport = makeCommandReport(command.code, {profile, value});
        sendCommand(0, true);
        // A mouse with recoil presets keeps these settings in its first profile only.
        if (ownerIsGun())
            break;
    }
}

void Hid_Thread::hid560_03H_SetReportRate(uchar rate)
{
    sendPerProfile(cmd::SetReportRate, rate);
}

void Hid_Thread::hid560_04H_SetCurrentDPI(uchar stage)
{
    sendPerProfile(cmd::SetCurrentDPI, stage);
}

void Hid_Thread::hid560_0DH_SetKeyMatrix(uchar *src64, uchar indexAddOne)
{
    uchar block[kBlockCapacity] = {};
    std::copy(src64, src64 + kKeyMatrixLength, block);
    send(cmd::SetKeyMatrix, {indexAddOne, uchar(cmd::SetKeyMatrix.blockLength)}, block);
}

void Hid_Thread::hid560_0CH_setProfile(uchar *src128, uchar profileData)
{
    send(cmd::SetProfile, {profileData, uchar(cmd::SetProfile.blockLength)}, src128);
}

void Hid_Thread::hid560_8CH_readProfile(uchar *src128, uchar profileNo)
{
    // Whatever the outcome, the caller gets blockBuffer back: its own bytes
    // where nothing arrived.
    const auto result = request(cmd::ReadProfile.failureLine, makeCommandReport(cmd::ReadProfile.code, {profileNo}),
                                {}, cmd::ReadProfile.blockLength, src128);
    if (result != Exchange::LinkBusy)
        std::copy(blockBuffer, blockBuffer + cmd::ReadProfile.blockLength, src128);
}

void Hid_Thread::hid560_02H_SetCurrentProfile(uchar profile)
{
    send(cmd::SetCurrentProfile, {profile});
}

void Hid_Thread::hid560_0FH_SetMacroKey(uchar macroId, uchar *src128)
{
    send(cmd::SetMacroKey, {macroId, uchar(cmd::SetMacroKey.blockLength)}, src128);
}
