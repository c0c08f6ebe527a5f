// Global capture on X11: raw key and button events of every device, selected
// on the root window through XInput 2, read on the GUI thread from the X
// connection. Raw events arrive whatever window has the focus, and need no
// special rights.

#include "input/inputhook.h"
#include "input/linuxkeys.h"

#include <QSocketNotifier>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <memory>

namespace {

constexpr int kLeftAlt = 56;
constexpr int kRightAlt = 100;

class XInput2Capture final : public GlobalCapture
{
public:
    ~XInput2Capture() override { stop(); }

    bool start(InputHook &hook) override
    {
        stop();
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return false;
        int event = 0;
        int error = 0;
        // Version 2.1 and later deliver raw events also while another client
        // holds a grab (an open menu, a drag), which 2.0 does not.
        int major = 2;
        int minor = 2;
        if (!XQueryExtension(m_display, "XInputExtension", &m_opcode, &event, &error)
            || XIQueryVersion(m_display, &major, &minor) != Success) {
            stop();
            return false;
        }
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XIEventMask mask{XIAllMasterDevices, int(sizeof(bits)), bits};
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawButtonRelease);
        XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1);
        XFlush(m_display);
        m_hook = &hook;
        m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(m_display), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { drain(); });
        return true;
    }

    void stop() override
    {
        m_notifier.reset();
        if (m_display) {
            XCloseDisplay(m_display);
            m_display = nullptr;
        }
        m_hook = nullptr;
    }

private:
    void drain()
    {
        while (m_display && XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            XGenericEventCookie *cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != m_opcode || !XGetEventData(m_display, cookie))
                continue;
            const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
            switch (cookie->evtype) {
            case XI_RawKeyPress: key(raw->detail, true); break;
            case XI_RawKeyRelease: key(raw->detail, false); break;
            case XI_RawButtonPress: button(raw->detail, true); break;
            case XI_RawButtonRelease: button(raw->detail, false); break;
            default: break;
            }
            XFreeEventData(m_display, cookie);
        }
    }

    void key(int xKeyCode, bool pressed)
    {
        const int linuxKey = xKeyCode - linuxkeys::kXKeyCodeOffset;
        if (linuxKey == kLeftAlt || linuxKey == kRightAlt)
            (linuxKey == kLeftAlt ? m_leftAlt : m_rightAlt) = pressed;
        const auto scanCode = linuxkeys::scanCodeFor(linuxKey);
        if (scanCode && m_hook)
            m_hook->keyEvent(scanCode->code, scanCode->extended, m_leftAlt || m_rightAlt, pressed);
    }

    void button(int xButton, bool pressed)
    {
        // Buttons 1, 2, 3 are left, middle, right; the wheel and side buttons are not recorded.
        quint32 message = 0;
        switch (xButton) {
        case 1: message = pressed ? InputHook::LeftDown : InputHook::LeftUp; break;
        case 2: message = pressed ? InputHook::MiddleDown : InputHook::MiddleUp; break;
        case 3: message = pressed ? InputHook::RightDown : InputHook::RightUp; break;
        default: return;
        }
        Window root = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int winX = 0;
        int winY = 0;
        unsigned int state = 0;
        XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &winX, &winY, &state);
        if (m_hook)
            m_hook->mouseEvent(message, rootX, rootY);
    }

    Display *m_display = nullptr;
    int m_opcode = 0;
    InputHook *m_hook = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_leftAlt = false;
    bool m_rightAlt = false;
};

} // namespace

std::unique_ptr<GlobalCapture> GlobalCapture::forThisSession()
{
    // Without an X server (Wayland without XWayland) start() fails and nothing is captured.
    return std::make_unique<XInput2Capture>();
}
