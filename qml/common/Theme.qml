pragma Singleton
import QtQuick

// Fonts, colours and images every page uses; the main page exposes them as
// its root properties too.
QtObject {
    // Noto Sans CJK covers Latin, German and Chinese texts alike.
    readonly property string fontFamily: "Noto Sans CJK SC"
    readonly property int fontNormalSize: 12
    readonly property int fontMiddleSize: 14
    readonly property int fontMaxSize: 16
    readonly property int fontMinSize: 10
    readonly property color fontColor: "#ffffff"

    readonly property color colorGray0: "#1a1a1a"
    readonly property color colorGray1: "#3c3c3c"
    readonly property color colorGray2: "#969696"
    readonly property color colorGray3: "#d1d1d1"
    readonly property color colorBlue: "#ffdd00"
    readonly property color colorOrange: "#ffdd00"
    readonly property color colorBlack: "#000000"
    readonly property color colorUnsaved: "#ff3030"
    readonly property color colorPanel: "#141416"
    readonly property color colorMask: "#90000000"

    function image(name) {
        return "qrc:/modules/img/" + name + ".svg"
    }
}
