// The shipped language files against the one text layout the pages follow.

#include "storage/languagestrings.h"
#include "view/keynametable.h"

#include <QDir>
#include <QJSEngine>
#include <QtTest>

namespace {

QStringList toStrings(const QJSValue &array)
{
    QStringList out;
    const int length = array.property("length").toInt();
    for (int i = 0; i < length; ++i)
        out.append(array.property(quint32(i)).toString());
    return out;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private:
    QJSEngine engine;
    QJSValue texts;
    QStringList groups;

    QStringList builtIn(const QString &group)
    {
        return toStrings(texts.property("builtIn").call({group}));
    }

    static QStringList languages()
    {
        QStringList codes;
        for (const QString &file : QDir(QStringLiteral("./modules/i18n")).entryList({"*.ini"}))
            codes.append(file.chopped(4));
        return codes;
    }

private slots:
    void initTestCase()
    {
        QDir::setCurrent(QString::fromUtf8(KM7_SOURCE_DIR) + QStringLiteral("/data"));
        texts = engine.importModule(QString::fromUtf8(KM7_SOURCE_DIR) + QStringLiteral("/qml/common/texts.mjs"));
        QVERIFY2(!texts.isError(), qPrintable(texts.toString()));
        groups = toStrings(texts.property("groups"));
        QCOMPARE(groups, QStringList({"main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl", "macroEditor",
                                      "systemSetting", "gunControl", "profile", "keyCode", "other"}));
        QVERIFY(languages().contains("English"));
        QVERIFY(languages().size() >= 3);
    }

    void englishIsTheBuiltInLayout()
    {
        for (const QString &group : groups)
            QCOMPARE(languagestrings::read(group, "English"), builtIn(group));
    }

    void keyNamesMatchTheNativeTable()
    {
        QCOMPARE(builtIn("keyCode"), KeyNameTable().names());
    }

    void everyLanguageHasEveryText_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : languages())
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyLanguageHasEveryText()
    {
        QFETCH(QString, code);
        for (const QString &group : groups) {
            const QStringList loaded = languagestrings::read(group, code);
            QCOMPARE(loaded.size(), builtIn(group).size());
            for (int i = 0; i < loaded.size(); ++i)
                QVERIFY2(!loaded.at(i).trimmed().isEmpty(), qPrintable(QStringLiteral("%1/%2 is empty").arg(group).arg(i)));
        }
        // A key name that is English for one key must not name another key here.
        const QStringList english = builtIn("keyCode");
        const QStringList names = languagestrings::read("keyCode", code);
        for (int i = 0; i < names.size(); ++i) {
            const int owner = english.indexOf(names.at(i));
            QVERIFY2(owner < 0 || english.at(i) == names.at(i),
                     qPrintable(QStringLiteral("key %1 is called %2, the English name of key %3").arg(i).arg(names.at(i)).arg(owner)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
