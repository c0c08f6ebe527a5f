// hidapi's C API over the virtual mouse. Linked instead of the system hidapi
// by the tests and by km7-config-virtual.

#include "sim/virtualmouse.h"

#include <hidapi/hidapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

struct hid_device_
{
    sim::VirtualMouse::Handle *handle;
};

namespace {

sim::VirtualMouse &mouse()
{
    return sim::VirtualMouse::instance();
}

char *copyPath(const QByteArray &path)
{
    char *copy = static_cast<char *>(std::malloc(size_t(path.size()) + 1));
    std::memcpy(copy, path.constData(), size_t(path.size()) + 1);
    return copy;
}

wchar_t *wideText(const wchar_t *text)
{
    const size_t length = std::wcslen(text);
    auto *copy = static_cast<wchar_t *>(std::malloc((length + 1) * sizeof(wchar_t)));
    std::wmemcpy(copy, text, length + 1);
    return copy;
}

} // namespace

extern "C" {

int HID_API_EXPORT hid_init(void)
{
    return 0;
}

int HID_API_EXPORT hid_exit(void)
{
    return 0;
}

struct hid_device_info HID_API_EXPORT *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    hid_device_info *first = nullptr;
    hid_device_info **next = &first;
    for (const auto &entry : mouse().enumerate(vendor_id, product_id)) {
        auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
        info->path = copyPath(entry.path);
        info->vendor_id = entry.vid;
        info->product_id = entry.pid;
        info->usage_page = entry.usagePage;
        info->usage = entry.usage;
        info->serial_number = wideText(L"");
        info->manufacturer_string = wideText(L"Virtual");
        info->product_string = wideText(L"KM7 virtual mouse");
        info->interface_number = -1;
        *next = info;
        next = &info->next;
    }
    return first;
}

void HID_API_EXPORT hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

hid_device *HID_API_EXPORT hid_open_path(const char *path)
{
    sim::VirtualMouse::Handle *handle = mouse().open(path);
    return handle ? new hid_device_{handle} : nullptr;
}

void HID_API_EXPORT hid_close(hid_device *dev)
{
    if (!dev)
        return;
    mouse().close(dev->handle);
    delete dev;
}

int HID_API_EXPORT hid_set_nonblocking(hid_device *dev, int)
{
    return dev ? 0 : -1;
}

int HID_API_EXPORT hid_send_feature_report(hid_device *dev, const unsigned char *data, size_t length)
{
    return dev ? mouse().sendFeature(dev->handle, data, length) : -1;
}

int HID_API_EXPORT hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    return dev ? mouse().getFeature(dev->handle, data, length) : -1;
}

int HID_API_EXPORT hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    return dev ? mouse().write(dev->handle, data, length) : -1;
}

int HID_API_EXPORT hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    return dev ? mouse().read(dev->handle, data, length, milliseconds) : -1;
}

int HID_API_EXPORT hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    return hid_read_timeout(dev, data, length, -1);
}

} // extern "C"
