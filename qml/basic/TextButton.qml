import QtQuick
import "../common"

// A flat button with a text: grey, yellow on hover, red while it warns.
Rectangle {
    id: button

    property alias text: label.text
    property bool alert: false
    property bool accent: false

    signal clicked()

    width: 64
    height: 24
    radius: 4
    color: area.pressed ? Qt.darker(Theme.colorOrange, 1.2)
         : area.containsMouse ? Theme.colorOrange
         : alert ? Theme.colorUnsaved
         : accent ? Qt.rgba(1, 0.87, 0, 0.16) : Theme.colorGray1
    border.color: alert ? Theme.colorUnsaved : accent ? Theme.colorOrange : "#4a4a4e"
    border.width: 1

    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 4
        anchors.rightMargin: 4
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        // Longer translations shrink a little before they would be cut.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontMinSize - 1
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: area.containsMouse || area.pressed ? Theme.colorGray0 : Theme.fontColor
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
