import QtQuick
import "../common"

// The window's background: the whole 1024 × 640 picture with the title band and logo.
Item {
    property url sourceBackground
    property url sourceTitleLogo

    width: 1024
    height: 640

    Image {
        anchors.fill: parent
        source: parent.sourceBackground
    }

    Image {
        x: 52
        y: 24
        source: parent.sourceTitleLogo
    }
}
