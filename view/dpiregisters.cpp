#include "view/dpiregisters.h"

namespace dpiregisters {
namespace {

constexpr int kHighDpi = 12800;

// Ladder of the "3050": the first bound at least the DPI value gives the register.
struct Step
{
    int bound;
    uchar value;
};
constexpr Step k3050Ladder[] = {{250, 1},    {500, 2},    {750, 3},    {1000, 4},   {1250, 5},   {1500, 6},
                                {1750, 7},   {2000, 8},   {2500, 0x45}, {3000, 0x46}, {3500, 0x47}, {4000, 0x48}};

} // namespace

uchar registerFor(const QString &sensor, int dpi)
{
    if (sensor == QLatin1String("3360"))
        return uchar(dpi / 100 - 1);
    if (sensor == QLatin1String("3050")) {
        for (const Step &step : k3050Ladder) {
            if (dpi <= step.bound)
                return step.value;
        }
        return 0;
    }
    if (sensor == QLatin1String("3389"))
        return uchar((dpi / 50) % 256);
    // "4090" and every sensor without its own rule.
    return dpi > 5000 ? uchar((dpi / 200) | 0x40) : uchar(dpi / 100 - 1);
}

Registers convert(const QString &sensor, const QVariantList &dpiValues)
{
    Registers registers;
    registers.sendsHighDpiFlags = sensor == QLatin1String("3389");
    for (int stage = 0; stage < kStages; ++stage) {
        const int dpi = stage < dpiValues.size() ? dpiValues.at(stage).toInt() : 0;
        registers.values[size_t(stage)] = registerFor(sensor, dpi);
        if (registers.sendsHighDpiFlags && dpi >= kHighDpi)
            registers.highDpiFlags |= uchar(1u << stage);
    }
    return registers;
}

uchar stageMask(int stageCount)
{
    uchar mask = 0;
    for (int stage = 0; stage < qMin(stageCount, kStages); ++stage)
        mask |= uchar(1u << stage);
    return mask;
}

} // namespace dpiregisters
