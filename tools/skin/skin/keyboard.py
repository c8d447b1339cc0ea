"""The keyboard picture: every key with its key code, control ID, legend and place in key units.

Key codes are set-1 make codes, 0x100 marking an E0 prefix; the key index that names a layout
entry is the code itself below 0x100 and (code + 0x80) mod 256 above.
"""

from dataclasses import dataclass


def key_index(code):
    return code if code < 0x100 else (code + 0x80) % 256


def entry_name(code):
    return "KEY_%03X" % key_index(code)


@dataclass(frozen=True)
class Key:
    code: int
    legend: str
    sub: str      # second legend (shifted symbol or numeric-pad function), may be empty
    x: float      # in key units from the left edge of the main block
    y: float
    w: float = 1.0
    h: float = 1.0


# Control ID of each panel key button, by key code (the dialog template uses these IDs).
CONTROL_OF_CODE = {
    0x01E: 1058, 0x030: 1075, 0x02E: 1073, 0x020: 1060, 0x012: 1046, 0x021: 1061, 0x022: 1062,
    0x023: 1063, 0x017: 1051, 0x024: 1064, 0x025: 1065, 0x026: 1066, 0x032: 1077, 0x031: 1076,
    0x018: 1052, 0x019: 1053, 0x010: 1044, 0x013: 1047, 0x01F: 1059, 0x014: 1048, 0x016: 1050,
    0x02F: 1074, 0x011: 1045, 0x02D: 1072, 0x015: 1049, 0x02C: 1071,
    **{0x002 + i: 1030 + i for i in range(10)},
    0x01C: 1070, 0x001: 1022, 0x00E: 1043, 0x00F: 1056, 0x039: 1090, 0x00C: 1040, 0x00D: 1041,
    0x01A: 1054, 0x01B: 1055, 0x02B: 1042, 0x027: 1067, 0x028: 1068, 0x029: 1029, 0x033: 1078,
    0x034: 1079, 0x035: 1080,
    **{0x03B + i: 1010 + i for i in range(6)},
    **{0x041 + i: 1023 + i for i in range(4)},
    0x057: 1027, 0x058: 1028,
    0x137: 1091, 0x045: 1093, 0x152: 1094, 0x153: 1097, 0x147: 1095, 0x14F: 1098, 0x149: 1096,
    0x151: 1099, 0x148: 1103, 0x150: 1101, 0x14B: 1100, 0x14D: 1102, 0x046: 1092, 0x03A: 1069,
    0x15D: 1088, 0x01D: 1083, 0x11D: 1089, 0x02A: 1082, 0x036: 1081, 0x038: 1085, 0x138: 1086,
    0x15B: 1084, 0x15C: 1087,
    0x04F: 1115, 0x050: 1116, 0x051: 1117, 0x04B: 1112, 0x04C: 1113, 0x04D: 1114, 0x047: 1108,
    0x048: 1109, 0x049: 1110, 0x052: 1120, 0x145: 1104, 0x11C: 1118, 0x053: 1119, 0x135: 1105,
    0x037: 1106, 0x04A: 1107, 0x04E: 1111,
}

FN_CONTROL = 1174


def _row(y, x, items):
    keys = []
    for item in items:
        code, legend, sub, w = (item + (1.0,))[:4] if len(item) == 3 else item
        keys.append(Key(code, legend, sub, x, y, w))
        x += w
    return keys


def _build_keys():
    keys = [Key(0x001, "Esc", "", 0, 0)]
    for group, x0 in ((range(0x03B, 0x03F), 2), (range(0x03F, 0x043), 6.5)):
        for i, code in enumerate(group):
            keys.append(Key(code, "F%d" % (code - 0x03A), "", x0 + i, 0))
    for i, code in enumerate((0x043, 0x044, 0x057, 0x058)):
        keys.append(Key(code, "F%d" % (9 + i), "", 11 + i, 0))
    keys += _row(0, 15.25, [(0x137, "PrtSc", ""), (0x046, "ScrLk", ""), (0x045, "Pause", "")])

    y = 1.25
    keys += _row(y, 0, [(0x029, "`", "~"), (0x002, "1", "!"), (0x003, "2", "@"), (0x004, "3", "#"),
                        (0x005, "4", "$"), (0x006, "5", "%"), (0x007, "6", "^"), (0x008, "7", "&"),
                        (0x009, "8", "*"), (0x00A, "9", "("), (0x00B, "0", ")"), (0x00C, "-", "_"),
                        (0x00D, "=", "+"), (0x00E, "Backspace", "", 2.0)])
    keys += _row(y, 15.25, [(0x152, "Ins", ""), (0x147, "Home", ""), (0x149, "PgUp", "")])
    keys += _row(y, 18.5, [(0x145, "Num", ""), (0x135, "/", ""), (0x037, "*", ""), (0x04A, "-", "")])

    y += 1
    keys += _row(y, 0, [(0x00F, "Tab", "", 1.5)] + [(c, l, "") for c, l in (
        (0x010, "Q"), (0x011, "W"), (0x012, "E"), (0x013, "R"), (0x014, "T"), (0x015, "Y"),
        (0x016, "U"), (0x017, "I"), (0x018, "O"), (0x019, "P"))] +
        [(0x01A, "[", "{"), (0x01B, "]", "}"), (0x02B, "\\", "|", 1.5)])
    keys += _row(y, 15.25, [(0x153, "Del", ""), (0x14F, "End", ""), (0x151, "PgDn", "")])
    keys += _row(y, 18.5, [(0x047, "7", "Home"), (0x048, "8", "\u2191"), (0x049, "9", "PgUp")])
    keys.append(Key(0x04E, "+", "", 21.5, y, 1, 2))

    y += 1
    keys += _row(y, 0, [(0x03A, "Caps Lock", "", 1.75)] + [(c, l, "") for c, l in (
        (0x01E, "A"), (0x01F, "S"), (0x020, "D"), (0x021, "F"), (0x022, "G"), (0x023, "H"),
        (0x024, "J"), (0x025, "K"), (0x026, "L"))] +
        [(0x027, ";", ":"), (0x028, "'", "\""), (0x01C, "Enter", "", 2.25)])
    keys += _row(y, 18.5, [(0x04B, "4", "\u2190"), (0x04C, "5", ""), (0x04D, "6", "\u2192")])

    y += 1
    keys += _row(y, 0, [(0x02A, "Shift", "", 2.25)] + [(c, l, "") for c, l in (
        (0x02C, "Z"), (0x02D, "X"), (0x02E, "C"), (0x02F, "V"), (0x030, "B"), (0x031, "N"),
        (0x032, "M"))] + [(0x033, ",", "<"), (0x034, ".", ">"), (0x035, "/", "?"),
        (0x036, "Shift", "", 2.75)])
    keys.append(Key(0x148, "\u2191", "", 16.25, y))
    keys += _row(y, 18.5, [(0x04F, "1", "End"), (0x050, "2", "\u2193"), (0x051, "3", "PgDn")])
    keys.append(Key(0x11C, "Enter", "", 21.5, y, 1, 2))

    y += 1
    keys += _row(y, 0, [(0x01D, "Ctrl", "", 1.25), (0x15B, "Win", "", 1.25), (0x038, "Alt", "", 1.25),
                        (0x039, "", "", 6.25), (0x138, "Alt", "", 1.0)])
    # Fn sits between right Alt and right Win; it is not a panel key and gets its own entry.
    keys += _row(y, 12.0, [(0x15C, "Win", ""), (0x15D, "Menu", ""), (0x11D, "Ctrl", "")])
    keys += _row(y, 15.25, [(0x14B, "\u2190", ""), (0x150, "\u2193", ""), (0x14D, "\u2192", "")])
    keys.append(Key(0x052, "0", "Ins", 18.5, y, 2))
    keys.append(Key(0x053, ".", "Del", 20.5, y))
    return keys


PANEL_KEYS = _build_keys()
FN_KEY = Key(0, "Fn", "", 11.0, 5.25)
G_KEY_COUNT = 9
D_KEY_COUNT = 6

# Key units spanned: G column left of the main block, main block 0..22.5.
G_COLUMN_X = -1.75
G_COLUMN_W = 1.25
TOP_ROW_Y = -1.0        # strip above the F row: F-row mode switch and D1..D6
UNITS_WIDE = 22.5 - G_COLUMN_X
UNITS_HIGH = 6.25 - TOP_ROW_Y

assert len(PANEL_KEYS) == 104
assert sorted(k.code for k in PANEL_KEYS) == sorted(CONTROL_OF_CODE)
