import QtQuick
import "../common"

// A text field laid over a list row while its text is edited: it takes the
// focus when shown; Return or leaving it finishes, Escape cancels.
Rectangle {
    id: field

    // Shows the field with `initialText`, all selected.
    property bool active: false
    property string initialText: ""
    property alias maximumLength: input.maximumLength
    property alias inputMethodHints: input.inputMethodHints

    signal edited(string text)
    signal finished(string text)
    signal cancelled()

    visible: active
    height: 22
    radius: 3
    color: Theme.colorGray0
    border.color: Theme.colorOrange

    onActiveChanged: {
        if (active) {
            input.text = initialText
            input.selectAll()
            input.forceActiveFocus()
        }
    }

    TextInput {
        id: input
        objectName: "inlineInput"
        anchors.fill: parent
        anchors.leftMargin: 5
        anchors.rightMargin: 5
        verticalAlignment: TextInput.AlignVCenter
        clip: true
        selectByMouse: true
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.fontColor
        selectionColor: Theme.colorOrange
        selectedTextColor: Theme.colorGray0
        onTextEdited: field.edited(text)
        // Also emitted when the field loses the focus; only the first end counts.
        onEditingFinished: if (field.active) field.finished(text)
        Keys.onEscapePressed: field.cancelled()
    }
}
