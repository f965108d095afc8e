"""The display font: Cherry Bomb (SIL Open Font License) turned into a TrueType-outline font whose
family is "CHOW FUN", the family name the game asks for."""
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

SOURCE = "/usr/share/fonts/opentype/cherrybomb/CherryBomb-Regular.otf"
LICENCE_SOURCE = "/usr/share/doc/fonts-cherrybomb/copyright"
FAMILY = "CHOW FUN"
# head.created / head.modified, seconds since 1904: fixed so that the file is the same every time.
STAMP = 3672994644


def quadratic_outlines(font):
    """Replaces the cubic CFF outlines by quadratic glyf outlines."""
    order = font.getGlyphOrder()
    cubic = font.getGlyphSet()
    glyf = newTable("glyf")
    glyf.glyphOrder = order
    glyf.glyphs = {}
    for name in order:
        pen = TTGlyphPen(None)
        cubic[name].draw(Cu2QuPen(pen, max_err=1.0, reverse_direction=True))
        glyf[name] = pen.glyph()
    font["glyf"] = glyf
    font["loca"] = newTable("loca")
    del font["CFF "]
    font.sfntVersion = "\000\001\000\000"
    font["head"].glyphDataFormat = 0
    maxp = font["maxp"]
    maxp.tableVersion = 0x00010000
    maxp.maxZones = 1
    maxp.maxTwilightPoints = 0
    maxp.maxStorage = 0
    maxp.maxFunctionDefs = 0
    maxp.maxInstructionDefs = 0
    maxp.maxStackElements = 0
    maxp.maxSizeOfInstructions = 0
    maxp.maxComponentElements = 0
    post = font["post"]
    post.formatType = 2.0
    post.extraNames = []
    post.mapping = {}
    post.glyphOrder = order


def rename(font):
    names = font["name"]
    for rec in list(names.names):
        if rec.nameID in (1, 3, 4, 6, 16, 17, 21, 22):
            names.removeNames(nameID=rec.nameID)
    for pid, eid, lid in ((1, 0, 0), (3, 1, 0x409)):
        names.setName(FAMILY, 1, pid, eid, lid)
        names.setName("Regular", 2, pid, eid, lid)
        names.setName("CHOW FUN Regular; modified from Cherry Bomb 4.0", 3, pid, eid, lid)
        names.setName(FAMILY, 4, pid, eid, lid)
        names.setName("CHOWFUN-Regular", 6, pid, eid, lid)
        names.setName(
            "Cherry Bomb by satsuyako and Marc Foley, renamed CHOW FUN and converted to "
            "TrueType outlines for the game Orvante.",
            10,
            pid,
            eid,
            lid,
        )


def make(dest_font, dest_licence):
    font = TTFont(SOURCE, recalcTimestamp=False)
    for tag in ("FFTM",):
        if tag in font:
            del font[tag]
    quadratic_outlines(font)
    rename(font)
    font["head"].created = STAMP
    font["head"].modified = STAMP
    font.save(dest_font, reorderTables=True)
    write_licence(dest_licence)


def write_licence(dest):
    """The font's notice and the full Open Font License, taken from the Debian package's record."""
    with open(LICENCE_SOURCE, encoding="utf-8") as f:
        lines = f.read().split("\n")
    start = next(i for i, l in enumerate(lines) if l.startswith("License: OFL-1.1"))
    body = []
    for l in lines[start + 1 :]:
        if not l.startswith(" "):
            break
        body.append("" if l == " ." else l[1:])
    head = [
        "CHOWFUN_.TTF",
        "",
        "A Modified Version of the font Cherry Bomb 4.0:",
        "Copyright 2019-2020 The Cherry Bomb Project Authors",
        "(satsuyako and Marc Foley, https://github.com/satsuyako/CherryBomb).",
        "Changes: family renamed to CHOW FUN, outlines converted to TrueType.",
        "Cherry Bomb declares no Reserved Font Name.",
        "",
        "This Font Software is licensed under the SIL Open Font License, Version 1.1.",
        "",
    ]
    with open(dest, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(head + body).rstrip() + "\n")
