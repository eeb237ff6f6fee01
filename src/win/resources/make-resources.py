#!/usr/bin/env python3
"""Regenerates the caption-button bitmaps and the icons in generated/.

The outputs are committed, so building never needs Python; rerun this only
after changing a drawing. Everything is drawn from code so the pictures stay
reviewable as text and the output is byte-for-byte reproducible.
"""
import math
import os
import struct

OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "generated")

ORANGE = (240, 103, 0)
GREEN = (72, 205, 0)
DIMMED = (170, 74, 0)
BLACK = (0, 0, 0)


# --- file writers -----------------------------------------------------------

def bmp24(width, height, pixel):
    """24-bit bottom-up BMP; pixel(x, y) gives (r, g, b) with y=0 at the top."""
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        data += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                       len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0,
                       14 + len(info))
    return head + info + bytes(data)


def ico(canvases):
    """ICO of 32-bit BMP images; each AND mask bit is set where alpha is 0."""
    images = []
    for c in canvases:
        n = c.size
        xor = bytearray()
        mask = bytearray()
        mask_stride = ((n + 31) // 32) * 4
        for y in reversed(range(n)):
            bits = bytearray(mask_stride)
            for x in range(n):
                r, g, b, a = c.rgba(x, y)
                xor += bytes((b, g, r, a))
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0,
                           len(xor) + len(mask), 0, 0, 0, 0)
        images.append((n, info + bytes(xor) + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for n, blob in images:
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blob for _, blob in images)


# --- caption-button glyphs (predicates on pixel coordinates, y down) --------

def cross(x, y):
    # Two diagonals, a 1 px margin all round; ~2 px thick once viewed at 45 deg.
    inner = 1 <= x <= 8 and 1 <= y <= 8
    return inner and (abs(x - y) <= 1 or abs(x + y - 9) <= 1)


def bar(x, y):
    return 1 <= x <= 7 and 6 <= y <= 7


QUESTION = (
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
)


def question(x, y):
    return QUESTION[y][x] == "#"


GLYPHS = (("ex", 10, 10, cross), ("min", 9, 9, bar), ("help", 6, 9, question))


# --- map cycle arrows: solid triangles, 9 x 9, the point at the centre line --

def right(x, y):
    return 2 <= x <= 6 and abs(y - 4) <= 6 - x


def arrows():
    turn = {
        "arrowr": right,
        "arrowl": lambda x, y: right(8 - x, y),
        "arrowu": lambda x, y: right(8 - y, x),
        "arrowd": lambda x, y: right(y, x),
    }
    for stem, glyph in turn.items():
        yield stem + ".bmp", bmp24(9, 9, lambda x, y, g=glyph: ORANGE if g(x, y) else BLACK)
    # The options window's icon arrows are disabled at either end of the choice.
    for stem in ("arrowr", "arrowl"):
        yield stem + "d.bmp", bmp24(9, 9, lambda x, y, g=turn[stem]: DIMMED if g(x, y) else BLACK)
STATES = (("1", ORANGE), ("2", GREEN), ("d", DIMMED))


# --- icon canvas ------------------------------------------------------------

class Canvas:
    """Straight-alpha RGBA canvas painted with point-in-shape predicates.

    ss=1 samples pixel centres only, which keeps straight and 45-degree
    strokes crisp; larger ss anti-aliases curves.
    """

    def __init__(self, size):
        self.size = size
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def paint(self, inside, rgb, ss=1):
        n = self.size
        for y in range(n):
            for x in range(n):
                hits = sum(inside(x + (i + 0.5) / ss, y + (j + 0.5) / ss)
                           for i in range(ss) for j in range(ss))
                if hits:
                    self._over(self.px[y * n + x], rgb, hits / (ss * ss))

    @staticmethod
    def _over(dst, rgb, sa):
        da = dst[3]
        oa = sa + da * (1 - sa)
        for k in range(3):
            dst[k] = (rgb[k] * sa + dst[k] * da * (1 - sa)) / oa
        dst[3] = oa

    def rgba(self, x, y):
        p = self.px[y * self.size + x]
        a = int(round(p[3] * 255))
        if a == 0:
            return (0, 0, 0, 0)
        return tuple(int(round(v)) for v in p[:3]) + (a,)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        dx = max(x0 + r - x, x - (x1 - r), 0)
        dy = max(y0 + r - y, y - (y1 - r), 0)
        return dx * dx + dy * dy <= r * r
    return inside


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def chevron(x0, y0, arm, w):
    """'>' built from w-px squares stepped one pixel at a time at 45 degrees,
    so the strokes stay crisp without anti-aliasing."""
    def inside(x, y):
        for k in range(arm + 1):
            if x0 + k <= x < x0 + k + w and (y0 + k <= y < y0 + k + w or
                                             y0 + 2 * arm - k <= y < y0 + 2 * arm - k + w):
                return True
        return False
    return inside


def gear(cx, cy, r_body, r_teeth, r_hole, tooth_w, teeth=8):
    """Ring with parallel-sided teeth; straight sides stay clean when small."""
    step = 2 * math.pi / teeth

    def inside(x, y):
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy)
        if d < r_hole or d > r_teeth:
            return False
        if d <= r_body:
            return True
        off = (math.atan2(dy, dx) + step / 2) % step - step / 2
        return abs(d * math.sin(off)) <= tooth_w / 2
    return inside


# --- icons ------------------------------------------------------------------

def program_icon(size):
    """Console window with a '>_' prompt on a black rounded square."""
    u = size // 16
    t = max(1, round(size / 20))          # frame stroke
    c = Canvas(size)
    c.paint(round_rect(0, 0, size, size, 2.75 * u), BLACK, ss=4)
    x0, y0, x1, y1 = 2 * u, 2 * u, 14 * u, 14 * u
    frame = minus(rect(x0, y0, x1, y1), rect(x0 + t, y0 + t, x1 - t, y1 - t))
    title = rect(x0, y0, x1, y0 + 2 * u)
    c.paint(union(frame, title), ORANGE)
    c.paint(chevron(4 * u, 6 * u, 2 * u, u), ORANGE)
    c.paint(rect(8 * u, 10 * u, 12 * u, 11 * u), ORANGE)   # cursor
    return c


PAPER = (252, 252, 252)
FLAP = (214, 214, 214)
EDGE = (88, 88, 88)


def document_icon(size, mark):
    """Page with a folded top-right corner; mark(canvas, u) adds the badge."""
    u = size // 16
    x0, y0, x1, y1, f = 2 * u, 0, 14 * u, size, 4 * u
    cut = x1 - f - y0                       # page keeps px - py <= cut

    def page(inset):
        def inside(x, y):
            return (x0 + inset <= x < x1 - inset and y0 + inset <= y < y1 - inset
                    and x - y <= cut - inset)
        return inside

    c = Canvas(size)
    c.paint(page(0), EDGE)
    c.paint(page(1), PAPER)
    flap = lambda x, y: page(0)(x, y) and x >= x1 - f and y < y0 + f
    c.paint(flap, EDGE)
    c.paint(lambda x, y: flap(x, y) and x >= x1 - f + 1 and y < y0 + f - 1
            and x - y <= cut - 1, FLAP)
    mark(c, u)
    return c


def gear_mark(c, u):
    # At 16 px anti-aliasing turns the teeth into a smudge; sample centres.
    c.paint(gear(8 * u, 10 * u, 2.8 * u, 3.9 * u, 1.2 * u, 1.8 * u), ORANGE,
            ss=1 if u == 1 else 4)


def text_mark(colour):
    def mark(c, u):
        # Ragged right ends so it reads as text rather than stripes.
        for row, end in enumerate((9, 12, 11, 12, 8)):
            y = (6 + 2 * row) * u
            c.paint(rect(4 * u, y, end * u, y + u), colour)
    return mark


# --- main -------------------------------------------------------------------

def outputs():
    for stem, w, h, glyph in GLYPHS:
        for suffix, colour in STATES:
            pixel = lambda x, y, g=glyph, c=colour: c if g(x, y) else BLACK
            yield stem + suffix + ".bmp", bmp24(w, h, pixel)
    yield from arrows()
    sizes = (16, 32, 48)
    yield "vantry.ico", ico([program_icon(n) for n in sizes])
    marks = (gear_mark, text_mark(ORANGE), text_mark(GREEN))
    for i, mark in enumerate(marks, 1):
        yield "doc%d.ico" % i, ico([document_icon(n, mark) for n in sizes])


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, data in outputs():
        with open(os.path.join(OUT_DIR, name), "wb") as fh:
            fh.write(data)
        print(name, len(data))


if __name__ == "__main__":
    main()
