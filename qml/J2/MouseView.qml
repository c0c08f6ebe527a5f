import QtQuick
import "../common"

// The mouse from above and from the side, over the middle of the window; the
// button being pointed at or edited is highlighted in both views. Pointing at
// a button on the picture reports it like the button list does.
Item {
    id: picture

    property int keyCount: 8
    // Set by the main page: the button hovered in the list or here, or the
    // one being edited.
    property int highlighted: -1
    readonly property int hoveredIndex: hoveredArea

    signal hovered(int index)
    signal clicked(int index)

    // Each button's rectangle in the picture's own pixels (front 220 × 300,
    // side 300 × 180), or null where that view does not show it.
    readonly property var areas: [
        { front: Qt.rect(46, 14, 61, 114), side: Qt.rect(11, 56, 118, 46) },   // 0 left click
        { front: Qt.rect(113, 14, 61, 114), side: null },                      // 1 right click
        { front: Qt.rect(104, 36, 12, 42), side: Qt.rect(39, 73, 28, 12) },    // 2 wheel
        { front: Qt.rect(43, 121, 8, 33), side: Qt.rect(124, 74, 40, 18) },    // 3 back
        { front: Qt.rect(41, 87, 7, 30), side: Qt.rect(84, 81, 39, 19) },      // 4 forward
        { front: Qt.rect(103, 89, 14, 11), side: null },                       // 5 DPI+
        { front: Qt.rect(103, 104, 14, 11), side: null },                      // 6 DPI-
        { front: Qt.rect(51, 72, 12, 30), side: Qt.rect(72, 62, 28, 13) }      // 7 fire key
    ]

    readonly property int shownCount: Math.max(0, Math.min(keyCount, areas.length))
    readonly property bool showsHighlight: highlighted >= 0 && highlighted < shownCount

    property int hoveredArea: -1

    onShownCountChanged: {
        inside = []
        updateHover()
    }

    // The hover areas of one view, larger first, so a small button lying on a
    // larger one (the fire key on the left click) is the one pointed at.
    function areasOf(viewName) {
        const result = []
        for (let i = 0; i < shownCount; ++i) {
            const r = areas[i][viewName]
            if (r)
                result.push({ index: i, rect: r })
        }
        return result.sort((a, b) => b.rect.width * b.rect.height - a.rect.width * a.rect.height)
    }

    // The areas under the pointer; the smallest of them is the one pointed at.
    property var inside: []

    function enter(viewName, index, size) {
        inside = inside.filter(item => item.view !== viewName || item.index !== index)
                       .concat([{ view: viewName, index: index, size: size }])
        updateHover()
    }

    function leave(viewName, index) {
        inside = inside.filter(item => item.view !== viewName || item.index !== index)
        updateHover()
    }

    function updateHover() {
        let best = null
        for (const item of inside) {
            if (!best || item.size < best.size)
                best = item
        }
        const index = best ? best.index : -1
        if (index !== hoveredArea) {
            hoveredArea = index
            hovered(index)
        }
    }

    component ButtonArea: MouseArea {
        required property var modelData
        x: modelData.rect.x
        y: modelData.rect.y
        width: modelData.rect.width
        height: modelData.rect.height
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
    }

    Image {
        id: front
        objectName: "frontView"
        x: 392
        y: 96
        width: 220
        height: 300
        sourceSize: Qt.size(220, 300)
        source: Theme.image("MouseFront")

        Image {
            anchors.fill: parent
            sourceSize: Qt.size(220, 300)
            visible: picture.showsHighlight
            source: visible ? Theme.image("Mouse" + picture.highlighted + "S") : ""
        }

        Repeater {
            model: picture.areasOf("front")
            ButtonArea {
                objectName: "frontArea" + modelData.index
                onContainsMouseChanged: containsMouse ? picture.enter("front", modelData.index, width * height)
                                                      : picture.leave("front", modelData.index)
                onClicked: picture.clicked(modelData.index)
            }
        }
    }

    Image {
        id: side
        objectName: "sideView"
        x: 362
        y: 420
        width: 300
        height: 180
        sourceSize: Qt.size(300, 180)
        source: Theme.image("MouseSide")

        Image {
            anchors.fill: parent
            sourceSize: Qt.size(300, 180)
            visible: picture.showsHighlight
            source: visible ? Theme.image("MouseSide" + picture.highlighted + "S") : ""
        }

        Repeater {
            model: picture.areasOf("side")
            ButtonArea {
                objectName: "sideArea" + modelData.index
                onContainsMouseChanged: containsMouse ? picture.enter("side", modelData.index, width * height)
                                                      : picture.leave("side", modelData.index)
                onClicked: picture.clicked(modelData.index)
            }
        }
    }
}
