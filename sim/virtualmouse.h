#pragma once

#include <QByteArray>
#include <map>
#include <QList>
#include <QMutex>
#include <QString>

#include "sim/firmware.h"

#include <deque>

namespace sim {

// The two vendor-defined HID interfaces of the mouse.
enum class Interface { Command, Event };

// How a report crossed the wire, seen from the host.
enum class Report {
    FeatureSent,     // hid_send_feature_report: 9-byte command report
    FeatureReceived, // hid_get_feature_report: 9-byte answer report
    Output,          // hid_write: report ID 0x00 + one block slice
    Input,           // hid_read: one report as returned to the host
};

struct WireEntry
{
    qint64 time;   // virtual time just before the report
    Interface interface;
    Report report;
    QByteArray bytes;
};

// Faults that tests can inject; each one makes the next matching call fail.
enum class Fault {
    Open,              // hid_open_path returns null
    SendFeature,       // hid_send_feature_report returns -1
    GetFeature,        // hid_get_feature_report returns -1
    Write,             // hid_write returns -1
    Read,              // hid_read / hid_read_timeout returns -1
    BlockNeverArrives, // the next read on the command interface waits its time-out and gets nothing
};

// What the firmware received: one command report and the block that followed it.
struct ReceivedCommand
{
    QByteArray report; // 9 bytes as decoded by the firmware
    QByteArray block;  // data bytes of the output reports that followed, slices concatenated
};

// An in-process model of the mouse behind hidapi's C API. The process has one
// mouse, plugged in and in factory state at start.
class VirtualMouse
{
public:
    static constexpr quint16 kVendorId = 0x04d9;
    static constexpr quint16 kProductId = 0xa1ee;
    static constexpr quint16 kCommandUsagePage = 0xff00;
    static constexpr quint16 kCommandUsage = 0xff00;
    static constexpr quint16 kEventUsagePage = 0xff01;
    static constexpr quint16 kEventUsage = 0xff01;
    static const char *const kCommandPath;
    static const char *const kEventPath;
    static const char *const kKeyboardPath;
    static const char *const kSecondCommandPath;

    static VirtualMouse &instance();

    // Factory state: plugged, both interfaces present, nothing logged or
    // queued, and a new firmware of the given kind.
    void reset(const Firmware::Config &config = {});
    Firmware::Config config() const;
    FirmwareState state() const;
    QString describe() const;
    void plug();
    void unplug();
    bool isPlugged() const;
    void setInterfacePresent(Interface interface, bool present);
    // A second interface with the command usages, listed after the first.
    void setSecondCommandInterface(bool present);

    void failNext(Fault fault, int count = 1);

    QList<WireEntry> wireLog() const;
    QList<WireEntry> wireLog(Report report) const;
    void clearWireLog();
    QList<ReceivedCommand> received() const;
    int openHandles() const;
    int opensSincePlug() const;
    // The most event-interface handles that were ever open at once.
    int mostEventHandlesAtOnce() const;

    // Reports the firmware will send on the command interface (data after the report ID).
    void queueInput(const QByteArray &report);
    // A report the mouse sends on its event interface.
    void pushEvent(const QByteArray &report);
    // The user presses the DPI button: the firmware switches stage and reports it.
    void pressDpiButton(int stage);

    // --- called by the hidapi layer -------------------------------------------------
    struct Handle
    {
        Interface interface;
        int generation;
    };
    struct Enumerated
    {
        QByteArray path;
        quint16 vid, pid, usagePage, usage;
    };
    QList<Enumerated> enumerate(quint16 vid, quint16 pid) const;
    Handle *open(const char *path);
    void close(Handle *handle);
    int sendFeature(Handle *handle, const unsigned char *data, size_t length);
    int getFeature(Handle *handle, unsigned char *data, size_t length);
    int write(Handle *handle, const unsigned char *data, size_t length);
    int read(Handle *handle, unsigned char *data, size_t length, int timeoutMs);

private:
    VirtualMouse();
    bool takeFault(Fault fault);
    bool usable(const Handle *handle) const;
    void log(Interface interface, Report report, const QByteArray &bytes);

    mutable QMutex m_mutex;
    bool m_plugged = true;
    bool m_commandPresent = true;
    bool m_eventPresent = true;
    bool m_secondCommand = false;
    int m_eventHandles = 0;
    int m_mostEventHandles = 0;
    int m_generation = 0;
    int m_openHandles = 0;
    int m_opens = 0;
    std::map<Fault, int> m_faults;
    QList<WireEntry> m_log;
    QList<ReceivedCommand> m_received;
    Firmware m_firmware;
    std::deque<QByteArray> m_input;
    std::deque<QByteArray> m_events;
};

} // namespace sim
