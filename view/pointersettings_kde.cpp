// WheelScrollLines and DoubleClickInterval in kdeglobals, edited line by line
// so that nothing else in the user's file changes.

#include "view/pointersettings_linux.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kGroup = QStringLiteral("[KDE]");

bool isGroupLine(const QString &line)
{
    return line.trimmed().startsWith(QLatin1Char('['));
}

QString keyOf(const QString &line)
{
    const int equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

} // namespace

KdeGlobals::KdeGlobals()
    : KdeGlobals(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kdeglobals"))
{
}

KdeGlobals::KdeGlobals(const QString &path)
    : m_path(path)
{
}

bool KdeGlobals::setDoubleClickTime(int milliseconds)
{
    return setValue(QStringLiteral("DoubleClickInterval"), milliseconds);
}

bool KdeGlobals::setWheelScrollLines(int lines)
{
    return setValue(QStringLiteral("WheelScrollLines"), lines);
}

std::optional<int> KdeGlobals::value(const QString &key) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (isGroupLine(line))
            inGroup = line.trimmed() == kGroup;
        else if (inGroup && keyOf(line) == key)
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed().toInt();
    }
    return std::nullopt;
}

bool KdeGlobals::setValue(const QString &key, int value)
{
    QStringList lines;
    QFile existing(m_path);
    // A file that exists but cannot be read is never replaced by two lines of ours.
    if (existing.exists() && !existing.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    if (existing.isOpen()) {
        lines = QString::fromUtf8(existing.readAll()).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        existing.close();
    }
    const QString entry = key + QLatin1Char('=') + QString::number(value);
    int group = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (isGroupLine(lines.at(i)) && lines.at(i).trimmed() == kGroup) {
            group = i;
            break;
        }
    }
    if (group < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines << kGroup << entry;
    } else {
        int end = group + 1;
        while (end < lines.size() && !isGroupLine(lines.at(end)))
            ++end;
        int at = -1;
        for (int i = group + 1; i < end; ++i) {
            if (keyOf(lines.at(i)) == key)
                at = i;
        }
        if (at >= 0) {
            lines[at] = entry;
        } else {
            int insert = end;
            while (insert > group + 1 && lines.at(insert - 1).trimmed().isEmpty())
                --insert;
            lines.insert(insert, entry);
        }
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}
