#include "device/dpiswitchtexts.h"
#include "scratchmodules.h"
#include "storage/namelists.h"
#include "fakechooser.h"
#include "view/myqquickview.h"

#include <QDirIterator>
#include <QSettings>
#include <QtTest>

namespace {

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

QString macroFile(const QString &name)
{
    return QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin");
}

QVariant inFile(const QString &path, const QString &key)
{
    return QSettings(path, QSettings::IniFormat).value(key);
}

void writeLanguage(const QString &code, const QByteArray &content)
{
    QFile file(QStringLiteral("./modules/i18n/") + code + QStringLiteral(".ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

const QStringList kThreeEvents{"0,50", "1,A", "2,A"};

} // namespace

class TestStorage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScratchModules> scratch;
    std::unique_ptr<myQQuickView> view;
    FakeChooser chooser;

    void bindMacro(int profile, int button, const QVariantList &assignment, const QString &macro, int slot = 2)
    {
        view->setCurrentProfile(profile);
        view->setDataList(QStringLiteral("mouseKeyMatrix/%1").arg(button), assignment);
        view->setData(QStringLiteral("mouseMacroKey/%1").arg(slot), macro);
    }

    QVariant stored(int profile, const QString &key)
    {
        return view->store().profileHandle(profile)->value(key);
    }

private slots:
    void init()
    {
        scratch = std::make_unique<ScratchModules>();
        view = std::make_unique<myQQuickView>();
        chooser = FakeChooser();
        view->setFileChooser(&chooser);
    }

    void cleanup()
    {
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        scratch.reset();
        dpiswitchtexts::replace(QStringList(dpiswitchtexts::kCount, QStringLiteral("DPI Switch to")));
    }

    void nameListsKeepOneEntryWithTheSentinel()
    {
        QVERIFY(view->updataNameList(0, {"A"}).toBool());
        QCOMPARE(view->getNameList(0), QVariantList({"A", namelists::kSentinel}));
        QCOMPARE(inFile(namelists::kPath, "macro/macroName").toStringList(), QStringList({"A", "loaderzephyx"}));

        QVERIFY(view->updataNameList(2, {"x1", "y2"}).toBool());
        QCOMPARE(view->getNameList(2), QVariantList({"x1", "y2"}));

        QVERIFY(view->updataNameList(0, {}).toBool());
        QVERIFY(!QSettings(namelists::kPath, QSettings::IniFormat).contains("macro/macroName"));
        QCOMPARE(view->getNameList(0), QVariantList());

        const QByteArray before = QSettings(namelists::kPath, QSettings::IniFormat).allKeys().join(',').toUtf8();
        QVERIFY(view->updataNameList(7, {"p", "q"}).toBool());
        QCOMPARE(view->getNameList(7), QVariantList());
        QCOMPARE(QSettings(namelists::kPath, QSettings::IniFormat).allKeys().join(',').toUtf8(), before);
        QCOMPARE(view->getNameList(1).size(), 6); // the installed recoil preset names
    }

    void macroRoundTrip()
    {
        QVERIFY(view->createMacroIni("Macro_0", 0).toBool());
        QCOMPARE(view->loadMacroIni("Macro_0"), QStringList({"1"}));

        QVERIFY(view->saveMacroIni("Macro_0", kThreeEvents, 3).toBool());
        QCOMPARE(view->loadMacroIni("Macro_0"), kThreeEvents + QStringList({"3"}));

        // A shorter list leaves no stale events behind.
        QVERIFY(view->saveMacroIni("Macro_0", {"1,B"}, 2).toBool());
        QSettings file(macroFile("Macro_0"), QSettings::IniFormat);
        file.beginGroup("macro");
        QCOMPARE(file.childKeys(), QStringList({"0"}));
        QCOMPARE(view->loadMacroIni("Macro_0"), QStringList({"1,B", "2"}));

        // Creating it again empties it but keeps the file.
        QVERIFY(view->createMacroIni("Macro_0", 0).toBool());
        QCOMPARE(view->loadMacroIni("Macro_0"), QStringList({"1"}));

        QVERIFY(!view->saveMacroIni("Missing", kThreeEvents, 1).toBool());
        QVERIFY(!QFile::exists(macroFile("Missing")));
        QCOMPARE(view->loadMacroIni("Missing"), QStringList());
        QVERIFY(!view->deleteMacroIni("Missing").toBool());

        QVERIFY(view->deleteMacroIni("Macro_0").toBool());
        QVERIFY(!QFile::exists(macroFile("Macro_0")));
    }

    void macroNamesAreUsedAsTyped()
    {
        for (const QString &name : {QStringLiteral("a b"), QStringLiteral("Makro ü"), QStringLiteral("宏 1")}) {
            QVERIFY(view->createMacroIni(name, 0).toBool());
            QVERIFY(QFile::exists(macroFile(name)));
            QVERIFY(view->saveMacroIni(name, kThreeEvents, 1).toBool());
            QCOMPARE(view->loadMacroIni(name).size(), 4);
        }
    }

    void unsafeMacroNamesTouchNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("parent folder") << QStringLiteral("../setting/pD");
        QTest::newRow("slash") << QStringLiteral("a/b");
        QTest::newRow("backslash") << QStringLiteral("a\\b");
        QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    }

    void unsafeMacroNamesTouchNoFile()
    {
        QFETCH(QString, name);
        QVERIFY(view->createMacroIni("Good", 0).toBool());
        const QStringList before = filesBelow(scratch->path("."));
        chooser.answer = scratch->path("elsewhere.mc");

        QVERIFY(!view->createMacroIni(name, 0).toBool());
        QVERIFY(!view->saveMacroIni(name, kThreeEvents, 1).toBool());
        QCOMPARE(view->loadMacroIni(name), QStringList());
        QVERIFY(!view->deleteMacroIni(name).toBool());
        QVERIFY(!view->modifyMacroNameUpdateProfile("Good", name).toBool());
        QVERIFY(!view->modifyMacroNameUpdateProfile(name, "Other").toBool());
        QVERIFY(!view->loadMacroFile(name));
        view->saveMacroFile(name);
        QCOMPARE(chooser.asked, 0);

        QCOMPARE(filesBelow(scratch->path(".")), before);
        QVERIFY(QFile::exists(macroFile("Good")));
    }

    void renameFollowsBindingsInTheFirstSixProfiles()
    {
        QVERIFY(view->createMacroIni("M", 0).toBool());
        for (int profile : {0, 5, 6})
            bindMacro(profile, 3, {4, 0, 2, 0}, "M");

        QVERIFY(view->modifyMacroNameUpdateProfile("M", "N").toBool());
        QCOMPARE(stored(0, "mouseMacroKey/2").toString(), QStringLiteral("N"));
        QCOMPARE(stored(5, "mouseMacroKey/2").toString(), QStringLiteral("N"));
        QCOMPARE(stored(6, "mouseMacroKey/2").toString(), QStringLiteral("M"));
        QVERIFY(!QFile::exists(macroFile("M")));
        QVERIFY(QFile::exists(macroFile("N")));
        QVERIFY(!view->modifyMacroNameUpdateProfile("M", "P").toBool());
    }

    void renameOntoAnExistingMacroChangesNothing()
    {
        QVERIFY(view->createMacroIni("M", 0).toBool());
        QVERIFY(view->createMacroIni("Taken", 0).toBool());
        QVERIFY(view->saveMacroIni("Taken", kThreeEvents, 5).toBool());
        bindMacro(1, 3, {4, 0, 2, 0}, "M");
        bindMacro(2, 4, {4, 0, 7, 0}, "Taken", 7);

        QVERIFY(!view->modifyMacroNameUpdateProfile("M", "Taken").toBool());
        QCOMPARE(stored(1, "mouseMacroKey/2").toString(), QStringLiteral("M"));
        QCOMPARE(stored(2, "mouseMacroKey/7").toString(), QStringLiteral("Taken"));
        QCOMPARE(view->loadMacroIni("M"), QStringList({"1"}));
        QCOMPARE(view->loadMacroIni("Taken"), kThreeEvents + QStringList({"5"}));
    }

    void deletedMacroButtonsGetTheirFactoryAssignment()
    {
        const QVariant factory = view->store().defaultsHandle()->value("mouseKeyMatrix/3");
        QVERIFY(factory.isValid());
        bindMacro(1, 3, {4, 0, 2, 0}, "M");
        bindMacro(7, 3, {4, 0, 2, 0}, "M");
        // Incomplete assignments are passed over.
        view->setCurrentProfile(1);
        view->setDataList("mouseKeyMatrix/5", {4, 0});
        view->store().profileHandle(1)->remove("mouseKeyMatrix/6");
        bindMacro(2, 3, {4, 0, 2, 0}, "Other");

        view->deleteMacroUpdateProfile("M");
        QCOMPARE(stored(1, "mouseKeyMatrix/3"), factory);
        QCOMPARE(stored(1, "mouseMacroKey/2").toString(), QStringLiteral("M"));
        QCOMPARE(stored(7, "mouseKeyMatrix/3").toStringList(), QStringList({"4", "0", "2", "0"}));
        QCOMPARE(stored(1, "mouseKeyMatrix/5").toStringList(), QStringList({"4", "0"}));
        QVERIFY(!stored(1, "mouseKeyMatrix/6").isValid());
        QCOMPARE(stored(2, "mouseKeyMatrix/3").toStringList(), QStringList({"4", "0", "2", "0"}));
    }

    void macroExchangeFiles()
    {
        QVERIFY(view->createMacroIni("Mine", 0).toBool());
        QVERIFY(view->saveMacroIni("Mine", kThreeEvents, 2).toBool());
        const QString exchange = scratch->path("mine.mc");
        QFile stale(exchange);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("something older and longer than nothing");
        stale.close();

        chooser.answer = exchange;
        view->saveMacroFile("Mine");
        QVERIFY(view->loadMacroFile("Macro_0"));
        QCOMPARE(view->loadMacroIni("Macro_0"), kThreeEvents + QStringList({"2"}));
        // An existing macro is never overwritten by an import.
        QVERIFY(!view->loadMacroFile("Mine"));
        chooser.answer = scratch->path("does-not-exist.mc");
        QVERIFY(!view->loadMacroFile("Macro_1"));
        QVERIFY(!QFile::exists(macroFile("Macro_1")));
        chooser.answer.clear();
        QVERIFY(!view->loadMacroFile("Macro_2"));
    }

    void recoilPresetsWithTheFile()
    {
        const QVariantList six{"Rifle", "L-Click", 90, 3, 12, 30};
        view->mouseSaveGundata(2, six + QVariantList({"ignored"}));
        QCOMPARE(view->getGunData(2), QVariantList({"Rifle", "L-Click", "90", "3", "12", "30"}));
        view->mouseSaveGundata(2, {"Short", "L-Click", 1, 2, 3});
        QCOMPARE(view->getGunData(2).first().toString(), QStringLiteral("Rifle"));
        QCOMPARE(view->getGunData("nothing"), QVariantList());

        view->modifyGundata(1, {"new", "L-Click", 50, 1, 2, 0, "2"});
        QCOMPARE(view->getGunData(2), QVariantList());
        QCOMPARE(view->getGunData("new").size(), 5);
        QVERIFY(view->getGunDataKey().contains("new"));
        view->modifyGundata(1, {"other", "L-Click", 50, 1, 2, 0});
        QCOMPARE(view->getGunData("other"), QVariantList());
        view->modifyGundata(3, {"new"});
        QCOMPARE(view->getGunData("new").size(), 5);
        view->modifyGundata(0, {"new"});
        QCOMPARE(view->getGunData("new"), QVariantList());
        QVERIFY(!view->getGunDataKey().contains("new"));
    }

    void recoilPresetsWithoutTheFile()
    {
        QVERIFY(QFile::remove(QStringLiteral("./modules/gun/gunData.bin")));
        view->mouseSaveGundata(0, {"a", "L-Click", 1, 2, 3, 4});
        view->modifyGundata(1, {"b", "L-Click", 1, 2, 3, 4, "a"});
        QVERIFY(!QFile::exists(QStringLiteral("./modules/gun/gunData.bin")));
        QCOMPARE(view->getGunData(0), QVariantList());
        QCOMPARE(view->getGunDataKey(), QStringList());
    }

    void sensitivityIsPerProfile()
    {
        view->setCurrentProfile(2);
        view->store().profileHandle(2)->remove("XYSensitive");
        QCOMPARE(view->getXYSensitive(0).toInt(), 4);
        view->setXYSensitive(0, 7);
        QCOMPARE(view->getXYSensitive(0).toInt(), 7);
        view->setCurrentProfile(3);
        view->store().profileHandle(3)->remove("XYSensitive");
        QCOMPARE(view->getXYSensitive(0).toInt(), 4);
        QCOMPARE(view->getselectGun(1), QVariant(QString()));
        view->setSelectGun(1, 2);
        QCOMPARE(view->getselectGun(1).toInt(), 2);
    }

    void languageGroups()
    {
        writeLanguage("Test", "[holes]\ntotal=3\n0=first\n2=third\n"
                              "[empty]\ntotal=0\n0=never\n"
                              "[wide]\ntotal=2\n0=Größe\n1=灯光效果\n"
                              "[comma]\ntotal=1\n0=left, right\n");
        QCOMPARE(view->getLangStrings("holes", "Test"), QStringList({"first", "", "third"}));
        QCOMPARE(view->getLangStrings("empty", "Test"), QStringList());
        QCOMPARE(view->getLangStrings("missing", "Test"), QStringList());
        QCOMPARE(view->getLangStrings("wide", "Test"), QStringList({"Größe", "灯光效果"}));
        QCOMPARE(view->getLangStrings("comma", "Test"), QStringList({"left, right"}));
        QCOMPARE(view->getLangStrings("holes", "NoSuchLanguage"), QStringList());
        QCOMPARE(view->getLangStrings("0", "../setting/apConfig"), QStringList());
    }

    void otherGroupFillsTheBalloonTexts()
    {
        writeLanguage("Short", "[other]\ntotal=3\n0=one\n1=two\n2=three\n");
        QCOMPARE(view->getLangStrings("other", "Short").size(), 3);
        QCOMPARE(dpiswitchtexts::all(), QStringList({"one", "two", "three", "DPI Switch to", "DPI Switch to",
                                                      "DPI Switch to", "DPI Switch to", "DPI Switch to"}));
        writeLanguage("Long", "[other]\ntotal=9\n0=a\n1=b\n2=c\n3=d\n4=e\n5=f\n6=g\n7=h\n8=i\n");
        view->getLangStrings("other", "Long");
        QCOMPARE(dpiswitchtexts::all(), QStringList({"a", "b", "c", "d", "e", "f", "g", "h"}));
        QCOMPARE(dpiswitchtexts::forStage(9), QStringLiteral("h"));
    }
};

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
