import QtQuick
import "../common"

// One entry of a PopupMenu; an inactive entry is greyed and does nothing.
Rectangle {
    id: entry

    property alias text: label.text
    property bool active: true

    signal triggered()

    width: parent ? parent.width : 100
    height: 24
    radius: 3
    color: area.containsMouse && active ? Theme.colorOrange : "transparent"

    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 6
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontMinSize - 1
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: !entry.active ? Theme.colorGray1 : area.containsMouse ? Theme.colorGray0 : Theme.fontColor
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: if (entry.active) entry.triggered()
    }
}
