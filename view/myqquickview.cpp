#include "view/myqquickview.h"

#include "device/hid_thread.h"
#include "view/filechooser.h"
#include "view/km7helpers.h"
#include "view/pointersettings.h"
#include "view/qmlcalls.h"

#include <QFocusEvent>
#include <QQuickItem>

myQQuickView::myQQuickView(QWidget *parent)
    : QQuickWidget(parent)
    , m_dialogs(std::make_unique<DialogFileChooser>())
    , m_chooser(m_dialogs.get())
    , m_pointer(PointerSettings::forThisDesktop())
{
    Km7Helpers::registerForQml();
    // Read once: changing these in the file takes effect at the next start.
    isColorful = m_store.globalData(QStringLiteral("mouse/isColorful")).toBool();
    isGun = m_store.globalData(QStringLiteral("mouse/isGun")).toBool();
    icType = m_store.globalData(QStringLiteral("mouse/icType")).toString();
    is55328 = m_store.globalData(QStringLiteral("mouse/is55328")).toBool();
}

myQQuickView::~myQQuickView() = default;

void myQQuickView::setPointerSettings(std::unique_ptr<PointerSettings> settings)
{
    m_pointer = std::move(settings);
}

void myQQuickView::setFileChooser(FileChooser *chooser)
{
    m_chooser = chooser ? chooser : m_dialogs.get();
}

QString myQQuickView::askForFile(bool open, const QString &filter)
{
    return open ? m_chooser->openFile(this, tr("Open File"), filter)
                : m_chooser->saveFile(this, tr("Save File"), filter);
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
