"""The application icon: a 3 x 3 board of tiles with the piece ring around the centre tile.

Writes one scalable SVG and PNG renderings of the same shapes, drawn at four times their size
and reduced, into an icon theme tree: <out>/scalable/apps/orvante.svg and
<out>/<n>x<n>/apps/orvante.png.
"""
import math
import os

from PIL import Image, ImageDraw

SIZES = (16, 32, 48, 64, 128, 256)
FRAME = (122, 30, 40)      # burgundy, the first theme's givens
BOARD = (250, 243, 226)    # ivory cells
TILE = (236, 222, 196)
CENTRE = (122, 30, 40)
RING = (38, 70, 140)       # the blue ink of the player's pieces


def shapes():
    """The icon on a 256-unit canvas: (kind, geometry, colour) in drawing order."""
    items = [("rounded", (8, 8, 248, 248, 40), FRAME), ("rounded", (24, 24, 232, 232, 26), BOARD)]
    tile = 64
    gap = 8
    origin = 128 - (3 * tile + 2 * gap) / 2
    for row in range(3):
        for col in range(3):
            x = origin + col * (tile + gap)
            y = origin + row * (tile + gap)
            colour = CENTRE if (row, col) == (1, 1) else TILE
            items.append(("rounded", (x, y, x + tile, y + tile, 12), colour))
    for i in range(10):
        a = i * 36 * math.pi / 180
        cx = 128 + 58 * math.sin(a)
        cy = 128 + 58 * math.cos(a)
        items.append(("circle", (cx, cy, 11), RING))
    items.append(("circle", (128, 128, 17), BOARD))
    return items


def hex_colour(rgb):
    return "#%02x%02x%02x" % rgb


def write_svg(path):
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
             'viewBox="0 0 256 256">']
    for kind, g, colour in shapes():
        if kind == "rounded":
            x0, y0, x1, y1, r = g
            parts.append('  <rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s"/>'
                         % (x0, y0, x1 - x0, y1 - y0, r, hex_colour(colour)))
        else:
            cx, cy, r = g
            parts.append('  <circle cx="%.2f" cy="%.2f" r="%g" fill="%s"/>'
                         % (cx, cy, r, hex_colour(colour)))
    parts.append("</svg>")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(parts) + "\n")


def render(size):
    scale = size * 4 / 256
    image = Image.new("RGBA", (size * 4, size * 4), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    for kind, g, colour in shapes():
        if kind == "rounded":
            x0, y0, x1, y1, r = (v * scale for v in g)
            draw.rounded_rectangle((x0, y0, x1, y1), radius=r, fill=colour + (255,))
        else:
            cx, cy, r = (v * scale for v in g)
            draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour + (255,))
    return image.resize((size, size), Image.LANCZOS)


def make_all(out):
    write_svg(os.path.join(out, "scalable", "apps", "orvante.svg"))
    for size in SIZES:
        folder = os.path.join(out, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        render(size).save(os.path.join(folder, "orvante.png"), optimize=True)
