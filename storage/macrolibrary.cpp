#include "storage/macrolibrary.h"

#include "storage/profilestore.h"
#include "storage/settingsfile.h"

#include <QFile>
#include <QSettings>

namespace macrolibrary {
namespace {

// Profiles the pages use; the rest never hold macro bindings.
constexpr int kPageProfiles = 6;
constexpr int kButtons = 16;
constexpr int kMacroFunction = 4;
constexpr int kMacroSlotElement = 2;

const QString kBindings = QStringLiteral("mouseMacroKey");

} // namespace

bool isSafeName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

QString pathOf(const QString &name)
{
    return QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin");
}

bool create(const QString &name, uint index)
{
    if (!isSafeName(name))
        return false;
    QSettings file(pathOf(name), QSettings::IniFormat);
    file.setValue(QStringLiteral("config/index"), index);
    file.setValue(QStringLiteral("config/total"), 0);
    file.setValue(QStringLiteral("config/repeat"), 1);
    file.setValue(QStringLiteral("config/did"), -1);
    return true;
}

bool save(const QString &name, const QStringList &events, const QVariant &repeat)
{
    if (!isSafeName(name) || !QFile::exists(pathOf(name)))
        return false;
    QSettings file(pathOf(name), QSettings::IniFormat);
    file.remove(QStringLiteral("macro"));
    file.setValue(QStringLiteral("config/total"), events.size());
    file.setValue(QStringLiteral("config/repeat"), repeat);
    for (int i = 0; i < events.size(); ++i)
        file.setValue(QStringLiteral("macro/%1").arg(i), events.at(i));
    file.sync();
    return file.status() == QSettings::NoError;
}

QStringList load(const QString &name)
{
    if (!isSafeName(name) || !QFile::exists(pathOf(name)))
        return {};
    const QSettings file(pathOf(name), QSettings::IniFormat);
    QStringList events;
    const int total = file.value(QStringLiteral("config/total"), 0).toInt();
    for (int i = 0; i < total; ++i)
        events.append(file.value(QStringLiteral("macro/%1").arg(i), 0).toString());
    events.append(file.value(QStringLiteral("config/repeat"), 0).toString());
    return events;
}

bool remove(const QString &name)
{
    if (!isSafeName(name) || !QFile::exists(pathOf(name)))
        return false;
    return QFile::remove(pathOf(name));
}

namespace {

struct Rebinding
{
    QSettings *profile;
    QString key;
};

QList<Rebinding> bindingsTo(ProfileStore &store, const QString &name)
{
    QList<Rebinding> found;
    for (int i = 0; i < kPageProfiles; ++i) {
        QSettings *profile = store.profileHandle(i);
        profile->beginGroup(kBindings);
        const QStringList keys = profile->childKeys();
        profile->endGroup();
        for (const QString &key : keys) {
            const QString full = kBindings + QLatin1Char('/') + key;
            if (profile->value(full, QString()).toString() == name)
                found.append({profile, full});
        }
    }
    return found;
}

void bindAll(const QList<Rebinding> &bindings, const QString &name)
{
    for (const Rebinding &binding : bindings)
        binding.profile->setValue(binding.key, name);
}

} // namespace

bool rename(ProfileStore &store, const QString &oldName, const QString &newName)
{
    if (!isSafeName(oldName) || !isSafeName(newName) || !QFile::exists(pathOf(oldName)))
        return false;
    // Bindings must never end up naming another macro that already has the new name.
    if (QFile::exists(pathOf(newName)))
        return false;
    const QList<Rebinding> bindings = bindingsTo(store, oldName);
    bindAll(bindings, newName);
    if (QFile::rename(pathOf(oldName), pathOf(newName)))
        return true;
    bindAll(bindings, oldName);
    return false;
}

void unbind(ProfileStore &store, const QString &name)
{
    const QSettings *defaults = store.defaultsHandle();
    for (int i = 0; i < kPageProfiles; ++i) {
        QSettings *profile = store.profileHandle(i);
        for (int button = 0; button < kButtons; ++button) {
            const QString key = QStringLiteral("mouseKeyMatrix/%1").arg(button);
            const QVariantList assignment = settingsfile::toList(profile->value(key));
            // A button without a complete assignment cannot be bound to a macro slot.
            if (assignment.size() <= kMacroSlotElement || assignment.first().toInt() != kMacroFunction)
                continue;
            const QString slot = QString::number(assignment.at(kMacroSlotElement).toInt());
            if (profile->value(kBindings + QLatin1Char('/') + slot, QString()).toString() != name)
                continue;
            const QVariant factory = defaults->value(key);
            if (factory.isValid())
                profile->setValue(key, factory);
        }
    }
}

bool importFile(const QString &name, const QString &file)
{
    if (!isSafeName(name) || QFile::exists(pathOf(name)))
        return false;
    return settingsfile::replaceWithCopy(pathOf(name), file);
}

bool exportFile(const QString &name, const QString &file)
{
    if (!isSafeName(name) || !QFile::exists(pathOf(name)))
        return false;
    return settingsfile::replaceWithCopy(file, pathOf(name));
}

} // namespace macrolibrary
