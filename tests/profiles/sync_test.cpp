// Keyboard synchronisation against the simulated keyboard: the rebuild on arrival, making a
// profile active, the profile menu and Apply's core.
#include <gtest/gtest.h>

#include <array>
#include <vector>
#include <string>
#include <chrono>

#include "keys/key_assignment.h"
#include "profiles/sync.h"
#include "scratch_folder.h"
#include "sim/in_process.h"
#include "store/prompter.h"

namespace mv::profiles {
namespace {

class SyncTest : public ::testing::Test {
 protected:
  SyncTest()
      : location{folder.Path(), {}},
        context{stores, device, keyboard.commands(), prompter, texts, location, [this] { ++refreshes; }} {
    EXPECT_EQ(stores.working.AllocateSlots(), 1);
  }

  void DetectKeyboard() {
    ASSERT_TRUE(ReadDefaultKeyBlockInto(keyboard.commands(), device));
    ASSERT_TRUE(ReadMacroCapacityInto(keyboard.commands(), device));
  }
  static int Opcode(const device::CommandReport& r) { return r[device::kOpcodeByte]; }

  test::ScratchFolder folder;
  ProfileLocation location;
  sim::InProcessDevice keyboard;
  store::ConfigStores stores;
  store::DeviceState device;
  store::SilentPrompter prompter;
  LanguageTable texts;
  int refreshes = 0;
  SyncContext context;
};

TEST_F(SyncTest, ArrivalReadsTheKeyboardIntoTheFileAndTheStore) {
  DetectKeyboard();
  keyboard.keyboard().ModifyAreas([](sim::KeyboardAreas& a) { a.settings.SetActiveProfile(1); });
  EXPECT_EQ(SyncFromKeyboard(context), 1);
  EXPECT_EQ(refreshes, 1);
  ASSERT_TRUE(stores.working.mainBlock);
  EXPECT_EQ(device.CachedProfile(), 1);
  EXPECT_EQ(device.MacroSpace(), 255u * 128u);
  // Three key banks and the macro area were read.
  int banks = 0, macro = 0;
  for (const auto& r : keyboard.keyboard().ReceivedReports()) {
    banks += Opcode(r) == device::kOpReadKeyBlock;
    macro += Opcode(r) == device::kOpReadMacroArea;
  }
  EXPECT_GE(banks, 3);
  EXPECT_GE(macro, 1);
}

TEST_F(SyncTest, WithoutAKeyboardTheStoreGetsADefaultBlock) {
  sim::InProcessDevice absent(sim::SimSettings{.present = false},
                              device::ExchangeTiming{std::chrono::milliseconds(20), std::chrono::milliseconds(1)});
  SyncContext c{stores, device, absent.commands(), prompter, texts, location, {}};
  EXPECT_EQ(SyncFromKeyboard(c), 0);
  ASSERT_TRUE(stores.working.mainBlock);
  EXPECT_EQ(stores.working.mainBlock->Bytes()[0], 0x46);  // a fresh header
}

TEST_F(SyncTest, SetDeviceProfileWritesByteTenAndCachesIt) {
  EXPECT_EQ(SetDeviceProfile(keyboard.commands(), device, -1), 0);
  EXPECT_EQ(keyboard.keyboard().ReceivedCount(), 0u);
  EXPECT_EQ(SetDeviceProfile(keyboard.commands(), device, 2), 1);
  EXPECT_EQ(keyboard.keyboard().SettingsBlock().ActiveProfile(), 2);
  EXPECT_EQ(device.CachedProfile(), 2);
}

TEST_F(SyncTest, SetDeviceProfileRefusesAnIndexThatNamesNoProfile) {
  device.SetCachedProfile(1);
  for (const int index : {-1, 3, 255, 256}) {
    keyboard.keyboard().ClearLog();
    EXPECT_EQ(SetDeviceProfile(keyboard.commands(), device, index), 0) << index;
    EXPECT_EQ(keyboard.keyboard().ReceivedCount(), 0u) << index;
    EXPECT_EQ(device.CachedProfile(), 1) << index;
  }
  EXPECT_EQ(keyboard.keyboard().SettingsBlock().ActiveProfile(), 0);
}

TEST_F(SyncTest, ABadActiveProfileByteLeavesTheDefaultBlockAndApplyWritesNoBank) {
  DetectKeyboard();
  keyboard.keyboard().ModifyAreas([](sim::KeyboardAreas& a) { a.settings.SetActiveProfile(7); });
  EXPECT_EQ(SyncFromKeyboard(context), 0);
  ASSERT_TRUE(stores.working.mainBlock);
  EXPECT_EQ(device.CachedProfile(), -1);
  keyboard.keyboard().ClearLog();
  EXPECT_EQ(ApplyCurrentProfile(context), 0);
  for (const auto& r : keyboard.keyboard().ReceivedReports()) EXPECT_NE(Opcode(r), device::kOpWriteKeyBlock);
}

TEST_F(SyncTest, AFailedSettingsReadChangesNothing) {
  device.SetCachedProfile(1);
  keyboard.exchange().SetTiming({std::chrono::milliseconds(20), std::chrono::milliseconds(1)});
  keyboard.keyboard().AnswerStatusNext(3, 0xFF);
  EXPECT_EQ(SetDeviceProfile(keyboard.commands(), device, 0), 0);
  EXPECT_EQ(device.CachedProfile(), 1);
  for (const auto& r : keyboard.keyboard().ReceivedReports()) EXPECT_NE(Opcode(r), device::kOpWriteSettingsBlock);
}

TEST_F(SyncTest, ProfileMenuMarksTheCurrentProfile) {
  const ProfileMenuModel none = BuildProfileMenu(-1, texts, location);
  ASSERT_EQ(none.items.size(), 5u);
  EXPECT_EQ(none.items[0].command, kProfileMenuDefault);
  EXPECT_EQ(none.items[1].command, 0);
  EXPECT_EQ(none.items[4].command, 9003);
  EXPECT_EQ(none.checkedPosition, 0);
  EXPECT_EQ(none.buttonText, u"<Default Profile>");
  EXPECT_EQ(none.buttonTooltip, u"The current contextual  mode: <Default Profile>");

  const ProfileMenuModel second = BuildProfileMenu(1, texts, location);
  EXPECT_EQ(second.checkedPosition, 3);
  EXPECT_EQ(second.buttonText, u"$Profile0");
  EXPECT_EQ(BuildProfileMenu(7, texts, location).checkedPosition, 0);  // no such profile
  EXPECT_EQ(SelectedProfileButton(2), 2);
  EXPECT_EQ(SelectedProfileButton(-1), -1);
  EXPECT_EQ(SelectedProfileButton(3), -1);
}

TEST_F(SyncTest, ApplyWritesTheMacroAreaAndTheCurrentBank) {
  DetectKeyboard();
  keyboard.keyboard().ModifyAreas([](sim::KeyboardAreas& a) { a.settings.SetActiveProfile(2); });
  ASSERT_EQ(SyncFromKeyboard(context), 1);
  {
    auto guard = stores.working.Lock();
    keys::KeyAssignment disabled;
    disabled.type = static_cast<std::uint16_t>(keys::AssignmentType::Disabled);
    ASSERT_TRUE(stores.working.SetRecordFor(2, 0x1E, disabled));
  }
  keyboard.keyboard().ClearLog();
  EXPECT_EQ(ApplyCurrentProfile(context), 1);
  std::vector<int> banks;
  int macro = 0;
  for (const auto& r : keyboard.keyboard().ReceivedReports()) {
    if (Opcode(r) == device::kOpWriteKeyBlock)
      banks.push_back((r[device::kOffsetByte] | r[device::kOffsetByte + 1] << 8) / device::kKeyBankStride);
    macro += Opcode(r) == device::kOpWriteMacroArea;
  }
  EXPECT_GE(macro, 1);
  ASSERT_FALSE(banks.empty());
  for (int bank : banks) EXPECT_EQ(bank, 2);
}

// Remembers what it was told.
class TellingPrompter final : public store::Prompter {
 public:
  void Tell(std::u16string_view text) override { told.emplace_back(text); }
  bool AskYesNo(std::u16string_view, bool) override { return false; }
  std::vector<std::u16string> told;
};

TEST_F(SyncTest, AFailedReadKeepsTheProfileFileAndApplyRefusesUntilAReadSucceeds) {
  // A keyboard that answers slowly enough to fail within the test's short exchange time.
  sim::InProcessDevice flaky(sim::SimSettings{},
                             device::ExchangeTiming{std::chrono::milliseconds(20), std::chrono::milliseconds(1)});
  TellingPrompter told;
  SyncContext c{stores, device, flaky.commands(), told, texts, location, {}};
  ASSERT_TRUE(ReadDefaultKeyBlockInto(flaky.commands(), device));
  ASSERT_TRUE(ReadMacroCapacityInto(flaky.commands(), device));
  ASSERT_EQ(SyncFromKeyboard(c), 1);
  const std::u16string file = ProfileFilePath(0, location);
  const auto good = test::ReadBytes(file);
  ASSERT_TRUE(good);

  device.ForgetProfile();
  flaky.keyboard().DropNextReplies(1000000);  // the next arrival's read gets no answer
  EXPECT_NE(SyncFromKeyboard(c), 1);
  EXPECT_FALSE(device.ConfigurationRead());
  EXPECT_EQ(test::ReadBytes(file), good) << "the last good profile file is kept";

  {
    auto guard = stores.working.Lock();  // a change on top of the defaults the store now holds
    keys::KeyAssignment disabled;
    disabled.type = static_cast<std::uint16_t>(keys::AssignmentType::Disabled);
    ASSERT_TRUE(stores.working.SetRecordFor(0, 0x1E, disabled));
  }
  flaky.keyboard().DropNextReplies(0);
  flaky.keyboard().ClearLog();
  EXPECT_EQ(ApplyCurrentProfile(c), 0);
  EXPECT_EQ(flaky.keyboard().ReceivedCount(), 0u) << "nothing is written over the keyboard's configuration";
  EXPECT_EQ(test::ReadBytes(file), good);
  ASSERT_EQ(told.told.size(), 1u);
  EXPECT_EQ(told.told[0], texts.Text(TextId::MAIN_KEYBOARD_NOT_READ_PROMPT));

  ASSERT_EQ(SyncFromKeyboard(c), 1);  // a read that succeeds lifts the refusal
  EXPECT_TRUE(device.ConfigurationRead());
}

TEST_F(SyncTest, ApplyWithoutAKeyboardFailsAndKeepsApply) {
  ASSERT_EQ(stores.working.mainBlock, nullptr);
  stores.working.mainBlock = store::CreateDefaultMainBlock();
  EXPECT_EQ(ApplyCurrentProfile(context), 0);  // no profile file yet, no keyboard detected
}

}  // namespace
}  // namespace mv::profiles
