import math

def fmt(v):
    s = ("%.2f" % v).rstrip('0').rstrip('.')
    if s == '-0': s = '0'
    return s

def P(p):
    return fmt(p[0]) + " " + fmt(p[1])

def lerp(a, b, t):
    return (a[0] + (b[0]-a[0])*t, a[1] + (b[1]-a[1])*t)

def bez(seg, t):
    p0, c1, c2, p3 = seg
    a = lerp(p0, c1, t); b = lerp(c1, c2, t); c = lerp(c2, p3, t)
    d = lerp(a, b, t); e = lerp(b, c, t)
    return lerp(d, e, t)

def split(seg, t):
    p0, c1, c2, p3 = seg
    a = lerp(p0, c1, t); b = lerp(c1, c2, t); c = lerp(c2, p3, t)
    d = lerp(a, b, t); e = lerp(b, c, t); f = lerp(d, e, t)
    return (p0, a, d, f), (f, e, c, p3)

def sub(seg, t0, t1):
    if t1 < 1:
        seg, _ = split(seg, t1)
    if t0 > 0:
        _, seg = split(seg, t0 / t1)
    return seg

def rev(seg):
    return (seg[3], seg[2], seg[1], seg[0])

def solve(seg, axis, value, lo=0.0, hi=1.0):
    """t where coordinate `axis` equals value (monotonic on [lo,hi])."""
    f = lambda t: bez(seg, t)[axis] - value
    flo = f(lo)
    for _ in range(60):
        mid = (lo + hi) / 2
        fm = f(mid)
        if (fm < 0) == (flo < 0):
            lo, flo = mid, fm
        else:
            hi = mid
    return (lo + hi) / 2

def mirror_seg(seg, cx):
    return tuple((2*cx - p[0], p[1]) for p in seg)

def translate_seg(seg, dx, dy):
    return tuple((p[0]+dx, p[1]+dy) for p in seg)

def curves(segs, move=True):
    """path data for a chain of cubic segments"""
    out = []
    if move:
        out.append("M" + P(segs[0][0]))
    for s in segs:
        out.append("C" + P(s[1]) + " " + P(s[2]) + " " + P(s[3]))
    return " ".join(out)

def samples(segs, n=40):
    pts = []
    for s in segs:
        for i in range(n+1):
            pts.append(bez(s, i/n))
    return pts

def bbox(pts):
    xs = [p[0] for p in pts]; ys = [p[1] for p in pts]
    return min(xs), min(ys), max(xs), max(ys)

def rect_int(bb, pad=0):
    x0 = math.floor(bb[0] - pad); y0 = math.floor(bb[1] - pad)
    x1 = math.ceil(bb[2] + pad); y1 = math.ceil(bb[3] + pad)
    return {"x": x0, "y": y0, "width": x1 - x0, "height": y1 - y0}

def svg(w, h, body, defs=""):
    d = "<defs>" + defs + "</defs>" if defs else ""
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
            'width="%d" height="%d" viewBox="0 0 %d %d">%s%s</svg>\n' % (w, h, w, h, d, body))

def lin(id, x1, y1, x2, y2, stops, units="userSpaceOnUse"):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (fmt(o), c,
                 (' stop-opacity="%s"' % fmt(a)) if a is not None and a < 1 else "")
                for (o, c, *r) in stops for a in [r[0] if r else None])
    return ('<linearGradient id="%s" gradientUnits="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
            % (id, units, fmt(x1), fmt(y1), fmt(x2), fmt(y2), s))

def rad(id, cx, cy, r, stops, units="userSpaceOnUse", fx=None, fy=None):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (fmt(o), c,
                 (' stop-opacity="%s"' % fmt(a)) if a is not None and a < 1 else "")
                for (o, c, *r_) in stops for a in [r_[0] if r_ else None])
    f = ""
    if fx is not None:
        f = ' fx="%s" fy="%s"' % (fmt(fx), fmt(fy))
    return ('<radialGradient id="%s" gradientUnits="%s" cx="%s" cy="%s" r="%s"%s>%s</radialGradient>'
            % (id, units, fmt(cx), fmt(cy), fmt(r), f, s))

def rrect_path(x, y, w, h, r):
    """rounded rectangle as a path (clockwise)"""
    k = 0.5523 * r
    return ("M%s %sH%sC%s %s %s %s %s %sV%sC%s %s %s %s %s %sH%sC%s %s %s %s %s %sV%sC%s %s %s %s %s %sZ" % (
        fmt(x+r), fmt(y), fmt(x+w-r),
        fmt(x+w-r+k), fmt(y), fmt(x+w), fmt(y+r-k), fmt(x+w), fmt(y+r),
        fmt(y+h-r),
        fmt(x+w), fmt(y+h-r+k), fmt(x+w-r+k), fmt(y+h), fmt(x+w-r), fmt(y+h),
        fmt(x+r),
        fmt(x+r-k), fmt(y+h), fmt(x), fmt(y+h-r+k), fmt(x), fmt(y+h-r),
        fmt(y+r),
        fmt(x), fmt(y+r-k), fmt(x+r-k), fmt(y), fmt(x+r), fmt(y)))

def line_seg(a, b):
    return (a, lerp(a, b, 1/3), lerp(a, b, 2/3), b)

def rrect_segs(x, y, w, h, r):
    k = 0.5523 * r
    segs = [
        line_seg((x+r, y), (x+w-r, y)),
        ((x+w-r, y), (x+w-r+k, y), (x+w, y+r-k), (x+w, y+r)),
        line_seg((x+w, y+r), (x+w, y+h-r)),
        ((x+w, y+h-r), (x+w, y+h-r+k), (x+w-r+k, y+h), (x+w-r, y+h)),
        line_seg((x+w-r, y+h), (x+r, y+h)),
        ((x+r, y+h), (x+r-k, y+h), (x, y+h-r+k), (x, y+h-r)),
        line_seg((x, y+h-r), (x, y+r)),
        ((x, y+r), (x, y+r-k), (x+r-k, y), (x+r, y)),
    ]
    return segs

def rotate_segs(segs, deg, cx, cy):
    a = math.radians(deg); c = math.cos(a); s = math.sin(a)
    f = lambda p: (cx + (p[0]-cx)*c - (p[1]-cy)*s, cy + (p[0]-cx)*s + (p[1]-cy)*c)
    return [tuple(f(p) for p in seg) for seg in segs]

def closed(segs):
    return curves(segs) + "Z"

def circle_arc_pts(cx, cy, r, a0, a1, n=24):
    return [(cx + r*math.cos(a0 + (a1-a0)*i/n), cy + r*math.sin(a0 + (a1-a0)*i/n)) for i in range(n+1)]
