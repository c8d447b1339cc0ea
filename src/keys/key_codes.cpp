// Translations between key codes and names, picker positions, HID usages, virtual keys,
// keystrokes and modifier bits, all over the constant tables of key_tables.h.
#include "keys/key_codes.h"

#include <algorithm>
#include <iterator>

#include "keys/key_tables.h"
#include "keys/key_text.h"

namespace mv::keys {

namespace {

using tables::KeyRow;

constexpr std::uint16_t kDesktopPage = 0x01;
constexpr std::uint16_t kKeyboardPage = 0x07;
constexpr std::uint16_t kConsumerPage = 0x0C;
constexpr KeyCode kRightShiftScan = 0x036;

// An invalid code has no row of its own; it gets the empty one instead of the row it folds onto.
const KeyRow& RowOf(KeyCode code) {
  static constexpr KeyRow kEmpty{};
  return IsValidKeyCode(code) ? tables::kKeyTable[KeyIndexOf(code)] : kEmpty;
}

std::u16string_view RowName(const KeyRow& row, const LanguageTable& texts) {
  return row.nameFromText ? texts.Text(row.nameText) : row.name;
}

bool InChooser(int position) { return position >= 0 && position < kChooserPositions; }

std::uint8_t VirtualKeyMapEntry(std::uint32_t vk) { return vk <= 0xFF ? tables::kVirtualKeyMap[vk] : 0; }

// The HID code byte a usage is stored as in the key table, 0 when no row can carry it.
std::uint8_t HidCodeOfUsage(HidUsage usage) {
  switch (usage.page) {
    case kKeyboardPage: {
      if (usage.usage > 0xFF) return 0;
      const auto byte = static_cast<std::uint8_t>(usage.usage);
      // Bytes that stand for another page in the table are no keyboard usage.
      return tables::IsKeyboardHid(byte) ? byte : 0;
    }
    case kDesktopPage:
      return usage.usage >= tables::kFirstDesktopHid && usage.usage <= tables::kLastDesktopHid
                 ? static_cast<std::uint8_t>(usage.usage)
                 : 0;
    case kConsumerPage: {
      const auto& slots = tables::kConsumerUsageTable;
      const auto slot = std::find(slots.begin(), slots.end(), usage.usage);
      return slot == slots.end() ? 0 : tables::Slot(static_cast<int>(slot - slots.begin()));
    }
    default:
      return 0;
  }
}

}  // namespace

KeyIndex KeyIndexOf(KeyCode code) {
  return static_cast<KeyIndex>(code < 0x100 ? code : (code + 0x80) & 0xFF);
}

KeyCode KeyCodeOf(KeyIndex index) { return index < 0x80 ? index : static_cast<KeyCode>(index + 0x80); }

bool IsValidKeyCode(KeyCode code) { return tables::IsValidCode(code); }

std::u16string KeyName(KeyCode code, const LanguageTable& texts) {
  std::u16string name(RowName(RowOf(code), texts));
  if (name.empty()) name = FormatKeyCode(texts.Text(TextId::UNKNOWN_KEY), code);
  CutToCapacity(name, kKeyNameCapacity);
  return name;
}

std::u16string NameAtPosition(int position, const LanguageTable& texts) {
  const KeyCode code = KeyAtPosition(position);
  return code == 0 ? std::u16string() : std::u16string(RowName(RowOf(code), texts));
}

KeyCode KeyAtPosition(int position) {
  return InChooser(position) ? tables::kKeyChooserList[static_cast<std::size_t>(position)] : 0;
}

std::uint16_t PositionOfKey(KeyCode code) { return RowOf(code).position; }

HidUsage KeyToHidUsage(KeyCode code) {
  const std::uint8_t hid = RowOf(code).hid;
  if (hid == 0 || hid == 0xFF) return {};
  if (tables::IsDesktopHid(hid)) return {kDesktopPage, hid};
  if (tables::IsConsumerHid(hid)) return {kConsumerPage, tables::kConsumerUsageTable[hid - tables::kFirstConsumerHid]};
  return {kKeyboardPage, hid};
}

KeyCode HidUsageToKey(HidUsage usage) { return tables::kKeyOfHidCode[HidCodeOfUsage(usage)]; }

KeyCode KeyFromVirtualKey(std::uint32_t vk) {
  const std::uint8_t index = VirtualKeyMapEntry(vk);
  return index == 0 ? 0 : KeyCodeOf(index);
}

KeyCode KeyFromKeystroke(std::uint32_t vk, std::uint32_t flags) {
  const KeyCode byVirtualKey = KeyFromVirtualKey(vk);
  const auto scan = static_cast<KeyCode>((flags >> 16) & 0x1FF);  // extended-key bit as 0x100
  // Windows reports the right Shift key with the generic Shift virtual key.
  if (scan == kRightShiftScan) return kRightShiftScan;
  // A scan code that is no key code (bit 7 set, or extended with it) is never passed on.
  const bool scanIsKey = IsValidKeyCode(scan);
  const auto vkByte = static_cast<std::uint8_t>(vk & 0xFF);
  if (vkByte == 0xFF) return scanIsKey ? scan : byVirtualKey;
  if ((scan & 0xFF) == 0 || !scanIsKey) return byVirtualKey;
  const KeyRow& row = RowOf(scan);
  if (row.vk == vkByte || row.altVk == vkByte) return scan;
  // Generic Ctrl and Alt with the extended bit are the right-hand keys.
  if (VirtualKeyMapEntry(vk) == (scan & 0xFF)) return scan;
  return byVirtualKey;
}

bool IsReleaseOnlyKey(KeyCode code) {
  return std::find(std::begin(tables::kReleaseOnlyKeys), std::end(tables::kReleaseOnlyKeys), code) !=
         std::end(tables::kReleaseOnlyKeys);
}

bool IsMediaKey(KeyCode code) {
  return code != 0 && std::any_of(std::begin(tables::kMediaKeyList), std::end(tables::kMediaKeyList),
                                  [code](const tables::MediaKey& key) { return key.code == code; });
}

KeyCode ModifierKeyOfBit(std::uint8_t mask) {
  for (int bit = 0; bit < 8; ++bit) {
    if (mask & (1u << bit)) return tables::kModifierBits[bit];
  }
  return 0;
}

std::uint8_t ModifierBitOfKey(KeyCode code) {
  for (int bit = 0; bit < 8; ++bit) {
    if (code != 0 && tables::kModifierBits[bit] == code) return static_cast<std::uint8_t>(1u << bit);
  }
  return 0;
}

KeyCode MediaKeyCode(int index) {
  return index >= 0 && index < kMediaKeyCount ? tables::kMediaKeyList[index].code : 0;
}

std::uint16_t MediaConsumerUsage(int index) {
  return index >= 0 && index < kMediaKeyCount ? tables::kMediaKeyList[index].consumerUsage : 0;
}

std::u16string MediaKeyName(int index, const LanguageTable& texts) {
  return index >= 0 && index < kMediaKeyCount ? KeyName(tables::kMediaKeyList[index].code, texts) : std::u16string();
}

std::u16string FunctionKeyName(int index, const LanguageTable& texts) {
  if (index < 0 || index >= kFunctionKeyCount) return {};
  std::u16string name(texts.Text(tables::kFunctionKeyList[index]));
  CutToCapacity(name, kKeyNameCapacity);
  return name;
}

static_assert(std::size(tables::kMediaKeyList) == kMediaKeyCount);
static_assert(std::size(tables::kFunctionKeyList) == kFunctionKeyCount);
static_assert(tables::kKeyChooserList.size() == kChooserPositions);

}  // namespace mv::keys
