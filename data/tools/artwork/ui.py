import os, math
from geom import *
import letters

OUT = os.environ.get("OUT", "/tmp/svgout")
Y = "#ffdd00"; RED = "#ff3030"
G0 = "#1a1a1a"; G1 = "#3c3c3c"; G2 = "#969696"; G3 = "#d1d1d1"
files = {}

def write(name, content):
    files[name] = content
    with open(os.path.join(OUT, name), "w") as f:
        f.write(content)

# ---------------------------------------------------------------- window
def band(w):
    """title band: returns (defs, body)"""
    defs = (lin("tb", 0, 0, 0, 56, [(0, "#1e1e21"), (1, "#161618")])
            + lin("ta", 52, 0, 260, 0, [(0, Y), (.45, Y, .8), (1, Y, 0)]))
    body = ('<path d="M10 0H%d A10 10 0 0 1 %d 10V56H0V10A10 10 0 0 1 10 0Z" fill="url(#tb)"/>' % (w-10, w)
            + '<path d="M10 .5H%d" stroke="#ffffff" stroke-opacity=".07"/>' % (w-10)
            + '<path d="M0 55.5H%d" stroke="#2a2a2e"/>' % w
            + '<rect x="52" y="55" width="208" height="1" fill="url(#ta)"/>')
    return defs, body

def background():
    W, H = 1024, 640
    defs = (lin("bg", 0, 0, W, H, [(0, "#1a1a1c"), (.55, "#141416"), (1, "#121214")])
            + rad("glow", .5, .5, .5, [(0, "#262629", .7), (.5, "#202023", .35), (1, "#1a1a1c", 0)], units="objectBoundingBox")
            + lin("sep", 0, 72, 0, 600, [(0, "#ffffff", 0), (.2, "#ffffff", .05), (.8, "#ffffff", .05), (1, "#ffffff", 0)]))
    tdefs, tbody = band(W)
    defs += tdefs
    body = rrect_path(0, 0, W, H, 10)
    out = '<path d="%s" fill="url(#bg)"/>' % body
    out += '<ellipse cx="512" cy="340" rx="300" ry="280" fill="url(#glow)"/>'
    # diagonal hairline texture, kept inside y 57..628 so the round corners stay clean
    y0, y1 = 57, 628
    segs = []
    step = 6
    for c in range(-(y1 - y0), W, step):
        xa, ya = c, y1
        xb, yb = c + (y1 - y0), y0
        if xa < 0:
            ya -= -xa; xa = 0
        if xb > W:
            yb += xb - W; xb = W
        if ya <= yb:
            continue
        segs.append("M%d %dL%d %d" % (xa, ya, xb, yb))
    out += '<path d="%s" stroke="#ffffff" stroke-opacity=".018" stroke-width=".8" fill="none"/>' % "".join(segs)
    out += tbody
    # column separators, fading out at both ends
    out += '<rect x="264" y="72" width="1" height="528" fill="url(#sep)"/>'
    out += '<rect x="759" y="72" width="1" height="528" fill="url(#sep)"/>'
    # outer frame: dark outer edge, faint light inner edge
    out += '<path d="%s" fill="none" stroke="#3a3a40" stroke-opacity=".8"/>' % rrect_path(.5, .5, W-1, H-1, 9.5)
    out += '<path d="%s" fill="none" stroke="#ffffff" stroke-opacity=".03"/>' % rrect_path(1.5, 1.5, W-3, H-3, 8.5)
    write("background.svg", svg(W, H, out, defs))

def titlebar():
    d, b = band(1024)
    write("titleBar.svg", svg(1024, 56, b, d))

def mouse_glyph(x, y, w, h, color, sw=1.5, fill="none"):
    """small mouse outline: body, button split, wheel"""
    r = w / 2
    d = ("M%s %sV%sA%s %s 0 0 0 %s %sV%sA%s %s 0 0 0 %s %sZ" %
         (fmt(x), fmt(y + r), fmt(y + h - r), fmt(r), fmt(r), fmt(x + w), fmt(y + h - r),
          fmt(y + r), fmt(r), fmt(r), fmt(x), fmt(y + r)))
    s = '<path d="%s" fill="%s" stroke="%s" stroke-width="%s"/>' % (d, fill, color, fmt(sw))
    cx = x + w / 2
    s += '<path d="M%s %sH%s" stroke="%s" stroke-width="%s"/>' % (fmt(x), fmt(y + h * .42), fmt(x + w), color, fmt(sw * .8))
    s += '<path d="M%s %sV%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
        fmt(cx), fmt(y + h * .16), fmt(y + h * .30), color, fmt(sw * 1.2))
    return s

def titlelogo():
    W, H = 160, 28
    out = ""
    # glyph
    out += mouse_glyph(1.75, 2.75, 13.5, 22.5, Y, 1.5)
    km, seven, mw = letters.km7(24, 4, 18)
    out += '<path d="%s" fill="#f4f4f4"/>' % km
    out += '<path d="%s" fill="%s"/>' % (seven, Y)
    x = 24 + mw + 8
    out += '<path d="M%s 6V24" stroke="%s"/>' % (fmt(math.floor(x) + .5), G1)
    wd, ww = letters.word("CONFIG", math.floor(x) + 8, 13, 2.5)
    out += '<path d="%s" fill="none" stroke="%s" stroke-width="1"/>' % (wd, G2)
    write("titleLogo.svg", svg(W, H, out))
    return 24 + mw, math.floor(x) + 8 + ww

def poweron():
    W, H = 320, 120
    defs = (lin("pc", 0, 0, 0, H, [(0, "#1e1e21"), (1, "#141416")])
            + rad("pg", 160, 120, 150, [(0, Y, .10), (1, Y, 0)])
            + lin("pl", 40, 0, 280, 0, [(0, Y, 0), (.5, Y), (1, Y, 0)]))
    out = '<path d="%s" fill="url(#pc)"/>' % rrect_path(0, 0, W, H, 10)
    out += '<path d="%s" fill="url(#pg)"/>' % rrect_path(0, 0, W, H, 10)
    out += '<path d="%s" fill="none" stroke="#3a3a40"/>' % rrect_path(.5, .5, W - 1, H - 1, 9.5)
    out += '<path d="%s" fill="none" stroke="#ffffff" stroke-opacity=".04"/>' % rrect_path(1.5, 1.5, W - 3, H - 3, 8.5)
    h = 40
    mw = letters.mark_width(h)
    gw = 26
    total = gw + 18 + mw
    x0 = (W - total) / 2
    out += mouse_glyph(x0 + 1.5, 24 + 1.5, gw - 3, 40 - 3, Y, 3)
    km, seven, _ = letters.km7(x0 + gw + 18, 24, h)
    out += '<path d="%s" fill="#f4f4f4"/>' % km
    out += '<path d="%s" fill="%s"/>' % (seven, Y)
    out += '<rect x="40" y="78" width="240" height="1" fill="url(#pl)"/>'
    wd, ww = letters.word("CONFIG", 0, 0, 4)
    wd, ww = letters.word("CONFIG", math.floor((W - ww) / 2), 90, 4)
    out += '<path d="%s" fill="none" stroke="%s"/>' % (wd, G2)
    write("powerOn.svg", svg(W, H, out, defs))

# ------------------------------------------------------------ title buttons
def tbtn(name, glyph, hover):
    defs = ""
    if hover:
        fill = '<path d="%s" fill="%s" fill-opacity=".12"/>' % (rrect_path(0, 0, 24, 24, 5), Y)
        border = Y; gc = Y; bo = "1"
    else:
        fill = '<path d="%s" fill="#ffffff" fill-opacity=".03"/>' % rrect_path(0, 0, 24, 24, 5)
        border = "#3c3c3c"; gc = "#b4b4b4"; bo = ".9"
    out = fill + '<path d="%s" fill="none" stroke="%s" stroke-opacity="%s"/>' % (rrect_path(.5, .5, 23, 23, 4.5), border, bo)
    out += glyph(gc)
    write(name, svg(24, 24, out, defs))

def g_min(c):
    return '<rect x="7" y="11" width="10" height="2" rx=".5" fill="%s"/>' % c

def g_close(c):
    return '<path d="M8 8L16 16M16 8L8 16" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % c

def g_ask(c):
    return ('<path d="M9.2 9.6A2.9 2.9 0 1 1 13.7 12C12.6 12.7 12 13.2 12 14.4" fill="none" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % c
            + '<circle cx="12" cy="17.6" r="1.15" fill="%s"/>' % c)

# ----------------------------------------------------------------- buttons
def button(name, w, h, state):
    defs = ""
    if state == "N":
        defs = lin("f", 0, 0, 0, h, [(0, "#2f2f33"), (1, "#232326")])
        fill = "url(#f)"; border = "#46464c"; hi = .07
    elif state == "H":
        defs = lin("f", 0, 0, 0, h, [(0, "#3a3830"), (1, "#2a2922")])
        fill = "url(#f)"; border = Y; hi = .10
    elif state == "P":
        defs = lin("f", 0, 0, 0, h, [(0, "#4a4313"), (1, "#5c5212")])
        fill = "url(#f)"; border = Y; hi = 0
    elif state == "R":
        defs = lin("f", 0, 0, 0, h, [(0, "#3a2224"), (1, "#2a1a1b")])
        fill = "url(#f)"; border = RED; hi = .08
    r = 4
    out = '<path d="%s" fill="%s"/>' % (rrect_path(0, 0, w, h, r), fill)
    if hi:
        out += '<path d="M%s 1.5H%s" stroke="#ffffff" stroke-opacity="%s"/>' % (fmt(r), fmt(w - r), fmt(hi))
    else:
        out += '<path d="M%s 1.5H%s" stroke="#000000" stroke-opacity=".25"/>' % (fmt(r), fmt(w - r))
    out += '<path d="%s" fill="none" stroke="%s"/>' % (rrect_path(.5, .5, w - 1, h - 1, r - .5), border)
    write(name, svg(w, h, out, defs))

# ----------------------------------------------------------- small glyphs
def chevron(name, w, h, pts, color, sw=1.6):
    d = "M" + " L".join(P(p) for p in pts)
    write(name, svg(w, h, '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>' % (d, color, fmt(sw))))

def back(name, c):
    out = ('<path d="M6.5 7.5H12.5A3.75 3.75 0 0 1 12.5 15H8" fill="none" stroke="%s" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>' % c
           + '<path d="M9 4.5L5.6 7.5L9 10.5" fill="none" stroke="%s" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>' % c)
    write(name, svg(20, 20, out))

def slider():
    defs = (rad("k", 6, 5, 7, [(0, "#fff07a"), (.55, Y), (1, "#e0bf00")], fx=5, fy=4))
    out = ('<circle cx="7" cy="7" r="6.5" fill="#000000" fill-opacity=".35"/>'
           '<circle cx="7" cy="7" r="5.75" fill="url(#k)"/>'
           '<circle cx="7" cy="7" r="2" fill="#1a1a1a"/>')
    write("slide.svg", svg(14, 14, out, defs))
    defs = lin("t", 0, 0, 0, 6, [(0, "#121214"), (1, "#2c2c30")])
    out = ('<path d="%s" fill="url(#t)"/>' % rrect_path(0, 0, 200, 6, 3)
           + '<path d="%s" fill="none" stroke="#3c3c3c"/>' % rrect_path(.5, .5, 199, 5, 2.5))
    write("scale.svg", svg(200, 6, out, defs))

def radio_check():
    out = '<circle cx="8" cy="8" r="6.5" fill="#1a1a1a" stroke="%s"/>' % G2
    write("radioBtn.svg", svg(16, 16, out))
    out = ('<circle cx="8" cy="8" r="6.5" fill="#1a1a1a" stroke="%s"/>' % Y
           + '<circle cx="8" cy="8" r="3.5" fill="%s"/>' % Y)
    write("radioBtnS.svg", svg(16, 16, out))
    out = '<path d="%s" fill="#1a1a1a" stroke="%s"/>' % (rrect_path(1.5, 1.5, 13, 13, 3), G2)
    write("checkBtn.svg", svg(16, 16, out))
    out = ('<path d="%s" fill="%s"/>' % (rrect_path(1, 1, 14, 14, 3.5), Y)
           + '<path d="M4.6 8.2L7 10.6L11.6 5.6" fill="none" stroke="#121214" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>')
    write("checkBtnS.svg", svg(16, 16, out))

# -------------------------------------------------------------- macro icons
def arrow(x, up, c):
    """5 px wide vertical arrow, shaft from y 3 to 13"""
    if up:
        return ('<path d="M%s 13V4M%s 6.5L%s 3.5L%s 6.5" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"/>'
                % (fmt(x), fmt(x - 2.7), fmt(x), fmt(x + 2.7), c))
    return ('<path d="M%s 3V12M%s 9.5L%s 12.5L%s 9.5" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"/>'
            % (fmt(x), fmt(x - 2.7), fmt(x), fmt(x + 2.7), c))

def keycap(c):
    return ('<path d="%s" fill="none" stroke="%s"/>' % (rrect_path(1.5, 3.5, 8, 9, 2), c)
            + '<path d="M3.5 10.5H7.5" stroke="%s"/>' % c)

def minimouse(c):
    return ('<path d="M2 6.5A3.5 3.5 0 0 1 9 6.5V10A3.5 3.5 0 0 1 2 10Z" fill="none" stroke="%s"/>' % c
            + '<path d="M5.5 4V7.5" stroke="%s" stroke-linecap="round"/>' % c)

def macro_icons():
    out = ('<circle cx="8" cy="8" r="6.25" fill="none" stroke="%s" stroke-width="1.5"/>' % G3
           + '<path d="M8 4.5V8.2L10.6 9.8" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"/>' % Y)
    write("macroKeyDelay.svg", svg(16, 16, out))
    write("macroKeyPress.svg", svg(16, 16, keycap(G3) + arrow(13, False, Y)))
    write("macroKeyRelease.svg", svg(16, 16, keycap(G3) + arrow(13, True, G3)))
    write("macroMousePress.svg", svg(16, 16, minimouse(G3) + arrow(13, False, Y)))
    write("macroMouseRelease.svg", svg(16, 16, minimouse(G3) + arrow(13, True, G3)))

# ---------------------------------------------------------------- app icon
def appicon():
    S = 256
    defs = (lin("ib", 0, 0, 0, S, [(0, "#232327"), (1, "#121214")])
            + lin("im", 0, 40, 0, 220, [(0, "#ffe640"), (1, "#f5c800")])
            + rad("ig", 128, 150, 120, [(0, Y, .18), (1, Y, 0)]))
    out = '<path d="%s" fill="url(#ib)"/>' % rrect_path(8, 8, 240, 240, 52)
    out += '<path d="%s" fill="url(#ig)"/>' % rrect_path(8, 8, 240, 240, 52)
    out += '<path d="%s" fill="none" stroke="#ffffff" stroke-opacity=".08" stroke-width="2"/>' % rrect_path(9, 9, 238, 238, 51)
    # mouse silhouette
    x, y, w, h = 78, 40, 100, 176
    r = w / 2
    body = ("M%s %sV%sA%s %s 0 0 0 %s %sV%sA%s %s 0 0 0 %s %sZ" %
            (fmt(x), fmt(y + r), fmt(y + h - r), fmt(r), fmt(r), fmt(x + w), fmt(y + h - r),
             fmt(y + r), fmt(r), fmt(r), fmt(x), fmt(y + r)))
    out += '<path d="%s" fill="url(#im)"/>' % body
    out += '<path d="M%s 110H%sM128 40V110" stroke="#121214" stroke-width="7"/>' % (fmt(x), fmt(x + w))
    out += '<rect x="119" y="58" width="18" height="34" rx="9" fill="#121214"/>'
    out += '<rect x="124" y="64" width="8" height="18" rx="4" fill="%s"/>' % Y
    write("logo.svg", svg(S, S, out, defs))

def all_ui():
    background(); titlebar(); titlelogo(); poweron()
    tbtn("minBtn.svg", g_min, False); tbtn("minBtnH.svg", g_min, True)
    tbtn("closeBtn.svg", g_close, False); tbtn("closeBtnH.svg", g_close, True)
    tbtn("ask.svg", g_ask, False); tbtn("askH.svg", g_ask, True)
    button("button.svg", 64, 24, "N"); button("buttonH.svg", 64, 24, "H"); button("buttonP.svg", 64, 24, "P")
    button("buttonRed.svg", 64, 24, "R")
    button("buttonWide.svg", 88, 25, "N"); button("buttonWideH.svg", 88, 25, "H")
    chevron("dropBtn.svg", 12, 8, [(2, 2.5), (6, 6), (10, 2.5)], G3)
    chevron("dropBtnU.svg", 12, 8, [(2, 5.5), (6, 2), (10, 5.5)], G3)
    chevron("pageUp.svg", 12, 12, [(2.5, 8), (6, 4.5), (9.5, 8)], G3)
    chevron("pageDown.svg", 12, 12, [(2.5, 4), (6, 7.5), (9.5, 4)], G3)
    back("back.svg", G2); back("backH.svg", Y)
    slider(); radio_check(); macro_icons(); appicon()

if __name__ == "__main__":
    all_ui()
