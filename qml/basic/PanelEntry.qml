import QtQuick
import "../common"

// A full-width entry of a side panel that opens a page.
Rectangle {
    id: entry

    property alias text: label.text

    signal clicked()

    x: 6
    width: parent ? parent.width - 12 : 220
    height: 28
    radius: 4
    color: area.containsMouse ? Qt.rgba(1, 0.87, 0, 0.12) : "transparent"

    Rectangle {
        x: 6
        anchors.verticalCenter: parent.verticalCenter
        width: 3
        height: 12
        radius: 1
        color: Theme.colorOrange
    }

    Text {
        id: label
        x: 18
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width - 40
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: area.containsMouse ? Theme.colorOrange : Theme.fontColor
    }

    Image {
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        width: 12
        height: 12
        source: Theme.image("pageDown")
        rotation: -90
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: entry.clicked()
    }
}
