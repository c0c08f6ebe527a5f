from geom import fmt, P
import math

# Letter outlines on a 20-unit cap height (y down). Each is a list of polygons.
K = [[(0,0),(4.6,0),(4.6,20),(0,20)],
     [(4.6,7.6),(11.2,0),(16.6,0),(8.4,9.6),(4.6,13.6)],
     [(7.2,10.9),(10.3,7.6),(16.8,20),(11.4,20)]]
M = [[(0,20),(0,0),(5,0),(10.2,8.4),(15.4,0),(20.4,0),(20.4,20),(15.8,20),
      (15.8,8.6),(12,14.6),(8.4,14.6),(4.6,8.6),(4.6,20)]]
SEVEN = [[(0,0),(15.6,0),(15.6,4.4),(8.6,20),(3.6,20),(10.2,4.6),(2.4,4.6),(0,2.4)]]
WIDTHS = {"K": 16.8, "M": 20.4, "7": 15.6}
GLYPHS = {"K": K, "M": M, "7": SEVEN}
GAP = 2.6

def mark_width(h):
    s = h / 20.0
    return (WIDTHS["K"] + WIDTHS["M"] + WIDTHS["7"] + 2*GAP) * s + 20*s*math.tan(math.radians(12))

def letter_path(ch, x, y, h, slant=12):
    """one glyph as path data, top-left at (x,y), cap height h, italic slant in degrees"""
    s = h / 20.0
    k = math.tan(math.radians(slant))
    out = []
    for poly in GLYPHS[ch]:
        pts = [(x + (px + (20 - py) * k) * s, y + py * s) for (px, py) in poly]
        out.append("M" + " L".join(P(p) for p in pts) + "Z")
    return "".join(out)

def km7(x, y, h, slant=12):
    """returns (pathKM, path7, total width)"""
    s = h / 20.0
    km = letter_path("K", x, y, h, slant)
    x2 = x + (WIDTHS["K"] + GAP) * s
    km += letter_path("M", x2, y, h, slant)
    x3 = x2 + (WIDTHS["M"] + GAP) * s
    seven = letter_path("7", x3, y, h, slant)
    return km, seven, mark_width(h)

# A small chamfered stroke font for the word CONFIG (cap height 8, stroke 1)
STROKE = {
    "C": (6, "M6 .5H2L.5 2V6L2 7.5H6"),
    "O": (6, "M2 .5H4.5L6 2V6L4.5 7.5H2L.5 6V2Z"),
    "N": (6, "M.5 8V.5L5.5 7.5V0"),
    "F": (5.5, "M5.5 .5H.5V8M.5 4H4.5"),
    "I": (1, "M.5 0V8"),
    "G": (6, "M6 .5H2L.5 2V6L2 7.5H6V4H3.5"),
}

def word(text, x, y, spacing=2.5):
    """path data of a word in the stroke font; x,y = top-left, cap height 8"""
    import re
    out = []
    cx = x
    for ch in text:
        w, d = STROKE[ch]
        out.append(shift(d, cx, y))
        cx += w + spacing
    return " ".join(out), cx - spacing - x

def shift(d, dx, dy):
    import re
    toks = re.findall(r"[A-Za-z]|-?\d*\.?\d+", d)
    out = []; cmd = None; i = 0; coords = []
    res = []
    idx = 0
    while idx < len(toks):
        t = toks[idx]
        if t.isalpha():
            cmd = t; res.append(t); idx += 1; continue
        if cmd in "ML":
            res.append(fmt(float(toks[idx]) + dx) + " " + fmt(float(toks[idx+1]) + dy)); idx += 2
        elif cmd == "H":
            res.append(fmt(float(t) + dx)); idx += 1
        elif cmd == "V":
            res.append(fmt(float(t) + dy)); idx += 1
        else:
            raise ValueError(cmd)
    return "".join(x if x.isalpha() else (x if res[i-1].isalpha() else " " + x) for i, x in enumerate(res))
