import QtQuick
import "../basic"
import "../common"
import "../common/texts.mjs" as Texts
import "../common/systemsteps.mjs" as Steps

// The desktop's pointer settings: pointer speed, double-click speed and wheel
// lines per notch, each stored in the profile and applied as soon as it
// changes; and starting the program with the desktop session.
Rectangle {
    id: page

    property var view: null
    property var texts: Texts.builtIn("systemSetting")
    // {enabled(), setEnabled(bool)}: the user's autostart entry.
    property var autostart: null
    // Everything here is applied at once, so nothing waits for Save.
    property bool isSave: false

    property int mouseRate: Steps.defaults.mouseRate
    property int doubleRate: Steps.defaults.doubleRate
    property bool oneScreen: false
    property int rows: Steps.defaults.scrollRate

    // Content lines up with the sliders, which are centred.
    readonly property int margin: Math.round((width - mouseSpeed.width) / 2)

    signal closed()

    function text(id) {
        const i = Texts.indexOf("systemSetting", id)
        return texts[i] || Texts.builtIn("systemSetting")[i]
    }

    function init(isSendData, isRecovery) {
        const read = key => view ? view.getData(key, isRecovery) : undefined
        mouseRate = Steps.position(read("mouse/mouseRate"), Steps.defaults.mouseRate)
        doubleRate = Steps.position(read("mouse/doubleRate"), Steps.defaults.doubleRate)
        const scroll = Steps.scroll(read("mouse/scrollRate"))
        oneScreen = scroll.oneScreen
        rows = scroll.rows
        autostartBox.checked = autostart ? Boolean(autostart.enabled()) : false
        if (isSendData)
            save()
    }

    // Stores and applies all three settings.
    function save() {
        applyPointerSpeed()
        applyDoubleClick()
        applyScroll()
    }

    function applyPointerSpeed() {
        if (!view)
            return
        view.setData("mouse/mouseRate", mouseRate)
        view.mouseSetCursorSpeed(Steps.stepFor(mouseRate))
    }

    function applyDoubleClick() {
        if (!view)
            return
        view.setData("mouse/doubleRate", doubleRate)
        view.mouseSetDoubleClickSpeed(Steps.stepFor(doubleRate))
    }

    function applyScroll() {
        if (!view)
            return
        const lines = Steps.scrollLines(oneScreen, rows)
        view.setData("mouse/scrollRate", lines)
        view.mouseSetVerticalScrollLines(lines)
    }

    function chooseScroll(isOneScreen) {
        if (isOneScreen === oneScreen)
            return
        oneScreen = isOneScreen
        applyScroll()
    }

    function typeRows(typed) {
        const next = Steps.rows(typed, rows)
        if (next === rows && !oneScreen)
            return
        rows = next
        oneScreen = false
        applyScroll()
    }

    function open() {
        visible = true
    }

    function close() {
        forceActiveFocus()      // a row count being typed counts
        visible = false
        closed()
    }

    width: 420
    height: 300
    visible: false
    radius: 6
    color: Theme.colorGray0
    border.color: "#4a4a4e"

    // Presses on the dialog stay on it and end typing.
    MouseArea {
        anchors.fill: parent
        onPressed: page.forceActiveFocus()
    }

    Text {
        x: page.margin
        y: 12
        width: parent.width - 80
        height: 24
        verticalAlignment: Text.AlignVCenter
        text: page.text("title")
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMaxSize
        font.bold: true
        color: Theme.fontColor
    }

    ImageButton {
        objectName: "systemClose"
        x: parent.width - width - 14
        y: 12
        width: 24
        height: 24
        sourceSize: Qt.size(24, 24)
        normalSource: Theme.image("closeBtn")
        hoverSource: Theme.image("closeBtnH")
        onClicked: page.close()
    }

    PointerSlider {
        id: mouseSpeed
        objectName: "mouseSpeed"
        x: page.margin
        y: 48
        label: page.text("mouseSpeed")
        slowText: page.text("slow")
        fastText: page.text("fast")
        position: page.mouseRate
        onMoved: position => page.mouseRate = position
        onFinished: changed => { if (changed) page.applyPointerSpeed() }
    }

    PointerSlider {
        objectName: "doubleClickSpeed"
        x: page.margin
        y: 108
        label: page.text("doubleClickSpeed")
        slowText: page.text("slow")
        fastText: page.text("fast")
        position: page.doubleRate
        onMoved: position => page.doubleRate = position
        onFinished: changed => { if (changed) page.applyDoubleClick() }
    }

    Text {
        x: page.margin
        y: 172
        width: parent.width - 2 * page.margin
        height: 18
        verticalAlignment: Text.AlignVCenter
        text: page.text("scrollSpeed")
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray3
    }

    Row {
        x: page.margin
        y: 196
        spacing: 8

        Radio {
            objectName: "scrollRows"
            width: Math.min(implicitWidth, 150)
            checked: !page.oneScreen
            text: page.text("numberOfRows")
            onClicked: page.chooseScroll(false)
        }

        Rectangle {
            width: 48
            height: 24
            radius: 4
            color: "#121214"
            border.color: rowsInput.activeFocus ? Theme.colorOrange : "#4a4a4e"
            opacity: page.oneScreen ? 0.6 : 1

            TextInput {
                id: rowsInput
                objectName: "rowsInput"
                anchors.fill: parent
                anchors.leftMargin: 6
                anchors.rightMargin: 6
                verticalAlignment: TextInput.AlignVCenter
                horizontalAlignment: TextInput.AlignHCenter
                text: String(page.rows)
                maximumLength: 3
                validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
                selectByMouse: true
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: Theme.fontColor
                selectionColor: Theme.colorOrange
                selectedTextColor: Theme.colorGray0
                onEditingFinished: {
                    page.typeRows(text)
                    // Shows the count taken, also when the typed text was refused.
                    text = Qt.binding(() => String(page.rows))
                }
            }
        }

        Item {
            width: 16
            height: 24
        }

        Radio {
            objectName: "scrollScreen"
            width: Math.min(implicitWidth, 150)
            checked: page.oneScreen
            text: page.text("scrollOneScreen")
            onClicked: page.chooseScroll(true)
        }
    }

    Rectangle {
        x: page.margin
        y: 240
        width: parent.width - 2 * page.margin
        height: 1
        color: "#2e2e32"
    }

    CheckBox {
        id: autostartBox
        objectName: "autostartBox"
        x: page.margin
        y: 260
        width: restore.x - x - 16
        visible: page.autostart !== null
        text: page.text("autostart")
        onToggled: checked => {
            if (!page.autostart)
                return
            page.autostart.setEnabled(checked)
            // Shows what the desktop session will really do.
            autostartBox.checked = Boolean(page.autostart.enabled())
        }
    }

    TextButton {
        id: restore
        objectName: "systemRestore"
        x: parent.width - width - page.margin
        y: 258
        width: 150
        text: page.text("restoreDefaults")
        onClicked: page.init(true, true)
    }

    // A pointer setting from "Slow" to "Fast". Positions 0 to 337 are the
    // track's pixels; the marks show where the step changes.
    component PointerSlider: Item {
        id: slider

        property string label
        property string slowText
        property string fastText
        property int position: 0
        property int pressedAt: 0

        signal moved(int position)
        signal finished(bool changed)

        function positionAt(x) {
            return Math.round(Math.min(Steps.lastPosition, Math.max(Steps.firstPosition, x - knob.width / 2)))
        }

        width: Steps.lastPosition + knob.width
        height: 56

        Text {
            x: 0
            width: parent.width
            height: 18
            verticalAlignment: Text.AlignVCenter
            text: slider.label
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: Theme.colorGray3
        }

        Item {
            id: track
            y: 20
            width: parent.width
            height: 18

            Rectangle {
                x: knob.width / 2
                anchors.verticalCenter: parent.verticalCenter
                width: Steps.lastPosition
                height: 4
                radius: 2
                color: "#2e2e32"

                Rectangle {
                    width: slider.position
                    height: parent.height
                    radius: 2
                    color: Theme.colorOrange
                }

                Repeater {
                    model: Steps.stepBounds.slice(0, -1)

                    Rectangle {
                        required property int modelData
                        x: modelData - 1
                        y: 6
                        width: 1
                        height: 4
                        color: modelData <= slider.position ? Theme.colorOrange : "#4a4a4e"
                    }
                }
            }

            Rectangle {
                id: knob
                x: slider.position
                anchors.verticalCenter: parent.verticalCenter
                width: 14
                height: 14
                radius: 7
                color: area.pressed || area.containsMouse ? Theme.colorOrange : Theme.colorGray3
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
                    slider.forceActiveFocus()   // ends typing the row count
                    slider.pressedAt = slider.position
                    slider.moved(slider.positionAt(mouse.x))
                }
                onPositionChanged: mouse => {
                    if (pressed)
                        slider.moved(slider.positionAt(mouse.x))
                }
                onReleased: slider.finished(slider.position !== slider.pressedAt)
            }
        }

        Text {
            y: 40
            width: parent.width / 2
            text: slider.slowText
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMinSize + 1
            color: Theme.colorGray2
        }

        Text {
            x: parent.width / 2
            y: 40
            width: parent.width / 2
            horizontalAlignment: Text.AlignRight
            text: slider.fastText
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMinSize + 1
            color: Theme.colorGray2
        }
    }

    // A radio button with its text; the whole row chooses it.
    component Radio: Item {
        id: radio

        property bool checked: false
        property alias text: radioText.text

        signal clicked()

        implicitWidth: 16 + 6 + radioText.implicitWidth
        height: 24

        Image {
            anchors.verticalCenter: parent.verticalCenter
            width: 16
            height: 16
            sourceSize: Qt.size(16, 16)
            source: Theme.image(radio.checked ? "radioBtnS" : "radioBtn")
        }

        Text {
            id: radioText
            x: 22
            width: parent.width - x
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontMinSize - 1
            elide: Text.ElideRight
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: radioArea.containsMouse || radio.checked ? Theme.colorOrange : Theme.fontColor
        }

        MouseArea {
            id: radioArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                radio.forceActiveFocus()    // ends typing the row count
                radio.clicked()
            }
        }
    }
}
