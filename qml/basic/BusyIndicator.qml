import QtQuick
import "../common"

// "LOADING ......" pulsing while the interface is locked.
Item {
    id: indicator

    property bool busy: false
    property string text: qsTr("LOADING ......")

    function setBusy(state) {
        busy = state
    }

    width: label.implicitWidth + 48
    height: 40
    visible: busy

    Rectangle {
        anchors.fill: parent
        radius: 6
        color: "#e01a1a1a"
        border.color: "#4a4a4e"
    }

    Text {
        id: label
        anchors.centerIn: parent
        text: indicator.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.letterSpacing: 1
        color: Theme.colorOrange

        SequentialAnimation on opacity {
            running: indicator.busy
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
