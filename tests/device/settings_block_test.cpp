// The settings block's layout against literal bytes, and that no byte value turns into an index or
// a size out of range.
#include "device/settings_block.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace mv::device {
namespace {

TEST(SettingsBlock, FieldsSitAtTheirBytes) {
  SettingsBlock::Array bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(0x80 + i);
  bytes[10] = 2;
  bytes[11] = 7;
  const SettingsBlock block(bytes);
  EXPECT_EQ(block.ActiveProfile(), 2);
  EXPECT_EQ(block.MacroCapacity(), 7);
  EXPECT_EQ(block.MacroSpace(), 7u * 128u);
  const auto effects = block.EffectList();
  EXPECT_EQ(effects.front(), 0x80 + 12);
  EXPECT_EQ(effects.back(), 0x80 + 43);

  SettingsBlock written(bytes);
  written.SetActiveProfile(1);
  written.SetMacroCapacity(9);
  const std::array<std::uint8_t, 2> codes{5, 20};
  written.SetEffectList(codes);
  const auto out = written.Bytes();
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(out[i], bytes[i]) << i;  // kept as read
  EXPECT_EQ(out[10], 1);
  EXPECT_EQ(out[11], 9);
  EXPECT_EQ(out[12], 5);
  EXPECT_EQ(out[13], 20);
  for (std::size_t i = 14; i < out.size(); ++i) EXPECT_EQ(out[i], 0) << i;  // the other slots emptied
}

TEST(SettingsBlock, AnActiveProfileByteNamingNoProfileReadsAsNone) {
  struct Case {
    std::uint8_t byte;
    int profile;
  } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, -1}, {0x7F, -1}, {0x80, -1}, {0xFF, -1}};
  for (const Case& c : cases) {
    SettingsBlock block;
    block.SetActiveProfile(c.byte);
    EXPECT_EQ(block.ActiveProfile(), c.profile) << int{c.byte};
  }
}

TEST(SettingsBlock, MacroSpaceNeverExceedsTheLargestArea) {
  for (const int units : {0, 1, 128, 255}) {
    SettingsBlock block;
    block.SetMacroCapacity(static_cast<std::uint8_t>(units));
    EXPECT_EQ(block.MacroSpace(), static_cast<std::size_t>(units) * 128u);
    EXPECT_LE(block.MacroSpace(), kMaxMacroAreaSize);
  }
}

TEST(SettingsBlock, AnEffectListLongerThanItsSlotsStaysInsideTheBlock) {
  const std::vector<std::uint8_t> codes(40, 9);
  SettingsBlock block;
  block.SetActiveProfile(1);
  block.SetEffectList(codes);
  for (const std::uint8_t code : block.EffectList()) EXPECT_EQ(code, 9);
  EXPECT_EQ(block.ActiveProfile(), 1);
}

}  // namespace
}  // namespace mv::device
