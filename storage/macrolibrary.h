#pragma once

#include <QStringList>
#include <QVariant>

class ProfileStore;

// The user's macros: one INI file per macro in ./modules/macro/, named after
// the macro, and the profile bindings that refer to a macro by name.
//
// A macro name becomes a file name, so a name that could leave the macro
// folder (empty, ".", "..", or holding "/", "\" or NUL) is refused by every
// operation: false or an empty list, and no file is touched.
namespace macrolibrary {

bool isSafeName(const QString &name);
// "./modules/macro/<name>.bin"
QString pathOf(const QString &name);

bool create(const QString &name, uint index);
bool save(const QString &name, const QStringList &events, const QVariant &repeat);
// The events in order, then the repeat count as text; empty when there is no file.
QStringList load(const QString &name);
bool remove(const QString &name);

// Moves the file to the new name and follows the bindings of profiles 1 to 6.
// A target that exists, or a move that fails, leaves everything as it was.
bool rename(ProfileStore &store, const QString &oldName, const QString &newName);
// Gives the buttons of profiles 1 to 6 that were bound to name their factory
// assignment again.
void unbind(ProfileStore &store, const QString &name);

// Copies an exchange file in as the macro name; an existing macro is never
// overwritten. True when the macro file was made.
bool importFile(const QString &name, const QString &file);
bool exportFile(const QString &name, const QString &file);

} // namespace macrolibrary
