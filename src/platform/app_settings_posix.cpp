// Per-user application settings on POSIX: one INI file, "Morvane_Torvale/Morvane.ini" under the
// user's configuration folder, one INI section per settings section. MV_SETTINGS_FILE names
// another file (tests use it so that they never touch the user's own settings).
#include <cstdlib>
#include <string>

#include "platform/app_settings.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/text.h"

namespace mv::platform {

namespace {

std::u16string FromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? Utf8ToUtf16(value) : std::u16string();
}

std::u16string ConfigurationFolder() {
  std::u16string folder = FromEnvironment("XDG_CONFIG_HOME");
  if (!folder.empty()) return folder;
  const std::u16string home = FromEnvironment("HOME");
  return home.empty() ? std::u16string() : home + u"/.config";
}

std::u16string SettingsFolder() {
  const std::u16string config = ConfigurationFolder();
  return config.empty() ? std::u16string() : config + u"/" + std::u16string(kSettingsRegistryKey);
}

std::u16string SettingsFile() {
  const std::u16string overridden = FromEnvironment("MV_SETTINGS_FILE");
  if (!overridden.empty()) return overridden;
  const std::u16string folder = SettingsFolder();
  return folder.empty() ? std::u16string() : folder + u"/" + std::u16string(kSettingsApplication) + u".ini";
}

// The configuration folder itself may not exist yet on a fresh account.
bool EnsureSettingsFolder() {
  if (!FromEnvironment("MV_SETTINGS_FILE").empty()) return true;
  const std::u16string config = ConfigurationFolder();
  return !config.empty() && CreateFolder(config) && CreateFolder(SettingsFolder());
}

}  // namespace

std::u16string ReadAppSetting(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) {
  const std::u16string file = SettingsFile();
  if (file.empty()) return std::u16string(defaultValue);
  return ReadIniString(file, section, key, defaultValue);
}

bool WriteAppSetting(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  const std::u16string file = SettingsFile();
  return !file.empty() && EnsureSettingsFolder() && WriteIniString(file, section, key, value);
}

}  // namespace mv::platform
