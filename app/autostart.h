#pragma once

#include <QByteArray>
#include <QString>

// "Start with the desktop session": an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/org.km7.Config.desktop, that starts this very
// executable when the user logs in. Desktop sessions (GNOME, KDE, Xfce, ...)
// read every *.desktop file in that folder at log-in.
//
// The overloads that take a folder work on that autostart folder instead of
// the user's one; the tests use them.
class Autostart
{
public:
    // File name of the entry; the same as the installed application entry,
    // so a session's autostart settings show our name and icon.
    static QString fileName();

    // $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when that is unset.
    static QString folder();

    static QString entryPath();
    static QString entryPath(const QString &autostartFolder);

    // True when the entry is there and the session would honour it. An entry
    // that the user switched off in the session's settings (Hidden=true or
    // X-GNOME-Autostart-enabled=false) counts as off.
    static bool isEnabled();
    static bool isEnabled(const QString &autostartFolder);

    // On: (re)writes the entry, creating the folder if needed, with Exec set
    // to the running executable's absolute path. Off: removes the entry; an
    // entry that is not there is already off. False when the entry could not
    // be written or removed, or when there is no running application to name.
    static bool setEnabled(bool on);
    static bool setEnabled(bool on, const QString &autostartFolder);

    // The whole entry, UTF-8, that starts executable (an absolute path).
    static QByteArray entryText(const QString &executable);

    // One argument of an Exec line, quoted as launchers expect: left as it is
    // unless it holds a character with a meaning there (space, quotes,
    // backslash, $, ...), else put in double quotes with ", `, $ and \ escaped
    // by a backslash. A literal % is doubled, as % starts a field code.
    static QString quoteExecArgument(const QString &argument);

    // A value as it must be written to a desktop file: backslash, newline, tab
    // and carriage return become \\, \n, \t and \r, and a leading space \s.
    // Applied after quoteExecArgument, so a literal backslash in a quoted Exec
    // argument ends up as four backslashes in the file.
    static QString escapeValue(const QString &value);
};
