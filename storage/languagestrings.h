#pragma once

#include <QStringList>

// The interface texts of one language: ./modules/i18n/<code>.ini, one group
// per interface area with "total" and the texts "0" … "total - 1".
namespace languagestrings {

// The texts of group in language code, in order; a missing text is empty, a
// missing file or group gives an empty list. Reading the "other" group also
// makes its first eight texts the DPI-switch balloon texts.
QStringList read(const QString &group, const QString &code);

} // namespace languagestrings
