#include "storage/recoilpresets.h"

#include "storage/settingsfile.h"

#include <QFile>
#include <QSettings>

namespace recoilpresets {

const QString kPath = QStringLiteral("./modules/gun/gunData.bin");

namespace {

constexpr int kEntryValues = 6;
constexpr int kRenameValues = 7;
const QString kGroup = QStringLiteral("gunData/");

} // namespace

void save(const QString &position, const QVariantList &values)
{
    if (!QFile::exists(kPath) || values.size() < kEntryValues)
        return;
    QSettings file(kPath, QSettings::IniFormat);
    file.setValue(kGroup + position, settingsfile::toStoredList(values.mid(0, kEntryValues)));
}

void modify(int type, const QVariantList &values)
{
    if (!QFile::exists(kPath) || values.isEmpty())
        return;
    QSettings file(kPath, QSettings::IniFormat);
    if (type == 0) {
        file.remove(kGroup + values.first().toString());
    } else if (type == 1 && values.size() >= kRenameValues) {
        file.remove(kGroup + values.at(6).toString());
        file.setValue(kGroup + values.first().toString(), settingsfile::toStoredList(values.mid(1, 5)));
    }
}

QVariantList entry(const QString &key)
{
    if (!QFile::exists(kPath))
        return {};
    const QSettings file(kPath, QSettings::IniFormat);
    return settingsfile::toList(file.value(kGroup + key, 0));
}

QStringList keys()
{
    if (!QFile::exists(kPath))
        return {};
    QSettings file(kPath, QSettings::IniFormat);
    file.beginGroup(QStringLiteral("gunData"));
    const QStringList all = file.allKeys();
    file.endGroup();
    return all;
}

} // namespace recoilpresets
