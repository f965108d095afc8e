"""Drawing helpers shared by the picture makers: supersampled drawing, colour keying, BMP output."""
import struct

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

# Every keyed picture is drawn on this colour; the game makes it transparent.
KEY = (255, 0, 255)
# Drawing happens at this many times the final size, then is averaged down: that is the anti-aliasing.
SS = 4

FONT_DIR = "/usr/share/fonts/"
FONTS = {
    "cherry": FONT_DIR + "opentype/cherrybomb/CherryBomb-Regular.otf",
    "serif": FONT_DIR + "truetype/dejavu/DejaVuSerif-Bold.ttf",
    "sans": FONT_DIR + "truetype/dejavu/DejaVuSans-Bold.ttf",
    "sanscond": FONT_DIR + "truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
    "liberation": FONT_DIR + "truetype/liberation2/LiberationSans-Bold.ttf",
}


def font(name, size):
    return ImageFont.truetype(FONTS[name], size)


class Layer:
    """An RGBA drawing surface SS times larger than the picture it becomes."""

    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), fill)

    def draw(self):
        return ImageDraw.Draw(self.img)

    @staticmethod
    def s(v):
        return v * SS

    def ellipse(self, cx, cy, r, fill=None, outline=None, width=0):
        d = self.draw()
        d.ellipse(
            [(cx - r) * SS, (cy - r) * SS, (cx + r) * SS, (cy + r) * SS],
            fill=fill,
            outline=outline,
            width=int(width * SS),
        )

    def rrect(self, x0, y0, x1, y1, radius, fill=None, outline=None, width=0):
        d = self.draw()
        d.rounded_rectangle(
            [x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1],
            radius=radius * SS,
            fill=fill,
            outline=outline,
            width=int(width * SS),
        )

    def polygon(self, pts, fill=None):
        self.draw().polygon([(x * SS, y * SS) for x, y in pts], fill=fill)

    def line(self, pts, fill, width):
        self.draw().line([(x * SS, y * SS) for x, y in pts], fill=fill, width=int(width * SS), joint="curve")

    def text(self, cx, cy, txt, fontname, size, fill, stroke=0, stroke_fill=None, anchor="mm"):
        f = font(fontname, int(size * SS))
        self.draw().text(
            (cx * SS, cy * SS),
            txt,
            font=f,
            fill=fill,
            anchor=anchor,
            stroke_width=int(stroke * SS),
            stroke_fill=stroke_fill,
        )

    def paste(self, other):
        """Lays another layer of the same size over this one."""
        self.img = Image.alpha_composite(self.img, other.img)

    def blurred(self, radius):
        out = Layer(self.w, self.h)
        out.img = self.img.filter(ImageFilter.GaussianBlur(radius * SS))
        return out

    def premultiplied(self):
        """Averages each SS x SS block: premultiplied colour (0..1) and coverage (0..1)."""
        a = np.asarray(self.img, dtype=np.float64) / 255.0
        rgb = a[..., :3] * a[..., 3:4]
        alpha = a[..., 3:4]
        h, w = self.h, self.w
        rgb = rgb.reshape(h, SS, w, SS, 3).mean(axis=(1, 3))
        alpha = alpha.reshape(h, SS, w, SS, 1).mean(axis=(1, 3))
        return rgb, alpha[..., 0]


def flatten(layer, background):
    """The layer composed over an opaque background array (h, w, 3 in 0..255): an RGB uint8 array."""
    rgb, alpha = layer.premultiplied()
    out = rgb * 255.0 + background * (1.0 - alpha[..., None])
    return to_u8(out)


def flatten_keyed(layer, fringe, threshold=0.3):
    """The layer as a keyed picture: pixels mostly uncovered become the key colour, the others are
    composed over the colour they will most likely stand on in the game (fringe), so the soft edge
    fades toward that colour instead of toward the key."""
    rgb, alpha = layer.premultiplied()
    out = rgb * 255.0 + np.array(fringe, dtype=np.float64) * (1.0 - alpha[..., None])
    out = to_u8(out)
    avoid_key(out)
    out[alpha < threshold] = KEY
    return out


def to_u8(a):
    return np.clip(np.rint(a), 0, 255).astype(np.uint8)


def avoid_key(rgb):
    """Moves any drawn pixel that happens to equal the key colour one step off it."""
    hit = np.all(rgb == np.array(KEY, dtype=np.uint8), axis=-1)
    rgb[hit, 1] = 1


def solid(w, h, colour):
    return np.broadcast_to(np.array(colour, dtype=np.float64), (h, w, 3)).copy()


def vertical_gradient(w, h, top, bottom):
    t = np.linspace(0.0, 1.0, h)[:, None, None]
    return np.broadcast_to(np.array(top) * (1 - t) + np.array(bottom) * t, (h, w, 3)).copy()


def radial_vignette(rgb, strength, centre=None):
    """Darkens toward the corners by up to strength (0..1)."""
    h, w, _ = rgb.shape
    cx, cy = centre if centre else (w / 2, h / 2)
    y, x = np.mgrid[0:h, 0:w]
    d = np.sqrt(((x - cx) / (w / 2)) ** 2 + ((y - cy) / (h / 2)) ** 2) / np.sqrt(2)
    return rgb * (1 - strength * np.clip(d, 0, 1) ** 2)[..., None]


def noise(w, h, seed, amount, scale=1):
    """Deterministic grain, optionally blurred into a soft texture."""
    rng = np.random.default_rng(seed)
    n = rng.standard_normal((h // scale + 2, w // scale + 2))
    img = Image.fromarray(to_u8(128 + 40 * n), "L")
    if scale > 1:
        img = img.resize(((w // scale + 2) * scale, (h // scale + 2) * scale), Image.BICUBIC)
    a = (np.asarray(img, dtype=np.float64)[:h, :w] - 128) / 40.0
    return a[..., None] * amount


def over(base, layer, x=0, y=0):
    """Composes a supersampled layer onto a float RGB array at (x, y), clipped to the array."""
    rgb, alpha = layer.premultiplied()
    h, w = alpha.shape
    H, W, _ = base.shape
    x0, y0, x1, y1 = max(x, 0), max(y, 0), min(x + w, W), min(y + h, H)
    if x0 >= x1 or y0 >= y1:
        return base
    rgb = rgb[y0 - y : y1 - y, x0 - x : x1 - x]
    alpha = alpha[y0 - y : y1 - y, x0 - x : x1 - x]
    region = base[y0:y1, x0:x1]
    base[y0:y1, x0:x1] = rgb * 255.0 + region * (1.0 - alpha[..., None])
    return base


def write_bmp(path, rgb):
    """Writes a 24-bit uncompressed (BI_RGB) bottom-up BMP with no resolution or timestamp fields."""
    rgb = np.asarray(rgb, dtype=np.uint8)
    h, w, _ = rgb.shape
    row = w * 3
    pad = (4 - row % 4) % 4
    bgr = rgb[::-1, :, ::-1]
    body = b"".join(bgr[i].tobytes() + b"\0" * pad for i in range(h))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + body)


def read_bmp(path):
    """Reads a picture written by write_bmp back into an RGB array."""
    with open(path, "rb") as f:
        data = f.read()
    off = struct.unpack_from("<I", data, 10)[0]
    w, h = struct.unpack_from("<ii", data, 18)
    row = w * 3
    pad = (4 - row % 4) % 4
    out = np.zeros((h, w, 3), dtype=np.uint8)
    for i in range(h):
        start = off + i * (row + pad)
        out[h - 1 - i] = np.frombuffer(data[start : start + row], dtype=np.uint8).reshape(w, 3)[:, ::-1]
    return out


def ink_mask(txt, fontname, size_px, stroke=0):
    """The text rendered at SS times size_px as an L mask cropped to its ink."""
    f = font(fontname, int(round(size_px * SS)))
    pad = int(stroke * SS) + 8 * SS
    d = ImageDraw.Draw(Image.new("L", (1, 1)))
    x0, y0, x1, y1 = d.textbbox((0, 0), txt, font=f, anchor="ls", stroke_width=int(stroke * SS))
    m = Image.new("L", (x1 - x0 + 2 * pad, y1 - y0 + 2 * pad), 0)
    ImageDraw.Draw(m).text(
        (pad - x0, pad - y0), txt, font=f, fill=255, anchor="ls", stroke_width=int(stroke * SS), stroke_fill=255
    )
    return m.crop(m.getbbox())


def text_ink(layer, cx, cy, txt, fontname, size_px, fill, stroke=0, stroke_fill=None):
    """Draws text whose ink (not its line box) is centred on (cx, cy)."""
    if stroke:
        outer = ink_mask(txt, fontname, size_px, stroke)
        _stamp(layer, outer, cx, cy, stroke_fill)
    inner = ink_mask(txt, fontname, size_px)
    _stamp(layer, inner, cx, cy, fill)


def _stamp(layer, mask, cx, cy, colour):
    w, h = mask.size
    x = int(round(cx * SS - w / 2))
    y = int(round(cy * SS - h / 2))
    col = Image.new("RGBA", mask.size, tuple(colour[:3]) + (255,))
    if len(colour) == 4:
        mask = mask.point(lambda v: v * colour[3] // 255)
    tmp = Image.new("RGBA", layer.img.size, (0, 0, 0, 0))
    tmp.paste(col, (x, y), mask)
    layer.img = Image.alpha_composite(layer.img, tmp)


def disc(layer, cx, cy, r, top, bottom, rim=None, rim_width=0, shine=0.0):
    """A disc with a vertical gradient, an optional rim and a soft highlight on its upper half."""
    W, H = layer.img.size
    y, x = np.mgrid[0:H, 0:W].astype(np.float64)
    x = (x + 0.5) / SS
    y = (y + 0.5) / SS
    d = np.sqrt((x - cx) ** 2 + (y - cy) ** 2)
    t = np.clip((y - (cy - r)) / (2 * r), 0, 1)[..., None]
    col = np.array(top) * (1 - t) + np.array(bottom) * t
    if shine:
        # an elliptic glow toward the top, fading out before the centre
        e = np.sqrt(((x - cx) / (r * 0.75)) ** 2 + ((y - (cy - r * 0.45)) / (r * 0.45)) ** 2)
        g = np.clip(1 - e, 0, 1)[..., None] ** 1.5 * shine
        col = col * (1 - g) + 255 * g
    if rim is not None:
        ring = (d > r - rim_width)[..., None]
        col = np.where(ring, np.array(rim, dtype=np.float64), col)
    alpha = (d <= r).astype(np.float64)
    rgba = np.dstack([col, alpha * 255])
    img = Image.fromarray(to_u8(rgba), "RGBA")
    layer.img = Image.alpha_composite(layer.img, img)
