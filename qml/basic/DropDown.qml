import QtQuick
import "../common"

// A drop-down list: the chosen text and an arrow; the list opens below it.
Item {
    id: dropDown

    property var model: []
    property int currentIndex: 0
    property bool open: false
    readonly property string currentText: currentIndex >= 0 && currentIndex < model.length ? model[currentIndex] : ""

    signal activated(int index)

    width: 144
    height: 24
    z: open ? 50 : 0

    function close() {
        open = false
    }

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: Theme.colorGray0
        border.color: dropDown.open || headArea.containsMouse ? Theme.colorOrange : "#4a4a4e"

        Text {
            anchors.left: parent.left
            anchors.leftMargin: 8
            anchors.right: arrow.left
            anchors.rightMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            text: dropDown.currentText
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: Theme.fontColor
        }

        Image {
            id: arrow
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            width: 12
            height: 8
            source: Theme.image(dropDown.open ? "dropBtnU" : "dropBtn")
        }

        MouseArea {
            id: headArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: dropDown.open = !dropDown.open
        }
    }

    Rectangle {
        id: list
        visible: dropDown.open
        y: dropDown.height + 2
        width: dropDown.width
        height: column.height + 4
        radius: 4
        color: "#202024"
        border.color: "#4a4a4e"

        Column {
            id: column
            x: 2
            y: 2
            width: parent.width - 4

            Repeater {
                model: dropDown.model

                Rectangle {
                    required property int index
                    required property string modelData
                    width: column.width
                    height: 24
                    radius: 3
                    color: itemArea.containsMouse ? Theme.colorOrange : "transparent"

                    Text {
                        anchors.fill: parent
                        anchors.leftMargin: 6
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        text: parent.modelData
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        color: itemArea.containsMouse ? Theme.colorGray0
                             : parent.index === dropDown.currentIndex ? Theme.colorOrange : Theme.fontColor
                    }

                    MouseArea {
                        id: itemArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            dropDown.open = false
                            dropDown.currentIndex = parent.index
                            dropDown.activated(parent.index)
                        }
                    }
                }
            }
        }
    }
}
