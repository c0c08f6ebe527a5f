// Recoil presets as the recoil editor keeps them, and the mappings of its
// controls. A preset is {name, trigger, period, x, y, count}; the preset file
// stores it as the list [name, trigger, period, X, Y, count] under its
// position, and the mouse takes a recoil slot as [count, X, Y]. Only ES2016
// features, so the QML engine can import the file as a module.

export const presetCount = 6;
export const slotCount = 3;

// Y correction 0 to 64, shown by a marker on a track of 94 pixels.
export const Y_MAX = 64;
export const TRACK = 94;
// The fire period in milliseconds that the rate slider spans.
export const PERIOD_MIN = 5;
export const PERIOD_MAX = 91;
// Shots per trigger pull; 0 fires for as long as the button is held.
export const COUNT_MAX = 255;

const NAMES = Object.freeze(["M416", "AKM", "M16A4", "SCAR-L", "UNP9", "Thomson"]);
const TRIGGER = "L-Click";

function preset(name, period, y) {
    return Object.freeze({ name: name, trigger: TRIGGER, period: period, x: 0, y: y, count: 0 });
}

// What each position holds when the preset file has nothing usable for it.
export const builtInPresets = Object.freeze(NAMES.map(name => preset(name, 10, 10)));

// The factory state the reset restores: the first three presets, on the
// three slots, come tuned for their weapons; the others as built in.
export const factoryPresets = Object.freeze(NAMES.map((name, i) => i < 3 ? preset(name, 9, [5, 7, 8][i]) : builtInPresets[i]));
export const factorySlots = Object.freeze([0, 1, 2]);

function clampInt(value, min, max, fallback) {
    const n = Math.round(Number(value));
    if (value === null || value === undefined || String(value).trim() === "" || !Number.isFinite(n))
        return fallback;
    return Math.min(max, Math.max(min, n));
}

export function clampY(y) {
    return clampInt(y, 0, Y_MAX, 0);
}

export function clampPeriod(period) {
    return clampInt(period, PERIOD_MIN, PERIOD_MAX, PERIOD_MIN);
}

export function clampCount(count) {
    return clampInt(count, 0, COUNT_MAX, 0);
}

// --- the Y marker ---

// The Y value at `offset` pixels down the track (the fraction dropped).
export function yAt(offset) {
    const o = Math.min(TRACK, Math.max(0, Number(offset) || 0));
    return Math.min(Y_MAX, Math.floor(o * Y_MAX / TRACK));
}

// The marker's offset for `y`: the first whole pixel that reads back as y,
// so dropping the marker where it stands never changes the value.
export function offsetOf(y) {
    return Math.ceil(clampY(y) * TRACK / Y_MAX);
}

// --- the rate slider ---

export function sliderFraction(period) {
    return (clampPeriod(period) - PERIOD_MIN) / (PERIOD_MAX - PERIOD_MIN);
}

export function periodAt(fraction) {
    const f = Math.min(1, Math.max(0, Number(fraction) || 0));
    return PERIOD_MIN + Math.round(f * (PERIOD_MAX - PERIOD_MIN));
}

export function rateText(period) {
    return String(clampPeriod(period)) + "MS";
}

// --- the shot count ---

export function isEndless(count) {
    return clampCount(count) === 0;
}

// A number typed into a field: a whole number from 0 to max, otherwise
// undefined, and the field goes back to the value it showed.
export function parseTyped(text, max) {
    const trimmed = String(text === undefined || text === null ? "" : text).trim();
    if (!/^[0-9]{1,3}$/.test(trimmed))
        return undefined;
    const n = parseInt(trimmed, 10);
    return n <= max ? n : undefined;
}

// --- storage ---

// A preset read from the file; a list that is short or damaged keeps
// `fallback` for what it cannot give, so no position is ever left empty.
export function fromStored(list, fallback) {
    const base = fallback || builtInPresets[0];
    if (!list || list.length < 6)
        return base;
    const text = v => v === undefined || v === null ? "" : String(v).trim();
    return Object.freeze({
        name: text(list[0]) || base.name,
        trigger: text(list[1]) || base.trigger,
        period: clampInt(text(list[2]), PERIOD_MIN, PERIOD_MAX, base.period),
        x: clampInt(text(list[3]), 0, Y_MAX, base.x),
        y: clampInt(text(list[4]), 0, Y_MAX, base.y),
        count: clampInt(text(list[5]), 0, COUNT_MAX, base.count)
    });
}

export function toStored(p) {
    return [String(p.name), String(p.trigger), clampPeriod(p.period), clampY(p.x), clampY(p.y), clampCount(p.count)];
}

// All positions, read with getGunData(position).
export function loadPresets(getGunData) {
    const presets = [];
    for (let i = 0; i < presetCount; ++i)
        presets.push(fromStored(getGunData(i), builtInPresets[i]));
    return presets;
}

export function withValues(p, changes) {
    return Object.freeze(Object.assign({}, p, changes));
}

// --- the three slots ---

// The preset position of each slot from the stored "mouse/selectGun" (a list,
// or its text); an entry that names no preset gives the slot its factory one.
export function slotsFrom(stored) {
    let list = stored;
    if (typeof list === "string")
        list = list.split(",");
    if (!list || typeof list.length !== "number")
        list = [];
    const slots = [];
    for (let s = 0; s < slotCount; ++s) {
        const text = list[s] === undefined || list[s] === null ? "" : String(list[s]).trim();
        const v = text === "" ? NaN : Number(text);
        slots.push(Number.isInteger(v) && v >= 0 && v < presetCount ? v : factorySlots[s]);
    }
    return slots;
}

// What the mouse takes for a slot: [count, X, Y].
export function slotValues(p) {
    return [clampCount(p.count), clampY(p.x), clampY(p.y)];
}

// The fire period of each slot's preset; it travels with the key matrix.
export function firePeriods(presets, slots) {
    return slots.map(position => clampPeriod(presets[position].period));
}

// The entries of the "Select gun" list.
export function slotNames(gunText) {
    const names = [];
    for (let s = 1; s <= slotCount; ++s)
        names.push(String(gunText) + " " + s);
    return names;
}
