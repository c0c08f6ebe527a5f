#include "input/inputhook.h"

#include "input/copydatachannel.h"

namespace {

constexpr int kCtrlBreakScanCode = 0x46; // with the extended flag
constexpr quint8 kPauseKey = 0x13;
constexpr int kSysRqScanCode = 0x54;     // with Alt held
constexpr quint8 kPrintScreenKey = 0x2C;

struct ButtonMessage
{
    int buttonCode;
    bool pressed;
};

ButtonMessage buttonOf(quint32 message)
{
    switch (message) {
    case InputHook::LeftDown: return {0xF0, true};
    case InputHook::LeftUp: return {0xF0, false};
    case InputHook::RightDown: return {0xF1, true};
    case InputHook::RightUp: return {0xF1, false};
    case InputHook::MiddleDown: return {0xF2, true};
    case InputHook::MiddleUp: return {0xF2, false};
    default: return {0, false}; // double-clicks and everything else
    }
}

} // namespace

InputHook::InputHook() = default;
InputHook::~InputHook() = default;

InputHook &InputHook::instance()
{
    static InputHook hook;
    return hook;
}

bool InputHook::start(bool nonUsHashKey)
{
    m_nonUsHashKey = nonUsHashKey;
    m_scanCodeToVirtualKey = keytables::buildScanCodeToVirtualKey();
    m_virtualKeyToUsage = keytables::buildVirtualKeyToUsage(nonUsHashKey);
    if (m_capture)
        m_capture->stop();
    if (!m_captureChosen) {
        m_capture = GlobalCapture::forThisSession();
        m_captureChosen = true;
    }
    return m_capture && m_capture->start(*this);
}

void InputHook::stop()
{
    if (m_capture)
        m_capture->stop();
}

void InputHook::setCapture(std::unique_ptr<GlobalCapture> capture)
{
    if (m_capture)
        m_capture->stop();
    m_capture = std::move(capture);
    m_captureChosen = true;
}

void InputHook::registerKeyboardCallback(KeyboardCallback callback, void *context)
{
    m_keyboard = callback;
    m_keyboardContext = context;
}

void InputHook::registerMouseCallback(MouseCallback callback, void *context)
{
    m_mouse = callback;
    m_mouseContext = context;
}

void InputHook::registerCopyDataCallback(CopyDataCallback callback, void *context)
{
    m_copyData = callback;
    m_copyDataContext = context;
    // The program's channel belongs to the process-wide hook.
    if (this == &instance())
        CopyDataChannel::open();
}

int InputHook::usageFor(int scanCode, bool extended, bool altDown) const
{
    if (scanCode < 0 || scanCode > 0xFF)
        scanCode = 0;
    const auto found = m_scanCodeToVirtualKey.find(keytables::scanKey(scanCode, extended));
    quint8 virtualKey = found == m_scanCodeToVirtualKey.end() ? 0 : found->second;
    if (scanCode == kCtrlBreakScanCode && extended)
        virtualKey = kPauseKey;
    else if (scanCode == kSysRqScanCode && altDown)
        virtualKey = kPrintScreenKey;
    if (virtualKey == 0)
        return 0;
    const auto usage = m_virtualKeyToUsage.find(virtualKey);
    return usage == m_virtualKeyToUsage.end() ? 0 : usage->second;
}

void InputHook::keyEvent(int scanCode, bool extended, bool altDown, bool pressed)
{
    const int usage = usageFor(scanCode, extended, altDown);
    // Auto-repeat, and releases of keys never reported as pressed, are dropped.
    if (usage == 0 || m_keyDown[size_t(usage)] == pressed)
        return;
    m_keyDown[size_t(usage)] = pressed;
    if (m_keyboard)
        m_keyboard(usage, pressed, m_keyboardContext);
}

void InputHook::mouseEvent(quint32 message, int x, int y)
{
    const ButtonMessage button = buttonOf(message);
    if (button.buttonCode != 0 && m_mouse)
        m_mouse(button.buttonCode, button.pressed, x, y, m_mouseContext);
}

void InputHook::copyData(const CopyData &data)
{
    if (m_copyData)
        m_copyData(data, m_copyDataContext);
}
