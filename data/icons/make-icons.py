#!/usr/bin/env python3
"""Draws Quillora's pictures and writes them next to this script.

    about-picture.png            the about dialog's picture: 32 x 32, palette
                                 PNG, colours taken from the classic 16-colour
                                 palette, transparent background
    org.example.Quillora.svg     the application icon, scalable
    NxN/org.example.Quillora.png
                                 the same icon rendered by rsvg-convert
                                 (librsvg2-bin) at 16, 22, 24, 32, 48, 64,
                                 128 and 256 pixels

Run `python3 data/icons/make-icons.py` and commit the results: the build
itself needs neither Python nor the renderer.
"""

import math
import os
import shutil
import struct
import subprocess
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# --------------------------------------------------------------------------
# PNG writing, for the about picture: a 4-bit palette PNG, which the
# renderer does not write

def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, color_type, bit_depth, rows, palette=None, alpha=None):
    """rows: one bytes object per scan line, already packed to bit_depth."""
    raw = b"".join(b"\x00" + row for row in rows)  # filter type 0 on every line
    data = b"\x89PNG\r\n\x1a\n"
    data += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bit_depth, color_type, 0, 0, 0))
    if palette is not None:
        data += _chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if alpha is not None:
        data += _chunk(b"tRNS", bytes(alpha))
    data += _chunk(b"IDAT", zlib.compress(raw, 9))
    data += _chunk(b"IEND", b"")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# --------------------------------------------------------------------------
# The about picture: pixel art on a 32 x 32 grid of palette letters

CLASSIC = {  # the classic 16-colour palette
    "K": (0x00, 0x00, 0x00),  # black
    "M": (0x80, 0x00, 0x00),  # maroon
    "G": (0x00, 0x80, 0x00),  # green
    "O": (0x80, 0x80, 0x00),  # olive
    "N": (0x00, 0x00, 0x80),  # navy
    "P": (0x80, 0x00, 0x80),  # purple
    "T": (0x00, 0x80, 0x80),  # teal
    "S": (0xC0, 0xC0, 0xC0),  # silver
    "D": (0x80, 0x80, 0x80),  # grey
    "R": (0xFF, 0x00, 0x00),  # red
    "L": (0x00, 0xFF, 0x00),  # lime
    "Y": (0xFF, 0xFF, 0x00),  # yellow
    "B": (0x00, 0x00, 0xFF),  # blue
    "F": (0xFF, 0x00, 0xFF),  # fuchsia
    "A": (0x00, 0xFF, 0xFF),  # aqua
    "W": (0xFF, 0xFF, 0xFF),  # white
}
CLEAR = "."


class Grid:
    def __init__(self, size):
        self.size = size
        self.cells = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.cells[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), both inside."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.fill(x0, y0, x1, y0, c)
        self.fill(x0, y1, x1, y1, c)
        self.fill(x0, y0, x0, y1, c)
        self.fill(x1, y0, x1, y1, c)

    def block(self, x0, y0, x1, y1, face, light, shade):
        """A toy block: black outline, light top-left edge, dark bottom-right edge."""
        self.fill(x0, y0, x1, y1, face)
        self.fill(x0 + 1, y0 + 1, x1 - 1, y0 + 1, light)
        self.fill(x0 + 1, y0 + 1, x0 + 1, y1 - 1, light)
        self.fill(x0 + 2, y1 - 1, x1 - 1, y1 - 1, shade)
        self.fill(x1 - 1, y0 + 2, x1 - 1, y1 - 1, shade)
        self.frame(x0, y0, x1, y1, "K")

    def text(self):
        return "\n".join("".join(row) for row in self.cells)


def draw_about_picture():
    g = Grid(32)

    # Roof: a maroon gable with a black outline, overhanging the walls.
    apex_x, apex_y, eave_y = 10, 2, 10
    for y in range(apex_y, eave_y + 1):
        half = y - apex_y
        g.fill(apex_x - half, y, apex_x + half + 1, y, "M")
        g.put(apex_x - half, y, "K")
        g.put(apex_x + half + 1, y, "K")
    g.fill(apex_x - (eave_y - apex_y), eave_y, apex_x + (eave_y - apex_y) + 1, eave_y, "K")
    g.fill(8, 6, 13, 8, "W")          # attic window of the gable
    g.frame(8, 6, 13, 8, "K")
    g.fill(10, 7, 11, 7, "B")

    # Walls: white, black outline, silver shade along the right-hand side.
    g.fill(3, 11, 18, 29, "W")
    g.fill(17, 11, 17, 28, "S")
    g.fill(4, 11, 16, 11, "S")         # shadow under the eaves
    g.frame(3, 10, 18, 29, "K")

    # Two windows, each with a glazing bar and a glint of light.
    for x0 in (5, 12):
        g.fill(x0, 13, x0 + 3, 17, "B")
        g.fill(x0, 15, x0 + 3, 15, "N")
        g.put(x0, 13, "A")
        g.put(x0 + 1, 13, "A")
        g.put(x0, 14, "A")
        g.frame(x0 - 1, 12, x0 + 4, 18, "K")

    # The purple door with a yellow handle and a grey step.
    g.fill(8, 20, 13, 28, "P")
    g.fill(9, 21, 9, 28, "F")           # light falling on its left edge
    g.frame(7, 19, 14, 29, "K")
    g.put(12, 24, "Y")
    g.put(12, 25, "Y")
    g.fill(6, 29, 15, 29, "D")
    g.fill(6, 30, 15, 30, "K")

    # Two toy blocks beside the building: a red one on the ground, a green
    # one on top of it, set back a little.
    g.block(20, 22, 28, 30, "R", "W", "M")
    g.block(22, 14, 29, 21, "L", "W", "G")

    # The ground.
    g.fill(0, 31, 31, 31, "D")
    return g


def write_about_picture(path):
    g = draw_about_picture()
    used = sorted({c for row in g.cells for c in row if c != CLEAR})
    assert len(used) + 1 <= 16, "too many colours for a 4-bit palette"
    order = [CLEAR] + used
    palette = [(0xFF, 0xFF, 0xFF)] + [CLASSIC[c] for c in used]
    index = {c: i for i, c in enumerate(order)}
    rows = []
    for row in g.cells:
        values = [index[c] for c in row]
        rows.append(bytes((values[i] << 4) | values[i + 1] for i in range(0, 32, 2)))
    write_png(path, 32, 32, 3, 4, rows, palette=palette, alpha=[0])
    return g


# --------------------------------------------------------------------------
# The application icon: a few flat shapes, written out as SVG; the fixed
# sizes are rendered from that SVG.
#
# Motif: a sheet of paper with a folded corner on a rounded purple tile,
# two tag brackets "< >" drawn on the sheet, and a quill crossing it.

VIEW = 128  # the SVG's coordinate space

# (kind, geometry, fill colour). Painted in order.
ICON = [
    ("rect", (8, 8, 112, 112, 22), "#5b2a86"),           # the tile
    ("rect", (8, 8, 112, 56, 22), "#6c3a99"),            # lighter upper half
    ("rect", (8, 40, 112, 24, 0), "#6c3a99"),
    ("polygon", [(34, 20), (80, 20), (98, 38), (98, 108), (34, 108)], "#ffffff"),  # sheet
    ("polygon", [(80, 20), (80, 38), (98, 38)], "#d5cde0"),                        # fold
    ("polygon", [(34, 100), (98, 100), (98, 108), (34, 108)], "#ece6f3"),          # sheet's foot
    # "<" and ">" in orange
    ("polygon", [(54, 48), (38, 61), (54, 74), (54, 67), (46, 61), (54, 55)], "#e8702a"),
    ("polygon", [(62, 48), (78, 61), (62, 74), (62, 67), (70, 61), (62, 55)], "#e8702a"),
    # two lines of text
    ("rect", (40, 84, 36, 5, 2.5), "#b7a9c9"),
    ("rect", (40, 92, 24, 5, 2.5), "#b7a9c9"),
]


def _quill():
    """The quill: a feather's vane on both sides of its shaft, the bare shaft
    below it and the nib, as polygons along the line from the feather's tip
    to the nib's point."""
    tip, point = (116.0, 8.0), (82.0, 88.0)
    dx, dy = point[0] - tip[0], point[1] - tip[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length   # along the shaft
    nx, ny = -uy, ux                    # across it, towards the upper left

    def at(t, off):
        return (round(tip[0] + dx * t + nx * off, 2), round(tip[1] + dy * t + ny * off, 2))

    vane_end, steps = 0.68, 12
    ts = [vane_end * i / steps for i in range(steps + 1)]
    left = [at(t, 11 * math.sin(math.pi * (t / vane_end) ** 0.8)) for t in ts]
    right = [at(t, -8 * math.sin(math.pi * (t / vane_end) ** 0.8)) for t in ts]
    return [
        ("polygon", left + [at(t, 0) for t in reversed(ts)], "#2aa198"),
        ("polygon", [at(t, 0) for t in ts] + list(reversed(right)), "#1d7a73"),
        ("polygon", [at(0, 0.8), at(0.9, 1.2), at(0.9, -1.2), at(0, -0.8)], "#0f3d3a"),
        ("polygon", [at(0.86, 2.6), at(1, 0), at(0.86, -2.6)], "#0f3d3a"),
    ]


ICON += _quill()


def _num(v):
    return ("%g" % v)


def icon_svg():
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
        % (VIEW, VIEW, VIEW, VIEW),
        '  <title>Quillora</title>',
    ]
    for kind, geom, fill in ICON:
        if kind == "rect":
            x, y, w, h, r = geom
            extra = ' rx="%s"' % _num(r) if r else ""
            lines.append('  <rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"/>'
                         % (_num(x), _num(y), _num(w), _num(h), extra, fill))
        else:
            pts = " ".join("%s,%s" % (_num(x), _num(y)) for x, y in geom)
            lines.append('  <polygon points="%s" fill="%s"/>' % (pts, fill))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def render_icon_sizes(svg):
    renderer = shutil.which("rsvg-convert")
    if renderer is None:
        raise SystemExit("rsvg-convert not found: install librsvg2-bin")
    for size in ICON_SIZES:
        folder = os.path.join(HERE, "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        subprocess.run([renderer, "--width", str(size), "--height", str(size),
                        "--format", "png", "--output",
                        os.path.join(folder, "org.example.Quillora.png"), svg],
                       check=True)


def main():
    write_about_picture(os.path.join(HERE, "about-picture.png"))
    svg = os.path.join(HERE, "org.example.Quillora.svg")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(icon_svg())
    render_icon_sizes(svg)


if __name__ == "__main__":
    main()
