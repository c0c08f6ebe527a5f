#include "storage/settingsfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace settingsfile {

QVariantList toList(const QVariant &stored)
{
    switch (stored.typeId()) {
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
        return stored.toList();
    default:
        return {};
    }
}

QVariant toStoredList(const QVariantList &list)
{
    QStringList texts;
    texts.reserve(list.size());
    for (const QVariant &element : list)
        texts.append(element.toString());
    if (texts.size() == 1)
        return texts.first();
    return texts;
}

namespace {

bool writeCopy(const QString &target, const QString &source)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
        return false;
    return out.commit();
}

// QSettings handles on one file share a cache that re-reads the file only when
// its size or modification time (in ms) differs from what it last saw. A
// replacement of equal size within the same millisecond would keep serving the
// old content, so the new file is always dated after the old one.
void dateAfter(const QString &target, const QDateTime &previous)
{
    QDateTime stamp = QDateTime::currentDateTimeUtc();
    if (previous.isValid() && stamp <= previous)
        stamp = previous.addMSecs(1);
    QFile file(target);
    if (file.open(QIODevice::ReadOnly))
        file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

} // namespace

bool replaceWithCopy(const QString &target, const QString &source)
{
    const QFileInfo before(target);
    const QDateTime previous = before.exists() ? before.lastModified().toUTC() : QDateTime();
    if (!writeCopy(target, source))
        return false;
    dateAfter(target, previous);
    return true;
}

} // namespace settingsfile
