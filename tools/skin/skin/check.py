"""Checks the written skin folder the way the program will use it.

The entry and file lists here are written out independently of the layouts, so a layout that
forgets a control, puts it outside its window or names a picture that is not there fails the build.
"""

import io
import os

from PIL import Image

from . import keyboard as kb
from .ini import parse_ini

WINDOW_CONTROLS = [
    "VOLSKA_LINK", "FUNC_PROFILES", "FUNC_MACRO", "CONTROL_OK", "CONTROL_CANCEL", "CONTROL_HELP",
    "CONTROL_CLOSE", "CONTROL_MINIMIZE", "CONTROL_MENU", "CONTROL2_APPLY", "LOCK_CAPS", "LOCK_NUM",
    "LOCK_SCROLL", "LOCK_AB", "FLIP_0", "FLIP_1", "FLIP_2", "VOLSKA_VER", "FUNC_PROFILE1",
    "FUNC_PROFILE2", "FUNC_PROFILE3", "FUNC_DEFAULT", "FUNC_SWITCH", "FUNC_REPORT1", "FUNC_REPORT2",
    "FUNC_REPORT3", "FUNC_REPORT4", "KEY_FN"]

LIGHTING_CONTROLS = [
    "CONTROL_UsbStatic", "CONTROL_DengStatic", "CONTROL_DengStaPic", "CONTROL_XGcombox",
    "CONTROL_JDTStatic", "CONTROL_LightStatic", "CONTROL_LightSlider", "CONTROL_SpeedStatic",
    "CONTROL_SpeedSlider", "CONTROL_BLFXStatic", "CONTROL_BLFXLStaPic", "CONTROL_BLFXRStaPic",
    "CONTROL_FYYSStatic", "CONTROL_FYYSButton", "CONTROL_FYSJSStaPic", "CONTROL_FYSJSStatic",
    "CONTROL_FYCFStatic", "CONTROL_FYdjcfStatic", "CONTROL_FYggcfStatc", "CONTROL_FYdjcfStaPic",
    "CONTROL_FYggcfStaPic", "CONTROL_HONGPIC", "CONTROL_HUANGPIC", "CONTROL_LVPIC", "CONTROL_LANPIC",
    "CONTROL_HXysStatic", "CONTROL_HXysButton", "CONTROL_HXsjsStatic", "CONTROL_HXsjsStaPic",
    "CONTROL_JTysStatic", "CONTROL_JTysButton", "CONTROL_USERysStatic", "CONTROL_USERysButton",
    "CONTROL_USERjsStatic", "CONTROL_USERjsButton", "CONTROL_USERgjStatic", "CONTROL_USERgjStaPic1",
    "CONTROL_USERgjStaPic2", "CONTROL_TSysStatic", "CONTROL_TSysButton", "CONTROL_TSsjsStatic",
    "CONTROL_TSsjsStaPic", "CONTROL_CDysStatic", "CONTROL_CDysButton", "CONTROL_CDsjsStatic",
    "CONTROL_CDsjsStaPic", "CONTROL_umCombo", "m_edit_rgbr", "m_edit_rgbg", "m_edit_rgbb"] + \
    ["m_button_rgb%d" % n for n in range(1, 7)] + \
    ["CONTROL_BLFXStatic2", "CONTROL_BLFXLStaPic2", "CONTROL_BLFXRStaPic2", "CONTROL_BLFXStatic3",
     "CONTROL_BLFXLStaPic3", "CONTROL_BLFXRStaPic3", "LEFT_ARROW", "RIGHT_ARROW"]

# The 104 panel key codes, as the keyboard panel addresses them.
PANEL_CODES = [
    0x01E, 0x030, 0x02E, 0x020, 0x012, 0x021, 0x022, 0x023, 0x017, 0x024, 0x025, 0x026, 0x032,
    0x031, 0x018, 0x019, 0x010, 0x013, 0x01F, 0x014, 0x016, 0x02F, 0x011, 0x02D, 0x015, 0x02C] + \
    list(range(0x002, 0x00C)) + [
    0x01C, 0x001, 0x00E, 0x00F, 0x039, 0x00C, 0x00D, 0x01A, 0x01B, 0x02B, 0x027, 0x028, 0x029,
    0x033, 0x034, 0x035] + list(range(0x03B, 0x041)) + list(range(0x041, 0x045)) + [
    0x057, 0x058, 0x137, 0x045, 0x152, 0x153, 0x147, 0x14F, 0x149, 0x151, 0x148, 0x150, 0x14B,
    0x14D, 0x046, 0x03A, 0x15D, 0x01D, 0x11D, 0x02A, 0x036, 0x038, 0x138, 0x15B, 0x15C, 0x04F,
    0x050, 0x051, 0x04B, 0x04C, 0x04D, 0x047, 0x048, 0x049, 0x052, 0x145, 0x11C, 0x053, 0x135,
    0x037, 0x04A, 0x04E]

MAIN_ENTRIES = ["FUNC_G%d" % n for n in range(1, 10)] + \
    ["KEY_%03X" % kb.key_index(c) for c in PANEL_CODES] + WINDOW_CONTROLS + LIGHTING_CONTROLS

COMPOSITE_ENTRIES = [
    "CONTROL_MASK", "CONTROL_TITLE", "CONTROL_OSK", "CONTROL_CLEAR", "CONTROL_MEDIA", "CONTROL_MACRO",
    "CONTROL_KEY", "CONTROL_FUNCTION", "CONTROL_OK", "CONTROL_CANCEL", "FUNC_MACRO_DELETE",
    "FUNC_MACRO_ADD", "FUNC_MACRO_UP_TOP", "FUNC_MACRO_UP", "FUNC_MACRO_DOWN", "FUNC_MACRO_DOWN_BOTTOM",
    "FUNC_MACRO_DELETE2", "FUNC_MACRO_CLEAR", "FUNC_MACRO_RECORD", "FUNC_MACRO_RECORD_DELAY",
    "FUNC_MACRO_LIST2", "FUNC_MACRO_CYCLES", "FUNC_MACRO_CYCLES_PROMPT", "TISHI_SINGLE_STATIC",
    "MARCO_NAME_SETTING", "KEY_SETTING", "MEDIA_SETTING_TISHI", "FUNCTION_KEY_SETTING_TISHI",
    "FUNC_MACRO_RECORD_DELAY2", "FUNC_KEY_INPUT", "FUNC_MEDIA_SELECT", "FUNC_MACRO_LIST",
    "FUNC_FUNCTION_SELECT"]

PROFILE_ENTRIES = ["CONTROL_OK", "CONTROL_CANCEL", "FUNC_ADD", "FUNC_LOAD", "FUNC_DELETE",
                   "CONTROL2_APPLY", "PROGRAM_LIST"]

UPDATE_ENTRIES = ["CONTROL_CUPButton", "CONTROL_UPButton", "CONTROL_OPENButton",
                  "CONTROL_BACKUPButton", "CONTROL_UPStatic", "CONTROL_UPCombox"]

LIGHTING_BITMAPS = ["dengup.bmp", "dengdown.bmp"] + ["%d.bmp" % n for n in range(10)] + [
    "leftup.bmp", "leftdown.bmp", "rightup.bmp", "rightdown.bmp", "upup.bmp", "updown.bmp",
    "downup.bmp", "downdown.bmp", "kuosan.bmp", "kuosandown.bmp", "julong.bmp", "julongdown.bmp",
    "sjsup.bmp", "sjsdown.bmp", "hong.bmp", "hongok.bmp", "huang.bmp", "huangok.bmp", "lv.bmp",
    "lvok.bmp", "lan.bmp", "lanok.bmp", "user1up.bmp", "user1down.bmp", "user2up.bmp",
    "user2down.bmp"] + ["jdt%d.bmp" % n for n in range(1, 11)]

# Full-window pictures each window loads, beside its background and mask.
WINDOW_PICTURES = {
    "Main.ini": ["main_normal.jpg", "main_over.jpg", "main_down.jpg", "main_disable.jpg",
                 "main_color0.jpg", "main_color1.jpg"],
    "Composite.ini": ["key_normal.jpg", "key_over.jpg", "key_down.jpg", "macro_normal.jpg",
                      "macro_over.jpg", "macro_down.jpg", "macro_disable.jpg", "macro2_normal.jpg",
                      "macro2_over.jpg", "macro2_down.jpg", "macro2_disable.jpg", "media_normal.jpg",
                      "media_over.jpg", "media_down.jpg", "function_normal.jpg", "function_over.jpg",
                      "function_down.jpg"],
    "Profile.ini": ["Profile_normal.jpg", "Profile_over.jpg", "Profile_down.jpg"],
    "UpdateDlg.ini": ["update_normal.jpg", "update_over.jpg"],
}

WINDOW_ENTRIES = {"Main.ini": MAIN_ENTRIES, "Composite.ini": COMPOSITE_ENTRIES,
                  "Profile.ini": PROFILE_ENTRIES, "UpdateDlg.ini": UPDATE_ENTRIES}

PANEL_CAPTION_KEYS = ["Usb", "Deng", "Light", "FX", "Speed", "Color", "JColor", "DC", "Tool"]
EFFECT_CODES = list(range(1, 19)) + [20]


def _rect(value):
    parts = value.split(",")
    if len(parts) < 4:
        return None
    try:
        return tuple(int(p) for p in parts[:4])
    except ValueError:
        return None


def _size(path):
    with Image.open(path) as im:
        return im.size


def check_skins(skins, bitmap_controls):
    """Returns a list of problems with the skin folder; empty when the program can use it."""
    found = []

    def need(path):
        if not os.path.isfile(os.path.join(skins, path)):
            found.append("missing picture %s" % path)
            return False
        return True

    for ini_name, entries in WINDOW_ENTRIES.items():
        path = os.path.join(skins, ini_name)
        if not os.path.isfile(path):
            found.append("missing layout file %s" % ini_name)
            continue
        with open(path, "rb") as f:
            ini = parse_ini(f.read())
        screen = ini.get("SCREEN", {})
        background, mask = screen.get("Main", ""), screen.get("Mask", screen.get("Main", ""))
        if not background or not need(background) or not mask or not need(mask):
            found.append("%s: background or mask missing" % ini_name)
            continue
        width, height = _size(os.path.join(skins, background))
        if _size(os.path.join(skins, mask)) != (width, height):
            found.append("%s: mask and background differ in size" % ini_name)
        for picture in WINDOW_PICTURES[ini_name]:
            if need(picture) and _size(os.path.join(skins, picture)) != (width, height):
                found.append("%s: %s is not %dx%d" % (ini_name, picture, width, height))
        info = ini.get("BUTTONINFO", {})
        for name in entries:
            if name not in info:
                found.append("%s: no entry %s" % (ini_name, name))
                continue
            r = _rect(info[name])
            if r is None:
                found.append("%s: %s=%s is not x,y,w,h" % (ini_name, name, info[name]))
                continue
            x, y, w, h = r
            if x < 0 or y < 0 or w <= 0 or h <= 0 or x + w > width or y + h > height:
                found.append("%s: %s=%s lies outside %dx%d" % (ini_name, name, info[name], width, height))
            if (x, y) == (1, 1) or x < 1 or y < 1:
                # At 1,1 an image button is disabled; left of or above 1 its look is cut from
                # outside the picture.
                found.append("%s: %s=%s starts too close to the corner" % (ini_name, name, info[name]))
        if ini_name == "Main.ini":
            found += _check_main(ini, skins, info, bitmap_controls, need)
    for name in ("language.ini", "UserDengColor_3.userd"):
        need(name)
    return found


def _check_main(ini, skins, info, bitmap_controls, need):
    found = []
    if not ini.get("SCREEN", {}).get("Link", "").startswith("https://"):
        found.append("Main.ini: no Link address")
    for section in ("Control_Name", "Control_Name1"):
        for key in PANEL_CAPTION_KEYS:
            if not ini.get(section, {}).get(key, "").strip():
                found.append("Main.ini: [%s] %s missing" % (section, key))
    for section in ("Mode", "Mode1"):
        for code in EFFECT_CODES:
            if not ini.get(section, {}).get(str(code), "").strip():
                found.append("Main.ini: [%s] %d missing" % (section, code))
    if need("Arrow.jpg"):
        aw, ah = _size(os.path.join(skins, "Arrow.jpg"))
        for key in ("LEFT_ARROW_PIC", "RIGHT_ARROW_PIC"):
            r = _rect(info.get(key, ""))
            if r is None or r[0] < 1 or r[1] < 1 or r[0] - 1 + r[2] > aw or r[1] - 1 + r[3] > ah:
                found.append("Main.ini: %s does not lie in Arrow.jpg" % key)
    for name in LIGHTING_BITMAPS:
        need(name)
    for control, files in bitmap_controls.items():
        r = _rect(info.get(control, ""))
        for name in files:
            path = os.path.join(skins, name)
            if r and os.path.isfile(path) and _size(path) != (r[2], r[3]):
                found.append("%s is not the size of %s" % (name, control))
    for group in (("CONTROL_BLFXLStaPic", "CONTROL_BLFXLStaPic2", "CONTROL_BLFXLStaPic3",
                   "CONTROL_BLFXRStaPic", "CONTROL_BLFXRStaPic2", "CONTROL_BLFXRStaPic3"),
                  ("CONTROL_HXsjsStaPic", "CONTROL_FYSJSStaPic"),
                  ("CONTROL_HONGPIC", "CONTROL_HUANGPIC", "CONTROL_LVPIC", "CONTROL_LANPIC"),
                  ("CONTROL_USERgjStaPic1", "CONTROL_USERgjStaPic2")):
        sizes = {tuple(_rect(info.get(n, "0,0,0,0"))[2:]) for n in group}
        if len(sizes) != 1:
            found.append("controls sharing bitmaps differ in size: %s" % ", ".join(group))
    return found
