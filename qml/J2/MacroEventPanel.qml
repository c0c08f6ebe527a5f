import QtQuick
import "../basic"
import "../common"
import "../common/macrolist.mjs" as Macro

// The macro editor's event list with its context menu, the record button,
// the delay check box and the repeat count. Everything it does goes through
// the editor.
Item {
    id: panel

    property var editor

    function closeMenu() {
        menu.visible = false
    }

    // Leaving the field commits or undoes what was typed.
    function leaveRepeatField() {
        if (repeatInput.activeFocus)
            repeatInput.focus = false
    }

    Connections {
        target: panel.editor
        function onRepeatCountChanged() {
            if (!repeatInput.activeFocus)
                repeatInput.text = String(panel.editor.repeatCount)
        }
        function onSelectedEventChanged() {
            Qt.callLater(panel.showSelected)
        }
        function onEventsChanged() {
            Qt.callLater(panel.showSelected)
        }
    }

    // Keeps the selected event, or the newest recorded one, in sight.
    function showSelected() {
        if (editor.selectedEvent >= 0 && editor.selectedEvent < list.count)
            list.positionViewAtIndex(editor.selectedEvent, ListView.Contain)
        else if (editor.recording)
            list.positionViewAtEnd()
    }

    Text {
        width: panel.width - meter.width - 8
        height: 20
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: panel.editor.text("action")
              + (panel.editor.selectedName !== "" ? "  \u00b7  " + panel.editor.selectedName : "")
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray2
    }

    // How much of the mouse's macro block the macro fills.
    Item {
        id: meter
        objectName: "sizeMeter"
        x: panel.width - width
        width: 112
        height: 20

        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 48
            height: 4
            radius: 2
            color: Theme.colorGray1

            Rectangle {
                width: parent.width * Math.min(1, panel.editor.byteCount / Macro.SIZE_LIMIT)
                height: parent.height
                radius: 2
                color: panel.editor.full ? Theme.colorUnsaved : Theme.colorOrange
            }
        }

        Text {
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            text: panel.editor.byteCount + " / " + Macro.SIZE_LIMIT
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMinSize
            color: panel.editor.full ? Theme.colorUnsaved : Theme.colorGray2
        }
    }

    Rectangle {
        id: box
        y: 24
        width: panel.width
        height: 296
        radius: 4
        color: Theme.colorPanel
        border.color: panel.editor.recording ? Theme.colorUnsaved : "#2e2e32"

        // A press below the events clears the selection, so inserts go to the end.
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onPressed: mouse => {
                panel.editor.dismiss()
                if (!panel.editor.canEdit)
                    return
                panel.editor.selectedEvent = -1
                if (mouse.button === Qt.RightButton)
                    menu.openAt(mapToItem(panel, mouse.x, mouse.y))
            }
        }

        ListView {
            id: list
            objectName: "eventList"
            anchors.fill: parent
            anchors.margins: 3
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: panel.editor.events

            delegate: MacroEventRow {
                objectName: "eventRow" + index
                width: list.width - (list.contentHeight > list.height ? 6 : 0)
                selected: panel.editor.selectedEvent === index
                editing: panel.editor.editingEvent === index
                onPressedWith: (button, x, y) => {
                    panel.editor.dismiss()
                    if (!panel.editor.canEdit)
                        return
                    panel.editor.selectedEvent = index
                    if (button === Qt.RightButton)
                        menu.openAt(mapToItem(panel, x, y))
                }
                onDoubleClicked: panel.editor.startDelayEdit(index)
                onEdited: text => panel.editor.delayEditText = text
                onFinished: text => panel.editor.finishDelayEdit(text)
                onCancelled: panel.editor.editingEvent = -1
            }
        }

        ScrollMark { list: list }
    }

    // Recording.
    Row {
        y: box.y + box.height + 12
        spacing: 16

        TextButton {
            objectName: "recordButton"
            width: 140
            accent: !panel.editor.recording
            alert: panel.editor.recording
            text: panel.editor.text(panel.editor.recording ? "stopRecord" : "startRecord")
            enabled: panel.editor.selectedMacro >= 0
            opacity: enabled ? 1 : 0.4
            onClicked: panel.editor.toggleRecording()
        }

        CheckBox {
            objectName: "delayBox"
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, panel.width - 156)
            text: panel.editor.text("delay")
            checked: panel.editor.recordDelays
            onToggled: checked => panel.editor.recordDelays = checked
        }
    }

    // The repeat count.
    Row {
        y: box.y + box.height + 42
        height: 24
        spacing: 8

        Text {
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, 200)
            elide: Text.ElideRight
            text: panel.editor.text("times")
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: Theme.fontColor
        }

        Rectangle {
            width: 72
            height: 24
            radius: 4
            color: Theme.colorGray0
            border.color: repeatInput.activeFocus ? Theme.colorOrange : "#4a4a4e"
            opacity: panel.editor.selectedMacro >= 0 ? 1 : 0.4

            // Anything but 1 to 65535 is undone when the field is left.
            TextInput {
                id: repeatInput
                objectName: "repeatInput"
                anchors.fill: parent
                anchors.margins: 6
                enabled: panel.editor.selectedMacro >= 0
                verticalAlignment: TextInput.AlignVCenter
                horizontalAlignment: TextInput.AlignHCenter
                maximumLength: 5
                inputMethodHints: Qt.ImhDigitsOnly
                selectByMouse: true
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: Theme.fontColor
                selectionColor: Theme.colorOrange
                selectedTextColor: Theme.colorGray0
                onEditingFinished: if (!panel.editor.setRepeat(text)) text = String(panel.editor.repeatCount)
                Component.onCompleted: text = String(panel.editor.repeatCount)
            }
        }
    }

    PopupMenu {
        id: menu
        objectName: "eventMenu"

        MenuEntry {
            objectName: "eventMenuDelete"
            text: panel.editor.text("menuDelete")
            active: panel.editor.selectedEvent >= 0
            onTriggered: panel.editor.deleteEvent(panel.editor.selectedEvent)
        }
        MenuEntry {
            objectName: "eventMenuDelay"
            text: panel.editor.text("insertDelay")
            active: !panel.editor.full
            onTriggered: panel.editor.insertDelay()
        }
        MenuEntry {
            objectName: "eventMenuKey"
            text: panel.editor.text("insertKey")
            active: !panel.editor.full
            onTriggered: panel.editor.openInsertKey()
        }
        MenuEntry {
            objectName: "eventMenuLeft"
            text: panel.editor.text("insertLeftKey")
            active: !panel.editor.full
            onTriggered: panel.editor.insertMouseButton(Macro.LEFT_BUTTON)
        }
        MenuEntry {
            objectName: "eventMenuMiddle"
            text: panel.editor.text("insertMiddleKey")
            active: !panel.editor.full
            onTriggered: panel.editor.insertMouseButton(Macro.MIDDLE_BUTTON)
        }
        MenuEntry {
            objectName: "eventMenuRight"
            text: panel.editor.text("insertRightKey")
            active: !panel.editor.full
            onTriggered: panel.editor.insertMouseButton(Macro.RIGHT_BUTTON)
        }
    }
}
