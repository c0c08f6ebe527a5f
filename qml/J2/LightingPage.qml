import QtQuick
import "../common"
import "../common/texts.mjs" as Texts
import "../common/lightingpage.mjs" as Light

// The lighting of the profile: the effect, its speed and brightness, and the
// eight colours. Changes are kept until the main window's Save stores and
// sends them.
Rectangle {
    id: page

    property var view: null
    property var texts: Texts.builtIn("lightControl")
    property bool isColorful: false
    property bool is55328: false
    property bool isSave: false

    property int effect: Light.defaults.effect
    property int speed: Light.defaults.speed
    property int brightness: Light.defaults.brightness
    property var colours: Light.defaults.colours.slice()
    property int selectedColour: 0

    readonly property var effectList: Light.effects(isColorful, is55328)
    readonly property var shown: Light.sliders(effect, isColorful, is55328)

    function text(id) {
        const i = Texts.indexOf("lightControl", id)
        return texts[i] || Texts.builtIn("lightControl")[i]
    }

    function init(isSendData, isRecovery) {
        const stored = view ? view.getDataList("mouse/lightValue", isRecovery) : []
        const light = Light.lightValue(stored, isColorful, is55328)
        effect = light.effect
        speed = light.speed
        brightness = light.brightness
        colours = Light.colourBytes(view ? view.getDataList("mouse/colorValue", isRecovery) : [])
        isSave = false
        if (isSendData)
            save()
    }

    function save() {
        if (!view)
            return
        const sent = Light.coloursToSend(colours, effect, isColorful, is55328)
        view.setDataList("mouse/lightValue", [effect, speed, brightness])
        view.setDataList("mouse/colorValue", sent)
        view.mouseSetRGBEffect(effect, speed, brightness)
        view.mouseSetRGBColor(isColorful ? 0 : 1, sent)
    }

    function restoreDefaults() {
        init(false, true)
        isSave = true
    }

    function closeMenus() {
        effectBox.open = false
    }

    // Choosing an effect also puts its sliders where that effect starts.
    function chooseEffect(next) {
        if (next === effect)
            return
        effect = next
        const reset = shown.reset
        if (reset.speed !== undefined)
            speed = reset.speed
        if (reset.brightness !== undefined)
            brightness = reset.brightness
        isSave = true
    }

    function setColour(index, rgb) {
        const next = colours.slice()
        for (let k = 0; k < 3; ++k)
            next[3 * index + k] = rgb[k]
        if (next.every((value, i) => value === colours[i]))
            return
        colours = next
        isSave = true
    }

    function setChannel(k, typed) {
        const rgb = colours.slice(3 * selectedColour, 3 * selectedColour + 3)
        rgb[k] = Light.channel(typed, rgb[k])
        setColour(selectedColour, rgb)
    }

    width: 232
    height: 268
    radius: 6
    color: Theme.colorPanel
    border.color: "#2e2e32"

    // A click on the page closes the effect list and ends typing.
    MouseArea {
        anchors.fill: parent
        onPressed: mouse => {
            page.closeMenus()
            page.forceActiveFocus()
            mouse.accepted = false
        }
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

    Label {
        x: 12
        y: 38
        width: effectBox.x - x - 8
        height: 24
        text: page.text("effect")
    }

    StepSlider {
        objectName: "speedSlider"
        x: 12
        y: 70
        width: page.width - 24
        visible: page.shown.speed
        label: page.text("speed")
        step: page.speed
        onMoved: step => page.speed = step
        onFinished: changed => { if (changed) page.isSave = true }
    }

    StepSlider {
        objectName: "brightnessSlider"
        x: 12
        y: 110
        width: page.width - 24
        visible: page.shown.brightness
        label: page.text("brightness")
        step: page.brightness
        onMoved: step => page.brightness = step
        onFinished: changed => { if (changed) page.isSave = true }
    }

    Label {
        x: 12
        y: 152
        width: page.width - 24
        height: 16
        text: page.text("color")
    }

    Row {
        x: Math.round((page.width - width) / 2)
        y: 172
        spacing: 3

        Repeater {
            model: Light.colourCount

            Rectangle {
                id: swatch

                required property int index
                readonly property bool selected: index === page.selectedColour

                objectName: "swatch" + index
                width: 23
                height: 23
                radius: 4
                color: "transparent"
                border.width: selected ? 2 : 1
                border.color: selected ? Theme.colorOrange : swatchArea.containsMouse ? Theme.colorGray2 : "#3a3a3e"
                // On the lighting variant only effect 4 uses the eighth colour.
                opacity: index < 7 || Light.eighthColourUsed(page.effect, page.is55328) ? 1 : 0.35

                Rectangle {
                    anchors.fill: parent
                    anchors.margins: 3
                    radius: 2
                    color: Qt.rgba(page.colours[3 * swatch.index] / 255, page.colours[3 * swatch.index + 1] / 255,
                                   page.colours[3 * swatch.index + 2] / 255, 1)
                }

                MouseArea {
                    id: swatchArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        page.forceActiveFocus()
                        page.selectedColour = swatch.index
                    }
                }
            }
        }
    }

    // The colour bar: every hue at full strength.
    Item {
        id: hueBar
        objectName: "hueBar"
        x: 12
        y: 204
        width: page.width - 24
        height: 14

        readonly property var selectedRgb: page.colours.slice(3 * page.selectedColour, 3 * page.selectedColour + 3)
        readonly property real hue: Light.hueShare(selectedRgb[0], selectedRgb[1], selectedRgb[2])

        function pick(x) {
            page.setColour(page.selectedColour, Light.hueColour(x / width))
        }

        Rectangle {
            anchors.fill: parent
            anchors.topMargin: 2
            anchors.bottomMargin: 2
            radius: 3
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0 / 6; color: "#ff0000" }
                GradientStop { position: 1 / 6; color: "#ffff00" }
                GradientStop { position: 2 / 6; color: "#00ff00" }
                GradientStop { position: 3 / 6; color: "#00ffff" }
                GradientStop { position: 4 / 6; color: "#0000ff" }
                GradientStop { position: 5 / 6; color: "#ff00ff" }
                GradientStop { position: 6 / 6; color: "#ff0000" }
            }
        }

        Rectangle {
            visible: hueBar.hue >= 0
            x: Math.round(hueBar.hue * hueBar.width) - width / 2
            width: 4
            height: parent.height
            radius: 2
            color: "transparent"
            border.color: Theme.fontColor
            border.width: 1.5
        }

        MouseArea {
            anchors.fill: parent
            preventStealing: true
            cursorShape: Qt.PointingHandCursor
            onPressed: mouse => {
                page.forceActiveFocus()
                hueBar.pick(mouse.x)
            }
            onPositionChanged: mouse => hueBar.pick(mouse.x)
        }
    }

    Row {
        x: 12
        y: 230
        spacing: 10

        Repeater {
            model: [["red", "redInput"], ["green", "greenInput"], ["blue", "blueInput"]]

            ChannelInput {
                required property int index
                required property var modelData
                objectName: modelData[1]
                label: page.text(modelData[0])
                value: page.colours[3 * page.selectedColour + index]
                onTyped: text => page.setChannel(index, text)
            }
        }
    }

    BackButton {
        id: back
        objectName: "lightBack"
        x: page.width - width - 10
        y: 8
        z: 5
        hint: page.text("restoreDefaults")
        onClicked: page.restoreDefaults()
    }

    // Last, so that its list opens over everything else on the page.
    EffectBox {
        id: effectBox
        objectName: "effectBox"
        x: page.width - width - 12
        y: 38
        width: 136
        model: page.effectList.map(entry => page.texts[entry.text] || Texts.builtIn("lightControl")[entry.text])
        currentIndex: page.effectList.findIndex(entry => entry.effect === page.effect)
        onActivated: index => page.chooseEffect(page.effectList[index].effect)
    }

    component Label: Text {
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.fontMinSize - 1
        elide: Text.ElideRight
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        color: Theme.colorGray3
    }

    // A slider of five steps, "0%" to "100%", with its name and value above.
    component StepSlider: Item {
        id: slider

        property string label
        property int step: 0
        property int pressedAt: 0

        signal moved(int step)
        signal finished(bool changed)

        function stepAt(x) {
            const share = (x - knob.width / 2) / (track.width - knob.width)
            return Math.round(Math.min(1, Math.max(0, share)) * (Light.steps - 1))
        }

        height: 36

        Label {
            width: parent.width - percent.width - 8
            height: 16
            text: slider.label
        }

        Text {
            id: percent
            anchors.right: parent.right
            height: 16
            verticalAlignment: Text.AlignVCenter
            text: Light.stepTexts[slider.step]
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: Theme.colorOrange
        }

        Item {
            id: track
            y: 18
            width: parent.width
            height: 16

            Rectangle {
                x: knob.width / 2
                anchors.verticalCenter: parent.verticalCenter
                width: track.width - knob.width
                height: 4
                radius: 2
                color: "#2e2e32"

                Rectangle {
                    width: slider.step / (Light.steps - 1) * parent.width
                    height: parent.height
                    radius: 2
                    color: Theme.colorOrange
                }

                Repeater {
                    model: Light.steps

                    Rectangle {
                        required property int index
                        x: index / (Light.steps - 1) * parent.width - width / 2
                        y: -3
                        width: 2
                        height: 10
                        radius: 1
                        color: index <= slider.step ? Theme.colorOrange : "#4a4a4e"
                    }
                }
            }

            Rectangle {
                id: knob
                x: slider.step / (Light.steps - 1) * (track.width - width)
                anchors.verticalCenter: parent.verticalCenter
                width: 12
                height: 12
                radius: 6
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
                    slider.forceActiveFocus()   // ends typing in a colour field
                    slider.pressedAt = slider.step
                    slider.moved(slider.stepAt(mouse.x))
                }
                onPositionChanged: mouse => {
                    if (pressed)
                        slider.moved(slider.stepAt(mouse.x))
                }
                onReleased: slider.finished(slider.step !== slider.pressedAt)
            }
        }
    }

    // One colour channel, 0 to 255: what is typed counts when Enter is
    // pressed or the field is left.
    component ChannelInput: Row {
        id: channel

        property string label
        property int value

        signal typed(string text)

        spacing: 5
        height: 24

        Text {
            width: 14
            height: parent.height
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            text: channel.label
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontMinSize - 1
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            color: Theme.colorGray3
        }

        Rectangle {
            width: 44
            height: parent.height
            radius: 4
            color: Theme.colorGray0
            border.color: field.activeFocus ? Theme.colorOrange : "#4a4a4e"

            TextInput {
                id: field
                objectName: channel.objectName + "Field"
                anchors.fill: parent
                anchors.leftMargin: 6
                anchors.rightMargin: 6
                verticalAlignment: TextInput.AlignVCenter
                horizontalAlignment: TextInput.AlignHCenter
                text: String(channel.value)
                maximumLength: 3
                validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
                selectByMouse: true
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: Theme.fontColor
                selectionColor: Theme.colorOrange
                selectedTextColor: Theme.colorGray0
                onEditingFinished: {
                    channel.typed(text)
                    // Shows the value taken, also when the typed text was refused.
                    text = Qt.binding(() => String(channel.value))
                }
            }
        }
    }

    // A drop-down of the effects. Its list opens downwards, or upwards when
    // the window has no room for it below.
    component EffectBox: Item {
        id: box

        property var model: []
        property int currentIndex: 0
        property bool open: false
        property bool upwards: false

        signal activated(int index)

        function toggle() {
            if (!open) {
                let root = box
                while (root.parent)
                    root = root.parent
                const bottom = box.mapToItem(root, 0, box.height).y
                upwards = bottom + 2 + list.height > root.height && box.mapToItem(root, 0, 0).y > list.height + 2
            }
            open = !open
        }

        height: 24
        z: open ? 50 : 0

        Rectangle {
            anchors.fill: parent
            radius: 4
            color: Theme.colorGray0
            border.color: box.open || headArea.containsMouse ? Theme.colorOrange : "#4a4a4e"

            Text {
                anchors.left: parent.left
                anchors.leftMargin: 8
                anchors.right: arrow.left
                anchors.rightMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                text: box.currentIndex >= 0 && box.currentIndex < box.model.length ? box.model[box.currentIndex] : ""
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Theme.fontMinSize - 1
                elide: Text.ElideRight
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                color: Theme.fontColor
            }

            Image {
                id: arrow
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                width: 12
                height: 8
                sourceSize: Qt.size(12, 8)
                source: Theme.image(box.open && !box.upwards ? "dropBtnU" : "dropBtn")
            }

            MouseArea {
                id: headArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: box.toggle()
            }
        }

        Rectangle {
            id: list
            visible: box.open
            y: box.upwards ? -height - 2 : box.height + 2
            width: box.width
            height: column.height + 4
            radius: 4
            color: "#202024"
            border.color: "#4a4a4e"

            Column {
                id: column
                x: 2
                y: 2
                width: parent.width - 4

                Repeater {
                    model: box.model

                    Rectangle {
                        required property int index
                        required property string modelData
                        objectName: "effectItem" + index
                        width: column.width
                        height: 22
                        radius: 3
                        color: itemArea.containsMouse ? Theme.colorOrange : "transparent"

                        Text {
                            anchors.fill: parent
                            anchors.leftMargin: 6
                            verticalAlignment: Text.AlignVCenter
                            elide: Text.ElideRight
                            text: parent.modelData
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.fontNormalSize
                            color: itemArea.containsMouse ? Theme.colorGray0
                                 : parent.index === box.currentIndex ? Theme.colorOrange : Theme.fontColor
                        }

                        MouseArea {
                            id: itemArea
                            anchors.fill: parent
                            hoverEnabled: true
                            onClicked: {
                                box.open = false
                                box.activated(parent.index)
                            }
                        }
                    }
                }
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
