#pragma once

#include <QStringList>
#include <QVariantList>

// The recoil preset library in ./modules/gun/gunData.bin. The program never
// creates that file: without it every operation does nothing.
namespace recoilpresets {

extern const QString kPath;

// Stores the first six values (name, trigger, period, X, Y, shot count) under
// the preset's position; fewer than six values change nothing.
void save(const QString &position, const QVariantList &values);
// Type 0 removes the entry named values[0]. Type 1 renames: removes values[6]
// and stores values[1..5] under values[0]; fewer than seven values change nothing.
void modify(int type, const QVariantList &values);
QVariantList entry(const QString &key);
QStringList keys();

} // namespace recoilpresets
