import QtQuick
import "../common"
import "../common/texts.mjs" as Texts
import "../common/assignments.mjs" as Assign

// The button list of the left panel: each shown button with its assignment.
// Pointing at a button highlights it on the mouse picture; clicking it asks
// for the assignment dialog.
Rectangle {
    id: list

    // Unsaved changes for the Save button.
    property bool isSave: false

    // Injected by the main page.
    property var view: null
    property var texts: Texts.builtIn("keyMatrix")
    property var assignTexts: Texts.builtIn("keyAssigment")
    // Key names and codes: the native key-name table (the Km7 singleton).
    property var keys: null
    property int keyCount: 8
    // The fire periods of recoil slots 1 to 3, sent with the key matrix.
    property var firePeriods: function () { return [0, 0, 0] }
    // The button highlighted from elsewhere (the mouse picture, the dialog).
    property int highlighted: -1

    // The 16 assignments (64 values) being edited, the factory ones, and the
    // text of each button.
    property var modKeys: Assign.normalizeList([])
    property var modKeys_tmp: Assign.normalizeList([])
    property var keyTexts: []

    readonly property int shownCount: Math.max(0, Math.min(Assign.buttonCount, keyCount))
    readonly property int hoveredIndex: rows.hoveredIndex

    signal hovered(int index)
    signal editRequested(int index)

    function init(isSendData, isRecovery) {
        const lists = Assign.loadAssignments((k, recovery) => view ? view.mouseGetKeydefine(k, recovery) : [],
                                             isRecovery === true)
        modKeys_tmp = lists.factory
        modKeys = lists.current
        isSave = false
        if (isSendData)
            send()
    }

    function save() {
        send()
    }

    // Stores and sends the list as it is now; the main page calls it after
    // putting back the buttons of a deleted macro, so the mouse stops running
    // a macro that no longer exists.
    function saveList() {
        refreshTexts()
        send()
        isSave = false
    }

    function send() {
        if (!view)
            return
        modKeys = Assign.normalizeList(modKeys)
        view.mouseSetKeyMatrix(modKeys, true, Assign.periods(firePeriods ? firePeriods() : []))
    }

    function assignmentOf(index) {
        return Assign.at(modKeys, index)
    }

    function factoryOf(index) {
        return Assign.at(modKeys_tmp, index)
    }

    // A new assignment from the dialog; the text is rebuilt from it.
    function assign(index, assignment4, text) {
        if (index < 0 || index >= Assign.buttonCount)
            return
        modKeys = Assign.withAssignment(modKeys, index, assignment4)
        isSave = true
    }

    // Asks for the dialog unless the button is the only left click.
    function requestEdit(index) {
        if (index < 0 || index >= shownCount)
            return false
        if (!Assign.canReassign(modKeys, index, shownCount)) {
            lockedHint.show()
            return false
        }
        lockedHint.hide()
        editRequested(index)
        return true
    }

    function textFor(assignment) {
        return Assign.assignmentText(assignment, {
            texts: assignTexts,
            listTexts: texts,
            keyName: code => keys ? keys.keyName(code) : "",
            macroName: slot => {
                const name = view ? view.getData("mouseMacroKey/" + slot, false) : ""
                return name === undefined || name === null ? "" : String(name)
            }
        })
    }

    // Rebuilds every button's text (after a change of the list, the
    // language, or a macro's name).
    function refreshTexts() {
        const result = []
        for (let k = 0; k < Assign.buttonCount; ++k)
            result.push(textFor(Assign.at(modKeys, k)))
        keyTexts = result
    }

    function buttonName(index) {
        const text = texts ? texts[index] : undefined
        return text ? String(text) : Texts.builtIn("keyMatrix")[index]
    }

    onModKeysChanged: refreshTexts()
    onTextsChanged: refreshTexts()
    onAssignTextsChanged: refreshTexts()
    onKeysChanged: refreshTexts()
    Component.onCompleted: refreshTexts()

    readonly property int rowHeight: 32
    readonly property int padding: 6

    width: 232
    height: Math.min(300, shownCount * rowHeight + 2 * padding)
    radius: 6
    color: Theme.colorPanel
    border.color: "#2e2e32"

    ListView {
        id: rows
        objectName: "buttonRows"

        property int hoveredIndex: -1

        x: list.padding
        y: list.padding
        width: list.width - 2 * list.padding
        height: list.height - 2 * list.padding
        clip: true
        interactive: contentHeight > height
        boundsBehavior: Flickable.StopAtBounds
        model: list.shownCount

        delegate: Rectangle {
            id: row

            required property int index
            readonly property bool active: area.containsMouse || list.highlighted === index
            readonly property bool locked: !Assign.canReassign(list.modKeys, index, list.shownCount)

            objectName: "buttonRow" + index
            width: rows.width - (rows.interactive ? 6 : 0)
            height: list.rowHeight
            radius: 4
            color: active ? Qt.rgba(1, 0.87, 0, 0.12) : "transparent"

            Rectangle {
                x: 4
                anchors.verticalCenter: parent.verticalCenter
                width: 3
                height: 14
                radius: 1
                color: Theme.colorOrange
                visible: row.active
            }

            Text {
                id: nameLabel
                x: 12
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                width: 70
                text: list.buttonName(row.index)
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Theme.fontMinSize - 1
                elide: Text.ElideRight
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: row.active ? Theme.colorOrange : Theme.colorGray2
            }

            Text {
                objectName: "assignmentText"
                anchors.left: nameLabel.right
                anchors.leftMargin: 6
                anchors.right: chevron.left
                anchors.rightMargin: 6
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: list.keyTexts[row.index] || ""
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Theme.fontMinSize
                elide: Text.ElideRight
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: row.active ? Theme.colorOrange : Theme.fontColor
            }

            Image {
                id: chevron
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                width: 12
                height: 12
                sourceSize: Qt.size(12, 12)
                source: Theme.image("pageDown")
                rotation: -90
                opacity: row.locked ? 0.15 : row.active ? 1 : 0.45
            }

            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: row.locked ? Qt.ForbiddenCursor : Qt.PointingHandCursor
                onContainsMouseChanged: {
                    if (containsMouse) {
                        rows.hoveredIndex = row.index
                        list.hovered(row.index)
                    } else if (rows.hoveredIndex === row.index) {
                        rows.hoveredIndex = -1
                        list.hovered(-1)
                    }
                }
                onClicked: list.requestEdit(row.index)
            }
        }

        // A thin scroll bar when not every button fits.
        Rectangle {
            visible: rows.interactive
            x: rows.width - 3
            y: rows.visibleArea.yPosition * rows.height
            width: 3
            height: rows.visibleArea.heightRatio * rows.height
            radius: 1
            color: Theme.colorGray1
        }
    }

    // Says why the only left click cannot be changed.
    Rectangle {
        id: lockedHint
        objectName: "leftClickHint"

        function show() {
            visible = true
            hideTimer.restart()
        }

        function hide() {
            visible = false
            hideTimer.stop()
        }

        visible: false
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 4
        height: hintText.implicitHeight + 12
        radius: 4
        color: "#f0202024"
        border.color: Theme.colorOrange

        Text {
            id: hintText
            anchors.centerIn: parent
            width: parent.width - 16
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: list.texts[Texts.indexOf("keyMatrix", "leftClickLocked")]
                  || Texts.builtIn("keyMatrix")[Texts.indexOf("keyMatrix", "leftClickLocked")]
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: Theme.fontColor
        }

        MouseArea {
            anchors.fill: parent
            onClicked: lockedHint.hide()
        }

        Timer {
            id: hideTimer
            interval: 3000
            onTriggered: lockedHint.visible = false
        }
    }
}
