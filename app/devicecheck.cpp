// Finds the configured mouse among the attached HID devices and moves the
// program between "no device" and "connected".

#include "app/userevent.h"
#include "app/widget.h"
#include "device/devicetable.h"
#include "storage/profilestore.h"
#include "view/myqquickview.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>

void Widget::checkDevice()
{
    QSettings global(ProfileStore::kGlobalPath, QSettings::IniFormat);
    DeviceList devices = devicetable::read(global);
    devicetable::locateInterfaces(devices);
    hid.deviceList = devices;

    for (int index = 0; index < hid.deviceList.size(); ++index) {
        if (hid.deviceList.at(index).path.isEmpty() || !hid.chkDeviceIsEnCode(index))
            continue;
        qDebug() << "Device Connect";
        view()->clearHidBusy();
        deviceConnected = true;
        view()->setEnabled(true);
        view()->initUI();
        // runUI() must follow the queued initUI(), one event-loop pass later.
        QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunUI));
        return;
    }

    qDebug() << "Device DisConnect";
    deviceConnected = false;
    setVisible(false);
}
