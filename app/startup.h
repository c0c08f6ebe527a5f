#pragma once

#include <QString>

// Every data path is relative and begins with ./modules, so the program always
// works in the folder that holds its executable. Returns false when the folder
// could not be entered.
bool enterExecutableFolder(const QString &applicationFilePath);
