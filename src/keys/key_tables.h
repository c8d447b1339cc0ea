// The constant key tables: key rows, consumer usages, the virtual-key map, media and function keys,
// modifier bits and release-only keys. Internal to keys/ (and its tests); everyone else goes
// through key_codes.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/language.h"

namespace mv::keys::tables {

inline constexpr std::uint16_t kNotOffered = 0xFFFF;  // chooser position of a key not in the picker
inline constexpr std::uint8_t kNoHid = 0;
inline constexpr std::uint8_t kNoVirtualKey = 0xFF;

// Consumer page usages, indexed by HID code - 0xC0. Slots 18..31 hold no usage.
inline constexpr std::array<std::uint16_t, 32> kConsumerUsageTable = {
    0x0E9, 0x0EA, 0x183, 0x18A, 0x192, 0x194, 0x221, 0x223, 0x224, 0x225, 0x226,
    0x227, 0x22A, 0x0E2, 0x0CD, 0x0B7, 0x0B6, 0x0B5,
};

// The HID code byte of a row is a tagged value: 0x81..0x83 generic desktop, 0xC0..0xDF a consumer
// slot, 0 and 0xFF nothing, anything else the keyboard page.
inline constexpr std::uint8_t kFirstDesktopHid = 0x81;
inline constexpr std::uint8_t kLastDesktopHid = 0x83;
inline constexpr std::uint8_t kFirstConsumerHid = 0xC0;
inline constexpr std::uint8_t kLastConsumerHid = 0xDF;

constexpr bool IsDesktopHid(std::uint8_t hid) { return hid >= kFirstDesktopHid && hid <= kLastDesktopHid; }
constexpr bool IsConsumerHid(std::uint8_t hid) { return hid >= kFirstConsumerHid && hid <= kLastConsumerHid; }
constexpr bool IsKeyboardHid(std::uint8_t hid) {
  return hid != 0 && hid != 0xFF && !IsDesktopHid(hid) && !IsConsumerHid(hid);
}

struct KeyRow {
  std::uint16_t code = 0;
  std::u16string_view name;  // empty when the name is a language text or the row has no key
  bool nameFromText = false;
  TextId nameText = TextId::UNKNOWN_KEY;  // meaningful only when nameFromText
  std::uint8_t vk = 0;
  std::uint8_t altVk = 0;
  std::uint16_t position = kNotOffered;
  std::uint8_t hid = kNoHid;
};

// Row builders, so that each row below reads like the table it comes from.
constexpr KeyRow Key(std::uint16_t code, std::u16string_view name, std::uint8_t vk, std::uint16_t pos,
                     std::uint8_t hid) {
  return KeyRow{code, name, false, TextId::UNKNOWN_KEY, vk, vk, pos, hid};
}
// A numeric pad key: its virtual key while Num Lock is off differs.
constexpr KeyRow NumPad(std::uint16_t code, std::u16string_view name, std::uint8_t vk, std::uint8_t altVk,
                        std::uint16_t pos, std::uint8_t hid) {
  return KeyRow{code, name, false, TextId::UNKNOWN_KEY, vk, altVk, pos, hid};
}
// A media key: named by its language text, never offered in the picker.
constexpr KeyRow Media(std::uint16_t code, TextId name, std::uint8_t vk, std::uint8_t hid) {
  return KeyRow{code, {}, true, name, vk, vk, kNotOffered, hid};
}

constexpr std::uint8_t Kb(std::uint8_t usage) { return usage; }       // keyboard page 0x07
constexpr std::uint8_t Desktop(std::uint8_t usage) { return usage; }  // generic desktop page 0x01
constexpr std::uint8_t Slot(int slot) { return static_cast<std::uint8_t>(kFirstConsumerHid + slot); }
// Consumer page usage, stored as the lowest slot that holds it (a usage in no slot fails to compile).
consteval std::uint8_t Consumer(std::uint16_t usage) {
  for (std::size_t slot = 0; slot < kConsumerUsageTable.size(); ++slot) {
    if (kConsumerUsageTable[slot] == usage) return Slot(static_cast<int>(slot));
  }
  throw "consumer usage in no slot";
}

inline constexpr std::uint16_t kNone = kNotOffered;

// Every key with a row; all other rows are empty.
inline constexpr KeyRow kKeyRows[] = {
    // Main block, set-1 make codes without prefix.
    Key(0x001, u"Esc", 0x1B, 37, Kb(0x29)),
    Key(0x002, u"1", 0x31, 26, Kb(0x1E)),
    Key(0x003, u"2", 0x32, 27, Kb(0x1F)),
    Key(0x004, u"3", 0x33, 28, Kb(0x20)),
    Key(0x005, u"4", 0x34, 29, Kb(0x21)),
    Key(0x006, u"5", 0x35, 30, Kb(0x22)),
    Key(0x007, u"6", 0x36, 31, Kb(0x23)),
    Key(0x008, u"7", 0x37, 32, Kb(0x24)),
    Key(0x009, u"8", 0x38, 33, Kb(0x25)),
    Key(0x00A, u"9", 0x39, 34, Kb(0x26)),
    Key(0x00B, u"0", 0x30, 35, Kb(0x27)),
    Key(0x00C, u"-", 0xBD, 41, Kb(0x2D)),
    Key(0x00D, u"=", 0xBB, 42, Kb(0x2E)),
    Key(0x00E, u"Backspace", 0x08, 38, Kb(0x2A)),
    Key(0x00F, u"Tab", 0x09, 39, Kb(0x2B)),
    Key(0x010, u"Q", 0x51, 16, Kb(0x14)),
    Key(0x011, u"W", 0x57, 22, Kb(0x1A)),
    Key(0x012, u"E", 0x45, 4, Kb(0x08)),
    Key(0x013, u"R", 0x52, 17, Kb(0x15)),
    Key(0x014, u"T", 0x54, 19, Kb(0x17)),
    Key(0x015, u"Y", 0x59, 24, Kb(0x1C)),
    Key(0x016, u"U", 0x55, 20, Kb(0x18)),
    Key(0x017, u"I", 0x49, 8, Kb(0x0C)),
    Key(0x018, u"O", 0x4F, 14, Kb(0x12)),
    Key(0x019, u"P", 0x50, 15, Kb(0x13)),
    Key(0x01A, u"[", 0xDB, 43, Kb(0x2F)),
    Key(0x01B, u"]", 0xDD, 44, Kb(0x30)),
    Key(0x01C, u"Enter", 0x0D, 36, Kb(0x28)),
    Key(0x01D, u"Ctrl", 0xA2, 98, Kb(0xE0)),
    Key(0x01E, u"A", 0x41, 0, Kb(0x04)),
    Key(0x01F, u"S", 0x53, 18, Kb(0x16)),
    Key(0x020, u"D", 0x44, 3, Kb(0x07)),
    Key(0x021, u"F", 0x46, 5, Kb(0x09)),
    Key(0x022, u"G", 0x47, 6, Kb(0x0A)),
    Key(0x023, u"H", 0x48, 7, Kb(0x0B)),
    Key(0x024, u"J", 0x4A, 9, Kb(0x0D)),
    Key(0x025, u"K", 0x4B, 10, Kb(0x0E)),
    Key(0x026, u"L", 0x4C, 11, Kb(0x0F)),
    Key(0x027, u";", 0xBA, 46, Kb(0x33)),
    Key(0x028, u"'", 0xDE, 47, Kb(0x34)),
    Key(0x029, u"`", 0xC0, 48, Kb(0x35)),
    Key(0x02A, u"Shift", 0xA0, 99, Kb(0xE1)),
    Key(0x02B, u"\\", 0xDC, 45, Kb(0x31)),
    Key(0x02C, u"Z", 0x5A, 25, Kb(0x1D)),
    Key(0x02D, u"X", 0x58, 23, Kb(0x1B)),
    Key(0x02E, u"C", 0x43, 2, Kb(0x06)),
    Key(0x02F, u"V", 0x56, 21, Kb(0x19)),
    Key(0x030, u"B", 0x42, 1, Kb(0x05)),
    Key(0x031, u"N", 0x4E, 13, Kb(0x11)),
    Key(0x032, u"M", 0x4D, 12, Kb(0x10)),
    Key(0x033, u",", 0xBC, 49, Kb(0x36)),
    Key(0x034, u".", 0xBE, 50, Kb(0x37)),
    Key(0x035, u"/", 0xBF, 51, Kb(0x38)),
    Key(0x036, u"Right Shift", 0xA1, 103, Kb(0xE5)),
    Key(0x037, u"Num *", 0x6A, 81, Kb(0x55)),
    Key(0x038, u"Alt", 0xA4, 100, Kb(0xE2)),
    Key(0x039, u"Space", 0x20, 40, Kb(0x2C)),
    Key(0x03A, u"Caps Lock", 0x14, 78, Kb(0x39)),
    Key(0x03B, u"F1", 0x70, 52, Kb(0x3A)),
    Key(0x03C, u"F2", 0x71, 53, Kb(0x3B)),
    Key(0x03D, u"F3", 0x72, 54, Kb(0x3C)),
    Key(0x03E, u"F4", 0x73, 55, Kb(0x3D)),
    Key(0x03F, u"F5", 0x74, 56, Kb(0x3E)),
    Key(0x040, u"F6", 0x75, 57, Kb(0x3F)),
    Key(0x041, u"F7", 0x76, 58, Kb(0x40)),
    Key(0x042, u"F8", 0x77, 59, Kb(0x41)),
    Key(0x043, u"F9", 0x78, 60, Kb(0x42)),
    Key(0x044, u"F10", 0x79, 61, Kb(0x43)),
    Key(0x045, u"Pause", 0x13, 65, Kb(0x48)),
    Key(0x046, u"Scroll Lock", 0x91, 77, Kb(0x47)),
    NumPad(0x047, u"Num 7", 0x67, 0x24, 91, Kb(0x5F)),
    NumPad(0x048, u"Num 8", 0x68, 0x26, 92, Kb(0x60)),
    NumPad(0x049, u"Num 9", 0x69, 0x21, 93, Kb(0x61)),
    Key(0x04A, u"Num -", 0x6D, 82, Kb(0x56)),
    NumPad(0x04B, u"Num 4", 0x64, 0x25, 88, Kb(0x5C)),
    NumPad(0x04C, u"Num 5", 0x65, 0x0C, 89, Kb(0x5D)),
    NumPad(0x04D, u"Num 6", 0x66, 0x27, 90, Kb(0x5E)),
    Key(0x04E, u"Num +", 0x6B, 83, Kb(0x57)),
    NumPad(0x04F, u"Num 1", 0x61, 0x23, 85, Kb(0x59)),
    NumPad(0x050, u"Num 2", 0x62, 0x28, 86, Kb(0x5A)),
    NumPad(0x051, u"Num 3", 0x63, 0x22, 87, Kb(0x5B)),
    NumPad(0x052, u"Num 0", 0x60, 0x2D, 94, Kb(0x62)),
    NumPad(0x053, u"Num .", 0x6E, 0x2E, 95, Kb(0x63)),
    Key(0x054, u"Sys Req", 0x2C, kNone, kNoHid),
    Key(0x056, u"K45", 0xE2, 96, Kb(0x64)),
    Key(0x057, u"F11", 0x7A, 62, Kb(0x44)),
    Key(0x058, u"F12", 0x7B, 63, Kb(0x45)),
    Key(0x064, u"F13", 0x7C, kNone, kNoHid),
    // International keys.
    Key(0x070, u"ROMA (133)", kNoVirtualKey, kNone, Kb(0x88)),
    Key(0x071, u"KL", 0xE9, kNone, Kb(0x91)),
    Key(0x072, u"KR", kNoVirtualKey, kNone, Kb(0x90)),
    Key(0x073, u"K56", 0xC1, kNone, Kb(0x87)),
    Key(0x079, u"CHG (132)", kNoVirtualKey, kNone, Kb(0x8A)),
    Key(0x07B, u"N-CHG (131)", 0xEB, kNone, Kb(0x8B)),
    Key(0x07D, u"K14", kNoVirtualKey, kNone, Kb(0x89)),
    Key(0x07E, u"K107", 0xC2, kNone, Kb(0x85)),
    // Make codes after an E0 prefix.
    Media(0x110, TextId::MEDIA_PREV_TRACK_4, 0xB1, Consumer(0x0B6)),
    Media(0x119, TextId::MEDIA_Next_TRACK_5, 0xB0, Consumer(0x0B5)),
    Key(0x11C, u"Num Enter", 0x0D, 84, Kb(0x58)),
    Key(0x11D, u"Right Ctrl", 0xA3, 102, Kb(0xE4)),
    Media(0x120, TextId::MEDIA_MUTE_8, 0xAD, Consumer(0x0E2)),
    Media(0x121, TextId::MEDIA_CALC_17, 0xB7, Consumer(0x192)),
    Media(0x122, TextId::MEDIA_PALY_PAUSE_2, 0xB3, Consumer(0x0CD)),
    Media(0x124, TextId::MEDIA_STOP_PALY_3, 0xB2, Consumer(0x0B7)),
    Media(0x12E, TextId::MEDIA_V_LOW_6, 0xAE, Consumer(0x0EA)),
    Media(0x130, TextId::MEDIA_V_ADD_7, 0xAF, Consumer(0x0E9)),
    Media(0x132, TextId::MEDIA_WWW_HOME_9, 0xAC, Consumer(0x223)),
    Key(0x135, u"Num /", 0x6F, 80, Kb(0x54)),
    Key(0x136, u"Right Shift", 0xA1, 103, Kb(0xE5)),
    Key(0x137, u"Print Screen", 0x2C, 64, Kb(0x46)),
    Key(0x138, u"Right Alt", 0xA5, 104, Kb(0xE6)),
    Key(0x145, u"Num Lock", 0x90, 79, Kb(0x53)),
    Key(0x146, u"Break", 0x03, 66, Kb(0x48)),
    Key(0x147, u"Home", 0x24, 69, Kb(0x4A)),
    Key(0x148, u"↑", 0x26, 73, Kb(0x52)),
    Key(0x149, u"Page Up", 0x21, 71, Kb(0x4B)),
    Key(0x14B, u"←", 0x25, 75, Kb(0x50)),
    Key(0x14D, u"→", 0x27, 76, Kb(0x4F)),
    Key(0x14F, u"End", 0x23, 70, Kb(0x4D)),
    Key(0x150, u"↓", 0x28, 74, Kb(0x51)),
    Key(0x151, u"Page Down", 0x22, 72, Kb(0x4E)),
    Key(0x152, u"Insert", 0x2D, 67, Kb(0x49)),
    Key(0x153, u"Delete", 0x2E, 68, Kb(0x4C)),
    Key(0x15B, u"Win", 0x5B, 101, Kb(0xE3)),
    Key(0x15C, u"Right Win", 0x5C, 105, Kb(0xE7)),
    Key(0x15D, u"App", 0x5D, 97, Kb(0x65)),
    Key(0x15E, u"Power", kNoVirtualKey, kNone, Desktop(0x81)),
    Key(0x15F, u"Sleep", 0x5F, kNone, Desktop(0x82)),
    Key(0x163, u"Wake", kNoVirtualKey, kNone, Desktop(0x83)),
    Media(0x165, TextId::MEDIA_WWW_SEARCH_15, 0xAA, Consumer(0x221)),
    Media(0x166, TextId::MEDIA_WWW_FAVORITE_14, 0xAB, Consumer(0x22A)),
    Media(0x167, TextId::MEDIA_WWW_REFRESH_10, 0xA8, Consumer(0x227)),
    Media(0x168, TextId::MEDIA_WWW_STOP_11, 0xA9, Consumer(0x226)),
    Media(0x169, TextId::MEDIA_WWW_FORWARD_13, 0xA7, Consumer(0x225)),
    Media(0x16A, TextId::MEDIA_WWW_BACK_12, 0xA6, Consumer(0x224)),
    Media(0x16B, TextId::MEDIA_MY_PC_16, 0xB6, Consumer(0x194)),
    Media(0x16C, TextId::MEDIA_MAIL_18, 0xB4, Consumer(0x18A)),
    Media(0x16D, TextId::MEDIA_PALYER_1, 0xB5, Consumer(0x183)),
    // Pointer and application keys.
    Key(0x16E, u"Pan Left", 0x88, kNone, kNoHid),
    Key(0x16F, u"Pan Right", 0x89, kNone, kNoHid),
    Key(0x170, u"Double Click", 0x8A, kNone, kNoHid),
    Key(0x171, u"Left Button", 0x01, kNone, kNoHid),
    Key(0x172, u"Right Button", 0x02, kNone, kNoHid),
    Key(0x173, u"Middle Button", 0x04, kNone, kNoHid),
    Key(0x174, u"Zoom-", 0x8B, kNone, Slot(18)),
    Key(0x175, u"Zoom+", 0x8C, kNone, Slot(19)),
    Key(0x176, u"Copy", 0x97, kNone, kNoHid),
    Key(0x177, u"Cut", 0x98, kNone, kNoHid),
    Key(0x178, u"Paste", 0x99, kNone, kNoHid),
    Key(0x179, u"Minimize", 0x9A, kNone, kNoHid),
    Key(0x17A, u"Maximize", 0x9B, kNone, kNoHid),
    Key(0x17B, u"Word", 0x9C, kNone, Slot(20)),
    Key(0x17C, u"Excel", 0x9D, kNone, Slot(21)),
    Key(0x17D, u"PowerPoint", 0x9E, kNone, kNoHid),
    Key(0x17E, u"Calendar", 0x9F, kNone, kNoHid),
};

constexpr bool IsValidCode(std::uint16_t code) { return code < 0x80 || (code >= 0x100 && code < 0x180); }
constexpr std::size_t IndexOfCode(std::uint16_t code) {
  return code < 0x100 ? code : static_cast<std::size_t>((code + 0x80) & 0xFF);
}

consteval std::array<KeyRow, 256> BuildKeyTable() {
  std::array<KeyRow, 256> table{};
  for (const KeyRow& row : kKeyRows) {
    if (!IsValidCode(row.code) || row.code == 0) throw "row with an invalid key code";
    KeyRow& slot = table[IndexOfCode(row.code)];
    if (slot.code != 0) throw "two rows for one key code";
    slot = row;
  }
  return table;
}
// Indexed by key index; rows without a key are all zero apart from the position "not offered".
inline constexpr std::array<KeyRow, 256> kKeyTable = BuildKeyTable();

// Virtual key -> key code; the map stores key indices, built from these pairs.
struct VirtualKeyEntry {
  std::uint8_t vk;
  std::uint16_t code;
};
inline constexpr VirtualKeyEntry kVirtualKeyEntries[] = {
    {0x03, 0x146},  // Break
    {0x08, 0x00E},
    {0x09, 0x00F},
    {0x0D, 0x01C},  // Enter: the main key, not Num Enter
    {0x10, 0x02A},  // generic Shift, Ctrl and Alt: the left-hand keys
    {0x11, 0x01D},
    {0x12, 0x038},
    {0x13, 0x045},
    {0x14, 0x03A},
    {0x1B, 0x001},
    {0x20, 0x039},
    {0x21, 0x149},
    {0x22, 0x151},
    {0x23, 0x14F},
    {0x24, 0x147},
    {0x25, 0x14B},
    {0x26, 0x148},
    {0x27, 0x14D},
    {0x28, 0x150},
    {0x2C, 0x137},  // Print Screen, not Sys Req
    {0x2D, 0x152},
    {0x2E, 0x153},
    {0x30, 0x00B},
    {0x31, 0x002},
    {0x32, 0x003},
    {0x33, 0x004},
    {0x34, 0x005},
    {0x35, 0x006},
    {0x36, 0x007},
    {0x37, 0x008},
    {0x38, 0x009},
    {0x39, 0x00A},
    {0x41, 0x01E},
    {0x42, 0x030},
    {0x43, 0x02E},
    {0x44, 0x020},
    {0x45, 0x012},
    {0x46, 0x021},
    {0x47, 0x022},
    {0x48, 0x023},
    {0x49, 0x017},
    {0x4A, 0x024},
    {0x4B, 0x025},
    {0x4C, 0x026},
    {0x4D, 0x032},
    {0x4E, 0x031},
    {0x4F, 0x018},
    {0x50, 0x019},
    {0x51, 0x010},
    {0x52, 0x013},
    {0x53, 0x01F},
    {0x54, 0x014},
    {0x55, 0x016},
    {0x56, 0x02F},
    {0x57, 0x011},
    {0x58, 0x02D},
    {0x59, 0x015},
    {0x5A, 0x02C},
    {0x5B, 0x15B},
    {0x5C, 0x15C},
    {0x5D, 0x15D},
    {0x5F, 0x15F},
    {0x60, 0x052},
    {0x61, 0x04F},
    {0x62, 0x050},
    {0x63, 0x051},
    {0x64, 0x04B},
    {0x65, 0x04C},
    {0x66, 0x04D},
    {0x67, 0x047},
    {0x68, 0x048},
    {0x69, 0x049},
    {0x6A, 0x037},
    {0x6B, 0x04E},
    {0x6D, 0x04A},
    {0x6E, 0x053},
    {0x6F, 0x135},
    {0x70, 0x03B},
    {0x71, 0x03C},
    {0x72, 0x03D},
    {0x73, 0x03E},
    {0x74, 0x03F},
    {0x75, 0x040},
    {0x76, 0x041},
    {0x77, 0x042},
    {0x78, 0x043},
    {0x79, 0x044},
    {0x7A, 0x057},
    {0x7B, 0x058},
    {0x7C, 0x064},
    {0x8B, 0x152},
    {0x8C, 0x153},
    {0x90, 0x145},
    {0x91, 0x046},
    {0x9C, 0x154},
    {0x9D, 0x155},
    {0xA0, 0x02A},
    {0xA1, 0x036},
    {0xA2, 0x01D},
    {0xA3, 0x11D},
    {0xA4, 0x038},
    {0xA5, 0x138},
    {0xA6, 0x16A},
    {0xA7, 0x169},
    {0xA8, 0x167},
    {0xA9, 0x168},
    {0xAA, 0x165},
    {0xAB, 0x166},
    {0xAC, 0x132},
    {0xAD, 0x120},
    {0xAE, 0x12E},
    {0xAF, 0x130},
    {0xB0, 0x119},
    {0xB1, 0x110},
    {0xB2, 0x124},
    {0xB3, 0x122},
    {0xB4, 0x16C},
    {0xB5, 0x16D},
    {0xB6, 0x16B},
    {0xB7, 0x121},
    {0xBA, 0x027},
    {0xBB, 0x00D},
    {0xBC, 0x033},
    {0xBD, 0x00C},
    {0xBE, 0x034},
    {0xBF, 0x035},
    {0xC0, 0x029},
    {0xC1, 0x073},
    {0xC2, 0x07E},
    {0xDB, 0x01A},
    {0xDC, 0x02B},
    {0xDD, 0x01B},
    {0xDE, 0x028},
    {0xE2, 0x056},
    {0xE9, 0x071},
    {0xEB, 0x07B},
};

consteval std::array<std::uint8_t, 256> BuildVirtualKeyMap() {
  std::array<std::uint8_t, 256> map{};
  for (const VirtualKeyEntry& e : kVirtualKeyEntries) {
    if (!IsValidCode(e.code)) throw "virtual key mapped to an invalid key code";
    if (map[e.vk] != 0) throw "virtual key mapped twice";
    map[e.vk] = static_cast<std::uint8_t>(IndexOfCode(e.code));
  }
  return map;
}
// Indexed by virtual key; each entry a key index, 0 = none.
inline constexpr std::array<std::uint8_t, 256> kVirtualKeyMap = BuildVirtualKeyMap();

// The picker: the key at each position is the first row, in key-index order, with that position.
consteval std::array<std::uint16_t, 106> BuildChooserList() {
  std::array<std::uint16_t, 106> list{};
  for (std::size_t index = 0; index < kKeyTable.size(); ++index) {
    const KeyRow& row = kKeyTable[index];
    if (row.code != 0 && row.position < list.size() && list[row.position] == 0) list[row.position] = row.code;
  }
  return list;
}
inline constexpr std::array<std::uint16_t, 106> kKeyChooserList = BuildChooserList();

// HID code byte -> the key code of the lowest row that carries it (0 = none).
consteval std::array<std::uint16_t, 256> BuildHidReverse() {
  std::array<std::uint16_t, 256> reverse{};
  for (const KeyRow& row : kKeyTable) {
    if (row.code != 0 && row.hid != 0 && row.hid != 0xFF && reverse[row.hid] == 0) reverse[row.hid] = row.code;
  }
  return reverse;
}
inline constexpr std::array<std::uint16_t, 256> kKeyOfHidCode = BuildHidReverse();

struct MediaKey {
  std::uint16_t code;
  std::uint16_t consumerUsage;
  TextId name;
};
// Index = what a media assignment stores.
inline constexpr MediaKey kMediaKeyList[] = {
    {0x16D, 0x183, TextId::MEDIA_PALYER_1},
    {0x122, 0x0CD, TextId::MEDIA_PALY_PAUSE_2},
    {0x124, 0x0B7, TextId::MEDIA_STOP_PALY_3},
    {0x110, 0x0B6, TextId::MEDIA_PREV_TRACK_4},
    {0x119, 0x0B5, TextId::MEDIA_Next_TRACK_5},
    {0x12E, 0x0EA, TextId::MEDIA_V_LOW_6},
    {0x130, 0x0E9, TextId::MEDIA_V_ADD_7},
    {0x120, 0x0E2, TextId::MEDIA_MUTE_8},
    {0x132, 0x223, TextId::MEDIA_WWW_HOME_9},
    {0x167, 0x227, TextId::MEDIA_WWW_REFRESH_10},
    {0x168, 0x226, TextId::MEDIA_WWW_STOP_11},
    {0x16A, 0x224, TextId::MEDIA_WWW_BACK_12},
    {0x169, 0x225, TextId::MEDIA_WWW_FORWARD_13},
    {0x166, 0x22A, TextId::MEDIA_WWW_FAVORITE_14},
    {0x165, 0x221, TextId::MEDIA_WWW_SEARCH_15},
    {0x16B, 0x194, TextId::MEDIA_MY_PC_16},
    {0x121, 0x192, TextId::MEDIA_CALC_17},
    {0x16C, 0x18A, TextId::MEDIA_MAIL_18},
};

// Index = what a function assignment stores and what the keyboard receives.
inline constexpr TextId kFunctionKeyList[] = {
    TextId::FUNC_KEY_DESC1,  // "Open"
    TextId::FUNC_KEY_DESC2,  // "New"
    TextId::FUNC_KEY_DESC3,  // "Undo"
    TextId::FUNC_KEY_DESC4,  // "Save"
    TextId::FUNC_KEY_DESC5,  // "Copy"
    TextId::FUNC_KEY_DESC6,  // "Cut"
    TextId::FUNC_KEY_DESC7,  // "Paste"
    TextId::FUNC_KEY_DESC8,  // "Find"
    TextId::FUNC_KEY_DESC9,  // "Select All"
    TextId::FUNC_KEY_DESC10, // "Zoom-"
    TextId::FUNC_KEY_DESC11, // "Zoom+"
};

// The key of each bit of the HID modifier byte, bit 0 first.
inline constexpr std::uint16_t kModifierBits[8] = {
    0x01D,  // Ctrl
    0x02A,  // Shift
    0x038,  // Alt
    0x15B,  // Win
    0x11D,  // Right Ctrl
    0x036,  // Right Shift
    0x138,  // Right Alt
    0x15C,  // Right Win
};

// Keys whose press Windows does not report: the recorder adds one of its own.
inline constexpr std::uint16_t kReleaseOnlyKeys[] = {
    0x054,  // Sys Req
    0x071,  // KL
    0x072,  // KR
    0x137,  // Print Screen
};

}  // namespace mv::keys::tables
