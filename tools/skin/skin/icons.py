"""Tray and window icons: no keyboard (128), keyboard present (141), macro playing (142)."""

import io

from PIL import Image, ImageDraw

from .theme import ACCENT, OK_GREEN, WARN

SIZES = (16, 32, 48)


def _keyboard(size, body, keys):
    """A keyboard seen from above, drawn at 4x and reduced for smooth edges."""
    s = size * 4
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    top, bottom = s * 0.26, s * 0.80
    d.rounded_rectangle((s * 0.04, top, s * 0.96, bottom), radius=s * 0.09, fill=body + (255,))
    rows, cols = (3, 6) if size < 32 else (3, 9)
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


def _badge(img, d, s, colour, kind):
    r = s * 0.22
    cx, cy = s - r - s * 0.01, r + s * 0.01
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour + (255,), outline=(16, 16, 16, 255), width=max(1, s // 40))
    if kind == "cross":
        k = r * 0.45
        w = max(2, int(s * 0.06))
        d.line((cx - k, cy - k, cx + k, cy + k), fill=(255, 255, 255, 255), width=w)
        d.line((cx - k, cy + k, cx + k, cy - k), fill=(255, 255, 255, 255), width=w)
    else:
        k = r * 0.5
        d.polygon([(cx - k * 0.7, cy - k), (cx + k, cy), (cx - k * 0.7, cy + k)], fill=(255, 255, 255, 255))


def icon_image(kind, size):
    if kind == 128:
        img, d, s = _keyboard(size, (86, 92, 102), (40, 44, 50))
        _badge(img, d, s, WARN, "cross")
    elif kind == 141:
        img, d, s = _keyboard(size, (28, 150, 190), (10, 40, 52))
    else:
        img, d, s = _keyboard(size, (28, 150, 190), (10, 40, 52))
        _badge(img, d, s, OK_GREEN, "play")
    return img.resize((size, size), Image.BOX)


def ico_bytes(kind):
    frames = [icon_image(kind, n) for n in SIZES]
    out = io.BytesIO()
    frames[-1].save(out, "ICO", sizes=[(n, n) for n in SIZES], append_images=frames[:-1], bitmap_format="bmp")
    return out.getvalue()
