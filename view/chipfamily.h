#pragma once

#include <QString>

// The mouse's chip family decides which command set a device slot uses.
enum class ChipFamily { F553, F560 };

// Exactly "560" selects the 560 family; anything else, empty included, the 553.
inline ChipFamily chipFamilyOf(const QString &icType)
{
    return icType == QLatin1String("560") ? ChipFamily::F560 : ChipFamily::F553;
}
