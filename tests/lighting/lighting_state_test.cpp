// Reading the lighting records back from the simulated keyboard and the writes of panel actions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "device/exchange.h"
#include "lighting/lighting_state.h"
#include "lighting/user_folder.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/text.h"
#include "sim/in_process.h"

namespace mv::lighting {
namespace {

struct SentWrite {
  int offset;
  std::vector<std::uint8_t> bytes;
  friend bool operator==(const SentWrite&, const SentWrite&) = default;
};

class LightingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("mv-lighting-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    wskb = Utf8ToUtf16((folder / "wskb.ini").string());
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  void SetRecordByte(int profile, int offset, std::uint8_t value) {
    keyboard.keyboard().ModifyAreas([&](sim::KeyboardAreas& a) { a.lighting[profile * 42 + offset] = value; });
  }
  // The settings-byte writes sent since the log was cleared, with the session commands around them.
  std::vector<SentWrite> Writes() {
    std::vector<SentWrite> writes;
    for (const auto& r : keyboard.keyboard().ReceivedReports()) {
      if (r[device::kOpcodeByte] != device::kOpWriteSettingsBytes) continue;
      const int length = r[device::kLengthByte];
      writes.push_back({r[5] | (r[6] << 8), std::vector<std::uint8_t>(r.begin() + 8, r.begin() + 8 + length)});
    }
    return writes;
  }
  std::vector<std::uint8_t> Opcodes() {
    std::vector<std::uint8_t> ops;
    for (const auto& r : keyboard.keyboard().ReceivedReports()) ops.push_back(r[device::kOpcodeByte]);
    return ops;
  }

  std::filesystem::path folder;
  std::u16string wskb;
  sim::InProcessDevice keyboard;
  LightingState state;
};

TEST_F(LightingTest, DecodesThePanelProfilesRecordWithItsRules) {
  state.PanelProfile = 1;
  state.triggerMode = 1;
  SetRecordByte(1, field::kEffect, 7);
  SetRecordByte(1, field::kReportRate, 7);
  SetRecordByte(1, field::kPresetColour, 8);
  SetRecordByte(1, field::kTriggerMode, 5);
  SetRecordByte(1, field::kColour, 0x11);
  SetRecordByte(1, field::kColour + 2, 0x33);
  SetRecordByte(1, field::kMulticolour, 9);
  keyboard.keyboard().ClearLog();
  ASSERT_EQ(ReadLightingSettings(state, keyboard.commands(), wskb), 0);
  EXPECT_EQ(state.effect, 7);
  EXPECT_EQ(state.reportRate, 3);
  EXPECT_EQ(state.presetColour, 8);  // the panel shows 8 as the first preset
  EXPECT_EQ(state.triggerMode, 1);   // 5 is no trigger mode: unchanged
  EXPECT_EQ(state.colour, 0x330011u);
  EXPECT_TRUE(state.multicolour);
  EXPECT_TRUE(Writes().empty());     // reading writes nothing back
  EXPECT_EQ(Opcodes(), (std::vector<std::uint8_t>{3, 1, 5, 5, 5, 2}));
  EXPECT_TRUE(state.userModeSupported());
  EXPECT_GE(EffectIndexOf(state, 20), 0);
  EXPECT_EQ(EffectCodeAt(state, EffectIndexOf(state, 20)), 20);
}

TEST_F(LightingTest, EmptyEffectListAndFailedReads) {
  keyboard.keyboard().ModifyAreas([](sim::KeyboardAreas& a) { a.settings.SetEffectList({}); });
  ASSERT_EQ(ReadLightingSettings(state, keyboard.commands(), wskb), 0);
  EXPECT_FALSE(state.userModeSupported());
  EXPECT_EQ(EffectIndexOf(state, 1), -1);
  EXPECT_EQ(EffectCodeAt(state, 0), 0);

  keyboard.keyboard().Unplug();
  keyboard.exchange().SetTiming({std::chrono::milliseconds(50), std::chrono::milliseconds(1)});
  state.effectList[0] = 5;
  EXPECT_EQ(ReadLightingSettings(state, keyboard.commands(), wskb), -1);
  EXPECT_EQ(state.effectList, (std::array<std::uint8_t, 32>{}));
}

TEST_F(LightingTest, UserColourLoaderRunsInsideTheSessionWhenSupported) {
  std::vector<std::uint8_t> opsAtLoad;
  keyboard.keyboard().ClearLog();
  ASSERT_EQ(ReadLightingSettingsWithUserColours(state, keyboard.commands(), wskb, [&] { opsAtLoad = Opcodes(); }), 0);
  EXPECT_EQ(opsAtLoad, (std::vector<std::uint8_t>{3, 1}));
}

TEST_F(LightingTest, LampSwitchReadsTheNumberOne) {
  const std::pair<std::u16string, bool> cases[] = {{u"1", true}, {u"0", false}, {u"2", false}, {u"on", false}};
  EXPECT_FALSE(ReadLightingOn(wskb));  // no file: "0"
  for (const auto& [text, on] : cases) {
    ASSERT_TRUE(platform::WriteIniString(wskb, u"KEYCOLOR", u"DengCheck", text));
    EXPECT_EQ(ReadLightingOn(wskb), on) << Utf16ToUtf8(text);
  }
  ASSERT_TRUE(WriteLightingOn(wskb, true));
  ASSERT_EQ(ReadLightingSettings(state, keyboard.commands(), wskb), 0);
  EXPECT_TRUE(state.lightingOn);
  const std::u16string sep(1, platform::kPathSeparator);
  EXPECT_EQ(UserFilePath(u"docs", kWskbIniName), u"docs" + sep + u"Tamro" + sep + u"wskb.ini");
  EXPECT_EQ(UserFolderPath(u"docs/"), u"docs/Tamro");
}

TEST_F(LightingTest, PanelActionsWriteTheirFieldsAtThePanelProfile) {
  state.PanelProfile = 2;
  state.brightness = 4;
  state.speed = 1;  // slider position 3
  struct Case {
    const char* action;
    std::function<void()> run;
    std::vector<SentWrite> expected;
  } cases[] = {
      {"brightness 2", [&] { ReleaseBrightnessSlider(state, keyboard.commands(), 2); }, {{85, {2}}}},
      {"brightness unchanged", [&] { ReleaseBrightnessSlider(state, keyboard.commands(), 2); }, {}},
      {"speed slider 3 -> 1", [&] { ReleaseSpeedSlider(state, keyboard.commands(), 1); }, {{86, {3}}}},
      {"speed slider where it was", [&] { ReleaseSpeedSlider(state, keyboard.commands(), 1); }, {}},
      {"effect with multicolour", [&] { state.multicolour = true; ChooseEffect(state, keyboard.commands(), 5); },
       {{84, {5}}, {88, {1}}}},
      {"effect without", [&] { ChooseEffect(state, keyboard.commands(), 4); }, {{84, {4}}}},
      {"direction", [&] { ClickDirection(state, keyboard.commands(), false); }, {{87, {0}}}},
      {"colour", [&] { ChooseColour(state, keyboard.commands(), 0x332211); }, {{88, {0}}, {89, {0x11, 0x22, 0x33}}}},
      {"multicolour", [&] { ClickMulticolour(state, keyboard.commands(), true); }, {{88, {1}}}},
      {"preset", [&] { ClickPresetColour(state, keyboard.commands(), 3); }, {{92, {3}}}},
      {"report rate", [&] { ClickReportRate(state, keyboard.commands(), 2); }, {{99, {2}}}},
      {"report rate out of range", [&] { ClickReportRate(state, keyboard.commands(), 4); }, {}},
  };
  for (const auto& c : cases) {
    keyboard.keyboard().ClearLog();
    c.run();
    EXPECT_EQ(Writes(), c.expected) << c.action;
    if (!c.expected.empty()) {
      EXPECT_EQ(Opcodes().front(), 1) << c.action;
      EXPECT_EQ(Opcodes().back(), 2) << c.action;
    }
  }
  EXPECT_EQ(state.colour, 0x332211u);
  EXPECT_EQ(keyboard.keyboard().Areas().lighting[2 * 42 + 15], 2);
}

// The panel profile comes from the keyboard's settings block: a bad byte there must not send a
// write outside the three records (where it would land in whatever follows them).
TEST_F(LightingTest, APanelProfileOutsideTheRecordsWritesNothing) {
  for (const int profile : {-1, 3, 255}) {
    state.PanelProfile = profile;
    keyboard.keyboard().ClearLog();
    ChooseEffect(state, keyboard.commands(), 4);
    ClickReportRate(state, keyboard.commands(), 1);
    RestoreLightingDefaults(state, keyboard.commands(), {});
    EXPECT_TRUE(Writes().empty()) << profile;
  }
}

TEST_F(LightingTest, RestoringDefaultsWritesThirtyFiveBytesAtThePanelRecord) {
  state.PanelProfile = 1;
  state.multicolour = false;
  ASSERT_EQ(ReadLightingSettings(state, keyboard.commands(), wskb), 0);
  int shown = 0, reset = 0;
  keyboard.keyboard().ClearLog();
  RestoreLightingDefaults(state, keyboard.commands(), {[&] { ++shown; }, [&] { ++reset; }});
  const auto writes = Writes();
  ASSERT_EQ(writes.size(), 3u);
  EXPECT_EQ(writes[0], (SentWrite{42, {1}}));
  EXPECT_EQ(writes[2].offset, 42);
  EXPECT_EQ(writes[2].bytes, std::vector<std::uint8_t>(kLightingDefaults.begin(), kLightingDefaults.end()));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(reset, 1);
  EXPECT_EQ(state.brightness, 4);
  EXPECT_EQ(state.speed, 1);
  EXPECT_EQ(state.colour, 0xFFu);
  EXPECT_TRUE(state.multicolour);
  const auto area = keyboard.keyboard().Areas().lighting;
  EXPECT_TRUE(std::equal(kLightingDefaults.begin(), kLightingDefaults.end(), area.begin() + 42));
}

}  // namespace
}  // namespace mv::lighting
