// Checks the data folder that ships beside the program. Every file the program
// opens must be there, and every key it reads must hold a value of the form it
// reads. A broken factory file does not fail loudly at run time: a missing key
// reads as 0 or an empty list, which shows up as an empty page, a mouse that is
// never found, or zero bytes sent to the firmware.
//
// The test runs in the folder that holds the installed modules/ copy.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kGlobal = u"./modules/setting/apConfig.bin"_s;
const QString kFactoryGlobal = u"./modules/setting/apConfigD.bin"_s;
const QString kDefaultProfile = u"./modules/setting/pD.bin"_s;
const QString kNames = u"./modules/setting/name.bin"_s;
const QString kMacroDir = u"./modules/macro/"_s;
const QString kGunData = u"./modules/gun/gunData.bin"_s;
const QString kLanguageDir = u"./modules/i18n/"_s;
const QString kReferenceLanguage = u"./modules/i18n/English.ini"_s;
const QString kLogo = u"./modules/img/logo.ico"_s;

// Second element that keeps a one-entry name list a list in the INI text form.
const QString kSentinel = u"loaderzephyx"_s;

constexpr int kProfileFiles = 10;
constexpr int kPageProfiles = 6;  // the pages use profile numbers 0 to 5
constexpr int kButtons = 16;
constexpr int kDpiStages = 8;
constexpr int kDpiLimit = 32000;  // far above any sensor the firmware drives
constexpr int kPresets = 6;       // the recoil page shows six presets
constexpr int kBalloonTexts = 8;  // DPI-switch notices taken from the "other" group

QString profilePath(int number)
{
    return u"./modules/setting/p%1.bin"_s.arg(number);
}

QString macroPath(const QString &name)
{
    return kMacroDir + name + u".bin"_s;
}

// Collects every failed check of one test, so that one run names every broken
// key instead of stopping at the first.
class Findings
{
public:
    Findings &operator<<(const QString &failure)
    {
        if (!failure.isEmpty())
            m_failures.append(failure);
        return *this;
    }
    bool isEmpty() const { return m_failures.isEmpty(); }
    QByteArray report() const { return m_failures.join(u'\n').toLocal8Bit(); }

private:
    QStringList m_failures;
};

QString where(const QSettings &s, const QString &key)
{
    return QDir::current().relativeFilePath(s.fileName()) + u' ' + key;
}

// The checks below return an empty text when they pass, else what is wrong.

QString toInt(const QString &context, const QString &text, int low, int high, int *out, int base = 10)
{
    bool ok = false;
    const int value = text.toInt(&ok, base);
    if (!ok)
        return u"%1: \"%2\" is not a number"_s.arg(context, text);
    if (value < low || value > high)
        return u"%1: %2 lies outside %3 to %4"_s.arg(context, text, QString::number(low), QString::number(high));
    if (out)
        *out = value;
    return {};
}

// A single value: the INI reader hands it over as text, a list as a string list.
QString singleValue(const QSettings &s, const QString &key, QString *out)
{
    if (!s.contains(key))
        return where(s, key) + u" is missing"_s;
    const QVariant value = s.value(key);
    if (value.typeId() != QMetaType::QString)
        return where(s, key) + u" holds a list where one value belongs"_s;
    *out = value.toString();
    return {};
}

QString checkInt(const QSettings &s, const QString &key, int low, int high, int *out = nullptr)
{
    QString text;
    const QString failure = singleValue(s, key, &text);
    return failure.isEmpty() ? toInt(where(s, key), text, low, high, out) : failure;
}

// Hexadecimal digits without a prefix, as the device table writes them.
QString checkHex(const QSettings &s, const QString &key, int low, int high, int *out = nullptr)
{
    static const QRegularExpression plainHex(u"^[0-9A-Fa-f]{1,4}$"_s);
    QString text;
    const QString failure = singleValue(s, key, &text);
    if (!failure.isEmpty())
        return failure;
    if (!plainHex.match(text).hasMatch())
        return where(s, key) + u": \"%1\" is not one to four hexadecimal digits"_s.arg(text);
    return toInt(where(s, key), text, low, high, out, 16);
}

QString checkBool(const QSettings &s, const QString &key)
{
    QString text;
    const QString failure = singleValue(s, key, &text);
    if (!failure.isEmpty())
        return failure;
    if (text != u"true"_s && text != u"false"_s)
        return where(s, key) + u": \"%1\" is neither true nor false"_s.arg(text);
    return {};
}

QString checkText(const QSettings &s, const QString &key, QString *out = nullptr)
{
    QString text;
    const QString failure = singleValue(s, key, &text);
    if (!failure.isEmpty())
        return failure;
    if (text.trimmed().isEmpty())
        return where(s, key) + u" is empty"_s;
    if (out)
        *out = text;
    return {};
}

// count < 0 accepts any length.
QString checkList(const QSettings &s, const QString &key, int count, QStringList *out)
{
    if (!s.contains(key))
        return where(s, key) + u" is missing"_s;
    const QVariant value = s.value(key);
    if (value.typeId() != QMetaType::QStringList)
        return where(s, key) + u" is not a list"_s;
    const QStringList list = value.toStringList();
    if (count >= 0 && list.size() != count)
        return where(s, key) + u" has %1 elements instead of %2"_s.arg(list.size()).arg(count);
    *out = list;
    return {};
}

QString checkIntList(const QSettings &s, const QString &key, int count, int low, int high,
                     QList<int> *out = nullptr)
{
    QStringList list;
    QString failure = checkList(s, key, count, &list);
    QList<int> values;
    for (int i = 0; failure.isEmpty() && i < list.size(); ++i) {
        int value = 0;
        failure = toInt(where(s, key) + u" element %1"_s.arg(i), list.at(i), low, high, &value);
        values.append(value);
    }
    if (out && failure.isEmpty())
        *out = values;
    return failure;
}

// The facts of the global settings file that other files must agree with.
struct GlobalFacts
{
    int deviceCount = 0;
    int minDpi = 0;
    int maxDpi = 0;
    int dpiBase = 1;
    int keyCount = 0;
    int profileNo = 0;
    QString sensorType;
    QString language;
    QList<int> selectGun;
};

GlobalFacts readGlobalFacts(Findings &found)
{
    GlobalFacts g;
    const QSettings s(kGlobal, QSettings::IniFormat);
    found << checkInt(s, u"common/deviceCount"_s, 1, 255, &g.deviceCount)
          << checkText(s, u"common/language"_s, &g.language)
          << checkInt(s, u"mouse/minDPI"_s, 1, kDpiLimit, &g.minDpi)
          << checkInt(s, u"mouse/maxDPI"_s, 1, kDpiLimit, &g.maxDpi)
          << checkInt(s, u"mouse/dpiBase"_s, 1, kDpiLimit, &g.dpiBase)
          << checkInt(s, u"mouse/keyCount"_s, 1, kButtons, &g.keyCount)
          << checkInt(s, u"mouse/profileNo"_s, 0, kPageProfiles - 1, &g.profileNo)
          << checkText(s, u"mouse/sensorType"_s, &g.sensorType)
          << checkIntList(s, u"mouse/selectGun"_s, 3, 0, kPresets - 1, &g.selectGun);
    return g;
}

// Four lower-case hex digits, the form udev compares USB IDs in.
[[maybe_unused]] QString usbId(int id)
{
    return u"%1"_s.arg(id, 4, 16, QChar(u'0'));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList installedLanguageFiles()
{
    QStringList paths;
    const QStringList names = QDir(kLanguageDir).entryList({u"*.ini"_s}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        paths.append(kLanguageDir + name);
    return paths;
}

// Name lists drop the sentinel of a one-entry list when they are read.
QStringList realEntries(const QStringList &stored)
{
    if (stored.size() == 2 && stored.at(1) == kSentinel)
        return {stored.at(0)};
    return stored;
}

quint32 littleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void settingsFilesParse_data();
    void settingsFilesParse();
    void factoryGlobalSettingsMatch();
    void globalSettings();
    void deviceTable();

    void profileKeys_data();
    void profileKeys();
    void profilesHoldEveryFactoryKey_data();
    void profilesHoldEveryFactoryKey();
    void buttonAssignments_data();
    void buttonAssignments();

    void nameLists();
    void recoilPresets();
    void languageFiles_data();
    void languageFiles();
    void trayIcon();
    void udevRule();
};

// The files are checked where they are kept, not in the build folder's copy,
// which a run of the program may have changed.
void TestDataFiles::initTestCase()
{
    QDir::setCurrent(QString::fromUtf8(KM7_SOURCE_DIR) + u"/data"_s);
    QVERIFY2(QFileInfo(u"./modules"_s).isDir(), "data/modules/ is missing");
}

void TestDataFiles::settingsFilesParse_data()
{
    QTest::addColumn<QString>("path");
    const QStringList fixed = {kGlobal, kFactoryGlobal, kDefaultProfile, kNames, kGunData, kReferenceLanguage};
    for (const QString &path : fixed)
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    for (int i = 1; i <= kProfileFiles; ++i)
        QTest::addRow("p%d.bin", i) << profilePath(i);
    for (const QString &path : installedLanguageFiles()) {
        if (path != kReferenceLanguage)
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
}

// Every file is readable INI text with two-level keys only.
void TestDataFiles::settingsFilesParse()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path + u" is missing"_s));

    // Qt reads INI text as UTF-8; other bytes would come back as replacement characters.
    const QByteArray bytes = fileBytes(path);
    QVERIFY2(QString::fromUtf8(bytes).toUtf8() == bytes, qPrintable(path + u" is not valid UTF-8"_s));

    const QSettings s(path, QSettings::IniFormat);
    const QStringList keys = s.allKeys();  // parses every section
    QVERIFY2(s.status() == QSettings::NoError,
             qPrintable(path + u" has lines that are neither a section, a key nor a ; comment"_s));
    QVERIFY2(!keys.isEmpty(), qPrintable(path + u" holds no keys"_s));

    Findings found;
    for (const QString &key : keys) {
        const QStringList parts = key.split(u'/');
        if (parts.size() != 2 || parts.at(0).isEmpty() || parts.at(1).isEmpty())
            found << path + u": key \"%1\" is not of the form group/name"_s.arg(key);
    }
    QVERIFY2(found.isEmpty(), found.report().constData());
}

// "Reset" copies the factory file over the global one; both must start equal.
void TestDataFiles::factoryGlobalSettingsMatch()
{
    const QByteArray global = fileBytes(kGlobal);
    QVERIFY2(!global.isEmpty(), qPrintable(kGlobal + u" is missing or empty"_s));
    QVERIFY2(global == fileBytes(kFactoryGlobal),
             qPrintable(kFactoryGlobal + u" differs from "_s + kGlobal));
}

void TestDataFiles::globalSettings()
{
    QVERIFY2(QFile::exists(kGlobal), qPrintable(kGlobal + u" is missing"_s));
    const QSettings s(kGlobal, QSettings::IniFormat);
    Findings found;
    const GlobalFacts g = readGlobalFacts(found);

    QString url;
    found << checkText(s, u"common/name"_s) << checkText(s, u"common/url"_s, &url);
    if (!url.isEmpty() && !url.startsWith(u"https://"_s) && !url.startsWith(u"http://"_s))
        found << where(s, u"common/url"_s) + u": \"%1\" is not a web address"_s.arg(url);
    if (!g.language.isEmpty() && !QFile::exists(kLanguageDir + g.language + u".ini"_s))
        found << where(s, u"common/language"_s) + u": there is no language file %1.ini"_s.arg(g.language);

    QString icType;
    found << checkText(s, u"mouse/icType"_s, &icType);
    if (!icType.isEmpty() && icType != u"553"_s && icType != u"560"_s)
        found << where(s, u"mouse/icType"_s) + u": \"%1\" is no chip family"_s.arg(icType);
    for (const QString &flag : {u"mouse/isColorful"_s, u"mouse/is55328"_s, u"mouse/isGun"_s})
        found << checkBool(s, flag);

    const QStringList sensors = {u"4090"_s, u"3360"_s, u"3050"_s, u"3389"_s};
    if (!g.sensorType.isEmpty() && !sensors.contains(g.sensorType))
        found << where(s, u"mouse/sensorType"_s) + u": \"%1\" is no known sensor"_s.arg(g.sensorType);

    // The DPI sliders step by dpiBase from minDPI; a bound off that grid cannot be reached.
    if (g.minDpi >= g.maxDpi)
        found << kGlobal + u": minDPI %1 is not below maxDPI %2"_s.arg(g.minDpi).arg(g.maxDpi);
    if (g.minDpi % g.dpiBase != 0 || g.maxDpi % g.dpiBase != 0)
        found << kGlobal + u": minDPI and maxDPI are not multiples of dpiBase %1"_s.arg(g.dpiBase);

    QVERIFY2(found.isEmpty(), found.report().constData());
}

void TestDataFiles::deviceTable()
{
    QVERIFY2(QFile::exists(kGlobal), qPrintable(kGlobal + u" is missing"_s));
    const QSettings s(kGlobal, QSettings::IniFormat);
    Findings found;
    int count = 0;
    found << checkInt(s, u"common/deviceCount"_s, 1, 255, &count);

    for (int n = 0; n < count; ++n) {
        const QString group = QString::number(n) + u'/';
        int usagePage = 0, usage = 0, usagePage2 = 0, usage2 = 0, reportLength = 0;
        QString secrecyCode;
        found << checkHex(s, group + u"type"_s, 0, 1)
              << checkHex(s, group + u"vid"_s, 1, 0xFFFF)
              << checkHex(s, group + u"pid"_s, 1, 0xFFFF)
              << checkHex(s, group + u"usagePage"_s, 0, 0xFFFF, &usagePage)
              << checkHex(s, group + u"usage"_s, 0, 0xFFFF, &usage)
              << checkHex(s, group + u"usagePage2"_s, 0, 0xFFFF, &usagePage2)
              << checkHex(s, group + u"usage2"_s, 0, 0xFFFF, &usage2)
              << checkInt(s, group + u"reportLength"_s, 1, 64, &reportLength)
              << checkBool(s, group + u"isEncode"_s)
              << checkText(s, group + u"sCode"_s, &secrecyCode);
        if (reportLength != 0 && reportLength != 32 && reportLength != 64)
            found << where(s, group + u"reportLength"_s) + u": the mouse reports 32 or 64 data bytes"_s;
        if (!secrecyCode.isEmpty() && secrecyCode.size() != 6)
            found << where(s, group + u"sCode"_s) + u": the secrecy code has six characters"_s;
        // With both pairs equal the DPI listener would read the command interface's answers.
        if (usagePage == usagePage2 && usage == usage2)
            found << kGlobal + u": device %1 uses one interface for commands and events"_s.arg(n);
    }

    // Discovery reads groups 0 to deviceCount - 1 only; a group past them would be ignored.
    for (const QString &group : s.childGroups()) {
        bool numeric = false;
        const int n = group.toInt(&numeric);
        if (numeric && n >= count)
            found << kGlobal + u": device group [%1] lies beyond deviceCount %2"_s.arg(group).arg(count);
    }
    QVERIFY2(found.isEmpty(), found.report().constData());
}

void TestDataFiles::profileKeys_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("pD.bin") << kDefaultProfile;
    for (int i = 1; i <= kProfileFiles; ++i)
        QTest::addRow("p%d.bin", i) << profilePath(i);
}

void TestDataFiles::profileKeys()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path + u" is missing"_s));
    Findings found;
    const GlobalFacts g = readGlobalFacts(found);
    const QSettings s(path, QSettings::IniFormat);

    int dpiCount = 0;
    QList<int> dpis;
    found << checkInt(s, u"mouse/dpiCount"_s, 1, kDpiStages, &dpiCount)
          << checkInt(s, u"mouse/currentDpiCount"_s, 1, qMax(1, dpiCount))
          << checkIntList(s, u"mouse/dpiValueArray"_s, kDpiStages, g.minDpi, g.maxDpi, &dpis);
    for (int i = 0; i < dpis.size(); ++i) {
        if (dpis.at(i) % g.dpiBase != 0)
            found << where(s, u"mouse/dpiValueArray"_s)
                         + u": %1 is off the dpiBase grid of %2"_s.arg(dpis.at(i)).arg(g.dpiBase);
        // The 3360 register counts in 100 DPI steps; a value between steps is sent rounded down.
        if (g.sensorType == u"3360"_s && dpis.at(i) % 100 != 0)
            found << where(s, u"mouse/dpiValueArray"_s)
                         + u": %1 is not a whole 3360 register step"_s.arg(dpis.at(i));
    }

    found << checkInt(s, u"mouse/reportRate"_s, 0, 3);

    // Slider positions map to steps through marks ending at 338; a position
    // at or past the last mark is sent as the slowest step.
    found << checkInt(s, u"mouse/mouseRate"_s, 0, 337) << checkInt(s, u"mouse/doubleRate"_s, 0, 337);

    // Lines per notch: 1 to 100 typed, or 1000 for one screen per notch.
    int lines = 0;
    found << checkInt(s, u"mouse/scrollRate"_s, 1, 1000, &lines);
    if (lines > 100 && lines != 1000)
        found << where(s, u"mouse/scrollRate"_s) + u": %1 is neither 1 to 100 nor 1000"_s.arg(lines);

    // Effects run to 10 ("Spotlight") on mice with colour lighting.
    QList<int> light;
    found << checkIntList(s, u"mouse/lightValue"_s, 3, 0, 10, &light);
    if (light.size() == 3 && (light.at(1) > 4 || light.at(2) > 4))
        found << where(s, u"mouse/lightValue"_s) + u": speed and brightness are steps 0 to 4"_s;
    found << checkIntList(s, u"mouse/colorValue"_s, 24, 0, 255);

    for (int k = 0; k < kButtons; ++k) {
        found << checkIntList(s, u"mouseKeyMatrix/%1"_s.arg(k), 4, 0, 255)
              << checkIntList(s, u"mouseFwKeyMatrix/%1"_s.arg(k), 4, 0, 255);
    }
    found << checkInt(s, u"XYSensitive/0"_s, 0, 9) << checkInt(s, u"XYSensitive/1"_s, 0, 9);

    QVERIFY2(found.isEmpty(), found.report().constData());
}

void TestDataFiles::profilesHoldEveryFactoryKey_data()
{
    QTest::addColumn<QString>("path");
    for (int i = 1; i <= kProfileFiles; ++i)
        QTest::addRow("p%d.bin", i) << profilePath(i);
}

// A profile without a factory key would read 0 there until the user resets it.
void TestDataFiles::profilesHoldEveryFactoryKey()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path + u" is missing"_s));
    const QSettings factory(kDefaultProfile, QSettings::IniFormat);
    const QSettings profile(path, QSettings::IniFormat);
    const QStringList factoryKeys = factory.allKeys();
    QVERIFY2(!factoryKeys.isEmpty(), qPrintable(kDefaultProfile + u" holds no keys"_s));

    Findings found;
    for (const QString &key : factoryKeys) {
        if (!profile.contains(key))
            found << path + u" lacks "_s + key;
    }
    QVERIFY2(found.isEmpty(), found.report().constData());
}

void TestDataFiles::buttonAssignments_data()
{
    profileKeys_data();
}

void TestDataFiles::buttonAssignments()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path + u" is missing"_s));
    Findings found;
    const GlobalFacts g = readGlobalFacts(found);
    const QSettings s(path, QSettings::IniFormat);

    constexpr int kMouseButton = 0, kMacro = 4, kFixed = 0xFF, kFirmwareFixed = 4;
    constexpr int kLeftButton = 0xF0;
    const QSet<int> pageCodes = {0, 1, 2, 3, 4, 5, 6, 7, 8, kFixed};
    const QSet<int> firmwareCodes = {0, 1, 3, 4, 7, 8, 9, 10, 11, 12};

    QList<QList<int>> page(kButtons), firmware(kButtons);
    for (int k = 0; k < kButtons; ++k) {
        found << checkIntList(s, u"mouseKeyMatrix/%1"_s.arg(k), 4, 0, 255, &page[k])
              << checkIntList(s, u"mouseFwKeyMatrix/%1"_s.arg(k), 4, 0, 255, &firmware[k]);
    }

    bool visibleLeftButton = false;
    for (int k = 0; k < kButtons; ++k) {
        if (page.at(k).size() != 4 || firmware.at(k).size() != 4)
            continue;  // already reported
        const int code = page.at(k).at(0);
        if (!pageCodes.contains(code))
            found << where(s, u"mouseKeyMatrix/%1"_s.arg(k)) + u": %1 is no button function"_s.arg(code);
        if (!firmwareCodes.contains(firmware.at(k).at(0)))
            found << where(s, u"mouseFwKeyMatrix/%1"_s.arg(k))
                         + u": %1 is no firmware function"_s.arg(firmware.at(k).at(0));
        if (k < g.keyCount && code == kMouseButton && page.at(k).at(2) == kLeftButton)
            visibleLeftButton = true;
        // A macro binding names its macro by slot; the macro file must be there to be sent.
        if (code == kMacro) {
            const QString slotKey = u"mouseMacroKey/%1"_s.arg(page.at(k).at(2));
            const QString macro = s.value(slotKey).toString();
            if (macro.isEmpty() || !QFile::exists(macroPath(macro)))
                found << where(s, u"mouseKeyMatrix/%1"_s.arg(k)) + u" is bound to a macro that is not installed"_s;
        }
    }
    // The button page never lets the last left button be reassigned; it must start with one.
    if (!visibleLeftButton)
        found << path + u": none of the first %1 buttons is a left button"_s.arg(g.keyCount);

    // Buttons 14 and 15 carry the fixed function in both forms, with the same parameter.
    for (int k : {14, 15}) {
        if (page.at(k).size() != 4 || firmware.at(k).size() != 4)
            continue;
        if (page.at(k).at(0) != kFixed || firmware.at(k).at(0) != kFirmwareFixed
            || page.at(k).at(2) != firmware.at(k).at(2))
            found << path + u": button %1 does not hold the fixed function"_s.arg(k);
    }
    QVERIFY2(found.isEmpty(), found.report().constData());
}

void TestDataFiles::nameLists()
{
    QVERIFY2(QFile::exists(kNames), qPrintable(kNames + u" is missing"_s));
    Findings found;
    const GlobalFacts g = readGlobalFacts(found);
    const QSettings s(kNames, QSettings::IniFormat);

    // Stored lists are absent or hold two entries or more; the sentinel only ever
    // stands second in a list of two.
    QHash<QString, QStringList> lists;
    for (const QString &key : {u"macro/macroName"_s, u"gun/gunName"_s, u"profile/profileName"_s,
                               u"gun/selectGun"_s}) {
        if (!s.contains(key))
            continue;
        QStringList stored;
        const QString failure = checkList(s, key, -1, &stored);
        found << failure;
        if (!failure.isEmpty())
            continue;
        if (stored.size() < 2)
            found << where(s, key) + u" holds a single entry, which reads back as no list"_s;
        if (stored.indexOf(kSentinel) >= 0 && (stored.size() != 2 || stored.at(1) != kSentinel))
            found << where(s, key) + u": the placeholder may only follow a single entry"_s;
        lists.insert(key, realEntries(stored));
    }

    // Profiles: display name followed by a profile number 0 to 5, each number once.
    const QStringList profiles = lists.value(u"profile/profileName"_s);
    if (profiles.isEmpty())
        found << where(s, u"profile/profileName"_s) + u" is missing; the profile page needs its first entry"_s;
    if (profiles.size() > kPageProfiles)
        found << where(s, u"profile/profileName"_s) + u" holds more than six profiles"_s;
    QSet<int> numbers;
    for (const QString &entry : profiles) {
        int number = -1;
        const QString failure = toInt(where(s, u"profile/profileName"_s) + u" entry \"%1\""_s.arg(entry),
                                      entry.right(1), 0, kPageProfiles - 1, &number);
        found << failure;
        if (entry.size() < 2)
            found << where(s, u"profile/profileName"_s) + u": entry \"%1\" has no display name"_s.arg(entry);
        if (failure.isEmpty() && numbers.contains(number))
            found << where(s, u"profile/profileName"_s) + u": profile number %1 is used twice"_s.arg(number);
        numbers.insert(number);
    }
    if (!profiles.isEmpty() && !numbers.contains(g.profileNo))
        found << kGlobal + u": profileNo %1 is not in the profile list"_s.arg(g.profileNo);

    // Every listed macro has its file, and every macro file is listed.
    if (!QFileInfo(kMacroDir).isDir())
        found << kMacroDir + u" is missing; new macros could not be saved"_s;
    const QStringList macros = lists.value(u"macro/macroName"_s);
    for (const QString &name : macros) {
        if (!QFile::exists(macroPath(name)))
            found << where(s, u"macro/macroName"_s) + u": macro file of \"%1\" is missing"_s.arg(name);
    }
    for (const QFileInfo &file : QDir(kMacroDir).entryInfoList({u"*.bin"_s}, QDir::Files)) {
        if (!macros.contains(file.completeBaseName()))
            found << file.filePath() + u" is not in the macro list"_s;
    }

    // The recoil preset names follow the preset library in order.
    const QSettings presets(kGunData, QSettings::IniFormat);
    QStringList libraryNames;
    for (int i = 0; i < kPresets; ++i) {
        const QStringList entry = presets.value(u"gunData/%1"_s.arg(i)).toStringList();
        libraryNames.append(entry.value(0));
    }
    if (lists.value(u"gun/gunName"_s) != libraryNames)
        found << where(s, u"gun/gunName"_s) + u" does not list the presets of "_s + kGunData + u" in order"_s;

    QVERIFY2(found.isEmpty(), found.report().constData());
}

void TestDataFiles::recoilPresets()
{
    // The program never creates this file; without it every recoil edit is silently dropped.
    QVERIFY2(QFile::exists(kGunData), qPrintable(kGunData + u" is missing"_s));
    Findings found;
    const GlobalFacts g = readGlobalFacts(found);
    QSettings s(kGunData, QSettings::IniFormat);
    s.beginGroup(u"gunData"_s);
    const QStringList keys = s.childKeys();
    s.endGroup();

    QSet<int> positions;
    for (const QString &key : keys) {
        const QString fullKey = u"gunData/"_s + key;
        bool numeric = false;
        const int position = key.toInt(&numeric);
        QStringList entry;
        // Entries under a position are [name, trigger, values...]; under a name, [trigger, values...].
        const QString failure = checkList(s, fullKey, numeric ? 6 : 5, &entry);
        found << failure;
        if (!failure.isEmpty())
            continue;
        if (numeric)
            positions.insert(position);
        const int first = numeric ? 2 : 1;
        if (numeric && entry.at(0).trimmed().isEmpty())
            found << where(s, fullKey) + u": the preset has no name"_s;
        if (entry.at(first - 1).trimmed().isEmpty())
            found << where(s, fullKey) + u": the preset has no trigger button"_s;
        // The rate slider spans 5 to 91 ms; corrections run 0 to 64, shot counts 0 to 255.
        found << toInt(where(s, fullKey) + u" period"_s, entry.at(first), 5, 91, nullptr)
              << toInt(where(s, fullKey) + u" X"_s, entry.at(first + 1), 0, 64, nullptr)
              << toInt(where(s, fullKey) + u" Y"_s, entry.at(first + 2), 0, 64, nullptr)
              << toInt(where(s, fullKey) + u" shot count"_s, entry.at(first + 3), 0, 255, nullptr);
    }

    for (int i = 0; i < kPresets; ++i) {
        if (!positions.contains(i))
            found << kGunData + u": preset position %1 is missing"_s.arg(i);
    }
    for (int slot : g.selectGun) {
        if (!positions.contains(slot))
            found << kGlobal + u": selectGun names preset %1, which is not installed"_s.arg(slot);
    }
    QVERIFY2(found.isEmpty(), found.report().constData());
}

void TestDataFiles::languageFiles_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = installedLanguageFiles();
    for (const QString &path : paths)
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    if (paths.isEmpty())
        QTest::newRow("English.ini") << kReferenceLanguage;  // reported missing below
}

// Each group holds "total" texts under the keys 0 to total - 1, every one a
// plain text; the pages index them by position, so every language must have the
// groups and counts of the reference language.
void TestDataFiles::languageFiles()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path + u" is missing"_s));
    QSettings s(path, QSettings::IniFormat);
    const QSettings reference(kReferenceLanguage, QSettings::IniFormat);
    Findings found;

    const QStringList groups = s.childGroups();
    for (const QString &group : groups) {
        int total = 0;
        found << checkInt(s, group + u"/total"_s, 0, 10000, &total);
        for (int i = 0; i < total; ++i) {
            QString text;
            // An unquoted comma turns a text into a list, which reads back as no text.
            found << singleValue(s, group + u'/' + QString::number(i), &text);
        }
        s.beginGroup(group);
        const QStringList keys = s.childKeys();
        s.endGroup();
        for (const QString &key : keys) {
            bool numeric = false;
            const int index = key.toInt(&numeric);
            if (key != u"total"_s && (!numeric || index < 0 || index >= total))
                found << where(s, group + u'/' + key) + u" lies beyond total %1"_s.arg(total);
        }
    }

    // The DPI-switch notices come from the first eight texts of "other".
    int notices = 0;
    found << checkInt(s, u"other/total"_s, kBalloonTexts, 10000, &notices);
    for (int i = 0; i < kBalloonTexts && i < notices; ++i)
        found << checkText(s, u"other/%1"_s.arg(i));

    if (path != kReferenceLanguage) {
        const QStringList referenceGroups = reference.childGroups();
        for (const QString &group : referenceGroups) {
            const QString totalKey = group + u"/total"_s;
            if (s.value(totalKey).toString() != reference.value(totalKey).toString())
                found << where(s, totalKey) + u" differs from "_s + kReferenceLanguage;
        }
        for (const QString &group : groups) {
            if (!referenceGroups.contains(group))
                found << path + u": group [%1] is not in "_s.arg(group) + kReferenceLanguage;
        }
    }
    QVERIFY2(found.isEmpty(), found.report().constData());
}

// The tray loads this icon by path; a damaged file leaves an empty tray slot.
void TestDataFiles::trayIcon()
{
    const QByteArray ico = fileBytes(kLogo);
    QVERIFY2(ico.size() >= 6, qPrintable(kLogo + u" is missing or too short"_s));
    QCOMPARE(ico.left(4), QByteArray("\x00\x00\x01\x00", 4));
    const int count = int(littleEndian(ico, 4, 2));
    QVERIFY2(count >= 1, "the icon holds no images");
    const int directoryEnd = 6 + 16 * count;
    QVERIFY2(ico.size() >= directoryEnd, "the icon's directory runs past the end of the file");

    Findings found;
    QSet<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int entry = 6 + 16 * i;
        const int width = quint8(ico.at(entry));
        sizes.insert(width == 0 ? 256 : width);
        const qint64 length = littleEndian(ico, entry + 8, 4);
        const qint64 offset = littleEndian(ico, entry + 12, 4);
        if (length < 8 || offset < directoryEnd || offset + length > ico.size()) {
            found << kLogo + u": image %1 lies outside the file"_s.arg(i);
            continue;
        }
        // Each image is a PNG stream or a DIB starting with its 40-byte header.
        const QByteArray head = ico.mid(int(offset), 8);
        if (head != QByteArray("\x89PNG\r\n\x1a\n", 8) && littleEndian(head, 0, 4) != 40)
            found << kLogo + u": image %1 is neither PNG nor DIB"_s.arg(i);
    }
    // Trays draw the icon at 16 to 32 pixels; scaling down a large image blurs it.
    for (int size : {16, 32}) {
        if (!sizes.contains(size))
            found << kLogo + u" has no %1 x %1 image"_s.arg(size);
    }
    QVERIFY2(found.isEmpty(), found.report().constData());
}

// Without a rule for a supported mouse, users other than root never find it.
void TestDataFiles::udevRule()
{
    const QString rulesPath = u"./udev/70-km7-config.rules"_s;
    QFile file(rulesPath);
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(rulesPath + u" is missing"_s));
    QStringList rules;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString rule = line.trimmed();
        if (!rule.isEmpty() && !rule.startsWith(u'#'))
            rules.append(rule);
    }

    Findings found;
    const QSettings s(kGlobal, QSettings::IniFormat);
    const int count = s.value(u"common/deviceCount"_s).toInt();
    QVERIFY2(count >= 1, "the device table is empty");
    for (int n = 0; n < count; ++n) {
        const QString group = QString::number(n) + u'/';
        int vid = 0, pid = 0;
        found << checkHex(s, group + u"vid"_s, 1, 0xFFFF, &vid) << checkHex(s, group + u"pid"_s, 1, 0xFFFF, &pid);
        const QString vendor = u"ATTRS{idVendor}==\"%1\""_s.arg(usbId(vid));
        const QString product = u"ATTRS{idProduct}==\"%1\""_s.arg(usbId(pid));
        bool covered = false;
        for (const QString &rule : rules) {
            covered = covered
                      || (rule.contains(u"KERNEL==\"hidraw*\""_s) && rule.contains(vendor)
                          && rule.contains(product) && rule.contains(u"TAG+=\"uaccess\""_s));
        }
        if (!covered)
            found << rulesPath + u" has no uaccess rule for %1:%2"_s.arg(usbId(vid), usbId(pid));
    }
    QVERIFY2(found.isEmpty(), found.report().constData());
}

QTEST_GUILESS_MAIN(TestDataFiles)

#include "tst_datafiles.moc"
