// Button assignments as the pages keep them: four bytes per button,
// [page code, p1, p2, p3]. The native side translates them into the mouse's
// own codes when the key matrix is sent; here live the assignment menu, the
// text a button shows, the capture of fire and combination keys, and the
// guard that keeps one left click on the mouse. Only ES2016 features, so the
// QML engine can import the file as a module.

import * as Texts from "./texts.mjs";

export const buttonCount = 16;

export const Code = Object.freeze({
    mouse: 0, fire: 1, combo: 2, media: 3, macro: 4, dpi: 5, windows: 6, shortcut: 7, gun: 8, fixed: 0xFF
});

export const LEFT_CLICK = 0xF0;
export const DOUBLE_FIRE = Object.freeze([0, 0xF0, 0x1E, 0x02]);
// A combination without keys: the button does nothing.
export const DISABLED = Object.freeze([Code.combo, 0, 0, 0]);

function entry(id, bytes) {
    return Object.freeze({ id: id, bytes: Object.freeze(bytes) });
}

function shortcut(id, key) {
    return entry(id, [Code.shortcut, 0, 0xE0, key]);
}

// The assignment menu in its order. `id` is the text id of the group or entry
// in the "keyAssigment" texts; `kind` says how the group is chosen from:
// "entries" (fixed assignments), "fire" and "combo" (keys captured from the
// keyboard) or "macro" (a macro of the library and a run mode).
export const menu = Object.freeze([
    Object.freeze({ id: "mouseFunction", code: Code.mouse, kind: "entries", entries: Object.freeze([
        entry("leftKey", [0, 0, 0xF0, 0]),
        entry("middleKey", [0, 0, 0xF2, 0]),
        entry("rightKey", [0, 0, 0xF1, 0]),
        entry("forwardKey", [0, 0, 0xF4, 0]),
        entry("backKey", [0, 0, 0xF3, 0]),
        entry("doubleFire", DOUBLE_FIRE.slice())
    ]) }),
    Object.freeze({ id: "fireFunction", code: Code.fire, kind: "fire", entries: Object.freeze([]) }),
    Object.freeze({ id: "groupFunction", code: Code.combo, kind: "combo", entries: Object.freeze([]) }),
    Object.freeze({ id: "mediaFunction", code: Code.media, kind: "entries", entries: Object.freeze([
        entry("player", [3, 0, 0x83, 0x01]),
        entry("next", [3, 0, 0xB5, 0]),
        entry("previous", [3, 0, 0xB6, 0]),
        entry("stop", [3, 0, 0xB7, 0]),
        entry("mute", [3, 0, 0xE2, 0]),
        entry("playPause", [3, 0, 0xCD, 0]),
        entry("volumeUp", [3, 0, 0xE9, 0]),
        entry("volumeDown", [3, 0, 0xEA, 0])
    ]) }),
    Object.freeze({ id: "macroFunction", code: Code.macro, kind: "macro", entries: Object.freeze([]) }),
    Object.freeze({ id: "dpiFunction", code: Code.dpi, kind: "entries", entries: Object.freeze([
        entry("dpiUp", [5, 0, 1, 0]),
        entry("dpiDown", [5, 0, 2, 0]),
        entry("dpiLoop", [5, 0, 3, 0]),
        entry("sniperKey", [5, 0, 4, 0])
    ]) }),
    Object.freeze({ id: "windowsFunction", code: Code.windows, kind: "entries", entries: Object.freeze([
        entry("myPc", [6, 0, 0x94, 0x01]),
        entry("index", [6, 0, 0x23, 0x02]),
        entry("search", [6, 0, 0x21, 0x02]),
        entry("maximize", [6, 0x04, 0x2C, 0x1B]),   // Alt + Space, X
        entry("minimize", [6, 0x04, 0x2C, 0x11]),   // Alt + Space, N
        entry("desktop", [6, 0, 0xE3, 0x07]),       // Win + D
        entry("run", [6, 0, 0xE3, 0x15])            // Win + R
    ]) }),
    Object.freeze({ id: "shortcutFunction", code: Code.shortcut, kind: "entries", entries: Object.freeze([
        shortcut("new", 0x11),
        shortcut("cut", 0x1B),
        shortcut("copy", 0x06),
        shortcut("paste", 0x19),
        shortcut("save", 0x16),
        shortcut("print", 0x13),
        shortcut("find", 0x09),
        shortcut("redo", 0x1C),
        shortcut("undo", 0x1D),
        shortcut("selectAll", 0x04)
    ]) }),
    Object.freeze({ id: "gunFunction", code: Code.gun, kind: "entries", gunOnly: true, entries: Object.freeze([
        entry("oneGun", [8, 0, 1, 0]),
        entry("twoGun", [8, 0, 2, 0]),
        entry("threeGun", [8, 0, 3, 0])
    ]) })
]);

// The groups a mouse offers: the gun group only on mice with recoil presets.
export function menuGroups(isGun) {
    return menu.filter(group => isGun || !group.gunOnly);
}

// Position in `groups` of the group an assignment belongs to; the mouse
// functions for what the menu does not offer (fixed functions, a gun key on a
// mouse without recoil presets).
export function groupIndexFor(groups, assignment) {
    const a = normalize(assignment);
    const index = groups.findIndex(group => group.code === a[0]);
    return index >= 0 ? index : 0;
}

// --- assignments as values ---

function byte(value) {
    const n = Math.floor(Number(value));
    return Number.isFinite(n) && n >= 0 && n <= 255 ? n : 0;
}

// Four bytes from whatever the storage or a caller gives (strings, numbers,
// too short); anything unreadable becomes 0.
export function normalize(values) {
    const list = values || [];
    return [byte(list[0]), byte(list[1]), byte(list[2]), byte(list[3])];
}

// A stored assignment, or null when the list is missing or too short.
export function fromStored(values) {
    if (!values || values.length === undefined || values.length < 4)
        return null;
    for (let i = 0; i < 4; ++i) {
        const n = Number(values[i]);
        if (values[i] === "" || !Number.isFinite(n))
            return null;
    }
    return normalize(values);
}

export function same(a, b) {
    const x = normalize(a);
    const y = normalize(b);
    return x[0] === y[0] && x[1] === y[1] && x[2] === y[2] && x[3] === y[3];
}

export function at(list64, index) {
    return normalize((list64 || []).slice(4 * index, 4 * index + 4));
}

export function withAssignment(list64, index, assignment) {
    const list = normalizeList(list64);
    const a = normalize(assignment);
    for (let i = 0; i < 4; ++i)
        list[4 * index + i] = a[i];
    return list;
}

// 64 values, padded with disabled buttons when the list is short.
export function normalizeList(list64) {
    const list = [];
    for (let k = 0; k < buttonCount; ++k) {
        const source = (list64 || []).slice(4 * k, 4 * k + 4);
        const a = source.length === 4 ? normalize(source) : DISABLED.slice();
        list.push(a[0], a[1], a[2], a[3]);
    }
    return list;
}

// Reads the working and the factory assignments of the 16 buttons.
// getKeydefine(k, recovery) gives the stored list of button k. A button
// without a stored assignment keeps its factory one, and one without either
// does nothing, so a damaged profile never leaves holes in the key matrix.
export function loadAssignments(getKeydefine, isRecovery) {
    const current = [];
    const factory = [];
    for (let k = 0; k < buttonCount; ++k) {
        const stored = fromStored(getKeydefine(k, isRecovery));
        const backup = fromStored(getKeydefine(k, true)) || DISABLED.slice();
        const a = stored || backup;
        current.push(a[0], a[1], a[2], a[3]);
        factory.push(backup[0], backup[1], backup[2], backup[3]);
    }
    return { current: current, factory: factory };
}

// The fire periods of recoil slots 1 to 3 that go with the key matrix.
export function periods(values) {
    const list = values || [];
    return [byte(list[0]), byte(list[1]), byte(list[2])];
}

// --- the left click guard ---

export function isLeftClick(assignment) {
    const a = normalize(assignment);
    return a[0] === Code.mouse && a[2] === LEFT_CLICK;
}

// Whether button `index` may be reassigned: not when it is the only one of
// the shown buttons with the left click, so the mouse always keeps one.
export function canReassign(list64, index, keyCount) {
    if (!isLeftClick(at(list64, index)))
        return true;
    const shown = Math.min(buttonCount, Math.max(0, Number(keyCount) || 0));
    let leftClicks = 0;
    for (let k = 0; k < shown; ++k) {
        if (k !== index && isLeftClick(at(list64, k)))
            ++leftClicks;
    }
    return leftClicks > 0;
}

// --- fire function ---

// The fire period in milliseconds, one byte on the mouse.
export const fireRate = Object.freeze({ min: 10, max: 255, initial: 10 });

export function clampRate(rate) {
    const n = Math.round(Number(rate));
    if (!Number.isFinite(n))
        return fireRate.initial;
    return Math.min(fireRate.max, Math.max(fireRate.min, n));
}

// Slider position (0 to 1) and rate.
export function rateAt(fraction) {
    const f = Math.min(1, Math.max(0, Number(fraction) || 0));
    return Math.round(fireRate.min + f * (fireRate.max - fireRate.min));
}

export function rateFraction(rate) {
    return (clampRate(rate) - fireRate.min) / (fireRate.max - fireRate.min);
}

export function rateText(rate) {
    return String(rate) + "MS";
}

// Times: 0 to 255, where 0 repeats while the button is held.
export function clampTimes(times) {
    const n = Math.round(Number(times));
    if (!Number.isFinite(n))
        return 0;
    return Math.min(255, Math.max(0, n));
}

// The times typed into the field, or `fallback` when it holds no number.
export function parseTimes(text, fallback) {
    const trimmed = String(text === undefined || text === null ? "" : text).trim();
    if (!/^[0-9]+$/.test(trimmed))
        return fallback;
    return clampTimes(parseInt(trimmed, 10));
}

export function fireAssignment(key, rate, times) {
    return [Code.fire, byte(key), byte(rate), clampTimes(times)];
}

// Fire settings shown for an assignment: its own when it is a fire key,
// otherwise no key yet, the initial rate and endless.
export function fireState(assignment) {
    const a = normalize(assignment);
    if (a[0] === Code.fire)
        return { key: a[1], rate: a[2], times: a[3] };
    return { key: 0, rate: fireRate.initial, times: 0 };
}

// Keys a fire or combination key can use: keyboard keys with a name; mouse
// buttons (0xF0 and up) come from the mouse functions instead.
export function isKeyboardKey(code, keyName) {
    const c = Number(code);
    return Number.isInteger(c) && c > 0 && c < 0xF0 && String(keyName(c) || "") !== "";
}

// --- combination ("Group Function") ---

export const modifierFirst = 0xE0;   // left Ctrl; 0xE0 + bit gives each modifier

export function isModifier(code) {
    const c = Number(code);
    return c >= 0xE0 && c <= 0xE7;
}

export function emptyCombo() {
    return { mask: 0, keys: [] };
}

export function comboState(assignment) {
    const a = normalize(assignment);
    if (a[0] !== Code.combo)
        return emptyCombo();
    return { mask: a[1], keys: [a[2], a[3]].filter(key => key !== 0) };
}

export function comboIsEmpty(state) {
    return state.mask === 0 && state.keys.length === 0;
}

// One key pressed while capturing: a modifier sets its bit, another key
// fills the first and then the second place; further keys are ignored.
export function comboPress(state, code) {
    const c = Number(code);
    if (isModifier(c))
        return { mask: state.mask | (1 << (c - modifierFirst)), keys: state.keys.slice() };
    if (state.keys.length >= 2 || state.keys.indexOf(c) >= 0 || !(c > 0 && c < 0xE0))
        return state;
    return { mask: state.mask, keys: state.keys.concat([c]) };
}

export function comboAssignment(state) {
    return [Code.combo, state.mask & 0xFF, state.keys[0] || 0, state.keys[1] || 0];
}

// Modifier names in bit order, then the keys.
export function comboNames(mask, keyCodes, keyName) {
    const names = [];
    for (let bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            names.push(keyName(modifierFirst + bit));
    }
    for (const code of keyCodes) {
        if (code)
            names.push(keyName(code) || hex(code));
    }
    return names;
}

// --- macro function ---

export const macroModes = Object.freeze(["macroOnce", "macroUntilAnyButton", "macroWhileHeld"]);

// The macro goes to the macro slot of the button's own index.
export function macroAssignment(mode, buttonIndex) {
    const m = Number(mode);
    return [Code.macro, m >= 0 && m < macroModes.length ? m : 0, byte(buttonIndex), 0];
}

// --- texts ---

function hex(value) {
    return ("0" + value.toString(16).toUpperCase()).slice(-2);
}

function textOf(list, group, id) {
    const i = Texts.indexOf(group, id);
    const text = list && i >= 0 ? list[i] : undefined;
    return text === undefined || text === null || text === "" ? Texts.builtIn(group)[i] : String(text);
}

// The menu entry an assignment is, by all four bytes, or null.
export function findEntry(assignment) {
    const a = normalize(assignment);
    for (const group of menu) {
        for (const item of group.entries) {
            if (same(item.bytes, a))
                return { group: group, entry: item };
        }
    }
    return null;
}

function entryWhere(code, test) {
    const group = menu.find(g => g.code === code);
    return group ? group.entries.find(item => test(item.bytes)) : undefined;
}

// The text a button shows for its assignment.
// ctx: { texts: the "keyAssigment" texts, listTexts: the "keyMatrix" texts,
//        keyName(code), macroName(slot) }
export function assignmentText(assignment, ctx) {
    const a = normalize(assignment);
    const assign = id => textOf(ctx.texts, "keyAssigment", id);
    const list = id => textOf(ctx.listTexts, "keyMatrix", id);
    const keyName = code => String(ctx.keyName(code) || "");
    const groupName = () => assign(menu.find(g => g.code === a[0]).id);
    const exact = findEntry(a);
    if (exact)
        return assign(exact.entry.id);

    switch (a[0]) {
    case Code.mouse: {
        // Other bytes around a known button code still name that button.
        const item = entryWhere(Code.mouse, bytes => bytes[1] === 0 && bytes[2] === a[2]);
        return item ? assign(item.id) : keyName(a[2]) || groupName();
    }
    case Code.fire:
        return keyName(a[1]) || groupName();
    case Code.combo: {
        const names = comboNames(a[1], [a[2], a[3]], keyName);
        return names.length ? names.join("+") : list("disabled");
    }
    case Code.macro: {
        const name = ctx.macroName ? ctx.macroName(a[2]) : "";
        return name === undefined || name === null || String(name) === "" ? groupName() : String(name);
    }
    case Code.dpi:
    case Code.gun: {
        const item = entryWhere(a[0], bytes => bytes[2] === a[2]);
        return item ? assign(item.id) : groupName();
    }
    case Code.media:
        return groupName();
    case Code.windows:
    case Code.shortcut: {
        // Not a menu entry: name the keys it presses.
        const mask = a[0] === Code.windows ? a[1] : 0;
        const names = comboNames(mask, [a[2], a[3]], keyName);
        return names.length ? names.join("+") : groupName();
    }
    case Code.fixed:
        return list("fixedFunction");
    default:
        return a.map(hex).join(" ");
    }
}
