import QtQuick
import QtTest
import KM7
import "../../qml/J2"
import "../../qml/common/assignments.mjs" as Assign
import "../../qml/common/texts.mjs" as Texts

// The button list, the assignment dialog and the mouse picture against a
// view that records what they store and send.
Item {
    id: root
    width: 1024
    height: 640

    property var log: []
    property var store: ({})
    property var assignedLog: []
    // What the profile files hold: the working and the factory assignments.
    property var current: []
    property var factory: []

    readonly property var factoryList: [
        0, 0, 0xF0, 0,   0, 0, 0xF1, 0,   0, 0, 0xF2, 0,   0, 0, 0xF3, 0,
        0, 0, 0xF4, 0,   5, 0, 1, 0,      5, 0, 2, 0,      1, 0x14, 10, 0,
        5, 0, 3, 0,      3, 0, 0xCD, 0,   3, 0, 0xE9, 0,   3, 0, 0xEA, 0,
        7, 0, 0xE0, 6,   7, 0, 0xE0, 0x19, 0xFF, 0, 1, 0, 0xFF, 0, 2, 0
    ]

    QtObject {
        id: view
        function record(entry) { root.log = root.log.concat([entry]) }
        function getData(key, recovery) { return root.store[key] === undefined ? "" : root.store[key] }
        function setData(key, value) { root.store[key] = value; record("setData(" + key + "," + value + ")") }
        function mouseGetKeydefine(index, recovery) {
            const list = recovery ? root.factory : root.current
            return list.slice(4 * index, 4 * index + 4).map(String)
        }
        function mouseSetKeyMatrix(values, isSendData, other) {
            record("mouseSetKeyMatrix(" + JSON.stringify(values) + "," + isSendData + "," + JSON.stringify(other) + ")")
        }
        function mouseSendMacroData(bytes, index) {
            record("mouseSendMacroData(" + JSON.stringify(bytes) + "," + index + ")")
        }
    }

    MouseView {
        id: picture
        anchors.fill: parent
    }

    KeyMatrixList {
        id: list
        x: 24
        y: 88
        view: view
        keys: Km7
        firePeriods: () => [12, 34, 56]
    }

    KeyAssignment {
        id: dialog
        view: view
        keys: Km7
        macroNames: ["Macro_0", "Spray", "Reload"]
        encodeMacro: name => name === "Spray" ? [0, 1, 0x81, 0x14, 0x01, 0x14] : []
        onAssigned: (index, assignment, text) => {
            root.assignedLog = root.assignedLog.concat([{ index: index, bytes: assignment, text: text }])
            list.assign(index, assignment, text)
        }
    }

    SignalSpy { id: editSpy; target: list; signalName: "editRequested" }
    SignalSpy { id: listHoverSpy; target: list; signalName: "hovered" }
    SignalSpy { id: pictureHoverSpy; target: picture; signalName: "hovered" }
    SignalSpy { id: pictureClickSpy; target: picture; signalName: "clicked" }

    TestCase {
        name: "Buttons"
        when: windowShown

        function init() {
            root.factory = root.factoryList.slice()
            root.current = root.factoryList.slice()
            root.store = {}
            dialog.visible = false
            dialog.isGun = true
            list.keyCount = 8
            list.texts = Texts.builtIn("keyMatrix")
            list.assignTexts = Texts.builtIn("keyAssigment")
            dialog.texts = Texts.builtIn("keyAssigment")
            list.init(false, false)
            root.log = []
            root.assignedLog = []
            for (const spy of [editSpy, listHoverSpy, pictureHoverSpy, pictureClickSpy])
                spy.clear()
        }

        function withButton(index, assignment) {
            const list64 = root.current.slice()
            for (let i = 0; i < 4; ++i)
                list64[4 * index + i] = assignment[i]
            root.current = list64
            list.init(false, false)
        }

        function openFor(index) {
            dialog.open(index, list.assignmentOf(index), list.factoryOf(index), list.buttonName(index))
            verify(dialog.visible)
        }

        function click(objectName, parentItem) {
            const item = findChild(parentItem || dialog, objectName)
            verify(item, objectName)
            // Rows and grids place their items when polished.
            if (item.parent)
                waitForItemPolished(item.parent)
            mouseMove(item)
            mouseClick(item)
            return item
        }

        function lastAssigned() {
            return root.assignedLog.length ? root.assignedLog[root.assignedLog.length - 1] : null
        }

        function sentMatrices() {
            return root.log.filter(entry => entry.startsWith("mouseSetKeyMatrix("))
        }

        // --- the button list ---

        function test_initReadsBothListsAndSendsOnlyWhenAsked() {
            root.current[4 * 3] = 3
            root.current[4 * 3 + 2] = 0xB7
            root.current[4 * 3 + 3] = 0
            list.init(false, false)
            compare(list.assignmentOf(3), [3, 0, 0xB7, 0])
            compare(list.factoryOf(3), [0, 0, 0xF3, 0])
            compare(list.keyTexts[3], "Stop")
            compare(sentMatrices(), [])
            verify(!list.isSave)

            list.init(true, false)
            const expected = root.current.slice()
            compare(sentMatrices(), ["mouseSetKeyMatrix(" + JSON.stringify(expected) + ",true,[12,34,56])"])

            // From the default profile the working list is the factory one.
            root.log = []
            list.init(true, true)
            compare(list.assignmentOf(3), [0, 0, 0xF3, 0])
            compare(sentMatrices(), ["mouseSetKeyMatrix(" + JSON.stringify(root.factoryList) + ",true,[12,34,56])"])
        }

        function test_missingAssignmentsKeepTheirFactoryOne() {
            root.current = root.factoryList.slice(0, 8)   // only buttons 0 and 1 stored
            list.init(true, false)
            compare(list.modKeys.length, 64)
            compare(list.assignmentOf(5), [5, 0, 1, 0])
            compare(sentMatrices(), ["mouseSetKeyMatrix(" + JSON.stringify(root.factoryList) + ",true,[12,34,56])"])
        }

        function test_savedListCarriesTheFirePeriods() {
            list.firePeriods = () => [300, "7", undefined]
            list.save()
            compare(sentMatrices(), ["mouseSetKeyMatrix(" + JSON.stringify(root.factoryList) + ",true,[0,7,0])"])
            list.firePeriods = () => [12, 34, 56]
        }

        function test_rowsShowTheShownButtons() {
            list.keyCount = 5
            verify(findChild(list, "buttonRow4"))
            verify(!findChild(list, "buttonRow5"))
            compare(list.buttonName(4), "Key 5")
            list.keyCount = 16
            verify(list.height <= 300)
        }

        // --- the left click guard ---

        function test_onlyLeftClickOpensNoDialog() {
            click("buttonRow0", list)
            compare(editSpy.count, 0)
            verify(findChild(list, "leftClickHint").visible)
            verify(!list.requestEdit(0))

            click("buttonRow1", list)
            compare(editSpy.count, 1)
            compare(editSpy.signalArguments[0][0], 1)
        }

        function test_secondLeftClickFreesBoth() {
            withButton(3, [0, 0, 0xF0, 0])
            verify(list.requestEdit(0))
            verify(list.requestEdit(3))
            compare(editSpy.count, 2)

            // Once one of them is reassigned, the other is the only one again.
            list.assign(3, [3, 0, 0xB7, 0])
            verify(!list.requestEdit(0))
        }

        function test_hiddenLeftClickDoesNotCount() {
            withButton(12, [0, 0, 0xF0, 0])
            verify(!list.requestEdit(0))
            list.keyCount = 16
            verify(list.requestEdit(0))
        }

        function test_doubleFireIsNotALeftClick() {
            withButton(0, Assign.DOUBLE_FIRE)
            verify(list.requestEdit(0))
            verify(!Assign.isLeftClick(Assign.DOUBLE_FIRE))
            verify(Assign.isLeftClick([0, 0x33, 0xF0, 7]))
        }

        // --- the menu ---

        function test_menuEntries_data() {
            return [
                { group: "mouseFunction", entry: "leftKey", bytes: [0, 0, 0xF0, 0] },
                { group: "mouseFunction", entry: "middleKey", bytes: [0, 0, 0xF2, 0] },
                { group: "mouseFunction", entry: "rightKey", bytes: [0, 0, 0xF1, 0] },
                { group: "mouseFunction", entry: "forwardKey", bytes: [0, 0, 0xF4, 0] },
                { group: "mouseFunction", entry: "backKey", bytes: [0, 0, 0xF3, 0] },
                { group: "mouseFunction", entry: "doubleFire", bytes: [0, 0xF0, 0x1E, 0x02] },
                { group: "mediaFunction", entry: "player", bytes: [3, 0, 0x83, 0x01] },
                { group: "mediaFunction", entry: "next", bytes: [3, 0, 0xB5, 0] },
                { group: "mediaFunction", entry: "previous", bytes: [3, 0, 0xB6, 0] },
                { group: "mediaFunction", entry: "stop", bytes: [3, 0, 0xB7, 0] },
                { group: "mediaFunction", entry: "mute", bytes: [3, 0, 0xE2, 0] },
                { group: "mediaFunction", entry: "playPause", bytes: [3, 0, 0xCD, 0] },
                { group: "mediaFunction", entry: "volumeUp", bytes: [3, 0, 0xE9, 0] },
                { group: "mediaFunction", entry: "volumeDown", bytes: [3, 0, 0xEA, 0] },
                { group: "dpiFunction", entry: "dpiUp", bytes: [5, 0, 1, 0] },
                { group: "dpiFunction", entry: "dpiDown", bytes: [5, 0, 2, 0] },
                { group: "dpiFunction", entry: "dpiLoop", bytes: [5, 0, 3, 0] },
                { group: "dpiFunction", entry: "sniperKey", bytes: [5, 0, 4, 0] },
                { group: "windowsFunction", entry: "myPc", bytes: [6, 0, 0x94, 0x01] },
                { group: "windowsFunction", entry: "index", bytes: [6, 0, 0x23, 0x02] },
                { group: "windowsFunction", entry: "search", bytes: [6, 0, 0x21, 0x02] },
                { group: "windowsFunction", entry: "maximize", bytes: [6, 0x04, 0x2C, 0x1B] },
                { group: "windowsFunction", entry: "minimize", bytes: [6, 0x04, 0x2C, 0x11] },
                { group: "windowsFunction", entry: "desktop", bytes: [6, 0, 0xE3, 0x07] },
                { group: "windowsFunction", entry: "run", bytes: [6, 0, 0xE3, 0x15] },
                { group: "shortcutFunction", entry: "new", bytes: [7, 0, 0xE0, 0x11] },
                { group: "shortcutFunction", entry: "cut", bytes: [7, 0, 0xE0, 0x1B] },
                { group: "shortcutFunction", entry: "copy", bytes: [7, 0, 0xE0, 0x06] },
                { group: "shortcutFunction", entry: "paste", bytes: [7, 0, 0xE0, 0x19] },
                { group: "shortcutFunction", entry: "save", bytes: [7, 0, 0xE0, 0x16] },
                { group: "shortcutFunction", entry: "print", bytes: [7, 0, 0xE0, 0x13] },
                { group: "shortcutFunction", entry: "find", bytes: [7, 0, 0xE0, 0x09] },
                { group: "shortcutFunction", entry: "redo", bytes: [7, 0, 0xE0, 0x1C] },
                { group: "shortcutFunction", entry: "undo", bytes: [7, 0, 0xE0, 0x1D] },
                { group: "shortcutFunction", entry: "selectAll", bytes: [7, 0, 0xE0, 0x04] },
                { group: "gunFunction", entry: "oneGun", bytes: [8, 0, 1, 0] },
                { group: "gunFunction", entry: "twoGun", bytes: [8, 0, 2, 0] },
                { group: "gunFunction", entry: "threeGun", bytes: [8, 0, 3, 0] }
            ].map(row => Object.assign({ tag: row.group + "/" + row.entry }, row))
        }

        function test_menuEntries(row) {
            withButton(14, [0xFF, 0, 1, 0])
            openFor(14)
            click("group_" + row.group)
            click("entry_" + row.entry)
            compare(dialog.pendingText, dialog.texts[Texts.indexOf("keyAssigment", row.entry)])
            click("closeButton")
            verify(!dialog.visible)
            compare(root.assignedLog.length, 1)
            compare(lastAssigned().index, 14)
            compare(lastAssigned().bytes, row.bytes)
            compare(lastAssigned().text, Texts.builtIn("keyAssigment")[Texts.indexOf("keyAssigment", row.entry)])
            compare(list.assignmentOf(14), row.bytes)
            compare(list.keyTexts[14], lastAssigned().text)
            verify(list.isSave)
        }

        function test_doubleFireIsStoredAsItsFourBytes() {
            openFor(1)
            click("group_mouseFunction")
            click("entry_doubleFire")
            click("closeButton")
            list.save()
            const sent = root.factoryList.slice()
            sent.splice(4, 4, 0, 0xF0, 0x1E, 0x02)
            compare(sentMatrices(), ["mouseSetKeyMatrix(" + JSON.stringify(sent) + ",true,[12,34,56])"])
            compare(list.keyTexts[1], "Double Fire")
        }

        function test_gunGroupOnlyWithRecoilPresets() {
            compare(dialog.groups.map(g => g.id).indexOf("gunFunction"), 8)
            dialog.isGun = false
            compare(dialog.groups.map(g => g.id).indexOf("gunFunction"), -1)
            // A gun key on such a mouse opens on the mouse functions and stays as it is.
            withButton(2, [8, 0, 2, 0])
            openFor(2)
            compare(dialog.currentGroup.id, "mouseFunction")
            click("closeButton")
            compare(root.assignedLog, [])
        }

        function test_dialogOpensOnTheAssignmentsGroup() {
            openFor(7)   // fire key Q, rate 10, endless
            compare(dialog.currentGroup.id, "fireFunction")
            compare(dialog.fireKey, 0x14)
            compare(findChild(dialog, "rateText").text, "10MS")
            verify(findChild(dialog, "endlessBox").checked)
            dialog.close()
            openFor(5)
            compare(dialog.currentGroup.id, "dpiFunction")
            verify(findChild(dialog, "entry_dpiUp").selected)
            dialog.close()
            compare(root.assignedLog, [])
        }

        // --- closing, back ---

        function test_closingWithoutChangeEmitsNothing() {
            openFor(2)
            click("group_fireFunction")
            click("group_groupFunction")
            click("group_macroFunction")
            click("group_mouseFunction")
            click("entry_middleKey")   // what button 2 already does
            click("closeButton")
            compare(root.assignedLog, [])
            compare(root.log, [])
            verify(!list.isSave)
        }

        function test_backButtonRestoresTheFactoryAssignment() {
            withButton(4, [3, 0, 0xE2, 0])
            compare(list.keyTexts[4], "Mute")
            openFor(4)
            click("group_dpiFunction")
            click("entry_dpiLoop")
            click("restoreButton")
            verify(!dialog.visible)
            compare(root.assignedLog.length, 1)
            compare(lastAssigned().bytes, [0, 0, 0xF4, 0])
            compare(lastAssigned().text, "Forward Key")
            compare(list.assignmentOf(4), [0, 0, 0xF4, 0])
            compare(list.keyTexts[4], "Forward Key")
            verify(list.isSave)
        }

        // --- combination ---

        function test_combinationCapture() {
            openFor(1)
            verify(!dialog.capturing)
            dialog.keyEvent(true, 0x04)   // not listening yet
            click("group_groupFunction")
            verify(dialog.capturing)
            compare(dialog.pending, [0, 0, 0xF1, 0])

            dialog.keyEvent(true, 0xE0)   // left Ctrl
            dialog.keyEvent(false, 0xE0)
            dialog.keyEvent(true, 0xE5)   // right Shift
            dialog.keyEvent(true, 0x06)   // C
            dialog.keyEvent(true, 0x06)   // held: repeats nothing
            dialog.keyEvent(true, 0xF0)   // a mouse button is no key
            dialog.keyEvent(true, 0x19)   // V
            dialog.keyEvent(true, 0x04)   // A: a third key is ignored
            dialog.keyEvent(true, 0xE6)   // right Alt still counts
            compare(findChild(dialog, "comboText").text, "LCtrl + RShift + RAlt + C + V")
            compare(dialog.pending, [2, 0x01 | 0x20 | 0x40, 0x06, 0x19])

            click("closeButton")
            compare(lastAssigned().bytes, [2, 0x61, 0x06, 0x19])
            compare(list.keyTexts[1], "LCtrl+RShift+RAlt+C+V")
        }

        function test_everyModifierHasItsBit() {
            let state = Assign.emptyCombo()
            const bits = []
            for (let code = 0xE0; code <= 0xE7; ++code) {
                const next = Assign.comboPress(state, code)
                bits.push(next.mask ^ state.mask)
                state = next
            }
            compare(bits, [0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80])
            compare(Assign.comboAssignment(state), [2, 0xFF, 0, 0])
        }

        function test_combinationStartsAnewAndClears() {
            withButton(1, [2, 0x01, 0x06, 0])   // Ctrl + C
            openFor(1)
            compare(dialog.currentGroup.id, "groupFunction")
            compare(findChild(dialog, "comboText").text, "LCtrl + C")
            dialog.keyEvent(true, 0x1D)   // Z replaces the old combination
            compare(findChild(dialog, "comboText").text, "Z")
            dialog.keyEvent(true, 0xE1)
            compare(findChild(dialog, "comboText").text, "LShift + Z")
            click("clearButton")
            compare(dialog.pending, [2, 0, 0, 0])
            click("closeButton")
            compare(lastAssigned().bytes, [2, 0, 0, 0])
            compare(list.keyTexts[1], "Disabled")
        }

        // --- fire ---

        function test_fireKeyRateAndTimes() {
            openFor(1)
            click("group_fireFunction")
            verify(dialog.capturing)
            dialog.keyEvent(true, 0xF2)   // mouse button: ignored
            dialog.keyEvent(true, 0x74)   // no such key: ignored
            compare(dialog.pending, [0, 0, 0xF1, 0])
            dialog.keyEvent(true, 0x08)   // E
            compare(dialog.pending, [1, 0x08, 10, 0])
            dialog.keyEvent(true, 0x15)   // R: the last key pressed counts
            compare(dialog.pending, [1, 0x15, 10, 0])

            const track = findChild(dialog, "rateTrack")
            mouseClick(track, track.width - 1, track.height / 2)
            compare(findChild(dialog, "rateText").text, "255MS")
            mouseClick(track, 0, track.height / 2)
            compare(findChild(dialog, "rateText").text, "10MS")
            mouseClick(track, track.width / 2, track.height / 2)
            verify(dialog.fireRate > 10 && dialog.fireRate < 255)
            const rate = dialog.fireRate

            // Typing the times: the keys typed are not taken as the fire key.
            const times = findChild(dialog, "timesInput")
            mouseClick(times)
            verify(times.activeFocus)
            verify(!dialog.capturing)
            times.selectAll()
            keyClick(Qt.Key_4)
            dialog.keyEvent(true, 0x21)   // the hook sees the "4" too
            keyClick(Qt.Key_2)
            compare(dialog.pending, [1, 0x15, rate, 42])
            verify(!findChild(dialog, "endlessBox").checked)

            click("endlessBox")
            compare(dialog.pending, [1, 0x15, rate, 0])
            compare(times.text, "0")
            verify(dialog.capturing)
            click("endlessBox")
            compare(dialog.pending, [1, 0x15, rate, 42])

            click("closeButton")
            compare(lastAssigned().bytes, [1, 0x15, rate, 42])
            compare(list.keyTexts[1], "R")
        }

        function test_fireValuesAreKeptInRange() {
            compare(Assign.parseTimes("300", 5), 255)
            compare(Assign.parseTimes("", 5), 5)
            compare(Assign.parseTimes("x1", 5), 5)
            compare(Assign.parseTimes("0", 5), 0)
            compare(Assign.clampRate(2), 10)
            compare(Assign.clampRate(999), 255)
            compare(Assign.rateAt(-1), 10)
            compare(Assign.rateAt(2), 255)
            compare(Assign.rateAt(Assign.rateFraction(77)), 77)
            compare(Assign.fireState([3, 0, 0xB7, 0]), { key: 0, rate: 10, times: 0 })
        }

        function test_noFireKeyNoChange() {
            openFor(1)
            click("group_fireFunction")
            mouseClick(findChild(dialog, "rateTrack"), 0, 3)
            click("endlessBox")
            click("closeButton")
            compare(root.assignedLog, [])
        }

        // --- macro ---

        function test_macroIsSentAndNamedOnClosing() {
            openFor(5)
            click("group_macroFunction")
            const macros = findChild(dialog, "macroList")
            mouseClick(macros, 20, 26 + 13)   // "Spray"
            click("macroMode2")
            compare(dialog.pending, [4, 2, 5, 0])
            compare(root.log, [])   // nothing happens before closing

            click("closeButton")
            compare(root.log, ["setData(mouseMacroKey/5,Spray)",
                               "mouseSendMacroData([0,1,129,20,1,20],5)"])
            compare(lastAssigned().bytes, [4, 2, 5, 0])
            compare(lastAssigned().text, "Spray")
            compare(list.keyTexts[5], "Spray")
        }

        function test_anotherMacroWithTheSameBytesIsAChange() {
            root.store["mouseMacroKey/5"] = "Reload"
            withButton(5, [4, 0, 5, 0])
            compare(list.keyTexts[5], "Reload")
            openFor(5)
            compare(dialog.currentGroup.id, "macroFunction")
            mouseClick(findChild(dialog, "macroList"), 20, 26 + 13)   // "Spray"
            compare(dialog.pending, [4, 0, 5, 0])
            click("closeButton")
            compare(root.log, ["setData(mouseMacroKey/5,Spray)",
                               "mouseSendMacroData([0,1,129,20,1,20],5)"])
            compare(list.keyTexts[5], "Spray")
        }

        function test_macroWithoutEncodingIsNotSent() {
            openFor(6)
            click("group_macroFunction")
            mouseClick(findChild(dialog, "macroList"), 20, 13)   // "Macro_0"
            click("closeButton")
            compare(root.log, ["setData(mouseMacroKey/6,Macro_0)"])
            compare(lastAssigned().bytes, [4, 0, 6, 0])
        }

        function test_deletedMacroButtonsAreSavedAndSent() {
            root.store["mouseMacroKey/2"] = "Spray"
            withButton(2, [4, 1, 2, 0])
            list.assign(3, [3, 0, 0xB7, 0])
            verify(list.isSave)
            // What the main page does when the macro is deleted.
            const keys = list.modKeys.slice()
            for (let i = 0; i < 4; ++i)
                keys[8 + i] = list.modKeys_tmp[8 + i]
            list.modKeys = keys
            list.saveList()
            compare(list.keyTexts[2], "Middle Key")
            verify(!list.isSave)
            const expected = root.factoryList.slice()
            expected.splice(12, 4, 3, 0, 0xB7, 0)
            compare(sentMatrices(), ["mouseSetKeyMatrix(" + JSON.stringify(expected) + ",true,[12,34,56])"])
        }

        // --- texts ---

        function test_assignmentTexts_data() {
            return [
                { tag: "left", bytes: [0, 0, 0xF0, 0], text: "Left Key" },
                { tag: "double fire", bytes: [0, 0xF0, 0x1E, 2], text: "Double Fire" },
                { tag: "fire", bytes: [1, 0x2C, 30, 5], text: "Space" },
                { tag: "group", bytes: [2, 0x05, 0x04, 0x3A], text: "LCtrl+LAlt+A+F1" },
                { tag: "group of modifiers", bytes: [2, 0x88, 0, 0], text: "LWin+RWin" },
                { tag: "empty group", bytes: [2, 0, 0, 0], text: "Disabled" },
                { tag: "media", bytes: [3, 0, 0x83, 1], text: "Player" },
                { tag: "macro", bytes: [4, 1, 3, 0], text: "Spray" },
                { tag: "unnamed macro", bytes: [4, 1, 9, 0], text: "Macro Function" },
                { tag: "dpi", bytes: [5, 0, 4, 0], text: "Sniper Key" },
                { tag: "windows", bytes: [6, 0, 0xE3, 0x07], text: "Desktop" },
                { tag: "other windows keys", bytes: [6, 0x08, 0x0F, 0], text: "LWin+L" },
                { tag: "shortcut", bytes: [7, 0, 0xE0, 0x1D], text: "Undo" },
                { tag: "other shortcut", bytes: [7, 0, 0xE0, 0x1A], text: "LCtrl+W" },
                { tag: "gun", bytes: [8, 0, 3, 0], text: "Three Gun" },
                { tag: "fixed", bytes: [0xFF, 0, 1, 0], text: "Fixed Function" },
                { tag: "unknown", bytes: [0x0C, 1, 0xAB, 0], text: "0C 01 AB 00" }
            ]
        }

        function test_assignmentTexts(row) {
            root.store["mouseMacroKey/3"] = "Spray"
            compare(list.textFor(row.bytes), row.text)
        }

        function test_textsFollowTheLanguage() {
            withButton(1, [7, 0, 0xE0, 0x06])
            const german = Texts.builtIn("keyAssigment")
            german[Texts.indexOf("keyAssigment", "copy")] = "Kopieren"
            list.assignTexts = german
            compare(list.keyTexts[1], "Kopieren")
            const names = Texts.builtIn("keyMatrix")
            names[0] = "Taste 1"
            list.texts = names
            compare(list.buttonName(0), "Taste 1")
        }

        // Long translations shrink or wrap but are not cut.
        function test_germanTextsFit() {
            const longTexts = Texts.builtIn("keyAssigment").map(text => text)
            const ids = ["mouseFunction", "groupFunction", "windowsFunction", "shortcutFunction",
                         "forwardKey", "playPause", "previous", "selectAll", "restoreDefault", "endless"]
            const german = ["Mausfunktion", "Tastenkombination", "Windows-Funktion", "Tastenkürzel",
                            "Vorwärts-Taste", "Wiedergabe/Pause", "Vorheriger Titel", "Alles auswählen",
                            "Standard wiederherstellen", "Endlos"]
            ids.forEach((id, i) => { longTexts[Texts.indexOf("keyAssigment", id)] = german[i] })
            dialog.texts = longTexts
            openFor(1)
            for (const group of ["mouseFunction", "mediaFunction", "shortcutFunction", "fireFunction"]) {
                click("group_" + group)
                for (const text of visibleTexts(dialog))
                    verify(!text.truncated, text.text)
            }
            dialog.close()
        }

        function visibleTexts(item) {
            let found = []
            if (!item.visible)
                return found
            if (item.truncated !== undefined && item.text !== undefined)
                found.push(item)
            for (let i = 0; i < item.children.length; ++i)
                found = found.concat(visibleTexts(item.children[i]))
            return found
        }

        // --- the mouse picture ---

        function test_pictureHoverAndClick() {
            const front = findChild(picture, "frontView")
            // The fire key lies on the left click: pointing at it names the fire key.
            mouseMove(front, 57, 86)
            compare(picture.hoveredIndex, 7)
            mouseMove(front, 80, 40)
            compare(picture.hoveredIndex, 0)
            mouseMove(front, 140, 60)
            compare(picture.hoveredIndex, 1)
            mouseMove(front, 200, 290)
            compare(picture.hoveredIndex, -1)
            // Between two areas the pointer may briefly be over none.
            compare(pictureHoverSpy.signalArguments.map(args => args[0]).filter(index => index >= 0), [7, 0, 1])
            compare(pictureHoverSpy.signalArguments[pictureHoverSpy.count - 1][0], -1)

            const side = findChild(picture, "sideView")
            mouseClick(side, 140, 80)
            compare(pictureClickSpy.count, 1)
            compare(pictureClickSpy.signalArguments[0][0], 3)
            mouseMove(side, 290, 10)
        }

        function test_pictureShowsOnlyTheMousesButtons() {
            picture.keyCount = 5
            verify(findChild(picture, "frontArea4"))
            verify(!findChild(picture, "frontArea5"))
            picture.highlighted = 6
            verify(!picture.showsHighlight)
            picture.highlighted = 4
            verify(picture.showsHighlight)
            picture.keyCount = 8
            picture.highlighted = -1
        }

        function test_listHoverIsReported() {
            const row = findChild(list, "buttonRow2")
            mouseMove(row, 20, 10)
            compare(list.hoveredIndex, 2)
            mouseMove(list, 100, list.height + 40)
            compare(list.hoveredIndex, -1)
            compare(listHoverSpy.signalArguments.map(args => args[0]), [2, -1])
        }
    }
}
