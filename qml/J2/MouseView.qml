import QtQuick
import "../common"

// The mouse from above and from the side, over the middle of the window; the
// button being pointed at or edited is highlighted in both views.
Item {
    id: view

    property int keyCount: 8
    property int highlighted: -1

    Image {
        id: front
        x: 392
        y: 96
        source: Theme.image("MouseFront")

        Image {
            anchors.fill: parent
            visible: view.highlighted >= 0 && view.highlighted < view.keyCount
            source: visible ? Theme.image("Mouse" + view.highlighted + "S") : ""
        }
    }

    Image {
        id: side
        x: 362
        y: 420
        source: Theme.image("MouseSide")

        Image {
            anchors.fill: parent
            visible: view.highlighted >= 0 && view.highlighted < view.keyCount
            source: visible ? Theme.image("MouseSide" + view.highlighted + "S") : ""
        }
    }
}
