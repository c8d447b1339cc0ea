// Per-user application settings: one string value per key, grouped in sections.
// Windows: the registry under HKCU\Software\Morvane_Torvale\Morvane. POSIX: an INI file in the
// user's configuration folder ($XDG_CONFIG_HOME or ~/.config, folder "Morvane_Torvale", file
// "Morvane.ini"), or the file named by MV_SETTINGS_FILE; values there follow the INI rules (blanks
// around a value are trimmed, at most 259 units, no line breaks).
#pragma once

#include <string>
#include <string_view>

namespace mv::platform {

inline constexpr std::u16string_view kSettingsRegistryKey = u"Morvane_Torvale";
inline constexpr std::u16string_view kSettingsApplication = u"Morvane";
inline constexpr std::u16string_view kSettingsSection = u"PROFILES";

std::u16string ReadAppSetting(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue);
[[nodiscard]] bool WriteAppSetting(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view value);

}  // namespace mv::platform
