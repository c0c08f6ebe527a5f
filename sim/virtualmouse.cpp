#include "sim/virtualmouse.h"

#include "app/devicechangemonitor.h"
#include "device/clock.h"

#include <cstring>

namespace sim {

const char *const VirtualMouse::kCommandPath = "virtual:km7/command";
const char *const VirtualMouse::kEventPath = "virtual:km7/event";
const char *const VirtualMouse::kKeyboardPath = "virtual:keyboard";
const char *const VirtualMouse::kSecondCommandPath = "virtual:km7/command-2";

namespace {

// A keyboard that is attached too, so enumeration is never just the mouse.
constexpr quint16 kKeyboardVendor = 0x1d6b;
constexpr quint16 kKeyboardProduct = 0x0104;

} // namespace

VirtualMouse &VirtualMouse::instance()
{
    static VirtualMouse mouse;
    return mouse;
}

VirtualMouse::VirtualMouse() = default;

void VirtualMouse::reset(const Firmware::Config &config)
{
    QMutexLocker lock(&m_mutex);
    m_firmware = Firmware(config);
    m_plugged = true;
    m_commandPresent = true;
    m_eventPresent = true;
    m_secondCommand = false;
    m_mostEventHandles = m_eventHandles;
    ++m_generation;
    m_openHandles = 0;
    m_opens = 0;
    m_faults.clear();
    m_log.clear();
    m_received.clear();
    m_input.clear();
    m_events.clear();
}

Firmware::Config VirtualMouse::config() const
{
    QMutexLocker lock(&m_mutex);
    return m_firmware.config();
}

FirmwareState VirtualMouse::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_firmware.state();
}

QString VirtualMouse::describe() const
{
    QMutexLocker lock(&m_mutex);
    return m_firmware.describe();
}

void VirtualMouse::plug()
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_plugged)
            return;
        m_plugged = true;
        m_opens = 0;
    }
    DeviceChangeMonitor::instance().notify();
}

void VirtualMouse::unplug()
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_plugged)
            return;
        m_plugged = false;
        ++m_generation; // handles opened before are dead
        m_input.clear();
        m_events.clear();
    }
    DeviceChangeMonitor::instance().notify();
}

bool VirtualMouse::isPlugged() const
{
    QMutexLocker lock(&m_mutex);
    return m_plugged;
}

void VirtualMouse::setInterfacePresent(Interface interface, bool present)
{
    QMutexLocker lock(&m_mutex);
    (interface == Interface::Command ? m_commandPresent : m_eventPresent) = present;
}

void VirtualMouse::failNext(Fault fault, int count)
{
    QMutexLocker lock(&m_mutex);
    m_faults[fault] += count;
}

bool VirtualMouse::takeFault(Fault fault)
{
    auto it = m_faults.find(fault);
    if (it == m_faults.end() || it->second <= 0)
        return false;
    if (--it->second == 0)
        m_faults.erase(it);
    return true;
}

QList<WireEntry> VirtualMouse::wireLog() const
{
    QMutexLocker lock(&m_mutex);
    return m_log;
}

QList<WireEntry> VirtualMouse::wireLog(Report report) const
{
    QList<WireEntry> entries;
    for (const WireEntry &entry : wireLog()) {
        if (entry.report == report)
            entries.append(entry);
    }
    return entries;
}

void VirtualMouse::clearWireLog()
{
    QMutexLocker lock(&m_mutex);
    m_log.clear();
    m_received.clear();
}

QList<ReceivedCommand> VirtualMouse::received() const
{
    QMutexLocker lock(&m_mutex);
    return m_received;
}

int VirtualMouse::openHandles() const
{
    QMutexLocker lock(&m_mutex);
    return m_openHandles;
}

void VirtualMouse::setSecondCommandInterface(bool present)
{
    QMutexLocker lock(&m_mutex);
    m_secondCommand = present;
}

int VirtualMouse::mostEventHandlesAtOnce() const
{
    QMutexLocker lock(&m_mutex);
    return m_mostEventHandles;
}

int VirtualMouse::opensSincePlug() const
{
    QMutexLocker lock(&m_mutex);
    return m_opens;
}

void VirtualMouse::queueInput(const QByteArray &report)
{
    QMutexLocker lock(&m_mutex);
    m_input.push_back(report);
}

void VirtualMouse::pushEvent(const QByteArray &report)
{
    QMutexLocker lock(&m_mutex);
    m_events.push_back(report);
}

void VirtualMouse::pressDpiButton(int stage)
{
    QMutexLocker lock(&m_mutex);
    if (m_plugged)
        m_events.push_back(m_firmware.pressDpiButton(stage));
}

void VirtualMouse::log(Interface interface, Report report, const QByteArray &bytes)
{
    m_log.append({Clock::current().now(), interface, report, bytes});
}

QList<VirtualMouse::Enumerated> VirtualMouse::enumerate(quint16 vid, quint16 pid) const
{
    QMutexLocker lock(&m_mutex);
    QList<Enumerated> all{{kKeyboardPath, kKeyboardVendor, kKeyboardProduct, 0x0001, 0x0006}};
    if (m_plugged && m_commandPresent)
        all.append({kCommandPath, kVendorId, kProductId, kCommandUsagePage, kCommandUsage});
    if (m_plugged && m_eventPresent)
        all.append({kEventPath, kVendorId, kProductId, kEventUsagePage, kEventUsage});
    if (m_plugged && m_commandPresent && m_secondCommand)
        all.append({kSecondCommandPath, kVendorId, kProductId, kCommandUsagePage, kCommandUsage});
    QList<Enumerated> matching;
    for (const Enumerated &entry : all) {
        if ((vid == 0 || vid == entry.vid) && (pid == 0 || pid == entry.pid))
            matching.append(entry);
    }
    return matching;
}

VirtualMouse::Handle *VirtualMouse::open(const char *path)
{
    QMutexLocker lock(&m_mutex);
    if (!path || takeFault(Fault::Open) || !m_plugged)
        return nullptr;
    Interface interface;
    const bool secondCommand = m_secondCommand && std::strcmp(path, kSecondCommandPath) == 0;
    if ((std::strcmp(path, kCommandPath) == 0 || secondCommand) && m_commandPresent)
        interface = Interface::Command;
    else if (std::strcmp(path, kEventPath) == 0 && m_eventPresent)
        interface = Interface::Event;
    else
        return nullptr;
    ++m_openHandles;
    ++m_opens;
    if (interface == Interface::Event)
        m_mostEventHandles = qMax(m_mostEventHandles, ++m_eventHandles);
    return new Handle{interface, m_generation};
}

void VirtualMouse::close(Handle *handle)
{
    if (!handle)
        return;
    QMutexLocker lock(&m_mutex);
    --m_openHandles;
    if (handle->interface == Interface::Event)
        --m_eventHandles;
    delete handle;
}

bool VirtualMouse::usable(const Handle *handle) const
{
    return handle && m_plugged && handle->generation == m_generation;
}

int VirtualMouse::sendFeature(Handle *handle, const unsigned char *data, size_t length)
{
    QMutexLocker lock(&m_mutex);
    if (!usable(handle) || !data || takeFault(Fault::SendFeature))
        return -1;
    const QByteArray report(reinterpret_cast<const char *>(data), int(length));
    log(handle->interface, Report::FeatureSent, report);
    if (handle->interface == Interface::Command) {
        m_received.append({m_firmware.receiveCommand(report), {}});
        for (const QByteArray &input : m_firmware.takeInput())
            m_input.push_back(input);
    }
    return int(length);
}

int VirtualMouse::getFeature(Handle *handle, unsigned char *data, size_t length)
{
    QMutexLocker lock(&m_mutex);
    if (!usable(handle) || !data || length == 0 || takeFault(Fault::GetFeature))
        return -1;
    QByteArray answer = m_firmware.answer();
    if (answer.isEmpty())
        answer = QByteArray(Firmware::kReportSize, '\0');
    answer[0] = char(data[0]); // the report ID the host asked for
    const int n = qMin(int(length), answer.size());
    std::memcpy(data, answer.constData(), size_t(n));
    log(handle->interface, Report::FeatureReceived, answer.left(n));
    return n;
}

int VirtualMouse::write(Handle *handle, const unsigned char *data, size_t length)
{
    QMutexLocker lock(&m_mutex);
    if (!usable(handle) || !data || length == 0 || takeFault(Fault::Write))
        return -1;
    const QByteArray report(reinterpret_cast<const char *>(data), int(length));
    log(handle->interface, Report::Output, report);
    if (handle->interface == Interface::Command) {
        m_firmware.receiveOutput(report);
        if (!m_received.isEmpty())
            m_received.last().block += report.mid(1);
    }
    return int(length);
}

int VirtualMouse::read(Handle *handle, unsigned char *data, size_t length, int timeoutMs)
{
    {
        QMutexLocker lock(&m_mutex);
        if (!usable(handle) || !data || takeFault(Fault::Read))
            return -1;
        const bool starve = handle->interface == Interface::Command && takeFault(Fault::BlockNeverArrives);
        auto &queue = handle->interface == Interface::Command ? m_input : m_events;
        if (!starve && !queue.empty()) {
            const QByteArray report = queue.front();
            queue.pop_front();
            const int n = qMin(int(length), report.size());
            std::memcpy(data, report.constData(), size_t(n));
            log(handle->interface, Report::Input, report.left(n));
            return n;
        }
        // Nothing will come; a blocking read would hang for ever, so it fails instead.
        if (timeoutMs < 0)
            return -1;
    }
    Clock::current().sleep(timeoutMs);
    return 0;
}

} // namespace sim
