import QtQuick

// The main window's scene. It starts invisible and makes no call out of the
// scene while it loads: the native side shows it through initUI().
Item {
    id: mainIten
    width: 1024
    height: 640
    visible: false

    // Index of the DPI stage the mouse reports as current; -1 until it does.
    property int currentDpiStage: -1

    signal msg_KB(var isDown, var usbCode)
    signal msg_MS(var isDown, var code, var x, var y)

    // Native calls pass QVariant arguments, so these functions stay untyped.
    function initUI() {
        visible = true
    }

    function run() {
    }

    function setProtectUI(interval) {
    }

    function setCurrentDPI(dpiValue) {
        if (dpiValue !== 0)
            currentDpiStage = dpiValue - 1
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, code, x, y) {
        msg_MS(isDown, code, x, y)
    }

    Rectangle {
        anchors.fill: parent
        radius: 12
        color: "#1b1d22"
        border.color: "#3a3d45"

        Text {
            anchors.centerIn: parent
            text: "KM7 Config"
            color: "#e6e6e6"
            font.pixelSize: 32
        }
    }
}
