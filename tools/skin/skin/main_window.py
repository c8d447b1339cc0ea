"""The main window: layout of every control, its full-window pictures and the Main.ini entries."""

import math

from . import keyboard as kb
from . import texts
from .geometry import Layout, R, Rect
from .ini import IniFile
from .theme import (ACCENT, ACCENT_DARK, ACCENT_DEEP, CAP_EDGE, CARD, CARD_EDGE, PLATE,
                    PLATE_EDGE, TEXT, TEXT_DIM, TEXT_OFF, WINDOW, Canvas, button_face, card,
                    field, font, glyph_arrow, glyph_close, glyph_help, glyph_list, glyph_menu,
                    glyph_minimise, glyph_swap, icon_button, mix, title_bar)

WIDTH, HEIGHT = 1100, 660
TITLE_H = 44
CORNER = 10

# Colour ring of the lighting panel: centre and squared radii as the window tests clicks.
RING_CX, RING_CY = 119, 224
RING_D_MIN, RING_D_MAX = 2808, 4624     # 53^2 < d <= 68^2

LINK = "https://www.morvane.com/"

PLATE_RECT = Rect(250, 54, 838, 272)
PLATE_PAD = 12

LEFT_CARD = Rect(10, 54, 218, 546)
PROFILE_CARD = Rect(250, 338, 414, 114)
MACRO_CARD = Rect(674, 338, 414, 114)
TIPS_CARD = Rect(250, 464, 838, 136)

# Lighting panel rows (label column and control column).
LABEL_X, LABEL_W = 20, 66
CTRL_X = 90
ROW_Y = {"A": 374, "B": 406, "C": 438, "D": 470, "E": 502}
ROW_H = 24

PRESET_COLOURS = [(254, 17, 0), (255, 100, 0), (255, 186, 0), (255, 247, 0), (144, 255, 0), (11, 255, 1)]


def _unit():
    return (PLATE_RECT.w - 2 * PLATE_PAD) / kb.UNITS_WIDE


def unit_rect(x, y, w, h):
    """Key-unit rectangle to client pixels; edges are rounded so neighbours share them."""
    u = _unit()
    ox = PLATE_RECT.x + PLATE_PAD - kb.G_COLUMN_X * u
    oy = PLATE_RECT.y + PLATE_PAD - kb.TOP_ROW_Y * u
    x0, y0 = round(ox + x * u), round(oy + y * u)
    x1, y1 = round(ox + (x + w) * u), round(oy + (y + h) * u)
    return Rect(x0, y0, x1 - x0, y1 - y0)


def _label_rect(row):
    return R(LABEL_X, ROW_Y[row] + 2, LABEL_W, 20)


def _ctrl_rect(row, dx=0, w=128, h=ROW_H):
    return R(CTRL_X + dx, ROW_Y[row], w, h)


def build_layout():
    L = Layout(WIDTH, HEIGHT)
    _layout_keys(L)
    _layout_window_controls(L)
    _layout_lighting(L)
    return L


def _layout_keys(L):
    for key in kb.PANEL_KEYS:
        L.add(kb.entry_name(key.code), unit_rect(key.x, key.y, key.w, key.h), "key", key=key)
    pitch = (6.25) / kb.G_KEY_COUNT
    for n in range(1, kb.G_KEY_COUNT + 1):
        L.add("FUNC_G%d" % n, unit_rect(kb.G_COLUMN_X, (n - 1) * pitch, kb.G_COLUMN_W, pitch), "gkey", n=n)
    L.add("KEY_FN", unit_rect(kb.FN_KEY.x, kb.FN_KEY.y, 1, 1), "key", key=kb.FN_KEY)
    strip_y, strip_h = kb.TOP_ROW_Y, 0.75
    L.add("FLIP_1", unit_rect(-1.75, strip_y, 0.6, strip_h), "button", glyph=glyph_arrow("left"))
    L.add("FLIP_0", unit_rect(-1.15, strip_y, 2.55, strip_h), "fliplabel")
    L.add("FLIP_2", unit_rect(1.4, strip_y, 0.6, strip_h), "button", glyph=glyph_arrow("right"))
    # D1..D6 replace F1..F4 when the F-row mode is switched; they live in the strip above them.
    step = 4.0 / kb.D_KEY_COUNT
    for n in range(1, kb.D_KEY_COUNT + 1):
        L.add("KEY_D%d" % n, unit_rect(2.0 + (n - 1) * step, strip_y, step, strip_h), "dkey", n=n)
    for i, (name, label) in enumerate((("LOCK_NUM", "NUM"), ("LOCK_CAPS", "CAPS"),
                                       ("LOCK_SCROLL", "SCROLL"), ("LOCK_AB", "LAYER"))):
        L.add(name, unit_rect(18.5 + i, 0, 1, 1), "lock", label=label)


def _layout_window_controls(L):
    for i, (name, glyph) in enumerate((("CONTROL_HELP", glyph_help), ("CONTROL_MENU", glyph_menu),
                                       ("CONTROL_MINIMIZE", glyph_minimise), ("CONTROL_CLOSE", glyph_close))):
        L.add(name, R(WIDTH - 156 + i * 37, 9, 34, 26), "titlebutton", glyph=glyph, close=name == "CONTROL_CLOSE")
    p = PROFILE_CARD
    for n in range(3):
        L.add("FUNC_PROFILE%d" % (n + 1), R(p.x + 12 + n * 94, p.y + 30, 90, 34), "button", caption=True)
    L.add("FUNC_DEFAULT", R(p.x + 296, p.y + 30, 106, 34), "button", caption=True)
    L.add("FUNC_PROFILES", R(p.x + 12, p.y + 72, 342, 32), "combo")
    L.add("FUNC_SWITCH", R(p.x + 360, p.y + 72, 42, 32), "button", glyph=glyph_swap)
    m = MACRO_CARD
    L.add("FUNC_MACRO", R(m.x + 12, m.y + 30, 150, 34), "button", caption=True, accent=True)
    L.add("CONTROL_UsbStatic", R(m.x + 14, m.y + 79, 96, 20), "static")
    for n, rate in enumerate(texts.REPORT_RATES):
        L.add("FUNC_REPORT%d" % (n + 1), R(m.x + 114 + n * 72, m.y + 72, 68, 32), "button", label=rate)
    L.add("VOLSKA_LINK", R(16, 622, 212, 22), "link")
    L.add("VOLSKA_VER", R(250, 622, 160, 22), "link")
    L.add("CONTROL2_APPLY", R(778, 616, 100, 34), "button", caption=True, accent=True)
    L.add("CONTROL_OK", R(884, 616, 100, 34), "button", caption=True)
    L.add("CONTROL_CANCEL", R(990, 616, 98, 34), "button", caption=True)


def _layout_lighting(L):
    c = LEFT_CARD
    L.add("CONTROL_DengStatic", R(c.x + 12, 72, 110, 20), "static")
    L.add("CONTROL_DengStaPic", R(c.right - 62, 70, 50, 24), "static")
    L.add("LEFT_ARROW", R(c.x + 10, 104, 20, 24), "arrow", side="left")
    L.add("CONTROL_XGcombox", R(c.x + 34, 104, 150, 320), "static")
    L.add("RIGHT_ARROW", R(c.right - 30, 104, 20, 24), "arrow", side="right")
    # The busy animation shows inside the colour ring while Apply runs.
    L.add("CONTROL_JDTStatic", R(RING_CX - 32, RING_CY - 32, 64, 64), "static")
    for i, name in enumerate(("m_edit_rgbr", "m_edit_rgbg", "m_edit_rgbb")):
        L.add(name, R(c.x + 24 + i * 66, 304, 40, 20), "static", letter="RGB"[i])
    for i in range(6):
        L.add("m_button_rgb%d" % (i + 1), R(c.x + 12 + i * 33, 334, 30, 18), "swatch", colour=PRESET_COLOURS[i])
    # Brightness and speed.
    L.add("CONTROL_LightStatic", _label_rect("A"), "static")
    L.add("CONTROL_LightSlider", _ctrl_rect("A"), "static")
    L.add("CONTROL_SpeedStatic", _label_rect("B"), "static")
    L.add("CONTROL_SpeedSlider", _ctrl_rect("B"), "static")
    # Direction: row B when speed is hidden, row E beside the colour group (effects 1-3, 12).
    for suffix, row in (("", "B"), ("2", "E"), ("3", "E")):
        L.add("CONTROL_BLFXStatic" + suffix, _label_rect(row), "static")
        L.add("CONTROL_BLFXLStaPic" + suffix, _ctrl_rect(row, 0, 40), "static")
        L.add("CONTROL_BLFXRStaPic" + suffix, _ctrl_rect(row, 46, 40), "static")
    # Colour groups share rows C and D; only one is ever visible.
    for prefix_c, prefix_d, pic in (("CONTROL_HXys", "CONTROL_HXsjs", "CONTROL_HXsjsStaPic"),
                                    ("CONTROL_FYYS", "CONTROL_FYSJS", "CONTROL_FYSJSStaPic")):
        L.add(prefix_c + "Static", _label_rect("C"), "static")
        L.add(prefix_c + "Button", _ctrl_rect("C", 0, 64), "static")
        L.add(prefix_d + "Static", _label_rect("D"), "static")
        L.add(pic, _ctrl_rect("D", 0, 24), "static")
    for i, name in enumerate(("CONTROL_HONGPIC", "CONTROL_HUANGPIC", "CONTROL_LVPIC", "CONTROL_LANPIC")):
        L.add(name, R(c.x + 12 + i * 50, ROW_Y["B"], 44, ROW_H), "static")
    # User colour mode (effect 20).
    L.add("CONTROL_umCombo", R(c.x + 10, ROW_Y["B"], 198, 200), "static")
    L.add("CONTROL_USERysStatic", _label_rect("C"), "static")
    L.add("CONTROL_USERysButton", _ctrl_rect("C", 0, 64), "static")
    L.add("CONTROL_USERjsStatic", _label_rect("D"), "static")
    L.add("CONTROL_USERjsButton", _ctrl_rect("D", 0, 64), "static")
    L.add("CONTROL_USERgjStatic", _label_rect("E"), "static")
    L.add("CONTROL_USERgjStaPic1", _ctrl_rect("E", 0, 40), "static")
    L.add("CONTROL_USERgjStaPic2", _ctrl_rect("E", 46, 40), "static")
    # Controls of effects this keyboard does not offer; they stay hidden on the panel.
    for name, row, w in (("CONTROL_JTysStatic", "C", LABEL_W), ("CONTROL_JTysButton", "C", 64),
                         ("CONTROL_FYCFStatic", "D", LABEL_W), ("CONTROL_FYdjcfStatic", "D", LABEL_W),
                         ("CONTROL_FYggcfStatc", "E", LABEL_W), ("CONTROL_FYdjcfStaPic", "D", 24),
                         ("CONTROL_FYggcfStaPic", "E", 24), ("CONTROL_TSysStatic", "C", LABEL_W),
                         ("CONTROL_TSysButton", "C", 64), ("CONTROL_TSsjsStatic", "D", LABEL_W),
                         ("CONTROL_TSsjsStaPic", "D", 24), ("CONTROL_CDysStatic", "C", LABEL_W),
                         ("CONTROL_CDysButton", "C", 64), ("CONTROL_CDsjsStatic", "D", LABEL_W),
                         ("CONTROL_CDsjsStaPic", "D", 24)):
        r = _label_rect(row) if w == LABEL_W else _ctrl_rect(row, 0, w)
        L.add(name, r, "static")


# Where LEFT_ARROW and RIGHT_ARROW take their looks from in Arrow.jpg. The picture holds two
# 20x24 cells at (1, 1) and (23, 1); a button copies from one pixel above and left of its origin.
ARROW_CELLS = {"LEFT_ARROW_PIC": ("left", R(1, 1, 20, 24)), "RIGHT_ARROW_PIC": ("right", R(23, 1, 20, 24))}
ARROW_PICTURE_ENTRIES = {k: R(r.x + 1, r.y + 1, r.w, r.h) for k, (side, r) in ARROW_CELLS.items()}


# --- drawing -------------------------------------------------------------------------------

def _draw_chrome(c, lang):
    painted = texts.MAIN_PAINTED[lang]
    c.vgradient(R(0, 0, WIDTH, HEIGHT), (20, 22, 27), (14, 15, 19))
    title_bar(c, WIDTH, TITLE_H, painted["title"])
    card(c, LEFT_CARD, painted["lighting"])
    card(c, PROFILE_CARD, painted["profiles"])
    card(c, MACRO_CARD, painted["macros"])
    card(c, TIPS_CARD, painted["quick_start"])
    _draw_plate(c)
    _draw_tips(c, lang)
    _draw_panel_marks(c, painted["ring_hint"])
    c.line([(0, 606), (WIDTH, 606)], (30, 33, 39))


def _draw_plate(c):
    p = PLATE_RECT
    c.rect(p, fill=(9, 10, 12), outline=PLATE_EDGE, radius=12, width=1)
    c.rect(p.inset(4), fill=PLATE, outline=(28, 31, 36), radius=9)
    u = _unit()
    strip = unit_rect(15.25, kb.TOP_ROW_Y, 7.25, 0.75)
    c.text(strip.right - 2, strip.y + strip.h / 2, "MORVANE", "bold", 10, (70, 76, 86), "rm")
    c.text(strip.right - 2 - font("bold", 10).getlength("MORVANE") / 2 - 10, strip.y + strip.h / 2,
           "MECHANICAL", "cond", 7, (60, 65, 74), "rm")
    g = unit_rect(kb.G_COLUMN_X, 0, kb.G_COLUMN_W, 6.25)
    c.line([(g.right + u * 0.25, g.y + 4), (g.right + u * 0.25, g.bottom - 4)], (30, 33, 38), 1)


def _draw_tips(c, lang):
    t = TIPS_CARD
    col_w = (t.w - 24) / 3
    for i, (head, body) in enumerate(texts.QUICK_START[lang]):
        x = t.x + 12 + i * col_w
        c.ellipse(x + 13, t.y + 44, 11, fill=ACCENT_DEEP, outline=ACCENT_DARK)
        c.text(x + 13, t.y + 44, str(i + 1), "bold", 9, ACCENT, "mm")
        c.text(x + 32, t.y + 44, head, "bold", 9.5, TEXT, "lm")
        for j, line in enumerate(body):
            c.text(x + 32, t.y + 66 + j * 17, line, "sans", 8, TEXT_DIM, "lm")


def _draw_panel_marks(c, ring_hint):
    # RGB edit letters and the ring's inner disc belong to the panel background.
    for name, letter in (("R", 0), ("G", 1), ("B", 2)):
        c.text(LEFT_CARD.x + 16 + letter * 66, 314, name, "bold", 8.5, TEXT_DIM, "mm")
    c.text(LEFT_CARD.x + 12, 296, "RGB", "condbold", 7, TEXT_OFF, "lm")
    c.line([(LEFT_CARD.x + 12, 362), (LEFT_CARD.right - 12, 362)], CARD_EDGE)
    c.line([(LEFT_CARD.x + 12, 534), (LEFT_CARD.right - 12, 534)], CARD_EDGE)
    for i, line in enumerate(ring_hint):
        c.text(RING_CX, 552 + i * 16, line, "cond", 7.5, TEXT_OFF, "mm")


def draw_keycap(c, r, state, legend, sub="", small=False, lit=False, corner=False):
    cap = r.inset(2)
    if cap.w < 6 or cap.h < 6:
        return
    dy = 1.2 if state == "down" else 0
    top = Rect(cap.x + 3, cap.y + 2, cap.w - 6, cap.h - 6)
    if state == "normal":
        side, edge, t0, t1, fg = (22, 24, 29), (44, 48, 56), (50, 55, 64), (38, 42, 49), TEXT
    elif state == "over":
        side, edge, t0, t1, fg = (20, 52, 64), ACCENT, (64, 72, 84), (50, 56, 66), (255, 255, 255)
    elif state == "down":
        side, edge, t0, t1, fg = ACCENT_DEEP, ACCENT, (22, 138, 176), ACCENT_DARK, (255, 255, 255)
    else:
        side, edge, t0, t1, fg = (19, 20, 24), (30, 33, 38), (29, 31, 36), (26, 28, 32), TEXT_OFF
    if lit:
        t0, t1, edge = mix(t0, ACCENT, 0.35), mix(t1, ACCENT, 0.25), ACCENT
    c.rect(cap, fill=side, outline=edge, radius=4)
    top = Rect(top.x, int(top.y + dy), top.w, top.h)
    c.vgradient(top, t0, t1, 3)
    if state != "disable":
        c.line([(top.x + 3, top.y + 0.6), (top.right - 3, top.y + 0.6)], mix(t0, (255, 255, 255), 0.15))
    if corner:
        c.text(top.x + 3, top.y + 1.5, legend, "condbold", 6.5, fg, "la")
    else:
        _legend(c, top, legend, sub, fg, small)


def _legend(c, top, legend, sub, fg, small):
    if sub and len(legend) == 1 and len(sub) == 1:
        c.text(top.x + top.w * 0.5, top.y + top.h * 0.3, sub, "bold", 7.5, mix(fg, (0, 0, 0), 0.3), "mm")
        c.text(top.x + top.w * 0.5, top.y + top.h * 0.72, legend, "bold", 8.5, fg, "mm")
    elif sub:
        c.text(top.x + top.w * 0.5, top.y + top.h * 0.36, legend, "bold", 9, fg, "mm")
        c.text(top.x + top.w * 0.5, top.y + top.h * 0.76, sub, "cond", 6, mix(fg, (0, 0, 0), 0.3), "mm")
    elif legend:
        long = len(legend) > 2
        size = 6.5 if small else (7.5 if long else 9.5)
        c.text_in(top, legend, "condbold" if long else "bold", size, fg)


def _draw_element(c, name, r, kind, info, state, layer):
    if kind == "key":
        key = info["key"]
        draw_keycap(c, r, state, key.legend, key.sub)
    elif kind == "gkey":
        # The G-key caption (layer name) is drawn by the button itself, so the legend sits in a corner.
        draw_keycap(c, r, state, "G%d" % info["n"], corner=True)
    elif kind == "dkey":
        draw_keycap(c, r, state, "D%d" % info["n"], small=True)
    elif kind == "lock":
        _draw_lock(c, r, state, info["label"], name == "LOCK_AB", layer)
    elif kind == "titlebutton":
        _draw_title_button(c, r, state, info)
    elif kind == "button":
        if "glyph" in info:
            icon_button(c, r, state, info["glyph"])
        else:
            button_face(c, r, state, info.get("label"), 8.5, accent=info.get("accent", False))
    elif kind == "fliplabel":
        fg = TEXT_OFF if state == "disable" else TEXT_DIM
        c.rect(r.inset(2), fill=(20, 22, 26), outline=(36, 40, 46), radius=4)
        c.text_in(r.inset(2), "F1-F4  |  D1-D6", "condbold", 7, fg)
    elif kind == "combo":
        _draw_combo(c, r, state)
    elif kind == "link":
        if state == "over":
            c.line([(r.x + 4, r.bottom - 3), (r.right - 4, r.bottom - 3)], ACCENT_DARK)
    elif kind == "swatch":
        _draw_swatch(c, r, state, info["colour"])
    elif kind == "arrow":
        pass  # drawn from Arrow.jpg


def _draw_title_button(c, r, state, info):
    fg = TEXT_DIM
    if state == "over":
        c.rect(r, fill=(200, 50, 50) if info["close"] else (40, 45, 53), radius=4)
        fg = (255, 255, 255)
    elif state == "down":
        c.rect(r, fill=(150, 30, 30) if info["close"] else ACCENT_DARK, radius=4)
        fg = (255, 255, 255)
    elif state == "disable":
        fg = TEXT_OFF
    info["glyph"](c, r, fg)


def _draw_lock(c, r, state, label, is_layer, layer):
    fg = TEXT_OFF if state == "disable" else TEXT_DIM
    cx = r.x + r.w / 2
    if is_layer:
        # The button shows its selected (pressed) look in layer B and its other looks in layer A,
        # so each look lights the letter of the layer it stands for.
        active = layer if layer is not None else (1 if state == "down" else 0)
        for i, letter in enumerate("AB"):
            x = cx + (i - 0.5) * 13
            if state == "disable":
                col = TEXT_OFF if i == active else (38, 42, 48)
            elif i == active:
                col = ACCENT
            else:
                col = (60, 66, 76) if state != "over" else (90, 98, 110)
            c.text(x, r.y + r.h * 0.36, letter, "bold", 9, col, "mm")
    else:
        on = state == "down"
        glow = ACCENT if on else ((58, 64, 74) if state != "over" else (92, 100, 112))
        if state == "disable":
            glow = (34, 37, 42)
        if on:
            c.ellipse(cx, r.y + r.h * 0.36, 6.5, fill=mix(ACCENT, PLATE, 0.7))
        c.ellipse(cx, r.y + r.h * 0.36, 3.6, fill=glow)
    c.text(cx, r.y + r.h * 0.76, label, "condbold", 6.2, fg, "mm")


def _draw_combo(c, r, state):
    inner = r.inset(2)
    edge = {"normal": CARD_EDGE, "over": ACCENT, "down": ACCENT, "disable": (36, 40, 46)}[state]
    fill = (16, 18, 22) if state != "down" else (12, 40, 52)
    c.rect(inner, fill=fill, outline=edge, radius=4)
    g = Rect(inner.right - 30, inner.y, 30, inner.h)
    c.line([(g.x, g.y + 6), (g.x, g.bottom - 6)], CARD_EDGE)
    glyph_list(c, g, TEXT_OFF if state == "disable" else (ACCENT if state != "normal" else TEXT_DIM))


def _draw_swatch(c, r, state, colour):
    inner = r.inset(2)
    col = colour if state != "disable" else mix(colour, CARD, 0.6)
    c.rect(inner, fill=col, outline=(255, 255, 255) if state in ("over", "down") else mix(col, (0, 0, 0), 0.4),
           radius=3, width=1.5 if state in ("over", "down") else 1)
    if state == "down":
        c.rect(inner.inset(3), outline=(20, 20, 20), radius=2)


def _draw_ring(image):
    """Hue ring painted pixel by pixel, exactly on the pixels the window treats as the ring."""
    px = image.load()
    for y in range(RING_CY - 69, RING_CY + 70):
        for x in range(RING_CX - 69, RING_CX + 70):
            dx, dy = x - RING_CX, y - RING_CY
            d = dx * dx + dy * dy
            if RING_D_MIN < d <= RING_D_MAX:
                hue = (math.degrees(math.atan2(-dy, dx)) % 360) / 60.0
                px[x, y] = _hue(hue)
            elif d <= RING_D_MIN:
                px[x, y] = RING_INNER if d < (RING_D_MIN - 120) else mix(RING_INNER, CARD, 0.4)


RING_INNER = (20, 22, 27)


def _hue(h):
    i, f = int(h) % 6, h - int(h)
    q, t = int(round(255 * (1 - f))), int(round(255 * f))
    return [(255, t, 0), (q, 255, 0), (0, 255, t), (0, q, 255), (t, 0, 255), (255, 0, q)][i]


def render(layout, state, layer=None, lang="en"):
    """A full-window picture; only the background is made per language (the button looks cut from
    the others never cover painted text)."""
    c = Canvas(WIDTH, HEIGHT)
    _draw_chrome(c, lang)
    for name, r, kind, info in layout.items():
        if kind in ("static",):
            continue
        _draw_element(c, name, r, kind, info, state, layer)
    image = c.finish()
    _draw_ring(image)
    _draw_fields(image, layout)
    return image


def _draw_fields(image, layout):
    """Frames behind the always-visible RGB edits."""
    from PIL import ImageDraw
    d = ImageDraw.Draw(image)
    for name in ("m_edit_rgbr", "m_edit_rgbg", "m_edit_rgbb"):
        r = layout[name]
        d.rectangle((r.x - 2, r.y - 2, r.right + 1, r.bottom + 1), outline=CARD_EDGE, fill=(12, 13, 16))


def render_arrows(state="normal"):
    c = Canvas(44, 26, CARD)
    for side, r in ARROW_CELLS.values():
        glyph_arrow(side)(c, r, ACCENT)
    return c.finish()


def ini_file(layout):
    ini = IniFile()
    ini.set("SCREEN", "Main", "main_bg.jpg")
    ini.set("SCREEN", "MainChinese", "main_bg_cn.jpg")
    ini.set("SCREEN", "Mask", "main_mask.bmp")
    ini.set("SCREEN", "Link", LINK)
    for name, r, kind, info in layout.items():
        ini.set("BUTTONINFO", name, r.entry())
    for name, r in ARROW_PICTURE_ENTRIES.items():
        ini.set("BUTTONINFO", name, r.entry())
    for section, lang in (("Control_Name", "zh"), ("Control_Name1", "en")):
        for key, value in texts.PANEL_CAPTIONS[lang].items():
            ini.set(section, key, value)
    for section, lang in (("Mode", "zh"), ("Mode1", "en")):
        for code, value in texts.EFFECT_NAMES[lang].items():
            ini.set(section, str(code), value)
    return ini
