"""The three skinned dialogs: composite key editor, profile manager and firmware update.

Each dialog has one layout; its state pictures redraw the same window with every image button in
one look, so a button cut from a picture at its own position always matches the background.
"""

from .geometry import Layout, R, Rect
from .ini import IniFile
from .theme import (ACCENT, ACCENT_DARK, ACCENT_DEEP, CARD, CARD_EDGE, TEXT, TEXT_DIM, TEXT_OFF,
                    WINDOW, Canvas, button_face, card, field, glyph_keyboard, glyph_minus,
                    glyph_plus, glyph_reset, icon_button, mix, title_bar)
from .main_window import draw_keycap

CORNER = 10

# --- composite key editor -----------------------------------------------------------------

COMPOSITE_W, COMPOSITE_H = 470, 420
PAGE = Rect(12, 88, 446, 274)

# The picture sets of the editor: (set name, title, page art, file names by look).
COMPOSITE_SETS = {
    "key": ("KEY ASSIGNMENT", "key",
            {"normal": "key_normal.jpg", "over": "key_over.jpg", "down": "key_down.jpg"}),
    "macro": ("KEY ASSIGNMENT", "macro",
              {"normal": "macro_normal.jpg", "over": "macro_over.jpg", "down": "macro_down.jpg",
               "disable": "macro_disable.jpg"}),
    "macro2": ("MACRO EDITOR", "macro",
               {"normal": "macro2_normal.jpg", "over": "macro2_over.jpg", "down": "macro2_down.jpg",
                "disable": "macro2_disable.jpg"}),
    "media": ("KEY ASSIGNMENT", "media",
              {"normal": "media_normal.jpg", "over": "media_over.jpg", "down": "media_down.jpg"}),
    "function": ("KEY ASSIGNMENT", "function",
                 {"normal": "function_normal.jpg", "over": "function_over.jpg",
                  "down": "function_down.jpg"}),
}


def composite_layout():
    L = Layout(COMPOSITE_W, COMPOSITE_H)
    L.add("CONTROL_TITLE", R(2, 2, 296, 36), "title")
    L.add("CONTROL_OSK", R(COMPOSITE_W - 86, 8, 34, 28), "icon", glyph=glyph_keyboard)
    L.add("CONTROL_CLEAR", R(COMPOSITE_W - 48, 8, 34, 28), "icon", glyph=glyph_reset)
    for i, name in enumerate(("CONTROL_KEY", "CONTROL_MACRO", "CONTROL_MEDIA", "CONTROL_FUNCTION")):
        L.add(name, R(12 + i * 112, 48, 110, 34), "tab")
    L.add("CONTROL_MASK", PAGE, "page")
    px = PAGE.x
    L.add("KEY_SETTING", R(px + 12, 96, 420, 20), "static")
    L.add("TISHI_SINGLE_STATIC", R(px + 12, 128, 420, 20), "static")
    L.add("FUNC_KEY_INPUT", R(px + 48, 170, 350, 42), "static")
    L.add("MEDIA_SETTING_TISHI", R(px + 12, 128, 420, 20), "static")
    L.add("FUNC_MEDIA_SELECT", R(px + 48, 170, 350, 200), "static")
    L.add("FUNCTION_KEY_SETTING_TISHI", R(px + 12, 128, 420, 20), "static")
    L.add("FUNC_FUNCTION_SELECT", R(px + 48, 170, 350, 200), "static")
    # Macro page.
    L.add("MARCO_NAME_SETTING", R(px + 12, 128, 90, 20), "static")
    L.add("FUNC_MACRO_LIST", R(px + 104, 124, 258, 200), "static")
    L.add("FUNC_MACRO_ADD", R(px + 368, 123, 32, 28), "mbutton", glyph=glyph_plus)
    L.add("FUNC_MACRO_DELETE", R(px + 404, 123, 32, 28), "mbutton", glyph=glyph_minus)
    L.add("FUNC_MACRO_LIST2", R(px + 12, 158, 230, 196), "static")
    col, half = px + 252, 90
    L.add("FUNC_MACRO_RECORD", R(col, 158, 184, 32), "mbutton", record=True)
    L.add("FUNC_MACRO_UP_TOP", R(col, 196, half, 28), "mbutton")
    L.add("FUNC_MACRO_UP", R(col + 94, 196, half, 28), "mbutton")
    L.add("FUNC_MACRO_DOWN", R(col, 228, half, 28), "mbutton")
    L.add("FUNC_MACRO_DOWN_BOTTOM", R(col + 94, 228, half, 28), "mbutton")
    L.add("FUNC_MACRO_DELETE2", R(col, 260, half, 28), "mbutton")
    L.add("FUNC_MACRO_CLEAR", R(col + 94, 260, half, 28), "mbutton")
    L.add("FUNC_MACRO_CYCLES_PROMPT", R(col, 300, 80, 20), "static")
    L.add("FUNC_MACRO_CYCLES", R(col + 100, 299, 60, 22), "static")
    L.add("FUNC_MACRO_RECORD_DELAY", R(col, 330, 18, 20), "static")
    L.add("FUNC_MACRO_RECORD_DELAY2", R(col + 22, 330, 160, 20), "static")
    L.add("CONTROL_OK", R(COMPOSITE_W - 220, 374, 100, 34), "button", accent=True)
    L.add("CONTROL_CANCEL", R(COMPOSITE_W - 112, 374, 100, 34), "button")
    return L


def _composite_page_art(c, art):
    c.rect(PAGE, fill=CARD, outline=CARD_EDGE, radius=8)
    c.line([(PAGE.x + 12, 119), (PAGE.right - 12, 119)], CARD_EDGE)
    if art == "key":
        field(c, R(PAGE.x + 46, 168, 354, 46))
        x = PAGE.x + 70
        for legend, w in (("Ctrl", 56), ("Alt", 48), ("A", 44), ("F5", 44), ("Enter", 72)):
            draw_keycap(c, R(x, 262, w, 44), "normal", legend)
            x += w + 6
        c.text(PAGE.x + PAGE.w / 2, 330, "Any key you press is captured, even Windows and Menu keys.",
               "sans", 7.5, TEXT_OFF, "mm")
    elif art == "macro":
        field(c, R(PAGE.x + 10, 156, 234, 200))
        c.line([(PAGE.x + 250, 292), (PAGE.right - 10, 292)], CARD_EDGE)
    elif art == "media":
        field(c, R(PAGE.x + 46, 168, 354, 28))
        _media_art(c)
    else:
        field(c, R(PAGE.x + 46, 168, 354, 28))
        _function_art(c)


def _media_art(c):
    cy, col = 290, (58, 64, 74)
    x = PAGE.x + 112
    c.polygon([(x - 12, cy), (x, cy - 8), (x, cy + 8)], col)          # previous
    c.polygon([(x - 2, cy), (x + 10, cy - 8), (x + 10, cy + 8)], col)
    x += 60
    c.polygon([(x - 10, cy - 14), (x + 14, cy), (x - 10, cy + 14)], col)  # play
    x += 54
    c.rect(R(x - 10, cy - 12, 7, 24), fill=col)                          # pause
    c.rect(R(x + 3, cy - 12, 7, 24), fill=col)
    x += 56
    c.polygon([(x + 12, cy), (x, cy - 8), (x, cy + 8)], col)             # next
    x += 54
    c.polygon([(x - 10, cy - 5), (x - 4, cy - 5), (x + 4, cy - 12), (x + 4, cy + 12), (x - 4, cy + 5), (x - 10, cy + 5)], col)
    c.arc(x + 6, cy, 8, -45, 45, col, 2)
    c.arc(x + 6, cy, 14, -45, 45, col, 2)


def _function_art(c):
    x = PAGE.x + 96
    for label in ("Open", "Copy", "Paste", "Undo", "Zoom"):
        draw_keycap(c, R(x, 266, 48, 44), "disable", label)
        x += 54
    c.text(PAGE.x + PAGE.w / 2, 330, "The key sends the shortcut of the chosen function.", "sans", 7.5, TEXT_OFF, "mm")


def render_composite(layout, set_name, state):
    title, art, _ = COMPOSITE_SETS[set_name]
    c = Canvas(COMPOSITE_W, COMPOSITE_H)
    c.vgradient(R(0, 0, COMPOSITE_W, COMPOSITE_H), (22, 24, 29), (15, 16, 20))
    title_bar(c, COMPOSITE_W, 40, title.title())
    _composite_page_art(c, art)
    for name, r, kind, info in layout.items():
        if kind == "tab":
            _tab(c, r, state, set_name == "macro2" and name != "CONTROL_MACRO")
        elif kind == "icon":
            icon_button(c, r, state, info["glyph"])
        elif kind == "mbutton" and art == "macro":
            # Only the macro pictures carry the macro page's buttons: the page background of the
            # other pages is cut from their own pictures and must not show them.
            if "glyph" in info:
                icon_button(c, r, state, info["glyph"])
            else:
                button_face(c, r, state, None, accent=info.get("record", False) and state == "normal")
        elif kind == "button":
            button_face(c, r, state, None, accent=info.get("accent", False))
    return c.finish()


def _tab(c, r, state, hidden):
    if hidden:
        # In the macro-only editor the other pages are switched off: a flat, empty slot.
        c.rect(r.inset(2), fill=(20, 22, 26), outline=(30, 33, 38), radius=5)
        return
    inner = r.inset(2)
    look = {"normal": ((34, 38, 45), CARD_EDGE), "over": ((44, 50, 59), ACCENT),
            "down": (ACCENT_DEEP, ACCENT), "disable": ((24, 26, 31), (34, 37, 43))}[state]
    c.rect(inner, fill=look[0], outline=look[1], radius=5)
    if state == "down":
        c.rect(R(inner.x + 10, inner.bottom - 4, inner.w - 20, 2), fill=ACCENT)


# --- profile manager ------------------------------------------------------------------------

PROFILE_W, PROFILE_H = 470, 330
PROFILE_FILES = {"normal": "Profile_normal.jpg", "over": "Profile_over.jpg", "down": "Profile_down.jpg"}


def profile_layout():
    L = Layout(PROFILE_W, PROFILE_H)
    L.add("PROGRAM_LIST", R(16, 56, 438, 208), "static")
    y, w = 282, 66
    for i, (name, label) in enumerate((("FUNC_ADD", "New"), ("FUNC_LOAD", "Load"), ("FUNC_DELETE", "Delete"))):
        L.add(name, R(16 + i * (w + 6), y, w, 32), "button", label=label)
    for i, (name, label) in enumerate((("CONTROL2_APPLY", "Apply"), ("CONTROL_OK", "OK"), ("CONTROL_CANCEL", "Cancel"))):
        L.add(name, R(PROFILE_W - 16 - (3 - i) * w - (2 - i) * 6, y, w, 32), "button", label=label,
              accent=name == "CONTROL_OK")
    return L


def render_profile(layout, state):
    c = Canvas(PROFILE_W, PROFILE_H)
    c.vgradient(R(0, 0, PROFILE_W, PROFILE_H), (22, 24, 29), (15, 16, 20))
    title_bar(c, PROFILE_W, 40, "Profile Manager")
    lst = layout["PROGRAM_LIST"]
    c.rect(Rect(lst.x - 2, lst.y - 2, lst.w + 4, lst.h + 4), fill=CARD, outline=CARD_EDGE, radius=4)
    for name, r, kind, info in layout.items():
        if kind == "button":
            # The pressed picture also serves as the disabled look: darker, with a dimmed label.
            button_face(c, r, state, info["label"], 8.5, accent=info.get("accent", False) and state == "normal")
    return c.finish()


# --- firmware update -----------------------------------------------------------------------

UPDATE_W, UPDATE_H = 440, 220
UPDATE_FILES = {"normal": "update_normal.jpg", "over": "update_over.jpg"}


def update_layout():
    L = Layout(UPDATE_W, UPDATE_H)
    L.add("CONTROL_UPStatic", R(22, 80, 318, 20), "static")
    L.add("CONTROL_OPENButton", R(352, 74, 72, 32), "button", label="Browse...")
    L.add("CONTROL_UPCombox", R(16, 112, 330, 90), "static")
    L.add("CONTROL_BACKUPButton", R(16, 172, 104, 34), "button", label="Backup")
    L.add("CONTROL_UPButton", R(212, 172, 104, 34), "button", label="Update", accent=True)
    L.add("CONTROL_CUPButton", R(320, 172, 104, 34), "button", label="Cancel")
    return L


def render_update(layout, state):
    c = Canvas(UPDATE_W, UPDATE_H)
    c.vgradient(R(0, 0, UPDATE_W, UPDATE_H), (22, 24, 29), (15, 16, 20))
    title_bar(c, UPDATE_W, 40, "Firmware Update")
    c.text(16, 60, "Update program", "condbold", 8, TEXT_DIM, "lm")
    field(c, R(16, 74, 330, 32))
    c.text(16, 126, "Back up your settings first. Update switches the keyboard into", "sans", 7.5, TEXT_DIM, "lm")
    c.text(16, 142, "its update mode and starts the chosen update program.", "sans", 7.5, TEXT_DIM, "lm")
    # One picture holds the plain look, the other every highlighted look.
    look = "normal" if state == "normal" else "over"
    for name, r, kind, info in layout.items():
        if kind == "button":
            button_face(c, r, look, info["label"], 8.5, accent=info.get("accent", False) and look == "normal")
    return c.finish()


def dialog_ini(background, mask, layout):
    ini = IniFile()
    ini.set("SCREEN", "Main", background)
    ini.set("SCREEN", "Mask", mask)
    for name, r, kind, info in layout.items():
        ini.set("BUTTONINFO", name, r.entry())
    return ini
