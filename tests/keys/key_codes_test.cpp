// Key codes: indices, names and the unknown-key fallback, picker positions, HID usages, keystroke
// translation, modifier bits, media and function keys.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/language.h"
#include "keys/key_codes.h"
#include "keys/key_text.h"

namespace {

using mv::LanguageTable;
using mv::TextId;
using namespace mv::keys;

constexpr std::uint32_t kExtended = 0x100;
// The keystroke word Windows passes: scan code in bits 16-23, extended key in bit 24.
constexpr std::uint32_t Keystroke(std::uint32_t scanWithExtendedBit) { return scanWithExtendedBit << 16; }

TEST(KeyIndex, MapsPrefixedCodesOntoTheUpperHalf) {
  struct Case {
    KeyCode code;
    KeyIndex index;
  };
  const Case cases[] = {{0x000, 0x00}, {0x045, 0x45}, {0x07F, 0x7F}, {0x100, 0x80}, {0x11D, 0x9D}, {0x17F, 0xFF}};
  for (const auto& c : cases) {
    EXPECT_EQ(KeyIndexOf(c.code), c.index) << std::hex << c.code;
    EXPECT_EQ(KeyCodeOf(c.index), c.code) << std::hex << c.code;
  }
}

TEST(KeyIndex, EveryIndexRoundTripsThroughAValidCode) {
  for (int i = 0; i < 256; ++i) {
    const KeyCode code = KeyCodeOf(static_cast<KeyIndex>(i));
    EXPECT_TRUE(IsValidKeyCode(code)) << i;
    EXPECT_EQ(KeyIndexOf(code), i);
  }
  EXPECT_FALSE(IsValidKeyCode(0x080));
  EXPECT_FALSE(IsValidKeyCode(0x0FF));
  EXPECT_FALSE(IsValidKeyCode(0x180));
  EXPECT_FALSE(IsValidKeyCode(0xFFFF));
}

TEST(KeyName, NamesRowsAndFallsBackToTheUnknownKeyText) {
  const LanguageTable texts;
  struct Case {
    KeyCode code;
    std::u16string name;
  };
  const Case cases[] = {
      {0x01E, u"A"},
      {0x02B, u"\\"},
      {0x11D, u"Right Ctrl"},
      {0x148, u"\u2191"},
      {0x070, u"ROMA (133)"},
      {0x036, u"Right Shift"},
      {0x136, u"Right Shift"},
      {0x16C, u"Hello world"},  // a media key: its language text
      {0x17F, u"Unknown Key: 17f"},
      {0x055, u"Unknown Key: 055"},
      {0x000, u"Unknown Key: 000"},
      // Codes that are no key code must not borrow the row they fold onto (0x120 mute, 0x020 D).
      {0x0A0, u"Unknown Key: 0a0"},
      {0x1A0, u"Unknown Key: 1a0"},
      {0x1234, u"Unknown Key: 1234"},
  };
  for (const auto& c : cases) EXPECT_EQ(KeyName(c.code, texts), c.name) << std::hex << c.code;
}

// The fallback text comes from the language file: only its first hex directive is filled in.
TEST(KeyName, FallbackFormatIsNeverTrustedAsAPrintfFormat) {
  struct Case {
    std::u16string format;
    KeyCode code;
    std::u16string name;
  };
  const Case cases[] = {
      {u"Unbekannt %03x", 0x055, u"Unbekannt 055"},
      {u"%x?", 0x055, u"55?"},
      {u"%X", 0x17F, u"17F"},
      {u"%03X", 0x17F, u"17F"},
      {u"%05x", 0x055, u"00055"},
      {u"%5x", 0x055, u"   55"},
      {u"%s %n %03x %d", 0x055, u"%s %n 055 %d"},
      {u"%03x and %03x", 0x055, u"055 and %03x"},
      {u"100%% %03x", 0x055, u"100%% 055"},
      {u"%%03x", 0x055, u"%%03x"},
      {u"no number", 0x055, u"no number"},
      {u"%", 0x055, u"%"},
      {u"abc%0", 0x055, u"abc%0"},
      {u"%999x", 0x055, u"%999x"},
      {u"", 0x055, u""},
  };
  for (const auto& c : cases) {
    LanguageTable texts;
    texts.SetText(TextId::UNKNOWN_KEY, c.format);
    EXPECT_EQ(KeyName(c.code, texts), c.name);
  }
}

TEST(KeyText, CutKeepsCapacityMinusOneUnitsAndNeverHalfAPair) {
  std::u16string plain(300, u'a');
  mv::CutToCapacity(plain, kKeyNameCapacity);
  EXPECT_EQ(plain.size(), 259u);

  std::u16string paired = std::u16string(258, u'a') + u"\U0001F600";
  mv::CutToCapacity(paired, kKeyNameCapacity);
  EXPECT_EQ(paired, std::u16string(258, u'a'));

  std::u16string shortText = u"Esc";
  mv::CutToCapacity(shortText, kKeyNameCapacity);
  EXPECT_EQ(shortText, u"Esc");
}

TEST(KeyChooser, PositionsResolveToTheFirstRowInKeyIndexOrder) {
  const LanguageTable texts;
  EXPECT_EQ(KeyAtPosition(103), 0x036);  // never the second Right Shift row, 0x136
  EXPECT_EQ(NameAtPosition(103, texts), u"Right Shift");
  EXPECT_EQ(KeyAtPosition(0), 0x01E);
  EXPECT_EQ(KeyAtPosition(105), 0x15C);
  for (int outside : {106, -1, 0x7FFFFFFF}) {
    EXPECT_EQ(KeyAtPosition(outside), 0) << outside;
    EXPECT_EQ(NameAtPosition(outside, texts), u"") << outside;
  }
}

TEST(KeyChooser, PositionOfKeyIsTheColumnUnchanged) {
  struct Case {
    KeyCode code;
    std::uint16_t position;
  };
  const Case cases[] = {{0x01E, 0}, {0x136, 103}, {0x15C, 105}, {0x054, 0xFFFF}, {0x055, 0xFFFF}, {0x1A0, 0xFFFF}};
  for (const auto& c : cases) EXPECT_EQ(PositionOfKey(c.code), c.position) << std::hex << c.code;
}

TEST(KeyHid, KeyToUsage) {
  struct Case {
    KeyCode code;
    HidUsage usage;
  };
  const Case cases[] = {
      {0x01E, {0x07, 0x04}}, {0x146, {0x07, 0x48}}, {0x045, {0x07, 0x48}}, {0x15E, {0x01, 0x81}},
      {0x163, {0x01, 0x83}}, {0x110, {0x0C, 0x0B6}}, {0x174, {0x0C, 0}},   {0x17C, {0x0C, 0}},
      {0x054, {0, 0}},       {0x16E, {0, 0}},        {0x000, {0, 0}},      {0x055, {0, 0}},
      {0x1A0, {0, 0}},  // folds onto D, but is no key
  };
  for (const auto& c : cases) EXPECT_EQ(KeyToHidUsage(c.code), c.usage) << std::hex << c.code;
}

TEST(KeyHid, UsageToKeyTakesTheLowestRow) {
  struct Case {
    HidUsage usage;
    KeyCode code;
  };
  const Case cases[] = {
      {{0x07, 0x48}, 0x045},   // Pause before Break
      {{0x07, 0xE5}, 0x036},   // Right Shift before its twin 0x136
      {{0x0C, 0}, 0x174},      // slot 18 is the first empty consumer slot
      {{0x0C, 0x0B6}, 0x110},
      {{0x0C, 0x999}, 0},
      {{0x01, 0x80}, 0},
      {{0x01, 0x81}, 0x15E},
      {{0x01, 0x83}, 0x163},
      {{0x01, 0x84}, 0},
      {{0x07, 0}, 0},
      {{0x07, 0x104}, 0},      // above 8 bits: not the A key's 0x04
      // Bytes that mean another page in the key table are no keyboard usage.
      {{0x07, 0x81}, 0},
      {{0x07, 0xD0}, 0},
      {{0x07, 0xFF}, 0},
      {{0x02, 0x04}, 0},
      {{0x00, 0x04}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HidUsageToKey(c.usage), c.code) << std::hex << c.usage.page << ":" << c.usage.usage;
  }
}

TEST(KeyVirtualKey, MapsGenericKeysToTheLeftOnesAndOutOfRangeToNothing) {
  struct Case {
    std::uint32_t vk;
    KeyCode code;
  };
  const Case cases[] = {
      {0x10, 0x02A}, {0x11, 0x01D}, {0x12, 0x038}, {0x0D, 0x01C}, {0x2C, 0x137}, {0x41, 0x01E},
      {0xA3, 0x11D}, {0x03, 0x146}, {0x00, 0},     {0x0C, 0},     {0xFF, 0},     {0x100, 0},
      {0x141, 0},    {0xFFFFFFFF, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(KeyFromVirtualKey(c.vk), c.code) << std::hex << c.vk;
}

TEST(KeyKeystroke, TranslatesByScanCodeWhereTheVirtualKeyAgrees) {
  struct Case {
    const char* what;
    std::uint32_t vk;
    std::uint32_t flags;
    KeyCode code;
  };
  const Case cases[] = {
      {"Ctrl with the extended bit", 0x11, Keystroke(0x1D | kExtended), 0x11D},
      {"Ctrl without it", 0x11, Keystroke(0x1D), 0x01D},
      {"Alt with the extended bit", 0x12, Keystroke(0x38 | kExtended), 0x138},
      {"right Shift with generic Shift", 0x10, Keystroke(0x36), 0x036},
      {"right Shift with its own key", 0xA1, Keystroke(0x36), 0x036},
      {"left Shift", 0x10, Keystroke(0x2A), 0x02A},
      {"Num 7 with Num Lock off", 0x24, Keystroke(0x47), 0x047},
      {"Home", 0x24, Keystroke(0x47 | kExtended), 0x147},
      {"Num Enter", 0x0D, Keystroke(0x1C | kExtended), 0x11C},
      {"Sys Req", 0x2C, Keystroke(0x54), 0x054},
      {"Print Screen", 0x2C, Keystroke(0x37 | kExtended), 0x137},
      {"a key without a virtual key", 0xFF, Keystroke(0x70), 0x070},
      {"no scan code", 0x41, 0, 0x01E},
      {"extended bit alone", 0x41, Keystroke(kExtended), 0x01E},
      {"scan and virtual key disagree", 0x41, Keystroke(0x30), 0x01E},
      {"repeat, previous-state and transition bits", 0x11, 0xC0000000u | Keystroke(0x1D | kExtended), 0x11D},
      // Scan codes that are no key code never come out as one.
      {"scan with bit 7 and no virtual key", 0xFF, Keystroke(0xA0), 0},
      {"extended scan beyond 0x17F", 0x44, Keystroke(0x1A0), 0x020},
  };
  for (const auto& c : cases) EXPECT_EQ(KeyFromKeystroke(c.vk, c.flags), c.code) << c.what;
}

TEST(KeyKeystroke, NumericPadKeysComeBackWithNumLockOnAndOff) {
  struct Case {
    KeyCode code;
    std::uint32_t vkOn;
    std::uint32_t vkOff;
  };
  const Case cases[] = {{0x047, 0x67, 0x24}, {0x048, 0x68, 0x26}, {0x049, 0x69, 0x21}, {0x04B, 0x64, 0x25},
                        {0x04C, 0x65, 0x0C}, {0x04D, 0x66, 0x27}, {0x04F, 0x61, 0x23}, {0x050, 0x62, 0x28},
                        {0x051, 0x63, 0x22}, {0x052, 0x60, 0x2D}, {0x053, 0x6E, 0x2E}};
  for (const auto& c : cases) {
    EXPECT_EQ(KeyFromKeystroke(c.vkOn, Keystroke(c.code)), c.code) << std::hex << c.code;
    EXPECT_EQ(KeyFromKeystroke(c.vkOff, Keystroke(c.code)), c.code) << std::hex << c.code;
  }
}

TEST(KeyModifiers, LowestSetBitWins) {
  struct Case {
    std::uint8_t mask;
    KeyCode code;
  };
  const Case cases[] = {{0x22, 0x02A}, {0x00, 0}, {0x01, 0x01D}, {0xFF, 0x01D}, {0x10, 0x11D}, {0x80, 0x15C}};
  for (const auto& c : cases) EXPECT_EQ(ModifierKeyOfBit(c.mask), c.code) << int{c.mask};
}

TEST(KeyModifiers, BitOfKeyIsTheSameTableReadBackwards) {
  for (int bit = 0; bit < 8; ++bit) {
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    EXPECT_EQ(ModifierBitOfKey(ModifierKeyOfBit(mask)), mask) << bit;
  }
  EXPECT_EQ(ModifierBitOfKey(0x036), 0x20);
  EXPECT_EQ(ModifierBitOfKey(0x136), 0);  // the twin row is not in the modifier table
  EXPECT_EQ(ModifierBitOfKey(0x01E), 0);
  EXPECT_EQ(ModifierBitOfKey(0), 0);
}

TEST(KeyLists, ReleaseOnlyAndMediaKeys) {
  for (KeyCode code : {0x054, 0x071, 0x072, 0x137}) EXPECT_TRUE(IsReleaseOnlyKey(code)) << std::hex << code;
  for (KeyCode code : {0x000, 0x037, 0x154, 0x073}) EXPECT_FALSE(IsReleaseOnlyKey(code)) << std::hex << code;
  for (int i = 0; i < kMediaKeyCount; ++i) EXPECT_TRUE(IsMediaKey(MediaKeyCode(i))) << i;
  for (KeyCode code : {0x000, 0x16E, 0x174, 0x15F}) EXPECT_FALSE(IsMediaKey(code)) << std::hex << code;
}

TEST(KeyLists, MediaAndFunctionLookupsStayInRange) {
  LanguageTable texts;
  texts.SetText(TextId::MEDIA_MAIL_18, u"Mail");
  texts.SetText(TextId::MEDIA_PALYER_1, u"Player");
  EXPECT_EQ(MediaKeyCode(0), 0x16D);
  EXPECT_EQ(MediaKeyCode(17), 0x16C);
  EXPECT_EQ(MediaConsumerUsage(0), 0x183);
  EXPECT_EQ(MediaConsumerUsage(17), 0x18A);
  EXPECT_EQ(MediaKeyName(0, texts), u"Player");
  EXPECT_EQ(MediaKeyName(17, texts), u"Mail");
  EXPECT_EQ(FunctionKeyName(0, texts), u"Open");
  EXPECT_EQ(FunctionKeyName(8, texts), u"Select All");
  EXPECT_EQ(FunctionKeyName(10, texts), u"Zoom+");
  for (int outside : {-1, 18, 1000}) {
    EXPECT_EQ(MediaKeyCode(outside), 0) << outside;
    EXPECT_EQ(MediaConsumerUsage(outside), 0) << outside;
    EXPECT_EQ(MediaKeyName(outside, texts), u"") << outside;
  }
  for (int outside : {-1, 11, 1000}) EXPECT_EQ(FunctionKeyName(outside, texts), u"") << outside;
}

// An empty media text from the language file leaves the key unnamed, like any unnamed row.
TEST(KeyLists, EmptyMediaTextFallsBackToTheUnknownKeyText) {
  LanguageTable texts;
  texts.SetText(TextId::MEDIA_MAIL_18, u"");
  EXPECT_EQ(MediaKeyName(17, texts), u"Unknown Key: 16c");
}

}  // namespace
