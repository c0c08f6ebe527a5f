import QtQuick
import "../basic"
import "../common"
import "../common/texts.mjs" as Texts
import "../common/recoil.mjs" as Recoil

// The recoil editor: the library of six recoil presets, the preset on each of
// the three recoil slots, and the Y correction, fire period and shot count of
// the preset on the chosen slot. Every edit is stored at once; the mouse gets
// the slots when the page is closed.
Dialog {
    id: page

    // Injected by the main page.
    property var view: null
    property var texts: Texts.builtIn("gunControl")
    property bool isGun: true
    // Where the weapon pictures are.
    property string imageFolder: "qrc:/modules/img/"

    // Changes the mouse has not had yet: set by every assignment and edit,
    // cleared when the slots are sent.
    property bool isSave: false

    property var presets: Recoil.builtInPresets.slice()
    property var slots: Recoil.factorySlots.slice()
    property int currentSlot: 0
    readonly property int position: slots[currentSlot]
    readonly property var preset: presets[position]

    // The value under the marker or the rate knob while it is dragged, else -1.
    property int dragY: -1
    property int dragPeriod: -1
    readonly property int shownY: dragY >= 0 ? dragY : preset.y
    readonly property int shownPeriod: dragPeriod >= 0 ? dragPeriod : preset.period
    // The count that clearing "Endness" gives back.
    property int lastCount: 1

    // The slots were sent; the key matrix carries their fire periods, so the
    // main page has the button list send it again.
    signal recoilChanged()

    function text(id) {
        const i = Texts.indexOf("gunControl", id)
        const value = texts ? texts[i] : undefined
        return value ? String(value) : Texts.builtIn("gunControl")[i]
    }

    // Reads the presets and slots and shows slot 1; isSendData sends the
    // slots. The preset file has no default copy: isRecovery shows the
    // factory values, and with isSendData stores them too, so the file and
    // the mouse agree.
    function init(isSendData, isRecovery) {
        if (isRecovery && isSendData) {
            resetData()
            return
        }
        if (isRecovery) {
            presets = Recoil.factoryPresets.slice()
            slots = Recoil.factorySlots.slice()
        } else {
            presets = Recoil.loadPresets(i => view ? view.getGunData(i) : [])
            slots = Recoil.slotsFrom(view ? view.getGlobalData("mouse/selectGun") : undefined)
        }
        chooseSlot(0)
        isSave = false
        if (isSendData)
            sendSlots()
    }

    // Everything is stored already; this sends the slots.
    function save() {
        isSave = false
        sendSlots()
        recoilChanged()
    }

    function open() {
        chooseSlot(currentSlot)
        if (parent) {
            x = Math.round((parent.width - width) / 2)
            y = Math.round((parent.height - height) / 2)
        }
        visible = true
    }

    function close() {
        endEditing()
        visible = false
        if (isSave)
            save()
    }

    // The factory reset: slots 1 to 3 get presets 0 to 2, and every preset
    // its factory values; stored and sent.
    function resetData() {
        endEditing()
        const periodsBefore = firePeriods()
        presets = Recoil.factoryPresets.slice()
        slots = Recoil.factorySlots.slice()
        if (view) {
            view.setGlobalData("mouse/selectGun", slots.slice())
            for (let i = 0; i < Recoil.presetCount; ++i)
                view.mouseSaveGundata(i, Recoil.toStored(presets[i]))
        }
        isSave = false
        sendSlots()
        chooseSlot(0)
        if (JSON.stringify(periodsBefore) !== JSON.stringify(firePeriods()))
            recoilChanged()
    }

    function reset() {
        resetData()
    }

    // The fire period of each slot's preset, for the key matrix.
    function firePeriods() {
        return Recoil.firePeriods(presets, slots)
    }

    function sendSlots() {
        if (!view || !isGun)
            return
        for (let s = 0; s < Recoil.slotCount; ++s)
            view.mouseSendGundata(s + 1, Recoil.slotValues(presets[slots[s]]))
    }

    function chooseSlot(slot) {
        endEditing()
        currentSlot = Math.max(0, Math.min(Recoil.slotCount - 1, slot))
        selectBox.currentIndex = currentSlot
        lastCount = preset.count > 0 ? preset.count : 1
    }

    // Puts preset `index` on the chosen slot.
    function choosePreset(index) {
        endEditing()
        if (index < 0 || index >= Recoil.presetCount || slots[currentSlot] === index)
            return
        const next = slots.slice()
        next[currentSlot] = index
        slots = next
        if (view)
            view.setGlobalData("mouse/selectGun", next.slice())
        isSave = true
        lastCount = preset.count > 0 ? preset.count : 1
    }

    function update(changes) {
        const next = Recoil.withValues(preset, changes)
        const stored = Recoil.toStored(next)
        if (JSON.stringify(stored) === JSON.stringify(Recoil.toStored(preset)))
            return
        const list = presets.slice()
        list[position] = next
        presets = list
        if (view)
            view.mouseSaveGundata(position, stored)
        isSave = true
    }

    function setY(value) {
        update({ y: Recoil.clampY(value) })
    }

    function setPeriod(value) {
        update({ period: Recoil.clampPeriod(value) })
    }

    function setCount(value) {
        const count = Recoil.clampCount(value)
        if (count > 0)
            lastCount = count
        update({ count: count })
    }

    function setEndless(endless) {
        setCount(endless ? 0 : lastCount)
    }

    // Ends typing (storing what is valid) and closes the drop-down list.
    function endEditing() {
        selectBox.close()
        if (yField.editing || countField.editing)
            focusSink.forceActiveFocus()
    }

    width: 640
    height: 448
    title: text("title")

    // --- small parts ---

    component Card: Rectangle {
        property alias title: cardTitle.text
        radius: 6
        color: Theme.colorPanel
        border.color: "#2e2e32"

        Rectangle {
            visible: cardTitle.text !== ""
            x: 12
            y: 13
            width: 3
            height: 12
            radius: 1
            color: Theme.colorOrange
        }

        Text {
            id: cardTitle
            x: 22
            y: 8
            width: parent.width - 34
            height: 22
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontMinSize - 1
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            font.bold: true
            color: Theme.fontColor
        }
    }

    component FieldLabel: Text {
        height: 26
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontMinSize - 1
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray3
    }

    component Hint: Text {
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
        color: Theme.colorGray2
    }

    // A whole number from 0 to maximum; anything else typed is undone.
    component NumberField: Rectangle {
        id: field
        property int value: 0
        property int maximum: 0
        property bool readOnly: false
        property bool dim: false
        readonly property bool editing: input.activeFocus
        signal committed(int value)

        function commit() {
            const typed = Recoil.parseTyped(input.text, maximum)
            if (typed !== undefined && typed !== value)
                committed(typed)
            input.text = String(value)
        }

        onValueChanged: if (!input.activeFocus) input.text = String(value)

        width: 56
        height: 26
        radius: 4
        color: readOnly ? "transparent" : "#1e1e22"
        border.color: input.activeFocus ? Theme.colorOrange : "#3c3c3c"

        TextInput {
            id: input
            objectName: "input"
            anchors.fill: parent
            anchors.margins: 4
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            readOnly: field.readOnly
            activeFocusOnPress: !field.readOnly
            maximumLength: 3
            validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
            selectByMouse: true
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: field.readOnly || (field.dim && !activeFocus) ? Theme.colorGray2 : Theme.fontColor
            selectionColor: Theme.colorOrange
            selectedTextColor: Theme.colorGray0
            onEditingFinished: field.commit()
            Keys.onEscapePressed: {
                text = String(field.value)
                focus = false
            }
            Component.onCompleted: text = String(field.value)
        }
    }

    // --- layout ---

    // A press on the background ends typing and closes the list; a drag
    // moves the page inside the window.
    MouseArea {
        anchors.fill: parent
        drag.target: page
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: page.parent ? page.parent.width - page.width : 0
        drag.maximumY: page.parent ? page.parent.height - page.height : 0
        onPressed: page.endEditing()
    }

    Item {
        id: focusSink
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

    // The slot being edited, and the library.
    FieldLabel {
        x: 16
        y: 52
        width: selectBox.x - x - 8
        height: 24
        text: page.text("selectGun")
    }

    Column {
        id: presetList
        x: 16
        y: 88
        width: 260
        spacing: 2

        // One row per position, kept while the presets change.
        Repeater {
            model: Recoil.presetCount

            Rectangle {
                id: row
                required property int index
                readonly property var modelData: page.presets[index]
                readonly property bool selected: page.position === index

                objectName: "preset" + index
                width: presetList.width
                height: 56
                radius: 4
                color: selected ? Qt.rgba(1, 0.87, 0, 0.10) : rowArea.containsMouse ? "#26262a" : "#1e1e22"
                border.color: selected ? Theme.colorOrange : rowArea.containsMouse ? "#4a4a4e" : "#2e2e32"

                Image {
                    objectName: "gunImage"
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    width: 120
                    height: 40
                    sourceSize: Qt.size(120, 40)
                    source: page.imageFolder + "gun-" + row.index + ".svg"
                    opacity: row.selected || rowArea.containsMouse ? 1 : 0.7
                }

                Text {
                    x: 136
                    y: 8
                    width: parent.width - x - 8
                    elide: Text.ElideRight
                    text: row.modelData.name
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    font.bold: row.selected
                    color: row.selected ? Theme.colorOrange : Theme.fontColor
                }

                // The slots that use this preset.
                Row {
                    x: 136
                    y: 31
                    spacing: 4

                    Repeater {
                        model: Recoil.slotCount

                        Rectangle {
                            id: chip
                            required property int index
                            readonly property bool current: page.currentSlot === index
                            visible: page.slots[index] === row.index
                            width: 18
                            height: 16
                            radius: 3
                            color: current ? Theme.colorOrange : "transparent"
                            border.color: current ? Theme.colorOrange : Theme.colorGray2

                            Text {
                                anchors.centerIn: parent
                                text: String(chip.index + 1)
                                font.family: Theme.fontFamily
                                font.pixelSize: Theme.fontMinSize
                                font.bold: true
                                color: chip.current ? Theme.colorGray0 : Theme.colorGray3
                            }
                        }
                    }
                }

                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: page.choosePreset(row.index)
                }
            }
        }
    }

    // Declared after the list, so the open list lies above it.
    DropDown {
        id: selectBox
        objectName: "selectBox"
        x: 276 - width
        y: 52
        width: 116
        model: Recoil.slotNames(page.text("gun"))
        onActivated: index => page.chooseSlot(index)
    }

    // The preset on the chosen slot.
    Card {
        x: 292
        y: 52
        width: 332
        height: 84

        Image {
            objectName: "shownGun"
            x: 12
            y: 12
            width: 180
            height: 60
            sourceSize: Qt.size(180, 60)
            source: page.imageFolder + "gun-" + page.position + ".svg"
        }

        Column {
            x: 204
            y: 12
            width: parent.width - x - 12
            spacing: 2

            Text {
                objectName: "presetName"
                width: parent.width
                elide: Text.ElideRight
                text: page.preset.name
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMaxSize
                font.bold: true
                color: Theme.colorOrange
            }

            Text {
                width: parent.width
                elide: Text.ElideRight
                text: page.preset.trigger
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: Theme.colorGray2
            }

            Item { width: 1; height: 4 }

            Rectangle {
                width: Math.min(parent.width, slotText.implicitWidth + 12)
                height: 18
                radius: 3
                color: "transparent"
                border.color: Theme.colorOrange

                Text {
                    id: slotText
                    anchors.fill: parent
                    anchors.leftMargin: 6
                    anchors.rightMargin: 6
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: selectBox.currentText
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMinSize
                    color: Theme.colorOrange
                }
            }
        }
    }

    // Y correction: the marker on its track, or typed.
    Card {
        x: 292
        y: 144
        width: 332
        height: 144
        title: page.text("cursorAdjust")

        Item {
            id: yTrack
            objectName: "yTrack"
            x: 36
            y: 40
            width: 14
            height: Recoil.TRACK
            readonly property real markerOffset: Recoil.offsetOf(page.shownY)

            Rectangle {
                x: 4
                width: 6
                height: parent.height
                radius: 3
                color: "#121214"
                border.color: Theme.colorGray1
            }

            Rectangle {
                x: 4
                width: 6
                height: yTrack.markerOffset
                radius: 3
                color: Theme.colorOrange
                opacity: 0.8
            }

            Repeater {
                model: [0, 16, 32, 48, 64]

                Rectangle {
                    required property int modelData
                    x: 16
                    y: Recoil.offsetOf(modelData)
                    width: modelData % 32 === 0 ? 8 : 5
                    height: 1
                    color: Theme.colorGray1
                }
            }

            Repeater {
                model: [0, 32, 64]

                Hint {
                    required property int modelData
                    x: 28
                    y: Recoil.offsetOf(modelData) - height / 2
                    text: String(modelData)
                }
            }

            Image {
                objectName: "yMarker"
                x: 0
                y: yTrack.markerOffset - 7
                width: 14
                height: 14
                sourceSize: Qt.size(14, 14)
                source: Theme.image("slide")
                scale: yArea.pressed || yArea.containsMouse ? 1.15 : 1
            }

            MouseArea {
                id: yArea
                objectName: "yArea"
                x: -16
                y: -8
                width: 46
                height: parent.height + 16
                hoverEnabled: true
                preventStealing: true
                cursorShape: Qt.SizeVerCursor
                function yUnder(mouse) {
                    return Recoil.yAt(mouse.y + y)
                }
                onPressed: mouse => {
                    page.endEditing()
                    page.dragY = yUnder(mouse)
                }
                onPositionChanged: mouse => {
                    if (pressed)
                        page.dragY = yUnder(mouse)
                }
                onReleased: mouse => {
                    const value = yUnder(mouse)
                    page.dragY = -1
                    page.setY(value)
                }
                onCanceled: page.dragY = -1
                onWheel: wheel => page.setY(page.preset.y + (wheel.angleDelta.y < 0 ? 1 : -1))
            }
        }

        FieldLabel {
            x: 124
            y: 44
            width: xField.x - x - 8
            text: page.text("xAxis")
        }

        NumberField {
            id: xField
            objectName: "xField"
            x: 252
            y: 44
            readOnly: true
            value: page.preset.x
        }

        FieldLabel {
            x: 124
            y: 84
            width: yField.x - x - 8
            text: page.text("yAxis")
        }

        NumberField {
            id: yField
            objectName: "yField"
            x: 252
            y: 84
            maximum: Recoil.Y_MAX
            value: page.shownY
            onCommitted: value => page.setY(value)
        }

        Hint {
            x: yField.x
            y: yField.y + yField.height + 4
            width: yField.width
            horizontalAlignment: Text.AlignHCenter
            text: "0 – " + Recoil.Y_MAX
        }
    }

    // Fire period and shot count.
    Card {
        x: 292
        y: 296
        width: 332
        height: 140
        title: page.text("fireAdjust")

        FieldLabel {
            x: 12
            y: 40
            width: 64
            text: page.text("rate")
        }

        Item {
            id: rateSlider
            objectName: "rateSlider"
            x: 84
            y: 50
            width: 176
            height: 6
            readonly property real fraction: Recoil.sliderFraction(page.shownPeriod)

            BorderImage {
                anchors.fill: parent
                border { left: 3; right: 3; top: 3; bottom: 3 }
                source: Theme.image("scale")
            }

            Rectangle {
                width: Math.max(6, rateSlider.fraction * parent.width)
                height: parent.height
                radius: 3
                color: Theme.colorOrange
                opacity: 0.8
            }

            Image {
                objectName: "rateKnob"
                x: rateSlider.fraction * parent.width - 7
                y: -4
                width: 14
                height: 14
                sourceSize: Qt.size(14, 14)
                source: Theme.image("slide")
                scale: rateArea.pressed || rateArea.containsMouse ? 1.15 : 1
            }

            MouseArea {
                id: rateArea
                objectName: "rateArea"
                x: -8
                y: -10
                width: parent.width + 16
                height: 26
                hoverEnabled: true
                preventStealing: true
                cursorShape: Qt.SizeHorCursor
                function periodUnder(mouse) {
                    return Recoil.periodAt((mouse.x + x) / rateSlider.width)
                }
                onPressed: mouse => {
                    page.endEditing()
                    page.dragPeriod = periodUnder(mouse)
                }
                onPositionChanged: mouse => {
                    if (pressed)
                        page.dragPeriod = periodUnder(mouse)
                }
                onReleased: mouse => {
                    const value = periodUnder(mouse)
                    page.dragPeriod = -1
                    page.setPeriod(value)
                }
                onCanceled: page.dragPeriod = -1
                onWheel: wheel => page.setPeriod(page.preset.period + (wheel.angleDelta.y > 0 ? 1 : -1))
            }
        }

        Text {
            objectName: "rateText"
            x: 268
            y: 40
            width: 52
            height: 26
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            text: Recoil.rateText(page.shownPeriod)
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            font.bold: true
            color: Theme.fontColor
        }

        FieldLabel {
            x: 12
            y: 84
            width: 64
            text: page.text("times")
        }

        NumberField {
            id: countField
            objectName: "countField"
            x: 84
            y: 84
            maximum: Recoil.COUNT_MAX
            value: page.preset.count
            dim: value === 0
            onCommitted: value => page.setCount(value)
        }

        Hint {
            x: countField.x
            y: countField.y + countField.height + 4
            width: countField.width
            horizontalAlignment: Text.AlignHCenter
            text: "0 – " + Recoil.COUNT_MAX
        }

        CheckBox {
            id: endlessBox
            objectName: "endlessBox"
            x: 156
            y: 87
            width: Math.min(implicitWidth, parent.width - x - 12)
            text: page.text("endless")
            checked: Recoil.isEndless(page.preset.count)
            onToggled: checked => {
                page.endEditing()
                page.setEndless(checked)
                // The box's own click replaced its binding.
                endlessBox.checked = Qt.binding(() => Recoil.isEndless(page.preset.count))
            }
        }
    }
}
