// The simulator's settings file: values read, bad or missing values fall back to the defaults.
#include "sim/sim_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/files.h"
#include "platform/text.h"

namespace mv::sim {
namespace {

class SimSettingsTest : public ::testing::Test {
 protected:
  std::u16string path = Utf8ToUtf16(::testing::TempDir()) + u"Quenlink_settings_test.ini";
  void Write(const char* text) {
    auto f = platform::OpenFile(path, "wb");
    ASSERT_TRUE(f);
    std::fputs(text, f.get());
  }
  void TearDown() override { platform::RemoveFile(path); }
};

TEST_F(SimSettingsTest, MissingFileGivesDefaults) {
  const SimSettings s = ReadSimSettings(path);
  EXPECT_TRUE(s.present);
  EXPECT_EQ(s.replyDelay.count(), 0);
  EXPECT_EQ(s.macroCapacity, 255);
}

TEST_F(SimSettingsTest, ReadsEveryValue) {
  Write("[Keyboard]\r\nPresent=0\r\nReplyDelayMs=25\r\nMacroCapacity=4\r\n");
  const SimSettings s = ReadSimSettings(path);
  EXPECT_FALSE(s.present);
  EXPECT_EQ(s.replyDelay.count(), 25000);
  EXPECT_EQ(s.macroCapacity, 4);
}

TEST_F(SimSettingsTest, BadValuesKeepDefaults) {
  Write("[Keyboard]\nPresent=yes\nReplyDelayMs=-5\nMacroCapacity=256\n");
  const SimSettings s = ReadSimSettings(path);
  EXPECT_TRUE(s.present);
  EXPECT_EQ(s.replyDelay.count(), 0);
  EXPECT_EQ(s.macroCapacity, 255);
}

}  // namespace
}  // namespace mv::sim
