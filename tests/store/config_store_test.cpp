// The main block layout, texts and their packing, and the copy made at Apply.
#include <gtest/gtest.h>

#include "fakes.h"
#include "sim/in_process.h"
#include "store/byte_layout.h"
#include "store/config_store.h"
#include "store/device_state.h"

namespace mv::store {
namespace {

using keys::AssignmentType;
using testing::Assignment;

TEST(MainBlock, DefaultHasHeaderDeviceInfoAndGKeysOfBlockZeroOnly) {
  const auto block = CreateDefaultMainBlock();
  ASSERT_TRUE(block);
  const ProfileHeader h = block->Header();
  EXPECT_EQ(h.magic, 0x4446);
  EXPECT_EQ(block->Bytes()[0], 0x46);
  EXPECT_EQ(h.headerSize, 32);
  EXPECT_EQ(h.version, 3);
  EXPECT_EQ(h.subVersion, 1);
  EXPECT_EQ(h.totalSize, 32832u);
  EXPECT_EQ(h.slotCount, 2048);
  EXPECT_EQ(h.macroCount, 0);
  EXPECT_EQ(h.textAreaSize, 0u);
  EXPECT_EQ(h.checksum, HeaderChecksum(block->HeaderBytes()));
  EXPECT_TRUE(IsWellFormedHeader(h));
  EXPECT_TRUE(std::equal(kDeviceInfoBlock.begin(), kDeviceInfoBlock.end(), block->Bytes().begin() + 32));
  EXPECT_EQ(block->Bytes()[32], 0x4B);
  EXPECT_EQ(block->Bytes()[52], 0x4F);

  for (int g = 0; g < 9; ++g) {
    EXPECT_EQ(block->Record(256 + g).aux, 0x0301 + g);
    EXPECT_EQ(block->Record(265 + g).aux, 0x1301 + g);
  }
  for (int s = 512; s < kSlotCount; ++s) ASSERT_EQ(block->Record(s), keys::KeyAssignment{}) << s;
}

TEST(MainBlock, ResetKeyBlockClearsOneBlockAndRestoresItsGKeys) {
  auto block = CreateDefaultMainBlock();
  block->SetRecord(512 + 30, Assignment(AssignmentType::Key, 0x1E));
  block->SetRecord(30, Assignment(AssignmentType::Key, 0x1E));
  ResetKeyBlock(*block, 1);
  EXPECT_EQ(block->Record(512 + 30), keys::KeyAssignment{});
  EXPECT_EQ(block->Record(512 + 256).aux, 0x0301);
  EXPECT_EQ(block->Record(30).type, 2);  // block 0 untouched
}

TEST(MainBlock, RecordForAddressesProfileAndKey) {
  ConfigStore working;
  testing::StartWorkingStore(working);
  ASSERT_TRUE(working.SetRecordFor(2, 0x1E, Assignment(AssignmentType::Key, 0x30)));
  EXPECT_EQ(LoadU16(working.mainBlock->Bytes(), 64 + 2 * 8192 + 0x1E * 16), 2);
  EXPECT_EQ(working.RecordFor(2, 0x1E).value, 0x30u);
  EXPECT_FALSE(working.SetRecordFor(4, 0, {}));
  EXPECT_FALSE(working.SetRecordFor(0, 512, {}));
}

TEST(TextSlots, CountBytesWithTerminator) {
  ConfigStore working;
  testing::StartWorkingStore(working);
  EXPECT_EQ(working.SetText(5, u"abcd"), 1);
  EXPECT_EQ(working.Slot(5)->bytes, 10u);
  EXPECT_EQ(working.SetText(5, u"ab"), 1);  // replaces, not adds
  EXPECT_EQ(working.textBytes, 6u);
  EXPECT_EQ(working.SetText(7, u""), 1);  // an empty text still takes its terminator
  EXPECT_EQ(working.textBytes, 8u);
  working.ClearText(5);
  working.ClearText(5);
  EXPECT_EQ(working.textBytes, 2u);
  EXPECT_EQ(working.SetText(2048, u"x"), 0);
  working.FreeTexts();
  EXPECT_EQ(working.textBytes, 0u);
  EXPECT_EQ(working.slots.size(), 2048u);  // the array stays
}

class PackTextsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartWorkingStore(working); }
  ConfigStore working;
};

TEST_F(PackTextsTest, PacksInSlotOrderAndWritesOffsets) {
  working.mainBlock->SetRecord(5, Assignment(AssignmentType::LaunchProgram, 77));
  working.mainBlock->SetRecord(600, Assignment(AssignmentType::TextBlock, 77));
  ASSERT_EQ(working.SetText(600, u"123456789"), 1);  // 20 bytes
  ASSERT_EQ(working.SetText(5, u"abcd"), 1);        // 10 bytes
  std::vector<std::uint8_t> area(working.textBytes);
  PackTexts(working, *working.mainBlock, area);
  EXPECT_EQ(working.mainBlock->Record(5).value, 0u);
  EXPECT_EQ(working.mainBlock->Record(600).value, 10u);
  EXPECT_EQ(LoadU16(area, 0), u'a');
  EXPECT_EQ(LoadU16(area, 8), 0);
  EXPECT_EQ(LoadU16(area, 10), u'1');
  EXPECT_EQ(LoadU16(area, 28), 0);
}

TEST_F(PackTextsTest, SkipsSlotsOfOtherTypesButKeepsTheirSizeAsZeroTail) {
  working.mainBlock->SetRecord(3, Assignment(AssignmentType::Key, 0x1E));
  working.mainBlock->SetRecord(9, Assignment(AssignmentType::LaunchProgram));
  ASSERT_EQ(working.SetText(3, u"stale text"), 1);
  ASSERT_EQ(working.SetText(9, u"run"), 1);
  std::vector<std::uint8_t> area(working.textBytes, 0xEE);
  PackTexts(working, *working.mainBlock, area);
  EXPECT_EQ(working.mainBlock->Record(3).value, 0x1Eu);  // not a text record: untouched
  EXPECT_EQ(working.mainBlock->Record(9).value, 0u);
  EXPECT_EQ(area.size(), 22u + 8u);
  for (std::size_t i = 8; i < area.size(); ++i) EXPECT_EQ(area[i], 0) << i;
}

TEST_F(PackTextsTest, SkipsTextsThatDoNotFit) {
  working.mainBlock->SetRecord(1, Assignment(AssignmentType::LaunchProgram, 5));
  working.mainBlock->SetRecord(2, Assignment(AssignmentType::LaunchProgram, 5));
  ASSERT_EQ(working.SetText(1, u"long text"), 1);
  ASSERT_EQ(working.SetText(2, u"ab"), 1);
  std::vector<std::uint8_t> area(8);
  PackTexts(working, *working.mainBlock, area);
  EXPECT_EQ(working.mainBlock->Record(1).value, 5u);
  EXPECT_EQ(working.mainBlock->Record(2).value, 0u);
  EXPECT_EQ(LoadU16(area, 0), u'a');
}

TEST_F(PackTextsTest, ApplyCopiesBeforePackingSoOnlyWorkingGetsOffsets) {
  ConfigStores stores;
  testing::StartWorkingStore(stores.working);
  stores.working.mainBlock->SetRecord(20, Assignment(AssignmentType::LaunchProgram, 99));
  ASSERT_EQ(stores.working.SetText(20, u"x"), 1);
  stores.working.macros.push_back(testing::Macro(1, u"M"));
  ASSERT_EQ(CopyWorkingToApplied(stores), 1);
  EXPECT_EQ(stores.applied.mainBlock->Record(20).value, 99u);
  EXPECT_EQ(stores.working.mainBlock->Record(20).value, 0u);
  const ProfileHeader h = stores.applied.mainBlock->Header();
  EXPECT_EQ(h.macroCount, 1);
  EXPECT_EQ(h.textAreaSize, 4u);
  EXPECT_EQ(h.totalSize, 32832u + 16512u + 4u);
  EXPECT_EQ(stores.applied.packedTexts.size(), 4u);
  EXPECT_EQ(stores.applied.MacroCount(), 1);
}

TEST(CurrentProfile, NoKeyboardGivesMinusOneAndCachesNothing) {
  sim::InProcessDevice device(sim::SimSettings{.present = false}, device::ExchangeTiming{std::chrono::milliseconds(50), std::chrono::milliseconds(1)});
  DeviceState state;
  EXPECT_EQ(CurrentProfileIndex(state, device.commands()), -1);
  EXPECT_EQ(state.CachedProfile(), -1);
}

TEST(CurrentProfile, ReadsByteTenOnceThenUsesTheCache) {
  sim::InProcessDevice device;
  device.keyboard().ModifyAreas([](sim::KeyboardAreas& a) { a.settings.SetActiveProfile(2); });
  DeviceState state;
  EXPECT_EQ(CurrentProfileIndex(state, device.commands()), 2);
  device.keyboard().ClearLog();
  EXPECT_EQ(CurrentProfileIndex(state, device.commands()), 2);
  EXPECT_EQ(device.keyboard().ReceivedCount(), 0u);
  state.ForgetProfile();
  EXPECT_EQ(CurrentProfileIndex(state, device.commands()), 2);
  EXPECT_EQ(device.keyboard().ReceivedCount(), 1u);
}

// The byte comes from the keyboard: one that names no profile must not reach the editors or the
// download as an index, and is read again next time rather than kept.
TEST(CurrentProfile, AByteNamingNoProfileCountsAsNoAnswer) {
  struct Case {
    std::uint8_t byte;
    int expected;
  } cases[] = {{0, 0}, {2, 2}, {3, -1}, {0xFF, -1}};
  for (const Case& c : cases) {
    sim::InProcessDevice device;
    device.keyboard().ModifyAreas([&](sim::KeyboardAreas& a) { a.settings.SetActiveProfile(c.byte); });
    DeviceState state;
    EXPECT_EQ(CurrentProfileIndex(state, device.commands()), c.expected) << int{c.byte};
    EXPECT_EQ(state.CachedProfile(), c.expected) << int{c.byte};  // -1: nothing cached
  }
}

}  // namespace
}  // namespace mv::store
