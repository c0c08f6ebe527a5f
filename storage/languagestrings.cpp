#include "storage/languagestrings.h"

#include "device/dpiswitchtexts.h"

#include <QSettings>

namespace languagestrings {
namespace {

// The code comes from the settings file; it must still name a file in the language folder.
bool isPlainFileName(const QString &code)
{
    return !code.isEmpty() && !code.contains(QLatin1Char('/')) && !code.contains(QLatin1Char('\\'))
        && !code.contains(QLatin1String("..")) && !code.contains(QChar(0));
}

// A text with an unquoted comma reads back as a list; it is still one text.
QString textOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

QStringList read(const QString &group, const QString &code)
{
    if (!isPlainFileName(code))
        return {};
    // Qt 6 reads INI files as UTF-8, which is what the language files are.
    const QSettings file(QStringLiteral("./modules/i18n/") + code + QStringLiteral(".ini"), QSettings::IniFormat);
    const int total = file.value(group + QStringLiteral("/total")).toInt();
    QStringList texts;
    for (int i = 0; i < total; ++i)
        texts.append(textOf(file.value(group + QLatin1Char('/') + QString::number(i))));
    if (group == QLatin1String("other"))
        dpiswitchtexts::replace(texts.mid(0, dpiswitchtexts::kCount));
    return texts;
}

} // namespace languagestrings
