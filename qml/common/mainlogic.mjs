// What the main page does, without the page: report rates, Save, profile
// change, factory reset and the first connection. The page hands in the
// objects it works with, so tests can hand in recording stand-ins.

// Report-rate list index 0..3 is 125, 250, 500, 1000 Hz; the mouse takes the
// report interval in milliseconds.
export const reportRates = [8, 4, 2, 1];
export const reportRateNames = ["125Hz", "250Hz", "500Hz", "1000Hz"];

export function rateForIndex(index) {
    return index >= 0 && index < reportRates.length ? reportRates[index] : reportRates[reportRates.length - 1];
}

// The editor box offers the recoil editor only on mice with recoil presets.
export function editorBoxHeight(isGun) {
    return isGun ? 100 : 76;
}

export function hasUnsavedChanges(pages) {
    return pages.some(page => page.isSave);
}

// Saves the pages that have unsaved changes, in the order given (button list,
// DPI, lighting), with the interface locked while the mouse is written.
export function saveAll(pages, controlUIEnable) {
    const changed = pages.filter(page => page.isSave);
    if (changed.length === 0)
        return false;
    controlUIEnable(false);
    for (const page of changed) {
        page.isSave = false;
        page.save();
    }
    controlUIEnable(true);
    return true;
}

// The pages a profile change or a factory reset initialises and sends.
function sendPages(main) {
    main.keyMatrix.init(true, false);
    main.reportRate.init(true);
    main.dpi.init(true, false);
    main.lighting.init(true, false);
    main.system.init(true, false);
    if (main.isGun) {
        main.view.mouseSwitchKeyMatrix(1);
        main.view.mouseResetKeyMatrix();
    }
}

// main: {view, currentProfile, isGun, keyMatrix, reportRate, dpi, lighting,
// system, controlUIEnable(bool)}. Returns the profile now in use.
export function changeProfile(main, profile) {
    if (profile === main.currentProfile)
        return main.currentProfile;
    main.controlUIEnable(false);
    main.view.setGlobalData("mouse/profileNo", profile);
    main.view.setCurrentProfile(profile);
    main.currentProfile = profile;
    sendPages(main);
    main.controlUIEnable(true);
    return profile;
}

// main as for changeProfile, plus gunEditor and setCurrentStage(index).
export function factoryReset(main) {
    main.controlUIEnable(false);
    for (const page of [main.keyMatrix, main.dpi, main.lighting])
        page.isSave = false;
    main.view.resetProfile(main.currentProfile);
    sendPages(main);
    main.view.mouseSetCurrentDPI(2);
    main.setCurrentStage(1);
    main.gunEditor.reset();
    main.controlUIEnable(true);
}

// On the first connection a 560-family mouse is made to use its profile 1.
export function firstConnection(view, hid, icType) {
    if (icType !== "560")
        return;
    if (Number(view.mouseReadCurrentProfile()) !== 1)
        hid.hid560_02H_SetCurrentProfile(1);
}

// The DPI stage the mouse reports, counted from 1, as a list index; 0 (no
// answer) keeps what is shown.
export function stageIndex(reported, current) {
    const stage = Number(reported);
    return stage > 0 ? stage - 1 : current;
}
