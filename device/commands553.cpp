// Commands of chip family 553.

#include "device/hid_thread.h"

void Hid_Thread::hid553_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    const auto result = request("cmd Failed 00", makeCommandReport(0x00, {byte1, byte2, byte3, byte4}));
    // The answer bytes are preset to zero, also when the link is busy: the
    // challenge must never come back unless the device echoed it.
    const CommandReport answer = result == Exchange::LinkBusy ? CommandReport{} : rxReport;
    byte1 = answer[2];
    byte2 = answer[3];
    byte3 = answer[4];
    byte4 = answer[5];
}
