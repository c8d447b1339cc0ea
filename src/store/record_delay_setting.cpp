// The record-delay option on the platform's per-user settings (kept apart so that code which never
// reads the option does not need the settings store).
#include "platform/app_settings.h"
#include "store/macro_model.h"

namespace mv::store {

namespace {
std::u16string ReadProfilesSetting(std::u16string_view key, std::u16string_view defaultValue) {
  return platform::ReadAppSetting(platform::kSettingsSection, key, defaultValue);
}
bool WriteProfilesSetting(std::u16string_view key, std::u16string_view value) {
  return platform::WriteAppSetting(platform::kSettingsSection, key, value);
}
}  // namespace

bool ReadRecordDelayOption(const LanguageTable& texts) {
  return ReadRecordDelayOption(texts, ReadProfilesSetting, WriteProfilesSetting);
}

bool WriteRecordDelayOption(const LanguageTable& texts, bool on) {
  return WriteRecordDelayOption(texts, on, WriteProfilesSetting);
}

}  // namespace mv::store
