#!/usr/bin/python3
"""What the page's layout needs of its font at build time, for write_page: the height of a line
of "line-height: normal" (ascent, descent and line gap), then each character's advance, all in
ems. Usage: font_metrics.py FONT OUT"""
import sys

from fontTools.ttLib import TTFont


def main():
    font = TTFont(sys.argv[1])
    em = font["head"].unitsPerEm
    hhea = font["hhea"]
    advances = font["hmtx"].metrics
    lines = ["%.6f" % ((hhea.ascent - hhea.descent + hhea.lineGap) / em)]
    for code, glyph in sorted(font.getBestCmap().items()):
        if code <= 0xFFFF:
            lines.append("%d %.6f" % (code, advances[glyph][0] / em))
    with open(sys.argv[2], "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
