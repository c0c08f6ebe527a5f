import QtQuick
import "basic"
import "common"
import "J2"
import KM7
import "common/macrolist.mjs" as Macros
import "common/mainlogic.mjs" as Logic
import "common/texts.mjs" as Texts

// The main window's scene. It starts invisible and makes no call out of the
// scene while it loads: the native side shows it through initUI().
Item {
    id: mainIten

    width: 1024
    height: 640
    visible: false

    property var mainLang: Texts.builtIn("main")
    property string language: "ChineseSimplified"
    property string url: "https://example.org/km7"
    property bool isColorful: false
    property bool isGun: true
    property string icType: "553"
    property bool is55328: false
    property bool isPownOn: false
    property bool isScrollRateFocus: false
    property int currentProfile: 0

    property string fontFamily: Theme.fontFamily
    property int fontNormalSize: Theme.fontNormalSize
    property int fontMiddleSize: Theme.fontMiddleSize
    property int fontMaxSize: Theme.fontMaxSize
    property int fontMinSize: Theme.fontMinSize
    property color fontColor: Theme.fontColor
    property color colorGray0: Theme.colorGray0
    property color colorGray1: Theme.colorGray1
    property color colorGray2: Theme.colorGray2
    property color colorGray3: Theme.colorGray3
    property color colorBlue: Theme.colorBlue
    property color colorOrange: Theme.colorOrange
    property color colorBlack: Theme.colorBlack
    property int skin_No: 1

    property url sourceBackground: Theme.image("background")
    property url sourceTitleBar: Theme.image("titleBar")
    property url sourceTitleLogo: Theme.image("titleLogo")
    property url sourceMinBtn: Theme.image("minBtn")
    property url sourceMinBtnH: Theme.image("minBtnH")
    property url sourceCloseBtn: Theme.image("closeBtn")
    property url sourceCloseBtnH: Theme.image("closeBtnH")
    property url sourceAsk: Theme.image("ask")
    property url sourceAskH: Theme.image("askH")
    property url sourcePowerOn: Theme.image("powerOn")
    property url sourceDropBtn: Theme.image("dropBtn")
    property url sourceDropBtnU: Theme.image("dropBtnU")
    property url sourceMouseFront: Theme.image("MouseFront")
    property url sourceMouseSide: Theme.image("MouseSide")

    // The native bridge; the scene loads before it is published, and makes no
    // call out while it loads.
    readonly property var bridge: typeof ui_View === "undefined" ? null : ui_View

    // The button pointed at in the list or on the picture, and the one being edited.
    property int hoveredButton: -1
    readonly property int selectedButton: keyAssignment.visible ? keyAssignment.buttonIndex : hoveredButton

    // The three pages whose changes the Save button sends.
    readonly property var savedPages: [keyMatrix, dpiPage, lightingPage]
    property bool unsavedChanges: keyMatrix.isSave || dpiPage.isSave || lightingPage.isSave

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int buttonCode, int x, int y)
    signal emptyAreaPressed()

    // --- called by the native side; untyped, since calls carry QVariants ---

    function initUI() {
        setProtectUI(1000)
        visible = true
        if (!isPownOn) {
            readGlobalFacts()
            Logic.firstConnection(ui_View, hid, icType)
            loadLanguage()
            reportRateBox.init(false)
            profilePage.init()
            const stored = Number(ui_View.getGlobalData("mouse/profileNo"))
            const index = Math.max(0, profilePage.numbers.indexOf(stored))
            currentProfile = profilePage.numbers.length ? profilePage.numbers[index] : 0
            ui_View.setCurrentProfile(currentProfile)
            for (const page of [macroEditor, gunEditor, keyAssignment])
                page.init(false, false)
            for (const page of [keyMatrix, dpiPage, lightingPage, systemPage])
                page.init(false, false)
            isPownOn = true
        }
        dpiPage.currentStage = Logic.stageIndex(ui_View.mouseGetCurrentDPI(), dpiPage.currentStage)
    }

    function run() {
    }

    function setProtectUI(interval) {
        busyIndicator.setBusy(true)
        ui_View.setEnabled(false)
        protectTimer.interval = Number(interval)
        protectTimer.restart()
    }

    function setCurrentDPI(dpiValue) {
        if (Number(dpiValue) !== 0)
            dpiPage.currentStage = Number(dpiValue) - 1
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, buttonCode, x, y) {
        msg_MS(isDown, buttonCode, x, y)
    }

    // --- used inside the scene ---

    function mainFocus() {
        reportRateBox.close()
        profileSelector.close()
        dpiPage.closeMenus()
        lightingPage.closeMenus()
        helpMenu.visible = false
    }

    function controlUIEnable(isEnable) {
        busyIndicator.setBusy(!isEnable)
        ui_View.setEnabled(isEnable)
    }

    function askMenuCmd(cmd) {
        if (cmd === 0)
            Qt.openUrlExternally(url)
        helpMenu.visible = false
    }

    function readGlobalFacts() {
        isColorful = ui_View.getGlobalData("mouse/isColorful") === true
                || String(ui_View.getGlobalData("mouse/isColorful")) === "true"
        icType = String(ui_View.getGlobalData("mouse/icType"))
        is55328 = String(ui_View.getGlobalData("mouse/is55328")) === "true"
        isGun = String(ui_View.getGlobalData("mouse/isGun")) === "true"
        mouseView.keyCount = Number(ui_View.getGlobalData("mouse/keyCount")) || 8
        language = String(ui_View.getGlobalData("common/language") || "English")
        url = String(ui_View.getGlobalData("common/url") || url)
    }

    function loadLanguage() {
        mainLang = Texts.resolve("main", ui_View.getLangStrings("main", language))
        for (const group of ["keyMatrix", "keyAssigment", "dpiSetting", "lightControl", "macroEditor",
                             "systemSetting", "gunControl", "profile", "keyCode"])
            pageTexts[group] = Texts.resolve(group, ui_View.getLangStrings(group, language))
        pageTextsChanged()
        ui_View.getLangStrings("other", language)
    }

    property var pageTexts: ({})

    function mainContext() {
        return {
            view: ui_View, currentProfile: currentProfile, isGun: isGun,
            keyMatrix: keyMatrix, reportRate: reportRateBox, dpi: dpiPage, lighting: lightingPage,
            system: systemPage, gunEditor: gunEditor, controlUIEnable: controlUIEnable,
            setCurrentStage: stage => { dpiPage.currentStage = stage }
        }
    }

    function changeProfile(number) {
        currentProfile = Logic.changeProfile(mainContext(), number)
    }

    function reloadProfile() {
        const number = currentProfile
        currentProfile = -1
        changeProfile(number)
    }

    function factoryReset() {
        resetDialog.close()
        Logic.factoryReset(mainContext())
    }

    function openAssignment(index) {
        mainFocus()
        keyAssignment.open(index, keyMatrix.assignmentOf(index), keyMatrix.factoryOf(index), keyMatrix.buttonName(index))
    }

    // A macro file as the mouse's macro bytes; its own repeat count goes first.
    function encodeMacro(name) {
        const lines = ui_View.loadMacroIni(name)
        if (lines.length === 0)
            return []
        const macro = Macros.parse(lines)
        const bytes = Km7.encodeMacro(macro.events, macro.repeat)
        // A macro longer than the mouse's slot (an imported file) would lose its end marker.
        return bytes.length <= 128 ? bytes : []
    }

    function openDialog(dialog) {
        mainFocus()
        dialog.open()
    }

    // Which dialog is showing decides the mask.
    readonly property bool dialogOpen: macroEditor.visible || gunEditor.visible || systemPage.visible
                                       || keyAssignment.visible || profilePage.visible || resetDialog.visible

    onMsg_KB: (isDown, usbCode) => {
        if (macroEditor.visible && macroEditor.capturing)
            macroEditor.keyEvent(isDown, usbCode)
        else if (keyAssignment.visible && keyAssignment.capturing)
            keyAssignment.keyEvent(isDown, usbCode)
    }

    // 1. The whole window can be dragged by any empty area.
    MouseArea {
        id: dragArea
        anchors.fill: parent
        property point pressPoint
        onPressed: mouse => {
            mainIten.emptyAreaPressed()
            pressPoint = Qt.point(mouse.x, mouse.y)
            mainIten.mainFocus()
        }
        onPositionChanged: mouse => {
            ui_Ctl.onXChanged(mouse.x - pressPoint.x)
            ui_Ctl.onYChanged(mouse.y - pressPoint.y)
        }
    }

    // 2. The start-up logo, until the first protect period ends.
    Image {
        id: powerOnLogo
        anchors.centerIn: parent
        source: mainIten.sourcePowerOn
    }

    // 3. The busy overlay, above everything.
    BusyIndicator {
        id: busyIndicator
        anchors.centerIn: parent
        z: 99
        text: mainIten.mainLang[Texts.indexOf("main", "loading")] || qsTr("LOADING ......")
    }

    // 4. The protect timer unlocks the interface; the first time it also shows it.
    Timer {
        id: protectTimer
        interval: 1000
        onTriggered: {
            ui_View.setEnabled(true)
            busyIndicator.setBusy(false)
            if (powerOnLogo.visible) {
                powerOnLogo.visible = false
                layout.visible = true
            }
        }
    }

    Item {
        id: layout
        anchors.fill: parent
        visible: false

        // 5. Background, title band and logo.
        Environment {
            sourceBackground: mainIten.sourceBackground
            sourceTitleLogo: mainIten.sourceTitleLogo
        }

        // 10. The mouse picture.
        MouseView {
            id: mouseView
            anchors.fill: parent
            highlighted: mainIten.selectedButton
            onHovered: index => mainIten.hoveredButton = index
            onClicked: index => keyMatrix.requestEdit(index)
        }

        // 6. Left panel.
        Column {
            x: 24
            y: 88
            spacing: 8

            KeyMatrixList {
                id: keyMatrix
                objectName: "keyMatrix"
                view: mainIten.bridge
                texts: mainIten.pageTexts.keyMatrix || Texts.builtIn("keyMatrix")
                assignTexts: mainIten.pageTexts.keyAssigment || Texts.builtIn("keyAssigment")
                keys: Km7
                keyCount: mouseView.keyCount
                highlighted: mainIten.selectedButton
                firePeriods: () => gunEditor.firePeriods()
                onHovered: index => mainIten.hoveredButton = index
                onEditRequested: index => mainIten.openAssignment(index)
            }

            Rectangle {
                id: editorBox
                objectName: "editorBox"
                width: 232
                height: Logic.editorBoxHeight(mainIten.isGun)
                radius: 6
                color: Theme.colorPanel
                border.color: "#2e2e32"

                Text {
                    x: 12
                    y: 8
                    text: mainIten.mainLang[0]
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMiddleSize
                    font.bold: true
                    color: mainIten.fontColor
                }

                PanelEntry {
                    y: 36
                    text: mainIten.mainLang[1]
                    onClicked: mainIten.openDialog(macroEditor)
                }

                Rectangle {
                    visible: mainIten.isGun
                    x: 12
                    y: 67
                    width: parent.width - 24
                    height: 1
                    color: "#2e2e32"
                }

                PanelEntry {
                    visible: mainIten.isGun
                    y: 68
                    text: mainIten.mainLang[2]
                    onClicked: mainIten.openDialog(gunEditor)
                }
            }

            Rectangle {
                width: 232
                height: 42
                radius: 6
                color: Theme.colorPanel
                border.color: "#2e2e32"
                z: reportRateBox.open ? 60 : 0

                Text {
                    x: 12
                    anchors.verticalCenter: parent.verticalCenter
                    width: reportRateBox.x - 20
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: mainIten.fontMinSize - 1
                    elide: Text.ElideRight
                    text: mainIten.mainLang[3]
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                    color: mainIten.fontColor
                }

                DropDown {
                    id: reportRateBox
                    x: parent.width - width - 9
                    anchors.verticalCenter: parent.verticalCenter
                    width: 96
                    model: Logic.reportRateNames

                    function init(isSendData) {
                        const stored = Number(ui_View.getData("mouse/reportRate", false))
                        currentIndex = stored >= 0 && stored <= 3 ? stored : 3
                        if (isSendData)
                            ui_View.mouseSetReportRate(Logic.rateForIndex(currentIndex))
                    }

                    onActivated: index => {
                        ui_View.setData("mouse/reportRate", index)
                        ui_View.mouseSetReportRate(Logic.rateForIndex(index))
                    }
                }
            }

            Rectangle {
                width: 232
                height: 24
                radius: 6
                color: systemArea.containsMouse ? Theme.colorOrange : Theme.colorPanel
                border.color: "#2e2e32"

                Text {
                    anchors.centerIn: parent
                    text: mainIten.mainLang[9]
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                    color: systemArea.containsMouse ? Theme.colorGray0 : mainIten.fontColor
                }

                MouseArea {
                    id: systemArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: mainIten.openDialog(systemPage)
                }
            }
        }

        // 7. Bottom bar.
        Row {
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 8
            spacing: 16

            TextButton {
                text: mainIten.mainLang[4]
                onClicked: mainIten.openDialog(profilePage)
            }
            TextButton {
                text: mainIten.mainLang[5]
                onClicked: mainIten.openDialog(resetDialog)
            }
            TextButton {
                objectName: "saveButton"
                text: mainIten.mainLang[10]
                alert: mainIten.unsavedChanges
                accent: true
                onClicked: Logic.saveAll(mainIten.savedPages, mainIten.controlUIEnable)
            }
        }

        // 8. Right panel.
        Column {
            x: 768
            y: 56
            spacing: 8

            DpiPage {
                id: dpiPage
                objectName: "dpiPage"
                view: mainIten.bridge
                texts: mainIten.pageTexts.dpiSetting || Texts.builtIn("dpiSetting")
            }
            LightingPage {
                id: lightingPage
                objectName: "lightingPage"
                view: mainIten.bridge
                texts: mainIten.pageTexts.lightControl || Texts.builtIn("lightControl")
                isColorful: mainIten.isColorful
                is55328: mainIten.is55328
            }
        }

        // 9. Title bar: the profile selector and the window buttons.
        DropDown {
            id: profileSelector
            x: 920 - 16 - width
            y: 16
            model: profilePage.names
            currentIndex: profilePage.currentIndex
            onActivated: index => mainIten.changeProfile(profilePage.numbers[index])
        }

        Menu_Up {
            x: 920
            y: 16
            sourceAsk: mainIten.sourceAsk
            sourceAskH: mainIten.sourceAskH
            sourceMinBtn: mainIten.sourceMinBtn
            sourceMinBtnH: mainIten.sourceMinBtnH
            sourceCloseBtn: mainIten.sourceCloseBtn
            sourceCloseBtnH: mainIten.sourceCloseBtnH
            onButtonClicked: index => {
                if (index === 0)
                    ui_Ctl.onMinimize()
                else if (index === 1)
                    ui_Ctl.onClose()
                else
                    helpMenu.visible = !helpMenu.visible
            }
        }
    }

    // 11. The mask behind every dialog; dragging it moves the window.
    Rectangle {
        id: mask
        anchors.fill: parent
        color: Theme.colorMask
        visible: mainIten.dialogOpen

        MouseArea {
            anchors.fill: parent
            property point pressPoint
            onPressed: mouse => pressPoint = Qt.point(mouse.x, mouse.y)
            onPositionChanged: mouse => {
                ui_Ctl.onXChanged(mouse.x - pressPoint.x)
                ui_Ctl.onYChanged(mouse.y - pressPoint.y)
            }
        }
    }

    // 12. Dialogs and pages, centred when opened.
    MacroEditor {
        id: macroEditor
        view: mainIten.bridge
        texts: mainIten.pageTexts.macroEditor || Texts.builtIn("macroEditor")
        keys: Km7
        encode: (events, repeat) => Km7.encodeMacro(events, repeat)
        encodedSize: events => Km7.encodedMacroSize(events)
        onDeleteMacro: name => keyMatrixBookkeeping.macroDeleted(name)
        onModifyMacroName: (oldName, newName) => keyMatrixBookkeeping.macroRenamed(oldName, newName)
        onModifyMacroData: name => keyMatrixBookkeeping.macroChanged(name)
    }
    GunEditor {
        id: gunEditor
        view: mainIten.bridge
        texts: mainIten.pageTexts.gunControl || Texts.builtIn("gunControl")
        isGun: mainIten.isGun
        // The fire periods of the recoil slots ride along with the key matrix.
        onRecoilChanged: keyMatrix.saveList()
    }
    SystemPage {
        id: systemPage
        anchors.centerIn: parent
        view: mainIten.bridge
        texts: mainIten.pageTexts.systemSetting || Texts.builtIn("systemSetting")
        autostart: ({ enabled: () => Km7.autostartEnabled(), setEnabled: on => Km7.setAutostart(on) })
    }
    KeyAssignment {
        id: keyAssignment
        view: mainIten.bridge
        texts: mainIten.pageTexts.keyAssigment || Texts.builtIn("keyAssigment")
        listTexts: mainIten.pageTexts.keyMatrix || Texts.builtIn("keyMatrix")
        keys: Km7
        isGun: mainIten.isGun
        macroNames: macroEditor.macroNames
        encodeMacro: mainIten.encodeMacro
        onAssigned: (index, assignment, text) => keyMatrix.assign(index, assignment, text)
    }
    ProfilePage {
        id: profilePage
        view: mainIten.bridge
        texts: mainIten.pageTexts.profile || Texts.builtIn("profile")
        currentProfile: mainIten.currentProfile
        onProfileChosen: number => mainIten.changeProfile(number)
        // An import over the profile in use reaches the mouse at once, as a profile change does.
        onProfileImported: number => {
            if (number === mainIten.currentProfile)
                mainIten.reloadProfile()
        }
    }

    Dialog {
        id: resetDialog
        objectName: "resetDialog"
        width: 427
        height: 102
        title: mainIten.mainLang[5]

        Text {
            x: 16
            y: 36
            width: parent.width - 32
            elide: Text.ElideRight
            text: mainIten.mainLang[6]
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
            color: Theme.colorGray3
        }

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 12
            spacing: 12

            TextButton {
                width: 88
                height: 25
                text: mainIten.mainLang[7]
                onClicked: resetDialog.close()
            }
            TextButton {
                width: 88
                height: 25
                accent: true
                text: mainIten.mainLang[8]
                onClicked: mainIten.factoryReset()
            }
        }
    }

    HelpMenu {
        id: helpMenu
        x: parent.width - 300
        y: 30
        url: mainIten.url
        versionText: mainIten.mainLang[Texts.indexOf("main", "version")]
        onChosen: index => mainIten.askMenuCmd(index)
    }

    QtObject {
        id: keyMatrixBookkeeping

        function buttonsUsing(name) {
            const buttons = []
            const keys = keyMatrix.modKeys
            for (let k = 0; k * 4 < keys.length; ++k) {
                if (Number(keys[4 * k]) === 4
                        && String(ui_View.getData("mouseMacroKey/" + keys[4 * k + 2], false)) === name)
                    buttons.push(k)
            }
            return buttons
        }

        function macroDeleted(name) {
            const buttons = buttonsUsing(name)
            if (buttons.length) {
                const keys = keyMatrix.modKeys.slice()
                const texts = keyMatrix.keyTexts.slice()
                for (const k of buttons) {
                    for (let i = 0; i < 4; ++i)
                        keys[4 * k + i] = keyMatrix.modKeys_tmp[4 * k + i]
                }
                keyMatrix.modKeys = keys
                keyMatrix.keyTexts = texts
                keyMatrix.saveList()
            }
            ui_View.deleteMacroUpdateProfile(name)
        }

        function macroRenamed(oldName, newName) {
            for (const k of buttonsUsing(oldName))
                ui_View.setData("mouseMacroKey/" + keyMatrix.modKeys[4 * k + 2], newName)
            keyMatrix.refreshTexts()
            ui_View.modifyMacroNameUpdateProfile(oldName, newName)
        }

        function macroChanged(name) {
            const bytes = mainIten.encodeMacro(name)
            if (bytes.length === 0)
                return
            for (const k of buttonsUsing(name))
                ui_View.mouseSendMacroData(bytes, k)
        }
    }
}
