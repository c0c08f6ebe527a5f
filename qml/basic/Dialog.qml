import QtQuick
import "../common"

// A dialog frame with a title, centred in its parent when opened and
// draggable by its body without ever leaving the parent.
Rectangle {
    id: dialog

    property string title

    default property alias content: body.data

    function open() {
        x = Math.round((parent.width - width) / 2)
        y = Math.round((parent.height - height) / 2)
        visible = true
    }

    function close() {
        visible = false
    }

    visible: false
    radius: 6
    color: Theme.colorGray0
    border.color: "#4a4a4e"

    MouseArea {
        anchors.fill: parent
        drag.target: dialog
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: dialog.parent ? dialog.parent.width - dialog.width : 0
        drag.maximumY: dialog.parent ? dialog.parent.height - dialog.height : 0
    }

    Text {
        x: 16
        y: 10
        text: dialog.title
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
        color: Theme.fontColor
    }

    Item {
        id: body
        anchors.fill: parent
    }
}
