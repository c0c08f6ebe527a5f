// The device probe: load the record's secrecy code and check that the device
// echoes a random challenge under it.

#include "device/cipher.h"
#include "device/hid_thread.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace {
constexpr int kSecrecyCodeLength = 6;
}

bool Hid_Thread::chkDeviceIsEnCode(int index)
{
    currentDevice = index;
    // Seeded with the current second: two probes within one second send the same challenge.
    QRandomGenerator generator(quint32(QDateTime::currentSecsSinceEpoch()));
    uchar challenge[4];
    for (uchar &byte : challenge)
        byte = uchar(generator.generate() & 0xFF);

    const QString code = deviceRecord(index).sCode;
    if (code.size() == kSecrecyCodeLength) {
        for (int i = 0; i < kSecrecyCodeLength; ++i)
            SecrecyCode[i + 1] = uchar(code.at(i).toLatin1());
    }

    uchar echo[4] = {challenge[0], challenge[1], challenge[2], challenge[3]};
    hid553_00H_GetSecrecyCode(echo[0], echo[1], echo[2], echo[3]);
    return std::equal(echo, echo + 4, challenge);
}

void Hid_Thread::USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[])
{
    cipher::encrypt(FIFOBuf, SecrecyCode);
}

void Hid_Thread::USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[])
{
    cipher::decrypt(FIFOBuf, SecrecyCode);
}
