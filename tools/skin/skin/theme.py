"""Colours, fonts and the drawing canvas shared by every window.

Drawing happens at twice the final size and is reduced with a box filter, which gives smooth edges
to shapes and text while keeping every rectangle on exact pixel boundaries.
"""

import io
import math

from PIL import Image, ImageDraw, ImageFont

SCALE = 2

# Dark theme.
WINDOW = (17, 19, 23)
TITLE = (11, 12, 15)
CARD = (26, 29, 35)
CARD_EDGE = (44, 49, 58)
PLATE = (13, 14, 17)
PLATE_EDGE = (52, 57, 66)
FIELD = (12, 13, 16)
TEXT = (226, 229, 235)
TEXT_DIM = (140, 147, 158)
TEXT_OFF = (82, 87, 96)
ACCENT = (38, 196, 241)
ACCENT_DARK = (14, 104, 134)
ACCENT_DEEP = (9, 62, 82)
WARN = (235, 72, 72)
OK_GREEN = (70, 205, 110)

CAP_TOP = (38, 42, 49)
CAP_SIDE = (24, 26, 31)
CAP_EDGE = (58, 63, 73)

BUTTON = (40, 45, 53)
BUTTON_EDGE = (62, 68, 79)

STATES = ("normal", "over", "down", "disable")

_FONT_FILES = {
    "sans": "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "bold": "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "cond": "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf",
    "condbold": "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
    # The CJK font the set-up installs (fonts-wqy-microhei); it has no bold face.
    "cjk": "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
}
_font_cache = {}


def font(face, size):
    key = (face, size)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(_FONT_FILES[face], int(round(size * SCALE)))
    return _font_cache[key]


def _has_cjk(s):
    return any(ord(ch) >= 0x2E80 for ch in s)


def text_face(face, s):
    """The face a text is drawn with: DejaVu has no Chinese, so Chinese text takes the CJK font."""
    return "cjk" if _has_cjk(s) else face


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


class Canvas:
    """A picture drawn in final-size coordinates at SCALE times the resolution."""

    def __init__(self, width, height, fill=WINDOW):
        self.width, self.height = width, height
        self.image = Image.new("RGB", (width * SCALE, height * SCALE), fill)
        self.draw = ImageDraw.Draw(self.image)

    @staticmethod
    def _s(v):
        return int(round(v * SCALE))

    def _box(self, r):
        return (self._s(r.x), self._s(r.y), self._s(r.x + r.w) - 1, self._s(r.y + r.h) - 1)

    def rect(self, r, fill=None, outline=None, radius=0, width=1):
        self.draw.rounded_rectangle(self._box(r), radius=self._s(radius), fill=fill,
                                    outline=outline, width=self._s(width) if outline else 0)

    def vgradient(self, r, top, bottom, radius=0):
        """Vertical gradient clipped to a rounded rectangle."""
        w, h = self._s(r.w), self._s(r.h)
        grad = Image.new("RGB", (w, h))
        gd = ImageDraw.Draw(grad)
        for y in range(h):
            gd.line([(0, y), (w, y)], fill=mix(top, bottom, y / max(1, h - 1)))
        mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(mask).rounded_rectangle((0, 0, w - 1, h - 1), radius=self._s(radius), fill=255)
        self.image.paste(grad, (self._s(r.x), self._s(r.y)), mask)

    def line(self, points, fill, width=1):
        self.draw.line([(self._s(x), self._s(y)) for x, y in points], fill=fill, width=self._s(width))

    def polygon(self, points, fill):
        self.draw.polygon([(self._s(x), self._s(y)) for x, y in points], fill=fill)

    def ellipse(self, cx, cy, rx, ry=None, fill=None, outline=None, width=1):
        ry = rx if ry is None else ry
        self.draw.ellipse((self._s(cx - rx), self._s(cy - ry), self._s(cx + rx), self._s(cy + ry)),
                          fill=fill, outline=outline, width=self._s(width) if outline else 0)

    def arc(self, cx, cy, r, start, end, fill, width=1):
        self.draw.arc((self._s(cx - r), self._s(cy - r), self._s(cx + r), self._s(cy + r)),
                      start, end, fill=fill, width=self._s(width))

    def text(self, x, y, s, face="sans", size=9, fill=TEXT, anchor="la"):
        # A thin stroke stands in for the bold weight the CJK font lacks; small text stays clear
        # without it.
        stroke = 1 if text_face(face, s) != face and "bold" in face and size >= 9 else 0
        self.draw.text((self._s(x), self._s(y)), s, font=font(text_face(face, s), size), fill=fill,
                       anchor=anchor, stroke_width=stroke, stroke_fill=fill)

    def text_in(self, r, s, face="sans", size=9, fill=TEXT, align="center", dy=0):
        """Text centred vertically in r; fitted by shrinking when it is too wide."""
        while size > 5 and font(text_face(face, s), size).getlength(s) / SCALE > r.w - 4:
            size -= 0.5
        cy = r.y + r.h / 2 + dy
        if align == "center":
            self.text(r.x + r.w / 2, cy, s, face, size, fill, "mm")
        elif align == "left":
            self.text(r.x + 2, cy, s, face, size, fill, "lm")
        else:
            self.text(r.right - 2, cy, s, face, size, fill, "rm")

    def finish(self):
        return self.image.resize((self.width, self.height), Image.BOX)


def shift_for_buttons(image):
    """A full-window button picture: image buttons copy their look from one pixel above and to
    the left of their own position, so the picture holds the window moved up and left by one
    pixel, and a button then lines up exactly with the background around it."""
    shifted = Image.new("RGB", image.size, WINDOW)
    shifted.paste(image, (-1, -1))
    return shifted


def jpeg_bytes(image):
    out = io.BytesIO()
    image.save(out, "JPEG", quality=94, subsampling=0, optimize=False, progressive=False)
    return out.getvalue()


def bmp_bytes(image):
    out = io.BytesIO()
    image.save(out, "BMP")
    return out.getvalue()


def mask_bytes(width, height, radius):
    """Window shape: black inside a rounded rectangle, pure white (transparent) outside."""
    big = Image.new("L", (width * 4, height * 4), 255)
    ImageDraw.Draw(big).rounded_rectangle((0, 0, width * 4 - 1, height * 4 - 1), radius=radius * 4, fill=0)
    small = big.resize((width, height), Image.BOX).point(lambda v: 255 if v == 255 else 0)
    out = io.BytesIO()
    small.convert("P").save(out, "BMP")
    return out.getvalue()


# --- shared widgets -------------------------------------------------------------------------

def button_face(c, r, state, label=None, size=9, radius=5, accent=False, face="bold"):
    """A push button in one of its four looks; label None leaves the face blank for a caption."""
    inner = r.inset(2)
    if state == "normal":
        top, bottom, edge, fg = (48, 54, 64), BUTTON, BUTTON_EDGE, TEXT
        if accent:
            top, bottom, edge = (20, 132, 168), ACCENT_DARK, (40, 170, 210)
    elif state == "over":
        top, bottom, edge, fg = (60, 68, 80), (48, 54, 64), ACCENT, (255, 255, 255)
        if accent:
            top, bottom = (34, 170, 212), (20, 132, 168)
    elif state == "down":
        top, bottom, edge, fg = ACCENT_DEEP, ACCENT_DARK, ACCENT, (255, 255, 255)
    else:
        top, bottom, edge, fg = (30, 33, 38), (28, 31, 36), (40, 44, 51), TEXT_OFF
    c.vgradient(inner, top, bottom, radius)
    c.rect(inner, outline=edge, radius=radius, width=1)
    if label:
        c.text_in(inner, label, face, size, fg, dy=1 if state == "down" else 0)
    return fg


def icon_button(c, r, state, glyph, radius=5):
    fg = button_face(c, r, state, None, radius=radius)
    glyph(c, r.inset(2), fg)


def field(c, r):
    c.rect(r.inset(1), fill=FIELD, outline=CARD_EDGE, radius=3)


def card(c, r, title=None):
    c.rect(r, fill=CARD, outline=CARD_EDGE, radius=8)
    if title:
        c.text(r.x + 12, r.y + 13, title, "condbold", 8.5, TEXT_DIM, "lm")
        c.line([(r.x + 14 + font("condbold", 8.5).getlength(title) / SCALE, r.y + 13),
                (r.right - 12, r.y + 13)], CARD_EDGE)


def title_bar(c, width, height, title):
    c.rect(R0(0, 0, width, height), fill=TITLE)
    c.line([(0, height - 0.5), (width, height - 0.5)], ACCENT_DARK)
    c.text(16, height / 2, "MORVANE", "bold", 12, ACCENT, "lm")
    c.text(16 + font("bold", 12).getlength("MORVANE") / SCALE + 12, height / 2 + 1, title,
           "cond", 9, TEXT_DIM, "lm")


def R0(x, y, w, h):
    from .geometry import Rect
    return Rect(x, y, w, h)


# --- glyphs drawn inside a rectangle in a colour ---------------------------------------------

def glyph_close(c, r, fg):
    cx, cy, d = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.2
    c.line([(cx - d, cy - d), (cx + d, cy + d)], fg, 1.6)
    c.line([(cx - d, cy + d), (cx + d, cy - d)], fg, 1.6)


def glyph_minimise(c, r, fg):
    cx, cy, d = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.22
    c.line([(cx - d, cy + d * 0.6), (cx + d, cy + d * 0.6)], fg, 1.6)


def glyph_menu(c, r, fg):
    cx, cy, d = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.24
    for k in (-1, 0, 1):
        c.line([(cx - d, cy + k * d * 0.75), (cx + d, cy + k * d * 0.75)], fg, 1.4)


def glyph_help(c, r, fg):
    c.text(r.x + r.w / 2, r.y + r.h / 2 + 0.5, "?", "bold", min(r.w, r.h) * 0.42, fg, "mm")


def glyph_arrow(direction):
    def draw(c, r, fg):
        cx, cy, d = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.22
        pts = {"left": [(cx + d * 0.6, cy - d), (cx - d * 0.7, cy), (cx + d * 0.6, cy + d)],
               "right": [(cx - d * 0.6, cy - d), (cx + d * 0.7, cy), (cx - d * 0.6, cy + d)],
               "up": [(cx - d, cy + d * 0.6), (cx, cy - d * 0.7), (cx + d, cy + d * 0.6)],
               "down": [(cx - d, cy - d * 0.6), (cx, cy + d * 0.7), (cx + d, cy - d * 0.6)]}
        c.polygon(pts[direction], fg)
    return draw


def glyph_plus(c, r, fg):
    cx, cy, d = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.24
    c.line([(cx - d, cy), (cx + d, cy)], fg, 1.8)
    c.line([(cx, cy - d), (cx, cy + d)], fg, 1.8)


def glyph_minus(c, r, fg):
    cx, cy, d = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.24
    c.line([(cx - d, cy), (cx + d, cy)], fg, 1.8)


def glyph_swap(c, r, fg):
    cx, cy, d = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.26
    c.line([(cx - d, cy - d * 0.45), (cx + d, cy - d * 0.45)], fg, 1.4)
    c.polygon([(cx + d + 1, cy - d * 0.45), (cx + d * 0.35, cy - d * 0.95), (cx + d * 0.35, cy + d * 0.05)], fg)
    c.line([(cx - d, cy + d * 0.45), (cx + d, cy + d * 0.45)], fg, 1.4)
    c.polygon([(cx - d - 1, cy + d * 0.45), (cx - d * 0.35, cy - d * 0.05), (cx - d * 0.35, cy + d * 0.95)], fg)


def glyph_keyboard(c, r, fg):
    w, h = r.w * 0.62, r.h * 0.44
    k = R0(r.x + (r.w - w) / 2, r.y + (r.h - h) / 2, w, h)
    c.rect(k, outline=fg, radius=2, width=1.2)
    for row in range(2):
        for col in range(5):
            x = k.x + 2.5 + col * (k.w - 5) / 5
            c.rect(R0(x, k.y + 2.5 + row * (k.h - 4) / 3, (k.w - 5) / 5 - 1.2, 1.6), fill=fg)
    c.rect(R0(k.x + k.w * 0.28, k.y + k.h - 4, k.w * 0.44, 1.6), fill=fg)


def glyph_reset(c, r, fg):
    cx, cy, rad = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.26
    c.arc(cx, cy, rad, 60, 360, fg, 1.6)
    ang = math.radians(60)
    px, py = cx + rad * math.cos(ang), cy + rad * math.sin(ang)
    c.polygon([(px - 3.5, py - 1), (px + 2, py - 3.5), (px + 1.5, py + 3)], fg)


def glyph_list(c, r, fg):
    cx, cy, d = r.x + r.w / 2, r.y + r.h / 2, min(r.w, r.h) * 0.24
    for k in (-1, 0, 1):
        c.ellipse(cx - d, cy + k * d * 0.8, 1.2, fill=fg)
        c.line([(cx - d + 3.5, cy + k * d * 0.8), (cx + d, cy + k * d * 0.8)], fg, 1.3)
