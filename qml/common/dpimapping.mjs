// The DPI page without the page: what a stage slider's position means, where
// a value puts the slider, and what the page shows when the settings files
// hold nothing usable.

// A stage slider's knob runs over positions 3 to 161; the span between them
// covers minDPI to maxDPI.
export const firstPosition = 3;
export const lastPosition = 161;
export const span = lastPosition - firstPosition;

// The mouse has eight stages; the firmware always takes eight values.
export const stageSlots = 8;

export const defaults = {
    stageLimit: stageSlots,      // stages offered when mouse/dpiCount is missing
    stageCount: 4,
    minDpi: 200,
    maxDpi: 6000,
    sensorType: "3360",
    base: 50,
    values: [500, 1000, 1500, 2000, 3000, 4000, 5000, 6000]
};

function clamp(value, low, high) {
    return Math.min(high, Math.max(low, value));
}

// A whole number read from a settings file, or the fallback when the key is
// missing or holds something else.
export function readInt(raw, fallback) {
    if (raw === undefined || raw === null || String(raw).trim() === "")
        return fallback;
    const number = Number(raw);
    return Number.isFinite(number) ? Math.round(number) : fallback;
}

// The facts of the global file, made safe to compute with: the range holds at
// least one step and the step is positive.
export function range(minRaw, maxRaw, baseRaw, sensorRaw) {
    let minDpi = readInt(minRaw, defaults.minDpi);
    let maxDpi = readInt(maxRaw, defaults.maxDpi);
    let base = readInt(baseRaw, defaults.base);
    if (base <= 0)
        base = defaults.base;
    if (minDpi <= 0 || maxDpi <= minDpi) {
        minDpi = defaults.minDpi;
        maxDpi = defaults.maxDpi;
    }
    const sensor = sensorRaw === undefined || sensorRaw === null || String(sensorRaw) === ""
        ? defaults.sensorType : String(sensorRaw);
    return { minDpi: minDpi, maxDpi: maxDpi, base: base, sensorType: sensor };
}

// Slider position → DPI value: the share of the span, rounded down to the
// sensor's step. A minimum that is not itself a multiple of the step would
// round below the range, so the lowest value is the first step inside it.
export function valueAt(position, r) {
    const p = clamp(Math.round(position), firstPosition, lastPosition);
    const raw = (p - firstPosition) * (r.maxDpi - r.minDpi) / span + r.minDpi;
    const value = Math.floor(raw / r.base) * r.base;
    return Math.max(value, Math.ceil(r.minDpi / r.base) * r.base);
}

// DPI value → slider position: its share of the range along the span. Values
// outside the range sit at the nearer end.
export function positionOf(value, r) {
    const share = (value - r.minDpi) / (r.maxDpi - r.minDpi);
    return clamp(firstPosition + Math.round(share * span), firstPosition, lastPosition);
}

// The stages the drop-down offers (mouse/dpiCount), 1 to 8.
export function stageLimit(raw) {
    const limit = readInt(raw, defaults.stageLimit);
    return limit >= 1 ? Math.min(limit, stageSlots) : defaults.stageLimit;
}

// The stage count in use (mouse/currentDpiCount), kept within the offer.
export function stageCount(raw, limit) {
    return clamp(readInt(raw, Math.min(defaults.stageCount, limit)), 1, limit);
}

// Eight stage values from a stored list; an entry that is missing or not a
// number takes its default.
export function stageValues(list) {
    const stored = Array.isArray(list) ? list : [];
    return defaults.values.map((fallback, i) => {
        const value = readInt(stored[i], fallback);
        return value > 0 ? value : fallback;
    });
}
