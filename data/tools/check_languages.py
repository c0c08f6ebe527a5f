#!/usr/bin/env python3
"""Checks the language files in data/modules/i18n/ against qml/common/texts.mjs.

The pages show their texts by position, so every language file must hold, for
every group of the text layout in texts.mjs, exactly that many texts in that
order. The script reads the files the way QSettings (INI format) reads them,
so a text that Qt would turn into a list (an unquoted comma), cut short (an
unquoted semicolon) or change (an "@" at the start) is reported. It checks:

- texts.mjs: the groups in load order, unique ids, non-empty texts, and one
  key code per key name;
- every *.ini file: exactly the groups of the layout, "total" equal to the
  layout's count, the keys 0 .. total - 1 and nothing else, each a single
  non-empty text without leading or trailing blanks;
- English.ini: every text equal to the built-in English text of the layout;
- key names ("keyCode"): unique within a file but for the two names the
  built-in table itself shares (the backslash, "Intl2"), and a name that some key has in
  English belongs to that same key in every language, so a macro recorded in
  one language never plays another key in another.

Only the standard library is needed:

    python3 data/tools/check_languages.py            # all language files
    python3 data/tools/check_languages.py -v         # also list the counts
    python3 data/tools/check_languages.py FILE.ini   # only these files

The exit status is 0 when nothing was found and 1 otherwise.
"""

import argparse
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
TEXTS_MJS = os.path.join(ROOT, "qml", "common", "texts.mjs")
LANGUAGE_DIR = os.path.join(ROOT, "data", "modules", "i18n")
REFERENCE = "English.ini"
SHIPPED = ("English.ini", "German.ini", "ChineseSimplified.ini")

# The order in which the main page loads the groups.
LOAD_ORDER = ["main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl", "macroEditor",
              "systemSetting", "gunControl", "profile", "keyCode", "other"]
KEY_NAMES = "keyCode"
BALLOON_GROUP, BALLOON_TEXTS = "other", 8
ID_PATTERN = re.compile(r"^[a-z][A-Za-z0-9]*$")


class Problems:
    def __init__(self):
        self.items = []

    def add(self, where, message):
        self.items.append(f"{where}: {message}")


# ---------------------------------------------------------------------------
# texts.mjs: a small reader for the literal tables of the module.

class JsError(Exception):
    pass


_JS_TOKEN = re.compile(r"""
    (?P<space>\s+)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<string>"(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)*')
  | (?P<number>0[xX][0-9A-Fa-f]+|\d+)
  | (?P<name>[A-Za-z_$][A-Za-z0-9_$]*)
  | (?P<punct>=>|[{}\[\]():;,.=<>!+\-*/?&|%^~`])
""", re.VERBOSE | re.DOTALL)

_JS_ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "b": "\b", "f": "\f", "v": "\v", "0": "\0",
               "\\": "\\", "\"": "\"", "'": "'"}


def _js_string(literal):
    body, out, i = literal[1:-1], [], 0
    while i < len(body):
        ch = body[i]
        if ch != "\\":
            out.append(ch)
            i += 1
            continue
        nxt = body[i + 1]
        if nxt == "u" and body[i + 2:i + 3] == "{":
            end = body.index("}", i)
            out.append(chr(int(body[i + 3:end], 16)))
            i = end + 1
        elif nxt == "u":
            out.append(chr(int(body[i + 2:i + 6], 16)))
            i += 6
        elif nxt == "x":
            out.append(chr(int(body[i + 2:i + 4], 16)))
            i += 4
        else:
            out.append(_JS_ESCAPES.get(nxt, nxt))
            i += 2
    return "".join(out)


def _js_tokens(source):
    tokens, pos = [], 0
    while pos < len(source):
        match = _JS_TOKEN.match(source, pos)
        if not match:
            line = source.count("\n", 0, pos) + 1
            raise JsError(f"line {line}: cannot read {source[pos:pos + 20]!r}")
        kind = match.lastgroup
        if kind == "string":
            tokens.append(("string", _js_string(match.group())))
        elif kind == "number":
            tokens.append(("number", int(match.group(), 0)))
        elif kind in ("name", "punct"):
            tokens.append((kind, match.group()))
        pos = match.end()
    return tokens


def _js_literal(tokens, i):
    """Reads the literal (string, number, array or object) at tokens[i]."""
    kind, value = tokens[i]
    if kind in ("string", "number"):
        return value, i + 1
    if (kind, value) == ("punct", "["):
        items, i = [], i + 1
        while tokens[i] != ("punct", "]"):
            item, i = _js_literal(tokens, i)
            items.append(item)
            if tokens[i] == ("punct", ","):
                i += 1
            elif tokens[i] != ("punct", "]"):
                raise JsError(f"expected ',' or ']' in an array, found {tokens[i][1]!r}")
        return items, i + 1
    if (kind, value) == ("punct", "{"):
        members, i = {}, i + 1
        while tokens[i] != ("punct", "}"):
            key_kind, key = tokens[i]
            if key_kind not in ("name", "string") or tokens[i + 1] != ("punct", ":"):
                raise JsError(f"expected 'name:' in an object, found {key!r}")
            if key in members:
                raise JsError(f"member {key!r} appears twice")
            members[key], i = _js_literal(tokens, i + 2)
            if tokens[i] == ("punct", ","):
                i += 1
            elif tokens[i] != ("punct", "}"):
                raise JsError(f"expected ',' or '}}' in an object, found {tokens[i][1]!r}")
        return members, i + 1
    raise JsError(f"{value!r} is not a literal")


def read_module_tables(path):
    """The literal values of the module's `export const NAME = ...` declarations."""
    with open(path, encoding="utf-8") as f:
        tokens = _js_tokens(f.read())
    tables = {}
    for i in range(len(tokens) - 4):
        if (tokens[i] == ("name", "export") and tokens[i + 1] == ("name", "const")
                and tokens[i + 2][0] == "name" and tokens[i + 3] == ("punct", "=")):
            tables[tokens[i + 2][1]], _ = _js_literal(tokens, i + 4)
    return tables


def read_layout(path, problems):
    """Returns {group: [(id, text), ...]} in load order, or None."""
    where = os.path.relpath(path, ROOT)
    try:
        tables = read_module_tables(path)
    except (OSError, JsError, IndexError, ValueError) as error:
        problems.add(where, f"cannot be read: {error}")
        return None
    for name in ("groups", "layout"):
        if name not in tables:
            problems.add(where, f"exports no table '{name}'")
    if problems.items:
        return None

    groups, raw = tables["groups"], tables["layout"]
    if groups != LOAD_ORDER:
        problems.add(where, f"groups are {groups}, expected the load order {LOAD_ORDER}")
    if list(raw) != groups:
        problems.add(where, f"layout holds the groups {list(raw)}, not those of 'groups' in that order")

    layout = {}
    for group, entries in raw.items():
        if not isinstance(entries, list) or not entries:
            problems.add(f"{where} [{group}]", "is not a non-empty array")
            continue
        seen = set()
        checked = []
        for position, entry in enumerate(entries):
            place = f"{where} [{group}] {position}"
            if (not isinstance(entry, list) or len(entry) != 2
                    or not all(isinstance(part, str) for part in entry)):
                problems.add(place, "is not an [\"id\", \"text\"] pair")
                continue
            ident, text = entry
            if not ID_PATTERN.match(ident):
                problems.add(place, f"id {ident!r} is not camelCase")
            if ident in seen:
                problems.add(place, f"id {ident!r} is used twice in the group")
            seen.add(ident)
            for message in text_faults(text):
                problems.add(place, f"text {text!r} {message}")
            checked.append((ident, text))
        layout[group] = checked

    if len(layout.get(BALLOON_GROUP, [])) < BALLOON_TEXTS:
        problems.add(where, f"[{BALLOON_GROUP}] needs at least {BALLOON_TEXTS} texts (the DPI notices)")
    return layout


def text_faults(text):
    """What makes a text unfit for a label; empty when it is fine."""
    faults = []
    if text == "":
        faults.append("is empty")
    elif text != text.strip():
        faults.append("has leading or trailing blanks")
    if any(ord(ch) < 0x20 or ord(ch) == 0x7F for ch in text):
        faults.append("holds a control character")
    if text.startswith("@"):
        faults.append("starts with '@', which QSettings reads as a typed value")
    return faults


# ---------------------------------------------------------------------------
# INI files, read as QSettings reads them.

_SPACE = b" \t\r\n"
_SPECIAL = b"\n\r\";=\\"


def _ini_lines(data):
    """Splits the file as QSettings does. Yields (line bytes, equals position
    within the line or -1, line number, cut) where cut tells that an unquoted
    ';' ended the line early (Qt drops the rest as a comment)."""
    pos, size = 0, len(data)
    while True:
        start = pos
        while start < size and data[start] in _SPACE:
            start += 1
        i, equals, in_quotes, cut = start, -1, False, False
        while i < size:
            ch = data[i]
            if ch not in _SPECIAL:
                i += 1
                continue
            i += 1
            if ch == ord("="):
                if not in_quotes and equals == -1:
                    equals = i - 1
            elif ch in b"\n\r":
                if i == start + 1:
                    start += 1
                elif not in_quotes:
                    i -= 1
                    break
            elif ch == ord("\\"):
                if i < size:
                    first = data[i]
                    i += 1
                    if i < size and (first, data[i]) in ((10, 13), (13, 10)):
                        i += 1
            elif ch == ord('"'):
                in_quotes = not in_quotes
            else:  # ';'
                if i == start + 1:
                    while i < size and data[i] not in b"\n\r":
                        i += 1
                    while i < size and data[i] in _SPACE:
                        i += 1
                    start = i
                elif not in_quotes:
                    i -= 1
                    cut = True
                    break
        pos = i
        if i - start <= 0:
            return
        yield data[start:i], (equals - start if equals >= 0 else -1), data.count(b"\n", 0, start) + 1, cut


_INI_ESCAPES = {ord(k): v for k, v in {"a": "\a", "b": "\b", "f": "\f", "n": "\n", "r": "\r", "t": "\t",
                                       "v": "\v", '"': '"', "?": "?", "'": "'", "\\": "\\"}.items()}


def ini_value(raw):
    """QSettings' reading of one value: (text, None) or (None, list of texts)."""
    result, items, is_list = [], [], False
    quoted_now = in_quotes = False
    i, size = 0, len(raw)

    def chop():
        while result and result[-1] in (" ", "\t"):
            result.pop()

    def skip_spaces(j):
        while j < size and raw[j] in b" \t":
            j += 1
        return j

    i = skip_spaces(i)
    while i < size:
        ch = raw[i]
        if ch == ord("\\"):
            i += 1
            if i >= size:
                break
            code = raw[i]
            i += 1
            if code in _INI_ESCAPES:
                result.append(_INI_ESCAPES[code])
            elif code == ord("x"):
                value, digits = 0, 0
                while i < size and chr(raw[i]) in "0123456789abcdefABCDEF":
                    value, digits, i = value * 16 + int(chr(raw[i]), 16), digits + 1, i + 1
                if digits:
                    result.append(chr(value & 0xFFFF))
            elif ord("0") <= code <= ord("7"):
                value = code - ord("0")
                while i < size and ord("0") <= raw[i] <= ord("7"):
                    value, i = value * 8 + raw[i] - ord("0"), i + 1
                result.append(chr(value & 0xFFFF))
            elif code in b"\n\r":
                if i < size and raw[i] in b"\n\r" and raw[i] != code:
                    i += 1
            # any other escaped character is dropped, as Qt does
        elif ch == ord('"'):
            i += 1
            quoted_now = True
            in_quotes = not in_quotes
            if not in_quotes:
                i = skip_spaces(i)
        elif ch == ord(",") and not in_quotes:
            if not quoted_now:
                chop()
            is_list = True
            items.append("".join(result))
            result, quoted_now = [], False
            i = skip_spaces(i + 1)
        else:
            j = i + 1
            while j < size and raw[j] not in b'\\",':
                j += 1
            result.append(raw[i:j].decode("utf-8", errors="replace"))
            i = j
    if not quoted_now:
        chop()
    text = "".join(result)
    if is_list:
        items.append(text)
        return None, items
    return text, None


def ini_key(raw):
    """QSettings' reading of a key or group name (%XX, %UXXXX and '\\' as '/')."""
    text = raw.decode("utf-8", errors="replace")

    def unescape(match):
        return chr(int(match.group(1) or match.group(2), 16))

    return re.sub(r"%U([0-9A-Fa-f]{4})|%([0-9A-Fa-f]{2})", unescape, text).replace("\\", "/")


def read_ini(path, problems):
    """{group: {key: (text or None, list or None, line)}}, or None when unreadable."""
    where = os.path.relpath(path, ROOT)
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as error:
        problems.add(where, f"cannot be read: {error.strerror}")
        return None
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    try:
        data.decode("utf-8")
    except UnicodeDecodeError as error:
        line = data.count(b"\n", 0, error.start) + 1
        problems.add(f"{where}:{line}", "is not valid UTF-8")

    groups, group = {}, None
    for line, equals, number, cut in _ini_lines(data):
        place = f"{where}:{number}"
        if cut:
            problems.add(place, "an unquoted ';' cuts this line short; put the text in double quotes")
        if line.startswith(b"["):
            end = line.find(b"]")
            if end < 0:
                problems.add(place, "group line without ']'")
                end = len(line)
            group = ini_key(line[1:end].strip())
            if group in groups:
                problems.add(place, f"group [{group}] appears twice")
            groups.setdefault(group, {})
            continue
        if equals < 0:
            problems.add(place, "line is neither a group, a 'key=value' nor a ';' comment")
            continue
        if group is None:
            problems.add(place, "key outside of any group")
            continue
        key = ini_key(line[:equals].strip())
        if key in groups[group]:
            problems.add(place, f"[{group}] {key} appears twice")
        text, items = ini_value(line[equals + 1:])
        groups[group][key] = (text, items, number)
    return groups


# ---------------------------------------------------------------------------
# The checks.

def check_language(path, layout, english_names, problems):
    where = os.path.relpath(path, ROOT)
    is_reference = os.path.basename(path) == REFERENCE
    groups = read_ini(path, problems)
    if groups is None:
        return {}
    totals = {}
    for group in groups:
        if group not in layout:
            problems.add(where, f"group [{group}] is not in the text layout")
    for group, entries in layout.items():
        if group not in groups:
            problems.add(where, f"group [{group}] is missing")
            continue
        keys = groups[group]
        place = f"{where} [{group}]"
        total_text = keys.get("total", (None, None, 0))[0]
        if total_text is None or not re.fullmatch(r"\d+", total_text):
            problems.add(place, "has no numeric 'total'")
            continue
        total = int(total_text)
        totals[group] = total
        if total != len(entries):
            problems.add(place, f"total is {total}, the layout has {len(entries)} texts")
        expected_keys = {"total"} | {str(i) for i in range(total)}
        for key in keys:
            if key not in expected_keys:
                problems.add(place, f"key '{key}' lies outside 0 .. total - 1")
        for i in range(total):
            if str(i) not in keys:
                problems.add(place, f"text {i} is missing")
                continue
            text, items, line = keys[str(i)]
            item = f"{where}:{line} [{group}] {i}"
            if items is not None:
                problems.add(item, f"reads as a list {items}: put a text with a comma in double quotes")
                continue
            if text is None:
                continue
            for message in text_faults(text):
                problems.add(item, f"text {text!r} {message}")
            if is_reference and i < len(entries) and text != entries[i][1]:
                problems.add(item, f"is {text!r}, the layout's English text is {entries[i][1]!r}")

    names_group = groups.get(KEY_NAMES, {})
    names = [names_group.get(str(i), (None, None, 0))[0] for i in range(len(layout.get(KEY_NAMES, [])))]
    first = {}
    for position, name in enumerate(names):
        if not name:
            continue
        # The built-in table itself lets two pairs of keys share a name (the
        # backslash, "Intl2"); a file may keep exactly those, nothing more.
        shares_like_english = layout[KEY_NAMES][position][1] == name
        if name in first and not shares_like_english:
            problems.add(f"{where} [{KEY_NAMES}] {position}",
                         f"name {name!r} is already key {first[name]}; names must be unique")
        else:
            first[name] = position
        owner = english_names.get(name)
        if owner is not None and owner != position and not shares_like_english:
            problems.add(f"{where} [{KEY_NAMES}] {position}",
                         f"name {name!r} is the English name of key {owner}, not of key {position}")
    return totals


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("files", nargs="*", help="language files to check (default: all in data/modules/i18n)")
    parser.add_argument("-v", "--verbose", action="store_true", help="list the number of texts per group")
    args = parser.parse_args()

    problems = Problems()
    layout = read_layout(TEXTS_MJS, problems)
    if layout is None:
        print("\n".join(problems.items))
        return 1

    if args.files:
        paths = [os.path.abspath(path) for path in args.files]
    else:
        for name in SHIPPED:
            if not os.path.exists(os.path.join(LANGUAGE_DIR, name)):
                problems.add(os.path.relpath(os.path.join(LANGUAGE_DIR, name), ROOT), "is missing")
        paths = sorted(os.path.join(LANGUAGE_DIR, name) for name in os.listdir(LANGUAGE_DIR)
                       if name.endswith(".ini"))

    english_names = {}
    for position, (_, name) in enumerate(layout.get(KEY_NAMES, [])):
        english_names.setdefault(name, position)
    if len(english_names) != len(layout.get(KEY_NAMES, [])) - 2:
        problems.add(os.path.relpath(TEXTS_MJS, ROOT),
                     f"[{KEY_NAMES}] only the backslash and \"Intl2\" may be shared by two keys")

    for path in paths:
        totals = check_language(path, layout, english_names, problems)
        if args.verbose:
            counts = ", ".join(f"{group} {count}" for group, count in totals.items())
            print(f"{os.path.relpath(path, ROOT)}: {counts}")

    if problems.items:
        print("\n".join(problems.items))
        print(f"{len(problems.items)} problem(s) found")
        return 1
    print(f"{len(paths)} language file(s) match the text layout of {os.path.relpath(TEXTS_MJS, ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
