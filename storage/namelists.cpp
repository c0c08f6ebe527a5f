#include "storage/namelists.h"

#include "storage/settingsfile.h"

#include <QSettings>

namespace namelists {

const QString kPath = QStringLiteral("./modules/setting/name.bin");
const QString kSentinel = QStringLiteral("loaderzephyx");

namespace {

QString keyOf(uint type)
{
    switch (type) {
    case 0: return QStringLiteral("macro/macroName");
    case 1: return QStringLiteral("gun/gunName");
    case 2: return QStringLiteral("profile/profileName");
    case 3: return QStringLiteral("gun/selectGun");
    default: return {};
    }
}

} // namespace

QVariantList read(uint type)
{
    const QString key = keyOf(type);
    if (key.isEmpty())
        return {};
    const QSettings file(kPath, QSettings::IniFormat);
    return settingsfile::toList(file.value(key, 0));
}

void write(uint type, QStringList names)
{
    const QString key = keyOf(type);
    if (key.isEmpty())
        return;
    if (names.size() == 1)
        names.append(kSentinel);
    QSettings file(kPath, QSettings::IniFormat);
    if (names.isEmpty())
        file.remove(key);
    else
        file.setValue(key, names);
}

} // namespace namelists
