// Per-user application settings: values survive a round trip, sections stay apart, a miss gives
// the default. On POSIX also where the file lives; on Windows the registry key that holds them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "platform/app_settings.h"
#include "platform/files.h"
#include "platform/text.h"
#include "scratch_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using mv::platform::ReadAppSetting;
using mv::platform::WriteAppSetting;

#ifndef _WIN32
// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};
#endif

class AppSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.IsValid());
#ifdef _WIN32
    section_ = u"MvTest" + mv::Utf8ToUtf16(std::to_string(std::random_device{}()));
#else
    env_.emplace("MV_SETTINGS_FILE", mv::Utf16ToUtf8(folder_.Path(u"settings.ini")));
#endif
  }
  void TearDown() override {
#ifdef _WIN32
    const std::u16string path = u"Software\\Morvane_Torvale\\Morvane\\" + section_;
    RegDeleteKeyW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(path.c_str()));
#endif
  }

  mv::test::ScratchFolder folder_;
  std::u16string section_ = u"PROFILES";
#ifndef _WIN32
  std::optional<ScopedEnv> env_;
#endif
};

TEST_F(AppSettings, RoundTripsValuesAndGivesTheDefaultOnAMiss) {
  EXPECT_EQ(ReadAppSetting(section_, u"Flip", u"0"), u"0");
  ASSERT_TRUE(WriteAppSetting(section_, u"Flip", u"1"));
  EXPECT_EQ(ReadAppSetting(section_, u"Flip", u"0"), u"1");
  ASSERT_TRUE(WriteAppSetting(section_, u"Flip", u"2"));
  EXPECT_EQ(ReadAppSetting(section_, u"Flip", u"0"), u"2");
  EXPECT_EQ(ReadAppSetting(section_, u"RecordDelay", u"dflt"), u"dflt");
  EXPECT_EQ(ReadAppSetting(section_ + u"X", u"Flip", u"none"), u"none");
}

TEST_F(AppSettings, KeepsUnicodeTextsAndEmptyValues) {
  const std::u16string path = u"C:\\Users\\\u7528\u6237\\Documents\\Tamro\\\u914D\u7F6E.mvn";
  ASSERT_TRUE(WriteAppSetting(section_, u"Profile0", path));
  ASSERT_TRUE(WriteAppSetting(section_, u"Empty", u""));
  EXPECT_EQ(ReadAppSetting(section_, u"Profile0", u""), path);
  EXPECT_EQ(ReadAppSetting(section_, u"Empty", u"dflt"), u"");
}

#ifndef _WIN32
TEST_F(AppSettings, LivesUnderTheConfigurationFolder) {
  const ScopedEnv noOverride("MV_SETTINGS_FILE", std::nullopt);
  const std::u16string config = folder_.Path(u"config");  // not there yet: it is created
  const ScopedEnv xdg("XDG_CONFIG_HOME", mv::Utf16ToUtf8(config));
  ASSERT_TRUE(WriteAppSetting(u"PROFILES", u"Flip", u"1"));
  EXPECT_TRUE(mv::platform::FileExists(config + u"/Morvane_Torvale/Morvane.ini"));
  EXPECT_EQ(ReadAppSetting(u"PROFILES", u"Flip", u"0"), u"1");
}

TEST_F(AppSettings, FallsBackToDotConfigUnderHome) {
  const ScopedEnv noOverride("MV_SETTINGS_FILE", std::nullopt);
  const ScopedEnv noXdg("XDG_CONFIG_HOME", std::nullopt);
  const ScopedEnv home("HOME", mv::Utf16ToUtf8(folder_.Path()));
  ASSERT_TRUE(WriteAppSetting(u"PROFILES", u"Flip", u"1"));
  EXPECT_TRUE(mv::platform::FileExists(folder_.Path() + u"/.config/Morvane_Torvale/Morvane.ini"));
}
#endif

}  // namespace
