import QtQuick
import "../basic"
import "../common"
import "../common/macrolist.mjs" as Macro

// The macro editor's library: the macro names, New, Delete, Import and
// Export, and the list's context menu. Everything it does goes through the
// editor.
Item {
    id: panel

    property var editor

    function closeMenu() {
        menu.visible = false
    }

    Text {
        width: panel.width
        height: 20
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: panel.editor.text("macroName")
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray2
    }

    Rectangle {
        id: box
        y: 24
        width: panel.width
        height: 296
        radius: 4
        color: Theme.colorPanel
        border.color: "#2e2e32"

        // Right clicks below the macros open the menu too (Import).
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onPressed: mouse => {
                panel.editor.dismiss()
                if (mouse.button === Qt.RightButton)
                    menu.openAt(mapToItem(panel, mouse.x, mouse.y))
            }
        }

        ListView {
            id: list
            objectName: "macroList"
            anchors.fill: parent
            anchors.margins: 3
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: panel.editor.macroNames

            delegate: MacroNameRow {
                objectName: "macroRow" + index
                width: list.width - (list.contentHeight > list.height ? 6 : 0)
                selected: panel.editor.selectedMacro === index
                editing: panel.editor.editingMacro === index
                onPressedWith: (button, x, y) => {
                    panel.editor.dismiss()
                    if (!selected)
                        panel.editor.selectMacro(index)
                    if (button === Qt.RightButton)
                        menu.openAt(mapToItem(panel, x, y))
                }
                onDoubleClicked: panel.editor.startRename(index)
                onEdited: text => panel.editor.editingText = text
                onFinished: text => panel.editor.finishRename(text)
                onCancelled: panel.editor.editingMacro = -1
            }
        }

        ScrollMark { list: list }
    }

    Grid {
        y: box.y + box.height + 12
        columns: 2
        columnSpacing: 8
        rowSpacing: 6

        readonly property int buttonWidth: (panel.width - columnSpacing) / 2
        readonly property bool roomLeft: panel.editor.macroNames.length < Macro.MAX_MACROS
        readonly property bool chosen: panel.editor.selectedMacro >= 0

        TextButton {
            objectName: "newButton"
            width: parent.buttonWidth
            accent: true
            text: panel.editor.text("new")
            enabled: parent.roomLeft
            opacity: enabled ? 1 : 0.4
            onClicked: panel.editor.newMacro()
        }
        TextButton {
            objectName: "deleteButton"
            width: parent.buttonWidth
            text: panel.editor.text("delete")
            enabled: parent.chosen
            opacity: enabled ? 1 : 0.4
            onClicked: panel.editor.deleteSelectedMacro()
        }
        TextButton {
            objectName: "importButton"
            width: parent.buttonWidth
            text: panel.editor.text("import")
            enabled: parent.roomLeft
            opacity: enabled ? 1 : 0.4
            onClicked: panel.editor.importMacro()
        }
        TextButton {
            objectName: "exportButton"
            width: parent.buttonWidth
            text: panel.editor.text("export")
            enabled: parent.chosen
            opacity: enabled ? 1 : 0.4
            onClicked: panel.editor.exportMacro()
        }
    }

    PopupMenu {
        id: menu
        objectName: "macroMenu"
        width: 150

        MenuEntry {
            objectName: "macroMenuDelete"
            text: panel.editor.text("menuDelete")
            active: panel.editor.selectedMacro >= 0
            onTriggered: panel.editor.deleteSelectedMacro()
        }
        MenuEntry {
            objectName: "macroMenuImport"
            text: panel.editor.text("import")
            active: panel.editor.macroNames.length < Macro.MAX_MACROS
            onTriggered: panel.editor.importMacro()
        }
        MenuEntry {
            objectName: "macroMenuExport"
            text: panel.editor.text("export")
            active: panel.editor.selectedMacro >= 0
            onTriggered: panel.editor.exportMacro()
        }
    }
}
