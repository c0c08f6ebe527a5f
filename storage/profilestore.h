#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class QSettings;

// The long-lived settings handles: the global settings file, the default
// profile and the ten profile files, plus the profile in use. Handles are
// replaced, never rewritten in place; a replaced handle is released with
// deferred deletion so that a caller still holding it this event-loop pass
// is safe.
class ProfileStore
{
public:
    static constexpr int kProfileCount = 10;
    static const QString kGlobalPath;
    static const QString kFactoryGlobalPath;
    static const QString kDefaultProfilePath;

    ProfileStore();
    ~ProfileStore();
    ProfileStore(const ProfileStore &) = delete;
    ProfileStore &operator=(const ProfileStore &) = delete;

    // "./modules/setting/p<index + 1>.bin"
    static QString profilePath(int index);
    static bool isProfileIndex(int index) { return index >= 0 && index < kProfileCount; }

    int currentProfile() const { return m_currentProfile; }
    void setCurrentProfile(int profile) { m_currentProfile = profile; }

    // Reads go to the default profile when recovery is asked for, else to the
    // profile in use; a profile index outside 0 to 9 reads nothing.
    QVariant data(const QString &key, bool recovery, const QVariant &fallback = QVariant()) const;
    QVariantList dataList(const QString &key, bool recovery) const;
    void setData(const QString &key, const QVariant &value);
    void setDataList(const QString &key, const QVariantList &list);

    QVariant globalData(const QString &key) const;
    void setGlobalData(const QString &key, const QVariant &value);

    // Each returns false and leaves file and handle as they were when the copy
    // could not be made or the index is not a profile.
    bool resetProfile(int profile);
    bool copyProfile(int destination, int source);
    bool importProfile(int profile, const QString &file);
    bool exportProfile(int profile, const QString &file);
    bool resetGlobal();

    QSettings *profileHandle(int index) const;
    QSettings *defaultsHandle() const { return m_defaults; }

private:
    QSettings *readHandle(bool recovery) const;
    // Replaces handle's file with a copy of source and opens a new handle on it.
    bool replaceFile(QSettings *&handle, const QString &source);
    bool replaceProfile(int profile, const QString &source);

    QSettings *m_global = nullptr;
    QSettings *m_defaults = nullptr;
    QList<QSettings *> m_profiles;
    int m_currentProfile = 0;
};
