import os, math, json
from geom import *
import letters
from ui import write, Y, G1, G2, G3

FW, FH = 220, 300
CX = 110
AREAS = {}

def yopen(shape_d, extra=""):
    """a highlight: the button shape filled with the accent at 60 % and a crisp accent edge"""
    return ('<path d="%s" fill="%s" fill-opacity=".6" stroke="%s" stroke-opacity=".9" stroke-width="1"%s/>'
            % (shape_d, Y, Y, extra))

# ============================================================ top view
R = [
    ((110, 14), (138, 14), (158, 19), (164, 32)),
    ((164, 32), (170, 45), (174, 64), (174, 86)),
    ((174, 86), (174, 114), (169, 140), (169, 160)),
    ((169, 160), (169, 182), (180, 200), (180, 222)),
    ((180, 222), (180, 264), (150, 290), (110, 290)),
]
Lm = [mirror_seg(s, CX) for s in R]
OUTLINE = R + [rev(s) for s in reversed(Lm)]

SEAM_Y = 118
CH_L, CH_R = 97, 123          # wheel channel
CH_BOTTOM = 128

def click_button(side):
    """left (side=-1) or right (side=+1) click button as a list of segments"""
    segs = Lm if side < 0 else R
    notch_x = CX + side * 3
    t0 = solve(segs[0], 0, notch_x)
    a = sub(segs[0], t0, 1)
    b = segs[1]
    t1 = solve(segs[2], 1, SEAM_Y)
    c = sub(segs[2], 0, t1)
    s = c[3]
    inner = CX + side * (CX - CH_L)
    seam = (s, (s[0] - side * 18, SEAM_Y + 5), (inner + side * 10, CH_BOTTOM), (inner, CH_BOTTOM))
    up = line_seg((inner, CH_BOTTOM), (inner, 42))
    n = a[0]
    tip = ((inner, 42), (inner, 28), (n[0] + side * 3, 18), n)
    return [a, b, c, seam, up, tip]

# fire key (button 7): a small pill on the left click near its outer edge
FIRE = rotate_segs(rrect_segs(53, 72, 8, 30, 4), 7.5, 57, 87)
FIRE_HOLE = rotate_segs(rrect_segs(51.8, 70.8, 10.4, 32.4, 5.2), 7.5, 57, 87)

WHEEL = (104, 36, 12, 42)
WELL = (100.5, 31.5, 19, 51)
DPI_UP = (103, 89, 14, 11)
DPI_DN = (103, 104, 14, 11)

def side_sliver(y0, y1, out=4.5):
    """a thumb button seen from above: the part that stands out of the left flank"""
    seg = Lm[2]                                  # mirrored C..D, runs from y 86 to 160
    t0 = solve(seg, 1, y0); t1 = solve(seg, 1, y1)
    ta = solve(seg, 1, y0 + 3.5); tb = solve(seg, 1, y1 - 3.5)
    i0 = bez(seg, t0); i1 = bez(seg, t1)
    outer = translate_seg(sub(seg, ta, tb), -out, 0)
    inner = rev(sub(seg, t0, t1))
    oa = outer[0]; ob = outer[3]
    d = ("M%s Q%s %s C%s %s %s Q%s %s C%s %s %sZ" % (
        P(i0), P((oa[0], i0[1] + .5)), P(oa),
        P(outer[1]), P(outer[2]), P(ob),
        P((ob[0], i1[1] - .5)), P(i1),
        P(inner[1]), P(inner[2]), P(inner[3])))
    pts = [i0, i1] + samples([outer], 20)
    return d, bbox(pts)

FWD = side_sliver(88, 117)      # button 4, forward (front)
BCK = side_sliver(121, 154)     # button 3, back (rear)

def channel_d(lb, rb):
    """the gap between the click buttons, from the nose to a round end behind the DPI buttons"""
    nl = lb[0][0]; nr = rb[0][0]
    t0 = solve(R[0], 0, nr[0])
    top = sub(Lm[0], 0, solve(Lm[0], 0, nl[0]))      # centre -> left notch (reversed below)
    d = "M" + P(nl) + "L" + P(nr)
    right = [rev(rb[5]), rev(rb[4])]                 # notch -> down the inner edge
    d += " " + curves(right, move=False)
    d += " C%s %s %s %s %s %s" % (fmt(CH_R), fmt(CH_BOTTOM + 7), fmt(CH_L), fmt(CH_BOTTOM + 7), fmt(CH_L), fmt(CH_BOTTOM))
    d += " " + curves([lb[4], lb[5]], move=False) + "Z"
    return d

def top_defs():
    d = ""
    d += rad("sh", .5, .5, .5, [(0, "#000000", .55), (.7, "#000000", .25), (1, "#000000", 0)], units="objectBoundingBox")
    d += lin("shell", 36, 0, 184, 0, [(0, "#111113"), (.18, "#202024"), (.45, "#2c2c31"), (.62, "#2a2a2f"), (.85, "#1c1c1f"), (1, "#101012")])
    d += lin("btn", 36, 0, 184, 0, [(0, "#141416"), (.2, "#26262a"), (.45, "#34343a"), (.55, "#303036"), (.82, "#222226"), (1, "#131315")])
    d += lin("nose", 0, 14, 0, 70, [(0, "#000000", .45), (1, "#000000", 0)])
    d += rad("palm", 102, 205, 78, [(0, "#ffffff", .09), (1, "#ffffff", 0)])
    d += lin("tail", 0, 236, 0, 290, [(0, "#000000", 0), (1, "#000000", .4)])
    d += lin("wheel", 104, 0, 116, 0, [(0, "#151517"), (.35, "#3e3e44"), (.5, "#4c4c53"), (.7, "#2e2e33"), (1, "#121214")])
    d += lin("wshade", 0, 36, 0, 78, [(0, "#000000", .55), (.3, "#000000", 0), (.7, "#000000", 0), (1, "#000000", .55)])
    d += lin("dpi", 0, 0, 0, 11, [(0, "#3a3a40"), (1, "#222226")], units="userSpaceOnUse")
    d += lin("side", 0, 0, 1, 0, [(0, "#2c2c31"), (1, "#18181a")], units="objectBoundingBox")
    d += lin("cable", 0, 0, 0, 14, [(0, "#1c1c1f", 0), (1, "#1c1c1f")])
    return d

def fire_d():
    return closed(FIRE)

def top_view():
    out = []
    # shadow
    out.append('<ellipse cx="113" cy="160" rx="100" ry="146" fill="url(#sh)"/>')
    # cable stub
    out.append('<rect x="107" y="0" width="6" height="15" fill="url(#cable)"/>')
    # thumb buttons (behind the shell)
    for d, _ in (FWD, BCK):
        out.append('<path d="%s" fill="#2a2a2f" stroke="#0a0a0b" stroke-width="1"/>' % d)
    shell = closed(OUTLINE)
    out.append('<path d="%s" fill="#000000" stroke="#000000" stroke-opacity=".6" stroke-width="2.5"/>' % shell)
    out.append('<path d="%s" fill="url(#shell)"/>' % shell)
    out.append('<path d="%s" fill="url(#palm)"/>' % shell)
    out.append('<path d="%s" fill="url(#tail)"/>' % shell)
    # wheel channel
    lb = click_button(-1); rb = click_button(+1)
    out.append('<path d="%s" fill="#0d0d0f"/>' % channel_d(lb, rb))
    # click buttons
    lbd = closed(lb) + closed(FIRE_HOLE)
    rbd = closed(rb)
    for d, rule in ((lbd, ' fill-rule="evenodd"'), (rbd, "")):
        out.append('<path d="%s" fill="url(#btn)"%s/>' % (d, rule))
        out.append('<path d="%s" fill="url(#nose)"%s/>' % (d, rule))
    # glossy streaks on the buttons
    out.append('<path d="M74 40C70 62 70 90 76 112" fill="none" stroke="#ffffff" stroke-opacity=".025" stroke-width="12" stroke-linecap="round"/>')
    out.append('<path d="M146 40C150 62 150 90 144 112" fill="none" stroke="#ffffff" stroke-opacity=".018" stroke-width="12" stroke-linecap="round"/>')
    # seams
    for d, rule in ((lbd, ' fill-rule="evenodd"'), (rbd, "")):
        out.append('<path d="%s" fill="none" stroke="#08080a" stroke-width="1.4"/>' % d)
    # fire key
    out.append('<path d="%s" fill="#0a0a0b"/>' % closed(FIRE_HOLE))
    out.append('<path d="%s" fill="#2e2e34" stroke="#4a4a52" stroke-opacity=".6" stroke-width=".8"/>' % fire_d())
    out.append('<path d="M56.6 78L55.4 96" stroke="%s" stroke-opacity=".85" stroke-width="1.2" stroke-linecap="round"/>' % Y)
    # wheel
    x, y, w, h = WELL
    out.append('<path d="%s" fill="#050506"/>' % rrect_path(x, y, w, h, 7))
    out.append('<path d="M102.25 39V75M117.75 39V75" stroke="%s" stroke-opacity=".22" stroke-width="3" stroke-linecap="round"/>' % Y)
    out.append('<path d="M102.25 40V74M117.75 40V74" stroke="%s" stroke-width="1" stroke-linecap="round"/>' % Y)
    x, y, w, h = WHEEL
    out.append('<path d="%s" fill="url(#wheel)"/>' % rrect_path(x, y, w, h, 5))
    ridges = "".join("M%s %sH%s" % (fmt(x + 1), fmt(yy + .5), fmt(x + w - 1)) for yy in range(y + 3, y + h - 2, 3))
    out.append('<path d="%s" stroke="#000000" stroke-opacity=".45" stroke-width="1"/>' % ridges)
    out.append('<path d="%s" fill="url(#wshade)"/>' % rrect_path(x, y, w, h, 5))
    # DPI buttons
    for (x, y, w, h), glyph in ((DPI_UP, "M107.5 94.5H112.5M110 92V97"), (DPI_DN, "M107.5 109.5H112.5")):
        out.append('<path d="%s" fill="#050506"/>' % rrect_path(x - 1, y - 1, w + 2, h + 2, 4))
        out.append('<g transform="translate(0 %s)"><path d="%s" fill="url(#dpi)"/></g>' % (fmt(y), rrect_path(x, 0, w, h, 3)))
        out.append('<path d="%s" stroke="%s" stroke-width="1.2" stroke-linecap="round"/>' % (glyph, G2))
    # rim light
    out.append('<path d="%s" fill="none" stroke="#ffffff" stroke-opacity=".09" stroke-width="1"/>' % shell)
    # tail light and logo
    r5 = sub(R[4], solve(R[4], 0, 160), 1)
    l5 = sub(Lm[4], solve(Lm[4], 0, 60), 1)
    k = .965
    sc = lambda s: tuple((CX + (p[0] - CX) * k, 180 + (p[1] - 180) * k) for p in s)
    tail = curves([sc(r5), sc(rev(l5))])
    out.append('<path d="%s" fill="none" stroke="%s" stroke-opacity=".2" stroke-width="4" stroke-linecap="round"/>' % (tail, Y))
    out.append('<path d="%s" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>' % (tail, Y))
    km, seven, mw = letters.km7(0, 0, 9)
    km, seven, mw = letters.km7(CX - mw / 2, 232, 9)
    out.append('<path d="%s" fill="%s" fill-opacity=".75"/>' % (km, G3))
    out.append('<path d="%s" fill="%s"/>' % (seven, Y))
    return "".join(out)

def top_overlays():
    lb = click_button(-1); rb = click_button(+1)
    shapes = {
        0: (closed(lb) + closed(FIRE_HOLE), ' fill-rule="evenodd"', bbox(samples(lb))),
        1: (closed(rb), "", bbox(samples(rb))),
        2: (rrect_path(*WHEEL, 5), "", (WHEEL[0], WHEEL[1], WHEEL[0] + WHEEL[2], WHEEL[1] + WHEEL[3])),
        3: (BCK[0], "", BCK[1]),
        4: (FWD[0], "", FWD[1]),
        5: (rrect_path(*DPI_UP, 3), "", (DPI_UP[0], DPI_UP[1], DPI_UP[0] + DPI_UP[2], DPI_UP[1] + DPI_UP[3])),
        6: (rrect_path(*DPI_DN, 3), "", (DPI_DN[0], DPI_DN[1], DPI_DN[0] + DPI_DN[2], DPI_DN[1] + DPI_DN[3])),
        7: (fire_d(), "", bbox(samples(FIRE))),
    }
    return shapes


# ============================================================ side view (left side, nose to the left)
SW, SH = 300, 180
SIDE_DY = -15      # the drawing below is laid out 15 px lower than it is shown
TOP = [
    ((12, 112), (28, 104), (48, 95), (70, 90)),
    ((70, 90), (94, 85), (122, 71), (150, 66)),
    ((150, 66), (172, 62), (188, 59), (204, 59)),
    ((204, 59), (226, 59), (252, 68), (266, 84)),
    ((266, 84), (280, 100), (287, 114), (286, 128)),
    ((286, 128), (285, 142), (280, 150), (270, 150)),
]
BASE = [line_seg((270, 150), (36, 150)),
        ((36, 150), (28, 150), (22, 144), (22, 136)),
        ((22, 136), (20, 124), (8, 114), (12, 112))]
BODY = TOP + BASE
# guide of the click button's lower edge, also used for the thumb buttons
GUIDE = ((13, 117), (60, 104), (140, 86), (206, 80))

def top_at(x):
    for s in TOP[:4]:
        if s[0][0] <= x <= s[3][0]:
            return s, solve(s, 0, x)
    raise ValueError(x)

def top_point(x):
    s, t = top_at(x)
    return bez(s, t)

def top_sub(x0, x1):
    """chain of contour segments between x0 and x1 (x0 < x1)"""
    out = []
    for s in TOP[:4]:
        a, b = s[0][0], s[3][0]
        if b <= x0 or a >= x1:
            continue
        t0 = solve(s, 0, x0) if a < x0 else 0
        t1 = solve(s, 0, x1) if b > x1 else 1
        out.append(sub(s, t0, t1))
    return out

def guide_sub(x0, x1, dy=0):
    t0 = solve(GUIDE, 0, x0) if x0 > GUIDE[0][0] else 0
    t1 = solve(GUIDE, 0, x1)
    return translate_seg(sub(GUIDE, t0, t1), 0, dy)

LB_END = 128
def side_left_button():
    tops = top_sub(12, LB_END)
    e = tops[-1][3]
    g = guide_sub(13, LB_END - 3)
    lower_end = g[3]
    seam = (e, (e[0] + 1, e[1] + 6), (lower_end[0] + 1, lower_end[1] - 5), lower_end)
    back = rev(g)
    # close from the guide start to the nose
    nose = (back[3], (12.5, 115.5), (11.5, 113.5), (12, 112))
    return tops + [seam, back, nose]

def thumb_button(x0, x1, dy0=4, h=11.5):
    """thumb button on the flank, its upper edge following the click button's lower edge"""
    upper = guide_sub(x0 + 3, x1 - 3, dy0)
    lower = rev(guide_sub(x0 + 5, x1 - 1, dy0 + h))
    ua, ub = upper[0], upper[3]
    la, lb = lower[3], lower[0]
    d = ("M%s C%s %s %s C%s %s %s C%s %s %s C%s %s %sZ" % (
        P(ua), P(upper[1]), P(upper[2]), P(ub),
        P((ub[0] + 5, ub[1] + .5)), P((lb[0] + 5, lb[1] - h + 2)), P(lb),
        P(lower[1]), P(lower[2]), P(la),
        P((la[0] - 5, la[1] - .5)), P((ua[0] - 5, ua[1] + h - 2)), P(ua)))
    cap1 = (ub, (ub[0] + 5, ub[1] + .5), (lb[0] + 5, lb[1] - h + 2), lb)
    cap2 = (la, (la[0] - 5, la[1] - .5), (ua[0] - 5, ua[1] + h - 2), ua)
    pts = samples([upper, lower, cap1, cap2], 20)
    return d, bbox(pts)

S_FWD = thumb_button(84, 121)    # button 4
S_BCK = thumb_button(124, 162)   # button 3

WHEEL_C = (57, 107.5); WHEEL_R = 19.5
def wheel_cap():
    """visible part of the wheel above the click button: circle arc + contour"""
    cx, cy = WHEEL_C; r = WHEEL_R
    f = lambda a: (cx + r * math.cos(a), cy + r * math.sin(a))
    def above(a):
        p = f(a)
        return p[1] < top_point(p[0])[1] if 13 < p[0] < 200 else False
    # scan the upper half of the circle
    angs = [math.pi + i * math.pi / 720 for i in range(721)]
    ins = [a for a in angs if above(a)]
    a0, a1 = min(ins), max(ins)
    p0, p1 = f(a0), f(a1)
    d = "M%s A%s %s 0 0 1 %s" % (P(p0), fmt(r), fmt(r), P(p1))
    back = [rev(s) for s in reversed(top_sub(p0[0], p1[0]))]
    d += " " + curves(back, move=False) + "Z"
    pts = circle_arc_pts(cx, cy, r, a0, a1) + [p0, p1]
    return d, bbox(pts), (a0, a1)

def fire_bump():
    """button 7 seen from the side: a low pill standing on the contour"""
    x0, x1 = 72, 100
    base = top_sub(x0, x1)
    up = [translate_seg(s, 0, -3.5) for s in base]
    a = up[0][0]; b = up[-1][3]
    d = "M%s " % P(base[0][0])
    d += "C%s %s %s " % (P((base[0][0][0] - 1, base[0][0][1] - 2)), P((a[0] + 1, a[1])), P((a[0] + 3, a[1])))
    # shorten the raised edge a little so the ends are rounded
    ups = [sub(up[0], solve(up[0], 0, a[0] + 3), 1)] + up[1:]
    ups[-1] = sub(ups[-1], 0, solve(ups[-1], 0, b[0] - 3))
    d += curves(ups, move=False)
    e = base[-1][3]
    d += " C%s %s %s " % (P((b[0] - 1, b[1])), P((e[0] + 1, e[1] - 2)), P(e))
    d += curves([rev(s) for s in reversed(base)], move=False) + "Z"
    pts = samples(base + up, 10)
    return d, bbox(pts)

def side_defs():
    d = ""
    d += rad("ssh", .5, .5, .5, [(0, "#000000", .6), (.6, "#000000", .3), (1, "#000000", 0)], units="objectBoundingBox")
    d += lin("body", 0, 58, 0, 150, [(0, "#34343a"), (.3, "#27272b"), (.7, "#1d1d20"), (1, "#111113")])
    d += rad("hump", 196, 74, 90, [(0, "#ffffff", .10), (1, "#ffffff", 0)])
    d += lin("lbtn", 0, 64, 0, 118, [(0, "#3c3c42"), (1, "#26262a")])
    d += lin("nose", 12, 0, 70, 0, [(0, "#000000", .45), (1, "#000000", 0)])
    d += lin("tb", 0, 0, 0, 1, [(0, "#3a3a40"), (.5, "#2a2a2f"), (1, "#1a1a1d")], units="objectBoundingBox")
    d += lin("grip", 0, 104, 0, 140, [(0, "#1a1a1d"), (1, "#121214")])
    d += lin("skirt", 0, 140, 0, 152, [(0, "#121214"), (1, "#050506")])
    d += rad("wh", 57, 96, 20, [(0, "#4a4a50"), (.6, "#2c2c31"), (1, "#131315")])
    d += lin("cab", 0, 0, 20, 0, [(0, "#1c1c1f", 0), (1, "#1c1c1f")])
    return d

GRIP = [((58, 118), (90, 110), (150, 102), (214, 100)),
        ((214, 100), (236, 100), (248, 110), (248, 126)),
        ((248, 126), (248, 134), (240, 138), (228, 138)),
        line_seg((228, 138), (66, 138)),
        ((66, 138), (54, 138), (50, 128), (58, 118))]

def point_in(poly, x, y):
    inside = False
    n = len(poly)
    for i in range(n):
        x1, y1 = poly[i]; x2, y2 = poly[(i + 1) % n]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside

def side_view():
    out = []
    out.append('<ellipse cx="150" cy="151" rx="146" ry="14" fill="url(#ssh)"/>')
    out.append('<path d="M0 129.5H24" stroke="url(#cab)" stroke-width="5"/>')
    # wheel behind the shell
    cx, cy = WHEEL_C
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#wh)"/>' % (fmt(cx), fmt(cy), fmt(WHEEL_R)))
    cap_d, cap_bb, (a0, a1) = wheel_cap()
    ticks = ""
    n = 26
    for i in range(n):
        a = math.pi + (i + .5) * math.pi / n
        ticks += "M%s L%s" % (P((cx + (WHEEL_R - 3.5) * math.cos(a), cy + (WHEEL_R - 3.5) * math.sin(a))),
                              P((cx + (WHEEL_R - .3) * math.cos(a), cy + (WHEEL_R - .3) * math.sin(a))))
    out.append('<path d="%s" stroke="#000000" stroke-opacity=".5" stroke-width="1"/>' % ticks)
    out.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-opacity=".8" stroke-width="1"/>' % (fmt(cx), fmt(cy), fmt(WHEEL_R - 4.5), Y))
    body = closed(BODY)
    out.append('<path d="%s" fill="#000000" stroke="#000000" stroke-opacity=".6" stroke-width="2.5"/>' % body)
    out.append('<path d="%s" fill="url(#body)"/>' % body)
    out.append('<path d="%s" fill="url(#hump)"/>' % body)
    # thumb grip with a fine dot texture
    out.append('<path d="%s" fill="url(#grip)" stroke="#000000" stroke-opacity=".5" stroke-width="1"/>' % closed(GRIP))
    poly = samples(GRIP, 12)
    dots = ""
    for j, y in enumerate(range(112, 137, 4)):
        for x in range(50, 250, 4):
            xx = x + (2 if j % 2 else 0)
            if point_in(poly, xx, y) and point_in(poly, xx - 2.5, y) and point_in(poly, xx + 2.5, y) and point_in(poly, xx, y - 2.5) and point_in(poly, xx, y + 2.5):
                dots += "M%s %sh1" % (fmt(xx - .5), fmt(y))
    out.append('<path d="%s" stroke="#ffffff" stroke-opacity=".07" stroke-width="1.2" stroke-linecap="round"/>' % dots)
    # skirt and light strip
    out.append('<path d="M30 141H278C281 146 278 150 270 150H36C30 150 26 147 26 144Z" fill="url(#skirt)"/>')
    strip = "M34 141.5C80 141.5 220 141.5 272 141.5"
    out.append('<path d="%s" stroke="%s" stroke-opacity=".18" stroke-width="4" stroke-linecap="round"/>' % (strip, Y))
    out.append('<path d="%s" stroke="%s" stroke-width="1.2" stroke-linecap="round"/>' % (strip, Y))
    # click button
    lb = side_left_button()
    lbd = closed(lb)
    out.append('<path d="%s" fill="url(#lbtn)"/>' % lbd)
    out.append('<path d="%s" fill="url(#nose)"/>' % lbd)
    out.append('<path d="%s" fill="none" stroke="#08080a" stroke-width="1.3"/>' % lbd)
    # fire key bump
    fd, _ = fire_bump()
    out.append('<path d="%s" fill="#3a3a40" stroke="#08080a" stroke-width="1"/>' % fd)
    # thumb buttons
    for d, _ in (S_FWD, S_BCK):
        out.append('<path d="%s" fill="#050506" stroke="#050506" stroke-width="2.4" stroke-linejoin="round"/>' % d)
        out.append('<path d="%s" fill="url(#tb)"/>' % d)
        out.append('<path d="%s" fill="none" stroke="#ffffff" stroke-opacity=".08" stroke-width="1"/>' % d)
    # rim light along the top
    rim = curves([translate_seg(s, 0, .8) for s in TOP[:5]])
    out.append('<path d="%s" fill="none" stroke="#ffffff" stroke-opacity=".14" stroke-width="1"/>' % rim)
    # engraved logo on the rear flank
    km, seven, mw = letters.km7(0, 0, 8)
    km, seven, mw = letters.km7(214 - mw / 2, 86, 8)
    out.append('<path d="%s" fill="#000000" fill-opacity=".45"/>' % (km + seven))
    return "".join(out)

def side_overlays():
    lb = side_left_button()
    cap_d, cap_bb, _ = wheel_cap()
    fd, fbb = fire_bump()
    return {
        0: (closed(lb), "", bbox(samples(lb))),
        1: None,
        2: (cap_d, "", cap_bb),
        3: (S_BCK[0], "", S_BCK[1]),
        4: (S_FWD[0], "", S_FWD[1]),
        5: None,
        6: None,
        7: (fd, "", fbb),
    }

# ============================================================ build
def build():
    write("MouseFront.svg", svg(FW, FH, top_view(), top_defs()))
    areas = {}
    for i, (d, extra, bb) in top_overlays().items():
        write("Mouse%dS.svg" % i, svg(FW, FH, yopen(d, extra)))
        areas.setdefault(i, {})["front"] = rect_int(bb)
    g = '<g transform="translate(0 %d)">%%s</g>' % SIDE_DY
    write("MouseSide.svg", svg(SW, SH, g % side_view(), side_defs()))
    for i, v in side_overlays().items():
        if v is None:
            write("MouseSide%dS.svg" % i, svg(SW, SH, ""))
            areas[i]["side"] = None
        else:
            d, extra, bb = v
            write("MouseSide%dS.svg" % i, svg(SW, SH, g % yopen(d, extra)))
            areas[i]["side"] = rect_int((bb[0], bb[1] + SIDE_DY, bb[2], bb[3] + SIDE_DY))
    return areas

if __name__ == "__main__":
    print(build())
