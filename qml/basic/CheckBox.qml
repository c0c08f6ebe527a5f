import QtQuick
import "../common"

// A check box with its text; the whole row toggles it.
Item {
    id: box

    property bool checked: false
    property alias text: label.text

    signal toggled(bool checked)

    implicitWidth: mark.width + 8 + label.implicitWidth
    implicitHeight: 20

    Image {
        id: mark
        anchors.verticalCenter: parent.verticalCenter
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        source: Theme.image(box.checked ? "checkBtnS" : "checkBtn")
    }

    Text {
        id: label
        anchors.left: mark.right
        anchors.leftMargin: 8
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontMinSize - 1
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: area.containsMouse ? Theme.colorOrange : Theme.fontColor
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: {
            box.checked = !box.checked
            box.toggled(box.checked)
        }
    }
}
