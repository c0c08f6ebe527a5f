import QtQuick
import "../common"

// The help menu: the maker's web page and the version.
Rectangle {
    id: menu

    property string url
    property string versionText: "verison:1.0"

    signal chosen(int index)

    width: 200
    height: 2 * 24 + 4
    visible: false
    z: 90
    radius: 4
    color: "#202024"
    border.color: "#4a4a4e"

    Column {
        x: 2
        y: 2
        width: parent.width - 4

        Repeater {
            model: [menu.url, menu.versionText]

            Rectangle {
                required property int index
                required property string modelData
                width: parent.width
                height: 24
                radius: 3
                color: itemArea.containsMouse ? Theme.colorOrange : "transparent"

                Text {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: parent.modelData
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    color: itemArea.containsMouse ? Theme.colorGray0 : Theme.fontColor
                }

                MouseArea {
                    id: itemArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: menu.chosen(parent.index)
                }
            }
        }
    }
}
