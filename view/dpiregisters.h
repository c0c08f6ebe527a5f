#pragma once

#include <QString>
#include <QVariantList>

#include <array>

// DPI values in the sensor's register form.
namespace dpiregisters {

constexpr int kStages = 8;
constexpr uchar kStageUnused = 0x80; // 553: a stage past the stage count

struct Registers
{
    std::array<uchar, kStages> values{};
    uchar highDpiFlags = 0; // "3389": bit i set when stage i is 12800 DPI or more
    bool sendsHighDpiFlags = false;
};

// The register byte of one DPI value for the named sensor.
uchar registerFor(const QString &sensor, int dpi);

// Eight stages from the page's values (missing values count as 0).
Registers convert(const QString &sensor, const QVariantList &dpiValues);

// Bits 0 to stageCount - 1.
uchar stageMask(int stageCount);

} // namespace dpiregisters
