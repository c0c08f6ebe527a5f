import QtQuick
import "../basic"
import "../common"
import "../common/texts.mjs" as Texts
import "../common/assignments.mjs" as Assign

// The assignment dialog of one button: the menu groups on the left, the
// chosen group's entries or key fields on the right. Closing it applies the
// choice; "Restore Default" gives the button its factory assignment.
Dialog {
    id: dialog

    // Injected by the main page.
    property var view: null
    property var texts: Texts.builtIn("keyAssigment")
    property var listTexts: Texts.builtIn("keyMatrix")
    // Key names and codes: the native key-name table (the Km7 singleton).
    property var keys: null
    property bool isGun: true
    property var macroNames: []
    // The encoded bytes of a macro of the library, for its macro slot.
    property var encodeMacro: function (name) { return [] }

    // The button being edited, its assignment when opened, its factory one,
    // and the choice so far.
    property int buttonIndex: -1
    property string buttonName: ""
    property var original: [0, 0, 0, 0]
    property var factory: [0, 0, 0, 0]
    property var pending: [0, 0, 0, 0]
    property string originalMacro: ""
    property string pendingMacro: ""

    readonly property var groups: Assign.menuGroups(isGun)
    property int groupIndex: 0
    readonly property var currentGroup: groups[Math.max(0, Math.min(groupIndex, groups.length - 1))]
    readonly property string kind: currentGroup.kind

    // Fire settings and combination being captured.
    property int fireKey: 0
    property int fireRate: Assign.fireRate.initial
    property int fireTimes: 0
    property int lastTimes: 1
    property var combo: Assign.emptyCombo()
    // The combination shown came with the button: the next key starts anew.
    property bool comboFresh: false
    property int macroMode: 0

    // Key events are wanted while a fire or combination key is awaited (not
    // while the times field is being typed into).
    readonly property bool capturing: visible && (kind === "combo" || (kind === "fire" && !timesInput.activeFocus))

    signal assigned(int buttonIndex, var assignment4, string text)

    function text(id) {
        const i = Texts.indexOf("keyAssigment", id)
        const value = texts ? texts[i] : undefined
        return value ? String(value) : Texts.builtIn("keyAssigment")[i]
    }

    function keyName(code) {
        return keys ? String(keys.keyName(code) || "") : ""
    }

    function storedMacroName(slot) {
        const name = view ? view.getData("mouseMacroKey/" + slot, false) : ""
        return name === undefined || name === null ? "" : String(name)
    }

    function textOf(assignment) {
        return Assign.assignmentText(assignment, {
            texts: texts, listTexts: listTexts, keyName: keyName,
            macroName: slot => slot === dialog.buttonIndex && dialog.pendingMacro !== ""
                               ? dialog.pendingMacro : dialog.storedMacroName(slot)
        })
    }

    function init(isSendData, isRecovery) {
    }

    // Shows the dialog for button `index` with its assignment and its
    // factory assignment.
    function open(index, assignment4, factoryAssignment4, name) {
        if (index !== undefined) {
            buttonIndex = Number(index)
            buttonName = name === undefined ? "" : String(name)
            original = Assign.normalize(assignment4)
            factory = Assign.normalize(factoryAssignment4)
            pending = original.slice()
            originalMacro = original[0] === Assign.Code.macro ? storedMacroName(original[2]) : ""
            pendingMacro = originalMacro
            const fire = Assign.fireState(original)
            fireKey = fire.key
            fireRate = fire.rate
            fireTimes = fire.times
            lastTimes = fire.times > 0 ? fire.times : 1
            combo = Assign.comboState(original)
            comboFresh = !Assign.comboIsEmpty(combo)
            macroMode = original[0] === Assign.Code.macro ? original[1] : 0
            groupIndex = Assign.groupIndexFor(groups, original)
        }
        timesInput.focus = false
        timesInput.text = String(fireTimes)
        if (parent) {
            x = Math.round((parent.width - width) / 2)
            y = Math.round((parent.height - height) / 2)
        }
        visible = true
    }

    // Applies the choice and hides the dialog.
    function close() {
        if (visible)
            apply()
        visible = false
    }

    function apply() {
        if (buttonIndex < 0)
            return
        const isMacro = pending[0] === Assign.Code.macro
        // Another macro in the same slot is a change too, though the bytes agree.
        if (Assign.same(pending, original) && !(isMacro && pendingMacro !== originalMacro))
            return
        if (isMacro && pendingMacro !== "" && view) {
            view.setData("mouseMacroKey/" + buttonIndex, pendingMacro)
            const bytes = encodeMacro ? encodeMacro(pendingMacro) : []
            if (bytes && bytes.length > 0)
                view.mouseSendMacroData(bytes, buttonIndex)
        }
        const result = pending.slice()
        original = result.slice()
        originalMacro = pendingMacro
        assigned(buttonIndex, result, textOf(result))
    }

    function restoreDefault() {
        if (buttonIndex < 0)
            return
        const result = factory.slice()
        original = result.slice()
        pending = result.slice()
        originalMacro = pendingMacro = result[0] === Assign.Code.macro ? storedMacroName(result[2]) : ""
        assigned(buttonIndex, result, textOf(result))
        visible = false
    }

    function chooseGroup(index) {
        timesInput.focus = false
        groupIndex = index
        if (groups[index].kind === "combo")
            comboFresh = !Assign.comboIsEmpty(combo)
    }

    function chooseEntry(bytes) {
        pending = Assign.normalize(bytes)
    }

    // --- fire ---

    function updateFire() {
        if (fireKey !== 0)
            pending = Assign.fireAssignment(fireKey, fireRate, fireTimes)
    }

    function setFireRate(rate) {
        fireRate = Assign.clampRate(rate)
        updateFire()
    }

    function setFireTimes(times) {
        fireTimes = Assign.clampTimes(times)
        if (fireTimes > 0)
            lastTimes = fireTimes
        updateFire()
    }

    function setEndless(endless) {
        setFireTimes(endless ? 0 : lastTimes)
    }

    // --- combination ---

    function clearCombo() {
        combo = Assign.emptyCombo()
        comboFresh = false
        pending = Assign.DISABLED.slice()
    }

    // --- macro ---

    function chooseMacro(name) {
        pendingMacro = String(name)
        pending = Assign.macroAssignment(macroMode, buttonIndex)
    }

    function setMacroMode(mode) {
        macroMode = mode
        if (pending[0] === Assign.Code.macro)
            pending = Assign.macroAssignment(mode, buttonIndex)
    }

    // A key from the keyboard hook while capturing.
    function keyEvent(isDown, usbCode) {
        if (!isDown || !capturing)
            return
        const code = Number(usbCode)
        if (!Assign.isKeyboardKey(code, keyName))
            return
        if (kind === "fire") {
            fireKey = code
            updateFire()
        } else if (kind === "combo") {
            const start = comboFresh ? Assign.emptyCombo() : combo
            comboFresh = false
            combo = Assign.comboPress(start, code)
            if (!Assign.comboIsEmpty(combo))
                pending = Assign.comboAssignment(combo)
        }
    }

    readonly property string pendingText: textOf(pending)

    // The times field follows the value unless it is being typed into.
    onFireTimesChanged: if (!timesInput.activeFocus) timesInput.text = String(fireTimes)

    width: 560
    height: 400
    title: text("title") + (buttonName !== "" ? "  ·  " + buttonName : "")

    // --- small parts ---

    component FieldLabel: Text {
        width: parent ? parent.width : 100
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray2
    }

    component Tile: Rectangle {
        id: tile
        property alias text: tileText.text
        property bool selected: false
        signal clicked()

        height: 32
        radius: 4
        color: selected ? Qt.rgba(1, 0.87, 0, 0.16) : tileArea.containsMouse ? "#26262a" : "#1e1e22"
        border.color: selected || tileArea.containsMouse ? Theme.colorOrange : "#3c3c3c"

        Text {
            id: tileText
            objectName: "tileText"
            anchors.fill: parent
            anchors.leftMargin: 8
            anchors.rightMargin: 8
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontMinSize - 1
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: tile.selected ? Theme.colorOrange : Theme.fontColor
        }

        MouseArea {
            id: tileArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: tile.clicked()
        }
    }

    component RadioRow: Item {
        id: radio
        property alias text: radioText.text
        property bool checked: false
        signal clicked()

        height: Math.max(20, radioText.implicitHeight + 4)

        Image {
            y: 2
            width: 16
            height: 16
            sourceSize: Qt.size(16, 16)
            source: Theme.image(radio.checked ? "radioBtnS" : "radioBtn")
        }

        Text {
            id: radioText
            x: 24
            y: 1
            width: radio.width - 24
            wrapMode: Text.WordWrap
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: radio.checked ? Theme.colorOrange : radioArea.containsMouse ? Theme.colorGray3 : Theme.fontColor
        }

        MouseArea {
            id: radioArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: radio.clicked()
        }
    }

    // --- layout ---

    ImageButton {
        objectName: "closeButton"
        x: dialog.width - 32
        y: 12
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        normalSource: Theme.image("closeBtn")
        hoverSource: Theme.image("closeBtnH")
        onClicked: dialog.close()
    }

    Rectangle {
        x: 1
        y: 40
        width: dialog.width - 2
        height: 1
        color: "#2e2e32"
    }

    // The menu groups.
    Column {
        id: groupList
        x: 12
        y: 52
        width: 160
        spacing: 2

        Repeater {
            model: dialog.groups

            Rectangle {
                id: groupRow
                required property int index
                required property var modelData
                readonly property bool selected: dialog.groupIndex === index

                objectName: "group_" + modelData.id
                width: groupList.width
                height: 30
                radius: 4
                color: selected ? Qt.rgba(1, 0.87, 0, 0.12) : groupArea.containsMouse ? "#222226" : "transparent"

                Rectangle {
                    x: 4
                    anchors.verticalCenter: parent.verticalCenter
                    width: 3
                    height: 14
                    radius: 1
                    color: Theme.colorOrange
                    visible: groupRow.selected
                }

                Text {
                    x: 14
                    width: parent.width - 20
                    anchors.verticalCenter: parent.verticalCenter
                    text: dialog.text(groupRow.modelData.id)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Theme.fontMinSize - 1
                    elide: Text.ElideRight
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    color: groupRow.selected || groupArea.containsMouse ? Theme.colorOrange : Theme.fontColor
                }

                MouseArea {
                    id: groupArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: dialog.chooseGroup(groupRow.index)
                }
            }
        }
    }

    Rectangle {
        x: 184
        y: 52
        width: 1
        height: 300
        color: "#2e2e32"
    }

    // The chosen group.
    Item {
        id: panel
        x: 196
        y: 52
        width: dialog.width - x - 16
        height: 300

        // Fixed entries.
        Grid {
            visible: dialog.kind === "entries"
            width: panel.width
            columns: 2
            columnSpacing: 8
            rowSpacing: 8

            Repeater {
                model: dialog.kind === "entries" ? dialog.currentGroup.entries : []

                Tile {
                    required property var modelData
                    objectName: "entry_" + modelData.id
                    width: (panel.width - 8) / 2
                    text: dialog.text(modelData.id)
                    selected: Assign.same(dialog.pending, modelData.bytes)
                    onClicked: dialog.chooseEntry(modelData.bytes)
                }
            }
        }

        // Fire key.
        Column {
            visible: dialog.kind === "fire"
            width: panel.width
            spacing: 8

            FieldLabel { text: dialog.text("pressKey") }

            Rectangle {
                objectName: "fireKeyField"
                width: parent.width
                height: 40
                radius: 4
                color: "#1e1e22"
                border.color: dialog.capturing ? Theme.colorOrange : "#3c3c3c"

                Text {
                    anchors.fill: parent
                    anchors.margins: 8
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: dialog.fireKey !== 0 ? dialog.keyName(dialog.fireKey) : "…"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMaxSize
                    font.bold: dialog.fireKey !== 0
                    color: dialog.fireKey !== 0 ? Theme.colorOrange : Theme.colorGray2
                }

                // Clicking the field leaves the times field, so keys are captured again.
                MouseArea {
                    anchors.fill: parent
                    onClicked: timesInput.focus = false
                }
            }

            Item { width: 1; height: 4 }

            FieldLabel { text: dialog.text("rate") }

            Item {
                width: parent.width
                height: 20

                BorderImage {
                    id: track
                    objectName: "rateTrack"
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 72
                    height: 6
                    border { left: 3; right: 3; top: 3; bottom: 3 }
                    source: Theme.image("scale")

                    Rectangle {
                        height: parent.height
                        width: knob.x + knob.width / 2
                        radius: 3
                        color: Theme.colorOrange
                        opacity: 0.7
                    }

                    Image {
                        id: knob
                        anchors.verticalCenter: parent.verticalCenter
                        x: Assign.rateFraction(dialog.fireRate) * (track.width - width)
                        width: 14
                        height: 14
                        sourceSize: Qt.size(14, 14)
                        source: Theme.image("slide")
                    }

                    MouseArea {
                        anchors.fill: parent
                        anchors.topMargin: -8
                        anchors.bottomMargin: -8
                        cursorShape: Qt.PointingHandCursor
                        function pick(mouseX) {
                            dialog.setFireRate(Assign.rateAt((mouseX - knob.width / 2) / (track.width - knob.width)))
                        }
                        onPressed: mouse => pick(mouse.x)
                        onPositionChanged: mouse => pick(mouse.x)
                        onWheel: wheel => dialog.setFireRate(dialog.fireRate + (wheel.angleDelta.y > 0 ? 1 : -1))
                    }
                }

                Text {
                    objectName: "rateText"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    width: 60
                    horizontalAlignment: Text.AlignRight
                    text: Assign.rateText(dialog.fireRate)
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    color: Theme.fontColor
                }
            }

            Item { width: 1; height: 4 }

            FieldLabel { text: dialog.text("times") }

            Row {
                spacing: 16

                Rectangle {
                    width: 64
                    height: 28
                    radius: 4
                    color: "#1e1e22"
                    border.color: timesInput.activeFocus ? Theme.colorOrange : "#3c3c3c"

                    TextInput {
                        id: timesInput
                        objectName: "timesInput"
                        anchors.fill: parent
                        anchors.margins: 6
                        verticalAlignment: TextInput.AlignVCenter
                        horizontalAlignment: TextInput.AlignHCenter
                        maximumLength: 3
                        validator: IntValidator { bottom: 0; top: 255 }
                        selectByMouse: true
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        color: dialog.fireTimes === 0 && !activeFocus ? Theme.colorGray2 : Theme.fontColor
                        selectionColor: Theme.colorOrange
                        selectedTextColor: Theme.colorGray0
                        onTextEdited: dialog.setFireTimes(Assign.parseTimes(text, dialog.fireTimes))
                        onEditingFinished: text = String(dialog.fireTimes)
                        onActiveFocusChanged: if (!activeFocus) text = String(dialog.fireTimes)
                        Component.onCompleted: text = String(dialog.fireTimes)
                    }
                }

                CheckBox {
                    objectName: "endlessBox"
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.min(implicitWidth, panel.width - 80)
                    text: dialog.text("endless")
                    checked: dialog.fireTimes === 0
                    onToggled: checked => {
                        timesInput.focus = false
                        dialog.setEndless(checked)
                    }
                }
            }
        }

        // Combination.
        Column {
            visible: dialog.kind === "combo"
            width: panel.width
            spacing: 8

            FieldLabel {
                text: dialog.text("pressCombination")
                wrapMode: Text.WordWrap
                elide: Text.ElideNone
            }

            Rectangle {
                objectName: "comboField"
                width: parent.width
                height: 56
                radius: 4
                color: "#1e1e22"
                border.color: dialog.capturing ? Theme.colorOrange : "#3c3c3c"

                Text {
                    objectName: "comboText"
                    anchors.fill: parent
                    anchors.margins: 8
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    wrapMode: Text.WordWrap
                    fontSizeMode: Text.Fit
                    minimumPixelSize: Theme.fontMinSize
                    text: {
                        const names = Assign.comboNames(dialog.combo.mask, dialog.combo.keys, dialog.keyName)
                        return names.length ? names.join(" + ") : "…"
                    }
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMaxSize
                    font.bold: true
                    color: Assign.comboIsEmpty(dialog.combo) ? Theme.colorGray2 : Theme.colorOrange
                }
            }

            TextButton {
                objectName: "clearButton"
                width: 88
                text: dialog.text("clear")
                onClicked: dialog.clearCombo()
            }
        }

        // Macro.
        Item {
            visible: dialog.kind === "macro"
            anchors.fill: parent

            Text {
                visible: dialog.macroNames.length === 0
                width: parent.width
                y: 24
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: dialog.text("noMacro")
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: Theme.colorGray2
            }

            Rectangle {
                visible: dialog.macroNames.length > 0
                width: parent.width
                height: 140
                radius: 4
                color: "#1e1e22"
                border.color: "#3c3c3c"

                ListView {
                    id: macroList
                    objectName: "macroList"
                    anchors.fill: parent
                    anchors.margins: 3
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    model: dialog.macroNames

                    delegate: Rectangle {
                        id: macroRow
                        required property int index
                        required property string modelData
                        readonly property bool selected: dialog.pending[0] === Assign.Code.macro
                                                         && dialog.pendingMacro === modelData

                        width: macroList.width - (macroList.contentHeight > macroList.height ? 6 : 0)
                        height: 26
                        radius: 3
                        color: selected ? Qt.rgba(1, 0.87, 0, 0.16) : macroArea.containsMouse ? "#26262a" : "transparent"

                        Text {
                            anchors.fill: parent
                            anchors.leftMargin: 10
                            anchors.rightMargin: 6
                            verticalAlignment: Text.AlignVCenter
                            elide: Text.ElideRight
                            text: macroRow.modelData
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontNormalSize
                            color: macroRow.selected ? Theme.colorOrange : Theme.fontColor
                        }

                        MouseArea {
                            id: macroArea
                            anchors.fill: parent
                            hoverEnabled: true
                            cursorShape: Qt.PointingHandCursor
                            onClicked: dialog.chooseMacro(macroRow.modelData)
                        }
                    }

                    Rectangle {
                        visible: macroList.contentHeight > macroList.height
                        x: macroList.width - 3
                        y: macroList.visibleArea.yPosition * macroList.height
                        width: 3
                        height: macroList.visibleArea.heightRatio * macroList.height
                        radius: 1
                        color: Theme.colorGray1
                    }
                }
            }

            Column {
                visible: dialog.macroNames.length > 0
                y: 152
                width: parent.width
                spacing: 8

                Repeater {
                    model: Assign.macroModes

                    RadioRow {
                        required property int index
                        required property string modelData
                        objectName: "macroMode" + index
                        width: parent.width
                        text: dialog.text(modelData)
                        checked: dialog.macroMode === index
                        onClicked: dialog.setMacroMode(index)
                    }
                }
            }
        }
    }

    Rectangle {
        x: 1
        y: dialog.height - 44
        width: dialog.width - 2
        height: 1
        color: "#2e2e32"
    }

    // Back to the factory assignment.
    Rectangle {
        id: restoreButton
        objectName: "restoreButton"
        x: 12
        y: dialog.height - 36
        width: Math.min(restoreRow.implicitWidth + 16, 220)
        height: 28
        radius: 4
        color: restoreArea.containsMouse ? Qt.rgba(1, 0.87, 0, 0.12) : "transparent"

        Row {
            id: restoreRow
            x: 8
            anchors.verticalCenter: parent.verticalCenter
            spacing: 6

            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 16
                height: 16
                sourceSize: Qt.size(16, 16)
                source: Theme.image(restoreArea.containsMouse ? "backH" : "back")
            }

            Text {
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, 190)
                elide: Text.ElideRight
                text: dialog.text("restoreDefault")
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: restoreArea.containsMouse ? Theme.colorOrange : Theme.fontColor
            }
        }

        MouseArea {
            id: restoreArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: dialog.restoreDefault()
        }
    }

    // What the button will do.
    Text {
        objectName: "pendingText"
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.left: restoreButton.right
        anchors.leftMargin: 16
        y: dialog.height - 36
        height: 28
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: dialog.pendingText
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
        color: Theme.colorOrange
    }
}
