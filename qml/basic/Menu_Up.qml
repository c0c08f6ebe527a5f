import QtQuick
import "../common"

// The window buttons: help, minimise and close (reported as 2, 0 and 1).
Row {
    id: menu

    property url sourceAsk
    property url sourceAskH
    property url sourceMinBtn
    property url sourceMinBtnH
    property url sourceCloseBtn
    property url sourceCloseBtnH

    signal buttonClicked(int index)

    spacing: 16

    ImageButton {
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        index: 2
        normalSource: menu.sourceAsk
        hoverSource: menu.sourceAskH
        onClicked: index => menu.buttonClicked(index)
    }
    ImageButton {
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        index: 0
        normalSource: menu.sourceMinBtn
        hoverSource: menu.sourceMinBtnH
        onClicked: index => menu.buttonClicked(index)
    }
    ImageButton {
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        index: 1
        normalSource: menu.sourceCloseBtn
        hoverSource: menu.sourceCloseBtnH
        onClicked: index => menu.buttonClicked(index)
    }
}
