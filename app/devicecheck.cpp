// Finds the configured mouse among the attached HID devices and moves the
// program between "no device" and "connected".

#include "app/userevent.h"
#include "app/widget.h"
#include "device/devicetable.h"
#include "storage/profilestore.h"
#include "view/myqquickview.h"

#include <QCoreApplication>
#include <QDebug>
#include <QScopedValueRollback>
#include <QSettings>

namespace {
// Profile blocks the view keeps a copy of: the first two always, the recoil ones with recoil presets.
constexpr uint kBasicProfileBlocks = 2;
constexpr uint kAllProfileBlocks = 5;
} // namespace

void Widget::checkDevice()
{
    // Commands let events through while they wait; a check that arrives in the
    // middle of one would probe over it, so it comes back later instead.
    if (!hid.linkIdle || m_checking) {
        checkTimer.start();
        return;
    }
    const QScopedValueRollback<bool> checking(m_checking, true);
    QSettings global(ProfileStore::kGlobalPath, QSettings::IniFormat);
    DeviceList devices = devicetable::read(global);
    devicetable::locateInterfaces(devices);
    hid.replaceDeviceList(devices);

    for (int index = 0; index < devices.size(); ++index) {
        if (devices.at(index).path.isEmpty() || !hid.chkDeviceIsEnCode(index))
            continue;
        connectedSequence();
        return;
    }

    qDebug() << "Device DisConnect";
    deviceConnected = false;
    setVisible(false);
}

void Widget::connectedSequence()
{
    qDebug() << "Device Connect";
    myQQuickView *ui = view();
    ui->clearHidBusy();
    deviceConnected = true;
    notify(QStringLiteral("Info"), QStringLiteral("Detect Device"));
    hid.startMonitoring(uint(hid.currentDevice));
    if (ui->icType == QLatin1String("560")) {
        const uint blocks = ui->isGun ? kAllProfileBlocks : kBasicProfileBlocks;
        for (uint block = 0; block < blocks; ++block)
            ui->mouseReadProfile(block);
    }
    ui->setEnabled(true);
    ui->initUI();
    // runUI() must follow the queued initUI(), one event-loop pass later.
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunUI));
}
