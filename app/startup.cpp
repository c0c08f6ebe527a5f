#include "app/startup.h"

#include <QDir>

bool enterExecutableFolder(const QString &applicationFilePath)
{
    const int slash = applicationFilePath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    // An executable in the root folder leaves an empty folder name.
    const QString folder = slash == 0 ? QStringLiteral("/") : applicationFilePath.left(slash);
    return QDir::setCurrent(folder);
}
