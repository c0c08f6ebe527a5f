import QtQuick
import "../basic"

// Stands in for the Button assignment dialog until it is built.
PageStandIn {
    width: 560
    height: 400
    visible: false
    pageName: "Button assignment"

    // Whether the fire or combination field waits for a key.
    property bool capturing: false

    function keyEvent(isDown, usbCode) {
    }

    MouseArea {
        anchors.fill: parent
        onClicked: parent.close()
    }
}
