"""The display font: a freely licensed rounded font from Debian (SIL Open Font License) turned into
a TrueType-outline font whose family is "CHOW FUN", the family name the game asks for. The game
draws every caption bold, so the font is declared bold: the bold face is drawn as designed, never
thickened by the font engine."""
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

# Candidates tried on the button faces (tools/screens/FaceSheet.cpp draws a contact sheet of one):
# the source file, its Debian package, its name and authors for the licence notice.
CANDIDATES = {
    "cherrybomb": {
        "file": "/usr/share/fonts/opentype/cherrybomb/CherryBomb-Regular.otf",
        "package": "fonts-cherrybomb",
        "name": "Cherry Bomb 4.0",
        "notice": ["Copyright 2019-2020 The Cherry Bomb Project Authors",
                   "(satsuyako and Marc Foley, https://github.com/satsuyako/CherryBomb)."],
        "reserved": "Cherry Bomb declares no Reserved Font Name.",
    },
    "comfortaa": {
        "file": "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
        "package": "fonts-comfortaa",
        "name": "Comfortaa Bold 3.001",
        "notice": ["Copyright 2011 The Comfortaa Project Authors (Johan Aakerlund,",
                   "aajohan@gmail.com), with Reserved Font Name \"Comfortaa\"."],
        "reserved": "The modified font does not use the Reserved Font Name.",
    },
    "dosis": {
        "file": "/usr/share/fonts/opentype/dosis/Dosis-ExtraBold.otf",
        "package": "fonts-dosis",
        "name": "Dosis ExtraBold",
        "notice": ["Copyright 2011 Edgar Tolentino and Pablo Impallari,",
                   "with Reserved Font Name \"Dosis\"."],
        "reserved": "The modified font does not use the Reserved Font Name.",
    },
    "quicksand": {
        "file": "/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf",
        "package": "fonts-quicksand",
        "name": "Quicksand Bold",
        "notice": ["Copyright 2011 The Quicksand Project Authors (Andrew Paglinawan)."],
        "reserved": "",
    },
    "eurofurence": {
        "file": "/usr/share/fonts/truetype/eurofurence/eurof75.ttf",
        "package": "fonts-eurofurence",
        "name": "Eurofurence Bold",
        "notice": ["Copyright 2000-2011 Tobias Benjamin Koehler."],
        "reserved": "",
    },
}
CHOSEN = "comfortaa"
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


def rename(font, source):
    names = font["name"]
    for rec in list(names.names):
        if rec.nameID in (1, 3, 4, 6, 16, 17, 21, 22):
            names.removeNames(nameID=rec.nameID)
    for pid, eid, lid in ((1, 0, 0), (3, 1, 0x409)):
        names.setName(FAMILY, 1, pid, eid, lid)
        names.setName("Bold", 2, pid, eid, lid)
        names.setName("CHOW FUN Bold; modified from " + source["name"], 3, pid, eid, lid)
        names.setName(FAMILY + " Bold", 4, pid, eid, lid)
        names.setName("CHOWFUN-Bold", 6, pid, eid, lid)
        names.setName(
            source["name"] + ", renamed CHOW FUN and declared bold for the game Orvante.",
            10,
            pid,
            eid,
            lid,
        )


def declare_bold(font):
    font["OS/2"].usWeightClass = 700
    # fsSelection: bold (bit 5) only, not regular (bit 6) nor italic; macStyle: bold (bit 0).
    font["OS/2"].fsSelection = (font["OS/2"].fsSelection & ~0b1100001) | 0b100000
    font["head"].macStyle = (font["head"].macStyle & ~0b10) | 0b1


def make(dest_font, dest_licence, key=CHOSEN):
    source = CANDIDATES[key]
    font = TTFont(source["file"], recalcTimestamp=False)
    for tag in ("FFTM", "DSIG"):
        if tag in font:
            del font[tag]
    if "CFF " in font:
        quadratic_outlines(font)
    rename(font, source)
    declare_bold(font)
    font["head"].created = STAMP
    font["head"].modified = STAMP
    font.save(dest_font, reorderTables=True)
    write_licence(dest_licence, source)


def write_licence(dest, source):
    """The font's notice and the full Open Font License, taken from the Debian package's record."""
    with open("/usr/share/doc/%s/copyright" % source["package"], encoding="utf-8") as f:
        lines = f.read().split("\n")
    start = next(i for i, l in enumerate(lines) if l.startswith("License: ") and "OFL" in l
                 and i + 1 < len(lines) and lines[i + 1].startswith(" "))
    body = []
    for l in lines[start + 1 :]:
        if not l.startswith(" "):
            break
        body.append("" if l == " ." else l[1:])
    head = [
        "CHOWFUN_.TTF",
        "",
        "A Modified Version of the font " + source["name"] + ":",
        *source["notice"],
        "Changes: family renamed to CHOW FUN, declared bold, outlines in TrueType form.",
        *([source["reserved"]] if source["reserved"] else []),
        "",
        "This Font Software is licensed under the SIL Open Font License, Version 1.1.",
        "",
    ]
    with open(dest, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(head + body).rstrip() + "\n")
