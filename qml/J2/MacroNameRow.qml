import QtQuick
import "../basic"
import "../common"

// One macro of the macro editor's library; a field replaces the name while
// it is being renamed.
Rectangle {
    id: row

    required property int index
    required property string modelData
    property bool selected: false
    property bool editing: false

    signal pressedWith(int button, real x, real y)
    signal doubleClicked()
    signal edited(string text)
    signal finished(string text)
    signal cancelled()

    height: 26
    radius: 3
    color: selected ? Qt.rgba(1, 0.87, 0, 0.14) : area.containsMouse ? "#222226" : "transparent"

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: mouse => {
            if (!row.editing)
                row.pressedWith(mouse.button, mouse.x, mouse.y)
        }
        onDoubleClicked: mouse => {
            if (mouse.button === Qt.LeftButton)
                row.doubleClicked()
        }
    }

    Text {
        x: 10
        width: row.width - 16
        anchors.verticalCenter: parent.verticalCenter
        visible: !row.editing
        elide: Text.ElideRight
        text: row.modelData
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: row.selected ? Theme.colorOrange : Theme.fontColor
    }

    InlineEdit {
        x: 4
        width: row.width - 8
        anchors.verticalCenter: parent.verticalCenter
        active: row.editing
        initialText: row.modelData
        maximumLength: 40
        onEdited: text => row.edited(text)
        onFinished: text => row.finished(text)
        onCancelled: row.cancelled()
    }
}
