import QtQuick
import "../common"

// The position mark of a list that holds more than it shows. Place it beside
// the list, not in it: a list's children scroll with its content.
Rectangle {
    property Flickable list

    visible: list !== null && list.contentHeight > list.height
    x: list ? list.x + list.width - 3 : 0
    y: list ? list.y + list.visibleArea.yPosition * list.height : 0
    width: 3
    height: list ? list.visibleArea.heightRatio * list.height : 0
    radius: 1
    color: Theme.colorGray1
}
