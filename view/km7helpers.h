#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>

// Pure helpers the pages call as the QML singleton Km7 (import KM7): key names
// and the macro encoder, so the pages and the native side share one table and
// one encoding.
class Km7Helpers : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int macroSizeLimit READ macroSizeLimit CONSTANT)

public:
    using QObject::QObject;

    // Makes the singleton known to QML; call before any scene loads.
    static void registerForQml();

    int macroSizeLimit() const;

    Q_INVOKABLE QString keyName(int code) const;
    Q_INVOKABLE int keyCode(const QString &name) const;
    Q_INVOKABLE QStringList keyNames() const;

    // "Start with the desktop session": the user's XDG autostart entry.
    Q_INVOKABLE bool autostartEnabled() const;
    Q_INVOKABLE bool setAutostart(bool on) const;

    // events: a list of [type, info] pairs or {type, info} objects.
    Q_INVOKABLE QVariantList encodeMacro(const QVariantList &events, int repeat) const;
    Q_INVOKABLE int encodedMacroSize(const QVariantList &events) const;
};
