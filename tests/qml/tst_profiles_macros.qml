import QtQuick
import QtTest
import KM7
import "../../qml/J2"
import "../../qml/common/macrolist.mjs" as Macro
import "../../qml/common/texts.mjs" as Texts

// The profile page and the macro editor against a stand-in view that keeps
// the name lists, the macro files and the profile files' fate in memory and
// records every call that stores, resets, imports or sends.
Item {
    id: root
    width: 1024
    height: 640

    property var view: null
    // Milliseconds of the fake clock the macro recorder reads.
    property double now: 1000

    function text(value) {
        return Array.isArray(value) ? "[" + value.map(text).join(",") + "]" : String(value)
    }

    // Lists given to a slot are copied, as the native side copies them; a
    // one-entry name list is stored with the sentinel, as the native side does.
    function standInView() {
        const v = {
            log: [],
            lists: {},
            files: {},
            profileFileChosen: true,
            macroFileChosen: false
        }
        const record = (name, args) => v.log.push(name + "(" + args.map(text).join(",") + ")")
        v.getNameList = type => (v.lists[type] || []).slice()
        v.updataNameList = (type, list) => {
            const copy = Array.from(list, String)
            record("updataNameList", [type, copy])
            v.lists[type] = copy.length === 1 ? [copy[0], "loaderzephyx"] : copy
            return true
        }
        v.resetProfile = number => record("resetProfile", [number])
        v.loadProfile = number => { record("loadProfile", [number]); return v.profileFileChosen }
        v.saveProfile = number => record("saveProfile", [number])
        v.createMacroIni = (name, index) => {
            record("createMacroIni", [name, index])
            v.files[name] = { lines: [], repeat: 1 }
            return true
        }
        v.saveMacroIni = (name, lines, repeat) => {
            const copy = Array.from(lines, String)
            record("saveMacroIni", [name, copy, repeat])
            if (!(name in v.files))
                return false
            v.files[name] = { lines: copy, repeat: repeat }
            return true
        }
        v.loadMacroIni = name => name in v.files ? v.files[name].lines.concat([String(v.files[name].repeat)]) : []
        v.deleteMacroIni = name => {
            record("deleteMacroIni", [name])
            const existed = name in v.files
            delete v.files[name]
            return existed
        }
        v.loadMacroFile = name => {
            record("loadMacroFile", [name])
            if (v.macroFileChosen)
                v.files[name] = { lines: ["1,B", "0,30", "2,B"], repeat: 2 }
            return v.macroFileChosen
        }
        v.saveMacroFile = name => record("saveMacroFile", [name])
        v.mouseSendMacroData = (bytes, index) => record("mouseSendMacroData", [Array.from(bytes), index])
        return v
    }

    ProfilePage {
        id: profiles
        onProfileChosen: number => root.view.log.push("profileChosen(" + number + ")")
        onProfileImported: number => root.view.log.push("profileImported(" + number + ")")
    }

    MacroEditor {
        id: editor
        clock: () => root.now
        keys: Km7
        encode: (events, repeat) => Km7.encodeMacro(events, repeat)
        encodedSize: events => Km7.encodedMacroSize(events)
        onDeleteMacro: name => root.view.log.push("deleteMacro(" + name + ")")
        onModifyMacroName: (oldName, newName) => root.view.log.push("modifyMacroName(" + oldName + "," + newName + ")")
        onModifyMacroData: name => root.view.log.push("modifyMacroData(" + name + ")")
    }

    TestCase {
        name: "ProfilePage"
        when: windowShown

        function init() {
            editor.visible = false
            root.view = root.standInView()
            profiles.view = root.view
            profiles.texts = Texts.builtIn("profile")
            profiles.currentProfile = 0
        }

        function cleanup() {
            profiles.close()
        }

        function start(stored) {
            root.view.lists[2] = stored
            profiles.init()
            root.view.log = []
        }

        function entries() {
            return profiles.entries.map(entry => entry.name + "/" + entry.number)
        }

        function test_storedList_data() {
            return [
                { tag: "two entries", stored: ["Standard0", "profile_03"], shown: ["Standard/0", "profile_0/3"] },
                { tag: "one entry and the sentinel", stored: ["Mine2", "loaderzephyx"], shown: ["Standard/2"] },
                { tag: "nothing stored yet", stored: [], shown: ["Standard/0"] },
                { tag: "entries that would share a file or have no number",
                  stored: ["Standard0", "Copy0", "x", "Seven7", "Work1"], shown: ["Standard/0", "Work/1"] }
            ]
        }

        function test_storedList(data) {
            root.view.lists[2] = data.stored
            profiles.init()
            compare(entries(), data.shown)
            compare(profiles.names, data.shown.map(entry => entry.split("/")[0]))
            // The first entry's name follows the language, so the list is stored at once.
            compare(root.view.log, ["updataNameList(2,[" + data.shown.map(e => e.replace("/", "")).join(",") + "])"])
        }

        function test_firstEntryTakesTheTranslatedName() {
            profiles.texts = ["配置", "新建", "导入", "删除", "导出", "默认"]
            start(["Standard0", "Work1"])
            compare(profiles.names, ["默认", "Work"])
            compare(root.view.lists[2], ["默认0", "Work1"])
        }

        function test_newTakesTheFirstFreeNameAndNumber_data() {
            return [
                { tag: "numbers 0 and 1 used", stored: ["Standard0", "Work1"], added: "profile_0/2" },
                { tag: "profile_0 taken", stored: ["Standard0", "profile_01"], added: "profile_1/2" },
                { tag: "a gap left by a deletion", stored: ["Standard0", "profile_02", "profile_13"],
                  added: "profile_2/1" }
            ]
        }

        function test_newTakesTheFirstFreeNameAndNumber(data) {
            start(data.stored)
            profiles.newProfile()
            compare(entries()[entries().length - 1], data.added)
            compare(profiles.selectedIndex, entries().length - 1)
            const number = data.added.split("/")[1]
            compare(root.view.log, ["updataNameList(2,[" + data.stored.join(",") + "," + data.added.replace("/", "") + "])",
                                    "resetProfile(" + number + ")"])
        }

        function test_atMostSixProfiles() {
            start(["Standard0", "A1", "B2", "C3", "D4", "E5"])
            profiles.newProfile()
            compare(profiles.entries.length, 6)
            compare(root.view.log, [])

            // Import then replaces the selected profile's file instead.
            profiles.select(2)
            profiles.importProfile()
            compare(profiles.entries.length, 6)
            compare(root.view.log, ["loadProfile(2)", "profileImported(2)"])
        }

        function test_deleteGuards() {
            start(["Standard0", "A1", "B2", "C3"])
            profiles.currentProfile = 2

            profiles.select(0)
            verify(!profiles.canDeleteSelected)
            profiles.deleteSelected()
            profiles.select(2)
            verify(!profiles.canDeleteSelected)
            profiles.deleteSelected()
            compare(entries(), ["Standard/0", "A/1", "B/2", "C/3"])
            compare(root.view.log, [])

            profiles.select(1)
            profiles.deleteSelected()
            // The others keep their files; no file is touched.
            compare(entries(), ["Standard/0", "B/2", "C/3"])
            compare(root.view.log, ["updataNameList(2,[Standard0,B2,C3])"])
            compare(profiles.currentIndex, 1)

            // The freed number is used again by the next new profile.
            profiles.newProfile()
            compare(entries()[3], "profile_0/1")
        }

        function test_importLoadsIntoTheNewEntrysNumber() {
            start(["Standard0", "A2"])
            root.view.profileFileChosen = false
            profiles.importProfile()
            compare(entries(), ["Standard/0", "A/2"])
            compare(root.view.log, ["loadProfile(1)"])

            root.view.log = []
            root.view.profileFileChosen = true
            profiles.importProfile()
            compare(entries(), ["Standard/0", "A/2", "profile_0/1"])
            compare(root.view.log, ["loadProfile(1)", "updataNameList(2,[Standard0,A2,profile_01])", "profileImported(1)"])
        }

        function test_exportWritesTheProfileInUse() {
            start(["Standard0", "A1", "B2"])
            profiles.currentProfile = 2
            profiles.select(1)
            profiles.exportProfile()
            compare(root.view.log, ["saveProfile(2)"])
        }

        function test_renameTakesOnlyNewNames_data() {
            return [
                { tag: "new name", index: 1, typed: "  Work  ", names: ["Standard", "Work", "B"], stored: true },
                { tag: "name of another entry", index: 1, typed: "B", names: ["Standard", "A", "B"], stored: false },
                { tag: "empty", index: 2, typed: "   ", names: ["Standard", "A", "B"], stored: false },
                { tag: "the first entry", index: 0, typed: "Mine", names: ["Standard", "A", "B"], stored: false }
            ]
        }

        function test_renameTakesOnlyNewNames(data) {
            start(["Standard0", "A1", "B2"])
            compare(profiles.rename(data.index, data.typed), data.stored)
            compare(profiles.names, data.names)
            compare(root.view.log.length, data.stored ? 1 : 0)
        }

        function test_renameByDoubleClick() {
            start(["Standard0", "A1"])
            profiles.open()
            const row = findChild(profiles, "profileRow1")
            verify(row)
            mouseDoubleClickSequence(row, row.width / 2, row.height / 2)
            compare(profiles.editingIndex, 1)
            keyClick(Qt.Key_A, Qt.ControlModifier)
            for (const c of "Gaming")
                keyClick(c)
            keyClick(Qt.Key_Return)
            compare(profiles.editingIndex, -1)
            compare(profiles.names, ["Standard", "Gaming"])
            compare(root.view.lists[2], ["Standard0", "Gaming1"])
        }

        function test_theRadioMarkChoosesByNumber() {
            start(["Standard0", "A3", "B5"])
            profiles.open()
            const row = findChild(profiles, "profileRow2")
            mouseClick(findChild(row, "useMark"))
            compare(root.view.log, ["profileChosen(5)"])
        }
    }

    TestCase {
        name: "MacroEditor"
        when: windowShown

        function init() {
            profiles.visible = false
            root.view = root.standInView()
            root.now = 1000
            editor.view = root.view
            editor.texts = Texts.builtIn("macroEditor")
            editor.recordDelays = false
        }

        function cleanup() {
            editor.close()
        }

        // A library of the given macros, the first holding `lines`, selected.
        function start(names, lines, repeat) {
            root.view.lists[0] = names.length === 1 ? [names[0], "loaderzephyx"] : names
            for (const name of names)
                root.view.files[name] = { lines: [], repeat: 1 }
            if (names.length)
                root.view.files[names[0]] = { lines: lines || [], repeat: repeat || 1 }
            editor.init(false, false)
            editor.open()
            root.view.log = []
        }

        function shown() {
            return Macro.lines(editor.events)
        }

        function saves() {
            return root.view.log.filter(entry => entry.startsWith("saveMacroIni(") || entry.startsWith("modifyMacroData("))
        }

        // --- the library ---

        function test_initReadsTheListAndTheFirstMacro() {
            start(["Jump"], ["1,A", "0,50", "2,A"], 3)
            compare(editor.macroNames, ["Jump"])
            compare(editor.selectedName, "Jump")
            compare(shown(), ["1,A", "0,50", "2,A"])
            compare(editor.repeatCount, 3)
            const row = findChild(editor, "eventRow1")
            verify(row)
            compare(findChild(row, "eventText").text, "50 ms")
            compare(findChild(findChild(editor, "eventRow0"), "eventText").text, "A")
        }

        function test_newTakesTheFirstFreeName() {
            start(["Macro_0", "Macro_2"])
            editor.newMacro()
            compare(editor.macroNames, ["Macro_0", "Macro_2", "Macro_1"])
            compare(editor.selectedName, "Macro_1")
            compare(root.view.log, ["createMacroIni(Macro_1,0)", "updataNameList(0,[Macro_0,Macro_2,Macro_1])"])
        }

        function test_atMostOneHundredMacros() {
            const names = []
            for (let n = 0; n < 100; ++n)
                names.push("M" + n)
            start(names)
            editor.newMacro()
            editor.importMacro()
            compare(editor.macroNames.length, 100)
            compare(root.view.log, [])
        }

        function test_importGoesBeforeTheSelectedMacro() {
            start(["A", "B"])
            editor.selectMacro(1)
            root.view.log = []
            editor.importMacro()
            compare(editor.macroNames, ["A", "Macro_0", "B"])
            compare(editor.selectedName, "Macro_0")
            // No file chosen: the macro starts empty.
            compare(root.view.log, ["loadMacroFile(Macro_0)", "createMacroIni(Macro_0,0)",
                                    "updataNameList(0,[A,Macro_0,B])"])
            compare(shown(), [])

            root.view.macroFileChosen = true
            root.view.log = []
            editor.importMacro()
            compare(editor.macroNames, ["A", "Macro_1", "Macro_0", "B"])
            compare(shown(), ["1,B", "0,30", "2,B"])
            compare(editor.repeatCount, 2)
        }

        function test_deleteRemovesFileThenTellsTheMainPage() {
            start(["A", "B", "C"], ["1,A", "2,A"])
            editor.selectMacro(1)
            root.view.log = []
            editor.deleteSelectedMacro()
            compare(root.view.log, ["deleteMacroIni(B)", "deleteMacro(B)", "updataNameList(0,[A,C])"])
            compare(editor.macroNames, ["A", "C"])
            compare(editor.selectedMacro, -1)
            compare(editor.events, [])
            verify(!editor.capturing)
        }

        function test_renameTakesOnlyNewFileNames_data() {
            return [
                { tag: "new name", typed: " Reload ", renamed: "Reload" },
                { tag: "another macro's name", typed: "B", renamed: "" },
                { tag: "a file left without a list entry", typed: "Orphan", renamed: "" },
                { tag: "a path", typed: "../x", renamed: "" },
                { tag: "the list sentinel", typed: "loaderzephyx", renamed: "" },
                { tag: "empty", typed: "", renamed: "" }
            ]
        }

        function test_renameTakesOnlyNewFileNames(data) {
            start(["A", "B"])
            root.view.files["Orphan"] = { lines: [], repeat: 1 }
            compare(editor.renameMacro(0, data.typed), data.renamed !== "")
            if (data.renamed === "") {
                compare(editor.macroNames, ["A", "B"])
                compare(root.view.log, [])
            } else {
                compare(editor.macroNames, [data.renamed, "B"])
                compare(root.view.log, ["modifyMacroName(A," + data.renamed + ")",
                                        "updataNameList(0,[" + data.renamed + ",B])"])
            }
        }

        // --- editing ---

        function test_insertPlacement_data() {
            const events = ["1,A", "2,A", "1,C", "2,C"]
            return [
                { tag: "left key after an event in the middle", selected: 1, command: "left",
                  result: ["1,A", "2,A", "3,MS-L", "4,MS-L", "1,C", "2,C"], selectedAfter: 3 },
                { tag: "right key after the first", selected: 0, command: "right",
                  result: ["1,A", "3,MS-R", "4,MS-R", "2,A", "1,C", "2,C"], selectedAfter: 2 },
                { tag: "middle key with the last selected", selected: 3, command: "middle",
                  result: ["1,A", "2,A", "1,C", "2,C", "3,MS-M", "4,MS-M"], selectedAfter: 5 },
                { tag: "key before an event in the middle", selected: 2, command: "key",
                  result: ["1,A", "2,A", "1,B", "2,B", "1,C", "2,C"], selectedAfter: 4 },
                { tag: "key with the last selected", selected: 3, command: "key",
                  result: ["1,A", "2,A", "1,C", "2,C", "1,B", "2,B"], selectedAfter: 5 },
                { tag: "key with nothing selected", selected: -1, command: "key",
                  result: ["1,A", "2,A", "1,C", "2,C", "1,B", "2,B"], selectedAfter: 5 },
                { tag: "delay before the selected event", selected: 3, command: "delay",
                  result: ["1,A", "2,A", "1,C", "0,50", "2,C"], selectedAfter: 4 },
                { tag: "delay with nothing selected", selected: -1, command: "delay",
                  result: ["1,A", "2,A", "1,C", "2,C", "0,50"], selectedAfter: 4 }
            ].map(row => Object.assign(row, { events: events }))
        }

        function test_insertPlacement(data) {
            start(["A"], data.events)
            editor.selectedEvent = data.selected
            if (data.command === "key") {
                editor.openInsertKey()
                verify(editor.capturing)
                editor.keyEvent(true, 0xF0)      // mouse buttons are not keys here
                editor.keyEvent(true, 0x05)      // B
                compare(findChild(editor, "insertKeyName").text, "B")
                editor.confirmInsertKey()
                verify(!editor.inserting)
            } else if (data.command === "delay") {
                editor.insertDelay()
            } else {
                editor.insertMouseButton({ left: 0xF0, middle: 0xF2, right: 0xF1 }[data.command])
            }
            compare(shown(), data.result)
            compare(editor.selectedEvent, data.selectedAfter)
            compare(saves(), ["saveMacroIni(A,[" + data.result.join(",") + "],1)", "modifyMacroData(A)"])
        }

        function test_insertsStopAtTheLimit() {
            // 60 key events encode to 4 + 2 * 60 = 124 bytes: one more pair fits.
            const lines = []
            for (let i = 0; i < 30; ++i)
                lines.push("1,A", "2,A")
            start(["A"], lines)
            compare(editor.byteCount, 124)
            verify(editor.insertMouseButton(0xF0))
            compare(editor.byteCount, 128)
            verify(editor.full)
            root.view.log = []

            verify(!editor.insertMouseButton(0xF1))
            verify(!editor.insertDelay())
            verify(!editor.insertKey(0x05))
            editor.openInsertKey()
            verify(!editor.inserting)
            compare(editor.events.length, 62)
            compare(root.view.log, [])

            // Deleting makes room again.
            editor.deleteEvent(0)
            editor.deleteEvent(0)
            verify(editor.insertDelay())
        }

        function test_delayEditing_data() {
            return [
                { tag: "a number", typed: "250", accepted: true, info: "250" },
                { tag: "zero", typed: "0", accepted: true, info: "0" },
                { tag: "the largest", typed: "65535", accepted: true, info: "65535" },
                { tag: "too large", typed: "65536", accepted: false, info: "50" },
                { tag: "negative", typed: "-5", accepted: false, info: "50" },
                { tag: "a fraction", typed: "12.5", accepted: false, info: "50" },
                { tag: "not a number", typed: "abc", accepted: false, info: "50" },
                { tag: "empty", typed: "", accepted: false, info: "50" }
            ]
        }

        function test_delayEditing(data) {
            start(["A"], ["1,A", "0,50", "2,A"])
            compare(editor.setDelay(1, data.typed), data.accepted)
            compare(editor.events[1].info, data.info)
            compare(saves().length, data.accepted ? 2 : 0)
        }

        function test_delayEditingByDoubleClickUndoesBadInput() {
            start(["A"], ["1,A", "0,50", "2,A"])
            const row = findChild(editor, "eventRow1")
            mouseDoubleClickSequence(row, row.width / 2, row.height / 2)
            compare(editor.editingEvent, 1)
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick("5")
            keyClick("x")
            keyClick(Qt.Key_Return)
            compare(editor.editingEvent, -1)
            compare(shown(), ["1,A", "0,50", "2,A"])
            compare(saves(), [])
            compare(findChild(findChild(editor, "eventRow1"), "eventText").text, "50 ms")

            // A key event is not a delay: nothing to edit.
            const keyRow = findChild(editor, "eventRow0")
            mouseDoubleClickSequence(keyRow, keyRow.width / 2, keyRow.height / 2)
            compare(editor.editingEvent, -1)
        }

        function test_repeatCountIsSavedWithTheEvents() {
            start(["A"], ["1,A", "2,A"])
            verify(!editor.setRepeat("0"))
            verify(!editor.setRepeat("70000"))
            compare(saves(), [])
            verify(editor.setRepeat("5"))
            compare(saves(), ["saveMacroIni(A,[1,A,2,A],5)", "modifyMacroData(A)"])

            // The field takes the count of the macro chosen next.
            root.view.files["B"] = { lines: [], repeat: 9 }
            root.view.lists[0] = ["A", "B"]
            editor.init(false, false)
            editor.selectMacro(1)
            compare(findChild(editor, "repeatInput").text, "9")
        }

        function test_deletedEventsAreSaved() {
            start(["A"], ["1,A", "0,50", "2,A"])
            editor.deleteEvent(1)
            compare(shown(), ["1,A", "2,A"])
            compare(editor.selectedEvent, 1)
            compare(saves(), ["saveMacroIni(A,[1,A,2,A],1)", "modifyMacroData(A)"])
        }

        function test_aMacroWhoseFileWentMissingIsWrittenAnew() {
            start(["A"], ["1,A", "2,A"])
            delete root.view.files["A"]
            editor.insertDelay()
            compare(root.view.log, ["saveMacroIni(A,[1,A,2,A,0,50],1)", "createMacroIni(A,0)",
                                    "saveMacroIni(A,[1,A,2,A,0,50],1)", "modifyMacroData(A)"])
        }

        // --- recording ---

        function test_recordingWithAndWithoutDelays_data() {
            return [
                { tag: "delays recorded", delays: true, events: ["1,A", "0,50", "3,MS-L", "0,1200", "4,MS-L", "0,0", "2,A"] },
                { tag: "without delays", delays: false, events: ["1,A", "3,MS-L", "4,MS-L", "2,A"] }
            ]
        }

        function test_recordingWithAndWithoutDelays(data) {
            start(["A"], ["1,Z", "2,Z"])
            editor.recordDelays = data.delays
            verify(!editor.capturing)
            editor.toggleRecording()
            verify(editor.capturing)
            compare(editor.events, [])
            root.now += 300                      // the first event has no delay before it
            editor.keyEvent(true, 0x04)
            root.now += 57                       // whole 10 ms units
            editor.keyEvent(true, 0xF0)
            root.now += 1209
            editor.keyEvent(false, 0xF0)
            editor.keyEvent(true, 0x01)          // no name: not recorded
            editor.keyEvent(false, 0x04)
            compare(saves(), [])                 // saved once, when recording stops
            editor.toggleRecording()
            verify(!editor.capturing)
            compare(shown(), data.events)
            compare(saves(), ["saveMacroIni(A,[" + data.events.join(",") + "],1)", "modifyMacroData(A)"])
        }

        function test_closingStopsAndSavesTheRecording() {
            start(["A"])
            editor.startRecording()
            editor.keyEvent(true, 0x04)
            editor.keyEvent(false, 0x04)
            editor.close()
            verify(!editor.recording)
            compare(root.view.files["A"].lines, ["1,A", "2,A"])
        }

        function test_recordingStopsAtTheLimit() {
            start(["A"])
            editor.recordDelays = true
            editor.startRecording()
            let pressed = 0
            for (let i = 0; i < 100 && editor.recording; ++i) {
                root.now += 20
                editor.keyEvent(i % 2 === 0, 0x04 + (i % 40 >> 1))
                ++pressed
            }
            verify(!editor.recording)
            verify(editor.byteCount >= Macro.SIZE_LIMIT)
            verify(editor.byteCount <= Macro.BLOCK_SIZE)
            // A press cut off by the limit gets its release: no key stays down.
            const last = editor.events[editor.events.length - 1]
            compare(last.type, Macro.Type.keyUp)
            const recorded = editor.events.length
            editor.keyEvent(true, 0x05)
            compare(editor.events.length, recorded)
            compare(root.view.files["A"].lines, shown())
            compare(saves().length, 2)
        }

        function test_aLongPauseNeverOverflowsTheBlock() {
            start(["A"])
            editor.recordDelays = true
            editor.startRecording()
            // 60 key events without pauses: 124 bytes, still recording.
            for (let i = 0; i < 60; ++i)
                editor.keyEvent(i % 2 === 0, 0x04)
            verify(editor.recording)
            compare(editor.byteCount, 124)
            // After a long pause the event would need 6 more bytes.
            root.now += 5000
            editor.keyEvent(true, 0x05)
            verify(!editor.recording)
            compare(editor.byteCount, 124)
            compare(editor.events[editor.events.length - 1].info, "A")
        }

        function test_nothingIsCapturedWithoutAMacro() {
            start([])
            editor.toggleRecording()
            verify(!editor.recording)
            verify(!editor.capturing)
            editor.keyEvent(true, 0x04)
            compare(editor.events, [])
            compare(root.view.log, [])
        }

        // --- sending ---

        function test_sendMacroUsesTheEditorsRepeatCount() {
            start(["A", "Spray"], ["1,A", "2,A"], 300)
            root.view.files["Spray"] = { lines: ["1,A", "0,50", "2,A"], repeat: 7 }
            root.view.log = []
            editor.sendMacro(3, "Spray")
            compare(root.view.log, ["mouseSendMacroData([1,44,5,4,129,4,0,0],3)"])
        }

        // Macro files parse into events that encode to the mouse's macro format.
        function test_encoding_data() {
            const A = 0x04
            return [
                { tag: "a key with 50 ms", repeat: 300, events: ["1,A", "0,50", "2,A"],
                  bytes: [0x01, 0x2C, 5, A, 0x81, A, 0, 0] },
                { tag: "0 ms apart", repeat: 1, events: ["1,A", "2,A"], bytes: [0, 1, 1, A, 0x81, A, 0, 0] },
                { tag: "2 s after a release", repeat: 1, events: ["2,A", "0,2000", "1,A"],
                  bytes: [0, 1, 0x80, A, 0, 1, 0, 100, 1, A, 0, 0] },
                { tag: "delays only", repeat: 2, events: ["0,50", "0,10"], bytes: [0, 2] },
                { tag: "a delay first", repeat: 1, events: ["0,100", "1,A"], bytes: [0, 1, 1, A, 0, 0] },
                { tag: "a single release", repeat: 1, events: ["2,A"], bytes: [0, 1, 0x81, A, 0, 0] },
                { tag: "split delays add up", repeat: 1, events: ["1,A", "0,1000", "0,270", "2,A"],
                  bytes: [0, 1, 0, A, 0, 1, 0, 63, 0x81, A, 0, 0] }
            ]
        }

        function test_encoding(data) {
            const events = Macro.parse(data.events.concat(["1"])).events
            const bytes = Km7.encodeMacro(events, data.repeat)
            compare(bytes, data.bytes)
            compare(Km7.encodedMacroSize(events), bytes.length)
        }
    }
}
