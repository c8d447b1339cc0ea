"""The lighting panel's single bitmaps, each sized to the control that shows it.

Every bitmap is drawn on the panel's own colour so that it sits seamlessly in the card wherever
the panel moves it.
"""

import math

from .geometry import Rect
from .main_window import RING_INNER
from .theme import (ACCENT, ACCENT_DARK, ACCENT_DEEP, CARD, CARD_EDGE, TEXT, TEXT_DIM, TEXT_OFF,
                    Canvas, bmp_bytes, glyph_arrow, mix)

PRESETS = (("hong", (235, 40, 40)), ("huang", (250, 205, 0)), ("lv", (40, 205, 70)), ("lan", (40, 110, 250)))


def _canvas(r, fill=CARD):
    return Canvas(r.w, r.h, fill), Rect(0, 0, r.w, r.h)


def lamp(r, on):
    c, a = _canvas(r)
    pill = a.inset(2)
    c.rect(pill, fill=ACCENT_DARK if on else (36, 40, 47), outline=ACCENT if on else CARD_EDGE, radius=pill.h / 2)
    knob_r = pill.h / 2 - 3
    cx = pill.right - pill.h / 2 if on else pill.x + pill.h / 2
    c.ellipse(cx, pill.y + pill.h / 2, knob_r, fill=(255, 255, 255) if on else (150, 156, 166))
    c.text(pill.x + (12 if on else pill.w - 12), pill.y + pill.h / 2, "ON" if on else "OFF",
           "condbold", 6.5, (255, 255, 255) if on else TEXT_DIM, "mm")
    return c.finish()


def slider(r, position, fill_colour):
    c, a = _canvas(r)
    x0, x1, cy = 10, a.w - 10, a.h / 2
    c.rect(Rect(x0 - 2, int(cy - 2), x1 - x0 + 4, 4), fill=(44, 48, 56), radius=2)
    tx = x0 + (x1 - x0) * position / 4
    c.rect(Rect(x0 - 2, int(cy - 2), int(tx - x0 + 2), 4), fill=fill_colour, radius=2)
    for i in range(5):
        x = x0 + (x1 - x0) * i / 4
        c.ellipse(x, cy, 2, fill=fill_colour if i <= position else (70, 76, 86))
    c.ellipse(tx, cy, 7, fill=(235, 238, 242), outline=fill_colour, width=2)
    return c.finish()


def _toggle_face(c, a, selected):
    c.rect(a.inset(2), fill=ACCENT_DARK if selected else (34, 38, 45),
           outline=ACCENT if selected else CARD_EDGE, radius=4)
    return (255, 255, 255) if selected else TEXT_DIM


def direction(r, kind, selected):
    c, a = _canvas(r)
    fg = _toggle_face(c, a, selected)
    cx, cy = a.w / 2, a.h / 2
    if kind in ("left", "right", "up", "down"):
        glyph_arrow(kind)(c, Rect(int(cx - 12), int(cy - 12), 24, 24), fg)
        # a trailing bar shows the flow of the effect
        if kind in ("left", "right"):
            s = 1 if kind == "right" else -1
            c.line([(cx - s * 10, cy), (cx - s * 2, cy)], fg, 1.6)
        else:
            s = 1 if kind == "down" else -1
            c.line([(cx, cy - s * 8), (cx, cy - s * 1)], fg, 1.6)
    elif kind == "spread":
        for s in (-1, 1):
            c.polygon([(cx + s * 12, cy), (cx + s * 6, cy - 5), (cx + s * 6, cy + 5)], fg)
        c.ellipse(cx, cy, 2.5, fill=fg)
    else:  # gather
        for s in (-1, 1):
            c.polygon([(cx + s * 4, cy), (cx + s * 10, cy - 5), (cx + s * 10, cy + 5)], fg)
        c.line([(cx - 13, cy - 6), (cx - 13, cy + 6)], fg, 1.4)
        c.line([(cx + 13, cy - 6), (cx + 13, cy + 6)], fg, 1.4)
    return c.finish()


def check(r, on):
    c, a = _canvas(r)
    box = a.inset(3)
    c.rect(box, fill=ACCENT_DARK if on else (16, 18, 22), outline=ACCENT if on else (70, 76, 86), radius=3)
    if on:
        c.line([(box.x + 4, box.y + box.h * 0.52), (box.x + box.w * 0.42, box.bottom - 5),
                (box.right - 4, box.y + 4)], (255, 255, 255), 2)
    return c.finish()


def preset(r, colour, selected):
    c, a = _canvas(r)
    inner = a.inset(3)
    c.rect(inner, fill=colour, outline=(255, 255, 255) if selected else mix(colour, (0, 0, 0), 0.45),
           radius=5, width=2 if selected else 1)
    if selected:
        cx, cy = inner.x + inner.w / 2, inner.y + inner.h / 2
        c.line([(cx - 5, cy), (cx - 1.5, cy + 3.5), (cx + 5, cy - 4)], (20, 20, 20), 2.2)
    return c.finish()


def tool(r, which, selected):
    c, a = _canvas(r)
    fg = _toggle_face(c, a, selected)
    cx, cy = a.w / 2, a.h / 2
    if which == 1:  # brush: paints one key in the paint colour
        c.line([(cx + 6, cy - 7), (cx - 2, cy + 1)], fg, 2.4)
        c.polygon([(cx - 2, cy - 1), (cx + 1, cy + 2), (cx - 4, cy + 8), (cx - 8, cy + 7), (cx - 7, cy + 3)], fg)
    else:  # bucket: keys that follow the base colour
        c.polygon([(cx - 7, cy - 2), (cx, cy - 8), (cx + 6, cy - 2), (cx - 1, cy + 6)], fg)
        c.ellipse(cx + 8, cy + 4, 2.5, fill=fg)
    return c.finish()


def busy_frame(r, frame):
    c, a = _canvas(r, RING_INNER)
    cx, cy = a.w / 2, a.h / 2
    for i in range(10):
        ang = math.radians(i * 36 - 90)
        age = (frame - i) % 10
        col = mix(ACCENT, RING_INNER, min(1.0, age / 7))
        c.ellipse(cx + 20 * math.cos(ang), cy + 20 * math.sin(ang), 4.2 - age * 0.2, fill=col)
    return c.finish()


def bitmaps(layout):
    """file name -> BMP bytes for every single bitmap of the panel."""
    out = {}
    lamp_r = layout["CONTROL_DengStaPic"]
    out["dengup.bmp"] = lamp(lamp_r, False)
    out["dengdown.bmp"] = lamp(lamp_r, True)
    for p in range(5):
        out["%d.bmp" % p] = slider(layout["CONTROL_LightSlider"], p, (250, 190, 60))
        out["%d.bmp" % (5 + p)] = slider(layout["CONTROL_SpeedSlider"], p, ACCENT)
    dr = layout["CONTROL_BLFXLStaPic"]
    for name, kind in (("left", "left"), ("right", "right"), ("up", "up"), ("down", "down"),
                       ("kuosan", "spread"), ("julong", "gather")):
        plain, chosen = (name + "up", name + "down") if name in ("left", "right", "up", "down") \
            else (name, name + "down")
        out[plain + ".bmp"] = direction(dr, kind, False)
        out[chosen + ".bmp"] = direction(dr, kind, True)
    ck = layout["CONTROL_HXsjsStaPic"]
    out["sjsup.bmp"] = check(ck, False)
    out["sjsdown.bmp"] = check(ck, True)
    pr = layout["CONTROL_HONGPIC"]
    for name, colour in PRESETS:
        out[name + ".bmp"] = preset(pr, colour, False)
        out[name + "ok.bmp"] = preset(pr, colour, True)
    tr = layout["CONTROL_USERgjStaPic1"]
    for n in (1, 2):
        out["user%dup.bmp" % n] = tool(tr, n, False)
        out["user%ddown.bmp" % n] = tool(tr, n, True)
    jr = layout["CONTROL_JDTStatic"]
    for f in range(10):
        out["jdt%d.bmp" % (f + 1)] = busy_frame(jr, f)
    return {name: bmp_bytes(img) for name, img in out.items()}


# Which bitmap sizes must match which controls (checked after generation).
BITMAP_CONTROLS = {
    "CONTROL_DengStaPic": ("dengup.bmp", "dengdown.bmp"),
    "CONTROL_LightSlider": tuple("%d.bmp" % p for p in range(5)),
    "CONTROL_SpeedSlider": tuple("%d.bmp" % p for p in range(5, 10)),
    "CONTROL_BLFXLStaPic": ("leftup.bmp", "leftdown.bmp", "rightup.bmp", "rightdown.bmp", "upup.bmp",
                            "updown.bmp", "downup.bmp", "downdown.bmp", "kuosan.bmp", "kuosandown.bmp",
                            "julong.bmp", "julongdown.bmp"),
    "CONTROL_HXsjsStaPic": ("sjsup.bmp", "sjsdown.bmp"),
    "CONTROL_HONGPIC": ("hong.bmp", "hongok.bmp", "huang.bmp", "huangok.bmp", "lv.bmp", "lvok.bmp",
                        "lan.bmp", "lanok.bmp"),
    "CONTROL_USERgjStaPic1": ("user1up.bmp", "user1down.bmp", "user2up.bmp", "user2down.bmp"),
    "CONTROL_JDTStatic": tuple("jdt%d.bmp" % f for f in range(1, 11)),
}
