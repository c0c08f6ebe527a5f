import QtQuick

// Stands in for the main scene: records what the native side calls.
Item {
    width: 1024
    height: 640
    visible: false

    property var calls: []
    property var protectInterval: undefined
    property int currentDpiStage: -1
    property var lastKeyboard: []
    property var lastMouse: []

    function record(name) {
        calls = calls.concat([name])
    }

    function initUI() { record("initUI") }
    function run() { record("run") }
    function setProtectUI(interval) { record("setProtectUI"); protectInterval = interval }
    function setCurrentDPI(dpiValue) {
        record("setCurrentDPI")
        if (dpiValue !== 0)
            currentDpiStage = dpiValue - 1
    }
    function detectKeyboard(isDown, usbCode) { lastKeyboard = [isDown, usbCode] }
    function detectMouse(isDown, code, x, y) { lastMouse = [isDown, code, x, y] }
}
