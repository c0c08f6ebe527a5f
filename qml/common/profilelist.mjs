// The profile list of the profile page and the title bar's drop-down: one
// entry per profile, a display name and the number of the profile file it
// uses (0 to 5). The list is stored as name list 2, each entry as its name
// followed directly by its number. Only ES2016 features, so the QML engine
// can import the file as a module.

// The native store cannot tell a one-element list from a plain string, so a
// one-entry list is stored with this second element.
export const SENTINEL = "loaderzephyx";

// The device keeps six profiles.
export const MAX_PROFILES = 6;

// Names offered by New: "profile_0" ... "profile_11".
const NEW_NAME_PREFIX = "profile_";
const NEW_NAME_COUNT = 12;

// A stored name list as the user's list: the sentinel of a one-entry list dropped.
export function dropSentinel(stored) {
    const list = stored ? Array.from(stored, String) : [];
    return list.length === 2 && list[1] === SENTINEL ? [list[0]] : list;
}

// The entries of a stored list. A string whose last character is not a
// profile number, or whose number an earlier entry already uses, would make
// two entries share one file; it is left out.
export function parse(stored) {
    const entries = [];
    for (const text of dropSentinel(stored)) {
        if (text.length < 2 || entries.length >= MAX_PROFILES)
            continue;
        const digit = text.charAt(text.length - 1);
        const number = "012345".indexOf(digit);
        if (number < 0 || entries.some(entry => entry.number === number))
            continue;
        entries.push({ name: text.slice(0, -1), number: number });
    }
    return entries;
}

// The list as it is stored.
export function serialize(entries) {
    return entries.map(entry => entry.name + entry.number);
}

// The first entry shows the built-in name in the user's language. A list
// read empty (first start) gets that entry, on profile 0.
export function withStandard(entries, standardName) {
    const list = entries.map(entry => ({ name: entry.name, number: entry.number }));
    if (list.length === 0)
        list.push({ name: standardName, number: 0 });
    else
        list[0].name = standardName;
    return list;
}

export function nameTaken(entries, name) {
    return entries.some(entry => entry.name === name);
}

// The name New gives: "profile_" and the first n from 0 to 11 no entry uses.
export function newName(entries) {
    for (let n = 0; n < NEW_NAME_COUNT; ++n) {
        if (!nameTaken(entries, NEW_NAME_PREFIX + n))
            return NEW_NAME_PREFIX + n;
    }
    return "";
}

// The first profile number no entry uses, or -1 when all six are used.
export function freeNumber(entries) {
    for (let number = 0; number < MAX_PROFILES; ++number) {
        if (!entries.some(entry => entry.number === number))
            return number;
    }
    return -1;
}

// The list with one more entry, or null when it is full.
export function added(entries) {
    const number = freeNumber(entries);
    const name = newName(entries);
    if (entries.length >= MAX_PROFILES || number < 0 || name === "")
        return null;
    return entries.concat([{ name: name, number: number }]);
}

// The first entry stays (it is the profile every mouse starts on), and so
// does the one in use.
export function canDelete(entries, index, currentNumber) {
    return index > 0 && index < entries.length && entries[index].number !== currentNumber;
}

// The name an entry may be renamed to, trimmed, or "" when the rename is
// refused: empty, already used by an entry, or the first entry (its name
// follows the language).
export function renameTo(entries, index, text) {
    const name = String(text === undefined || text === null ? "" : text).trim();
    if (index <= 0 || index >= entries.length || name === "" || nameTaken(entries, name))
        return "";
    return name;
}
