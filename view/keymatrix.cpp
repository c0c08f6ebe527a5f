#include "view/keymatrix.h"

namespace keymatrix {
namespace {

// Page function codes.
constexpr uchar kMouse = 0;
constexpr uchar kFire = 1;
constexpr uchar kCombination = 2;
constexpr uchar kMedia = 3;
constexpr uchar kMacro = 4;
constexpr uchar kDpi = 5;
constexpr uchar kWindows = 6;
constexpr uchar kShortcut = 7;
constexpr uchar kGun = 8;
constexpr uchar kFixed = 0xFF;

constexpr uchar kDoubleFireCode = 0x1E;
constexpr uchar kDoubleFireTimes = 2;
constexpr uchar kSniper = 4;
constexpr uchar kRecoilSlotFunction = 11;

uchar &at(Matrix &m, int button, int field)
{
    return m[size_t(button * 4 + field)];
}

uchar at(const Matrix &m, int button, int field)
{
    return m[size_t(button * 4 + field)];
}

void copyButton(Matrix &m, int from, int to)
{
    for (int field = 0; field < 4; ++field)
        at(m, to, field) = at(m, from, field);
}

} // namespace

Assignment translate(const Assignment &page, ChipFamily family)
{
    Assignment device = page;
    switch (page[0]) {
    case kMouse:
        if (page[2] == kDoubleFireCode && page[3] == kDoubleFireTimes)
            device = {12, 0, 0, 0};
        else
            device[0] = 1;
        break;
    case kFire: device[0] = 10; break;
    case kCombination:
    case kWindows:
    case kShortcut: device[0] = 0; break;
    case kMedia: device[0] = 3; break;
    case kMacro:
        device[0] = 9;
        device[2] = uchar(page[2] + 1);
        break;
    case kDpi:
        if (page[2] == kSniper)
            device = family == ChipFamily::F560 ? Assignment{11, 0, 1, 1} : Assignment{7, 0, 4, 1};
        else
            device[0] = 7;
        break;
    case kGun: device[0] = kGunFunction; break;
    case kFixed: device[0] = 4; break;
    default: break;
    }
    return device;
}

Matrix normalMatrix(const QVariantList &pageValues, ChipFamily family)
{
    Matrix m{};
    for (int button = 0; button < kButtons; ++button) {
        Assignment page{};
        for (int field = 0; field < 4; ++field) {
            const int index = button * 4 + field;
            page[size_t(field)] = index < pageValues.size() ? uchar(pageValues.at(index).toInt()) : 0;
        }
        const Assignment device = translate(page, family);
        for (int field = 0; field < 4; ++field)
            at(m, button, field) = device[size_t(field)];
    }
    copyButton(m, 6, 7);
    for (int field = 0; field < 4; ++field)
        std::swap(at(m, 3, field), at(m, 4, field));
    return m;
}

bool hasGunKey(const Matrix &normal)
{
    for (int button = 0; button < kButtons; ++button) {
        if (at(normal, button, 0) == kGunFunction)
            return true;
    }
    return false;
}

RecoilSet withRecoilLayers(const Matrix &normal, const Matrix &firmware, const std::array<uchar, 3> &firePeriods,
                           ChipFamily family)
{
    RecoilSet set;
    set.matrices = {normal, firmware, firmware, firmware};
    // Per preset count u (1 to 3), the value each matrix gets.
    static const uchar layers560[3][4] = {{1, 0, 0, 0}, {1, 3, 0, 0}, {1, 3, 3, 0}};
    static const uchar layers553[3][4] = {{1, 0, 0, 0}, {1, 2, 0, 0}, {1, 2, 3, 0}};
    static const int block0Masks[3] = {7, 15, 31};

    for (int button = 0; button < kButtons; ++button) {
        if (at(set.matrices[0], button, 0) != kGunFunction)
            continue;
        const uchar presets = at(set.matrices[0], button, 2);
        const bool known = presets >= 1 && presets <= 3;
        for (int layer = 1; layer < 4; ++layer)
            at(set.matrices[size_t(layer)], button, 0) = kGunFunction;
        if (family == ChipFamily::F560) {
            if (known) {
                for (int layer = 0; layer < 4; ++layer)
                    at(set.matrices[size_t(layer)], button, 2) = layers560[presets - 1][layer];
                set.block0Byte2 = block0Masks[presets - 1];
            }
        } else {
            for (int layer = 0; layer < 4; ++layer) {
                Matrix &m = set.matrices[size_t(layer)];
                if (known)
                    at(m, button, 3) = layers553[presets - 1][layer];
                at(m, button, 2) = 1;
                at(m, button, 1) = 0;
            }
        }
    }
    for (int layer = 1; layer < 4; ++layer) {
        Matrix &m = set.matrices[size_t(layer)];
        at(m, 0, 0) = kRecoilSlotFunction;
        at(m, 0, 1) = uchar(layer - 1);
        at(m, 0, 2) = firePeriods[size_t(layer - 1)];
        at(m, 0, 3) = 0;
    }
    return set;
}

} // namespace keymatrix
