"""Contact sheets of every picture and a play-screen mock-up per theme, composed the way the game
draws its board, for looking at the art. Usage: preview.py DATA_DIR OUT_DIR"""
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from canvas import read_bmp  # noqa: E402
from themes import KEYED, THEMES  # noqa: E402
from windows import own_grid  # noqa: E402

BOARD_LEFT, BOARD_TOP, CELL = 298, 140, 60


def load_theme(folder):
    """Pictures as float RGB plus alpha, keyed ones transparent where they hold pixel (1, 1)'s colour."""
    pics = {}
    for k in range(27):
        rgb = read_bmp(os.path.join(folder, "%d.bmp" % k)).astype(np.float64)
        alpha = np.ones(rgb.shape[:2])
        if k in KEYED:
            alpha[np.all(rgb == rgb[1, 1], axis=-1)] = 0.0
        pics[k] = (rgb, alpha)
    return pics


def draw(dst, pic, x, y, opacity=1.0):
    rgb, alpha = pic
    h, w = alpha.shape
    a = (alpha * opacity)[..., None]
    dst[y : y + h, x : x + w] = rgb * a + dst[y : y + h, x : x + w] * (1 - a)


def scaled_mark(pic, size=20):
    """Bilinear sampling of the premultiplied picture, as a painter with smooth transforms does."""
    rgb, alpha = pic
    h, w = alpha.shape
    pm = np.dstack([rgb * alpha[..., None], alpha])
    s = (np.arange(size) + 0.5) * w / size - 0.5
    i0 = np.clip(np.floor(s).astype(int), 0, w - 1)
    i1 = np.clip(i0 + 1, 0, w - 1)
    f = np.clip(s - i0, 0, 1)
    rows = pm[i0] * (1 - f)[:, None, None] + pm[i1] * f[:, None, None]
    out = rows[:, i0] * (1 - f)[None, :, None] + rows[:, i1] * f[None, :, None]
    a = out[..., 3]
    rgb2 = np.where(a[..., None] > 0, out[..., :3] / np.maximum(a[..., None], 1e-9), 0)
    return rgb2, a


def chow(size):
    return ImageFont.truetype(os.path.join(DATA, "graphisme", "CHOWFUN_.TTF"), size)


def face(state, text):
    """A button face with its caption, placed as the game places it."""
    img = Image.fromarray(read_bmp(os.path.join(DATA, "graphisme", "%d.bmp" % state)))
    colour = {1: (125, 25, 25), 2: (255, 0, 0), 3: (128, 128, 128)}[state]
    x = 70 - len(text) * 12 // 2 + 6
    d = ImageDraw.Draw(img)
    d.text((x, 11), text, font=chow(16), fill=colour, stroke_width=0)
    d.text((x + 0.5, 11), text, font=chow(16), fill=colour)
    return np.asarray(img, dtype=np.float64)


def language():
    with open(os.path.join(DATA, "Textes", "Francais.txt"), encoding="cp1252", newline="") as f:
        return [l[4:] for l in f.read().split("\r\n")]


def mockup(th, pics, labels_white, opacity):
    screen = np.zeros((768, 1024, 3))
    draw(screen, pics[12], 0, 0)
    lines = language()
    # the game menu: white panel with its stacked buttons
    for i, k in enumerate((4, 3, 5, 8, 9, 7, 6, 10)):
        state = 2 if i == 2 else 1
        f = face(state, lines[k + 2])
        screen[140 + 4 + i * 55 : 140 + 4 + i * 55 + 49, 72 + 10 : 72 + 150] = f
    givens = [" ".join(str(d) if d else "." for d in row) for row in own_grid()]
    empties = [(x, y) for y in range(9) for x in range(9) if givens[y].split()[x] == "."]
    player = {empties[i]: 1 + (i * 4) % 9 for i in range(0, 30, 3)}
    wrong = {empties[4]: 6}
    marks = {empties[1]: [1, 5, 9], empties[7]: [2, 3, 5, 7, 9], empties[14]: [2, 4], empties[22]: [4, 5, 6, 7, 8],
             empties[10]: [1, 2, 3, 4, 5, 6, 7, 8, 9], empties[3]: [7]}
    for y in range(9):
        for x in range(9):
            cx, cy = BOARD_LEFT + x * CELL, BOARD_TOP + y * CELL
            draw(screen, pics[10], cx, cy, 150 / 255)
            ch = givens[y].split()[x]
            if ch != ".":
                draw(screen, pics[13 + int(ch)], cx + 4, cy + 4, opacity)
            elif (x, y) in player:
                draw(screen, pics[player[(x, y)]], cx + 4, cy + 4, opacity)
            elif (x, y) in wrong:
                draw(screen, pics[wrong[(x, y)]], cx + 4, cy + 4, opacity)
                draw(screen, pics[26], cx + 4, cy + 4, 150 / 255)
            for d in marks.get((x, y), []):
                k = d - 1
                ox = [2, 21, 39][k % 3]
                oy = [2, 21, 40][k // 3]
                draw(screen, scaled_mark(pics[d]), cx + ox, cy + oy, 1.0)
    rng = np.random.default_rng(1)
    for i in (1, 2):
        red = (200 + rng.integers(0, 15), 55, 55)
        x = BOARD_LEFT + 3 * i * CELL - 1
        screen[BOARD_TOP : BOARD_TOP + 540, x : x + 2] = red
        y = BOARD_TOP + 3 * i * CELL - 1
        screen[y : y + 2, BOARD_LEFT : BOARD_LEFT + 540] = red
    # the ring open on cell (6, 4), the pointer over digit 5's choice
    px = 6 * CELL - 90 + BOARD_LEFT + 30
    py = 4 * CELL - 90 + BOARD_TOP + 30
    draw(screen, pics[25], px - 5, py - 5, 120 / 255)
    for i in range(1, 11):
        a = i * 36 * math.pi / 180
        X = round(60 * math.sin(a) + 60 + px)
        Y = round(60 * math.cos(a) + 60 + py)
        k = 13 + (i - 1) if i == 6 else i - 1
        draw(screen, pics[k], X, Y, opacity)
    # options panel with its labels
    ox, oy = 865, 148
    screen[oy : oy + 569, ox : ox + 153] = pics[23][0]
    img = Image.fromarray(np.clip(screen, 0, 255).astype(np.uint8))
    d = ImageDraw.Draw(img)
    colour = (255, 255, 255) if labels_white else (0, 0, 0)
    lab = ImageFont.truetype("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 12)
    for (lx, ly), n in (((26, 69), 66), ((26, 156), 67), ((25, 198), 68), ((25, 245), 69), ((28, 406), 70)):
        d.text((ox + lx, oy + ly), lines[n], font=lab, fill=colour)
    for bx, by, bw, text in ((24, 175, 103, lines[38 + THEMES.index(th)]), (24, 214, 102, lines[23]), (24, 262, 104, lines[36]), (3, 425, 140, "Brise du matin.mp3")):
        d.rectangle([ox + bx, oy + by, ox + bx + bw, oy + by + 20], fill=(255, 255, 255), outline=(120, 120, 120))
        d.text((ox + bx + 4, oy + by + 4), text, font=lab, fill=(0, 0, 0))
    d.rectangle([ox + 26, oy + 90, ox + 147, oy + 109], fill=(255, 255, 255), outline=(120, 120, 120))
    d.text((ox + 30, oy + 93), "Joueur", font=lab, fill=(0, 0, 0))
    d.rectangle([ox + 5, oy + 386, ox + 144, oy + 399], fill=(0, 0, 0))
    d.text((ox + 20, oy + 386), "Brise du matin", font=lab, fill=(255, 255, 255))
    arrow_r = Image.fromarray(read_bmp(os.path.join(DATA, "graphisme", "R.bmp")))
    arrow_l = Image.fromarray(read_bmp(os.path.join(DATA, "graphisme", "L.bmp")))
    for (lx, ly), (rx, ry) in (((3, 177), (127, 176)), ((3, 217), (126, 216)), ((3, 263), (127, 264))):
        img.paste(arrow_l, (ox + lx, oy + ly))
        img.paste(arrow_r, (ox + rx, oy + ry))
    img.paste(Image.fromarray(read_bmp(os.path.join(DATA, "graphisme", "Aide.bmp"))), (927, 0))
    d.rectangle([0, 748, 1023, 767], fill=(240, 240, 240))
    d.text((6, 751), "Pions : 34      Temps : 3 min 12 s      En jeu", font=lab, fill=(0, 0, 0))
    return img


def sheet(images, cols, scale=1, bg=(128, 128, 128)):
    """Pictures laid out in a grid on a neutral ground, each labelled."""
    cells = []
    for label, arr in images:
        im = Image.fromarray(arr)
        if scale != 1:
            im = im.resize((im.width * scale, im.height * scale), Image.NEAREST)
        cells.append((label, im))
    cw = max(im.width for _, im in cells) + 16
    ch = max(im.height for _, im in cells) + 30
    rows = (len(cells) + cols - 1) // cols
    out = Image.new("RGB", (cw * cols, ch * rows), bg)
    d = ImageDraw.Draw(out)
    for i, (label, im) in enumerate(cells):
        x, y = (i % cols) * cw + 8, (i // cols) * ch + 22
        out.paste(im, (x, y))
        d.text((x, y - 16), label, fill=(255, 255, 255))
    return out


def main():
    global DATA
    DATA, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    for n, th in enumerate(THEMES):
        folder = os.path.join(DATA, "graphisme", th["name"])
        pics = load_theme(folder)
        opacity = (230 if n == 2 else 205) / 255
        mockup(th, pics, n == 1, opacity).save(os.path.join(out, "mockup_%s.png" % th["name"]))
        small = [("%d" % k, read_bmp(os.path.join(folder, "%d.bmp" % k))) for k in range(27) if k not in (12, 23)]
        sheet(small, 9, scale=2).save(os.path.join(out, "sheet_%s.png" % th["name"]))
        big = [(str(k), read_bmp(os.path.join(folder, "%d.bmp" % k))) for k in (12, 23)]
        sheet(big, 2).save(os.path.join(out, "sheet_%s_large.png" % th["name"]))
    g = os.path.join(DATA, "graphisme")
    names = ["1.bmp", "2.bmp", "3.bmp", "R.bmp", "L.bmp", "Aide.bmp", "splash.bmp", "fenetre.bmp"]
    sheet([(n, read_bmp(os.path.join(g, n))) for n in names], 4).save(os.path.join(out, "sheet_windows.png"))
    sheet([("accueil.bmp", read_bmp(os.path.join(g, "accueil.bmp")))], 1).save(os.path.join(out, "sheet_accueil.png"))


if __name__ == "__main__":
    main()
