// The device slots of the view: each picks the chip family's command, turns
// the page's values into the firmware's bytes and sends them.

#include "device/hid_thread.h"
#include "storage/settingsfile.h"
#include "view/dpiregisters.h"
#include "view/keymatrix.h"
#include "view/lighting.h"
#include "view/myqquickview.h"
#include "view/pointersettings.h"

#include <QDebug>
#include <QSettings>

#include <climits>

namespace {

// Offsets in the 560 family's 128-byte profile blocks.
constexpr int kGunLayerMask = 2;                // block 0
constexpr int kColourfulColours = 24;           // block 0, 24 bytes
constexpr int kRecoilFlags = 65;                // blocks 2 to 4
constexpr uchar kRecoilDisabledBit = 0x04;
constexpr int kLightMode = 71;                  // blocks 1 to 4: mode, level, speed
constexpr int kRecoilValues = 78;               // blocks 2 to 4: 0xF0, times, x, y
constexpr uchar kRecoilMarker = 0xF0;
constexpr int kHighDpiFlags = 82;               // blocks 1 to 4, twice
constexpr int kDpiRegisters = 84;               // blocks 1 to 4, eight bytes twice
constexpr int kStageMask = 100;                 // blocks 1 to 4
constexpr int kBasicColours = 104;              // block 1, 24 bytes

constexpr int kColourBytes = 24;
constexpr int kMacroSlots = 12;
constexpr int kBlockSize = 128;
constexpr int kMaxStep = 10;
constexpr int kBasicLightVariant = 2;
constexpr int kBasicLightSingleProfile = 3;

// The 553 family takes the eighth colour as black to mean "one fixed colour".
constexpr int kEighthColour = 21;

int listInt(const QVariantList &list, int index)
{
    return index < list.size() ? list.at(index).toInt() : 0;
}

template <size_t N>
std::array<uchar, N> lowBytes(const QVariantList &values)
{
    std::array<uchar, N> bytes{};
    for (size_t i = 0; i < N && i < size_t(values.size()); ++i)
        bytes[i] = uchar(values.at(int(i)).toInt());
    return bytes;
}

// The profile's factory assignment in the firmware's own coding; a missing or
// short entry counts as all zero.
keymatrix::Matrix firmwareMatrix(const QSettings &profile)
{
    keymatrix::Matrix firmware{};
    for (int button = 0; button < keymatrix::kButtons; ++button) {
        const QVariantList entry = settingsfile::toList(profile.value(QStringLiteral("mouseFwKeyMatrix/%1").arg(button)));
        for (int field = 0; field < 4; ++field)
            firmware[size_t(button * 4 + field)] = uchar(listInt(entry, field));
    }
    return firmware;
}

} // namespace

QSettings *myQQuickView::currentProfileFile() const
{
    return m_store.profileHandle(m_store.currentProfile());
}

void myQQuickView::writeProfileBlock(int n)
{
    if (hid && n >= 0 && n < kProfileBlockCount)
        hid->hid560_0CH_setProfile(profileBlocks[size_t(n)].data(), uchar(n));
}

void myQQuickView::writeProfileBack()
{
    writeProfileBlock(1);
    if (isGun) {
        for (int n = 2; n <= 4; ++n)
            writeProfileBlock(n);
    }
}

QVariant myQQuickView::mouseSendMacroData(QVariantList macroData, QVariant macroIndex)
{
    const uint index = macroIndex.toUInt() & 0xFF;
    // Slots 13 and up do not exist; the page learns nothing either way.
    if (!hid || index >= uint(kMacroSlots))
        return true;
    std::array<uchar, kBlockSize> block = lowBytes<kBlockSize>(macroData);
    if (family() == ChipFamily::F560)
        hid->hid560_0FH_SetMacroKey(uchar(index + 1), block.data());
    else
        hid->hid553_13H_SetMacroKey(uchar(index + 1), block.data());
    return true;
}

void myQQuickView::mouseSendGundata(int slot, QVariantList values)
{
    if (!isGun || !hid || slot < 1 || slot > 3)
        return;
    const uchar times = uchar(listInt(values, 0));
    const uchar x = uchar(listInt(values, 1));
    const uchar y = uchar(listInt(values, 2));
    if (family() == ChipFamily::F560) {
        ProfileBlock &block = profileBlocks[size_t(slot + 1)];
        block[kRecoilValues] = kRecoilMarker;
        block[kRecoilValues + 1] = times;
        block[kRecoilValues + 2] = x;
        block[kRecoilValues + 3] = y;
        block[kRecoilFlags] &= uchar(~kRecoilDisabledBit);
        writeProfileBlock(slot + 1);
        return;
    }
    // A non-zero third option byte means the firmware counts vertical recoil downwards.
    uchar options[4] = {};
    hid->hid553_83H_GetKeyboardoption(options[0], options[1], options[2], options[3]);
    const uchar vertical = options[2] != 0 ? uchar(256 - y) : y;
    hid->hid553_04H_SetGunData(times, x, vertical, uchar(slot - 1));
}

void myQQuickView::mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (hid)
        hid->hid553_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void myQQuickView::mouseSetReportRate(uchar rate)
{
    if (!hid)
        return;
    if (family() == ChipFamily::F560)
        hid->hid560_03H_SetReportRate(rate);
    else
        hid->hid553_01H_SetReportRate(rate);
}

void myQQuickView::mouseSetCurrentDPI(uchar currentDPI)
{
    if (!hid)
        return;
    if (family() == ChipFamily::F560)
        hid->hid560_04H_SetCurrentDPI(currentDPI);
    else
        hid->hid553_0BH_SetCurrentDPI(currentDPI);
}

void myQQuickView::mouseResetKeyMatrix()
{
    const QSettings *profile = currentProfileFile();
    if (!hid || !profile)
        return;
    keymatrix::Matrix firmware = firmwareMatrix(*profile);
    for (uchar number = 2; number <= 4; ++number) {
        if (family() == ChipFamily::F560)
            hid->hid560_0DH_SetKeyMatrix(firmware.data(), number);
        else
            hid->hid553_12H_SetKeyMatrix(firmware.data(), number);
    }
}

QVariant myQQuickView::mouseGetCurrentDPI()
{
    if (!hid)
        return 0;
    if (family() == ChipFamily::F560) {
        uchar profile = 1;
        uchar stage = 0;
        hid->hid560_84H_GetCurrentDPI(profile, stage);
        return int(stage);
    }
    uchar stage = 0;
    hid->hid553_8BH_GetCurrentDPI(stage);
    return int(stage);
}

void myQQuickView::mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam)
{
    QSettings *profile = currentProfileFile();
    if (!profile)
        return;
    // Stored as the page gave them, before anything goes to the mouse.
    for (int button = 0; button < keymatrix::kButtons; ++button) {
        QVariantList assignment;
        for (int field = 0; field < 4; ++field) {
            const int index = button * 4 + field;
            assignment.append(index < src64.size() ? src64.at(index) : QVariant(0));
        }
        profile->setValue(QStringLiteral("mouseKeyMatrix/%1").arg(button), settingsfile::toStoredList(assignment));
    }
    if (!isSendData || !hid)
        return;

    const ChipFamily chip = family();
    const keymatrix::Matrix normal = keymatrix::normalMatrix(src64, chip);
    if (!keymatrix::hasGunKey(normal)) {
        keymatrix::Matrix matrix = normal;
        if (chip == ChipFamily::F560)
            hid->hid560_0DH_SetKeyMatrix(matrix.data(), 1);
        else
            hid->hid553_12H_SetKeyMatrix(matrix.data(), 1);
        return;
    }

    keymatrix::RecoilSet set = keymatrix::withRecoilLayers(normal, firmwareMatrix(*profile), lowBytes<3>(otherParam), chip);
    if (chip == ChipFamily::F560) {
        if (set.block0Byte2 >= 0)
            profileBlocks[0][kGunLayerMask] = uchar(set.block0Byte2);
        writeProfileBlock(0);
        for (uchar number = 1; number <= 4; ++number)
            hid->hid560_0DH_SetKeyMatrix(set.matrices[number - 1].data(), number);
        hid->hid560_02H_SetCurrentProfile(1);
    } else {
        for (uchar number = 1; number <= 4; ++number)
            hid->hid553_12H_SetKeyMatrix(set.matrices[number - 1].data(), number);
        hid->hid553_02H_SetCurrentKeyMatrix(1);
    }
}

void myQQuickView::mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray)
{
    if (!hid)
        return;
    dpiregisters::Registers registers = dpiregisters::convert(sensorType, dpiValueArray);
    if (family() == ChipFamily::F553) {
        for (int stage = qMax(dpiCount, 0); stage < dpiregisters::kStages; ++stage)
            registers.values[size_t(stage)] = dpiregisters::kStageUnused;
        hid->hid553_11H_SetDPISet(uchar(dpiCount), registers.values.data());
        return;
    }
    const uchar mask = dpiregisters::stageMask(dpiCount);
    for (int n = 1; n <= 4; ++n) {
        ProfileBlock &block = profileBlocks[size_t(n)];
        std::copy(registers.values.begin(), registers.values.end(), block.begin() + kDpiRegisters);
        std::copy(registers.values.begin(), registers.values.end(), block.begin() + kDpiRegisters + dpiregisters::kStages);
        block[kStageMask] = mask;
        if (registers.sendsHighDpiFlags) {
            block[kHighDpiFlags] = registers.highDpiFlags;
            block[kHighDpiFlags + 1] = registers.highDpiFlags;
        }
    }
    writeProfileBack();
}

void myQQuickView::mouseSetRGBEffect(uchar effect, uchar option1, uchar option2)
{
    if (!hid)
        return;
    const ChipFamily chip = family();
    if (isColorful) {
        const lighting::Triple triple = lighting::colourfulEffect(effect, option1, option2);
        if (chip == ChipFamily::F553) {
            hid->hid553_0DH_SetRGBLedEffect(triple[0], triple[1], triple[2]);
            return;
        }
        for (int n = 1; n <= 4; ++n)
            std::copy(triple.begin(), triple.end(), profileBlocks[size_t(n)].begin() + kLightMode);
        writeProfileBack();
        return;
    }
    const lighting::Triple triple = lighting::basicEffect(effect, option1, option2);
    if (chip == ChipFamily::F553) {
        hid->hid553_0DH_SetRGBLedEffect(triple[0], triple[1], is55328 ? triple[2] : uchar(kBasicLightVariant));
        return;
    }
    for (int n = 1; n <= 4; ++n) {
        ProfileBlock &block = profileBlocks[size_t(n)];
        block[kLightMode] = triple[0];
        block[kLightMode + 1] = triple[1];
        block[kLightMode + 2] = kBasicLightVariant;
    }
    if (isGun) {
        writeProfileBack();
        return;
    }
    // Without recoil profiles only block 1 goes out, and it carries 3 there.
    profileBlocks[1][kLightMode + 2] = kBasicLightSingleProfile;
    writeProfileBlock(1);
}

void myQQuickView::mouseSetRGBColor(uchar type, QVariantList src24)
{
    if (!hid)
        return;
    std::array<uchar, kColourBytes> colours = lowBytes<kColourBytes>(src24);
    if (family() == ChipFamily::F560) {
        const int block = isColorful ? 0 : 1;
        const int offset = isColorful ? kColourfulColours : kBasicColours;
        std::copy(colours.begin(), colours.end(), profileBlocks[size_t(block)].begin() + offset);
        writeProfileBlock(block);
        return;
    }
    if (is55328) {
        const bool eighthIsBlack = colours[kEighthColour] == 0 && colours[kEighthColour + 1] == 0
            && colours[kEighthColour + 2] == 0;
        if (eighthIsBlack)
            hid->hid553_0CH_SetFixLEDColor(colours.data());
        else
            hid->hid553_10H_SetLED8StageColor(0, colours.data());
        return;
    }
    hid->hid553_10H_SetLED8StageColor(type, colours.data());
    hid->hid553_10H_SetLED8StageColor(type, colours.data());
}

void myQQuickView::mouseSetProfile(uint profileNo)
{
    if (profileNo < uint(kProfileBlockCount))
        writeProfileBlock(int(profileNo));
}

void myQQuickView::mouseReadProfile(uint profileNo)
{
    if (hid && profileNo < uint(kProfileBlockCount))
        hid->hid560_8CH_readProfile(profileBlocks[profileNo].data(), uchar(profileNo));
}

QVariant myQQuickView::mouseReadCurrentProfile()
{
    uchar profile = 0;
    if (hid)
        hid->hid560_82H_GetCurrentProfile(profile);
    return int(profile);
}

void myQQuickView::mouseSwitchKeyMatrix(int indexNo)
{
    if (!hid)
        return;
    if (family() == ChipFamily::F560)
        hid->hid560_02H_SetCurrentProfile(uchar(indexNo));
    else
        hid->hid553_02H_SetCurrentKeyMatrix(uchar(indexNo - 1));
}

QVariantList myQQuickView::GetKeyboardoption()
{
    uchar options[4] = {};
    if (hid)
        hid->hid553_83H_GetKeyboardoption(options[0], options[1], options[2], options[3]);
    return {int(options[0]), int(options[1]), int(options[2]), int(options[3])};
}

void myQQuickView::mouseSetCursorSpeed(uint cursorSpeed)
{
    // Steps outside 0 to 10 are clamped; the desktop takes speeds 1 to 20.
    const int step = int(qMin(cursorSpeed, uint(kMaxStep)));
    if (!m_pointer || !m_pointer->setPointerSpeed(qMax(1, 2 * step)))
        qDebug() << "setCursorSpeed Failed";
}

void myQQuickView::mouseSetVerticalScrollLines(uint lines)
{
    if (!m_pointer || !m_pointer->setWheelScrollLines(int(qMin(lines, uint(INT_MAX)))))
        qDebug() << "setVerticalScrollLines Failed";
}

void myQQuickView::mouseSetDoubleClickSpeed(uint speed)
{
    // Clamped first, so the time never goes below 200 ms, let alone negative.
    const int step = int(qMin(speed, uint(kMaxStep)));
    if (!m_pointer || !m_pointer->setDoubleClickTime(900 - 70 * step))
        qDebug() << "setDoubleClickSpeed Failed";
}

QVariantList myQQuickView::mouseGetKeydefine(QVariant index, bool recovery)
{
    return m_store.dataList(QStringLiteral("mouseKeyMatrix/") + index.toString(), recovery);
}

void myQQuickView::openUpdateExe()
{
}
