#include "storage/profilestore.h"

#include "storage/settingsfile.h"

#include <QSettings>

const QString ProfileStore::kGlobalPath = QStringLiteral("./modules/setting/apConfig.bin");
const QString ProfileStore::kFactoryGlobalPath = QStringLiteral("./modules/setting/apConfigD.bin");
const QString ProfileStore::kDefaultProfilePath = QStringLiteral("./modules/setting/pD.bin");

namespace {

QSettings *openIni(const QString &path)
{
    return new QSettings(path, QSettings::IniFormat);
}

} // namespace

ProfileStore::ProfileStore()
    : m_global(openIni(kGlobalPath))
    , m_defaults(openIni(kDefaultProfilePath))
{
    for (int i = 0; i < kProfileCount; ++i)
        m_profiles.append(openIni(profilePath(i)));
}

ProfileStore::~ProfileStore()
{
    delete m_global;
    delete m_defaults;
    qDeleteAll(m_profiles);
}

QString ProfileStore::profilePath(int index)
{
    return QStringLiteral("./modules/setting/p%1.bin").arg(index + 1);
}

QSettings *ProfileStore::profileHandle(int index) const
{
    return isProfileIndex(index) ? m_profiles.at(index) : nullptr;
}

QSettings *ProfileStore::readHandle(bool recovery) const
{
    return recovery ? m_defaults : profileHandle(m_currentProfile);
}

QVariant ProfileStore::data(const QString &key, bool recovery, const QVariant &fallback) const
{
    const QSettings *handle = readHandle(recovery);
    return handle ? handle->value(key, fallback) : fallback;
}

QVariantList ProfileStore::dataList(const QString &key, bool recovery) const
{
    return settingsfile::toList(data(key, recovery));
}

void ProfileStore::setData(const QString &key, const QVariant &value)
{
    if (QSettings *handle = profileHandle(m_currentProfile))
        handle->setValue(key, value);
}

void ProfileStore::setDataList(const QString &key, const QVariantList &list)
{
    if (QSettings *handle = profileHandle(m_currentProfile))
        handle->setValue(key, settingsfile::toStoredList(list));
}

QVariant ProfileStore::globalData(const QString &key) const
{
    return m_global->value(key);
}

void ProfileStore::setGlobalData(const QString &key, const QVariant &value)
{
    m_global->setValue(key, value);
}

bool ProfileStore::replaceFile(QSettings *&handle, const QString &source)
{
    const QString file = handle->fileName();
    // Pending writes belong to the old content; flushed now, they can never land
    // in the replacement when the handle goes at the next event-loop pass.
    handle->sync();
    if (!settingsfile::replaceWithCopy(file, source))
        return false;
    handle->deleteLater();
    handle = openIni(file);
    return true;
}

bool ProfileStore::replaceProfile(int profile, const QString &source)
{
    return isProfileIndex(profile) && replaceFile(m_profiles[profile], source);
}

bool ProfileStore::resetProfile(int profile)
{
    return replaceProfile(profile, kDefaultProfilePath);
}

bool ProfileStore::copyProfile(int destination, int source)
{
    if (destination == source || !isProfileIndex(source))
        return false;
    m_profiles.at(source)->sync(); // the copy must see the source's pending writes
    return replaceProfile(destination, m_profiles.at(source)->fileName());
}

bool ProfileStore::importProfile(int profile, const QString &file)
{
    return replaceProfile(profile, file);
}

bool ProfileStore::exportProfile(int profile, const QString &file)
{
    QSettings *handle = profileHandle(profile);
    if (!handle)
        return false;
    handle->sync();
    return settingsfile::replaceWithCopy(file, handle->fileName());
}

bool ProfileStore::resetGlobal()
{
    return replaceFile(m_global, kFactoryGlobalPath);
}
