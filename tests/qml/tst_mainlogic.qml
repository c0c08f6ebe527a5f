import QtQuick
import QtTest
import "../../qml/common/mainlogic.mjs" as Logic

TestCase {
    name: "MainLogic"

    // Records every call made on it, in order.
    function recorder(log, name, extra) {
        const object = extra || {}
        return new Proxy(object, {
            get(target, property) {
                if (property in target)
                    return target[property]
                return (...args) => { log.push(name + "." + String(property) + "(" + args.join(",") + ")") }
            },
            set(target, property, value) {
                target[property] = value
                return true
            }
        })
    }

    function page(log, name, isSave) {
        return {
            isSave: isSave,
            save() { log.push(name + ".save") },
            init(send, recovery) { log.push(name + ".init(" + send + (recovery === undefined ? "" : "," + recovery) + ")") }
        }
    }

    function mainWith(log, isGun) {
        return {
            view: recorder(log, "view"),
            currentProfile: 0,
            isGun: isGun,
            keyMatrix: page(log, "keys", true),
            reportRate: page(log, "rate", false),
            dpi: page(log, "dpi", true),
            lighting: page(log, "light", false),
            system: page(log, "system", false),
            gunEditor: { reset() { log.push("gun.reset") } },
            controlUIEnable: enable => log.push("enable(" + enable + ")"),
            setCurrentStage: stage => log.push("stage(" + stage + ")")
        }
    }

    function test_reportRates() {
        compare([0, 1, 2, 3].map(Logic.rateForIndex), [8, 4, 2, 1])
        compare(Logic.rateForIndex(9), 1)
        compare(Logic.reportRateNames, ["125Hz", "250Hz", "500Hz", "1000Hz"])
    }

    function test_editorBox() {
        compare(Logic.editorBoxHeight(true), 100)
        compare(Logic.editorBoxHeight(false), 76)
    }

    function test_saveSendsOnlyChangedPagesInOrder() {
        const log = []
        const pages = [page(log, "keys", true), page(log, "dpi", false), page(log, "light", true)]
        verify(Logic.hasUnsavedChanges(pages))
        verify(Logic.saveAll(pages, enable => log.push("enable(" + enable + ")")))
        compare(log, ["enable(false)", "keys.save", "light.save", "enable(true)"])
        verify(!Logic.hasUnsavedChanges(pages))
        log.length = 0
        verify(!Logic.saveAll(pages, enable => log.push("enable(" + enable + ")")))
        compare(log, [])
    }

    function test_profileChange() {
        const log = []
        const main = mainWith(log, true)
        compare(Logic.changeProfile(main, 0), 0)
        compare(log, [])
        compare(Logic.changeProfile(main, 3), 3)
        compare(log, ["enable(false)", "view.setGlobalData(mouse/profileNo,3)", "view.setCurrentProfile(3)",
                      "keys.init(true,false)", "rate.init(true)", "dpi.init(true,false)", "light.init(true,false)",
                      "system.init(true,false)", "view.mouseSwitchKeyMatrix(1)", "view.mouseResetKeyMatrix()",
                      "enable(true)"])
        log.length = 0
        const noGun = mainWith(log, false)
        Logic.changeProfile(noGun, 2)
        verify(!log.includes("view.mouseSwitchKeyMatrix(1)"))
    }

    function test_factoryReset() {
        const log = []
        const main = mainWith(log, true)
        main.currentProfile = 4
        Logic.factoryReset(main)
        compare(log, ["enable(false)", "view.resetProfile(4)", "keys.init(true,false)", "rate.init(true)",
                      "dpi.init(true,false)", "light.init(true,false)", "system.init(true,false)",
                      "view.mouseSwitchKeyMatrix(1)", "view.mouseResetKeyMatrix()", "view.mouseSetCurrentDPI(2)",
                      "stage(1)", "gun.reset", "enable(true)"])
        verify(!main.keyMatrix.isSave && !main.dpi.isSave && !main.lighting.isSave)
    }

    function test_firstConnectionSwitches560ToProfile1() {
        const log = []
        const hid = recorder(log, "hid")
        Logic.firstConnection({ mouseReadCurrentProfile: () => 2 }, hid, "560")
        compare(log, ["hid.hid560_02H_SetCurrentProfile(1)"])
        log.length = 0
        Logic.firstConnection({ mouseReadCurrentProfile: () => 1 }, hid, "560")
        Logic.firstConnection({ mouseReadCurrentProfile: () => 2 }, hid, "553")
        compare(log, [])
    }

    function test_stageFromTheMouse() {
        compare(Logic.stageIndex(3, 0), 2)
        compare(Logic.stageIndex(0, 4), 4)
    }
}
