import QtQuick
import "../common"

// Holds the place of a page that is not built yet: it shows its name and
// answers the page calls of the main window.
Rectangle {
    id: page

    property string pageName
    property bool isSave: false

    signal closed()

    function init(isSendData, isRecovery) {
    }

    function save() {
    }

    function open() {
        visible = true
    }

    function close() {
        visible = false
        closed()
    }

    radius: 6
    color: "#1e1e22"
    border.color: "#4a4a4e"

    Text {
        anchors.centerIn: parent
        width: parent.width - 24
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: page.pageName
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray2
    }
}
