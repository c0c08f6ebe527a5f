#include "app/autostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <glib.h>

// Runs with XDG_CONFIG_HOME pointing at a private folder (see main below), so
// nothing here touches the autostart entries of the user running the tests.
// Entries are read back with GLib's key-file and shell-word parsers, which is
// how GNOME's session and most launchers read them.

namespace {

QString g_configHome;

QString autostartFolder()
{
    return g_configHome + QStringLiteral("/autostart");
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Turns the field-code escapes of one Exec argument back into text, as a
// launcher does: %% is a literal %. Any other field code is reported by
// setting ok to false, since our entries must never contain one.
QString expandPercents(const QString &argument, bool &ok)
{
    QString out;
    for (int i = 0; i < argument.size(); ++i) {
        if (argument.at(i) != QLatin1Char('%')) {
            out += argument.at(i);
            continue;
        }
        if (i + 1 < argument.size() && argument.at(i + 1) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
        } else {
            ok = false;
        }
    }
    return out;
}

struct ParsedEntry
{
    QString error;                // empty when the entry parsed
    QStringList execArguments;
    QMap<QString, QString> values; // every key of [Desktop Entry], unescaped
};

// Reads a desktop entry the way GLib does and splits its Exec line into words.
ParsedEntry parseEntry(const QByteArray &content)
{
    ParsedEntry parsed;
    GKeyFile *keyFile = g_key_file_new();
    GError *error = nullptr;
    if (!g_key_file_load_from_data(keyFile, content.constData(), gsize(content.size()), G_KEY_FILE_NONE, &error)) {
        parsed.error = QStringLiteral("key file: ") + QString::fromUtf8(error->message);
        g_error_free(error);
        g_key_file_free(keyFile);
        return parsed;
    }

    gsize keyCount = 0;
    gchar **keys = g_key_file_get_keys(keyFile, "Desktop Entry", &keyCount, &error);
    if (!keys) {
        parsed.error = QStringLiteral("no [Desktop Entry] group: ") + QString::fromUtf8(error->message);
        g_error_free(error);
        g_key_file_free(keyFile);
        return parsed;
    }
    for (gsize i = 0; i < keyCount && parsed.error.isEmpty(); ++i) {
        gchar *value = g_key_file_get_string(keyFile, "Desktop Entry", keys[i], &error);
        if (!value) {
            parsed.error = QStringLiteral("value of %1: %2").arg(QString::fromUtf8(keys[i]), QString::fromUtf8(error->message));
            g_clear_error(&error);
            continue;
        }
        parsed.values.insert(QString::fromUtf8(keys[i]), QString::fromUtf8(value));
        g_free(value);
    }
    g_strfreev(keys);
    g_key_file_free(keyFile);
    if (!parsed.error.isEmpty())
        return parsed;

    const QByteArray exec = parsed.values.value(QStringLiteral("Exec")).toUtf8();
    if (exec.isEmpty()) {
        parsed.error = QStringLiteral("no Exec key");
        return parsed;
    }
    gint argc = 0;
    gchar **argv = nullptr;
    if (!g_shell_parse_argv(exec.constData(), &argc, &argv, &error)) {
        parsed.error = QStringLiteral("Exec words: ") + QString::fromUtf8(error->message);
        g_error_free(error);
        return parsed;
    }
    bool ok = true;
    for (gint i = 0; i < argc; ++i)
        parsed.execArguments << expandPercents(QString::fromUtf8(argv[i]), ok);
    g_strfreev(argv);
    if (!ok)
        parsed.error = QStringLiteral("Exec holds a field code");
    return parsed;
}

// Runs desktop-file-validate on content saved as name; empty when it passed.
// Returns a null string when the validator is not installed.
QString validatorComplaints(const QByteArray &content, const QString &name)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        return QString();
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!dir.isValid() || !writeFile(path, content))
        return QStringLiteral("could not write %1").arg(path);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validator, {path});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("desktop-file-validate did not finish");
    const QString output = QString::fromUtf8(process.readAll()).trimmed();
    if (process.exitCode() != 0 || !output.isEmpty())
        return output.isEmpty() ? QStringLiteral("failed without a message") : output;
    return QStringLiteral("");
}

} // namespace

class TestAutostart : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Every test starts without an autostart folder.
        QFileInfo folder(autostartFolder());
        if (folder.isDir())
            QVERIFY(QDir(autostartFolder()).removeRecursively());
        else if (folder.exists())
            QVERIFY(QFile::remove(autostartFolder()));
    }

    void entryIsInTheUsersAutostartFolder()
    {
        QCOMPARE(Autostart::folder(), autostartFolder());
        QCOMPARE(Autostart::entryPath(), g_configHome + QStringLiteral("/autostart/org.km7.Config.desktop"));
        QCOMPARE(Autostart::entryPath(QStringLiteral("/x/y")), QStringLiteral("/x/y/org.km7.Config.desktop"));
    }

    void offWhenThereIsNoEntry()
    {
        QVERIFY(!Autostart::isEnabled());
        QVERIFY(!QFileInfo::exists(Autostart::entryPath()));
    }

    void enablingWritesAnEntryThatStartsThisExecutable()
    {
        QVERIFY(Autostart::setEnabled(true));
        QVERIFY(QFileInfo(Autostart::entryPath()).isFile());
        QVERIFY(Autostart::isEnabled());

        const ParsedEntry entry = parseEntry(readFile(Autostart::entryPath()));
        QVERIFY2(entry.error.isEmpty(), qPrintable(entry.error));
        QCOMPARE(entry.execArguments, QStringList{QCoreApplication::applicationFilePath()});
        QVERIFY(QFileInfo(entry.execArguments.constFirst()).isAbsolute());
        QCOMPARE(entry.values.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.values.value(QStringLiteral("Name")), QStringLiteral("KM7 Config"));
        QCOMPARE(entry.values.value(QStringLiteral("Icon")), QStringLiteral("org.km7.Config"));
        QCOMPARE(entry.values.value(QStringLiteral("Hidden")), QStringLiteral("false"));
        QCOMPARE(entry.values.value(QStringLiteral("X-GNOME-Autostart-enabled")), QStringLiteral("true"));
        QCOMPARE(entry.values.value(QStringLiteral("Terminal")), QStringLiteral("false"));
    }

    void enabledEntryPassesTheValidator()
    {
        QVERIFY(Autostart::setEnabled(true));
        const QString complaints = validatorComplaints(readFile(Autostart::entryPath()), Autostart::fileName());
        if (complaints.isNull())
            QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
        QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
    }

    void enablingAgainRewritesTheEntry()
    {
        QVERIFY(QDir().mkpath(autostartFolder()));
        // An entry the user switched off in the session's settings, and an
        // outdated one with another executable: both are replaced.
        QVERIFY(writeFile(Autostart::entryPath(),
                          "[Desktop Entry]\nType=Application\nName=KM7 Config\nExec=/old/km7-config\nHidden=true\n"));
        QVERIFY(!Autostart::isEnabled());

        QVERIFY(Autostart::setEnabled(true));
        QVERIFY(Autostart::setEnabled(true));
        QVERIFY(Autostart::isEnabled());
        const ParsedEntry entry = parseEntry(readFile(Autostart::entryPath()));
        QVERIFY2(entry.error.isEmpty(), qPrintable(entry.error));
        QCOMPARE(entry.execArguments, QStringList{QCoreApplication::applicationFilePath()});
        QCOMPARE(entry.values.value(QStringLiteral("Hidden")), QStringLiteral("false"));
        // Nothing left over from writing through a temporary file.
        QCOMPARE(QDir(autostartFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{Autostart::fileName()});
    }

    void entriesSwitchedOffInTheSessionCountAsOff_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("plain") << QByteArray("[Desktop Entry]\nType=Application\nExec=km7-config\n") << true;
        QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nExec=km7-config\nHidden=true\n") << false;
        QTest::newRow("not hidden") << QByteArray("[Desktop Entry]\nExec=km7-config\nHidden=false\n") << true;
        QTest::newRow("gnome off") << QByteArray("[Desktop Entry]\nExec=km7-config\nX-GNOME-Autostart-enabled=false\n") << false;
        QTest::newRow("gnome on") << QByteArray("[Desktop Entry]\nExec=km7-config\nX-GNOME-Autostart-enabled=true\n") << true;
        QTest::newRow("spaces round =") << QByteArray("[Desktop Entry]\nExec=km7-config\nHidden = true\n") << false;
        QTest::newRow("other group") << QByteArray("[Desktop Entry]\nExec=km7-config\n[Desktop Action x]\nHidden=true\n") << true;
        QTest::newRow("comment") << QByteArray("[Desktop Entry]\nExec=km7-config\n# Hidden=true\n") << true;
    }

    void entriesSwitchedOffInTheSessionCountAsOff()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, enabled);
        QVERIFY(QDir().mkpath(autostartFolder()));
        QVERIFY(writeFile(Autostart::entryPath(), content));
        QCOMPARE(Autostart::isEnabled(), enabled);
    }

    void disablingRemovesTheEntry()
    {
        QVERIFY(Autostart::setEnabled(true));
        QVERIFY(Autostart::isEnabled());
        QVERIFY(Autostart::setEnabled(false));
        QVERIFY(!QFileInfo::exists(Autostart::entryPath()));
        QVERIFY(!Autostart::isEnabled());
        // Other programs' entries in the folder stay.
        QVERIFY(writeFile(autostartFolder() + QStringLiteral("/other.desktop"), "[Desktop Entry]\n"));
        QVERIFY(Autostart::setEnabled(true));
        QVERIFY(Autostart::setEnabled(false));
        QVERIFY(QFileInfo::exists(autostartFolder() + QStringLiteral("/other.desktop")));
    }

    void disablingTwiceIsFine()
    {
        QVERIFY(Autostart::setEnabled(true));
        QVERIFY(Autostart::setEnabled(false));
        QVERIFY(Autostart::setEnabled(false));
        QVERIFY(!Autostart::isEnabled());
        // Also without any autostart folder at all.
        QVERIFY(QDir(autostartFolder()).removeRecursively());
        QVERIFY(Autostart::setEnabled(false));
        QVERIFY(!QFileInfo::exists(autostartFolder()));
    }

    void enablingCreatesMissingFolders()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString nested = dir.filePath(QStringLiteral("a/b/autostart"));
        QVERIFY(Autostart::setEnabled(true, nested));
        QVERIFY(Autostart::isEnabled(nested));
        QVERIFY(QFileInfo(Autostart::entryPath(nested)).isFile());
        QVERIFY(!Autostart::isEnabled());   // the user's folder is untouched
        QVERIFY(Autostart::setEnabled(false, nested));
        QVERIFY(!Autostart::isEnabled(nested));
    }

    void enablingFailsWhenTheFolderCannotBeMade()
    {
        // A file where the autostart folder should be: even root cannot write there.
        QVERIFY(writeFile(autostartFolder(), "not a folder"));
        QVERIFY(!Autostart::setEnabled(true));
        QVERIFY(!Autostart::isEnabled());
        QCOMPARE(readFile(autostartFolder()), QByteArray("not a folder"));
        // Off is still "done": there is no entry.
        QVERIFY(Autostart::setEnabled(false));
    }

    void enablingFailsWhenTheEntryIsAFolder()
    {
        QVERIFY(QDir().mkpath(Autostart::entryPath() + QStringLiteral("/inside")));
        QVERIFY(!Autostart::setEnabled(true));
        QVERIFY(!Autostart::isEnabled());
        // And it cannot be removed either.
        QVERIFY(!Autostart::setEnabled(false));
        QVERIFY(QFileInfo(Autostart::entryPath()).isDir());
    }

    void disablingRemovesADanglingLink()
    {
        QVERIFY(QDir().mkpath(autostartFolder()));
        QVERIFY(QFile::link(g_configHome + QStringLiteral("/gone.desktop"), Autostart::entryPath()));
        QVERIFY(!Autostart::isEnabled());
        QVERIFY(Autostart::setEnabled(false));
        QVERIFY(!QFileInfo(Autostart::entryPath()).isSymLink());
    }

    void quotesExecArguments_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("quoted");     // after quoting for Exec
        QTest::addColumn<QString>("inFile");     // as it appears after Exec= in the file

        QTest::newRow("plain") << QStringLiteral("/usr/local/km7-config/km7-config")
                               << QStringLiteral("/usr/local/km7-config/km7-config")
                               << QStringLiteral("/usr/local/km7-config/km7-config");
        QTest::newRow("space") << QStringLiteral("/home/ann/My Apps/km7-config/km7-config")
                               << QStringLiteral("\"/home/ann/My Apps/km7-config/km7-config\"")
                               << QStringLiteral("\"/home/ann/My Apps/km7-config/km7-config\"");
        QTest::newRow("double quote") << QStringLiteral("/opt/a\"b/km7")
                                      << QStringLiteral("\"/opt/a\\\"b/km7\"")
                                      << QStringLiteral("\"/opt/a\\\\\"b/km7\"");
        QTest::newRow("dollar and backtick") << QStringLiteral("/opt/$HOME/`x`")
                                             << QStringLiteral("\"/opt/\\$HOME/\\`x\\`\"")
                                             << QStringLiteral("\"/opt/\\\\$HOME/\\\\`x\\\\`\"");
        // A literal backslash: escaped once for the quotes and once for the
        // file, four in all.
        QTest::newRow("backslash") << QStringLiteral("/opt/a\\b")
                                   << QStringLiteral("\"/opt/a\\\\b\"")
                                   << QStringLiteral("\"/opt/a\\\\\\\\b\"");
        QTest::newRow("single quote") << QStringLiteral("/home/ann's/km7")
                                      << QStringLiteral("\"/home/ann's/km7\"")
                                      << QStringLiteral("\"/home/ann's/km7\"");
        QTest::newRow("percent") << QStringLiteral("/opt/100%/km7")
                                 << QStringLiteral("/opt/100%%/km7")
                                 << QStringLiteral("/opt/100%%/km7");
        QTest::newRow("percent and space") << QStringLiteral("/opt/50 %u/km7")
                                           << QStringLiteral("\"/opt/50 %%u/km7\"")
                                           << QStringLiteral("\"/opt/50 %%u/km7\"");
        QTest::newRow("tab") << QStringLiteral("/opt/a\tb")
                             << QStringLiteral("\"/opt/a\tb\"")
                             << QStringLiteral("\"/opt/a\\tb\"");
        QTest::newRow("shell characters") << QStringLiteral("/opt/a;b&c|d>e<f~g*h?i#j(k)")
                                          << QStringLiteral("\"/opt/a;b&c|d>e<f~g*h?i#j(k)\"")
                                          << QStringLiteral("\"/opt/a;b&c|d>e<f~g*h?i#j(k)\"");
        QTest::newRow("not ascii") << QStringLiteral("/home/zoë/km7-config")
                                   << QStringLiteral("/home/zoë/km7-config")
                                   << QStringLiteral("/home/zoë/km7-config");
        QTest::newRow("equals sign") << QStringLiteral("/opt/a=b/km7")
                                     << QStringLiteral("/opt/a=b/km7")
                                     << QStringLiteral("/opt/a=b/km7");
    }

    void quotesExecArguments()
    {
        QFETCH(QString, argument);
        QFETCH(QString, quoted);
        QFETCH(QString, inFile);

        QCOMPARE(Autostart::quoteExecArgument(argument), quoted);
        QCOMPARE(Autostart::escapeValue(Autostart::quoteExecArgument(argument)), inFile);

        // The whole entry for that executable: the Exec line is as expected
        // and a launcher gets the path back as one word.
        const QByteArray text = Autostart::entryText(argument);
        QVERIFY(text.contains(QByteArray("\nExec=") + inFile.toUtf8() + '\n'));
        const ParsedEntry entry = parseEntry(text);
        QVERIFY2(entry.error.isEmpty(), qPrintable(entry.error));
        QCOMPARE(entry.execArguments, QStringList{argument});
    }

    void quotedEntriesPassTheValidator()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
            QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
        const QStringList paths{
            QStringLiteral("/home/ann/My Apps/km7-config/km7-config"),
            QStringLiteral("/opt/a\"b $c `d` \\e/km7"),
            QStringLiteral("/opt/100%/km7"),
        };
        for (const QString &path : paths) {
            const QString complaints = validatorComplaints(Autostart::entryText(path), Autostart::fileName());
            QVERIFY2(complaints.isEmpty(), qPrintable(path + QStringLiteral(": ") + complaints));
        }
    }

    void escapesValues()
    {
        QCOMPARE(Autostart::escapeValue(QStringLiteral("a b")), QStringLiteral("a b"));
        QCOMPARE(Autostart::escapeValue(QStringLiteral(" lead")), QStringLiteral("\\slead"));
        QCOMPARE(Autostart::escapeValue(QStringLiteral("a\\b\nc\td\re")), QStringLiteral("a\\\\b\\nc\\td\\re"));
        QCOMPARE(Autostart::quoteExecArgument(QString()), QStringLiteral("\"\""));
    }
};

int main(int argc, char *argv[])
{
    // The autostart folder follows XDG_CONFIG_HOME; set it before Qt looks.
    QTemporaryDir configHome;
    if (!configHome.isValid()) {
        qCritical("cannot make a temporary folder");
        return 1;
    }
    g_configHome = QDir(configHome.path()).canonicalPath();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(g_configHome));

    QCoreApplication app(argc, argv);
    TestAutostart test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_autostart.moc"
