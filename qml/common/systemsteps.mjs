// The system page without the page: pointer-speed and double-click steps from
// slider positions, and the wheel's lines per notch.

// The step is the index of the first bound above the slider position.
export const stepBounds = [4, 37, 70, 104, 138, 172, 205, 239, 272, 305, 338];

// The sliders run from 0 to just below the last bound, so their far end is
// the fastest step rather than the "none above" step 0.
export const firstPosition = 0;
export const lastPosition = stepBounds[stepBounds.length - 1] - 1;

export const maxRows = 100;
export const oneScreen = 1000;          // the system's "scroll one screen"

// Factory values of a profile, used when a key is missing.
export const defaults = { mouseRate: 155, doubleRate: 188, scrollRate: 3 };

export function stepFor(position) {
    const index = stepBounds.findIndex(bound => bound > position);
    return index < 0 ? 0 : index;
}

function readNumber(raw, fallback) {
    if (raw === undefined || raw === null || String(raw).trim() === "")
        return fallback;
    const n = Number(raw);
    return Number.isFinite(n) ? Math.round(n) : fallback;
}

// A stored slider position, kept on the slider.
export function position(raw, fallback) {
    return Math.min(lastPosition, Math.max(firstPosition, readNumber(raw, fallback)));
}

// mouse/scrollRate as the page shows it: one screen for anything above the
// row limit, else a row count of 1 to 100.
export function scroll(raw) {
    const lines = readNumber(raw, defaults.scrollRate);
    if (lines > maxRows)
        return { oneScreen: true, rows: defaults.scrollRate };
    return { oneScreen: false, rows: lines >= 1 ? lines : defaults.scrollRate };
}

// The value stored under mouse/scrollRate and sent as lines per notch.
export function scrollLines(isOneScreen, rows) {
    return isOneScreen ? oneScreen : rows;
}

// A typed row count: up to three digits, kept within 1 to 100; text that holds
// no number keeps the previous count.
export function rows(text, previous) {
    const trimmed = String(text).trim();
    if (!/^[0-9]{1,3}$/.test(trimmed))
        return previous;
    return Math.min(maxRows, Math.max(1, Number(trimmed)));
}
