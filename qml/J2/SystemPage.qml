import QtQuick
import "../basic"

// Stands in for the System settings dialog until it is built.
PageStandIn {
    width: 420
    height: 300
    visible: false
    pageName: "System settings"

    MouseArea {
        anchors.fill: parent
        onClicked: parent.close()
    }
}
