import QtQuick
import "../basic"

// Stands in for the Recoil editor dialog until it is built.
PageStandIn {
    width: 560
    height: 400
    visible: false
    pageName: "Recoil editor"

    function reset() {
    }

    MouseArea {
        anchors.fill: parent
        onClicked: parent.close()
    }
}
