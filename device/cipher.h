#pragma once

#include <cstdint>

// The 8-byte payload cipher of command and answer reports (bytes 1 to 8 of a
// 9-byte report). Pure functions: the result depends only on the arguments and
// the fixed payload key.
namespace cipher {

constexpr int kBlockSize = 8;

// Bytes 1 to 6 of secrecyCode are used; 0 and 7 are never read.
void encrypt(uint8_t buffer[kBlockSize], const uint8_t secrecyCode[kBlockSize]);
void decrypt(uint8_t buffer[kBlockSize], const uint8_t secrecyCode[kBlockSize]);

} // namespace cipher
