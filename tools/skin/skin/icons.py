"""Tray and window icons: no keyboard (128), keyboard present (141), macro playing (142).

128 is also the program's own icon (window, taskbar, About box), so it must not read as an error:
"no keyboard" is a greyed keyboard, "present" the same keyboard in the accent colour, and only the
macro icon carries a badge. No icon uses red.
"""

import io

from PIL import Image, ImageDraw

from .theme import OK_GREEN

SIZES = (16, 32, 48)

# (body, keys) of each icon's keyboard.
GREY = ((150, 156, 166), (52, 56, 64))
LIVE = ((28, 150, 190), (10, 40, 52))


def _keyboard(size, body, keys):
    """A keyboard seen from above, drawn at 4x and reduced for smooth edges."""
    s = size * 4
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    top, bottom = s * 0.26, s * 0.80
    d.rounded_rectangle((s * 0.04, top, s * 0.96, bottom), radius=s * 0.09, fill=body + (255,))
    rows, cols = 3, 9
    kw = (s * 0.84) / cols
    kh = (bottom - top - s * 0.16) / (rows + 1)
    for r in range(rows):
        for col in range(cols):
            x = s * 0.08 + col * kw
            y = top + s * 0.06 + r * kh * 1.05
            d.rounded_rectangle((x, y, x + kw * 0.78, y + kh * 0.8), radius=s * 0.015, fill=keys + (255,))
    y = top + s * 0.06 + rows * kh * 1.05
    d.rounded_rectangle((s * 0.28, y, s * 0.72, y + kh * 0.8), radius=s * 0.015, fill=keys + (255,))
    return img, d, s


def _keyboard_16(body, keys):
    """The 16-pixel keyboard drawn on whole pixels: a reduced drawing blurs the keys into the body."""
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    px = img.load()
    for y in range(3, 13):
        for x in range(0, 16):
            corner = (x in (0, 15)) and (y in (3, 12))
            if not corner:
                px[x, y] = body + (255,)
    for row_y in (4, 7):
        for col in range(5):
            for dx in (0, 1):
                for dy in (0, 1):
                    px[1 + col * 3 + dx, row_y + dy] = keys + (255,)
    for x in range(5, 11):
        px[x, 10] = keys + (255,)
    return img


def _play_badge(img, s):
    d = ImageDraw.Draw(img)
    r = s * 0.22
    cx, cy = s - r - s * 0.01, r + s * 0.01
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=OK_GREEN + (255,), outline=(16, 16, 16, 255),
              width=max(1, s // 40))
    k = r * 0.5
    d.polygon([(cx - k * 0.7, cy - k), (cx + k, cy), (cx - k * 0.7, cy + k)], fill=(255, 255, 255, 255))


def icon_image(kind, size):
    body, keys = GREY if kind == 128 else LIVE
    if size == 16:
        img = _keyboard_16(body, keys)
        if kind == 142:
            big = Image.new("RGBA", (64, 64), (0, 0, 0, 0))
            _play_badge(big, 64)
            img.alpha_composite(big.resize((16, 16), Image.BOX))
        return img
    img, _, s = _keyboard(size, body, keys)
    if kind == 142:
        _play_badge(img, s)
    return img.resize((size, size), Image.BOX)


def ico_bytes(kind):
    frames = [icon_image(kind, n) for n in SIZES]
    out = io.BytesIO()
    frames[-1].save(out, "ICO", sizes=[(n, n) for n in SIZES], append_images=frames[:-1], bitmap_format="bmp")
    return out.getvalue()
