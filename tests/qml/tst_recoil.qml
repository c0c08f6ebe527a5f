import QtQuick
import QtTest
import "../../qml/J2"
import "../../qml/common/recoil.mjs" as Recoil
import "../../qml/common/texts.mjs" as Texts

// The recoil editor and its logic against a stand-in view that keeps the
// preset file and the global file in memory and records every call that
// stores or sends.
Item {
    id: scene
    width: 1024
    height: 640

    Component {
        id: editorComponent
        GunEditor {
            imageFolder: Qt.resolvedUrl("../../qml/img/")
        }
    }

    TestCase {
        name: "RecoilLogic"

        function test_markerMapsPixelsToYAndBack() {
            compare(Recoil.yAt(0), 0)
            compare(Recoil.yAt(1), 0)          // 0.68 loses its fraction
            compare(Recoil.yAt(2), 1)
            compare(Recoil.yAt(93), 63)
            compare(Recoil.yAt(94), 64)
            compare(Recoil.yAt(150), 64)
            compare(Recoil.yAt(-10), 0)
            compare(Recoil.offsetOf(0), 0)
            compare(Recoil.offsetOf(64), 94)
            compare(Recoil.offsetOf(99), 94)
            let previous = -1
            for (let y = 0; y <= 64; ++y) {
                const offset = Recoil.offsetOf(y)
                compare(Recoil.yAt(offset), y, "the marker of " + y + " reads back")
                verify(offset > previous && offset <= Recoil.TRACK)
                previous = offset
            }
        }

        function test_rateSliderSpansFiveToNinetyOneMs() {
            compare(Recoil.sliderFraction(5), 0)
            compare(Recoil.sliderFraction(91), 1)
            compare(Recoil.sliderFraction(48), 0.5)
            compare(Recoil.sliderFraction(2), 0)
            compare(Recoil.sliderFraction(120), 1)
            compare(Recoil.periodAt(0), 5)
            compare(Recoil.periodAt(1), 91)
            compare(Recoil.periodAt(0.5), 48)
            compare(Recoil.periodAt(-1), 5)
            compare(Recoil.periodAt(3), 91)
            for (let period = 5; period <= 91; ++period)
                compare(Recoil.periodAt(Recoil.sliderFraction(period)), period)
            compare(Recoil.rateText(9), "9MS")
            compare(Recoil.rateText(91), "91MS")
        }

        function test_endlessMeansCountZero() {
            verify(Recoil.isEndless(0))
            verify(Recoil.isEndless("0"))
            verify(!Recoil.isEndless(1))
            verify(!Recoil.isEndless("255"))
        }

        function test_typedNumbers() {
            compare(Recoil.parseTyped("64", 64), 64)
            compare(Recoil.parseTyped(" 7 ", 64), 7)
            compare(Recoil.parseTyped("0", 255), 0)
            compare(Recoil.parseTyped("65", 64), undefined)
            compare(Recoil.parseTyped("256", 255), undefined)
            compare(Recoil.parseTyped("", 64), undefined)
            compare(Recoil.parseTyped("-1", 64), undefined)
            compare(Recoil.parseTyped("1e1", 64), undefined)
        }

        function test_storedPresetsAndSlots() {
            const fallback = Recoil.builtInPresets[2]
            compare(Recoil.fromStored(["AK", " R-Click", " 30", " 3", " 40", " 12"], fallback),
                    { name: "AK", trigger: "R-Click", period: 30, x: 3, y: 40, count: 12 })
            // A short or damaged entry keeps what it cannot give.
            compare(Recoil.fromStored(["AK", "L-Click", "9"], fallback), fallback)
            compare(Recoil.fromStored(["", "", "x", "", "99", "-4"], fallback),
                    { name: "M16A4", trigger: "L-Click", period: 10, x: 0, y: 64, count: 0 })
            compare(Recoil.toStored({ name: "AKM", trigger: "L-Click", period: 9, x: 0, y: 7, count: 3 }),
                    ["AKM", "L-Click", 9, 0, 7, 3])

            compare(Recoil.slotsFrom(["4", "5", "0"]), [4, 5, 0])
            compare(Recoil.slotsFrom("3, 1, 2"), [3, 1, 2])
            compare(Recoil.slotsFrom(undefined), [0, 1, 2])
            compare(Recoil.slotsFrom(["9", "x", ""]), [0, 1, 2])
            compare(Recoil.slotsFrom(["5"]), [5, 1, 2])

            compare(Recoil.slotValues({ name: "M416", trigger: "L-Click", period: 9, x: 2, y: 5, count: 30 }), [30, 2, 5])
            compare(Recoil.firePeriods(Recoil.factoryPresets, [3, 0, 0]), [10, 9, 9])
            compare(Recoil.slotNames("Gun"), ["Gun 1", "Gun 2", "Gun 3"])
        }

        function test_factoryValues() {
            compare(Recoil.factorySlots, [0, 1, 2])
            compare(Recoil.factoryPresets.map(Recoil.toStored), [
                ["M416", "L-Click", 9, 0, 5, 0],
                ["AKM", "L-Click", 9, 0, 7, 0],
                ["M16A4", "L-Click", 9, 0, 8, 0],
                ["SCAR-L", "L-Click", 10, 0, 10, 0],
                ["UNP9", "L-Click", 10, 0, 10, 0],
                ["Thomson", "L-Click", 10, 0, 10, 0]
            ])
        }
    }

    TestCase {
        name: "GunEditor"
        when: windowShown

        // The installed preset file, as the file's lists arrive: strings.
        readonly property var installed: ({
            "0": ["M416", "L-Click", "9", "0", "5", "0"],
            "1": ["AKM", "L-Click", "9", "0", "7", "0"],
            "2": ["M16A4", "L-Click", "9", "0", "8", "0"],
            "3": ["SCAR-L", "L-Click", "10", "0", "10", "0"],
            "4": ["UNP9", "L-Click", "10", "0", "10", "0"],
            "5": ["Thomson", "L-Click", "10", "0", "10", "12"]
        })

        function text(value) {
            return Array.isArray(value) ? JSON.stringify(value) : String(value)
        }

        function standInView(gunData, selectGun) {
            const log = []
            const record = (name, args) => log.push(name + "(" + args.map(text).join(",") + ")")
            return {
                log: log,
                gunData: gunData,
                global: { "mouse/selectGun": selectGun },
                getGunData(i) {
                    const entry = this.gunData[String(i)]
                    return entry ? entry.map(String) : []
                },
                getGlobalData(key) { return this.global[key] },
                setGlobalData(key, value) { record("setGlobalData", [key, value]); this.global[key] = value },
                mouseSaveGundata(i, list) { record("mouseSaveGundata", [i, list]); this.gunData[String(i)] = list.slice() },
                mouseSendGundata(slot, values) { record("mouseSendGundata", [slot, values]) }
            }
        }

        // An open editor on the installed presets, slots on presets 3, 1, 5.
        function openEditor(selectGun) {
            const data = JSON.parse(JSON.stringify(installed))
            const view = standInView(data, selectGun === undefined ? ["3", "1", "5"] : selectGun)
            const page = createTemporaryObject(editorComponent, scene, { view: view })
            verify(page)
            page.init(false, false)
            page.open()
            waitForRendering(page)
            const spy = createTemporaryQmlObject("import QtTest; SignalSpy { signalName: \"recoilChanged\" }", page)
            spy.target = page
            return { page: page, view: view, spy: spy }
        }

        function child(page, name) {
            const item = findChild(page, name)
            verify(item, name)
            return item
        }

        function fieldText(page, name) {
            return findChild(child(page, name), "input").text
        }

        function typeInto(page, name, typed, finish) {
            const input = findChild(child(page, name), "input")
            mouseClick(input)
            verify(input.activeFocus)
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_Backspace)
            for (const c of typed)
                keyClick(c)
            if (finish !== false)
                keyClick(Qt.Key_Return)
        }

        // Presses the Y track `from` pixels down, drags to `to`, releases.
        function dragMarker(page, from, to) {
            const area = child(page, "yArea")
            mousePress(area, area.width / 2, from - area.y)
            mouseMove(area, area.width / 2, (from + to) / 2 - area.y)
            mouseMove(area, area.width / 2, to - area.y)
            mouseRelease(area, area.width / 2, to - area.y)
        }

        function clickRate(page, fraction) {
            const area = child(page, "rateArea")
            mouseClick(area, fraction * child(page, "rateSlider").width - area.x, area.height / 2)
        }

        function saved(position, values) {
            return "mouseSaveGundata(" + position + "," + JSON.stringify(values) + ")"
        }

        function test_initShowsThePresetOfSlotOne() {
            const e = openEditor()
            compare(e.view.log, [], "reading stores and sends nothing")
            compare(e.page.slots, [3, 1, 5])
            compare(e.page.currentSlot, 0)
            compare(child(e.page, "presetName").text, "SCAR-L")
            compare(fieldText(e.page, "yField"), "10")
            compare(fieldText(e.page, "xField"), "0")
            compare(child(e.page, "yMarker").y, Recoil.offsetOf(10) - 7)
            compare(child(e.page, "rateKnob").x, Recoil.sliderFraction(10) * 176 - 7)
            compare(child(e.page, "rateText").text, "10MS")
            compare(fieldText(e.page, "countField"), "0")
            verify(child(e.page, "endlessBox").checked)
            verify(!e.page.isSave)

            // Slot 3 holds a preset with a shot count.
            e.page.chooseSlot(2)
            compare(child(e.page, "presetName").text, "Thomson")
            compare(fieldText(e.page, "countField"), "12")
            verify(!child(e.page, "endlessBox").checked)

            e.page.init(true, false)
            compare(e.view.log, ["mouseSendGundata(1,[0,0,10])", "mouseSendGundata(2,[0,0,7])",
                                 "mouseSendGundata(3,[12,0,10])"])
        }

        function test_withoutPresetFileTheBuiltInPresetsShow() {
            const view = standInView({}, undefined)
            const page = createTemporaryObject(editorComponent, scene, { view: view })
            page.init(false, false)
            compare(page.slots, [0, 1, 2])
            compare(page.presets.map(Recoil.toStored), Recoil.builtInPresets.map(Recoil.toStored))
        }

        function test_draggingTheMarkerSavesOnRelease() {
            const e = openEditor()
            dragMarker(e.page, 20, 94)
            compare(e.view.log, [saved(3, ["SCAR-L", "L-Click", 10, 0, 64, 0])])
            compare(fieldText(e.page, "yField"), "64")
            compare(child(e.page, "yMarker").y, 94 - 7)
            verify(e.page.isSave)

            // Past the end of the track still reads 64; the marker's own spot changes nothing.
            dragMarker(e.page, 94, 120)
            dragMarker(e.page, 94, 94)
            compare(e.view.log.length, 1)

            dragMarker(e.page, 90, Recoil.offsetOf(33))
            compare(e.view.log[1], saved(3, ["SCAR-L", "L-Click", 10, 0, 33, 0]))
        }

        function test_typingY() {
            const e = openEditor()
            typeInto(e.page, "yField", "40")
            compare(e.view.log, [saved(3, ["SCAR-L", "L-Click", 10, 0, 40, 0])])
            compare(child(e.page, "yMarker").y, Recoil.offsetOf(40) - 7)

            // Out of range or empty: the field goes back and nothing is stored.
            typeInto(e.page, "yField", "65")
            compare(fieldText(e.page, "yField"), "40")
            typeInto(e.page, "yField", "")
            compare(fieldText(e.page, "yField"), "40")
            compare(e.view.log.length, 1)

            // Escape undoes too.
            typeInto(e.page, "yField", "12", false)
            keyClick(Qt.Key_Escape)
            compare(fieldText(e.page, "yField"), "40")
            compare(e.view.log.length, 1)
        }

        function test_rateSlider() {
            const e = openEditor()
            clickRate(e.page, 0.5)
            compare(e.view.log, [saved(3, ["SCAR-L", "L-Click", 48, 0, 10, 0])])
            compare(child(e.page, "rateText").text, "48MS")
            clickRate(e.page, 1.04)    // just past the end of the track
            clickRate(e.page, 0)
            compare(e.view.log.slice(1), [saved(3, ["SCAR-L", "L-Click", 91, 0, 10, 0]),
                                          saved(3, ["SCAR-L", "L-Click", 5, 0, 10, 0])])
            compare(child(e.page, "rateText").text, "5MS")
        }

        function test_countAndEndless() {
            const e = openEditor()
            const endless = child(e.page, "endlessBox")
            typeInto(e.page, "countField", "12")
            verify(!endless.checked)
            mouseClick(endless)
            verify(endless.checked)
            compare(fieldText(e.page, "countField"), "0")
            mouseClick(endless)
            verify(!endless.checked)
            compare(fieldText(e.page, "countField"), "12")
            typeInto(e.page, "countField", "256")
            compare(fieldText(e.page, "countField"), "12")
            typeInto(e.page, "countField", "0")
            verify(endless.checked, "a typed 0 is endless as well")
            compare(e.view.log, [saved(3, ["SCAR-L", "L-Click", 10, 0, 10, 12]),
                                 saved(3, ["SCAR-L", "L-Click", 10, 0, 10, 0]),
                                 saved(3, ["SCAR-L", "L-Click", 10, 0, 10, 12]),
                                 saved(3, ["SCAR-L", "L-Click", 10, 0, 10, 0])])
        }

        function test_slotsAndPresets() {
            const e = openEditor()
            const box = child(e.page, "selectBox")
            compare(box.model, ["Gun 1", "Gun 2", "Gun 3"])
            mouseClick(box)
            // The list's second entry, below the head.
            mouseClick(box, box.width / 2, box.height + 4 + 24 + 12)
            compare(e.page.currentSlot, 1)
            compare(child(e.page, "presetName").text, "AKM")
            compare(fieldText(e.page, "yField"), "7")
            compare(e.view.log, [], "choosing a slot changes nothing")

            mouseClick(child(e.page, "preset4"))
            compare(e.view.log, ["setGlobalData(mouse/selectGun,[3,4,5])"])
            compare(child(e.page, "presetName").text, "UNP9")
            verify(e.page.isSave)
            compare(e.page.firePeriods(), [10, 10, 10])

            // The preset already on the slot: nothing to store.
            mouseClick(child(e.page, "preset4"))
            compare(e.view.log.length, 1)

            // Edits go to the preset on the chosen slot.
            typeInto(e.page, "yField", "3")
            compare(e.view.log[1], saved(4, ["UNP9", "L-Click", 10, 0, 3, 0]))
        }

        function test_closingSendsTheSlotsOnlyAfterAChange() {
            const e = openEditor()
            mouseClick(child(e.page, "closeButton"))
            verify(!e.page.visible)
            compare(e.view.log, [])
            compare(e.spy.count, 0)

            e.page.open()
            typeInto(e.page, "yField", "20")
            mouseClick(child(e.page, "preset0"))
            e.view.log.length = 0
            mouseClick(child(e.page, "closeButton"))
            compare(e.view.log, ["mouseSendGundata(1,[0,0,5])", "mouseSendGundata(2,[0,0,7])",
                                 "mouseSendGundata(3,[12,0,10])"])
            compare(e.spy.count, 1)
            verify(!e.page.isSave)

            // Once sent, closing again sends nothing.
            e.page.open()
            e.page.close()
            compare(e.view.log.length, 3)
            compare(e.spy.count, 1)
        }

        function test_closingKeepsAValueStillBeingTyped() {
            const e = openEditor()
            typeInto(e.page, "yField", "33", false)
            mouseClick(child(e.page, "closeButton"))
            compare(e.view.log, [saved(3, ["SCAR-L", "L-Click", 10, 0, 33, 0]),
                                 "mouseSendGundata(1,[0,0,33])", "mouseSendGundata(2,[0,0,7])",
                                 "mouseSendGundata(3,[12,0,10])"])
            compare(e.spy.count, 1)
        }

        function test_resetData() {
            const e = openEditor()
            e.page.chooseSlot(2)
            typeInto(e.page, "yField", "50")
            e.view.log.length = 0
            e.page.resetData()
            compare(e.view.log, [
                "setGlobalData(mouse/selectGun,[0,1,2])",
                saved(0, ["M416", "L-Click", 9, 0, 5, 0]),
                saved(1, ["AKM", "L-Click", 9, 0, 7, 0]),
                saved(2, ["M16A4", "L-Click", 9, 0, 8, 0]),
                saved(3, ["SCAR-L", "L-Click", 10, 0, 10, 0]),
                saved(4, ["UNP9", "L-Click", 10, 0, 10, 0]),
                saved(5, ["Thomson", "L-Click", 10, 0, 10, 0]),
                "mouseSendGundata(1,[0,0,5])", "mouseSendGundata(2,[0,0,7])", "mouseSendGundata(3,[0,0,8])"
            ])
            compare(e.page.currentSlot, 0)
            compare(child(e.page, "presetName").text, "M416")
            compare(fieldText(e.page, "yField"), "5")
            compare(child(e.page, "rateText").text, "9MS")
            verify(!e.page.isSave)
            // The slots' fire periods went from 10 to 9: the key matrix must follow.
            compare(e.spy.count, 1)
            compare(e.page.firePeriods(), [9, 9, 9])

            // reset() is the same; with the periods unchanged there is nothing more to send.
            e.view.log.length = 0
            e.page.reset()
            compare(e.view.log.length, 10)
            compare(e.spy.count, 1)

            // A mouse without recoil support is sent nothing.
            e.page.isGun = false
            e.view.log.length = 0
            e.page.resetData()
            verify(e.view.log.every(entry => !entry.startsWith("mouseSendGundata")))
            e.page.close()
            compare(e.view.log.length, 7)
        }

        function test_everyLanguageFits_data() {
            return [
                { tag: "English", texts: Texts.builtIn("gunControl") },
                { tag: "German", texts: ["Waffen-Editor", "Waffe", "Waffe wählen", "Zeigerkorrektur", "X-Achse",
                                         "Y-Achse", "Feuereinstellung", "Feuerrate", "Anzahl", "Endlos"] },
                { tag: "Chinese", texts: ["压枪编辑器", "枪械", "选择枪械", "准星修正", "X轴", "Y轴", "射击调整",
                                          "射速", "次数", "无限"] }
            ]
        }

        function test_everyLanguageFits(data) {
            const e = openEditor()
            e.page.texts = data.texts
            waitForRendering(e.page)
            const texts = []
            const walk = item => {
                for (let i = 0; i < item.children.length; ++i) {
                    const c = item.children[i]
                    if (!c.visible)
                        continue
                    if (c.truncated !== undefined && c.text !== undefined)
                        texts.push(c)
                    walk(c)
                }
            }
            walk(e.page)
            verify(texts.length > 20)
            for (const t of texts)
                verify(!t.truncated, "'" + t.text + "' is cut")
            for (let i = 0; i < 6; ++i)
                compare(findChild(child(e.page, "preset" + i), "gunImage").status, Image.Ready)
            compare(child(e.page, "shownGun").status, Image.Ready)
        }
    }
}
