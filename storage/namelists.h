#pragma once

#include <QStringList>
#include <QVariantList>

// The user-named lists of name.bin: macros, recoil presets, profiles and a gun
// selection, each one list-valued key chosen by a type number.
namespace namelists {

extern const QString kPath;
// Appended to a one-entry list, so it is not stored like a plain text.
extern const QString kSentinel;

// The list stored for type (0 to 3), sentinel included; empty for other types.
QVariantList read(uint type);
// Stores names under the key of type; an empty list removes the key. Types
// outside 0 to 3 change nothing.
void write(uint type, QStringList names);

} // namespace namelists
