// Integrity of the constant key tables: each check ties one table to another, or to the picker
// order the user sees, so that a typo in a row shows up here.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "app/language.h"
#include "keys/key_codes.h"
#include "keys/key_tables.h"

namespace {

using mv::LanguageTable;
using mv::TextId;
using namespace mv::keys;
namespace tables = mv::keys::tables;

// The picker, in position order, as the user sees it.
const char16_t* const kPickerNames[kChooserPositions] = {
    u"A", u"B", u"C", u"D", u"E", u"F", u"G", u"H", u"I", u"J", u"K", u"L", u"M", u"N", u"O", u"P", u"Q", u"R",
    u"S", u"T", u"U", u"V", u"W", u"X", u"Y", u"Z",
    u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0",
    u"Enter", u"Esc", u"Backspace", u"Tab", u"Space", u"-", u"=", u"[", u"]", u"\\", u";", u"'", u"`", u",",
    u".", u"/",
    u"F1", u"F2", u"F3", u"F4", u"F5", u"F6", u"F7", u"F8", u"F9", u"F10", u"F11", u"F12",
    u"Print Screen", u"Pause", u"Break", u"Insert", u"Delete", u"Home", u"End", u"Page Up", u"Page Down",
    u"\u2191", u"\u2193", u"\u2190", u"\u2192",
    u"Scroll Lock", u"Caps Lock", u"Num Lock", u"Num /", u"Num *", u"Num -", u"Num +", u"Num Enter",
    u"Num 1", u"Num 2", u"Num 3", u"Num 4", u"Num 5", u"Num 6", u"Num 7", u"Num 8", u"Num 9", u"Num 0",
    u"Num .",
    u"K45", u"App", u"Ctrl", u"Shift", u"Alt", u"Win", u"Right Ctrl", u"Right Shift", u"Right Alt",
    u"Right Win",
};

TEST(KeyTableIntegrity, EveryPickerPositionShowsTheKeyOfItsPlaceInTheList) {
  const LanguageTable texts;
  for (int position = 0; position < kChooserPositions; ++position) {
    const KeyCode code = KeyAtPosition(position);
    EXPECT_EQ(NameAtPosition(position, texts), kPickerNames[position]) << position;
    EXPECT_EQ(KeyName(code, texts), kPickerNames[position]) << position;
    EXPECT_EQ(PositionOfKey(code), position) << position;
  }
}

TEST(KeyTableIntegrity, NoPositionIsHeldByTwoRowsExceptTheRightShiftTwins) {
  std::array<int, kChooserPositions> holders{};
  for (const tables::KeyRow& row : tables::kKeyTable) {
    if (row.code == 0) continue;
    if (row.position < kChooserPositions) {
      ++holders[row.position];
    } else {
      EXPECT_EQ(row.position, tables::kNotOffered) << std::hex << row.code;
    }
  }
  for (int position = 0; position < kChooserPositions; ++position) {
    EXPECT_EQ(holders[position], position == 103 ? 2 : 1) << position;
  }
}

TEST(KeyTableIntegrity, EveryRowSitsAtItsOwnIndexAndHasAName) {
  for (std::size_t index = 0; index < tables::kKeyTable.size(); ++index) {
    const tables::KeyRow& row = tables::kKeyTable[index];
    if (row.code == 0) {
      EXPECT_TRUE(row.name.empty()) << index;
      EXPECT_EQ(row.hid, 0) << index;
      continue;
    }
    EXPECT_EQ(KeyCodeOf(static_cast<KeyIndex>(index)), row.code) << index;
    EXPECT_EQ(row.name.empty(), row.nameFromText) << std::hex << row.code;
    if (row.altVk != row.vk) {
      EXPECT_EQ(row.name.substr(0, 4), u"Num ") << std::hex << row.code;
    }
  }
}

// Generic Shift, Ctrl and Alt go to the left-hand keys; 8B/8C and 9C/9D are mapped as the
// keyboard's own table has them (Insert/Delete and two codes without a row).
bool IsDocumentedVirtualKeyException(std::uint8_t vk) {
  static const std::set<std::uint8_t> kExceptions = {0x10, 0x11, 0x12, 0x8B, 0x8C, 0x9C, 0x9D};
  return kExceptions.count(vk) != 0;
}

TEST(KeyTableIntegrity, EveryVirtualKeyMapsToAKeyWithThatVirtualKey) {
  for (const tables::VirtualKeyEntry& entry : tables::kVirtualKeyEntries) {
    const tables::KeyRow& row = tables::kKeyTable[KeyIndexOf(entry.code)];
    EXPECT_EQ(KeyFromVirtualKey(entry.vk), entry.code) << std::hex << int{entry.vk};
    if (IsDocumentedVirtualKeyException(entry.vk)) continue;
    EXPECT_EQ(row.code, entry.code) << std::hex << int{entry.vk};
    EXPECT_TRUE(row.vk == entry.vk || row.altVk == entry.vk) << std::hex << int{entry.vk};
  }
  EXPECT_EQ(KeyFromVirtualKey(0x8B), 0x152);
  EXPECT_EQ(KeyFromVirtualKey(0x9C), 0x154);
}

TEST(KeyTableIntegrity, EveryKeyWithAVirtualKeyComesBackFromItsOwnKeystroke) {
  for (const tables::KeyRow& row : tables::kKeyTable) {
    if (row.code == 0) continue;
    EXPECT_EQ(KeyFromKeystroke(row.vk, std::uint32_t{row.code} << 16), row.code) << std::hex << row.code;
  }
}

// Usages shared on purpose: Pause/Break, the Right Shift twins, and the four keys on empty
// consumer slots, which all read back as the first of them.
TEST(KeyTableIntegrity, EveryUsageReadsBackAsItsKeyOrTheDocumentedSharer) {
  const std::set<KeyCode> kSharers = {0x146, 0x136, 0x175, 0x17B, 0x17C};
  for (const tables::KeyRow& row : tables::kKeyTable) {
    if (row.code == 0 || row.hid == 0) continue;
    const HidUsage usage = KeyToHidUsage(row.code);
    EXPECT_NE(usage.page, 0) << std::hex << row.code;
    if (kSharers.count(row.code) != 0) {
      EXPECT_NE(HidUsageToKey(usage), row.code) << std::hex << row.code;
      EXPECT_LT(HidUsageToKey(usage), row.code) << std::hex << row.code;
    } else {
      EXPECT_EQ(HidUsageToKey(usage), row.code) << std::hex << row.code;
    }
  }
}

TEST(KeyTableIntegrity, ModifierBitsMatchTheModifierUsages) {
  for (int bit = 0; bit < 8; ++bit) {
    const KeyCode code = ModifierKeyOfBit(static_cast<std::uint8_t>(1u << bit));
    EXPECT_EQ(KeyToHidUsage(code), (HidUsage{0x07, static_cast<std::uint16_t>(0xE0 + bit)})) << bit;
  }
}

TEST(KeyTableIntegrity, MediaListAgreesWithTheKeyRows) {
  LanguageTable texts;
  for (int i = 0; i < kMediaKeyCount; ++i) {
    texts.SetText(tables::kMediaKeyList[i].name, mv::InfoOf(tables::kMediaKeyList[i].name).id);
  }
  std::set<KeyCode> seen;
  for (int i = 0; i < kMediaKeyCount; ++i) {
    const tables::MediaKey& media = tables::kMediaKeyList[i];
    EXPECT_TRUE(seen.insert(media.code).second) << i;
    EXPECT_EQ(KeyToHidUsage(media.code), (HidUsage{0x0C, media.consumerUsage})) << i;
    EXPECT_EQ(HidUsageToKey({0x0C, media.consumerUsage}), media.code) << i;
    EXPECT_EQ(KeyName(media.code, texts), mv::InfoOf(media.name).id) << i;
    EXPECT_EQ(PositionOfKey(media.code), tables::kNotOffered) << i;
  }
  // The language texts run in media-list order.
  for (int i = 1; i < kMediaKeyCount; ++i) {
    EXPECT_EQ(static_cast<int>(tables::kMediaKeyList[i].name),
              static_cast<int>(tables::kMediaKeyList[0].name) + i);
  }
  EXPECT_EQ(KeyName(0x16C, texts), u"MEDIA_MAIL_18");
}

TEST(KeyTableIntegrity, FunctionListRunsInLanguageOrder) {
  for (int i = 0; i < kFunctionKeyCount; ++i) {
    EXPECT_EQ(static_cast<int>(tables::kFunctionKeyList[i]), static_cast<int>(TextId::FUNC_KEY_DESC1) + i);
  }
}

}  // namespace
