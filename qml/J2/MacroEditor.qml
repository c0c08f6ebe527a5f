import QtQuick
import "../basic"
import "../common"
import "../common/texts.mjs" as Texts
import "../common/assignments.mjs" as Assign
import "../common/macrolist.mjs" as Macro

// The macro editor: the macro library on the left, the chosen macro's events
// on the right. Events are recorded from the keyboard (global capture) or
// inserted from the context menu; every change is saved at once and reported
// with modifyMacroData so the buttons using the macro get it again.
Dialog {
    id: editor

    // Injected by the main page.
    property var view: null
    property var texts: Texts.builtIn("macroEditor")
    // Key names and codes: the native key-name table (the Km7 singleton).
    property var keys: null
    // The mouse's macro encoding and its length: the native encoder's (Km7).
    property var encode: null
    property var encodedSize: null
    // Milliseconds, for the pauses between recorded events.
    property var clock: function () { return Date.now() }

    // The frame every page has; this page saves each change at once.
    property bool isSave: false

    property var macroNames: []
    property int selectedMacro: -1
    readonly property string selectedName: selectedMacro >= 0 && selectedMacro < macroNames.length
                                           ? macroNames[selectedMacro] : ""
    property int editingMacro: -1
    property string editingText: ""

    // The chosen macro's events ({ type, info }) and repeat count.
    property var events: []
    property int selectedEvent: -1
    property int editingEvent: -1
    property int repeatCount: 1

    property bool recording: false
    // Pauses are recorded unless the user turns it off.
    property bool recordDelays: true
    property double lastEventTime: 0
    property bool inserting: false
    property int insertCode: 0

    readonly property int byteCount: sizeOf(events)
    readonly property bool full: byteCount >= Macro.SIZE_LIMIT
    // Key events are wanted while recording or inserting a key into a macro.
    readonly property bool capturing: visible && selectedMacro >= 0 && (recording || inserting)

    signal deleteMacro(string name)
    signal modifyMacroName(string oldName, string newName)
    signal modifyMacroData(string name)

    function text(id) {
        const i = Texts.indexOf("macroEditor", id)
        const value = texts ? texts[i] : undefined
        return value ? String(value) : Texts.builtIn("macroEditor")[i]
    }

    function keyName(code) {
        return keys ? String(keys.keyName(code) || "") : ""
    }

    function sizeOf(list) {
        return encodedSize ? Number(encodedSize(list)) : 0
    }

    function init(isSendData, isRecovery) {
        stopRecording()
        closeInsertKey()
        macroNames = Macro.namesFromStored(view ? view.getNameList(0) : [])
        selectMacro(macroNames.length ? 0 : -1)
    }

    function save() {
    }

    function open() {
        dismiss()
        if (selectedMacro < 0 && macroNames.length)
            selectMacro(0)
        if (parent) {
            x = Math.round((parent.width - width) / 2)
            y = Math.round((parent.height - height) / 2)
        }
        visible = true
    }

    // Closing ends a recording and keeps what was recorded.
    function close() {
        dismiss()
        stopRecording()
        closeInsertKey()
        visible = false
    }

    // Ends text editing and closes the context menus.
    function dismiss() {
        if (editingMacro >= 0)
            finishRename(editingText)
        if (editingEvent >= 0)
            finishDelayEdit(delayEditText)
        library.closeMenu()
        eventPanel.closeMenu()
        eventPanel.leaveRepeatField()
    }

    // --- the library ---

    function storeNames() {
        if (view)
            view.updataNameList(0, macroNames)
    }

    function selectMacro(index) {
        stopRecording()
        closeInsertKey()
        editingEvent = -1
        selectedMacro = index >= 0 && index < macroNames.length ? index : -1
        const parsed = Macro.parse(selectedMacro >= 0 && view ? view.loadMacroIni(selectedName) : [])
        events = parsed.events
        repeatCount = parsed.repeat
        selectedEvent = -1
    }

    function newMacro() {
        dismiss()
        const name = Macro.newName(macroNames)
        if (name === "")
            return
        macroNames = macroNames.concat([name])
        if (view)
            view.createMacroIni(name, 0)
        storeNames()
        selectMacro(macroNames.length - 1)
    }

    // A macro file chosen by the user, under a new name before the selected
    // macro; without a file the macro starts empty.
    function importMacro() {
        dismiss()
        const name = Macro.newName(macroNames)
        if (name === "" || !view)
            return
        const at = selectedMacro >= 0 ? selectedMacro : macroNames.length
        const list = macroNames.slice()
        list.splice(at, 0, name)
        macroNames = list
        if (!view.loadMacroFile(name))
            view.createMacroIni(name, 0)
        storeNames()
        selectMacro(at)
    }

    function exportMacro() {
        dismiss()
        if (view && selectedName !== "")
            view.saveMacroFile(selectedName)
    }

    function deleteSelectedMacro() {
        dismiss()
        if (selectedMacro < 0)
            return
        recording = false
        closeInsertKey()
        const name = selectedName
        if (view)
            view.deleteMacroIni(name)
        events = []
        selectedEvent = -1
        deleteMacro(name)
        const list = macroNames.slice()
        list.splice(selectedMacro, 1)
        selectedMacro = -1
        macroNames = list
        storeNames()
        repeatCount = 1
    }

    function startRename(index) {
        dismiss()
        if (index < 0 || index >= macroNames.length)
            return
        if (index !== selectedMacro)
            selectMacro(index)
        editingText = macroNames[index]
        editingMacro = index
    }

    function finishRename(newText) {
        const index = editingMacro
        editingMacro = -1
        renameMacro(index, newText)
    }

    // A new name that no macro and no macro file has yet.
    function renameMacro(index, newText) {
        const name = Macro.renameTo(macroNames, index, newText)
        if (name === "" || (view && view.loadMacroIni(name).length > 0))
            return false
        const oldName = macroNames[index]
        modifyMacroName(oldName, name)
        const list = macroNames.slice()
        list[index] = name
        macroNames = list
        storeNames()
        return true
    }

    // --- events ---

    function saveMacro() {
        const name = selectedName
        if (name === "" || !view)
            return
        const lines = Macro.lines(events)
        // A macro whose file went missing is written anew rather than lost.
        if (!view.saveMacroIni(name, lines, repeatCount)) {
            view.createMacroIni(name, 0)
            view.saveMacroIni(name, lines, repeatCount)
        }
        modifyMacroData(name)
    }

    function commit(result) {
        events = result.events
        selectedEvent = result.selected
        saveMacro()
    }

    readonly property bool canEdit: selectedMacro >= 0 && !recording

    function deleteEvent(index) {
        dismiss()
        if (!canEdit || index < 0 || index >= events.length)
            return
        commit(Macro.remove(events, index))
    }

    function tryInsert(result) {
        if (!canEdit || !Macro.canInsert(events, result.events, sizeOf))
            return false
        commit(result)
        return true
    }

    function insertDelay() {
        dismiss()
        return tryInsert(Macro.insertDelay(events, selectedEvent))
    }

    function insertKey(code) {
        const name = keyName(code)
        if (name === "" || Number(code) >= Macro.FIRST_BUTTON_CODE)
            return false
        return tryInsert(Macro.insertPair(events, selectedEvent, Macro.pair(name, false), false))
    }

    function insertMouseButton(code) {
        dismiss()
        const fallback = { [Macro.LEFT_BUTTON]: "MS-L", [Macro.RIGHT_BUTTON]: "MS-R", [Macro.MIDDLE_BUTTON]: "MS-M" }
        const name = keyName(code) || fallback[code] || ""
        if (name === "")
            return false
        return tryInsert(Macro.insertPair(events, selectedEvent, Macro.pair(name, true), true))
    }

    // A typed delay; anything but 0 to 65535 whole milliseconds (or a delay
    // the macro block has no room for) leaves the delay as it was.
    function setDelay(index, typed) {
        if (!canEdit || index < 0 || index >= events.length || events[index].type !== Macro.Type.delay)
            return false
        const ms = Macro.parseDelay(typed)
        if (ms === null)
            return false
        if (String(ms) === events[index].info)
            return true
        const list = Macro.withDelay(events, index, ms)
        if (!Macro.fits(events, list, sizeOf))
            return false
        commit({ events: list, selected: index })
        return true
    }

    property string delayEditText: ""

    function startDelayEdit(index) {
        dismiss()
        if (!canEdit || index < 0 || index >= events.length || events[index].type !== Macro.Type.delay)
            return
        selectedEvent = index
        delayEditText = events[index].info
        editingEvent = index
    }

    function finishDelayEdit(typed) {
        const index = editingEvent
        editingEvent = -1
        setDelay(index, typed)
    }

    // A typed repeat count, 1 to 65535; anything else is undone.
    function setRepeat(typed) {
        const value = Macro.parseRepeat(typed)
        if (value === null)
            return false
        if (value !== repeatCount) {
            repeatCount = value
            saveMacro()
        }
        return true
    }

    // --- recording ---

    function startRecording() {
        dismiss()
        if (selectedMacro < 0 || recording)
            return
        closeInsertKey()
        events = []
        selectedEvent = -1
        lastEventTime = clock()
        recording = true
    }

    // Ends a recording: keys still held get their release, then it is saved.
    function stopRecording() {
        if (!recording)
            return
        recording = false
        events = Macro.closeHeld(events, sizeOf)
        saveMacro()
    }

    function toggleRecording() {
        if (recording)
            stopRecording()
        else
            startRecording()
    }

    // A key transition from the global capture while recording.
    function detectKeyboard(isDown, usbCode) {
        if (!recording || selectedMacro < 0)
            return
        const name = keyName(usbCode)
        if (name === "")
            return
        const now = clock()
        const recorded = Macro.recordedEvent(isDown, usbCode, name)
        const result = Macro.record(events, recorded, String(Macro.recordedDelay(now - lastEventTime)),
                                    recordDelays, sizeOf)
        if (result.accepted) {
            events = result.events
            lastEventTime = now
        }
        if (result.full)
            stopRecording()
    }

    // A key for the insert-key dialog: keyboard keys only.
    function detectInput(isDown, usbCode) {
        const code = Number(usbCode)
        if (inserting && isDown && code < Macro.FIRST_BUTTON_CODE && keyName(code) !== "")
            insertCode = code
    }

    // Key events routed by the main page while capturing.
    function keyEvent(isDown, usbCode) {
        if (!capturing)
            return
        const down = Boolean(isDown)
        if (inserting)
            detectInput(down, usbCode)
        else
            detectKeyboard(down, Number(usbCode))
    }

    function openInsertKey() {
        dismiss()
        if (!canEdit || full)
            return
        insertCode = 0
        inserting = true
    }

    function confirmInsertKey() {
        const code = insertCode
        closeInsertKey()
        if (code !== 0)
            insertKey(code)
    }

    function closeInsertKey() {
        inserting = false
        insertCode = 0
    }

    // --- sending ---

    // Sends the named macro to the macro slot of button `index`, with the
    // repeat count of the editor's field.
    function sendMacro(index, name) {
        if (!view || !encode)
            return
        const parsed = Macro.parse(view.loadMacroIni(name))
        view.mouseSendMacroData(encode(parsed.events, repeatCount), index)
    }

    width: 640
    height: 448
    title: text("title")

    // --- layout ---

    // Presses on the background drag the editor and end editing and menus.
    MouseArea {
        anchors.fill: parent
        drag.target: editor
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: editor.parent ? editor.parent.width - editor.width : 0
        drag.maximumY: editor.parent ? editor.parent.height - editor.height : 0
        onPressed: editor.dismiss()
    }

    ImageButton {
        objectName: "closeButton"
        x: editor.width - 32
        y: 12
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        normalSource: Theme.image("closeBtn")
        hoverSource: Theme.image("closeBtnH")
        onClicked: editor.close()
    }

    Rectangle {
        x: 1
        y: 40
        width: editor.width - 2
        height: 1
        color: "#2e2e32"
    }

    MacroLibraryPanel {
        id: library
        x: 16
        y: 52
        width: 200
        height: editor.height - 60
        editor: editor
    }

    Rectangle {
        x: 228
        y: 52
        width: 1
        height: editor.height - 64
        color: "#2e2e32"
    }

    MacroEventPanel {
        id: eventPanel
        x: 240
        y: 52
        width: editor.width - 256
        height: editor.height - 60
        editor: editor
    }

    InsertKeyDialog {
        objectName: "insertKeyDialog"
        anchors.fill: parent
        z: 20
        visible: editor.inserting
        title: editor.text("insertKey")
        prompt: editor.text("pressKey")
        okText: editor.text("ok")
        keyName: editor.insertCode !== 0 ? editor.keyName(editor.insertCode) : ""
        onAccepted: editor.confirmInsertKey()
        onRejected: editor.closeInsertKey()
    }
}
