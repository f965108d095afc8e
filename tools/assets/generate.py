"""Rebuilds every file of the data folder and the desktop icons.

Usage: generate.py DATA_DIR [texts pictures font sounds music icons]
The icons go to packaging/icons beside the data folder."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import font  # noqa: E402
import texts  # noqa: E402
import themes  # noqa: E402
import windows  # noqa: E402


def main():
    data = sys.argv[1]
    what = sys.argv[2:] or ["texts", "pictures", "font", "sounds", "music", "icons"]
    g = os.path.join(data, "graphisme")
    if "texts" in what:
        texts.make_all(os.path.join(data, "Textes"))
    if "pictures" in what:
        themes.make_all(g)
        windows.make_all(g)
    if "font" in what:
        font.make(os.path.join(g, "CHOWFUN_.TTF"), os.path.join(g, "CHOWFUN_OFL.txt"))
    if "sounds" in what:
        import sounds

        sounds.make_all(os.path.join(data, "sons"))
    if "music" in what:
        import music

        music.make_all(os.path.join(data, "Musique"))
    if "icons" in what:
        import icons

        icons.make_all(os.path.join(data, "..", "packaging", "icons"))


if __name__ == "__main__":
    main()
