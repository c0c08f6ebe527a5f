#include "view/myqquickview.h"

#include "device/hid_thread.h"
#include "view/filechooser.h"
#include "view/qmlcalls.h"

#include <QFocusEvent>
#include <QQuickItem>

namespace {
const QString kProfileFilter = QStringLiteral("Profile(*.pf)");
}

myQQuickView::myQQuickView(QWidget *parent)
    : QQuickWidget(parent)
    , m_dialogs(std::make_unique<DialogFileChooser>())
    , m_chooser(m_dialogs.get())
{
    // Read once: changing these in the file takes effect at the next start.
    isColorful = m_store.globalData(QStringLiteral("mouse/isColorful")).toBool();
    isGun = m_store.globalData(QStringLiteral("mouse/isGun")).toBool();
    icType = m_store.globalData(QStringLiteral("mouse/icType")).toString();
    is55328 = m_store.globalData(QStringLiteral("mouse/is55328")).toBool();
}

myQQuickView::~myQQuickView() = default;

void myQQuickView::setFileChooser(FileChooser *chooser)
{
    m_chooser = chooser ? chooser : m_dialogs.get();
}

void myQQuickView::clearHidBusy()
{
    if (hid)
        hid->linkIdle = true;
}

void myQQuickView::initUI()
{
    qmlcalls::invoke(rootObject(), "initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    qmlcalls::invoke(rootObject(), "run", Qt::QueuedConnection);
}

void myQQuickView::resetApconfig()
{
    m_store.resetGlobal();
}

bool myQQuickView::loadProfile(int profile)
{
    const QString file = m_chooser->openFile(this, tr("Open File"), kProfileFilter);
    if (file.isEmpty())
        return false;
    m_store.importProfile(profile, file);
    return true;
}

void myQQuickView::saveProfile(int profile)
{
    const QString file = m_chooser->saveFile(this, tr("Save File"), kProfileFilter);
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

void myQQuickView::setCurrentProfile(int profile)
{
    m_store.setCurrentProfile(profile);
}

void myQQuickView::mouseReadProfile(uint profileNo)
{
    if (hid && profileNo < uint(kProfileBlockCount))
        hid->hid560_8CH_readProfile(profileBlocks[profileNo].data(), uchar(profileNo));
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

void myQQuickView::setBusy(int busyTime)
{
    qmlcalls::invoke(rootObject(), "setProtectUI", Qt::DirectConnection, {busyTime});
}

void myQQuickView::setCurrentDPI(int dpiValue)
{
    // The event listener calls this from its pool thread; QML runs on the GUI thread.
    qmlcalls::invoke(rootObject(), "setCurrentDPI", Qt::AutoConnection, {dpiValue});
}

void myQQuickView::focusInEvent(QFocusEvent *event)
{
    repaint();
    event->accept();
}
