#include "view/lighting.h"

namespace lighting {
namespace {

template <size_t N>
uchar lookUp(const uchar (&table)[N], uchar step)
{
    return step < N ? table[step] : 0;
}

uchar brightness(uchar step)
{
    static const uchar levels[] = {0, 64, 128, 192, 255};
    return lookUp(levels, step);
}

const uchar kSpeed5[] = {10, 7, 5, 3, 1};
const uchar kSpeed8[] = {20, 17, 15, 13, 11};
const uchar kSpeed9[] = {15, 13, 10, 7, 5};
const uchar kSpeed10[] = {30, 27, 24, 22, 20};

} // namespace

Triple colourfulEffect(uchar effect, uchar speed, uchar bright)
{
    switch (effect) {
    case 0: return {1, brightness(bright), 0};
    case 1: return {3, 0, lookUp(kSpeed5, speed)};
    case 2: return {4, 0, lookUp(kSpeed5, speed)};
    case 4: return {2, brightness(bright), 0};
    case 5: return {5, brightness(bright), lookUp(kSpeed5, speed)};
    case 6: return {6, 0, 0};
    case 7: return {7, brightness(bright), 0};
    case 8: return {8, brightness(bright), lookUp(kSpeed8, speed)};
    case 9: return {9, brightness(bright), lookUp(kSpeed9, speed)};
    case 10: return {10, brightness(bright), lookUp(kSpeed10, speed)};
    default: return {0, 0, 0}; // "OFF" and anything unknown
    }
}

Triple basicEffect(uchar effect, uchar speed, uchar bright)
{
    static const uchar staticLevels[] = {1, 3, 5, 7, 10};
    static const uchar neonLevels[] = {30, 24, 18, 12, 6};
    switch (effect) {
    case 0: return {1, lookUp(staticLevels, bright), 1};
    case 1: return {2, uchar(speed + 1), 1};
    case 2: return {3, lookUp(neonLevels, speed), 1};
    case 4: return {2, uchar(speed + 1), 3};
    default: return {0, 0, 0};
    }
}

} // namespace lighting
