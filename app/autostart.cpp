#include "app/autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Characters that make a launcher treat an Exec argument as more than plain text.
bool isReservedInExec(QChar c)
{
    switch (c.unicode()) {
    case ' ': case '\t': case '\n': case '"': case '\'': case '\\':
    case '>': case '<': case '~': case '|': case '&': case ';':
    case '$': case '*': case '?': case '#': case '(': case ')': case '`':
        return true;
    default:
        return false;
    }
}

// Control characters that a desktop file value cannot carry, even escaped.
bool hasUnwritableControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7f)
            return true;
    }
    return false;
}

// Whether the session would start the entry in path: it is a readable file and
// neither hidden nor switched off with the GNOME key.
bool entryIsActive(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup)
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Hidden") && value == QLatin1String("true"))
            return false;
        if (key == QLatin1String("X-GNOME-Autostart-enabled") && value == QLatin1String("false"))
            return false;
    }
    return true;
}

} // namespace

QString Autostart::fileName()
{
    return QStringLiteral("org.km7.Config.desktop");
}

QString Autostart::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart");
}

QString Autostart::entryPath()
{
    return entryPath(folder());
}

QString Autostart::entryPath(const QString &autostartFolder)
{
    return autostartFolder + QLatin1Char('/') + fileName();
}

bool Autostart::isEnabled()
{
    return isEnabled(folder());
}

bool Autostart::isEnabled(const QString &autostartFolder)
{
    return entryIsActive(entryPath(autostartFolder));
}

bool Autostart::setEnabled(bool on)
{
    return setEnabled(on, folder());
}

bool Autostart::setEnabled(bool on, const QString &autostartFolder)
{
    const QString path = entryPath(autostartFolder);
    if (!on) {
        const QFileInfo entry(path);
        // A dangling link does not "exist" but is still an entry to remove.
        if (!entry.exists() && !entry.isSymLink())
            return true;
        return QFile::remove(path);
    }

    if (!QCoreApplication::instance())
        return false;
    const QString executable = QCoreApplication::applicationFilePath();
    if (executable.isEmpty() || hasUnwritableControlCharacter(executable))
        return false;
    if (!QDir().mkpath(autostartFolder))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = entryText(executable);
    if (file.write(text) != text.size())
        return false;
    return file.commit();
}

QByteArray Autostart::entryText(const QString &executable)
{
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=KM7 Config\n");
    text += QStringLiteral("Comment=Set up the KM7 gaming mouse\n");
    text += QStringLiteral("Exec=") + escapeValue(quoteExecArgument(executable)) + QLatin1Char('\n');
    text += QStringLiteral("Icon=org.km7.Config\n");
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("Hidden=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

QString Autostart::quoteExecArgument(const QString &argument)
{
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        if (isReservedInExec(c)) {
            needsQuotes = true;
            break;
        }
    }

    QString quoted;
    quoted.reserve(argument.size() + 8);
    if (needsQuotes)
        quoted += QLatin1Char('"');
    for (const QChar c : argument) {
        if (c == QLatin1Char('%')) {
            quoted += QStringLiteral("%%");
            continue;
        }
        if (needsQuotes && (c == QLatin1Char('"') || c == QLatin1Char('`')
                            || c == QLatin1Char('$') || c == QLatin1Char('\\')))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    if (needsQuotes)
        quoted += QLatin1Char('"');
    return quoted;
}

QString Autostart::escapeValue(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size() + 8);
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        switch (c.unicode()) {
        case '\\': escaped += QStringLiteral("\\\\"); break;
        case '\n': escaped += QStringLiteral("\\n"); break;
        case '\t': escaped += QStringLiteral("\\t"); break;
        case '\r': escaped += QStringLiteral("\\r"); break;
        case ' ':
            escaped += i == 0 ? QStringLiteral("\\s") : QStringLiteral(" ");
            break;
        default: escaped += c; break;
        }
    }
    return escaped;
}
