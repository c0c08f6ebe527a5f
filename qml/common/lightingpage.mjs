// The lighting page without the page: which effects a mouse offers, which
// sliders each effect uses and where choosing it puts them, the colour list
// as stored, and the checks on typed colour values.

export const steps = 5;                       // speed and brightness: steps 0 to 4
export const stepTexts = ["0%", "25%", "50%", "75%", "100%"];
export const colourCount = 8;

// Text position of "Breath Loop" in the lighting texts; effects 0 to 10 sit at
// their own numbers.
export const breathLoopText = 11;

export const defaults = {
    effect: 0,
    speed: 2,
    brightness: 4,
    colours: [255, 0, 0, 255, 128, 0, 255, 221, 0, 0, 255, 0,
              0, 255, 255, 0, 64, 255, 128, 0, 255, 255, 0, 192]
};

// Effect 4 is "Breath Loop" only on the lighting variant without extended
// colours; a mouse with extended colours plays effect 4 as "Twinkling".
export function isBreathLoop(effect, isColorful, is55328) {
    return effect === 4 && is55328 && !isColorful;
}

// The effect list: [{effect, text}], text being the position of its name.
export function effects(isColorful, is55328) {
    const list = [0, 1, 2, 3].map(e => ({ effect: e, text: e }));
    if (isColorful) {
        for (let e = 4; e <= 10; ++e)
            list.push({ effect: e, text: e });
    } else if (is55328) {
        list.push({ effect: 4, text: breathLoopText });
    }
    return list;
}

// Which sliders an effect uses, and the positions choosing it gives them
// (a slider not named in `reset` keeps its position).
export function sliders(effect, isColorful, is55328) {
    switch (effect) {
    case 0:
    case 7:
        return { speed: false, brightness: true, reset: { brightness: 4 } };
    case 1:
    case 2:
        return { speed: true, brightness: false, reset: { speed: 0 } };
    case 3:
        return { speed: false, brightness: false, reset: { brightness: 0 } };
    case 4:
        return isBreathLoop(effect, isColorful, is55328)
            ? { speed: true, brightness: false, reset: { speed: 0 } }
            : { speed: false, brightness: true, reset: { brightness: 4 } };
    case 5:
    case 8:
    case 9:
    case 10:
        return { speed: true, brightness: true, reset: { speed: 0, brightness: 4 } };
    case 6:
        return { speed: false, brightness: false, reset: { speed: 0, brightness: 4 } };
    default:
        return { speed: false, brightness: false, reset: {} };
    }
}

function byteOr(raw, fallback) {
    const n = Number(raw);
    if (raw === undefined || raw === null || String(raw).trim() === "" || !Number.isFinite(n))
        return fallback;
    return Math.min(255, Math.max(0, Math.round(n)));
}

function stepOr(raw, fallback) {
    const n = Number(raw);
    if (raw === undefined || raw === null || String(raw).trim() === "" || !Number.isFinite(n))
        return fallback;
    return Math.min(steps - 1, Math.max(0, Math.round(n)));
}

function effectOf(raw) {
    if (raw === undefined || raw === null || String(raw).trim() === "")
        return -1;
    const n = Number(raw);
    return Number.isInteger(n) ? n : -1;
}

// mouse/lightValue as [effect, speed, brightness]; an effect this mouse does
// not offer falls back to the default.
export function lightValue(list, isColorful, is55328) {
    const stored = Array.isArray(list) ? list : [];
    const offered = effects(isColorful, is55328).map(entry => entry.effect);
    const effect = effectOf(stored[0]);
    return {
        effect: offered.indexOf(effect) >= 0 ? effect : defaults.effect,
        speed: stepOr(stored[1], defaults.speed),
        brightness: stepOr(stored[2], defaults.brightness)
    };
}

// mouse/colorValue as 24 bytes; missing or unreadable entries take the default.
export function colourBytes(list) {
    const stored = Array.isArray(list) ? list : [];
    return defaults.colours.map((fallback, i) => byteOr(stored[i], fallback));
}

// The colours as stored and sent: on the lighting variant the firmware takes
// a black eighth colour as "one fixed colour", which every effect but 4 wants.
export function coloursToSend(colours, effect, isColorful, is55328) {
    const out = colours.slice(0, 3 * colourCount);
    if (is55328 && effect !== 4)
        out[21] = out[22] = out[23] = 0;
    return out;
}

// The eighth colour means nothing to the mouse when it is sent as black.
export function eighthColourUsed(effect, is55328) {
    return !is55328 || effect === 4;
}

// A typed colour value: clamped to 0 to 255; text that holds no number keeps
// the previous value.
export function channel(text, previous) {
    const trimmed = String(text).trim();
    if (!/^[0-9]+$/.test(trimmed))
        return previous;
    return Math.min(255, Number(trimmed));
}

// The colour at a share (0 to 1) of the hue strip, fully saturated.
export function hueColour(share) {
    const h = Math.min(1, Math.max(0, share)) * 6;
    const sector = Math.min(5, Math.floor(h));
    const f = h - sector;
    const up = Math.round(255 * f);
    const down = 255 - up;
    switch (sector) {
    case 0: return [255, up, 0];
    case 1: return [down, 255, 0];
    case 2: return [0, 255, up];
    case 3: return [0, down, 255];
    case 4: return [up, 0, 255];
    default: return [255, 0, down];
    }
}

// Where a colour sits on the hue strip (0 to 1), or -1 for greys.
export function hueShare(red, green, blue) {
    const max = Math.max(red, green, blue);
    const min = Math.min(red, green, blue);
    const d = max - min;
    if (d === 0)
        return -1;
    let h;
    if (max === red)
        h = ((green - blue) / d + 6) % 6;
    else if (max === green)
        h = (blue - red) / d + 2;
    else
        h = (red - green) / d + 4;
    return h / 6;
}
