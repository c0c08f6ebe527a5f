import QtQuick
import QtTest
import "../../qml/J2"
import "../../qml/common/dpimapping.mjs" as Dpi
import "../../qml/common/lightingpage.mjs" as Light
import "../../qml/common/systemsteps.mjs" as Steps

// The DPI, lighting and system pages against a stand-in view that keeps the
// profile, the factory profile and the global file in memory and records
// every call that stores or sends.
Item {
    id: scene
    width: 1024
    height: 640

    TestCase {
        id: testCase
        name: "SettingsPages"
        when: windowShown

        Component {
            id: dpiComponent
            DpiPage { x: 768; y: 56 }
        }
        Component {
            id: lightingComponent
            LightingPage { x: 768; y: 332 }
        }
        Component {
            id: systemComponent
            SystemPage { anchors.centerIn: parent }
        }

        function text(value) {
            return Array.isArray(value) ? "[" + value.join(",") + "]" : String(value)
        }

        // Reads answer as the native view does: missing keys are undefined and
        // lists come back as strings.
        function standInView(profile, factory, global) {
            const log = []
            const record = (name, args) => log.push(name + "(" + args.map(text).join(",") + ")")
            const file = recovery => recovery ? factory || {} : profile || {}
            const view = {
                log: log,
                profile: profile || {},
                getData(key, recovery) { return file(recovery)[key] },
                getDataList(key, recovery) {
                    const value = file(recovery)[key]
                    return Array.isArray(value) ? value.map(String) : []
                },
                getGlobalData(key) { return (global || {})[key] },
                setData(key, value) { record("setData", [key, value]); this.profile[key] = value },
                setDataList(key, list) { record("setDataList", [key, list]); this.profile[key] = list.slice() }
            }
            for (const name of ["mouseSetDpi", "mouseSetRGBEffect", "mouseSetRGBColor", "mouseSetCursorSpeed",
                                "mouseSetDoubleClickSpeed", "mouseSetVerticalScrollLines"])
                view[name] = (...args) => record(name, args)
            return view
        }

        function press(item, x) {
            mousePress(item, x, item.height / 2)
            mouseRelease(item, x, item.height / 2)
        }

        function typeInto(field, typed) {
            mouseClick(field)
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_Backspace)
            for (const c of typed)
                keyClick(c)
            keyClick(Qt.Key_Return)
        }

        // --- DPI page ---

        function dpiPage(profile, factory, global) {
            const view = standInView(profile, factory, global)
            const page = createTemporaryObject(dpiComponent, scene)
            // Set afterwards: initial properties would hand the page a copy.
            page.view = view
            page.init(false, false)
            return page
        }

        function shownStages(page) {
            let count = 0
            for (let i = 0; i < 8; ++i)
                count += findChild(page, "stageRow" + i).visible ? 1 : 0
            return count
        }

        function test_dpiDefaultsWhenNothingIsRead() {
            const page = dpiPage()
            compare(page.stageCount, 4)
            compare(page.stageLimit, 8)
            compare(shownStages(page), 4)
            compare(page.values, [500, 1000, 1500, 2000, 3000, 4000, 5000, 6000])
            compare(findChild(page, "stageValue3").text, "2000")
            verify(!page.isSave)
            page.save()
            compare(page.view.log, ["setDataList(mouse/dpiValueArray,[500,1000,1500,2000,3000,4000,5000,6000])",
                                    "setData(mouse/currentDpiCount,4)",
                                    "mouseSetDpi(4,3360,[500,1000,1500,2000,3000,4000,5000,6000])"])
            // Half of 200 to 6000 lies at the middle of the slider.
            compare(Dpi.positionOf(3100, Dpi.range()), 82)
        }

        function test_dpiMapping() {
            const range = Dpi.range(200, 6000, 50, "3360")
            // Between the ends a value is rounded down to the step.
            compare([11, 12, 82].map(p => Dpi.valueAt(p, range)), [450, 500, 3100])
            compare(Dpi.valueAt(0, range), 200)
            compare(Dpi.valueAt(500, range), 6000)
            // Facts that cannot describe a range give the default one.
            compare(Dpi.range(6000, 200, 0, ""), { minDpi: 200, maxDpi: 6000, base: 50, sensorType: "3360" })
        }

        function test_dpiSliderEnds_data() {
            return [
                { tag: "steps of 50", min: 200, max: 6000, base: 50, lowest: 200, highest: 6000 },
                { tag: "maximum off the step", min: 100, max: 12030, base: 100, lowest: 100, highest: 12000 },
                { tag: "minimum off the step", min: 250, max: 3000, base: 100, lowest: 300, highest: 3000 }
            ]
        }

        function test_dpiSliderEnds(data) {
            const page = dpiPage({ "mouse/currentDpiCount": 2 }, {},
                                 { "mouse/minDPI": data.min, "mouse/maxDPI": data.max, "mouse/dpiBase": data.base })
            const slider = findChild(page, "stageSlider1")
            press(slider, 0)
            compare(slider.position, Dpi.firstPosition)
            compare(page.values[1], data.lowest)
            verify(page.isSave)
            press(slider, slider.width - 1)
            compare(slider.position, Dpi.lastPosition)
            compare(page.values[1], data.highest)
            compare(findChild(page, "stageValue1").text, String(data.highest))
            // The other stages keep their values.
            compare(page.values[0], 500)
        }

        function test_dpiReleaseWithoutChangeKeepsPageSaved() {
            const page = dpiPage({ "mouse/dpiValueArray": [200, 400] }, {}, { "mouse/minDPI": 200, "mouse/maxDPI": 6000 })
            press(findChild(page, "stageSlider0"), 0)
            compare(page.values[0], 200)
            verify(!page.isSave)
        }

        function test_dpiWheelMovesOnePosition() {
            const page = dpiPage({ "mouse/dpiValueArray": [200] }, {}, { "mouse/minDPI": 200, "mouse/maxDPI": 6000 })
            const slider = findChild(page, "stageSlider0")
            mouseWheel(slider, slider.width / 2, slider.height / 2, 0, 120)
            compare(slider.position, 4)
            compare(page.values[0], Dpi.valueAt(4, page.dpiRange))
            verify(page.isSave)
            mouseWheel(slider, slider.width / 2, slider.height / 2, 0, -240)
            mouseWheel(slider, slider.width / 2, slider.height / 2, 0, -120)
            compare(slider.position, Dpi.firstPosition)
        }

        function test_dpiKnobsPlacedByValue() {
            const page = dpiPage({ "mouse/dpiValueArray": [200, 3100, 6000, 510, 9000, 100, "x", ""] }, {},
                                 { "mouse/minDPI": 200, "mouse/maxDPI": 6000, "mouse/dpiBase": 50 })
            const positions = [0, 1, 2, 3, 4, 5].map(i => findChild(page, "stageSlider" + i).position)
            compare(positions, [3, 82, 161, 11, 161, 3])
            // A knob only approximates its value: the value stays as stored.
            compare(page.values.slice(0, 6), [200, 3100, 6000, 510, 9000, 100])
            // Unreadable entries take their defaults.
            compare(page.values.slice(6), [5000, 6000])
        }

        function test_dpiStageCountDropDown() {
            const page = dpiPage({ "mouse/dpiCount": 6, "mouse/currentDpiCount": 2 })
            const box = findChild(page, "stageCount")
            compare(box.model, ["1", "2", "3", "4", "5", "6"])
            compare(box.currentText, "2")
            mouseClick(box)
            // The list lays its entries out before the next frame.
            waitForRendering(box)
            // The third entry of the list below the box.
            mouseClick(box, box.width / 2, box.height + 4 + 2 * 24 + 12)
            compare(page.stageCount, 3)
            compare(shownStages(page), 3)
            verify(page.isSave)
            page.save()
            compare(page.view.log[1], "setData(mouse/currentDpiCount,3)")
            compare(page.view.log[2], "mouseSetDpi(3,3360,[500,1000,1500,2000,3000,4000,5000,6000])")
            // The box keeps showing the page's count after a new read.
            page.init(false, true)
            compare(box.currentText, "4")
        }

        function test_dpiStageCountLimits() {
            compare(dpiPage({ "mouse/dpiCount": 12, "mouse/currentDpiCount": 8 }).stageCount, 8)
            compare(dpiPage({ "mouse/dpiCount": 12 }).stageLimit, 8)
            compare(dpiPage({ "mouse/dpiCount": 5, "mouse/currentDpiCount": 7 }).stageCount, 5)
            compare(dpiPage({ "mouse/dpiCount": 3 }).stageCount, 3)
            compare(dpiPage({ "mouse/currentDpiCount": 0 }).stageCount, 1)
            const all = dpiPage({ "mouse/dpiCount": 8, "mouse/currentDpiCount": 8 })
            compare(shownStages(all), 8)
            // Eight rows fit on the page.
            const last = findChild(all, "stageRow7")
            verify(last.mapToItem(all, 0, last.height).y <= all.height - 4)
        }

        function test_dpiSaveStoresAndSends() {
            const page = dpiPage({ "mouse/dpiCount": 8, "mouse/currentDpiCount": 5,
                                   "mouse/dpiValueArray": [400, 800, 1600, 3200, 6400, 8000, 10000, 12000] }, {},
                                 { "mouse/minDPI": 200, "mouse/maxDPI": 12000, "mouse/dpiBase": 50,
                                   "mouse/sensorType": "3389" })
            press(findChild(page, "stageSlider4"), findChild(page, "stageSlider4").width - 1)
            page.save()
            compare(page.view.log, ["setDataList(mouse/dpiValueArray,[400,800,1600,3200,12000,8000,10000,12000])",
                                    "setData(mouse/currentDpiCount,5)",
                                    "mouseSetDpi(5,3389,[400,800,1600,3200,12000,8000,10000,12000])"])
            compare(page.view.profile["mouse/dpiValueArray"][4], 12000)
        }

        function test_dpiInitSendsOnlyWhenAsked() {
            const page = dpiPage({ "mouse/currentDpiCount": 3 })
            compare(page.view.log, [])
            page.isSave = true
            page.init(true, false)
            verify(!page.isSave)
            compare(page.view.log.length, 3)
            compare(page.view.log[2], "mouseSetDpi(3,3360,[500,1000,1500,2000,3000,4000,5000,6000])")
        }

        function test_dpiStageHighlight() {
            const page = dpiPage()
            page.currentStage = 2
            for (let i = 0; i < 4; ++i)
                compare(findChild(page, "stageRow" + i).active, i === 2, "stage " + i)
            page.currentStage = 0
            verify(findChild(page, "stageRow0").active)
            verify(!findChild(page, "stageRow2").active)
        }

        function test_dpiBackReadsTheFactoryProfile() {
            const page = dpiPage({ "mouse/currentDpiCount": 2, "mouse/dpiValueArray": [900, 900, 900, 900, 900, 900, 900, 900] },
                                 { "mouse/currentDpiCount": 5, "mouse/dpiValueArray": [400, 800, 1600, 3200, 6400, 800, 800, 800] })
            mouseClick(findChild(page, "dpiBack"))
            compare(page.stageCount, 5)
            compare(page.values, [400, 800, 1600, 3200, 6400, 800, 800, 800])
            verify(page.isSave)
            compare(page.view.log, [])
        }

        // --- Lighting page ---

        function lightingPage(flags, profile, factory) {
            const view = standInView(profile, factory)
            const page = createTemporaryObject(lightingComponent, scene,
                                               { isColorful: flags.isColorful, is55328: flags.is55328 })
            page.view = view
            page.init(false, false)
            return page
        }

        function chooseEffect(page, position) {
            const box = findChild(page, "effectBox")
            mouseClick(box)
            waitForRendering(box)
            mouseClick(findChild(page, "effectItem" + position))
            verify(!box.open)
        }

        function test_effectList_data() {
            return [
                { tag: "plain", isColorful: false, is55328: false, names: ["Static", "Breath", "Neon", "OFF"] },
                { tag: "lighting variant", isColorful: false, is55328: true,
                  names: ["Static", "Breath", "Neon", "OFF", "Breath Loop"] },
                { tag: "colourful", isColorful: true, is55328: false,
                  names: ["Static", "Breath", "Neon", "OFF", "Twinkling", "Wave", "Gliding", "Finger Moving",
                          "Vertical Flipping", "YO-YO", "Spotlight"] },
                // Extended colours play effect 4 as "Twinkling" on either variant.
                { tag: "colourful variant", isColorful: true, is55328: true,
                  names: ["Static", "Breath", "Neon", "OFF", "Twinkling", "Wave", "Gliding", "Finger Moving",
                          "Vertical Flipping", "YO-YO", "Spotlight"] }
            ]
        }

        function test_effectList(data) {
            const page = lightingPage(data)
            compare(findChild(page, "effectBox").model, data.names)
            // "Breath Loop" is effect 4 like "Twinkling": every effect number is its place.
            compare(page.effectList.map(entry => entry.effect), data.names.map((_, i) => i))
        }

        function test_effectSliders_data() {
            // Stored: Breath Loop / Twinkling at speed 3, brightness 2, so both
            // reset and kept positions show.
            const rows = []
            const table = [
                [0, false, false, true, 3, 4],
                [1, false, true, false, 0, 2],
                [2, false, true, false, 0, 2],
                [3, false, false, false, 3, 0],
                [4, true, true, false, 0, 2],
                [4, false, false, true, 3, 4],
                [5, false, true, true, 0, 4],
                [6, false, false, false, 0, 4],
                [7, false, false, true, 3, 4],
                [8, false, true, true, 0, 4],
                [9, false, true, true, 0, 4],
                [10, false, true, true, 0, 4]
            ]
            for (const [effect, is55328, speedShown, brightnessShown, speed, brightness] of table)
                rows.push({ tag: "effect " + effect + (is55328 ? " lighting variant" : ""), effect: effect,
                            is55328: is55328, speedShown: speedShown, brightnessShown: brightnessShown,
                            speed: speed, brightness: brightness })
            return rows
        }

        function test_effectSliders(data) {
            const flags = { isColorful: !data.is55328, is55328: data.is55328 }
            const start = data.effect === 0 ? 1 : 0
            const page = lightingPage(flags, { "mouse/lightValue": [start, 3, 2] })
            const position = page.effectList.findIndex(entry => entry.effect === data.effect)
            verify(position >= 0)
            chooseEffect(page, position)
            compare(page.effect, data.effect)
            compare(findChild(page, "speedSlider").visible, data.speedShown)
            compare(findChild(page, "brightnessSlider").visible, data.brightnessShown)
            compare(page.speed, data.speed)
            compare(page.brightness, data.brightness)
            verify(page.isSave)
        }

        function test_effectListOpensWhereThereIsRoom() {
            const page = lightingPage({ isColorful: true, is55328: false })
            const box = findChild(page, "effectBox")
            mouseClick(box)
            waitForRendering(box)
            // The page sits at the bottom of the window: the list opens upwards.
            verify(box.upwards)
            const last = findChild(page, "effectItem10")
            verify(last.mapToItem(scene, 0, last.height).y <= scene.height)
            mouseClick(box)
            verify(!box.open)
        }

        function test_choosingTheSameEffectChangesNothing() {
            const page = lightingPage({ isColorful: true, is55328: false }, { "mouse/lightValue": [5, 3, 2] })
            chooseEffect(page, 5)
            compare([page.speed, page.brightness], [3, 2])
            verify(!page.isSave)
        }

        function test_lightingSave_data() {
            const colours = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24]
            return [
                { tag: "colourful", isColorful: true, is55328: false, light: [5, 2, 3], type: 0, eighth: [22, 23, 24] },
                { tag: "plain", isColorful: false, is55328: false, light: [0, 2, 3], type: 1, eighth: [22, 23, 24] },
                { tag: "variant, static", isColorful: false, is55328: true, light: [0, 2, 3], type: 1, eighth: [0, 0, 0] },
                { tag: "variant, breath loop", isColorful: false, is55328: true, light: [4, 2, 3], type: 1,
                  eighth: [22, 23, 24] }
            ].map(row => Object.assign(row, { colours: colours }))
        }

        function test_lightingSave(data) {
            const page = lightingPage(data, { "mouse/lightValue": data.light, "mouse/colorValue": data.colours })
            page.save()
            const sent = data.colours.slice(0, 21).concat(data.eighth)
            compare(page.view.log, ["setDataList(mouse/lightValue,[" + data.light.join(",") + "])",
                                    "setDataList(mouse/colorValue,[" + sent.join(",") + "])",
                                    "mouseSetRGBEffect(" + data.light.join(",") + ")",
                                    "mouseSetRGBColor(" + data.type + ",[" + sent.join(",") + "])"])
            // What is being edited keeps the eighth colour.
            compare(page.colours, data.colours)
        }

        function test_lightingDefaultsAndBadStoredValues() {
            const page = lightingPage({ isColorful: false, is55328: false },
                                      { "mouse/lightValue": [7, 9, -1], "mouse/colorValue": [300, "x", 5] })
            // Effect 7 is not offered without extended colours.
            compare([page.effect, page.speed, page.brightness], [0, 4, 0])
            compare(page.colours.slice(0, 6), [255, 0, 5, 255, 128, 0])
            const empty = lightingPage({ isColorful: false, is55328: false })
            compare([empty.effect, empty.speed, empty.brightness], [0, 2, 4])
            compare(empty.colours, Light.defaults.colours)
        }

        function test_stepSliders() {
            const page = lightingPage({ isColorful: true, is55328: false }, { "mouse/lightValue": [5, 0, 0] })
            const speed = findChild(page, "speedSlider")
            const track = speed.height - 8
            mousePress(speed, speed.width - 1, track)
            mouseRelease(speed, speed.width - 1, track)
            compare(page.speed, 4)
            verify(page.isSave)
            mousePress(speed, speed.width / 2, track)
            mouseRelease(speed, speed.width / 2, track)
            compare(page.speed, 2)
            compare(Light.stepTexts, ["0%", "25%", "50%", "75%", "100%"])
        }

        function test_colourInputsClampOrUndo() {
            const page = lightingPage({ isColorful: true, is55328: false })
            mouseClick(findChild(page, "swatch2"))
            compare(page.selectedColour, 2)
            const red = findChild(page, "redInputField")
            const blue = findChild(page, "blueInputField")
            compare(red.text, String(page.colours[6]))
            typeInto(red, "300")
            compare(page.colours.slice(6, 9), [255, 221, 0])
            compare(red.text, "255")
            typeInto(blue, "042")
            compare(page.colours[8], 42)
            compare(blue.text, "42")
            verify(page.isSave)
            // Nothing typed: the value stays.
            typeInto(blue, "")
            compare(page.colours[8], 42)
            compare(blue.text, "42")
            // Letters never get in.
            typeInto(red, "1a2")
            compare(page.colours[6], 12)
            // The other colours are untouched.
            compare(page.colours.slice(0, 6), Light.defaults.colours.slice(0, 6))
            compare(Light.channel("999", 7), 255)
            compare(Light.channel("-5", 7), 7)
        }

        function test_colourBar() {
            const page = lightingPage({ isColorful: true, is55328: false })
            mouseClick(findChild(page, "swatch4"))
            const bar = findChild(page, "hueBar")
            mouseClick(bar, 0, bar.height / 2)
            compare(page.colours.slice(12, 15), [255, 0, 0])
            mouseClick(bar, bar.width / 2, bar.height / 2)
            compare(page.colours.slice(12, 15), [0, 255, 255])
            verify(page.isSave)
            compare(Light.hueShare(0, 0, 255), 2 / 3)
            compare(Light.hueShare(40, 40, 40), -1)
        }

        function test_lightingBackReadsTheFactoryProfile() {
            const page = lightingPage({ isColorful: true, is55328: false },
                                      { "mouse/lightValue": [5, 1, 1] }, { "mouse/lightValue": [2, 2, 4] })
            mouseClick(findChild(page, "lightBack"))
            compare([page.effect, page.speed, page.brightness], [2, 2, 4])
            verify(page.isSave)
            page.isSave = false
            page.init(true, false)
            compare(page.view.log[2], "mouseSetRGBEffect(5,1,1)")
        }

        // --- System page ---

        function systemPage(profile, factory, autostart) {
            const view = standInView(profile, factory)
            const page = createTemporaryObject(systemComponent, scene)
            page.view = view
            page.autostart = autostart || null
            page.init(false, false)
            page.open()
            return page
        }

        function test_pointerStepTable() {
            compare([0, 3, 4, 36, 37, 171, 172, 304, 305, 337, 338, 1000].map(Steps.stepFor),
                    [0, 0, 1, 1, 2, 5, 6, 9, 10, 10, 0, 0])
            // The slider stops short of 338, so its far end is the fastest step.
            compare(Steps.lastPosition, 337)
        }

        function test_pointerSliders_data() {
            return [
                { tag: "pointer speed", name: "mouseSpeed", key: "mouse/mouseRate", call: "mouseSetCursorSpeed" },
                { tag: "double click", name: "doubleClickSpeed", key: "mouse/doubleRate", call: "mouseSetDoubleClickSpeed" }
            ]
        }

        function test_pointerSliders(data) {
            const page = systemPage({ "mouse/mouseRate": 155, "mouse/doubleRate": 188, "mouse/scrollRate": 3 })
            const slider = findChild(page, data.name)
            compare(slider.position, data.key === "mouse/mouseRate" ? 155 : 188)
            const y = slider.height / 2 - 2
            mousePress(slider, slider.width - 1, y)
            mouseRelease(slider, slider.width - 1, y)
            compare(page.view.log, ["setData(" + data.key + ",337)", data.call + "(10)"])
            page.view.log.length = 0
            mousePress(slider, 0, y)
            mouseRelease(slider, 0, y)
            compare(page.view.log, ["setData(" + data.key + ",0)", data.call + "(0)"])
            page.view.log.length = 0
            // A press that moves nothing sends nothing.
            mousePress(slider, 0, y)
            mouseRelease(slider, 0, y)
            compare(page.view.log, [])
        }

        function test_storedPositionsOffTheSlider() {
            const page = systemPage({ "mouse/mouseRate": 400, "mouse/doubleRate": -20 })
            compare(page.mouseRate, 337)
            compare(page.doubleRate, 0)
            const empty = systemPage()
            compare([empty.mouseRate, empty.doubleRate, empty.rows, empty.oneScreen], [155, 188, 3, false])
        }

        function test_scrollChoice_data() {
            return [
                { tag: "rows", stored: 5, oneScreen: false, rows: 5 },
                { tag: "one screen", stored: 1000, oneScreen: true, rows: 3 },
                { tag: "above the row limit", stored: 101, oneScreen: true, rows: 3 },
                { tag: "at the row limit", stored: 100, oneScreen: false, rows: 100 },
                { tag: "nothing usable", stored: "x", oneScreen: false, rows: 3 }
            ]
        }

        function test_scrollChoice(data) {
            const page = systemPage({ "mouse/scrollRate": data.stored })
            compare(page.oneScreen, data.oneScreen)
            compare(page.rows, data.rows)
            compare(findChild(page, "scrollScreen").checked, data.oneScreen)
            compare(findChild(page, "scrollRows").checked, !data.oneScreen)
        }

        function test_scrollSendsOnlyTheScrollLines() {
            const page = systemPage({ "mouse/scrollRate": 5 })
            mouseClick(findChild(page, "scrollScreen"))
            compare(page.view.log, ["setData(mouse/scrollRate,1000)", "mouseSetVerticalScrollLines(1000)"])
            page.view.log.length = 0
            mouseClick(findChild(page, "scrollScreen"))
            compare(page.view.log, [])
            mouseClick(findChild(page, "scrollRows"))
            compare(page.view.log, ["setData(mouse/scrollRate,5)", "mouseSetVerticalScrollLines(5)"])
        }

        function test_rowCountInput() {
            const page = systemPage({ "mouse/scrollRate": 1000 })
            const input = findChild(page, "rowsInput")
            compare(input.text, "3")
            // Typing a count chooses rows, even the count already shown.
            typeInto(input, "3")
            compare(page.view.log, ["setData(mouse/scrollRate,3)", "mouseSetVerticalScrollLines(3)"])
            verify(!page.oneScreen)
            page.view.log.length = 0
            typeInto(input, "250")
            compare(page.view.log, ["setData(mouse/scrollRate,100)", "mouseSetVerticalScrollLines(100)"])
            compare(input.text, "100")
            verify(!page.oneScreen)
            page.view.log.length = 0
            typeInto(input, "0")
            compare(page.view.log, ["setData(mouse/scrollRate,1)", "mouseSetVerticalScrollLines(1)"])
            page.view.log.length = 0
            typeInto(input, "")
            compare(input.text, "1")
            compare(page.view.log, [])
            typeInto(input, "1234")
            compare(page.rows, 100)
        }

        function test_systemInitAndRestore() {
            const page = systemPage({ "mouse/mouseRate": 10, "mouse/doubleRate": 20, "mouse/scrollRate": 7 },
                                    { "mouse/mouseRate": 155, "mouse/doubleRate": 188, "mouse/scrollRate": 1000 })
            compare(page.view.log, [])
            page.init(true, false)
            compare(page.view.log, ["setData(mouse/mouseRate,10)", "mouseSetCursorSpeed(1)",
                                    "setData(mouse/doubleRate,20)", "mouseSetDoubleClickSpeed(1)",
                                    "setData(mouse/scrollRate,7)", "mouseSetVerticalScrollLines(7)"])
            page.view.log.length = 0
            mouseClick(findChild(page, "systemRestore"))
            compare(page.view.log, ["setData(mouse/mouseRate,155)", "mouseSetCursorSpeed(5)",
                                    "setData(mouse/doubleRate,188)", "mouseSetDoubleClickSpeed(6)",
                                    "setData(mouse/scrollRate,1000)", "mouseSetVerticalScrollLines(1000)"])
            verify(page.oneScreen)
            verify(!page.isSave)
        }

        function test_autostart() {
            const calls = []
            const session = { on: true, works: true,
                              enabled() { return this.on },
                              setEnabled(on) { calls.push(on); if (this.works) this.on = on; return this.works } }
            const page = systemPage({}, {}, session)
            const box = findChild(page, "autostartBox")
            verify(box.visible)
            verify(box.checked)
            mouseClick(box)
            compare(calls, [false])
            verify(!box.checked)
            // Refused by the desktop: the box shows what really happens.
            session.works = false
            mouseClick(box)
            compare(calls, [false, true])
            verify(!box.checked)
            session.on = true
            page.init(false, false)
            verify(box.checked)
            compare(page.view.log, [])
            // Without an autostart helper the choice is not offered.
            verify(!findChild(systemPage(), "autostartBox").visible)
        }

        function test_closeButton() {
            const page = systemPage()
            let closed = 0
            page.closed.connect(() => ++closed)
            mouseClick(findChild(page, "systemClose"))
            verify(!page.visible)
            compare(closed, 1)
        }
    }
}
