#pragma once

#include "view/chipfamily.h"

#include <QVariantList>

#include <array>

// Button assignments as the firmware takes them: 16 buttons of four bytes
// [function, p1, p2, p3]. Matrix 1 is for normal use, 2 to 4 are the recoil layers.
namespace keymatrix {

constexpr int kButtons = 16;
constexpr int kMatrixSize = kButtons * 4;
constexpr uchar kGunFunction = 8;

using Assignment = std::array<uchar, 4>;
using Matrix = std::array<uchar, kMatrixSize>;

// The page's assignment in the firmware's function coding.
Assignment translate(const Assignment &page, ChipFamily family);

// 64 page values (low bytes; missing values count as 0) translated, with
// button 7 a copy of button 6 and buttons 3 and 4 swapped as the firmware wants.
Matrix normalMatrix(const QVariantList &pageValues, ChipFamily family);

bool hasGunKey(const Matrix &normal);

struct RecoilSet
{
    std::array<Matrix, 4> matrices;
    int block0Byte2 = -1; // 560: the gun-layer mask for profile block 0, -1 when unchanged
};

// The four matrices for a mouse with a gun key: the normal matrix and three
// layers built from the firmware assignment, with the recoil slots' fire
// periods on button 0 of each layer.
RecoilSet withRecoilLayers(const Matrix &normal, const Matrix &firmware, const std::array<uchar, 3> &firePeriods,
                           ChipFamily family);

} // namespace keymatrix
