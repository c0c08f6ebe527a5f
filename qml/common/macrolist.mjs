// The macro editor's logic: the macro library's names, macro events as the
// macro files hold them, the mouse's macro encoding, and the editing rules
// (where inserted events go, what fits into the mouse's macro block). Only
// ES2016 features, so the QML engine can import the file as a module.
//
// An event is { type, info }: type 0 delay (info: milliseconds), 1 key press,
// 2 key release (info: key name), 3 mouse button press, 4 mouse button
// release (info: button name).

import { SENTINEL, dropSentinel } from "./profilelist.mjs";

export const Type = Object.freeze({ delay: 0, keyDown: 1, keyUp: 2, buttonDown: 3, buttonUp: 4 });

export const MAX_MACROS = 100;
// Recording stops and inserts are refused once a macro encodes to this many
// bytes; together with the closing of held keys it keeps every macro inside
// the mouse's 128-byte macro block.
export const SIZE_LIMIT = 126;
export const BLOCK_SIZE = 128;
export const MAX_DELAY = 65535;
export const MAX_REPEAT = 65535;
export const INSERTED_DELAY = "50";
// Codes from here on are mouse buttons, not keyboard keys.
export const FIRST_BUTTON_CODE = 0xF0;
export const LEFT_BUTTON = 0xF0;
export const RIGHT_BUTTON = 0xF1;
export const MIDDLE_BUTTON = 0xF2;

const NEW_NAME_PREFIX = "Macro_";

// --- the library ---

export function namesFromStored(stored) {
    const names = [];
    for (const name of dropSentinel(stored)) {
        if (name !== "" && names.indexOf(name) < 0)
            names.push(name);
    }
    return names;
}

// "Macro_" and the first n from 0 to 99 not in the list, or "" when the
// library is full.
export function newName(names) {
    if (names.length >= MAX_MACROS)
        return "";
    for (let n = 0; n < MAX_MACROS; ++n) {
        if (names.indexOf(NEW_NAME_PREFIX + n) < 0)
            return NEW_NAME_PREFIX + n;
    }
    return "";
}

// A macro's name is also its file's name: no path separators or characters
// other systems refuse in file names, and not the name-list sentinel (a
// two-macro list ending in it would read back as one macro).
export function renameTo(names, index, text) {
    const name = String(text === undefined || text === null ? "" : text).trim();
    if (index < 0 || index >= names.length || name === "" || name === SENTINEL
            || name === "." || name === ".." || /[\/\\:*?"<>|\x00-\x1f]/.test(name)
            || names.indexOf(name) >= 0)
        return "";
    return name;
}

// --- macro files ---

function event(type, info) {
    return { type: type, info: String(info) };
}

function typeOf(entry) {
    return Number(Array.isArray(entry) ? entry[0] : entry.type);
}

function infoOf(entry) {
    return String(Array.isArray(entry) ? entry[1] : entry.info);
}

export function isRelease(type) {
    return type === Type.keyUp || type === Type.buttonUp;
}

// What loadMacroIni gives: the event texts "type,info", then the repeat
// count. Texts of an unknown type are left out; a repeat count that is not
// 1 to 65535 reads as 1.
export function parse(lines) {
    const list = lines ? Array.from(lines, String) : [];
    const events = [];
    for (const line of list.slice(0, -1)) {
        const type = "01234".indexOf(line.charAt(0));
        if (type >= 0 && line.charAt(1) === ",")
            events.push(event(type, line.slice(2)));
    }
    const repeat = list.length ? parseRepeat(list[list.length - 1]) : null;
    return { events: events, repeat: repeat === null ? 1 : repeat };
}

// The events as saveMacroIni takes them.
export function lines(events) {
    return events.map(entry => typeOf(entry) + "," + infoOf(entry));
}

function parseWhole(text, lowest, highest) {
    const trimmed = String(text === undefined || text === null ? "" : text).trim();
    if (!/^\d{1,6}$/.test(trimmed))
        return null;
    const value = Number(trimmed);
    return value >= lowest && value <= highest ? value : null;
}

// A typed delay (whole milliseconds, 0 to 65535), or null.
export function parseDelay(text) {
    return parseWhole(text, 0, MAX_DELAY);
}

// A typed repeat count (1 to 65535), or null.
export function parseRepeat(text) {
    return parseWhole(text, 1, MAX_REPEAT);
}

// The delay recorded for a pause of `elapsed` ms: whole 10 ms units, at most
// what a delay can be edited to.
export function recordedDelay(elapsed) {
    const ms = Math.floor(Math.max(0, Number(elapsed) || 0) / 10) * 10;
    return Math.min(ms, MAX_DELAY - MAX_DELAY % 10);
}

// --- editing ---

// An edit that grows the macro must leave it inside the macro block; one
// that does not grow it is always allowed (a longer macro read from a file
// can still be trimmed).
export function fits(before, after, sizeOf) {
    const size = sizeOf(after);
    return size <= BLOCK_SIZE || size <= sizeOf(before);
}

// Inserts are refused once the macro reaches the limit.
export function canInsert(before, after, sizeOf) {
    return sizeOf(before) < SIZE_LIMIT && fits(before, after, sizeOf);
}

function isSelected(events, selected) {
    return selected >= 0 && selected < events.length;
}

// A press and release pair inserted for the selected event: at the end when
// nothing or the last event is selected, else a key pair before it and a
// mouse-button pair after it. The selection then lies where the next pair
// of the same kind keeps the order they were inserted in.
export function insertPair(events, selected, pair, isMouseButton) {
    const n = events.length;
    let at;
    let next;
    if (!isSelected(events, selected) || selected === n - 1) {
        at = n;
        next = n + 1;
    } else if (isMouseButton) {
        at = selected + 1;
        next = selected + 2;
    } else {
        at = selected;
        next = selected + 2;
    }
    const list = events.slice(0, at).concat(pair, events.slice(at));
    return { events: list, selected: next };
}

// A press and release of `info` (types 1/2 for keys, 3/4 for buttons).
export function pair(info, isMouseButton) {
    const down = isMouseButton ? Type.buttonDown : Type.keyDown;
    return [event(down, info), event(down + 1, info)];
}

// A 50 ms delay before the selected event, or at the end.
export function insertDelay(events, selected) {
    const delay = event(Type.delay, INSERTED_DELAY);
    if (!isSelected(events, selected))
        return { events: events.concat([delay]), selected: events.length };
    const list = events.slice(0, selected).concat([delay], events.slice(selected));
    return { events: list, selected: selected + 1 };
}

// The list without event `index`; the event after it (or the new last one)
// becomes selected.
export function remove(events, index) {
    if (!isSelected(events, index))
        return { events: events, selected: -1 };
    const list = events.slice(0, index).concat(events.slice(index + 1));
    return { events: list, selected: list.length ? Math.min(index, list.length - 1) : -1 };
}

export function withDelay(events, index, ms) {
    const list = events.slice();
    list[index] = event(Type.delay, ms);
    return list;
}

// --- recording ---

// The event for a key transition of `code` named `name` while recording.
export function recordedEvent(isDown, code, name) {
    const button = Number(code) >= FIRST_BUTTON_CODE;
    const down = button ? Type.buttonDown : Type.keyDown;
    return event(isDown ? down : down + 1, name);
}

// Adds a recorded event, after a delay of `delayMs` when `withPause` and the
// list is not empty. `accepted` says whether it was added, `full` that the
// recording has to stop.
export function record(events, recorded, delayMs, withPause, sizeOf) {
    if (sizeOf(events) >= SIZE_LIMIT)
        return { events: events, accepted: false, full: true };
    const added = withPause && events.length ? [event(Type.delay, delayMs), recorded] : [recorded];
    const list = events.concat(added);
    if (sizeOf(list) > BLOCK_SIZE)
        return { events: events, accepted: false, full: true };
    return { events: list, accepted: true, full: sizeOf(list) >= SIZE_LIMIT };
}

// Releases for the keys and buttons a recording left pressed (most recent
// first), as many as fit the macro block: a macro must not leave a key down.
export function closeHeld(events, sizeOf) {
    const held = [];
    for (const entry of events) {
        const type = typeOf(entry);
        if (type === Type.keyDown || type === Type.buttonDown) {
            held.push(entry);
        } else if (isRelease(type)) {
            const i = held.findIndex(press => typeOf(press) === type - 1 && infoOf(press) === infoOf(entry));
            if (i >= 0)
                held.splice(i, 1);
        }
    }
    let list = events;
    for (let i = held.length - 1; i >= 0; --i) {
        const next = list.concat([event(typeOf(held[i]) + 1, infoOf(held[i]))]);
        if (sizeOf(next) > BLOCK_SIZE)
            break;
        list = next;
    }
    return list;
}
