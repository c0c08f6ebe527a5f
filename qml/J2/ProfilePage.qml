import QtQuick
import "../basic"
import "../common"
import "../common/texts.mjs" as Texts
import "../common/profilelist.mjs" as Profiles

// The profile page: the user's profiles (at most six), each a name and the
// number of the profile file it uses. New, Import, Export, Delete and
// Rename (double click) change the list, which is stored after every change;
// the title bar's drop-down shows the same list. The radio mark of a row
// shows the profile in use and switches to that profile when clicked.
Dialog {
    id: page

    // Injected by the main page.
    property var view: null
    property var texts: Texts.builtIn("profile")
    // The number of the profile in use.
    property int currentProfile: 0

    // The frame every page has; this page stores each change at once.
    property bool isSave: false

    // [{ name, number }] in list order.
    property var entries: []
    readonly property var names: entries.map(entry => entry.name)
    readonly property var numbers: entries.map(entry => entry.number)
    // Position of the profile in use, for the title bar's drop-down.
    readonly property int currentIndex: numbers.indexOf(currentProfile)

    property int selectedIndex: -1
    property int editingIndex: -1

    // The user asks to use profile `number`.
    signal profileChosen(int number)
    // A profile file was replaced by an imported one; when it is the profile
    // in use the pages showing it have to read it again.
    signal profileImported(int number)

    function text(id) {
        const i = Texts.indexOf("profile", id)
        const value = texts ? texts[i] : undefined
        return value ? String(value) : Texts.builtIn("profile")[i]
    }

    function init(isSendData, isRecovery) {
        const stored = view ? view.getNameList(2) : []
        entries = Profiles.withStandard(Profiles.parse(stored), text("standard"))
        selectedIndex = 0
        editingIndex = -1
        store()
    }

    function save() {
    }

    function open() {
        dismiss()
        editingIndex = -1
        selectedIndex = Math.max(0, currentIndex)
        if (parent) {
            x = Math.round((parent.width - width) / 2)
            y = Math.round((parent.height - height) / 2)
        }
        visible = true
    }

    function close() {
        dismiss()
        visible = false
    }

    // Ends editing and closes the context menu.
    function dismiss() {
        if (editingIndex >= 0)
            finishRename(editingText)
        menu.visible = false
    }

    function store() {
        if (view)
            view.updataNameList(2, Profiles.serialize(entries))
    }

    function select(index) {
        if (index >= 0 && index < entries.length)
            selectedIndex = index
    }

    function choose(index) {
        if (index >= 0 && index < entries.length)
            profileChosen(entries[index].number)
    }

    // A new profile with the factory values.
    function newProfile() {
        dismiss()
        const list = Profiles.added(entries)
        if (!list)
            return
        const number = list[list.length - 1].number
        entries = list
        selectedIndex = list.length - 1
        store()
        if (view)
            view.resetProfile(number)
    }

    // A profile from a file chosen by the user: a new entry while there is
    // room, else it replaces the selected profile. A cancelled file dialog
    // adds nothing.
    function importProfile() {
        dismiss()
        if (!view)
            return
        const list = Profiles.added(entries)
        if (list) {
            const number = list[list.length - 1].number
            if (!view.loadProfile(number))
                return
            entries = list
            selectedIndex = list.length - 1
            store()
            profileImported(number)
        } else if (selectedIndex >= 0 && selectedIndex < entries.length) {
            const number = entries[selectedIndex].number
            if (view.loadProfile(number))
                profileImported(number)
        }
    }

    // Exports the profile in use.
    function exportProfile() {
        dismiss()
        if (view)
            view.saveProfile(currentProfile)
    }

    readonly property bool canDeleteSelected: Profiles.canDelete(entries, selectedIndex, currentProfile)

    // Removes the selected entry from the list; its file stays as it is.
    function deleteSelected() {
        dismiss()
        if (!canDeleteSelected)
            return
        const list = entries.slice()
        list.splice(selectedIndex, 1)
        entries = list
        selectedIndex = Math.min(selectedIndex, list.length - 1)
        store()
    }

    property string editingText: ""

    function startRename(index) {
        dismiss()
        if (index <= 0 || index >= entries.length)
            return
        selectedIndex = index
        editingText = entries[index].name
        editingIndex = index
    }

    // Ends editing; a new unique name is taken and stored.
    function finishRename(newText) {
        const index = editingIndex
        editingIndex = -1
        rename(index, newText)
    }

    function rename(index, newText) {
        const name = Profiles.renameTo(entries, index, newText)
        if (name === "")
            return false
        const list = entries.slice()
        list[index] = { name: name, number: list[index].number }
        entries = list
        store()
        return true
    }

    width: 415
    height: 288
    title: text("title")

    // Presses on the background drag the page and end editing and menus.
    MouseArea {
        anchors.fill: parent
        drag.target: page
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: page.parent ? page.parent.width - page.width : 0
        drag.maximumY: page.parent ? page.parent.height - page.height : 0
        onPressed: page.dismiss()
    }

    ImageButton {
        objectName: "closeButton"
        x: page.width - 32
        y: 12
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        normalSource: Theme.image("closeBtn")
        hoverSource: Theme.image("closeBtnH")
        onClicked: page.close()
    }

    Rectangle {
        x: 1
        y: 40
        width: page.width - 2
        height: 1
        color: "#2e2e32"
    }

    Rectangle {
        id: listBox
        x: 16
        y: 52
        width: page.width - 32
        height: 6 * 28 + 8
        radius: 4
        color: Theme.colorPanel
        border.color: "#2e2e32"

        Column {
            id: rows
            x: 4
            y: 4
            width: listBox.width - 8

            Repeater {
                model: page.entries

                Rectangle {
                    id: row
                    required property int index
                    required property var modelData
                    readonly property bool selected: page.selectedIndex === index
                    readonly property bool inUse: modelData.number === page.currentProfile
                    readonly property bool editing: page.editingIndex === index

                    objectName: "profileRow" + index
                    width: rows.width
                    height: 28
                    radius: 3
                    color: selected ? Qt.rgba(1, 0.87, 0, 0.14) : rowArea.containsMouse ? "#222226" : "transparent"

                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        acceptedButtons: Qt.LeftButton | Qt.RightButton
                        onPressed: mouse => {
                            if (!row.editing)
                                page.dismiss()
                            page.select(row.index)
                            if (mouse.button === Qt.RightButton)
                                menu.openAt(rowArea.mapToItem(page, mouse.x, mouse.y))
                        }
                        onDoubleClicked: mouse => {
                            if (mouse.button === Qt.LeftButton)
                                page.startRename(row.index)
                        }
                    }

                    Image {
                        objectName: "useMark"
                        x: 8
                        anchors.verticalCenter: parent.verticalCenter
                        width: 16
                        height: 16
                        sourceSize: Qt.size(16, 16)
                        source: Theme.image(row.inUse ? "radioBtnS" : "radioBtn")

                        MouseArea {
                            anchors.fill: parent
                            anchors.margins: -4
                            cursorShape: Qt.PointingHandCursor
                            onClicked: {
                                page.dismiss()
                                page.select(row.index)
                                page.choose(row.index)
                            }
                        }
                    }

                    Text {
                        x: 34
                        width: row.width - x - 10
                        anchors.verticalCenter: parent.verticalCenter
                        visible: !row.editing
                        elide: Text.ElideRight
                        text: row.modelData.name
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        font.bold: row.inUse
                        color: row.selected || row.inUse ? Theme.colorOrange : Theme.fontColor
                    }

                    InlineEdit {
                        x: 30
                        width: row.width - x - 6
                        anchors.verticalCenter: parent.verticalCenter
                        active: row.editing
                        initialText: row.modelData.name
                        maximumLength: 32
                        onEdited: text => page.editingText = text
                        onFinished: text => page.finishRename(text)
                        onCancelled: page.editingIndex = -1
                    }
                }
            }
        }
    }

    Row {
        x: 16
        y: page.height - 36
        spacing: 10

        readonly property int buttonWidth: (page.width - 32 - 3 * spacing) / 4

        TextButton {
            objectName: "newButton"
            width: parent.buttonWidth
            text: page.text("new")
            accent: true
            onClicked: page.newProfile()
        }
        TextButton {
            objectName: "importButton"
            width: parent.buttonWidth
            text: page.text("import")
            onClicked: page.importProfile()
        }
        TextButton {
            objectName: "exportButton"
            width: parent.buttonWidth
            text: page.text("export")
            onClicked: page.exportProfile()
        }
        TextButton {
            objectName: "deleteButton"
            width: parent.buttonWidth
            text: page.text("delete")
            enabled: page.canDeleteSelected
            opacity: enabled ? 1 : 0.4
            onClicked: page.deleteSelected()
        }
    }

    // The context menu of an entry.
    PopupMenu {
        id: menu
        objectName: "contextMenu"
        width: 132

        MenuEntry {
            objectName: "menuDelete"
            text: page.text("delete")
            active: page.canDeleteSelected
            onTriggered: page.deleteSelected()
        }
        MenuEntry {
            objectName: "menuExport"
            text: page.text("export")
            onTriggered: page.exportProfile()
        }
    }
}
