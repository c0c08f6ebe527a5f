// The storage slots of the view: what the pages read and write in the
// settings files. Each delegates to the storage module that owns the file.

#include "storage/languagestrings.h"
#include "storage/macrolibrary.h"
#include "storage/namelists.h"
#include "storage/recoilpresets.h"
#include "view/keynametable.h"
#include "view/myqquickview.h"

namespace {

const QString kProfileFilter = QStringLiteral("Profile(*.pf)");
const QString kMacroFilter = QStringLiteral("Macro(*.mc)");
constexpr int kDefaultSensitivity = 4;

} // namespace

void myQQuickView::resetApconfig()
{
    m_store.resetGlobal();
}

bool myQQuickView::loadMacroFile(QVariant macroFileName)
{
    const QString name = macroFileName.toString();
    if (!macrolibrary::isSafeName(name))
        return false;
    const QString file = askForFile(true, kMacroFilter);
    // A failed copy is not an imported macro; the page then makes an empty one.
    return !file.isEmpty() && macrolibrary::importFile(name, file);
}

void myQQuickView::saveMacroFile(QVariant macroFileName)
{
    const QString name = macroFileName.toString();
    if (!macrolibrary::isSafeName(name))
        return;
    const QString file = askForFile(false, kMacroFilter);
    if (!file.isEmpty())
        macrolibrary::exportFile(name, file);
}

bool myQQuickView::loadProfile(int profile)
{
    const QString file = askForFile(true, kProfileFilter);
    return !file.isEmpty() && m_store.importProfile(profile, file);
}

void myQQuickView::saveProfile(int profile)
{
    const QString file = askForFile(false, kProfileFilter);
    if (!file.isEmpty())
        m_store.exportProfile(profile, file);
}

void myQQuickView::resetProfile(int profile)
{
    m_store.resetProfile(profile);
}

void myQQuickView::copyProfile(int destprofile, int srcprofile)
{
    m_store.copyProfile(destprofile, srcprofile);
}

QStringList myQQuickView::getLangStrings(QString typeStr, QString langCode)
{
    const QStringList texts = languagestrings::read(typeStr, langCode);
    // The key names are shared with the native side, which encodes macros by name.
    if (typeStr == QLatin1String("keyCode"))
        KeyNameTable::shared().setNames(texts);
    return texts;
}

QVariant myQQuickView::createMacroIni(QVariant name, QVariant macroIndex)
{
    return macrolibrary::create(name.toString(), macroIndex.toUInt());
}

QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    namelists::write(type.toUInt(), nameList);
    return true;
}

QVariant myQQuickView::modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname)
{
    return macrolibrary::rename(m_store, oldname.toString(), newname.toString());
}

void myQQuickView::deleteMacroUpdateProfile(QVariant macroName)
{
    macrolibrary::unbind(m_store, macroName.toString());
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    return macrolibrary::remove(name.toString());
}

QVariantList myQQuickView::getNameList(QVariant type)
{
    return namelists::read(type.toUInt());
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros, QVariant repeat)
{
    return macrolibrary::save(name.toString(), macros, repeat);
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return macrolibrary::load(name.toString());
}

void myQQuickView::mouseSaveGundata(QVariant index, QVariantList src6)
{
    recoilpresets::save(index.toString(), src6);
}

void myQQuickView::modifyGundata(QVariant modifyType, QVariantList src6)
{
    recoilpresets::modify(modifyType.toInt(), src6);
}

QVariantList myQQuickView::getGunData(QVariant name)
{
    return recoilpresets::entry(name.toString());
}

QStringList myQQuickView::getGunDataKey()
{
    return recoilpresets::keys();
}

QVariant myQQuickView::getXYSensitive(QVariant index)
{
    return m_store.data(QStringLiteral("XYSensitive/") + index.toString(), false, kDefaultSensitivity);
}

QVariant myQQuickView::getselectGun(QVariant index)
{
    return m_store.data(QStringLiteral("selectGun/") + index.toString(), false, QString());
}

void myQQuickView::setXYSensitive(QVariant index, QVariant xyData)
{
    m_store.setData(QStringLiteral("XYSensitive/") + index.toString(), xyData);
}

void myQQuickView::setSelectGun(QVariant index, QVariant xyData)
{
    m_store.setData(QStringLiteral("selectGun/") + index.toString(), xyData);
}

void myQQuickView::setCurrentProfile(int profile)
{
    m_store.setCurrentProfile(profile);
}

QVariant myQQuickView::getData(QVariant key, bool isRecovery)
{
    return m_store.data(key.toString(), isRecovery);
}

QVariant myQQuickView::getGlobalData(QVariant key, QVariant)
{
    return m_store.globalData(key.toString());
}

QVariantList myQQuickView::getDataList(QVariant key, bool isRecovery)
{
    return m_store.dataList(key.toString(), isRecovery);
}

void myQQuickView::setData(QVariant key, QVariant data)
{
    m_store.setData(key.toString(), data);
}

void myQQuickView::setGlobalData(QVariant key, QVariant tmpdata)
{
    m_store.setGlobalData(key.toString(), tmpdata);
}

void myQQuickView::setDataList(QVariant key, QVariantList datalist)
{
    m_store.setDataList(key.toString(), datalist);
}
