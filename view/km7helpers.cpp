#include "view/km7helpers.h"

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
    static Km7Helpers helpers;
    qmlRegisterSingletonInstance("KM7", 1, 0, "Km7", &helpers);
}

int Km7Helpers::macroSizeLimit() const
{
    return macroencoder::kEditorLimit;
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
