#!/usr/bin/env python3
"""Draws the manager's skin, flags, pictures and icons into res/bitmaps/.

Standard library only. Every picture is drawn with anti-aliased shapes (each pixel
is sampled SS x SS times) and written as a 24-bit BMP, or as an .ico with 32-bit
images for the icons. Run it again after a change:  python3 res/art/make_art.py
"""

import math
import os
import struct
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bitmaps")

# Pixels per dialog unit of the main window's font (Arial 10 pt at 96 dpi: base
# units 8 x 15, read back under Wine with Arial's metric twin). The backgrounds
# stretch to their controls, so other font metrics only scale them a little.
DX = 8 / 4
DY = 15 / 8

SS = 4  # samples per pixel along each axis


# ---------------------------------------------------------------- palette
def rgb(colorref):
    """A Windows COLORREF (0x00BBGGRR) as an (r, g, b) tuple."""
    return (colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF)


def read_palette():
    """The skin's COLORREF values from app/SkinPalette.h, the palette's one source."""
    import re
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "SkinPalette.h")
    with open(path, encoding="utf-8") as f:
        found = re.findall(r"constexpr\s+SkinColour\s+kSkin(\w+)\s*=\s*(0x[0-9A-Fa-f]+)\s*;", f.read())
    return {name: rgb(int(value, 16)) for name, value in found}


PALETTE = read_palette()
WHITE = PALETTE["White"]
IVORY = PALETTE["PageButton"]          # page buttons at rest, their column
STRIP = PALETTE["Strip"]               # breadcrumb strip, tabs, hairlines
STATUS = PALETTE["StatusNormal"]       # status area (a soft blue)
WARNING = PALETTE["StatusWarning"]     # orange of warnings
GREY_LIGHT = PALETTE["DisabledText"]   # disabled text, outlines
GREY = PALETTE["GreyText"]             # greyed text, tab frame
DISABLED_FILL = PALETTE["Disabled"]
BRAND = (46, 98, 166)       # the blue of the logo: the status blue, deepened
BRAND_DARK = (30, 70, 128)
INK = (64, 66, 60)          # dark warm grey for symbols
MAGENTA = (255, 0, 255)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# ---------------------------------------------------------------- canvas
class Canvas:
    """RGBA picture with straight alpha; painting composites 'over'."""

    def __init__(self, w, h, color=None):
        self.w, self.h = w, h
        if color is None:
            self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        else:
            self.px = [[float(color[0]), float(color[1]), float(color[2]), 1.0] for _ in range(w * h)]

    def blend(self, x, y, color, k):
        if k <= 0.0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        p = self.px[y * self.w + x]
        a = k + p[3] * (1.0 - k)
        if a <= 0.0:
            return
        for i in range(3):
            p[i] = (color[i] * k + p[i] * p[3] * (1.0 - k)) / a
        p[3] = a

    def fill_rect(self, x0, y0, x1, y1, color, alpha=1.0):
        """Axis-aligned rectangle with exact partial coverage at fractional edges.
        color may be a function of the pixel row's centre y."""
        for y in range(max(0, math.floor(y0)), min(self.h, math.ceil(y1))):
            cy = min(y1, y + 1) - max(y0, y)
            c = color(y + 0.5) if callable(color) else color
            for x in range(max(0, math.floor(x0)), min(self.w, math.ceil(x1))):
                cx = min(x1, x + 1) - max(x0, x)
                self.blend(x, y, c, cx * cy * alpha)

    def paint(self, shape, color, alpha=1.0):
        """Fills a shape (an object with bbox() and inside(x, y)), anti-aliased."""
        bx0, by0, bx1, by1 = shape.bbox()
        step = 1.0 / SS
        for y in range(max(0, math.floor(by0)), min(self.h, math.ceil(by1) + 1)):
            for x in range(max(0, math.floor(bx0)), min(self.w, math.ceil(bx1) + 1)):
                n = 0
                for j in range(SS):
                    sy = y + (j + 0.5) * step
                    for i in range(SS):
                        if shape.inside(x + (i + 0.5) * step, sy):
                            n += 1
                if n:
                    c = color(x + 0.5, y + 0.5) if callable(color) else color
                    self.blend(x, y, c, alpha * n / (SS * SS))

    def get(self, x, y):
        return self.px[y * self.w + x]

    def flatten(self, background):
        """Opaque copy on a background colour."""
        out = Canvas(self.w, self.h, background)
        for i, p in enumerate(self.px):
            q = out.px[i]
            for c in range(3):
                q[c] = p[c] * p[3] + q[c] * (1.0 - p[3])
        return out


# ---------------------------------------------------------------- shapes
class Rect:
    def __init__(self, x0, y0, x1, y1):
        self.r = (x0, y0, x1, y1)

    def bbox(self):
        return self.r

    def inside(self, x, y):
        x0, y0, x1, y1 = self.r
        return x0 <= x < x1 and y0 <= y < y1


class RoundRect:
    def __init__(self, x0, y0, x1, y1, radius):
        self.r = (x0, y0, x1, y1)
        self.rad = radius

    def bbox(self):
        return self.r

    def inside(self, x, y):
        x0, y0, x1, y1 = self.r
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        r = self.rad
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


class Ellipse:
    def __init__(self, cx, cy, rx, ry=None):
        self.c = (cx, cy)
        self.rx, self.ry = rx, (rx if ry is None else ry)

    def bbox(self):
        return (self.c[0] - self.rx, self.c[1] - self.ry, self.c[0] + self.rx, self.c[1] + self.ry)

    def inside(self, x, y):
        dx = (x - self.c[0]) / self.rx
        dy = (y - self.c[1]) / self.ry
        return dx * dx + dy * dy <= 1.0


class Polygon:
    def __init__(self, pts):
        self.pts = pts

    def bbox(self):
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        return (min(xs), min(ys), max(xs), max(ys))

    def inside(self, x, y):
        c = False
        n = len(self.pts)
        for i in range(n):
            ax, ay = self.pts[i]
            bx, by = self.pts[i - 1]
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                c = not c
        return c


class Stroke:
    """Polyline of a given width with round joins and ends."""

    def __init__(self, pts, width):
        self.pts = pts
        self.hw = width / 2.0

    def bbox(self):
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        return (min(xs) - self.hw, min(ys) - self.hw, max(xs) + self.hw, max(ys) + self.hw)

    def inside(self, x, y):
        hw2 = self.hw * self.hw
        pts = self.pts
        if len(pts) == 1:
            return (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2 <= hw2
        for i in range(1, len(pts)):
            ax, ay = pts[i - 1]
            bx, by = pts[i]
            dx, dy = bx - ax, by - ay
            ll = dx * dx + dy * dy
            t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
            px, py = ax + t * dx - x, ay + t * dy - y
            if px * px + py * py <= hw2:
                return True
        return False


class Union:
    def __init__(self, *shapes):
        self.shapes = shapes

    def bbox(self):
        bs = [s.bbox() for s in self.shapes]
        return (min(b[0] for b in bs), min(b[1] for b in bs), max(b[2] for b in bs), max(b[3] for b in bs))

    def inside(self, x, y):
        return any(s.inside(x, y) for s in self.shapes)


class Minus:
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        return self.a.bbox()

    def inside(self, x, y):
        return self.a.inside(x, y) and not self.b.inside(x, y)


def arc(cx, cy, rx, ry, a0, a1, n=24):
    """Points of an elliptical arc; angles in degrees, 0 = right, 90 = down."""
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def star(cx, cy, r, turn=0.0):
    pts = []
    for i in range(10):
        rr = r if i % 2 == 0 else r * 0.382
        a = math.radians(-90 + 36 * i + turn)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return Polygon(pts)


def bluetooth_rune(cx, cy, h, width):
    """The Bluetooth rune, h high, centred on (cx, cy)."""
    s = h / 2.0
    p = [(-0.5, -0.48), (0.5, 0.5), (0.0, 1.0), (0.0, -1.0), (0.5, -0.5), (-0.5, 0.48)]
    return Stroke([(cx + x * s, cy + y * s) for x, y in p], width)


# ---------------------------------------------------------------- lettering
# A small geometric monoline alphabet: glyphs are polylines in a box 10 units high;
# each entry is (advance width, strokes).
def _glyphs():
    g = {}
    g["O"] = (8, [arc(4, 5, 4, 5, 0, 360, 40)])
    g["Q"] = (8, [arc(4, 5, 4, 5, 0, 360, 40), [(5.2, 7.2), (8.2, 10.2)]])
    g["C"] = (7.4, [arc(4, 5, 4, 5, 40, 320, 36)])
    g["G"] = (7.8, [arc(4, 5, 4, 5, 35, 320, 36)[::-1] + [(8, 5.6), (4.6, 5.6)]])
    g["U"] = (7, [[(0, 0)] + arc(3.5, 6.5, 3.5, 3.5, 180, 0, 18) + [(7, 0)]])
    g["R"] = (6.6, [[(0, 10), (0, 0), (3.6, 0)] + arc(3.6, 2.75, 2.75, 2.75, -90, 90, 16) + [(0, 5.5)],
                    [(3.2, 5.5), (6.6, 10)]])
    g["B"] = (6.6, [[(0, 4.8), (3.3, 4.8)] + arc(3.3, 2.4, 2.6, 2.4, 90, -90, 14) + [(0, 0), (0, 10), (3.6, 10)]
                    + arc(3.6, 7.4, 2.9, 2.6, 90, -90, 14) + [(3.3, 4.8)]])
    g["D"] = (7.4, [[(0, 0), (0, 10), (2.6, 10)] + arc(2.6, 5, 4.8, 5, 90, -90, 24) + [(0, 0)]])
    g["L"] = (5.6, [[(0, 0), (0, 10), (5.6, 10)]])
    g["E"] = (5.6, [[(5.6, 0), (0, 0), (0, 10), (5.6, 10)], [(0, 5), (4.8, 5)]])
    g["T"] = (6.4, [[(0, 0), (6.4, 0)], [(3.2, 0), (3.2, 10)]])
    g["H"] = (7, [[(0, 0), (0, 10)], [(7, 0), (7, 10)], [(0, 5), (7, 5)]])
    g["V"] = (7.4, [[(0, 0), (3.7, 10), (7.4, 0)]])
    g["I"] = (0, [[(0, 0), (0, 10)]])
    g["M"] = (8.4, [[(0, 10), (0, 0), (4.2, 8), (8.4, 0), (8.4, 10)]])
    g["A"] = (7.6, [[(0, 10), (3.8, 0), (7.6, 10)], [(1.35, 6.5), (6.25, 6.5)]])
    g["N"] = (7, [[(0, 10), (0, 0), (7, 10), (7, 0)]])
    g[" "] = (2.6, [])
    return g


GLYPHS = _glyphs()


def text_width(text, scale, spacing):
    w = 0.0
    for ch in text:
        w += (GLYPHS[ch][0] + spacing) * scale
    return w - spacing * scale


def draw_text(cv, text, x, y, cap_height, width, color, spacing=2.2):
    """Draws text with its top-left at (x, y); returns the right edge."""
    s = cap_height / 10.0
    for ch in text:
        adv, strokes = GLYPHS[ch]
        for st in strokes:
            cv.paint(Stroke([(x + px * s, y + py * s) for px, py in st], width), color)
        x += (adv + spacing) * s
    return x - spacing * s


# ---------------------------------------------------------------- writers
def write_bmp(cv, name):
    """24-bit bottom-up BMP; transparent pixels come out as their colour on white."""
    row = (cv.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(cv.h - 1, -1, -1):
        line = bytearray()
        for x in range(cv.w):
            p = cv.get(x, y)
            a = p[3]
            r, g, b = (round(p[i] * a + 255 * (1 - a)) for i in range(3))
            line += bytes((max(0, min(255, b)), max(0, min(255, g)), max(0, min(255, r))))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(header + info + data)


def write_ico(canvases, name):
    """An .ico with one 32-bit image (and its AND mask) per canvas."""
    images = []
    for cv in canvases:
        xor = bytearray()
        for y in range(cv.h - 1, -1, -1):
            for x in range(cv.w):
                p = cv.get(x, y)
                xor += bytes((round(p[2]) & 0xFF, round(p[1]) & 0xFF, round(p[0]) & 0xFF,
                              max(0, min(255, round(p[3] * 255)))))
        mrow = ((cv.w + 31) // 32) * 4
        mask = bytearray()
        for y in range(cv.h - 1, -1, -1):
            bits = bytearray(mrow)
            for x in range(cv.w):
                if cv.get(x, y)[3] < 0.5:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((cv.w, cv.h, info + xor + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for w, h, blob in images:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, _, blob in images:
        out += blob
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(out)


# ---------------------------------------------------------------- the skin
def px_x(du):
    """Dialog units to pixels, rounded as the dialog manager rounds them."""
    return math.floor(du * DX + 0.5)


def px_y(du):
    return math.floor(du * DY + 0.5)


def window_background():
    """Template 102 is 416 x 242 dialog units; the bands follow its control layout:
    header 0..30, page buttons in the column 0..93 down to the navigation row at 220,
    the page area at (95, 44)."""
    w, h = px_x(416), px_y(242)
    cv = Canvas(w, h, WHITE)
    header = px_y(30)
    column = px_x(93)
    footer = px_y(220)
    # Header: plain white (the device lines copy what lies under them once, so the
    # header must look the same under them at any time), a soft blue rule on top,
    # a hairline below.
    cv.fill_rect(0, 0, w, 3, STATUS)
    cv.fill_rect(0, 3, w, 4, mix(STATUS, WHITE, 0.5))
    cv.fill_rect(0, header - 1, w, header, STRIP)
    # Column of the page buttons and the BACK button.
    cv.fill_rect(0, header, column, footer, IVORY)
    cv.fill_rect(column - 1, header, column, footer, STRIP)
    # A white well for the progress row left of the status line, whose labels are
    # painted on white.
    cv.paint(RoundRect(px_x(2), px_y(201), px_x(92), px_y(219), 4), STRIP)
    cv.paint(RoundRect(px_x(2) + 1, px_y(201) + 1, px_x(92) - 1, px_y(219) - 1, 3), WHITE)
    # The navigation row stands on white across the whole width.
    cv.fill_rect(0, footer, w, footer + 1, STRIP)
    # The breadcrumb strip; its control covers only the part left of the two tabs.
    cv.fill_rect(px_x(95), px_y(32), px_x(412), px_y(44), STRIP)
    # Soft shadow under the header over the whole width.
    for i in range(4):
        cv.fill_rect(0, header + i, w, header + i + 1, (120, 120, 100), 0.06 * (4 - i) / 4)
    # Wordmark, right-aligned before the flag and the small buttons.
    right = px_x(353)
    cap = 15
    spacing = 3.0
    tw = text_width("QUOR", cap / 10.0, spacing)
    top = px_y(9) - 2
    draw_text(cv, "QUOR", right - tw, top, cap, 2.5, BRAND, spacing)
    sub = "BLUETOOTH DEVICE MANAGER"
    sw = text_width(sub, 0.65, 2.6)
    draw_text(cv, sub, right - sw, top + cap + 6, 6.5, 1.05, GREY, 2.6)
    # Watermark rune low in the button column.
    cx, cy = column / 2, px_y(172)
    cv.paint(bluetooth_rune(cx, cy, 40, 5), STRIP, 0.55)
    # A frame around the window, which has no border of its own.
    cv.fill_rect(0, 0, w, 1, GREY_LIGHT)
    cv.fill_rect(0, h - 1, w, h, GREY_LIGHT)
    cv.fill_rect(0, 0, 1, h, GREY_LIGHT)
    cv.fill_rect(w - 1, 0, w, h, GREY_LIGHT)
    return cv


def page_background():
    """The page area 1014, 317 x 155 dialog units: white, ivory towards the bottom
    edge, framed on three sides (the breadcrumb strip closes the top)."""
    w, h = px_x(317), px_y(155)
    cv = Canvas(w, h, WHITE)
    fade = 40
    cv.fill_rect(0, h - fade, w, h, lambda y: mix(WHITE, (250, 250, 240), (y - (h - fade)) / fade))
    cv.fill_rect(0, 0, 1, h, STRIP)
    cv.fill_rect(w - 1, 0, w, h, STRIP)
    cv.fill_rect(0, h - 1, w, h, STRIP)
    return cv


# ---------------------------------------------------------------- flags
def flag(draw):
    w, h = 24, 16
    cv = Canvas(w, h, WHITE)
    draw(cv, w, h)
    # A thin frame, so that white flags stand out from the white header.
    for x in range(w):
        cv.blend(x, 0, GREY, 0.55)
        cv.blend(x, h - 1, GREY, 0.55)
    for y in range(1, h - 1):
        cv.blend(0, y, GREY, 0.55)
        cv.blend(w - 1, y, GREY, 0.55)
    return cv


def stripes_h(colors):
    def d(cv, w, h):
        n = len(colors)
        for i, c in enumerate(colors):
            cv.fill_rect(0, h * i / n, w, h * (i + 1) / n, c)
    return d


def stripes_v(colors):
    def d(cv, w, h):
        n = len(colors)
        for i, c in enumerate(colors):
            cv.fill_rect(w * i / n, 0, w * (i + 1) / n, h, c)
    return d


def flag_uk(cv, w, h):
    blue, red = (1, 33, 105), (200, 16, 46)
    cv.fill_rect(0, 0, w, h, blue)
    cv.paint(Stroke([(0, 0), (w, h)], 3.2), WHITE)
    cv.paint(Stroke([(0, h), (w, 0)], 3.2), WHITE)
    cv.paint(Stroke([(0, 0), (w, h)], 1.1), red)
    cv.paint(Stroke([(0, h), (w, 0)], 1.1), red)
    cv.fill_rect(0, h / 2 - 2.6, w, h / 2 + 2.6, WHITE)
    cv.fill_rect(w / 2 - 2.6, 0, w / 2 + 2.6, h, WHITE)
    cv.fill_rect(0, h / 2 - 1.5, w, h / 2 + 1.5, red)
    cv.fill_rect(w / 2 - 1.5, 0, w / 2 + 1.5, h, red)


def flag_japan(cv, w, h):
    cv.paint(Ellipse(w / 2, h / 2, h * 0.3), (188, 0, 45))


def flag_korea(cv, w, h):
    red, blue = (205, 46, 58), (0, 71, 160)
    cx, cy, r = w / 2, h / 2, 4.2
    cv.paint(Ellipse(cx, cy, r), blue)
    top = Union(Minus(Minus(Ellipse(cx, cy, r), Rect(cx - r, cy, cx + r, cy + r)), Ellipse(cx + r / 2, cy, r / 2)),
                Ellipse(cx - r / 2, cy, r / 2))
    cv.paint(top, red)
    # the four trigrams, as short black bars on the diagonals
    for sx, sy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        bx, by = cx + sx * 7.6, cy + sy * 4.9
        ang = math.atan2(sy * 4.9, sx * 7.6) + math.pi / 2
        ux, uy = math.cos(ang) * 1.6, math.sin(ang) * 1.6
        for k in (-1, 0, 1):
            ox, oy = math.cos(ang - math.pi / 2) * k * 0.95, math.sin(ang - math.pi / 2) * k * 0.95
            cv.paint(Stroke([(bx + ox - ux, by + oy - uy), (bx + ox + ux, by + oy + uy)], 0.6), (20, 20, 20))


def flag_spain(cv, w, h):
    cv.fill_rect(0, 0, w, h, (170, 21, 27))
    cv.fill_rect(0, h / 4, w, h * 3 / 4, (241, 191, 0))


def flag_china(cv, w, h):
    red, yellow = (238, 28, 37), (255, 222, 0)
    cv.fill_rect(0, 0, w, h, red)
    cv.paint(star(4.2, 4.2, 2.7), yellow)
    for x, y in ((8.2, 1.7), (9.8, 3.3), (9.8, 5.6), (8.2, 7.2)):
        cv.paint(star(x, y, 1.05, math.degrees(math.atan2(4.2 - y, 4.2 - x)) + 90), yellow)


def flag_finland(cv, w, h):
    blue = (0, 47, 108)
    cv.fill_rect(w * 5 / 18, 0, w * 8 / 18, h, blue)
    cv.fill_rect(0, h * 4 / 11, w, h * 7 / 11, blue)


def flag_czech(cv, w, h):
    cv.fill_rect(0, h / 2, w, h, (215, 20, 26))
    cv.paint(Polygon([(0, 0), (w / 2, h / 2), (0, h)]), (17, 69, 126))


FLAGS = [  # languages 0..12
    ("flag_english.bmp", flag_uk),
    ("flag_french.bmp", stripes_v([(0, 85, 164), WHITE, (239, 65, 53)])),
    ("flag_german.bmp", stripes_h([(0, 0, 0), (221, 0, 0), (255, 206, 0)])),
    ("flag_italian.bmp", stripes_v([(0, 146, 70), WHITE, (206, 43, 55)])),
    ("flag_japanese.bmp", flag_japan),
    ("flag_korean.bmp", flag_korea),
    ("flag_spanish.bmp", flag_spain),
    ("flag_dutch.bmp", stripes_h([(174, 28, 40), WHITE, (33, 70, 139)])),
    ("flag_russian.bmp", stripes_h([WHITE, (0, 57, 166), (213, 43, 30)])),
    ("flag_chinese.bmp", flag_china),
    ("flag_finnish.bmp", flag_finland),
    ("flag_czech.bmp", flag_czech),
    ("flag_polish.bmp", stripes_h([WHITE, (220, 20, 60)])),
]


# ---------------------------------------------------------------- pictures
def no_device():
    """34 x 34 on white (its corner colour is left out when drawn): an empty
    device slot with the Bluetooth rune."""
    cv = Canvas(34, 34, WHITE)
    cv.paint(RoundRect(2, 2, 32, 32, 7), GREY_LIGHT)
    cv.paint(RoundRect(3.2, 3.2, 30.8, 30.8, 5.8), (250, 250, 242))
    cv.paint(bluetooth_rune(17, 17, 17, 2.3), GREY)
    return cv


def start_page():
    """Bitmap 275, the start page's picture button (312 x 138 dialog units): a
    headset with its microphone boom, a USB cable to a PC and the wordmark; the
    whole picture is the button, so it carries no words a language would need."""
    w, h = px_x(312), px_y(138)
    cv = Canvas(w, h, WHITE)
    cv.fill_rect(0, h - 60, w, h, lambda y: mix(WHITE, IVORY, (y - (h - 60)) / 60))
    cv.paint(RoundRect(3, 3, w - 3, h - 3, 14), STRIP)
    cv.paint(RoundRect(5, 5, w - 5, h - 5, 12), lambda x, y: mix(WHITE, (248, 250, 244), y / h))
    # The headset: a clamp shell with a speaker pad and the boom.
    hx, hy = w * 0.30, h * 0.50
    cv.paint(RoundRect(hx - 62, hy - 46, hx + 62, hy + 46, 26), INK)
    cv.paint(RoundRect(hx - 56, hy - 40, hx + 56, hy + 40, 22), (92, 96, 90))
    cv.paint(Ellipse(hx - 8, hy, 30), (52, 54, 50))
    cv.paint(Ellipse(hx - 8, hy, 22), (120, 124, 118))
    logo_mark(cv, hx + 34, hy - 18, 12)
    boom = [(hx - 52, hy + 28)] + arc(hx - 52, hy + 64, 36, 36, -90, -200, 16)
    cv.paint(Stroke(boom, 7), INK)
    cv.paint(Ellipse(boom[-1][0], boom[-1][1], 9), (52, 54, 50))
    # The cable from the headset's port to the PC.
    cable = [(hx + 62, hy + 20), (hx + 110, hy + 44), (w * 0.62, hy + 44), (w * 0.70, hy + 10)]
    cv.paint(Stroke(cable, 4), GREY)
    cv.paint(RoundRect(cable[-1][0] - 5, cable[-1][1] - 14, cable[-1][0] + 5, cable[-1][1], 2), GREY)
    # The PC: a screen on its foot, showing the rune.
    px0, py0 = w * 0.66, h * 0.20
    cv.paint(RoundRect(px0, py0, px0 + 150, py0 + 100, 8), INK)
    cv.paint(RoundRect(px0 + 7, py0 + 7, px0 + 143, py0 + 93, 4), STATUS)
    cv.paint(bluetooth_rune(px0 + 75, py0 + 50, 52, 6), BRAND)
    cv.paint(Polygon([(px0 + 62, py0 + 100), (px0 + 88, py0 + 100), (px0 + 96, py0 + 122), (px0 + 54, py0 + 122)]), INK)
    cv.paint(RoundRect(px0 + 36, py0 + 120, px0 + 114, py0 + 128, 3), INK)
    # A pointer that says "press here".
    ax, ay = w * 0.52, h * 0.80
    cv.paint(Polygon([(ax, ay - 22), (ax + 18, ay), (ax + 6, ay), (ax + 10, ay + 12), (ax + 4, ay + 14),
                      (ax, ay + 2), (ax - 8, ay + 10)]), BRAND)
    tw = text_width("QUOR", 1.4, 3.0)
    draw_text(cv, "QUOR", w - 16 - tw, h - 30, 14, 2.4, BRAND, 3.0)
    return cv


def logo_mark(cv, cx, cy, r):
    """The product mark: a blue disc with a white Q."""
    cv.paint(Ellipse(cx, cy, r), lambda x, y: mix((70, 128, 196), BRAND_DARK, max(0.0, min(1.0, (y - cy + r) / (2 * r)))))
    ring = Minus(Ellipse(cx, cy - r * 0.04, r * 0.56), Ellipse(cx, cy - r * 0.04, r * 0.56 - r * 0.2))
    cv.paint(ring, WHITE)
    cv.paint(Stroke([(cx + r * 0.18, cy + r * 0.22), (cx + r * 0.52, cy + r * 0.56)], r * 0.2), WHITE)


def product_logo():
    cv = Canvas(48, 48, WHITE)
    logo_mark(cv, 24, 24, 22)
    return cv


def warning_sign():
    """64 x 64 on the orange of warning boxes: a white triangle with an exclamation mark."""
    cv = Canvas(64, 64, WARNING)
    tri = [(32, 7), (59, 55), (5, 55)]
    cv.paint(Stroke(tri + [tri[0]], 7), INK)
    cv.paint(Polygon(tri), INK)
    cv.paint(Polygon([(32, 13.5), (53, 51), (11, 51)]), WHITE)
    cv.paint(Stroke([(32, 24), (32, 38)], 5), INK)
    cv.paint(Ellipse(32, 45.5, 3), INK)
    return cv


def help_icon():
    """16 x 16 on white: a blue disc with a white question mark."""
    cv = Canvas(16, 16, WHITE)
    cv.paint(Ellipse(8, 8, 7.5), BRAND)
    q = arc(8, 5.6, 2.6, 2.4, 180, 405, 20) + [(8, 9.3)]
    cv.paint(Stroke(q, 1.7), WHITE)
    cv.paint(Ellipse(8, 12.2, 1.15), WHITE)
    return cv


def radio_images():
    """Four 20 x 20 radio images on the transparent colour RGB(255, 0, 255): empty,
    marked, empty greyed, marked greyed. Edges are smoothed against white (the grid's
    background) and every pixel outside the circle is the transparent colour."""
    w = 20
    cv = Canvas(4 * w, w, WHITE)
    looks = [(GREY, WHITE, None), (GREY, WHITE, BRAND),
             (GREY_LIGHT, DISABLED_FILL, None), (GREY_LIGHT, DISABLED_FILL, GREY_LIGHT)]
    outer = 7.0
    for i, (ring, fill, dot) in enumerate(looks):
        cx, cy = i * w + 10, 10
        cv.paint(Ellipse(cx, cy, outer), ring)
        cv.paint(Ellipse(cx, cy, outer - 1.3), fill)
        if dot:
            cv.paint(Ellipse(cx, cy, 3.4), dot)
    for y in range(w):
        for x in range(4 * w):
            cx = (x // w) * w + 10
            # no sample of this pixel touches the circle
            if math.hypot(max(0, abs(x + 0.5 - cx) - 0.5), max(0, abs(y + 0.5 - 10) - 0.5)) > outer:
                p = cv.get(x, y)
                p[0], p[1], p[2], p[3] = MAGENTA[0], MAGENTA[1], MAGENTA[2], 1.0
    return cv


def app_icon(size):
    cv = Canvas(size, size)
    logo_mark(cv, size / 2, size / 2, size / 2 - (0.5 if size <= 16 else 1))
    return cv


def probe_icon(size):
    """The USB probe: a slate disc with a white Bluetooth rune."""
    cv = Canvas(size, size)
    r = size / 2 - (0.5 if size <= 16 else 1)
    c = size / 2
    cv.paint(Ellipse(c, c, r), lambda x, y: mix((112, 124, 136), (70, 80, 92), max(0.0, min(1.0, (y - c + r) / (2 * r)))))
    cv.paint(bluetooth_rune(c, c, r * 1.15, max(1.3, size / 14)), WHITE)
    return cv


# ---------------------------------------------------------------- model pictures
PICTURE_TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "DevicePictures.cpp")
PICTURE_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ModelPictures.rc")


def model_picture_ids():
    """Every picture id of the model table (app/DevicePictures.cpp), so the table
    stays the one list."""
    import re
    text = open(PICTURE_TABLE, encoding="utf-8").read()
    ids = {int(m) for m in re.findall(r"\{(\d{3}), \{", text)}
    ids |= {int(m) for m in re.findall(r"kStatePictureOther = (\d{3})", text)}
    return sorted(ids)


def hsv(h, s, v):
    i = int(h * 6) % 6
    f = h * 6 - int(h * 6)
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    r, g, b = [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i]
    return (r * 255, g * 255, b * 255)


def model_picture(index, count):
    """34 x 34 on white: a headset unit in its own colour and shape, so that each
    model id shows a picture of its own. Four body shapes, a hue per id, and a row
    of up to four dots keep any two pictures apart."""
    cv = Canvas(34, 34, WHITE)
    body = hsv((index * 0.382) % 1.0, 0.55, 0.78)
    dark = mix(body, (20, 24, 30), 0.45)
    shape = index % 4
    if shape == 0:    # round unit with a jog dial
        cv.paint(Ellipse(17, 16, 13), dark)
        cv.paint(Ellipse(17, 16, 11.6), body)
        cv.paint(Ellipse(17, 16, 5), dark)
        cv.paint(Ellipse(17, 16, 3.6), WHITE)
    elif shape == 1:  # square unit with two buttons
        cv.paint(RoundRect(4, 3, 30, 29, 6), dark)
        cv.paint(RoundRect(5.3, 4.3, 28.7, 27.7, 4.8), body)
        cv.paint(Ellipse(12, 16, 3.4), WHITE)
        cv.paint(Ellipse(22, 16, 3.4), WHITE)
    elif shape == 2:  # long bar unit with an antenna
        cv.paint(Stroke([(25, 9), (29, 2)], 2), dark)
        cv.paint(RoundRect(3, 9, 31, 25, 7), dark)
        cv.paint(RoundRect(4.3, 10.3, 29.7, 23.7, 5.7), body)
        cv.paint(Stroke([(9, 17), (25, 17)], 2.4), WHITE)
    else:             # camera unit with its lens
        cv.paint(RoundRect(3, 6, 31, 27, 5), dark)
        cv.paint(RoundRect(4.3, 7.3, 29.7, 25.7, 3.8), body)
        cv.paint(Ellipse(17, 16.5, 6.5), dark)
        cv.paint(Ellipse(17, 16.5, 4), (40, 60, 90))
        cv.paint(Ellipse(15.6, 15, 1.3), WHITE)
    dots = (index // 4) % 5
    for d in range(dots):
        cv.paint(Ellipse(17 + (d - (dots - 1) / 2) * 5, 31, 1.6), INK)
    return cv


def write_model_pictures():
    ids = model_picture_ids()
    lines = ["// Made by art/make_art.py from the model table in app/DevicePictures.cpp: one picture",
             "// per model picture id. Included by QuorDeviceManager.rc.", ""]
    for index, pid in enumerate(ids):
        name = "model_%d.bmp" % pid
        write_bmp(model_picture(index, len(ids)), name)
        lines.append('%d BITMAP "bitmaps/%s"' % (pid, name))
    with open(PICTURE_SCRIPT, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    os.makedirs(OUT, exist_ok=True)
    write_model_pictures()
    write_bmp(window_background(), "window_background.bmp")
    write_bmp(page_background(), "page_background.bmp")
    for name, draw in FLAGS:
        write_bmp(flag(draw), name)
    write_bmp(no_device(), "no_device.bmp")
    write_bmp(start_page(), "start_page.bmp")
    write_bmp(product_logo(), "product_logo.bmp")
    write_bmp(warning_sign(), "warning.bmp")
    write_bmp(help_icon(), "help.bmp")
    write_bmp(radio_images(), "radio_images.bmp")
    write_ico([app_icon(s) for s in (16, 32, 48)], "QuorDeviceManager.ico")
    write_ico([probe_icon(s) for s in (16, 32, 48)], "UsbProbe.ico")
    return 0


if __name__ == "__main__":
    sys.exit(main())
