#include "device/devicetable.h"

#include "device/hidapi_lock.h"

#include <QSettings>

#include <hidapi/hidapi.h>

namespace devicetable {
namespace {

const QString kDefaultSecrecyCode = QStringLiteral("472915");
constexpr int kDefaultReportLength = 32;
constexpr int kLargestReportLength = 1024;

quint16 hex16(const QSettings &settings, const QString &key)
{
    return quint16(settings.value(key).toString().toInt(nullptr, 16) & 0xFFFF);
}

} // namespace

DeviceList read(QSettings &settings)
{
    DeviceList devices;
    for (int n = 0; n < settings.value(QStringLiteral("common/deviceCount"), 0).toInt(); ++n) {
        const QString group = QString::number(n) + QLatin1Char('/');
        const auto key = [&group](const char *name) { return group + QLatin1String(name); };
        DeviceRecord record;
        bool ok = false;
        const int type = settings.value(key("type")).toString().toInt(&ok, 16);
        record.type = settings.contains(key("type")) ? (ok ? type : 0) : -1;
        record.vid = hex16(settings, key("vid"));
        record.pid = hex16(settings, key("pid"));
        record.usagePage = hex16(settings, key("usagePage"));
        record.usage = hex16(settings, key("usage"));
        record.usagePage2 = hex16(settings, key("usagePage2"));
        record.usage2 = hex16(settings, key("usage2"));
        record.reportLength = settings.value(key("reportLength"), kDefaultReportLength).toString().toInt();
        // No HID report is larger; a value beyond it refuses blocks rather than allocating gigabytes.
        if (record.reportLength > kLargestReportLength)
            record.reportLength = 0;
        record.isEncode = settings.value(key("isEncode"), false).toBool();
        record.sCode = settings.value(key("sCode"), kDefaultSecrecyCode).toString();
        devices.append(record);
    }
    return devices;
}

void locateInterfaces(DeviceList &devices)
{
    for (DeviceRecord &record : devices) {
        record.path.clear();
        record.path2.clear();
        QMutexLocker lock(&hidapiLock());
        hid_device_info *all = hid_enumerate(record.vid, record.pid);
        for (const hid_device_info *info = all; info; info = info->next) {
            if (info->usage_page == record.usagePage && info->usage == record.usage)
                record.path = QString::fromLatin1(info->path);
            if (info->usage_page == record.usagePage2 && info->usage == record.usage2)
                record.path2 = QString::fromLatin1(info->path);
        }
        hid_free_enumeration(all);
    }
}

} // namespace devicetable
