"""The template user colour file: ten ready-made per-key colour modes.

Colour positions are the keyboard's own numbering of its key lights; each panel key and Fn has
one. A key entry is "R,G,B,F", F set when the key follows the mode's base colour.
"""

import colorsys

from . import keyboard as kb
from .ini import IniFile

# Light position -> control ID of the key button there (Fn is control 1174 at position 91).
POSITION_CONTROLS = {
    1: 1022, 2: 1010, 3: 1011, 4: 1012, 5: 1013, 6: 1014, 7: 1015, 8: 1023, 9: 1024, 10: 1025,
    11: 1026, 12: 1027, 13: 1028, 18: 1029, 19: 1030, 20: 1031, 21: 1032, 22: 1033, 23: 1034,
    24: 1035, 25: 1036, 26: 1037, 27: 1038, 28: 1039, 29: 1040, 30: 1041, 31: 1104, 32: 1105,
    33: 1106, 35: 1056, 36: 1044, 37: 1045, 38: 1046, 39: 1047, 40: 1048, 41: 1049, 42: 1050,
    43: 1051, 44: 1052, 45: 1053, 46: 1054, 47: 1055, 48: 1108, 49: 1109, 50: 1110, 52: 1069,
    53: 1058, 54: 1059, 55: 1060, 56: 1061, 57: 1062, 58: 1063, 59: 1064, 60: 1065, 61: 1066,
    62: 1067, 63: 1068, 64: 1042, 65: 1112, 66: 1113, 67: 1114, 69: 1082, 70: 1071, 71: 1072,
    72: 1073, 73: 1074, 74: 1075, 75: 1076, 76: 1077, 77: 1078, 78: 1079, 79: 1080, 80: 1081,
    81: 1070, 82: 1115, 83: 1116, 84: 1117, 86: 1083, 87: 1084, 88: 1086, 89: 1090, 90: 1085,
    91: kb.FN_CONTROL, 92: 1088, 93: 1089, 94: 1100, 95: 1101, 96: 1103, 97: 1102, 98: 1043,
    99: 1120, 100: 1119, 101: 1118, 104: 1087, 106: 1091, 107: 1092, 108: 1093, 110: 1094,
    111: 1095, 112: 1096, 113: 1097, 114: 1098, 115: 1099, 116: 1107, 117: 1111,
}

MODE_NAMES = ("Ocean", "Gaming WASD", "Rainbow", "Sunset", "Aurora", "Fire", "Ice", "Forest",
              "Neon", "Mono White")

_GAMING = {0x011, 0x01E, 0x01F, 0x020, 0x012, 0x010, 0x013, 0x021, 0x039, 0x02A, 0x01D}
_ARROWS = {0x148, 0x150, 0x14B, 0x14D}


def _key_places():
    """position -> (x, y, code) of the key's centre in key units."""
    by_control = {kb.CONTROL_OF_CODE[k.code]: k for k in kb.PANEL_KEYS}
    by_control[kb.FN_CONTROL] = kb.FN_KEY
    places = {}
    for pos, control in POSITION_CONTROLS.items():
        k = by_control[control]
        places[pos] = (k.x + k.w / 2, k.y + k.h / 2, k.code)
    return places


def _rgb(h, s, v):
    r, g, b = colorsys.hsv_to_rgb(h % 1.0, s, v)
    return (int(round(r * 255)), int(round(g * 255)), int(round(b * 255)))


def _mode_colour(mode, x, y, code):
    fx, fy = x / 22.5, y / 6.25
    if mode == 0:
        return _rgb(0.52 + 0.12 * fx, 0.9, 0.55 + 0.45 * (1 - fy)), False
    if mode == 1:
        if code in _GAMING or code in _ARROWS:
            return (255, 40, 20), False
        return (20, 60, 120), True
    if mode == 2:
        return _rgb(fx * 0.85, 1.0, 1.0), False
    if mode == 3:
        return _rgb(0.0 + 0.12 * fy, 0.95, 1.0 - 0.3 * fx), False
    if mode == 4:
        return _rgb(0.33 + 0.45 * fx, 0.8, 0.9), False
    if mode == 5:
        return _rgb(0.1 * (1 - fy), 1.0, 1.0), False
    if mode == 6:
        return _rgb(0.55, 0.25 + 0.6 * fy, 1.0), False
    if mode == 7:
        return _rgb(0.25 + 0.1 * fx, 0.85, 0.45 + 0.5 * fy), False
    if mode == 8:
        return ((255, 0, 200) if (int(x) + int(y)) % 2 else (0, 255, 220)), False
    return (255, 255, 255), True


_BASE = ((20, 110, 255), (20, 60, 120), (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0),
         (0, 0, 0), (0, 0, 0), (255, 255, 255))
_PAINT = ((255, 255, 255), (255, 40, 20), (255, 0, 0), (255, 120, 0), (0, 255, 160), (255, 60, 0),
          (160, 220, 255), (40, 200, 60), (255, 0, 200), (255, 255, 255))


def userd_file():
    ini = IniFile()
    ini.set("PRESENTMODE", "mode", 0)
    for m, name in enumerate(MODE_NAMES):
        ini.set("MODENAME", str(m), name)
    places = _key_places()
    for m in range(10):
        sec = "Mode%d" % m
        ini.set(sec, "tool", 1 if _BASE[m] != (0, 0, 0) else 0)
        ini.set(sec, "jcolor", "%d,%d,%d" % _BASE[m])
        ini.set(sec, "color", "%d,%d,%d" % _PAINT[m])
        for pos in sorted(places):
            x, y, code = places[pos]
            (r, g, b), follows = _mode_colour(m, x, y, code)
            if follows:
                r, g, b = _BASE[m]
            ini.set(sec, str(pos), "%d,%d,%d,%d" % (r, g, b, 1 if follows else 0))
    return ini
