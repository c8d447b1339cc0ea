// Key codes and their fixed tables: key indices, display names, the key picker list, virtual keys,
// keystroke scan codes, HID usages, modifier bits, and the media and function key lists.
// Pure functions over constant data; the names of media and function keys come from the language.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/language.h"

namespace mv::keys {

// 0x000..0x07F: set-1 make code; 0x100..0x17F: make code after an E0 prefix. 0 = no key.
using KeyCode = std::uint16_t;
// Row of a key code in the key table, 0..255.
using KeyIndex = std::uint8_t;

inline constexpr int kChooserPositions = 106;  // positions 0..105 of the key picker list
inline constexpr int kMediaKeyCount = 18;
inline constexpr int kFunctionKeyCount = 11;
inline constexpr std::size_t kKeyNameCapacity = 260;

struct HidUsage {
  std::uint16_t page = 0;  // 0 = no usage
  std::uint16_t usage = 0;
  friend bool operator==(const HidUsage&, const HidUsage&) = default;
};

KeyIndex KeyIndexOf(KeyCode code);
KeyCode KeyCodeOf(KeyIndex index);
// 0x000..0x07F or 0x100..0x17F. Anything else (e.g. read from a file) names no key and has no
// usage, position or row, even though KeyIndexOf folds it onto some row.
bool IsValidKeyCode(KeyCode code);

// Display name; an unnamed row gives the UNKNOWN_KEY format with the code. Cut to 259 units.
std::u16string KeyName(KeyCode code, const LanguageTable& texts);

std::u16string NameAtPosition(int position, const LanguageTable& texts);
KeyCode KeyAtPosition(int position);
// The chooser position column unchanged: above 105 when the key is not offered.
std::uint16_t PositionOfKey(KeyCode code);

HidUsage KeyToHidUsage(KeyCode code);
KeyCode HidUsageToKey(HidUsage usage);

KeyCode KeyFromVirtualKey(std::uint32_t vk);
// flags: the keystroke word of a key message (bits 16-23 scan code, bit 24 extended key).
KeyCode KeyFromKeystroke(std::uint32_t vk, std::uint32_t flags);

bool IsReleaseOnlyKey(KeyCode code);
// One of the 18 keys of the media list.
bool IsMediaKey(KeyCode code);
// Key of the lowest set bit of an HID modifier byte; 0 for an empty mask.
KeyCode ModifierKeyOfBit(std::uint8_t mask);
// The HID modifier bit of a modifier key, 0 for any other key.
std::uint8_t ModifierBitOfKey(KeyCode code);

// Media keys, index 0..17; out-of-range indices give 0 / empty.
KeyCode MediaKeyCode(int index);
std::uint16_t MediaConsumerUsage(int index);
std::u16string MediaKeyName(int index, const LanguageTable& texts);
// Function keys, index 0..10; out of range gives empty.
std::u16string FunctionKeyName(int index, const LanguageTable& texts);

}  // namespace mv::keys
