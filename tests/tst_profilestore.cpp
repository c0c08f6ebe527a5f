#include "scratchmodules.h"
#include "storage/profilestore.h"
#include "fakechooser.h"
#include "view/myqquickview.h"

#include <QSettings>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString onDisk(const QString &path, const QString &key)
{
    return QSettings(path, QSettings::IniFormat).value(key).toString();
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QString kDpiCount = QStringLiteral("mouse/dpiCount");

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScratchModules> scratch;

private slots:
    void init() { scratch = std::make_unique<ScratchModules>(); }
    void cleanup()
    {
        processDeferredDeletes();
        scratch.reset();
    }

    void readsFollowCurrentProfileAndRecovery()
    {
        ProfileStore store;
        QSettings(ProfileStore::profilePath(3), QSettings::IniFormat).setValue(kDpiCount, 5);
        QSettings(ProfileStore::kDefaultProfilePath, QSettings::IniFormat).setValue(kDpiCount, 7);

        store.setCurrentProfile(3);
        QCOMPARE(store.data(kDpiCount, true).toInt(), 7);
        QCOMPARE(store.data(kDpiCount, false).toInt(), 5);
        QVERIFY(!store.data(QStringLiteral("mouse/noSuchKey"), false).isValid());
    }

    void writesGoToTheProfileInUseOnly()
    {
        const QByteArray factory = fileBytes(ProfileStore::kDefaultProfilePath);
        {
            ProfileStore store;
            store.setCurrentProfile(5);
            store.setData(kDpiCount, 3);
            store.setDataList(QStringLiteral("mouse/lightValue"), {1, 2, 3});
        }
        QCOMPARE(onDisk(ProfileStore::profilePath(5), kDpiCount), QStringLiteral("3"));
        QCOMPARE(QSettings(ProfileStore::profilePath(5), QSettings::IniFormat)
                     .value(QStringLiteral("mouse/lightValue")).toStringList(),
                 QStringList({"1", "2", "3"}));
        QCOMPARE(fileBytes(ProfileStore::kDefaultProfilePath), factory);
    }

    void listReadsNeedAStoredList()
    {
        ProfileStore store;
        store.setDataList(QStringLiteral("mouse/one"), {42});
        store.setData(QStringLiteral("mouse/text"), QStringLiteral("abc"));
        store.setDataList(QStringLiteral("mouse/two"), {4, 2});
        // A one-element list and a plain text read back as a plain value, never as characters.
        QCOMPARE(store.dataList(QStringLiteral("mouse/one"), false), QVariantList());
        QCOMPARE(store.dataList(QStringLiteral("mouse/text"), false), QVariantList());
        QCOMPARE(store.dataList(QStringLiteral("mouse/missing"), false), QVariantList());
        QCOMPARE(store.dataList(QStringLiteral("mouse/two"), false), QVariantList({"4", "2"}));
        QCOMPARE(store.dataList(QStringLiteral("mouse/dpiValueArray"), true).size(), 8);
    }

    void profileIndexesOutsideTheStoreAreIgnored()
    {
        ProfileStore store;
        const QByteArray first = fileBytes(ProfileStore::profilePath(0));
        for (int bad : {-1, 10, 99}) {
            store.setCurrentProfile(bad);
            QVERIFY(!store.data(kDpiCount, false).isValid());
            QVERIFY(store.dataList(QStringLiteral("mouse/dpiValueArray"), false).isEmpty());
            store.setData(kDpiCount, 1);
            store.setDataList(QStringLiteral("mouse/lightValue"), {1, 2, 3});
            QVERIFY(!store.resetProfile(bad));
            QVERIFY(!store.copyProfile(bad, 0));
            QVERIFY(!store.copyProfile(0, bad));
            QVERIFY(!store.exportProfile(bad, scratch->path("bad.pf")));
        }
        QVERIFY(store.data(kDpiCount, true).isValid()); // recovery reads still work
        QVERIFY(!QFile::exists(scratch->path("bad.pf")));
        QVERIFY(!QFile::exists(QStringLiteral("./modules/setting/p11.bin")));
        QVERIFY(!QFile::exists(QStringLiteral("./modules/setting/p0.bin")));
        QCOMPARE(fileBytes(ProfileStore::profilePath(0)), first);
    }

    void resetRightAfterAWriteShowsTheFactoryValues()
    {
        ProfileStore store;
        const QString factory = store.data(kDpiCount, true).toString();
        store.setCurrentProfile(2);
        store.setData(kDpiCount, 1);
        store.setData(QStringLiteral("mouse/extra"), QStringLiteral("pending"));
        store.setCurrentProfile(0);
        store.setData(QStringLiteral("mouse/untouched"), 9);

        QVERIFY(store.resetProfile(2));
        store.setCurrentProfile(2);
        QCOMPARE(store.data(kDpiCount, false).toString(), factory);
        QVERIFY(!store.data(QStringLiteral("mouse/extra"), false).isValid());

        // The replaced handle goes at the next event-loop pass without writing its old content back.
        processDeferredDeletes();
        store.profileHandle(2)->sync();
        QCOMPARE(fileBytes(ProfileStore::profilePath(2)), fileBytes(ProfileStore::kDefaultProfilePath));
        QCOMPARE(store.currentProfile(), 2);
        store.setCurrentProfile(0);
        QCOMPARE(store.data(QStringLiteral("mouse/untouched"), false).toInt(), 9);

        // The new handle writes to the new file as usual.
        store.setCurrentProfile(2);
        store.setData(kDpiCount, 4);
        store.profileHandle(2)->sync();
        QCOMPARE(onDisk(ProfileStore::profilePath(2), kDpiCount), QStringLiteral("4"));
    }

    void copyProfileReplacesTheDestinationOnly()
    {
        ProfileStore store;
        store.setCurrentProfile(4);
        store.setData(kDpiCount, 2); // pending, not yet on disk
        store.setCurrentProfile(1);
        store.setData(kDpiCount, 6);

        QVERIFY(store.copyProfile(1, 4));
        QCOMPARE(store.data(kDpiCount, false).toInt(), 2);
        QCOMPARE(fileBytes(ProfileStore::profilePath(1)), fileBytes(ProfileStore::profilePath(4)));

        store.setCurrentProfile(4);
        store.setData(kDpiCount, 8);
        QVERIFY(store.copyProfile(4, 1));
        QCOMPARE(store.data(kDpiCount, false).toInt(), 2);
    }

    void copyOntoItselfChangesNothing()
    {
        ProfileStore store;
        const QByteArray before = fileBytes(ProfileStore::profilePath(3));
        QSettings *handle = store.profileHandle(3);
        QVERIFY(!store.copyProfile(3, 3));
        QCOMPARE(store.profileHandle(3), handle);
        QCOMPARE(fileBytes(ProfileStore::profilePath(3)), before);
    }

    void failedCopyKeepsTheOldFileAndHandle()
    {
        ProfileStore store;
        store.setData(kDpiCount, 3);
        QSettings *handle = store.profileHandle(0);

        QVERIFY(!store.importProfile(0, scratch->path("missing.pf")));
        QCOMPARE(store.profileHandle(0), handle);
        QCOMPARE(store.data(kDpiCount, false).toInt(), 3);
        QCOMPARE(onDisk(ProfileStore::profilePath(0), kDpiCount), QStringLiteral("3"));

        QFile::remove(ProfileStore::kDefaultProfilePath);
        QVERIFY(!store.resetProfile(0));
        QCOMPARE(store.data(kDpiCount, false).toInt(), 3);

        QFile::remove(ProfileStore::kFactoryGlobalPath);
        const QVariant language = store.globalData(QStringLiteral("common/language"));
        QVERIFY(!store.resetGlobal());
        QCOMPARE(store.globalData(QStringLiteral("common/language")), language);
    }

    void resetGlobalRestoresTheFactoryCopy()
    {
        ProfileStore store;
        const QVariant factory = store.globalData(QStringLiteral("mouse/profileNo"));
        store.setGlobalData(QStringLiteral("mouse/profileNo"), 4);
        QVERIFY(store.resetGlobal());
        QCOMPARE(store.globalData(QStringLiteral("mouse/profileNo")), factory);
        processDeferredDeletes();
        QCOMPARE(fileBytes(ProfileStore::kGlobalPath), fileBytes(ProfileStore::kFactoryGlobalPath));
    }

    void viewImportsAndExportsThroughTheChooser()
    {
        FakeChooser chooser;
        myQQuickView view;
        view.setFileChooser(&chooser);
        const QString exported = scratch->path("mine.pf");

        // Export over an existing file replaces it with the profile's bytes.
        QFile stale(exported);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("old content that is longer than nothing");
        stale.close();
        view.setCurrentProfile(1);
        view.setData(kDpiCount, 5);
        chooser.answer = exported;
        view.saveProfile(1);
        QCOMPARE(fileBytes(exported), fileBytes(ProfileStore::profilePath(1)));
        QCOMPARE(onDisk(exported, kDpiCount), QStringLiteral("5"));

        // Import into another profile.
        QVERIFY(view.loadProfile(3));
        view.setCurrentProfile(3);
        QCOMPARE(view.getData(kDpiCount).toInt(), 5);

        // Cancelled dialogs change nothing.
        chooser.answer.clear();
        const QByteArray before = fileBytes(ProfileStore::profilePath(0));
        QSettings *handle = view.store().profileHandle(0);
        QVERIFY(!view.loadProfile(0));
        view.saveProfile(0);
        QCOMPARE(view.store().profileHandle(0), handle);
        QCOMPARE(fileBytes(ProfileStore::profilePath(0)), before);
        QCOMPARE(chooser.asked, 4);
    }

    void viewReadsTheCachedFactsOnce()
    {
        myQQuickView view;
        QCOMPARE(view.icType, QStringLiteral("553"));
        QVERIFY(view.isColorful);
        QVERIFY(view.isGun);
        QVERIFY(!view.is55328);
        view.setGlobalData(QStringLiteral("mouse/icType"), QStringLiteral("560"));
        view.resetApconfig();
        QCOMPARE(view.icType, QStringLiteral("553"));
        QCOMPARE(view.getGlobalData(QStringLiteral("mouse/icType")).toString(), QStringLiteral("553"));
        QCOMPARE(view.getGlobalData(QStringLiteral("mouse/icType"), 1).toString(), QStringLiteral("553"));
    }
};

QTEST_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
