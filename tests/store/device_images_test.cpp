// Key-map entries and images, the macro area, and the download into the simulated keyboard.
#include <gtest/gtest.h>

#include "device/exchange.h"
#include "fakes.h"
#include "sim/in_process.h"
#include "store/byte_layout.h"
#include "store/device_state.h"
#include "store/download.h"
#include "store/key_map.h"
#include "store/macro_area.h"

namespace mv::store {
namespace {

using keys::AssignmentType;
using testing::Assignment;
using testing::Macro;

constexpr KeyMapEntry kTemplateA{2, 2, 0x04};

TEST(KeyEntry, EncodesEachAssignmentType) {
  ConfigStore working;
  working.macros = {Macro(4, u"a"), Macro(9, u"b")};
  struct Case {
    keys::KeyAssignment record;
    KeyMapEntry expected;
  } cases[] = {
      {Assignment(AssignmentType::Default), kTemplateA},
      {Assignment(AssignmentType::LaunchProgram, 5), kTemplateA},
      {Assignment(AssignmentType::Disabled), {0, 0, 0}},
      {Assignment(AssignmentType::TextBlock), {0, 0, 0}},
      {Assignment(AssignmentType::Key, 0x138), {2, 1, 0x40}},  // right Alt
      {Assignment(AssignmentType::Key, 0x01D), {2, 1, 0x01}},
      {Assignment(AssignmentType::Key, 0x01E), {2, 2, 0x04}},
      {Assignment(AssignmentType::Key, 0x054), {2, 2, 0x00}},  // no keyboard usage
      {Assignment(AssignmentType::PlayMacro, 9), {5, 1, 1}},
      {Assignment(AssignmentType::PlayMacro, 77), {5, 1, 0}},  // missing ID
      {Assignment(AssignmentType::StopMacro), {5, 2, 0}},
      {Assignment(AssignmentType::Media, 17), {3, 0x8A, 0x01}},
      {Assignment(AssignmentType::Media, 18), {3, 0, 0}},
      {Assignment(AssignmentType::Function, 10), {5, 5, 10}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EncodeKeyEntry(c.record, kTemplateA, working), c.expected) << c.record.type << " " << c.record.value;
}

TEST(KeyEntry, KeyCodesOfTemplateEntries) {
  EXPECT_EQ(EntryKeyCode({2, 2, 0x04}), 0x1E);
  EXPECT_EQ(EntryKeyCode({2, 1, 0x22}), 0x02A);  // lowest bit wins
  EXPECT_EQ(EntryKeyCode({2, 1, 0x00}), 0);
  EXPECT_EQ(EntryKeyCode({3, 0xB6, 0x00}), 0x110);
  EXPECT_EQ(EntryKeyCode({5, 0, 0}), 0);
  EXPECT_EQ(EntryKeyCode({5, 2, 2}), 0);
  EXPECT_EQ(EntryKeyCode({0, 0, 0}), 0);
}

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::StartWorkingStore(stores.working);
    stores.applied.mainBlock = CreateDefaultMainBlock();
  }
  void Assign(int profile, keys::KeyCode key, keys::KeyAssignment record) {
    stores.applied.mainBlock->SetRecord(MainBlock::RecordNumber(profile, keys::KeyIndexOf(key)), record);
  }
  ConfigStores stores;
  const KeyMapImage& layout = BuiltInLayout();
};

TEST_F(ImageTest, PositionsWithoutIdentityAreNeverChanged) {
  for (int k = 0; k < 256; ++k)
    stores.applied.mainBlock->SetRecord(MainBlock::RecordNumber(1, k), Assignment(AssignmentType::Disabled));
  const KeyMapImage image = BuildKeyMapImage(stores, layout, 1);
  for (int p = 0; p < kKeyPositions; ++p) {
    const KeyMapEntry t = layout.Entry(p);
    const KeyMapEntry expected = EntryKeyCode(t) == 0 ? t : KeyMapEntry{0, 0, 0};
    EXPECT_EQ(image.Entry(p), expected) << p;
  }
  EXPECT_EQ(BuildKeyMapImage(stores, layout, 0), layout);  // block 0 is all default
}

TEST_F(ImageTest, DecodeRestoresWhatTheImageCanHold) {
  stores.working.macros = {Macro(1, u"a"), Macro(2, u"b")};
  Assign(2, 0x1E, Assignment(AssignmentType::Key, 0x30));
  Assign(2, 0x1D, Assignment(AssignmentType::Key, 0x138));
  Assign(2, 0x10, Assignment(AssignmentType::PlayMacro, 2));
  Assign(2, 0x11, Assignment(AssignmentType::StopMacro));
  Assign(2, 0x12, Assignment(AssignmentType::Media, 3));
  Assign(2, 0x13, Assignment(AssignmentType::Function, 6));
  Assign(2, 0x14, Assignment(AssignmentType::Disabled));
  Assign(2, 0x15, Assignment(AssignmentType::LaunchProgram, 8));  // comes back as default
  Assign(2, 0x16, Assignment(AssignmentType::TextBlock, 8));      // comes back disabled
  Assign(2, 0x17, Assignment(AssignmentType::Key, 0x17));         // its own key: default again
  const KeyMapImage image = BuildKeyMapImage(stores, layout, 2);

  MainBlock block;
  DecodeKeyMapImage(image, layout, block, 0);
  auto at = [&](keys::KeyCode key) { return block.Record(keys::KeyIndexOf(key)); };
  EXPECT_EQ(at(0x1E), Assignment(AssignmentType::Key, 0x30));
  EXPECT_EQ(at(0x1D), Assignment(AssignmentType::Key, 0x138));
  EXPECT_EQ(at(0x10), Assignment(AssignmentType::PlayMacro, 2));  // position 1 + 1
  EXPECT_EQ(at(0x11), Assignment(AssignmentType::StopMacro));
  EXPECT_EQ(at(0x12), Assignment(AssignmentType::Media, 3));
  EXPECT_EQ(at(0x13), Assignment(AssignmentType::Function, 6));
  EXPECT_EQ(at(0x14), Assignment(AssignmentType::Disabled));
  EXPECT_EQ(at(0x15), keys::KeyAssignment{});
  EXPECT_EQ(at(0x16), Assignment(AssignmentType::Disabled));
  EXPECT_EQ(at(0x17), keys::KeyAssignment{});
  EXPECT_EQ(block.Record(256).aux, 0x0301);
}

TEST_F(ImageTest, UnknownEntriesDecodeAsDisabled) {
  KeyMapImage image = layout;
  image.SetEntry(19, {3, 0x99, 0x09});  // no media key has it
  image.SetEntry(20, {2, 2, 0xF0});     // no key has this usage
  image.SetEntry(21, {2, 1, 0x00});     // a modifier entry without a bit
  image.SetEntry(24, {2, 7, 0x04});
  MainBlock block;
  DecodeKeyMapImage(image, layout, block, 0);
  for (const int p : {19, 20, 21, 24})
    EXPECT_EQ(block.Record(keys::KeyIndexOf(EntryKeyCode(layout.Entry(p)))), Assignment(AssignmentType::Disabled)) << p;
}

// --- macro area ------------------------------------------------------------------------------
TEST(MacroArea, OneMacroOfThreeActionsIs34BytesOr40WithItsName) {
  const std::vector<MacroRecord> table = {
      Macro(1, u"abc", {{50, 0x1D, 0}, {1234, 0x1E, 0}, {0, 0x1E, 1}})};
  const MacroAreaSize sizes = MacroAreaSizes(table);
  EXPECT_EQ(sizes.withoutNames, 34u);
  EXPECT_EQ(sizes.withNames, 40u);

  std::vector<std::uint8_t> area(40);
  ASSERT_EQ(EncodeMacroArea(table, area, true), 1);
  EXPECT_EQ(LoadU16(area, 0), 0x55AA);
  EXPECT_EQ(LoadU16(area, 2), 40);
  EXPECT_EQ(LoadU16(area, 4), 1);
  EXPECT_EQ(LoadU16(area, 6), 1);
  EXPECT_EQ(LoadU16(area, 16), 18);  // the entry follows the offset table
  EXPECT_EQ(LoadU16(area, 18), 3);
  EXPECT_EQ(area[21], 3);  // name length
  EXPECT_EQ(std::vector<std::uint8_t>(area.begin() + 22, area.begin() + 26), (std::vector<std::uint8_t>{0x05, 0xA0, 0x01, 0x01}));
  EXPECT_EQ(LoadU16(area, 26) & 0x0FFF, 123);
  EXPECT_EQ(LoadU16(area, 34), u'a');

  std::vector<MacroRecord> back;
  LanguageTable texts;
  ASSERT_EQ(DecodeMacroArea(area, back, texts), MacroAreaContent::Macros);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].Name(), u"abc");
  EXPECT_EQ(back[0].MacroId(), 1);
  EXPECT_EQ(back[0].Action(1), (MacroAction{1230, 0x1E, 0}));
  EXPECT_EQ(back[0].Action(2), (MacroAction{0, 0x1E, 1}));

  std::vector<std::uint8_t> small(34);
  ASSERT_EQ(EncodeMacroArea(table, small, false), 1);
  ASSERT_EQ(DecodeMacroArea(small, back, texts), MacroAreaContent::Macros);
  EXPECT_EQ(back[0].Name(), u"Macro1");
  EXPECT_EQ(EncodeMacroArea(table, std::span(small).first(33), false), 0);
}

TEST(MacroArea, ConsumerAndUnknownKeysEncodeTheirClass) {
  EXPECT_EQ(EncodeMacroAction({0, 0x120, 1}), (std::array<std::uint8_t, 4>{0x00, 0x30, 0xE2, 0x00}));  // mute
  EXPECT_EQ(EncodeMacroAction({10, 0x15E, 0}), (std::array<std::uint8_t, 4>{0x01, 0xC0, 0x81, 0x00}));  // power
  EXPECT_EQ(EncodeMacroAction({0, 0x054, 0}), (std::array<std::uint8_t, 4>{0x00, 0x80, 0x00, 0x00}));
}

TEST(MacroArea, ReadsNoMacrosWithoutMagicAndRefusesWhatPointsOutside) {
  LanguageTable texts;
  std::vector<MacroRecord> records;
  std::vector<std::uint8_t> valid(34);
  ASSERT_EQ(EncodeMacroArea(std::vector<MacroRecord>{Macro(1, u"abc", {{0, 0x1E, 0}, {0, 0x1E, 1}, {0, 2, 0}})}, valid, false), 1);
  struct Case {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> change;
    MacroAreaContent expected;
  } cases[] = {
      {"no magic", [](auto& a) { a[0] = 0; }, MacroAreaContent::NoMacros},
      {"count beyond the bytes", [](auto& a) { StoreU16(a, 4, 20); }, MacroAreaContent::Inconsistent},
      {"count above 100", [](auto& a) { a.resize(600); StoreU16(a, 2, 600); StoreU16(a, 4, 101); }, MacroAreaContent::Inconsistent},
      {"offset past the end", [](auto& a) { StoreU16(a, 16, 0xFFF0); }, MacroAreaContent::Inconsistent},
      {"offset into the header", [](auto& a) { StoreU16(a, 16, 2); }, MacroAreaContent::Inconsistent},
      {"too many actions", [](auto& a) { StoreU16(a, 18, 4); }, MacroAreaContent::Inconsistent},
      {"name past the end", [](auto& a) { a[21] = 1; }, MacroAreaContent::Inconsistent},
      {"areaSize shorter than the entry", [](auto& a) { StoreU16(a, 2, 30); }, MacroAreaContent::Inconsistent},
      {"cut short", [](auto& a) { a.resize(12); }, MacroAreaContent::Inconsistent},
      {"extra bytes", [](auto& a) { a.resize(100); }, MacroAreaContent::Macros},
  };
  for (const auto& c : cases) {
    auto area = valid;
    c.change(area);
    EXPECT_EQ(DecodeMacroArea(area, records, texts), c.expected) << c.what;
    if (c.expected != MacroAreaContent::Macros) {
      EXPECT_TRUE(records.empty()) << c.what;
    }
  }
}

// --- download --------------------------------------------------------------------------------
class DownloadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::StartWorkingStore(stores.working);
    deviceState.SetMacroCapacity(1);  // 128 bytes
  }
  std::vector<device::CommandReport> Sent() { return keyboard.keyboard().ReceivedReports(); }
  std::vector<std::uint8_t> Opcodes() {
    std::vector<std::uint8_t> ops;
    for (const auto& r : Sent()) ops.push_back(r[device::kOpcodeByte]);
    return ops;
  }

  sim::InProcessDevice keyboard;
  ConfigStores stores;
  DeviceState deviceState;
  testing::RecordingPrompter prompter;
  LanguageTable texts;
  DownloadContext context{stores, deviceState, keyboard.commands(), prompter, texts};
};

TEST_F(DownloadTest, TooLargeMacroAreaSendsNothing) {
  stores.working.macros = {Macro(1, u"m", std::vector<MacroAction>(30, MacroAction{0, 0x1E, 0}))};  // 16+2+4+120
  keyboard.keyboard().ClearLog();
  EXPECT_EQ(ApplyWorkingStore(context, true), 0);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(prompter.told, (std::vector<std::u16string>{std::u16string(texts.Text(TextId::EXTRA_MACRO_TOO_LONG))}));
}

TEST_F(DownloadTest, NoKeyboardDetectedYetSaysSoAndSendsNothing) {
  DeviceState fresh;
  DownloadContext noKeyboard{stores, fresh, keyboard.commands(), prompter, texts};
  keyboard.keyboard().ClearLog();
  EXPECT_EQ(ApplyWorkingStore(noKeyboard, true), 0);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(prompter.told, (std::vector<std::u16string>{std::u16string(texts.Text(TextId::MAIN_NO_DEVICE_PROMPT))}));
}

TEST_F(DownloadTest, DropsNamesWhenOnlyTheyDoNotFitAndTells) {
  stores.working.macros = {Macro(1, std::u16string(20, u'n'), std::vector<MacroAction>(25, MacroAction{0, 0x1E, 0}))};
  stores.working.mainBlock->SetRecord(0x1E, Assignment(AssignmentType::PlayMacro, 1));
  keyboard.keyboard().ClearLog();
  EXPECT_EQ(ApplyWorkingStore(context, true), 1);
  EXPECT_EQ(Opcodes(), (std::vector<std::uint8_t>{1, 10, 10, 10, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
                                                 8, 8, 8, 8, 8, 8, 8, 2}));
  EXPECT_EQ(prompter.told, (std::vector<std::u16string>{std::u16string(texts.Text(TextId::EXTRA_PROFILE_SPACE_TIGHT))}));
  const auto area = keyboard.keyboard().MacroArea();
  EXPECT_EQ(LoadU16(area, 2), 16 + 2 + 4 + 100);
  EXPECT_EQ(LoadU16(area, 6), 0);
  EXPECT_EQ(keyboard.keyboard().KeyBank(0)[19 * 3 + 0], 5);  // A is position 19
  EXPECT_EQ(keyboard.keyboard().KeyBank(0)[19 * 3 + 1], 1);
}

TEST_F(DownloadTest, CurrentProfileOnlyWritesItsBank) {
  keyboard.keyboard().ModifyAreas([](sim::KeyboardAreas& a) { a.settings.SetActiveProfile(1); });
  stores.working.mainBlock->SetRecord(512 + 0x1E, Assignment(AssignmentType::Disabled));
  keyboard.keyboard().ClearLog();
  EXPECT_EQ(ApplyWorkingStore(context, false), 1);
  EXPECT_EQ(keyboard.keyboard().KeyBank(1)[19 * 3], 0);
  EXPECT_EQ(keyboard.keyboard().KeyBank(0)[19 * 3], 2);
  for (const auto& r : Sent())
    if (r[device::kOpcodeByte] == 8) {
      EXPECT_EQ(LoadU16(r, device::kOffsetByte) / 512, 1);
    }
}

TEST_F(DownloadTest, AFailedMacroAreaWriteIsNotSuccess) {
  // Session start and macro area are refused; the key maps after them arrive. The keyboard does
  // not hold what was applied, so this is no success.
  stores.working.mainBlock->SetRecord(0x1E, Assignment(AssignmentType::Disabled));
  keyboard.keyboard().AnswerStatusNext(6, 0xFF);  // each command is tried three times
  EXPECT_EQ(ApplyWorkingStore(context, true), 0);
  EXPECT_EQ(keyboard.keyboard().KeyBank(0)[19 * 3], 0);
}

}  // namespace
}  // namespace mv::store
