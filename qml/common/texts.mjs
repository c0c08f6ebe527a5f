// The interface texts of every page, in one place.
//
// Each page shows its texts by position from one group of the language file
// ./modules/i18n/<language>.ini (installed from data/modules/i18n/). `layout`
// fixes, for every group, the order of those texts: a stable id for each
// position, and the English text the page shows when no language file is read.
//
// Rules for language files:
//   - every group of `layout`, with "total" equal to the length of its array
//     and the keys 0 .. total - 1 in the order given here; no text is empty;
//   - English.ini holds exactly builtIn(group) for every group;
//   - a new text is added at the end of its group, in every language file at
//     once; positions are never reused or reordered, since pages index by them;
//   - the names of "keyCode" are also the names macro files store for key
//     events, so they stay short and unique within a language (only the two
//     pairs the built-in table shares, the backslash and "Intl2", repeat).
// data/tools/check_languages.py checks all of this.
//
// Pages look texts up by id, e.g. texts[indexOf("main", "save")], so ids are
// unique within a group. Only ES2016 features are used here, so that the QML
// engine can import the file as a module.

export const groups = [
    "main",
    "keyMatrix",
    "keyAssigment",
    "dpiSetting",
    "lightControl",
    "macroEditor",
    "systemSetting",
    "gunControl",
    "profile",
    "keyCode",
    "other"
];

export const layout = {
    // Main window: editor box, report rate, bottom bar, factory-reset dialog,
    // busy overlay, help menu and the window buttons of the title bar.
    main: [
        ["editor", "Editor"],
        ["macroEditor", "Macro Editor"],
        ["gunEditor", "Gun Editor"],
        ["reportRate", "Report Rate"],
        ["config", "Config"],
        ["reset", "Reset"],
        ["resetQuestion", "Reset factory setting"],
        ["cancel", "Cancel"],
        ["ok", "OK"],
        ["systemSetting", "System setting"],
        ["save", "Save"],
        ["loading", "LOADING ......"],
        ["version", "verison:1.0"],
        ["help", "Help"],
        ["minimize", "Minimize"],
        ["close", "Close"]
    ],

    // Button list: the buttons' names by number, then the texts an
    // assignment can show that no menu entry gives.
    keyMatrix: [
        ["key1", "Key 1"],
        ["key2", "Key 2"],
        ["key3", "Key 3"],
        ["key4", "Key 4"],
        ["key5", "Key 5"],
        ["key6", "Key 6"],
        ["key7", "Key 7"],
        ["key8", "Key 8"],
        ["key9", "Key 9"],
        ["key10", "Key 10"],
        ["key11", "Key 11"],
        ["key12", "Key 12"],
        ["key13", "Key 13"],
        ["key14", "Key 14"],
        ["key15", "Key 15"],
        ["key16", "Key 16"],
        ["disabled", "Disabled"],             // key combination without keys
        ["fixedFunction", "Fixed Function"],  // factory function 0xFF, not in the menu
        ["leftClickLocked", "At least one button must keep the left click"]
    ],

    // Button-assignment dialog: the menu groups, the entries of each group in
    // menu order, the macro run modes, then the labels of the detail panels.
    keyAssigment: [
        ["title", "Key Assignment"],
        ["mouseFunction", "Mouse Function"],
        ["fireFunction", "Fire Function"],
        ["groupFunction", "Group Function"],
        ["mediaFunction", "Media Function"],
        ["macroFunction", "Macro Function"],
        ["dpiFunction", "DPI Function"],
        ["windowsFunction", "Windows Function"],
        ["shortcutFunction", "Shortcut Function"],
        ["gunFunction", "Gun Function"],
        ["leftKey", "Left Key"],
        ["middleKey", "Middle Key"],
        ["rightKey", "Right Key"],
        ["forwardKey", "Forward Key"],
        ["backKey", "Back Key"],
        ["doubleFire", "Double Fire"],
        ["player", "Player"],
        ["next", "Next"],
        ["previous", "Privous"],
        ["stop", "Stop"],
        ["mute", "Mute"],
        ["playPause", "Play/Pause"],
        ["volumeUp", "Volumn+"],
        ["volumeDown", "Volumn-"],
        ["dpiUp", "DPI+"],
        ["dpiDown", "DPI-"],
        ["dpiLoop", "DPI LOOP"],
        ["sniperKey", "Sniper Key"],
        ["myPc", "My PC"],
        ["index", "Index"],
        ["search", "Search"],
        ["maximize", "Max"],
        ["minimize", "Min"],
        ["desktop", "Desktop"],
        ["run", "Run"],
        ["new", "New"],
        ["cut", "Cut"],
        ["copy", "Copy"],
        ["paste", "Paste"],
        ["save", "Save"],
        ["print", "Print"],
        ["find", "Find"],
        ["redo", "Redo"],
        ["undo", "Undo"],
        ["selectAll", "Select All"],
        ["oneGun", "One Gun"],
        ["twoGun", "Two Gun"],
        ["threeGun", "Three Gun"],
        ["macroOnce", "Macro runs one-time after pressing the button"],
        ["macroUntilAnyButton", "Macro runs endless loop until any button is pressed"],
        ["macroWhileHeld", "Macro runs endless loop until button is released"],
        ["pressKey", "Press a key"],          // fire key capture
        ["rate", "Rate"],                     // fire period slider
        ["times", "Times"],                   // fire count, 0 to 255
        ["endless", "Endness"],               // fire count 0
        ["pressCombination", "Press modifier keys and up to two keys"],
        ["clear", "Clear"],                   // restarts the combination capture
        ["noMacro", "No macros yet. Create one in the Macro Editor."],
        ["restoreDefault", "Restore Default"] // back button: factory assignment
    ],

    // DPI page.
    dpiSetting: [
        ["title", "DPI Setting"],
        ["stages", "Stages"],                 // stage-count drop-down
        ["stage1", "Stage 1"],
        ["stage2", "Stage 2"],
        ["stage3", "Stage 3"],
        ["stage4", "Stage 4"],
        ["stage5", "Stage 5"],
        ["stage6", "Stage 6"],
        ["stage7", "Stage 7"],
        ["stage8", "Stage 8"],
        ["activeStage", "Active Stage"],      // marks the stage the mouse uses
        ["restoreDefaults", "Restore Defaults"]
    ],

    // Lighting page. The effects come first, at their effect numbers 0 to 10
    // ("Breath Loop" replaces "Twinkling" as effect 4 on its lighting variant).
    lightControl: [
        ["static", "Static"],
        ["breath", "Breath"],
        ["neon", "Neon"],
        ["off", "OFF"],
        ["twinkling", "Twinkling"],
        ["wave", "Wave"],
        ["gliding", "Gliding"],
        ["fingerMoving", "Finger Moving"],
        ["verticalFlipping", "Vertical Flipping"],
        ["yoyo", "YO-YO"],
        ["spotlight", "Spotlight"],
        ["breathLoop", "Breath Loop"],
        ["title", "Lighting"],
        ["effect", "Effect"],
        ["speed", "Speed"],
        ["brightness", "Brightness"],
        ["color", "Color"],
        ["red", "R"],
        ["green", "G"],
        ["blue", "B"],
        ["restoreDefaults", "Restore Defaults"]
    ],

    // Macro editor: library, event list and its menus, insert-key dialog.
    macroEditor: [
        ["title", "Macro Editor"],
        ["macroName", "Macro Name"],
        ["new", "New"],
        ["delete", "Delete"],
        ["action", "Action"],
        ["stopRecord", "Stop Record"],
        ["times", "Times"],
        ["ok", "OK"],
        ["startRecord", "Start Record"],
        ["delay", "Delay"],                   // check box: record the delays
        ["menuDelete", "Delete"],
        ["import", "Import"],
        ["export", "Export"],
        ["insertDelay", "Insert Delay"],
        ["insertKey", "Insert Key"],
        ["insertLeftKey", "Insert Left Key"],
        ["insertMiddleKey", "Insert Middle Key"],
        ["insertRightKey", "Insert Right Key"],
        ["pressKey", "Press a key"]           // insert-key dialog
    ],

    // System page: desktop pointer settings.
    systemSetting: [
        ["title", "System setting"],
        ["mouseSpeed", "Mouse Speed"],
        ["doubleClickSpeed", "Double Click Speed"],
        ["slow", "Slow"],
        ["fast", "Fast"],
        ["scrollSpeed", "Scroll Speed"],
        ["numberOfRows", "Number of Rows"],
        ["scrollOneScreen", "Scroll one Screen"],
        ["restoreDefaults", "Restore Defaults"],
        ["autostart", "Start with the desktop session"]
    ],

    // Recoil editor. "Select gun" lists text 1 followed by 1, 2 and 3.
    gunControl: [
        ["title", "Gun editor"],
        ["gun", "Gun"],
        ["selectGun", "Select gun"],
        ["cursorAdjust", "Cursor Adjust"],
        ["xAxis", "X Axis"],
        ["yAxis", "Y axis"],
        ["fireAdjust", "Fire adjust"],
        ["rate", "Rate"],
        ["times", "Times"],
        ["endless", "Endness"]
    ],

    // Profile page. Text 5 also names the first profile in the stored list.
    profile: [
        ["title", "config"],
        ["new", "New"],
        ["import", "Import"],
        ["delete", "Delete"],
        ["export", "Export"],
        ["standard", "Standard"]
    ],

    // Key names in the order of the native key-name table (the codes live
    // there; pages reach it through the Km7 singleton). Macro files store these
    // names; name to code takes the first match.
    keyCode: [
        ["a", "A"],
        ["b", "B"],
        ["c", "C"],
        ["d", "D"],
        ["e", "E"],
        ["f", "F"],
        ["g", "G"],
        ["h", "H"],
        ["i", "I"],
        ["j", "J"],
        ["k", "K"],
        ["l", "L"],
        ["m", "M"],
        ["n", "N"],
        ["o", "O"],
        ["p", "P"],
        ["q", "Q"],
        ["r", "R"],
        ["s", "S"],
        ["t", "T"],
        ["u", "U"],
        ["v", "V"],
        ["w", "W"],
        ["x", "X"],
        ["y", "Y"],
        ["z", "Z"],
        ["digit1", "1"],
        ["digit2", "2"],
        ["digit3", "3"],
        ["digit4", "4"],
        ["digit5", "5"],
        ["digit6", "6"],
        ["digit7", "7"],
        ["digit8", "8"],
        ["digit9", "9"],
        ["digit0", "0"],
        ["enter", "Enter"],
        ["escape", "Esc"],
        ["backspace", "Back"],
        ["tab", "Tab"],
        ["space", "Space"],
        ["minus", "-"],
        ["equal", "="],
        ["bracketLeft", "["],
        ["bracketRight", "]"],
        ["backslash", "\\"],
        ["nonUsHash", "\\"],             // the ISO key left of Enter shares the name; name to code gives 0x31
        ["semicolon", ";"],
        ["quote", "'"],
        ["grave", "`"],
        ["comma", ","],
        ["period", "."],
        ["slash", "/"],
        ["capsLock", "Caps"],
        ["f1", "F1"],
        ["f2", "F2"],
        ["f3", "F3"],
        ["f4", "F4"],
        ["f5", "F5"],
        ["f6", "F6"],
        ["f7", "F7"],
        ["f8", "F8"],
        ["f9", "F9"],
        ["f10", "F10"],
        ["f11", "F11"],
        ["f12", "F12"],
        ["printScreen", "Prt"],
        ["scrollLock", "Scr"],
        ["pause", "Pau"],
        ["insert", "Ins"],
        ["home", "Hom"],
        ["pageUp", "Pgu"],
        ["delete", "Del"],
        ["end", "End"],
        ["pageDown", "PgD"],
        ["arrowRight", "►"],
        ["arrowLeft", "◄"],
        ["arrowDown", "▼"],
        ["arrowUp", "▲"],
        ["numLock", "Num"],
        ["keypadDivide", "KP/"],
        ["keypadMultiply", "KP*"],
        ["keypadMinus", "KP-"],
        ["keypadPlus", "KP+"],
        ["keypadEnter", "KPEnter"],
        ["keypad1", "KP1"],
        ["keypad2", "KP2"],
        ["keypad3", "KP3"],
        ["keypad4", "KP4"],
        ["keypad5", "KP5"],
        ["keypad6", "KP6"],
        ["keypad7", "KP7"],
        ["keypad8", "KP8"],
        ["keypad9", "KP9"],
        ["keypad0", "KP0"],
        ["keypadPeriod", "KP."],
        ["nonUsBackslash", "Eur2"],
        ["application", "App"],
        ["power", "Power"],
        ["keypadEqual", "KP="],
        ["f13", "F13"],
        ["f14", "F14"],
        ["f15", "F15"],
        ["f16", "F16"],
        ["f17", "F17"],
        ["f18", "F18"],
        ["f19", "F19"],
        ["f20", "F20"],
        ["f21", "F21"],
        ["f22", "F22"],
        ["f23", "F23"],
        ["f24", "F24"],
        ["keypadComma", "Keypad"],
        ["intl1", "Intl1"],
        ["intl2", "Intl2"],
        ["intl3", "Intl2"],               // shares the name with 0x88, which name to code gives
        ["intl4", "Intl4"],
        ["intl5", "Intl5"],
        ["lang1", "Lang1"],
        ["lang2", "Lang2"],
        ["leftCtrl", "LCtrl"],
        ["leftShift", "LShift"],
        ["leftAlt", "LAlt"],
        ["leftWin", "LWin"],
        ["rightCtrl", "RCtrl"],
        ["rightShift", "RShift"],
        ["rightAlt", "RAlt"],
        ["rightWin", "RWin"],
        ["mouseLeft", "MS-L"],
        ["mouseRight", "MS-R"],
        ["mouseMiddle", "MS-M"],
        ["mouseBack", "MS-B4"],
        ["mouseForward", "MS-B5"]
    ],

    // Tray notices: text n is shown when the mouse switches to DPI stage n + 1.
    other: [
        ["dpiStage1", "DPI switched to stage 1"],
        ["dpiStage2", "DPI switched to stage 2"],
        ["dpiStage3", "DPI switched to stage 3"],
        ["dpiStage4", "DPI switched to stage 4"],
        ["dpiStage5", "DPI switched to stage 5"],
        ["dpiStage6", "DPI switched to stage 6"],
        ["dpiStage7", "DPI switched to stage 7"],
        ["dpiStage8", "DPI switched to stage 8"]
    ]
};

// The built-in English texts of a group, in order (a new array on each call).
export function builtIn(group) {
    const entries = layout[group];
    return entries ? entries.map(entry => entry[1]) : [];
}

// Position of the text `id` in `group`, or -1.
export function indexOf(group, id) {
    const entries = layout[group];
    if (!entries)
        return -1;
    for (let i = 0; i < entries.length; ++i) {
        if (entries[i][0] === id)
            return i;
    }
    return -1;
}

// The texts a page should show for `group`, given the list read from the
// language file: each position takes the loaded text when there is a
// non-empty one and the built-in English text otherwise, so a missing file,
// group or key never leaves a blank label.
export function resolve(group, loaded) {
    const texts = builtIn(group);
    if (!loaded)
        return texts;
    for (let i = 0; i < texts.length && i < loaded.length; ++i) {
        const text = loaded[i] === undefined || loaded[i] === null ? "" : String(loaded[i]);
        if (text !== "")
            texts[i] = text;
    }
    return texts;
}

// The tables are shared by every page that imports this module: keep them
// read-only.
for (const group of groups) {
    for (const entry of layout[group])
        Object.freeze(entry);
    Object.freeze(layout[group]);
}
Object.freeze(layout);
Object.freeze(groups);
