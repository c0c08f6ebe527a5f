#include "view/km7helpers.h"

#include "app/autostart.h"
#include "view/keynametable.h"
#include "view/macroencoder.h"

#include <QQmlEngine>

namespace {

QList<macroencoder::Event> eventsFrom(const QVariantList &events)
{
    QList<macroencoder::Event> parsed;
    for (const QVariant &entry : events) {
        if (entry.typeId() == QMetaType::QVariantMap) {
            const QVariantMap map = entry.toMap();
            parsed.append({map.value(QStringLiteral("type")).toInt(), map.value(QStringLiteral("info")).toString()});
        } else {
            const QVariantList pair = entry.toList();
            if (pair.size() >= 2)
                parsed.append({pair.at(0).toInt(), pair.at(1).toString()});
        }
    }
    return parsed;
}

} // namespace

void Km7Helpers::registerForQml()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // One per engine, which owns it: the helpers keep no state of their own.
    qmlRegisterSingletonType<Km7Helpers>("KM7", 1, 0, "Km7", [](QQmlEngine *, QJSEngine *) -> QObject * {
        return new Km7Helpers;
    });
}

int Km7Helpers::macroSizeLimit() const
{
    return macroencoder::kEditorLimit;
}

bool Km7Helpers::autostartEnabled() const
{
    return Autostart::isEnabled();
}

bool Km7Helpers::setAutostart(bool on) const
{
    return Autostart::setEnabled(on);
}

QString Km7Helpers::keyName(int code) const
{
    return KeyNameTable::shared().nameOf(code);
}

int Km7Helpers::keyCode(const QString &name) const
{
    return KeyNameTable::shared().codeOf(name);
}

QStringList Km7Helpers::keyNames() const
{
    return KeyNameTable::shared().names();
}

QVariantList Km7Helpers::encodeMacro(const QVariantList &events, int repeat) const
{
    QVariantList bytes;
    for (int value : macroencoder::encode(eventsFrom(events), repeat, KeyNameTable::shared()))
        bytes.append(value);
    return bytes;
}

int Km7Helpers::encodedMacroSize(const QVariantList &events) const
{
    return macroencoder::encodedSize(eventsFrom(events), KeyNameTable::shared());
}
