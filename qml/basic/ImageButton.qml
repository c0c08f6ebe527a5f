import QtQuick

// An image that changes on hover and press and reports a click.
Image {
    id: button

    property url normalSource
    property url hoverSource: normalSource
    property url pressedSource: hoverSource
    property int index: 0

    signal clicked(int index)

    source: area.pressed ? pressedSource : area.containsMouse ? hoverSource : normalSource
    fillMode: Image.PreserveAspectFit
    smooth: true

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked(button.index)
    }
}
