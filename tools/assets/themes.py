"""The three board themes: palettes and the 27 pictures of each theme folder."""
import os

import numpy as np

from canvas import (
    SS,
    Layer,
    disc,
    flatten,
    flatten_keyed,
    noise,
    over,
    radial_vignette,
    solid,
    text_ink,
    to_u8,
    vertical_gradient,
    write_bmp,
)

# Where the board, the game menu and the options panel stand on the play screen.
BOARD = (298, 140, 540, 540)
GAME_MENU = (72, 140, 161, 464)
OPTIONS = (865, 148, 153, 569)
# Opacity the game gives the cell picture and the ring.
CELL_OPACITY = 150 / 255
RING_OPACITY = 120 / 255

# The ring picture: choices are 52 x 52 pictures whose centres lie on a circle of radius 60
# around this point of the ring picture; the picked cell's centre is at (95, 95).
RING_SIZE = 190
RING_CENTRE = 91
RING_CELL_CENTRE = 95
PIECE_RADIUS = 22.6

THEMES = [
    {
        "name": "Ivoire",
        "seed": 101,
        "bg_top": (234, 219, 190),
        "bg_bottom": (205, 180, 142),
        "grain": 5.0,
        "vignette": 0.28,
        "board_under": (242, 232, 210),
        "frame": (104, 66, 38),
        "frame_line": (214, 176, 120),
        "title": (128, 34, 40),
        "title_edge": (255, 244, 222),
        "deco": (150, 110, 70),
        "cell_top": (252, 248, 236),
        "cell_bottom": (243, 234, 214),
        "cell_border": (170, 140, 104),
        "cell_light": (255, 253, 246),
        "digit_font": "serif",
        "digit_size": 31,
        "player_top": (255, 253, 246),
        "player_bottom": (238, 226, 200),
        "player_rim": (178, 140, 96),
        "player_digit": (30, 62, 132),
        "given_top": (158, 56, 56),
        "given_bottom": (106, 30, 34),
        "given_rim": (78, 20, 24),
        "given_digit": (255, 241, 214),
        "erase": (176, 58, 48),
        "ring_top": (150, 100, 58),
        "ring_bottom": (96, 60, 32),
        "ring_track": (196, 150, 96),
        "ring_target": (255, 240, 205),
        "panel_top": (246, 236, 214),
        "panel_bottom": (228, 210, 176),
        "panel_border": (104, 66, 38),
        "panel_line": (200, 160, 110),
    },
    {
        "name": "Minuit",
        "seed": 202,
        "bg_top": (10, 16, 40),
        "bg_bottom": (36, 26, 72),
        "grain": 2.0,
        "vignette": 0.35,
        "board_under": (20, 28, 60),
        "frame": (44, 52, 100),
        "frame_line": (212, 170, 80),
        "title": (246, 204, 100),
        "title_edge": (60, 36, 10),
        "deco": (120, 140, 220),
        "cell_top": (46, 60, 108),
        "cell_bottom": (34, 44, 86),
        "cell_border": (96, 118, 178),
        "cell_light": (66, 82, 136),
        "digit_font": "sans",
        "digit_size": 30,
        "player_top": (34, 44, 86),
        "player_bottom": (18, 24, 54),
        "player_rim": (104, 184, 236),
        "player_digit": (156, 228, 255),
        "given_top": (255, 220, 130),
        "given_bottom": (214, 156, 56),
        "given_rim": (150, 100, 26),
        "given_digit": (26, 28, 66),
        "erase": (255, 128, 128),
        "ring_top": (62, 64, 138),
        "ring_bottom": (26, 28, 72),
        "ring_track": (110, 130, 210),
        "ring_target": (170, 236, 255),
        "panel_top": (28, 34, 76),
        "panel_bottom": (14, 18, 44),
        "panel_border": (212, 170, 80),
        "panel_line": (80, 96, 160),
    },
    {
        "name": "Lagon",
        "seed": 303,
        "bg_top": (204, 240, 236),
        "bg_bottom": (112, 190, 204),
        "grain": 2.5,
        "vignette": 0.18,
        "board_under": (232, 247, 245),
        "frame": (40, 128, 140),
        "frame_line": (250, 255, 255),
        "title": (236, 100, 80),
        "title_edge": (255, 255, 255),
        "deco": (255, 255, 255),
        "cell_top": (250, 255, 254),
        "cell_bottom": (232, 247, 246),
        "cell_border": (118, 180, 186),
        "cell_light": (255, 255, 255),
        "digit_font": "cherry",
        "digit_size": 30,
        "player_top": (255, 255, 255),
        "player_bottom": (220, 242, 242),
        "player_rim": (52, 156, 164),
        "player_digit": (0, 104, 116),
        "given_top": (252, 142, 116),
        "given_bottom": (222, 86, 70),
        "given_rim": (170, 56, 46),
        "given_digit": (255, 255, 255),
        "erase": (222, 86, 70),
        "ring_top": (60, 172, 180),
        "ring_bottom": (20, 112, 126),
        "ring_track": (150, 222, 222),
        "ring_target": (255, 255, 255),
        "panel_top": (236, 250, 248),
        "panel_bottom": (196, 232, 232),
        "panel_border": (40, 128, 140),
        "panel_line": (120, 190, 196),
    },
]


def mix(a, b, t):
    return tuple(float(x) * (1 - t) + float(y) * t for x, y in zip(a, b))


def cell_seen(th):
    """The colour a cell shows in the game: the cell picture at its opacity over the board area."""
    mid = mix(th["cell_top"], th["cell_bottom"], 0.5)
    return mix(th["board_under"], mid, CELL_OPACITY)


# --- pieces -------------------------------------------------------------------------------------


def token(lay, cx, cy, r, th, digit, given, digit_size=None):
    """Draws a theme token of radius r with its digit (or the erase cross for 0) onto a layer."""
    k = r / 24.4
    style = "given" if given else "player"
    # the lower rim is a little darker: the token seems to stand on the board
    disc(lay, cx, cy + 0.6 * k, r, th[style + "_rim"], th[style + "_rim"])
    disc(lay, cx, cy, r - 0.8 * k, th[style + "_top"], th[style + "_bottom"], th[style + "_rim"], 2.2 * k, shine=0.22)
    if digit == 0:
        cross = th["given_digit"] if given else th["erase"]
        d = 9 * k
        for a, b in (((cx - d, cy - d), (cx + d, cy + d)), ((cx + d, cy - d), (cx - d, cy + d))):
            lay.line([a, b], fill=cross + (255,), width=5.5 * k)
        for px, py in ((cx - d, cy - d), (cx + d, cy + d), (cx + d, cy - d), (cx - d, cy + d)):
            lay.ellipse(px, py, 2.75 * k, fill=cross + (255,))
        return
    size = digit_size or th["digit_size"] * k
    if given:
        # a soft shadow under the light digit keeps it crisp on the coloured face
        text_ink(lay, cx + 0.6 * k, cy + 1.2 * k, str(digit), th["digit_font"], size, th["given_rim"] + (150,))
    text_ink(lay, cx, cy + 0.3 * k, str(digit), th["digit_font"], size, th[style + "_digit"])


def piece(th, digit, given):
    """A 52 x 52 keyed piece: a token with its digit, or the erase cross when digit is 0."""
    lay = Layer(52, 52)
    # a little smaller than the picture: neighbouring choices on the ring overlap less
    token(lay, 26, 26, PIECE_RADIUS, th, digit, given, th["digit_size"])
    return flatten_keyed(lay, cell_seen(th))


def wrong_overlay(th):
    """52 x 52, not keyed, laid at partial opacity over a wrong piece: it reddens the piece and
    frames it without hiding its digit."""
    base = solid(52, 52, (236, 70, 60))
    lay = Layer(52, 52)
    lay.rrect(0, 0, 52, 52, 0, outline=(150, 0, 0, 255), width=5)
    lay.rrect(5, 5, 47, 47, 3, outline=(255, 170, 150, 255), width=1.5)
    return flatten(lay, base)


def cell_picture(th):
    """60 x 60 cell background with its own one-pixel border on every side."""
    lay = Layer(60, 60)
    base = vertical_gradient(60, 60, th["cell_top"], th["cell_bottom"])
    lay.rrect(0, 0, 60, 60, 0, outline=th["cell_border"] + (255,), width=1)
    lay.draw().line([(SS, SS * 1.5), (59 * SS - 1, SS * 1.5)], fill=th["cell_light"] + (255,), width=SS)
    lay.draw().line([(SS * 1.5, SS), (SS * 1.5, 59 * SS - 1)], fill=th["cell_light"] + (255,), width=SS)
    return flatten(lay, base)


def ring_picture(th):
    """The keyed ring the ten choices stand on, with a frame around the picked cell."""
    lay = Layer(RING_SIZE, RING_SIZE)
    c = RING_CENTRE
    disc(lay, c, c, 89, th["ring_top"], th["ring_bottom"])
    # the track under the choices, then the hub
    disc(lay, c, c, 86, th["ring_track"], th["ring_track"])
    disc(lay, c, c, 62, th["ring_top"], th["ring_bottom"])
    # the hub frames the picked cell, whose centre is a few pixels off the ring's
    k = RING_CELL_CENTRE
    lay.rrect(k - 33, k - 33, k + 33, k + 33, 9, fill=th["ring_track"] + (255,))
    lay.rrect(k - 30, k - 30, k + 30, k + 30, 6, fill=th["ring_target"] + (255,))
    lay.rrect(k - 30, k - 30, k + 30, k + 30, 6, outline=th["ring_bottom"] + (255,), width=2)
    return flatten_keyed(lay, cell_seen(th), threshold=0.5)


# --- play screen background ----------------------------------------------------------------------


def shadow(base, rect, radius, blur, strength, offset=(0, 4)):
    x, y, w, h = rect
    pad = blur * 3 + 8
    sub = Layer(w + 2 * pad, h + 2 * pad)
    sub.rrect(pad, pad, pad + w, pad + h, radius, fill=(0, 0, 0, int(255 * strength)))
    sub = sub.blurred(blur)
    over(base, sub, x - pad + offset[0], y - pad + offset[1])


def background(th):
    w, h = 1024, 768
    base = vertical_gradient(w, h, th["bg_top"], th["bg_bottom"])
    base += noise(w, h, th["seed"], th["grain"])
    decorate(th, base)
    base = radial_vignette(base, th["vignette"], centre=(568, 410))

    bx, by, bw, bh = BOARD
    shadow(base, (bx - 10, by - 10, bw + 20, bh + 20), 10, 8, 0.55, (0, 6))
    frame = Layer(bw + 20, bh + 20)
    frame.rrect(0, 0, bw + 20, bh + 20, 10, fill=th["frame"] + (255,))
    frame.rrect(5, 5, bw + 15, bh + 15, 5, outline=th["frame_line"] + (255,), width=1.5)
    over(base, frame, bx - 10, by - 10)
    base[by : by + bh, bx : bx + bw] = th["board_under"]

    gx, gy, gw, gh = GAME_MENU
    shadow(base, (gx - 6, gy - 6, gw + 12, gh + 12), 8, 6, 0.45, (0, 4))
    menu = Layer(gw + 12, gh + 12)
    menu.rrect(0, 0, gw + 12, gh + 12, 8, fill=th["frame"] + (255,))
    menu.rrect(3, 3, gw + 9, gh + 9, 5, outline=th["frame_line"] + (255,), width=1.5)
    over(base, menu, gx - 6, gy - 6)
    base[gy : gy + gh, gx : gx + gw] = (255, 255, 255)

    title = Layer(540, 120)
    text_ink(title, 270, 62, "Orvante", "cherry", 64, th["title_edge"] + (255,), stroke=3, stroke_fill=th["title_edge"])
    text_ink(title, 270, 62, "Orvante", "cherry", 64, th["title"])
    glow = title.blurred(6)
    over(base, glow, 298, 4)
    over(base, title, 298, 4)
    return to_u8(base)


def decorate(th, base):
    """The theme's own motif behind everything else."""
    rng = np.random.default_rng(th["seed"])
    h, w, _ = base.shape
    if th["name"] == "Minuit":
        # stars: a few bright ones with a halo, many faint ones
        lay = Layer(w // 2, h // 2)
        for _ in range(160):
            x, y = rng.uniform(0, w / 2), rng.uniform(0, h / 2)
            r = rng.uniform(0.25, 0.7)
            a = int(rng.uniform(90, 230))
            lay.ellipse(x, y, r, fill=(235, 240, 255, a))
        stars = Layer(w, h)
        stars.img = lay.img.resize((w * SS, h * SS))
        over(base, stars.blurred(2.5))
        over(base, stars)
        # a faint band of light across the sky
        y, x = np.mgrid[0:h, 0:w]
        band = np.exp(-(((y - 0.55 * x - 80) / 120.0) ** 2))
        tex = noise(w, h, th["seed"] + 1, 1.0, scale=48)[..., 0]
        base += (band * (0.6 + 0.4 * tex))[..., None] * np.array([34, 26, 60])
    elif th["name"] == "Lagon":
        # soft light bands, as the sun seen through shallow water
        y, x = np.mgrid[0:h, 0:w].astype(np.float64)
        waves = np.zeros((h, w))
        for k, (f, p, a) in enumerate(((0.011, 0.0, 1.0), (0.017, 1.7, 0.7), (0.007, 3.1, 0.8))):
            phase = np.sin(x * f + p) * 26 + np.sin(x * f * 2.3 + p) * 9
            waves += a * np.clip(np.cos((y + phase) * 0.045 + k), 0, 1) ** 10
        tex = noise(w, h, th["seed"] + 1, 1.0, scale=40)[..., 0]
        base += (waves * (0.7 + 0.3 * tex))[..., None] * np.array([30, 34, 30])
        for _ in range(26):
            lay = Layer(60, 60)
            r = rng.uniform(4, 12)
            lay.ellipse(30, 30, r, outline=(255, 255, 255, 150), width=1.2)
            lay.ellipse(30 - r * 0.35, 30 - r * 0.35, r * 0.25, fill=(255, 255, 255, 120))
            x0, y0 = int(rng.uniform(0, w - 60)), int(rng.uniform(0, h - 60))
            over(base, lay, x0, y0)
    else:
        # linen: faint weave plus a few large digits stamped in the margins
        y, x = np.mgrid[0:h, 0:w]
        weave = (np.sin(x * 1.7) * np.sin(y * 1.7)) * 2.0
        base += weave[..., None]
        tex = noise(w, h, th["seed"] + 1, 6.0, scale=24)
        base += tex
        spots = [(40, 640, 7), (150, 680, 3), (230, 50, 5), (40, 60, 2)]
        for x0, y0, d in spots:
            lay = Layer(120, 120)
            text_ink(lay, 60, 60, str(d), "serif", 90, th["deco"] + (26,))
            over(base, lay, x0 - 30, y0 - 40)


# --- options panel -------------------------------------------------------------------------------


def options_panel(th):
    w, h = OPTIONS[2], OPTIONS[3]
    base = vertical_gradient(w, h, th["panel_top"], th["panel_bottom"])
    base += noise(w, h, th["seed"] + 7, 2.0)
    lay = Layer(w, h)
    lay.rrect(0, 0, w, h, 8, outline=th["panel_border"] + (255,), width=3)
    lay.rrect(5, 5, w - 5, h - 5, 5, outline=th["panel_line"] + (255,), width=1)
    # a small board emblem at the top, above the first label
    for i in range(3):
        for j in range(3):
            x0 = 52 + i * 17
            y0 = 14 + j * 14
            col = th["given_bottom"] if (i + j) % 2 == 0 else th["panel_line"]
            lay.rrect(x0, y0, x0 + 14, y0 + 11, 3, fill=col + (255,))
    # thin separators between the groups of controls
    for y in (140, 310, 380):
        lay.line([(20, y), (w - 20, y)], fill=th["panel_line"] + (200,), width=1)
    base = over(base, lay)
    return to_u8(base)


def placeholder(colour):
    return np.array(np.broadcast_to(np.array(colour, dtype=np.uint8), (8, 8, 3)))


def make_theme(th, folder):
    os.makedirs(folder, exist_ok=True)
    pics = {}
    for d in range(10):
        pics[d] = piece(th, d, given=False)
        pics[13 + d] = piece(th, d, given=True)
    pics[10] = cell_picture(th)
    pics[11] = placeholder(th["frame"])
    pics[12] = background(th)
    pics[23] = options_panel(th)
    pics[24] = placeholder(th["frame"])
    pics[25] = ring_picture(th)
    pics[26] = wrong_overlay(th)
    for k in range(27):
        write_bmp(os.path.join(folder, "%d.bmp" % k), pics[k])
    return pics


def make_all(graphisme):
    for th in THEMES:
        make_theme(th, os.path.join(graphisme, th["name"]))


KEYED = set(range(0, 10)) | set(range(13, 23)) | {25}
