import QtQuick
import "../basic"
import "../common"
import "../common/texts.mjs" as Texts
import "../common/dpimapping.mjs" as Dpi

// The DPI stages of the profile: how many stages the DPI button cycles
// through and the value of each. Changes are kept until the main window's
// Save stores and sends them.
Rectangle {
    id: page

    property var view: null
    property var texts: Texts.builtIn("dpiSetting")
    property bool isSave: false
    // The stage the mouse uses, counted from 0; set by the main window.
    property int currentStage: 0

    property int stageLimit: Dpi.defaults.stageLimit
    property int stageCount: Dpi.defaults.stageCount
    property var dpiRange: Dpi.range()
    property var values: Dpi.defaults.values.slice()
    property var positions: values.map(value => Dpi.positionOf(value, dpiRange))

    function text(id) {
        const i = Texts.indexOf("dpiSetting", id)
        return texts[i] || Texts.builtIn("dpiSetting")[i]
    }

    function init(isSendData, isRecovery) {
        const read = key => view ? view.getData(key, isRecovery) : undefined
        stageLimit = Dpi.stageLimit(read("mouse/dpiCount"))
        stageCount = Dpi.stageCount(read("mouse/currentDpiCount"), stageLimit)
        dpiRange = view ? Dpi.range(view.getGlobalData("mouse/minDPI"), view.getGlobalData("mouse/maxDPI"),
                                    view.getGlobalData("mouse/dpiBase"), view.getGlobalData("mouse/sensorType"))
                        : Dpi.range()
        values = Dpi.stageValues(view ? view.getDataList("mouse/dpiValueArray", isRecovery) : [])
        // The knobs only approximate a stored value; it stays as stored until
        // its slider is moved.
        positions = values.map(value => Dpi.positionOf(value, dpiRange))
        isSave = false
        if (isSendData)
            save()
    }

    function save() {
        if (!view)
            return
        const list = values.slice(0, Dpi.stageSlots)
        view.setDataList("mouse/dpiValueArray", list)
        view.setData("mouse/currentDpiCount", stageCount)
        view.mouseSetDpi(stageCount, dpiRange.sensorType, list)
    }

    function setStageCount(count) {
        if (count === stageCount)
            return
        stageCount = count
        isSave = true
    }

    function moveStage(stage, position) {
        const p = Math.min(Dpi.lastPosition, Math.max(Dpi.firstPosition, position))
        const nextPositions = positions.slice()
        const nextValues = values.slice()
        nextPositions[stage] = p
        nextValues[stage] = Dpi.valueAt(p, dpiRange)
        positions = nextPositions
        values = nextValues
    }

    function closeMenus() {
        stageBox.close()
    }

    function restoreDefaults() {
        init(false, true)
        isSave = true
    }

    width: 232
    height: 268
    radius: 6
    color: Theme.colorPanel
    border.color: "#2e2e32"

    // Clicks on empty parts of the page close its drop-down.
    MouseArea {
        anchors.fill: parent
        onPressed: mouse => { page.closeMenus(); mouse.accepted = false }
    }

    Text {
        x: 12
        y: 8
        width: back.x - x - 8
        height: 20
        verticalAlignment: Text.AlignVCenter
        text: page.text("title")
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontMinSize
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
        color: Theme.fontColor
    }

    BackButton {
        id: back
        objectName: "dpiBack"
        x: page.width - width - 10
        y: 8
        z: 60   // its hint shows over the open list
        hint: page.text("restoreDefaults")
        onClicked: page.restoreDefaults()
    }

    Text {
        id: stagesLabel
        x: 12
        y: 38
        width: Math.min(implicitWidth, 78)
        height: 24
        verticalAlignment: Text.AlignVCenter
        text: page.text("stages")
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontMinSize - 1
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray3
    }

    // Marks what the highlighted row means.
    Row {
        x: stageBox.x + stageBox.width + 10
        y: 38
        height: 24
        spacing: 5

        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 6
            height: 6
            radius: 3
            color: Theme.colorOrange
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, page.width - 12 - parent.x - 11)
            text: page.text("activeStage")
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontMinSize - 1
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMinSize + 1
            color: Theme.colorGray2
        }
    }

    Column {
        id: rows
        x: 6
        y: 70
        width: page.width - 12
        spacing: 1

        Repeater {
            model: Dpi.stageSlots

            StageRow {
                required property int index
                stage: index
                width: rows.width
                visible: index < page.stageCount
                active: index === page.currentStage
                label: page.text("stage" + (index + 1))
                value: page.values[index]
                position: page.positions[index]
                onMoved: position => page.moveStage(index, position)
                onFinished: changed => { if (changed) page.isSave = true }
            }
        }
    }

    // Above the rows, so that its list opens over them.
    DropDown {
        id: stageBox
        objectName: "stageCount"
        x: stagesLabel.x + stagesLabel.width + 8
        y: 38
        width: 52
        model: Array.from({ length: page.stageLimit }, (_, i) => String(i + 1))
        currentIndex: page.stageCount - 1
        onActivated: index => {
            page.setStageCount(index + 1)
            // The list sets its own index; it follows the page again.
            currentIndex = Qt.binding(() => page.stageCount - 1)
        }
    }

    // One stage: its name, its slider and its value.
    component StageRow: Rectangle {
        id: row

        property int stage
        property bool active: false
        property string label
        property int value
        property int position

        signal moved(int position)
        signal finished(bool changed)

        objectName: "stageRow" + stage
        height: 23
        radius: 4
        color: active ? Qt.rgba(1, 0.87, 0, 0.10) : "transparent"

        Rectangle {
            x: 0
            anchors.verticalCenter: parent.verticalCenter
            width: 3
            height: 13
            radius: 1
            visible: row.active
            color: Theme.colorOrange
        }

        Text {
            id: stageName
            x: 8
            width: 46
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: row.label
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontMinSize - 1
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize - 1
            color: row.active ? Theme.colorOrange : Theme.colorGray3
        }

        StageSlider {
            objectName: "stageSlider" + row.stage
            x: 56
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - x - valueText.width - 6
            active: row.active
            position: row.position
            onMoved: position => row.moved(position)
            onFinished: changed => row.finished(changed)
        }

        Text {
            id: valueText
            objectName: "stageValue" + row.stage
            anchors.right: parent.right
            anchors.rightMargin: 4
            width: 36
            height: parent.height
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            text: String(row.value)
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            font.bold: row.active
            color: row.active ? Theme.colorOrange : Theme.fontColor
        }
    }

    // A stage slider over positions 3 to 161. Dragging moves it; the wheel
    // moves it one position, which reaches values a pixel would skip.
    component StageSlider: Item {
        id: slider

        property int position: Dpi.firstPosition
        property bool active: false
        readonly property real share: (position - Dpi.firstPosition) / Dpi.span
        property int pressedAt: 0

        signal moved(int position)
        signal finished(bool changed)

        function positionAt(x) {
            const share = (x - knob.width / 2) / (width - knob.width)
            return Dpi.firstPosition + Math.round(Math.min(1, Math.max(0, share)) * Dpi.span)
        }

        height: 16

        Rectangle {
            id: groove
            x: knob.width / 2
            anchors.verticalCenter: parent.verticalCenter
            width: slider.width - knob.width
            height: 4
            radius: 2
            color: "#2e2e32"

            Rectangle {
                width: slider.share * parent.width
                height: parent.height
                radius: 2
                color: Theme.colorOrange
                opacity: slider.active ? 1 : 0.55
            }
        }

        Rectangle {
            id: knob
            x: slider.share * (slider.width - width)
            anchors.verticalCenter: parent.verticalCenter
            width: 12
            height: 12
            radius: 6
            color: slider.active || area.pressed || area.containsMouse ? Theme.colorOrange : Theme.colorGray3
            border.color: Theme.colorGray0
            border.width: 2
        }

        MouseArea {
            id: area
            anchors.fill: parent
            hoverEnabled: true
            preventStealing: true
            cursorShape: Qt.PointingHandCursor
            onPressed: mouse => {
                slider.pressedAt = slider.position
                slider.moved(slider.positionAt(mouse.x))
            }
            onPositionChanged: mouse => {
                if (pressed)
                    slider.moved(slider.positionAt(mouse.x))
            }
            onReleased: slider.finished(slider.position !== slider.pressedAt)
            onWheel: wheel => {
                const before = slider.position
                slider.moved(slider.position + (wheel.angleDelta.y > 0 ? 1 : wheel.angleDelta.y < 0 ? -1 : 0))
                slider.finished(slider.position !== before)
            }
        }
    }

    // The undo arrow that brings back the factory values, with its meaning
    // shown while pointed at.
    component BackButton: Item {
        id: button

        property string hint

        signal clicked()

        width: 20
        height: 20

        Image {
            anchors.fill: parent
            sourceSize: Qt.size(20, 20)
            source: Theme.image(backArea.containsMouse ? "backH" : "back")
        }

        MouseArea {
            id: backArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: button.clicked()
        }

        Rectangle {
            visible: backArea.containsMouse && button.hint !== ""
            anchors.right: parent.right
            y: parent.height + 4
            width: hintText.implicitWidth + 12
            height: 20
            radius: 3
            color: "#202024"
            border.color: "#4a4a4e"

            Text {
                id: hintText
                anchors.centerIn: parent
                text: button.hint
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMinSize + 1
                color: Theme.fontColor
            }
        }
    }
}
