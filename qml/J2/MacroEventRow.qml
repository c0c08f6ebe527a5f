import QtQuick
import "../basic"
import "../common"
import "../common/macrolist.mjs" as Macro

// One event of a macro: its position, the icon of its type, and the delay in
// milliseconds or the key name. A delay is edited in place.
Rectangle {
    id: row

    required property int index
    required property var modelData
    property bool selected: false
    property bool editing: false
    readonly property bool isDelay: modelData.type === Macro.Type.delay

    signal pressedWith(int button, real x, real y)
    signal doubleClicked()
    signal edited(string text)
    signal finished(string text)
    signal cancelled()

    readonly property var icons: ["macroKeyDelay", "macroKeyPress", "macroKeyRelease",
                                  "macroMousePress", "macroMouseRelease"]

    height: 24
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
        x: 4
        width: 32
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignRight
        text: row.index + 1
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
        color: Theme.colorGray2
    }

    Image {
        x: 44
        anchors.verticalCenter: parent.verticalCenter
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        source: Theme.image(row.icons[row.modelData.type] || row.icons[0])
    }

    Text {
        objectName: "eventText"
        x: 70
        width: row.width - x - 8
        anchors.verticalCenter: parent.verticalCenter
        visible: !row.editing
        elide: Text.ElideRight
        text: row.isDelay ? row.modelData.info + " ms" : row.modelData.info
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: row.selected ? Theme.colorOrange : row.isDelay ? Theme.colorGray3 : Theme.fontColor
    }

    InlineEdit {
        id: field
        x: 66
        width: 80
        height: 20
        anchors.verticalCenter: parent.verticalCenter
        active: row.editing
        initialText: row.modelData.info
        maximumLength: 6
        inputMethodHints: Qt.ImhDigitsOnly
        onEdited: text => row.edited(text)
        onFinished: text => row.finished(text)
        onCancelled: row.cancelled()
    }

    Text {
        visible: row.editing
        anchors.left: field.right
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        text: "ms"
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray2
    }
}
