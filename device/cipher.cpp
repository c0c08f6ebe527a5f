#include "device/cipher.h"

#include <utility>

namespace cipher {
namespace {

constexpr uint8_t kPayloadKey[kBlockSize] = {'K', 'u', 'P', 'w', 'a', 'R', 'z', 'o'};

uint8_t swapNibbles(uint8_t x)
{
    return uint8_t((x << 4) | (x >> 4));
}

void swapBytes(uint8_t p[kBlockSize])
{
    std::swap(p[0], p[5]);
    std::swap(p[1], p[4]);
    std::swap(p[2], p[7]);
    std::swap(p[3], p[6]);
}

void mixCode(uint8_t p[kBlockSize], const uint8_t code[kBlockSize])
{
    for (int i = 1; i <= 6; ++i)
        p[i] ^= code[i];
}

} // namespace

void encrypt(uint8_t p[kBlockSize], const uint8_t code[kBlockSize])
{
    swapBytes(p);
    mixCode(p, code);
    // Rotate the 64-bit big-endian value left by 3 bits.
    const uint8_t first = p[0];
    for (int i = 0; i < kBlockSize - 1; ++i)
        p[i] = uint8_t((p[i] << 3) | (p[i + 1] >> 5));
    p[7] = uint8_t((p[7] << 3) | (first >> 5));
    for (int i = 0; i < kBlockSize; ++i)
        p[i] = uint8_t(p[i] + swapNibbles(kPayloadKey[i]));
}

void decrypt(uint8_t p[kBlockSize], const uint8_t code[kBlockSize])
{
    for (int i = 0; i < kBlockSize; ++i)
        p[i] = uint8_t(p[i] - swapNibbles(kPayloadKey[i]));
    const uint8_t last = p[7];
    for (int i = kBlockSize - 1; i > 0; --i)
        p[i] = uint8_t((p[i] >> 3) | (p[i - 1] << 5));
    p[0] = uint8_t((p[0] >> 3) | (last << 5));
    mixCode(p, code);
    swapBytes(p);
}

} // namespace cipher
