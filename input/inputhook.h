#pragma once

#include "input/keytables.h"

#include <QByteArray>

#include <array>
#include <memory>

class GlobalCapture;

// One message of the warning channel: the sender's tag and its bytes.
struct CopyData
{
    quint32 dwData = 0;
    quint32 cbData = 0;
    QByteArray lpData;
};

// Records keys and mouse buttons system-wide for macro recording. The logic
// is portable: a platform capture layer feeds it scan codes and button
// messages, it turns keys into HID usage IDs, drops auto-repeat and releases
// of keys it never saw pressed, and hands each transition to the callbacks.
class InputHook
{
public:
    using KeyboardCallback = void (*)(int usage, bool pressed, void *context);
    using MouseCallback = void (*)(int buttonCode, bool pressed, int x, int y, void *context);
    using CopyDataCallback = void (*)(const CopyData &data, void *context);

    // Button messages of the capture layer (their numbers follow the mouse messages of the design).
    enum MouseMessage : quint32 {
        LeftDown = 0x0201,
        LeftUp = 0x0202,
        LeftDoubleClick = 0x0203,
        RightDown = 0x0204,
        RightUp = 0x0205,
        RightDoubleClick = 0x0206,
        MiddleDown = 0x0207,
        MiddleUp = 0x0208,
    };

    InputHook();
    ~InputHook();

    static InputHook &instance();

    // Builds the key maps and starts the platform capture; true when capture runs.
    bool start(bool nonUsHashKey);
    void stop();
    // Replaces the platform capture (tests); nullptr means none.
    void setCapture(std::unique_ptr<GlobalCapture> capture);

    void registerKeyboardCallback(KeyboardCallback callback, void *context);
    void registerMouseCallback(MouseCallback callback, void *context);
    // Also opens the warning channel of this program.
    void registerCopyDataCallback(CopyDataCallback callback, void *context);

    // From the capture layer: one key transition in scan code set 1.
    void keyEvent(int scanCode, bool extended, bool altDown, bool pressed);
    // From the capture layer: one mouse message with screen coordinates.
    void mouseEvent(quint32 message, int x, int y);
    // From the warning channel.
    void copyData(const CopyData &data);

    // The usage a key gives, 0 for none (no state change, no callback).
    int usageFor(int scanCode, bool extended, bool altDown) const;

private:
    bool m_nonUsHashKey = false;
    keytables::ScanCodeMap m_scanCodeToVirtualKey;
    keytables::VirtualKeyMap m_virtualKeyToUsage;
    std::array<bool, 256> m_keyDown{};
    KeyboardCallback m_keyboard = nullptr;
    void *m_keyboardContext = nullptr;
    MouseCallback m_mouse = nullptr;
    void *m_mouseContext = nullptr;
    CopyDataCallback m_copyData = nullptr;
    void *m_copyDataContext = nullptr;
    std::unique_ptr<GlobalCapture> m_capture;
    bool m_captureChosen = false;
};

// Where key and button events come from on this platform.
class GlobalCapture
{
public:
    virtual ~GlobalCapture() = default;
    virtual bool start(InputHook &hook) = 0;
    virtual void stop() = 0;

    // The capture this session supports, or nullptr.
    static std::unique_ptr<GlobalCapture> forThisSession();
};
