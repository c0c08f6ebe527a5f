import QtQuick
import "../basic"
import "../common"

// The macro editor's insert-key dialog, over the editor: it shows the key
// the editor captured last; OK inserts that key.
Rectangle {
    id: dialog

    property string title
    property string prompt
    property string okText
    // The captured key's name, "" while none was pressed.
    property string keyName: ""

    signal accepted()
    signal rejected()

    radius: 6
    color: Theme.colorMask

    // Nothing under the dialog takes clicks while it is shown.
    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        anchors.centerIn: parent
        width: 300
        height: 160
        radius: 6
        color: Theme.colorGray0
        border.color: "#4a4a4e"

        Text {
            x: 16
            y: 10
            width: parent.width - 56
            elide: Text.ElideRight
            text: dialog.title
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
            font.bold: true
            color: Theme.fontColor
        }

        ImageButton {
            x: parent.width - 32
            y: 12
            width: 16
            height: 16
            sourceSize: Qt.size(16, 16)
            normalSource: Theme.image("closeBtn")
            hoverSource: Theme.image("closeBtnH")
            onClicked: dialog.rejected()
        }

        Text {
            x: 16
            y: 40
            width: parent.width - 32
            elide: Text.ElideRight
            text: dialog.prompt
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: Theme.colorGray2
        }

        Rectangle {
            x: 16
            y: 62
            width: parent.width - 32
            height: 40
            radius: 4
            color: "#1e1e22"
            border.color: Theme.colorOrange

            Text {
                objectName: "insertKeyName"
                anchors.fill: parent
                anchors.margins: 8
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: dialog.keyName !== "" ? dialog.keyName : "…"
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMaxSize
                font.bold: dialog.keyName !== ""
                color: dialog.keyName !== "" ? Theme.colorOrange : Theme.colorGray2
            }
        }

        TextButton {
            objectName: "insertKeyOk"
            x: parent.width - width - 16
            y: parent.height - 36
            width: 88
            height: 25
            accent: true
            text: dialog.okText
            enabled: dialog.keyName !== ""
            opacity: enabled ? 1 : 0.4
            onClicked: dialog.accepted()
        }
    }
}
