"""Pictures shared by every theme: main menu, message window, button faces, arrows, hint, splash."""
import os

import numpy as np

from canvas import Layer, disc, noise, over, radial_vignette, solid, text_ink, to_u8, vertical_gradient, write_bmp
from themes import THEMES, shadow, token

IVOIRE = THEMES[0]
# The colour of the button bars the faces stand on.
BAR = (255, 246, 235)
WALNUT = (104, 66, 38)
BURGUNDY = (128, 34, 40)
CREAM = (255, 244, 222)


def linen(w, h, seed, light, dark, centre=None):
    """A warm linen ground, lighter in the middle."""
    y, x = np.mgrid[0:h, 0:w].astype(np.float64)
    cx, cy = centre if centre else (w / 2, h / 2)
    d = np.clip(np.sqrt(((x - cx) / w) ** 2 + ((y - cy) / h) ** 2) * 1.6, 0, 1)[..., None]
    base = np.array(light) * (1 - d) + np.array(dark) * d
    base += (np.sin(x * 1.7) * np.sin(y * 1.7) * 2.0)[..., None]
    base += noise(w, h, seed, 5.0, scale=24) + noise(w, h, seed + 1, 3.0)
    return base


def button_face(state):
    """A blank 140 x 49 face; the game writes the caption at y 11."""
    w, h = 140, 49
    top, bottom, border, glow = {
        "normal": ((255, 252, 244), (244, 224, 192), (176, 124, 78), None),
        "hot": ((255, 250, 222), (255, 206, 128), (222, 110, 40), (255, 190, 90)),
        "disabled": ((240, 238, 234), (220, 217, 212), (176, 172, 166), None),
    }[state]
    base = solid(w, h, BAR)
    if glow:
        g = Layer(w, h)
        g.rrect(1, 1, w - 1, h - 1, 12, fill=glow + (200,))
        over(base, g.blurred(1.5))
    sh = Layer(w, h)
    sh.rrect(3, 4, w - 3, h - 1, 11, fill=(90, 50, 20, 70))
    over(base, sh.blurred(1.2))
    lay = Layer(w, h)
    lay.rrect(3, 2, w - 3, h - 3, 11, fill=border + (255,))
    face = Layer(w, h)
    face.rrect(4.5, 3.5, w - 4.5, h - 4.5, 9.5, fill=(255, 255, 255, 255))
    # the face's own gradient, clipped by its rounded shape
    grad = vertical_gradient(w, h, top, bottom)
    _, a = face.premultiplied()
    over(base, lay)
    base = base * (1 - a[..., None]) + grad * a[..., None]
    hl = Layer(w, h)
    hl.rrect(8, 5.5, w - 8, 16, 6, fill=(255, 255, 255, 90 if state != "disabled" else 60))
    over(base, hl)
    return to_u8(base)


def arrow(direction):
    """A 20 x 20 burgundy key with a cream triangle; direction is +1 (right) or -1 (left)."""
    base = solid(20, 20, (118, 30, 36))
    lay = Layer(20, 20)
    lay.rrect(0, 0, 20, 20, 0, fill=(86, 20, 26, 255))
    lay.rrect(1, 1, 19, 19, 3, fill=(158, 48, 52, 255))
    lay.rrect(2, 2, 18, 11, 3, fill=(255, 255, 255, 36))
    if direction > 0:
        pts = [(7, 5), (15, 10), (7, 15)]
    else:
        pts = [(13, 5), (5, 10), (13, 15)]
    lay.polygon(pts, fill=CREAM + (255,))
    over(base, lay)
    return to_u8(base)


def hint_button():
    """91 x 83: a lit bulb on a golden key that fills the whole picture."""
    w, h = 91, 83
    base = vertical_gradient(w, h, (255, 232, 150), (236, 160, 50))
    edge = Layer(w, h)
    edge.rrect(0, 0, w, h, 0, outline=(150, 84, 24, 255), width=2)
    edge.rrect(2, 2, w - 2, h - 2, 0, outline=(255, 246, 210, 160), width=1.5)
    over(base, edge)
    glow = Layer(w, h)
    glow.ellipse(45.5, 36, 27, fill=(255, 255, 235, 190))
    over(base, glow.blurred(7))
    bulb = Layer(w, h)
    for i in range(9):
        ang = np.pi * (0.95 + i * 1.1 / 8)
        x0, y0 = 45.5 + 21 * np.cos(ang), 35 + 21 * np.sin(ang)
        x1, y1 = 45.5 + 27 * np.cos(ang), 35 + 27 * np.sin(ang)
        bulb.line([(x0, y0), (x1, y1)], fill=(255, 255, 240, 255), width=2.4)
    glass = Layer(w, h)
    disc(glass, 45.5, 35, 15, (255, 255, 236), (255, 236, 150), (150, 90, 20), 1.8, shine=0.5)
    bulb.paste(glass)
    bulb.rrect(38.5, 48, 52.5, 52, 1.5, fill=(150, 90, 20, 255))
    bulb.rrect(39, 51, 52, 61, 2, fill=(120, 116, 112, 255))
    for yy in (54, 57):
        bulb.line([(39.5, yy), (51.5, yy)], fill=(200, 196, 190, 255), width=1.2)
    bulb.ellipse(45.5, 63, 3.5, fill=(90, 86, 82, 255))
    # the filament, a loop on two posts
    bulb.line([(42, 47), (42, 38)], fill=(150, 110, 60, 255), width=1.2)
    bulb.line([(49, 47), (49, 38)], fill=(150, 110, 60, 255), width=1.2)
    bulb.line([(42, 38), (43.5, 33), (45.5, 31.5), (47.5, 33), (49, 38)], fill=(230, 120, 20, 255), width=1.8)
    over(base, bulb)
    return to_u8(base)


def own_grid():
    """A complete grid of our own (rows of a shifted pattern, digits relabelled), with some cells shown."""
    relabel = [4, 8, 1, 6, 3, 9, 2, 7, 5]
    rows = [0, 2, 1, 4, 3, 5, 8, 6, 7]
    full = [[relabel[(r * 3 + r // 3 + c) % 9] for c in range(9)] for r in rows]
    shown = [
        "x..x.x..x", ".x..x..x.", "..x.x.x..", "x.x...x.x", ".x.x.x.x.", "x.x...x.x", "..x.x.x..", ".x..x..x.", "x..x.x..x",
    ]
    return [[full[y][x] if shown[y][x] == "x" else 0 for x in range(9)] for y in range(9)]


def main_menu():
    """992 x 709 main menu picture; the white button panel covers (442, 241) 156 x 348."""
    w, h = 992, 709
    px, py, pw, ph = 442, 241, 156, 348
    base = linen(w, h, 501, (246, 234, 208), (190, 150, 104), centre=(520, 380))
    # a small board on the left, tokens on the right
    board = Layer(300, 300)
    board.rrect(0, 0, 300, 300, 10, fill=WALNUT + (255,))
    board.rrect(8, 8, 292, 292, 4, fill=(250, 242, 224, 255))
    for i in range(10):
        wd = 2.5 if i % 3 == 0 else 1
        col = (170, 52, 52, 255) if i % 3 == 0 else (180, 150, 112, 255)
        p = 8 + i * 284 / 9
        board.line([(p, 8), (p, 292)], fill=col, width=wd)
        board.line([(8, p), (292, p)], fill=col, width=wd)
    cell = 284 / 9
    for y, row in enumerate(own_grid()):
        for x, d in enumerate(row):
            if d:
                cx, cy = 8 + (x + 0.5) * cell, 8 + (y + 0.5) * cell
                text_ink(board, cx, cy, str(d), "serif", 19, (60, 40, 30, 255))
    shadow(base, (70, 250, 300, 300), 10, 8, 0.5, (0, 6))
    over(base, board, 70, 250)
    # a few tokens as the game shows them, scattered on the right
    tokens = Layer(330, 420)
    spots = [(60, 60, 34, 7, True), (190, 40, 26, 2, False), (270, 130, 30, 9, True), (110, 170, 38, 4, False),
             (230, 250, 28, 5, False), (70, 300, 30, 1, True), (200, 360, 34, 8, False), (290, 330, 22, 3, True)]
    for cx, cy, r, d, given in spots:
        sh = Layer(330, 420)
        sh.ellipse(cx + 2, cy + 5, r, fill=(60, 30, 10, 110))
        tokens.paste(sh.blurred(3))
        token(tokens, cx, cy, r, IVOIRE, d, given)
    over(base, tokens, 640, 200)
    # the title
    title = Layer(700, 170)
    text_ink(title, 350, 88, "Orvante", "cherry", 120, CREAM + (255,), stroke=5, stroke_fill=CREAM)
    text_ink(title, 350, 88, "Orvante", "cherry", 120, BURGUNDY)
    sh = Layer(700, 170)
    text_ink(sh, 353, 95, "Orvante", "cherry", 120, (60, 20, 10, 120), stroke=5, stroke_fill=(60, 20, 10, 120))
    over(base, sh.blurred(5), 170, 30)
    over(base, title, 170, 30)
    sub = Layer(400, 40)
    text_ink(sub, 200, 20, "sudoku", "cherry", 30, (120, 80, 44, 255))
    over(base, sub, 320, 190)
    # the frame the white button panel sits in
    shadow(base, (px - 12, py - 12, pw + 24, ph + 24), 14, 8, 0.55, (0, 6))
    frame = Layer(pw + 24, ph + 24)
    frame.rrect(0, 0, pw + 24, ph + 24, 14, fill=WALNUT + (255,))
    frame.rrect(6, 6, pw + 18, ph + 18, 8, outline=(214, 176, 120, 255), width=1.5)
    over(base, frame, px - 12, py - 12)
    base = radial_vignette(base, 0.25, centre=(520, 380))
    base[py : py + ph, px : px + pw] = 255
    return to_u8(base)


def message_window():
    """503 x 370: title room at the top, the buttons below. The list's frame is the game's own,
    drawn only while the list is shown."""
    w, h = 503, 370
    base = linen(w, h, 601, (253, 246, 230), (232, 212, 176), centre=(250, 150))
    lay = Layer(w, h)
    lay.rrect(1, 1, w - 1, h - 1, 14, outline=WALNUT + (255,), width=3)
    lay.rrect(7, 7, w - 7, h - 7, 10, outline=(200, 160, 110, 255), width=1.2)
    # ribbon behind the title, fading to the right
    over(base, lay)
    band = Layer(w, h)
    band.rrect(16, 32, 424, 86, 10, fill=(255, 252, 242, 255), outline=(214, 176, 120, 255), width=1.2)
    over(base, band)
    tok = Layer(w, h)
    token(tok, 452, 52, 18, IVOIRE, 9, True)
    token(tok, 476, 76, 12, IVOIRE, 1, False)
    over(base, tok)
    orn = Layer(w, h)
    for x in range(60, 450, 30):
        orn.ellipse(x, 274, 2, fill=(176, 124, 78, 180))
    over(base, orn)
    return to_u8(base)


def splash():
    """415 x 277: the game's title card."""
    w, h = 415, 277
    base = vertical_gradient(w, h, (140, 44, 50), (72, 20, 28))
    base += noise(w, h, 701, 3.0, scale=8)
    y, x = np.mgrid[0:h, 0:w]
    glow = np.exp(-(((x - 207) / 180.0) ** 2 + ((y - 110) / 90.0) ** 2))
    base += glow[..., None] * np.array([50, 24, 18])
    lay = Layer(w, h)
    lay.rrect(6, 6, w - 6, h - 6, 12, outline=(214, 176, 120, 255), width=1.5)
    over(base, lay)
    title = Layer(w, h)
    text_ink(title, 207.5, 98, "Orvante", "cherry", 86, (40, 8, 10, 150), stroke=4, stroke_fill=(40, 8, 10, 150))
    over(base, title.blurred(4))
    title = Layer(w, h)
    text_ink(title, 207.5, 94, "Orvante", "cherry", 86, CREAM)
    over(base, title)
    row = Layer(w, h)
    for i in range(9):
        cx = 47 + i * 40
        token(row, cx, 190, 16, IVOIRE, i + 1, i % 2 == 0)
    over(base, row)
    sub = Layer(w, h)
    text_ink(sub, 207.5, 240, "sudoku", "cherry", 22, (236, 206, 160))
    over(base, sub)
    return to_u8(base)


def make_all(graphisme):
    os.makedirs(graphisme, exist_ok=True)
    pictures = {
        "fenetre.bmp": message_window(),
        "accueil.bmp": main_menu(),
        "Aide.bmp": hint_button(),
        "R.bmp": arrow(+1),
        "L.bmp": arrow(-1),
        "1.bmp": button_face("normal"),
        "2.bmp": button_face("hot"),
        "3.bmp": button_face("disabled"),
        "splash.bmp": splash(),
    }
    for name, rgb in pictures.items():
        write_bmp(os.path.join(graphisme, name), rgb)
