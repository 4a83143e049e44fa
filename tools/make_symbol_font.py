#!/usr/bin/python3
"""Draws the weather-symbol face "Nimbrix" and writes it as a TrueType font.

Usage: tools/make_symbol_font.py [OUTPUT]   (default: data/fonts/Nimbrix.ttf)

The face holds 36 symbols at U+E234..U+E257 (the order of the report's weather-code
list, then two spare symbols the wire-icing cells use) and the two characters of the
snow-pressure unit at U+E264 and U+E267, and the two radiation units at U+E261 (per square
metre, after "MJ·" and "W") and U+E262 (per watt, in the calibration constant). Every glyph is built from a few plain shapes
(dots, bars, rings, triangles) on a 1000-unit em, full width like the text face. The
output is reproducible: no timestamps, fixed outlines. Needs python3-fonttools (Debian).
"""

import math
import os
import sys
import tempfile

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

EM = 1000
ASCENT = 880
DESCENT = 120
STROKE = 70          # width of every bar
MID = 380            # vertical centre of a symbol (on the text face's middle)
FAMILY = "Nimbrix"
FIRST_SYMBOL = 0xE234
SYMBOL_COUNT = 36
SNOW_PRESSURE_UNIT = (0xE264, 0xE267)
RADIATION_UNITS = (0xE261, 0xE262)


# ---- shapes: each returns a list of contours; a contour is a list of (x, y) points ----

def _area(points):
    return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1])) / 2


def _clockwise(points):
    """TrueType fills clockwise contours; counter-clockwise ones cut holes."""
    return list(reversed(points)) if _area(points) > 0 else list(points)


def _counter_clockwise(points):
    return list(reversed(_clockwise(points)))


def _circle_points(cx, cy, r, n=20):
    return [(round(cx + r * math.cos(2 * math.pi * k / n)), round(cy + r * math.sin(2 * math.pi * k / n)))
            for k in range(n)]


def dot(cx, cy, r=75):
    return [_clockwise(_circle_points(cx, cy, r))]


def ring(cx, cy, r, width=STROKE):
    return [_clockwise(_circle_points(cx, cy, r)), _counter_clockwise(_circle_points(cx, cy, r - width))]


def bar(x0, y0, x1, y1, width=STROKE):
    """A straight stroke between two points."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy) or 1
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    pts = [(round(x0 + nx), round(y0 + ny)), (round(x1 + nx), round(y1 + ny)),
           (round(x1 - nx), round(y1 - ny)), (round(x0 - nx), round(y0 - ny))]
    return [_clockwise(pts)]


def polyline(points, width=STROKE):
    contours = []
    for a, b in zip(points, points[1:]):
        contours += bar(a[0], a[1], b[0], b[1], width)
    return contours


def solid(points):
    return [_clockwise([(round(x), round(y)) for x, y in points])]


def triangle(cx, cy, size, down=False, filled=False):
    h = size * math.sqrt(3) / 2
    sign = -1 if down else 1
    outer = [(cx - size / 2, cy - sign * h / 3), (cx + size / 2, cy - sign * h / 3), (cx, cy + sign * 2 * h / 3)]
    if filled:
        return solid(outer)
    inset = size - STROKE * 2 * math.sqrt(3)
    hi = inset * math.sqrt(3) / 2
    inner = [(cx - inset / 2, cy - sign * hi / 3), (cx + inset / 2, cy - sign * hi / 3), (cx, cy + sign * 2 * hi / 3)]
    return solid(outer) + [_counter_clockwise([(round(x), round(y)) for x, y in inner])]


def asterisk(cx, cy, r=180):
    contours = []
    for k in range(3):
        a = math.pi / 2 + k * math.pi / 3
        contours += bar(cx - r * math.cos(a), cy - r * math.sin(a), cx + r * math.cos(a), cy + r * math.sin(a))
    return contours


def arrow_right(x0, x1, y):
    return bar(x0, y, x1, y) + polyline([(x1 - 120, y + 110), (x1, y), (x1 - 120, y - 110)])


def zigzag(cx, cy, w=360, h=420):
    return polyline([(cx + w / 2, cy + h / 2), (cx - w / 2, cy + h / 6), (cx + w / 2, cy - h / 6),
                     (cx - w / 2, cy - h / 2)])


# ---- the symbols, in code-point order ----

C = 500  # horizontal centre

SYMBOLS = [
    dot(C, MID),                                                          # 60 rain
    dot(C, MID + 230, 60) + triangle(C, MID - 90, 360, down=True),        # 80 rain shower
    dot(C, MID + 40) + bar(C + 60, MID, C - 30, MID - 200, 50),           # 50 drizzle
    asterisk(C, MID),                                                     # 70 snow
    asterisk(C, MID + 260, 120) + triangle(C, MID - 110, 340, down=True),  # 85 snow shower
    triangle(C, MID - 40, 380),                                           # 87 snow pellets
    triangle(C, MID - 40, 380) + bar(C - 260, MID - 40, C + 260, MID - 40),  # 77 snow grains
    triangle(C, MID - 40, 380, filled=True),                              # 79 ice pellets
    dot(C, MID + 250, 65) + asterisk(C, MID - 80, 140),                   # 68 sleet
    dot(C, MID + 330, 55) + asterisk(C, MID + 120, 100) + triangle(C, MID - 200, 280, down=True),  # 83
    triangle(C, MID + 190, 240, filled=True) + triangle(C, MID - 170, 340, down=True),  # 89 hail
    arrow_right(C - 280, C + 280, MID) + bar(C - 80, MID - 120, C - 80, MID + 120),  # 76 ice needles
    bar(C - 300, MID + 200, C + 300, MID + 200) + bar(C - 300, MID, C + 300, MID)
    + bar(C - 300, MID - 200, C + 300, MID - 200),                        # 42 fog
    bar(C - 300, MID + 110, C + 300, MID + 110) + bar(C - 300, MID - 110, C + 300, MID - 110),  # 10 mist
    bar(C - 300, MID - 200, C + 300, MID - 200) + dot(C, MID + 40, 90),   # 01 dew
    polyline([(C - 250, MID + 220), (C - 250, MID - 200), (C + 250, MID - 200), (C + 250, MID + 220)]),  # 02 frost
    bar(C - 300, MID + 60, C + 300, MID + 60)
    + triangle(C - 150, MID - 130, 200, down=True, filled=True)
    + triangle(C + 150, MID - 130, 200, down=True, filled=True),          # 56 glaze
    polyline([(C - 220, MID + 240), (C, MID - 60), (C + 220, MID + 240)])
    + bar(C - 300, MID - 200, C + 300, MID - 200),                        # 48 rime
    arrow_right(C - 300, C + 300, MID + 120) + bar(C - 300, MID - 160, C + 300, MID - 160),  # 38 blowing snow
    bar(C - 300, MID + 160, C + 300, MID + 160) + arrow_right(C - 300, C + 300, MID - 120),  # 39 drifting snow
    polyline([(C - 260, MID + 280), (C - 110, MID), (C - 260, MID - 280)])
    + polyline([(C + 260, MID + 280), (C + 110, MID), (C + 260, MID - 280)]),  # 19 tornado
    ring(C - 140, MID, 150) + ring(C + 140, MID, 150) + bar(C - 300, MID - 240, C + 300, MID - 240),  # 16
    zigzag(C, MID),                                                       # 03
    zigzag(C, MID) + arrow_right(C - 320, C + 320, MID),                  # 31 sandstorm
    zigzag(C, MID) + bar(C, MID - 300, C, MID + 300),                     # 07 blowing sand
    zigzag(C, MID, 260, 300),                                             # 06 floating dust
    bar(C - 120, MID - 280, C - 120, MID + 280)
    + polyline([(C - 120, MID + 250), (C + 60, MID + 120), (C + 220, MID + 250)]),  # 04 smoke
    ring(C - 150, MID, 150) + ring(C + 150, MID, 150),                    # 05 haze
    ring(C, MID, 260) + dot(C, MID, 70),                                  # 08 dust devil
    polyline([(C - 280, MID + 260), (C + 180, MID + 260), (C + 180, MID - 260)])
    + bar(C - 280, MID + 260, C - 280, MID - 260),                        # 17 thunder
    polyline([(C + 120, MID + 300), (C - 180, MID), (C + 180, MID), (C - 120, MID - 300)]),  # 13 lightning
    ring(C, MID, 220) + dot(C, MID, 60),                                  # 14
    bar(C - 260, MID - 240, C - 260, MID + 240) + bar(C + 260, MID - 240, C + 260, MID + 240)
    + dot(C, MID, 70),                                                    # 15
    polyline([(C - 260, MID + 260), (C, MID - 260), (C + 260, MID + 260)]),  # 18 squall
    ring(C, MID + 120, 150) + bar(C - 300, MID - 200, C + 300, MID - 200),  # spare: icing over a wire
    ring(C, MID, 270) + ring(C, MID, 150),                                # spare: double ring
]

UNIT_GLYPHS = [
    # the two characters of the snow-pressure unit: "g/" and "cm2" drawn as plain strokes
    ring(C - 150, MID + 40, 140) + bar(C - 30, MID + 40, C - 30, MID - 260)
    + bar(C - 30, MID - 260, C - 260, MID - 260) + bar(C + 80, MID - 260, C + 320, MID + 320),
    polyline([(C - 80, MID + 150), (C - 300, MID + 150), (C - 300, MID - 150), (C - 80, MID - 150)])
    + polyline([(C - 20, MID - 150), (C - 20, MID + 150), (C + 130, MID + 150), (C + 130, MID - 150)])
    + bar(C + 130, MID + 150, C + 280, MID + 150) + bar(C + 280, MID + 150, C + 280, MID - 150)
    + polyline([(C + 320, MID + 430), (C + 430, MID + 430), (C + 430, MID + 330), (C + 320, MID + 330),
                (C + 320, MID + 230), (C + 430, MID + 230)], 40),
]



def superscript_minus(digit_strokes):
    """A raised minus sign followed by a small digit, top right of the em."""
    return bar(C + 40, MID + 330, C + 190, MID + 330, 45) + polyline(digit_strokes, 45)


RADIATION_UNIT_GLYPHS = [
    # "m" with a raised "-2": per square metre
    bar(C - 380, MID - 250, C - 380, MID + 100) + polyline([(C - 380, MID + 60), (C - 300, MID + 110),
                                                            (C - 220, MID + 60), (C - 220, MID - 250)])
    + polyline([(C - 220, MID + 60), (C - 140, MID + 110), (C - 60, MID + 60), (C - 60, MID - 250)])
    + superscript_minus([(C + 230, MID + 430), (C + 330, MID + 430), (C + 330, MID + 330),
                         (C + 230, MID + 330), (C + 230, MID + 230), (C + 340, MID + 230)]),
    # "W" with a raised "-1": per watt
    polyline([(C - 400, MID + 250), (C - 300, MID - 250), (C - 200, MID + 100), (C - 100, MID - 250),
              (C, MID + 250)])
    + superscript_minus([(C + 240, MID + 400), (C + 290, MID + 440), (C + 290, MID + 220)]),
]


def glyph_from(contours):
    pen = TTGlyphPen(None)
    for contour in contours:
        pen.moveTo(contour[0])
        for point in contour[1:]:
            pen.lineTo(point)
        pen.closePath()
    return pen.glyph()


def build(path):
    assert len(SYMBOLS) == SYMBOL_COUNT, len(SYMBOLS)
    codes = [FIRST_SYMBOL + k for k in range(SYMBOL_COUNT)] + list(SNOW_PRESSURE_UNIT) + list(RADIATION_UNITS)
    shapes = SYMBOLS + UNIT_GLYPHS + RADIATION_UNIT_GLYPHS
    names = ["uni%04X" % code for code in codes]

    fb = FontBuilder(EM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder([".notdef", "space"] + names)
    fb.setupCharacterMap({0x20: "space", **{code: name for code, name in zip(codes, names)}})
    glyphs = {".notdef": glyph_from(ring(C, MID, 300, 40)), "space": glyph_from([])}
    glyphs.update({name: glyph_from(shape) for name, shape in zip(names, shapes)})
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    metrics = {}
    for name in fb.font.getGlyphOrder():
        g = glyf[name]
        g.recalcBounds(glyf)
        metrics[name] = (EM, getattr(g, "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({"familyName": FAMILY, "styleName": "Regular",
                       "uniqueFontIdentifier": FAMILY + "-Regular", "fullName": FAMILY,
                       "psName": FAMILY + "-Regular", "version": "Version 1.000"})
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=DESCENT, achVendID="NONE",
                fsType=0, usFirstCharIndex=0x20, usLastCharIndex=max(codes))
    fb.setupPost()
    head = fb.font["head"]
    head.created = head.modified = 0

    # Written next to the target and renamed, so a failed run never leaves half a font.
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, tmp = tempfile.mkstemp(dir=folder, suffix=".tmp")
    os.close(fd)
    try:
        fb.save(tmp)
        os.chmod(tmp, 0o644)
        os.replace(tmp, path)
    except BaseException:
        os.unlink(tmp)
        raise


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "fonts", "Nimbrix.ttf")
    build(out)
    print(out)


if __name__ == "__main__":
    main()
