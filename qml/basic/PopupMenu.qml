import QtQuick
import "../common"

// A context menu: a column of MenuEntry items shown at a point of its parent
// and kept inside it.
Rectangle {
    id: menu

    default property alias entries: column.data

    function openAt(point) {
        const right = parent ? parent.width : point.x + width
        const bottom = parent ? parent.height : point.y + height
        x = Math.max(4, Math.min(point.x, right - width - 4))
        y = Math.max(4, Math.min(point.y, bottom - height - 4))
        visible = true
    }

    visible: false
    z: 10
    width: 168
    height: column.height + 4
    radius: 4
    color: "#202024"
    border.color: "#4a4a4e"

    Column {
        id: column
        x: 2
        y: 2
        width: menu.width - 4
    }
}
