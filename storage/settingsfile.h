#pragma once

#include <QString>
#include <QVariant>

class QSettings;

// Helpers for the INI settings files below ./modules.
namespace settingsfile {

// A stored value as a list. The INI text form cannot tell a one-element list
// from a plain value, and Qt 6 would split a plain string into characters, so
// only a value that was read back as a list gives elements.
QVariantList toList(const QVariant &stored);

// Lists are stored as texts, so every list reads back as a list of strings. A
// one-element list is stored as its plain text: that is how the file reads it
// back after a restart, and the running program must see the same.
QVariant toStoredList(const QVariantList &list);

// Replaces target's content with a copy of source. The copy goes to a temporary
// file beside the target and is renamed over it only once complete, so a failed
// copy leaves the old file untouched. Returns false when nothing was replaced.
bool replaceWithCopy(const QString &target, const QString &source);

} // namespace settingsfile
